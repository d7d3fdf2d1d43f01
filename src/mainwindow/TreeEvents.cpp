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
#include "mainwindow/ArchiveCommands.h"
#include "mainwindow/frmMain.h"

namespace mainwindow {
namespace {

// An archive node's key is four digits followed by the archive's path.
constexpr size_t kKeyDigits = 4;

std::wstring TitleCaption() { return std::wstring(core::kProgramTitle) + L" "; }

}  // namespace

void tvTreeView_NodeClick(frmMain& form, const std::wstring& nodeKey) {
  // Another archive is shown from now on, so the entries opened from the last one are no longer watched.
  form.timUpdate.SetEnabled(false);
  core::EditWatchFiles.assign(1, L"");
  core::EditWatchTimes.assign(1, L"");
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
  if (buttonKey != L"Open") return;
  const std::vector<std::wstring>& history = core::Settings.History;
  if (item < 1 || item > static_cast<int>(history.size())) return;
  OpenRecentArchive(form, history[item - 1], L"ファィル ", true);
}

}  // namespace mainwindow
