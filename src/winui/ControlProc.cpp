// The subclass of every control (focus, keys, mouse, cursor, dropped files, passing notifications of
// contained controls on to the form) and the window procedure of our own frame, picture and image classes.
#include <windows.h>
#include <commctrl.h>
#include <shellapi.h>

#include <algorithm>

#include "winui/App.h"
#include "winui/FormState.h"
#include "winui/Internal.h"
#include "winui/OwnClasses.h"

namespace winui::detail {
namespace {

constexpr UINT_PTR kSubclassId = 0x57u;

int MouseButtonsOf(WPARAM wParam) {
  int buttons = 0;
  if (wParam & MK_LBUTTON) buttons |= kLeftButton;
  if (wParam & MK_RBUTTON) buttons |= kRightButton;
  if (wParam & MK_MBUTTON) buttons |= kMiddleButton;
  return buttons;
}

// True when `source` is a control of this form other than `self`.
bool IsOurControl(const Form& form, HWND self, HWND source) {
  if (!source || source == self) return false;
  ControlState* state = form.State(GetDlgCtrlID(source));
  return state && state->hwnd == source;
}

bool ForwardToForm(ControlState& state, HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  HWND source = nullptr;
  switch (msg) {
    case WM_COMMAND:
    case WM_HSCROLL:
    case WM_VSCROLL:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORSCROLLBAR:
      source = reinterpret_cast<HWND>(lParam);
      break;
    case WM_NOTIFY:
      source = reinterpret_cast<NMHDR*>(lParam)->hwndFrom;
      break;
    default:
      return false;
  }
  if (!IsOurControl(*state.form, hwnd, source)) return false;
  result = SendMessageW(state.form->Hwnd(), msg, wParam, lParam);
  return true;
}

// Keys reach a control only when the dialog keys leave them: Enter and Esc are wanted by a control that
// handles keys on a form without a default / cancel button.
LRESULT DialogCode(ControlState& state, HWND hwnd, WPARAM wParam, LPARAM lParam) {
  LRESULT code = DefSubclassProc(hwnd, WM_GETDLGCODE, wParam, lParam);
  auto* msg = reinterpret_cast<MSG*>(lParam);
  if (!msg || (msg->message != WM_KEYDOWN && msg->message != WM_CHAR)) return code;
  Form& form = *state.form;
  bool wantsKeys = form.Handles(state.id, Event::KeyDown) || form.Handles(state.id, Event::KeyPress);
  if (!wantsKeys) return code;
  if (msg->wParam == VK_RETURN && !form.DefaultButton()) code |= DLGC_WANTMESSAGE;
  if (msg->wParam == VK_ESCAPE && !form.CancelButton()) code |= DLGC_WANTMESSAGE;
  return code;
}

// Runs a key event; returns true when the handler swallowed the key.
bool KeyEvent(ControlState& state, UINT msg, WPARAM& wParam) {
  Form& form = *state.form;
  EventArgs args;
  if (msg == WM_CHAR) {
    if (!form.Handles(state.id, Event::KeyPress)) return false;
    args.keyAscii = static_cast<int>(wParam);
    form.Raise(state.id, Event::KeyPress, args);
    if (args.keyAscii == 0) return true;
    wParam = static_cast<WPARAM>(args.keyAscii);
    return false;
  }
  Event event = (msg == WM_KEYDOWN || msg == WM_SYSKEYDOWN) ? Event::KeyDown : Event::KeyUp;
  if (!form.Handles(state.id, event)) return false;
  args.keyCode = static_cast<int>(wParam);
  args.shift = ShiftState();
  form.Raise(state.id, event, args);
  return args.keyCode == 0;
}

void MouseEvent(ControlState& state, UINT msg, WPARAM wParam, LPARAM lParam) {
  Event event = Event::MouseMove;
  int button = MouseButtonsOf(wParam);
  switch (msg) {
    case WM_LBUTTONDOWN:
      event = Event::MouseDown;
      button = kLeftButton;
      break;
    case WM_RBUTTONDOWN:
      event = Event::MouseDown;
      button = kRightButton;
      break;
    case WM_MBUTTONDOWN:
      event = Event::MouseDown;
      button = kMiddleButton;
      break;
    case WM_LBUTTONUP:
      event = Event::MouseUp;
      button = kLeftButton;
      break;
    case WM_RBUTTONUP:
      event = Event::MouseUp;
      button = kRightButton;
      break;
    case WM_MBUTTONUP:
      event = Event::MouseUp;
      button = kMiddleButton;
      break;
    default:
      break;
  }
  if (!state.form->Handles(state.id, event)) return;
  EventArgs args;
  args.button = button;
  args.shift = ShiftState();
  args.x = PixelsToTwipsX(static_cast<short>(LOWORD(lParam)));
  args.y = PixelsToTwipsY(static_cast<short>(HIWORD(lParam)));
  state.form->Raise(state.id, event, args);
}

void DroppedFiles(ControlState& state, HDROP drop) {
  EventArgs args;
  POINT pt{};
  args.files = DroppedFileNames(drop, &pt);
  args.x = PixelsToTwipsX(pt.x);
  args.y = PixelsToTwipsY(pt.y);
  state.form->Raise(state.id, Event::DropFiles, args);
}

// Tool tips of tool-bar buttons come from the buttons' own texts.
bool ToolTipText(ControlState& state, HWND hwnd, LPARAM lParam) {
  auto* info = reinterpret_cast<NMTTDISPINFOW*>(lParam);
  if (info->hdr.code != TTN_GETDISPINFOW) return false;
  if (info->hdr.hwndFrom != reinterpret_cast<HWND>(SendMessageW(hwnd, TB_GETTOOLTIPS, 0, 0))) return false;
  for (ToolButtonState& button : state.buttons) {
    if (static_cast<UINT_PTR>(button.commandId) != info->hdr.idFrom) continue;
    info->lpszText = button.toolTip.data();
    info->hinst = nullptr;
    return true;
  }
  return false;
}

bool ControlMessage(ControlState& state, HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  if (!state.hwnd) return false;  // the control was destroyed by a handler further up the stack
  if (ForwardToForm(state, hwnd, msg, wParam, lParam, result)) return true;
  if (msg == WM_NOTIFY && state.def.kind == Kind::Toolbar && ToolTipText(state, hwnd, lParam)) {
    result = 0;
    return true;
  }
  Form& form = *state.form;
  bool combo = state.def.kind == Kind::ComboBox;  // its focus events come as CBN_SETFOCUS/CBN_KILLFOCUS
  switch (msg) {
    case WM_SETFOCUS:
      result = DefSubclassProc(hwnd, msg, wParam, lParam);
      if (!combo && state.hwnd) form.Raise(state.id, Event::GotFocus);
      return true;
    case WM_KILLFOCUS:
      result = DefSubclassProc(hwnd, msg, wParam, lParam);
      if (!combo && state.hwnd) form.Raise(state.id, Event::LostFocus);
      return true;
    case WM_GETDLGCODE:
      result = DialogCode(state, hwnd, wParam, lParam);
      return true;
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
    case WM_KEYUP:
    case WM_SYSKEYUP:
    case WM_CHAR:
      if (KeyEvent(state, msg, wParam)) {
        result = 0;
        return true;
      }
      result = DefSubclassProc(hwnd, msg, wParam, lParam);
      return true;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
    case WM_MBUTTONUP:
    case WM_MOUSEMOVE:
      result = DefSubclassProc(hwnd, msg, wParam, lParam);
      // The list and tree views keep the right button's release to themselves; NM_RCLICK stands for it.
      if (msg == WM_RBUTTONUP && (state.def.kind == Kind::ListView || state.def.kind == Kind::TreeView)) return true;
      if (state.hwnd) MouseEvent(state, msg, wParam, lParam);
      return true;
    case WM_SETCURSOR:
      if (HCURSOR cursor = CursorFor(static_cast<int>(state.pointer))) {
        SetCursor(cursor);
        result = TRUE;
        return true;
      }
      return false;
    case WM_DROPFILES:
      if (!state.acceptFiles) return false;
      DroppedFiles(state, reinterpret_cast<HDROP>(wParam));
      result = 0;
      return true;
    default:
      return false;
  }
}

LRESULT CALLBACK ControlSubclass(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR ref) {
  auto* state = reinterpret_cast<ControlState*>(ref);
  if (msg == WM_NCDESTROY) {
    RemoveWindowSubclass(hwnd, ControlSubclass, kSubclassId);
    return DefSubclassProc(hwnd, msg, wParam, lParam);
  }
  LRESULT result = 0;
  bool handled = false;
  // Nothing thrown by a handler may cross into the window manager.
  if (state->form->Guarded(state->def.name ? state->def.name : L"control",
                           [&] { handled = ControlMessage(*state, hwnd, msg, wParam, lParam, result); })) {
    if (handled) return result;
    return DefSubclassProc(hwnd, msg, wParam, lParam);
  }
  return 0;
}

void PaintFrame(ControlState& state, HWND hwnd, HDC dc) {
  RECT rc;
  GetClientRect(hwnd, &rc);
  FillRect(dc, &rc, BackBrush(state));
  HGDIOBJ oldFont = SelectObject(dc, state.font ? state.font : GetStockObject(DEFAULT_GUI_FONT));
  TEXTMETRICW tm{};
  GetTextMetricsW(dc, &tm);
  RECT box = rc;
  box.top += tm.tmHeight / 2;
  DrawEdge(dc, &box, EDGE_ETCHED, BF_RECT);
  std::wstring text = WindowText(hwnd);
  if (!text.empty()) {
    RECT t{8, 0, rc.right - 8, tm.tmHeight};
    DrawTextW(dc, text.c_str(), -1, &t, DT_SINGLELINE | DT_CALCRECT);
    RECT pad{t.left - 2, t.top, t.right + 2, t.bottom};
    FillRect(dc, &pad, BackBrush(state));
    SetBkMode(dc, TRANSPARENT);
    COLORREF fore = state.foreColor != CLR_INVALID ? ResolveColor(state.foreColor) : GetSysColor(COLOR_BTNTEXT);
    SetTextColor(dc, IsWindowEnabled(hwnd) ? fore : GetSysColor(COLOR_GRAYTEXT));
    DrawTextW(dc, text.c_str(), -1, &t, DT_SINGLELINE);
  }
  SelectObject(dc, oldFont);
}

void PaintImage(ControlState& state, HWND hwnd, HDC dc) {
  RECT rc;
  GetClientRect(hwnd, &rc);
  if (state.pictureIcon) {
    int cx = state.stretch ? rc.right : 0, cy = state.stretch ? rc.bottom : 0;
    DrawIconEx(dc, 0, 0, state.pictureIcon, cx, cy, 0, nullptr, DI_NORMAL);
  } else if (state.pictureBitmap) {
    BITMAP bm{};
    GetObjectW(state.pictureBitmap, sizeof bm, &bm);
    HDC mem = CreateCompatibleDC(dc);
    HGDIOBJ old = SelectObject(mem, state.pictureBitmap);
    if (state.stretch)
      StretchBlt(dc, 0, 0, rc.right, rc.bottom, mem, 0, 0, bm.bmWidth, bm.bmHeight, SRCCOPY);
    else
      BitBlt(dc, 0, 0, bm.bmWidth, bm.bmHeight, mem, 0, 0, SRCCOPY);
    SelectObject(mem, old);
    DeleteDC(mem);
  }
}

LRESULT OwnClassMessage(ControlState& state, HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  Kind kind = state.def.kind;
  switch (msg) {
    case WM_ERASEBKGND:
      return 1;
    case WM_PAINT: {
      PAINTSTRUCT ps;
      HDC dc = BeginPaint(hwnd, &ps);
      if (kind == Kind::Frame) PaintFrame(state, hwnd, dc);
      if (kind == Kind::Image) PaintImage(state, hwnd, dc);
      if (kind == Kind::PictureBox) {
        EnsureImage(state);
        RECT rc;
        GetClientRect(hwnd, &rc);
        BitBlt(dc, 0, 0, rc.right, rc.bottom, state.imageDc, 0, 0, SRCCOPY);
      }
      EndPaint(hwnd, &ps);
      return 0;
    }
    case WM_SIZE:
      if (kind == Kind::PictureBox) EnsureImage(state);
      InvalidateRect(hwnd, nullptr, FALSE);
      break;
    case WM_SETFONT:
      state.font = reinterpret_cast<HFONT>(wParam);
      if (state.imageDc && state.font) SelectObject(state.imageDc, state.font);
      if (LOWORD(lParam)) InvalidateRect(hwnd, nullptr, FALSE);
      return 0;
    case WM_GETFONT:
      return reinterpret_cast<LRESULT>(state.font);
    case WM_GETDLGCODE:
      return kind == Kind::Frame ? DLGC_STATIC : 0;
    case WM_SETTEXT:
    case WM_ENABLE: {
      LRESULT r = DefWindowProcW(hwnd, msg, wParam, lParam);
      InvalidateRect(hwnd, nullptr, FALSE);
      return r;
    }
    default:
      break;
  }
  return DefWindowProcW(hwnd, msg, wParam, lParam);
}

LRESULT CALLBACK OwnClassProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  auto* state = reinterpret_cast<ControlState*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (msg == WM_NCCREATE) {
    state = static_cast<ControlState*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(state));
  }
  if (msg == WM_NCDESTROY) SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
  if (!state) return DefWindowProcW(hwnd, msg, wParam, lParam);
  LRESULT result = 0;
  if (state->form->Guarded(state->def.name ? state->def.name : L"control",
                           [&] { result = OwnClassMessage(*state, hwnd, msg, wParam, lParam); }))
    return result;
  return 0;
}

}  // namespace

