// The path helpers that ask the file system: short and long forms, search path.
#include <windows.h>

#include "core/Text.h"
#include "core/modPath.h"

namespace core {
namespace {

std::wstring ShortPathOf(const std::wstring& path, bool& ok) {
  ok = false;
  if (path.empty()) return path;
  std::wstring buffer(300, L'\0');
  DWORD n = GetShortPathNameW(path.c_str(), buffer.data(), static_cast<DWORD>(buffer.size()));
  if (n >= buffer.size()) {  // the short form is longer than the first buffer: ask again at its size
    buffer.assign(n + 1, L'\0');
    n = GetShortPathNameW(path.c_str(), buffer.data(), static_cast<DWORD>(buffer.size()));
    if (n >= buffer.size()) n = 0;
  }
  if (n == 0) return path;
  ok = true;
  return buffer.substr(0, n);
}

bool HasWildcard(const std::wstring& name) { return name.find_first_of(L"*?") != std::wstring::npos; }

// The long name of the last component as a directory search reports it; the given name when the search
// finds nothing or would read the name as a pattern.
std::wstring LongNameOf(const std::wstring& fullPath, const std::wstring& given) {
  if (given.empty() || given == L"." || given == L".." || HasWildcard(given)) return given;
  WIN32_FIND_DATAW data;
  HANDLE find = FindFirstFileW(fullPath.c_str(), &data);
  if (find == INVALID_HANDLE_VALUE) return given;
  FindClose(find);
  return data.cFileName;
}

}  // namespace

std::wstring GetShortPath(const std::wstring& path) {
  static const std::wstring kAll = L"*.*";
  bool ok = false;
  if (path.size() < kAll.size() || path.compare(path.size() - kAll.size(), kAll.size(), kAll) != 0)
    return ShortPathOf(path, ok);
  std::wstring shortBase = ShortPathOf(path.substr(0, path.find(kAll)), ok);
  return ok ? shortBase + kAll : path;
}

std::wstring ExpandLongPath(const std::wstring& path) {
  if (Trim(path).empty()) return std::wstring();
  size_t rootEnd = path.find(L'\\', 2);
  if (rootEnd == std::wstring::npos) return path;
  if (path.back() == L'\\') {
    // A folder given with its trailing "\" keeps it; a bare root ("C:\") stays as it is.
    std::wstring inner = path.substr(0, path.size() - 1);
    if (inner.size() <= rootEnd) return path;
    return AddBackslash(ExpandLongPath(inner));
  }
  std::wstring root = path.substr(0, rootEnd);
  size_t last = path.rfind(L'\\');
  std::wstring parent = path.substr(0, last);
  std::wstring given = path.substr(last + 1);
  if (EqualsNoCase(parent, root) && root.compare(0, 2, L"\\\\") == 0) return path;  // the share of a UNC path
  if (!EqualsNoCase(parent, root)) parent = ExpandLongPath(parent);
  return CombinePath(parent, LongNameOf(path, given));
}

bool FindFilePath(std::wstring& fileName) {
  if (fileName.empty()) return false;
  std::wstring buffer(MAX_PATH, L'\0');
  DWORD n = SearchPathW(nullptr, fileName.c_str(), nullptr, static_cast<DWORD>(buffer.size()), buffer.data(), nullptr);
  if (n >= buffer.size()) {
    buffer.assign(n + 1, L'\0');
    n = SearchPathW(nullptr, fileName.c_str(), nullptr, static_cast<DWORD>(buffer.size()), buffer.data(), nullptr);
    if (n >= buffer.size()) n = 0;
  }
  if (n == 0) return false;
  fileName = buffer.substr(0, n);
  return true;
}

std::wstring NormalFileName(const std::wstring& path) {
  if (path.empty()) return std::wstring();
  WIN32_FIND_DATAW data;
  HANDLE find = FindFirstFileW(path.c_str(), &data);
  if (find == INVALID_HANDLE_VALUE) return std::wstring();
  constexpr DWORD kNotNormal = FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM;
  std::wstring name;
  do {
    if (!(data.dwFileAttributes & kNotNormal)) name = data.cFileName;
  } while (name.empty() && FindNextFileW(find, &data));
  FindClose(find);
  return name;
}

bool NormalFileExists(const std::wstring& path) { return !NormalFileName(path).empty(); }

bool PathTaken(const std::wstring& path) { return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

}  // namespace core
