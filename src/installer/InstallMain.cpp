// Start-up of INSTALL.exe on the machine's folders, registry and extension library.
#include <windows.h>

#include "installer/modInstall.h"
#include "splitjoin/ProgramHelpers.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  try {
    return modInstall::Main(splitjoin::ArgumentsOf(GetCommandLineW()), modInstall::MachinePlaces());
  } catch (...) {
    return 1;
  }
}
