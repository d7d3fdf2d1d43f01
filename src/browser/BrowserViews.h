#pragma once
// What the browser procedures reach of the main window: its tree, entry list, status bar, tool bar (its
// drop-downs, by button key) and the icon lists. The menus and the commands' states are the window's own:
// the browser tells it the command state and the recent archives to show. The main window fills one
// BrowserViews with its controls and installs it; tests install one built over a hidden form of their own.
#include <functional>
#include <string>
#include <vector>

#include "browser/Commands.h"

#include "winui/CommonControls.h"
#include "winui/Controls.h"
#include "winui/Form.h"
#include "winui/ListControls.h"

namespace browser {

// The list control's own text sorting as the window last set it: kept on after a text sort, so a later
// "no sorting" leaves the list in that column's order (see SortListView).
struct ListSortState {
  bool sorted = false;
  int sortKey = 0;
  bool descending = false;
};

struct BrowserViews {
  winui::Form& form;
  winui::TreeView& tvTreeView;
  winui::ListView& lvListView;
  winui::StatusBar& sbStatusBar;
  winui::Toolbar& tbToolBar;
  winui::ComboBox& cmbArc;
  // Progress box of the listings, laid over status panel 2.
  winui::PictureBox& picCount;
  // Hidden measuring surfaces for shortened recent-archive captions.
  winui::PictureBox& picShortString;
  winui::Label& lblEllipsisString;
  // The entry list's icons: the window's design-time images (source of the four base images), the lists of
  // 16 x 16 and 32 x 32 images bound to the entry list, and the two hidden surfaces they are drawn on.
  winui::ImageList& imlIcons;
  winui::ImageList& ImgListDummy;
  winui::ImageList& ImgListLargeDummy;
  winui::PictureBox& PicDummy;
  winui::PictureBox& picLargeDummy;
  // Indexes in the tree's image list of "Archive" (root and archive nodes) and "Open" (selected archive).
  int archiveImage = -1;
  int openImage = -1;
  ListSortState listSort{};
  // Shows a new command state on the window's menus, tool bar and list (none: nothing to show).
  std::function<void(const CommandState&)> showCommands{};
  // Shows the recent archives, newest first, as their menu captions ("" for an empty entry).
  std::function<void(const std::vector<std::wstring>& captions)> showRecentArchives{};
};

// The views the procedures work on; nullptr until the main window (or a test) installs them.
BrowserViews* Views();
// Installs `views` (nullptr: none) and returns the ones installed before. The entry list of the views
// installed shows the entries of Entries(), and Commands() starts as for a window just made.
BrowserViews* SetViews(BrowserViews* views);

// Shows Commands() through the installed views.
void ShowCommands();

}  // namespace browser
