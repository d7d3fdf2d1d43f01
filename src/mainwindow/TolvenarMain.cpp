// Tolvenar.exe: the main archive manager.
#include <windows.h>

#include "mainwindow/Main.h"
#include "mainwindow/StartMode.h"
#include "mainwindow/frmMain.h"
#ifdef TOLVENAR_WITH_BROWSER
#include "mainwindow/BrowserWiring.h"
#endif

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  try {
#ifdef TOLVENAR_WITH_BROWSER
    mainwindow::InstallBrowserWiring(mainwindow::MainForm());
#endif
    return mainwindow::Main(mainwindow::ArgumentsOf(GetCommandLineW()));
  } catch (...) {
    return 1;
  }
}
