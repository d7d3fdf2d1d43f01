#include "MainWindowFixture.h"

#include <windows.h>
#include <commctrl.h>

#include <algorithm>

#include "Standins.h"
#include "archiver/LibraryBinding.h"
#include "core/Settings.h"
#include "core/Text.h"
#include "core/modPath.h"
#include "core/modIni.h"
#include "core/modTolvenar.h"
#include "winui/App.h"

namespace mwtest {

bool WorkRecorder::Called(const std::wstring& entry) const {
  return std::find(calls.begin(), calls.end(), entry) != calls.end();
}

void WorkRecorder::AddDroppedFiles(mainwindow::frmMain&, const std::wstring& archive, const std::wstring& type,
                                   const std::wstring& files) {
  std::wstring shown = files;
  std::replace(shown.begin(), shown.end(), L'\0', L'|');
  Note(L"AddDroppedFiles", archive + L"|" + type + L"|" + shown);
  core::PrivateState.SetArcStatus(addSucceeds);
}

bool WorkRecorder::AskDropArchiveType(mainwindow::frmMain& form) {
  Note(L"AskDropArchiveType", core::Settings.PackType);
  if (dropTypeAnswer.empty()) return false;
  form.DropArcType = dropTypeAnswer;
  return true;
}

bool WorkRecorder::KeyIsDown(int virtualKey) {
  return std::find(keysDown.begin(), keysDown.end(), virtualKey) != keysDown.end();
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

MainWindowTest::MainWindowTest() {
  winui::SetDpiForTesting(96);
  archiver::FreeLibraries();
  archiver::SetLibraryFolder(testsupport::StandinFolder());
  SetEnvironmentVariableW(L"TOLVENAR_STANDIN_CONFIG", (temp / L"standins.ini").c_str());
  SetEnvironmentVariableW(L"TOLVENAR_STANDIN_LOG", (temp / L"standins.log").c_str());
  core::SetIniFolder(temp.Path());
  UseDefaultSettings();
  core::ProgramEnding = false;
  core::BusyFlag = false;
  core::NewArcCount = 0;
  core::PrivateState = core::clsPrivate();
  zOrderLog_ = &zOrder_;
  zOrderHook_ = SetWindowsHookExW(WH_CALLWNDPROC, WatchZOrder, nullptr, GetCurrentThreadId());
}

MainWindowTest::~MainWindowTest() {
  form.reset();
  if (zOrderHook_) UnhookWindowsHookEx(zOrderHook_);
  zOrderLog_ = nullptr;
  archiver::FreeLibraries();
  archiver::SetLibraryFolder(L"");
  SetEnvironmentVariableW(L"TOLVENAR_STANDIN_CONFIG", nullptr);
  SetEnvironmentVariableW(L"TOLVENAR_STANDIN_LOG", nullptr);
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

void MainWindowTest::UseFreshSettings() {
  temp.WriteFile(L"Tolvenar.ini", "[ZIP_Option]\r\nNoKekka=1\r\n");
  core::LoadSettings();
  core::Settings.WorkFolder = temp / L"work";
  CreateDirectoryW(core::Settings.WorkFolder.c_str(), nullptr);
  core::WorkFolderNo = L"00";
  core::ListFileName = L"tv120000.txt";
  core::Settings.Log = L"0";
}

void MainWindowTest::Click(int menuId) { form->Raise(menuId, winui::Event::Click); }

void MainWindowTest::KeyDown(int key, int shift) {
  int code = key;
  form->Form_KeyDown(code, shift);
}

std::wstring MainWindowTest::SavedIni(const std::wstring& key) const { return core::ReadIni(L"Option", key); }

std::wstring MainWindowTest::Archive(const std::wstring& name, const std::string& entries) const {
  const std::string type = core::ToUtf8(core::UCase(core::GetExtension(name, false).substr(1)));
  return temp.WriteFile(name, testsupport::FixtureArchive(type, entries));
}

int MainWindowTest::Opened() const {
  int count = 0;
  for (const std::string& line : testsupport::StandinLogLines(temp / L"standins.log"))
    if (line.find("OpenArchive\t") != std::string::npos) ++count;
  return count;
}

int MainWindowTest::ColumnPixels(int column) const {
  return static_cast<int>(SendMessageW(form->lvListView.Hwnd(), LVM_GETCOLUMNWIDTH, column, 0));
}

}  // namespace mwtest
