#pragma once
// A clean archiver layer for each test: the recording library and tool copied into a test folder under the
// names a test asks for, the binding pointed there, the result window and the main-window pointer recorded.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "ProgramStateGuard.h"
#include "SeamFakes.h"
#include "Standins.h"
#include "TempDir.h"
#include "core/MainWindowLink.h"
#include "winui/Form.h"

namespace archivertest {

// One line of the recording library's log.
struct ProbeCall {
  std::string library;  // file name as loaded ("unlha32.dll")
  std::string entry;
  std::string arguments;
};

// The arguments a console tool received (it logs its path, then its whole command line as `entry`): the
// command line after the tool's own path, without the blanks the redirection left around it.
std::string ToolArguments(const ProbeCall& call);

using testsupport::StandinFolder;

class ArchiverTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // Copies the recording library into `folder` (the library folder when empty) under each of `names`.
  void InstallLibraries(const std::vector<std::wstring>& names, const std::wstring& folder = L"");
  // Copies the recording console tool into the tool folder under each of `names`.
  void InstallTools(const std::vector<std::wstring>& names);
  // Sets TVPROBE_<name> (upper-cased); "" removes it.
  static void SetProbe(const std::string& name, const std::wstring& value);
  std::vector<ProbeCall> Calls() const;
  // Settings.Log as the wrappers read it.
  static void SetLog(const std::wstring& value);
  // Settings.WorkFolder: the folder holding this instance's "tvtemp00".
  static void SetWorkFolder(const std::wstring& folder);

  testsupport::ProgramStateGuard state_;
  testsupport::TempDir temp_;
  std::wstring libraries_;
  std::wstring tools_;
  std::wstring work_;
  // The main window as the wrappers see it: no handle, and its pointer changes recorded.
  testsupport::FakeMainWindow mainWindowLink_;
  // Texts of the result window each time it was shown, and the main-window pointer values in order.
  std::vector<std::wstring> shown_;
  // kWindowShown marks where the result window opened among the pointer values.
  std::vector<int>& pointers_ = mainWindowLink_.pointers;
  static constexpr int kWindowShown = -1;

 private:
  std::optional<core::ScopedMainWindowLink> mainWindow_;
  winui::ModalHook previousHook_;
};

}  // namespace archivertest
