#include "operations/PackWorkflow.h"

#include "browser/BrowserViews.h"
#include "browser/TreeListUpkeep.h"
#include "core/ArcTypeTexts.h"
#include "core/BrowseFolderEx.h"
#include "core/CommonDlg.h"
#include "core/SettingValues.h"
#include "core/Settings.h"
#include "core/Text.h"
#include "core/modPath.h"
#include "core/modShell.h"
#include "core/OperationUi.h"
#include "core/modTolvenar.h"
#include "operations/CreateArchive.h"
#include "operations/EditCommands.h"
#include "operations/ListFiles.h"
#include "winui/MsgBox.h"

namespace operations {

namespace {

std::wstring PackStartFolder() {
  using core::Settings;
  if (core::IsOn(Settings.PackDefaultFlag) && !Settings.PackDefault.empty()) return Settings.PackDefault;
  return Settings.OpenFolder;
}

}  // namespace

std::wstring PackListOfChoice(const std::wstring& answer, bool asFolder) {
  if (asFolder) {
    const std::wstring folder = core::RemoveBackslash(answer);
    return core::GetFolderPart(folder) + L'\0' + core::GetFileNamePart(folder) + L"\\*.*";
  }
  if (answer.find(L'\0') != std::wstring::npos) return answer;
  return core::AddBackslash(core::GetFolderPart(answer)) + L'\0' + core::GetFileNamePart(answer);
}

std::wstring WithExtension(const std::wstring& chosen, const std::wstring& extension) {
  // A dot in a folder's name is no extension.
  const size_t slash = chosen.find_last_of(L'\\');
  const size_t nameStart = slash == std::wstring::npos ? 0 : slash + 1;
  return chosen.substr(0, chosen.find(L'.', nameStart)) + L"." + extension;
}

void SelectPackFiles(HWND owner, const std::wstring& arcType, bool addToArchive, bool asFolder) {
  const std::wstring start = PackStartFolder();
  const std::wstring answer = asFolder
                                  ? core::ShowBrowseFolder(start, owner, L"圧縮フォルダの指定")
                                  : core::ShowFileDialog(owner, L"圧縮ファイルの指定", L"すべてのファイル (*.*)|*.*",
                                                         L"", 1, start, arcType == L"YZ2" ? 1 : 9);
  if (answer.empty()) {
    core::PrivateState.SetArcStatus(false);
    return;
  }
  const std::wstring list = PackListOfChoice(answer, asFolder);
  if (addToArchive) {
    const std::wstring refused = FindUnwritableName(list, false);
    if (!refused.empty()) {
      winui::MsgBox(std::wstring(kUnwritableName) + L"\r\n\"" + refused + L"\"", MB_OK | MB_ICONSTOP,
                    core::kProgramTitle, owner);
      core::PrivateState.SetArcStatus(false);
      return;
    }
    MakePackFileList(list, arcType, false);
    core::WindowOperationUi ui(owner);
    const std::wstring archive = core::PrivateState.ArcFileName();
    const JobResult added =
        AddArcFiles(ui, {archive, arcType, core::PrivateState.SelectArcFileName(), core::PrivateState.ArcFolderName()});
    if (added.ok) browser::RefreshArchiveList(archive, false);
    Settle(added);
  } else {
    CreateRequest create;
    create.type = arcType;
    create.folder = asFolder;
    create.recurse = asFolder;
    PackFiles(owner, {list, false, create});
  }
  if (!core::PrivateState.ArcStatus()) return;
  core::Settings.OpenFolder = core::AddBackslash(list.substr(0, list.find(L'\0')));
  DeleteListFile();
  if (browser::BrowserViews* views = browser::Views()) browser::SelectListItem(views->lvListView, 1);
}

std::wstring GetSaveArchiveName(HWND owner, const std::wstring& arcType, const std::wstring& baseName) {
  const std::optional<core::SaveChoice> save = core::NewArchiveSaveChoice(arcType, core::Settings);
  if (!save) return L"";
  const std::wstring answer = core::ShowFileDialog(owner, L"書庫ファイル名の指定", save->filter, baseName, 1,
                                                   core::SaveStartFolder(core::Settings), 1);
  if (answer.empty()) return L"";
  const std::wstring path = WithExtension(answer, save->extension);
  core::PrivateState.SetArcFileName(path);
  return path;
}

}  // namespace operations
