#include <gtest/gtest.h>

#include "FormatTestUtil.h"
#include "CabCodec.h"

using namespace standin::cab;
using format_test::Bytes;

namespace {

Entry File(const std::string& name, const std::string& data) {
  Entry e;
  e.name = name;
  e.data = Bytes(data);
  e.date = 0x5A65;
  e.time = 0x6000;
  return e;
}

// Several blocks, so later blocks refer back into earlier ones, and data
// deflate cannot shrink.
std::vector<Entry> Sample() {
  return {File("a.txt", format_test::TextData(100000)), File("dir\\noise.bin", format_test::NoiseData(70000, 3)),
          File("empty", ""), File(format_test::ToCp932("表\\ソ.txt"), "x")};
}

std::vector<uint8_t> Write(const std::vector<Entry>& e, Method m) {
  WriteOptions o;
  o.method = m;
  std::vector<std::vector<uint8_t>> cabs;
  std::string err;
  EXPECT_TRUE(WriteCabinets(
      e, o, [](int) { return std::string(); }, cabs, err))
      << err;
  return cabs.empty() ? std::vector<uint8_t>() : cabs[0];
}

// The folder field of each file record of one cabinet, by file name (0xFFFD from the previous cabinet,
// 0xFFFE on into the next, 0xFFFF both).
std::vector<std::pair<std::string, uint16_t>> FileFolders(const std::vector<uint8_t>& cab) {
  auto le16 = [&](size_t at) { return static_cast<uint16_t>(cab[at] | cab[at + 1] << 8); };
  size_t at = le16(16) | static_cast<size_t>(le16(18)) << 16;
  std::vector<std::pair<std::string, uint16_t>> out;
  for (uint16_t n = le16(28); n > 0; --n) {
    std::string name(reinterpret_cast<const char*>(&cab[at + 16]));
    out.push_back({name, le16(at + 8)});
    at += 16 + name.size() + 1;
  }
  return out;
}

std::vector<std::vector<uint8_t>> WriteSet(const std::vector<Entry>& e, Method m, size_t limit) {
  WriteOptions o;
  o.method = m;
  o.volumeLimit = limit;
  std::vector<std::vector<uint8_t>> cabs;
  std::string err;
  EXPECT_TRUE(WriteCabinets(
      e, o, [](int i) { return "set" + std::to_string(i) + ".cab"; }, cabs, err))
      << err;
  return cabs;
}

ReadOptions SetReader(const std::vector<std::vector<uint8_t>>& cabs) {
  ReadOptions ro;
  ro.followSet = true;
  ro.loadVolume = [&cabs](const std::string& name, std::vector<uint8_t>& out) {
    for (size_t i = 0; i < cabs.size(); ++i)
      if (name == "set" + std::to_string(i) + ".cab") return out = cabs[i], true;
    return false;
  };
  return ro;
}

void ExpectSame(const std::vector<Entry>& want, const std::vector<Entry>& got) {
  ASSERT_EQ(want.size(), got.size());
  for (size_t i = 0; i < want.size(); ++i) {
    EXPECT_EQ(want[i].name, got[i].name);
    EXPECT_EQ(want[i].data, got[i].data) << want[i].name;
    EXPECT_EQ(want[i].date, got[i].date);
    EXPECT_EQ(want[i].time, got[i].time);
  }
}

}  // namespace

TEST(CabCodec, MsZipAndStoredRoundTrip) {
  for (Method m : {Method::MsZip, Method::Stored}) {
    std::vector<uint8_t> cab = Write(Sample(), m);
    std::vector<Entry> back;
    std::string err;
    ASSERT_TRUE(ReadCabinet(cab, ReadOptions{}, back, err)) << err;
    ExpectSame(Sample(), back);
  }
  EXPECT_LT(Write(Sample(), Method::MsZip).size(), Write(Sample(), Method::Stored).size());
}

TEST(CabCodec, SetReadsBackWholeAndNeedsEveryVolume) {
  std::vector<std::vector<uint8_t>> cabs = WriteSet(Sample(), Method::MsZip, 60000);
  ASSERT_GE(cabs.size(), 2u);
  std::vector<Entry> back;
  std::string err;
  ASSERT_TRUE(ReadCabinet(cabs[0], SetReader(cabs), back, err)) << err;
  ExpectSame(Sample(), back);

  ReadOptions none;
  none.followSet = true;
  none.loadVolume = [](const std::string&, std::vector<uint8_t>&) { return false; };
  EXPECT_FALSE(ReadCabinet(cabs[0], none, back, err));
  EXPECT_NE(std::string::npos, err.find("set1.cab"));
}

