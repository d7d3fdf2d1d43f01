// Keys of a form, in the order a user expects them: menu shortcuts, then the form's key preview, then the
// dialog keys (Tab, Enter, Esc, arrows among option buttons, access keys) through IsDialogMessage.
// A key typed into an edit box belongs to the box: it never reaches a shortcut or the key preview, so
// Del, Ctrl+X or Ctrl+A act on the text and not on the menus or the form.
#include <windows.h>
#include <commctrl.h>

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

bool ClassIs(HWND hwnd, const wchar_t* name) {
  wchar_t cls[64] = {};
  return hwnd && GetClassNameW(hwnd, cls, 64) > 0 && lstrcmpiW(cls, name) == 0;
}

bool Held(int vk) { return (GetKeyState(vk) & 0x8000) != 0; }

// Keys with which a text box types and edits: characters (also through the input method), the
// caret and deletion keys, and the clipboard, undo and select-all chords. Esc, Tab, the function keys,
// other Ctrl chords and Alt combinations are not the box's: they still close dialogs and run commands.
bool IsEditingKey(HWND edit, const MSG& msg) {
  auto vk = static_cast<UINT>(msg.wParam);
  bool wantsReturn =
      (GetWindowLongW(edit, GWL_STYLE) & (ES_MULTILINE | ES_WANTRETURN)) == (ES_MULTILINE | ES_WANTRETURN);
  if (msg.message == WM_CHAR) return vk != VK_ESCAPE && vk != VK_TAB && vk != '\n' && (vk != VK_RETURN || wantsReturn);
  if (msg.message != WM_KEYDOWN && msg.message != WM_KEYUP) return false;
  if (Held(VK_MENU)) return false;
  switch (vk) {
    case VK_BACK:
    case VK_DELETE:
    case VK_INSERT:
    case VK_LEFT:
    case VK_RIGHT:
    case VK_UP:
    case VK_DOWN:
    case VK_HOME:
    case VK_END:
    case VK_PRIOR:
    case VK_NEXT:
    case VK_PROCESSKEY:
      return true;
    case VK_RETURN:
      return wantsReturn;
    case VK_ESCAPE:
    case VK_TAB:
      return false;
    default:
      break;
  }
  if (Held(VK_CONTROL)) return vk == 'A' || vk == 'C' || vk == 'V' || vk == 'X' || vk == 'Y' || vk == 'Z';
  return MapVirtualKeyW(vk, MAPVK_VK_TO_CHAR) != 0;
}

// Ctrl+A selects the whole text of an edit box; not every edit control does it by itself.
bool SelectAllChord(const MSG& msg) {
  if (msg.message != WM_KEYDOWN || msg.wParam != 'A' || !Held(VK_CONTROL) || Held(VK_MENU)) return false;
  SendMessageW(msg.hwnd, EM_SETSEL, 0, -1);
  return true;
}

enum class EditKeys { None, Editing, All };

// The in-place label box of a list or tree view takes every key (Enter and Esc end the renaming, F2 and
// Del are typing there); any other edit box, the edit part of a combo box included, takes its editing keys.
EditKeys EditKeysOf(const MSG& msg) {
  if (!ClassIs(msg.hwnd, WC_EDITW)) return EditKeys::None;
  HWND parent = GetParent(msg.hwnd);
  if (ClassIs(parent, WC_LISTVIEWW) || ClassIs(parent, WC_TREEVIEWW)) return EditKeys::All;
  return IsEditingKey(msg.hwnd, msg) ? EditKeys::Editing : EditKeys::None;
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
    EditKeys edit = EditKeysOf(msg);
    if (edit != EditKeys::None && SelectAllChord(msg)) return true;
    if (edit == EditKeys::All) return false;
    if (edit == EditKeys::Editing) return IsDialogMessageW(hwnd_, &msg) != FALSE;
    if (DispatchShortcut(msg)) return true;
    if (DispatchKey(msg)) return true;
    if (!hwnd_) return true;  // a handler unloaded the form
  }
  if (FrameAccessKey(msg)) return true;
  return IsDialogMessageW(hwnd_, &msg) != FALSE;
}

}  // namespace winui
