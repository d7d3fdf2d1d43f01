#include "core/modTolvenar.h"

#include <gtest/gtest.h>

#include "ProgramStateGuard.h"
#include "core/Settings.h"

namespace {

TEST(modTolvenarTest, ListFileNameIsTheTimeOfDayInSixDigits) {
  EXPECT_EQ(L"tv090503.txt", core::MakeListFileName(9, 5, 3));
  EXPECT_EQ(L"tv000000.txt", core::MakeListFileName(0, 0, 0));
  EXPECT_EQ(L"tv235959.txt", core::MakeListFileName(23, 59, 59));
}

TEST(modTolvenarTest, WorkFolderIsTheSettingsFolderWithTvtempAndTheNumber) {
  testsupport::ProgramStateGuard state;
  const std::pair<const wchar_t*, const wchar_t*> cases[] = {
      {L"C:\\temp", L"C:\\temp\\tvtemp07"},
      {L"C:\\temp\\", L"C:\\temp\\tvtemp07"},
      {L"D:\\作業 フォルダ", L"D:\\作業 フォルダ\\tvtemp07"},
  };
  core::WorkFolderNo = L"07";
  for (const auto& [setting, expected] : cases) {
    core::Settings.WorkFolder = setting;
    EXPECT_EQ(expected, core::WorkFolderPath());
  }
}

}  // namespace
