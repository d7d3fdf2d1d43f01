#pragma once
// An in-memory file system for the fuzz targets: it records every write so that a target can
// check that nothing lands outside the destination.
#include <map>
#include <string>

#include "Archive.h"
#include "Cp932.h"
#include "FileSystem.h"
#include "Operations.h"

namespace fuzzsupport {

class MemoryFileSystem : public standin::IFileSystem {
 public:
  std::map<std::string, std::string> files;

  standin::FileStat Stat(const std::string& path) override {
    standin::FileStat st;
    auto it = files.find(standin::ToSlash(path));
    st.exists = it != files.end();
    st.size = st.exists ? it->second.size() : 0;
    return st;
  }
  bool ReadFile(const std::string& path, std::string& bytes) override {
    auto it = files.find(standin::ToSlash(path));
    if (it == files.end()) return false;
    bytes = it->second;
    return true;
  }
  bool WriteFile(const std::string& path, const std::string& bytes) override {
    files[standin::ToSlash(path)] = bytes;
    return true;
  }
  bool AppendFile(const std::string& path, const std::string& bytes) override {
    files[standin::ToSlash(path)] += bytes;
    return true;
  }
  bool MakeDirectories(const std::string&) override { return true; }
  bool List(const std::string&, std::vector<standin::DirItem>&) override { return false; }
  bool RemoveFile(const std::string& path) override { return files.erase(standin::ToSlash(path)) > 0; }
  bool RemoveFolder(const std::string&) override { return true; }
  bool SetTimeAndAttributes(const std::string&, uint32_t, uint32_t) override { return true; }
  std::string CurrentDirectory() override { return "/cwd"; }
};

// False when an entry claims more than 16 MB: legitimate high-ratio entries would only measure
// the machine's memory.
inline bool SizesAreSmall(const standin::IArchiveFormat& format, const std::string& bytes) {
  std::vector<standin::StoredEntry> entries;
  std::string error;
  format.ReadDirectory(bytes, entries, error);
  for (const auto& e : entries) {
    if (e.info.originalSize > (1u << 24)) return false;
  }
  return entries.size() <= 2000;
}

// Extracts every entry of `bytes` into "/dest" and aborts when a file lands anywhere else.
inline void ExtractAndCheck(const standin::IArchiveFormat& format, const std::string& bytes) {
  if (!SizesAreSmall(format, bytes)) return;
  MemoryFileSystem fs;
  standin::LoadedArchive archive;
  archive.bytes = bytes;
  std::string error;
  if (!format.ReadDirectory(archive.bytes, archive.entries, error)) return;
  standin::Report report;
  standin::ExtractOptions options;
  options.password = "pw";
  standin::ExtractEntries(fs, format, archive, standin::SelectEntries(archive.entries, {}), "/dest", options, report);
  for (const auto& [path, data] : fs.files) {
    if (path.rfind("/dest/", 0) != 0 || path.find("/../") != std::string::npos || path.find(':') != std::string::npos)
      __builtin_trap();
  }
}

}  // namespace fuzzsupport
