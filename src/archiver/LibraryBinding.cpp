#include "archiver/LibraryBinding.h"

#include <map>
#include <vector>

#include "core/Text.h"
#include "core/modPath.h"
#include "core/modShell.h"

namespace archiver {
namespace {

struct Paths {
  std::wstring libraryFolder;
  std::wstring toolFolder;
};

Paths& Folders() {
  static Paths paths;
  return paths;
}

// Loaded libraries by upper-cased file name.
std::map<std::wstring, HMODULE>& Loaded() {
  static std::map<std::wstring, HMODULE> loaded;
  return loaded;
}

bool IsFile(const std::wstring& path) {
  DWORD attributes = GetFileAttributesW(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

std::wstring SystemFolder(UINT(WINAPI* query)(LPWSTR, UINT)) {
  wchar_t buffer[MAX_PATH];
  UINT n = query(buffer, MAX_PATH);
  return n && n < MAX_PATH ? std::wstring(buffer, n) : std::wstring();
}

// The folders a library is looked for in when no folder is set: the program's, the system's, Windows' and
// the absolute entries of PATH. The current directory is not one of them, whatever the system's own search
// order would do.
std::vector<std::wstring> SearchFolders() {
  std::vector<std::wstring> folders = {core::ProgramFolder(), SystemFolder(GetSystemDirectoryW),
                                       SystemFolder(GetWindowsDirectoryW)};
  DWORD size = GetEnvironmentVariableW(L"PATH", nullptr, 0);
  std::wstring path(size, L'\0');
  path.resize(size ? GetEnvironmentVariableW(L"PATH", path.data(), size) : 0);
  size_t start = 0;
  while (start <= path.size()) {
    size_t end = path.find(L';', start);
    if (end == std::wstring::npos) end = path.size();
    std::wstring entry = core::Trim(path.substr(start, end - start));
    if (entry.size() >= 2 && entry.front() == L'"' && entry.back() == L'"') entry = entry.substr(1, entry.size() - 2);
    bool absolute = entry.size() >= 3 && ((entry[1] == L':' && (entry[2] == L'\\' || entry[2] == L'/')) ||
                                          (entry[0] == L'\\' && entry[1] == L'\\'));
    if (absolute) folders.push_back(entry);
    start = end + 1;
  }
  return folders;
}

HMODULE LoadOne(const std::wstring& library) {
  static const bool searchIsSafe = (RemoveCurrentDirectoryFromDllSearch(), true);
  (void)searchIsSafe;
  std::wstring path = LocateLibrary(library);
  if (path.empty()) return nullptr;
  // A broken library must not stop the program with the system's own error box.
  DWORD previousMode = 0;
  SetThreadErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX, &previousMode);
  HMODULE module = LoadLibraryExW(path.c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
  SetThreadErrorMode(previousMode, nullptr);
  return module;
}

}  // namespace

Binding FindEntry(const std::wstring& library, const char* entry, FARPROC& proc) {
  proc = nullptr;
  std::wstring key = core::UCase(library);
  auto& loaded = Loaded();
  auto found = loaded.find(key);
  HMODULE module = found != loaded.end() ? found->second : nullptr;
  if (!module) {
    // A library that is missing now may be installed later: it is looked for again at the next call.
    module = LoadOne(library);
    if (!module) return Binding::LibraryMissing;
    loaded[key] = module;
  }
  proc = GetProcAddress(module, entry);
  return proc ? Binding::Called : Binding::EntryMissing;
}

void SetLibraryFolder(const std::wstring& folder) { Folders().libraryFolder = core::RemoveBackslash(folder); }

std::wstring LibraryFolder() { return Folders().libraryFolder; }

std::wstring LocateLibrary(const std::wstring& library) {
  const std::wstring& folder = Folders().libraryFolder;
  if (!folder.empty()) {
    std::wstring path = core::CombinePath(folder, library);
    return IsFile(path) ? path : L"";
  }
  for (const std::wstring& candidate : SearchFolders()) {
    std::wstring path = core::CombinePath(candidate, library);
    if (IsFile(path)) return path;
  }
  return L"";
}

void FreeLibraries() {
  for (auto& [name, module] : Loaded()) FreeLibrary(module);
  Loaded().clear();
}

void SetToolFolder(const std::wstring& folder) { Folders().toolFolder = core::RemoveBackslash(folder); }

std::wstring ToolFolder() { return Folders().toolFolder.empty() ? core::ProgramFolder() : Folders().toolFolder; }

void RemoveCurrentDirectoryFromDllSearch() {
  SetDllDirectoryW(L"");
  // Path searches look in the current directory last; refused harmlessly once it has been made permanent.
  SetSearchPathMode(BASE_SEARCH_PATH_ENABLE_SAFE_SEARCHMODE | BASE_SEARCH_PATH_PERMANENT);
}

}  // namespace archiver
