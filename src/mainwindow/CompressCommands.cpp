#include "mainwindow/CompressCommands.h"

#include <windows.h>

#include "browser/MadeArchives.h"
#include "browser/MenuStatus.h"
#include "browser/StatusBarText.h"
#include "browser/TreeListUpkeep.h"
#include "core/ArcType.h"
#include "core/OperationUi.h"
#include "core/SettingValues.h"
#include "core/Settings.h"
#include "core/modPath.h"
#include "core/modShell.h"
#include "core/modTolvenar.h"
#include "mainwindow/ArchiveCommands.h"
#include "mainwindow/PackChoice.h"
#include "mainwindow/frmMain.h"
#include "operations/JobResult.h"
#include "operations/ListFiles.h"
#include "operations/SfxArchive.h"
#include "operations/UnPackArchive.h"
#include "options/frmArcOption.h"
#include "options/frmDropOption.h"
#include "options/frmSFX.h"
#include "winui/MsgBox.h"

namespace mainwindow {

const wchar_t kCreatorMissing[] = L"この形式の書庫の作成に必要な次のファイルが見つかりません";

namespace {

std::wstring TitleCaption() { return std::wstring(core::kProgramTitle) + L" "; }

// The type the confirmation dialog's choice names (LZH for an index that names none).
const core::ArcTypeRow& TypeOfChoice(int index) {
  const core::ArcTypeRow* row = core::ArcTypeAt(index);
  return row ? *row : *core::ArcTypeAt(core::ArcTypeLzh);
}

void ShowNewArchive(frmMain& form) {
  const std::wstring path = core::PrivateState.ArcFileName();
  form.SetCaption(path + L" - " + TitleCaption());
  browser::SetMenuStatus(core::GetArcTypeByExt(path));
  browser::SetStatusBarText();
  browser::SetTreeViewColor();
}

void Inform(frmMain& form, const std::wstring& text) {
  winui::MsgBox(text, MB_OK | MB_ICONINFORMATION, core::kProgramTitle, form.Hwnd());
}

}  // namespace

const core::ArcTypeRow* ChosenArchiveType(frmMain& form) {
  std::wstring missing;
  const core::ArcTypeRow* type = form.GetArchiveTypeRow(&missing);
  if (!type)
    winui::MsgBox(std::wstring(kCreatorMissing) + L"\r\n\"" + missing + L"\"", MB_OK | MB_ICONSTOP, core::kProgramTitle,
                  form.Hwnd());
  return type;
}

std::optional<int> AskNewArchiveType(frmMain& form, const std::wstring& title, int optionFlag, const bool* dragMode) {
  options::frmDropOption& dialog = options::DropOption();
  if (dragMode) dialog.SetDragMode(*dragMode);
  dialog.SetOptionFlag(optionFlag);
  dialog.SetCaptionTitle(title);
  dialog.SetArcType(core::WholeSetting(core::Settings.PackType, 0, 0, 16));
  const bool confirmed = dialog.ShowModal(form.Hwnd()) == winui::DialogResult::OK;
  core::DoEvents();
  if (!confirmed) return std::nullopt;
  return dialog.Choice().arcType;
}

void mnuFileQuickUnPack_Click(frmMain& form) {
  browser::SelectAllItems();
  // The whole archive whatever is selected: the request names no entries.
  core::PrivateState.SetIconDrop(true);
  core::WindowOperationUi ui(form.Hwnd());
  operations::Settle(operations::UnPackArchive(ui, {core::PrivateState.ArcFileName()}));
  core::PrivateState.SetIconDrop(false);
  SetForegroundWindow(form.Hwnd());
  operations::DeleteListFile();
  operations::TellExtracted(ui, core::PrivateState.ArcStatus());
}

void mnuEditPack_Click(frmMain& form) {
  const std::wstring previous = core::PrivateState.ArcFileName();
  core::PrivateState.SetArcFileName(L"");
  const bool dragMode = false;
  const std::optional<int> chosen = AskNewArchiveType(form, L"圧縮書庫形式の選択", 1, &dragMode);
  if (!chosen) {
    core::PrivateState.SetArcFileName(previous);
    return;
  }
  SelectPackFiles(form.Hwnd(), TypeOfChoice(*chosen), false, false);
  // A cancelled choice or a failed creation leaves the archive shown before as the current one.
  if (!core::PrivateState.ArcStatus()) {
    core::PrivateState.SetArcFileName(previous);
    return;
  }
  if (!core::PrivateState.ArcFileName().empty()) ShowNewArchive(form);
}

void mnuEditFolderPack_Click(frmMain& form) {
  if (const std::optional<int> chosen = AskNewArchiveType(form, L"圧縮書庫形式の選択(フォルダ)", 2, nullptr))
    SelectPackFiles(form.Hwnd(), TypeOfChoice(*chosen), false, true);
  if (core::PrivateState.ArcFileName().empty()) return;
  ShowNewArchive(form);
  form.tvTreeView.Select(form.tvTreeView.SelectedKey());
}

void mnuFileSFX_Click(frmMain& form) {
  WindowBusy busy(form);
  const std::wstring path = core::PrivateState.ArcFileName();
  const std::wstring type = core::GetArcTypeByExt(path);
  core::PrivateState.SetSelectOk(false);
  if (type == L"LZH")
    options::ShowSfxOptions(form.Hwnd());
  else if (type == L"CAB" || type == L"ZIP" || type == L"TAR" || type == L"RAR" || type == L"ACE" || type == L"BGA" ||
           type == L"BH")
    core::PrivateState.SetSelectOk(true);
  if (!core::PrivateState.SelectOk()) return;
  core::WindowOperationUi ui(form.Hwnd());
  const operations::JobResult converted = operations::Settle(operations::MakeSfxArchive(ui, {path, L"", false}));
  browser::ShowAfterSfx(type, converted.ok);
  if (!converted.ok) return;
  const std::wstring folder = core::AddBackslash(core::GetFolderPart(path));
  if (type == L"CAB") {
    Inform(form, L"自己解凍形式キャビネットを \"" + operations::SfxDestination(path, L"") + L"\" に作成しました");
    return;
  }
  if (type == L"RAR" || type == L"ACE") {
    Inform(form, L"自己解凍形式書庫を \"" + core::GetFolderPart(path) + L"\" に作成しました");
    return;
  }
  const std::wstring name = core::GetFileNamePart(path);
  const std::wstring stem = type == L"LZH" && !core::Settings.LZH_SFXName.empty() ? core::Settings.LZH_SFXName
                                                                                  : name.substr(0, name.find(L'.'));
  const std::wstring program = folder + stem + L".exe";
  if (browser::OpenArchiveFile(program)) {
    ShowOpenedArchive(form, program);
    return;
  }
  winui::MsgBox(L"指定されたファイルは書庫ファイルでないか、\r\nとるべなー【瞬間開梱】で認識できない形式です",
                MB_OK | MB_ICONSTOP, core::kProgramTitle, form.Hwnd());
}

void BindCompressCommands(frmMain& form) {
  using winui::Event;
  using winui::EventArgs;
  options::frmArcOption::SetSfxOptionsOpener(options::ShowSfxOptions);
  form.On(ID_mnuEditPack, Event::Click, [&form](EventArgs&) { mnuEditPack_Click(form); });
  form.On(ID_mnuEditFolderPack, Event::Click, [&form](EventArgs&) { mnuEditFolderPack_Click(form); });
  form.On(ID_mnuFileQuickUnPack, Event::Click, [&form](EventArgs&) { mnuFileQuickUnPack_Click(form); });
  form.On(ID_mnuFileSFX, Event::Click, [&form](EventArgs&) { mnuFileSFX_Click(form); });
}

}  // namespace mainwindow
