// Shows an options dialog for a screenshot (tests/options/screenshot.sh); not a test.
//   OptionsShot.exe arc <tab 1-18>   the per-type options dialog on that tab
#include <windows.h>
#include <commctrl.h>

#include <cwchar>
#include <string>

#include "core/Settings.h"
#include "options/frmArcOption.h"
#include "winui/App.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR commandLine, int) {
  INITCOMMONCONTROLSEX icc{sizeof icc, ICC_WIN95_CLASSES | ICC_BAR_CLASSES | ICC_TAB_CLASSES};
  InitCommonControlsEx(&icc);
  core::LoadSettings();
  const std::wstring line = commandLine;
  const int page =
      std::wcstol(line.c_str() + (line.find(L' ') == std::wstring::npos ? line.size() : line.find(L' ')), nullptr, 10);
  options::frmArcOption& dialog = options::ArcOption();
  dialog.SetTabIndex(static_cast<int16_t>(page > 0 ? page : 1));
  dialog.SetCaptionTitle(L"書庫のオプション");
  if (!dialog.Load()) return 1;
  dialog.Show();
  return winui::RunMessageLoop();
}