void RegisterOwnClasses() {
  HINSTANCE instance = GetModuleHandleW(nullptr);
  for (const wchar_t* name : {kFrameClass, kPictureClass, kImageClass}) {
    WNDCLASSEXW existing{};
    existing.cbSize = sizeof existing;
    if (GetClassInfoExW(instance, name, &existing)) continue;
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.style = CS_DBLCLKS;
    wc.lpfnWndProc = OwnClassProc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.lpszClassName = name;
    RegisterClassExW(&wc);
  }
}

void AttachControl(ControlState& state) {
  SetWindowSubclass(state.hwnd, ControlSubclass, kSubclassId, reinterpret_cast<DWORD_PTR>(&state));
}

void ReleaseControl(ControlState& state) {
  if (state.hwnd) RemoveWindowSubclass(state.hwnd, ControlSubclass, kSubclassId);
  if (state.hwnd && state.ownFont) SendMessageW(state.hwnd, WM_SETFONT, 0, FALSE);
  if (state.hwnd && IsWindow(state.hwnd)) {
    auto* own = reinterpret_cast<ControlState*>(GetWindowLongPtrW(state.hwnd, GWLP_USERDATA));
    if (own == &state) SetWindowLongPtrW(state.hwnd, GWLP_USERDATA, 0);
  }
  if (state.ownFont) DeleteObject(state.ownFont);
  if (state.backBrush) DeleteObject(state.backBrush);
  if (state.imageDc) {
    SelectObject(state.imageDc, state.oldBitmap);
    DeleteDC(state.imageDc);
  }
  if (state.imageBitmap) DeleteObject(state.imageBitmap);
  if (state.pictureIcon) DestroyIcon(state.pictureIcon);
  if (state.pictureBitmap) DeleteObject(state.pictureBitmap);
  state.ownFont = nullptr;
  state.backBrush = nullptr;
  state.imageDc = nullptr;
  state.imageBitmap = nullptr;
  state.pictureIcon = nullptr;
  state.pictureBitmap = nullptr;
}

