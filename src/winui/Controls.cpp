#include "winui/Controls.h"

#include <commctrl.h>
#include <shellapi.h>

#include <algorithm>

#include "winui/App.h"
#include "winui/FormState.h"
#include "winui/Internal.h"
#include "winui/OwnClasses.h"

namespace winui {
namespace {

// Position of a window in pixels relative to its parent's client area.
RECT RectInParent(HWND hwnd) {
  RECT rect{};
  GetWindowRect(hwnd, &rect);
  MapWindowPoints(HWND_DESKTOP, GetParent(hwnd), reinterpret_cast<POINT*>(&rect), 2);
  return rect;
}

}  // namespace

detail::ControlState* Control::State() const { return form_ ? form_->State(id_) : nullptr; }

HWND Control::Hwnd() const {
  detail::ControlState* state = State();
  return state ? state->hwnd : nullptr;
}

LRESULT Control::Send(UINT msg, WPARAM wParam, LPARAM lParam) const {
  HWND hwnd = Hwnd();
  return hwnd ? SendMessageW(hwnd, msg, wParam, lParam) : 0;
}

void Control::Fire(Event event) const {
  if (form_) form_->Raise(id_, event);
}

bool Control::Enabled() const {
  HWND hwnd = Hwnd();
  return hwnd && IsWindowEnabled(hwnd);
}

void Control::SetEnabled(bool enabled) {
  if (HWND hwnd = Hwnd()) EnableWindow(hwnd, enabled);
}

bool Control::Visible() const {
  HWND hwnd = Hwnd();
  return hwnd && (GetWindowLongW(hwnd, GWL_STYLE) & WS_VISIBLE);
}

void Control::SetVisible(bool visible) {
  if (HWND hwnd = Hwnd()) ShowWindow(hwnd, visible ? SW_SHOWNA : SW_HIDE);
}

int Control::Left() const {
  HWND hwnd = Hwnd();
  return hwnd ? PixelsToTwipsX(RectInParent(hwnd).left) : 0;
}

int Control::Top() const {
  HWND hwnd = Hwnd();
  return hwnd ? PixelsToTwipsY(RectInParent(hwnd).top) : 0;
}

int Control::Width() const {
  HWND hwnd = Hwnd();
  if (!hwnd) return 0;
  RECT rect = RectInParent(hwnd);
  return PixelsToTwipsX(rect.right - rect.left);
}

int Control::Height() const {
  HWND hwnd = Hwnd();
  if (!hwnd) return 0;
  detail::ControlState* state = State();
  // A combo box's window includes its drop-down; its height is the closed box.
  if (state->def.kind == Kind::ComboBox) {
    int field = static_cast<int>(SendMessageW(hwnd, CB_GETITEMHEIGHT, WPARAM(-1), 0));
    return PixelsToTwipsY(field + 2 * GetSystemMetrics(SM_CYFIXEDFRAME) + 2);
  }
  RECT rect = RectInParent(hwnd);
  return PixelsToTwipsY(rect.bottom - rect.top);
}

void Control::Move(int left, int top, int width, int height) {
  HWND hwnd = Hwnd();
  if (!hwnd) return;
  UINT flags = SWP_NOZORDER | SWP_NOACTIVATE;
  if (width < 0 || height < 0) flags |= SWP_NOSIZE;
  int cy = TwipsToPixelsY(std::max(height, 0));
  if (State()->def.kind == Kind::ComboBox) cy += TwipsToPixelsY(3000);
  SetWindowPos(hwnd, nullptr, TwipsToPixelsX(left), TwipsToPixelsY(top), TwipsToPixelsX(std::max(width, 0)), cy, flags);
}

std::wstring Control::ToolTipText() const {
  detail::ControlState* state = State();
  return state ? state->toolTip : L"";
}

void Control::SetToolTipText(const std::wstring& text) {
  detail::ControlState* state = State();
  if (!state || !state->hwnd) return;
  HWND& tip = form_->tooltip_;
  if (!tip) {
    tip = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, 0, 0, 0, 0,
                          form_->Hwnd(), nullptr, GetModuleHandleW(nullptr), nullptr);
    if (!tip) return;
  }
  TTTOOLINFOW info{};
  info.cbSize = sizeof info;
  info.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
  info.hwnd = form_->Hwnd();
  info.uId = reinterpret_cast<UINT_PTR>(state->hwnd);
  std::wstring copy = text;
  info.lpszText = copy.data();
  bool known = !state->toolTip.empty();
  state->toolTip = text;
  if (text.empty()) {
    SendMessageW(tip, TTM_DELTOOLW, 0, reinterpret_cast<LPARAM>(&info));
  } else {
    SendMessageW(tip, known ? TTM_UPDATETIPTEXTW : TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&info));
  }
}

