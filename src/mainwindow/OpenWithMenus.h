#pragma once
// The open-with submenus of the Edit menu and of the list pop-up (mnuEditAction, mnuPopUpAction): rebuilt
// for the selected entry's type each time either menu opens; core::OpenWithCommands holds each item's
// program.
#include <string>

namespace mainwindow {

class frmMain;

// Rebuilds both submenus for entries of extension `ext` (with its dot; "" for none).
void MakeOpenWithMenu(frmMain& form, const std::wstring& ext);
// Opening the Edit menu or the list pop-up rebuilds the submenus for the selected entry.
void BindOpenWithMenus(frmMain& form);

}  // namespace mainwindow
