// The entry list's answer to "does this folder of the archive already hold that name?", as each archive type
// compares entry names.
#include "browser/EntryList.h"

#include <gtest/gtest.h>

#include "BrowserFixture.h"
#include "core/ArcCatalogue.h"
#include "core/Text.h"

namespace browsertest {
namespace {

using EntryListTest = BrowserTest;

TEST_F(EntryListTest, AFolderHoldsANameAsTheArchiveTypeComparesNames) {
  // Name, then the sub-items up to the folder column; " " is the root as some readers write it.
  FillList({{L"Read Me.txt", L"", L"", L"", L"", L"", L"", L" "},
            {L"c.txt", L"", L"", L"", L"", L"", L"", L"sub/"},
            {L"d.txt", L"", L"", L"", L"", L"", L"", L"sub\\deep\\"}});
  struct Case {
    const wchar_t* type;
    const wchar_t* path;
    const wchar_t* except;  // the entry being renamed
    bool holds;
  };
  const Case cases[] = {
      {L"LZH", L"read me.TXT", L"", true},
      {L"ZIP", L"Read Me.txt", L"", true},
      {L"7Z", L"SUB/C.TXT", L"", true},
      {L"BH", L"sub\\c.txt", L"", true},
      {L"LZH", L"Sub", L"", true},  // a folder of that name
      {L"BGA", L"sub/deep", L"", true},
      {L"LZH", L"su", L"", false},
      {L"LZH", L"c.txt", L"", false},  // another folder's
      {L"LZH", L"READ ME.TXT", L"Read Me.txt", false},
      {L"TAR", L"read me.TXT", L"", false},
      {L"TGZ", L"SUB", L"", false},
      {L"TBZ", L"sub/c.txt", L"", true},
  };
  for (const Case& c : cases) {
    const core::ArcTypeRow* row = core::FindArcType(c.type);
    ASSERT_NE(row, nullptr);
    EXPECT_EQ(browser::Entries().Holds(c.path, row->caseSensitiveNames, c.except), c.holds)
        << core::ToUtf8(c.type) << " " << core::ToUtf8(c.path);
  }
}

}  // namespace
}  // namespace browsertest
