#include "browser/EntryList.h"

#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <utility>

#include "core/Text.h"

namespace browser {
namespace {

std::vector<int> ItemsWith(HWND list, UINT flag) {
  std::vector<int> items;
  for (LRESULT i = SendMessageW(list, LVM_GETNEXTITEM, WPARAM(-1), flag); i >= 0;
       i = SendMessageW(list, LVM_GETNEXTITEM, static_cast<WPARAM>(i), flag))
    items.push_back(static_cast<int>(i));
  return items;
}

// An entry path as it is compared: "/" for every separator, upper case unless case counts.
std::wstring ComparedForm(const std::wstring& path, bool caseSensitive) {
  std::wstring form = caseSensitive ? path : core::UCase(path);
  std::replace(form.begin(), form.end(), L'\\', L'/');
  return form;
}

}  // namespace

void EntryList::Attach(winui::ListView* view) {
  if (view_) view_->SetSource(nullptr);
  view_ = view;
  rows_.clear();
  images_.clear();
  shown_ = nullptr;
  if (!view_) return;
  view_->SetSource(this);
  view_->SetItemCount(0);
}

void EntryList::ShowCount(int count) {
  if (!view_) return;
  // The window may have been made after the model was attached to it.
  view_->SetSource(this);
  view_->SetItemCount(count);
}

void EntryList::Assign(archiver::listing::EntryRows rows, std::vector<int> images) {
  rows_ = std::move(rows);
  images_ = std::move(images);
  images_.resize(rows_.size(), -1);
  shown_ = nullptr;
  ShowCount(Count());
}

void EntryList::Clear() { Assign({}, {}); }

void EntryList::Reorder(const std::vector<size_t>& order) {
  if (order.size() != rows_.size()) return;
  HWND list = view_ ? view_->Hwnd() : nullptr;
  // Only a part of the entries selected needs the selection carried over; all or none stay as they are.
  const int selectedCount = SelectedCount();
  std::vector<int> selected;
  if (list && selectedCount > 0 && selectedCount < Count()) selected = ItemsWith(list, LVNI_SELECTED);
  const LRESULT focused = list ? SendMessageW(list, LVM_GETNEXTITEM, WPARAM(-1), LVNI_FOCUSED) : -1;

  std::vector<size_t> placeOf(order.size());
  archiver::listing::EntryRows rows(rows_.size());
  std::vector<int> images(images_.size());
  for (size_t i = 0; i < order.size(); ++i) {
    rows[i] = std::move(rows_[order[i]]);
    images[i] = images_[order[i]];
    placeOf[order[i]] = i;
  }
  rows_ = std::move(rows);
  images_ = std::move(images);
  if (!list) return;

  // The wrappers change the states without raising the list's selection events.
  if (!selected.empty()) {
    view_->SelectAll(false);
    for (int item : selected) view_->SetSelected(static_cast<int>(placeOf[static_cast<size_t>(item)]) + 1, true);
  }
  if (focused >= 0 && static_cast<size_t>(focused) < placeOf.size())
    view_->SetFocusedItem(static_cast<int>(placeOf[static_cast<size_t>(focused)]) + 1);
  view_->RefreshItems();
}

int EntryList::SelectedCount() const {
  return view_ && view_->Hwnd() ? static_cast<int>(SendMessageW(view_->Hwnd(), LVM_GETSELECTEDCOUNT, 0, 0)) : 0;
}

std::vector<int> EntryList::Selected() const {
  const int count = SelectedCount();
  if (count == 0) return {};
  if (count == Count()) {
    std::vector<int> all(rows_.size());
    for (size_t i = 0; i < all.size(); ++i) all[i] = static_cast<int>(i);
    return all;
  }
  return ItemsWith(view_->Hwnd(), LVNI_SELECTED);
}

void EntryList::Show(const std::vector<size_t>* rows) {
  shown_ = rows;
  ShowCount(rows ? static_cast<int>(rows->size()) : Count());
}

std::wstring_view EntryList::CellText(int item, int column) const {
  if (item < 0 || column < 0 || column > 8) return {};
  const size_t row = RowOf(item);
  return row < rows_.size() ? rows_[row].Cell(column) : std::wstring_view();
}

int EntryList::ItemImage(int item) const {
  if (item < 0) return -1;
  const size_t row = RowOf(item);
  return row < images_.size() ? images_[row] : -1;
}

void EntryList::TextEdited(int item, const std::wstring& text) {
  if (item < 0 || shown_) return;
  const size_t row = static_cast<size_t>(item);
  if (row < rows_.size()) rows_[row].SetName(text);
}

bool EntryList::Holds(const std::wstring& path, bool caseSensitive, const std::wstring& except) const {
  const std::wstring wanted = ComparedForm(path, caseSensitive);
  for (const archiver::listing::EntryRow& row : rows_) {
    const std::wstring stored = EntryPath(row.Cell(7), row.Name());
    if (stored == except) continue;
    // An entry of that name, or one inside a folder of that name.
    const std::wstring compared = ComparedForm(stored, caseSensitive);
    if (compared == wanted || (compared.size() > wanted.size() && compared.compare(0, wanted.size(), wanted) == 0 &&
                               compared[wanted.size()] == L'/'))
      return true;
  }
  return false;
}

std::wstring EntryPath(std::wstring_view folder, std::wstring_view name) {
  if (folder.find_first_not_of(L' ') == std::wstring_view::npos) folder = {};
  return std::wstring(folder) + std::wstring(name);
}

EntryList& Entries() {
  static EntryList entries;
  return entries;
}

}  // namespace browser
