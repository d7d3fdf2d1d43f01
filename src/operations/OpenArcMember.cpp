#include "operations/OpenArcMember.h"

#include <algorithm>

#include "archiver/ExecArcCommand.h"
#include "core/ArcCatalogue.h"
#include "core/ArcType.h"
#include "core/Text.h"
#include "core/clsPrivate.h"
#include "core/modPath.h"
#include "core/modShell.h"
#include "core/modTolvenar.h"
#include "operations/CreateArchive.h"
#include "operations/EditedFiles.h"

namespace operations {

const wchar_t kNoAssociatedProgram[] =
    L"指定されたファイルには関連付けられたアプリケーションが存在しません\r\n標準のｴﾃﾞｨﾀで開きますか";

namespace {

// The type's one-entry extraction; nullptr for a type whose entries do not open in place.
const core::OneEntryExtraction* RuleOf(const std::wstring& type) {
  const core::ArcTypeRow* row = core::FindArcType(type);
  return row && row->extraction.oneEntry.switches ? &row->extraction.oneEntry : nullptr;
}

// Extensions of files that are programs (started themselves) and of archives (opened in a second instance).
const wchar_t* const kProgramExtensions[] = {L".EXE", L".COM", L".HLP", L".AVI", L".BAT", L".JPG", L".BMP", L".GIF"};
const wchar_t* const kArchiveExtensions[] = {L".LZH", L".ZIP", L".CAB", L".TAR", L".TAZ", L".GZ",  L".Z",
                                             L".TGZ", L".TBZ", L".BZ2", L".RAR", L".ISH", L".ACE", L".ARJ",
                                             L".GZA", L".BZA", L".GCA", L".YZ1", L".7Z",  L".YZ2", L".BH"};

template <size_t N>
bool Among(const std::wstring& ext, const wchar_t* const (&list)[N]) {
  return std::find_if(std::begin(list), std::end(list), [&](const wchar_t* item) { return ext == item; }) !=
         std::end(list);
}

// The help file's contents file beside it: the same path ending in "CNT".
std::wstring ContentsFileOf(const std::wstring& path) { return path.substr(0, path.size() - 3) + L"CNT"; }

bool IsHelpFile(const std::wstring& path) {
  return path.size() >= 4 && core::UCase(path.substr(path.size() - 4)) == L".HLP";
}

}  // namespace

std::wstring MemberPath(const std::wstring& type, const SelectedEntry& entry) {
  const core::OneEntryExtraction* rule = RuleOf(type);
  if (!rule || rule->naming == core::MemberNaming::Name || core::Trim(entry.folder).empty()) return entry.name;
  std::wstring path = entry.folder + entry.name;
  if (rule->naming == core::MemberNaming::FolderAndNameBackslashed) std::replace(path.begin(), path.end(), L'/', L'\\');
  return path;
}

std::optional<MemberExtraction> MemberExtractCommand(const std::wstring& type, const SelectedEntry& entry,
                                                     const std::wstring& archive, const std::wstring& destination) {
  const core::OneEntryExtraction* rule = RuleOf(type);
  if (!rule) return std::nullopt;
  MemberExtraction command;
  command.switches = rule->switches;
  const std::wstring path = MemberPath(type, entry);
  command.names = core::QuotePath(path);
  command.files = {entry.name};
  if (IsHelpFile(path)) {
    command.names += L" " + core::QuotePath(ContentsFileOf(path));
    command.files.push_back(ContentsFileOf(entry.name));
  }
  switch (rule->places) {
    case core::MemberPlaces::Plain:
      command.archive = archive;
      command.destination = destination;
      break;
    case core::MemberPlaces::OutputSwitch:
      command.archive = core::QuotePath(archive);
      command.destination = L"-o" + core::QuotePath(destination);
      break;
    case core::MemberPlaces::Quoted:
      command.archive = core::QuotePath(archive);
      command.destination = core::QuotePath(destination);
      break;
  }
  return command;
}

MemberMode MemberModeOf(bool extractOnly, bool useProgram) {
  if (extractOnly) return useProgram ? MemberMode::ExtractOnly : MemberMode::Expand;
  return useProgram ? MemberMode::OpenWith : MemberMode::Open;
}

namespace {

// Makes `folder` (with "\\") and the folders it lies in.
void MakeFolders(const std::wstring& folder) {
  const std::wstring path = core::RemoveBackslash(folder);
  const std::wstring parent = core::GetFolderPart(path);
  if (!parent.empty() && parent != path && GetFileAttributesW(parent.c_str()) == INVALID_FILE_ATTRIBUTES)
    MakeFolders(parent);
  CreateDirectoryW(path.c_str(), nullptr);
}

// Extracts the entry into its own place in the work folder (MemberCopyPath): `ok` is the archiver's
// report, `made` the extracted file's path when the extraction produced it. Whatever an earlier opening
// left there under the same names goes first, so an old copy is never taken for the new one.
JobResult ExtractMember(core::OperationUi& ui, const std::wstring& type, const MemberRequest& request) {
  const std::wstring& archive = request.archive;
  const std::wstring copy = MemberCopyPath(archive, request.entry);
  const std::wstring folder = core::AddBackslash(core::GetFolderPart(copy));
  std::optional<MemberExtraction> command = MemberExtractCommand(type, request.entry, archive, folder);
  if (!command) return {};
  for (const std::wstring& text : {archive, command->names}) {
    if (core::ToCp932Exact(text)) continue;
    ui.Ask(std::wstring(kUnwritableName) + L"\r\n\"" + text + L"\"", MB_OK | MB_ICONEXCLAMATION);
    return {};
  }
  MakeFolders(folder);
  for (const std::wstring& file : command->files) {
    const std::wstring old = folder + file;
    SetFileAttributesW(old.c_str(), FILE_ATTRIBUTE_NORMAL);
    DeleteFileW(old.c_str());
  }
  JobResult result{archiver::ExecArcCommand(ui.Owner(), type, command->switches, command->archive, command->destination,
                                            command->names) == 0};
  if (core::NormalFileExists(copy)) result.made = {copy};
  return result;
}

// Opens the extracted file as its kind asks: programs run, archives open in a second instance, the rest
// with their associated program.
void OpenByKind(core::OperationUi& ui, const std::wstring& path, MemberLauncher& launcher) {
  const std::wstring ext = core::UCase(core::GetExtension(core::GetFileNamePart(path), false));
  if (Among(ext, kArchiveExtensions)) {
    launcher.StartSecondInstance(path);
    return;
  }
  if (!Among(ext, kProgramExtensions)) {
    launcher.ExecuteFile(path, 0, L"");
    return;
  }
  if (launcher.ExecuteFile(path, 1, L"") > 31) return;
  if (ui.Ask(kNoAssociatedProgram, MB_OKCANCEL | MB_ICONEXCLAMATION) == IDOK) launcher.ExecuteFile(path, 0, L"");
}

}  // namespace

JobResult OpenArcMember(core::OperationUi& ui, const MemberRequest& request, MemberLauncher& launcher) {
  const std::wstring type = core::GetArcTypeByExt(request.archive);
  JobResult extracted;
  auto extract = [&] {
    core::PrivateState.SetEturanMode(true);
    extracted = ExtractMember(ui, type, request);
    core::PrivateState.SetEturanMode(false);
    return extracted.made.empty() ? std::wstring() : extracted.made.front();
  };
  if (request.mode == MemberMode::Expand) {
    launcher.ExpandEntry(request.entry.name, extract);
    return {extracted.ok};
  }
  const std::wstring path = extract();
  if (path.empty()) return {extracted.ok};
  switch (request.mode) {
    case MemberMode::ExtractOnly:
      return extracted;
    case MemberMode::OpenWith:
      if (request.program.empty())
        launcher.ExecuteFile(path, 9, L"");
      else
        launcher.ExecuteFile(path, 2, request.program);
      break;
    case MemberMode::Open:
      OpenByKind(ui, path, launcher);
      break;
    case MemberMode::Expand:
      break;
  }
  return {extracted.ok};
}

}  // namespace operations
