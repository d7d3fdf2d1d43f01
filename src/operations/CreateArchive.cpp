#include "operations/CreateArchive.h"

#include <algorithm>
#include <cwchar>

#include "archiver/clsArchive.h"
#include "core/PassPhraseAsker.h"
#include "core/SettingValues.h"
#include "core/Settings.h"
#include "core/Text.h"
#include "core/modPath.h"
#include "core/modShell.h"
#include "core/modTolvenar.h"
#include "operations/CreateBlocks.h"
#include "operations/ListFiles.h"
#include "operations/NewArchiveNames.h"
#include "operations/SfxArchive.h"

namespace operations {

const wchar_t kUnwritableName[] = L"次のファイル名には書庫に格納できない文字が含まれています";

namespace {

using detail::Creation;

constexpr wchar_t kGcaPassComment[] = L"パスワードを入力して下さい";

std::wstring NameOf(const core::ArcTypeRow* row) { return row ? row->name : L""; }

bool EndsWith(const std::wstring& text, const std::wstring& tail) {
  return text.size() >= tail.size() && text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
}

int CabLibraryVersion() {
  const std::wstring text = archiver::Archive().GetCabVersion();
  return text.empty() ? 0 : static_cast<int>(std::wcstod(text.c_str(), nullptr) * 100 + 0.5);
}

// The module 7-Zip's options name, beside the library found on the search path or in the program folder.
bool SevenZipModulePresent(const core::SettingsStore& s) {
  const std::wstring module = SevenZipSfxModule(s);
  if (module.empty()) return false;
  std::wstring library = L"7-zip32.dll";
  const std::wstring folder = core::FindFilePath(library) ? core::GetFolderPart(library) : core::ProgramFolder();
  return core::NormalFileExists(core::AddBackslash(folder) + module);
}

// The volume names a split cabinet of `archive` may take, in their order.
std::vector<std::wstring> CabVolumeNames(const std::wstring& archive) {
  const std::wstring folder = core::AddBackslash(core::GetFolderPart(archive));
  const std::wstring name = core::GetFileNamePart(archive);
  const std::wstring stem = folder + name.substr(0, name.size() >= 4 ? name.size() - 4 : 0);
  std::vector<std::wstring> names;
  for (int n = 1; n < 100; ++n) names.push_back(stem + core::PadNumber(n, 2) + L".cab");
  return names;
}

// Runs the one command that writes the archive. A command that fails takes with it what it began, unless it
// was told to move the files: what it wrote may then hold the only copy of some, and is left and reported.
void RunWriting(Creation& c, const std::optional<ArchiverCommand>& command) {
  std::vector<std::wstring> outputs{c.input.archive};
  if (c.row->index == core::ArcTypeCab && core::IsOn(core::Settings.CAB_Multi))
    for (const std::wstring& volume : CabVolumeNames(c.input.archive)) outputs.push_back(volume);
  const detail::NewOutputs written(outputs);
  c.moved = command && detail::TellsToMove(command->line);
  c.result = Run(c.ui.Owner(), command).code;
  if (c.result == 0) return;
  if (!c.moved) {
    written.Remove();
    return;
  }
  for (const std::wstring& path : written.Written()) detail::ReportKeptArchive(c.ui, path);
}

// ISH encodes every listed file on its own into the archive's folder.
void RunIsh(Creation& c) {
  if (!core::NormalFileExists(c.listPath)) {
    c.result = -1;
    return;
  }
  const std::wstring folder = core::AddBackslash(core::GetFolderPart(c.input.archive));
  c.created.clear();
  for (const std::wstring& item : ReadListItems(c.listPath)) {
    if (core::Trim(item).empty()) continue;
    // The library names its output after the file as it was given: its short name.
    const std::wstring file = core::GetShortPath(item);
    const std::wstring output = IshOutputName(folder, file);
    const detail::NewOutputs outputs({output});
    const int32_t code = Run(c.ui.Owner(), IshEncodeCommand(core::Settings, core::GetShortPath(folder), file)).code;
    if (code == 0) {
      c.created.push_back(output);
      continue;
    }
    outputs.Remove();
    if (c.result == 0) c.result = code;
  }
}

// YZ2 compresses the first listed item; without a list nothing is made.
void RunYz2(Creation& c) {
  if (!core::NormalFileExists(c.listPath)) return;
  const std::vector<std::wstring> items = ReadListItems(c.listPath);
  if (!items.empty()) RunWriting(c, Yz2Command(core::Settings, c.input.archive, items.front()));
}

void RunGca(Creation& c) {
  const core::SettingsStore& s = core::Settings;
  if (core::IsOn(s.GCA_Pass) && core::GcaPassSourceOf(s.GCA_PassType) == core::GcaPassSource::Prompt) {
    c.input.password = core::PassPhrases().Ask(c.ui.Owner(), {.preset = s.GCA_PassDefault, .comment = kGcaPassComment});
    if (c.input.password.empty()) {
      c.result = -1;
      return;
    }
  }
  RunWriting(c, CreationCommand(s, *c.row, c.input));
}

void RunType(Creation& c) {
  const core::SettingsStore& s = core::Settings;
  switch (c.row->creation.form) {
    case core::CreateForm::None:
      return;
    case core::CreateForm::EachFile:
      return RunIsh(c);
    case core::CreateForm::FirstItem:
      return RunYz2(c);
    case core::CreateForm::Staged:
      return detail::RunStaged(c);
    case core::CreateForm::ListSwitch:
      return RunGca(c);
    default:
      break;
  }
  if (c.row->index == core::ArcType7z) {
    if (core::SevenZipFormatOf(s._7Z_ArcType) == core::SevenZipFormat::Zip) {
      c.input.archive = ZipNameOf7z(c.input.archive);
      c.created[0] = ZipNameOf7z(c.created[0]);
    }
    if (core::IsOn(s._7Z_MakeSFX)) c.input.sevenZipModulePresent = SevenZipModulePresent(s);
  }
  if (c.row->index == core::ArcTypeCab) c.input.cabVersion = CabLibraryVersion();
  RunWriting(c, CreationCommand(s, *c.row, c.input));
}

// Split cabinets: every volume X01.cab, X02.cab... beside the archive's name, in place of that name.
void CollectCabVolumes(Creation& c) {
  std::vector<std::wstring> volumes;
  for (const std::wstring& volume : CabVolumeNames(c.input.archive)) {
    if (!core::NormalFileExists(volume)) break;
    volumes.push_back(volume);
  }
  if (!volumes.empty()) c.created = volumes;
}

// A self-extracting program that could not be made fails the creation. The archive it was to replace is
// finished; when the files were moved into it, it holds the only copy of them and must stay in sight.
void FailSelfExtract(Creation& c) {
  c.result = -1;
  c.archiveKept = c.moved && core::NormalFileExists(c.input.archive);
}

// The self-extracting program of a new archive; the archive goes only once its program is there.
void SelfExtract(Creation& c) {
  const core::Creation& creation = c.row->creation;
  const std::wstring& archive = c.input.archive;
  const std::wstring program = SfxProgramName(archive);
  const detail::NewOutputs outputs({program});
  const bool made = MakeSfxArchive(c.ui, {archive, L"", true}).ok;
  // A program that failed half-way goes; the archive it was made from is finished and stays.
  if (!made) outputs.Remove();
  switch (creation.afterCreate) {
    case core::SfxAfterCreate::ReplaceArchive: {
      if (!made || !core::NormalFileExists(program)) {
        FailSelfExtract(c);
        return;
      }
      if (core::NormalFileExists(archive)) DeleteFileW(archive.c_str());
      c.created[0] = program;
      return;
    }
    case core::SfxAfterCreate::ShowProgram:
      if (made && core::NormalFileExists(program)) c.created[0] = program;
      return;
    case core::SfxAfterCreate::ReportFolder: {
      const std::wstring folder = core::AddBackslash(core::GetFolderPart(archive));
      if (!made || !core::NormalFileExists(program)) {
        FailSelfExtract(c);
        return;
      }
      c.ui.Ask(L"自己解凍形式キャビネットを \"" + folder + L"\" に作成しました", MB_OK | MB_ICONINFORMATION);
      return;
    }
    default:
      return;
  }
}

void AfterCommand(Creation& c) {
  const core::SettingsStore& s = core::Settings;
  const core::Creation& creation = c.row->creation;
  if (c.result != 0) return;
  if (c.row->index == core::ArcTypeCab && core::IsOn(s.CAB_Multi)) {
    CollectCabVolumes(c);
    return;
  }
  const bool sfxAsked = creation.makeSfx && core::IsOn(s.*creation.makeSfx);
  const bool here =
      creation.afterCreate != core::SfxAfterCreate::None && creation.afterCreate != core::SfxAfterCreate::ToolStep;
  if (sfxAsked && here && !c.input.named) SelfExtract(c);
}

// Whether `check` answers true for anything inside `folder`, its sub-folders included.
template <typename Check>
bool AnyUnder(const std::wstring& folder, Check check) {
  std::vector<std::wstring> pending{folder};
  while (!pending.empty()) {
    const std::wstring current = pending.back();
    pending.pop_back();
    WIN32_FIND_DATAW data;
    HANDLE find = FindFirstFileW((core::AddBackslash(current) + L"*").c_str(), &data);
    if (find == INVALID_HANDLE_VALUE) continue;
    do {
      const std::wstring name = data.cFileName;
      if (name == L"." || name == L"..") continue;
      const std::wstring path = core::AddBackslash(current) + name;
      if (check(path)) {
        FindClose(find);
        return true;
      }
      if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) pending.push_back(path);
    } while (FindNextFileW(find, &data));
    FindClose(find);
  }
  return false;
}

}  // namespace

