// The command entries of unlha32, unzip32 and Zip32J, run on the host file system.
#include <gtest/gtest.h>

#include <filesystem>

#include "Commands.h"
#include "Formats.h"
#include "NativeSupport.h"
#include "Tokenizer.h"

namespace standin {
namespace {

using nativetest::Exists;
using nativetest::kJapaneseCp932;
using nativetest::ReadAll;
using nativetest::SampleData;
using nativetest::ScratchDir;

class CommandTest : public ::testing::Test {
 protected:
  void SetUp() override {
    env_.fs = &HostFileSystem();
    env_.standinFolder = dir_.Path();
    dir_.Write(kSfxStubName, "MZ-stub");
    a_ = SampleData(20000, 7);
    b_ = SampleData(3000, 8);
    dir_.Write("src/a.txt", a_);
    dir_.Write("src/docs/" + kJapaneseCp932 + ".txt", b_);
  }
  int Run(CommandFn fn, const std::string& line, std::string* text = nullptr) {
    Report report;
    int r = fn(env_, line, report);
    EXPECT_FALSE(report.text.empty()) << line;
    if (text) *text = report.text;
    return r;
  }
  std::vector<std::string> Paths(const IArchiveFormat& format, const std::string& archive) {
    LoadedArchive loaded;
    Report report;
    EXPECT_EQ(LoadArchive(HostFileSystem(), format, archive, loaded, report), kOk) << report.text;
    std::vector<std::string> paths;
    for (const auto& e : loaded.entries) paths.push_back(e.info.path + (e.info.isDirectory ? "/" : ""));
    return paths;
  }
  std::string Q(const std::string& s) { return "\"" + s + "\""; }

