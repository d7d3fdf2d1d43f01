// The keys whose loading or saving does more than take the text or its default.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "SettingsFixture.h"
#include "core/Settings.h"
#include "core/Text.h"
#include "core/modIni.h"

namespace {

using settingstest::SettingsFixture;

// "[History]" lines "NN=path" for the indices first to last.
std::wstring HistorySection(int first, int last) {
  std::wstring text = L"[History]\n";
  for (int i = first; i <= last; ++i) text += core::PadNumber(i, 2) + L"=C:\\a" + core::ToWString(i) + L".lzh\n";
  return text;
}

std::vector<std::wstring> HistoryPaths(int count) {
  std::vector<std::wstring> paths;
  for (int i = 0; i < count; ++i) paths.push_back(L"C:\\a" + core::ToWString(i) + L".lzh");
  return paths;
}

class SettingsRulesTest : public SettingsFixture {
 protected:
  bool HasKey(const std::wstring& section, const std::wstring& key) const {
    char buffer[8];
    // The default "?" comes back only for a missing key; an empty value reads as "".
    GetPrivateProfileStringA(core::ToCp932(section).c_str(), core::ToCp932(key).c_str(), "?", buffer, sizeof(buffer),
                             core::ToCp932(core::IniFilePath()).c_str());
    return std::string(buffer) != "?";
  }
};

TEST_F(SettingsRulesTest, FileHistoryBoundsTheHistory) {
  struct Case {
    const char* what;
    std::wstring fileHistory;
    int keys;  // [History] keys 00 to keys - 1
    std::wstring loadedLimit;
    size_t loaded;
  };
  const std::vector<Case> cases = {
      {"limit 3", L"3", 6, L"3", 4},
      {"not a number", L"many", 20, L"15", 16},
      {"missing", L"", 3, L"15", 3},
      {"above 99: keys never repeat", L"150", 100, L"99", 100},
      {"below 0", L"-5", 3, L"0", 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    WriteIniFile(L"[Option]\nFileHistory=" + c.fileHistory + L"\n" + HistorySection(0, c.keys - 1));
    core::LoadSettings();
    EXPECT_EQ(core::Settings.FileHistory, c.loadedLimit);
    EXPECT_EQ(core::Settings.History, HistoryPaths(static_cast<int>(c.loaded)));
  }
}

TEST_F(SettingsRulesTest, HistoryStopsAtTheFirstEmptyKey) {
  WriteIniFile(L"[History]\n00=C:\\a0.lzh\n01=\n02=C:\\a2.lzh\n");
  core::LoadSettings();
  EXPECT_EQ(core::Settings.History, HistoryPaths(1));
}

TEST_F(SettingsRulesTest, SavingHistoryDropsKeysBeyondTheLimit) {
  WriteIniFile(L"[Option]\nFileHistory=3\n" + HistorySection(0, 5));
  core::LoadSettings();
  core::SaveSettings();
  for (int i = 0; i <= 3; ++i) EXPECT_EQ(core::ReadIni(L"History", core::PadNumber(i, 2)), HistoryPaths(4)[i]);
  EXPECT_FALSE(HasKey(L"History", L"04"));
  EXPECT_FALSE(HasKey(L"History", L"05"));

  // Lowering a limit above 15 drops the archives past it for good.
  core::Settings.FileHistory = L"30";
  core::Settings.History = HistoryPaths(31);
  core::SaveSettings();
  core::Settings.FileHistory = L"20";
  core::SaveSettings();
  core::WriteIni(L"Option", L"FileHistory", L"30");
  core::LoadSettings();
  EXPECT_EQ(core::Settings.History, HistoryPaths(21));
}

TEST_F(SettingsRulesTest, EmptyHistoryElementIsSavedAsEmptyValue) {
  core::LoadSettings();
  core::Settings.History = {L"C:\\a0.lzh", L"", L"C:\\a2.lzh"};
  core::SaveSettings();
  EXPECT_TRUE(HasKey(L"History", L"01"));
  EXPECT_EQ(core::ReadIni(L"History", L"01"), L"");
  EXPECT_EQ(core::ReadIni(L"History", L"02"), L"C:\\a2.lzh");
}

TEST_F(SettingsRulesTest, ArcListsKeepGapsAndEndAtTheLastValue) {
  WriteIniFile(L"[Option]\nArcDown2=c:\\a\nArcCommand1=  -x a.lzh  \nArcCommand3=\"   \"\n");
  core::LoadSettings();
  EXPECT_EQ(core::Settings.ArcDown, (std::vector<std::wstring>{L"", L"", L"c:\\a"}));
  EXPECT_EQ(core::Settings.ArcCommand, (std::vector<std::wstring>{L"", L"-x a.lzh"}));

  core::SaveSettings();
  EXPECT_TRUE(HasKey(L"Option", L"ArcDown1"));
  EXPECT_EQ(core::ReadIni(L"Option", L"ArcDown1"), L"");
  EXPECT_EQ(core::ReadIni(L"Option", L"ArcDown2"), L"c:\\a");
  EXPECT_FALSE(HasKey(L"Option", L"ArcDown3"));
  EXPECT_FALSE(HasKey(L"Option", L"ArcCommand3"));
}

TEST_F(SettingsRulesTest, ArcDownIsSavedWithoutTrailingBackslashArcCommandAsHeld) {
  core::LoadSettings();
  core::Settings.ArcDown = {L"", L"C:\\展開\\", L"D:\\"};
  core::Settings.ArcCommand = {L"", L"a b\\"};
  core::SaveSettings();
  EXPECT_EQ(core::ReadIni(L"Option", L"ArcDown1"), L"C:\\展開");
  EXPECT_EQ(core::ReadIni(L"Option", L"ArcDown2"), L"D:");
  EXPECT_EQ(core::ReadIni(L"Option", L"ArcCommand1"), L"a b\\");
}

TEST_F(SettingsRulesTest, ClassesArcTypeIsPaddedAndCutTo17) {
  const std::vector<std::pair<std::wstring, std::wstring>> cases = {
      {L"", L"00000000000000000"},
      {L"101", L"10100000000000000"},
      {L"11111111111111111111", L"11111111111111111"},
  };
  for (const auto& [stored, loaded] : cases) {
    SCOPED_TRACE(core::ToUtf8(stored));
    WriteIniFile(L"[Option]\nClassesArcType=" + stored + L"\n");
    core::LoadSettings();
    EXPECT_EQ(core::Settings.ClassesArcType, loaded);
  }
}

TEST_F(SettingsRulesTest, ColoursThatDoNotConvertTakeTheirDefault) {
  struct Case {
    std::wstring stored;
    int32_t back;
    int32_t fore;
  };
  const std::vector<Case> cases = {
      {L"", 16777215, 0},
      {L"-2147483643", -2147483643, -2147483643},
      {L"255", 255, 255},
      {L"white", 16777215, 0},
      {L"4294967295", 16777215, 0},  // beyond 32 bits
      {L"12.5", 16777215, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(core::ToUtf8(c.stored));
    WriteIniFile(L"[Option]\nBackColor=" + c.stored + L"\nForeColor=" + c.stored + L"\n");
    core::LoadSettings();
    EXPECT_EQ(core::Settings.BackColor, c.back);
    EXPECT_EQ(core::Settings.ForeColor, c.fore);
  }
  WriteIniFile(L"[Option]\nBackColor=-2147483643\n");
  core::LoadSettings();
  core::SaveSettings();
  EXPECT_EQ(core::ReadIni(L"Option", L"BackColor"), L"-2147483643");
}

TEST_F(SettingsRulesTest, ColumnWidthsAreTrimmed) {
  WriteIniFile(L"[Option]\nRetuColumn3=\"  900  \"\nRetuColumn5=\"   \"\n");
  core::LoadSettings();
  EXPECT_EQ(core::Settings.RetuColumn[3], L"900");
  EXPECT_EQ(core::Settings.RetuColumn[5], L"1440");
}

TEST_F(SettingsRulesTest, OnlyTheSelfExtractorCommandOfGydIsQuoted) {
  WriteIniFile(
      L"[LZH_Option]\nSFXgydCommand=c:\\my tools\\run.exe\nSFXgyeCommand=a b\n"
      L"[ACE_Option]\nArcTypeOpt=\n");
  core::LoadSettings();
  EXPECT_EQ(core::Settings.LZH_SFXgydCommand, L"\"c:\\my tools\\run.exe\"");
  EXPECT_EQ(core::Settings.LZH_SFXgyeCommand, L"a b");
  EXPECT_EQ(core::Settings.ACE_ArcTypeOpt, L"");

  core::SaveSettings();
  const std::vector<std::wstring> lines = IniLines();
  EXPECT_NE(std::find(lines.begin(), lines.end(), L"SFXgydCommand=\"c:\\my tools\\run.exe\""), lines.end());
  core::LoadSettings();
  EXPECT_EQ(core::Settings.LZH_SFXgydCommand, L"\"c:\\my tools\\run.exe\"");
}

TEST_F(SettingsRulesTest, TextWithQuotesOrEdgeBlanksComesBackExactly) {
  core::LoadSettings();
  const std::wstring command = L"\"C:\\My Tools\\run.exe\" \"arg one\"";
  core::SettingsStore changed = core::Settings;
  changed.YZ1_PassDefault = L"\"quoted secret\"";
  changed.GCA_PassDefault = L"secret ";
  changed._7Z_PassDefault = L" secret";
  changed.LZH_SFXgywCommand = command;
  changed.Editor = command;
  changed.ArcCommand = {L"", command, L"'x' a.lzh '"};
  changed.ArcDown = {L"", L"\"C:\\quoted\""};
  changed.History = {L"C:\\a.lzh ", L"\"C:\\b.zip\""};
  core::Settings = changed;
  core::SaveSettings();
  core::Settings = core::SettingsStore();
  core::LoadSettings();
  for (int round = 0; round < 2; ++round) {
    SCOPED_TRACE(round);
    EXPECT_EQ(core::Settings.YZ1_PassDefault, changed.YZ1_PassDefault);
    EXPECT_EQ(core::Settings.GCA_PassDefault, changed.GCA_PassDefault);
    EXPECT_EQ(core::Settings._7Z_PassDefault, changed._7Z_PassDefault);
    EXPECT_EQ(core::Settings.LZH_SFXgywCommand, command);
    EXPECT_EQ(core::Settings.Editor, command);
    EXPECT_EQ(core::Settings.ArcCommand, changed.ArcCommand);
    EXPECT_EQ(core::Settings.ArcDown, changed.ArcDown);
    EXPECT_EQ(core::Settings.History, changed.History);
    core::SaveSettings();
    core::LoadSettings();
  }
}

TEST_F(SettingsRulesTest, TextWithoutACodePage932FormIsNotSaved) {
  WriteIniFile(L"[Option]\nEditor=C:\\old.exe\n");
  core::LoadSettings();
  core::Settings.Editor = L"C:\\Daten\\Übersicht.exe";
  core::Settings.History = {L"C:\\a.lzh", L"C:\\Daten\\Übersicht.zip", L"C:\\Users\\𠮷田\\b.zip", L"C:\\c.lzh"};
  core::Settings.ArcDown = {L"", L"C:\\Users\\𠮷田\\Desktop", L"D:\\x"};
  core::SaveSettings();
  const std::string bytes = IniBytes();
  EXPECT_EQ(bytes.find("bersicht"), std::string::npos);
  EXPECT_EQ(bytes.find('?'), std::string::npos);

  core::LoadSettings();
  EXPECT_EQ(core::Settings.Editor, L"notepad.exe");  // the default again, not the older value
  EXPECT_EQ(core::Settings.History, (std::vector<std::wstring>{L"C:\\a.lzh", L"C:\\c.lzh"}));
  EXPECT_EQ(core::Settings.ArcDown, (std::vector<std::wstring>{L"", L"", L"D:\\x"}));
}

TEST_F(SettingsRulesTest, MissingNoKekkaSetsTheUnzipSwitchOnce) {
  settingstest::DeleteUnzipSwitch();
  core::LoadSettings();
  DWORD value = 0;
  ASSERT_TRUE(settingstest::ReadUnzipSwitch(value));
  EXPECT_EQ(value, 0xFFFFFFFFu);
  EXPECT_EQ(core::Settings.ZIP_NoKekka, L"1");

  // Once saved, the key is present and the registry is left alone.
  core::SaveSettings();
  settingstest::DeleteUnzipSwitch();
  core::LoadSettings();
  EXPECT_FALSE(settingstest::ReadUnzipSwitch(value));

  WriteIniFile(L"[ZIP_Option]\nNoKekka=0\n");
  core::LoadSettings();
  EXPECT_FALSE(settingstest::ReadUnzipSwitch(value));
  EXPECT_EQ(core::Settings.ZIP_NoKekka, L"0");
}

TEST_F(SettingsRulesTest, OtherSectionsAreLeftAlone) {
  WriteIniFile(L"[Template1]\nName=mine\n[Option]\nWindowLeft=100\n");
  core::LoadSettings();
  EXPECT_EQ(core::Settings.WindowLeft, L"100");
  core::SaveSettings();
  EXPECT_EQ(core::ReadIni(L"Template1", L"Name"), L"mine");
}

TEST(SettingsMachine, RealPlacesEndWithBackslash) {
  const core::SettingsPlaces places = core::SettingsPlacesSource().Places();
  EXPECT_FALSE(places.programFolder.empty());
  EXPECT_NE(places.programFolder.back(), L'\\');
  ASSERT_FALSE(places.desktopFolder.empty());
  EXPECT_EQ(places.desktopFolder.back(), L'\\');
  ASSERT_FALSE(places.tempFolder.empty());
  EXPECT_EQ(places.tempFolder.back(), L'\\');
  EXPECT_GT(places.screenWidthTwips, 0);
  EXPECT_GT(places.screenHeightTwips, 0);
}

}  // namespace
