// ZIP archives: stored and deflate (zlib), traditional encryption, code-page-932 names (UTF-8
// flagged names converted), data descriptors, ZIP64 records read.
#include <zlib.h>

#include <random>

#include "Cp932.h"
#include "Crc.h"
#include "Formats.h"
#include "ZipCrypto.h"

namespace standin {

namespace {

constexpr uint32_t kLocalSig = 0x04034b50, kCentralSig = 0x02014b50, kEndSig = 0x06054b50;
constexpr uint32_t kZip64EndSig = 0x06064b50, kZip64LocatorSig = 0x07064b50, kDescriptorSig = 0x08074b50;
constexpr uint32_t kFlagEncrypted = 1, kFlagDescriptor = 8, kFlagUtf8 = 0x800;

struct EndRecord {
  uint64_t count = 0, cdSize = 0, cdOffset = 0;
  size_t cdStart = 0;  // where the central directory really begins
};

bool FindEnd(std::string_view b, EndRecord& end, std::string& error) {
  if (b.size() < 22) {
    error = "too short";
    return false;
  }
  size_t lowest = b.size() > 22 + 65535 ? b.size() - 22 - 65535 : 0;
  for (size_t at = b.size() - 22 + 1; at-- > lowest;) {
    if (Le32(b, at) != kEndSig || at + 22 + Le16(b, at + 20) > b.size()) continue;
    end.count = Le16(b, at + 10);
    end.cdSize = Le32(b, at + 12);
    end.cdOffset = Le32(b, at + 16);
    size_t recordAt = at;
    if (at >= 20 && Le32(b, at - 20) == kZip64LocatorSig) {
      uint64_t z64 = Le64(b, at - 20 + 8);
      // The record may be shifted by a prefix like everything else: look just before the locator.
      uint64_t guess = at - 20 >= 56 ? at - 20 - 56 : 0;
      auto fits = [&](uint64_t p) { return p <= b.size() && b.size() - p >= 56; };
      uint64_t z64At = fits(z64) && Le32(b, static_cast<size_t>(z64)) == kZip64EndSig ? z64 : guess;
      if (fits(z64At) && Le32(b, static_cast<size_t>(z64At)) == kZip64EndSig) {
        end.count = Le64(b, z64At + 32);
        end.cdSize = Le64(b, z64At + 40);
        end.cdOffset = Le64(b, z64At + 48);
        recordAt = static_cast<size_t>(z64At);
      }
    }
    if (end.cdSize > recordAt) {
      error = "bad central directory size";
      return false;
    }
    end.cdStart = recordAt - end.cdSize;
    return true;
  }
  error = "no end of central directory";
  return false;
}

// Reads a ZIP64 extra field for the values stored as all-ones.
void ApplyZip64(std::string_view extra, uint64_t& usize, uint64_t& csize, uint64_t& offset) {
  size_t p = 0;
  while (p + 4 <= extra.size()) {
    uint32_t id = Le16(extra, p), len = Le16(extra, p + 2);
    if (p + 4 + len > extra.size()) return;
    if (id == 0x0001) {
      size_t q = p + 4, e = p + 4 + len;
      if (usize == 0xFFFFFFFFu && q + 8 <= e) {
        usize = Le64(extra, q);
        q += 8;
      }
      if (csize == 0xFFFFFFFFu && q + 8 <= e) {
        csize = Le64(extra, q);
        q += 8;
      }
      if (offset == 0xFFFFFFFFu && q + 8 <= e) {
        offset = Le64(extra, q);
      }
      return;
    }
    p += 4 + len;
  }
}

bool Inflate(std::string_view in, uint64_t size, std::string& out, std::string& error) {
  // Deflate cannot expand more than 1032 to 1: a larger recorded size is damage, not data.
  if (size > in.size() * 1032ull + 1024) {
    error = "damaged data (impossible size)";
    return false;
  }
  out.assign(size, '\0');
  z_stream s{};
  if (inflateInit2(&s, -MAX_WBITS) != Z_OK) {
    error = "zlib";
    return false;
  }
  s.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(in.data()));
  s.avail_in = static_cast<uInt>(in.size());
  s.next_out = reinterpret_cast<Bytef*>(out.data());
  s.avail_out = static_cast<uInt>(size);
  char spare;
  int r = inflate(&s, Z_FINISH);
  if (r == Z_BUF_ERROR && s.avail_out == 0) {
    // Output full: the stream must end here, not hold more than the recorded size.
    s.next_out = reinterpret_cast<Bytef*>(&spare);
    s.avail_out = 1;
    r = inflate(&s, Z_FINISH);
    if (s.avail_out == 0) r = Z_DATA_ERROR;
  }
  bool ok = r == Z_STREAM_END && s.total_out == size;
  inflateEnd(&s);
  if (!ok) error = "damaged data";
  return ok;
}

bool Deflate(std::string_view in, int level, std::string& out) {
  z_stream s{};
  if (deflateInit2(&s, level, Z_DEFLATED, -MAX_WBITS, 8, Z_DEFAULT_STRATEGY) != Z_OK) return false;
  out.resize(deflateBound(&s, static_cast<uLong>(in.size())));
  s.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(in.data()));
  s.avail_in = static_cast<uInt>(in.size());
  s.next_out = reinterpret_cast<Bytef*>(out.data());
  s.avail_out = static_cast<uInt>(out.size());
  int r = deflate(&s, Z_FINISH);
  out.resize(s.total_out);
  deflateEnd(&s);
  return r == Z_STREAM_END;
}

