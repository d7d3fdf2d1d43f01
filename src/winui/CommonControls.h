#pragma once
// Wrappers over the common controls. Collections follow the numbering the program's handlers use:
// list items, columns, status-bar panels, tabs, tool-bar buttons and their menu items count from 1;
// image indexes are the image list's own (from 0, -1 for none).
#include <windows.h>
#include <commctrl.h>

#include <string>
#include <string_view>
#include <vector>

#include "winui/Controls.h"

namespace winui {

// An image list with a key per image. Owns its HIMAGELIST.
class ImageList {
 public:
  ImageList() = default;
  ImageList(int cx, int cy, COLORREF maskColor = CLR_NONE);
  ~ImageList();
  ImageList(const ImageList&) = delete;
  ImageList& operator=(const ImageList&) = delete;
  ImageList(ImageList&& other) noexcept;
  ImageList& operator=(ImageList&& other) noexcept;

  void Create(int cx, int cy, COLORREF maskColor = CLR_NONE);
  // Adds an image (a copy; the caller keeps its handle). Returns its index, -1 on failure.
  int Add(const std::wstring& key, HICON icon);
  int Add(const std::wstring& key, HBITMAP bitmap);
  // Index of the image with this key, -1 when there is none.
  int IndexOf(const std::wstring& key) const;
  int Count() const;
  void Clear();
  HIMAGELIST Handle() const { return handle_; }
  void SetBackColor(COLORREF color);

 private:
  HIMAGELIST handle_ = nullptr;
  COLORREF mask_ = CLR_NONE;
  std::vector<std::wstring> keys_;
};

enum class ListViewMode { Icon = 0, SmallIcon = 1, List = 2, Report = 3 };

// The items of an owner-data list view (kOwnerData). The control keeps only the count, the selection and
// the focus, and asks the source for the cells it shows when it shows them.
class ListItemSource {
 public:
  virtual ~ListItemSource() = default;
  // Cell `column` (0: the item text) of item `item` (from 0).
  virtual std::wstring_view CellText(int item, int column) const = 0;
  // Index of the item's image in the list's image lists, -1 for none.
  virtual int ItemImage(int item) const = 0;
  // The user's in-place edit of an item's text was accepted (AfterLabelEdit did not cancel it).
  virtual void TextEdited(int item, const std::wstring& text) {}
};
enum class ColumnAlign { Left, Right, Center };

class ListView : public Control {
 public:
  using Control::Control;
  // Columns (1-based; column 1 is the item text).
  int AddColumn(const std::wstring& caption, int widthTwips, ColumnAlign align = ColumnAlign::Left);
  int ColumnCount() const;
  int ColumnWidth(int column) const;
  void SetColumnWidth(int column, int widthTwips);
  std::wstring ColumnCaption(int column) const;
  void ClearColumns();

  // Items (1-based). Add puts the item at `index` (-1: at the end) and returns its index.
  int AddItem(const std::wstring& text, int image = -1, int index = -1);
  void RemoveItem(int item);
  void Clear();
  int Count() const;
  std::wstring Text(int item) const;
  void SetText(int item, const std::wstring& text);
  // Sub-item k is column k + 1 (SubItems(1) is the second column).
  std::wstring SubItem(int item, int k) const;
  void SetSubItem(int item, int k, const std::wstring& text);
  int ItemImage(int item) const;
  void SetItemImage(int item, int image);
  LPARAM ItemData(int item) const;
  void SetItemData(int item, LPARAM data);

  bool Selected(int item) const;
  void SetSelected(int item, bool selected);
  // First selected item, 0 when none (SelectedItem).
  int SelectedItem() const;
  std::vector<int> SelectedItems() const;
  int SelCount() const;
  void SelectAll(bool selected = true);
  // Item with the focus rectangle, 0 when none.
  int FocusedItem() const;
  void SetFocusedItem(int item);
  void EnsureVisible(int item);
  // Item under a point in twips relative to the control, 0 when none.
  int HitTest(int xTwips, int yTwips) const;
  // Starts in-place renaming of an item (kLabelEdit).
  void StartLabelEdit(int item);

  ListViewMode View() const;
  void SetView(ListViewMode mode);
  void SetGridLines(bool on);
  // The icons kept arranged along the left edge from now on (in the icon views), and arranged so at once.
  void ArrangeAutoLeft();
  bool AutoArranged() const;
  void SetFullRowSelect(bool on);
  void SetLabelEdit(bool on);
  void SetMultiSelect(bool on);
  // The image lists stay owned by the caller.
  void SetSmallImages(HIMAGELIST images);
  void SetLargeImages(HIMAGELIST images);
  void SetColors(COLORREF text, COLORREF back);
  // Stops drawing while many items change; every Freeze(true) needs its Freeze(false).
  void Freeze(bool on);

