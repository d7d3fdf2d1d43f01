// Command lines, list files, safe paths, wildcards, configuration and the call log.
#include <gtest/gtest.h>

#include "CallLog.h"
#include "Config.h"
#include "Cp932.h"
#include "DiskLimit.h"
#include "FileSystem.h"
#include "ListFile.h"
#include "NativeSupport.h"
#include "SafePath.h"
#include "Szdd.h"
#include "Tokenizer.h"

namespace standin {
namespace {

using nativetest::kTrailBackslashCp932;

TEST(Tokenizer, SplitsAsTheLibrariesDo) {
  struct Case {
    std::string line;
    std::vector<std::string> tokens;
  };
  const Case cases[] = {
      {"x  -c   a.lzh", {"x", "-c", "a.lzh"}},
      {"\"C:\\My Files\\a.lzh\" b", {"C:\\My Files\\a.lzh", "b"}},
      {"-oC:\\\"My Files\"\\x", {"-oC:\\My Files\\x"}},  // quotes toggle inside a token
      {"\"C:\\a b\\\" @list", {"C:\\a b\\", "@list"}},   // no backslash escapes
      {"a \"\" b", {"a", "", "b"}},                      // an empty quoted token stays
      {"\"unterminated name", {"unterminated name"}},
      {"d " + kTrailBackslashCp932 + "\\x.txt", {"d", kTrailBackslashCp932 + "\\x.txt"}},
      {"", {}},
  };
  for (const auto& c : cases) EXPECT_EQ(Tokenize(c.line), c.tokens) << c.line;
}

TEST(Tokenizer, SwitchesMayFollowTheArchive) {
  ParsedCommand cmd = ParseCommand("x a.lzh -c C:\\out\\ -jm2 @C:\\l.txt", true);
  EXPECT_EQ(cmd.verb, "x");
  EXPECT_EQ(cmd.archive, "a.lzh");
  EXPECT_EQ(cmd.switches, (std::vector<std::string>{"-c", "-jm2"}));
  EXPECT_EQ(cmd.args, (std::vector<std::string>{"C:\\out\\", "@C:\\l.txt"}));
  EXPECT_TRUE(cmd.Has("-c"));
  EXPECT_FALSE(cmd.Has("-C"));
  EXPECT_EQ(cmd.Value("-jm"), "2");
  EXPECT_EQ(cmd.Value("-gr", "none"), "none");

  ParsedCommand unzip = ParseCommand("-x -o \"a b.zip\" out\\", false);
  EXPECT_EQ(unzip.archive, "a b.zip");
  EXPECT_EQ(unzip.args, (std::vector<std::string>{"out\\"}));
}

TEST(ListFile, ReadsEveryLineForm) {
  std::string text =
      "\"C:\\data\\\" \"a b.txt\"\r\n"  // base line
      "docs\\*.*\r\n"                   // later lines keep the base
      "\r\n"
      "-o \"C:\\tar\\\" x.txt\r\n"  // TAR form
      "C:\\jar\\.\\docs\\*.*\r\n"   // JAR marker: base for this line only
      "y.txt";                      // last line without line end
  auto items = ParseListText(text);
  ASSERT_EQ(items.size(), 5u);
  EXPECT_EQ(items[0].base, "C:\\data\\");
  EXPECT_EQ(items[0].name, "a b.txt");
  EXPECT_EQ(items[1].base, "C:\\data\\");
  EXPECT_EQ(items[1].name, "docs\\*.*");
  EXPECT_EQ(items[2].base, "C:\\tar\\");
  EXPECT_EQ(items[2].name, "x.txt");
  EXPECT_EQ(items[3].base, "C:\\jar\\");
  EXPECT_EQ(items[3].name, "docs\\*.*");
  EXPECT_EQ(items[4].base, "C:\\tar\\");
  EXPECT_EQ(items[4].name, "y.txt");
}

TEST(ListFile, MissingListIsAnError) {
  nativetest::ScratchDir dir;
  std::string list = dir.Write("l.txt", "a.txt\r\n\"" + kTrailBackslashCp932 + "\\b c.txt\"\r\n");
  std::vector<ListItem> items;
  std::string error;
  EXPECT_TRUE(ExpandNameArgs(HostFileSystem(), {"@" + list, "plain"}, items, error));
  ASSERT_EQ(items.size(), 3u);
  EXPECT_EQ(items[1].name, kTrailBackslashCp932 + "\\b c.txt");
  EXPECT_EQ(items[2].name, "plain");
  EXPECT_FALSE(ExpandNameArgs(HostFileSystem(), {"!" + dir / "none.txt"}, items, error));
  EXPECT_NE(error.find("none.txt"), std::string::npos);
}

TEST(SafePath, RefusesEveryWayOut) {
  const char* unsafe[] = {"/etc/passwd", "\\x.txt", "C:x.txt", "c:\\x.txt",      "../x", "a/../../x",
                          "a\\..\\x",    "..",      "a/.. /x", "a/b.txt:stream", ""};
  for (const char* p : unsafe) {
    std::string out, why;
    EXPECT_FALSE(JoinSafe("/dest", p, out, why)) << p;
    EXPECT_FALSE(why.empty()) << p;
  }
  struct Case {
    std::string entry, joined;
  };
  const Case safe[] = {{"a/b.txt", "/dest\\a\\b.txt"},
                       {"..a/b..txt", "/dest\\..a\\b..txt"},
                       {kTrailBackslashCp932 + "/x", "/dest\\" + kTrailBackslashCp932 + "\\x"}};
  for (const auto& c : safe) {
    std::string out, why;
    EXPECT_TRUE(JoinSafe("/dest", c.entry, out, why)) << c.entry << " " << why;
    EXPECT_EQ(out, c.joined);
  }
}

TEST(Cp932Text, SeparatorsAndWildcardsRespectDoubleByteCharacters) {
  EXPECT_EQ(ToSlash(kTrailBackslashCp932 + "\\a"), kTrailBackslashCp932 + "/a");
  EXPECT_EQ(FindLastSeparator(kTrailBackslashCp932), std::string::npos);
  struct Case {
    const char* pattern;
    std::string name;
    bool match;
  };
  const Case cases[] = {{"*.*", "readme", true},
                        {"*.TXT", "a.txt", true},
                        {"a?c", "abc", true},
                        {"*.txt", "a.txt.gz", false},
                        {"?", kTrailBackslashCp932.substr(0, 2), true},
                        {"docs/*", "docs/a/b", true},
                        {"*.lzh", "x.zip", false}};
  for (const auto& c : cases) EXPECT_EQ(WildcardMatch(c.pattern, c.name), c.match) << c.pattern << " " << c.name;
}

TEST(Config, ReadsPerLibrarySettings) {
  Config config = Config::Parse(
      "; comment\r\n[unlha32]\r\nVersion=185\r\nSubVersion=5\r\nMissing=UnlhaGetSubVersion, UnlhaCheckArchive\r\n"
      "Result.Unlha=32790\r\nOutput.Unlha=line1\\nline2\r\nResultAfterWork.Unlha=1\r\nDiskFree=4096\r\n"
      "[Zip32J]\r\nPassword=secret\r\n");
  const LibraryConfig& lha = config.For("UNLHA32");
  EXPECT_EQ(lha.version, 185);
  EXPECT_EQ(lha.subVersion, 5);
  EXPECT_TRUE(lha.IsMissing("UnlhaGetSubVersion"));
  EXPECT_TRUE(lha.IsMissing("UnlhaCheckArchive"));
  EXPECT_FALSE(lha.IsMissing("unlhaGetSubVersion"));  // entry points are found by exact name
  EXPECT_FALSE(lha.IsMissing("UnlhaGetVersion"));
  EXPECT_EQ(lha.ForcedResult("Unlha"), 32790);
  EXPECT_EQ(lha.ForcedOutput("Unlha"), std::string("line1\r\nline2"));
  EXPECT_EQ(lha.ResultAfterWork("unlha"), 1);
  EXPECT_EQ(lha.diskFree, 4096);
  EXPECT_EQ(config.For("zip32j").password, "secret");
  const LibraryConfig& other = config.For("cab32");
  EXPECT_EQ(other.version, -1);
  EXPECT_EQ(other.subVersion, -1);
  EXPECT_FALSE(other.ForcedResult("Cab").has_value());
  EXPECT_FALSE(other.ResultAfterWork("Cab").has_value());
  EXPECT_EQ(other.diskFree, -1);
}

TEST(DiskLimit, TheWriteThatDoesNotFitIsCutAndReplacedFilesGiveTheirRoomBack) {
  nativetest::ScratchDir dir;
  DiskLimit disk(HostFileSystem(), 10);
  EXPECT_TRUE(disk.WriteFile(dir / "a", "12345678"));
  EXPECT_FALSE(disk.WriteFile(dir / "b", "abcdef"));
  EXPECT_EQ(nativetest::ReadAll(dir / "b"), "ab");
  EXPECT_EQ(disk.Free(), 0u);
  // Replacing a: its 8 bytes are free again before the 3 new ones are written.
  EXPECT_TRUE(disk.WriteFile(dir / "a", "xyz"));
  EXPECT_TRUE(disk.RemoveFile(dir / "b"));
  EXPECT_EQ(disk.Free(), 7u);
  EXPECT_FALSE(disk.AppendFile(dir / "a", "0123456789"));
  EXPECT_EQ(nativetest::ReadAll(dir / "a"), "xyz0123456");
}

TEST(CallLog, AppendsLinesThatReadBack) {
  nativetest::ScratchDir dir;
  std::string log = dir / "standins.log";
  AppendLog(HostFileSystem(), log, {"unlha32", "Unlha", "x \"a b.lzh\" " + kTrailBackslashCp932});
  AppendLog(HostFileSystem(), log, {"unlha32", "UnlhaGetVersion", ""});
  auto records = ParseLog(nativetest::ReadAll(log));
  ASSERT_EQ(records.size(), 2u);
  EXPECT_EQ(records[0].entry, "Unlha");
  EXPECT_EQ(records[0].arguments, "x \"a b.lzh\" " + kTrailBackslashCp932);
  EXPECT_EQ(records[1].entry, "UnlhaGetVersion");
  EXPECT_EQ(records[1].arguments, "");
}

}  // namespace
}  // namespace standin

namespace standin {
namespace {

TEST(Szdd, RoundTripsAndRefusesDamage) {
  const std::string inputs[] = {"", "a", std::string(10000, ' '), nativetest::SampleData(50000, 21)};
  for (const auto& in : inputs) {
    std::string packed = SzddCompress(in, 'l'), out;
    EXPECT_EQ(packed.substr(0, 4), "SZDD");
    EXPECT_EQ(packed[9], 'l');
    ASSERT_TRUE(SzddExpand(packed, out)) << in.size();
    EXPECT_TRUE(out == in);
    if (in.size() > 1000) EXPECT_LT(packed.size(), in.size());
    if (!in.empty()) EXPECT_FALSE(SzddExpand(packed.substr(0, packed.size() - 1), out));
  }
  std::string out;
  EXPECT_FALSE(SzddExpand("SZDD but not really", out));
}

}  // namespace
}  // namespace standin
