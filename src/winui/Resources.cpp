#include "winui/Resources.h"

namespace winui {
namespace {
HINSTANCE& Module() {
  static HINSTANCE module = nullptr;
  return module;
}
}  // namespace

void SetResourceModule(HINSTANCE module) { Module() = module; }
HINSTANCE ResourceModule() { return Module() ? Module() : GetModuleHandleW(nullptr); }

HICON LoadIconRes(int id, int cx, int cy) {
  UINT flags = (cx == 0 && cy == 0) ? LR_DEFAULTSIZE | LR_SHARED : 0;
  return static_cast<HICON>(LoadImageW(ResourceModule(), MAKEINTRESOURCEW(id), IMAGE_ICON, cx, cy, flags));
}

HCURSOR LoadCursorRes(int id) {
  return static_cast<HCURSOR>(
      LoadImageW(ResourceModule(), MAKEINTRESOURCEW(id), IMAGE_CURSOR, 0, 0, LR_DEFAULTSIZE | LR_SHARED));
}

HBITMAP LoadBitmapRes(int id) {
  return static_cast<HBITMAP>(
      LoadImageW(ResourceModule(), MAKEINTRESOURCEW(id), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
}

}  // namespace winui
