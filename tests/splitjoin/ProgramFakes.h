#pragma once
// Fakes of the seams the two programs' windows use: the open-file dialog, the folder picker and the
// process starts (Explorer).
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "ScriptedMsgBox.h"
#include "TempDir.h"
#include "core/Seams.h"
#include "winui/MsgBox.h"

namespace splitjoin_test {

// Answers the open-file dialog with `answer` ("" = the user cancelled) and records the question.
class FakeFileDialog : public core::CommonDialogSeam {
 public:
  BOOL OpenFile(OPENFILENAMEW& record) override;
  BOOL SaveFile(OPENFILENAMEW&) override { return FALSE; }
  BOOL PickColor(CHOOSECOLORW&) override { return FALSE; }
  BOOL PickFont(CHOOSEFONTW&) override { return FALSE; }
  BOOL Print(PRINTDLGW&) override { return FALSE; }
  BOOL PageSetup(PAGESETUPDLGW&) override { return FALSE; }
  DWORD ExtendedError() override { return 0; }
  BOOL Help(HWND, const std::wstring&, UINT, ULONG_PTR) override { return FALSE; }

  std::wstring answer;
  std::wstring title, filter, initialDir;
  DWORD flags = 0;
  int asked = 0;
};

class FakeFolderPicker : public core::FolderPickerSeam {
 public:
  std::wstring BrowseForFolder(HWND, const std::wstring& title, const std::wstring& start) override {
    asked.push_back(title + L"|" + start);
    return answer;
  }
  std::wstring answer;
  std::vector<std::wstring> asked;  // "title|start folder"
};

class FakeProcesses : public core::ProcessSeam {
 public:
  INT_PTR Execute(HWND owner, const std::wstring& verb, const std::wstring& file, const std::wstring& parameters,
                  const std::wstring& folder, int show) override {
    started.push_back(verb + L"|" + file + L"|" + parameters);
    return 42;
  }
  HANDLE ExecuteForProcess(HWND, const std::wstring&, const std::wstring&, const std::wstring&, const std::wstring&,
                           int) override {
    return nullptr;
  }
  HANDLE StartProcess(const std::wstring&, const std::wstring&, int) override { return nullptr; }
  std::vector<std::wstring> started;  // "verb|file|parameters"
};

// The three fakes installed for the lifetime of a form test.
struct ProgramSeams {
  FakeFileDialog dialog;
  FakeFolderPicker picker;
  FakeProcesses processes;
  core::ScopedCommonDialogSeam dialogSeam{dialog};
  core::ScopedFolderPickerSeam pickerSeam{picker};
  core::ScopedProcessSeam processSeam{processes};
};

// Base of the form tests: a scratch folder, scripted message boxes and the program seams' fakes, all in
// place before the form is made.
class ProgramTest : public testing::Test {
 protected:
  testsupport::TempDir temp;
  testsupport::ScriptedMsgBox boxes;
  ProgramSeams seams;
  FakeFileDialog& dialog = seams.dialog;
  FakeFolderPicker& picker = seams.picker;
  FakeProcesses& processes = seams.processes;
};

// While it lives, the message box showing `question` is answered OK and Escape is posted to `target`, so
// the key reaches the window while the run that asked copies its first block. Other boxes go to the
// handler in place before (the test's script).
class EscapeAtQuestion {
 public:
  EscapeAtQuestion(std::wstring question, HWND target);
  ~EscapeAtQuestion();
  EscapeAtQuestion(const EscapeAtQuestion&) = delete;
  EscapeAtQuestion& operator=(const EscapeAtQuestion&) = delete;

 private:
  winui::MsgBoxHandler previous_;
};

}  // namespace splitjoin_test
