// The readers that enumerate through a library, over the stand-ins: real LZH, ZIP, TGZ and CAB archives
// and fixture archives for the other types.
#include <regex>

#include "ListingFixture.h"
#include "archiver/CallWrappers.h"
#include "archiver/listing/RowBuilder.h"
#include "archiver/listing/LibraryFrame.h"
#include "core/modPath.h"
#include "core/modShell.h"

namespace listingtest {
namespace {

using ::testing::ElementsAre;

const std::wstring kDateTime = L"\\d{4}/\\d{2}/\\d{2} \\d{2}:\\d{2}:\\d{2}";

bool Matches(const std::wstring& text, const std::wstring& pattern) {
  return std::regex_match(text, std::wregex(pattern));
}

bool Logged(const std::vector<std::string>& lines, const std::string& ending) {
  for (const auto& line : lines)
    if (line.size() >= ending.size() && line.compare(line.size() - ending.size(), ending.size(), ending) == 0)
      return true;
  return false;
}

class RealArchiveTest : public ListingTest {
 protected:
  // Sources: 読んで.txt (1234 bytes), doc\readme.txt, setup.exe and inner.lzh.
  void SetUp() override {
    ListingTest::SetUp();
    temp_.WriteFile(L"src\\読んで.txt", std::string(1234, 'a'));
    temp_.WriteFile(L"src\\doc\\readme.txt", "hello");
    temp_.WriteFile(L"src\\setup.exe", "MZ");
    temp_.WriteFile(L"src\\inner.lzh", "x");
    temp_.WriteFile(L"list.txt", core::ToCp932(L"読んで.txt\r\ndoc\\readme.txt\r\nsetup.exe\r\ninner.lzh\r\n"));
  }
  std::wstring Sources() const { return L" " + (temp_ / L"src") + L"\\ @" + (temp_ / L"list.txt"); }
  // Row by name; fails the test when there is none.
  std::vector<std::wstring> Named(const std::wstring& name) const {
    for (int i = 1; i <= Count(); ++i)
      if (Row(i)[0] == name) return Row(i);
    ADD_FAILURE() << "no row " << core::ToUtf8(name);
    return std::vector<std::wstring>(9);
  }
  int Find(const std::wstring& name) const {
    for (int i = 1; i <= Count(); ++i)
      if (Row(i)[0] == name) return i;
    return 0;
  }
  void ExpectIcons() const {
    EXPECT_EQ(L"Leaf", ImageKey(Find(L"readme.txt")));
    EXPECT_EQ(L"Application", ImageKey(Find(L"setup.exe")));
    EXPECT_EQ(L"Archive", ImageKey(Find(L"inner.lzh")));
  }
};

TEST_F(RealArchiveTest, LzhEntriesWithSizesFoldersAndIcons) {
  std::wstring lzh = temp_ / L"日本語 書庫.lzh";
  ASSERT_EQ(0, archiver::CallUnlha(nullptr, L"a " + core::QuotePath(lzh) + Sources()));
  List(lzh, L"LZH");

  ASSERT_EQ(4, Count());
  auto row = Named(L"読んで.txt");
  EXPECT_EQ(core::GetFileTypeName(L".txt"), row[1]);
  EXPECT_EQ(L"1,234", row[2]);
  EXPECT_TRUE(Matches(row[4], L"\\d{1,3}\\.\\d%")) << core::ToUtf8(row[4]);
  EXPECT_TRUE(Matches(row[5], kDateTime)) << core::ToUtf8(row[5]);
  EXPECT_EQ(L"", row[7]);
  EXPECT_EQ(L"doc/", Named(L"readme.txt")[7]);
  ExpectIcons();
  EXPECT_THAT(std::vector<std::wstring>(progress_.calls.begin(), progress_.calls.begin() + 2),
              ElementsAre(L"first", L"pump"));
  EXPECT_TRUE(Logged(LogLines(""), "UnlhaFindFirst\t*.*"));
}

TEST_F(RealArchiveTest, ZipThroughEnumerationAndThroughItsPrintedListAgree) {
  std::wstring zip = temp_ / L"my zips\\a b.zip";
  CreateDirectoryW((temp_ / L"my zips").c_str(), nullptr);
  // Zip32J takes the names relative to the current folder.
  wchar_t previous[MAX_PATH];
  GetCurrentDirectoryW(MAX_PATH, previous);
  SetCurrentDirectoryW((temp_ / L"src").c_str());
  const int32_t made = archiver::CallZip(nullptr, L"-0 " + core::QuotePath(zip) + L" @" + (temp_ / L"list.txt"), 1);
  SetCurrentDirectoryW(previous);
  ASSERT_EQ(0, made);

  Configure("[unzip32]\r\nVersion=80\r\n");
  List(zip, L"ZIP");
  ASSERT_EQ(4, Count());
  auto listed = Named(L"読んで.txt");
  // Stored: nothing saved, so the packed size is the whole size, as an LZH of the same file shows it.
  EXPECT_THAT(std::vector<std::wstring>(listed.begin() + 2, listed.begin() + 5),
              ElementsAre(L"1,234", L"1,234", L"100.0%"));
  EXPECT_EQ(L" ", listed[7]) << "the enumeration path puts one blank at the root";
  EXPECT_EQ(L"doc/", Named(L"readme.txt")[7]);
  ExpectIcons();

  Configure("[unzip32]\r\nVersion=79\r\n");
  List(zip, L"ZIP");
  ASSERT_EQ(4, Count());
  auto printed = Named(L"読んで.txt");
  EXPECT_EQ(L"1,234", printed[2]);
  EXPECT_EQ(L"1,234", printed[3]);
  EXPECT_EQ(L"", printed[7]) << "the printed root folder shows as empty";
  EXPECT_EQ(L"doc\\", Named(L"readme.txt")[7]);
  ExpectIcons();
  EXPECT_TRUE(Logged(LogLines(""), "\t-l \"" + core::ToCp932(zip) + "\""));
}

TEST_F(RealArchiveTest, TgzAndCabShowNoPackedSizeAndABlankRoot) {
  std::wstring tgz = temp_ / L"a.tgz";
  std::wstring cab = temp_ / L"a.cab";
  ASSERT_EQ(0, archiver::CallTar(nullptr, L"--use-directory=1 -cvfz9 " + tgz + Sources()));
  ASSERT_EQ(0, archiver::CallCab(nullptr, L"-a -r -mz " + cab + Sources()));
  for (auto [path, type] : {std::pair{tgz, L"TGZ"}, std::pair{cab, L"CAB"}}) {
    List(path, type);
    ASSERT_EQ(4, Count()) << core::ToUtf8(type);
    auto row = Named(L"読んで.txt");
    EXPECT_EQ(L"1,234", row[2]);
    EXPECT_EQ(L"?,???", row[3]);
    EXPECT_EQ(L"???.?%", row[4]);
    EXPECT_EQ(L" ", row[7]);
    EXPECT_EQ(L"doc/", Named(L"readme.txt")[7]);
    ExpectIcons();
  }
}

const char kEntries[] =
    "entry docs/read me.txt\r\nsize 3000000000\r\npacked 1500\r\ndate 2024-03-05\r\ntime 12:34:56\r\n"
    "method -m3-\r\nattr RA\r\nend\r\n"
    "entry docs/\r\nend\r\n"
    "entry top.lzh\r\nsize 1000\r\npacked 553\r\nend\r\n";

TEST_F(ListingTest, FixtureTypesByTheirReadersDecisions) {
  struct Case {
    const char* type;
    const wchar_t* typeName;
    const char* openMode;
    const char* wildcard;
    bool directoryRow;
    bool fixedColumns;
  } cases[] = {
      {"RAR", L"RAR", "1", "*", true, false},          {"ARJ", L"ARJ", "1", "*.*", true, false},
      {"TBZ", L"TBZ", "0", "*.*", true, true},         {"7Z", L"7Z", "0", "*.*", false, false},
      {"BGA", L"BGA", "1", "*.*", false, false},       {"GCA", L"GCA", "0", "*.*", false, false},
      {"IMP", L"IMP", "0", "*.*", false, false},       {"BH", L"BH", "1", "*.*", false, false},
      {"YZ1", L"YZ1", "4194304", "*.*", false, false}, {"YZ2", L"YZ2", "0", "*.*", false, false},
  };
  const std::wstring txtType = core::GetFileTypeName(L".txt");
  for (const Case& c : cases) {
    SCOPED_TRACE(c.type);
    std::wstring path = Fixture(L"a." + core::FromUtf8(c.type), c.type, kEntries);
    List(path, c.typeName);
    ASSERT_EQ(c.directoryRow ? 3 : 2, Count());
    const std::wstring packed = c.fixedColumns ? L"?,???" : L"1,500";
    // The stand-ins report the ratio as packed x 1000 / size: 1,500 of 3,000,000,000 bytes is 0 per mille.
    const std::wstring ratio = c.fixedColumns ? L"???.?%" : L"0.0%";
    EXPECT_THAT(Row(1), ElementsAre(L"read me.txt", txtType, L"3,000,000,000", packed, ratio, L"2024/03/05 12:34:56",
                                    L"-m3-", L"docs/", L"-a--r"));
    if (c.directoryRow) {
      EXPECT_THAT(Row(2),
                  ElementsAre(L"", L"ファイル フォルダ", L" ", c.fixedColumns ? L"?,???" : L" ",
                              c.fixedColumns ? L"???.?%" : L"0.0%", L"1980/01/01 00:00:00", L"", L"docs/", L"d---w"));
    }
    const int top = Count();
    EXPECT_EQ(L"top.lzh", Row(top)[0]);
    EXPECT_EQ(L"1,000", Row(top)[2]);
    EXPECT_EQ(c.fixedColumns ? L"?,???" : L"553", Row(top)[3]);
    EXPECT_EQ(c.fixedColumns ? L"???.?%" : L"55.3%", Row(top)[4]);
    EXPECT_EQ(c.directoryRow ? L" " : L"", Row(top)[7]);
    EXPECT_EQ(L"Archive", ImageKey(top));
    const auto log = LogLines("");
    EXPECT_TRUE(Logged(log, "OpenArchive\t" + core::ToCp932(path) + "\t" + c.openMode));
    EXPECT_TRUE(Logged(log, "FindFirst\t" + std::string(c.wildcard)));
    EXPECT_TRUE(Logged(log, "CloseArchive\t"));
  }
}

TEST_F(ListingTest, ACountOfZeroStillListsAndAnEmptyArchiveIsClosedSilently) {
  Configure("[7-zip32]\r\nResult.SevenZipGetFileCount=0\r\n");
  std::wstring path = Fixture(L"a.7z", "7Z", "entry a.txt\r\nend\r\nentry b.txt\r\nend\r\n");
  List(path, L"7Z");
  EXPECT_EQ(2, Count());

  std::wstring empty = Fixture(L"empty.7z", "7Z", "");
  List(empty, L"7Z");
  EXPECT_EQ(0, Count());
  EXPECT_THAT(progress_.calls, ::testing::Not(::testing::Contains(::testing::StartsWith(L"failed"))));
  EXPECT_TRUE(Logged(LogLines(""), "SevenZipCloseArchive\t"));
}

TEST_F(ListingTest, AnArchiveTheLibraryCannotOpenIsReported) {
  std::wstring path = Fixture(L"broken.rar", "RAR", "entry a.txt\r\nbogus key\r\n");
  List(path, L"RAR");
  EXPECT_THAT(progress_.calls, ::testing::Contains(L"failed 書庫ファイル \"broken.rar\" の読み込みに失敗しました"));
  EXPECT_EQ(0, Count());
}

TEST_F(ListingTest, ZipRatioIsTheSavingInSinglePrecision) {
  const archiver::listing::LibraryReader zip = archiver::listing::LibraryReader::Of(core::ArcTypeZip);
  struct Case {
    uint16_t perMille;
    const wchar_t* shown;
  } cases[] = {{553, L"44.7%"}, {0, L"100.0%"}, {1000, L"0.0%"}};
  for (const Case& c : cases) {
    archiver::INDIVIDUALINFO info{};
    info.wRatio = c.perMille;
    archiver::listing::EntryIcons icons([](const std::wstring&) { return std::wstring(); });
    archiver::listing::RowBuilder rows(icons, progress_);
    archiver::listing::AddRecordRow(zip, rows, info, {L"", L"a.txt"});
    EXPECT_EQ(c.shown, rows.rows.back().Cell(4));
  }
}

TEST_F(ListingTest, BelListsItsOneEntryOpeningOnlyFromVersion43) {
  std::wstring path = Fixture(L"a.bel", "BEL", "entry b.txt\r\nsize 5\r\nend\r\n");
  for (const char* version : {"43", "42"}) {
    SCOPED_TRACE(version);
    Configure(std::string("[unbel32]\r\nVersion=") + version + "\r\n");
    DeleteFileW((temp_ / L"standins.log").c_str());
    List(path, L"BEL");
    ASSERT_EQ(1, Count());
    EXPECT_THAT(Row(1),
                ElementsAre(L"b.txt", core::GetFileTypeName(L".txt"), L"5", L"5", L"100.0%", L"", L"", L"", L""));
    const auto log = LogLines("");
    EXPECT_TRUE(Logged(log, "FindFirst\t" + core::ToCp932(path)));
    EXPECT_EQ(std::string(version) == "43", Logged(log, "CloseArchive\t"));
  }
}

TEST_F(ListingTest, ATarFileTheLibraryCannotTypeGivesItsOwnMessage) {
  std::wstring path = temp_.WriteFile(L"junk.tar", "this is not a tar file");
  List(path, L"TAR");
  // The hourglass stays while this message shows.
  EXPECT_THAT(progress_.calls, ElementsAre(L"first", L"told TAR32.DLL で利用できない形式です"));
  EXPECT_EQ(0, Count());
  EXPECT_FALSE(Logged(LogLines(""), "TarOpenArchive\t" + core::ToCp932(path) + "\t0"));
}

TEST_F(ListingTest, Yz1ChecksAndHandsTheDefaultPasswordOnlyWhenAsked) {
  std::wstring path = Fixture(L"a.yz1", "YZ1", "password s3cret\r\nentry a.txt\r\nend\r\n");
  core::Settings.YZ1_PassDefault = L"s3cret";
  List(path, L"YZ1", true);
  EXPECT_EQ(1, Count());
  const std::string file = core::ToCp932(path);
  auto log = LogLines("");
  EXPECT_TRUE(Logged(log, "Yz1CheckArchive\t" + file + "\t16"));
  EXPECT_TRUE(Logged(log, "Yz1OpenArchive\t" + file + "\t1"));
  EXPECT_TRUE(Logged(log, "Yz1SetDefaultPassword\ts3cret"));

  DeleteFileW((temp_ / L"standins.log").c_str());
  List(path, L"YZ1", false);
  log = LogLines("");
  EXPECT_TRUE(Logged(log, "Yz1OpenArchive\t" + file + "\t4194304"));
  EXPECT_FALSE(Logged(log, "Yz1CheckArchive\t" + file + "\t16"));
}

TEST_F(ListingTest, Yz2OpensWithMode1OnlyWhenItsCheckAnswers2) {
  std::wstring path = Fixture(L"a.yz2", "YZ2", "password s3cret\r\nentry a.txt\r\nend\r\n");
  List(path, L"YZ2");
  EXPECT_EQ(1, Count());
  EXPECT_TRUE(Logged(LogLines(""), "Yz2OpenArchive\t" + core::ToCp932(path) + "\t1"));
}

}  // namespace
}  // namespace listingtest
