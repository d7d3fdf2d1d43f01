// Starts the main window wide enough for its whole tool bar and, when asked, opens one menu of the bar,
// for a screenshot (tests/mainwindow/screenshot.sh); not a test.
#include <windows.h>

#include "mainwindow/Main.h"
#include "mainwindow/frmMain.h"
#include "winui/App.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR arguments, int) {
  if (!mainwindow::StartMain(L"")) return 1;
  mainwindow::frmMain& form = mainwindow::MainForm();
  form.Move(300, 300, 13500, 6600);
  form.SizeControls(2400);
  // The access letter of the menu to open ("f", "e", "v", "t", "o", "h").
  if (arguments && *arguments) PostMessageW(form.Form::Hwnd(), WM_SYSCOMMAND, SC_KEYMENU, arguments[0]);
  return winui::RunMessageLoop();
}
