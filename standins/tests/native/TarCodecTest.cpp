#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>

#include "FormatTestUtil.h"
#include "TarCodec.h"
#include "TarFormat.h"

using namespace standin::tar;
using format_test::Bytes;

namespace {

Entry File(const std::string& name, const std::string& data, int64_t mtime = 1700000000) {
  Entry e;
  e.name = name;
  e.data = Bytes(data);
  e.mtime = mtime;
  return e;
}

std::vector<Entry> Sample() {
  Entry dir;
  dir.name = "docs/";
  dir.isDir = true;
  return {dir, File("docs/readme.txt", "hello\r\n"), File(std::string(130, 'n') + "/long.bin", std::string(1000, 'x')),
          File(format_test::ToCp932("資料/表.txt"), format_test::TextData(5000)), File("empty", "")};
}

void ExpectSame(const std::vector<Entry>& want, const std::vector<Entry>& got) {
  ASSERT_EQ(want.size(), got.size());
  for (size_t i = 0; i < want.size(); ++i) {
    EXPECT_EQ(want[i].name, got[i].name);
    EXPECT_EQ(want[i].isDir, got[i].isDir);
    EXPECT_EQ(want[i].data, got[i].data) << want[i].name;
    if (!want[i].isDir) EXPECT_EQ(want[i].mtime, got[i].mtime);
  }
}

}  // namespace

TEST(TarCodec, PlainAndGzipRoundTripKeepNamesDataAndTimes) {
  for (Kind kind : {Kind::Tar, Kind::Tgz}) {
    std::vector<uint8_t> bytes;
    std::string err;
    ASSERT_TRUE(WriteArchive(Sample(), kind, 9, bytes, err)) << err;
    EXPECT_EQ(kind, DetectKind(bytes.data(), bytes.size()));
    std::vector<Entry> back;
    Kind read;
    ASSERT_TRUE(ReadArchive(bytes, "x", back, read, err)) << err;
    EXPECT_EQ(kind, read);
    ExpectSame(Sample(), back);
  }
}

TEST(TarCodec, LoneGzipFileIsOneEntryNamedFromItsHeader) {
  std::vector<uint8_t> gz;
  ASSERT_TRUE(GzipCompress(Bytes("not a tar at all"), 6, gz));
  std::vector<Entry> back;
  Kind kind;
  std::string err;
  ASSERT_TRUE(ReadArchive(gz, "plain", back, kind, err)) << err;
  EXPECT_EQ(Kind::Gz, kind);
  ASSERT_EQ(1u, back.size());
  EXPECT_EQ("plain", back[0].name);
  EXPECT_EQ(Bytes("not a tar at all"), back[0].data);
}

TEST(TarCodec, DamagedArchivesAreRefused) {
  std::vector<uint8_t> good = BuildTar(Sample());
  std::vector<uint8_t> tgz;
  std::string err;
  ASSERT_TRUE(WriteArchive(Sample(), Kind::Tgz, 6, tgz, err));

  struct Case {
    const char* what;
    std::vector<uint8_t> bytes;
  };
  std::vector<Case> cases;
  cases.push_back({"checksum broken", good});
  cases.back().bytes[0] ^= 0x55;
  cases.push_back({"cut inside data", std::vector<uint8_t>(good.begin(), good.begin() + 512 * 3 + 100)});
  cases.push_back({"cut inside a header", std::vector<uint8_t>(good.begin(), good.begin() + 512 + 200)});
  cases.push_back({"gzip cut short", std::vector<uint8_t>(tgz.begin(), tgz.begin() + tgz.size() / 2)});
  cases.push_back({"gzip body scrambled", tgz});
  for (size_t i = 20; i < cases.back().bytes.size() - 8; i += 7) cases.back().bytes[i] ^= 0xA5;
  // A size field claiming more data than the file holds.
  cases.push_back({"size past the end", good});
  {
    std::vector<uint8_t>& b = cases.back().bytes;
    size_t h = 512;  // the second header: docs/readme.txt
    std::memcpy(&b[h + 124], "77777777777", 11);
    uint32_t sum = 0;
    for (size_t i = 0; i < 512; ++i) sum += (i >= 148 && i < 156) ? ' ' : b[h + i];
    std::snprintf(reinterpret_cast<char*>(&b[h + 148]), 8, "%06o", sum);
  }
  for (const Case& c : cases) {
    std::vector<Entry> out;
    Kind kind;
    std::string why;
    EXPECT_FALSE(ReadArchive(c.bytes, "x", out, kind, why)) << c.what;
    EXPECT_FALSE(why.empty()) << c.what;
  }
}

TEST(TarCodec, TypeReportsTarTgzGzAndTbzFixtures) {
  std::vector<uint8_t> tgz, gz;
  std::string err;
  ASSERT_TRUE(WriteArchive(Sample(), Kind::Tgz, 6, tgz, err));
  ASSERT_TRUE(GzipCompress(Bytes("text"), 6, gz));
  std::vector<uint8_t> tar = BuildTar(Sample());
  auto view = [](const std::vector<uint8_t>& v) {
    return std::string_view(reinterpret_cast<const char*>(v.data()), v.size());
  };
  EXPECT_EQ(kTypeTar, ArchiveTypeOf(view(tar)));
  EXPECT_EQ(kTypeTgz, ArchiveTypeOf(view(tgz)));
  EXPECT_EQ(kTypeGz, ArchiveTypeOf(view(gz)));
  EXPECT_EQ(kTypeTbz, ArchiveTypeOf("TVFIXTURE 1 TBZ\r\nentry a\r\nend\r\n"));
  EXPECT_EQ(kTypeNone, ArchiveTypeOf("TVFIXTURE 1 RAR\r\n"));
  EXPECT_EQ(kTypeNone, ArchiveTypeOf(std::string(2048, '\0')));
}

TEST(TarFormat, DeleteKeepsTheCompressionOfTheArchive) {
  std::vector<uint8_t> tgz;
  std::string err;
  ASSERT_TRUE(WriteArchive(Sample(), Kind::Tgz, 6, tgz, err));
  std::string bytes(tgz.begin(), tgz.end());
  const standin::IArchiveFormat& f = FamilyFormat();
  std::vector<standin::StoredEntry> dir;
  ASSERT_TRUE(f.ReadDirectory(bytes, dir, err)) << err;
  std::vector<standin::NewEntry> keep;
  for (size_t i = 1; i < dir.size(); ++i) keep.push_back({dir[i].info, &dir[i], {}});
  std::string out;
  ASSERT_TRUE(f.Write(bytes, keep, standin::WriteOptions{}, out, err)) << err;
  EXPECT_EQ(kTypeTgz, ArchiveTypeOf(out));
  std::vector<standin::StoredEntry> after;
  ASSERT_TRUE(f.ReadDirectory(out, after, err));
  ASSERT_EQ(dir.size() - 1, after.size());
  std::string data;
  ASSERT_TRUE(f.ReadData(out, after[2], {}, data, err));
  EXPECT_EQ(format_test::TextData(5000), data);
}
