#include "core/clsDrive.h"

#include "core/Seams.h"

namespace core {

std::wstring ReadWindowsVersionValue(const std::wstring& valueName) {
  HKEY key = nullptr;
  if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion", 0, KEY_READ, &key) !=
      ERROR_SUCCESS)
    return std::wstring();
  wchar_t buffer[128] = {};
  DWORD size = sizeof(buffer) - sizeof(wchar_t);
  DWORD type = 0;
  std::wstring value;
  if (RegQueryValueExW(key, valueName.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(buffer), &size) ==
          ERROR_SUCCESS &&
      type == REG_SZ)
    value = buffer;
  RegCloseKey(key);
  return value;
}

bool IsWindowsNtFamily() {
  OSVERSIONINFOW info{};
  info.dwOSVersionInfoSize = sizeof(info);
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
  if (!GetVersionExW(&info)) return false;
#pragma GCC diagnostic pop
  return info.dwPlatformId == VER_PLATFORM_WIN32_NT;
}

double clsDrive::ClusterBytes(uint32_t clusters, uint32_t sectorsPerCluster, uint32_t bytesPerSector) {
  return static_cast<double>(uint64_t{clusters} * sectorsPerCluster * bytesPerSector);
}

bool clsDrive::HasExtendedQuery() { return IsWindowsNT() || IsWindows98() || IsOSR2(); }

double clsDrive::Space(const std::wstring& strDrive, bool freeOnly) {
  if (HasExtendedQuery()) {
    uint64_t total = 0, free = 0;
    lastResult_ = DiskSpace().FreeSpaceEx(strDrive, total, free);
    if (!lastResult_) return 0.0;
    return static_cast<double>(freeOnly ? free : total);
  }
  GetDiskInfo(strDrive);
  return ClusterBytes(freeOnly ? freeClusters_ : totalClusters_, sectorsPerCluster_, bytesPerSector_);
}

double clsDrive::AllSpace(const std::wstring& strDrive) { return Space(strDrive, false); }

int32_t clsDrive::BytesPerSector(const std::wstring& strDrive) {
  GetDiskInfo(strDrive);
  return static_cast<int32_t>(bytesPerSector_ * sectorsPerCluster_);
}

void clsDrive::GetDiskInfo(const std::wstring& strDrive) {
  DiskSpaceSeam::Clusters clusters;
  lastResult_ = DiskSpace().FreeClusters(strDrive, clusters);
  sectorsPerCluster_ = clusters.sectorsPerCluster;
  bytesPerSector_ = clusters.bytesPerSector;
  freeClusters_ = clusters.freeClusters;
  totalClusters_ = clusters.totalClusters;
}

double clsDrive::FreeSpace(const std::wstring& strDrive) { return Space(strDrive, true); }

bool clsDrive::IsOSR2() { return ReadWindowsVersionValue(L"SubVersionNumber") == L" B"; }

bool clsDrive::IsWindows98() { return ReadWindowsVersionValue(L"Version") == L"Windows 98"; }

bool clsDrive::IsWindowsNT() { return IsWindowsNtFamily(); }

}  // namespace core
