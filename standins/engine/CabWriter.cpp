// Cabinet writing. In a set, a folder a volume cut falls into goes on into the next cabinet, up to the end of
// the last file of the cut block; the files after it start a new folder.
#include <algorithm>
#include <cstdint>

#include "CabCodec.h"
#include "CabMszip.h"

namespace standin::cab {

namespace {

struct EncodedBlock {
  std::vector<uint8_t> data;
  uint16_t uncomp;
};

void Put16(std::vector<uint8_t>& o, uint32_t v) {
  o.push_back(static_cast<uint8_t>(v));
  o.push_back(static_cast<uint8_t>(v >> 8));
}
void Put32(std::vector<uint8_t>& o, uint32_t v) {
  Put16(o, v & 0xFFFF);
  Put16(o, v >> 16);
}
void PutStr(std::vector<uint8_t>& o, const std::string& s) {
  o.insert(o.end(), s.begin(), s.end());
  o.push_back(0);
}

// One data block; MSZIP refers back into the folder's earlier bytes, never before `folderStart`.
bool EncodeBlock(const std::vector<uint8_t>& all, size_t pos, size_t len, size_t folderStart, const WriteOptions& opt,
                 EncodedBlock& block) {
  block.uncomp = static_cast<uint16_t>(len);
  block.data.clear();
  if (opt.method == Method::Stored) {
    block.data.assign(all.begin() + pos, all.begin() + pos + len);
    return true;
  }
  size_t dict = std::min(pos - folderStart, kBlockData);
  return MsZipEncodeBlock(all.data() + pos, len, all.data() + pos - dict, dict, opt.level, block.data);
}

// A folder: the data stream's bytes [start, end), compressed as one run; `firstCut` is where its first block
// cut by a volume end starts.
struct FolderRange {
  size_t start = 0;
  size_t end = 0;
  size_t firstCut = SIZE_MAX;
};

// What one cabinet carries: data pieces of consecutive folders (a piece with an uncompressed size of 0 is the
// first part of a block that goes on in the next cabinet), and the range of the data stream whose files it
// lists, [listStart, listEnd); files a cut falls into are listed on both sides.
struct CabinetPart {
  std::vector<std::pair<size_t, std::vector<EncodedBlock>>> folders;  // folder number, its pieces here
  size_t listStart = 0;
  size_t listEnd = 0;
};

constexpr uint16_t kFromPrev = 0xFFFD, kToNext = 0xFFFE, kPrevAndNext = 0xFFFF;

class SetWriter {
 public:
  SetWriter(const std::vector<Entry>& entries, const WriteOptions& opt,
            const std::function<std::string(int)>& volumeName)
      : entries_(entries), opt_(opt), volumeName_(volumeName) {
    for (const Entry& e : entries) {
      offsets_.push_back(all_.size());
      all_.insert(all_.end(), e.data.begin(), e.data.end());
    }
  }

  bool Plan(std::string& err);
  void Build(int index, std::vector<uint8_t>& out) const;
  size_t DataSize() const { return all_.size(); }
  int Count() const { return static_cast<int>(parts_.size()); }

 private:
  // Entry i has data in [start, end); an empty one is listed where its offset falls (the last cabinet also
  // takes those at the very end).
  bool Listed(size_t i, size_t start, size_t end) const {
    size_t from = offsets_[i], to = from + entries_[i].data.size();
    if (from == to) return start <= from && (from < end || (end == all_.size() && from == end));
    return from < end && to > start;
  }
  bool ListedIn(size_t i, int index) const {
    return index >= 0 && index < Count() && Listed(i, parts_[index].listStart, parts_[index].listEnd);
  }
  size_t FolderOf(size_t i) const {
    for (size_t f = folders_.size(); f-- > 1;)
      if (offsets_[i] >= folders_[f].start) return f;
    return 0;
  }
  // The end of the last file with data in [start, end): a folder cut there ends with it, so the files the
  // next cabinet lists as continued are exactly the ones of the cut folder.
  size_t EndOfLastFileIn(size_t start, size_t end) const {
    size_t last = end;
    for (size_t i = 0; i < entries_.size(); ++i)
      if (offsets_[i] < end && offsets_[i] + entries_[i].data.size() > start)
        last = std::max(last, offsets_[i] + entries_[i].data.size());
    return last;
  }
  std::vector<uint8_t> Links(int index, int count) const;
  size_t FileRecordsSize(size_t start, size_t end) const;
  std::vector<EncodedBlock>& Pieces(size_t folder);

