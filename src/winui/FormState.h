#pragma once
// What a loaded form keeps per control and per menu item. Shared by the form and the wrappers only.
#include <windows.h>
#include <commctrl.h>

#include <map>
#include <string>
#include <vector>

#include "winui/CommonControls.h"
#include "winui/FormTypes.h"

namespace winui::detail {

struct PanelState {
  int widthPx = 0;
  PanelStyle style = PanelStyle::Text;
  std::wstring text;
};

struct ToolButtonState {
  std::wstring key;
  std::wstring toolTip;
  int commandId = 0;
  std::vector<std::wstring> menu;
  std::vector<bool> menuVisible;
};

struct ControlState {
  Form* form = nullptr;
  int id = 0;
  ControlDef def{};
  HWND hwnd = nullptr;
  HFONT ownFont = nullptr;
  HFONT font = nullptr;  // font of our own window classes (WM_SETFONT)
  std::wstring toolTip;
  COLORREF backColor = CLR_INVALID;
  COLORREF foreColor = CLR_INVALID;
  HBRUSH backBrush = nullptr;
  MousePointer pointer = MousePointer::Default;
  bool acceptFiles = false;

  // Check box (0/1/2) and option button value, kept here so a user's click is a known change.
  int value = 0;

  // Scroll bar / slider / progress bar range.
  int min = 0, max = 100, smallChange = 1, largeChange = 10;

  // Timer.
  int interval = 0;
  bool timerEnabled = false;

  // Picture box persistent image, image control picture.
  HDC imageDc = nullptr;
  HBITMAP imageBitmap = nullptr;
  HGDIOBJ oldBitmap = nullptr;
  HICON pictureIcon = nullptr;
  HBITMAP pictureBitmap = nullptr;
  bool stretch = false;

  // Status bar panels, tool bar buttons, tree nodes, tab keys.
  std::vector<PanelState> panels;
  std::vector<ToolButtonState> buttons;
  std::map<std::wstring, HTREEITEM> nodeByKey;
  std::map<HTREEITEM, std::wstring> keyByNode;
  std::vector<std::wstring> nodeOrder;
  std::wstring pathSeparator = L"\\";
  std::vector<std::wstring> tabKeys;
  std::vector<int> pages;  // TabStrip: ids of its pages, in the order of their rows (tab k shows pages[k - 1])
  int freeze = 0;
  // List view of kOwnerData: where its items come from.
  ListItemSource* source = nullptr;
};

struct MenuState {
  int id = 0;
  MenuDef def{};
  std::wstring caption;
  int parent = 0;  // id of the menu it belongs to (0: the bar or a popup-only root)
  std::vector<int> children;
  HMENU popup = nullptr;  // its drop-down, when it has items
  bool checked = false, enabled = true, visible = true;
};

// Shows the page of a tab strip's selected tab and hides its other pages.
void ShowSelectedPage(ControlState& strip);

// Changes made by the program raise no user events (ItemClick, NodeClick, Change) while one lives.
class Quiet {
 public:
  explicit Quiet(Form& form) : form_(form) { form_.Suppress(true); }
  ~Quiet() { form_.Suppress(false); }
  Quiet(const Quiet&) = delete;
  Quiet& operator=(const Quiet&) = delete;

 private:
  Form& form_;
};

}  // namespace winui::detail
