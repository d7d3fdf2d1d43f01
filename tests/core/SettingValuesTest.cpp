// Reading settings as flags, whole numbers and colours.
#include "core/SettingValues.h"

#include <gtest/gtest.h>

#include "core/Text.h"
#include "winui/App.h"

namespace {

TEST(SettingValues, FlagsAreOffOnlyForZero) {
  for (const wchar_t* on : {L"1", L"2", L"", L" 0", L"x"}) EXPECT_TRUE(core::IsOn(on)) << core::ToUtf8(on);
  EXPECT_FALSE(core::IsOn(L"0"));
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
