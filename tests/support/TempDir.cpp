#include "TempDir.h"

#include <atomic>
#include <fstream>
#include <string>

namespace testsupport {
namespace {
std::atomic<unsigned> counter{0};

std::wstring UniqueName(const wchar_t* prefix) {
  return prefix + std::to_wstring(GetCurrentProcessId()) + L"_" + std::to_wstring(GetTickCount()) + L"_" +
         std::to_wstring(++counter);
}

void MakeFolders(const std::wstring& path) {
  for (size_t pos = path.find(L'\\', 3); pos != std::wstring::npos; pos = path.find(L'\\', pos + 1))
    CreateDirectoryW(path.substr(0, pos).c_str(), nullptr);
  CreateDirectoryW(path.c_str(), nullptr);
}

void Collect(const std::wstring& folder, const std::wstring& prefix, std::map<std::wstring, std::string>& files) {
  WIN32_FIND_DATAW found;
  HANDLE search = FindFirstFileW((folder + L"\\*").c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return;
  do {
    const std::wstring name = found.cFileName;
    if (name == L"." || name == L"..") continue;
    if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
      Collect(folder + L"\\" + name, prefix + name + L"\\", files);
    else
      files[prefix + name] = testsupport::ReadFileBytes(folder + L"\\" + name);
  } while (FindNextFileW(search, &found));
  FindClose(search);
}
}  // namespace

TempDir::TempDir() {
  wchar_t buffer[MAX_PATH + 1];
  DWORD n = GetTempPathW(MAX_PATH, buffer);
  std::wstring base(buffer, n);
  if (!base.empty() && base.back() != L'\\') base += L'\\';
  path_ = base + UniqueName(L"tvt");
  MakeFolders(path_);
}

TempDir::~TempDir() { RemoveTree(path_); }

std::wstring TempDir::operator/(const std::wstring& relative) const { return path_ + L"\\" + relative; }

std::wstring TempDir::WriteFile(const std::wstring& relative, const std::string& bytes) const {
  std::wstring full = *this / relative;
  size_t slash = full.rfind(L'\\');
  MakeFolders(full.substr(0, slash));
  HANDLE h = CreateFileW(full.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (h != INVALID_HANDLE_VALUE) {
    DWORD written = 0;
    if (!bytes.empty()) ::WriteFile(h, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    CloseHandle(h);
  }
  return full;
}

std::string ReadFileBytes(const std::wstring& path) {
  HANDLE h =
      CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr);
  if (h == INVALID_HANDLE_VALUE) return std::string();
  std::string out;
  char buffer[65536];
  DWORD got = 0;
  while (ReadFile(h, buffer, sizeof buffer, &got, nullptr) && got > 0) out.append(buffer, got);
  CloseHandle(h);
  return out;
}

bool FileExists(const std::wstring& path) {
  DWORD a = GetFileAttributesW(path.c_str());
  return a != INVALID_FILE_ATTRIBUTES && !(a & FILE_ATTRIBUTE_DIRECTORY);
}

bool FolderExists(const std::wstring& path) {
  DWORD a = GetFileAttributesW(path.c_str());
  return a != INVALID_FILE_ATTRIBUTES && (a & FILE_ATTRIBUTE_DIRECTORY);
}

std::map<std::wstring, std::string> FilesBelow(const std::wstring& folder) {
  std::map<std::wstring, std::string> files;
  Collect(folder, L"", files);
  return files;
}

void RemoveTree(const std::wstring& path) {
  WIN32_FIND_DATAW data;
  HANDLE find = FindFirstFileW((path + L"\\*").c_str(), &data);
  if (find != INVALID_HANDLE_VALUE) {
    do {
      std::wstring name = data.cFileName;
      if (name == L"." || name == L"..") continue;
      std::wstring full = path + L"\\" + name;
      SetFileAttributesW(full.c_str(), FILE_ATTRIBUTE_NORMAL);
      if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
        RemoveTree(full);
      else
        DeleteFileW(full.c_str());
    } while (FindNextFileW(find, &data));
    FindClose(find);
  }
  RemoveDirectoryW(path.c_str());
}

ScratchRegKey::ScratchRegKey() : subKey_(L"Software\\TolvenarTests\\" + UniqueName(L"k")) {
  HKEY key = nullptr;
  if (RegCreateKeyExW(HKEY_CURRENT_USER, subKey_.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr) ==
      ERROR_SUCCESS)
    RegCloseKey(key);
}

ScratchRegKey::~ScratchRegKey() { RegDeleteTreeW(HKEY_CURRENT_USER, subKey_.c_str()); }

bool SetRegDefault(HKEY root, const std::wstring& subKey, const std::wstring& value) {
  HKEY key = nullptr;
  if (RegCreateKeyExW(root, subKey.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr) != ERROR_SUCCESS)
    return false;
  const LONG status = RegSetValueExW(key, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                                     static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
  RegCloseKey(key);
  return status == ERROR_SUCCESS;
}

}  // namespace testsupport
