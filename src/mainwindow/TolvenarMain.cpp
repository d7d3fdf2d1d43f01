// Tolvenar.exe: the main archive manager.
#include <windows.h>

#include "mainwindow/Main.h"
#include "mainwindow/StartMode.h"
#include "mainwindow/frmMain.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  try {
    return mainwindow::Main(mainwindow::ArgumentsOf(GetCommandLineW()));
  } catch (...) {
    return 1;
  }
}
