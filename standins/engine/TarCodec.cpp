// ustar, GNU long names and pax path records read; GNU layout written.
#include "TarCodec.h"

#include <algorithm>
#include <cstring>

namespace standin::tar {

namespace {

constexpr size_t kBlock = 512;

uint32_t HeaderSum(const uint8_t* h, bool asSigned) {
  uint32_t sum = 0;
  for (size_t i = 0; i < kBlock; ++i) {
    uint8_t c = (i >= 148 && i < 156) ? ' ' : h[i];
    sum += asSigned ? static_cast<uint32_t>(static_cast<int8_t>(c)) : c;
  }
  return sum;
}

bool IsZeroBlock(const uint8_t* h) {
  return std::all_of(h, h + kBlock, [](uint8_t c) { return c == 0; });
}

// Octal digits, blank or NUL terminated; GNU base-256 when the top bit is set.
bool ParseNumber(const uint8_t* f, size_t width, uint64_t& v) {
  v = 0;
  if (f[0] & 0x80) {
    if (f[0] != 0x80) return false;  // negative or beyond 64 bits: never a value we accept
    for (size_t i = 1; i < width; ++i) {
      if (v >> 56) return false;
      v = (v << 8) | f[i];
    }
    return true;
  }
  size_t i = 0;
  while (i < width && f[i] == ' ') ++i;
  bool any = false;
  for (; i < width && f[i] >= '0' && f[i] <= '7'; ++i) {
    if (v >> 60) return false;
    v = v * 8 + (f[i] - '0');
    any = true;
  }
  for (; i < width; ++i)
    if (f[i] != ' ' && f[i] != 0) return false;
  return any || f[0] == 0 || f[0] == ' ';
}

std::string Field(const uint8_t* f, size_t width) {
  size_t len = 0;
  while (len < width && f[len]) ++len;
  return std::string(reinterpret_cast<const char*>(f), len);
}

bool ChecksumOk(const uint8_t* h) {
  uint64_t stored;
  if (!ParseNumber(h + 148, 8, stored)) return false;
  return stored == HeaderSum(h, false) || stored == HeaderSum(h, true);
}

// "len path=value\n" records of a pax header; only the path matters to us.
std::string PaxPath(const std::vector<uint8_t>& d) {
  std::string result;
  size_t pos = 0;
  while (pos < d.size()) {
    size_t sp = pos;
    size_t len = 0;
    while (sp < d.size() && d[sp] >= '0' && d[sp] <= '9' && len < d.size()) len = len * 10 + (d[sp++] - '0');
    if (sp >= d.size() || d[sp] != ' ' || len == 0 || pos + len > d.size()) break;
    std::string rec(reinterpret_cast<const char*>(&d[sp + 1]), pos + len - sp - 1);
    if (!rec.empty() && rec.back() == '\n') rec.pop_back();
    if (rec.rfind("path=", 0) == 0) result = rec.substr(5);
    pos += len;
  }
  return result;
}

void PutOctal(uint8_t* f, size_t width, uint64_t v) {
  // width-1 digits and a NUL; larger sizes take the base-256 form.
  uint64_t limit = uint64_t(1) << (3 * (width - 1));
  if (v >= limit) {
    std::memset(f, 0, width);
    f[0] = 0x80;
    for (size_t i = width - 1; i > 0 && v; --i, v >>= 8) f[i] = static_cast<uint8_t>(v & 0xff);
    return;
  }
  f[width - 1] = 0;
  for (size_t i = width - 1; i > 0; --i, v >>= 3) f[i - 1] = static_cast<uint8_t>('0' + (v & 7));
}

void AppendHeader(std::vector<uint8_t>& out, const std::string& name, char type, uint32_t mode, uint64_t size,
                  int64_t mtime) {
  uint8_t h[kBlock] = {};
  std::memcpy(h, name.data(), std::min<size_t>(name.size(), 100));
  PutOctal(h + 100, 8, mode & 07777);
  PutOctal(h + 108, 8, 0);
  PutOctal(h + 116, 8, 0);
  PutOctal(h + 124, 12, size);
  PutOctal(h + 136, 12, mtime < 0 ? 0 : static_cast<uint64_t>(mtime));
  h[156] = static_cast<uint8_t>(type);
  std::memcpy(h + 257, "ustar  ", 8);  // GNU magic and version, which carry 'L' records
  std::memcpy(h + 265, "root", 4);
  std::memcpy(h + 297, "root", 4);
  uint32_t sum = HeaderSum(h, false);
  PutOctal(h + 148, 7, sum);
  h[155] = ' ';
  out.insert(out.end(), h, h + kBlock);
}

void AppendPadded(std::vector<uint8_t>& out, const uint8_t* p, size_t n) {
  out.insert(out.end(), p, p + n);
  out.resize(out.size() + (kBlock - n % kBlock) % kBlock, 0);
}

}  // namespace

bool LooksLikeTar(const uint8_t* p, size_t n) { return n >= kBlock && !IsZeroBlock(p) && ChecksumOk(p); }

bool ParseTar(const uint8_t* p, size_t n, std::vector<Entry>& out, std::string& err) {
  out.clear();
  size_t pos = 0;
  std::string longName;
  bool haveLong = false;
  while (pos + kBlock <= n) {
    const uint8_t* h = p + pos;
    if (IsZeroBlock(h)) return true;  // end marker; a second zero block may follow
    if (!ChecksumOk(h)) {
      err = "damaged header at offset " + std::to_string(pos);
      return false;
    }
    uint64_t size, mtime, mode;
    if (!ParseNumber(h + 124, 12, size) || !ParseNumber(h + 136, 12, mtime) || !ParseNumber(h + 100, 8, mode)) {
      err = "bad number in header at offset " + std::to_string(pos);
      return false;
    }
    pos += kBlock;
    if (size > n - pos) {
      err = "entry data runs past the end of the archive";
      return false;
    }
    const uint8_t* data = p + pos;
    size_t padded = static_cast<size_t>(size) + (kBlock - size % kBlock) % kBlock;
    pos = (padded > n - pos) ? n : pos + padded;
    char type = static_cast<char>(h[156]);
    if (type == 'L') {
      std::vector<uint8_t> d(data, data + size);
      longName = Field(d.data(), d.size());
      haveLong = true;
      continue;
    }
    if (type == 'x') {
      std::string path = PaxPath(std::vector<uint8_t>(data, data + size));
      if (!path.empty()) {
        longName = path;
        haveLong = true;
      }
      continue;
    }
    if (type == 'g' || type == 'K') continue;
    std::string name;
    if (haveLong) {
      name = longName;
    } else {
      name = Field(h, 100);
      std::string prefix = Field(h + 345, 155);
      if (std::memcmp(h + 257, "ustar\0", 6) == 0 && !prefix.empty()) name = prefix + "/" + name;
    }
    haveLong = false;
    Entry e;
    e.mode = static_cast<uint32_t>(mode);
    e.mtime = static_cast<int64_t>(mtime);
    if (type == '5') {
      e.isDir = true;
      if (name.empty() || name.back() != '/') name += '/';
    } else if (type == '0' || type == '\0' || type == '7') {
      e.data.assign(data, data + size);
    } else {
      continue;  // links, devices and fifos carry no content we can give back
    }
    e.name = name;
    out.push_back(std::move(e));
  }
  if (pos < n && !std::all_of(p + pos, p + n, [](uint8_t c) { return c == 0; })) {
    err = "archive ends inside a header";
    return false;
  }
  return true;
}

std::vector<uint8_t> BuildTar(const std::vector<Entry>& entries) {
  std::vector<uint8_t> out;
  for (const Entry& e : entries) {
    std::string name = e.name;
    if (e.isDir && (name.empty() || name.back() != '/')) name += '/';
    if (name.size() >= 100) {
      std::string ln = name + '\0';
      AppendHeader(out, "././@LongLink", 'L', 0644, ln.size(), 0);
      AppendPadded(out, reinterpret_cast<const uint8_t*>(ln.data()), ln.size());
    }
    if (e.isDir) {
      AppendHeader(out, name, '5', e.mode ? e.mode : 0755, 0, e.mtime);
    } else {
      AppendHeader(out, name, '0', e.mode ? e.mode : 0644, e.data.size(), e.mtime);
      AppendPadded(out, e.data.data(), e.data.size());
    }
  }
  out.resize(out.size() + 2 * kBlock, 0);
  return out;
}

bool ReadArchive(const std::vector<uint8_t>& bytes, const std::string& gzMemberName, std::vector<Entry>& out,
                 Kind& kind, std::string& err) {
  kind = Kind::None;
  if (IsGzip(bytes.data(), bytes.size())) {
    std::vector<uint8_t> plain;
    if (!Gunzip(bytes.data(), bytes.size(), plain, err)) return false;
    if (LooksLikeTar(plain.data(), plain.size())) {
      kind = Kind::Tgz;
      return ParseTar(plain.data(), plain.size(), out, err);
    }
    kind = Kind::Gz;
    out.clear();
    Entry e;
    e.name = gzMemberName;
    e.data = std::move(plain);
    out.push_back(std::move(e));
    return true;
  }
  if (!LooksLikeTar(bytes.data(), bytes.size())) {
    err = "not a tar archive";
    return false;
  }
  kind = Kind::Tar;
  return ParseTar(bytes.data(), bytes.size(), out, err);
}

bool WriteArchive(const std::vector<Entry>& entries, Kind kind, int level, std::vector<uint8_t>& out,
                  std::string& err) {
  std::vector<uint8_t> plain = BuildTar(entries);
  if (kind == Kind::Tar) {
    out = std::move(plain);
    return true;
  }
  if (kind == Kind::Tgz) {
    if (GzipCompress(plain, level, out)) return true;
    err = "compression failed";
    return false;
  }
  err = "unsupported output kind";
  return false;
}

}  // namespace standin::tar
