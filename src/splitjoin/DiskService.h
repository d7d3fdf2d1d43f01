#pragma once
// What the split and join engines need of the disks: the programs pass the machine's disks, tests a fake.
#include <windows.h>

#include <string>

namespace splitjoin {

class DiskService {
 public:
  virtual ~DiskService() = default;
  // GetDriveType of a root such as "A:\".
  virtual UINT DriveType(const std::wstring& root) = 0;
  // Free bytes where `path` lies; 0 when unknown (no disk, not ready).
  virtual double FreeSpace(const std::wstring& path) = 0;
  // The folder can be listed (a disk is in the drive and readable).
  virtual bool CanList(const std::wstring& folder) = 0;
  // Offers the system's format dialog for drive index (A: = 0); its result is not used.
  virtual void Format(int driveIndex) = 0;
};

// The machine's disks.
DiskService& RealDisks();

// "X:\" for a path that begins with a drive letter; "" otherwise (network paths, relative paths).
std::wstring DriveRoot(const std::wstring& path);

}  // namespace splitjoin
