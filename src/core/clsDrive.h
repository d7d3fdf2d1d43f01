#pragma once
// Size and free space of a drive, and which Windows family runs.
#include <windows.h>

#include <cstdint>
#include <string>

namespace core {

class clsDrive {
 public:
  // Total bytes of the drive ("C:\"); 0 when it cannot be read.
  double AllSpace(const std::wstring& strDrive);
  // Cluster size in bytes (bytes per sector x sectors per cluster), whatever the name says.
  int32_t BytesPerSector(const std::wstring& strDrive);
  // Free bytes of the drive (all of them, not only those the caller may use); 0 when it cannot be read.
  double FreeSpace(const std::wstring& strDrive);
  bool IsOSR2();
  bool IsWindows98();
  bool IsWindowsNT();

  // Bytes of `clusters` clusters; 64-bit, so large drives never overflow.
  static double ClusterBytes(uint32_t clusters, uint32_t sectorsPerCluster, uint32_t bytesPerSector);

 private:
  void GetDiskInfo(const std::wstring& strDrive);
  // Free or total bytes, by the extended query where the system has it, else from the cluster figures.
  double Space(const std::wstring& strDrive, bool freeOnly);
  bool HasExtendedQuery();

  uint32_t sectorsPerCluster_ = 0;
  uint32_t bytesPerSector_ = 0;
  uint32_t freeClusters_ = 0;
  uint32_t totalClusters_ = 0;
  bool lastResult_ = false;
};

// Windows 9x identity from HKLM\SOFTWARE\Microsoft\Windows\CurrentVersion ("" when missing).
std::wstring ReadWindowsVersionValue(const std::wstring& valueName);
bool IsWindowsNtFamily();

}  // namespace core
