// Archives made by outside tools (tests/fixtures/outside-tools, see its README) listed through the
// stand-in libraries: Japanese names in code page 932 with 0x5C trail bytes, folders two deep, a blank in a
// name, an empty file, and names that another tool wrote as UTF-8 with or without saying so.
#include <windows.h>

#include <algorithm>
#include <vector>

#include "ListingFixture.h"
#include "Standins.h"

namespace listingtest {
namespace {

struct Entry {
  const wchar_t* name;
  const wchar_t* size;
  const wchar_t* folder;  // "場所"
  const wchar_t* ratio;
};

struct Made {
  const wchar_t* file;  // in tests/fixtures/outside-tools
  const wchar_t* type;
  std::vector<Entry> entries;
};

// The fixtures folder as the test program under Wine sees it.
std::wstring FixtureFolder() { return testsupport::SourcePath(L"tests\\fixtures\\outside-tools\\"); }

class OutsideToolsTest : public ListingTest {
 protected:
  std::wstring Copy(const std::wstring& file) {
    const std::wstring path = temp_ / file;
    EXPECT_TRUE(CopyFileW((FixtureFolder() + file).c_str(), path.c_str(), FALSE)) << core::ToUtf8(file);
    return path;
  }
  std::string Rows() const {
    std::string text;
    for (int i = 1; i <= Count(); ++i) {
      const std::vector<std::wstring> row = Row(i);
      text += "\n  [" + core::ToUtf8(row[0]) + "] [" + core::ToUtf8(row[2]) + "] [" + core::ToUtf8(row[7]) + "] [" +
              core::ToUtf8(row[4]) + "]";
    }
    return text;
  }
};

TEST_F(OutsideToolsTest, NamesSizesPlacesAndRatiosAsTheToolsWroteThem) {
  // Ratios as the libraries report them: packed against original size, in tenths of a percent cut off.
  // CAB and TAR know no ratio; TAR lists its folders too (a row without a name).
  const Made made[] = {
      {L"jlha.lzh",
       L"LZH",
       {{L"表計算 データ.csv", L"1,677", L"", L"29.9%"},
        {L"予定表.txt", L"1,360", L"ソフト/", L"4.1%"},
        {L"写真１.jpg", L"700", L"資料/画像/", L"100.0%"},
        {L"空.txt", L" ", L"", L"0.0%"}}},
      {L"zip-cp932.zip",
       L"ZIP",
       {{L"表計算 データ.csv", L"1,677", L" ", L"29.3%"},
        {L"予定表.txt", L"1,360", L"ソフト/", L"3.4%"},
        {L"写真１.jpg", L"700", L"資料/画像/", L"100.0%"},
        {L"空.txt", L" ", L" ", L"100.0%"}}},
      {L"zip-utf8-flag.zip",
       L"ZIP",
       {{L"表計算 データ.csv", L"1,677", L" ", L"28.6%"},
        {L"予定表.txt", L"1,360", L"ソフト/", L"4.1%"},
        {L"写真１.jpg", L"700", L"資料/画像/", L"100.0%"},
        {L"空.txt", L" ", L" ", L"100.0%"}}},
      {L"gcab.cab",
       L"CAB",
       {{L"表計算 データ.csv", L"1,677", L" ", L"???.?%"},
        {L"予定表.txt", L"1,360", L"ソフト/", L"???.?%"},
        {L"写真１.jpg", L"700", L"資料/画像/", L"???.?%"},
        {L"空.txt", L" ", L" ", L"???.?%"}}},
      {L"tar-cp932.tgz",
       L"TGZ",
       {{L"表計算 データ.csv", L"1,677", L" ", L"???.?%"},
        {L"", L" ", L"ソフト/", L"???.?%"},
        {L"予定表.txt", L"1,360", L"ソフト/", L"???.?%"},
        {L"", L" ", L"資料/", L"???.?%"},
        {L"", L" ", L"資料/画像/", L"???.?%"},
        {L"写真１.jpg", L"700", L"資料/画像/", L"???.?%"},
        {L"空.txt", L" ", L" ", L"???.?%"}}},
  };
  for (const Made& archive : made) {
    SCOPED_TRACE(core::ToUtf8(archive.file));
    std::wstring path = Copy(archive.file);
    List(path, archive.type);
    std::vector<std::vector<std::wstring>> expected, listed;
    for (const Entry& e : archive.entries) expected.push_back({e.name, e.size, e.folder, e.ratio});
    for (int i = 1; i <= Count(); ++i) {
      const std::vector<std::wstring> row = Row(i);
      listed.push_back({row[0], row[2], row[7], row[4]});
    }
    std::sort(expected.begin(), expected.end());
    std::sort(listed.begin(), listed.end());
    EXPECT_EQ(expected, listed) << Rows();
    EXPECT_TRUE(progress_.calls.empty() || progress_.calls.back().rfind(L"failed", 0) != 0);
  }
}

// Info-ZIP zip under a UTF-8 locale writes UTF-8 names without the flag that says so. The names are shown
// as the library hands them over, but every entry keeps its own place: no "/" is lost to the decoding.
TEST_F(OutsideToolsTest, UnflaggedUtf8NamesKeepTheirFolders) {
  std::wstring path = Copy(L"zip-utf8-raw.zip");
  List(path, L"ZIP");
  ASSERT_EQ(4, Count()) << Rows();
  std::vector<std::pair<std::wstring, size_t>> places;  // size, number of folders in "場所"
  for (int i = 1; i <= Count(); ++i) {
    const std::vector<std::wstring> row = Row(i);
    places.emplace_back(row[2], static_cast<size_t>(std::count(row[7].begin(), row[7].end(), L'/')));
    EXPECT_EQ(std::wstring::npos, row[0].find(L'/')) << Rows();
  }
  std::sort(places.begin(), places.end());
  const std::vector<std::pair<std::wstring, size_t>> expected = {{L" ", 0}, {L"1,360", 1}, {L"1,677", 0}, {L"700", 2}};
  EXPECT_EQ(expected, places) << Rows();
}

}  // namespace
}  // namespace listingtest
