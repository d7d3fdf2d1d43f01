#include "MainWindowFixture.h"

#include <windows.h>
#include <commctrl.h>

#include <algorithm>

#include "core/Settings.h"
#include "core/modIni.h"
#include "core/modTolvenar.h"
#include "winui/App.h"

namespace mwtest {

bool LinkRecorder::Called(const std::wstring& entry) const {
  return std::find(calls.begin(), calls.end(), entry) != calls.end();
}

void UseDefaultSettings() {
  core::Settings = core::SettingsStore();
  core::SettingsStore& s = core::Settings;
  s.WindowLeft = L"500";
  s.WindowTop = L"500";
  s.WindowWidth = L"6765";
  s.WindowHeight = L"4170";
  s.SplitBar = L"1965";
  s.PackType = L"0";
  s.SplashLogo = L"0";
  s.NeverTop = L"0";
  s.IconDrop = L"0";
  s.EscEnd = L"1";
  s.RetuKotei = L"0";
  s.Grid = L"0";
  s.FontSize = L"9";
  s.FontName = L"ＭＳ Ｐゴシック";
  s.Font = L"0000";
  s.SortIndex = L"9";
  s.SortFlag = L"0";
  s.BackColor = 16777215;
  s.ForeColor = 0;
}

std::vector<std::pair<HWND, HWND>>* MainWindowTest::zOrderLog_ = nullptr;

LRESULT CALLBACK MainWindowTest::WatchZOrder(int code, WPARAM wParam, LPARAM lParam) {
  const auto* message = reinterpret_cast<const CWPSTRUCT*>(lParam);
  if (code == HC_ACTION && message->message == WM_WINDOWPOSCHANGING && zOrderLog_) {
    const auto* pos = reinterpret_cast<const WINDOWPOS*>(message->lParam);
    if (!(pos->flags & SWP_NOZORDER) &&
        (pos->hwndInsertAfter == HWND_TOPMOST || pos->hwndInsertAfter == HWND_NOTOPMOST))
      zOrderLog_->emplace_back(message->hwnd, pos->hwndInsertAfter);
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

HWND MainWindowTest::LastTopMostRequest(HWND window) const {
  for (auto it = zOrder_.rbegin(); it != zOrder_.rend(); ++it)
    if (it->first == window) return it->second;
  return nullptr;
}

MainWindowTest::MainWindowTest()
    : previousBrowser_(mainwindow::SetBrowserLink(&links)),
      previousBatch_(mainwindow::SetBatchLink(&links)),
      previousStartup_(mainwindow::SetStartupLink(&links)) {
  winui::SetDpiForTesting(96);
  core::SetIniFolder(temp.Path());
  UseDefaultSettings();
  core::ProgramEnding = false;
  core::BusyFlag = false;
  core::NewArcCount = 0;
  core::PrivateState = core::clsPrivate();
  mainwindow::SetKeyStateReader(
      [this](int key) { return std::find(keysDown.begin(), keysDown.end(), key) != keysDown.end(); });
  mainwindow::SetProcessEnder([this](int code) { exitCodes.push_back(code); });
  zOrderLog_ = &zOrder_;
  zOrderHook_ = SetWindowsHookExW(WH_CALLWNDPROC, WatchZOrder, nullptr, GetCurrentThreadId());
}

MainWindowTest::~MainWindowTest() {
  form.reset();
  if (zOrderHook_) UnhookWindowsHookEx(zOrderHook_);
  zOrderLog_ = nullptr;
  mainwindow::SetProcessEnder(nullptr);
  mainwindow::SetKeyStateReader(nullptr);
  mainwindow::SetBrowserLink(previousBrowser_);
  mainwindow::SetBatchLink(previousBatch_);
  mainwindow::SetStartupLink(previousStartup_);
  core::SetIniFolder(L"");
  core::Settings = core::SettingsStore();
  core::ProgramEnding = false;
  core::NewArcCount = 0;
  winui::SetDpiForTesting(0);
}

bool MainWindowTest::LoadWindow(const std::wstring& commandLine) {
  form = std::make_unique<mainwindow::frmMain>();
  form->commandLine = commandLine;
  return form->Load();
}

void MainWindowTest::Click(int menuId) { form->Raise(menuId, winui::Event::Click); }

void MainWindowTest::KeyDown(int key, int shift) {
  int code = key;
  form->Form_KeyDown(code, shift);
}

std::wstring MainWindowTest::SavedIni(const std::wstring& key) const { return core::ReadIni(L"Option", key); }

int MainWindowTest::ColumnPixels(int column) const {
  return static_cast<int>(SendMessageW(form->lvListView.Hwnd(), LVM_GETCOLUMNWIDTH, column, 0));
}

}  // namespace mwtest
