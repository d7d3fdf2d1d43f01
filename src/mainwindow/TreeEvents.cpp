#include "mainwindow/TreeEvents.h"

#include <windows.h>
#include <commctrl.h>

#include <vector>

#include "browser/EntryList.h"
#include "browser/MenuStatus.h"
#include "browser/StatusBarText.h"
#include "browser/TreeListUpkeep.h"
#include "core/ArcType.h"
#include "core/Settings.h"
#include "core/modShell.h"
#include "core/modTolvenar.h"
#include "browser/Histories.h"
#include "operations/UnPackArchive.h"
#include "core/Text.h"
#include "core/modPath.h"
#include "mainwindow/ArchiveCommands.h"
#include "mainwindow/EditWatch.h"
#include "mainwindow/EntryCommands.h"
#include "operations/ListFiles.h"
#include "tools/frmArchiveDown.h"
#include "winui/App.h"
#include "mainwindow/frmMain.h"

namespace mainwindow {
namespace {

// An archive node's key is four digits followed by the archive's path.
constexpr size_t kKeyDigits = 4;

std::wstring TitleCaption() { return std::wstring(core::kProgramTitle) + L" "; }

}  // namespace

void tvTreeView_NodeClick(frmMain& form, const std::wstring& nodeKey) {
  // Another archive is shown from now on, so the entries opened from the last one are no longer watched.
  StopEditWatch(form);
  SendMessageW(form.tvTreeView.Hwnd(), TVM_SELECTITEM, TVGN_DROPHILITE, 0);

  if (nodeKey == browser::kRootNodeKey) {
    browser::Entries().Clear();
    form.sbStatusBar.SetPanelText(1, L"");
    browser::SetMenuStatus(L"");
    form.SetCaption(TitleCaption());
    return;
  }
  if (nodeKey.size() <= kKeyDigits) return;

  WindowBusy busy(form);
  const std::wstring path = nodeKey.substr(kKeyDigits);
  form.SetCaption(path + L" - " + TitleCaption());
  browser::RefreshArchiveList(path, false);
  browser::SelectListItem(form.lvListView, 1);
  browser::SetMenuStatus(core::GetArcTypeByExt(path));
  browser::SetStatusBarText();
}

void tbToolBar_ButtonMenuClick(frmMain& form, const std::wstring& buttonKey, int item) {
  if (buttonKey == L"UnPack") {
    UnPackToRecentFolder(form, item);
    return;
  }
  if (buttonKey != L"Open") return;
  const std::vector<std::wstring>& history = core::Settings.History;
  if (item < 1 || item > static_cast<int>(history.size())) return;
  OpenRecentArchive(form, history[item - 1], L"ファィル ", true);
}

std::vector<std::wstring> MoveFolderFirst(const std::vector<std::wstring>& arcDown, const std::wstring& folder) {
  const std::wstring first = core::Trim(folder);
  std::vector<std::wstring> items(arcDown.begin() + (arcDown.empty() ? 0 : 1), arcDown.end());
  for (std::wstring& item : items) {
    if (core::Trim(item).empty() || item != first) continue;
    item.clear();
    break;
  }
  std::vector<std::wstring> result{L"", core::RemoveBackslash(first)};
  for (const std::wstring& item : items)
    if (!item.empty()) result.push_back(core::RemoveBackslash(item));
  return result;
}

void UnPackToRecentFolder(frmMain& form, int item) {
  // The drop-down lists the stored folders that are not blank, so item n is the n-th of those.
  std::wstring folder;
  int listed = 0;
  for (const std::wstring& entry : core::Settings.ArcDown)
    if (!core::Trim(entry).empty() && ++listed == item) folder = entry;
  if (item < 1 || item > listed) return;
  if (form.lvListView.SelectedItem() == 0) {
    form.lvListView.SetFocus();
    form.lvListView.SelectAll(true);
  }
  const std::optional<std::wstring> selection = ListSelection(form);
  if (!selection) return;
  core::WindowOperationUi ui(form.Hwnd());
  const DWORD attributes = GetFileAttributesW(folder.c_str());
  if (!folder.empty() && attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY)) {
    core::PrivateState.SetIconDrop(true);
    operations::Settle(operations::UnPackArchive(ui, {core::PrivateState.ArcFileName(), *selection, folder}));
    core::PrivateState.SetIconDrop(false);
    core::Settings.ArcDown = MoveFolderFirst(core::Settings.ArcDown, folder);
    browser::MakeUnPackButtonMenu();
  } else {
    winui::DoEvents();
    tools::ExtractThroughDialog(form.Hwnd(), *selection);
  }
  winui::DoEvents();
  SetForegroundWindow(form.Hwnd());
  operations::DeleteListFile();
  operations::TellExtracted(ui, core::PrivateState.ArcStatus());
}

