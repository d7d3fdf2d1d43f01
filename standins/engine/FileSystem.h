#pragma once
// The engine's only way to the disk. Paths are code-page-932 bytes; "\" and "/" both separate.
// The native build uses the host file system, the DLLs convert with code page 932 to wide names.
#include <cstdint>
#include <string>
#include <vector>

namespace standin {

struct FileStat {
  bool exists = false;
  bool isDirectory = false;
  uint64_t size = 0;
  uint32_t dosDateTime = 0;  // (date << 16) | time, local time
  uint32_t attributes = 0;   // DOS attribute bits (0x01 read-only, 0x02 hidden, 0x04 system, 0x10 folder, 0x20 archive)
};

struct DirItem {
  std::string name;  // without folder
  bool isDirectory = false;
};

class IFileSystem {
 public:
  virtual ~IFileSystem() = default;
  virtual FileStat Stat(const std::string& path) = 0;
  virtual bool ReadFile(const std::string& path, std::string& bytes) = 0;
  // Writes the whole file, replacing it; creates no folders.
  virtual bool WriteFile(const std::string& path, const std::string& bytes) = 0;
  // Appends to the file, creating it when missing.
  virtual bool AppendFile(const std::string& path, const std::string& bytes) = 0;
  // Creates the folder and every missing parent.
  virtual bool MakeDirectories(const std::string& path) = 0;
  virtual bool List(const std::string& folder, std::vector<DirItem>& items) = 0;
  virtual bool RemoveFile(const std::string& path) = 0;
  virtual bool RemoveFolder(const std::string& path) = 0;
  virtual bool SetTimeAndAttributes(const std::string& path, uint32_t dosDateTime, uint32_t attributes) = 0;
  // The current folder, for relative paths in commands (with no trailing separator).
  virtual std::string CurrentDirectory() = 0;
};

// The host implementation used by the native build (POSIX paths; "\" outside double-byte
// characters is read as "/").
IFileSystem& HostFileSystem();

}  // namespace standin
