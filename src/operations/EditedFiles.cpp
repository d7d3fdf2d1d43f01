#include "operations/EditedFiles.h"

#include <algorithm>
#include <map>
#include <utility>
#include <vector>

#include "core/ArcType.h"
#include "core/Settings.h"
#include "core/Text.h"
#include "core/clsPrivate.h"
#include "core/modPath.h"
#include "core/modShell.h"
#include "core/modTolvenar.h"
#include "operations/EditCommands.h"
#include "operations/ListFiles.h"

namespace operations {

const wchar_t kCannotUpdateType[] = L"指定書庫形式はファイルの更新はできません";
const wchar_t kCannotUpdateInFolder[] = L"指定書庫形式はフォルダ内のファイルの更新はできません";
const wchar_t kEditedFileNotUpdated[] = L"書庫を更新できませんでした";
const wchar_t kEditKeptAt[] = L"編集したファイルは次の場所に保存しました";

namespace {

// The archives entries were opened from, in the order they were first opened: archive i's copies lie in
// the work folder's folder "Open" i+1.
std::vector<std::wstring> openedArchives;
// The origin of each copy, by its path in upper case.
std::map<std::wstring, EditOrigin> origins;

// Reads `count` digits at `at`, moving past them; nullopt when one is not a digit.
std::optional<int64_t> Digits(const std::wstring& text, size_t& at, size_t count) {
  if (at + count > text.size()) return std::nullopt;
  int64_t value = 0;
  for (size_t i = 0; i < count; ++i, ++at) {
    const wchar_t c = text[at];
    if (c < L'0' || c > L'9') return std::nullopt;
    value = value * 10 + (c - L'0');
  }
  return value;
}

// An entry's folder as a relative path of the work folder, with "\" after each part: "/" becomes "\", and
// blank parts (the list shows the top as "" or " "), "." and "..", and a drive go, so nothing lands outside
// the archive's own folder.
std::wstring LocalFolder(const std::wstring& folder) {
  std::wstring local;
  std::wstring part;
  auto takePart = [&] {
    if (!core::Trim(part).empty() && part != L"." && part != L".." && part.find(L':') == std::wstring::npos)
      local += part + L'\\';
    part.clear();
  };
  for (wchar_t c : folder) {
    if (c == L'/' || c == L'\\')
      takePart();
    else
      part += c;
  }
  takePart();
  return local;
}

std::wstring ArchiveFolder(const std::wstring& archive) {
  auto found = std::find_if(openedArchives.begin(), openedArchives.end(),
                            [&](const std::wstring& opened) { return core::EqualsNoCase(opened, archive); });
  if (found == openedArchives.end()) found = openedArchives.insert(openedArchives.end(), archive);
  const int64_t number = found - openedArchives.begin() + 1;
  return core::AddBackslash(core::WorkFolderPath()) + L"Open" + core::ToWString(number) + L'\\';
}

// Whether entries of `type` can be put back: the type has an update command.
bool Updatable(const std::wstring& type) {
  EditInput input;
  input.type = type;
  return UpdateCommand(core::Settings, input).has_value();
}

// RAR's and ACE's update commands store bare names: an entry inside a folder would come back as a second
// entry at the top, beside the one it was opened from.
bool UpdateDropsFolders(const std::wstring& type) { return type == L"RAR" || type == L"ACE"; }

bool IsFolder(const std::wstring& path) {
  const DWORD attributes = GetFileAttributesW(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

// Whether the list of the archive shown holds the entry.
bool Listed(const EditOrigin& origin, const std::vector<SelectedEntry>& listed) {
  const std::wstring folder = LocalFolder(origin.folder);
  return std::any_of(listed.begin(), listed.end(), [&](const SelectedEntry& entry) {
    return core::EqualsNoCase(entry.name, origin.name) && core::EqualsNoCase(LocalFolder(entry.folder), folder);
  });
}

// `name` in `folder`, or the first of "stem (2).ext", "stem (3).ext"... that nothing takes.
std::wstring FreeName(const std::wstring& folder, const std::wstring& name) {
  const size_t dot = name.rfind(L'.');
  const std::wstring stem = dot == std::wstring::npos || dot == 0 ? name : name.substr(0, dot);
  const std::wstring ext = stem.size() == name.size() ? L"" : name.substr(dot);
  std::wstring path = core::AddBackslash(folder) + name;
  for (int n = 2; core::PathTaken(path); ++n)
    path = core::AddBackslash(folder) + stem + L" (" + core::ToWString(n) + L")" + ext;
  return path;
}

// Keeps an edit that could not go back past the end of this run, which empties the work folder: a copy
// beside the archive under a name not taken; the copy in the work folder itself when that folder cannot
// take one. The path the edit is kept at.
std::wstring KeepEdit(const std::wstring& copy, const EditOrigin& origin) {
  const std::wstring folder = core::GetFolderPart(origin.archive);
  if (!IsFolder(folder)) return copy;
  const std::wstring kept = FreeName(folder, origin.name);
  return CopyFileW(copy.c_str(), kept.c_str(), TRUE) ? kept : copy;
}

bool NotPutBack(core::OperationUi& ui, const std::wstring& reason, UINT icon, const std::wstring& copy,
                const EditOrigin& origin) {
  const std::wstring kept = KeepEdit(copy, origin);
  ui.Ask(reason + L"\r\n" + kEditKeptAt + L"\r\n\"" + kept + L"\"", MB_OK | icon);
  return false;
}

// Runs the update of `origin`'s archive with the copy listed under its path below the archive's folder.
bool RunUpdate(core::OperationUi& ui, const std::wstring& type, const EditOrigin& origin) {
  // The names are listed relative to that folder whatever path option the user compresses with: with no
  // paths or whole paths the entry would not come back under its own path.
  const core::PathMode relative = core::PathMode::Relative;
  const PackListFile list = MakePackFileList(origin.base + L'\0' + origin.relative, type, false, relative);
  if (!list) return false;
  const EditRequest update{origin.archive, L"", list.argument, list.baseFolder};
  return UpdateArcFiles(ui, update, relative).ok;
}

}  // namespace

std::wstring EditOrigin::EntryPath() const { return core::Trim(folder) + name; }

std::wstring MemberCopyPath(const std::wstring& archive, const SelectedEntry& entry) {
  EditOrigin origin{archive, entry.folder, entry.name, ArchiveFolder(archive), LocalFolder(entry.folder) + entry.name};
  const std::wstring copy = origin.base + origin.relative;
  origins[core::UCase(copy)] = std::move(origin);
  return copy;
}

std::optional<EditOrigin> CopyOrigin(const std::wstring& copy) {
  auto found = origins.find(core::UCase(copy));
  if (found == origins.end()) return std::nullopt;
  return found->second;
}

std::wstring WatchTimeText(const std::wstring& path) {
  WIN32_FILE_ATTRIBUTE_DATA data{};
  FILETIME local{};
  SYSTEMTIME st{};
  if (!GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &data) ||
      !FileTimeToLocalFileTime(&data.ftLastWriteTime, &local) || !FileTimeToSystemTime(&local, &st))
    return L"";
  return core::ToWString(st.wYear) + L'/' + core::PadNumber(st.wMonth, 2) + L'/' + core::PadNumber(st.wDay, 2) + L' ' +
         core::PadNumber(st.wHour, 2) + L':' + core::PadNumber(st.wMinute, 2) + L':' + core::PadNumber(st.wSecond, 2);
}

std::optional<int64_t> WatchTimeValue(const std::wstring& text) {
  // "yyyy/mm/dd hh:mm:ss": each field after its separator, read as one number yyyymmddhhmmss.
  static const wchar_t kSeparators[] = {L'/', L'/', L' ', L':', L':'};
  static const size_t kWidths[] = {4, 2, 2, 2, 2, 2};
  size_t at = 0;
  int64_t value = 0;
  for (size_t field = 0; field < 6; ++field) {
    if (field > 0) {
      if (at >= text.size() || text[at] != kSeparators[field - 1]) return std::nullopt;
      ++at;
    }
    std::optional<int64_t> part = Digits(text, at, kWidths[field]);
    if (!part) return std::nullopt;
    value = value * 100 + *part;
  }
  if (at != text.size()) return std::nullopt;
  return value;
}

bool WatchEditedFile(const std::wstring& path) {
  std::vector<std::wstring>& files = core::EditWatchFiles;
  std::vector<std::wstring>& times = core::EditWatchTimes;
  // Both lists end in the placeholder the next file is written into.
  if (files.empty()) files.push_back(L"");
  times.resize(files.size());
  if (std::find(files.begin(), files.end() - 1, path) == files.end() - 1) {
    files.back() = path;
    times.back() = WatchTimeText(path);
    files.push_back(L"");
    times.push_back(L"");
  }
  return files.size() > 1;
}

JobResult UpdateEditedFile(core::OperationUi& ui, const EditBackRequest& request) {
  const std::wstring& path = request.copy;
  const std::optional<EditOrigin> origin = CopyOrigin(path);
  if (!origin) return {};
  const std::wstring type = core::GetArcTypeByExt(origin->archive);
  if (!Updatable(type)) return {NotPutBack(ui, kCannotUpdateType, MB_ICONEXCLAMATION, path, *origin)};
  if (UpdateDropsFolders(type) && !LocalFolder(origin->folder).empty())
    return {NotPutBack(ui, kCannotUpdateInFolder, MB_ICONEXCLAMATION, path, *origin)};
  const bool isShown = core::EqualsNoCase(request.shown, origin->archive);
  // An archive deleted or moved meanwhile is not made anew from the one entry, and an entry deleted from
  // the archive shown is not brought back behind the user's back.
  if (!core::NormalFileExists(origin->archive) || (isShown && !Listed(*origin, request.listed)))
    return {NotPutBack(ui, kEditedFileNotUpdated, MB_ICONSTOP, path, *origin)};
  JobResult result{RunUpdate(ui, type, *origin), {origin->archive}};
  if (!result.ok) NotPutBack(ui, kEditedFileNotUpdated, MB_ICONSTOP, path, *origin);
  return result;
}

}  // namespace operations
