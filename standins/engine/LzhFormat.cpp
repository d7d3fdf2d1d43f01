// LZH archives: header levels 0, 1 and 2, methods lh0, lh5, lh6, lh7 and folder entries (lhd).
#include <cstring>

#include "Cp932.h"
#include "Crc.h"
#include "Formats.h"
#include "LzhCodec.h"

namespace standin {

namespace {

constexpr size_t kMaxExtHeaders = 1024;

int DictBitsOf(std::string_view method) {
  if (method == "-lh5-") return 13;
  if (method == "-lh6-") return 15;
  if (method == "-lh7-") return 16;
  return 0;
}

bool LooksLikeMethod(std::string_view b, size_t at) {
  return at + 7 <= b.size() && b[at] == '-' && b[at + 1] == 'l' && (b[at + 2] == 'h' || b[at + 2] == 'z') &&
         b[at + 4] == '-';
}

// Folder names are stored with 0xFF between the parts; "/" and "\" (outside double-byte
// characters) also separate in level-0 names.
std::string FromStoredPath(std::string_view raw) {
  std::string s(raw);
  for (auto& ch : s)
    if (static_cast<unsigned char>(ch) == 0xFF) ch = '/';
  return ToSlash(s);
}

struct Header {
  size_t headerStart = 0;
  size_t dataStart = 0;
  uint64_t dataLength = 0;
  StoredEntry entry;
};

// Parses the header at `at`; false when it is not a sound header. `next` receives the offset of
// the following header.
bool ParseHeader(std::string_view b, size_t at, Header& h, size_t& next, std::string& error) {
  if (at + 22 > b.size()) {
    error = "truncated header";
    return false;
  }
  int level = static_cast<unsigned char>(b[at + 20]);
  if (!LooksLikeMethod(b, at + 2) || level > 2) {
    error = "bad header";
    return false;
  }
  EntryInfo& info = h.entry.info;
  info.method = std::string(b.substr(at + 2, 5));
  uint64_t packed = Le32(b, at + 7);
  info.originalSize = Le32(b, at + 11);
  info.osType = 'M';
  std::string fileName, dirName;
  size_t pos;        // first byte after the base header
  size_t headerEnd;  // first byte after all headers
  if (level == 0 || level == 1) {
    size_t hs = static_cast<unsigned char>(b[at]);
    if (hs < 20 || at + hs + 2 > b.size()) {
      error = "truncated header";
      return false;
    }
    unsigned sum = 0;
    for (size_t i = at + 2; i < at + hs + 2; ++i) sum += static_cast<unsigned char>(b[i]);
    if ((sum & 0xFF) != static_cast<unsigned char>(b[at + 1])) {
      error = "header checksum mismatch";
      return false;
    }
    info.dosDateTime = Le16(b, at + 15) | Le16(b, at + 17) << 16;
    info.attributes = static_cast<unsigned char>(b[at + 19]);
    size_t nl = static_cast<unsigned char>(b[at + 21]);
    if (22 + nl + 2 > hs + 2) {
      error = "bad name length";
      return false;
    }
    fileName = std::string(b.substr(at + 22, nl));
    info.crc = Le16(b, at + 22 + nl);
    pos = at + hs + 2;
    headerEnd = pos;
    if (level == 1) {
      if (hs + 2 < 22 + nl + 5) {
        error = "bad level-1 header";
        return false;
      }
      info.osType = static_cast<unsigned char>(b[at + 24 + nl]);
    }
  } else {
    size_t total = Le16(b, at);
    if (total < 26 || at + total > b.size()) {
      error = "truncated header";
      return false;
    }
    info.dosDateTime = UnixToDos(static_cast<int64_t>(Le32(b, at + 15)));
    info.attributes = 0x20;
    info.crc = Le16(b, at + 21);
    info.osType = static_cast<unsigned char>(b[at + 23]);
    pos = at + 26;
    headerEnd = at + total;
  }
  if (level >= 1) {
    // Extended headers: size (2) then type and data; the size counts itself... in level 2 the
    // chain starts with the size at the end of the base header.
    size_t nextSize = Le16(b, pos - 2);
    size_t extTotal = 0;
    size_t headerCrcAt = 0;
    for (size_t count = 0; nextSize != 0; ++count) {
      if (count > kMaxExtHeaders || nextSize < 3 || pos + nextSize > b.size()) {
        error = "bad extended header";
        return false;
      }
      unsigned char type = static_cast<unsigned char>(b[pos]);
      std::string_view data = b.substr(pos + 1, nextSize - 3);
      if (type == 0x00 && data.size() >= 2) headerCrcAt = pos + 1;
      if (type == 0x01)
        fileName = std::string(data);
      else if (type == 0x02)
        dirName = std::string(data);
      else if (type == 0x40 && data.size() >= 2)
        info.attributes = Le16(data, 0) & 0xFF;
      else if (type == 0x54 && data.size() >= 4 && level == 1)
        info.dosDateTime = UnixToDos(Le32(data, 0));
      extTotal += nextSize;
      pos += nextSize;
      nextSize = Le16(b, pos - 2);
    }
    if (level == 1) {
      if (packed < extTotal) {
        error = "bad level-1 sizes";
        return false;
      }
      packed -= extTotal;
      headerEnd = pos;
    } else if (pos > headerEnd) {
      error = "extended headers overrun the header";
      return false;
    } else if (headerCrcAt) {
      std::string header(b.substr(at, headerEnd - at));
      uint32_t stored = Le16(header, headerCrcAt - at);
      header[headerCrcAt - at] = header[headerCrcAt - at + 1] = '\0';
      if (Crc16(header) != stored) {
        error = "header CRC mismatch";
        return false;
      }
    }
  }
  if (headerEnd + packed > b.size()) {
    error = "truncated data";
    return false;
  }
  std::string path = FromStoredPath(dirName);
  if (!path.empty() && path.back() != '/') path += '/';
  path += FromStoredPath(fileName);
  info.isDirectory = info.method == "-lhd-" || (!path.empty() && path.back() == '/');
  while (!path.empty() && path.back() == '/') path.pop_back();
  info.path = path;
  info.compressedSize = packed;
  if (info.isDirectory) info.attributes |= 0x10;
  h.headerStart = at;
  h.dataStart = headerEnd;
  h.dataLength = packed;
  h.entry.offset = headerEnd;
  h.entry.length = packed;
  h.entry.tag = static_cast<uint64_t>(level);
  next = headerEnd + packed;
  return true;
}

// Splits a path into its folder (0xFF-separated, trailing 0xFF) and name, or for level 0 the
// whole path with "\".
void SplitForHeader(const EntryInfo& info, std::string& dir, std::string& name) {
  std::string p = ToSlash(info.path);
  size_t sep = p.rfind('/');
  if (info.isDirectory) {
    dir = p + "/";
    name.clear();
  } else {
    dir = sep == std::string::npos ? std::string() : p.substr(0, sep + 1);
    name = sep == std::string::npos ? p : p.substr(sep + 1);
  }
  for (auto& ch : dir)
    if (ch == '/') ch = static_cast<char>(0xFF);
}

void PutExt(std::string& out, unsigned char type, const std::string& data) {
  PutLe16(out, static_cast<uint32_t>(data.size() + 3));
  out += static_cast<char>(type);
  out += data;
}

bool BuildHeader(const EntryInfo& info, const std::string& method, uint64_t packed, int level, std::string& out,
                 std::string& error) {
  if (info.originalSize > 0xFFFFFFFFu || packed > 0xFFFFFFFFu) {
    error = "entry too large for LZH";
    return false;
  }
  uint32_t attr = info.attributes & 0xFF;
  std::string dir, name;
  SplitForHeader(info, dir, name);
  if (level == 0) {
    std::string full = ToBackslash(info.path) + (info.isDirectory ? "\\" : "");
    if (full.size() > 200) {
      error = "name too long for header level 0";
      return false;
    }
    std::string h;
    h += method;
    PutLe32(h, static_cast<uint32_t>(packed));
    PutLe32(h, static_cast<uint32_t>(info.originalSize));
    PutLe16(h, info.dosDateTime & 0xFFFF);
    PutLe16(h, info.dosDateTime >> 16);
    h += static_cast<char>(attr);
    h += '\0';
    h += static_cast<char>(full.size());
    h += full;
    PutLe16(h, info.crc & 0xFFFF);
    unsigned sum = 0;
    for (unsigned char c : h) sum += c;
    out += static_cast<char>(h.size());
    out += static_cast<char>(sum & 0xFF);
    out += h;
    return true;
  }
  std::string ext;
  // Level 2 starts with the common header holding the CRC of the whole header (filled below).
  if (level == 2) PutExt(ext, 0x00, std::string(2, '\0'));
  if (level == 2 && !name.empty()) PutExt(ext, 0x01, name);
  if (!dir.empty()) PutExt(ext, 0x02, dir);
  if (level == 2) {
    std::string a;
    PutLe16(a, attr);
    PutExt(ext, 0x40, a);
  }
  PutLe16(ext, 0);  // end of the chain
  if (level == 1) {
    if (name.size() > 200) {
      error = "name too long";
      return false;
    }
    std::string h;
    h += method;
    uint64_t withExt = packed + ext.size() - 2;
    if (withExt > 0xFFFFFFFFu) {
      error = "entry too large for LZH";
      return false;
    }
    PutLe32(h, static_cast<uint32_t>(withExt));
    PutLe32(h, static_cast<uint32_t>(info.originalSize));
    PutLe16(h, info.dosDateTime & 0xFFFF);
    PutLe16(h, info.dosDateTime >> 16);
    h += static_cast<char>(attr);
    h += '\1';
    h += static_cast<char>(name.size());
    h += name;
    PutLe16(h, info.crc & 0xFFFF);
    h += 'M';
    // The first extended header's size closes the base header.
    h += ext.substr(0, 2);
    unsigned sum = 0;
    for (unsigned char c : h) sum += c;
    out += static_cast<char>(h.size());
    out += static_cast<char>(sum & 0xFF);
    out += h;
    out += ext.substr(2);
    return true;
  }
  std::string h;
  h += method;
  PutLe32(h, static_cast<uint32_t>(packed));
  PutLe32(h, static_cast<uint32_t>(info.originalSize));
  PutLe32(h, static_cast<uint32_t>(DosToUnix(info.dosDateTime)));
  h += static_cast<char>(0x20);
  h += '\2';
  PutLe16(h, info.crc & 0xFFFF);
  h += 'M';
  size_t total = 2 + h.size() + ext.size();
  bool pad = (total & 0xFF) == 0;  // a first byte of 0 would read as the end of the archive
  if (pad) ++total;
  if (total > 0xFFFF) {
    error = "header too large";
    return false;
  }
  std::string header;
  header += static_cast<char>(total & 0xFF);
  header += static_cast<char>(total >> 8);
  header += h;
  header += ext;
  if (pad) header += '\0';
  // The common header's data sits right after the base header and its type byte.
  uint16_t crc = Crc16(header);
  header[27] = static_cast<char>(crc & 0xFF);
  header[28] = static_cast<char>(crc >> 8);
  out += header;
  return true;
}

std::string MethodFor(const WriteOptions& options) {
  if (options.method == "lh0") return "-lh0-";
  if (options.method == "lh6") return "-lh6-";
  if (options.method == "lh7") return "-lh7-";
  return "-lh5-";
}

class Lzh : public IArchiveFormat {
 public:
  std::string_view Name() const override { return "LZH"; }