void Control::SetFocus() {
  if (HWND hwnd = Hwnd()) ::SetFocus(hwnd);
}

bool Control::HasFocus() const {
  HWND hwnd = Hwnd();
  HWND focus = GetFocus();
  return hwnd && focus && (focus == hwnd || IsChild(hwnd, focus));
}

void Control::SetFont(const std::wstring& face, int points, bool bold) {
  detail::ControlState* state = State();
  if (!state || !state->hwnd) return;
  bool owned = false;
  HFONT font = detail::CreateUiFont(face, points, bold, owned);
  SendMessageW(state->hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
  if (state->ownFont) DeleteObject(state->ownFont);
  state->ownFont = owned ? font : nullptr;
  if (state->def.kind == Kind::Label && !(state->def.style & kAutoSize)) detail::FitLabel(state->hwnd);
}

void Control::SetBackColor(COLORREF color) {
  detail::ControlState* state = State();
  if (!state) return;
  state->backColor = color;
  if (state->backBrush) DeleteObject(state->backBrush);
  state->backBrush = nullptr;
  COLORREF shown = detail::ResolveColor(color);
  if (state->def.kind == Kind::ListView) Send(LVM_SETBKCOLOR, 0, color == CLR_INVALID ? CLR_DEFAULT : shown);
  if (state->def.kind == Kind::ListView) Send(LVM_SETTEXTBKCOLOR, 0, color == CLR_INVALID ? CLR_DEFAULT : shown);
  if (state->def.kind == Kind::TreeView)
    Send(TVM_SETBKCOLOR, 0, color == CLR_INVALID ? static_cast<LPARAM>(-1) : static_cast<LPARAM>(shown));
  Refresh();
}

void Control::SetForeColor(COLORREF color) {
  detail::ControlState* state = State();
  if (!state) return;
  state->foreColor = color;
  COLORREF shown = detail::ResolveColor(color);
  if (state->def.kind == Kind::ListView) Send(LVM_SETTEXTCOLOR, 0, color == CLR_INVALID ? CLR_DEFAULT : shown);
  if (state->def.kind == Kind::TreeView)
    Send(TVM_SETTEXTCOLOR, 0, color == CLR_INVALID ? static_cast<LPARAM>(-1) : static_cast<LPARAM>(shown));
  if (state->imageDc) SetTextColor(state->imageDc, color == CLR_INVALID ? GetSysColor(COLOR_BTNTEXT) : shown);
  Refresh();
}

COLORREF Control::BackColor() const {
  detail::ControlState* state = State();
  if (!state || state->backColor == CLR_INVALID) return GetSysColor(COLOR_BTNFACE);
  return state->backColor;
}

void Control::SetMousePointer(MousePointer pointer) {
  if (detail::ControlState* state = State()) state->pointer = pointer;
}

void Control::SetAcceptFiles(bool accept) {
  detail::ControlState* state = State();
  if (!state || !state->hwnd) return;
  state->acceptFiles = accept;
  DragAcceptFiles(state->hwnd, accept);
}

void Control::Refresh() {
  if (HWND hwnd = Hwnd()) {
    InvalidateRect(hwnd, nullptr, TRUE);
    UpdateWindow(hwnd);
  }
}

void Control::ZOrderTop() {
  if (HWND hwnd = Hwnd()) SetWindowPos(hwnd, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

int Control::Index() const {
  detail::ControlState* state = State();
  return state ? state->def.index : -1;
}

std::wstring CaptionControl::Caption() const { return detail::WindowText(Hwnd()); }

void CaptionControl::SetCaption(const std::wstring& text) {
  HWND hwnd = Hwnd();
  if (!hwnd) return;
  SetWindowTextW(hwnd, text.c_str());
  detail::ControlState* state = State();
  // A label that sizes itself to its text keeps its left edge and grows or shrinks to the right.
  if (state->def.kind == Kind::Label && (state->def.style & kAutoSize)) {
    HDC dc = GetDC(hwnd);
    HGDIOBJ old = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(hwnd, WM_GETFONT, 0, 0)));
    RECT r{0, 0, 0, 0};
    DrawTextW(dc, text.empty() ? L" " : text.c_str(), -1, &r, DT_CALCRECT | DT_SINGLELINE);
    SelectObject(dc, old);
    ReleaseDC(hwnd, dc);
    SetWindowPos(hwnd, nullptr, 0, 0, text.empty() ? 0 : r.right, r.bottom, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  } else if (state->def.kind == Kind::Label) {
    detail::FitLabel(hwnd);
  }
  InvalidateRect(hwnd, nullptr, TRUE);
}

int Label::TextWidth(const std::wstring& text) const {
  HWND hwnd = Hwnd();
  if (!hwnd) return 0;
  HDC dc = GetDC(hwnd);
  HGDIOBJ old = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(hwnd, WM_GETFONT, 0, 0)));
  SIZE size{};
  GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
  SelectObject(dc, old);
  ReleaseDC(hwnd, dc);
  return PixelsToTwipsX(size.cx);
}

