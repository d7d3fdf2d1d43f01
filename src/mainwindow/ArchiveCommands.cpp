#include "mainwindow/ArchiveCommands.h"

#include <windows.h>

#include <optional>
#include <vector>

#include "browser/Histories.h"
#include "browser/LoadArcContents.h"
#include "browser/TreeListUpkeep.h"
#include "core/ArcTypeTexts.h"
#include "core/CommonDlg.h"
#include "core/SettingValues.h"
#include "core/Settings.h"
#include "core/modPath.h"
#include "core/modShell.h"
#include "core/modTolvenar.h"
#include "mainwindow/ArchiveFileCommands.h"
#include "mainwindow/CompressCommands.h"
#include "mainwindow/TreeEvents.h"
#include "mainwindow/frmMain.h"
#include "winui/MsgBox.h"

namespace mainwindow {

const wchar_t kUnreadableArchive[] = L"指定された書庫ファイルの読み込みに失敗しました";

namespace {

void ReportFailure(frmMain& form, const std::wstring& text) {
  winui::MsgBox(text, MB_OK | MB_ICONSTOP, core::kProgramTitle, form.Hwnd());
}

}  // namespace

std::wstring OpenStartFolder() {
  using core::Settings;
  if (!core::IsOn(Settings.ArcDefaultFlag) && !Settings.ArcDefault.empty()) return Settings.ArcDefault;
  return Settings.OpenFolder;
}

WindowBusy::WindowBusy(frmMain& form) : form_(form), previous_(core::BusyFlag) {
  core::BusyFlag = true;
  ++form_.longWork;
}

WindowBusy::~WindowBusy() {
  core::BusyFlag = previous_;
  if (--form_.longWork > 0 || !form_.closeWaiting) return;
  form_.closeWaiting = false;
  // Posted, so the close runs from the message loop once the handler that read the archive has returned.
  if (HWND window = form_.Hwnd()) PostMessageW(window, WM_CLOSE, 0, 0);
}

bool ArchiveFileExists(const std::wstring& path) { return core::NormalFileExists(path); }

void ShowOpenedArchive(frmMain& form, const std::wstring& path) {
  form.SetCaption(path + L" - " + core::kProgramTitle + L" ");
  browser::AddFileHistory(path);
  browser::SetTreeViewColor();
}

namespace {

// `failure` is reported unless `unlessToldAlready` and the reader has told of the failure itself.
bool Open(frmMain& form, const std::wstring& path, const std::wstring& failure, bool unlessToldAlready) {
  WindowBusy busy(form);
  if (!browser::OpenArchiveFile(path)) {
    if (!unlessToldAlready || !browser::ListingToldFailure()) ReportFailure(form, failure);
    return false;
  }
  ShowOpenedArchive(form, path);
  return true;
}

}  // namespace

bool OpenArchive(frmMain& form, const std::wstring& path, const std::wstring& failure) {
  return Open(form, path, failure, false);
}

void mnuFileOpen_Click(frmMain& form) {
  const std::wstring path =
      core::ShowFileDialog(form.Hwnd(), L"書庫ファイルを開く", core::OpenArchiveFilter(core::OpenDialog::MainWindow),
                           L"", 1, OpenStartFolder(), 0);
  if (path.empty()) return;
  OpenArchive(form, path,
              L"書庫ファイルの読み込みに失敗しました\r\n対応するDLLが存在しないか、とるべなー で認識できない形式です");
}

void OpenRecentArchive(frmMain& form, std::wstring path, const std::wstring& fileWord, bool busyWhileChecking) {
  if (path.empty()) return;
  std::optional<WindowBusy> busy;
  if (busyWhileChecking) busy.emplace(form);
  if (!ArchiveFileExists(path)) {
    ReportFailure(form, fileWord + L"\"" + path + L"\" が見つかりません");
    return;
  }
  // The reader's message already says the archive could not be read; the same words once more would only
  // make the user answer twice.
  Open(form, path, kUnreadableArchive, true);
}

void mnuFileMRU_Click(frmMain& form, int index) {
  const std::vector<std::wstring>& history = core::Settings.History;
  if (index < 0 || index >= static_cast<int>(history.size())) return;
  OpenRecentArchive(form, history[index], L"ファイル ", false);
}

void BindArchiveCommands(frmMain& form) {
  using winui::Event;
  using winui::EventArgs;
  BindArchiveFileCommands(form);
  BindCompressCommands(form);
  form.On(ID_mnuFileOpen, Event::Click, [&form](EventArgs&) { mnuFileOpen_Click(form); });
  form.On(ID_mnuFileMRU, Event::Click, [&form](EventArgs& args) { mnuFileMRU_Click(form, args.index); });
}

}  // namespace mainwindow