std::string MethodText(uint32_t method) {
  switch (method) {
    case 0:
      return "Stored";
    case 8:
      return "Deflate";
    case 9:
      return "Defl64";
    case 12:
      return "BZip2";
    default:
      return "Unknown";
  }
}

struct Written {
  EntryInfo info;
  uint32_t flags, method, crc;
  uint64_t csize, offset;
  std::string name;
};

// The fields the local and the central header share, from "version needed" to the extra length.
void PutSharedFields(std::string& out, const Written& w) {
  PutLe16(out, w.method == 8 || (w.flags & kFlagEncrypted) ? 20 : 10);
  PutLe16(out, w.flags);
  PutLe16(out, w.method);
  PutLe16(out, w.info.dosDateTime & 0xFFFF);
  PutLe16(out, w.info.dosDateTime >> 16);
  PutLe32(out, w.crc);
  PutLe32(out, static_cast<uint32_t>(w.csize));
  PutLe32(out, static_cast<uint32_t>(w.info.originalSize));
  PutLe16(out, static_cast<uint32_t>(w.name.size()));
  PutLe16(out, 0);
}

class Zip : public IArchiveFormat {
 public:
  std::string_view Name() const override { return "ZIP"; }

  int64_t Locate(std::string_view b) const override {
    EndRecord end;
    std::string error;
    if (!FindEnd(b, end, error)) return -1;
    if (end.count == 0) return static_cast<int64_t>(end.cdStart);
    if (end.cdStart + 4 > b.size() || Le32(b, end.cdStart) != kCentralSig) return -1;
    return static_cast<int64_t>(end.cdStart >= end.cdOffset ? end.cdStart - end.cdOffset : 0);
  }

