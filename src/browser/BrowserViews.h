#pragma once
// What the browser procedures reach of the main window: its tree, entry list, status bar, tool bar and
// menus. The main window fills one BrowserViews with its controls and installs it; tests install one
// built over a hidden form of their own. Menu items are found by their names (and array indexes),
// tool-bar buttons by their keys, so any form whose items carry the main window's names will do.
#include <string>
#include <vector>

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
  // Indexes in the tree's image list of "Archive" (root and archive nodes) and "Open" (selected archive).
  int archiveImage = -1;
  int openImage = -1;
  ListSortState listSort{};
};

// The views the procedures work on; nullptr until the main window (or a test) installs them.
BrowserViews* Views();
// Installs `views` (nullptr: none) and returns the ones installed before.
BrowserViews* SetViews(BrowserViews* views);

// Menu items by name: `index` -1 for a single item, the array index for a member of a menu array.
int MenuId(const BrowserViews& views, const wchar_t* name, int index = -1);
void EnableMenu(const BrowserViews& views, const wchar_t* name, int index, bool enabled);
bool MenuChecked(const BrowserViews& views, const wchar_t* name, int index = -1);
void CheckMenu(const BrowserViews& views, const wchar_t* name, int index, bool checked);

// The archive reader's services that the browser starts from: it fills and empties the entry list and
// sets the commands of a window without archive. The default does nothing, until the reader is linked.
class ArchiveListing {
 public:
  virtual ~ArchiveListing() = default;
  // Empties the entry list and, unless clearOnly, reads the archive's entries into it. A reader may hand
  // back another form of the path (the ISH reader's short path), with which the caller goes on.
  virtual void LoadArcContents(std::wstring& path, const std::wstring& arcType, bool clearOnly,
                               bool& passwordFlag);
  // The command state with no archive, on which SetMenuStatus builds.
  virtual void SetNoArchiveState();
};

ArchiveListing& Listing();
// Installs the reader (nullptr: the one that does nothing) and returns the one installed before.
ArchiveListing* SetListing(ArchiveListing* listing);

// Reads cells of a list view straight from its window, one message per cell and one buffer for all, for
// the passes over every entry (status text, sorting).
class CellReader {
 public:
  explicit CellReader(const winui::ListView& list) : window_(list.Hwnd()) {}
  int Count() const;
  // Cell `column` (0: the item's text) of item `item` counted from 0.
  std::wstring Cell(int item, int column);
  // Items that are selected, counted from 0, in list order.
  std::vector<int> SelectedItems() const;

 private:
  HWND window_;
  std::vector<wchar_t> buffer_ = std::vector<wchar_t>(512);
};

}  // namespace browser
