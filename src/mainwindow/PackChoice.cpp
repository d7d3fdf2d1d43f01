#include "mainwindow/PackChoice.h"

#include "browser/BrowserViews.h"
#include "browser/TreeListUpkeep.h"
#include "core/ArcTypeTexts.h"
#include "core/BrowseFolderEx.h"
#include "core/CommonDlg.h"
#include "core/SettingValues.h"
#include "core/Settings.h"
#include "core/modPath.h"
#include "core/OperationUi.h"
#include "core/modTolvenar.h"
#include "mainwindow/EntryEditCommands.h"
#include "operations/CreateArchive.h"
#include "operations/JobResult.h"
#include "operations/ListFiles.h"
#include "operations/PackWorkflow.h"
#include "tools/PackAndShow.h"

namespace mainwindow {

namespace {

std::wstring PackStartFolder() {
  using core::Settings;
  if (core::IsOn(Settings.PackDefaultFlag) && !Settings.PackDefault.empty()) return Settings.PackDefault;
  return Settings.OpenFolder;
}

}  // namespace

void SelectPackFiles(HWND owner, const core::ArcTypeRow& type, bool addToArchive, bool asFolder) {
  const std::wstring start = PackStartFolder();
  const std::wstring answer = asFolder
                                  ? core::ShowBrowseFolder(start, owner, L"圧縮フォルダの指定")
                                  : core::ShowFileDialog(owner, L"圧縮ファイルの指定", L"すべてのファイル (*.*)|*.*",
                                                         L"", 1, start, type.index == core::ArcTypeYz2 ? 1 : 9);
  if (answer.empty()) {
    operations::Settle({});
    return;
  }
  const std::wstring list = operations::PackListOfChoice(answer, asFolder);
  core::WindowOperationUi ui(owner);
  if (addToArchive) {
    const std::wstring refused = operations::FindUnwritableName(list, false);
    if (!refused.empty()) {
      ui.Ask(operations::UnwritableNameReport(refused), MB_OK | MB_ICONSTOP);
      operations::Settle({});
      return;
    }
    AddFilesAndRelist(ui, core::PrivateState.ArcFileName(), type.name, list);
  } else {
    operations::CreateRequest create;
    create.type = &type;
    create.folder = asFolder;
    create.recurse = asFolder;
    tools::PackAndShow(ui, {list, false, create});
  }
  if (!core::PrivateState.ArcStatus()) return;
  core::Settings.OpenFolder = core::AddBackslash(list.substr(0, list.find(L'\0')));
  operations::DeleteListFile();
  if (browser::BrowserViews* views = browser::Views()) browser::SelectListItem(views->lvListView, 1);
}

std::wstring GetSaveArchiveName(HWND owner, const std::wstring& arcType, const std::wstring& baseName) {
  const std::optional<core::SaveChoice> save = core::NewArchiveSaveChoice(arcType, core::Settings);
  if (!save) return L"";
  const std::wstring answer = core::ShowFileDialog(owner, L"書庫ファイル名の指定", save->filter, baseName, 1,
                                                   core::SaveStartFolder(core::Settings), 1);
  if (answer.empty()) return L"";
  const std::wstring path = operations::WithExtension(answer, save->extension);
  core::PrivateState.SetArcFileName(path);
  return path;
}

}  // namespace mainwindow
