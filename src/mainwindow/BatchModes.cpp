#include "mainwindow/BatchModes.h"

#include "core/ArcType.h"
#include "core/Seams.h"
#include "core/Settings.h"
#include "core/modCommandLine.h"
#include "core/modShell.h"
#include "core/modTolvenar.h"
#include "mainwindow/ToolCommands.h"
#include "mainwindow/frmMain.h"
#include "operations/JobResult.h"
#include "operations/UnPackArchive.h"
#include "tools/CommandLineRun.h"
#include "tools/ToolCommands.h"
#include "tools/frmPassPhrase.h"
#include "winui/MsgBox.h"

namespace mainwindow {

const wchar_t kClipboardUnavailable[] = L"クリップボードにテキストを書き込めませんでした";
const wchar_t kJpzMissing[] = L"復号化に必要なファイル (jpz.dll) が見つかりません";

int InstantExtractMode(frmMain& form, bool withoutSubFolders) {
  const std::wstring folderByArc = core::Settings.FolderByArc;
  if (withoutSubFolders) core::Settings.FolderByArc = L"0";
  core::PrivateState.SetIconDrop(true);
  form.SetDialogClear();
  core::DoEvents();
  // Explorer hands over whatever the user selected: an item that is no archive is passed over quietly, and
  // only the archives decide the outcome. Each failure is told by the extraction itself.
  int archives = 0;
  bool all = true;
  core::WindowOperationUi ui(form.Hwnd());
  for (const std::wstring& item : core::CommandLineFiles) {
    if (core::GetArcTypeByExt(item).empty()) continue;
    ++archives;
    // The archive each extraction works on is the program's current archive while it runs.
    core::PrivateState.SetArcFileName(item);
    all = operations::Settle(operations::UnPackArchive(ui, {item})).ok && all;
  }
  if (withoutSubFolders) core::Settings.FolderByArc = folderByArc;
  return all && archives > 0 ? kBatchDone : kBatchNotDone;
}

int RunRawCommandLineMode(frmMain& form) {
  form.SetDialogClear();
  // The dialog sets ArcStatus only when a typed command ran; Cancel leaves it as it is here.
  operations::Settle({});
  const bool available = tools::CommandLineAvailable();
  mnuToolCommandLine_Click(form);
  return available && core::PrivateState.ArcStatus() ? kBatchDone : kBatchNotDone;
}

int DecodeFileMode(frmMain& form, const std::wstring& path) {
  if (!core::Clipboard().SetText(tools::ReadTextFile(path))) {
    winui::MsgBox(kClipboardUnavailable, MB_OK | MB_ICONSTOP, core::kProgramTitle, form.Hwnd());
    return kBatchNotDone;
  }
  form.SetDialogClear();
  return tools::DecodeClipboardText(form.Hwnd(), &form.sbStatusBar).empty() ? kBatchNotDone : kBatchDone;
}

int DecryptJpegMode(frmMain& form, const std::wstring& path) {
  tools::PassPhraseDialog prompt;
  tools::clsJpz jpz(prompt, form.Hwnd());
  jpz.GetJpzToJpg(path);
  form.SetDialogClear();
  switch (jpz.LastStatus()) {
    case tools::JpzStatus::Converted:
      return kBatchDone;
    case tools::JpzStatus::LibraryMissing:
      winui::MsgBox(kJpzMissing, MB_OK | MB_ICONEXCLAMATION, core::kProgramTitle, form.Hwnd());
      return kBatchNotDone;
    default:
      return kBatchNotDone;
  }
}

}  // namespace mainwindow
