#include "operations/EditedFiles.h"

#include <algorithm>
#include <utility>

#include "browser/EntryList.h"
#include "core/ArcType.h"
#include "core/Settings.h"
#include "core/Text.h"
#include "core/clsPrivate.h"
#include "core/modPath.h"
#include "core/modShell.h"
#include "core/modTolvenar.h"
#include "operations/EditCommands.h"
#include "operations/ListFiles.h"
#include "winui/MsgBox.h"

namespace operations {

const wchar_t kCannotUpdateType[] = L"指定書庫形式はファイルの更新はできません";
const wchar_t kEditedFileNotUpdated[] = L"書庫を更新できませんでした";

namespace {

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

// Whether entries of `type` can be put back: the type has an update command.
bool Updatable(const std::wstring& type) {
  EditInput input;
  input.type = type;
  return UpdateCommand(core::Settings, input).has_value();
}

}  // namespace

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

bool UpdateEditedFile(HWND owner, const std::wstring& path) {
  const std::wstring archive = core::PrivateState.ArcFileName();
  const std::wstring type = core::GetArcTypeByExt(archive);
  if (!Updatable(type)) {
    winui::MsgBox(kCannotUpdateType, MB_OK | MB_ICONEXCLAMATION, core::kProgramTitle, owner);
    return false;
  }
  const std::wstring name = core::GetFileNamePart(path);
  const browser::EntryList& entries = browser::Entries();
  bool listed = false;
  for (int i = 0; i < entries.Count() && !listed; ++i)
    listed = core::EqualsNoCase(std::wstring(entries.CellText(i, 0)), name);
  if (!listed) return false;
  // The entry goes back under its own name: the file is listed relative to the work folder whatever path
  // option the user compresses with (with no paths or whole paths, some archivers store the work folder's
  // path and the edit joins the archive as a new entry beside the old one).
  const std::wstring pathOption = std::exchange(core::Settings.COM_Folder, L"1");
  const std::wstring files = core::AddBackslash(core::WorkFolderPath()) + L'\0' + name;
  bool updated = MakePackFileList(files, type, false);
  if (updated) {
    UpdateArcFiles(owner, archive);
    updated = core::PrivateState.ArcStatus();
  }
  core::Settings.COM_Folder = pathOption;
  if (updated) return true;
  winui::MsgBox(kEditedFileNotUpdated, MB_OK | MB_ICONSTOP, core::kProgramTitle, owner);
  return false;
}

}  // namespace operations
