#pragma once
// Connects the main window to the browser procedures and the archive listing: both get the window's
// controls to work on, and the window's start-up calls reach the browser's tree, list and histories.
namespace mainwindow {

class frmMain;

// Installs the views over `form`'s controls and routes the window's browser calls; for the program's life.
void InstallBrowserWiring(frmMain& form);

}  // namespace mainwindow