  const std::vector<Entry>& entries_;
  const WriteOptions& opt_;
  const std::function<std::string(int)>& volumeName_;
  std::vector<uint8_t> all_;
  std::vector<size_t> offsets_;
  std::vector<FolderRange> folders_;
  std::vector<CabinetPart> parts_;
};

std::vector<uint8_t> SetWriter::Links(int index, int count) const {
  std::vector<uint8_t> links;
  for (int other : {index - 1, index + 1}) {
    if (other < 0 || other >= count) continue;
    PutStr(links, volumeName_(other));
    PutStr(links, volumeName_(other));
  }
  return links;
}

size_t SetWriter::FileRecordsSize(size_t start, size_t end) const {
  size_t size = 0;
  for (size_t i = 0; i < entries_.size(); ++i)
    if (Listed(i, start, end)) size += 16 + entries_[i].name.size() + 1;
  return size;
}

std::vector<EncodedBlock>& SetWriter::Pieces(size_t folder) {
  auto& list = parts_.back().folders;
  if (list.empty() || list.back().first != folder) list.push_back({folder, {}});
  return list.back().second;
}

// Each cabinet is filled up to the volume size; the block that does not fit is cut into two pieces and the
// rest carried into the next cabinet. The folder of a cut block ends with the last file of that block, and
// the next folder starts afresh.
bool SetWriter::Plan(std::string& err) {
  parts_.assign(1, CabinetPart{});
  folders_.assign(1, FolderRange{0, all_.size()});
  size_t used = 0;  // bytes of folder records and data pieces of the current cabinet
  for (size_t pos = 0; pos < all_.size();) {
    const size_t folder = folders_.size() - 1;
    const size_t len = std::min(kBlockData, folders_[folder].end - pos);
    EncodedBlock block;
    if (!EncodeBlock(all_, pos, len, folders_[folder].start, opt_, block)) return err = "compression failed", false;
    const bool lastBlock = pos + len == all_.size();
    size_t at = 0;  // compressed bytes of the block already placed
    for (;;) {
      CabinetPart& part = parts_.back();
      const int index = Count() - 1;
      const size_t rest = block.data.size() - at;
      const bool newFolder = part.folders.empty() || part.folders.back().first != folder;
      const size_t fixed = 36 + Links(index, index + 2).size() + FileRecordsSize(part.listStart, pos + len) + used +
                           (newFolder ? 8 : 0);
      // A whole block leaves room for at least one byte of a next piece, so a later cut always has one.
      if (opt_.volumeLimit == 0 || rest <= 1 || fixed + 8 + rest + (lastBlock ? 0 : 9) <= opt_.volumeLimit) {
        Pieces(folder).push_back({std::vector<uint8_t>(block.data.begin() + at, block.data.end()), block.uncomp});
        used += (newFolder ? 8 : 0) + 8 + rest;
        part.listEnd = pos + len;
        break;
      }
      // A volume smaller than its own headers still carries one byte, so the set always comes to an end.
      size_t room = fixed + 8 < opt_.volumeLimit ? opt_.volumeLimit - fixed - 8 : 0;
      room = std::max<size_t>(1, std::min(room, rest - 1));
      Pieces(folder).push_back({std::vector<uint8_t>(block.data.begin() + at, block.data.begin() + at + room), 0});
      part.listEnd = pos + len;
      at += room;
      folders_[folder].end = std::min(folders_[folder].end, EndOfLastFileIn(pos, pos + len));
      folders_[folder].firstCut = std::min(folders_[folder].firstCut, pos);
      // Every cabinet the folder passes through lists the same continued files, from its first cut on.
      CabinetPart next;
      next.listStart = next.listEnd = folders_[folder].firstCut;
      parts_.push_back(std::move(next));
      used = 0;
    }
    pos += len;
    if (pos == folders_[folder].end && pos < all_.size()) folders_.push_back(FolderRange{pos, all_.size()});
  }
  return true;
}

void SetWriter::Build(int index, std::vector<uint8_t>& out) const {
  const int count = Count();
  const CabinetPart& part = parts_[index];
  const size_t firstFolder = part.folders.empty() ? 0 : part.folders.front().first;
  uint16_t flags = (index > 0 ? 1 : 0) | (index + 1 < count ? 2 : 0);
  std::vector<uint8_t> links = Links(index, count);
  std::vector<uint8_t> files;
  uint32_t fileCount = 0;
  for (size_t i = 0; i < entries_.size(); ++i) {
    if (!ListedIn(i, index)) continue;
    const Entry& e = entries_[i];
    const size_t folder = FolderOf(i);
    const bool fromPrev = ListedIn(i, index - 1), toNext = ListedIn(i, index + 1);
    uint16_t where = fromPrev && toNext ? kPrevAndNext
                     : fromPrev        ? kFromPrev
                     : toNext          ? kToNext
                                       : static_cast<uint16_t>(folder - firstFolder);
    Put32(files, static_cast<uint32_t>(e.data.size()));
    Put32(files, static_cast<uint32_t>(offsets_[i] - folders_[folder].start));
    Put16(files, where);
    Put16(files, e.date);
    Put16(files, e.time);
    Put16(files, e.attribs & ~0x80u);
    PutStr(files, e.name);
    ++fileCount;
  }
  // Without any data, one empty folder still holds the files.
  const size_t folderCount = std::max<size_t>(part.folders.size(), fileCount > 0 ? 1 : 0);
  uint32_t headerSize = 36 + static_cast<uint32_t>(links.size());
  uint32_t coffFiles = headerSize + 8 * static_cast<uint32_t>(folderCount);
  uint32_t coffData = coffFiles + static_cast<uint32_t>(files.size());
  uint32_t total = coffData;
  for (const auto& f : part.folders)
    for (const EncodedBlock& b : f.second) total += 8 + static_cast<uint32_t>(b.data.size());

  out.assign({'M', 'S', 'C', 'F'});
  Put32(out, 0);
  Put32(out, total);
  Put32(out, 0);
  Put32(out, coffFiles);
  Put32(out, 0);
  out.push_back(3);
  out.push_back(1);
  Put16(out, static_cast<uint32_t>(folderCount));
  Put16(out, fileCount);
  Put16(out, flags);
  Put16(out, opt_.setId);
  Put16(out, static_cast<uint32_t>(index));
  out.insert(out.end(), links.begin(), links.end());
  uint32_t dataAt = coffData;
  for (size_t f = 0; f < folderCount; ++f) {
    const std::vector<EncodedBlock>* pieces = f < part.folders.size() ? &part.folders[f].second : nullptr;
    Put32(out, dataAt);
    Put16(out, pieces ? static_cast<uint32_t>(pieces->size()) : 0);
    Put16(out, opt_.method == Method::Stored ? 0 : 1);
    if (pieces)
      for (const EncodedBlock& b : *pieces) dataAt += 8 + static_cast<uint32_t>(b.data.size());
  }
  out.insert(out.end(), files.begin(), files.end());
  for (const auto& f : part.folders) {
    for (const EncodedBlock& b : f.second) {
      std::vector<uint8_t> fields;
      Put16(fields, static_cast<uint32_t>(b.data.size()));
      Put16(fields, b.uncomp);
      uint32_t sum = Checksum(fields.data(), 4, Checksum(b.data.data(), b.data.size(), 0));
      Put32(out, sum);
      out.insert(out.end(), fields.begin(), fields.end());
      out.insert(out.end(), b.data.begin(), b.data.end());
    }
  }
}

}  // namespace

bool WriteCabinets(const std::vector<Entry>& entries, const WriteOptions& opt,
                   const std::function<std::string(int)>& volumeName, std::vector<std::vector<uint8_t>>& cabinets,
                   std::string& err) {
  cabinets.clear();
  if (entries.size() > 0xFFFF) {
    err = "too many files for one cabinet";
    return false;
  }
  SetWriter writer(entries, opt, volumeName);
  if (writer.DataSize() > 0x7FFF8000u) {
    err = "too much data for one cabinet folder";
    return false;
  }
  if (!writer.Plan(err)) return false;
  for (int k = 0; k < writer.Count(); ++k) {
    cabinets.emplace_back();
    writer.Build(k, cabinets.back());
  }
  return true;
}

}  // namespace standin::cab
