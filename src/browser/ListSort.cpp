#include "browser/ListSort.h"

#include <windows.h>
#include <commctrl.h>

#include <cmath>
#include <string>
#include <vector>

#include "browser/BrowserViews.h"
#include "browser/StatusBarText.h"
#include "core/SettingValues.h"
#include "core/Settings.h"
#include "winui/App.h"

namespace browser {
namespace {

// Keys of the items by their position before the sort; each item carries that position while it sorts.
struct SortKeys {
  std::vector<std::wstring> texts;
  std::vector<double> numbers;
  bool numeric = false;
  bool descending = false;
};

int CompareKeys(const SortKeys& keys, size_t a, size_t b) {
  int order = 0;
  if (keys.numeric) {
    order = keys.numbers[a] < keys.numbers[b] ? -1 : (keys.numbers[a] > keys.numbers[b] ? 1 : 0);
  } else {
    const std::wstring& x = keys.texts[a];
    const std::wstring& y = keys.texts[b];
    order = CompareStringW(LOCALE_USER_DEFAULT, NORM_IGNORECASE, x.c_str(), static_cast<int>(x.size()), y.c_str(),
                           static_cast<int>(y.size())) -
            CSTR_EQUAL;
  }
  if (keys.descending) order = -order;
  // Equal keys keep the order they had, in both directions.
  if (order == 0) order = a < b ? -1 : (a > b ? 1 : 0);
  return order;
}

int CALLBACK CompareItems(LPARAM first, LPARAM second, LPARAM context) {
  return CompareKeys(*reinterpret_cast<const SortKeys*>(context), static_cast<size_t>(first),
                     static_cast<size_t>(second));
}

double NumericKey(const std::wstring& cell, int column) {
  if (column == 4) {
    // A ratio without its "%".
    if (cell.empty()) return 0;
    return ParseCellNumber(cell.substr(0, cell.size() - 1)).value_or(0);
  }
  return std::round(ParseCellNumber(cell).value_or(0));
}

LPARAM ItemParam(HWND list, int item) {
  LVITEMW info{};
  info.mask = LVIF_PARAM;
  info.iItem = item;
  SendMessageW(list, LVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&info));
  return info.lParam;
}

void SetItemParam(HWND list, int item, LPARAM value) {
  LVITEMW info{};
  info.mask = LVIF_PARAM;
  info.iItem = item;
  info.lParam = value;
  SendMessageW(list, LVM_SETITEMW, 0, reinterpret_cast<LPARAM>(&info));
}

// Sorts the list in place with the control's own sort, each item carrying its old position as its data
// while it sorts; the items' own data is given back afterwards.
void SortItems(winui::ListView& list, int column, bool numeric, bool descending) {
  const int count = list.Count();
  if (count < 2) return;
  SortKeys keys;
  keys.numeric = numeric;
  keys.descending = descending;
  std::vector<LPARAM> data(static_cast<size_t>(count));
  CellReader cells(list);
  HWND window = list.Hwnd();
  for (int item = 0; item < count; ++item) {
    const std::wstring cell = cells.Cell(item, column);
    if (numeric)
      keys.numbers.push_back(NumericKey(cell, column));
    else
      keys.texts.push_back(cell);
    data[static_cast<size_t>(item)] = ItemParam(window, item);
    SetItemParam(window, item, item);
  }
  list.Freeze(true);
  SendMessageW(window, LVM_SORTITEMS, reinterpret_cast<WPARAM>(&keys), reinterpret_cast<LPARAM>(CompareItems));
  for (int item = 0; item < count; ++item) {
    const auto before = static_cast<size_t>(ItemParam(window, item));
    if (before < data.size()) SetItemParam(window, item, data[before]);
  }
  list.Freeze(false);
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
    if (state.sorted) SortItems(views->lvListView, state.sortKey, false, state.descending);
  } else if (column >= 0 && column <= 8) {
    state = {true, column, Descending()};
    SortItems(views->lvListView, column, false, state.descending);
  }
}

void SortListViewNumeric(int column) {
  BrowserViews* views = Views();
  if (!views || column < 2 || column > 4) return;
  winui::ListView& list = views->lvListView;
  views->listSort.sorted = false;
  {
    winui::WaitCursor wait;
    SortItems(list, column, true, Descending());
    if (list.Count() > 0) {
      list.SelectAll(false);
      list.SetFocusedItem(1);
      list.SetSelected(1, true);
    }
  }
  winui::DoEvents();
}

}  // namespace browser
