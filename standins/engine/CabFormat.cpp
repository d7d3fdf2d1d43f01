#include "CabFormat.h"

#include "Cp932.h"
#include "FixtureCache.h"

namespace standin::cab {

namespace {

using Decoded = std::vector<Entry>;

class Cabinet final : public IArchiveFormat {
 public:
  std::string_view Name() const override { return "CAB"; }

  int64_t Locate(std::string_view bytes) const override {
    size_t at = FindCabinet(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size());
    return at == std::string::npos ? -1 : static_cast<int64_t>(at);
  }

  bool ReadDirectory(std::string_view bytes, std::vector<StoredEntry>& entries, std::string& error) const override {
    auto d = Decode(bytes, error);
    if (!d) return false;
    ToStoredEntries(*d, entries);
    return true;
  }

  bool ReadData(std::string_view bytes, const StoredEntry& entry, const std::string&, std::string& data,
                std::string& error) const override {
    auto d = Decode(bytes, error);
    if (!d) return false;
    if (entry.tag >= d->size()) return error = "no such entry", false;
    const auto& v = (*d)[entry.tag].data;
    data.assign(v.begin(), v.end());
    return true;
  }

  bool Write(std::string_view oldBytes, const std::vector<NewEntry>& entries, const standin::WriteOptions& options,
             std::string& out, std::string& error) const override {
    std::vector<Entry> list;
    if (!FromNewEntries(oldBytes, entries, list, error)) return false;
    cab::WriteOptions w;
    w.method = options.method == "stored" ? Method::Stored : Method::MsZip;
    w.level = options.level;
    std::vector<std::vector<uint8_t>> cabs;
    if (!WriteCabinets(
            list, w, [](int) { return std::string(); }, cabs, error))
      return false;
    out.assign(cabs[0].begin(), cabs[0].end());
    return true;
  }

 private:
  std::shared_ptr<const Decoded> Decode(std::string_view bytes, std::string& error) const {
    return cache_.Get(bytes, [&](std::string_view b, Decoded& d) {
      std::vector<uint8_t> v(b.begin(), b.end());
      return ReadCabinet(v, DefaultReadOptions(), d, error);
    });
  }

  mutable DecodeCache<Decoded> cache_;
};

}  // namespace

ReadOptions DefaultReadOptions() {
  ReadOptions o;
  o.fromUtf8 = [](const std::string& utf8, std::string& out) { return Utf8ToCp932(utf8, out); };
  return o;
}

void ToStoredEntries(const std::vector<Entry>& decoded, std::vector<StoredEntry>& out) {
  out.clear();
  for (size_t i = 0; i < decoded.size(); ++i) {
    const Entry& e = decoded[i];
    StoredEntry s;
    s.info.path = ToSlash(e.name);
    s.info.originalSize = e.data.size();
    s.info.compressedSize = e.data.size();
    s.info.dosDateTime = static_cast<uint32_t>(e.date) << 16 | e.time;
    s.info.attributes = e.attribs & 0x27;
    s.info.method = "MSZIP";
    s.length = e.data.size();
    s.tag = i;
    out.push_back(std::move(s));
  }
}

bool FromNewEntries(std::string_view oldBytes, const std::vector<NewEntry>& entries, std::vector<Entry>& out,
                    std::string& error) {
  out.clear();
  for (const NewEntry& n : entries) {
    if (n.info.isDirectory) continue;
    Entry e;
    e.name = ToBackslash(n.info.path);
    e.date = static_cast<uint16_t>(n.info.dosDateTime >> 16);
    e.time = static_cast<uint16_t>(n.info.dosDateTime & 0xFFFF);
    if (e.date == 0) e.date = 0x21;
    e.attribs = static_cast<uint16_t>(n.info.attributes & 0x27);
    std::string data = n.data;
    if (n.keep && !CabFormat().ReadData(oldBytes, *n.keep, {}, data, error)) return false;
    e.data.assign(data.begin(), data.end());
    out.push_back(std::move(e));
  }
  return true;
}

const IArchiveFormat& CabFormat() {
  static Cabinet format;
  return format;
}

}  // namespace standin::cab
