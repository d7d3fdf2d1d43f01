#pragma once
// The tree's events (node click, the right press that opens its pop-up, the pop-up's items), the tool-bar
// drop-downs of recent archives and recent extraction folders, and View > 最新の情報に更新.
#include <string>
#include <vector>

namespace mainwindow {

class frmMain;

// Shows the archive of the clicked node in the entry list, or the state without archive for the root.
void tvTreeView_NodeClick(frmMain& form, const std::wstring& nodeKey);
// A drop-down item of a tool-bar button; `item` counts from 1. The "Open" button's item i opens
// Settings.History(i - 1); other buttons' drop-downs are not handled here.
void tbToolBar_ButtonMenuClick(frmMain& form, const std::wstring& buttonKey, int item);

// The "UnPack" drop-down's item `item` (from 1): the selected entries, or every one when none is, extracted
// straight into Settings.ArcDown(item), which then heads the history; a folder gone since opens the
// extraction dialog instead and leaves the history as it is.
void UnPackToRecentFolder(frmMain& form, int item);
// Settings.ArcDown with `folder` (blanks trimmed, no trailing "\") first and the others after it in order:
// index 0 stays empty, blank items and the first exact copy of the folder go.
std::vector<std::wstring> MoveFolderFirst(const std::vector<std::wstring>& arcDown, const std::wstring& folder);
// A press on the tree: the right button opens the tree pop-up (its items that need entries disabled while
// the list is empty). The tree's selection stays.
void tvTreeView_MouseDown(frmMain& form, int button);
// Lists the selected node's archive again.
void mnuViewReflesh_Click(frmMain& form);

// Binds the tree's events, its pop-up, the tool-bar drop-downs and the refresh command to the window.
void BindTreeEvents(frmMain& form);

}  // namespace mainwindow