void tvTreeView_MouseDown(frmMain& form, int button) {
  if (button != winui::kRightButton) return;
  if (browser::Entries().Count() == 0) {
    for (int id : {ID_mnuTreePopUpUnPack, ID_mnuTreePopUpQuickUnPack, ID_mnuTreePopUpList, ID_mnuTreePopUpTest,
                   ID_mnuTreePopUpConvert, ID_mnuTreePopUpSaveAs})
      form.SetMenuEnabled(id, false);
  }
  form.PopupMenu(ID_mnuTreePopUpMenu);
}

void mnuViewReflesh_Click(frmMain& form) {
  const std::wstring key = form.tvTreeView.SelectedKey();
  const std::wstring path = key.size() > kKeyDigits && key != browser::kRootNodeKey ? key.substr(kKeyDigits) : L"";
  core::PrivateState.SetArcFileName(path);
  browser::RefreshArchiveList(path, false);
  browser::SelectListItem(form.lvListView, 1);
}

namespace {

// Tree pop-up items that run a menu command as it is.
struct TreeCommand {
  int item;
  int command;
  bool everyEntry;  // the list takes the focus and every entry is selected first
};
const TreeCommand kTreeCommands[] = {
    {ID_mnuTreePopUpArcClose, ID_mnuFileArcClose, false},
    {ID_mnuTreePopUpUnPack, ID_mnuEditUnPack, true},
    {ID_mnuTreePopUpQuickUnPack, ID_mnuFileQuickUnPack, true},
    {ID_mnuTreePopUpList, ID_mnuFileList, false},
    {ID_mnuTreePopUpTest, ID_mnuEditTest, false},
    {ID_mnuTreePopUpConvert, ID_mnuFileConvert, false},
    {ID_mnuTreePopUpSFX, ID_mnuFileSFX, false},
    {ID_mnuTreePopUpSaveAs, ID_mnuFileSaveAs, false},
};

}  // namespace

void BindTreeEvents(frmMain& form) {
  using winui::Event;
  using winui::EventArgs;
  form.On(ID_tvTreeView, Event::NodeClick, [&form](EventArgs& args) { tvTreeView_NodeClick(form, args.key); });
  form.On(ID_tvTreeView, Event::MouseDown, [&form](EventArgs& args) { tvTreeView_MouseDown(form, args.button); });
  form.On(ID_tbToolBar, Event::ButtonMenuClick,
          [&form](EventArgs& args) { tbToolBar_ButtonMenuClick(form, args.key, args.item); });
  form.On(ID_mnuViewReflesh, Event::Click, [&form](EventArgs&) { mnuViewReflesh_Click(form); });
  for (const TreeCommand& command : kTreeCommands) {
    form.On(command.item, Event::Click, [&form, command](EventArgs&) {
      if (command.everyEntry) {
        form.lvListView.SetFocus();
        form.lvListView.SelectAll(true);
      }
      form.Raise(command.command, Event::Click);
    });
  }
}

}  // namespace mainwindow
