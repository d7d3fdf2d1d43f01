#include "operations/EditCommands.h"

#include "archiver/ArcOutput.h"
#include "browser/TreeListUpkeep.h"
#include "core/ArcCatalogue.h"
#include "core/SettingValues.h"
#include "core/Text.h"
#include "core/modPath.h"
#include "core/modShell.h"
#include "core/modTolvenar.h"
#include "operations/OpenArchiveCommands.h"
#include "winui/MsgBox.h"

namespace operations {

const wchar_t kSfxTargetExists[] = L"変換先のファイルが既に存在します";

namespace {

using core::IsOn;
using core::SettingsStore;

bool CharIs(const std::wstring& flags, size_t k, wchar_t c) { return flags.size() >= k && flags[k - 1] == c; }

std::wstring Short(const EditInput& in, const std::wstring& path) { return in.shortPath ? in.shortPath(path) : path; }

// The list-file path without its "@" or "!".
std::wstring ListPath(const std::wstring& select) { return select.empty() ? select : select.substr(1); }

// Short form of a path without a blank; one with a blank stays in its quoted long form.
std::wstring ShortUnlessBlank(const EditInput& in, const std::wstring& path) {
  return path.find(L' ') == std::wstring::npos ? Short(in, path) : core::QuotePath(path);
}

// The short folder of the archive, "\" and its file name in upper case.
std::wstring ArjArchive(const EditInput& in) {
  return Short(in, core::GetFolderPart(in.archive)) + L"\\" + core::UCase(core::GetFileNamePart(in.archive));
}

ArchiverCommand Make(core::ArchiverCall call, const std::wstring& line) { return {call.archiver, line, call.flag}; }

std::wstring Joined(std::initializer_list<std::wstring> pieces) {
  std::wstring line;
  for (const std::wstring& piece : pieces) {
    if (!line.empty()) line += L' ';
    line += piece;
  }
  return line;
}

// The path switches of adding: no paths, then relative or absolute ones.
const wchar_t* ByPathOption(core::PathMode paths, const wchar_t* none, const wchar_t* kept) {
  if (paths == core::PathMode::None) return none;
  if (core::KeepsPaths(paths)) return kept;
  return nullptr;
}

void AddPiece(std::wstring& switches, const wchar_t* piece) {
  if (piece) switches += std::wstring(L" ") + piece;
}

}  // namespace

std::optional<ArchiverCommand> DeleteCommand(const SettingsStore&, const EditInput& in) {
  const core::ArcTypeRow* row = core::FindArcType(in.type);
  if (!row || !row->edits.remove.verb) return std::nullopt;
  const core::ListVerb& remove = row->edits.remove;
  switch (row->edits.removeArchive) {
    case core::EditArchive::ArjShortUpper:
      return Make(remove.call, Joined({remove.verb, ArjArchive(in), L"!" + Short(in, ListPath(in.select))}));
    case core::EditArchive::Short:
      // A path without a short form keeps its blanks.
      return Make(remove.call,
                  Joined({remove.verb, core::QuotePath(Short(in, in.archive)), core::QuotePath(in.select)}));
    default:
      return Make(remove.call, Joined({remove.verb, core::QuotePath(in.archive), core::QuotePath(in.select)}));
  }
}

std::optional<ArchiverCommand> UpdateCommand(const SettingsStore& s, const EditInput& in) {
  const std::wstring archive = core::QuotePath(in.archive);
  const std::wstring list = core::QuotePath(in.select);
  if (in.type == L"LZH") {
    std::wstring w = L"u -r0 -n1 -jm" + s.LZH_ArcType + L" -h" + s.LZH_HeadType;
    w += IsOn(s.LZH_Attribute) ? L" -a1" : L" -a0";
    if (IsOn(s.LZH_NewArc)) w += L" -t1";
    w += L" -r0";
    if (CharIs(s.LZH_FileOpt, 3, L'1')) w += L" -ji1";
    return ArchiverCommand{Archiver::Unlha, Joined({w, archive, list}), 0};
  }
  if (in.type == L"ZIP") {
    // Without junking folders: an entry goes back under its own path, relative to the list's base line.
    std::wstring w = L"-u -q";
    if (IsOn(s.ZIP_Attribute)) w += L" -S";
    w += L" -" + s.ZIP_ArcTypeOpt + L" -v";
    if (CharIs(s.ZIP_FileOpt, 1, L'1')) w += L" -u";
    if (CharIs(s.ZIP_FileOpt, 3, L'1')) w += L" -k";
    if (IsOn(s.ZIP_EnterConvert)) w += IsOn(s.ZIP_Convert) ? L" -ll" : L" -l";
    if (IsOn(s.ZIP_Encrypt)) w += L" -e";
    return ArchiverCommand{Archiver::Zip, Joined({w, archive, list}), 1};
  }
  if (in.type == L"RAR") {
    std::wstring w = L"u -ep -m" + s.RAR_ArcType + L" -md" + s.RAR_Dictionary;
    if (IsOn(s.RAR_Solid)) w += L" -s";
    if (IsOn(s.RAR_Multimedia)) w += L" -mm";
    if (IsOn(s.RAR_Shared)) w += L" -dh";
    return ArchiverCommand{Archiver::Unrar, Joined({w, ShortUnlessBlank(in, in.archive), list}), 1};
  }
  if (in.type == L"ACE") {
    std::wstring w = L"a -o -ep";
    if (IsOn(s.ACE_Solid)) w += L" -s";
    w += L" -m" + s.ACE_ArcTypeOpt;
    return ArchiverCommand{Archiver::AceExe, Joined({w, ShortUnlessBlank(in, in.archive), list}), 0};
  }
  if (in.type == L"JAR") {
    std::wstring w = L"u";
    if (in.paths == core::PathMode::None) w += L" -jf-";
    w += L" -m" + s.JAR_ArcType;
    if (IsOn(s.JAR_NewArc)) w += L" -s";
    return ArchiverCommand{Archiver::JarExe, Joined({w, archive, core::QuotePath(in.firstItem)}), 0};
  }
  return std::nullopt;
}

std::optional<ArchiverCommand> NewSwitchCommand(const SettingsStore& s, const EditInput& in) {
  if (in.type != L"LZH") return std::nullopt;
  std::wstring w = L"y -h" + s.LZH_HeadType;
  if (IsOn(s.LZH_NewArc)) w += L" -t1";
  return ArchiverCommand{Archiver::Unlha, Joined({w, core::QuotePath(in.archive), core::QuotePath(in.select)}), 0};
}

std::optional<ArchiverCommand> RenameCommand(const EditInput& in, const std::wstring& oldName,
                                             const std::wstring& newName) {
  const std::wstring archive = core::QuotePath(in.archive);
  const bool direct = !oldName.empty();
  const std::wstring list = core::QuotePath(in.select);
  if (in.type == L"LZH")
    return ArchiverCommand{
        Archiver::Unlha,
        direct ? Joined({L"n -n1", archive, core::QuotePath(oldName), core::QuotePath(L"-gr" + newName)})
               : Joined({L"n -n1", archive, list}),
        0};
  if (in.type == L"BGA")
    return ArchiverCommand{Archiver::Bga,
                           direct ? Joined({L"n", archive, core::QuotePath(oldName), core::QuotePath(L"-f" + newName)})
                                  : Joined({L"n", archive, list}),
                           0};
  if (in.type == L"BH") {
    if (!direct) return ArchiverCommand{Archiver::Bh, Joined({L"r", archive, list}), 0};
    std::wstring from = core::QuotePath(oldName), to = core::QuotePath(newName);
    core::SlashToBackslash(from);
    core::SlashToBackslash(to);
    return ArchiverCommand{Archiver::Bh, Joined({L"r", archive, from, to}), 0};
  }
  return std::nullopt;
}

std::optional<ArchiverCommand> TestCommand(const EditInput& in) {
  const core::ArcTypeRow* row = core::FindArcType(in.type);
  if (!row || !row->testVerb.verb) return std::nullopt;
  return Make(row->testVerb.call, Joined({row->testVerb.verb, core::QuotePath(in.archive)}));
}

std::optional<ArchiverCommand> SfxToArcCommand(const EditInput& in) {
  if (in.type == L"LZH") return ArchiverCommand{Archiver::Unlha, L"y -gd1 " + core::QuotePath(in.archive), 0};
  if (in.type == L"ZIP") return ArchiverCommand{Archiver::Zip, L"-A -J " + core::QuotePath(in.archive), 1};
  return std::nullopt;
}

std::wstring SfxToArcName(const std::wstring& type, const std::wstring& program) {
  const std::wstring stem = program.size() >= 3 ? program.substr(0, program.size() - 3) : std::wstring();
  return stem + core::LCase(type);
}

std::optional<ArchiverCommand> AddCommand(const SettingsStore& s, const EditInput& in) {
  const std::wstring archive = core::QuotePath(in.archive);
  const std::wstring folder = core::QuotePath(core::AddBackslash(core::GetFolderPart(in.archive)));
  const std::wstring list = core::QuotePath(in.select);
  const std::wstring shortList = Short(in, ListPath(in.select));
  const bool hasBase = !core::Trim(in.arcFolder).empty();
  const bool noPaths = in.paths == core::PathMode::None;
  std::wstring w;
  if (in.type == L"LZH") {
    w = CharIs(s.LZH_FileOpt, 2, L'0') ? L"u" : L"m";
    w += L" -jm" + s.LZH_ArcType + L" -h" + s.LZH_HeadType + (IsOn(s.LZH_Attribute) ? L" -a1" : L" -a0");
    AddPiece(w, ByPathOption(in.paths, L"-r0", L"-x1 -r2"));
    if (CharIs(s.LZH_FileOpt, 1, L'1')) w += L" -jn1";
    if (CharIs(s.LZH_FileOpt, 3, L'1')) w += L" -ji1";
    return ArchiverCommand{Archiver::Unlha, Joined({w, archive, folder, list}), 0};
  }
  if (in.type == L"ZIP") {
    w = CharIs(s.ZIP_FileOpt, 2, L'0') ? L"-r" : L"-m";
    w += L" -S -" + s.ZIP_ArcTypeOpt + L" -v";
    if (noPaths) w += L" -j";
    if (CharIs(s.ZIP_FileOpt, 1, L'1')) w += L" -u";
    if (CharIs(s.ZIP_FileOpt, 3, L'1')) w += L" -k";
    return ArchiverCommand{Archiver::Zip, Joined({w, archive, list}), 1};
  }
  if (in.type == L"ARJ") {
    w = L"u -a";
    if (noPaths) w += L" -e";
    if (CharIs(s.ARJ_FileOpt, 1, L'1')) w += L" -u";
    w += L" -m" + s.ARJ_ArcType;
    return ArchiverCommand{Archiver::Unarj, Joined({w, ArjArchive(in), L"!" + shortList}), 1};
  }
  if (in.type == L"TAR") {
    // With no path switch the line begins with the joining blank, as the library has always been given it.
    w = noPaths ? L"--use-directory=0 -rvf" : L" -rvf";
    return ArchiverCommand{Archiver::Tar, w + L" " + archive + L" " + folder + L" " + list, 0};
  }
  if (in.type == L"RAR" || in.type == L"ACE") {
    const bool rar = in.type == L"RAR";
    if (rar) {
      w = L"u";
      if (noPaths) w += L" -ep";
      if (CharIs(s.RAR_FileOpt, 1, L'1')) w += L" -u";
      w += L" -m" + s.RAR_ArcType + L" -md" + s.RAR_Dictionary;
      if (IsOn(s.RAR_Solid)) w += L" -s";
      if (IsOn(s.RAR_Multimedia)) w += L" -mm";
      if (IsOn(s.RAR_Shared)) w += L" -dh";
    } else {
      w = L"a -o -ep";
      if (IsOn(s.ACE_Solid)) w += L" -s";
      w += L" -m" + s.ACE_ArcTypeOpt;
    }
    return ArchiverCommand{rar ? Archiver::Unrar : Archiver::AceExe, Joined({w, ArjArchive(in), L"@" + shortList}),
                           static_cast<int16_t>(rar ? 1 : 0)};
  }
  if (in.type == L"JAR") {
    w = CharIs(s.JAR_FileOpt, 2, L'0') ? L"a" : L"m";
    if (noPaths) w += L" -jf-";
    if (CharIs(s.JAR_FileOpt, 1, L'1')) w += L" -u";
    w += L" -m" + s.JAR_ArcType;
    if (IsOn(s.JAR_NewArc)) w += L" -s";
    return ArchiverCommand{Archiver::JarExe, Joined({w, archive, list}), 0};
  }
  const std::wstring base = hasBase ? core::QuotePath(in.arcFolder) : L"";
  if (in.type == L"BGA") {
    w = CharIs(s.BGA_FileOpt, 2, L'0') ? L"a" : L"m";
    w += core::BgaMethodOf(s.BGA_ArcType) == core::BgaMethod::Gzip ? L" -m1" : L" -m2";
    w += L" -l" + s.BGA_Level;
    if (IsOn(s.BGA_Attribute)) w += L" -a";
    if (core::KeepsPaths(in.paths)) w += L" -r";
    if (CharIs(s.BGA_FileOpt, 1, L'1')) w += L" -n";
    return ArchiverCommand{Archiver::Bga, hasBase ? Joined({w, archive, base, list}) : Joined({w, archive, list}), 0};
  }
  if (in.type == L"7Z") {
    w = CharIs(s._7Z_FileOpt, 2, L'0') ? L"a" : L"m";
    if (CharIs(s._7Z_FileOpt, 1, L'1')) w += L" -u";
    AddPiece(w, ByPathOption(in.paths, L"-r-", L"-r"));
    w += L" -ms=off";
    w += IsOn(s._7Z_ArcHead) ? L" -mhc=on" : L" -mhc=off";
    const std::wstring work = core::Trim(s.UnlhaWorkFolder);
    if (core::IsExactlyOn(s.UnlhaWorkFolderFlag) && !work.empty()) w += L" " + core::QuotePath(L"-w" + work);
    return ArchiverCommand{Archiver::SevenZip, hasBase ? Joined({w, archive, base, list}) : Joined({w, archive, list}),
                           0};
  }
  if (in.type == L"BH") {
    w = CharIs(s.BH_FileOpt, 2, L'0') ? L"a" : L"m";
    w += IsOn(s.BH_Attribute) ? L" -a1" : L" -a0";
    AddPiece(w, ByPathOption(in.paths, L"-d0 -r0", L"-d1 -r1"));
    return ArchiverCommand{Archiver::Bh, Joined({w, archive, folder, list}), 0};
  }
  return std::nullopt;
}

// --- the jobs ---

namespace {

EditInput CurrentInput(const std::wstring& archive) {
  EditInput in;
  in.archive = archive;
  in.type = core::GetArcTypeByExt(archive);
  in.select = core::PrivateState.SelectArcFileName();
  in.arcFolder = core::PrivateState.ArcFolderName();
  in.paths = core::PathModeOf(core::Settings.COM_Folder);
  in.shortPath = [](const std::wstring& path) { return core::GetShortPath(path); };
  return in;
}

}  // namespace

void DeleteArcFiles(HWND owner, const std::wstring& archive) {
  SetArcStatus(Run(owner, DeleteCommand(core::Settings, CurrentInput(archive))));
}

void UpdateArcFiles(HWND owner, const std::wstring& archive, core::PathMode paths) {
  EditInput in = CurrentInput(archive);
  in.paths = paths;
  const std::wstring& select = in.select;
  if (in.type == L"JAR") {
    const bool marked = !select.empty() && (select[0] == L'@' || select[0] == L'!');
    const std::vector<std::wstring> items = ReadListItems(marked ? select.substr(1) : select);
    if (!items.empty()) in.firstItem = items.front();
  }
  const RunResult result = Run(owner, UpdateCommand(core::Settings, in));
  browser::RefreshArchiveList(archive, false);
  SetArcStatus(result);
}

void ConvertLzhNewSwitch(HWND owner, const std::wstring& archive) {
  const RunResult result = Run(owner, NewSwitchCommand(core::Settings, CurrentInput(archive)));
  browser::RefreshArchiveList(archive, false);
  SetArcStatus(result);
}

void RenameArcFile(HWND owner, const std::wstring& type, const std::wstring& oldName, const std::wstring& newName) {
  const std::wstring archive = core::PrivateState.ArcFileName();
  EditInput in = CurrentInput(archive);
  in.type = type;
  const RunResult result = Run(owner, RenameCommand(in, oldName, newName));
  SetArcStatus(result);
  if (result.Succeeded() && oldName.empty()) browser::RefreshArchiveList(archive, false);
}

void TestArchive(HWND owner) {
  ForcedOutput forced;
  archiver::ArcOutputText.clear();
  Run(owner, TestCommand(CurrentInput(core::PrivateState.ArcFileName())));
}

void ConvertSfxToArc(HWND owner) {
  core::PrivateState.SetArcStatus(false);
  const std::wstring program = core::PrivateState.ArcFileName();
  const EditInput in = CurrentInput(program);
  const std::optional<ArchiverCommand> command = SfxToArcCommand(in);
  if (!command) return;
  const std::wstring archive = SfxToArcName(in.type, program);
  // The program is rewritten in place and then moved under the archive's name: a file already there would
  // be lost, so the command does not start.
  if (GetFileAttributesW(archive.c_str()) != INVALID_FILE_ATTRIBUTES) {
    winui::MsgBox(std::wstring(kSfxTargetExists) + L"\r\n\"" + archive + L"\"", MB_OK | MB_ICONSTOP,
                  core::kProgramTitle, owner);
    return;
  }
  ForcedOutput forced;
  if (!Run(owner, command).Succeeded()) return;
  if (!CopyFileW(program.c_str(), archive.c_str(), TRUE) || !core::NormalFileExists(archive)) return;
  DeleteFileW(program.c_str());
  core::PrivateState.SetArcFileName(archive);
  core::PrivateState.SetArcStatus(true);
}

void AddArcFiles(HWND owner, const std::wstring& type) {
  const std::wstring archive = core::PrivateState.ArcFileName();
  EditInput in = CurrentInput(archive);
  in.type = type;
  const std::optional<ArchiverCommand> command = AddCommand(core::Settings, in);
  RunResult result;
  if (command && command->archiver == Archiver::Zip) {
    // The writing library takes the listed names relative to the current folder.
    wchar_t saved[MAX_PATH] = {};
    const DWORD got = GetCurrentDirectoryW(MAX_PATH, saved);
    SetCurrentDirectoryW(in.arcFolder.c_str());
    result = Run(owner, command);
    if (got && got < MAX_PATH) SetCurrentDirectoryW(saved);
  } else {
    result = Run(owner, command);
  }
  SetArcStatus(result);
  if (result.Succeeded()) browser::RefreshArchiveList(archive, false);
}

}  // namespace operations
