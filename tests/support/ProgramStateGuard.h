#pragma once
// The program-wide state a test changes, put back as it found it: core::Settings, core::PrivateState and
// the main module's counters, flags and lists. While the guard lives PrivateState starts fresh, as a new
// process has it; everything else stays as found until the test sets it.
#include <cstdint>
#include <string>
#include <vector>

#include "core/Settings.h"
#include "core/clsPrivate.h"

namespace testsupport {

class ProgramStateGuard {
 public:
  ProgramStateGuard();
  ~ProgramStateGuard();
  ProgramStateGuard(const ProgramStateGuard&) = delete;
  ProgramStateGuard& operator=(const ProgramStateGuard&) = delete;

  // The settings as the test found them.
  const core::SettingsStore& SavedSettings() const { return settings_; }

 private:
  core::SettingsStore settings_;
  core::clsPrivate state_;
  int32_t arcNodeCounter_, newArcCount_;
  bool programEnding_, busy_;
  std::wstring listFileName_, workFolderNo_;
  std::vector<std::wstring> openWithCommands_, editWatchFiles_, editWatchTimes_, commandLineFiles_;
};

}  // namespace testsupport
