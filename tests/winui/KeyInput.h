#pragma once
// Keys as a user types them: posted to the window with the focus and delivered by the real message loop,
// whose TranslateMessage makes the characters.
#include <windows.h>

#include <string>

#include "winui/App.h"

namespace winuitest {

// Posts a key press (down and up) to a window and lets the message loop deliver it.
inline void Key(HWND hwnd, UINT vk) {
  PostMessageW(hwnd, WM_KEYDOWN, vk, 1);
  PostMessageW(hwnd, WM_KEYUP, vk, 0xC0000001);
  winui::DoEvents();
  winui::DoEvents();
}

// Types lower-case letters and digits.
inline void Type(HWND hwnd, const std::string& text) {
  for (char c : text) Key(hwnd, static_cast<UINT>(c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c));
}

// Holds Ctrl down in this thread's keyboard state while it lives.
class CtrlDown {
 public:
  CtrlDown() {
    GetKeyboardState(saved_);
    BYTE state[256];
    GetKeyboardState(state);
    state[VK_CONTROL] = 0x80;
    SetKeyboardState(state);
  }
  ~CtrlDown() { SetKeyboardState(saved_); }
  CtrlDown(const CtrlDown&) = delete;
  CtrlDown& operator=(const CtrlDown&) = delete;

 private:
  BYTE saved_[256];
};

// Ctrl + a key, as one chord.
inline void CtrlKey(HWND hwnd, UINT vk) {
  CtrlDown ctrl;
  Key(hwnd, vk);
}

}  // namespace winuitest