  bool ReadDirectory(std::string_view b, std::vector<StoredEntry>& entries, std::string& error) const override {
    EndRecord end;
    if (!FindEnd(b, end, error)) return false;
    if (end.cdStart < end.cdOffset) {
      error = "bad central directory offset";
      return false;
    }
    uint64_t shift = end.cdStart - end.cdOffset;
    size_t p = end.cdStart, limit = end.cdStart + end.cdSize;
    for (uint64_t i = 0; i < end.count; ++i) {
      if (p + 46 > limit || Le32(b, p) != kCentralSig) {
        error = "bad central directory entry";
        return false;
      }
      uint32_t flags = Le16(b, p + 8), method = Le16(b, p + 10);
      uint64_t csize = Le32(b, p + 20), usize = Le32(b, p + 24), offset = Le32(b, p + 42);
      size_t nl = Le16(b, p + 28), el = Le16(b, p + 30), cl = Le16(b, p + 32);
      if (p + 46 + nl + el + cl > limit) {
        error = "bad central directory entry";
        return false;
      }
      std::string name(b.substr(p + 46, nl));
      ApplyZip64(b.substr(p + 46 + nl, el), usize, csize, offset);
      if (flags & kFlagUtf8) {
        std::string converted;
        if (Utf8ToCp932(name, converted)) name = converted;
      }
      StoredEntry e;
      EntryInfo& info = e.info;
      info.isDirectory = (!name.empty() && name.back() == '/') || (Le32(b, p + 38) & 0x10);
      name = ToSlash(name);
      while (!name.empty() && name.back() == '/') name.pop_back();
      info.path = name;
      info.originalSize = usize;
      info.compressedSize = csize;
      info.crc = Le32(b, p + 16);
      info.dosDateTime = Le16(b, p + 12) | Le16(b, p + 14) << 16;
      info.attributes = Le32(b, p + 38) & 0xFF;
      if (info.attributes == 0) info.attributes = info.isDirectory ? 0x10 : 0x20;
      info.method = MethodText(method);
      info.osType = Le16(b, p + 4) >> 8;
      info.encrypted = flags & kFlagEncrypted;
      e.offset = offset + shift;
      e.length = csize;
      e.tag = flags | static_cast<uint64_t>(method) << 16;
      entries.push_back(e);
      p += 46 + nl + el + cl;
    }
    return true;
  }

  bool ReadData(std::string_view b, const StoredEntry& e, const std::string& password, std::string& data,
                std::string& error) const override {
    if (e.offset > b.size() || b.size() - e.offset < 30 || Le32(b, static_cast<size_t>(e.offset)) != kLocalSig) {
      error = "bad local header";
      return false;
    }
    size_t lh = static_cast<size_t>(e.offset);
    uint64_t start = lh + 30 + Le16(b, lh + 26) + Le16(b, lh + 28);
    if (start > b.size() || e.length > b.size() - start) {
      error = "truncated data";
      return false;
    }
    std::string_view raw = b.substr(start, e.length);
    uint32_t flags = e.tag & 0xFFFF, method = static_cast<uint32_t>(e.tag >> 16);
    std::string plain;
    if (flags & kFlagEncrypted) {
      if (password.empty()) {
        error = "password required";
        return false;
      }
      unsigned char check = (flags & kFlagDescriptor) ? static_cast<unsigned char>(e.info.dosDateTime >> 8)
                                                      : static_cast<unsigned char>(e.info.crc >> 24);
      if (!ZipDecrypt(raw, password, check, plain)) {
        error = "wrong password";
        return false;
      }
      raw = plain;
    }
    if (e.info.isDirectory) {
      data.clear();
      return true;
    }
    if (method == 0) {
      if (raw.size() != e.info.originalSize) {
        error = "stored size mismatch";
        return false;
      }
      data.assign(raw);
    } else if (method == 8) {
      if (!Inflate(raw, e.info.originalSize, data, error)) return false;
    } else {
      error = "unsupported method " + MethodText(method);
      return false;
    }
    if (Crc32(data) != e.info.crc) {
      error = (flags & kFlagEncrypted) ? "CRC error (wrong password?)" : "CRC error";
      return false;
    }
    return true;
  }

