// Cabinet reading: one cabinet, or a set followed through its "next" links.
#include <algorithm>
#include <cstring>

#include "CabCodec.h"
#include "CabMszip.h"

namespace standin::cab {

namespace {

constexpr uint16_t kFlagPrev = 1, kFlagNext = 2, kFlagReserve = 4;
constexpr uint16_t kFromPrev = 0xFFFD, kToNext = 0xFFFE, kPrevAndNext = 0xFFFF;
constexpr uint16_t kNameIsUtf = 0x80;
constexpr int kMaxVolumes = 1000;

struct Block {
  std::vector<uint8_t> data;  // owned: a block split over two cabinets is joined here
  uint16_t uncomp = 0;
};
struct Folder {
  uint16_t compress = 0;
  std::vector<Block> blocks;
};
struct FileRec {
  std::string name;
  uint32_t size = 0, offset = 0;
  uint16_t folder = 0, date = 0, time = 0, attribs = 0;
};
struct Cabinet {
  uint16_t flags = 0;
  std::string next;
  std::vector<Folder> folders;
  std::vector<FileRec> files;
};

class Cursor {
 public:
  Cursor(const std::vector<uint8_t>& b, size_t pos) : b_(b), pos_(pos) {}
  bool Need(size_t n) const { return pos_ <= b_.size() && n <= b_.size() - pos_; }
  bool U8(uint8_t& v) {
    if (!Need(1)) return false;
    v = b_[pos_++];
    return true;
  }
  bool U16(uint16_t& v) {
    if (!Need(2)) return false;
    v = static_cast<uint16_t>(b_[pos_] | b_[pos_ + 1] << 8);
    pos_ += 2;
    return true;
  }
  bool U32(uint32_t& v) {
    if (!Need(4)) return false;
    v = static_cast<uint32_t>(b_[pos_]) | b_[pos_ + 1] << 8 | b_[pos_ + 2] << 16 |
        static_cast<uint32_t>(b_[pos_ + 3]) << 24;
    pos_ += 4;
    return true;
  }
  bool Skip(size_t n) {
    if (!Need(n)) return false;
    pos_ += n;
    return true;
  }
  bool Str(std::string& s) {
    size_t end = pos_;
    while (end < b_.size() && end - pos_ < 256 && b_[end]) ++end;
    if (end >= b_.size() || b_[end]) return false;
    s.assign(reinterpret_cast<const char*>(&b_[pos_]), end - pos_);
    pos_ = end + 1;
    return true;
  }
  size_t Pos() const { return pos_; }
  void Seek(size_t p) { pos_ = p; }

