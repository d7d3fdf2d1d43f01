// The ZIP format on its own: methods, encryption, descriptors, ZIP64 and UTF-8 names.
#include <gtest/gtest.h>

#include "Crc.h"
#include "Formats.h"
#include "NativeSupport.h"

namespace standin {
namespace {

using nativetest::kJapaneseCp932;
using nativetest::SampleData;

std::vector<NewEntry> Entries() {
  std::vector<NewEntry> entries(3);
  entries[0].info.path = "dir";
  entries[0].info.isDirectory = true;
  entries[1].info.path = "dir/" + kJapaneseCp932 + ".txt";
  entries[1].data = SampleData(40000, 5);
  entries[2].info.path = "empty.txt";
  for (auto& e : entries) e.info.dosDateTime = UnixToDos(1700000000);
  return entries;
}

void ExpectReadsBack(const std::string& bytes, const std::vector<NewEntry>& entries, const std::string& password) {
  std::vector<StoredEntry> read;
  std::string error;
  ASSERT_TRUE(ZipFormat().ReadDirectory(bytes, read, error)) << error;
  ASSERT_EQ(read.size(), entries.size());
  for (size_t i = 0; i < read.size(); ++i) {
    EXPECT_EQ(read[i].info.path, entries[i].info.path);
    EXPECT_EQ(read[i].info.isDirectory, entries[i].info.isDirectory);
    std::string data;
    ASSERT_TRUE(ZipFormat().ReadData(bytes, read[i], password, data, error)) << error;
    EXPECT_TRUE(data == entries[i].data);
  }
}

TEST(ZipFormat, StoredDeflatedAndEncryptedReadBack) {
  struct Case {
    int level;
    std::string password;
    const char* method;
  };
  const Case cases[] = {{0, "", "Stored"}, {6, "", "Deflate"}, {9, "pass word", "Deflate"}};
  for (const auto& c : cases) {
    auto entries = Entries();
    WriteOptions options;
    options.level = c.level;
    options.password = c.password;
    std::string bytes, error;
    ASSERT_TRUE(ZipFormat().Write("", entries, options, bytes, error)) << error;
    ExpectReadsBack(bytes, entries, c.password);
    std::vector<StoredEntry> read;
    ASSERT_TRUE(ZipFormat().ReadDirectory(bytes, read, error));
    EXPECT_EQ(read[1].info.method, c.method);
    EXPECT_EQ(read[1].info.encrypted, !c.password.empty());
  }
}

TEST(ZipFormat, WrongOrMissingPasswordFails) {
  auto entries = Entries();
  WriteOptions options;
  options.password = "right";
  std::string bytes, error, data;
  ASSERT_TRUE(ZipFormat().Write("", entries, options, bytes, error));
  std::vector<StoredEntry> read;
  ASSERT_TRUE(ZipFormat().ReadDirectory(bytes, read, error));
  EXPECT_FALSE(ZipFormat().ReadData(bytes, read[1], "", data, error));
  EXPECT_NE(error.find("password"), std::string::npos);
  // One wrong password in 256 passes the check byte; the CRC still catches it.
  int accepted = 0;
  for (int i = 0; i < 600; ++i)
    accepted += ZipFormat().ReadData(bytes, read[1], "wrong" + std::to_string(i), data, error);
  EXPECT_EQ(accepted, 0);
}

TEST(ZipFormat, DamageAndDeflateBombsAreRefused) {
  auto entries = Entries();
  std::string bytes, error, data;
  ASSERT_TRUE(ZipFormat().Write("", entries, WriteOptions{}, bytes, error));
  std::vector<StoredEntry> read;
  ASSERT_TRUE(ZipFormat().ReadDirectory(bytes, read, error));
  std::string flipped = bytes;
  flipped[read[1].offset + 60] ^= 0x40;
  EXPECT_FALSE(ZipFormat().ReadData(flipped, read[1], "", data, error));
  // An entry claiming a smaller size than its stream inflates to is refused.
  StoredEntry lying = read[1];
  lying.info.originalSize = 100;
  EXPECT_FALSE(ZipFormat().ReadData(bytes, lying, "", data, error));
  EXPECT_LE(data.size(), 100u);
  std::vector<StoredEntry> none;
  EXPECT_FALSE(ZipFormat().ReadDirectory(bytes.substr(0, bytes.size() - 30), none, error));
  EXPECT_EQ(ZipFormat().Locate("no archive at all"), -1);
}

TEST(ZipFormat, KeptEntriesSurviveRenameAndAPrefix) {
  auto entries = Entries();
  WriteOptions options;
  options.password = "pw";
  std::string bytes, error;
  ASSERT_TRUE(ZipFormat().Write("", entries, options, bytes, error));
  std::string prefixed = "stub bytes" + std::string(kSfxMarker) + bytes;
  std::vector<StoredEntry> read;
  ASSERT_TRUE(ZipFormat().ReadDirectory(prefixed, read, error)) << error;
  EXPECT_GT(ZipFormat().Locate(prefixed), 0);
  std::vector<NewEntry> kept;
  for (const auto& e : read) kept.push_back(NewEntry{e.info, &e, {}});
  kept[1].info.path = "renamed.txt";
  std::string rewritten;
  ASSERT_TRUE(ZipFormat().Write(prefixed, kept, WriteOptions{}, rewritten, error)) << error;
  entries[1].info.path = "renamed.txt";
  ExpectReadsBack(rewritten, entries, "pw");
}

}  // namespace
}  // namespace standin
