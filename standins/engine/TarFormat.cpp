#include "TarFormat.h"

#include "FixtureCache.h"
#include "Formats.h"
#include "FixtureFormat.h"
#include "TarCodec.h"

namespace standin::tar {

namespace {

bool IsTbz(std::string_view bytes) { return fixture::Format("TBZ").Locate(bytes) >= 0; }

// The name of a lone gzip member: its stored file name, else "data".
std::string GzipMemberName(std::string_view b) {
  if (b.size() < 10 || !(static_cast<uint8_t>(b[3]) & 0x08)) return "data";
  size_t pos = 10;
  if (static_cast<uint8_t>(b[3]) & 0x04) {
    if (b.size() < 12) return "data";
    pos += 2 + (static_cast<uint8_t>(b[10]) | static_cast<uint8_t>(b[11]) << 8);
  }
  size_t end = b.find('\0', pos);
  if (pos >= b.size() || end == std::string_view::npos || end == pos) return "data";
  std::string name(b.substr(pos, end - pos));
  size_t slash = name.find_last_of("/\\");
  return slash == std::string::npos ? name : name.substr(slash + 1);
}

class TarFamily final : public IArchiveFormat {
 public:
  std::string_view Name() const override { return "TAR"; }

  int64_t Locate(std::string_view bytes) const override {
    if (IsTbz(bytes)) return fixture::Format("TBZ").Locate(bytes);
    return ArchiveTypeOf(bytes) != kTypeNone ? 0 : -1;
  }

  bool ReadDirectory(std::string_view bytes, std::vector<StoredEntry>& entries, std::string& error) const override {
    if (IsTbz(bytes)) return fixture::Format("TBZ").ReadDirectory(bytes, entries, error);
    entries.clear();
    auto decoded = Decode(bytes, error);
    if (!decoded) return false;
    for (size_t i = 0; i < decoded->entries.size(); ++i) {
      const Entry& e = decoded->entries[i];
      StoredEntry s;
      s.info.isDirectory = e.isDir;
      s.info.path = e.isDir ? e.name.substr(0, e.name.size() - 1) : e.name;
      s.info.originalSize = e.data.size();
      s.info.compressedSize = e.data.size();
      s.info.dosDateTime = UnixToDos(e.mtime);
      s.info.attributes = e.isDir ? 0x10 : ((e.mode & 0200) ? 0x20 : 0x21);
      s.info.method = decoded->kind == Kind::Tar ? "-tar-" : (decoded->kind == Kind::Tgz ? "-tgz-" : "-gz-");
      s.length = e.data.size();
      s.tag = i;
      entries.push_back(std::move(s));
    }
    return true;
  }

  bool ReadData(std::string_view bytes, const StoredEntry& entry, const std::string& password, std::string& data,
                std::string& error) const override {
    if (IsTbz(bytes)) return fixture::Format("TBZ").ReadData(bytes, entry, password, data, error);
    auto decoded = Decode(bytes, error);
    if (!decoded) return false;
    if (entry.tag >= decoded->entries.size()) return error = "no such entry", false;
    const auto& d = decoded->entries[entry.tag].data;
    data.assign(d.begin(), d.end());
    return true;
  }

  bool Write(std::string_view oldBytes, const std::vector<NewEntry>& entries, const WriteOptions& options,
             std::string& out, std::string& error) const override {
    // Without a method, a rewrite (delete, rename) keeps the archive's own kind.
    std::string method = options.method;
    if (method.empty() && !oldBytes.empty()) {
      int type = ArchiveTypeOf(oldBytes);
      method = type == kTypeTbz ? "tbz" : (type == kTypeTgz ? "tgz" : "tar");
    }
    if (method == "tbz") return fixture::Format("TBZ").Write(oldBytes, entries, options, out, error);
    std::vector<Entry> list;
    for (const NewEntry& n : entries) {
      Entry e;
      e.isDir = n.info.isDirectory;
      e.name = n.info.path;
      if (e.isDir) e.name += '/';
      e.mtime = DosToUnix(n.info.dosDateTime);
      e.mode = e.isDir ? 0755 : ((n.info.attributes & 0x01) ? 0444 : 0644);
      if (!e.isDir) {
        std::string data;
        if (n.keep) {
          if (!ReadData(oldBytes, *n.keep, {}, data, error)) return false;
        } else {
          data = n.data;
        }
        e.data.assign(data.begin(), data.end());
        if (n.keep) e.mtime = DosToUnix(n.keep->info.dosDateTime);
      }
      list.push_back(std::move(e));
    }
    std::vector<uint8_t> bytes;
    Kind kind = method == "tgz" ? Kind::Tgz : Kind::Tar;
    if (!WriteArchive(list, kind, options.level, bytes, error)) return false;
    out.assign(bytes.begin(), bytes.end());
    return true;
  }

 private:
  struct Decoded {
    Kind kind = Kind::None;
    std::vector<Entry> entries;
  };

  std::shared_ptr<const Decoded> Decode(std::string_view bytes, std::string& error) const {
    return cache_.Get(bytes, [&](std::string_view b, Decoded& d) {
      std::vector<uint8_t> v(b.begin(), b.end());
      return ReadArchive(v, GzipMemberName(b), d.entries, d.kind, error);
    });
  }

  mutable DecodeCache<Decoded> cache_;
};

}  // namespace

int ArchiveTypeOf(std::string_view bytes) {
  if (IsTbz(bytes)) return kTypeTbz;
  switch (DetectKind(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size())) {
    case Kind::Tar:
      return kTypeTar;
    case Kind::Tgz:
      return kTypeTgz;
    case Kind::Gz:
      return kTypeGz;
    default:
      return kTypeNone;
  }
}

const IArchiveFormat& FamilyFormat() {
  static TarFamily format;
  return format;
}

}  // namespace standin::tar
