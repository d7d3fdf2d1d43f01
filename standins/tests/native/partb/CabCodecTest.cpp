#include <gtest/gtest.h>

#include "PartbTestUtil.h"
#include "cab_codec.h"

using namespace standin::cab;
using partb_test::Bytes;

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
  return {File("a.txt", partb_test::TextData(100000)), File("dir\\noise.bin", partb_test::NoiseData(70000, 3)),
          File("empty", ""), File(partb_test::ToCp932("表\\ソ.txt"), "x")};
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

TEST(CabCodec, SetSplitsBetweenFilesAndReadsBackWhole) {
  WriteOptions o;
  o.volumeLimit = 60000;
  std::vector<std::vector<uint8_t>> cabs;
  std::string err;
  ASSERT_TRUE(WriteCabinets(
      Sample(), o, [](int i) { return "set" + std::to_string(i) + ".cab"; }, cabs, err));
  ASSERT_GE(cabs.size(), 2u);
  ReadOptions ro;
  ro.followSet = true;
  ro.loadVolume = [&](const std::string& name, std::vector<uint8_t>& out) {
    for (size_t i = 0; i < cabs.size(); ++i)
      if (name == "set" + std::to_string(i) + ".cab") return out = cabs[i], true;
    return false;
  };
  std::vector<Entry> back;
  ASSERT_TRUE(ReadCabinet(cabs[0], ro, back, err)) << err;
  ExpectSame(Sample(), back);

  ro.loadVolume = [](const std::string&, std::vector<uint8_t>&) { return false; };
  EXPECT_FALSE(ReadCabinet(cabs[0], ro, back, err));
  EXPECT_NE(std::string::npos, err.find("set1.cab"));
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
