#include "archiver/listing/BrowserServices.h"

#include <utility>

#include "archiver/listing/ListingViews.h"

namespace archiver::listing {
namespace {
BrowserServices& Installed() {
  static BrowserServices services;
  return services;
}
ListingViews*& Views() {
  static ListingViews* views = nullptr;
  return views;
}
}  // namespace

ListingViews* SetListingViews(ListingViews* views) { return std::exchange(Views(), views); }
ListingViews* MainViews() { return Views(); }

BrowserServices SetBrowserServices(BrowserServices services) { return std::exchange(Installed(), std::move(services)); }

void CallSetProgressPosition(bool show) {
  if (Installed().SetProgressPosition) Installed().SetProgressPosition(show);
}
void CallAutoSizeColumns(winui::ListView& list, int lastColumn) {
  if (Installed().AutoSizeColumns) Installed().AutoSizeColumns(list, lastColumn);
}
void CallSortListView(int column) {
  if (Installed().SortListView) Installed().SortListView(column);
}
std::wstring CallGetOpenCommand(const std::wstring& extension) {
  return Installed().GetOpenCommand ? Installed().GetOpenCommand(extension) : std::wstring();
}

}  // namespace archiver::listing