 private:
  const std::vector<uint8_t>& b_;
  size_t pos_;
};

bool ParseOne(const std::vector<uint8_t>& b, size_t base, Cabinet& cab, std::string& err) {
  Cursor c(b, base);
  uint32_t sig, res, cbCabinet, coffFiles;
  uint8_t minor, major;
  uint16_t nFolders, nFiles, setId, index;
  uint16_t cbHeaderRes = 0;
  uint8_t cbFolderRes = 0, cbDataRes = 0;
  if (!c.U32(sig) || sig != 0x4643534D || !c.U32(res) || !c.U32(cbCabinet) || !c.U32(res) || !c.U32(coffFiles) ||
      !c.U32(res) || !c.U8(minor) || !c.U8(major) || !c.U16(nFolders) || !c.U16(nFiles) || !c.U16(cab.flags) ||
      !c.U16(setId) || !c.U16(index)) {
    err = "not a cabinet";
    return false;
  }
  if (major != 1) {
    err = "unknown cabinet version";
    return false;
  }
  if (cab.flags & kFlagReserve) {
    if (!c.U16(cbHeaderRes) || !c.U8(cbFolderRes) || !c.U8(cbDataRes) || !c.Skip(cbHeaderRes)) {
      err = "damaged cabinet header";
      return false;
    }
  }
  std::string prevCab, prevDisk, nextDisk;
  if ((cab.flags & kFlagPrev) && (!c.Str(prevCab) || !c.Str(prevDisk))) {
    err = "damaged cabinet header";
    return false;
  }
  if ((cab.flags & kFlagNext) && (!c.Str(cab.next) || !c.Str(nextDisk))) {
    err = "damaged cabinet header";
    return false;
  }
  struct RawFolder {
    uint32_t start;
    uint16_t count, compress;
  };
  std::vector<RawFolder> raw(nFolders);
  for (RawFolder& f : raw) {
    if (!c.U32(f.start) || !c.U16(f.count) || !c.U16(f.compress) || !c.Skip(cbFolderRes)) {
      err = "damaged folder table";
      return false;
    }
  }
  c.Seek(base + coffFiles);
  for (uint16_t i = 0; i < nFiles; ++i) {
    FileRec f;
    if (!c.U32(f.size) || !c.U32(f.offset) || !c.U16(f.folder) || !c.U16(f.date) || !c.U16(f.time) ||
        !c.U16(f.attribs) || !c.Str(f.name)) {
      err = "damaged file table";
      return false;
    }
    if (f.folder < kFromPrev && f.folder >= nFolders) {
      err = "file refers to a missing folder";
      return false;
    }
    cab.files.push_back(std::move(f));
  }
  for (const RawFolder& rf : raw) {
    Folder folder;
    folder.compress = rf.compress;
    c.Seek(base + rf.start);
    for (uint16_t i = 0; i < rf.count; ++i) {
      uint32_t csum;
      uint16_t cbData;
      Block blk;
      size_t fieldsAt = c.Pos() + 4;
      if (!c.U32(csum) || !c.U16(cbData) || !c.U16(blk.uncomp) || !c.Skip(cbDataRes) || !c.Need(cbData)) {
        err = "damaged data block";
        return false;
      }
      const uint8_t* d = b.data() + c.Pos();
      if (csum != 0) {
        uint32_t sum = Checksum(d, cbData, 0);
        sum = Checksum(b.data() + fieldsAt, 4 + cbDataRes, sum);
        if (sum != csum) {
          err = "data block checksum mismatch";
          return false;
        }
      }
      blk.data.assign(d, d + cbData);
      c.Skip(cbData);
      folder.blocks.push_back(std::move(blk));
    }
    cab.folders.push_back(std::move(folder));
  }
  return true;
}

bool DecodeFolder(const Folder& f, size_t maxTotal, std::vector<uint8_t>& out, std::string& err) {
  out.clear();
  int type = f.compress & 0x0F;
  if (type != 0 && type != 1) {
    err = "compression method not supported";
    return false;
  }
  for (const Block& b : f.blocks) {
    if (out.size() + b.uncomp > maxTotal) {
      err = "expanded data too large";
      return false;
    }
    if (type == 0) {
      if (b.data.size() != b.uncomp) {
        err = "damaged stored block";
        return false;
      }
      out.insert(out.end(), b.data.begin(), b.data.end());
    } else {
      std::vector<uint8_t> history(out.end() - std::min(out.size(), kBlockData), out.end());
      if (!MsZipDecodeBlock(b.data.data(), b.data.size(), b.uncomp, history, out)) {
        err = "damaged compressed block";
        return false;
      }
    }
  }
  return true;
}

bool HasContinuedFile(const Cabinet& c) {
  return std::any_of(c.files.begin(), c.files.end(),
                     [](const FileRec& f) { return f.folder == kToNext || f.folder == kPrevAndNext; });
}

}  // namespace

uint32_t Checksum(const uint8_t* p, size_t n, uint32_t seed) {
  uint32_t sum = seed;
  for (size_t i = n / 4; i > 0; --i, p += 4)
    sum ^= static_cast<uint32_t>(p[0]) | p[1] << 8 | p[2] << 16 | static_cast<uint32_t>(p[3]) << 24;
  uint32_t rest = 0;
  switch (n % 4) {
    case 3:
      rest |= static_cast<uint32_t>(*p++) << 16;
      [[fallthrough]];
    case 2:
      rest |= static_cast<uint32_t>(*p++) << 8;
      [[fallthrough]];
    case 1:
      rest |= *p;
  }
  return sum ^ rest;
}

bool IsCabinet(const uint8_t* p, size_t n) {
  return n >= 36 && std::memcmp(p, "MSCF", 4) == 0 && p[4] == 0 && p[5] == 0 && p[6] == 0 && p[7] == 0 && p[25] == 1;
}

size_t FindCabinet(const uint8_t* p, size_t n) {
  for (size_t i = 0; i + 36 <= n; ++i)
    if (p[i] == 'M' && IsCabinet(p + i, n - i)) return i;
  return std::string::npos;
}

bool ReadCabinet(const std::vector<uint8_t>& first, const ReadOptions& opt, std::vector<Entry>& out, std::string& err) {
  out.clear();
  size_t base = FindCabinet(first.data(), first.size());
  if (base == std::string::npos) {
    err = "not a cabinet";
    return false;
  }
  std::vector<Cabinet> cabs(1);
  if (!ParseOne(first, base, cabs[0], err)) return false;
  while (opt.followSet && (cabs.back().flags & kFlagNext) && opt.loadVolume) {
    if (cabs.size() >= kMaxVolumes) {
      err = "too many cabinets in the set";
      return false;
    }
    std::vector<uint8_t> next;
    if (!opt.loadVolume(cabs.back().next, next)) {
      err = "next cabinet missing: " + cabs.back().next;
      return false;
    }
    Cabinet c;
    if (!ParseOne(next, 0, c, err)) return false;
    cabs.push_back(std::move(c));
  }
  // Lay the set out as one run of folders; the first folder of a cabinet joins
  // the last one before it when a file crosses between them.
  std::vector<Folder> folders;
  struct Pending {
    const FileRec* rec;
    size_t folder;
  };
  std::vector<Pending> files;
  for (size_t k = 0; k < cabs.size(); ++k) {
    Cabinet& c = cabs[k];
    bool joins = k > 0 && HasContinuedFile(cabs[k - 1]) && !c.folders.empty() && !folders.empty();
    size_t firstIndex = folders.size();
    for (size_t i = 0; i < c.folders.size(); ++i) {
      if (i == 0 && joins) {
        Folder& last = folders.back();
        std::vector<Block>& add = c.folders[0].blocks;
        size_t from = 0;
        if (!last.blocks.empty() && last.blocks.back().uncomp == 0 && !add.empty()) {
          Block& split = last.blocks.back();
          split.data.insert(split.data.end(), add[0].data.begin(), add[0].data.end());
          split.uncomp = add[0].uncomp;
          from = 1;
        }
        last.blocks.insert(last.blocks.end(), add.begin() + from, add.end());
        firstIndex = folders.size() - 1;
        continue;
      }
      folders.push_back(std::move(c.folders[i]));
    }
    size_t lastIndex = folders.empty() ? 0 : folders.size() - 1;
    for (const FileRec& f : c.files) {
      if (f.folder == kFromPrev || f.folder == kPrevAndNext) continue;  // listed where it began
      bool crosses = f.folder == kToNext;
      if (crosses && (k + 1 >= cabs.size())) continue;  // its rest is not here
      files.push_back({&f, crosses ? lastIndex : firstIndex + f.folder});
    }
  }
  size_t decodedIndex = std::string::npos;
  std::vector<uint8_t> data;
  size_t total = 0;
  for (const Pending& p : files) {
    if (p.folder >= folders.size()) {
      err = "file refers to a missing folder";
      return false;
    }
    if (p.folder != decodedIndex) {
      if (!DecodeFolder(folders[p.folder], opt.maxTotal, data, err)) return false;
      decodedIndex = p.folder;
    }
    const FileRec& f = *p.rec;
    if (f.offset > data.size() || f.size > data.size() - f.offset) {
      err = "file data outside its folder: " + f.name;
      return false;
    }
    total += f.size;
    if (total > opt.maxTotal) {
      err = "expanded data too large";
      return false;
    }
    Entry e;
    e.name = f.name;
    if ((f.attribs & kNameIsUtf) && opt.fromUtf8) {
      std::string converted;
      if (opt.fromUtf8(f.name, converted)) e.name = converted;
    }
    e.date = f.date;
    e.time = f.time;
    e.attribs = static_cast<uint16_t>(f.attribs & ~kNameIsUtf);
    e.data.assign(data.begin() + f.offset, data.begin() + f.offset + f.size);
    out.push_back(std::move(e));
  }
  return true;
}

}  // namespace standin::cab
