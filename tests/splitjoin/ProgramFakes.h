#pragma once
// The seams the two programs' windows use (the open-file dialog, the folder picker and the process
// starts for Explorer) with the fakes of tests/support in place, and the base of the form tests.
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "ScriptedMsgBox.h"
#include "SeamFakes.h"
#include "TempDir.h"
#include "core/Seams.h"
#include "winui/MsgBox.h"

namespace splitjoin_test {

// The three fakes installed for the lifetime of a form test.
struct ProgramSeams {
  testsupport::FakeCommonDialogs dialog;
  testsupport::FakeFolderPicker picker;
  testsupport::FakeProcesses processes;
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
  testsupport::FakeCommonDialogs& dialog = seams.dialog;
  testsupport::FakeFolderPicker& picker = seams.picker;
  testsupport::FakeProcesses& processes = seams.processes;

  // Each shell open as "verb|file|parameters", in order.
  std::vector<std::wstring> Opened() const;
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
