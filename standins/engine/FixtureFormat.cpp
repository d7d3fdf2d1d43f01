// Fixture text: parsing, writing, and the values an entry reports.
#include "FixtureFormat.h"

#include <zlib.h>

#include <cstdio>
#include <cstdlib>

#include "Formats.h"
#include "Operations.h"

namespace standin::fixture {

namespace {

bool ParseUnsigned(std::string_view s, int base, uint64_t& v) {
  if (s.empty() || s.size() > 20) return false;
  v = 0;
  for (char c : s) {
    int d;
    if (c >= '0' && c <= '9')
      d = c - '0';
    else if (base == 16 && c >= 'a' && c <= 'f')
      d = c - 'a' + 10;
    else if (base == 16 && c >= 'A' && c <= 'F')
      d = c - 'A' + 10;
    else
      return false;
    if (v > (UINT64_MAX - d) / base) return false;
    v = v * base + d;
  }
  return true;
}

// Fields "a-b-c" / "a:b:c" of small numbers.
bool Triple(std::string_view s, char sep, int& a, int& b, int& c) {
  int parts[3];
  size_t pos = 0;
  for (int i = 0; i < 3; ++i) {
    size_t end = (i < 2) ? s.find(sep, pos) : s.size();
    if (end == std::string_view::npos) return false;
    uint64_t v;
    if (!ParseUnsigned(s.substr(pos, end - pos), 10, v) || v > 9999) return false;
    parts[i] = static_cast<int>(v);
    pos = end + 1;
  }
  a = parts[0];
  b = parts[1];
  c = parts[2];
  return true;
}

std::string Hex8(uint32_t v) {
  char buf[16];
  std::snprintf(buf, sizeof buf, "%08X", static_cast<unsigned>(v));
  return buf;
}

bool SetKey(Entry& e, std::string_view key, const std::string& value, std::string& err) {
  uint64_t n;
  if (key == "size" || key == "packed") {
    if (!ParseUnsigned(value, 10, n)) return err = "bad number: " + value, false;
    (key == "size" ? e.size : e.packed) = n;
  } else if (key == "ratio") {
    if (!ParseUnsigned(value, 10, n) || n > 65535) return err = "bad ratio: " + value, false;
    e.ratio = static_cast<int>(n);
  } else if (key == "crc") {
    if (!ParseUnsigned(value, 16, n) || n > 0xFFFFFFFFu) return err = "bad crc: " + value, false;
    e.crc = static_cast<uint32_t>(n);
  } else if (key == "flags") {
    if (!ParseUnsigned(value, 10, n) || n > 0xFFFFFFFFu) return err = "bad flags: " + value, false;
    e.flags = static_cast<uint32_t>(n);
  } else if (key == "date" || key == "time") {
    (key == "date" ? e.date : e.time) = value;
    uint32_t dos;
    if (!ParseDosDateTime(e.date, e.time, dos)) return err = "bad date or time: " + value, false;
  } else if (key == "method") {
    e.method = value;
  } else if (key == "attr") {
    e.attr = value;
  } else if (key == "data") {
    e.data = value;
  } else {
    err = "unknown key: " + std::string(key);
    return false;
  }
  return true;
}

}  // namespace

int Entry::Ratio() const {
  if (ratio) return *ratio;
  uint64_t s = Size();
  if (s == 0) return 0;
  uint64_t r = Packed() * 1000 / s;
  return r > 65535 ? 65535 : static_cast<int>(r);
}

uint32_t Entry::Crc() const {
  if (crc) return *crc;
  return static_cast<uint32_t>(crc32(0, reinterpret_cast<const Bytef*>(data.data()), static_cast<uInt>(data.size())));
}

uint32_t Entry::DosDateTime() const {
  uint32_t dos = 0;
  ParseDosDateTime(date, time, dos);
  return dos;
}

void Entry::SetDosDateTime(uint32_t dos) {
  date = DosDateText(dos);
  time = DosTimeText(dos);
  uint32_t check;
  if (!ParseDosDateTime(date, time, check)) {
    date = "1980-01-01";
    time = "00:00:00";
  }
}

bool ParseDosDateTime(std::string_view date, std::string_view time, uint32_t& dos) {
  int y, mo, d, h, mi, s;
  if (!Triple(date, '-', y, mo, d) || !Triple(time, ':', h, mi, s)) return false;
  if (y < 1980 || y > 2107 || mo < 1 || mo > 12 || d < 1 || d > 31 || h > 23 || mi > 59 || s > 59) return false;
  uint32_t dd = static_cast<uint32_t>((y - 1980) << 9 | mo << 5 | d);
  uint32_t tt = static_cast<uint32_t>(h << 11 | mi << 5 | s / 2);
  dos = dd << 16 | tt;
  return true;
}

std::string Escape(std::string_view raw) {
  static const char* hex = "0123456789ABCDEF";
  std::string out;
  for (unsigned char c : raw) {
    if (c >= 0x20 && c < 0x7F && c != '%') {
      out += static_cast<char>(c);
    } else {
      out += '%';
      out += hex[c >> 4];
      out += hex[c & 15];
    }
  }
  return out;
}

bool Unescape(std::string_view text, std::string& out) {
  out.clear();
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '%') {
      out += text[i];
      continue;
    }
    uint64_t v;
    if (i + 3 > text.size() || !ParseUnsigned(text.substr(i + 1, 2), 16, v)) return false;
    out += static_cast<char>(v);
    i += 2;
  }
  return true;
}