  ScratchDir dir_;
  CommandEnv env_;
  std::string a_, b_;
};

TEST_F(CommandTest, LzhCreateFromListExtractAndDelete) {
  std::string list = dir_.Write("list.txt", Q(dir_ / "src/") + " \"a.txt\"\r\ndocs\\*.*\r\n");
  std::string arc = dir_ / "out/new.lzh";
  std::filesystem::create_directories(dir_ / "out");
  ASSERT_EQ(Run(RunUnlhaCommand, "u -jm2 -h2 -a1 -x1 -r2 -jss1 " + Q(arc) + " " + Q(dir_ / "src/") + " @" + list), kOk);
  EXPECT_EQ(Paths(LzhFormat(), arc), (std::vector<std::string>{"a.txt", "docs/" + kJapaneseCp932 + ".txt"}));

  ASSERT_EQ(Run(RunUnlhaCommand, "x -c -a1 -gn0 " + Q(arc) + " " + Q(dir_ / "x/")), kOk);
  EXPECT_TRUE(ReadAll(dir_ / "x/a.txt") == a_);
  EXPECT_TRUE(ReadAll(dir_ / "x/docs/" + kJapaneseCp932 + ".txt") == b_);
  // -x0 drops the stored folders; a name without folder selects entries in any folder.
  ASSERT_EQ(Run(RunUnlhaCommand, "x -c -x0 " + Q(arc) + " " + Q(dir_ / "flat/") + " " + kJapaneseCp932 + ".txt"), kOk);
  EXPECT_TRUE(ReadAll(dir_ / "flat/" + kJapaneseCp932 + ".txt") == b_);
  EXPECT_FALSE(Exists(dir_ / "flat/a.txt"));

  std::string sel = dir_.Write("sel.txt", "\"docs/" + kJapaneseCp932 + ".txt\"\r\n");
  ASSERT_EQ(Run(RunUnlhaCommand, "d " + Q(arc) + " @" + sel), kOk);
  EXPECT_EQ(Paths(LzhFormat(), arc), (std::vector<std::string>{"a.txt"}));
  EXPECT_NE(Run(RunUnlhaCommand, "d " + Q(arc) + " nothing.txt"), kOk);
}

// The three path modes of the creation command lines.
TEST_F(CommandTest, LzhStoredPathsFollowTheListForm) {
  struct Case {
    std::string switches, list;
    std::vector<std::string> paths;
  };
  std::string src = dir_ / "src/";
  std::string docs = "docs/" + kJapaneseCp932 + ".txt";
  std::string full = dir_.Path().substr(1) + "/src/";  // stored without the root
  const Case cases[] = {
      {"-x0 -r0", Q(src + "a.txt") + "\r\n" + Q(src + "docs\\*.*"), {"a.txt", kJapaneseCp932 + ".txt"}},
      {"-x1 -r2", Q(src) + " " + Q("a.txt") + "\r\n" + Q("docs\\*.*"), {"a.txt", docs}},
      {"-x1 -r2", Q(src + "a.txt") + "\r\n" + Q(src + "docs\\*.*"), {full + "a.txt", full + docs}},
  };
  int n = 0;
  for (const auto& c : cases) {
    std::string arc = dir_ / ("p" + std::to_string(++n) + ".lzh");
    std::string list = dir_.Write("p.txt", c.list + "\r\n");
    ASSERT_EQ(Run(RunUnlhaCommand, "u -jm2 -h2 " + c.switches + " " + Q(arc) + " " + Q(dir_ / "out/") + " @" + list),
              kOk);
    EXPECT_EQ(Paths(LzhFormat(), arc), c.paths) << c.switches;
  }
}

TEST_F(CommandTest, LzhMoveRenameConvertAndSelfExtractor) {
  std::string arc = dir_ / "m.lzh";
  std::string tmp = dir_.Write("move/me.txt", "move me");
  ASSERT_EQ(Run(RunUnlhaCommand, "m -jm0 -h1 -x0 -r0 " + Q(arc) + " " + Q(tmp)), kOk);
  EXPECT_FALSE(Exists(tmp));  // moved only after the archive was written
  ASSERT_EQ(Run(RunUnlhaCommand, "n -n1 " + Q(arc) + " \"me.txt\" \"-grnew name.txt\""), kOk);
  EXPECT_EQ(Paths(LzhFormat(), arc), (std::vector<std::string>{"new name.txt"}));

  ASSERT_EQ(Run(RunUnlhaCommand, "y -h0 " + Q(arc)), kOk);
  LoadedArchive loaded;
  Report report;
  ASSERT_EQ(LoadArchive(HostFileSystem(), LzhFormat(), arc, loaded, report), kOk);
  EXPECT_EQ(loaded.entries[0].tag, 0u);  // header level 0 now

  ASSERT_EQ(Run(RunUnlhaCommand, "s -jwj3 -gu1 -gya1 " + Q(arc) + " " + Q(dir_ / "sfx/") + " -grsetup"), kOk);
  std::string exe = dir_ / "sfx/setup.exe";
  ASSERT_EQ(ReadAll(exe).rfind("MZ-stub", 0), 0u);
  EXPECT_EQ(Paths(LzhFormat(), exe), (std::vector<std::string>{"new name.txt"}));
  ASSERT_EQ(Run(RunUnlhaCommand, "y -gd1 " + Q(exe)), kOk);
  EXPECT_EQ(ReadAll(exe), ReadAll(arc));
  EXPECT_NE(Run(RunUnlhaCommand, "y -gd1 " + Q(arc)), kOk);  // not a self-extractor
}

TEST_F(CommandTest, ExtractionNeverLeavesTheDestination) {
  std::vector<NewEntry> entries(4);
  const char* names[] = {"../escape.txt", "/abs.txt", "C:/drive.txt", "fine/ok.txt"};
  for (int i = 0; i < 4; ++i) {
    entries[i].info.path = names[i];
    entries[i].data = "data";
  }
  for (const IArchiveFormat* format : {&LzhFormat(), &ZipFormat()}) {
    SCOPED_TRACE(std::string(format->Name()));
    std::string bytes, error;
    ASSERT_TRUE(format->Write("", entries, WriteOptions{}, bytes, error));
    std::string arc = dir_.Write("evil/evil." + std::string(format->Name()), bytes);
    std::string text;
    int r = format == &LzhFormat() ? Run(RunUnlhaCommand, "x -c " + Q(arc) + " " + Q(dir_ / "evil/dest/"), &text)
                                   : Run(RunUnzipCommand, "-x -o " + Q(arc) + " " + Q(dir_ / "evil/dest/"), &text);
    EXPECT_EQ(r, kErrorUnsafePath);
    EXPECT_NE(text.find("refused: ../escape.txt"), std::string::npos) << text;
    EXPECT_FALSE(Exists(dir_ / "evil/escape.txt"));
    EXPECT_FALSE(Exists("/abs.txt"));
    EXPECT_TRUE(Exists(dir_ / "evil/dest/fine/ok.txt"));
  }
}

TEST_F(CommandTest, DamagedArchivesGiveErrors) {
  std::string arc = dir_ / "d.lzh";
  ASSERT_EQ(Run(RunUnlhaCommand, "a -r2 -x1 " + Q(arc) + " " + Q(dir_ / "src/") + " a.txt"), kOk);
  std::string bytes = ReadAll(arc);
  bytes[bytes.size() / 2] ^= 0x21;
  dir_.Write("d.lzh", bytes);
  EXPECT_NE(Run(RunUnlhaCommand, "t " + Q(arc)), kOk);
  dir_.Write("junk.zip", "PK\5\6 nothing useful here");
  EXPECT_NE(Run(RunUnzipCommand, "-t " + Q(dir_ / "junk.zip")), kOk);
  EXPECT_NE(Run(RunUnzipCommand, "-l " + Q(dir_ / "missing.zip")), kOk);
}

// The "-l" layout: a path that may hold blanks, then eight blank-free columns, closed by dashes.
TEST_F(CommandTest, UnzipListingKeepsItsColumns) {
  dir_.Write("src/with blank.txt", "x");
  std::string arc = dir_ / "l.zip";
  std::string list = dir_.Write("l.txt", Q(dir_ / "src/") + " \"with blank.txt\"\r\n\"a.txt\"\r\n");
  ASSERT_EQ(Run(RunZipCommand, "-r -S -6 -v " + Q(arc) + " @" + list), kOk);
  std::string text;
  ASSERT_EQ(Run(RunUnzipCommand, "-l " + arc, &text), kOk);
  std::vector<std::string> lines;
  size_t pos = 0;
  while (pos < text.size()) {
    size_t end = text.find('\n', pos);
    lines.push_back(text.substr(pos, end - pos));
    pos = end + 1;
  }
  ASSERT_GE(lines.size(), 5u);
  EXPECT_EQ(lines[4].rfind(" --------------", 0), 0u);  // two heading lines, two entries, dashes
  auto fields = Tokenize(lines[2]);
  ASSERT_EQ(fields.size(), 10u);  // "with", "blank.txt" and eight columns
  EXPECT_EQ(fields[0] + " " + fields[1], "with blank.txt");
  EXPECT_EQ(fields[2], "1");
  EXPECT_EQ(Tokenize(lines[3])[0], "a.txt");
}

TEST_F(CommandTest, ZipEncryptionDeleteAndSelfExtractor) {
  std::string arc = dir_ / "z.zip";
  std::string list = dir_.Write("z.txt", Q(dir_ / "src/") + " \"a.txt\"\r\ndocs\\*.*\r\n");
  EXPECT_EQ(Run(RunZipCommand, "-r -e " + Q(arc) + " @" + list), kErrorPassword);
  EXPECT_FALSE(Exists(arc));
  env_.password = "secret";
  ASSERT_EQ(Run(RunZipCommand, "-r -S -9 -e " + Q(arc) + " @" + list), kOk);
  EXPECT_EQ(Paths(ZipFormat(), arc), (std::vector<std::string>{"a.txt", "docs/" + kJapaneseCp932 + ".txt"}));
  env_.password.clear();
  EXPECT_EQ(Run(RunUnzipCommand, "-x -o " + Q(arc) + " " + Q(dir_ / "nopw/")), kErrorPassword);
  EXPECT_EQ(Run(RunUnzipCommand, "-x -o -Pwrong " + Q(arc) + " " + Q(dir_ / "nopw/")), kErrorPassword);
  EXPECT_FALSE(Exists(dir_ / "nopw/a.txt"));
  ASSERT_EQ(Run(RunUnzipCommand, "-x -o -Psecret " + Q(arc) + " " + Q(dir_ / "pw/")), kOk);
  EXPECT_TRUE(ReadAll(dir_ / "pw/docs/" + kJapaneseCp932 + ".txt") == b_);

  ASSERT_EQ(Run(RunZipCommand, "-d " + Q(arc) + " a.txt"), kOk);
  EXPECT_EQ(Paths(ZipFormat(), arc).size(), 1u);

  ASSERT_EQ(Run(RunZipCommand, "--sfx=sfx32gui.dat " + Q(arc) + " " + Q(dir_ / "")), kOk);
  std::string exe = dir_ / "z.exe";
  ASSERT_TRUE(Exists(exe));
  ASSERT_EQ(Run(RunZipCommand, "-A -J " + Q(exe)), kOk);
  EXPECT_EQ(ZipFormat().Locate(ReadAll(exe)), 0);
  EXPECT_EQ(Paths(ZipFormat(), exe).size(), 1u);
}

// A disk that breaks off the first write of `target` half way, as a full disk would.
class BreakingFileSystem : public IFileSystem {
 public:
  explicit BreakingFileSystem(std::string target) : target_(std::move(target)) {}
  FileStat Stat(const std::string& p) override { return host_.Stat(p); }
  bool ReadFile(const std::string& p, std::string& b) override { return host_.ReadFile(p, b); }
  bool WriteFile(const std::string& p, const std::string& b) override {
    if (p != target_ || broken_) return host_.WriteFile(p, b);
    broken_ = true;
    host_.WriteFile(p, b.substr(0, b.size() / 2));
    return false;
  }
  bool AppendFile(const std::string& p, const std::string& b) override { return host_.AppendFile(p, b); }
  bool MakeDirectories(const std::string& p) override { return host_.MakeDirectories(p); }
  bool List(const std::string& f, std::vector<DirItem>& items) override { return host_.List(f, items); }
  bool RemoveFile(const std::string& p) override { return host_.RemoveFile(p); }
  bool RemoveFolder(const std::string& p) override { return host_.RemoveFolder(p); }
  bool SetTimeAndAttributes(const std::string& p, uint32_t t, uint32_t a) override {
    return host_.SetTimeAndAttributes(p, t, a);
  }
  std::string CurrentDirectory() override { return host_.CurrentDirectory(); }

