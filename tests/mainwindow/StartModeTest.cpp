// The mode each command line chooses, with the keys held at start and Settings.IconDrop, and how every
// batch mode ends.
#include "mainwindow/StartMode.h"

#include "MainWindowFixture.h"
#include "core/Settings.h"
#include "core/Text.h"
#include "core/modCommandLine.h"

namespace {

using namespace mainwindow;
using mwtest::MainWindowTest;

class StartModeTest : public MainWindowTest {
 protected:
  std::wstring Arc(const wchar_t* name) { return temp.WriteFile(name, "a"); }
};

TEST_F(StartModeTest, ModeForEachCommandLine) {
  const std::wstring a = Arc(L"a.lzh");
  const std::wstring b = Arc(L"b.zip");
  const std::wstring jpz = Arc(L"photo.JPZ");
  const std::wstring text = Arc(L"notes.txt");
  struct Case {
    std::wstring commandLine;
    std::vector<int> keys;
    const wchar_t* iconDrop;
    StartMode mode;
    bool withoutSubFolders;
  };
  const Case cases[] = {
      {L"", {VK_SHIFT}, L"1", StartMode::Window, false},
      {L"/l anything " + a, {}, L"0", StartMode::RawCommandLine, false},
      {L"/d " + text, {}, L"0", StartMode::Decode, false},
      {L"/d", {}, L"0", StartMode::Compress, false},  // "/d" without an item is ignored
      {jpz, {}, L"0", StartMode::DecryptJpeg, false},
      {L"/e " + jpz, {}, L"0", StartMode::DecryptJpeg, false},
      {jpz + L" " + a, {}, L"0", StartMode::Compress, false},
      {a + L" " + b, {}, L"0", StartMode::Window, false},
      {a + L" " + b, {VK_CONTROL}, L"0", StartMode::Window, false},
      {a + L" " + b, {}, L"1", StartMode::InstantExtract, false},
      {a, {VK_SHIFT}, L"0", StartMode::InstantExtract, false},
      {a, {VK_SHIFT, VK_CONTROL}, L"0", StartMode::InstantExtract, true},
      {L"/e " + a, {VK_SHIFT, VK_CONTROL}, L"0", StartMode::InstantExtract, false},  // keys not read
      {L"/e", {}, L"0", StartMode::InstantExtract, false},
      {L"/E " + a, {}, L"0", StartMode::Compress, false},
      {L"/c", {}, L"0", StartMode::Compress, false},
      {L"/c " + a, {VK_SHIFT}, L"0", StartMode::Compress, false},
      {L"/e/c " + a, {}, L"0", StartMode::InstantExtract, false},
      {L"/c /e " + a, {}, L"0", StartMode::Compress, false},
      {a + L" " + text, {}, L"0", StartMode::Compress, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(core::ToUtf8(c.commandLine));
    keysDown = c.keys;
    const StartChoice choice = ChooseStartMode(c.commandLine, c.iconDrop);
    EXPECT_EQ(static_cast<int>(choice.mode), static_cast<int>(c.mode));
    EXPECT_EQ(choice.withoutSubFolders, c.withoutSubFolders);
  }
}

TEST_F(StartModeTest, SwitchesAreTakenOnlyInTheirOrder) {
  const std::wstring a = Arc(L"a.lzh");
  StartChoice both = ChooseStartMode(L"/e /c " + a, L"0");
  EXPECT_TRUE(both.extractSwitch);
  EXPECT_TRUE(both.compressSwitch);
  EXPECT_EQ(core::CommandLineFiles, std::vector<std::wstring>{a});

  // After "/c" the "/e" is no longer at the start of what the earlier test left: it becomes an item.
  StartChoice reversed = ChooseStartMode(L"/c /e " + a, L"0");
  EXPECT_FALSE(reversed.extractSwitch);
  EXPECT_TRUE(reversed.compressSwitch);
  EXPECT_EQ(core::CommandLineFiles.size(), 2u);

  StartChoice glued = ChooseStartMode(L"/e" + a, L"0");
  EXPECT_TRUE(glued.extractSwitch);
  EXPECT_EQ(core::CommandLineFiles, std::vector<std::wstring>{a});
}

TEST_F(StartModeTest, OnlyDecodingEmptiesTheClipboard) {
  for (StartMode mode : {StartMode::RawCommandLine, StartMode::Decode, StartMode::DecryptJpeg,
                         StartMode::InstantExtract, StartMode::Compress}) {
    clipboard.clears = 0;
    work.calls.clear();
    exitCodes.clear();
    core::Settings.WindowLeft = L"4321";
    EndBatchMode(mode);
    EXPECT_EQ(clipboard.clears, mode == StartMode::Decode ? 1 : 0) << static_cast<int>(mode);
    const std::vector<std::wstring> expected = {L"ClearTempFolder", L"ReleaseTempFolder"};
    EXPECT_EQ(work.calls, expected);
    EXPECT_EQ(SavedIni(L"WindowLeft"), L"4321");
    EXPECT_EQ(exitCodes, std::vector<int>{0});
  }
}

TEST_F(StartModeTest, ArgumentsAfterTheProgramName) {
  EXPECT_EQ(ArgumentsOf(L"\"C:\\Program Files\\Tolvenar\\Tolvenar.exe\"  /e a.lzh"), L"/e a.lzh");
  EXPECT_EQ(ArgumentsOf(L"Tolvenar.exe"), L"");
  EXPECT_EQ(ArgumentsOf(L"Tolvenar.exe \"x y.zip\""), L"\"x y.zip\"");
}

}  // namespace
