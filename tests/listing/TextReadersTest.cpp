// The readers that list printed text, over the stand-in tools and the ish32 file list.
#include "ListingFixture.h"
#include "core/modPath.h"
#include "core/modShell.h"

namespace listingtest {
namespace {

using ::testing::ElementsAre;

const char kEntries[] =
    "entry dir/sub/file.txt\r\nsize 3000\r\npacked 1500\r\ndate 2024-03-05\r\ntime 12:34:56\r\nend\r\n"
    "entry my file.txt\r\nsize 1234\r\ndate 2024-03-05\r\ntime 12:34:56\r\nend\r\n";

TEST_F(ListingTest, AceRowsThroughTheToolWithBlanksInTheArchivePathAndNames) {
  CreateDirectoryW((temp_ / L"my files").c_str(), nullptr);
  std::wstring path = Fixture(L"my files\\a b.ace", "ACE", kEntries);
  List(path, L"ACE");
  ASSERT_EQ(2, Count());
  const std::wstring date = Row(1)[5];
  EXPECT_THAT(Row(1), ElementsAre(L"file.txt", core::GetFileTypeName(L".txt"), L"3,000", L"1,500", L"50%", date,
                                  L"-ace-", L"dir\\sub\\", L"    "));
  EXPECT_THAT(Row(2), ElementsAre(L"my file.txt", core::GetFileTypeName(L".txt"), L"1,234", L"1,234", L"100%", date,
                                  L"-ace-", L"", L"    "));
}

TEST_F(ListingTest, AceListsEveryEntryOfALongArchive) {
  std::string entries;
  for (int i = 0; i < 300; ++i) entries += "entry f" + std::to_string(i) + ".txt\r\ndata x\r\nend\r\n";
  std::wstring path = Fixture(L"long.ace", "ACE", entries);
  List(path, L"ACE");
  ASSERT_EQ(300, Count());
  EXPECT_EQ(L"f299.txt", Row(300)[0]);
}

TEST_F(ListingTest, JarRowsCarryTheirBlockFolderAndFixedColumns) {
  CreateDirectoryW((temp_ / L"my files").c_str(), nullptr);
  std::wstring path =
      Fixture(L"my files\\a b.jar", "JAR", std::string(kEntries) + "entry top.txt\r\nattr RA\r\nend\r\n");
  List(path, L"JAR");
  ASSERT_EQ(3, Count());
  std::vector<std::wstring> names, folders;
  for (int i = 1; i <= 3; ++i) {
    auto row = Row(i);
    names.push_back(row[0]);
    folders.push_back(row[7]);
    EXPECT_EQ(L"?,???", row[3]);
    EXPECT_EQ(L"???.?%", row[4]);
    EXPECT_EQ(L"-jar-", row[6]);
  }
  EXPECT_THAT(names, ElementsAre(L"my file.txt", L"top.txt", L"file.txt"));
  EXPECT_THAT(folders, ElementsAre(L"", L"", L"dir\\sub"));
  EXPECT_EQ(L"R--A", Row(2)[8]);
  EXPECT_EQ(L"3,000", Row(3)[2]);
}

TEST_F(ListingTest, IshRowsAndTheShortPathLeftToTheCaller) {
  std::wstring path = Fixture(L"a long archive name.ish", "ISH", kEntries);
  const std::wstring shortPath = core::GetShortPath(path);
  List(path, L"ISH");
  EXPECT_EQ(shortPath, path);
  ASSERT_EQ(2, Count());
  EXPECT_THAT(Row(2), ElementsAre(L"my file.txt", core::GetFileTypeName(L".txt"), L"1,234", L"?,???", L"???.?",
                                  L"2024-03-05 12:34:56", L"ish", L"", L" "));
}

TEST_F(ListingTest, IshFailureNamesTheShortPath) {
  std::wstring path = temp_.WriteFile(L"not an ish file.ish", "garbage");
  const std::wstring shortPath = core::GetShortPath(path);
  List(path, L"ISH");
  EXPECT_THAT(progress_.calls, ElementsAre(L"failed 書庫ファイル \"" + core::GetFileNamePart(shortPath) +
                                           L"\" の読み込みに失敗しました"));
  EXPECT_EQ(0, Count());
}

}  // namespace
}  // namespace listingtest
