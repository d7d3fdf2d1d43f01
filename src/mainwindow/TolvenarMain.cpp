// Tolvenar.exe: the main archive manager.
#include <windows.h>

#include "mainwindow/Main.h"
#include "mainwindow/StartMode.h"
#include "mainwindow/frmMain.h"
#include "mainwindow/BrowserWiring.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  try {
    mainwindow::InstallBrowserWiring(mainwindow::MainForm());
    return mainwindow::Main(mainwindow::ArgumentsOf(GetCommandLineW()));
  } catch (...) {
    return 1;
  }
}
