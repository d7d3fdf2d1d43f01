#pragma once
// Fakes of the seams the tools go through: the clipboard, the folder picker, the file dialogs, process
// starts and modal windows. Each answers as scripted and records what it was asked.
#include <windows.h>

#include <algorithm>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "core/Seams.h"
#include "winui/Form.h"

namespace toolstest {

class FakeClipboard : public core::ClipboardSeam {
 public:
  bool hasText = true;
  std::wstring text;
  bool GetText(std::wstring& out) override {
    out = text;
    return hasText;
  }
  bool SetText(const std::wstring& value) override {
    text = value;
    hasText = true;
    return true;
  }
  bool Clear() override {
    hasText = false;
    return true;
  }
};

class FakePicker : public core::FolderPickerSeam {
 public:
  std::wstring answer;
  std::vector<std::wstring> titles;
  std::wstring BrowseForFolder(HWND, const std::wstring& title, const std::wstring&) override {
    titles.push_back(title);
    return answer;
  }
};

// Shell opens ("verb file", and the parameters of each) and process starts (the command line);
// StartProcess fails when asked to.
class FakeProcesses : public core::ProcessSeam {
 public:
  std::vector<std::wstring> executed, parameters, started;
  bool startFails = false;
  INT_PTR Execute(HWND, const std::wstring& verb, const std::wstring& file, const std::wstring& given,
                  const std::wstring&, int) override {
    executed.push_back(verb + L" " + file);
    parameters.push_back(given);
    return 42;
  }
  HANDLE ExecuteForProcess(HWND, const std::wstring&, const std::wstring&, const std::wstring&, const std::wstring&,
                           int) override {
    return nullptr;
  }
  HANDLE StartProcess(const std::wstring& commandLine, const std::wstring&, int) override {
    started.push_back(commandLine);
    HANDLE self = nullptr;
    if (!startFails)
      DuplicateHandle(GetCurrentProcess(), GetCurrentProcess(), GetCurrentProcess(), &self, 0, FALSE,
                      DUPLICATE_SAME_ACCESS);
    return self;
  }
};

// The open-file dialog: each question is recorded, and answered with the next of `answers` ("" = the user
// cancelled; none left = cancelled). An answer of several files is the folder and the names, NUL-separated.
class FakeFileDialogs : public core::CommonDialogSeam {
 public:
  struct Question {
    HWND owner;
    std::wstring title, filter, fileName, initialDir;
  };
  std::vector<std::wstring> answers;
  std::vector<Question> asked;

  BOOL OpenFile(OPENFILENAMEW& record) override { return Answer(record); }
  // The save dialog answers from the same script.
  BOOL SaveFile(OPENFILENAMEW& record) override { return Answer(record); }
  BOOL PickColor(CHOOSECOLORW&) override { return FALSE; }
  BOOL PickFont(CHOOSEFONTW&) override { return FALSE; }
  BOOL Print(PRINTDLGW&) override { return FALSE; }
  BOOL PageSetup(PAGESETUPDLGW&) override { return FALSE; }
  DWORD ExtendedError() override { return 0; }
  BOOL Help(HWND, const std::wstring&, UINT, ULONG_PTR) override { return FALSE; }

 private:
  // An answer of several files ("folder", NUL, "name", NUL, "name") reaches the buffer whole, ended by two
  // NULs as the dialog ends a multi-selection.
  BOOL Answer(OPENFILENAMEW& record) {
    std::wstring filter;
    for (const wchar_t* p = record.lpstrFilter; p && *p; p += wcslen(p) + 1)
      filter += (filter.empty() ? L"" : L"|") + std::wstring(p);
    asked.push_back({record.hwndOwner, record.lpstrTitle ? record.lpstrTitle : L"", filter, record.lpstrFile,
                     record.lpstrInitialDir ? record.lpstrInitialDir : L""});
    std::wstring answer;
    if (asked.size() <= answers.size()) answer = answers[asked.size() - 1];
    if (answer.empty()) return FALSE;
    // A multi-selection answer holds NULs (the folder, then each name): it is copied whole, ended by two.
    const size_t length = std::min<size_t>(answer.size(), record.nMaxFile - 2);
    std::copy_n(answer.c_str(), length, record.lpstrFile);
    record.lpstrFile[length] = record.lpstrFile[length + 1] = L'\0';
    return TRUE;
  }
};

// Plays the user of every modal form shown while it lives: `play` gets the form, loaded and hidden, and
// drives it through its controls.
class ModalScript {
 public:
  explicit ModalScript(std::function<void(winui::Form&)> play) : previous_(winui::SetModalHook(std::move(play))) {}
  ~ModalScript() { winui::SetModalHook(previous_); }
  ModalScript(const ModalScript&) = delete;
  ModalScript& operator=(const ModalScript&) = delete;

 private:
  winui::ModalHook previous_;
};

// A real click on a control: the button goes down and up over it.
inline void ClickAt(HWND control, int x = 2, int y = 2) {
  PostMessageW(control, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
  PostMessageW(control, WM_LBUTTONUP, 0, MAKELPARAM(x, y));
}

}  // namespace toolstest
