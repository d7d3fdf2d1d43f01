#pragma once
// Every message box of every program goes through MsgBox, so tests can answer them without a modal window.
#include <windows.h>

#include <functional>
#include <string>

namespace winui {

struct MsgBoxRequest {
  HWND owner;
  std::wstring text;
  std::wstring title;
  UINT style;
};

using MsgBoxHandler = std::function<int(const MsgBoxRequest&)>;

// Shows a message box (or asks the installed handler) and returns the button pressed (IDOK, IDYES...).
int MsgBox(const std::wstring& text, UINT style = MB_OK, const std::wstring& title = L"", HWND owner = nullptr);

// Replaces the real message box; an empty handler restores it. Returns the previous handler.
MsgBoxHandler SetMsgBoxHandler(MsgBoxHandler handler);

}  // namespace winui
