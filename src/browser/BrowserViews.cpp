#include "browser/BrowserViews.h"

namespace browser {
namespace {

BrowserViews*& InstalledViews() {
  static BrowserViews* views = nullptr;
  return views;
}

ArchiveListing& NoListing() {
  static ArchiveListing none;
  return none;
}

ArchiveListing*& InstalledListing() {
  static ArchiveListing* listing = nullptr;
  return listing;
}

}  // namespace

BrowserViews* Views() { return InstalledViews(); }

BrowserViews* SetViews(BrowserViews* views) {
  BrowserViews* previous = InstalledViews();
  InstalledViews() = views;
  return previous;
}

int MenuId(const BrowserViews& views, const wchar_t* name, int index) { return views.form.IdOf(name, index); }

void EnableMenu(const BrowserViews& views, const wchar_t* name, int index, bool enabled) {
  views.form.SetMenuEnabled(MenuId(views, name, index), enabled);
}

bool MenuChecked(const BrowserViews& views, const wchar_t* name, int index) {
  return views.form.MenuChecked(MenuId(views, name, index));
}

void CheckMenu(const BrowserViews& views, const wchar_t* name, int index, bool checked) {
  views.form.SetMenuChecked(MenuId(views, name, index), checked);
}

void ArchiveListing::LoadArcContents(std::wstring&, const std::wstring&, bool, bool&) {}
void ArchiveListing::SetNoArchiveState() {}

ArchiveListing& Listing() {
  ArchiveListing* installed = InstalledListing();
  return installed ? *installed : NoListing();
}

ArchiveListing* SetListing(ArchiveListing* listing) {
  ArchiveListing* previous = InstalledListing();
  InstalledListing() = listing;
  return previous;
}

int CellReader::Count() const { return window_ ? static_cast<int>(SendMessageW(window_, LVM_GETITEMCOUNT, 0, 0)) : 0; }

std::wstring CellReader::Cell(int item, int column) {
  if (!window_) return {};
  for (;;) {
    LVITEMW info{};
    info.iSubItem = column;
    info.pszText = buffer_.data();
    info.cchTextMax = static_cast<int>(buffer_.size());
    const LRESULT got =
        SendMessageW(window_, LVM_GETITEMTEXTW, static_cast<WPARAM>(item), reinterpret_cast<LPARAM>(&info));
    if (got < static_cast<LRESULT>(buffer_.size()) - 1) return std::wstring(buffer_.data(), static_cast<size_t>(got));
    buffer_.resize(buffer_.size() * 2);
  }
}

std::vector<int> CellReader::SelectedItems() const {
  std::vector<int> items;
  if (!window_) return items;
  for (LRESULT i = SendMessageW(window_, LVM_GETNEXTITEM, WPARAM(-1), LVNI_SELECTED); i >= 0;
       i = SendMessageW(window_, LVM_GETNEXTITEM, static_cast<WPARAM>(i), LVNI_SELECTED))
    items.push_back(static_cast<int>(i));
  return items;
}

}  // namespace browser
