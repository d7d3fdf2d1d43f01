#pragma once
// Icons, cursors and bitmaps from the program's resources by numeric id. Every program's .rc starts with
// `#pragma code_page(65001)` and includes the shared manifest with
//   #include "winui/res/winui.rc"
// (the build adds src/ to the resource compiler's include path).
#include <windows.h>

namespace winui {

// Icon of the program's module (the .exe) at its standard size, or at cx/cy pixels when given.
HICON LoadIconRes(int id, int cx = 0, int cy = 0);
HCURSOR LoadCursorRes(int id);
HBITMAP LoadBitmapRes(int id);
// The module whose resources these functions read (the .exe unless set, e.g. by a DLL).
void SetResourceModule(HINSTANCE module);
HINSTANCE ResourceModule();

}  // namespace winui
