// IArchiveFormat over fixture text, one handler object per archive type.
#include <map>
#include <memory>
#include <mutex>

#include "FixtureCache.h"
#include "FixtureFormat.h"
#include "Operations.h"

namespace standin::fixture {

namespace {

std::string AttrText(uint32_t a) {
  std::string s = "----";
  if (a & 0x01) s[0] = 'R';
  if (a & 0x02) s[1] = 'H';
  if (a & 0x04) s[2] = 'S';
  if (a & 0x20) s[3] = 'A';
  return s;
}

uint32_t AttrBits(const std::string& text) {
  uint32_t a = 0;
  for (char c : text) {
    if (c == 'R' || c == 'r') a |= 0x01;
    if (c == 'H' || c == 'h') a |= 0x02;
    if (c == 'S' || c == 's') a |= 0x04;
    if (c == 'A' || c == 'a') a |= 0x20;
  }
  return a;
}

class FixtureFormat final : public IArchiveFormat {
 public:
  explicit FixtureFormat(std::string type) : type_(std::move(type)) {}

  std::string_view Name() const override { return type_; }

  int64_t Locate(std::string_view bytes) const override {
    size_t at = fixture::Locate(bytes);
    if (at == std::string_view::npos) return -1;
    std::string_view rest = bytes.substr(at + kMagic.size());
    std::string_view type = rest.substr(0, rest.find_first_of("\r\n"));
    return type == type_ ? static_cast<int64_t>(at) : -1;
  }

  bool ReadDirectory(std::string_view bytes, std::vector<StoredEntry>& entries, std::string& error) const override {
    entries.clear();
    auto a = Load(bytes, error);
    if (!a) return false;
    for (size_t i = 0; i < a->entries.size(); ++i) {
      const Entry& e = a->entries[i];
      StoredEntry s;
      s.info.path = e.IsDirectory() ? e.path.substr(0, e.path.size() - 1) : e.path;
      s.info.isDirectory = e.IsDirectory();
      s.info.originalSize = e.Size();
      s.info.compressedSize = e.Packed();
      s.info.crc = e.Crc();
      s.info.dosDateTime = e.DosDateTime();
      s.info.attributes = e.IsDirectory() ? 0x10 : (e.attr.empty() ? 0x20 : AttrBits(e.attr));
      s.info.method = e.method;
      s.info.encrypted = !a->password.empty();
      s.length = e.data.size();
      s.tag = i;
      entries.push_back(std::move(s));
    }
    return true;
  }

  bool ReadData(std::string_view bytes, const StoredEntry& entry, const std::string& password, std::string& data,
                std::string& error) const override {
    auto a = Load(bytes, error);
    if (!a) return false;
    if (entry.tag >= a->entries.size()) return error = "no such entry", false;
    if (!a->password.empty() && password != a->password) return error = "wrong password", false;
    const Entry& e = a->entries[entry.tag];
    // A declared check value that does not fit the content stands for a damaged entry.
    Entry plain;
    plain.data = e.data;
    if (e.crc && *e.crc != plain.Crc()) return error = "CRC error: " + e.path, false;
    data = e.data;
    return true;
  }

  bool Write(std::string_view oldBytes, const std::vector<NewEntry>& entries, const WriteOptions& options,
             std::string& out, std::string& error) const override {
    Archive result;
    result.type = type_;
    std::shared_ptr<const Archive> old;
    if (!oldBytes.empty()) {
      old = Load(oldBytes, error);
      if (!old) return false;
      result.password = old->password;
    }
    if (!options.password.empty()) result.password = options.password;
    for (const NewEntry& n : entries) {
      Entry e;
      if (n.keep) {
        if (!old || n.keep->tag >= old->entries.size()) return error = "kept entry not in the archive", false;
        e = old->entries[n.keep->tag];
      } else {
        e.data = n.data;
        e.method = options.method.empty() ? DefaultMethod() : options.method;
        e.attr = AttrText(n.info.attributes);
        e.SetDosDateTime(n.info.dosDateTime);
      }
      e.path = n.info.path;
      if (n.info.isDirectory && (e.path.empty() || e.path.back() != '/')) e.path += '/';
      result.entries.push_back(std::move(e));
    }
    out = Serialize(result);
    return true;
  }

 private:
  std::string DefaultMethod() const {
    // Built piece by piece: gcc 12 warns wrongly about "-" + text + "-".
    std::string method(1, '-');
    method += AsciiLower(type_);
    method += '-';
    return method;
  }
  static std::string AsciiLower(std::string s) {
    for (char& c : s)
      if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return s;
  }

  std::shared_ptr<const Archive> Load(std::string_view bytes, std::string& error) const {
    if (Locate(bytes) < 0) {
      error = "not a " + type_ + " archive";
      return nullptr;
    }
    auto a = cache_.Get(bytes, [&](std::string_view b, Archive& out) { return Parse(b, out, error); });
    return a;
  }

  std::string type_;
  mutable DecodeCache<Archive> cache_;
};

}  // namespace

const IArchiveFormat& Format(std::string_view type) {
  static std::mutex mutex;
  static std::map<std::string, std::unique_ptr<FixtureFormat>, std::less<>> formats;
  std::lock_guard<std::mutex> lock(mutex);
  auto it = formats.find(type);
  if (it == formats.end())
    it = formats.emplace(std::string(type), std::make_unique<FixtureFormat>(std::string(type))).first;
  return *it->second;
}

}  // namespace standin::fixture
