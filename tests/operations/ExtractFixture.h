#pragma once
// What the extraction tests share: the settings as a fresh settings file gives them, the checked-in
// archives made by Debian's own archivers (fixtures/extract), the stand-in archivers with their call log,
// and fakes for what a successful extraction starts.
#include <gtest/gtest.h>
#include <windows.h>

#include <map>
#include <string>
#include <vector>

#include "ProgramStateGuard.h"
#include "SeamFakes.h"
#include "TempDir.h"
#include "core/Seams.h"
#include "core/Settings.h"
#include "winui/Controls.h"

namespace extracttest {

// Every setting at the default a missing settings file gives (the machine's folders left empty).
core::SettingsStore DefaultSettings();

// A checked-in file of tests/operations/fixtures, as the test program under Wine reaches it.
std::wstring Fixture(const std::wstring& relative);

using testsupport::FilesBelow;
// tree.lzh as jlha made it with one byte of its last entry (doc/deep/data.bin, stored) changed: the two
// files before it extract, that one fails its check.
std::string DamagedLzh();

// Files as "name size hash" lines: what a failed comparison shows in place of the bytes.
std::wstring Summary(const std::map<std::wstring, std::string>& files);
// The source tree the fixture archives were made from.
std::map<std::wstring, std::string> SourceTree();

// A real click of the user's mouse on a control, delivered by the message loop.
void Click(HWND control);
// Checks a box the way a user does: one click, when it is enabled and not checked yet.
void Check(winui::CheckBox box);

// Each shell open as "file|parameters", in order.
std::vector<std::wstring> Opened(const testsupport::FakeProcesses& shell);

// The stand-in archivers as the program's libraries and tools, a configuration and a call log in `temp`;
// Settings at their defaults with the output window off; PrivateState fresh; every shell open recorded.
class StandinTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // The stand-ins' configuration; they read it when they are loaded next.
  void Configure(const std::string& ini);
  // The log's lines (code page 932 decoded), "library TAB entry TAB arguments".
  std::vector<std::wstring> LogLines();
  void ClearLog();
  // Copies a fixture archive into the scratch folder under `name`.
  std::wstring CopyFixture(const std::wstring& fixture, const std::wstring& name);

  testsupport::ProgramStateGuard state;
  testsupport::TempDir temp;
  testsupport::FakeProcesses shell;

 private:
  std::unique_ptr<core::ScopedProcessSeam> shellSeam_;
};

}  // namespace extracttest