std::wstring TextBox::Text() const { return detail::WindowText(Hwnd()); }

void TextBox::SetText(const std::wstring& text) {
  HWND hwnd = Hwnd();
  if (!hwnd || detail::WindowText(hwnd) == text) return;
  // One Change per change, whatever the edit control itself notifies.
  form_->Suppress(true);
  SetWindowTextW(hwnd, text.c_str());
  form_->Suppress(false);
  Fire(Event::Change);
}

int TextBox::SelStart() const {
  DWORD start = 0, end = 0;
  Send(EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  return static_cast<int>(start);
}

int TextBox::SelLength() const {
  DWORD start = 0, end = 0;
  Send(EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  return static_cast<int>(end - start);
}

void TextBox::SetSelStart(int start) {
  // As the runtime does: moving the start collapses the selection there.
  Send(EM_SETSEL, static_cast<WPARAM>(std::max(start, 0)), std::max(start, 0));
}

void TextBox::SetSelLength(int length) {
  int start = SelStart();
  Send(EM_SETSEL, static_cast<WPARAM>(start), start + std::max(length, 0));
}

std::wstring TextBox::SelText() const {
  std::wstring text = Text();
  size_t start = std::min<size_t>(static_cast<size_t>(SelStart()), text.size());
  return text.substr(start, static_cast<size_t>(SelLength()));
}

void TextBox::SetSelText(const std::wstring& text) {
  Send(EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(text.c_str()));
}

bool TextBox::Locked() const {
  HWND hwnd = Hwnd();
  return hwnd && (GetWindowLongW(hwnd, GWL_STYLE) & ES_READONLY);
}

void TextBox::SetLocked(bool locked) { Send(EM_SETREADONLY, locked, 0); }

void TextBox::SetMaxLength(int length) { Send(EM_SETLIMITTEXT, static_cast<WPARAM>(std::max(length, 0)), 0); }

void CommandButton::Click() {
  if (Enabled()) Fire(Event::Click);
}

void CommandButton::SetPicture(HICON icon) {
  HWND hwnd = Hwnd();
  if (!hwnd) return;
  SetWindowLongW(hwnd, GWL_STYLE, (GetWindowLongW(hwnd, GWL_STYLE) & ~(BS_BITMAP)) | BS_ICON);
  Send(BM_SETIMAGE, IMAGE_ICON, reinterpret_cast<LPARAM>(icon));
}

void CommandButton::SetPicture(HBITMAP bitmap) {
  HWND hwnd = Hwnd();
  if (!hwnd) return;
  SetWindowLongW(hwnd, GWL_STYLE, (GetWindowLongW(hwnd, GWL_STYLE) & ~(BS_ICON)) | BS_BITMAP);
  Send(BM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(bitmap));
}

int CheckBox::Value() const {
  detail::ControlState* state = State();
  return state ? state->value : 0;
}

void CheckBox::SetValue(int value) {
  detail::ControlState* state = State();
  if (!state || !state->hwnd) return;
  value = std::clamp(value, 0, 2);
  if (state->value == value) return;
  state->value = value;
  Send(BM_SETCHECK, value == 1 ? BST_CHECKED : value == 2 ? BST_INDETERMINATE : BST_UNCHECKED, 0);
  Fire(Event::Click);
}

bool OptionButton::Value() const {
  detail::ControlState* state = State();
  return state && state->value != 0;
}

void OptionButton::SetValue(bool value) {
  detail::ControlState* state = State();
  if (!state || !state->hwnd) return;
  if ((state->value != 0) == value) return;
  state->value = value ? 1 : 0;
  Send(BM_SETCHECK, value ? BST_CHECKED : BST_UNCHECKED, 0);
  if (value) {
    // The other option buttons of the same container give up their check; Tab stops on the chosen one.
    HWND parent = GetParent(state->hwnd);
    for (HWND sibling = GetWindow(parent, GW_CHILD); sibling; sibling = GetWindow(sibling, GW_HWNDNEXT)) {
      detail::ControlState* other = form_->State(GetDlgCtrlID(sibling));
      if (!other || other->hwnd != sibling || other->def.kind != Kind::OptionButton) continue;
      LONG style = GetWindowLongW(sibling, GWL_STYLE);
      SetWindowLongW(sibling, GWL_STYLE, sibling == state->hwnd ? style | WS_TABSTOP : style & ~WS_TABSTOP);
      if (sibling == state->hwnd || !other->value) continue;
      other->value = 0;
      SendMessageW(sibling, BM_SETCHECK, BST_UNCHECKED, 0);
    }
    Fire(Event::Click);
  }
}

}  // namespace winui
