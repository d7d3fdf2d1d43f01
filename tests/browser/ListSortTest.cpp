// Sorting the entry list: text columns by their texts, the size, packed size and ratio columns by their
// numbers, stable in both directions, and "no sorting" keeping what the control sorts by.
#include "browser/ListSort.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "BrowserFixture.h"
#include "core/Settings.h"

namespace browsertest {
namespace {

using browser::SortListView;

class ListSortTest : public BrowserTest {
 protected:
  void Fill(const std::vector<Row>& rows) { FillList(rows); }
};

using Texts = std::vector<std::wstring>;

TEST_F(ListSortTest, NumericColumnsSortByTheirNumbers) {
  struct Case {
    int column;
    const wchar_t* order;
    Texts cells;
    Texts expected;
  };
  const Case cases[] = {
      {2, L"0", {L"1,000", L"9", L"10"}, {L"9", L"10", L"1,000"}},
      {2, L"1", {L"1,000", L"9", L"10"}, {L"1,000", L"10", L"9"}},
      {3, L"0", {L"2,048", L"?,???", L"512"}, {L"?,???", L"512", L"2,048"}},
      {4, L"0", {L"50.0%", L"100.0%", L"???.?%"}, {L"???.?%", L"50.0%", L"100.0%"}},
      {4, L"1", {L"50.0%", L"9.5%", L"100.0%"}, {L"100.0%", L"50.0%", L"9.5%"}},
  };
  for (const Case& c : cases) {
    std::vector<Row> rows;
    for (const std::wstring& cell : c.cells) {
      Row row(9);
      row[0] = L"n" + cell;
      row[static_cast<size_t>(c.column)] = cell;
      rows.push_back(row);
    }
    Fill(rows);
    core::Settings.SortFlag = c.order;
    SortListView(c.column);
    EXPECT_EQ(c.expected, Column(c.column)) << c.column;
    // The whole item moves with its key.
    EXPECT_EQ(L"n" + c.expected[0], form_.lvListView.Text(1));
  }
}

TEST_F(ListSortTest, EqualKeysKeepTheirOrderInBothDirections) {
  for (const wchar_t* order : {L"0", L"1"}) {
    core::Settings.SortFlag = order;
    Fill({{L"first", L"", L"5"}, {L"big", L"", L"7"}, {L"second", L"", L"5"}, {L"third", L"", L"5"}});
    SortListView(2);
    const Texts fives = std::wstring(order) == L"0" ? Texts{L"first", L"second", L"third", L"big"}
                                                    : Texts{L"big", L"first", L"second", L"third"};
    EXPECT_EQ(fives, Column(0)) << order;

    Fill({{L"b", L"txt"}, {L"a", L"lzh"}, {L"c", L"TXT"}, {L"d", L"lzh"}});
    SortListView(1);
    const Texts types = std::wstring(order) == L"0" ? Texts{L"a", L"d", L"b", L"c"} : Texts{L"b", L"c", L"a", L"d"};
    EXPECT_EQ(types, Column(0)) << order;
  }
}

TEST_F(ListSortTest, NumericSortLeavesExactlyTheFirstEntrySelected) {
  archiver::listing::EntryRows rows;
  for (const auto& [name, size] : {std::pair{L"a", L"3"}, {L"b", L"1"}, {L"c", L"2"}})
    rows.emplace_back(name, std::array<std::wstring_view, 8>{L"", size}, L"");
  browser::Entries().Assign(std::move(rows), {0, 1, 2});
  form_.lvListView.SelectAll(true);
  SortListView(2);
  EXPECT_EQ(std::vector<int>{1}, form_.lvListView.SelectedItems());
  EXPECT_EQ(L"b", form_.lvListView.Text(1));
  // The icon of an entry moves with it.
  EXPECT_EQ(0, form_.lvListView.ItemImage(3));

  // A text sort carries the selection and the focus with the entries: "c" (now second) and "a" (now last)
  // are sorted to the front and the back.
  core::Settings.SortFlag = L"1";
  form_.lvListView.SetSelected(1, false);
  form_.lvListView.SetSelected(2, true);
  form_.lvListView.SetSelected(3, true);
  form_.lvListView.SetFocusedItem(3);
  SortListView(0);
  EXPECT_EQ((Texts{L"c", L"b", L"a"}), Column(0));
  EXPECT_EQ((std::vector<int>{1, 3}), form_.lvListView.SelectedItems());
  EXPECT_EQ(3, form_.lvListView.FocusedItem());
}

// The locale's sort keys order texts exactly as CompareString does, ignoring case.
TEST_F(ListSortTest, TextSortFollowsTheLocalesComparison) {
  const Texts names = {L"b.TXT", L"B.txt",  L"ｂ.txt", L"ｂ.TXT", L"あ.txt", L"ア.txt", L"ｱ.txt",
                       L"1.txt", L"10.txt", L"2.txt",  L"_x",     L"-x",     L"x",      L"X",
                       L"日本",  L"",       L"a b",    L"a-b",    L"ab",     L"Ab"};
  std::vector<Row> rows;
  for (const std::wstring& name : names) rows.push_back({name});
  Fill(rows);
  SortListView(0);
  Texts expected = names;
  std::stable_sort(expected.begin(), expected.end(), [](const std::wstring& a, const std::wstring& b) {
    return CompareStringW(LOCALE_USER_DEFAULT, NORM_IGNORECASE, a.c_str(), static_cast<int>(a.size()), b.c_str(),
                          static_cast<int>(b.size())) == CSTR_LESS_THAN;
  });
  EXPECT_EQ(expected, Column(0));
}

TEST_F(ListSortTest, NoSortingKeepsWhatTheControlSortsBy) {
  const std::vector<Row> listed = {{L"b"}, {L"c"}, {L"a"}};
  Fill(listed);
  SortListView(9);
  EXPECT_EQ((Texts{L"b", L"c", L"a"}), Column(0));

  // After a text sort the control goes on sorting by that column, also items listed later.
  core::Settings.SortFlag = L"1";
  SortListView(0);
  EXPECT_EQ((Texts{L"c", L"b", L"a"}), Column(0));
  core::Settings.SortFlag = L"0";
  Fill(listed);
  SortListView(9);
  EXPECT_EQ((Texts{L"c", L"b", L"a"}), Column(0));

  // A numeric sort turns the control's sorting off.
  Fill({{L"b", L"", L"2"}, {L"c", L"", L"1"}, {L"a", L"", L"3"}});
  SortListView(2);
  Fill(listed);
  SortListView(9);
  EXPECT_EQ((Texts{L"b", L"c", L"a"}), Column(0));
}

TEST_F(ListSortTest, AnEmptyListStaysEmptyUnderEveryColumn) {
  for (int column = 0; column <= 9; ++column) {
    SortListView(column);
    EXPECT_EQ(0, form_.lvListView.Count());
    EXPECT_EQ(0, form_.lvListView.SelectedItem());
  }
}

}  // namespace
}  // namespace browsertest
