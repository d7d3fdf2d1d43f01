#include "browser/ListSort.h"

#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "browser/BrowserViews.h"
#include "browser/EntryList.h"
#include "browser/StatusBarText.h"
#include "core/SettingValues.h"
#include "core/Settings.h"
#include "winui/App.h"

namespace browser {
namespace {

// A text's sort key as the locale compares texts without regard to case: comparing two keys byte by byte
// orders the texts as CompareString does, and each text is mapped once instead of at every comparison.
std::string SortKey(std::wstring_view text) {
  const int length = static_cast<int>(text.size());
  const DWORD flags = LCMAP_SORTKEY | NORM_IGNORECASE;
  const int size = LCMapStringW(LOCALE_USER_DEFAULT, flags, text.data(), length, nullptr, 0);
  std::string key(static_cast<size_t>(size > 0 ? size : 0), '\0');
  if (size > 0)
    LCMapStringW(LOCALE_USER_DEFAULT, flags, text.data(), length, reinterpret_cast<LPWSTR>(key.data()), size);
  return key;
}

double NumericKey(std::wstring_view cell, int column) {
  if (column == 4) {
    // A ratio without its "%".
    if (cell.empty()) return 0;
    return ParseCellNumber(cell.substr(0, cell.size() - 1)).value_or(0);
  }
  return std::round(ParseCellNumber(cell).value_or(0));
}

// Sorts the entries by one column, stable in both directions: equal keys keep the order they had.
template <typename Key>
void SortBy(std::vector<Key> keys, bool descending) {
  std::vector<size_t> order(keys.size());
  for (size_t i = 0; i < order.size(); ++i) order[i] = i;
  std::stable_sort(order.begin(), order.end(),
                   [&](size_t a, size_t b) { return descending ? keys[b] < keys[a] : keys[a] < keys[b]; });
  Entries().Reorder(order);
}

void SortItems(int column, bool numeric, bool descending) {
  const EntryList& entries = Entries();
  if (entries.Count() < 2) return;
  if (numeric) {
    std::vector<double> keys;
    for (int row = 0; row < entries.Count(); ++row) keys.push_back(NumericKey(entries.Row(row).Cell(column), column));
    SortBy(std::move(keys), descending);
  } else {
    std::vector<std::string> keys;
    for (int row = 0; row < entries.Count(); ++row) keys.push_back(SortKey(entries.Row(row).Cell(column)));
    SortBy(std::move(keys), descending);
  }
}

bool Descending() { return core::IsOn(core::Settings.SortFlag); }

}  // namespace

void SortListView(int column) {
  BrowserViews* views = Views();
  if (!views) return;
  ListSortState& state = views->listSort;
  if (column == 2 || column == 3 || column == 4) {
    SortListViewNumeric(column);
  } else if (column == 9) {
    if (state.sorted) SortItems(state.sortKey, false, state.descending);
  } else if (column >= 0 && column <= 8) {
    state = {true, column, Descending()};
    SortItems(column, false, state.descending);
  }
}

void SortListViewNumeric(int column) {
  BrowserViews* views = Views();
  if (!views || column < 2 || column > 4) return;
  winui::ListView& list = views->lvListView;
  views->listSort.sorted = false;
  {
    winui::WaitCursor wait;
    SortItems(column, true, Descending());
    if (list.Count() > 0) {
      list.SelectAll(false);
      list.SetFocusedItem(1);
      list.SetSelected(1, true);
    }
  }
  winui::DoEvents();
}

}  // namespace browser
