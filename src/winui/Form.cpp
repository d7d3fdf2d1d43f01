// The form's life: creating its window hidden, showing it (also modally), unloading it, and its geometry.
#include "winui/Form.h"

#include <utility>

#include <commctrl.h>

#include "winui/App.h"
#include "winui/FormState.h"
#include "winui/Internal.h"
#include "winui/OwnClasses.h"
#include "winui/Resources.h"

namespace winui {
namespace {

ModalHook& TheModalHook() {
  static ModalHook hook;
  return hook;
}

struct WindowStyles {
  DWORD style;
  DWORD exStyle;
};

WindowStyles StylesFor(const FormDef& def) {
  DWORD style = WS_CLIPCHILDREN;
  DWORD ex = WS_EX_CONTROLPARENT;
  DWORD sys = def.controlBox ? WS_SYSMENU : 0;
  switch (def.border) {
    case BorderStyle::None:
      style |= WS_POPUP;
      break;
    case BorderStyle::FixedSingle:
      style |= WS_OVERLAPPED | WS_CAPTION | sys;
      break;
    case BorderStyle::Sizable:
      style |= WS_OVERLAPPED | WS_CAPTION | WS_THICKFRAME | sys;
      break;
    case BorderStyle::FixedDialog:
      style |= WS_POPUP | WS_CAPTION | sys;
      ex |= WS_EX_DLGMODALFRAME;
      break;
    case BorderStyle::FixedToolWindow:
      style |= WS_POPUP | WS_CAPTION | sys;
      ex |= WS_EX_TOOLWINDOW;
      break;
    case BorderStyle::SizableToolWindow:
      style |= WS_POPUP | WS_CAPTION | WS_THICKFRAME | sys;
      ex |= WS_EX_TOOLWINDOW;
      break;
  }
  bool dialogLike = def.border == BorderStyle::FixedDialog || def.border == BorderStyle::FixedToolWindow ||
                    def.border == BorderStyle::SizableToolWindow || def.border == BorderStyle::None;
  if (!dialogLike && def.controlBox) {
    if (def.minButton) style |= WS_MINIMIZEBOX;
    if (def.maxButton) style |= WS_MAXIMIZEBOX;
  }
  if (def.showInTaskbar && !(ex & WS_EX_TOOLWINDOW)) ex |= WS_EX_APPWINDOW;
  return {style, ex};
}

RECT WorkArea(HWND around) {
  RECT area{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
  HMONITOR monitor = MonitorFromWindow(around ? around : GetDesktopWindow(), MONITOR_DEFAULTTOPRIMARY);
  MONITORINFO info{};
  info.cbSize = sizeof info;
  if (monitor && GetMonitorInfoW(monitor, &info)) area = info.rcWork;
  return area;
}

}  // namespace

ModalHook SetModalHook(ModalHook hook) { return std::exchange(TheModalHook(), std::move(hook)); }

Form::Form(const FormDef& form, std::span<const ControlDef> controls, std::span<const MenuDef> menus)
    : formDef_(form), controlDefs_(controls.begin(), controls.end()), menuDefs_(menus.begin(), menus.end()) {}

Form::Form(const FormDef& form, std::initializer_list<std::span<const ControlDef>> tables,
           std::span<const MenuDef> menus)
    : formDef_(form), menuDefs_(menus.begin(), menus.end()) {
  for (std::span<const ControlDef> table : tables) controlDefs_.insert(controlDefs_.end(), table.begin(), table.end());
}

Form::~Form() {
  if (hwnd_) {
    // No events from a destructor: the derived part is already gone.
    unloading_ = true;
    SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
    HWND hwnd = hwnd_;
    DestroyEverything();
    DestroyWindow(hwnd);
  }
}

bool Form::RegisterClassOnce() {
  HINSTANCE instance = GetModuleHandleW(nullptr);
  WNDCLASSEXW existing{};
  existing.cbSize = sizeof existing;
  if (GetClassInfoExW(instance, formDef_.className, &existing)) return true;
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof wc;
  wc.style = CS_DBLCLKS;
  wc.lpfnWndProc = &Form::WndProc;
  wc.hInstance = instance;
  wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  wc.lpszClassName = formDef_.className;
  return RegisterClassExW(&wc) != 0;
}

bool Form::Load(HWND owner) {
  if (hwnd_) return true;
  if (!RegisterClassOnce()) return false;
  detail::RegisterOwnClasses();
  owner_ = owner;
  shownOnce_ = false;
  font_ = detail::CreateUiFont(formDef_.fontName ? formDef_.fontName : L"", formDef_.fontPoints, false, ownsFont_);
  CreateMenus();
  WindowStyles styles = StylesFor(formDef_);
  RECT rect{0, 0, TwipsToPixelsX(formDef_.clientWidth), TwipsToPixelsY(formDef_.clientHeight)};
  AdjustWindowRectEx(&rect, styles.style, menuBar_ != nullptr, styles.exStyle);
  HWND created =
      CreateWindowExW(styles.exStyle, formDef_.className, formDef_.caption, styles.style, CW_USEDEFAULT, CW_USEDEFAULT,
                      rect.right - rect.left, rect.bottom - rect.top, owner, menuBar_, GetModuleHandleW(nullptr), this);
  if (!created) {
    DestroyEverything();
    return false;
  }
  PlaceAtStart();
  if (formDef_.iconId) {
    SetIcon(LoadIconRes(formDef_.iconId));
  }
  if (!CreateControls()) {
    DestroyWindow(created);
    return false;
  }
  detail::RegisterForm(this);
  ready_ = true;
  Guarded(L"Form_Load", [this] { Form_Load(); });
  return hwnd_ != nullptr;
}

void Form::PlaceAtStart() {
  RECT window;
  GetWindowRect(hwnd_, &window);
  int width = window.right - window.left;
  int height = window.bottom - window.top;
  int x = window.left, y = window.top;
  RECT around = WorkArea(owner_);
  switch (formDef_.start) {
    case StartPosition::Manual:
      x = TwipsToPixelsX(formDef_.left);
      y = TwipsToPixelsY(formDef_.top);
      break;
    case StartPosition::CenterOwner:
      if (owner_) GetWindowRect(owner_, &around);
      [[fallthrough]];
    case StartPosition::CenterScreen:
      x = around.left + (around.right - around.left - width) / 2;
      y = around.top + (around.bottom - around.top - height) / 2;
      break;
    case StartPosition::WindowsDefault:
      return;
  }
  SetWindowPos(hwnd_, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Form::Show(HWND owner) {
  if (!Load(owner)) return;
  if (owner && owner != owner_) {
    owner_ = owner;
    SetWindowLongPtrW(hwnd_, GWLP_HWNDPARENT, reinterpret_cast<LONG_PTR>(owner));
  }
  int command = pendingState_ == 2 ? SW_SHOWMAXIMIZED : pendingState_ == 1 ? SW_SHOWMINIMIZED : SW_SHOW;
  pendingState_ = 0;
  // The first showing lays the form out, as a resize would, before anything is drawn.
  if (!IsWindowVisible(hwnd_) && !shownOnce_) Guarded(L"Form_Resize", [this] { Form_Resize(); });
  shownOnce_ = hwnd_ != nullptr;
  if (!hwnd_) return;
  ShowWindow(hwnd_, command);
  UpdateWindow(hwnd_);
}

DialogResult Form::ShowModal(HWND owner) {
  modalResult_ = DialogResult::Cancel;
  if (!Load(owner)) return modalResult_;
  ++modalDepth_;
  if (const ModalHook& hook = TheModalHook()) {
    ModalHook keep = hook;
    Guarded(L"modal hook", [&] { keep(*this); });
    --modalDepth_;
    return modalResult_;
  }
  HWND ownerWindow = owner ? owner : owner_;
  bool disabled = ownerWindow && IsWindowEnabled(ownerWindow);
  if (disabled) EnableWindow(ownerWindow, FALSE);
  Show(owner);
  MSG msg{};
  while (hwnd_ && IsWindowVisible(hwnd_)) {
    BOOL got = GetMessageW(&msg, nullptr, 0, 0);
    if (got == 0) {
      PostQuitMessage(static_cast<int>(msg.wParam));
      break;
    }
    if (got == -1) break;
    if (!detail::RouteToForm(msg)) {
      TranslateMessage(&msg);
      DispatchMessageW(&msg);
    }
  }
  if (disabled) {
    EnableWindow(ownerWindow, TRUE);
    SetActiveWindow(ownerWindow);
  }
  --modalDepth_;
  return modalResult_;
}

void Form::EndModal(DialogResult result) {
  modalResult_ = result;
  Hide();
}

void Form::Hide() {
  if (!hwnd_) return;
  // Give the activation back to the owner before the window disappears, so it does not go elsewhere.
  if (owner_ && modalDepth_ > 0) EnableWindow(owner_, TRUE);
  ShowWindow(hwnd_, SW_HIDE);
}

bool Form::Unload(UnloadMode mode) {
  // The handlers below may yield to the message loop; a second close arriving then (a second click on the
  // close box) is the same close, not another one that would run the unload again over a destroyed window.
  if (!hwnd_ || unloading_) return !hwnd_;
  unloading_ = true;
  int cancel = 0;
  Guarded(L"Form_QueryUnload", [&] { Form_QueryUnload(cancel, mode); });
  if (!cancel) Guarded(L"Form_Unload", [&] { Form_Unload(cancel); });
  if (cancel || !hwnd_) {
    unloading_ = false;
    return !hwnd_;
  }
  if (owner_ && IsWindowVisible(hwnd_)) EnableWindow(owner_, TRUE);
  DestroyWindow(hwnd_);
  unloading_ = false;
  return true;
}

std::wstring Form::Caption() const { return detail::WindowText(hwnd_); }
void Form::SetCaption(const std::wstring& text) {
  if (hwnd_) SetWindowTextW(hwnd_, text.c_str());
}

namespace {
RECT WindowRectOf(HWND hwnd) {
  RECT rect{};
  if (hwnd) GetWindowRect(hwnd, &rect);
  return rect;
}
RECT ClientRectOf(HWND hwnd) {
  RECT rect{};
  if (hwnd) GetClientRect(hwnd, &rect);
  return rect;
}
}  // namespace

int Form::Left() const { return PixelsToTwipsX(WindowRectOf(hwnd_).left); }
int Form::Top() const { return PixelsToTwipsY(WindowRectOf(hwnd_).top); }
int Form::Width() const {
  RECT r = WindowRectOf(hwnd_);
  return PixelsToTwipsX(r.right - r.left);
}
int Form::Height() const {
  RECT r = WindowRectOf(hwnd_);
  return PixelsToTwipsY(r.bottom - r.top);
}
int Form::ScaleWidth() const { return PixelsToTwipsX(ClientRectOf(hwnd_).right); }
int Form::ScaleHeight() const { return PixelsToTwipsY(ClientRectOf(hwnd_).bottom); }

void Form::Move(int left, int top, int width, int height) {
  if (!hwnd_) return;
  UINT flags = SWP_NOZORDER | SWP_NOACTIVATE;
  if (width < 0 || height < 0) flags |= SWP_NOSIZE;
  SetWindowPos(hwnd_, nullptr, TwipsToPixelsX(left), TwipsToPixelsY(top), TwipsToPixelsX(std::max(width, 0)),
               TwipsToPixelsY(std::max(height, 0)), flags);
}

int Form::WindowState() const {
  if (!hwnd_) return 0;
  if (!IsWindowVisible(hwnd_)) return pendingState_;
  return IsIconic(hwnd_) ? 1 : IsZoomed(hwnd_) ? 2 : 0;
}

void Form::SetWindowState(int state) {
  if (!hwnd_) return;
  if (!IsWindowVisible(hwnd_)) {
    pendingState_ = state;  // applied when the form is shown
    return;
  }
  ShowWindow(hwnd_, state == 1 ? SW_MINIMIZE : state == 2 ? SW_MAXIMIZE : SW_RESTORE);
}

bool Form::Enabled() const { return hwnd_ && IsWindowEnabled(hwnd_); }
void Form::SetEnabled(bool enabled) {
  if (hwnd_) EnableWindow(hwnd_, enabled);
}
bool Form::Visible() const { return hwnd_ && IsWindowVisible(hwnd_); }

void Form::SetTopMost(bool topMost) {
  if (hwnd_)
    SetWindowPos(hwnd_, topMost ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void Form::SetIcon(HICON icon) {
  if (!hwnd_ || !icon) return;
  SendMessageW(hwnd_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon));
  SendMessageW(hwnd_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon));
}

LRESULT CALLBACK Form::WndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  auto* form = reinterpret_cast<Form*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (msg == WM_NCCREATE) {
    form = static_cast<Form*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(form));
    form->hwnd_ = hwnd;
  }
  if (!form) return DefWindowProcW(hwnd, msg, wParam, lParam);
  LRESULT result = 0;
  // Nothing thrown below may cross into the window manager.
  if (form->Guarded(L"window procedure", [&] { result = form->HandleMessage(msg, wParam, lParam); })) return result;
  return 0;
}

LRESULT Form::Default(UINT msg, WPARAM wParam, LPARAM lParam) { return DefWindowProcW(hwnd_, msg, wParam, lParam); }

}  // namespace winui
