#include "mainwindow/BrowserLink.h"

#include <windows.h>

#include <algorithm>
#include <utility>
#include <vector>

#include "core/WorkFolder.h"
#include "mainwindow/frmMain.h"
#include "options/frmArcOption.h"
#include "winui/App.h"

namespace mainwindow {
namespace {

BrowserLink* browser = nullptr;
BatchLink* batch = nullptr;
StartupLink* startup = nullptr;
KeyStateReader keyReader;
ProcessEnder ender;

}  // namespace

void StartupLink::SelectTempFolder() { core::SelectTempFolder(); }
void StartupLink::ClearTempFolder() { core::ClearTempFolder(); }
void StartupLink::ReleaseTempFolder() { core::ReleaseTempFolder(); }

void StartupLink::PreloadArcOption(int tabIndex) {
  options::frmArcOption& dialog = options::ArcOption();
  dialog.SetTabIndex(static_cast<int16_t>(tabIndex));
  dialog.SetOptionFlag(1);
  dialog.Load();
}

void StartupLink::UnloadOtherWindows() {
  // From the last loaded down; the main window, whose unload is under way, is left to itself.
  const winui::Form* main = MainFormExists() ? &MainForm() : nullptr;
  std::vector<winui::Form*> forms = winui::LoadedForms();
  for (auto it = forms.rbegin(); it != forms.rend(); ++it) {
    if (*it == main) continue;
    // A form unloaded by another's unload meanwhile is no longer in the list.
    const std::vector<winui::Form*> now = winui::LoadedForms();
    if (std::find(now.begin(), now.end(), *it) != now.end()) (*it)->Unload();
  }
}

BrowserLink& Browser() {
  static BrowserLink none;
  return browser ? *browser : none;
}

BatchLink& Batch() {
  static BatchLink none;
  return batch ? *batch : none;
}

StartupLink& Startup() {
  static StartupLink none;
  return startup ? *startup : none;
}

BrowserLink* SetBrowserLink(BrowserLink* link) { return std::exchange(browser, link); }
BatchLink* SetBatchLink(BatchLink* link) { return std::exchange(batch, link); }
StartupLink* SetStartupLink(StartupLink* link) { return std::exchange(startup, link); }

KeyStateReader SetKeyStateReader(KeyStateReader reader) { return std::exchange(keyReader, std::move(reader)); }

bool KeyIsDown(int virtualKey) {
  if (keyReader) return keyReader(virtualKey);
  return (GetKeyState(virtualKey) & 0x8000) != 0;
}

ProcessEnder SetProcessEnder(ProcessEnder replacement) { return std::exchange(ender, std::move(replacement)); }

void EndProcess(int code) {
  if (ender) {
    ender(code);
    return;
  }
  ExitProcess(static_cast<UINT>(code));
}

}  // namespace mainwindow
