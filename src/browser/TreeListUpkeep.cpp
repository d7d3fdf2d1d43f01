#include "browser/TreeListUpkeep.h"

#include <windows.h>
#include <commctrl.h>

#include <algorithm>

#include "browser/BrowserViews.h"
#include "browser/Commands.h"
#include "browser/EntryList.h"
#include "browser/LoadArcContents.h"
#include "browser/MenuStatus.h"
#include "browser/StatusBarText.h"
#include "core/ArcType.h"
#include "core/DrawProgress.h"
#include "core/SettingValues.h"
#include "core/Settings.h"
#include "core/Text.h"
#include "core/WorkFolder.h"
#include "core/modPath.h"
#include "core/modShell.h"
#include "core/modTolvenar.h"
#include "winui/App.h"

namespace browser {

const wchar_t kRootNodeKey[] = L"書庫ﾌｧｲﾙ";

namespace {

// Only the four digits reach the key, so after 9,999 nodes they repeat; this many tries always find a
// free key unless the tree already holds that many nodes of the same path.
constexpr int kKeyPrefixes = 10000;

std::wstring Caption() { return std::wstring(core::kProgramTitle) + L" "; }

// The folders of new archives, upper-cased, each with its "\".
std::vector<std::wstring>& NewArchiveFolders() {
  static std::vector<std::wstring> folders;
  return folders;
}

bool LiesIn(const std::wstring& upperPath, const std::wstring& upperFolder) {
  return upperPath.size() > upperFolder.size() && upperPath.compare(0, upperFolder.size(), upperFolder) == 0;
}

}  // namespace

void RememberNewArchiveFolder(const std::wstring& folder) {
  if (folder.empty()) return;
  const std::wstring upper = core::UCase(core::AddBackslash(folder));
  std::vector<std::wstring>& folders = NewArchiveFolders();
  if (std::find(folders.begin(), folders.end(), upper) == folders.end()) folders.push_back(upper);
}

bool IsNewArchive(const std::wstring& path) {
  if (path.empty()) return false;
  const std::wstring upper = core::UCase(path);
  if (!core::WorkFolderNo.empty() && LiesIn(upper, core::UCase(core::AddBackslash(core::WorkFolderPath()))))
    return true;
  const std::vector<std::wstring>& folders = NewArchiveFolders();
  return std::any_of(folders.begin(), folders.end(), [&](const std::wstring& folder) { return LiesIn(upper, folder); });
}

std::wstring ArcNodeKey(int32_t counter, const std::wstring& path) {
  const std::wstring digits = core::PadNumber(counter, 4);
  return digits.substr(digits.size() - 4) + path;
}

int32_t NextArcNodeCounter(const std::vector<std::wstring>& paths) {
  BrowserViews* views = Views();
  auto taken = [&] {
    if (!views) return false;
    for (const std::wstring& path : paths)
      if (views->tvTreeView.Exists(ArcNodeKey(core::ArcNodeCounter, path))) return true;
    return false;
  };
  ++core::ArcNodeCounter;
  for (int tries = 1; tries < kKeyPrefixes && taken(); ++tries) ++core::ArcNodeCounter;
  return core::ArcNodeCounter;
}

bool AddArchiveNodeKeyed(const std::wstring& key, const std::wstring& path) {
  BrowserViews* views = Views();
  if (!views) return false;
  winui::TreeView& tree = views->tvTreeView;
  if (tree.Exists(key)) return false;
  if (!tree.Add(kRootNodeKey, key, core::GetFileNamePart(path), views->archiveImage, views->openImage)) return false;
  tree.Select(key);
  core::PrivateState.SetArcFileName(path);
  return true;
}

bool AddArchiveNode(const std::wstring& path) {
  if (!Views()) return false;
  return AddArchiveNodeKeyed(ArcNodeKey(NextArcNodeCounter({path}), path), path);
}

void InitMainView(bool clearTemp) {
  BrowserViews* views = Views();
  if (!views) return;
  if (clearTemp) core::ClearTempFolder();
  core::ArcNodeCounter = 0;
  core::NewArcCount = 0;

  TickChosenMembers();
  const int packType = ChosenMember(Command::MakeArcType);
  if (packType >= 0 && packType < views->cmbArc.ListCount()) views->cmbArc.SetListIndex(packType);
  const int viewMode = ChosenMember(Command::ListViewMode);
  if (viewMode >= 0) views->lvListView.SetView(static_cast<winui::ListViewMode>(viewMode));

  winui::TreeView& tree = views->tvTreeView;
  tree.Clear();
  tree.Add(L"", kRootNodeKey, kRootNodeKey, views->archiveImage);
  tree.Select(kRootNodeKey);

  Entries().Clear();
  views->sbStatusBar.SetPanelText(1, L"");

  SetMenuStatus(L"");
  SetProgressPosition(false);
}

bool OpenArchiveFile(const std::wstring& requested) {
  BrowserViews* views = Views();
  if (!views) return false;
  const std::wstring type = core::GetArcTypeByExt(requested);
  if (type.empty()) return false;

  // The reader may hand back the form of the path it worked with (ISH: the short path); the node and the
  // current archive go on with that form.
  std::wstring path = requested;
  bool passwordFlag = false;
  LoadArcContents(path, type, false, passwordFlag);
  if (Entries().Count() == 0) {
    views->tvTreeView.Select(kRootNodeKey);
    SetMenuStatus(L"");
    views->form.SetCaption(Caption());
    return false;
  }

  if (!AddArchiveNode(path)) return false;
  core::Settings.OpenFolder = core::GetFolderPart(path);

  SelectListItem(views->lvListView, 1);
  SetMenuStatus(core::GetArcTypeByExt(path));
  SelectAllItems();
  SetStatusBarText();
  return true;
}

void RefreshArchiveList(const std::wstring& requested, bool passwordFlag) {
  std::wstring path = requested;
  const std::wstring type = core::GetArcTypeByExt(path);
  if (!type.empty()) LoadArcContents(path, type, false, passwordFlag);
  // The commands are judged on this archive's name (a new "$New" archive, a ".rar" name), so it becomes
  // the current archive before they are set.
  core::PrivateState.SetArcFileName(path);
  SetMenuStatus(type);
  winui::DoEvents();
}

void SelectListItem(winui::ListView& listView, int index) {
  const int count = listView.Count();
  if (count > 0) {
    int current = listView.FocusedItem();
    if (current == 0) current = listView.SelectedItem();
    if (current > 0) listView.SetSelected(current, false);
    if (index >= 1 && index <= count) {
      listView.SetFocusedItem(index);
      listView.SetSelected(index, true);
    }
  }
  SetStatusBarText();
}

void SelectAllItems() {
  BrowserViews* views = Views();
  if (!views || !core::IsOn(core::Settings.AllSelect)) return;
  views->lvListView.SelectAll(true);
  views->lvListView.SetFocus();
}

bool GetSelectedCount() { return Entries().SelectedCount() > 0; }

void SetTreeViewColor() {
  BrowserViews* views = Views();
  if (!views) return;
  const COLORREF back = core::ColorSetting(core::Settings.BackColor);
  const COLORREF text = core::ColorSetting(core::Settings.ForeColor);
  HWND tree = views->tvTreeView.Hwnd();
  if (!tree) return;
  SendMessageW(tree, TVM_SETTEXTCOLOR, 0, static_cast<LPARAM>(text));
  SendMessageW(tree, TVM_SETBKCOLOR, 0, static_cast<LPARAM>(back));
  // Taking the lines away and giving the style back makes the tree redraw its lines in the new colours.
  const LONG_PTR style = GetWindowLongPtrW(tree, GWL_STYLE);
  SetWindowLongPtrW(tree, GWL_STYLE, style & ~static_cast<LONG_PTR>(TVS_HASLINES));
  SetWindowLongPtrW(tree, GWL_STYLE, style);
  InvalidateRect(tree, nullptr, TRUE);
}

void SetProgressPosition(bool show) {
  BrowserViews* views = Views();
  // The box sits over the status bar: nothing is done while the bar is not shown.
  if (!views || !views->sbStatusBar.Visible()) return;
  winui::PictureBox& box = views->picCount;
  if (show) {
    box.SetVisible(true);
    const RECT panel = views->sbStatusBar.PanelRect(2);
    box.Move(views->sbStatusBar.Left() + panel.left + 20, views->sbStatusBar.Top() + 50);
    box.ZOrderTop();
    winui::DoEvents();
    return;
  }
  box.SetVisible(false);
  RECT area{};
  if (box.Hwnd() && GetClientRect(box.Hwnd(), &area)) {
    core::DrawProgress(box.Hdc(), area.right, area.bottom, 0.0f, true, views->form.Font());
    box.Refresh();
  }
}

}  // namespace browser
