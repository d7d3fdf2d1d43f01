#include "operations/UnPackArchive.h"

#include <functional>
#include <optional>
#include <span>

#include "operations/UnPackArgs.h"
#include "core/ArcType.h"
#include "core/MainWindowLink.h"
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
#include "winui/MsgBox.h"

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
void StartFile(const std::wstring& file, bool run) {
  if (run)
    core::Processes().Execute(GetDesktopWindow(), L"open", file, L"", core::ProgramFolder(), SW_SHOWNORMAL);
  else
    core::Processes().Execute(GetDesktopWindow(), L"open", OpeningProgram(file), core::QuotePath(file),
                              core::ProgramFolder(), SW_SHOWNORMAL);
  core::DoEvents();
}

// What follows a successful extraction into `folder`: Explorer, then the after-extraction action.
void AfterUnPack(const std::wstring& folder, bool openExplorer) {
  if (!core::PrivateState.ArcStatus()) return;
  if (openExplorer && core::IsOn(core::Settings.UnPackExp)) core::OpenExplorer(folder, false);
  if (core::Settings.UnPackToRun.empty() || core::Settings.UnPackToRun[0] != L'2')
    RunAfterUnPack(folder, core::Settings.UnPackToRun);
}

// Empties the folder "Drag" beside the list file of the selection, or makes it. Nothing happens without a
// list file: the folder would otherwise be one at the root of the current drive.
void PrepareListDragFolder() {
  const std::wstring parent = core::GetFolderPart(SelectionListFile(core::PrivateState.SelectArcFileName()));
  if (parent.empty()) return;
  const std::wstring drag = parent + L"\\Drag";
  const DWORD attributes = GetFileAttributesW(drag.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES)
    CreateDirectoryW(drag.c_str(), nullptr);
  else if (attributes & FILE_ATTRIBUTE_DIRECTORY)
    core::DeleteFiles(drag + L"\\*.*");
}

using CommandFor = std::function<std::optional<ExtractCommand>(const std::wstring& type, const UnPackArgs& args)>;

// One extraction of PrivateState.ArcFileName into `destination` with the command `command` gives: the
// arguments (which make the destination's folders) and the run. A failure takes away the folders the run
// made and is told, naming the archive. nullopt when nothing ran: no known type, which is told as a failure,
// or a name no archiver can be given, which MakeUnPackArgs has told.
std::optional<UnPackArgs> Extract(HWND owner, const std::wstring& destination, bool direct, const CommandFor& command) {
  const std::wstring archive = core::PrivateState.ArcFileName();
  const std::wstring type = core::GetArcTypeByExt(archive);
  core::PrivateState.SetArcStatus(false);
  if (type.empty()) {
    TellNotExtracted(owner, archive);
    return std::nullopt;
  }
  const NewFolders made(PlanUnPackDestination(core::Settings, archive, core::PrivateState.SelectArcFileName(),
                                              destination, direct, core::PrivateState.IconDrop())
                            .folder);
  std::optional<UnPackArgs> args = MakeUnPackArgs(type, archive, destination, direct);
  if (!args) return std::nullopt;
  RunExtractCommand(owner, command(type, *args));
  if (core::PrivateState.ArcStatus()) return args;
  TellNotExtracted(owner, archive);
  made.Remove();
  return std::nullopt;
}

}  // namespace

void ExecUnpackFromDialog(HWND owner, const std::wstring& destination, bool allVolumes) {
  const std::optional<UnPackArgs> args =
      Extract(owner, destination, true, [allVolumes](const std::wstring& type, const UnPackArgs& prepared) {
        return DialogExtractCommand(core::Settings, {type, prepared, allVolumes});
      });
  if (args) AfterUnPack(args->folder, true);
}

void ExecQuickUnpack(HWND owner, bool direct, const std::wstring& destination, bool flat) {
  const std::optional<UnPackArgs> args =
      Extract(owner, destination, direct, [direct, flat](const std::wstring& type, const UnPackArgs& prepared) {
        return QuickExtractCommand(core::Settings, {type, prepared, direct, flat});
      });
  if (args) core::PrivateState.SetArcFolderName(args->folder);
}

void RunAfterUnPack(const std::wstring& folder, const std::wstring& mode) {
  const wchar_t first = mode.empty() ? L'\0' : mode[0];
  const bool run = first == L'0';
  if (!run && first != L'1') return;
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
  if (run && mode.size() > 1 && mode[1] == L'1') {
    const std::wstring question = L"\"" + core::GetFolderPart(found) + L"\" に解凍した \"" +
                                  core::GetFileNamePart(found) + L"\" を実行します　よろしいですか";
    if (winui::MsgBox(question, MB_OKCANCEL | MB_ICONQUESTION, core::kProgramTitle, core::MainWindow().Hwnd()) != IDOK)
      return;
  }
  StartFile(found, run);
}

void UnPackArchive(HWND owner, const std::wstring& arcPath, bool direct, const std::wstring& dest) {
  if (core::GetArcTypeByExt(arcPath).empty()) {
    core::PrivateState.SetArcStatus(false);
    return;
  }
  core::PrivateState.SetArcFileName(arcPath);
  if (!direct) PrepareListDragFolder();
  ExecQuickUnpack(owner, direct, dest, false);
  AfterUnPack(core::PrivateState.ArcFolderName(), direct);
  DeleteListFile();
}

std::wstring NotExtractedMessage(const std::wstring& archive) {
  return L"次の書庫を解凍できませんでした\r\n\"" + archive + L"\"";
}

void TellNotExtracted(HWND owner, const std::wstring& archive) {
  winui::MsgBox(NotExtractedMessage(archive), MB_OK | MB_ICONSTOP, core::kProgramTitle, owner);
}

void TellExtracted(HWND owner) {
  if (core::IsOn(core::Settings.Message) && core::PrivateState.ArcStatus())
    winui::MsgBox(L"ファイルを解凍しました", MB_OK | MB_ICONINFORMATION, core::kProgramTitle, owner);
}

}  // namespace operations
