// Start-up of INSTALL.exe on the machine's folders, registry and extension library.
#include <windows.h>

#include "installer/modInstall.h"
#include "splitjoin/ProgramHelpers.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  // A library planted in the current folder is never loaded, not even by the uninstall, which has no window.
  SetDllDirectoryW(L"");
  try {
    return modInstall::Main(splitjoin::ArgumentsOf(GetCommandLineW()), modInstall::MachinePlaces());
  } catch (...) {
    return 1;
  }
}
