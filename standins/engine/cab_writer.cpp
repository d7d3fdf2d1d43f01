// Cabinet writing: one folder per cabinet; a set splits between files.
#include <algorithm>

#include "cab_codec.h"
#include "cab_mszip.h"

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

bool EncodeStream(const std::vector<uint8_t>& folderData, const WriteOptions& opt, std::vector<EncodedBlock>& blocks) {
  for (size_t pos = 0; pos < folderData.size(); pos += kBlockData) {
    size_t len = std::min(kBlockData, folderData.size() - pos);
    EncodedBlock b;
    b.uncomp = static_cast<uint16_t>(len);
    if (opt.method == Method::Stored) {
      b.data.assign(folderData.begin() + pos, folderData.begin() + pos + len);
    } else {
      size_t dict = std::min(pos, kBlockData);
      if (!MsZipEncodeBlock(folderData.data() + pos, len, folderData.data() + pos - dict, dict, opt.level, b.data))
        return false;
    }
    blocks.push_back(std::move(b));
  }
  return true;
}

// One cabinet holding entries [from, to) in a single folder.
bool BuildCabinet(const std::vector<Entry>& entries, size_t from, size_t to, const WriteOptions& opt, int index,
                  int count, const std::function<std::string(int)>& volumeName, std::vector<uint8_t>& out,
                  std::string& err) {
  std::vector<uint8_t> folderData;
  for (size_t i = from; i < to; ++i)
    folderData.insert(folderData.end(), entries[i].data.begin(), entries[i].data.end());
  if (folderData.size() > 0x7FFF8000u) {
    err = "too much data for one cabinet folder";
    return false;
  }
  std::vector<EncodedBlock> blocks;
  if (!EncodeStream(folderData, opt, blocks)) {
    err = "compression failed";
    return false;
  }
  uint16_t flags = 0;
  std::vector<uint8_t> links;
  if (index > 0) {
    flags |= 1;
    PutStr(links, volumeName(index - 1));
    PutStr(links, volumeName(index - 1));
  }
  if (index + 1 < count) {
    flags |= 2;
    PutStr(links, volumeName(index + 1));
    PutStr(links, volumeName(index + 1));
  }
  bool hasFolder = to > from;
  std::vector<uint8_t> files;
  uint32_t offset = 0;
  for (size_t i = from; i < to; ++i) {
    const Entry& e = entries[i];
    Put32(files, static_cast<uint32_t>(e.data.size()));
    Put32(files, offset);
    Put16(files, 0);
    Put16(files, e.date);
    Put16(files, e.time);
    Put16(files, e.attribs & ~0x80u);
    PutStr(files, e.name);
    offset += static_cast<uint32_t>(e.data.size());
  }
  uint32_t headerSize = 36 + static_cast<uint32_t>(links.size());
  uint32_t coffFiles = headerSize + (hasFolder ? 8 : 0);
  uint32_t coffData = coffFiles + static_cast<uint32_t>(files.size());
  uint32_t total = coffData;
  for (const EncodedBlock& b : blocks) total += 8 + static_cast<uint32_t>(b.data.size());

  out.clear();
  out.insert(out.end(), {'M', 'S', 'C', 'F'});
  Put32(out, 0);
  Put32(out, total);
  Put32(out, 0);
  Put32(out, coffFiles);
  Put32(out, 0);
  out.push_back(3);
  out.push_back(1);
  Put16(out, hasFolder ? 1 : 0);
  Put16(out, static_cast<uint32_t>(to - from));
  Put16(out, flags);
  Put16(out, opt.setId);
  Put16(out, static_cast<uint32_t>(index));
  out.insert(out.end(), links.begin(), links.end());
  if (hasFolder) {
    Put32(out, coffData);
    Put16(out, static_cast<uint32_t>(blocks.size()));
    Put16(out, opt.method == Method::Stored ? 0 : 1);
  }
  out.insert(out.end(), files.begin(), files.end());
  for (const EncodedBlock& b : blocks) {
    std::vector<uint8_t> fields;
    Put16(fields, static_cast<uint32_t>(b.data.size()));
    Put16(fields, b.uncomp);
    uint32_t sum = Checksum(fields.data(), 4, Checksum(b.data.data(), b.data.size(), 0));
    Put32(out, sum);
    out.insert(out.end(), fields.begin(), fields.end());
    out.insert(out.end(), b.data.begin(), b.data.end());
  }
  return true;
}

// Rough packed size of one entry, to decide where a set is split.
size_t EstimatePacked(const Entry& e, const WriteOptions& opt) {
  size_t est = 16 + e.name.size() + 1;
  if (opt.method == Method::Stored) return est + e.data.size() + 8 * (e.data.size() / kBlockData + 1);
  std::vector<EncodedBlock> blocks;
  if (!EncodeStream(e.data, opt, blocks)) return est + e.data.size();
  for (const EncodedBlock& b : blocks) est += 8 + b.data.size();
  return est;
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
  std::vector<std::pair<size_t, size_t>> ranges;
  if (opt.volumeLimit == 0) {
    ranges.push_back({0, entries.size()});
  } else {
    size_t start = 0, used = 0;
    const size_t overhead = 36 + 8 + 2 * 2 * 64;
    for (size_t i = 0; i < entries.size(); ++i) {
      size_t est = EstimatePacked(entries[i], opt);
      if (i > start && overhead + used + est > opt.volumeLimit) {
        ranges.push_back({start, i});
        start = i;
        used = 0;
      }
      used += est;
    }
    ranges.push_back({start, entries.size()});
  }
  int count = static_cast<int>(ranges.size());
  for (int k = 0; k < count; ++k) {
    std::vector<uint8_t> cab;
    if (!BuildCabinet(entries, ranges[k].first, ranges[k].second, opt, k, count, volumeName, cab, err)) return false;
    cabinets.push_back(std::move(cab));
  }
  return true;
}

}  // namespace standin::cab
