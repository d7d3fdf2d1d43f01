#include "browser/BrowserViews.h"

#include "browser/EntryList.h"

namespace browser {
namespace {

BrowserViews*& InstalledViews() {
  static BrowserViews* views = nullptr;
  return views;
}

}  // namespace

BrowserViews* Views() { return InstalledViews(); }

BrowserViews* SetViews(BrowserViews* views) {
  BrowserViews* previous = InstalledViews();
  InstalledViews() = views;
  Entries().Attach(views ? &views->lvListView : nullptr);
  Commands() = CommandState();
  return previous;
}

void ShowCommands() {
  BrowserViews* views = Views();
  if (views && views->showCommands) views->showCommands(Commands());
}

}  // namespace browser
