// The LZH codec and archive format on their own.
#include <gtest/gtest.h>

#include "Crc.h"
#include "Formats.h"
#include "LzhCodec.h"
#include "NativeSupport.h"

namespace standin {
namespace {

using nativetest::kJapaneseCp932;
using nativetest::kTrailBackslashCp932;
using nativetest::SampleData;

TEST(LzhCodec, RoundTripsEveryDictionarySize) {
  const std::string inputs[] = {
      "",
      "a",
      std::string(100000, 'z'),  // one symbol only: trees of a single code
      SampleData(200000, 1),     // repeats far beyond 8 KB
      SampleData(5000, 2) + std::string(70000, '\0') + SampleData(5000, 2),
  };
  for (int bits : {13, 15, 16}) {
    for (const auto& in : inputs) {
      std::string packed = LzhEncode(in, bits), out;
      ASSERT_TRUE(LzhDecode(packed, in.size(), bits, out)) << bits << " " << in.size();
      EXPECT_TRUE(out == in) << bits << " " << in.size();
    }
  }
}

TEST(LzhCodec, DamagedInputFailsWithoutOverrun) {
  std::string in = SampleData(50000, 3);
  std::string packed = LzhEncode(in, 13), out;
  EXPECT_FALSE(LzhDecode(packed.substr(0, packed.size() / 2), in.size(), 13, out));
  EXPECT_LE(out.size(), in.size());
  EXPECT_FALSE(LzhDecode(std::string(64, '\xff'), 1000, 13, out));
  // A bad stream never grows the output beyond the size it was given.
  std::string noisy = packed;
  for (size_t i = 20; i < noisy.size(); i += 97) noisy[i] ^= 0x5A;
  LzhDecode(noisy, in.size(), 13, out);
  EXPECT_LE(out.size(), in.size());
}

std::vector<NewEntry> SampleEntries() {
  std::vector<NewEntry> entries(3);
  entries[0].info.path = "docs";
  entries[0].info.isDirectory = true;
  entries[1].info.path = "docs/" + kJapaneseCp932 + ".txt";
  entries[1].data = SampleData(30000, 4);
  entries[2].info.path = kTrailBackslashCp932 + "/b.bin";
  entries[2].data = "tiny";
  for (auto& e : entries) {
    e.info.dosDateTime = UnixToDos(1700000000);
    e.info.attributes = e.info.isDirectory ? 0x10 : 0x21;
  }
  return entries;
}

TEST(LzhFormat, EveryHeaderLevelAndMethodReadsBack) {
  for (const char* method : {"lh0", "lh5", "lh6", "lh7"}) {
    for (int level = 0; level <= 2; ++level) {
      SCOPED_TRACE(std::string(method) + " level " + std::to_string(level));
      auto entries = SampleEntries();
      WriteOptions options;
      options.method = method;
      options.headerLevel = level;
      std::string bytes, error;
      ASSERT_TRUE(LzhFormat().Write("", entries, options, bytes, error)) << error;
      std::vector<StoredEntry> read;
      ASSERT_TRUE(LzhFormat().ReadDirectory(bytes, read, error)) << error;
      ASSERT_EQ(read.size(), entries.size());
      for (size_t i = 0; i < read.size(); ++i) {
        EXPECT_EQ(read[i].info.path, entries[i].info.path);
        EXPECT_EQ(read[i].info.isDirectory, entries[i].info.isDirectory);
        EXPECT_EQ(read[i].info.dosDateTime, entries[i].info.dosDateTime);
        std::string data;
        ASSERT_TRUE(LzhFormat().ReadData(bytes, read[i], "", data, error)) << error;
        EXPECT_TRUE(data == entries[i].data);
      }
      EXPECT_EQ(read[1].info.method, std::string("-") + method + "-");
      EXPECT_EQ(read[1].info.crc, Crc16(entries[1].data));
      EXPECT_EQ(read[2].info.method, "-lh0-");  // data that does not shrink is stored
      if (level < 2) EXPECT_EQ(read[1].info.attributes, 0x21u);
    }
  }
}

TEST(LzhFormat, DamageIsReportedNotTrusted) {
  auto entries = SampleEntries();
  WriteOptions options;
  std::string bytes, error;
  ASSERT_TRUE(LzhFormat().Write("", entries, options, bytes, error));
  std::vector<StoredEntry> read;
  ASSERT_TRUE(LzhFormat().ReadDirectory(bytes, read, error));
  std::string data;
  std::string flipped = bytes;
  flipped[read[1].offset + read[1].length / 2] ^= 0x10;
  EXPECT_FALSE(LzhFormat().ReadData(flipped, read[1], "", data, error));

  std::vector<StoredEntry> again;
  EXPECT_FALSE(LzhFormat().ReadDirectory(bytes.substr(0, bytes.size() - 100), again, error));
  EXPECT_EQ(LzhFormat().Locate("PK\3\4 not lzh"), -1);
  // A level-0 header whose checksum does not match is not a header.
  options.headerLevel = 0;
  ASSERT_TRUE(LzhFormat().Write("", entries, options, bytes, error));
  bytes[1] ^= 1;
  EXPECT_EQ(LzhFormat().Locate(bytes), -1);
}

TEST(LzhFormat, FoundBehindASelfExtractorStub) {
  auto entries = SampleEntries();
  std::string bytes, error;
  ASSERT_TRUE(LzhFormat().Write("", entries, WriteOptions{}, bytes, error));
  std::string stub = "MZ stub with -lh5- inside its own code";
  std::string sfx = stub + kSfxMarker + bytes;
  EXPECT_EQ(LzhFormat().Locate(sfx), static_cast<int64_t>(stub.size() + 8));
  std::vector<StoredEntry> read;
  ASSERT_TRUE(LzhFormat().ReadDirectory(sfx, read, error));
  EXPECT_EQ(read.size(), 3u);
}

}  // namespace
}  // namespace standin
