#include "core/Text.h"

#include <gtest/gtest.h>

namespace {

struct FormatCase {
  double value;
  const wchar_t* pattern;
  const wchar_t* expected;
};

TEST(FormatNumber, PatternsOfThePrograms) {
  const FormatCase cases[] = {
      {0, L"#,##0", L"0"},           {1234, L"#,##0", L"1,234"},         {1234567, L"#,##0", L"1,234,567"},
      {999, L"#,##0", L"999"},       {0, L"#,###", L""},                 {1079000, L"#,###", L"1,079,000"},
      {1.85, L"#0.00", L"1.85"},     {0.07, L"#0.00", L"0.07"},          {0.9, L"#0.00", L"0.90"},
      {2.675, L"#0.00", L"2.68"},    {1.005, L"#0.00", L"1.01"},         {44.7, L"##0.0", L"44.7"},
      {0.04, L"##0.0", L"0.0"},      {0.05, L"##0.0", L"0.1"},           {100, L"##0.0", L"100.0"},
      {1205.5, L"#,##0.00", L"1,205.50"}, {2.5, L"#,##0", L"3"},         {-1234.5, L"#,##0", L"-1,235"},
      {1024, L"####", L"1024"},      {0, L"####", L""},
  };
  for (const auto& c : cases)
    EXPECT_EQ(core::FormatNumber(c.value, c.pattern), c.expected) << c.value << " with " << core::ToUtf8(c.pattern);
}

TEST(FormatNumber, LargeWholeNumbersKeepEveryDigit) {
  EXPECT_EQ(core::FormatNumber(int64_t{3221225472}, L"#,##0"), L"3,221,225,472");
}

TEST(Cp932, RoundTripOfJapaneseText) {
  std::wstring text = L"書庫ﾌｧｲﾙ 表示.lzh";
  std::string bytes = core::ToCp932(text);
  EXPECT_EQ(bytes.size(), 17u);  // 4 kanji of two bytes, 4 half-width kana, a blank and ".lzh"
  EXPECT_EQ(core::FromCp932(bytes), text);
  EXPECT_EQ(static_cast<unsigned char>(core::ToCp932(L"表")[0]), 0x95u);
  EXPECT_EQ(static_cast<unsigned char>(core::ToCp932(L"表")[1]), 0x5Cu);  // the trail byte is a backslash
}

TEST(Cp932, ExactConversionRefusesCharactersOutsideTheCodePage) {
  EXPECT_TRUE(core::ToCp932Exact(L"ソフト表.txt").has_value());
  EXPECT_FALSE(core::ToCp932Exact(L"caf\u00e9\u0141.txt").has_value());
  EXPECT_FALSE(core::ToCp932Exact(L"\U0001F600").has_value());
}

TEST(Cp932, SafeLengthNeverSplitsADoubleByteCharacter) {
  std::string bytes = core::ToCp932(L"aあいb");  // 61 82A0 82A2 62
  ASSERT_EQ(bytes.size(), 6u);
  const size_t expected[] = {0, 1, 1, 3, 3, 5, 6};
  for (size_t limit = 0; limit <= 6; ++limit)
    EXPECT_EQ(core::Cp932SafeLength(bytes.data(), bytes.size(), limit), expected[limit]) << "limit " << limit;
}

TEST(Text, TrimRemovesOnlyAsciiBlanks) {
  EXPECT_EQ(core::Trim(L"  a b  "), L"a b");
  EXPECT_EQ(core::Trim(L"   "), L"");
  EXPECT_EQ(core::Trim(L"\ta\t"), L"\ta\t");
  EXPECT_EQ(core::Trim(L"\u3000a\u3000"), L"\u3000a\u3000");
  EXPECT_EQ(core::LTrim(L"  a "), L"a ");
  EXPECT_EQ(core::RTrim(L"  a "), L"  a");
}

TEST(Text, UpperCaseLeavesJapaneseAlone) {
  EXPECT_EQ(core::UCase(L"abc.Lzh"), L"ABC.LZH");
  EXPECT_EQ(core::UCase(L"ｌｚｈ書庫ｱ"), L"ＬＺＨ書庫ｱ");
  EXPECT_TRUE(core::EqualsNoCase(L"Test.ZIP", L"test.zip"));
}

TEST(Text, WholeNumberParsingSaysWhenTextIsNotANumber) {
  struct {
    const wchar_t* text;
    std::optional<int64_t> expected;
  } cases[] = {{L"0", 0},         {L" 42 ", 42},        {L"-7", -7},          {L"+3", 3},
               {L"", std::nullopt}, {L"abc", std::nullopt}, {L"12a", std::nullopt}, {L"1.5", std::nullopt},
               {L"-", std::nullopt}, {L"&H80000005", std::nullopt}, {L"99999999999999999999", std::nullopt}};
  for (const auto& c : cases) EXPECT_EQ(core::ParseWholeNumber(c.text), c.expected) << core::ToUtf8(c.text);
}

TEST(Text, LeadingNumberTakesTheDigitPrefix) {
  EXPECT_EQ(core::LeadingNumber(L" 12ab"), 12);
  EXPECT_EQ(core::LeadingNumber(L"x12"), 0);
  EXPECT_EQ(core::LeadingNumber(L"-5"), -5);
  EXPECT_EQ(core::PadNumber(7, 4), L"0007");
  EXPECT_EQ(core::PadNumber(12345, 4), L"12345");
}

}  // namespace