  bool Write(std::string_view old, const std::vector<NewEntry>& entries, const WriteOptions& options, std::string& out,
             std::string& error) const override {
    out.clear();
    std::vector<Written> done;
    std::random_device rd;
    for (const auto& ne : entries) {
      Written w;
      w.info = ne.info;
      w.name = ToSlash(ne.info.path) + (ne.info.isDirectory ? "/" : "");
      std::string payload;
      if (ne.keep) {
        uint32_t kflags = ne.keep->tag & 0xFFFF;
        uint64_t at = ne.keep->offset;
        if (at > old.size() || old.size() - at < 30 || Le32(old, static_cast<size_t>(at)) != kLocalSig) {
          error = "bad local header";
          return false;
        }
        size_t lh = static_cast<size_t>(at);
        uint64_t start = lh + 30 + Le16(old, lh + 26) + Le16(old, lh + 28);
        if (start > old.size() || ne.keep->length > old.size() - start) {
          error = "truncated data";
          return false;
        }
        payload.assign(old.substr(start, ne.keep->length));
        w.flags = kflags & (kFlagEncrypted | kFlagDescriptor | 6);
        w.method = static_cast<uint32_t>(ne.keep->tag >> 16);
        w.crc = ne.keep->info.crc;
        w.info.originalSize = ne.keep->info.originalSize;
      } else {
        w.flags = 0;
        w.method = 0;
        w.crc = Crc32(ne.data);
        w.info.originalSize = ne.data.size();
        payload = ne.data;
        std::string packed;
        if (!ne.info.isDirectory && options.level > 0 && options.method != "store" && !ne.data.empty() &&
            Deflate(ne.data, std::min(options.level, 9), packed) && packed.size() < ne.data.size()) {
          payload.swap(packed);
          w.method = 8;
        }
        if (!options.password.empty() && !ne.info.isDirectory) {
          payload = ZipEncrypt(payload, options.password, static_cast<unsigned char>(w.crc >> 24), rd());
          w.flags |= kFlagEncrypted;
        }
      }
      if (payload.size() > 0xFFFFFFFEu || w.info.originalSize > 0xFFFFFFFEu || out.size() > 0xFFFFFFFEu) {
        error = "entry too large";
        return false;
      }
      w.csize = payload.size();
      w.offset = out.size();
      PutLe32(out, kLocalSig);
      PutSharedFields(out, w);
      out += w.name;
      out += payload;
      if (w.flags & kFlagDescriptor) {
        PutLe32(out, kDescriptorSig);
        PutLe32(out, w.crc);
        PutLe32(out, static_cast<uint32_t>(w.csize));
        PutLe32(out, static_cast<uint32_t>(w.info.originalSize));
      }
      done.push_back(std::move(w));
    }
    size_t cdStart = out.size();
    for (const auto& w : done) {
      PutLe32(out, kCentralSig);
      PutLe16(out, 0x0014);  // made by MS-DOS, version 2.0
      PutSharedFields(out, w);
      PutLe16(out, 0);  // comment length
      PutLe16(out, 0);  // disk
      PutLe16(out, 0);  // internal attributes
      PutLe32(out, (w.info.attributes & 0xFF) | (w.info.isDirectory ? 0x10 : 0));
      PutLe32(out, static_cast<uint32_t>(w.offset));
      out += w.name;
    }
    if (done.size() > 0xFFFF || out.size() > 0xFFFFFFFEu) {
      error = "archive too large";
      return false;
    }
    size_t cdSize = out.size() - cdStart;
    PutLe32(out, kEndSig);
    PutLe16(out, 0);
    PutLe16(out, 0);
    PutLe16(out, static_cast<uint32_t>(done.size()));
    PutLe16(out, static_cast<uint32_t>(done.size()));
    PutLe32(out, static_cast<uint32_t>(cdSize));
    PutLe32(out, static_cast<uint32_t>(cdStart));
    PutLe16(out, 0);
    return true;
  }
};

}  // namespace

const IArchiveFormat& ZipFormat() {
  static const Zip format;
  return format;
}

}  // namespace standin
