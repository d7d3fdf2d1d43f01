#pragma once
// The tree's node click and the "Open" button's drop-down of recent archives.
#include <string>

namespace mainwindow {

class frmMain;

// Shows the archive of the clicked node in the entry list, or the state without archive for the root.
void tvTreeView_NodeClick(frmMain& form, const std::wstring& nodeKey);
// A drop-down item of a tool-bar button; `item` counts from 1. The "Open" button's item i opens
// Settings.History(i - 1); other buttons' drop-downs are not handled here.
void tbToolBar_ButtonMenuClick(frmMain& form, const std::wstring& buttonKey, int item);

}  // namespace mainwindow
