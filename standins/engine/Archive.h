#pragma once
// The format-handler interface every stand-in format implements, and the entry records the
// libraries turn into INDIVIDUALINFO. A handler works on the archive's bytes in memory: it reads
// the directory, decodes one entry, and writes a whole new archive from a list of entries, each
// either copied from the old archive as stored or given as new data.
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace standin {

struct EntryInfo {
  std::string path;  // code page 932, "/" between folders; folders end without "/"
  bool isDirectory = false;
  uint64_t originalSize = 0;
  uint64_t compressedSize = 0;
  uint32_t crc = 0;          // the format's own check value
  uint32_t dosDateTime = 0;  // (date << 16) | time
  uint32_t attributes = 0x20;
  std::string method;  // method text as the library shows it in szMode ("-lh5-", "deflate")
  uint32_t osType = 0;
  bool encrypted = false;
};

// One entry as found in an archive; `offset`, `length` and `tag` belong to the handler.
struct StoredEntry {
  EntryInfo info;
  uint64_t offset = 0;
  uint64_t length = 0;
  uint64_t tag = 0;
};

struct WriteOptions {
  std::string method;    // handler-specific ("lh5", "lh0", "deflate", "store"); empty = default
  int level = 6;         // compression level where the format has one
  int headerLevel = 2;   // LZH header level
  std::string password;  // ZIP traditional encryption when not empty
};

// An entry of the archive to write: either kept from the old archive (`keep` points into the
// directory read from `oldBytes`) or new `data`. A kept entry may get a new path.
struct NewEntry {
  EntryInfo info;
  const StoredEntry* keep = nullptr;
  std::string data;
};

class IArchiveFormat {
 public:
  virtual ~IArchiveFormat() = default;
  virtual std::string_view Name() const = 0;  // "LZH", "ZIP", ...
  // Offset of the archive inside `bytes` (0 for a plain archive, more behind a self-extracting
  // stub), or -1 when the bytes are not an archive of this format.
  virtual int64_t Locate(std::string_view bytes) const = 0;
  virtual bool ReadDirectory(std::string_view bytes, std::vector<StoredEntry>& entries, std::string& error) const = 0;
  // Decodes one entry and checks its check value; false with `error` on damage or a wrong password.
  virtual bool ReadData(std::string_view bytes, const StoredEntry& entry, const std::string& password,
                        std::string& data, std::string& error) const = 0;
  virtual bool Write(std::string_view oldBytes, const std::vector<NewEntry>& entries, const WriteOptions& options,
                     std::string& out, std::string& error) const = 0;
};

}  // namespace standin