namespace detail {

NewOutputs::NewOutputs(const std::vector<std::wstring>& paths) {
  for (const std::wstring& path : paths)
    if (!core::PathTaken(path)) fresh_.push_back(path);
}

std::vector<std::wstring> NewOutputs::Written() const {
  std::vector<std::wstring> there;
  for (const std::wstring& path : fresh_)
    if (core::NormalFileExists(path)) there.push_back(path);
  return there;
}

void NewOutputs::Remove() const {
  // A folder that has taken one of the names since is not a file this step wrote: DeleteFileW leaves it.
  for (const std::wstring& path : fresh_) DeleteFileW(path.c_str());
}

}  // namespace detail

CreationShown ShownAfter(const CreateRequest& request) {
  const bool named = !request.archivePath.empty();
  CreationShown shown;
  shown.addNodes = !named || (core::PrivateState.IconDrop() && core::IsOn(core::Settings.PackAfter)) ||
                   (request.arcNo == 1 && request.showArc);
  shown.listFirst = request.showArc;
  if (!named) shown.newFolder = NewArchiveFolderPath();
  return shown;
}

JobResult MakeArchive(core::OperationUi& ui, const CreateRequest& request) {
  const core::SettingsStore& s = core::Settings;
  Creation c(ui);
  c.row = request.type;
  const std::wstring& list = request.list;
  c.listPath = list.empty() ? list : list.substr(1);
  c.input.list = list;
  c.input.baseFolder = request.baseFolder;
  c.input.named = !request.archivePath.empty();
  c.input.folderSource = request.folder;
  c.input.recurse = request.recurse;

  NewArcName name;
  std::wstring archive = request.archivePath;
  if (!c.input.named) {
    name = MakeNewArcFileName(ui, NameOf(c.row), NewArchiveFolder());
    if (name.path.empty()) return {};
    c.input.folder = name.folder;
    archive = name.path;
    if (c.row && c.row->index == core::ArcType7z && core::IsOn(s._7Z_MakeSFX)) archive = ProgramPath(archive);
  } else if (c.row && c.row->index == core::ArcTypeTar && core::IsOn(s.TAR_MakeSFX)) {
    archive = ProgramPath(archive);
  }
  c.input.archive = archive;
  c.created = {archive};
  ui.Pump();

  if (c.row) {
    RunType(c);
    AfterCommand(c);
  }
  // Success needs every file the creation names to be there.
  for (const std::wstring& name : c.created)
    if (c.result == 0 && !core::NormalFileExists(name)) c.result = -1;

  if (c.result != 0) {
    // An archive that may hold the only copy of moved files is not given up: the user is told where it is,
    // and it is handed back to be shown as this instance's new archive, which is asked about when closed.
    if (c.archiveKept) {
      detail::ReportKeptArchive(ui, archive);
      return {false, {archive}};
    }
    GiveBack(name);
    return {};
  }
  return {true, c.created};
}

