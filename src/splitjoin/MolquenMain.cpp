// Start-up of Molquen.exe: one window, then the message loop until it is unloaded.
#include <windows.h>

#include "splitjoin/ProgramHelpers.h"
#include "splitjoin/frmMolquen.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  return splitjoin::RunProgram([] {
    auto form = std::make_unique<molquen::frmMolquen>();
    return std::unique_ptr<winui::Form>(std::move(form));
  });
}
