#pragma once
// Tab pages: a dialog with tabs is one form made of several control tables, the frame's table and one
// table per page, each page's table in its own file. A page is a Frame or PictureBox row whose container
// is the TabStrip; the page's controls name the page as their container and keep their own published ids:
//
//   const ControlDef kGeneralPage[] = {
//       {ID_fraGeneral, L"fraGeneral", Kind::Frame, 240, 480, 4575, 4815, L"", kNone, -1, ID_tspOption},
//       {ID_chkSplash, L"chkSplash", Kind::CheckBox, 120, 120, 2535, 180, L"...", kNone, -1, ID_fraGeneral},
//   };
//   frmOption::frmOption() : Form(kForm, {kFrame, kGeneralPage, kFolderPage}) {}
//
// Tab k shows the k-th page row of its strip; selecting a tab (a click, the keyboard or SetSelectedTab)
// shows that page and hides the others before the strip's Click runs. A page is placed like the strip
// (same coordinates) and lies over it.
#include "winui/Form.h"

namespace winui {

// Selects the tab whose page holds control `id` (through frames inside the page too), as choosing the tab
// would, so that the control can be seen and take the focus. False when the control is on no page.
bool ShowPageOf(Form& form, int id);

}  // namespace winui
