// Reading settings as flags, whole numbers and colours.
#include "core/SettingValues.h"

#include <gtest/gtest.h>

#include "core/Text.h"

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

TEST(SettingValues, ColoursNameSystemColoursByTheHighBit) {
  EXPECT_EQ(GetSysColor(COLOR_WINDOW), core::ColorSetting(static_cast<int32_t>(0x80000005u)));
  EXPECT_EQ(GetSysColor(COLOR_WINDOWTEXT), core::ColorSetting(static_cast<int32_t>(0x80000008u)));
  EXPECT_EQ(RGB(10, 20, 30), core::ColorSetting(RGB(10, 20, 30)));
  EXPECT_EQ(RGB(255, 255, 255), core::ColorSetting(0x00FFFFFF));
}

}  // namespace
