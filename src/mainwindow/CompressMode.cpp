#include "mainwindow/CompressMode.h"

#include <windows.h>

#include <vector>

#include "browser/MenuStatus.h"
#include "browser/StatusBarText.h"
#include "browser/TreeListUpkeep.h"
#include "core/ArcType.h"
#include "core/OperationUi.h"
#include "core/SettingValues.h"
#include "core/Settings.h"
#include "core/Text.h"
#include "core/modCommandLine.h"
#include "core/modPath.h"
#include "core/modShell.h"
#include "core/modTolvenar.h"
#include "mainwindow/BatchModes.h"
#include "mainwindow/CompressCommands.h"
#include "mainwindow/PackChoice.h"
#include "mainwindow/frmMain.h"
#include "operations/CreateArchive.h"
#include "operations/JobResult.h"
#include "operations/ListFiles.h"
#include "operations/SfxArchive.h"
#include "tools/PackAndShow.h"
#include "winui/MsgBox.h"

namespace mainwindow {

const wchar_t kItemsInOtherFolders[] =
    L"一つの書庫には同じフォルダにあるファイルしかまとめられません\r\n次の項目は最初の項目と異なるフォルダにあります";
const wchar_t kItemMissing[] = L"次の項目が見つかりません";
const wchar_t kArchiveNotMade[] = L"次の書庫を作成できませんでした";

namespace {

// The self-extracting program compress mode makes after each creation, by type.
struct SfxStep {
  int type;
  std::wstring core::SettingsStore::*option;
  bool plain;              // the converter's batch flag
  bool intoArchiveFolder;  // the archive's folder is given as the destination
  bool replacesArchive;    // once the program is there, the plain archive goes (unless it is to be shown)
};
constexpr SfxStep kSfxSteps[] = {
    {core::ArcTypeLzh, &core::SettingsStore::LZH_MakeSFX, true, false, true},
    {core::ArcTypeZip, &core::SettingsStore::ZIP_MakeSFX, true, false, false},
    {core::ArcTypeCab, &core::SettingsStore::CAB_MakeSFX, false, true, true},
};

// An item as the command line gives it, without a trailing "\" or "\*.*" (which stand for the folder).
std::wstring ItemPath(const std::wstring& item) {
  std::wstring path = core::Trim(item);
  if (core::GetFileNamePart(path) == L"*.*") path = core::GetFolderPart(path);
  return core::RemoveBackslash(path);
}

// What an item adds to a list of files to pack.
struct PackItem {
  std::wstring folder;  // the folder it lies in
  std::wstring name;    // its name; a folder's name followed by "\*.*"
  bool isFolder = false;
};

PackItem DescribeItem(const std::wstring& item) {
  const std::wstring path = ItemPath(item);
  const DWORD attributes = GetFileAttributesW(path.c_str());
  // A path whose attributes cannot be read goes to the archiver as a folder; what it makes of it decides.
  PackItem packed{core::GetFolderPart(path), core::GetFileNamePart(path), true};
  packed.isFolder = attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
  if (packed.isFolder) packed.name = core::AddBackslash(packed.name) + L"*.*";
  return packed;
}

// The self-extracting program of `archive`, beside it and named after it up to the first dot.
std::wstring ProgramOf(const std::wstring& archive) {
  return core::CombinePath(core::GetFolderPart(archive), core::GetBaseName(archive) + L".exe");
}

void Report(frmMain& form, const wchar_t* text, const std::wstring& path) {
  winui::MsgBox(std::wstring(text) + L"\r\n\"" + path + L"\"", MB_OK | MB_ICONSTOP, core::kProgramTitle, form.Hwnd());
}

// False when the user does not want `archive`, which exists, to be written into.
bool MayWriteInto(frmMain& form, const std::wstring& archive) {
  if (!core::PathTaken(archive)) return true;
  return winui::MsgBox(ExistingArchiveQuestion(archive), MB_OKCANCEL | MB_ICONQUESTION, core::kProgramTitle,
                       form.Hwnd()) == IDOK;
}

// The self-extracting program the type's option asks for. The plain archive is deleted only once the program
// is there. False when the program was asked for and not made.
bool MakeSelfExtracting(core::OperationUi& ui, const core::ArcTypeRow& type, const std::wstring& archive,
                        bool keepArchive) {
  for (const SfxStep& step : kSfxSteps) {
    if (type.index != step.type || !core::IsOn(core::Settings.*step.option)) continue;
    const std::wstring destination = step.intoArchiveFolder ? core::GetFolderPart(archive) : L"";
    if (!operations::MakeSfxArchive(ui, {archive, destination, step.plain}).ok ||
        !core::NormalFileExists(ProgramOf(archive)))
      return false;
    if (step.replacesArchive && !keepArchive && core::NormalFileExists(archive)) DeleteFileW(archive.c_str());
    return true;
  }
  return true;
}

// Packs `files` (the folder, NUL, the names) into `archive` and makes it self-extracting as asked; each
// failure is reported. True when everything asked for was made.
bool PackInto(frmMain& form, const core::ArcTypeRow& type, const std::wstring& files, bool folders,
              const std::wstring& archive, bool keepArchive) {
  operations::PackRequest request;
  request.files = files;
  request.create.type = &type;
  request.create.folder = request.create.recurse = folders;
  request.create.archivePath = archive;
  core::PrivateState.SetIconDrop(true);
  core::WindowOperationUi ui(form.Hwnd());
  const bool made = tools::PackAndShow(ui, request).ok;
  core::PrivateState.SetArcFileName(archive);
  if (made && MakeSelfExtracting(ui, type, archive, keepArchive)) return true;
  Report(form, kArchiveNotMade, made ? ProgramOf(archive) : archive);
  // The archive itself stays listed when it was made.
  operations::Settle({made});
  return false;
}

// The window, which stays open, on the archive just made: its first entry selected, the list file gone.
void ShowMadeArchive(frmMain& form) {
  const std::wstring archive = core::PrivateState.ArcFileName();
  core::PrivateState.SetIconDrop(false);
  if (!core::PrivateState.ArcStatus() || archive.empty()) return;
  form.SetCaption(archive + L" - " + core::kProgramTitle + L" ");
  browser::SetMenuStatus(core::GetArcTypeByExt(archive));
  browser::SetStatusBarText();
  browser::SelectListItem(form.lvListView, 1);
  browser::SetTreeViewColor();
  operations::DeleteListFile();
}

int OneArchive(frmMain& form, const core::ArcTypeRow& type, const std::wstring& savedType) {
  const std::vector<std::wstring>& items = core::CommandLineFiles;
  const std::wstring folder = DescribeItem(items.front()).folder;
  std::wstring files = folder, baseName;
  bool folders = false;
  for (const std::wstring& item : items) {
    const PackItem packed = DescribeItem(item);
    if (!core::EqualsNoCase(packed.folder, folder)) {
      Report(form, kItemsInOtherFolders, ItemPath(item));
      return kBatchNotDone;
    }
    // The archiver would leave it out and report success for the others.
    if (!core::PathTaken(ItemPath(item))) {
      Report(form, kItemMissing, ItemPath(item));
      return kBatchNotDone;
    }
    files += L'\0' + packed.name;
    folders = folders || packed.isFolder;
    // The first item names the archive.
    if (core::Trim(baseName).empty()) baseName = core::GetBaseName(core::GetFileNamePart(ItemPath(item)));
  }
  const std::wstring archive = GetSaveArchiveName(form.Hwnd(), type.name, baseName);
  if (archive.empty() || !MayWriteInto(form, archive)) return kBatchNotDone;
  const bool packAfter = core::IsOn(core::Settings.PackAfter);
  const bool made = PackInto(form, type, files, folders, archive, packAfter);
  core::Settings.OpenFolder = core::GetFolderPart(archive);
  if (!packAfter) return made ? kBatchDone : kBatchNotDone;
  ShowMadeArchive(form);
  core::Settings.PackType = savedType;
  return kBatchKeepsWindow;
}

int ArchivePerItem(frmMain& form, const core::ArcTypeRow& type) {
  bool all = true;
  for (const std::wstring& item : core::CommandLineFiles) {
    const PackItem packed = DescribeItem(item);
    const std::wstring archive = ItemArchivePath(item, type.name);
    // An archive of the same name may be an unrelated one: nothing goes into it unasked.
    if (!MayWriteInto(form, archive)) {
      all = false;
      continue;
    }
    all = PackInto(form, type, packed.folder + L'\0' + packed.name, packed.isFolder, archive, false) && all;
  }
  return all ? kBatchDone : kBatchNotDone;
}

}  // namespace

std::wstring ItemArchivePath(const std::wstring& item, const std::wstring& typeName) {
  const std::wstring path = ItemPath(item);
  return core::AddBackslash(core::GetFolderPart(path)) + core::DotToUnderscore(core::GetFileNamePart(path)) + L"." +
         core::LCase(typeName);
}

std::wstring ExistingArchiveQuestion(const std::wstring& path) {
  return path + L"\r\nこのファイルは既に存在します\r\n処理を続けますか?";
}

int CompressMode(frmMain& form) {
  const std::vector<std::wstring>& items = core::CommandLineFiles;
  bool any = false;
  for (const std::wstring& item : items) any = any || !core::Trim(item).empty();
  if (!any) return kBatchNotDone;

  const std::wstring savedType = core::Settings.PackType;
  const bool dragMode = true;
  const std::optional<int> chosen = AskNewArchiveType(form, L"書庫のオプション", 0, &dragMode);
  if (!chosen) return kBatchNotDone;
  core::Settings.PackType = core::ToWString(*chosen);
  const core::ArcTypeRow* type = ChosenArchiveType(form);
  if (!type) return kBatchNotDone;
  if (!core::IsOn(core::Settings.PackKobetsu)) return OneArchive(form, *type, savedType);
  return ArchivePerItem(form, *type);
}

}  // namespace mainwindow
