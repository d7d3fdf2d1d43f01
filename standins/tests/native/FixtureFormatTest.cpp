#include <gtest/gtest.h>

#include "FormatTestUtil.h"
#include "FixtureFormat.h"

using namespace standin::fixture;

namespace {

const char* kSample =
    "TVFIXTURE 1 RAR\r\n"
    "# a comment\r\n"
    "entry docs/read me.txt\r\n"
    "size 3000000000\r\n"
    "packed 1500\r\n"
    "ratio 459\r\n"
    "date 2024-03-05\r\n"
    "time 12:34:56\r\n"
    "method -m3-\r\n"
    "attr RA\r\n"
    "crc 1A2B3C4D\r\n"
    "flags 2\r\n"
    "data line%0D%0A100%25\r\n"
    "end\r\n"
    "entry docs/\n"
    "end\n";

}  // namespace

TEST(FixtureFormat, ParsesEveryKeyAndWritesItBack) {
  Archive a;
  std::string err;
  ASSERT_TRUE(Parse(kSample, a, err)) << err;
  EXPECT_EQ("RAR", a.type);
  ASSERT_EQ(2u, a.entries.size());
  const Entry& e = a.entries[0];
  EXPECT_EQ("docs/read me.txt", e.path);
  EXPECT_EQ(3000000000u, e.Size());
  EXPECT_EQ(1500u, e.Packed());
  EXPECT_EQ(459, e.Ratio());
  EXPECT_EQ("-m3-", e.method);
  EXPECT_EQ("RA", e.attr);
  EXPECT_EQ(0x1A2B3C4Du, e.Crc());
  EXPECT_EQ(2u, e.flags);
  EXPECT_EQ("line\r\n100%", e.data);
  EXPECT_EQ((44u << 25 | 3u << 21 | 5u << 16) | (12u << 11 | 34u << 5 | 28u), e.DosDateTime());
  EXPECT_TRUE(a.entries[1].IsDirectory());

  Archive again;
  ASSERT_TRUE(Parse(Serialize(a), again, err)) << err;
  EXPECT_EQ(Serialize(a), Serialize(again));
  EXPECT_EQ(e.data, again.entries[0].data);
}

TEST(FixtureFormat, UnsetValuesFollowTheContent) {
  Archive a;
  std::string err;
  ASSERT_TRUE(Parse("TVFIXTURE 1 ACE\nentry a.txt\ndata 123456789\nentry b\npacked 5\n", a, err)) << err;
  EXPECT_EQ(9u, a.entries[0].Size());
  EXPECT_EQ(9u, a.entries[0].Packed());
  EXPECT_EQ(1000, a.entries[0].Ratio());
  EXPECT_EQ(0xCBF43926u, a.entries[0].Crc());  // the CRC-32 check value of "123456789"
  EXPECT_EQ(0, a.entries[1].Ratio());          // nothing to compress
  EXPECT_EQ((1u << 21 | 1u << 16), a.entries[0].DosDateTime());
}

TEST(FixtureFormat, MalformedTextIsRefusedWithTheReason) {
  struct Case {
    const char* text;
    const char* reason;
  };
  const Case cases[] = {
      {"PK\x03\x04", "not a fixture"},
      {"TVFIXTURE 1 \n", "without a type"},
      {"TVFIXTURE 1 RAR\nsize 4\n", "outside an entry"},
      {"TVFIXTURE 1 RAR\nentry\n", "without a name"},
      {"TVFIXTURE 1 RAR\nentry a\nsize 12x\n", "bad number"},
      {"TVFIXTURE 1 RAR\nentry a\ndate 2024-13-01\n", "bad date"},
      {"TVFIXTURE 1 RAR\nentry a\ntime 25:00:00\n", "bad date"},
      {"TVFIXTURE 1 RAR\nentry a\ndata %G0\n", "bad escape"},
      {"TVFIXTURE 1 RAR\nentry a\ndata %4\n", "bad escape"},
      {"TVFIXTURE 1 RAR\nentry a\ncolour red\n", "unknown key"},
      {"TVFIXTURE 1 RAR\nentry a\ncrc 123456789\n", "bad crc"},
  };
  for (const Case& c : cases) {
    Archive a;
    std::string err;
    EXPECT_FALSE(Parse(c.text, a, err)) << c.text;
    EXPECT_NE(std::string::npos, err.find(c.reason)) << c.text << " gave " << err;
  }
}

