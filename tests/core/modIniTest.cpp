#include "core/modIni.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "SettingsFixture.h"
#include "core/Text.h"
#include "core/modShell.h"

namespace {

using settingstest::SettingsFixture;

class IniTest : public SettingsFixture {};

TEST_F(IniTest, ReadIniValues) {
  WriteIniFile(
      L"[S]\n"
      L"empty=\n"
      L"plain=abc\n"
      L"spaced=   two words   \n"
      L"quoted=\"  inner  \"\n"
      L"japanese=とるべなー【瞬間開梱】\n");
  struct Case {
    const wchar_t* section;
    const wchar_t* key;
    std::wstring expected;
  };
  const std::vector<Case> cases = {
      {L"S", L"plain", L"abc"},
      {L"s", L"PLAIN", L"abc"},  // the profile functions ignore case
      {L"S", L"empty", L""},
      {L"S", L"missing", L""},
      {L"Missing", L"plain", L""},
      {L"S", L"spaced", L"two words"},
      // One pair of quotes goes; the blanks inside them belong to the value.
      {L"S", L"quoted", L"  inner  "},
      {L"S", L"japanese", L"とるべなー【瞬間開梱】"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(core::ToUtf8(std::wstring(c.section) + L"/" + c.key));
    EXPECT_EQ(core::ReadIni(c.section, c.key), c.expected);
  }
}

TEST_F(IniTest, MissingFileReadsEmpty) { EXPECT_EQ(core::ReadIni(L"Option", L"WindowLeft"), L""); }

TEST_F(IniTest, WriteIniCreatesCodePage932File) {
  ASSERT_TRUE(core::WriteIni(L"Option", L"FontName", L"ＭＳ Ｐゴシック"));
  ASSERT_TRUE(core::WriteIni(L"Option", L"Lead", L"  value"));
  const std::string bytes = IniBytes();
  EXPECT_NE(bytes.find(core::ToCp932(L"FontName=ＭＳ Ｐゴシック")), std::string::npos);
  EXPECT_EQ(bytes.find('\0'), std::string::npos) << "no UTF-16 text";
  const std::vector<std::wstring> lines = IniLines();
  ASSERT_EQ(lines.size(), 3u);
  EXPECT_EQ(lines[0], L"[Option]");
  EXPECT_EQ(lines[1], L"FontName=ＭＳ Ｐゴシック");
  EXPECT_EQ(core::ReadIni(L"Option", L"FontName"), L"ＭＳ Ｐゴシック");
  EXPECT_EQ(core::ReadIni(L"Option", L"Lead"), L"value");
}

TEST_F(IniTest, TheExactFormReadsBackUnchanged) {
  struct Case {
    std::wstring value;
    bool wrapped;
  };
  const std::vector<Case> cases = {
      {L"\"quoted secret\"", true},
      {L"\"C:\\My Tools\\run.exe\" \"arg one\"", true},
      {L"secret ", true},
      {L"  two leading", true},
      {L"'single'", true},
      {L"\"", true},
      {L"\ttab", true},
      {L"a \"b\" c", false},
      {L"C:\\展開 先", false},
      {L"", false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(core::ToUtf8(c.value));
    const std::wstring written = core::IniExactValue(c.value);
    EXPECT_EQ(written, c.wrapped ? L"\"" + c.value + L"\"" : c.value);
    ASSERT_TRUE(core::WriteIni(L"S", L"k", written));
    EXPECT_EQ(core::ReadIni(L"S", L"k"), c.value);
  }
}

TEST_F(IniTest, TextWithoutACodePage932FormIsNotWritten) {
  for (const wchar_t* value : {L"C:\\Daten\\Übersicht.zip", L"C:\\Users\\𠮷田\\Desktop\\"}) {
    SCOPED_TRACE(core::ToUtf8(value));
    ASSERT_TRUE(core::WriteIni(L"Option", L"Editor", L"older"));
    EXPECT_FALSE(core::WriteIni(L"Option", L"Editor", value));
    EXPECT_EQ(IniLines(), std::vector<std::wstring>{L"[Option]"}) << "the older value is gone too";
  }
}

TEST_F(IniTest, ReadIniCutsAt1023BytesOnACharacterBoundary) {
  const std::wstring long1500(1500, L'x');
  const std::wstring x1022(1022, L'x');
  ASSERT_TRUE(core::WriteIni(L"S", L"long", long1500));
  ASSERT_TRUE(core::WriteIni(L"S", L"double", x1022 + L"あい"));
  EXPECT_EQ(core::ReadIni(L"S", L"long"), std::wstring(1023, L'x'));
  // The 1023rd byte is the first half of "あ": the cut falls before it.
  EXPECT_EQ(core::ReadIni(L"S", L"double"), x1022);
}

TEST_F(IniTest, DeleteKeyAndSection) {
  WriteIniFile(L"[A]\nk1=1\nk2=2\n[B]\nk=3\n");
  EXPECT_TRUE(core::DeleteIniKey(L"A", L"k1"));
  EXPECT_EQ(core::ReadIni(L"A", L"k1"), L"");
  EXPECT_EQ(core::ReadIni(L"A", L"k2"), L"2");
  EXPECT_TRUE(core::DeleteIniSection(L"A"));
  EXPECT_EQ(core::ReadIni(L"A", L"k2"), L"");
  EXPECT_EQ(core::ReadIni(L"B", L"k"), L"3");
  EXPECT_EQ(IniLines(), (std::vector<std::wstring>{L"[B]", L"k=3"}));
}

TEST(IniPath, DefaultsToTheProgramFolder) {
  core::SetIniFolder(L"");
  EXPECT_EQ(core::IniFilePath(), core::ProgramFolder() + L"\\Tolvenar.ini");
}

}  // namespace
