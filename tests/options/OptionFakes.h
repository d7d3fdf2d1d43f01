#pragma once
// The common dialogs and the folder picker as the option dialogs' tests answer them: every question is
// recorded, and the answer is the one the test set (an empty answer is a cancel).
#include <windows.h>

#include <optional>
#include <string>
#include <vector>

#include "core/Seams.h"

namespace optionstest {

class FakeCommonDialogs : public core::CommonDialogSeam {
 public:
  struct FileQuestion {
    bool save = false;
    std::wstring title, filter, fileName, initialDir;
    DWORD filterIndex = 0;
  };
  BOOL OpenFile(OPENFILENAMEW& record) override { return AskFile(record, false); }
  BOOL SaveFile(OPENFILENAMEW& record) override { return AskFile(record, true); }
  // The colour asked for is the one handed in; a set answer is picked, none cancels.
  BOOL PickColor(CHOOSECOLORW& record) override;
  // The font handed in is recorded; a set answer replaces it, none cancels.
  BOOL PickFont(CHOOSEFONTW& record) override;
  BOOL Print(PRINTDLGW&) override { return FALSE; }
  BOOL PageSetup(PAGESETUPDLGW&) override { return FALSE; }
  DWORD ExtendedError() override { return 0; }
  BOOL Help(HWND, const std::wstring&, UINT, ULONG_PTR) override { return FALSE; }

  std::wstring fileAnswer;
  std::vector<FileQuestion> files;
  std::optional<COLORREF> colourAnswer;
  std::vector<COLORREF> coloursAsked;
  // Answers the next font questions with this font.
  void AnswerFont(const std::wstring& face, int points, bool bold, bool italic, bool strikethrough, bool underline);
  std::optional<LOGFONTW> fontAnswer;
  std::vector<LOGFONTW> fontsAsked;
  std::vector<int> pointsAsked;  // sizes handed in, in points

 private:
  BOOL AskFile(OPENFILENAMEW& record, bool save);

  core::ScopedCommonDialogSeam scope_{*this};
};

class FakeFolderPicker : public core::FolderPickerSeam {
 public:
  std::wstring BrowseForFolder(HWND, const std::wstring& title, const std::wstring& start) override {
    asked.push_back(title + L"|" + start);
    return answer;
  }
  std::wstring answer;
  std::vector<std::wstring> asked;  // "title|start folder"

 private:
  core::ScopedFolderPickerSeam scope_{*this};
};

}  // namespace optionstest