  int64_t Locate(std::string_view b) const override {
    Header h;
    size_t next;
    std::string error;
    if (b.empty()) return -1;
    if (ParseHeader(b, 0, h, next, error)) return 0;
    int64_t sfx = FindSfxPayload(b);
    if (sfx >= 0 && ParseHeader(b, static_cast<size_t>(sfx), h, next, error)) return sfx;
    // Other makers' self-extractors: the first sound header in the first megabyte of a program.
    if (b.size() < 2 || b[0] != 'M' || b[1] != 'Z') return -1;
    size_t limit = std::min<size_t>(b.size(), 1u << 20);
    for (size_t at = 1; at + 22 <= limit; ++at) {
      if (LooksLikeMethod(b, at + 2) && ParseHeader(b, at, h, next, error)) return static_cast<int64_t>(at);
    }
    return -1;
  }

  bool ReadDirectory(std::string_view b, std::vector<StoredEntry>& entries, std::string& error) const override {
    int64_t start = Locate(b);
    if (start < 0) {
      error = "not an LZH archive";
      return false;
    }
    size_t at = static_cast<size_t>(start);
    while (at < b.size() && b[at] != '\0') {
      Header h;
      size_t next;
      if (!ParseHeader(b, at, h, next, error)) return false;
      entries.push_back(h.entry);
      at = next;
    }
    return true;
  }

