#include "operations/UnPackArchive.h"

#include <functional>
#include <optional>
#include <span>

#include "operations/UnPackArgs.h"
#include "core/ArcType.h"
#include "core/OpenCommand.h"
#include "core/Seams.h"
#include "core/SettingValues.h"
#include "core/Settings.h"
#include "core/Text.h"
#include "core/WorkFolder.h"
#include "core/modPath.h"
#include "core/modShell.h"
#include "core/modTolvenar.h"
#include "operations/ExtractCommands.h"
#include "operations/ListFiles.h"

namespace operations {
namespace {

// The program registered to open the file's type: a quoted command gives what is inside its first
// quotes, and a command is cut after its ".EXE"; Settings.Editor when the type has none.
std::wstring OpeningProgram(const std::wstring& file) {
  std::wstring command = core::GetOpenCommand(core::GetExtension(file, false));
  if (!command.empty() && command.front() == L'"') {
    const size_t close = command.find(L'"', 1);
    command = command.substr(1, close == std::wstring::npos ? std::wstring::npos : close - 1);
  }
  const size_t exe = core::UCase(command).find(L".EXE");
  if (exe != std::wstring::npos) command = core::Trim(command.substr(0, exe + 4));
  return command.empty() ? core::Settings.Editor : command;
}

// Opens the file with the program of its type (`run` False) or runs it (`run` True), in the program's
// folder, as the main window opens every file it hands to another program.
void StartFile(core::OperationUi& ui, const std::wstring& file, bool run) {
  if (run)
    core::Processes().Execute(GetDesktopWindow(), L"open", file, L"", core::ProgramFolder(), SW_SHOWNORMAL);
  else
    core::Processes().Execute(GetDesktopWindow(), L"open", OpeningProgram(file), core::QuotePath(file),
                              core::ProgramFolder(), SW_SHOWNORMAL);
  ui.Pump();
}

// What follows a successful extraction into `folder`: Explorer, then the after-extraction action.
void AfterUnPack(core::OperationUi& ui, const JobResult& result, bool openExplorer) {
  if (!result.ok || result.made.empty()) return;
  const std::wstring& folder = result.made.front();
  if (openExplorer && core::IsOn(core::Settings.UnPackExp)) core::OpenExplorer(folder, false);
  if (core::Settings.UnPackToRun.empty() || core::Settings.UnPackToRun[0] != L'2')
    RunAfterUnPack(ui, folder, core::Settings.UnPackToRun);
}

// Empties the folder "Drag" beside the list file of the selection, or makes it. Nothing happens without a
// list file: the folder would otherwise be one at the root of the current drive.
void PrepareListDragFolder(const std::wstring& selection) {
  const std::wstring parent = core::GetFolderPart(SelectionListFile(selection));
  if (parent.empty()) return;
  const std::wstring drag = parent + L"\\Drag";
  const DWORD attributes = GetFileAttributesW(drag.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES)
    CreateDirectoryW(drag.c_str(), nullptr);
  else if (attributes & FILE_ATTRIBUTE_DIRECTORY)
    core::DeleteFiles(drag + L"\\*.*");
}

using CommandFor = std::function<std::optional<ExtractCommand>(const std::wstring& type, const UnPackArgs& args)>;

// One extraction of the request's archive with the command `command` gives: the arguments (which make the
// destination's folders) and the run. A failure takes away the folders the run made and is told, naming
// the archive. Nothing runs for no known type, which is told as a failure, or for a name no archiver can be
// given, which MakeUnPackArgs has told. On success `made` is the destination folder.
JobResult Extract(core::OperationUi& ui, const UnPackRequest& request, const CommandFor& command) {
  const std::wstring& archive = request.archive;
  const std::wstring type = core::GetArcTypeByExt(archive);
  if (type.empty()) {
    TellNotExtracted(ui, archive);
    return {};
  }
  const NewFolders made(PlanUnPackDestination(core::Settings, archive, request.selection, request.destination,
                                              request.direct, core::PrivateState.IconDrop())
                            .folder);
  std::optional<UnPackArgs> args =
      MakeUnPackArgs(ui, type, archive, request.selection, request.destination, request.direct);
  if (!args) return {};
  JobResult result = RunExtractCommand(ui, command(type, *args));
  if (result.ok) {
    result.made = {args->folder};
    return result;
  }
  TellNotExtracted(ui, archive);
  made.Remove();
  return result;
}

}  // namespace

JobResult ExecUnpackFromDialog(core::OperationUi& ui, const UnPackRequest& request) {
  UnPackRequest dialog = request;
  dialog.direct = true;
  const JobResult result = Extract(ui, dialog, [&request](const std::wstring& type, const UnPackArgs& prepared) {
    return DialogExtractCommand(core::Settings, {type, prepared, request.allVolumes});
  });
  AfterUnPack(ui, result, true);
  return result;
}

JobResult ExecQuickUnpack(core::OperationUi& ui, const UnPackRequest& request) {
  return Extract(ui, request, [&request](const std::wstring& type, const UnPackArgs& prepared) {
    return QuickExtractCommand(core::Settings, {type, prepared, request.direct, request.flat});
  });
}

void RunAfterUnPack(core::OperationUi& ui, const std::wstring& folder, const std::wstring& mode) {
  const bool run = core::FlagIs(mode, 1, L'0');
  if (!run && !core::FlagIs(mode, 1, L'1')) return;
  const std::wstring base = core::AddBackslash(folder);
  static constexpr const wchar_t* kPrograms[] = {L"setup.exe", L"install.exe"};
  static constexpr const wchar_t* kReadMe[] = {L"readme.txt"};
  std::wstring found;
  for (const wchar_t* name :
       run ? std::span<const wchar_t* const>(kPrograms) : std::span<const wchar_t* const>(kReadMe)) {
    if (!core::NormalFileExists(base + name)) continue;
    found = base + name;
    break;
  }
  if (found.empty()) return;
  if (run && core::FlagIs(mode, 2, L'1')) {
    const std::wstring question = L"\"" + core::GetFolderPart(found) + L"\" に解凍した \"" +
                                  core::GetFileNamePart(found) + L"\" を実行します　よろしいですか";
    if (ui.Ask(question, MB_OKCANCEL | MB_ICONQUESTION) != IDOK) return;
  }
  StartFile(ui, found, run);
}

JobResult UnPackArchive(core::OperationUi& ui, const UnPackRequest& request) {
  if (core::GetArcTypeByExt(request.archive).empty()) return {};
  if (!request.direct) PrepareListDragFolder(request.selection);
  UnPackRequest quick = request;
  quick.flat = false;
  const JobResult result = ExecQuickUnpack(ui, quick);
  AfterUnPack(ui, result, request.direct);
  DeleteListFile();
  return result;
}

std::wstring NotExtractedMessage(const std::wstring& archive) {
  return L"次の書庫を解凍できませんでした\r\n\"" + archive + L"\"";
}

void TellNotExtracted(core::OperationUi& ui, const std::wstring& archive) {
  ui.Ask(NotExtractedMessage(archive), MB_OK | MB_ICONSTOP);
}

void TellExtracted(core::OperationUi& ui, bool extracted) {
  if (core::IsOn(core::Settings.Message) && extracted) ui.Ask(L"ファイルを解凍しました", MB_OK | MB_ICONINFORMATION);
}

}  // namespace operations
