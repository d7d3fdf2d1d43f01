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

}  // namespace browser
