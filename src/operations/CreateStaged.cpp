// ARJ, RAR and ACE archives are made by console tools that cannot take long names: the tool writes the
// archive under an upper-case 8.3-style name in a folder of this creation's own in the temp folder, from a
// copy of the list file there, and the archive is copied to its place afterwards. The folder goes with all
// it holds, unless a staged archive the user may need is left in it: one that could not be copied, or one a
// failing tool may already have moved files into.
#include <windows.h>

#include <atomic>
#include <cstdio>

#include "core/SettingValues.h"
#include "core/Settings.h"
#include "core/Text.h"
#include "core/WorkFolder.h"
#include "core/modPath.h"
#include "core/modShell.h"
#include "core/modTolvenar.h"
#include "operations/CreateArchive.h"
#include "operations/CreateBlocks.h"
#include "operations/ListFiles.h"
#include "operations/SfxArchive.h"

namespace operations {

const wchar_t kArjCreationFailed[] = L"ARJ書庫の作成に失敗しました";

namespace detail {

namespace {

// Waits of the RAR tool's files: this many tries 100 ms apart.
constexpr int kRarTries = 101;

std::wstring Quoted(const std::wstring& text) { return L"\"" + text + L"\""; }

// The console tools end with 1 for a warning (a file they could not read, an attribute not kept): the archive
// they wrote stands, and when told to move they have already deleted the files it holds.
bool ToolFinished(int32_t code) { return code == 0 || code == 1; }

struct StagedNames {
  StageFolder& stage;
  std::wstring archive;  // in the stage folder, upper-case name
  std::wstring final;    // the archive's short folder and the upper-case name
  std::wstring list;     // the list file's copy in the stage folder
};

StagedNames NamesOf(const Creation& c, StageFolder& stage) {
  const std::wstring& folder = stage.Path();
  const std::wstring name = core::UCase(core::GetFileNamePart(c.input.archive));
  return {stage, folder + name, core::GetShortPath(core::GetFolderPart(c.input.archive)) + L"\\" + name,
          folder + core::UCase(core::GetFileNamePart(c.listPath))};
}

void DeleteIfThere(const std::wstring& path) {
  if (core::NormalFileExists(path)) DeleteFileW(path.c_str());
}

// The tool adds to the staged archive: an archive the caller named that already exists goes there first.
// The stage folder is new, so nothing else is there to mix in.
void PrepareStage(const Creation& c, const StagedNames& names) {
  if (core::NormalFileExists(c.input.archive)) CopyFileW(c.input.archive.c_str(), names.archive.c_str(), FALSE);
}

void ReportCopyFailed(core::OperationUi& ui, const std::wstring& staged, const std::wstring& target) {
  ui.Ask(L"作成した書庫を " + Quoted(target) + L" にコピーできませんでした\r\n書庫は " + Quoted(staged) +
             L" に残っています",
         MB_OK | MB_ICONSTOP);
}

// Copies the staged file to its place and removes it; a copy that fails leaves it, with its folder, and is
// reported.
bool Unstage(core::OperationUi& ui, const StagedNames& names, const std::wstring& staged, const std::wstring& target,
             int attempts) {
  if (!CopyWithRetry(staged, target, attempts)) {
    names.stage.Keep();
    ReportCopyFailed(ui, staged, target);
    return false;
  }
  DeleteFileW(staged.c_str());
  return true;
}

enum class Outcome { Placed, Missing, Failed, Kept, NotCopied };

// What becomes of the file the tool was to write in the stage folder, `code` being how the tool ended. A
// tool that finished has its file put in place. One that failed may have written part of it; told to move,
// it may have deleted sources that are now only in there, so the file stays for the user, who is told where;
// otherwise it goes with the stage folder.
Outcome Settle(core::OperationUi& ui, const StagedNames& names, int32_t code, bool move, const std::wstring& staged,
               const std::wstring& target, int attempts) {
  if (!core::NormalFileExists(staged)) return Outcome::Missing;
  if (!ToolFinished(code)) {
    if (!move) return Outcome::Failed;
    names.stage.Keep();
    ReportKeptArchive(ui, staged);
    return Outcome::Kept;
  }
  return Unstage(ui, names, staged, target, attempts) ? Outcome::Placed : Outcome::NotCopied;
}

int32_t ResultOf(Outcome outcome, int32_t code) {
  if (outcome == Outcome::Placed) return 0;
  return code != 0 ? code : -1;
}

// Runs the tool with the command `line` makes of the staged list's short path; the list's copy goes
// afterwards. Gives the tool's exit code.
template <typename Line>
int32_t RunOnStagedList(Creation& c, const StagedNames& names, Line line) {
  CopyFileW(c.listPath.c_str(), names.list.c_str(), FALSE);
  const core::ArchiverCall& writer = c.row->creation.writer;
  const int32_t code =
      Run(c.ui.Owner(), ArchiverCommand{writer.archiver, line(core::GetShortPath(names.list)), writer.flag}).code;
  DeleteIfThere(names.list);
  return code;
}

// The self-extracting program the options ask for after the archive, made from `archive` as `program`; a
// program that failed half-way goes. True when it is there.
bool MakeProgram(Creation& c, const std::wstring& archive, const std::wstring& program) {
  const NewOutputs outputs({program});
  if (MakeSfxArchive(c.ui, {archive, L"", true}).ok && core::NormalFileExists(program)) return true;
  outputs.Remove();
  return false;
}

// The list becomes short names relative to one base folder (the last item's), quoted as every list line is
// (a folder keeps its long name, which may hold a blank); notes a folder item.
std::wstring RewriteArjList(Creation& c) {
  std::vector<std::wstring> lines;
  std::wstring base;
  for (const std::wstring& item : ReadListItems(c.listPath)) {
    if (item.find(L"*.*") != std::wstring::npos) {
      const std::wstring folder = core::GetFolderPart(item);
      // A folder listed as its contents is the base itself.
      const bool contents = core::EqualsNoCase(core::AddBackslash(folder), c.input.baseFolder);
      lines.push_back(contents ? L"*.*" : core::QuotePath(core::GetFileNamePart(folder) + L"\\*.*"));
      base = core::AddBackslash(core::GetShortPath(contents ? folder : core::GetFolderPart(folder)));
      c.input.listHoldsFolder = true;
    } else {
      lines.push_back(core::QuotePath(core::GetFileNamePart(core::GetShortPath(item))));
      base = core::AddBackslash(core::GetShortPath(core::GetFolderPart(item)));
    }
  }
  WriteListFile(c.listPath, lines);
  return base;
}

void RunArj(Creation& c, StageFolder& stage) {
  const StagedNames names = NamesOf(c, stage);
  const std::wstring base = RewriteArjList(c);
  const bool sfx = core::IsOn(core::Settings.ARJ_MakeSFX);
  PrepareStage(c, names);
  const std::wstring switches = CreationSwitches(core::Settings, *c.row, c.input);
  const int32_t code = RunOnStagedList(
      c, names, [&](const std::wstring& list) { return ArjCommandLine(switches, names.archive, base, list); });
  // The tool made the program itself when asked for one.
  const std::wstring staged = sfx ? SfxProgramName(names.archive) : names.archive;
  const std::wstring target = sfx ? SfxProgramName(names.final) : names.final;
  const Outcome outcome = Settle(c.ui, names, code, TellsToMove(switches), staged, target, 1);
  if (outcome == Outcome::Missing || outcome == Outcome::Failed)
    c.ui.Ask(kArjCreationFailed, MB_OK | MB_ICONEXCLAMATION);
  c.result = ResultOf(outcome, code);
  if (c.result != 0) return;
  // The tool made only the program; a plain archive it left on the way is its own.
  if (sfx) {
    DeleteIfThere(names.archive);
    c.created[0] = target;
  }
}

// The split volumes B.r00, B.r01... the tool left beside the staged archive B.RAR.
std::vector<std::wstring> StagedVolumes(const std::wstring& stagedArchive) {
  const std::wstring stem = stagedArchive.substr(0, stagedArchive.size() - 4);
  std::vector<std::wstring> volumes;
  for (int n = 0; n < 100; ++n) {
    const std::wstring volume = stem + L".r" + core::PadNumber(n, 2);
    if (!core::NormalFileExists(volume)) break;
    volumes.push_back(volume);
  }
  return volumes;
}

void ReportRarVolumes(core::OperationUi& ui, const std::vector<std::wstring>& copied, const StagedNames& names) {
  const std::wstring folder = Quoted(core::GetFolderPart(names.final));
  std::wstring text = L"分割ファイル " + Quoted(core::GetFileNamePart(copied.empty() ? names.final : copied.front()));
  if (copied.size() > 0) text += L" ～ " + Quoted(core::GetFileNamePart(copied.back()));
  ui.Ask(text + L" を \r\n" + folder + L" に作成しました", MB_OK | MB_ICONINFORMATION);
}

void RunRar(Creation& c, StageFolder& stage) {
  const core::SettingsStore& s = core::Settings;
  const StagedNames names = NamesOf(c, stage);
  const bool volumes = core::IsOn(s.RAR_Volume);
  PrepareStage(c, names);
  const std::wstring switches = CreationSwitches(s, *c.row, c.input);
  const int32_t code = RunOnStagedList(
      c, names, [&](const std::wstring& list) { return StagedCommandLine(switches, names.archive, list); });
  // The tool has ended when its run returns; a slow disk may still be writing the archive.
  if (ToolFinished(code))
    for (int tries = 1; tries < kRarTries && !core::NormalFileExists(names.archive); ++tries) Sleep(100);
  c.result = ResultOf(Settle(c.ui, names, code, TellsToMove(switches), names.archive, names.final, kRarTries), code);
  if (c.result != 0) return;
  if (volumes) {
    const std::wstring folder = core::AddBackslash(core::GetFolderPart(c.input.archive));
    std::vector<std::wstring> copied;
    for (const std::wstring& volume : StagedVolumes(names.archive)) {
      if (!Unstage(c.ui, names, volume, folder + core::GetFileNamePart(volume), kRarTries)) {
        c.result = -1;
        return;
      }
      copied.push_back(volume);
    }
    ReportRarVolumes(c.ui, copied, names);
  }
  if (!core::IsOn(s.RAR_MakeSFX)) return;

  const std::wstring program = SfxProgramName(c.input.archive);
  // The archive goes only once its program is there.
  if (!MakeProgram(c, names.final, program)) {
    c.result = -1;
    return;
  }
  DeleteIfThere(c.input.archive);
  c.created[0] = program;
}

void RunAce(Creation& c, StageFolder& stage) {
  const core::SettingsStore& s = core::Settings;
  const StagedNames names = NamesOf(c, stage);
  PrepareStage(c, names);
  const std::wstring switches = CreationSwitches(s, *c.row, c.input);
  const int32_t code = RunOnStagedList(
      c, names, [&](const std::wstring& list) { return StagedCommandLine(switches, names.archive, list); });
  c.result = ResultOf(Settle(c.ui, names, code, TellsToMove(switches), names.archive, names.final, 1), code);
  if (c.result != 0 || !core::IsOn(s.ACE_MakeSFX)) return;

  const std::wstring program = c.input.archive.substr(0, c.input.archive.size() - 3) + L"EXE";
  if (!MakeProgram(c, c.input.archive, program) || c.input.named) return;
  std::wstring shownFolder = core::GetFolderPart(c.input.archive);
  if (core::IsOn(s.SaveDefaultFlag) && !s.SaveDefault.empty()) {
    const std::wstring target = core::AddBackslash(s.SaveDefault) + core::GetFileNamePart(program);
    if (CopyWithRetry(program, target, 1)) {
      DeleteFileW(program.c_str());
      shownFolder = s.SaveDefault;
    }
  }
  c.ui.Ask(L"自己解凍形式書庫を " + Quoted(shownFolder) + L" に作成しました", MB_OK | MB_ICONINFORMATION);
  // The plain archive left in the work folder gets no node: the new archive is the program.
  c.result = -1;
}

}  // namespace

bool TellsToMove(const std::wstring& switches) {
  const std::wstring first = switches.substr(0, switches.find(L' '));
  return first == L"m" || first == L"-m";
}

void ReportKeptArchive(core::OperationUi& ui, const std::wstring& path) {
  ui.Ask(L"書庫の作成中にエラーが発生しました\r\n作成途中の書庫は " + Quoted(path) + L" に残っています",
         MB_OK | MB_ICONSTOP);
}

std::wstring TempFolder() {
  wchar_t buffer[MAX_PATH + 1];
  const DWORD n = GetTempPathW(MAX_PATH + 1, buffer);
  return core::AddBackslash(n > 0 && n <= MAX_PATH ? std::wstring(buffer, n) : std::wstring());
}

StageFolder::StageFolder() {
  // Names are tried from a start of this process's own; making the folder is the claim, so a name another
  // instance or staging holds is never taken.
  static std::atomic<unsigned> next{GetCurrentProcessId() * 2654435761u ^ GetTickCount()};
  const std::wstring temp = TempFolder();
  for (int attempt = 0; attempt < 1000; ++attempt) {
    wchar_t name[16];
    swprintf(name, 16, L"TV%06X", next++ & 0xFFFFFFu);
    const std::wstring folder = temp + name;
    if (CreateDirectoryW(folder.c_str(), nullptr)) {
      path_ = folder + L"\\";
      return;
    }
    if (GetLastError() != ERROR_ALREADY_EXISTS) return;
  }
}

StageFolder::~StageFolder() {
  if (path_.empty() || keep_) return;
  core::DeleteFiles(path_ + L"*.*");
  RemoveDirectoryW(core::RemoveBackslash(path_).c_str());
}

namespace {

bool CopyWhole(const std::wstring& from, const std::wstring& to) {
  const std::wstring folder = core::GetFolderPart(to);
  wchar_t part[MAX_PATH];
  if (!GetTempFileNameW(folder.c_str(), L"TV", 0, part)) return false;
  // A file that is replaced keeps its name as the folder stores it.
  const std::wstring stored = core::NormalFileName(to);
  const std::wstring target = stored.empty() ? to : core::AddBackslash(folder) + stored;
  if (CopyFileW(from.c_str(), part, FALSE) && MoveFileExW(part, target.c_str(), MOVEFILE_REPLACE_EXISTING)) return true;
  DeleteFileW(part);
  return false;
}

}  // namespace

bool CopyWithRetry(const std::wstring& from, const std::wstring& to, int attempts) {
  for (int attempt = 0; attempt < attempts; ++attempt) {
    if (attempt > 0) Sleep(100);
    if (CopyWhole(from, to)) return true;
  }
  return false;
}

void RunStaged(Creation& c) {
  StageFolder stage;
  if (!core::NormalFileExists(c.listPath) || stage.Path().empty()) {
    c.result = -1;
    return;
  }
  switch (c.row->index) {
    case core::ArcTypeArj:
      RunArj(c, stage);
      break;
    case core::ArcTypeRar:
      RunRar(c, stage);
      break;
    case core::ArcTypeAce:
      RunAce(c, stage);
      break;
    default:
      break;
  }
}

}  // namespace detail
}  // namespace operations
