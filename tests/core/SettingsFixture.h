#pragma once
// A settings file in a fresh folder, fixed machine places, and the one real registry value the settings
// loader writes, put back as it was afterwards.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "ProgramStateGuard.h"
#include "SeamFakes.h"
#include "TempDir.h"
#include "core/Settings.h"
#include "core/modIni.h"

namespace settingstest {

// Points the unzip32 switch "ShowResult" at a scratch key for the test's life: other test programs load
// settings at the same time and write the library's own key.
class UnzipSwitchGuard {
 public:
  UnzipSwitchGuard();
  ~UnzipSwitchGuard();
  UnzipSwitchGuard(const UnzipSwitchGuard&) = delete;
  UnzipSwitchGuard& operator=(const UnzipSwitchGuard&) = delete;

 private:
  testsupport::ScratchRegKey scratch_;
};

// Removes the switch so a test sees whether loading writes it.
void DeleteUnzipSwitch();
// True with `value` set when the switch exists as a REG_DWORD.
bool ReadUnzipSwitch(DWORD& value);

class SettingsFixture : public ::testing::Test {
 protected:
  SettingsFixture();
  ~SettingsFixture() override;

  // Writes the settings file from UTF-8 text, lines ending in "\n", as code page 932 with CR LF.
  void WriteIniFile(const std::wstring& text) const;
  std::string IniBytes() const;
  // The file's lines decoded from code page 932, blank lines left out.
  std::vector<std::wstring> IniLines() const;

  testsupport::ProgramStateGuard state_;
  UnzipSwitchGuard unzipSwitch_;
  testsupport::TempDir dir_;
  testsupport::FakeSettingsPlaces places_;

 private:
  core::SettingsPlacesSeam* previousPlaces_;
};

}  // namespace settingstest
