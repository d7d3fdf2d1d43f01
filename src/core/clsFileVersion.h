#pragma once
// Version numbers of files and of the system, and where the system's browser lives.
#include <cstdint>
#include <string>

namespace core {

class clsFileVersion {
 public:
  // "a.b.c.d" from the fixed part of the version resource ("a.b.d" when c is 0); "" without a resource.
  std::wstring GetFileVersion(const std::wstring& mstrFileName);
  // Full path of iexplore.exe from its App Paths entry; "" when there is none.
  std::wstring GetIExplore();
  // "Windows NT" on the NT family; on Windows 9x the version text, with its service-release letter.
  std::wstring GetOS();
  // NT: current version, a blank, the build number; 9x: the version number.
  std::wstring GetOSVersion();

  // The rules above on values already read, so they can be checked without the system they describe.
  static std::wstring FormatFileVersion(uint32_t versionMS, uint32_t versionLS);
  static std::wstring BrowserFromAppPath(const std::wstring& pathValue);
  static std::wstring Win9xName(const std::wstring& version, const std::wstring& subVersion);

 private:
  bool CheckWindowsNT();
  std::wstring AddBackslash(const std::wstring& path);
};

}  // namespace core
