#include "tools/PropertyValues.h"

#include "core/Text.h"
#include "core/modPath.h"
#include "core/modShell.h"

namespace tools {

const wchar_t kUnknownValue[] = L"<不明>";

namespace {

std::wstring Grouped(uint64_t value) { return core::FormatNumber(static_cast<int64_t>(value), L"#,##0"); }

bool LocalTime(const FILETIME& utc, SYSTEMTIME& local) {
  FILETIME localFile;
  return FileTimeToLocalFileTime(&utc, &localFile) && FileTimeToSystemTime(&localFile, &local);
}

std::wstring ShortName(const std::wstring& path) {
  wchar_t buffer[MAX_PATH * 2];
  DWORD length = GetShortPathNameW(path.c_str(), buffer, MAX_PATH * 2);
  if (length == 0 || length >= MAX_PATH * 2) return L"";
  return core::GetFileNamePart(std::wstring(buffer, length));
}

}  // namespace

FileFacts ReadFileFacts(const std::wstring& path) {
  FileFacts facts;
  facts.path = path;
  const std::wstring trimmed = core::Trim(path);
  const std::wstring name = core::GetFileNamePart(trimmed);
  size_t dot = name.rfind(L'.');
  facts.typeName = dot == std::wstring::npos ? L"" : core::GetFileTypeName(name.substr(dot));
  facts.shortName = ShortName(trimmed);

  HANDLE file = CreateFileW(trimmed.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return facts;
  BY_HANDLE_FILE_INFORMATION information;
  if (GetFileInformationByHandle(file, &information) && LocalTime(information.ftCreationTime, facts.created) &&
      LocalTime(information.ftLastWriteTime, facts.written) &&
      LocalTime(information.ftLastAccessTime, facts.accessed)) {
    facts.detailsKnown = true;
    facts.attributes = information.dwFileAttributes;
    facts.size = (static_cast<uint64_t>(information.nFileSizeHigh) << 32) | information.nFileSizeLow;
  }
  CloseHandle(file);
  return facts;
}

PropertyValues MakePropertyValues(const FileFacts& facts, bool archiveMark) {
  PropertyValues values;
  const std::wstring path = core::Trim(facts.path);
  values.fileName = core::GetFileNamePart(path);
  values.caption = core::Trim(values.fileName) + L" のプロパティ";
  values.type = facts.typeName;
  values.location = archiveMark ? core::GetFolderPart(path) : L"<書庫>";
  values.listingTab = archiveMark;
  values.dosName = facts.shortName;
  values.size = values.created = values.written = values.accessed = kUnknownValue;
  if (!facts.detailsKnown) return values;

  static const DWORD kAttributeBits[5] = {FILE_ATTRIBUTE_READONLY, FILE_ATTRIBUTE_HIDDEN, FILE_ATTRIBUTE_ARCHIVE,
                                          FILE_ATTRIBUTE_SYSTEM, FILE_ATTRIBUTE_COMPRESSED};
  for (size_t i = 0; i < values.attributes.size(); ++i)
    values.attributes[i] = (facts.attributes & kAttributeBits[i]) != 0;
  values.created = PropertyTimeText(facts.created);
  values.written = PropertyTimeText(facts.written);
  values.accessed = PropertyTimeText(facts.accessed);
  values.size = PropertySizeText(facts.size);
  return values;
}

std::wstring PropertySizeText(uint64_t size) {
  if (size < 1024) return Grouped(size) + L"バイト (" + Grouped(size) + L"バイト)";
  return Grouped(size / 1024) + L"KB (" + Grouped(size) + L"バイト)";
}

std::wstring PropertyTimeText(const SYSTEMTIME& time) {
  static const wchar_t kWeekdays[] = L"日月火水木金土";
  std::wstring weekday(1, kWeekdays[time.wDayOfWeek % 7]);
  return core::ToWString(time.wYear) + L"年" + core::ToWString(time.wMonth) + L"月" + core::ToWString(time.wDay) +
         L"日 " + weekday + L"曜日 " + core::ToWString(time.wHour) + L":" + core::ToWString(time.wMinute) + L":" +
         core::ToWString(time.wSecond);
}

}  // namespace tools
