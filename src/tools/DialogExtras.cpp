#include "tools/DialogExtras.h"

#include <commctrl.h>

#include <vector>

#include "winui/App.h"

namespace tools {
namespace {

constexpr UINT_PTR kMouseIconSubclass = 0x4D49;   // "MI"
constexpr UINT_PTR kTabbedListSubclass = 0x544C;  // "TL"

LRESULT CALLBACK MouseIconProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR ref) {
  if (msg == WM_NCDESTROY) {
    RemoveWindowSubclass(hwnd, MouseIconProc, kMouseIconSubclass);
  } else if (msg == WM_SETCURSOR && LOWORD(lParam) == HTCLIENT) {
    SetCursor(reinterpret_cast<HCURSOR>(ref));
    return TRUE;
  }
  return DefSubclassProc(hwnd, msg, wParam, lParam);
}

}  // namespace

void SetMouseIcon(HWND control, HCURSOR cursor) {
  if (!control || !cursor) return;
  SetWindowSubclass(control, MouseIconProc, kMouseIconSubclass, reinterpret_cast<DWORD_PTR>(cursor));
}

TabbedListBox::~TabbedListBox() {
  if (hwnd_) RemoveWindowSubclass(hwnd_, Subclass, kTabbedListSubclass);
}

bool TabbedListBox::Create(winui::Form& form, int id, const wchar_t* name, int left, int top, int width, int height,
                           HWND after) {
  if (hwnd_ || !form.Hwnd()) return false;
  form_ = &form;
  name_ = name;
  DWORD style = WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | WS_HSCROLL | WS_CLIPSIBLINGS | LBS_NOTIFY |
                LBS_NOINTEGRALHEIGHT | LBS_USETABSTOPS;
  hwnd_ = CreateWindowExW(WS_EX_CLIENTEDGE, WC_LISTBOXW, L"", style, winui::TwipsToPixelsX(left),
                          winui::TwipsToPixelsY(top), winui::TwipsToPixelsX(width), winui::TwipsToPixelsY(height),
                          form.Hwnd(), reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr),
                          nullptr);
  if (!hwnd_) return false;
  Send(WM_SETFONT, reinterpret_cast<WPARAM>(form.Font()), FALSE);
  SetWindowPos(hwnd_, after ? after : HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  SetWindowSubclass(hwnd_, Subclass, kTabbedListSubclass, reinterpret_cast<DWORD_PTR>(this));
  return true;
}

LRESULT TabbedListBox::Send(UINT msg, WPARAM wParam, LPARAM lParam) const {
  return hwnd_ ? SendMessageW(hwnd_, msg, wParam, lParam) : 0;
}

bool TabbedListBox::SetTabStops(std::initializer_list<int> dialogUnits) {
  std::vector<INT> stops(dialogUnits.begin(), dialogUnits.end());
  return Send(LB_SETTABSTOPS, stops.size(), reinterpret_cast<LPARAM>(stops.data())) != FALSE;
}

void TabbedListBox::Clear() { Send(LB_RESETCONTENT); }

int TabbedListBox::AddItem(const std::wstring& text) {
  return static_cast<int>(Send(LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str())));
}

int TabbedListBox::ListCount() const { return hwnd_ ? static_cast<int>(Send(LB_GETCOUNT)) : 0; }

std::wstring TabbedListBox::List(int index) const {
  LRESULT length = Send(LB_GETTEXTLEN, static_cast<WPARAM>(index));
  if (!hwnd_ || length == LB_ERR) return L"";
  std::wstring text(static_cast<size_t>(length) + 1, L'\0');
  length = Send(LB_GETTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.data()));
  text.resize(length == LB_ERR ? 0 : static_cast<size_t>(length));
  return text;
}

int TabbedListBox::ListIndex() const { return hwnd_ ? static_cast<int>(Send(LB_GETCURSEL)) : -1; }

void TabbedListBox::SetListIndex(int index) { Send(LB_SETCURSEL, static_cast<WPARAM>(index)); }

void TabbedListBox::SetHorizontalExtent(int pixels) { Send(LB_SETHORIZONTALEXTENT, static_cast<WPARAM>(pixels)); }

int TabbedListBox::HorizontalExtent() const { return static_cast<int>(Send(LB_GETHORIZONTALEXTENT)); }

void TabbedListBox::SetToolTipText(const std::wstring& text) {
  toolTip_ = text;
  if (!hwnd_) return;
  if (!toolTipWindow_) {
    // Owned by the form, so it goes with it.
    toolTipWindow_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP, 0, 0, 0, 0,
                                     form_->Hwnd(), nullptr, GetModuleHandleW(nullptr), nullptr);
    if (!toolTipWindow_) return;
  }
  TTTOOLINFOW info{};
  info.cbSize = sizeof info;
  info.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
  info.hwnd = form_->Hwnd();
  info.uId = reinterpret_cast<UINT_PTR>(hwnd_);
  info.lpszText = toolTip_.data();
  SendMessageW(toolTipWindow_, TTM_DELTOOLW, 0, reinterpret_cast<LPARAM>(&info));
  SendMessageW(toolTipWindow_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&info));
}

LRESULT CALLBACK TabbedListBox::Subclass(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR ref) {
  auto* list = reinterpret_cast<TabbedListBox*>(ref);
  if (msg == WM_NCDESTROY) {
    RemoveWindowSubclass(hwnd, Subclass, kTabbedListSubclass);
    list->hwnd_ = nullptr;
    list->toolTipWindow_ = nullptr;
    return DefSubclassProc(hwnd, msg, wParam, lParam);
  }
  LRESULT result = DefSubclassProc(hwnd, msg, wParam, lParam);
  const std::function<void()>* handler = msg == WM_LBUTTONDBLCLK ? &list->DblClick
                                         : msg == WM_MOUSEMOVE   ? &list->MouseMove
                                                                 : nullptr;
  // What a handler throws stays on this side of the window manager.
  if (handler && *handler && list->form_) list->form_->Guarded(list->name_, *handler);
  return result;
}

}  // namespace tools
