#pragma once
// The browser procedures the listing calls (progress box placement, column sizing, sorting, the open command
// of an extension). They live with the browser; until it installs them each one does nothing (and the open
// command is empty, so entries get the fixed icons).
#include <functional>
#include <string>

#include "winui/CommonControls.h"

namespace archiver::listing {

struct BrowserServices {
  std::function<void(bool show)> SetProgressPosition;
  std::function<void(winui::ListView& list, int lastColumn)> AutoSizeColumns;
  std::function<void(int column)> SortListView;
  std::function<std::wstring(const std::wstring& extension)> GetOpenCommand;
};

// Installs the services (an empty member keeps that service doing nothing) and returns the previous set.
BrowserServices SetBrowserServices(BrowserServices services);

void CallSetProgressPosition(bool show);
void CallAutoSizeColumns(winui::ListView& list, int lastColumn);
void CallSortListView(int column);
std::wstring CallGetOpenCommand(const std::wstring& extension);

}  // namespace archiver::listing
