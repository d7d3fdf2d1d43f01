#include <shlobj.h>

#include "core/clsDrive.h"
#include "core/modPath.h"
#include "splitjoin/DiskService.h"

namespace splitjoin {

namespace {

class MachineDisks : public DiskService {
 public:
  UINT DriveType(const std::wstring& root) override { return GetDriveTypeW(root.c_str()); }

  double FreeSpace(const std::wstring& path) override { return core::clsDrive().FreeSpace(path); }

  bool CanList(const std::wstring& folder) override {
    WIN32_FIND_DATAW data;
    std::wstring pattern = core::AddBackslash(folder) + L"*";
    HANDLE find = FindFirstFileW(pattern.c_str(), &data);
    if (find == INVALID_HANDLE_VALUE) {
      // An empty root has nothing to list but is a readable disk.
      DWORD error = GetLastError();
      return error == ERROR_FILE_NOT_FOUND || error == ERROR_NO_MORE_FILES;
    }
    FindClose(find);
    return true;
  }

  void Format(int driveIndex) override { SHFormatDrive(nullptr, driveIndex, SHFMT_ID_DEFAULT, SHFMT_OPT_FULL); }
};

}  // namespace

DiskService& RealDisks() {
  static MachineDisks disks;
  return disks;
}

std::wstring DriveRoot(const std::wstring& path) {
  if (path.size() >= 2 && path[1] == L':' && (path[0] | 0x20) >= L'a' && (path[0] | 0x20) <= L'z') return path.substr(0, 2) + L"\\";
  return L"";
}

}  // namespace splitjoin