  bool ReadData(std::string_view b, const StoredEntry& e, const std::string&, std::string& data,
                std::string& error) const override {
    if (e.offset + e.length > b.size()) {
      error = "truncated data";
      return false;
    }
    std::string_view packed = b.substr(e.offset, e.length);
    const std::string& m = e.info.method;
    if (m == "-lhd-") {
      data.clear();
      return true;
    }
    if (m == "-lh0-" || m == "-lz4-") {
      if (packed.size() != e.info.originalSize) {
        error = "stored size mismatch";
        return false;
      }
      data.assign(packed);
    } else if (int bits = DictBitsOf(m)) {
      if (!LzhDecode(packed, e.info.originalSize, bits, data)) {
        error = "damaged data";
        return false;
      }
    } else {
      error = "unsupported method " + m;
      return false;
    }
    if (Crc16(data) != (e.info.crc & 0xFFFF)) {
      error = "CRC error";
      return false;
    }
    return true;
  }

  bool Write(std::string_view old, const std::vector<NewEntry>& entries, const WriteOptions& options, std::string& out,
             std::string& error) const override {
    out.clear();
    for (const auto& ne : entries) {
      EntryInfo info = ne.info;
      int level = options.headerLevel >= 0 ? options.headerLevel : ne.keep ? static_cast<int>(ne.keep->tag) : 2;
      if (level > 2) level = 2;
      std::string payload;
      std::string method;
      if (ne.keep) {
        payload.assign(old.substr(ne.keep->offset, ne.keep->length));
        method = ne.keep->info.method;
        info.crc = ne.keep->info.crc;
        info.originalSize = ne.keep->info.originalSize;
      } else if (info.isDirectory) {
        method = "-lhd-";
        info.originalSize = 0;
        info.crc = 0;
      } else {
        method = MethodFor(options);
        info.originalSize = ne.data.size();
        info.crc = Crc16(ne.data);
        if (int bits = DictBitsOf(method)) payload = LzhEncode(ne.data, bits);
        // Data that does not shrink is stored, as the LZH tools do.
        if (method == "-lh0-" || payload.size() >= ne.data.size()) {
          payload = ne.data;
          method = "-lh0-";
        }
      }
      if (!BuildHeader(info, method, payload.size(), level, out, error)) return false;
      out += payload;
    }
    out += '\0';
    return true;
  }
};

}  // namespace

const IArchiveFormat& LzhFormat() {
  static const Lzh format;
  return format;
}

}  // namespace standin
