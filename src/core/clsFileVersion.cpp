#include "core/clsFileVersion.h"

#include <windows.h>

#include <vector>

#include "core/Text.h"
#include "core/clsDrive.h"
#include "core/modPath.h"

namespace core {
namespace {

// A text value under HKEY_LOCAL_MACHINE, at its own size; "" when the key or value is missing.
std::wstring ReadMachineText(const std::wstring& subKey, const std::wstring& valueName) {
  HKEY key = nullptr;
  if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, subKey.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return std::wstring();
  std::wstring value;
  DWORD type = 0, size = 0;
  if (RegQueryValueExW(key, valueName.c_str(), nullptr, &type, nullptr, &size) == ERROR_SUCCESS &&
      (type == REG_SZ || type == REG_EXPAND_SZ) && size > 0) {
    std::vector<wchar_t> buffer(size / sizeof(wchar_t) + 1, L'\0');
    if (RegQueryValueExW(key, valueName.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(buffer.data()), &size) ==
        ERROR_SUCCESS)
      value = buffer.data();
  }
  RegCloseKey(key);
  return value;
}

const wchar_t kNtKey[] = L"SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion";
const wchar_t kBrowserKey[] = L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\App Paths\\IEXPLORE.EXE";

}  // namespace

std::wstring clsFileVersion::FormatFileVersion(uint32_t versionMS, uint32_t versionLS) {
  std::wstring head = ToWString(HIWORD(versionMS)) + L'.' + ToWString(LOWORD(versionMS)) + L'.';
  if (HIWORD(versionLS) != 0) return head + ToWString(HIWORD(versionLS)) + L'.' + ToWString(LOWORD(versionLS));
  return head + ToWString(LOWORD(versionLS));
}

std::wstring clsFileVersion::GetFileVersion(const std::wstring& mstrFileName) {
  DWORD handle = 0;
  DWORD size = GetFileVersionInfoSizeW(mstrFileName.c_str(), &handle);
  if (size < 1) return std::wstring();
  std::vector<BYTE> block(size);
  if (!GetFileVersionInfoW(mstrFileName.c_str(), 0, size, block.data())) return std::wstring();
  VS_FIXEDFILEINFO* fixed = nullptr;
  UINT length = 0;
  if (!VerQueryValueW(block.data(), L"\\", reinterpret_cast<void**>(&fixed), &length) || !fixed ||
      length < sizeof(VS_FIXEDFILEINFO))
    return std::wstring();
  return FormatFileVersion(fixed->dwFileVersionMS, fixed->dwFileVersionLS);
}

std::wstring clsFileVersion::BrowserFromAppPath(const std::wstring& pathValue) {
  // The value is a folder list ending in ";"; only that separator is dropped, never a character of the path.
  std::wstring folder = pathValue;
  if (!folder.empty() && folder.back() == L';') folder.pop_back();
  return core::AddBackslash(folder) + L"iexplore.exe";
}

std::wstring clsFileVersion::GetIExplore() {
  HKEY key = nullptr;
  if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, kBrowserKey, 0, KEY_READ, &key) != ERROR_SUCCESS) return std::wstring();
  DWORD size = 0;
  bool present = RegQueryValueExW(key, L"Path", nullptr, nullptr, nullptr, &size) == ERROR_SUCCESS;
  RegCloseKey(key);
  if (!present) return std::wstring();
  return BrowserFromAppPath(ReadMachineText(kBrowserKey, L"Path"));
}

std::wstring clsFileVersion::Win9xName(const std::wstring& version, const std::wstring& subVersion) {
  if (version == L"Windows 98") return version;
  if (subVersion == L" a" || subVersion == L" B") return version + subVersion;
  return std::wstring();
}

std::wstring clsFileVersion::GetOS() {
  if (CheckWindowsNT()) return L"Windows NT";
  return Win9xName(ReadWindowsVersionValue(L"Version"), ReadWindowsVersionValue(L"SubVersionNumber"));
}

std::wstring clsFileVersion::GetOSVersion() {
  if (CheckWindowsNT())
    return ReadMachineText(kNtKey, L"CurrentVersion") + L' ' + ReadMachineText(kNtKey, L"CurrentBuildNumber");
  return ReadWindowsVersionValue(L"VersionNumber");
}

bool clsFileVersion::CheckWindowsNT() { return IsWindowsNtFamily(); }

std::wstring clsFileVersion::AddBackslash(const std::wstring& path) { return core::AddBackslash(path); }

}  // namespace core