size_t Locate(std::string_view bytes) {
  if (bytes.substr(0, kMagic.size()) == kMagic) return 0;
  // Behind a self-extractor stub the fixture follows the stub's marker.
  int64_t payload = FindSfxPayload(bytes);
  if (payload > 0 && bytes.substr(static_cast<size_t>(payload), kMagic.size()) == kMagic)
    return static_cast<size_t>(payload);
  return std::string_view::npos;
}

bool Parse(std::string_view text, Archive& out, std::string& err) {
  out = Archive{};
  size_t at = Locate(text);
  if (at != 0 && at != std::string_view::npos) text.remove_prefix(at);
  if (at == std::string_view::npos) {
    err = "not a fixture archive";
    return false;
  }
  Entry* cur = nullptr;
  bool header = true;
  size_t lineNo = 0;
  while (!text.empty()) {
    size_t nl = text.find('\n');
    std::string_view line = text.substr(0, nl);
    text.remove_prefix(nl == std::string_view::npos ? text.size() : nl + 1);
    ++lineNo;
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (header) {
      out.type = std::string(line.substr(kMagic.size()));
      if (out.type.empty()) return err = "fixture without a type", false;
      header = false;
      continue;
    }
    if (line.empty() || line[0] == '#') continue;
    size_t sp = line.find(' ');
    std::string_view key = line.substr(0, sp);
    std::string value;
    if (!Unescape(sp == std::string_view::npos ? std::string_view() : line.substr(sp + 1), value)) {
      err = "bad escape in line " + std::to_string(lineNo);
      return false;
    }
    if (key == "entry") {
      if (value.empty()) return err = "entry without a name in line " + std::to_string(lineNo), false;
      out.entries.push_back(Entry{});
      cur = &out.entries.back();
      cur->path = value;
    } else if (key == "password" && !cur) {
      out.password = value;
    } else if (key == "end") {
      cur = nullptr;
    } else if (!cur) {
      err = "value outside an entry in line " + std::to_string(lineNo);
      return false;
    } else if (!SetKey(*cur, key, value, err)) {
      err += " (line " + std::to_string(lineNo) + ")";
      return false;
    }
  }
  if (header) return err = "not a fixture archive", false;
  return true;
}

std::string Serialize(const Archive& a) {
  std::string s = std::string(kMagic) + a.type + "\r\n";
  if (!a.password.empty()) s += "password " + Escape(a.password) + "\r\n";
  for (const Entry& e : a.entries) {
    s += "entry " + Escape(e.path) + "\r\n";
    if (e.size) s += "size " + std::to_string(*e.size) + "\r\n";
    if (e.packed) s += "packed " + std::to_string(*e.packed) + "\r\n";
    if (e.ratio) s += "ratio " + std::to_string(*e.ratio) + "\r\n";
    s += "date " + e.date + "\r\ntime " + e.time + "\r\n";
    if (!e.method.empty()) s += "method " + Escape(e.method) + "\r\n";
    if (!e.attr.empty()) s += "attr " + Escape(e.attr) + "\r\n";
    s += "crc " + Hex8(e.Crc()) + "\r\n";
    if (e.flags) s += "flags " + std::to_string(e.flags) + "\r\n";
    if (!e.data.empty()) s += "data " + Escape(e.data) + "\r\n";
    s += "end\r\n";
  }
  return s;
}

}  // namespace standin::fixture
