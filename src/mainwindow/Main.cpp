#include "mainwindow/Main.h"

#include <windows.h>
#include <commctrl.h>

#include "archiver/LibraryBinding.h"
#include "archiver/clsArchive.h"
#include "core/PassPhraseAsker.h"
#include "core/SettingValues.h"
#include "core/Settings.h"
#include "core/Text.h"
#include "core/modShell.h"
#include "core/modTolvenar.h"
#include "mainwindow/ArchiveCommands.h"
#include "mainwindow/WindowWork.h"
#include "mainwindow/frmMain.h"
#include "mainwindow/frmOpenning.h"
#include "tools/frmPassPhrase.h"
#include "winui/App.h"
#include "winui/MsgBox.h"

namespace mainwindow {
namespace {

void ShowStartupFailure() {
  CloseSplash();
  winui::MsgBox(StartupFailureText(kNoMainWindow), MB_OK | MB_ICONSTOP, core::kProgramTitle);
  ReleaseMainForm();
  winui::SetBusyCursor(false);
}

// Loads the window, which runs the start, then preloads the options dialog and shows the window; false when
// the window could not be made. A user's close that comes meanwhile (the start yields to the message loop
// at several points) waits for the end of the start and then runs from the message loop: carried out at
// once, it would leave the rest of the start to show the closed window again, made anew and empty, and
// the program would wait on it for ever.
bool LoadAndShow(frmMain& form) {
  WindowBusy starting(form);
  const bool loaded = form.Load();
  winui::DoEvents();
  if (!loaded) return false;
  Work().PreloadArcOption(core::WholeSetting(core::Settings.PackType).value_or(0) + 1);
  winui::DoEvents();
  form.Show();
  winui::DoEvents();
  CloseSplash();
  if (core::IsOn(core::Settings.NeverTop)) {
    form.SetMenuChecked(ID_mnuViewWindowTop, true);
    form.SetTopMost(true);
  }
  return true;
}

}  // namespace

const wchar_t kNoMainWindow[] = L"メインウィンドウを作成できませんでした";

std::wstring StartupFailureText(const std::wstring& description) {
  return L"起動に必要なランタイムが正しくインストールされていない可能性があります 処理を中断します\r\n\r\n詳細\r\n" +
         description;
}

bool StartMain(const std::wstring& commandLine) {
  // A library planted beside a downloaded archive must never be loaded from the current directory.
  archiver::RemoveCurrentDirectoryFromDllSearch();
  archiver::InstallArcTypeDetector();
  // The jobs below the window ask their pass phrases through the program's own dialog.
  static tools::PassPhraseDialog passPhrases;
  core::SetPassPhraseAsker(&passPhrases);
  // The window's tree, list, bars and combo box come from the common controls.
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES | ICC_COOL_CLASSES | ICC_BAR_CLASSES};
  InitCommonControlsEx(&controls);
  winui::SetBusyCursor(true);
  core::OpenWithCommands.assign(1, L"");
  core::EditWatchFiles.assign(1, L"");
  core::EditWatchTimes.assign(1, L"");
  core::ProgramEnding = false;
  core::BusyFlag = true;
  core::LoadSettings();
  SYSTEMTIME now{};
  GetLocalTime(&now);
  core::ListFileName = core::MakeListFileName(now.wHour, now.wMinute, now.wSecond);
  if (commandLine.empty() && !core::IsOn(core::Settings.SplashLogo)) ShowSplash();

  frmMain& form = MainForm();
  form.commandLine = commandLine;
  if (!LoadAndShow(form)) {
    ShowStartupFailure();
    return false;
  }
  winui::SetBusyCursor(false);
  core::BusyFlag = false;
  return true;
}

int Main(const std::wstring& commandLine) {
  if (!StartMain(commandLine)) return 1;
  const int code = winui::RunMessageLoop();
  ReleaseMainForm();
  Work().ReleaseTempFolder();
  return code;
}

}  // namespace mainwindow
