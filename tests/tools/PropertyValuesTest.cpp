// The property sheet's values: from plain facts, and from files on disk (sizes beyond 4 GiB included).
#include <gtest/gtest.h>

#include <windows.h>
#include <winioctl.h>

#include <string>

#include "TempDir.h"
#include "core/Text.h"
#include "tools/PropertyValues.h"

namespace {

TEST(PropertyValues, SizesInBytesAndKilobytes) {
  const struct {
    uint64_t size;
    const wchar_t* text;
  } cases[] = {
      {0, L"0バイト (0バイト)"},
      {1023, L"1,023バイト (1,023バイト)"},
      {1024, L"1KB (1,024バイト)"},
      {1536, L"1KB (1,536バイト)"},
      {5368709120ull, L"5,242,880KB (5,368,709,120バイト)"},
  };
  for (const auto& c : cases) EXPECT_EQ(c.text, tools::PropertySizeText(c.size)) << c.size;
}

TEST(PropertyValues, TimesWithTheWeekdayAndNoLeadingZeros) {
  SYSTEMTIME wednesday{2001, 3, 3, 7, 9, 5, 30, 0};
  EXPECT_EQ(L"2001年3月7日 水曜日 9:5:30", tools::PropertyTimeText(wednesday));
  SYSTEMTIME sunday{2023, 12, 0, 31, 23, 59, 59, 0};
  EXPECT_EQ(L"2023年12月31日 日曜日 23:59:59", tools::PropertyTimeText(sunday));
}

TEST(PropertyValues, TheArchiveItselfOrAnExtractedEntry) {
  tools::FileFacts facts;
  facts.path = L" C:\\data\\x.lzh ";
  facts.typeName = L"LZH 書庫";
  facts.shortName = L"X.LZH";
  facts.detailsKnown = true;
  facts.attributes = FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_ARCHIVE;
  facts.size = 1536;
  facts.written = {2001, 3, 3, 7, 9, 5, 30, 0};

  tools::PropertyValues archive = tools::MakePropertyValues(facts, true);
  EXPECT_EQ(L"x.lzh のプロパティ", archive.caption);
  EXPECT_EQ(L"x.lzh", archive.fileName);
  EXPECT_EQ(L"LZH 書庫", archive.type);
  EXPECT_EQ(L"C:\\data", archive.location);
  EXPECT_EQ(L"X.LZH", archive.dosName);
  EXPECT_EQ(L"1KB (1,536バイト)", archive.size);
  EXPECT_EQ(L"2001年3月7日 水曜日 9:5:30", archive.written);
  EXPECT_EQ((std::array<bool, 5>{true, false, true, false, false}), archive.attributes);
  EXPECT_TRUE(archive.listingTab);

  tools::PropertyValues entry = tools::MakePropertyValues(facts, false);
  EXPECT_EQ(L"<書庫>", entry.location);
  EXPECT_FALSE(entry.listingTab);

  facts.path = L"C:\\x.lzh";
  EXPECT_EQ(L"C:", tools::MakePropertyValues(facts, true).location);
}

TEST(PropertyValues, UnreadableDetailsShowUnknown) {
  tools::FileFacts facts;
  facts.path = L"C:\\data\\README";
  facts.attributes = FILE_ATTRIBUTE_HIDDEN;
  tools::PropertyValues values = tools::MakePropertyValues(facts, false);
  EXPECT_EQ(L"README", values.fileName);
  for (const std::wstring* text : {&values.size, &values.created, &values.written, &values.accessed})
    EXPECT_EQ(tools::kUnknownValue, *text);
  EXPECT_EQ((std::array<bool, 5>{}), values.attributes);
}

TEST(ReadFileFacts, AFileOnDisk) {
  testsupport::TempDir temp;
  std::wstring path = temp.WriteFile(L"報告書.txt", std::string(1536, 'x'));
  SYSTEMTIME local{2001, 3, 3, 7, 9, 5, 30, 0};
  FILETIME localTime, utc;
  SystemTimeToFileTime(&local, &localTime);
  LocalFileTimeToFileTime(&localTime, &utc);
  HANDLE file = CreateFileW(path.c_str(), FILE_WRITE_ATTRIBUTES, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  SetFileTime(file, nullptr, nullptr, &utc);
  CloseHandle(file);
  SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_ARCHIVE);

  tools::FileFacts facts = tools::ReadFileFacts(path);
  SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
  ASSERT_TRUE(facts.detailsKnown);
  EXPECT_EQ(1536u, facts.size);
  EXPECT_NE(L"", facts.typeName);
  EXPECT_FALSE(facts.shortName.empty());
  tools::PropertyValues values = tools::MakePropertyValues(facts, true);
  EXPECT_EQ(L"2001年3月7日 水曜日 9:5:30", values.written);
  EXPECT_EQ((std::array<bool, 5>{true, false, true, false, false}), values.attributes);
  EXPECT_EQ(temp.Path(), values.location);
}

TEST(ReadFileFacts, SizesBeyondFourGigabytes) {
  testsupport::TempDir temp;
  std::wstring path = temp / L"big.bin";
  HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, 0, nullptr);
  ASSERT_NE(INVALID_HANDLE_VALUE, file);
  DWORD ignored = 0;
  DeviceIoControl(file, FSCTL_SET_SPARSE, nullptr, 0, nullptr, 0, &ignored, nullptr);
  LARGE_INTEGER end;
  end.QuadPart = 5368709120ll;
  bool sized = SetFilePointerEx(file, end, nullptr, FILE_BEGIN) && SetEndOfFile(file);
  CloseHandle(file);
  ASSERT_TRUE(sized);
  EXPECT_EQ(L"5,242,880KB (5,368,709,120バイト)", tools::MakePropertyValues(tools::ReadFileFacts(path), false).size);
}

TEST(ReadFileFacts, NoDetailsForAMissingFileOrAFolder) {
  testsupport::TempDir temp;
  tools::FileFacts missing = tools::ReadFileFacts(temp / L"README");
  EXPECT_FALSE(missing.detailsKnown);
  EXPECT_EQ(L"", missing.typeName);
  EXPECT_EQ(L"", missing.shortName);
  EXPECT_FALSE(tools::ReadFileFacts(temp.Path()).detailsKnown);
}

}  // namespace
