#include "winui/MsgBox.h"

#include <utility>

namespace winui {
namespace {
MsgBoxHandler& Handler() {
  static MsgBoxHandler handler;
  return handler;
}
}  // namespace

int MsgBox(const std::wstring& text, UINT style, const std::wstring& title, HWND owner) {
  MsgBoxRequest request{owner, text, title, style};
  if (Handler()) return Handler()(request);
  return MessageBoxW(owner, text.c_str(), title.c_str(), style);
}

MsgBoxHandler SetMsgBoxHandler(MsgBoxHandler handler) { return std::exchange(Handler(), std::move(handler)); }

}  // namespace winui
