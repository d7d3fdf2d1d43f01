// Start-up of Dravisk.exe: one window, then the message loop until it is unloaded.
#include <windows.h>

#include "splitjoin/ProgramHelpers.h"
#include "splitjoin/frmDravisk.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  return splitjoin::RunProgram([] {
    auto form = std::make_unique<dravisk::frmDravisk>();
    form->commandLine = splitjoin::ArgumentsOf(GetCommandLineW());
    return std::unique_ptr<winui::Form>(std::move(form));
  });
}
