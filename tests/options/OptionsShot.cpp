// Shows an options dialog for a screenshot (tests/options/screenshot.sh); not a test.
//   OptionsShot.exe arc <tab 1-18>     the per-type options dialog on that tab
//   OptionsShot.exe general <tab 1-5>  the general options dialog on that tab
#include <windows.h>
#include <commctrl.h>

#include <cwchar>
#include <string>

#include "core/Settings.h"
#include "options/frmArcOption.h"
#include "options/frmOption.h"
#include "winui/App.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR commandLine, int) {
  INITCOMMONCONTROLSEX icc{sizeof icc, ICC_WIN95_CLASSES | ICC_BAR_CLASSES | ICC_TAB_CLASSES};
  InitCommonControlsEx(&icc);
  core::LoadSettings();
  const std::wstring line = commandLine;
  const int page =
      std::wcstol(line.c_str() + (line.find(L' ') == std::wstring::npos ? line.size() : line.find(L' ')), nullptr, 10);
  if (line.rfind(L"general", 0) == 0) {
    static options::frmOption general;
    if (!general.Load()) return 1;
    general.tspOption.SetSelectedTab(page > 0 ? page : 1);
    general.Show();
    return winui::RunMessageLoop();
  }
  options::frmArcOption& dialog = options::ArcOption();
  dialog.SetTabIndex(static_cast<int16_t>(page > 0 ? page : 1));
  dialog.SetCaptionTitle(L"書庫のオプション");
  if (!dialog.Load()) return 1;
  dialog.Show();
  return winui::RunMessageLoop();
}
