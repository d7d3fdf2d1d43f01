#pragma once
// Keeps the main window's tree of open archives and its entry list in step with what is open: the view
// reset, opening and relisting an archive, selecting entries, column sizing, tree colours and the place
// of the listing's progress box.
#include <cstdint>
#include <string>
#include <vector>

#include "winui/CommonControls.h"

namespace browser {

// Key and text of the tree's root node.
extern const wchar_t kRootNodeKey[];

// Key of an archive node: the last four digits of the counter, then the path exactly as given.
std::wstring ArcNodeKey(int32_t counter, const std::wstring& path);
// Adds an archive node under the root: advances ArcNodeCounter (again while the key is already taken, so
// keys stay unique after the four digits wrap), selects the node and makes the path the current archive.
// False when no node could be added.
bool AddArchiveNode(const std::wstring& path);
// The same for the files of one new archive (split volumes): one advance of ArcNodeCounter (more while a
// key of one of them is taken) gives every node the same four digits. Returns the counter used.
int32_t NextArcNodeCounter(const std::vector<std::wstring>& paths);
// Adds the node `key` for `path` under the root, selects it and makes the path the current archive.
bool AddArchiveNodeKeyed(const std::wstring& key, const std::wstring& path);

// Remembers a folder this instance makes its new archives in, so they are still known as its own after
// the work folder changed.
void RememberNewArchiveFolder(const std::wstring& folder);
// True for a new archive this instance made and nobody saved yet: its path lies in this instance's work
// folder or in a folder remembered above. Only such an archive is asked about when it is closed, and
// deleted or moved by close and Save As; any other archive is the user's file, whatever its name.
bool IsNewArchive(const std::wstring& path);

// The views as the window starts: only the root, an empty list, the type combo, the menus' checks and the
// commands of a window without archive. clearTemp also empties the work and drag folders.
void InitMainView(bool clearTemp);
// Lists the archive and adds its node; false (and nothing added) when the extension names no archive type
// or the listing found no entry.
bool OpenArchiveFile(const std::wstring& path);
// Lists the archive again after a change; the tree is left as it is.
void RefreshArchiveList(const std::wstring& path, bool passwordFlag);

// Makes item `index` (from 1) the current and a selected item, after deselecting the current one; then
// refreshes the status text of the main window's list.
void SelectListItem(winui::ListView& listView, int index);
// Selects every entry in one message when Settings.AllSelect is on.
void SelectAllItems();
// True when at least one entry of the main window's list is selected.
bool GetSelectedCount();
// Fits columns 0 to lastColumn of the entry list to their widest cells (details view with entries, column
// widths not fixed).
void AutoSizeColumns(int lastColumn);
// Tree colours from Settings.BackColor and Settings.ForeColor (system-colour values resolved).
void SetTreeViewColor();
// Lays the progress box over status panel 2 (show) or hides and clears it; only while the status bar shows
// (the window ticks its View menu's item while the bar shows).
void SetProgressPosition(bool show);

}  // namespace browser
