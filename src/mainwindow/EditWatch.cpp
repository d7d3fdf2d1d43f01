#include "mainwindow/EditWatch.h"

#include <windows.h>

#include "browser/EntryList.h"
#include "browser/TreeListUpkeep.h"
#include "core/Text.h"
#include "core/modPath.h"
#include "core/modShell.h"
#include "core/modTolvenar.h"
#include "mainwindow/WindowWork.h"
#include "mainwindow/frmMain.h"
#include "winui/MsgBox.h"

namespace mainwindow {
namespace {

bool asking = false;

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

std::wstring EditedFileQuestion(const std::wstring& path) {
  return L"格納ファイル \"" + core::GetFileNamePart(path) + L"\" は変更されています\r\n書庫を更新しますか";
}

void StopEditWatch(frmMain& form) {
  form.timUpdate.SetEnabled(false);
  core::EditWatchFiles.assign(1, L"");
  core::EditWatchTimes.assign(1, L"");
}

void timUpdate_Timer(frmMain& form) {
  if (asking) return;
  // Indexes, not iterators: putting a file back lists the archive again, and a watch reset on the way
  // (a node clicked while the question is open) shortens the lists.
  for (size_t i = 0; i + 1 < core::EditWatchFiles.size() && i < core::EditWatchTimes.size(); ++i) {
    const std::wstring path = core::EditWatchFiles[i];
    const std::wstring now = WatchTimeText(path);
    if (now.empty()) continue;
    std::optional<int64_t> stored = WatchTimeValue(core::EditWatchTimes[i]);
    std::optional<int64_t> current = WatchTimeValue(now);
    if (stored && current && *current > *stored) {
      asking = true;
      const int answer =
          winui::MsgBox(EditedFileQuestion(path), MB_OKCANCEL | MB_ICONQUESTION, core::kProgramTitle, form.Hwnd());
      if (answer == IDOK) {
        const int selected = form.lvListView.SelectedItem();
        if (Work().UpdateEditedFile(form, path) && selected > 0) browser::SelectListItem(form.lvListView, selected);
      }
      asking = false;
    }
    if (i < core::EditWatchTimes.size()) core::EditWatchTimes[i] = now;
  }
}

}  // namespace mainwindow
