#pragma once
// The vocabulary of a form table: control kinds, style flags, one row per control, the form's own
// description, events and their arguments. Positions and sizes are in twips (1440 to the inch).
#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

namespace winui {

enum class Kind {
  Label,
  TextBox,
  CommandButton,
  CheckBox,
  OptionButton,
  Frame,
  ComboBox,
  ListBox,
  PictureBox,
  Image,
  HScrollBar,
  VScrollBar,
  ListView,
  TreeView,
  StatusBar,
  ProgressBar,
  Slider,
  TabStrip,
  Toolbar,
  Rebar,
  Timer,
};

// Style flags of a control row; each applies to the kinds named beside it and is ignored elsewhere.
enum Style : unsigned {
  kNone = 0,
  kHidden = 1u << 0,            // any: created invisible
  kDisabled = 1u << 1,          // any: created disabled (Timer: created not Enabled)
  kNoTabStop = 1u << 2,         // focusable kinds: left out of the Tab order
  kMultiLine = 1u << 3,         // TextBox (with a vertical scroll bar and Enter as a new line)
  kReadOnly = 1u << 4,          // TextBox (Locked)
  kPassword = 1u << 5,          // TextBox
  kDefault = 1u << 6,           // CommandButton: Enter anywhere on the form clicks it
  kCancel = 1u << 7,            // CommandButton: Esc anywhere on the form clicks it
  kDropDownList = 1u << 8,      // ComboBox: pick only, no typing (without it the combo box is editable)
  kSorted = 1u << 9,            // ComboBox, ListBox
  kMultiSelect = 1u << 10,      // ListBox (extended selection), ListView (several items)
  kAutoSize = 1u << 11,         // Label: the width follows the caption
  kAlignRight = 1u << 12,       // Label, TextBox
  kAlignCenter = 1u << 13,      // Label, TextBox
  kBorder = 1u << 14,           // Label, PictureBox, Image: a sunken single border
  kScrollBars = 1u << 15,       // TextBox (multi-line): both scroll bars; ListBox: horizontal too
  kGraphical = 1u << 16,        // CommandButton, CheckBox: shows a picture (SetPicture) instead of text
  kFullRowSelect = 1u << 17,    // ListView
  kGridLines = 1u << 18,        // ListView
  kLabelEdit = 1u << 19,        // ListView, TreeView: in-place renaming
  kNoColumnHeaders = 1u << 20,  // ListView
  kLinesAndButtons = 1u << 21,  // TreeView: lines, +/- buttons, lines at root
  kTransparent = 1u << 22,      // Label, Image: draws over what is below it
  kNoSizeGrip = 1u << 23,       // StatusBar
  kFlat = 1u << 24,             // Toolbar: flat buttons with text on the right allowed
  kOwnerData = 1u << 25,        // ListView: the items live in the program (ListView::SetSource)
};

constexpr Style operator|(Style a, Style b) { return static_cast<Style>(unsigned(a) | unsigned(b)); }

// One control of a form table. `id` is the control's stable number, published in the form's header;
// a control array is a run of rows with the same name and consecutive ids (id = id of index 0 + index).
// `container` is the id of the Frame, PictureBox, Toolbar or Rebar the control sits in (0: the form);
// its position is then relative to that container. A Frame or PictureBox whose container is a TabStrip is
// one of the strip's pages (winui/TabPages.h): it is placed like the strip, over it, and shown only while
// its tab is selected. `tabIndex` orders the Tab key (-1: table order).
// `value`: Timer interval in milliseconds; ScrollBar/Slider/ProgressBar maximum (minimum 0 until set).
// The texts are not copied: tables point to string literals.
struct ControlDef {
  int id;
  const wchar_t* name;
  Kind kind;
  int left, top, width, height;
  const wchar_t* caption = L"";
  unsigned style = kNone;
  int tabIndex = -1;
  int container = 0;
  int index = -1;
  int value = 0;
};

enum class BorderStyle { None, FixedSingle, Sizable, FixedDialog, FixedToolWindow, SizableToolWindow };
enum class StartPosition { Manual, CenterOwner, CenterScreen, WindowsDefault };

// The form itself. `clientWidth`/`clientHeight` are the inside of the window (ScaleWidth/ScaleHeight);
// `left`/`top` are used with StartPosition::Manual. The font falls back to the other Japanese UI face and
// then to the default GUI font when a face is not installed.
struct FormDef {
  const wchar_t* className;  // window class, unique per form ("Tolvenar.frmDravisk")
  const wchar_t* caption;
  int clientWidth, clientHeight;
  BorderStyle border = BorderStyle::Sizable;
  bool minButton = true;
  bool maxButton = true;
  StartPosition start = StartPosition::WindowsDefault;
  bool keyPreview = false;
  const wchar_t* fontName = L"MS UI Gothic";
  int fontPoints = 9;
  int iconId = 0;  // icon resource of the program, 0 for none
  int left = 0, top = 0;
  bool controlBox = true;
  bool showInTaskbar = true;
};

// One menu item. `level` 0 is a menu of the bar (or, with kMenuPopupOnly, a menu used only as a popup);
// items with a higher level belong to the nearest preceding item one level up. A caption of "-" is a
// separator. `shortcut` is a virtual key combined with the kCtrl/kShift/kAlt flags below (0: none).
struct MenuDef {
  int id;
  const wchar_t* name;
  int level;
  const wchar_t* caption;
  unsigned flags = 0;
  UINT shortcut = 0;
  int index = -1;
};

enum MenuFlags : unsigned {
  kMenuChecked = 1u << 0,
  kMenuDisabled = 1u << 1,
  kMenuHidden = 1u << 2,
  kMenuPopupOnly = 1u << 3,  // level-0 menu not shown on the bar, only by PopupMenu
};

// Shortcut modifiers (combined with a virtual key in MenuDef::shortcut).
enum ShortcutFlags : UINT { kCtrl = 0x10000, kShift = 0x20000, kAlt = 0x40000 };

enum class Event {
  Click,
  DblClick,
  Change,
  GotFocus,
  LostFocus,
  KeyDown,
  KeyPress,
  KeyUp,
  MouseDown,
  MouseMove,
  MouseUp,
  Scroll,    // scroll bar / slider thumb dragged
  DropDown,  // combo box list opens
  Timer,
  NodeClick,        // TreeView: args.key, args.node
  Expand,           // TreeView
  Collapse,         // TreeView
  ColumnClick,      // ListView: args.item = column (1-based)
  ItemClick,        // ListView: args.item = item (1-based)
  BeforeLabelEdit,  // ListView/TreeView: args.cancel
  AfterLabelEdit,   // ListView/TreeView: args.text, args.cancel
  ButtonClick,      // Toolbar: args.key, args.item = button (1-based)
  ButtonDropDown,   // Toolbar: args.key (before the button's menu opens)
  ButtonMenuClick,  // Toolbar: args.key = button key, args.item = menu item (1-based), args.text
  HeightChanged,    // Rebar
  PanelClick,       // StatusBar: args.item = panel (1-based)
  DropFiles,        // any control that accepts files: args.files, args.x/y
};

// Shift state of key and mouse events, as the handlers expect it.
enum ShiftFlags { kShiftMask = 1, kCtrlMask = 2, kAltMask = 4 };
// Mouse buttons of mouse events.
enum MouseButtons { kLeftButton = 1, kRightButton = 2, kMiddleButton = 4 };

struct EventArgs {
  int id = 0;         // control or menu id that raised the event
  int index = -1;     // index inside its control/menu array, -1 when not in an array
  int keyCode = 0;    // KeyDown/KeyUp: set to 0 to swallow the key
  int keyAscii = 0;   // KeyPress: set to 0 to swallow, or change the character
  int shift = 0;      // ShiftFlags
  int button = 0;     // MouseButtons
  int x = 0, y = 0;   // mouse position in twips, relative to the control
  int item = 0;       // see Event
  std::wstring key;   // see Event
  std::wstring text;  // see Event
  HTREEITEM node = nullptr;
  bool cancel = false;
  std::vector<std::wstring> files;
};

// Why a form is being unloaded (Form_QueryUnload).
enum class UnloadMode { ControlMenu = 0, Code = 1, AppWindows = 2, TaskManager = 3, Owner = 5 };

}  // namespace winui
