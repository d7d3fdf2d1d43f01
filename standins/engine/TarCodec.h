// TAR and gzip-compressed TAR read and written in memory. Names are raw bytes
// (code page 932 on the Windows side) with "/" separators; nothing here touches
// the file system, so the same code is fuzzed natively and shipped in tar32.dll.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace standin::tar {

enum class Kind { None = 0, Tar = 1, Tgz = 2, Gz = 3 };

struct Entry {
  std::string name;  // directories end with "/"
  bool isDir = false;
  uint32_t mode = 0644;
  int64_t mtime = 0;  // seconds since 1970-01-01 UTC
  std::vector<uint8_t> data;
};

// Upper bound for anything we inflate, so a small damaged or hostile file
// cannot make us allocate without end.
constexpr size_t kMaxExpanded = size_t(1) << 30;

bool Gunzip(const uint8_t* p, size_t n, std::vector<uint8_t>& out, std::string& err, size_t limit = kMaxExpanded);
bool GzipCompress(const std::vector<uint8_t>& in, int level, std::vector<uint8_t>& out);

bool IsGzip(const uint8_t* p, size_t n);
// A first block whose checksum matches: the test tar itself uses.
bool LooksLikeTar(const uint8_t* p, size_t n);

bool ParseTar(const uint8_t* p, size_t n, std::vector<Entry>& out, std::string& err);
std::vector<uint8_t> BuildTar(const std::vector<Entry>& entries);

// Reads plain or gzip-compressed TAR; a gzip file that holds no TAR becomes one
// entry named `gzMemberName` (Kind::Gz).
bool ReadArchive(const std::vector<uint8_t>& bytes, const std::string& gzMemberName, std::vector<Entry>& out,
                 Kind& kind, std::string& err);
bool WriteArchive(const std::vector<Entry>& entries, Kind kind, int level, std::vector<uint8_t>& out, std::string& err);

Kind DetectKind(const uint8_t* p, size_t n);

}  // namespace standin::tar
