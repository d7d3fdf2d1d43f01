// The fixture format: a small text file that stands for an archive of a type no
// codec here can make (RAR, ARJ, ACE, JAR, 7Z, YZ1, YZ2, BGA, GCA, BEL, IMP, BH,
// ISH, TBZ). It lists each entry's reported values and its content; see
// standins/README.md for the layout.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "Archive.h"

namespace standin::fixture {

inline constexpr std::string_view kMagic = "TVFIXTURE 1 ";

struct Entry {
  std::string path;  // "/" between folders; a folder ends with "/"
  std::string data;
  std::optional<uint64_t> size;    // reported size; default: length of data
  std::optional<uint64_t> packed;  // default: the reported size
  std::optional<int> ratio;        // per mille; default: packed * 1000 / size
  std::string date = "1980-01-01";
  std::string time = "00:00:00";
  std::string method;
  std::string attr;
  std::optional<uint32_t> crc;  // default: CRC-32 of data
  uint32_t flags = 0;

  bool IsDirectory() const { return !path.empty() && path.back() == '/'; }
  uint64_t Size() const { return size ? *size : data.size(); }
  uint64_t Packed() const { return packed ? *packed : Size(); }
  int Ratio() const;
  uint32_t Crc() const;
  uint32_t DosDateTime() const;
  // Takes date and time from a DOS pair; an invalid pair gives 1980-01-01 00:00:00.
  void SetDosDateTime(uint32_t dos);
};

struct Archive {
  std::string type;      // "RAR", "ACE", ...
  std::string password;  // an archive asking for a password when not empty
  std::vector<Entry> entries;
};

// Offset of the fixture inside `bytes` (behind a self-extractor stub), or npos.
size_t Locate(std::string_view bytes);
bool Parse(std::string_view text, Archive& out, std::string& err);
std::string Serialize(const Archive& archive);

// %XX escapes for bytes outside printable ASCII and for "%" itself.
std::string Escape(std::string_view raw);
bool Unescape(std::string_view text, std::string& out);

// "yyyy-mm-dd" and "hh:mm:ss" to a DOS date/time pair (date << 16 | time); the
// way back is DosDateText / DosTimeText of Operations.h.
bool ParseDosDateTime(std::string_view date, std::string_view time, uint32_t& dos);

// The handler for one fixture type: reads fixtures of that type, writes new ones.
const IArchiveFormat& Format(std::string_view type);

}  // namespace standin::fixture