std::wstring FindUnwritableName(const std::wstring& files, bool withFolders) {
  auto unwritable = [](const std::wstring& path) { return !core::ToCp932Exact(path).has_value(); };
  std::vector<std::wstring> paths;
  const size_t firstNul = files.find(L'\0');
  if (firstNul == std::wstring::npos) {
    paths.push_back(files);
  } else {
    const std::wstring base = core::AddBackslash(files.substr(0, firstNul));
    size_t start = firstNul + 1;
    while (start <= files.size()) {
      const size_t end = std::min(files.find(L'\0', start), files.size());
      const std::wstring item = files.substr(start, end - start);
      paths.push_back(withFolders ? item : base + item);
      start = end + 1;
    }
  }
  for (const std::wstring& path : paths) {
    if (unwritable(path)) return path;
    if (!EndsWith(path, L"*.*")) continue;
    std::wstring found;
    AnyUnder(core::GetFolderPart(path), [&](const std::wstring& inside) {
      if (unwritable(inside)) found = inside;
      return !found.empty();
    });
    if (!found.empty()) return found;
  }
  return L"";
}

std::wstring UnwritableNameReport(const std::wstring& path) {
  return std::wstring(kUnwritableName) + L"\r\n\"" + path + L"\"";
}

JobResult PackFiles(core::OperationUi& ui, const PackRequest& request) {
  std::wstring refused = FindUnwritableName(request.files, request.withFolders);
  if (refused.empty() && !core::ToCp932Exact(request.create.archivePath)) refused = request.create.archivePath;
  if (!refused.empty()) {
    ui.Ask(UnwritableNameReport(refused), MB_OK | MB_ICONSTOP);
    return {};
  }
  CreateRequest create = request.create;
  const PackListFile list = MakePackFileList(request.files, NameOf(create.type), request.withFolders, create.folder);
  create.list = list.argument;
  create.baseFolder = list.baseFolder;
  return MakeArchive(ui, create);
}

}  // namespace operations
