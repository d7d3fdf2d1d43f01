// Keys of a form, in the order a user expects them: menu shortcuts, then the form's key preview, then the
// dialog keys (Tab, Enter, Esc, arrows among option buttons, access keys) through IsDialogMessage.
#include "winui/Form.h"
#include "winui/FormState.h"
#include "winui/Internal.h"

namespace winui {
namespace {

bool IsKeyMessage(UINT message) {
  return message == WM_KEYDOWN || message == WM_SYSKEYDOWN || message == WM_KEYUP || message == WM_SYSKEYUP ||
         message == WM_CHAR;
}

// The access key of a caption ("サイズ(&Z)" gives Z), upper-cased; 0 when it has none.
wchar_t AccessKeyOf(const std::wstring& caption) {
  for (size_t i = 0; i + 1 < caption.size(); ++i) {
    if (caption[i] != L'&') continue;
    if (caption[i + 1] == L'&') {
      ++i;
      continue;
    }
    return static_cast<wchar_t>(reinterpret_cast<UINT_PTR>(CharUpperW(reinterpret_cast<LPWSTR>(caption[i + 1]))));
  }
  return 0;
}

}  // namespace

// A frame's access key moves into the frame: the dialog keys would go to the control after it instead.
bool Form::FrameAccessKey(const MSG& msg) {
  if (msg.message != WM_SYSCHAR) return false;
  auto key = static_cast<wchar_t>(reinterpret_cast<UINT_PTR>(CharUpperW(reinterpret_cast<LPWSTR>(msg.wParam))));
  for (auto& [id, state] : controls_) {
    if (state->def.kind != Kind::Frame || !state->hwnd || !(GetWindowLongW(state->hwnd, GWL_STYLE) & WS_VISIBLE) ||
        !IsWindowEnabled(state->hwnd) || AccessKeyOf(detail::WindowText(state->hwnd)) != key)
      continue;
    HWND first = GetNextDlgTabItem(state->hwnd, nullptr, FALSE);
    if (!first || !IsChild(state->hwnd, first)) continue;
    ::SetFocus(first);
    return true;
  }
  return false;
}

bool Form::DispatchKey(MSG& msg) {
  if (!formDef_.keyPreview || msg.hwnd == hwnd_) return false;
  if (msg.message == WM_CHAR) {
    int key = static_cast<int>(msg.wParam);
    Guarded(L"Form_KeyPress", [&] { Form_KeyPress(key); });
    if (key == 0) return true;
    msg.wParam = static_cast<WPARAM>(key);
    return false;
  }
  int key = static_cast<int>(msg.wParam);
  bool down = msg.message == WM_KEYDOWN || msg.message == WM_SYSKEYDOWN;
  if (down)
    Guarded(L"Form_KeyDown", [&] { Form_KeyDown(key, detail::ShiftState()); });
  else
    Guarded(L"Form_KeyUp", [&] { Form_KeyUp(key, detail::ShiftState()); });
  return key == 0 || !hwnd_;
}

bool Form::PreTranslate(MSG& msg) {
  if (!hwnd_) return false;
  if (IsKeyMessage(msg.message)) {
    if (DispatchShortcut(msg)) return true;
    if (DispatchKey(msg)) return true;
    if (!hwnd_) return true;  // a handler unloaded the form
  }
  if (FrameAccessKey(msg)) return true;
  return IsDialogMessageW(hwnd_, &msg) != FALSE;
}

}  // namespace winui
