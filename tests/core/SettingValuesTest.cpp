// Reading settings as flags, whole numbers, choices and colours.
#include "core/SettingValues.h"

#include <gtest/gtest.h>

#include <iterator>
#include <optional>

#include "core/Text.h"
#include "winui/App.h"

namespace {

TEST(SettingValues, FlagsAreOffOnlyForZero) {
  for (const wchar_t* on : {L"1", L"2", L"", L" 0", L"x"}) EXPECT_TRUE(core::IsOn(on)) << core::ToUtf8(on);
  EXPECT_FALSE(core::IsOn(L"0"));
}

TEST(SettingValues, StrictFlagsAreOnOnlyForOne) {
  for (const wchar_t* off : {L"0", L"", L" 1", L"1 ", L"01", L"2", L"x"})
    EXPECT_FALSE(core::IsExactlyOn(off)) << core::ToUtf8(off);
  EXPECT_TRUE(core::IsExactlyOn(L"1"));
  EXPECT_TRUE(core::IsExactlyOn(core::FlagText(true)));
}

// A row of boxes: a character past the end (a row saved by an older version, or cut short) is no mark.
TEST(SettingValues, ABoxOfARowIsItsOwnCharacter) {
  struct Case {
    const wchar_t* flags;
    size_t k;
    wchar_t mark;
    bool expected;
  } cases[] = {
      {L"010", 2, L'1', true},  {L"010", 1, L'0', true}, {L"010", 3, L'1', false},
      {L"010", 4, L'0', false}, {L"", 1, L'0', false},   {L"1", 0, L'1', false},
  };
  for (const Case& c : cases)
    EXPECT_EQ(core::FlagIs(c.flags, c.k, c.mark), c.expected) << core::ToUtf8(c.flags) << " " << c.k;
}

TEST(SettingValues, ChoiceIndexesAreTheNumbersAsTheProgramWritesThem) {
  struct Case {
    const wchar_t* text;
    int first, last;
    std::optional<int> expected;
  } cases[] = {
      {L"0", 0, 3, 0},
      {L"3", 0, 3, 3},
      {L"4", 0, 3, std::nullopt},
      {L"0", 1, 5, std::nullopt},
      {L"5", 1, 5, 5},
      {L"6", 1, 5, std::nullopt},
      {L"", 0, 3, std::nullopt},
      {L" 1", 0, 3, std::nullopt},
      {L"1 ", 0, 3, std::nullopt},
      {L"01", 0, 3, std::nullopt},
      {L"+1", 0, 3, std::nullopt},
      {L"-0", 0, 3, std::nullopt},
      {L"x", 0, 3, std::nullopt},
      {L"1.0", 0, 3, std::nullopt},
  };
  for (const Case& c : cases)
    EXPECT_EQ(core::ChoiceIndex(c.text, c.first, c.last), c.expected)
        << core::ToUtf8(c.text) << " in " << c.first << ".." << c.last;
}

// Every choice over what the program stores and what it would not have written: each maps as the archivers'
// switches have always been chosen from the text.
TEST(SettingValues, ChoicesMapEveryStoredText) {
  using core::PathMode;
  const wchar_t* const texts[] = {L"0", L"1", L"2", L"3", L"", L" 1", L"01", L"x", L"7z", L"zip", L"7Z"};
  struct Row {
    PathMode paths;
    core::CabMethod cab;
    core::TarCompression tar;
    core::BgaMethod bga;
    core::GcaMode gca;
    core::GcaPassSource gcaPass;
    core::SevenZipFormat sevenZip;
    core::Yz2Threads yz2;
  };
  using core::BgaMethod;
  using core::CabMethod;
  using core::GcaMode;
  using core::GcaPassSource;
  using core::SevenZipFormat;
  using core::TarCompression;
  using core::Yz2Threads;
  const Row other{PathMode::Unknown, CabMethod::Unknown,     TarCompression::Unknown, BgaMethod::Unknown,
                  GcaMode::PerFile,  GcaPassSource::Unknown, SevenZipFormat::Zip,     Yz2Threads::Single};
  const Row expected[] = {
      {PathMode::None, CabMethod::MsZip, TarCompression::None, BgaMethod::Gzip, GcaMode::PerFile, GcaPassSource::Prompt,
       SevenZipFormat::Zip, Yz2Threads::Single},
      {PathMode::Relative, CabMethod::Lzx, TarCompression::Gzip, BgaMethod::Bzip2, GcaMode::Stored,
       GcaPassSource::KeyFile, SevenZipFormat::Zip, Yz2Threads::TypeA},
      {PathMode::Absolute, CabMethod::Stored, TarCompression::Bzip2, BgaMethod::Unknown, GcaMode::Solid,
       GcaPassSource::Unknown, SevenZipFormat::Zip, Yz2Threads::TypeB},
      other,
      other,
      other,
      other,
      other,
      {PathMode::Unknown, CabMethod::Unknown, TarCompression::Unknown, BgaMethod::Unknown, GcaMode::PerFile,
       GcaPassSource::Unknown, SevenZipFormat::SevenZip, Yz2Threads::Single},
      other,
      other,
  };
  static_assert(std::size(texts) == std::size(expected));
  for (size_t k = 0; k < std::size(texts); ++k) {
    const std::wstring text = texts[k];
    const Row& row = expected[k];
    SCOPED_TRACE("stored \"" + core::ToUtf8(text) + "\"");
    EXPECT_EQ(core::PathModeOf(text), row.paths);
    EXPECT_EQ(core::CabMethodOf(text), row.cab);
    EXPECT_EQ(core::TarCompressionOf(text), row.tar);
    EXPECT_EQ(core::BgaMethodOf(text), row.bga);
    EXPECT_EQ(core::GcaModeOf(text), row.gca);
    EXPECT_EQ(core::GcaPassSourceOf(text), row.gcaPass);
    EXPECT_EQ(core::SevenZipFormatOf(text), row.sevenZip);
    EXPECT_EQ(core::Yz2ThreadsOf(text), row.yz2);
  }
}

TEST(SettingValues, WholeNumbersInTheirRangeOrTheFallback) {
  struct Case {
    const wchar_t* text;
    int low, high;
    int expected;  // with fallback -7
  } cases[] = {
      {L"3", 0, 9, 3},
      {L" 12 ", 0, 99, 12},
      {L"-4", -10, 10, -4},
      {L"+5", 0, 9, 5},
      {L"10", 0, 9, -7},
      {L"-1", 0, 9, -7},
      {L"", 0, 9, -7},
      {L"2.5", 0, 9, -7},
      {L"9x", 0, 9, -7},
      {L"x", 0, 9, -7},
      {L"99999999999", INT_MIN, INT_MAX, -7},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(c.expected, core::WholeSetting(c.text, -7, c.low, c.high)) << core::ToUtf8(c.text);
    EXPECT_EQ(c.expected != -7, core::WholeSetting(c.text, c.low, c.high).has_value()) << core::ToUtf8(c.text);
  }
}

TEST(SettingValues, ColoursArePlainOrAKnownSystemColourElseBlack) {
  struct Case {
    uint32_t value;
    int systemIndex;    // -1: not a system colour
    COLORREF expected;  // when not a system colour
  } cases[] = {
      {RGB(10, 20, 30), -1, RGB(10, 20, 30)},
      {0x00FFFFFFu, -1, RGB(255, 255, 255)},
      {0x01000005u, -1, RGB(5, 0, 0)},  // bits above the colour are no system colour
      {0x80000005u, COLOR_WINDOW, 0},
      {0x80000008u, COLOR_WINDOWTEXT, 0},
      {0x80000018u, COLOR_INFOBK, 0},
      {0x8000001Eu, COLOR_MENUBAR, 0},
      {0x8000001Fu, -1, 0},  // past the last system colour
      {0x800000FFu, -1, 0},
      {0x80FF0005u, -1, 0},  // index bits beyond the low byte: not COLOR_WINDOW
      {0xFFFFFFFFu, -1, 0},
  };
  for (const Case& c : cases) {
    const COLORREF expected = c.systemIndex >= 0 ? GetSysColor(c.systemIndex) : c.expected;
    // The settings and the window layer resolve by one rule.
    EXPECT_EQ(expected, core::ColorSetting(static_cast<int32_t>(c.value))) << std::hex << c.value;
    EXPECT_EQ(expected, winui::ResolveColor(c.value)) << std::hex << c.value;
  }
}

TEST(SettingValues, FlagsAreWrittenAsOneAndZero) {
  EXPECT_STREQ(L"1", core::FlagText(true));
  EXPECT_STREQ(L"0", core::FlagText(false));
  EXPECT_TRUE(core::IsOn(core::FlagText(true)));
  EXPECT_FALSE(core::IsOn(core::FlagText(false)));
}

}  // namespace
