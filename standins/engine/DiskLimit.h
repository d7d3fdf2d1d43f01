#pragma once
// A disk that fills up, for the tests of what a program does when an archiver runs out of room: the
// writes of one command go through to the real file system until `free` bytes are used; the write that
// needs more writes what still fits and fails, as on a full disk. A file replaced or removed gives its
// room back, so an archiver that puts the old archive back after a failed write can still do so.
#include <cstdint>

#include "FileSystem.h"

namespace standin {

class DiskLimit : public IFileSystem {
 public:
  DiskLimit(IFileSystem& inner, uint64_t free) : inner_(inner), free_(free) {}

  FileStat Stat(const std::string& path) override { return inner_.Stat(path); }
  bool ReadFile(const std::string& path, std::string& bytes) override { return inner_.ReadFile(path, bytes); }
  bool WriteFile(const std::string& path, const std::string& bytes) override;
  bool AppendFile(const std::string& path, const std::string& bytes) override;
  bool MakeDirectories(const std::string& path) override { return inner_.MakeDirectories(path); }
  bool List(const std::string& folder, std::vector<DirItem>& items) override { return inner_.List(folder, items); }
  bool RemoveFile(const std::string& path) override;
  bool RemoveFolder(const std::string& path) override { return inner_.RemoveFolder(path); }
  bool SetTimeAndAttributes(const std::string& path, uint32_t dosDateTime, uint32_t attributes) override {
    return inner_.SetTimeAndAttributes(path, dosDateTime, attributes);
  }
  std::string CurrentDirectory() override { return inner_.CurrentDirectory(); }

  uint64_t Free() const { return free_; }

 private:
  // Writes as much of `bytes` as the room left takes; true when all of it fitted and was written.
  bool Take(const std::string& path, const std::string& bytes, bool append);
  uint64_t SizeOf(const std::string& path);

  IFileSystem& inner_;
  uint64_t free_;
};

}  // namespace standin