uint16_t FolderOf(const std::vector<uint8_t>& cab, const std::string& name) {
  for (const auto& [listed, folder] : FileFolders(cab))
    if (listed == name) return folder;
  ADD_FAILURE() << name << " is not listed";
  return 0;
}

// A file bigger than a volume goes on through the following cabinets instead of getting one of its own
// that breaks the volume size.
TEST(CabCodec, FileLargerThanAVolumeIsContinuedAcrossCabinets) {
  const std::vector<Entry> entries = {File("a.txt", "first"), File("big.bin", format_test::NoiseData(150000, 5)),
                                      File("c.txt", "last")};
  for (Method m : {Method::Stored, Method::MsZip}) {
    const size_t limit = 40000;
    std::vector<std::vector<uint8_t>> cabs = WriteSet(entries, m, limit);
    ASSERT_GE(cabs.size(), 4u);
    for (size_t k = 0; k + 1 < cabs.size(); ++k) EXPECT_EQ(limit, cabs[k].size()) << k;  // filled to the size
    EXPECT_LE(cabs.back().size(), limit);
    EXPECT_EQ(0, FolderOf(cabs[0], "a.txt"));
    EXPECT_EQ(0xFFFE, FolderOf(cabs[0], "big.bin"));
    for (size_t k = 1; k + 1 < cabs.size(); ++k) EXPECT_EQ(0xFFFF, FolderOf(cabs[k], "big.bin")) << k;
    EXPECT_EQ(0xFFFD, FolderOf(cabs.back(), "big.bin"));
    FolderOf(cabs.back(), "c.txt");
    std::vector<Entry> back;
    std::string err;
    ASSERT_TRUE(ReadCabinet(cabs[0], SetReader(cabs), back, err)) << err;
    ExpectSame(entries, back);
  }
}

// Volumes smaller than one data block: blocks are cut across several cabinets, each within its size.
TEST(CabCodec, VolumesSmallerThanABlockKeepTheirSize) {
  std::vector<std::vector<uint8_t>> cabs = WriteSet(Sample(), Method::MsZip, 2048);
  ASSERT_GE(cabs.size(), 30u);
  for (const auto& cab : cabs) EXPECT_LE(cab.size(), 2048u);
  std::vector<Entry> back;
  std::string err;
  ASSERT_TRUE(ReadCabinet(cabs[0], SetReader(cabs), back, err)) << err;
  ExpectSame(Sample(), back);
}

TEST(CabCodec, FindsTheCabinetBehindAProgramStub) {
  std::vector<uint8_t> sfx = Bytes("MZ stub program bytes MSCF but no header");
  std::vector<uint8_t> cab = Write(Sample(), Method::MsZip);
  sfx.insert(sfx.end(), cab.begin(), cab.end());
  std::vector<Entry> back;
  std::string err;
  ASSERT_TRUE(ReadCabinet(sfx, ReadOptions{}, back, err)) << err;
  ExpectSame(Sample(), back);
}

TEST(CabCodec, DamageIsReportedNotCrashedOn) {
  std::vector<uint8_t> good = Write(Sample(), Method::MsZip);
  struct Case {
    const char* what;
    std::vector<uint8_t> bytes;
  };
  std::vector<Case> cases;
  cases.push_back({"checksum", good});
  cases.back().bytes[good.size() - 10] ^= 1;
  cases.push_back({"cut short", std::vector<uint8_t>(good.begin(), good.begin() + good.size() - 500)});
  cases.push_back({"cut in the file table", std::vector<uint8_t>(good.begin(), good.begin() + 50)});
  cases.push_back({"file offset past its folder", good});
  cases.back().bytes[44 + 4] = 0xFF;  // uoffFolderStart of the first file
  cases.back().bytes[44 + 7] = 0x7F;
  cases.push_back({"unknown compression", good});
  cases.back().bytes[36 + 6] = 3;
  for (const Case& c : cases) {
    std::vector<Entry> out;
    std::string err;
    EXPECT_FALSE(ReadCabinet(c.bytes, ReadOptions{}, out, err)) << c.what;
    EXPECT_FALSE(err.empty()) << c.what;
  }
}