 private:
  IFileSystem& host_ = HostFileSystem();
  std::string target_;
  bool broken_ = false;
};

TEST_F(CommandTest, AFailedRewriteLeavesTheOldArchive) {
  std::string arc = dir_ / "keep.lzh";
  ASSERT_EQ(Run(RunUnlhaCommand, "a -x1 -r2 " + Q(arc) + " " + Q(dir_ / "src/") + " *.*"), kOk);
  std::string before = ReadAll(arc);
  BreakingFileSystem disk(arc);
  env_.fs = &disk;
  EXPECT_EQ(Run(RunUnlhaCommand, "d " + Q(arc) + " a.txt"), kErrorCannotWrite);
  EXPECT_TRUE(ReadAll(arc) == before);
  std::string moved = dir_.Write("moved.txt", "stays");
  BreakingFileSystem again(arc);
  env_.fs = &again;
  EXPECT_EQ(Run(RunUnlhaCommand, "m -x0 " + Q(arc) + " " + Q(moved)), kErrorCannotWrite);
  EXPECT_TRUE(Exists(moved));  // a move deletes nothing when the archive was not written
  EXPECT_TRUE(ReadAll(arc) == before);
}

TEST_F(CommandTest, ExistingFilesAreKeptUnlessAsked) {
  std::string arc = dir_ / "k.zip";
  ASSERT_EQ(Run(RunZipCommand, "-j " + Q(arc) + " " + Q(dir_ / "src/a.txt")), kOk);
  dir_.Write("keep/a.txt", "mine");
  ASSERT_EQ(Run(RunUnzipCommand, "-x " + Q(arc) + " " + Q(dir_ / "keep/")), kOk);
  EXPECT_EQ(ReadAll(dir_ / "keep/a.txt"), "mine");
  ASSERT_EQ(Run(RunUnzipCommand, "-x -o " + Q(arc) + " " + Q(dir_ / "keep/")), kOk);
  EXPECT_TRUE(ReadAll(dir_ / "keep/a.txt") == a_);
}

}  // namespace
}  // namespace standin
