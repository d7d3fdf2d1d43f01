#include "operations/OpenArcMember.h"

#include <algorithm>

#include "archiver/ExecArcCommand.h"
#include "core/ArcType.h"
#include "core/Text.h"
#include "core/clsPrivate.h"
#include "core/modPath.h"
#include "core/modShell.h"
#include "core/modTolvenar.h"
#include "operations/CreateArchive.h"
#include "winui/MsgBox.h"

namespace operations {

const wchar_t kNoAssociatedProgram[] =
    L"指定されたファイルには関連付けられたアプリケーションが存在しません\r\n標準のｴﾃﾞｨﾀで開きますか";

namespace {

// How a type names an entry inside the archive.
enum class EntryPath { Name, FolderAndName, FolderAndNameBackslashed };
// How the destination reaches the command line.
enum class Destination { Quoted, SevenZip, Plain };

struct MemberRule {
  const wchar_t* type;
  const wchar_t* switches;
  EntryPath path;
  Destination destination;
};

// The one-file switches of each type: every one extracts the entry without its stored folders, replacing a
// file of the name, without asking.
const MemberRule kMemberRules[] = {
    {L"LZH", L"x -c -gn1 -ga1 -x0 -a1 -n1 -y1", EntryPath::Name, Destination::Quoted},
    {L"ZIP", L"-x -o -j --i", EntryPath::FolderAndName, Destination::Quoted},
    {L"CAB", L"-x -o -j -i", EntryPath::FolderAndName, Destination::Quoted},
    {L"ARJ", L"e -y -i", EntryPath::Name, Destination::Quoted},
    {L"TAR", L"--display-dialog=0 --use-directory=0 -xvf", EntryPath::Name, Destination::Quoted},
    {L"TGZ", L"--display-dialog=0 --use-directory=0 -xvf", EntryPath::Name, Destination::Quoted},
    {L"TBZ", L"--display-dialog=0 --use-directory=0 -xvf", EntryPath::Name, Destination::Quoted},
    {L"ISH", L"/a", EntryPath::Name, Destination::Plain},
    {L"RAR", L"-e -u", EntryPath::Name, Destination::Quoted},
    {L"YZ1", L"x -i2 -x0 -y1", EntryPath::Name, Destination::Quoted},
    {L"ACE", L"e -y", EntryPath::Name, Destination::Quoted},
    {L"JAR", L"e -y", EntryPath::Name, Destination::Quoted},
    {L"BGA", L"x -i -o", EntryPath::Name, Destination::Quoted},
    {L"GCA", L"ex", EntryPath::FolderAndNameBackslashed, Destination::Quoted},
    {L"7Z", L"e -r- -aoa -hide -y", EntryPath::FolderAndNameBackslashed, Destination::SevenZip},
    {L"IMP", L"e -r -c0", EntryPath::FolderAndNameBackslashed, Destination::Quoted},
    {L"YZ2", L"m -c -j", EntryPath::Name, Destination::Quoted},
    {L"BH", L"e -o1 -r1 -d0", EntryPath::Name, Destination::Quoted},
    {L"BEL", L"", EntryPath::Name, Destination::Quoted},
};

const MemberRule* RuleOf(const std::wstring& type) {
  for (const MemberRule& rule : kMemberRules)
    if (type == rule.type) return &rule;
  return nullptr;
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
  const MemberRule* rule = RuleOf(type);
  if (!rule || rule->path == EntryPath::Name || core::Trim(entry.folder).empty()) return entry.name;
  std::wstring path = entry.folder + entry.name;
  if (rule->path == EntryPath::FolderAndNameBackslashed) std::replace(path.begin(), path.end(), L'/', L'\\');
  return path;
}

std::optional<MemberExtraction> MemberExtractCommand(const std::wstring& type, const SelectedEntry& entry,
                                                     const std::wstring& archive, const std::wstring& workFolder) {
  const MemberRule* rule = RuleOf(type);
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
  switch (rule->destination) {
    case Destination::Plain:
      command.archive = archive;
      command.destination = workFolder;
      break;
    case Destination::SevenZip:
      command.archive = core::QuotePath(archive);
      command.destination = L"-o" + core::QuotePath(workFolder);
      break;
    case Destination::Quoted:
      command.archive = core::QuotePath(archive);
      command.destination = core::QuotePath(workFolder);
      break;
  }
  return command;
}

MemberMode MemberModeOf(bool extractOnly, bool useProgram) {
  if (extractOnly) return useProgram ? MemberMode::ExtractOnly : MemberMode::Expand;
  return useProgram ? MemberMode::OpenWith : MemberMode::Open;
}

namespace {

// Extracts the entry into the work folder; the extracted file's path, "" when the extraction did not
// produce it. Whatever an earlier opening left there under the same names goes first, so an old copy is
// never taken for the new one.
std::wstring ExtractMember(HWND owner, const std::wstring& type, const SelectedEntry& entry) {
  const std::wstring archive = core::PrivateState.ArcFileName();
  const std::wstring workFolder = core::AddBackslash(core::WorkFolderPath());
  std::optional<MemberExtraction> command = MemberExtractCommand(type, entry, archive, workFolder);
  if (!command) return L"";
  for (const std::wstring& text : {archive, command->names}) {
    if (core::ToCp932Exact(text)) continue;
    winui::MsgBox(std::wstring(kUnwritableName) + L"\r\n\"" + text + L"\"", MB_OK | MB_ICONEXCLAMATION,
                  core::kProgramTitle, owner);
    return L"";
  }
  CreateDirectoryW(core::WorkFolderPath().c_str(), nullptr);
  for (const std::wstring& file : command->files) {
    const std::wstring old = workFolder + file;
    SetFileAttributesW(old.c_str(), FILE_ATTRIBUTE_NORMAL);
    DeleteFileW(old.c_str());
  }
  archiver::ExecArcCommand(owner, type, command->switches, command->archive, command->destination, command->names);
  const std::wstring path = workFolder + entry.name;
  return core::NormalFileExists(path) ? path : L"";
}

// Opens the extracted file as its kind asks: programs run, archives open in a second instance, the rest
// with their associated program.
void OpenByKind(HWND owner, const std::wstring& path, MemberLauncher& launcher) {
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
  if (winui::MsgBox(kNoAssociatedProgram, MB_OKCANCEL | MB_ICONEXCLAMATION, core::kProgramTitle, owner) == IDOK)
    launcher.ExecuteFile(path, 0, L"");
}

}  // namespace

std::wstring OpenArcMember(HWND owner, const SelectedEntry& entry, MemberMode mode, const std::wstring& program,
                           MemberLauncher& launcher) {
  const std::wstring type = core::GetArcTypeByExt(core::PrivateState.ArcFileName());
  auto extract = [&] {
    core::PrivateState.SetEturanMode(true);
    std::wstring path = ExtractMember(owner, type, entry);
    core::PrivateState.SetEturanMode(false);
    return path;
  };
  if (mode == MemberMode::Expand) {
    launcher.ExpandEntry(entry.name, extract);
    return L"";
  }
  const std::wstring path = extract();
  if (path.empty()) return L"";
  switch (mode) {
    case MemberMode::ExtractOnly:
      return path;
    case MemberMode::OpenWith:
      if (program.empty())
        launcher.ExecuteFile(path, 9, L"");
      else
        launcher.ExecuteFile(path, 2, program);
      break;
    case MemberMode::Open:
      OpenByKind(owner, path, launcher);
      break;
    case MemberMode::Expand:
      break;
  }
  return L"";
}

}  // namespace operations
