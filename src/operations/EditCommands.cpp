#include "operations/EditCommands.h"

#include "archiver/ArcOutput.h"
#include "core/ArcCatalogue.h"
#include "core/SettingValues.h"
#include "core/Text.h"
#include "core/modPath.h"
#include "core/modShell.h"
#include "core/modTolvenar.h"
#include "operations/OpenArchiveCommands.h"

namespace operations {

const wchar_t kSfxTargetExists[] = L"変換先のファイルが既に存在します";

namespace {

using core::IsOn;
using core::SettingsStore;

std::wstring Short(const EditInput& in, const std::wstring& path) { return in.shortPath ? in.shortPath(path) : path; }

// The list-file path without its "@" or "!".
std::wstring ListPath(const std::wstring& select) { return select.empty() ? select : select.substr(1); }

// Short form of a path without a blank; one with a blank stays in its quoted long form.
std::wstring ShortUnlessBlank(const EditInput& in, const std::wstring& path) {
  return path.find(L' ') == std::wstring::npos ? Short(in, path) : core::QuotePath(path);
}

// The short folder of the archive, "\" and its file name in upper case; quoted when it still holds a blank
// (a long name the system keeps no short form of).
std::wstring ArjArchive(const EditInput& in) {
  return core::QuotePath(Short(in, core::GetFolderPart(in.archive)) + L"\\" +
                         core::UCase(core::GetFileNamePart(in.archive)));
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

std::wstring ArchiveArgument(core::EditArchive form, const EditInput& in) {
  switch (form) {
    case core::EditArchive::Short:
      // A path without a short form keeps its blanks.
      return core::QuotePath(Short(in, in.archive));
    case core::EditArchive::ShortUnlessBlank:
      return ShortUnlessBlank(in, in.archive);
    case core::EditArchive::ArjShortUpper:
      return ArjArchive(in);
    case core::EditArchive::Quoted:
      break;
  }
  return core::QuotePath(in.archive);
}

std::wstring NamesArgument(core::EditNames form, const EditInput& in) {
  const std::wstring list = core::QuotePath(in.select);
  switch (form) {
    case core::EditNames::FolderAndList:
      return core::QuotePath(core::AddBackslash(core::GetFolderPart(in.archive))) + L" " + list;
    case core::EditNames::BaseAndList:
      return core::Trim(in.arcFolder).empty() ? list : core::QuotePath(in.arcFolder) + L" " + list;
    // The mark goes inside the quotes, as the creation hands the staged list to the same tools.
    case core::EditNames::BangShortList:
      return core::QuotePath(L"!" + Short(in, ListPath(in.select)));
    case core::EditNames::AtShortList:
      return core::QuotePath(L"@" + Short(in, ListPath(in.select)));
    case core::EditNames::FirstItem:
      return core::QuotePath(in.firstItem);
    case core::EditNames::List:
      break;
  }
  return list;
}

// The command of the row, when the type has one: its switches, the archive, then the names.
std::optional<ArchiverCommand> Edit(const std::optional<core::EditCommand>& command, const std::wstring& switches,
                                    const EditInput& in) {
  if (!command) return std::nullopt;
  return Make(command->call,
              Joined({switches, ArchiveArgument(command->archive, in), NamesArgument(command->names, in)}));
}

const core::EntryEdits* EditsOf(const EditInput& in) {
  const core::ArcTypeRow* row = core::FindArcType(in.type);
  return row ? &row->edits : nullptr;
}

int16_t IndexOf(const EditInput& in) {
  const core::ArcTypeRow* row = core::FindArcType(in.type);
  return row ? row->index : -1;
}

}  // namespace

std::optional<ArchiverCommand> DeleteCommand(const SettingsStore&, const EditInput& in) {
  const core::EntryEdits* edits = EditsOf(in);
  if (!edits || !edits->remove.verb) return std::nullopt;
  const core::ListVerb& remove = edits->remove;
  return Make(remove.call,
              Joined({remove.verb, ArchiveArgument(edits->removeArchive, in), NamesArgument(edits->removeNames, in)}));
}

namespace {

// The switches of putting edited files back, from the options of the type with index `type`.
std::wstring UpdateSwitches(const SettingsStore& s, int16_t type, core::PathMode paths) {
  if (type == core::ArcTypeLzh) {
    std::wstring w = L"u -r0 -n1 -jm" + s.LZH_ArcType + L" -h" + s.LZH_HeadType;
    w += IsOn(s.LZH_Attribute) ? L" -a1" : L" -a0";
    if (IsOn(s.LZH_NewArc)) w += L" -t1";
    w += L" -r0";
    if (core::FlagIs(s.LZH_FileOpt, 3, L'1')) w += L" -ji1";
    return w;
  }
  if (type == core::ArcTypeZip) {
    // Without junking folders: an entry goes back under its own path, relative to the list's base line.
    std::wstring w = L"-u -q";
    if (IsOn(s.ZIP_Attribute)) w += L" -S";
    w += L" -" + s.ZIP_ArcTypeOpt + L" -v";
    if (core::FlagIs(s.ZIP_FileOpt, 1, L'1')) w += L" -u";
    if (core::FlagIs(s.ZIP_FileOpt, 3, L'1')) w += L" -k";
    if (IsOn(s.ZIP_EnterConvert)) w += IsOn(s.ZIP_Convert) ? L" -ll" : L" -l";
    if (IsOn(s.ZIP_Encrypt)) w += L" -e";
    return w;
  }
  if (type == core::ArcTypeRar) {
    std::wstring w = L"u -ep -m" + s.RAR_ArcType + L" -md" + s.RAR_Dictionary;
    if (IsOn(s.RAR_Solid)) w += L" -s";
    if (IsOn(s.RAR_Multimedia)) w += L" -mm";
    if (IsOn(s.RAR_Shared)) w += L" -dh";
    return w;
  }
  if (type == core::ArcTypeAce) {
    std::wstring w = L"a -o -ep";
    if (IsOn(s.ACE_Solid)) w += L" -s";
    w += L" -m" + s.ACE_ArcTypeOpt;
    return w;
  }
  if (type == core::ArcTypeJar) {
    std::wstring w = L"u";
    if (paths == core::PathMode::None) w += L" -jf-";
    w += L" -m" + s.JAR_ArcType;
    if (IsOn(s.JAR_NewArc)) w += L" -s";
    return w;
  }
  return L"";
}

}  // namespace

std::optional<ArchiverCommand> UpdateCommand(const SettingsStore& s, const EditInput& in) {
  const core::EntryEdits* edits = EditsOf(in);
  if (!edits) return std::nullopt;
  return Edit(edits->update, UpdateSwitches(s, IndexOf(in), in.paths), in);
}

std::optional<ArchiverCommand> NewSwitchCommand(const SettingsStore& s, const EditInput& in) {
  const core::EntryEdits* edits = EditsOf(in);
  if (!edits) return std::nullopt;
  // Only LZH archives are re-written with new header options.
  std::wstring w = L"y -h" + s.LZH_HeadType;
  if (IsOn(s.LZH_NewArc)) w += L" -t1";
  return Edit(edits->newHeaders, w, in);
}

std::optional<ArchiverCommand> RenameCommand(const EditInput& in, const std::wstring& oldName,
                                             const std::wstring& newName) {
  const core::EntryEdits* edits = EditsOf(in);
  if (!edits || !edits->rename.verb) return std::nullopt;
  const core::RenameRule& rename = edits->rename;
  const std::wstring archive = core::QuotePath(in.archive);
  if (oldName.empty()) return Make(rename.call, Joined({rename.verb, archive, core::QuotePath(in.select)}));
  std::wstring from = core::QuotePath(oldName), to = core::QuotePath(rename.newNameSwitch + newName);
  if (rename.backslashes) {
    core::SlashToBackslash(from);
    core::SlashToBackslash(to);
  }
  return Make(rename.call, Joined({rename.verb, archive, from, to}));
}

std::optional<ArchiverCommand> TestCommand(const EditInput& in) {
  const core::ArcTypeRow* row = core::FindArcType(in.type);
  if (!row || !row->testVerb.verb) return std::nullopt;
  return Make(row->testVerb.call, Joined({row->testVerb.verb, core::QuotePath(in.archive)}));
}

std::optional<ArchiverCommand> SfxToArcCommand(const EditInput& in) {
  const core::EntryEdits* edits = EditsOf(in);
  if (!edits || !edits->fromProgram.verb) return std::nullopt;
  return Make(edits->fromProgram.call, Joined({edits->fromProgram.verb, core::QuotePath(in.archive)}));
}

std::wstring SfxToArcName(const std::wstring& type, const std::wstring& program) {
  const std::wstring stem = program.size() >= 3 ? program.substr(0, program.size() - 3) : std::wstring();
  return stem + core::LCase(type);
}

namespace {

// The switches of adding files, from the options of the type with index `type`.
std::wstring AddSwitches(const SettingsStore& s, int16_t type, core::PathMode paths) {
  const bool noPaths = paths == core::PathMode::None;
  std::wstring w;
  if (type == core::ArcTypeLzh) {
    w = core::FlagIs(s.LZH_FileOpt, 2, L'0') ? L"u" : L"m";
    w += L" -jm" + s.LZH_ArcType + L" -h" + s.LZH_HeadType + (IsOn(s.LZH_Attribute) ? L" -a1" : L" -a0");
    AddPiece(w, ByPathOption(paths, L"-r0", L"-x1 -r2"));
    if (core::FlagIs(s.LZH_FileOpt, 1, L'1')) w += L" -jn1";
    if (core::FlagIs(s.LZH_FileOpt, 3, L'1')) w += L" -ji1";
    return w;
  }
  if (type == core::ArcTypeZip) {
    w = core::FlagIs(s.ZIP_FileOpt, 2, L'0') ? L"-r" : L"-m";
    w += L" -S -" + s.ZIP_ArcTypeOpt + L" -v";
    if (noPaths) w += L" -j";
    if (core::FlagIs(s.ZIP_FileOpt, 1, L'1')) w += L" -u";
    if (core::FlagIs(s.ZIP_FileOpt, 3, L'1')) w += L" -k";
    return w;
  }
  if (type == core::ArcTypeArj) {
    w = L"u -a";
    if (noPaths) w += L" -e";
    if (core::FlagIs(s.ARJ_FileOpt, 1, L'1')) w += L" -u";
    w += L" -m" + s.ARJ_ArcType;
    return w;
  }
  if (type == core::ArcTypeTar) {
    // With no path switch the line begins with the joining blank, as the library has always been given it.
    w = noPaths ? L"--use-directory=0 -rvf" : L" -rvf";
    return w;
  }
  if (type == core::ArcTypeRar || type == core::ArcTypeAce) {
    const bool rar = type == core::ArcTypeRar;
    if (rar) {
      w = L"u";
      if (noPaths) w += L" -ep";
      if (core::FlagIs(s.RAR_FileOpt, 1, L'1')) w += L" -u";
      w += L" -m" + s.RAR_ArcType + L" -md" + s.RAR_Dictionary;
      if (IsOn(s.RAR_Solid)) w += L" -s";
      if (IsOn(s.RAR_Multimedia)) w += L" -mm";
      if (IsOn(s.RAR_Shared)) w += L" -dh";
    } else {
      w = L"a -o -ep";
      if (IsOn(s.ACE_Solid)) w += L" -s";
      w += L" -m" + s.ACE_ArcTypeOpt;
    }
    return w;
  }
  if (type == core::ArcTypeJar) {
    w = core::FlagIs(s.JAR_FileOpt, 2, L'0') ? L"a" : L"m";
    if (noPaths) w += L" -jf-";
    if (core::FlagIs(s.JAR_FileOpt, 1, L'1')) w += L" -u";
    w += L" -m" + s.JAR_ArcType;
    if (IsOn(s.JAR_NewArc)) w += L" -s";
    return w;
  }
  if (type == core::ArcTypeBga) {
    w = core::FlagIs(s.BGA_FileOpt, 2, L'0') ? L"a" : L"m";
    w += core::BgaMethodOf(s.BGA_ArcType) == core::BgaMethod::Gzip ? L" -m1" : L" -m2";
    w += L" -l" + s.BGA_Level;
    if (IsOn(s.BGA_Attribute)) w += L" -a";
    if (core::KeepsPaths(paths)) w += L" -r";
    if (core::FlagIs(s.BGA_FileOpt, 1, L'1')) w += L" -n";
    return w;
  }
  if (type == core::ArcType7z) {
    w = core::FlagIs(s._7Z_FileOpt, 2, L'0') ? L"a" : L"m";
    if (core::FlagIs(s._7Z_FileOpt, 1, L'1')) w += L" -u";
    AddPiece(w, ByPathOption(paths, L"-r-", L"-r"));
    w += L" -ms=off";
    w += IsOn(s._7Z_ArcHead) ? L" -mhc=on" : L" -mhc=off";
    const std::wstring work = core::Trim(s.UnlhaWorkFolder);
    if (core::IsExactlyOn(s.UnlhaWorkFolderFlag) && !work.empty()) w += L" " + core::QuotePath(L"-w" + work);
    return w;
  }
  if (type == core::ArcTypeBh) {
    w = core::FlagIs(s.BH_FileOpt, 2, L'0') ? L"a" : L"m";
    w += IsOn(s.BH_Attribute) ? L" -a1" : L" -a0";
    AddPiece(w, ByPathOption(paths, L"-d0 -r0", L"-d1 -r1"));
    return w;
  }
  return w;
}

}  // namespace

std::optional<ArchiverCommand> AddCommand(const SettingsStore& s, const EditInput& in) {
  const core::EntryEdits* edits = EditsOf(in);
  if (!edits) return std::nullopt;
  return Edit(edits->add, AddSwitches(s, IndexOf(in), in.paths), in);
}

// --- the jobs ---

namespace {

EditInput InputOf(const EditRequest& request) {
  EditInput in;
  in.archive = request.archive;
  in.type = request.type.empty() ? core::GetArcTypeByExt(request.archive) : request.type;
  in.select = request.selection;
  in.arcFolder = request.arcFolder;
  in.paths = core::PathModeOf(core::Settings.COM_Folder);
  in.shortPath = [](const std::wstring& path) { return core::GetShortPath(path); };
  return in;
}

JobResult Outcome(const RunResult& run) { return {run.Succeeded()}; }

}  // namespace

JobResult DeleteArcFiles(core::OperationUi& ui, const EditRequest& request) {
  return Outcome(Run(ui.Owner(), DeleteCommand(core::Settings, InputOf(request))));
}

JobResult UpdateArcFiles(core::OperationUi& ui, const EditRequest& request, core::PathMode paths) {
  EditInput in = InputOf(request);
  in.paths = paths;
  const std::wstring& select = in.select;
  const core::EntryEdits* edits = EditsOf(in);
  if (edits && edits->update && edits->update->names == core::EditNames::FirstItem) {
    const bool marked = !select.empty() && (select[0] == L'@' || select[0] == L'!');
    const std::vector<std::wstring> items = ReadListItems(marked ? select.substr(1) : select);
    if (!items.empty()) in.firstItem = items.front();
  }
  return Outcome(Run(ui.Owner(), UpdateCommand(core::Settings, in)));
}

JobResult ConvertLzhNewSwitch(core::OperationUi& ui, const EditRequest& request) {
  return Outcome(Run(ui.Owner(), NewSwitchCommand(core::Settings, InputOf(request))));
}

JobResult RenameArcFile(core::OperationUi& ui, const EditRequest& request, const std::wstring& oldName,
                        const std::wstring& newName) {
  return Outcome(Run(ui.Owner(), RenameCommand(InputOf(request), oldName, newName)));
}

JobResult TestArchive(core::OperationUi& ui, const EditRequest& request) {
  ForcedOutput forced;
  archiver::ArcOutputText.clear();
  return Outcome(Run(ui.Owner(), TestCommand(InputOf(request))));
}

JobResult ConvertSfxToArc(core::OperationUi& ui, const EditRequest& request) {
  const std::wstring& program = request.archive;
  const EditInput in = InputOf(request);
  const std::optional<ArchiverCommand> command = SfxToArcCommand(in);
  if (!command) return {};
  const std::wstring archive = SfxToArcName(in.type, program);
  // The program is rewritten in place and then moved under the archive's name: a file already there would
  // be lost, so the command does not start.
  if (GetFileAttributesW(archive.c_str()) != INVALID_FILE_ATTRIBUTES) {
    ui.Ask(std::wstring(kSfxTargetExists) + L"\r\n\"" + archive + L"\"", MB_OK | MB_ICONSTOP);
    return {};
  }
  ForcedOutput forced;
  if (!Run(ui.Owner(), command).Succeeded()) return {};
  if (!CopyFileW(program.c_str(), archive.c_str(), TRUE) || !core::NormalFileExists(archive)) return {};
  DeleteFileW(program.c_str());
  return {true, {archive}};
}

JobResult AddArcFiles(core::OperationUi& ui, const EditRequest& request) {
  const EditInput in = InputOf(request);
  const std::optional<ArchiverCommand> command = AddCommand(core::Settings, in);
  if (!command || command->archiver != Archiver::Zip) return Outcome(Run(ui.Owner(), command));
  // The writing library takes the listed names relative to the current folder.
  wchar_t saved[MAX_PATH] = {};
  const DWORD got = GetCurrentDirectoryW(MAX_PATH, saved);
  SetCurrentDirectoryW(in.arcFolder.c_str());
  const RunResult result = Run(ui.Owner(), command);
  if (got && got < MAX_PATH) SetCurrentDirectoryW(saved);
  return Outcome(result);
}

}  // namespace operations