  // Owner-data lists (kOwnerData): the source of the items and their count. Setting a count costs the same
  // for ten items and for fifty thousand; the selection and the focus are cleared.
  void SetSource(ListItemSource* source);
  void SetItemCount(int count);
  // Draws the items again after the source changed them in place (sorted, renamed).
  void RefreshItems();
};

class TreeView : public Control {
 public:
  using Control::Control;
  // Adds a node under the node with key `parentKey` (empty: at the root level) at the end. Keys are
  // unique; an existing key or an unknown parent gives null.
  HTREEITEM Add(const std::wstring& parentKey, const std::wstring& key, const std::wstring& text, int image = -1,
                int selectedImage = -1);
  bool Remove(const std::wstring& key);
  // Gives a node another key where it stands; false when `key` is unknown or `newKey` already taken.
  bool SetKey(const std::wstring& key, const std::wstring& newKey);
  void Clear();
  int Count() const;
  bool Exists(const std::wstring& key) const;
  // Keys of all nodes in the order they were added (Nodes(1) is the first).
  std::vector<std::wstring> Keys() const;
  std::wstring Text(const std::wstring& key) const;
  void SetText(const std::wstring& key, const std::wstring& text);
  std::wstring ParentKey(const std::wstring& key) const;
  std::vector<std::wstring> ChildKeys(const std::wstring& key) const;
  // Texts from the root to the node joined by the path separator ("\" unless set).
  std::wstring FullPath(const std::wstring& key) const;
  void SetPathSeparator(const std::wstring& separator);
  void SetImage(const std::wstring& key, int image, int selectedImage = -1);
  std::wstring SelectedKey() const;
  // Selects a node without raising NodeClick.
  void Select(const std::wstring& key);
  void Expand(const std::wstring& key, bool expanded = true);
  bool Expanded(const std::wstring& key) const;
  void EnsureVisible(const std::wstring& key);
  HTREEITEM Node(const std::wstring& key) const;
  std::wstring KeyOf(HTREEITEM node) const;
  // Node under a point in twips relative to the control, empty when none.
  std::wstring HitTest(int xTwips, int yTwips) const;
  void SetImages(HIMAGELIST images);
  void StartLabelEdit(const std::wstring& key);
};

enum class PanelStyle { Text, Date, Time };

class StatusBar : public Control {
 public:
  using Control::Control;
  // Panels (1-based). A panel of width 0 takes the room the others leave (at most one).
  void AddPanel(int widthTwips, PanelStyle style = PanelStyle::Text, const std::wstring& text = L"");
  int PanelCount() const;
  std::wstring PanelText(int panel) const;
  void SetPanelText(int panel, const std::wstring& text);
  int PanelWidth(int panel) const;
  void SetPanelWidth(int panel, int widthTwips);
  // Left edge and width of a panel in twips relative to the status bar.
  RECT PanelRect(int panel) const;
  // Gives the spring panel the room the others leave (the form calls it when it is resized).
  void Relayout();
  // Redraws the date and time panels now (they also refresh themselves every second).
  void UpdateClock();
};

class ProgressBar : public Control {
 public:
  using Control::Control;
  int Min() const;
  int Max() const;
  int Value() const;
  void SetRange(int min, int max);
  void SetValue(int value);
};

class Slider : public Control {
 public:
  using Control::Control;
  int Min() const;
  int Max() const;
  int Value() const;
  void SetRange(int min, int max);
  // Raises Change when the value changes.
  void SetValue(int value);
  void SetTickFrequency(int every);
};

class TabStrip : public Control {
 public:
  using Control::Control;
  // Tabs (1-based).
  int AddTab(const std::wstring& caption, const std::wstring& key = L"");
  int TabCount() const;
  std::wstring TabCaption(int tab) const;
  std::wstring TabKey(int tab) const;
  int SelectedTab() const;
  // Selects a tab, shows its page and raises Click when the selection changes.
  void SetSelectedTab(int tab);
  void Clear();
  // The page area below the tabs, in twips relative to the form's client area.
  RECT ClientArea() const;
  // Pages (winui/TabPages.h): tab k shows page PageId(k); 0 when that tab has no page.
  int PageCount() const;
  int PageId(int tab) const;
};

enum class ButtonStyle { Default, Separator, DropDown, Placeholder, Check };

class Toolbar : public Control {
 public:
  using Control::Control;
  void SetImages(HIMAGELIST images);
  // Buttons (1-based). A placeholder takes `widthTwips` and holds a control placed on it.
  int AddButton(const std::wstring& key, int image, const std::wstring& toolTip,
                ButtonStyle style = ButtonStyle::Default, int widthTwips = 0);
  int ButtonCount() const;
  int ButtonIndex(const std::wstring& key) const;
  std::wstring ButtonKey(int button) const;
  bool ButtonEnabled(const std::wstring& key) const;
  void SetButtonEnabled(const std::wstring& key, bool enabled);
  bool ButtonVisible(const std::wstring& key) const;
  void SetButtonVisible(const std::wstring& key, bool visible);
  bool ButtonChecked(const std::wstring& key) const;
  void SetButtonChecked(const std::wstring& key, bool checked);
  // Rectangle of a button in twips relative to the tool bar.
  RECT ButtonRect(const std::wstring& key) const;
  // Items of a drop-down button's menu (1-based); choosing one raises ButtonMenuClick.
  int AddButtonMenu(const std::wstring& key, const std::wstring& text);
  void ClearButtonMenus(const std::wstring& key);
  int ButtonMenuCount(const std::wstring& key) const;
  std::wstring ButtonMenuText(const std::wstring& key, int item) const;
  void SetButtonMenuText(const std::wstring& key, int item, const std::wstring& text);
  void SetButtonMenuVisible(const std::wstring& key, int item, bool visible);
  // Presses a button as a click would (raises ButtonClick when it is enabled).
  void Press(const std::wstring& key);
};

class Rebar : public Control {
 public:
  using Control::Control;
  // Adds a band holding control `childId` (0: an empty band). Children declared with this rebar as their
  // container get a band each at load.
  int AddBand(int childId, int minHeightTwips, bool fixedSize = false, int minWidthTwips = 0);
  int BandCount() const;
  // Height of the whole bar in twips.
  int BarHeight() const;
};

}  // namespace winui
