// The printed listings cut into rows, fed straight to the parsers.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "archiver/ArcOutput.h"
#include "archiver/listing/TextParsers.h"
#include "core/Text.h"

namespace listingtest {
namespace {

using archiver::ArcOutputText;
using archiver::listing::ArcEntries;
using archiver::listing::ArcEntry;

// The ACE column bar as it arrives from code page 932.
const std::wstring kBar = L"\xFF73";

std::wstring AceLine(const std::wstring& name, const std::wstring& packed = L"    1500",
                     const std::wstring& size = L"    3000") {
  return L"05.03.24" + kBar + L"12:34" + kBar + packed + kBar + size + kBar + L"  50%" + kBar + L" " + name + L"\r\n";
}

std::wstring AceListing(const std::wstring& lines) {
  return L"ACE\r\nContents of archive a.ace\r\n\r\nDate    " + kBar + L"Time " + kBar + L" File\r\n" +
         std::wstring(60, L'-') + L"\r\n" + lines + L"\r\nlisted: 3 files\r\n";
}

std::vector<std::wstring> Fields(const ArcEntry& e) {
  return {e.FileName, e.FolderPath, e.OriginalSize, e.PackedSize, e.Ratio,
          e.Date,     e.Time,       e.Attribute,    e.Method,     e.Extra};
}

TEST(AceList, CutsTheColumnsAndKeepsWholeNames) {
  ArcOutputText = AceListing(AceLine(L"dir/sub/file.txt") + AceLine(L"my file.txt") + AceLine(L"docs\\"));
  ASSERT_EQ(3, archiver::listing::ParseAceList());
  EXPECT_THAT(Fields(ArcEntries[0]), ::testing::ElementsAre(L"file.txt", L"dir\\sub\\", L"3000", L"1500", L"50%",
                                                            L"05.03.24", L"12:34", L"", L"", L""));
  EXPECT_EQ(L"my file.txt", ArcEntries[1].FileName);
  EXPECT_EQ(L"\\", ArcEntries[1].FolderPath);
  EXPECT_EQ(L"", ArcEntries[2].FileName) << "a directory entry is a row without a name";
  EXPECT_EQ(L"docs\\", ArcEntries[2].FolderPath);
}

TEST(AceList, EveryEntryOfALongListingAndNoneWithoutHeading) {
  std::wstring lines;
  for (int i = 0; i < 300; ++i) lines += AceLine(L"f" + std::to_wstring(i) + L".txt");
  ArcOutputText = AceListing(lines);
  ASSERT_EQ(300, archiver::listing::ParseAceList());
  EXPECT_EQ(L"f299.txt", ArcEntries[299].FileName);

  ArcOutputText = L"ace: cannot open archive\r\n" + AceLine(L"a.txt");
  EXPECT_EQ(0, archiver::listing::ParseAceList());
}

TEST(JarList, OneBlockPerFolderUntilTheTotal) {
  ArcOutputText =
      L"JAR32\r\nArchive: a.jar\r\n\r\nRoot directory:\r\n      Size Attr Date       Time     Name\r\n"
      L"---------- ---- ---------- -------- ----\r\n"
      L"      1234 ---A 2024-03-05 12:34:56 read me.txt\r\n"
      L"\"docs\\sub dir\" directory:\r\n"
      L"         9 R--A 2024-03-06 01:02:03 b.txt\r\n"
      L"Total files: 2\r\n"
      L"      7777 ---A 2024-03-06 01:02:03 after.txt\r\n";
  ASSERT_EQ(2, archiver::listing::ParseJarList());
  EXPECT_THAT(Fields(ArcEntries[0]), ::testing::ElementsAre(L"read me.txt", L"", L"1234", L"", L"", L"2024-03-05",
                                                            L"12:34:56", L"---A", L"", L""));
  EXPECT_EQ(L"b.txt", ArcEntries[1].FileName);
  EXPECT_EQ(L"docs\\sub dir", ArcEntries[1].FolderPath);
  EXPECT_EQ(L"R--A", ArcEntries[1].Attribute);
}

TEST(IshList, NameAndDataLinesUntilTheRule) {
  ArcOutputText =
      L"h1\nh2\nh3\nh4\nh5\nh6\nh7\nh8\n"
      L"my doc.txt\r\n      1234 2024-03-05 12:34:56 ish 1/1\r\n"
      L"b.bin\n        10 2024-03-06 01:02:03 sn 1/1\n"
      L"----------------------------------------\n";
  ASSERT_EQ(2, archiver::listing::ParseIshList());
  EXPECT_THAT(Fields(ArcEntries[0]), ::testing::ElementsAre(L"my doc.txt", L"", L"1234", L"", L"", L"2024-03-05",
                                                            L"12:34:56", L"", L"ish", L""));
  EXPECT_EQ(L"sn", ArcEntries[1].Method);

  ArcOutputText.clear();
  EXPECT_EQ(0, archiver::listing::ParseIshList());
  EXPECT_EQ(2u, ArcEntries.size()) << "an empty file list leaves the rows alone";
}

TEST(UnzipList, PathsWithBlanksAndTheClosingRule) {
  const std::wstring heading = L" Name Length Packed\r\n -------- ------\r\n";
  ArcOutputText = heading +
                  L" doc/read me.txt     1234      600  51% 24-03-05 12:34 a---- Deflate 1a2b3c4d\r\n"
                  L" top.txt                5        5   0% 24-03-05 12:34 a---- Stored 00000001\r\n"
                  L" -------------- -------- -------- -----\r\n 2 files\r\n";
  ASSERT_EQ(2, archiver::listing::ParseUnzipList());
  EXPECT_THAT(Fields(ArcEntries[0]), ::testing::ElementsAre(L"read me.txt", L"doc\\", L"1234", L"600", L"51%",
                                                            L"24-03-05", L"12:34", L"a----", L"Deflate", L"1a2b3c4d"));
  EXPECT_EQ(L"\\", ArcEntries[1].FolderPath);

  ArcOutputText = heading + L" top.txt 5 5 0% 24-03-05 12:34 a---- Stored 00000001\r\n";
  EXPECT_EQ(-1, archiver::listing::ParseUnzipList()) << "no closing rule: no entry is listed";
}

}  // namespace
}  // namespace listingtest
