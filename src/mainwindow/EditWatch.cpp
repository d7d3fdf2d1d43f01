#include "mainwindow/EditWatch.h"

#include <windows.h>

#include <vector>

#include "browser/EntryList.h"
#include "browser/MenuStatus.h"
#include "browser/StatusBarText.h"
#include "browser/TreeListUpkeep.h"
#include "core/OperationUi.h"
#include "core/Text.h"
#include "core/modPath.h"
#include "core/modShell.h"
#include "core/modTolvenar.h"
#include "mainwindow/EntryCommands.h"
#include "mainwindow/EntryEditCommands.h"
#include "mainwindow/WindowWork.h"
#include "mainwindow/frmMain.h"
#include "operations/EditedFiles.h"
#include "operations/OpenWith.h"
#include "winui/App.h"
#include "winui/MsgBox.h"

namespace mainwindow {
namespace {

bool asking = false;

// Listing an archive again lists it in the window: the archive the window showed before, or none, is
// shown again.
void ShowAgain(frmMain& form, const std::wstring& shown, const std::wstring& current) {
  if (!shown.empty()) {
    browser::RefreshArchiveList(shown, false);
    browser::SetStatusBarText();
    return;
  }
  browser::Entries().Clear();
  core::PrivateState.SetArcFileName(current);
  browser::SetMenuStatus(L"");
  form.sbStatusBar.SetPanelText(1, L"");
}

}  // namespace

bool PutEditBack(frmMain& form, const std::wstring& path) {
  const std::wstring shown = SelectedNodeArchive(form);
  const std::wstring current = core::PrivateState.ArcFileName();
  core::WindowOperationUi ui(form.Hwnd());
  const operations::JobResult result = operations::UpdateEditedFile(ui, {path, shown, ListedEntries()});
  if (result.made.empty()) return false;
  const std::wstring& archive = result.made.front();
  browser::RefreshArchiveList(archive, false);
  if (!core::EqualsNoCase(shown, archive)) ShowAgain(form, shown, current);
  return result.ok;
}

INT_PTR OpenAndWatch(frmMain& form, const std::wstring& path, int mode, const std::wstring& program) {
  const INT_PTR result = operations::ExecuteFile(path, mode, program);
  if (operations::WatchEditedFile(path)) form.timUpdate.SetEnabled(true);
  // The started program's window comes up while this one repaints.
  winui::DoEvents();
  return result;
}

std::wstring EditedFileQuestion(const operations::EditOrigin& origin) {
  return L"格納ファイル \"" + origin.EntryPath() + L"\" は変更されています\r\n書庫 \"" + origin.archive +
         L"\" を更新しますか";
}

void StopEditWatch(frmMain& form) {
  form.timUpdate.SetEnabled(false);
  core::EditWatchFiles.assign(1, L"");
  core::EditWatchTimes.assign(1, L"");
}

void timUpdate_Timer(frmMain& form) {
  if (asking) return;
  // Indexes, not iterators: putting a file back lists the archive again, and a watch reset on the way
  // (a node clicked while the question is open) shortens the lists.
  for (size_t i = 0; i + 1 < core::EditWatchFiles.size() && i < core::EditWatchTimes.size(); ++i) {
    const std::wstring path = core::EditWatchFiles[i];
    const std::wstring now = operations::WatchTimeText(path);
    // A file that did not come out of an archive has nowhere to go back to.
    const std::optional<operations::EditOrigin> origin = operations::CopyOrigin(path);
    if (now.empty() || !origin) continue;
    std::optional<int64_t> stored = operations::WatchTimeValue(core::EditWatchTimes[i]);
    std::optional<int64_t> current = operations::WatchTimeValue(now);
    if (stored && current && *current > *stored) {
      asking = true;
      const int answer =
          winui::MsgBox(EditedFileQuestion(*origin), MB_OKCANCEL | MB_ICONQUESTION, core::kProgramTitle, form.Hwnd());
      if (answer == IDOK) {
        const int selected = form.lvListView.SelectedItem();
        if (Work().UpdateEditedFile(form, path) && selected > 0) browser::SelectListItem(form.lvListView, selected);
      }
      asking = false;
    }
    if (i < core::EditWatchTimes.size()) core::EditWatchTimes[i] = now;
  }
}

}  // namespace mainwindow