TEST(FixtureFormat, HandlerFindsItsTypeAlsoBehindAStub) {
  const standin::IArchiveFormat& rar = Format("RAR");
  EXPECT_EQ(0, rar.Locate(kSample));
  EXPECT_EQ(-1, Format("ACE").Locate(kSample));
  std::string sfx = std::string("MZ\0\0stub", 8) + "TVSFXARC" + kSample;
  EXPECT_GT(rar.Locate(sfx), 0);
  std::vector<standin::StoredEntry> dir;
  std::string err;
  ASSERT_TRUE(rar.ReadDirectory(sfx, dir, err)) << err;
  ASSERT_EQ(2u, dir.size());
  EXPECT_EQ("docs/read me.txt", dir[0].info.path);
  EXPECT_EQ("docs", dir[1].info.path);
  EXPECT_TRUE(dir[1].info.isDirectory);
  EXPECT_EQ(3000000000u, dir[0].info.originalSize);
  EXPECT_EQ(0x21u, dir[0].info.attributes);
}

TEST(FixtureFormat, DeclaredCheckValueAndPasswordGuardTheContent) {
  const standin::IArchiveFormat& f = Format("7Z");
  std::string text =
      "TVFIXTURE 1 7Z\npassword s3cret\nentry good.txt\ndata 123456789\ncrc CBF43926\n"
      "entry bad.txt\ndata 123456789\ncrc 00000001\n";
  std::vector<standin::StoredEntry> dir;
  std::string err, data;
  ASSERT_TRUE(f.ReadDirectory(text, dir, err)) << err;
  EXPECT_TRUE(dir[0].info.encrypted);
  EXPECT_FALSE(f.ReadData(text, dir[0], "wrong", data, err));
  EXPECT_NE(std::string::npos, err.find("password"));
  ASSERT_TRUE(f.ReadData(text, dir[0], "s3cret", data, err)) << err;
  EXPECT_EQ("123456789", data);
  EXPECT_FALSE(f.ReadData(text, dir[1], "s3cret", data, err));
  EXPECT_NE(std::string::npos, err.find("CRC"));
}

TEST(FixtureFormat, WriteKeepsOldEntriesAndAddsNewOnes) {
  const standin::IArchiveFormat& f = Format("RAR");
  std::vector<standin::StoredEntry> dir;
  std::string err, out;
  ASSERT_TRUE(f.ReadDirectory(kSample, dir, err));
  standin::NewEntry kept{dir[0].info, &dir[0], {}};
  kept.info.path = "renamed.txt";
  standin::NewEntry fresh;
  fresh.info.path = format_test::ToCp932("新規.txt");
  fresh.info.dosDateTime = (44u << 25 | 1u << 21 | 2u << 16) | (3u << 11);
  fresh.info.attributes = 0x21;
  fresh.data = "new";
  ASSERT_TRUE(f.Write(kSample, {kept, fresh}, standin::WriteOptions{}, out, err)) << err;
  Archive a;
  ASSERT_TRUE(Parse(out, a, err)) << err;
  ASSERT_EQ(2u, a.entries.size());
  EXPECT_EQ("renamed.txt", a.entries[0].path);
  EXPECT_EQ(3000000000u, a.entries[0].Size());  // reported values travel with a kept entry
  EXPECT_EQ(format_test::ToCp932("新規.txt"), a.entries[1].path);
  EXPECT_EQ("2024-01-02", a.entries[1].date);
  EXPECT_EQ("03:00:00", a.entries[1].time);
  EXPECT_EQ("-rar-", a.entries[1].method);
  EXPECT_EQ("R--A", a.entries[1].attr);
}
