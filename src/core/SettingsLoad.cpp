#include <windows.h>

#include <algorithm>
#include <limits>

#include "core/Settings.h"
#include "core/SettingsTable.h"
#include "core/Text.h"
#include "core/clsReg.h"
#include "core/modIni.h"
#include "core/modPath.h"
#include "core/modShell.h"

namespace core {

SettingsStore Settings;

const wchar_t kUnzipSettingsKey[] = L"Software\\ArchiverDll\\UNZIP32\\Settings";
const wchar_t kUnzipShowResultValue[] = L"ShowResult";

namespace {
std::wstring& UnzipKeyOverride() {
  static std::wstring key;
  return key;
}
}  // namespace

const std::wstring& UnzipSettingsKey() {
  static const std::wstring libraryKey = kUnzipSettingsKey;
  return UnzipKeyOverride().empty() ? libraryKey : UnzipKeyOverride();
}

void SetUnzipSettingsKey(const std::wstring& subKey) { UnzipKeyOverride() = subKey; }

namespace {

constexpr int kArcListSize = 16;
constexpr size_t kArcTypeFlags = 17;
constexpr int kHistoryLimitDefault = 15;
constexpr int kHistoryLimitMost = 99;

std::wstring HistoryKey(int index) { return PadNumber(index, 2); }

std::wstring ArcListKey(SettingsKind kind, int index) {
  return (kind == SettingsKind::ArcDown ? L"ArcDown" : L"ArcCommand") + ToWString(index);
}

std::vector<std::wstring> SettingsStore::*ArcList(SettingsKind kind) {
  return kind == SettingsKind::ArcDown ? &SettingsStore::ArcDown : &SettingsStore::ArcCommand;
}

// Half of a whole number of twips as the text of a single-precision number: "6577.5", "-0.5", "100".
std::wstring HalfText(int64_t twice) {
  const int64_t whole = (twice < 0 ? -twice : twice) / 2;
  const bool half = twice % 2 != 0;
  if (whole == 0 && !half) return L"0";
  return (twice < 0 ? L"-" : L"") + ToWString(whole) + (half ? L".5" : L"");
}

std::wstring DefaultOf(const SettingsKey& row, const SettingsPlaces& places) {
  switch (row.rule) {
    case SettingsRule::DesktopFolder:
      return places.desktopFolder;
    case SettingsRule::ProgramFolder:
      return AddBackslash(places.programFolder);
    case SettingsRule::TempFolder:
      return places.tempFolder.empty() ? AddBackslash(places.programFolder) + L"Temp\\" : places.tempFolder;
    case SettingsRule::TemplateLeft:
      return HalfText(places.screenWidthTwips - 7320);
    case SettingsRule::TemplateTop:
      return HalfText(places.screenHeightTwips - 3240);
    default:
      return row.defaultText;
  }
}

std::wstring LoadText(const SettingsKey& row, const SettingsPlaces& places) {
  std::wstring value = ReadIni(row.section, row.key);
  const bool missing = value.empty();
  if (missing) value = DefaultOf(row, places);
  switch (row.rule) {
    case SettingsRule::FileHistory:
      return ToWString(HistoryLimit(value));
    case SettingsRule::ClassesArcType:
      return (value + std::wstring(kArcTypeFlags, L'0')).substr(0, kArcTypeFlags);
    case SettingsRule::QuotePath:
      return missing ? value : QuotePath(value);
    case SettingsRule::NoKekka:
      // The unzip32 library shows no result window of its own unless the user turns this off later.
      if (missing) clsReg().RegSetDWORD(HKEY_CURRENT_USER, UnzipSettingsKey(), kUnzipShowResultValue, -1);
      return value;
    default:
      return value;
  }
}

// A colour that is missing or does not convert takes the key's default: white text on a white ground, or
// black on black, would hide the lists.
int32_t LoadColor(const SettingsKey& row) {
  const std::optional<int64_t> value = ParseWholeNumber(ReadIni(row.section, row.key));
  if (value && *value >= std::numeric_limits<int32_t>::min() && *value <= std::numeric_limits<int32_t>::max())
    return static_cast<int32_t>(*value);
  return static_cast<int32_t>(*ParseWholeNumber(row.defaultText));
}

std::vector<std::wstring> LoadHistory(int limit) {
  std::vector<std::wstring> history{L""};
  for (int i = 0; i <= limit; ++i) {
    std::wstring value = ReadIni(L"History", HistoryKey(i));
    if (value.empty()) break;
    history.resize(i + 1);
    history[i] = value;
  }
  return history;
}

// Empty keys are skipped and leave an empty element; the list ends at the last key that holds a value.
std::vector<std::wstring> LoadArcList(SettingsKind kind) {
  std::vector<std::wstring> list{L""};
  for (int i = 1; i <= kArcListSize; ++i) {
    std::wstring value = Trim(ReadIni(L"Option", ArcListKey(kind, i)));
    if (value.empty()) continue;
    list.resize(i + 1);
    list[i] = value;
  }
  return list;
}

void SaveHistory(const SettingsStore& s) {
  // Every key a list within the limit may use goes first, so no archive dropped from the list comes back
  // when the limit is raised later.
  for (int i = 0; i <= kHistoryLimitMost; ++i) DeleteIniKey(L"History", HistoryKey(i));
  // A path that code page 932 cannot hold leaves the list; a gap in the keys would end it there on loading.
  std::vector<std::wstring> history;
  for (const std::wstring& path : s.History)
    if (ToCp932Exact(path)) history.push_back(path);
  const int last = static_cast<int>(history.size()) - 1;
  const int n = std::min(HistoryLimit(s.FileHistory), last);
  for (int i = 0; i <= n; ++i) WriteIni(L"History", HistoryKey(i), IniExactValue(history[i]));
}

void SaveArcList(const SettingsStore& s, SettingsKind kind) {
  const std::vector<std::wstring>& list = s.*ArcList(kind);
  for (int i = 1; i <= kArcListSize; ++i) DeleteIniKey(L"Option", ArcListKey(kind, i));
  const int last = std::min(static_cast<int>(list.size()) - 1, kArcListSize);
  for (int i = 1; i <= last; ++i) {
    const std::wstring& item = list[i];
    WriteIni(L"Option", ArcListKey(kind, i),
             IniExactValue(kind == SettingsKind::ArcDown ? RemoveBackslash(item) : item));
  }
}

}  // namespace

int HistoryLimit(const std::wstring& fileHistory) {
  const std::optional<int64_t> value = ParseWholeNumber(fileHistory);
  if (!value) return kHistoryLimitDefault;
  if (*value < 0) return 0;
  return static_cast<int>(std::min<int64_t>(*value, kHistoryLimitMost));
}

void LoadSettings() {
  const SettingsPlaces places = SettingsPlacesSource().Places();
  SettingsStore s;
  for (const SettingsKey& row : SettingsTable()) {
    switch (row.kind) {
      case SettingsKind::Text:
        s.*row.text = LoadText(row, places);
        break;
      case SettingsKind::Color:
        s.*row.number = LoadColor(row);
        break;
      case SettingsKind::Column: {
        std::wstring width = Trim(ReadIni(row.section, row.key));
        s.RetuColumn[row.column] = width.empty() ? row.defaultText : width;
        break;
      }
      case SettingsKind::History:
        s.History = LoadHistory(HistoryLimit(s.FileHistory));
        break;
      case SettingsKind::ArcDown:
      case SettingsKind::ArcCommand:
        s.*ArcList(row.kind) = LoadArcList(row.kind);
        break;
    }
  }
  Settings = std::move(s);
}

void SaveSettings() {
  const SettingsStore& s = Settings;
  for (const SettingsKey& row : SettingsTable()) {
    switch (row.kind) {
      case SettingsKind::Text:
        // The self-extractor command keeps the saved form it has always had: its quotes go on loading and
        // come back through QuotePath.
        WriteIni(row.section, row.key, row.rule == SettingsRule::QuotePath ? s.*row.text : IniExactValue(s.*row.text));
        break;
      case SettingsKind::Color:
        WriteIni(row.section, row.key, ToWString(s.*row.number));
        break;
      case SettingsKind::Column:
        WriteIni(row.section, row.key, s.RetuColumn[row.column]);
        break;
      case SettingsKind::History:
        SaveHistory(s);
        break;
      case SettingsKind::ArcDown:
      case SettingsKind::ArcCommand:
        SaveArcList(s, row.kind);
        break;
    }
  }
}

}  // namespace core
