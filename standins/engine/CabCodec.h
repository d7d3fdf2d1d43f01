// Cabinet files read and written in memory: stored and MSZIP folders, cabinet
// sets spanning several files. Names are raw bytes (code page 932 on the
// Windows side, "\" separators as cabinets store them). No file system here.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace standin::cab {

enum class Method { Stored, MsZip };

struct Entry {
  std::string name;
  std::vector<uint8_t> data;
  uint16_t date = 0x21;  // MS-DOS packed date and time
  uint16_t time = 0;
  uint16_t attribs = 0x20;
};

// Reads the cabinet named in a "next cabinet" field; false when it is missing.
using VolumeLoader = std::function<bool(const std::string& name, std::vector<uint8_t>& out)>;
// Converts a name flagged as UTF-8 into the names' usual code page; false when it cannot.
using NameConverter = std::function<bool(const std::string& utf8, std::string& out)>;

struct ReadOptions {
  bool followSet = false;   // go on into the next cabinets of a set
  VolumeLoader loadVolume;  // needed when followSet is true
  NameConverter fromUtf8;   // names flagged UTF-8 stay UTF-8 without one
  size_t maxTotal = size_t(1) << 30;
};

bool IsCabinet(const uint8_t* p, size_t n);
// Offset of the first cabinet header inside a larger file (a self-extractor), or npos.
size_t FindCabinet(const uint8_t* p, size_t n);

bool ReadCabinet(const std::vector<uint8_t>& first, const ReadOptions& opt, std::vector<Entry>& out, std::string& err);

struct WriteOptions {
  Method method = Method::MsZip;
  int level = 6;
  size_t volumeLimit = 0;  // bytes per cabinet; 0 writes one cabinet
  uint16_t setId = 0x5456;
};

// Writes one cabinet, or a set when volumeLimit is set; `volumeName(i)` gives the
// file name (no folder) of cabinet i, used in the links between them.
bool WriteCabinets(const std::vector<Entry>& entries, const WriteOptions& opt,
                   const std::function<std::string(int)>& volumeName, std::vector<std::vector<uint8_t>>& cabinets,
                   std::string& err);

uint32_t Checksum(const uint8_t* p, size_t n, uint32_t seed);

}  // namespace standin::cab
