#include "operations/UnPackArgs.h"

#include <windows.h>

#include <cwctype>

#include "core/ArcCatalogue.h"
#include "core/SettingValues.h"
#include "core/Text.h"
#include "core/WorkFolder.h"
#include "core/modPath.h"
#include "core/modShell.h"
#include "core/modTolvenar.h"
#include "operations/ListFiles.h"

namespace operations {
namespace {

// The archive's file name up to its last dot (the whole name when it has none).
std::wstring ArchiveStem(const std::wstring& arcPath) {
  const std::wstring name = core::GetFileNamePart(arcPath);
  const size_t dot = name.rfind(L'.');
  return dot == std::wstring::npos ? name : name.substr(0, dot);
}

// Appends a folder named after the archive, to be made.
void AddArchiveFolder(UnPackDestination& plan, const std::wstring& arcPath) {
  plan.folder += ArchiveStem(arcPath);
  plan.make.push_back(plan.folder);
  plan.folder = core::AddBackslash(plan.folder);
}

// The items of a list file, each with "/" turned into "\" and quoted when it holds a blank, joined by single
// blanks.
std::wstring ListItems(const std::wstring& listFile) {
  std::wstring items;
  for (const std::wstring& line : ReadListItems(listFile)) {
    std::wstring item = core::Trim(line);
    if (!item.empty()) items += L' ' + core::QuotePath(core::SlashToBackslash(item));
  }
  return core::Trim(items);
}

std::wstring Names(const core::ArcTypeRow* row, const std::wstring& selection) {
  if (core::Trim(selection).empty()) return L"";
  const core::ExtractNames rule = row ? row->extraction.names : core::ExtractNames::ListFile;
  switch (rule) {
    case core::ExtractNames::Inline:
      return selection;
    case core::ExtractNames::ListItems:
      return ListItems(SelectionListFile(selection));
    case core::ExtractNames::ListFile:
      break;
  }
  return core::QuotePath(selection);
}

bool Holdable(const std::wstring& name) { return core::ToCp932Exact(name).has_value(); }

bool IsSeparator(wchar_t c) { return c == L'\\' || c == L'/'; }

bool HasDrive(const std::wstring& path) { return path.size() >= 2 && path[1] == L':' && iswalpha(path[0]); }

// The part of a full path naming its drive ("C:") or share ("\\server\share"); "" for any other path.
std::wstring RootOf(const std::wstring& path) {
  if (HasDrive(path)) return path.substr(0, 2);
  if (path.size() < 2 || !IsSeparator(path[0]) || !IsSeparator(path[1])) return L"";
  const size_t server = path.find_first_of(L"\\/", 2);
  const size_t share = server == std::wstring::npos ? server : path.find_first_of(L"\\/", server + 1);
  return path.substr(0, share);
}

// Every folder on the way to `folder`, from the one below its root down to the folder itself.
std::vector<std::wstring> PathSteps(const std::wstring& folder) {
  const std::wstring path = core::RemoveBackslash(folder);
  std::vector<std::wstring> steps;
  for (size_t at = RootOf(path).size(); (at = path.find_first_of(L"\\/", at + 1)) != std::wstring::npos;)
    steps.push_back(path.substr(0, at));
  if (path.size() > RootOf(path).size()) steps.push_back(path);
  return steps;
}

// ".." and "." of a full path worked out, "/" as "\"; the path as it is when the system cannot do it.
std::wstring Normalized(const std::wstring& path) {
  const DWORD size = GetFullPathNameW(path.c_str(), 0, nullptr, nullptr);
  if (size == 0) return path;
  std::wstring full(size, L'\0');
  const DWORD length = GetFullPathNameW(path.c_str(), size, full.data(), nullptr);
  if (length == 0 || length >= size) return path;
  full.resize(length);
  return full;
}

}  // namespace

std::wstring SelectionListFile(const std::wstring& selection) {
  if (!selection.empty() && (selection[0] == L'@' || selection[0] == L'!')) return selection.substr(1);
  return selection;
}

UnPackDestination PlanUnPackDestination(const core::SettingsStore& settings, const std::wstring& arcPath,
                                        const std::wstring& selection, const std::wstring& destGiven, bool direct,
                                        bool iconDrop) {
  const std::wstring base = core::AddBackslash(core::GetFolderPart(direct ? arcPath : SelectionListFile(selection)));
  UnPackDestination plan;
  if (iconDrop) {
    // Without a default folder the archive's folder is taken, as the dialog does: never the drive's root.
    std::wstring start = destGiven;
    if (start.empty())
      start = core::IsOn(settings.UnpackDefaultFlag) || core::Trim(settings.UnpackDefault).empty()
                  ? base
                  : settings.UnpackDefault;
    plan.make.push_back(core::RemoveBackslash(start));
    plan.folder = core::AddBackslash(start);
    if (core::IsOn(settings.FolderByArc) && destGiven.empty()) {
      if (direct)
        AddArchiveFolder(plan, arcPath);
      else
        plan.folder += L"Drag\\";
    }
    return plan;
  }
  if (destGiven.empty()) {
    plan.folder = base;
    return plan;
  }
  plan.folder = core::AddBackslash(destGiven);
  if (core::IsOn(settings.COM_MakeFolder)) AddArchiveFolder(plan, arcPath);
  return plan;
}

std::optional<std::wstring> FullDestination(const std::wstring& typed, const std::wstring& arcPath) {
  const std::wstring text = core::Trim(typed);
  if (text.empty()) return text;
  if (HasDrive(text)) {
    // "D:" and "D:data" are taken from a current folder of the drive that the user never sees.
    if (text.size() == 2 || !IsSeparator(text[2])) return std::nullopt;
    return text;
  }
  if (!RootOf(text).empty()) return text;
  const std::wstring folder = core::GetFolderPart(arcPath);
  if (RootOf(folder).empty()) return std::nullopt;
  return Normalized(IsSeparator(text[0]) ? RootOf(folder) + text : core::AddBackslash(folder) + text);
}

std::wstring UnplacedDestinationMessage(const std::wstring& typed) {
  return L"\"" + typed + L"\"\r\nこの解凍先ではどのフォルダか決められません　ドライブから指定して下さい";
}

NewFolders::NewFolders(const std::wstring& destination) : destination_(destination) {
  for (const std::wstring& step : PathSteps(destination)) {
    if (GetFileAttributesW(step.c_str()) != INVALID_FILE_ATTRIBUTES) continue;
    // Only a part the system says is not there is ours to make and take away again.
    const DWORD error = GetLastError();
    if (error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND) outermost_ = step;
    break;
  }
}

bool NewFolders::Make() const {
  bool below = false;
  for (const std::wstring& step : PathSteps(destination_)) {
    below = below || step == outermost_;
    if (below) CreateDirectoryW(step.c_str(), nullptr);
  }
  const DWORD attributes = GetFileAttributesW(core::RemoveBackslash(destination_).c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

void NewFolders::Remove() const {
  if (outermost_.empty()) return;
  const DWORD attributes = GetFileAttributesW(outermost_.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES || !(attributes & FILE_ATTRIBUTE_DIRECTORY)) return;
  // A link in its place is removed itself, never what it points to.
  if (!(attributes & FILE_ATTRIBUTE_REPARSE_POINT)) core::DeleteFiles(core::AddBackslash(outermost_) + L"*");
  RemoveDirectoryW(outermost_.c_str());
}

std::wstring FolderNotMadeMessage(const std::wstring& folder) {
  const std::wstring path = core::RemoveBackslash(folder);
  std::wstring why = L"解凍先のフォルダを作成できませんでした";
  for (const std::wstring& step : PathSteps(path)) {
    const DWORD attributes = GetFileAttributesW(step.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY)) continue;
    why = (step == path ? L"同じ名前のファイルがあるため、" : L"途中の \"" + step + L"\" がファイルのため、") + why;
    break;
  }
  return L"\"" + path + L"\"\r\n" + why;
}

std::wstring UnholdableNameMessage(const std::wstring& name) {
  return L"\"" + name + L"\"\r\nこの名前には書庫ライブラリに渡せない文字が含まれているため処理できません";
}

std::optional<UnPackArgs> MakeUnPackArgs(core::OperationUi& ui, const std::wstring& type, const std::wstring& arcPath,
                                         const std::wstring& selection, const std::wstring& destGiven, bool direct) {
  const UnPackDestination plan =
      PlanUnPackDestination(core::Settings, arcPath, selection, destGiven, direct, core::PrivateState.IconDrop());
  for (const std::wstring& name : {arcPath, core::RemoveBackslash(plan.folder), SelectionListFile(selection)}) {
    if (Holdable(name)) continue;
    ui.Ask(UnholdableNameMessage(name), MB_OK | MB_ICONEXCLAMATION);
    return std::nullopt;
  }
  for (const std::wstring& folder : plan.make) CreateDirectoryW(folder.c_str(), nullptr);

  const core::ArcTypeRow* row = core::FindArcType(type);
  UnPackArgs args;
  args.names = Names(row, selection);
  args.quotedArchive = core::QuotePath(arcPath);
  args.folder = plan.folder;
  // A folder without a short form keeps its blanks: then it goes in quotes all the same.
  args.destination =
      core::QuotePath(row && row->extraction.shortDestination ? core::GetShortPath(plan.folder) : plan.folder);
  return args;
}

}  // namespace operations