HBRUSH BackBrush(ControlState& state) {
  if (state.backColor == CLR_INVALID) return GetSysColorBrush(COLOR_BTNFACE);
  if (!state.backBrush) state.backBrush = CreateSolidBrush(ResolveColor(state.backColor));
  return state.backBrush;
}

void EnsureImage(ControlState& state) {
  if (!state.hwnd) return;
  RECT rc;
  GetClientRect(state.hwnd, &rc);
  int cx = std::max<int>(rc.right, 1), cy = std::max<int>(rc.bottom, 1);
  int oldCx = 0, oldCy = 0;
  if (state.imageBitmap) {
    BITMAP bm{};
    GetObjectW(state.imageBitmap, sizeof bm, &bm);
    oldCx = bm.bmWidth;
    oldCy = bm.bmHeight;
    if (oldCx >= cx && oldCy >= cy) return;
  }
  HDC screen = GetDC(state.hwnd);
  HDC dc = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, std::max(cx, oldCx), std::max(cy, oldCy));
  ReleaseDC(state.hwnd, screen);
  HGDIOBJ old = SelectObject(dc, bitmap);
  RECT all{0, 0, std::max(cx, oldCx), std::max(cy, oldCy)};
  FillRect(dc, &all, BackBrush(state));
  if (state.imageDc) {
    // Keep what was drawn when the box grows.
    BitBlt(dc, 0, 0, oldCx, oldCy, state.imageDc, 0, 0, SRCCOPY);
    SelectObject(state.imageDc, state.oldBitmap);
    DeleteDC(state.imageDc);
    DeleteObject(state.imageBitmap);
  }
  state.imageDc = dc;
  state.imageBitmap = bitmap;
  state.oldBitmap = old;
  if (state.font) SelectObject(dc, state.font);
}

}  // namespace winui::detail
