#include "mainwindow/OpenWithMenus.h"

#include <algorithm>

#include "core/OpenCommand.h"
#include "core/Settings.h"
#include "core/modPath.h"
#include "core/modTolvenar.h"
#include "mainwindow/EntryCommands.h"
#include "mainwindow/frmMain.h"
#include "operations/OpenWith.h"

namespace mainwindow {
namespace {

constexpr int kArrays[] = {ID_mnuEditAction, ID_mnuPopUpAction};
constexpr int kMostItems = 200;  // the ids the arrays have

// The selected entry's extension from its last dot; "" with nothing selected or a name without a dot.
std::wstring SelectedExtension() {
  operations::SelectedEntry entry;
  if (!SelectedEntry(entry) || entry.name.find(L'.') == std::wstring::npos) return L"";
  return core::GetExtension(entry.name, false);
}

}  // namespace

void MakeOpenWithMenu(frmMain& form, const std::wstring& ext) {
  for (int base : kArrays)
    for (int index = 1; index < kMostItems; ++index)
      if (form.MenuExists(base + index)) form.UnloadMenuItem(base + index);
  std::vector<operations::OpenWithItem> items =
      operations::OpenWithItems(ext, core::Settings.Editor, core::Settings.Viewer, core::GetShellVerbs(ext));
  if (items.size() > kMostItems) items.resize(kMostItems);
  core::OpenWithCommands.clear();
  for (size_t index = 0; index < items.size(); ++index) {
    const operations::OpenWithItem& item = items[index];
    core::OpenWithCommands.push_back(item.command);
    for (int base : kArrays) {
      // Item 0 is always there; whether it can be used is the command state's (the shown archive's type).
      if (index == 0) {
        form.SetMenuCaption(base, item.caption);
        continue;
      }
      const int id = form.LoadMenuItem(base, static_cast<int>(index), item.caption);
      if (id) form.SetMenuEnabled(id, item.enabled);
    }
  }
}

void BindOpenWithMenus(frmMain& form) {
  for (int menu : {ID_mnuEdit, ID_mnuPopUpMenu})
    form.On(menu, winui::Event::Click, [&form](winui::EventArgs&) { MakeOpenWithMenu(form, SelectedExtension()); });
}

}  // namespace mainwindow
