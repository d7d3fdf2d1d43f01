// The form's window procedure and handler table: binding, raising (exceptions caught at this edge), and
// turning control notifications into the events the handlers are named after.
#include <windows.h>
#include <commctrl.h>
#include <shellapi.h>

#include <exception>

#include "winui/App.h"
#include "winui/CommonControls.h"
#include "winui/Form.h"

#include <utility>
#include "winui/FormState.h"
#include "winui/Internal.h"
#include "winui/ListControls.h"
#include "winui/OwnClasses.h"

namespace winui {
namespace {

HandlerErrorSink& TheSink() {
  static HandlerErrorSink sink;
  return sink;
}

std::wstring Widen(const char* text) {
  int n = MultiByteToWideChar(CP_UTF8, 0, text, -1, nullptr, 0);
  UINT codePage = CP_UTF8;
  if (n <= 0) {
    codePage = 932;
    n = MultiByteToWideChar(codePage, 0, text, -1, nullptr, 0);
  }
  if (n <= 0) return L"?";
  std::wstring wide(static_cast<size_t>(n), L'\0');
  MultiByteToWideChar(codePage, 0, text, -1, wide.data(), n);
  wide.resize(static_cast<size_t>(n - 1));
  return wide;
}

}  // namespace

HandlerErrorSink SetHandlerErrorSink(HandlerErrorSink sink) { return std::exchange(TheSink(), std::move(sink)); }

bool Form::Guarded(const std::wstring& where, const std::function<void()>& body) {
  std::wstring what;
  try {
    body();
    return true;
  } catch (const std::exception& e) {
    what = Widen(e.what());
  } catch (...) {
    what = L"unknown exception";
  }
  try {
    if (TheSink()) {
      TheSink()(*this, where, what);
    } else {
      OutputDebugStringW((L"winui: exception in " + where + L": " + what + L"\n").c_str());
    }
  } catch (...) {
    OutputDebugStringW(L"winui: the handler error sink threw\n");
  }
  return false;
}

void Form::On(int id, Event event, Handler handler) { handlers_[{id, event}] = std::move(handler); }

namespace {
// Index-0 id of the array a control or menu item belongs to, or the id itself.
int ArrayBase(int id, int index) { return index > 0 ? id - index : id; }
constexpr UINT kRestoreFocus = WM_APP + 0x57;
}  // namespace

bool Form::Handles(int id, Event event) const {
  if (handlers_.count({id, event})) return true;
  int index = -1;
  if (detail::ControlState* state = State(id))
    index = state->def.index;
  else if (auto it = menus_.find(id); it != menus_.end())
    index = it->second->def.index;
  return index > 0 && handlers_.count({ArrayBase(id, index), event});
}

bool Form::Raise(int id, Event event, EventArgs& args) {
  // Nothing more is raised once the window is gone (a handler unloaded the form).
  if (Suppressed() || !hwnd_) return false;
  int index = -1;
  if (detail::ControlState* state = State(id))
    index = state->def.index;
  else if (auto it = menus_.find(id); it != menus_.end())
    index = it->second->def.index;
  auto it = handlers_.find({id, event});
  if (it == handlers_.end() && index > 0) it = handlers_.find({ArrayBase(id, index), event});
  if (it == handlers_.end()) return false;
  args.id = id;
  args.index = index;
  Handler handler = it->second;  // the handler may rebind itself
  Guarded(NameOf(id), [&] { handler(args); });
  return true;
}

bool Form::Raise(int id, Event event) {
  EventArgs args;
  return Raise(id, event, args);
}

std::wstring Form::NameOf(int id) const {
  std::wstring name;
  int index = -1;
  if (detail::ControlState* state = State(id)) {
    name = state->def.name ? state->def.name : L"";
    index = state->def.index;
  } else if (auto it = menus_.find(id); it != menus_.end()) {
    name = it->second->def.name ? it->second->def.name : L"";
    index = it->second->def.index;
  } else {
    for (const ControlDef& def : controlDefs_)
      if (def.id == id) return def.name ? def.name : L"";
    return L"#" + std::to_wstring(id);
  }
  if (index >= 0) name += L"(" + std::to_wstring(index) + L")";
  return name;
}

int Form::IdOf(const std::wstring& name, int index) const {
  for (const auto& [id, state] : controls_)
    if (state->def.name && name == state->def.name && state->def.index == index) return id;
  for (const auto& [id, menu] : menus_)
    if (menu->def.name && name == menu->def.name && menu->def.index == index) return id;
  for (const ControlDef& def : controlDefs_)
    if (def.name && name == def.name && def.index == index) return def.id;
  return 0;
}

bool Form::OnCommand(WPARAM wParam, LPARAM lParam) {
  int id = LOWORD(wParam);
  UINT code = HIWORD(wParam);
  HWND source = reinterpret_cast<HWND>(lParam);
  // The dialog keys: Esc sends IDCANCEL, Enter without a default button IDOK.
  if ((id == IDCANCEL || id == IDOK) && !State(id) && !MenuExists(id)) {
    int button = id == IDCANCEL ? CancelButton() : DefaultButton();
    if (button) CommandButton(this, button).Click();
    return true;
  }
  if (!source && code <= 1) {
    MenuClicked(id);
    return true;
  }
  detail::ControlState* state = State(id);
  if (!state || state->hwnd != source) {
    // A tool-bar button: its command id is the button's own.
    for (auto& [barId, bar] : controls_) {
      if (bar->def.kind != Kind::Toolbar || bar->hwnd != source) continue;
      for (size_t i = 0; i < bar->buttons.size(); ++i) {
        if (bar->buttons[i].commandId != id) continue;
        EventArgs args;
        args.key = bar->buttons[i].key;
        args.item = static_cast<int>(i) + 1;
        Raise(barId, Event::ButtonClick, args);
        return true;
      }
    }
    return false;
  }
  switch (state->def.kind) {
    case Kind::CommandButton:
      if (code == BN_CLICKED) Raise(id, Event::Click);
      return true;
    case Kind::CheckBox:
      if (code == BN_CLICKED) CheckBox(this, id).SetValue(state->value == 1 ? 0 : 1);
      return true;
    case Kind::OptionButton:
      if (code == BN_CLICKED) OptionButton(this, id).SetValue(true);
      if (code == BN_DOUBLECLICKED) Raise(id, Event::DblClick);
      return true;
    case Kind::Label:
      if (code == STN_CLICKED) Raise(id, Event::Click);
      if (code == STN_DBLCLK) Raise(id, Event::DblClick);
      return true;
    case Kind::TextBox:
      if (code == EN_CHANGE) Raise(id, Event::Change);
      return true;
    case Kind::ComboBox:
      if (code == CBN_SELCHANGE) Raise(id, Event::Click);
      if (code == CBN_EDITCHANGE) Raise(id, Event::Change);
      if (code == CBN_DROPDOWN) Raise(id, Event::DropDown);
      if (code == CBN_SETFOCUS) Raise(id, Event::GotFocus);
      if (code == CBN_KILLFOCUS) Raise(id, Event::LostFocus);
      if (code == CBN_DBLCLK) Raise(id, Event::DblClick);
      return true;
    case Kind::ListBox:
      if (code == LBN_SELCHANGE) Raise(id, Event::Click);
      if (code == LBN_DBLCLK) Raise(id, Event::DblClick);
      return true;
    default:
      return false;
  }
}

void Form::OnTimer(UINT_PTR timerId) {
  if (timerId == clockTimer_) {
    for (auto& [id, state] : controls_)
      if (state->def.kind == Kind::StatusBar) StatusBar(this, id).UpdateClock();
    return;
  }
  int id = static_cast<int>(timerId);
  detail::ControlState* state = State(id);
  if (state && state->def.kind == Kind::Timer && state->timerEnabled) Raise(id, Event::Timer);
}

bool Form::OnScroll(HWND bar, int code) {
  int id = GetDlgCtrlID(bar);
  detail::ControlState* state = State(id);
  if (!state || state->hwnd != bar) return false;
  if (state->def.kind == Kind::Slider) {
    Slider slider(this, id);
    int pos = static_cast<int>(SendMessageW(bar, TBM_GETPOS, 0, 0));
    if (code == TB_THUMBTRACK) {
      Raise(id, Event::Scroll);
    } else if (pos != state->value) {
      state->value = pos;
      Raise(id, Event::Change);
    }
    return true;
  }
  if (state->def.kind != Kind::HScrollBar && state->def.kind != Kind::VScrollBar) return false;
  ScrollBar scroll(this, id);
  int value = scroll.Value();
  switch (code) {
    case SB_LINEUP:
      value -= state->smallChange;
      break;
    case SB_LINEDOWN:
      value += state->smallChange;
      break;
    case SB_PAGEUP:
      value -= state->largeChange;
      break;
    case SB_PAGEDOWN:
      value += state->largeChange;
      break;
    case SB_TOP:
      value = state->min;
      break;
    case SB_BOTTOM:
      value = state->max;
      break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: {
      SCROLLINFO info{};
      info.cbSize = sizeof info;
      info.fMask = SIF_TRACKPOS;
      GetScrollInfo(bar, SB_CTL, &info);
      value = info.nTrackPos;
      if (code == SB_THUMBTRACK) {
        SetScrollPos(bar, SB_CTL, value, TRUE);
        Raise(id, Event::Scroll);
        return true;
      }
      break;
    }
    default:
      return true;
  }
  scroll.SetValue(value);
  return true;
}

LRESULT Form::HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_COMMAND:
      if (OnCommand(wParam, lParam)) return 0;
      break;
    case WM_NOTIFY: {
      LRESULT result = 0;
      if (OnNotify(reinterpret_cast<NMHDR*>(lParam), result)) return result;
      break;
    }
    case WM_HSCROLL:
    case WM_VSCROLL:
      if (lParam && OnScroll(reinterpret_cast<HWND>(lParam), LOWORD(wParam))) return 0;
      break;
    case WM_TIMER:
      OnTimer(wParam);
      return 0;
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORLISTBOX: {
      detail::ControlState* state = State(GetDlgCtrlID(reinterpret_cast<HWND>(lParam)));
      if (!state || state->hwnd != reinterpret_cast<HWND>(lParam)) break;
      HDC dc = reinterpret_cast<HDC>(wParam);
      bool readOnlyEdit = msg == WM_CTLCOLORSTATIC && state->def.kind == Kind::TextBox;
      if (state->foreColor != CLR_INVALID) SetTextColor(dc, detail::ResolveColor(state->foreColor));
      if (state->def.kind == Kind::Label && (state->def.style & kTransparent)) {
        SetBkMode(dc, TRANSPARENT);
        return reinterpret_cast<LRESULT>(GetStockObject(NULL_BRUSH));
      }
      if (state->backColor != CLR_INVALID) {
        SetBkColor(dc, detail::ResolveColor(state->backColor));
        return reinterpret_cast<LRESULT>(detail::BackBrush(*state));
      }
      if (state->foreColor != CLR_INVALID || readOnlyEdit) {
        int sys = (msg == WM_CTLCOLOREDIT || msg == WM_CTLCOLORLISTBOX) ? COLOR_WINDOW : COLOR_BTNFACE;
        SetBkColor(dc, GetSysColor(sys));
        return reinterpret_cast<LRESULT>(GetSysColorBrush(sys));
      }
      break;
    }
    case WM_SIZE:
      for (auto& [id, state] : controls_) {
        Kind kind = state->def.kind;
        if ((kind == Kind::StatusBar || (kind == Kind::Rebar)) && state->hwnd) SendMessageW(state->hwnd, WM_SIZE, 0, 0);
        if (kind == Kind::StatusBar) StatusBar(this, id).Relayout();
      }
      // Not while the window is being created: its controls and Form_Load come after.
      if (ready_) Guarded(L"Form_Resize", [this] { Form_Resize(); });
      return 0;
    case WM_ACTIVATE:
      if (LOWORD(wParam) == WA_INACTIVE) {
        HWND focus = GetFocus();
        if (focus && IsChild(hwnd_, focus)) lastFocus_ = focus;
        Guarded(L"Form_Deactivate", [this] { Form_Deactivate(); });
      } else {
        // Restored once the activation is over, unless it came from a control taking the focus itself.
        PostMessageW(hwnd_, kRestoreFocus, 0, 0);
        Guarded(L"Form_Activate", [this] { Form_Activate(); });
      }
      return 0;
    case kRestoreFocus: {
      HWND focus = GetFocus();
      if (GetActiveWindow() != hwnd_ || (focus && IsChild(hwnd_, focus))) return 0;
      // Back to the control that had the focus; the first time, the first stop of the Tab order.
      HWND target = lastFocus_ && IsWindow(lastFocus_) && IsChild(hwnd_, lastFocus_)
                        ? lastFocus_
                        : GetNextDlgTabItem(hwnd_, nullptr, FALSE);
      if (target) ::SetFocus(target);
      return 0;
    }
    case WM_CLOSE:
      Unload(UnloadMode::ControlMenu);
      return 0;
    case WM_QUERYENDSESSION:
      return Unload(UnloadMode::AppWindows) ? TRUE : FALSE;
    case DM_GETDEFID: {
      int button = DefaultButton();
      return button ? MAKELRESULT(button, DC_HASDEFID) : 0;
    }
    case WM_NEXTDLGCTL: {
      HWND next = LOWORD(lParam) ? reinterpret_cast<HWND>(wParam) : GetNextDlgTabItem(hwnd_, GetFocus(), wParam != 0);
      if (next) {
        ::SetFocus(next);
        // As dialogs do, Tab into a text box selects its text.
        if (SendMessageW(next, WM_GETDLGCODE, 0, 0) & DLGC_HASSETSEL) SendMessageW(next, EM_SETSEL, 0, -1);
      }
      return 0;
    }
    case WM_SETCURSOR:
      if (BusyCursor()) {
        SetCursor(LoadCursorW(nullptr, IDC_WAIT));
        return TRUE;
      }
      break;
    case WM_INITMENUPOPUP: {
      int opened = 0;
      for (auto& [id, menu] : menus_)
        if (id != 0 && menu->popup == reinterpret_cast<HMENU>(wParam)) opened = id;
      if (opened) Raise(opened, Event::Click);
      return 0;
    }
    case WM_KEYDOWN:
    case WM_KEYUP: {
      int key = static_cast<int>(wParam);
      if (msg == WM_KEYDOWN)
        Guarded(L"Form_KeyDown", [&] { Form_KeyDown(key, detail::ShiftState()); });
      else
        Guarded(L"Form_KeyUp", [&] { Form_KeyUp(key, detail::ShiftState()); });
      return 0;
    }
    case WM_CHAR: {
      int key = static_cast<int>(wParam);
      Guarded(L"Form_KeyPress", [&] { Form_KeyPress(key); });
      return 0;
    }
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
    case WM_MOUSEMOVE: {
      int x = PixelsToTwipsX(static_cast<short>(LOWORD(lParam)));
      int y = PixelsToTwipsY(static_cast<short>(HIWORD(lParam)));
      int button = (msg == WM_LBUTTONDOWN || msg == WM_LBUTTONUP) ? kLeftButton
                   : (msg == WM_RBUTTONDOWN || msg == WM_RBUTTONUP)
                       ? kRightButton
                       : ((wParam & MK_LBUTTON) ? kLeftButton : 0) | ((wParam & MK_RBUTTON) ? kRightButton : 0);
      Guarded(L"Form_Mouse", [&] {
        if (msg == WM_MOUSEMOVE)
          Form_MouseMove(button, detail::ShiftState(), x, y);
        else if (msg == WM_LBUTTONDOWN || msg == WM_RBUTTONDOWN)
          Form_MouseDown(button, detail::ShiftState(), x, y);
        else
          Form_MouseUp(button, detail::ShiftState(), x, y);
      });
      return 0;
    }
    case WM_DROPFILES: {
      std::vector<std::wstring> files = detail::DroppedFileNames(reinterpret_cast<HDROP>(wParam));
      Guarded(L"Form_DropFiles", [&] { Form_DropFiles(files); });
      return 0;
    }
    case WM_PAINT: {
      PAINTSTRUCT ps;
      BeginPaint(hwnd_, &ps);
      EndPaint(hwnd_, &ps);
      Guarded(L"Form_Paint", [this] { Form_Paint(); });
      return 0;
    }
    case WM_DESTROY:
      if (menuBar_) SetMenu(hwnd_, nullptr);
      break;
    case WM_NCDESTROY: {
      HWND hwnd = hwnd_;
      SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
      DestroyEverything();
      return DefWindowProcW(hwnd, msg, wParam, lParam);
    }
    default:
      break;
  }
  return Default(msg, wParam, lParam);
}

}  // namespace winui
