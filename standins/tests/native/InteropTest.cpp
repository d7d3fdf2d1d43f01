// Round trips with Debian's own archivers: lhasa and jlha for LZH, Info-ZIP and 7-Zip for ZIP.
#include <gtest/gtest.h>

#include "Commands.h"
#include "Cp932.h"
#include "Formats.h"
#include "NativeSupport.h"

namespace standin {
namespace {

using nativetest::Exists;
using nativetest::kJapaneseCp932;
using nativetest::ReadAll;
using nativetest::SampleData;
using nativetest::ScratchDir;
using nativetest::Sh;

class InteropTest : public ::testing::Test {
 protected:
  void SetUp() override {
    env_.fs = &HostFileSystem();
    env_.standinFolder = dir_.Path();
    files_ = {{"a.txt", SampleData(120000, 11)},
              {"sub/" + kJapaneseCp932 + ".dat", SampleData(40000, 12)},
              {"empty.txt", ""}};
    for (const auto& [name, data] : files_) dir_.Write("src/" + name, data);
  }
  int Ours(CommandFn fn, const std::string& line) {
    Report report;
    int r = fn(env_, line, report);
    EXPECT_EQ(r, kOk) << line << "\n" << report.text;
    return r;
  }
  void ExpectSameFiles(const std::string& folder) {
    for (const auto& [name, data] : files_) {
      EXPECT_TRUE(Exists(folder + "/" + name)) << folder << "/" << name;
      EXPECT_TRUE(ReadAll(folder + "/" + name) == data) << name;
    }
  }
  int Tool(const std::string& command, std::string* out = nullptr) {
    return nativetest::Run(dir_.Path(), command, out);
  }

  ScratchDir dir_;
  CommandEnv env_;
  std::vector<std::pair<std::string, std::string>> files_;
};

TEST_F(InteropTest, OurLzhIsReadByLhasaAndJlha) {
  for (const char* method : {"0", "2", "3", "4"}) {
    for (const char* level : {"0", "1", "2"}) {
      SCOPED_TRACE(std::string("method ") + method + " level " + level);
      std::string arc = dir_ / (std::string("m") + method + level + ".lzh");
      Ours(RunUnlhaCommand,
           std::string("a -jm") + method + " -h" + level + " -x1 -r2 \"" + arc + "\" \"" + dir_ / "src/" + "\" *.*");
      std::string out;
      ASSERT_EQ(Tool("lhasa t " + Sh(arc), &out), 0) << out;
      std::string dest = dir_ / (std::string("lhasa") + method + level);
      ASSERT_EQ(Tool("mkdir -p " + Sh(dest) + " && cd " + Sh(dest) + " && lhasa xq " + Sh(arc), &out), 0) << out;
      ExpectSameFiles(dest);
    }
  }
  std::string out;
  for (const char* level : {"0", "1", "2"}) {
    std::string arc = dir_ / (std::string("m2") + level + ".lzh");
    std::string dest = dir_ / (std::string("jlha") + level);
    ASSERT_EQ(
        Tool("mkdir -p " + Sh(dest) + " && cd " + Sh(dest) + " && jlha x " + Sh(arc) + " a.txt empty.txt < /dev/null",
             &out),
        0)
        << out;
    EXPECT_TRUE(ReadAll(dest + "/a.txt") == files_[0].second) << level << out;
    EXPECT_TRUE(Exists(dest + "/empty.txt")) << level;
  }
}

// jlha stores names outside ASCII as "?", so its archives are made from ASCII names here; the
// code-page-932 names go through lhasa above.
TEST_F(InteropTest, JlhaArchivesAreReadByUs) {
  std::string b = SampleData(30000, 13);
  dir_.Write("ascii/a.txt", files_[0].second);
  dir_.Write("ascii/sub/b.txt", b);
  dir_.Write("ascii/empty.txt", "");
  std::string out;
  for (const char* options : {"o5", "o6", "o7", "z", "o51", "o50"}) {
    SCOPED_TRACE(options);
    std::string arc = dir_ / (std::string("theirs_") + options + ".lzh");
    ASSERT_EQ(
        Tool("cd ascii && jlha a" + std::string(options) + " " + Sh(arc) + " a.txt sub empty.txt < /dev/null", &out), 0)
        << out;
    std::string dest = dir_ / (std::string("ours_") + options + "/");
    Ours(RunUnlhaCommand, "x -c \"" + arc + "\" \"" + dest + "\"");
    EXPECT_TRUE(ReadAll(dest + "a.txt") == files_[0].second);
    EXPECT_TRUE(Exists(dest + "empty.txt"));
    EXPECT_TRUE(ReadAll(dest + "sub/b.txt") == b);
  }
}

TEST_F(InteropTest, OurZipPassesUnzipAnd7z) {
  std::string list = dir_.Write("list.txt", "\"" + dir_ / "src/" + "\" \"a.txt\"\r\nsub\\*.*\r\nempty.txt\r\n");
  for (const char* level : {"0", "6", "9e"}) {
    SCOPED_TRACE(level);
    std::string arc = dir_ / (std::string("ours") + level + ".zip");
    std::string password = level[1] == 'e' ? "sesame" : "";
    env_.password = password;
    Ours(RunZipCommand, std::string("-r -") + level[0] + (password.empty() ? "" : " -e") + " \"" + arc + "\" @" + list);
    std::string out, pw = password.empty() ? "" : " -P " + password;
    EXPECT_EQ(Tool("unzip -t" + pw + " " + Sh(arc), &out), 0) << out;
    EXPECT_EQ(Tool("7zz t" + (password.empty() ? std::string() : " -p" + password) + " " + Sh(arc), &out), 0) << out;
    // Info-ZIP's unzip here turns names into an OEM code page; 7-Zip keeps code page 932 with -mcp.
    std::string dest = dir_ / (std::string("7z") + level);
    ASSERT_EQ(Tool("7zz x -y -mcp=932" + (password.empty() ? std::string() : " -p" + password) + " -o" + Sh(dest) +
                       " " + Sh(arc),
                   &out),
              0)
        << out;
    ExpectSameFiles(dest);
    EXPECT_EQ(Tool("unzip -p" + pw + " " + Sh(arc) + " a.txt | cmp - " + Sh(dir_ / "src/a.txt"), &out), 0) << out;
  }
}

TEST_F(InteropTest, InfoZipArchivesReadBackIdentically) {
  struct Case {
    const char* name;
    std::string command;  // run in src, making the archive
    std::string password;
  };
  const Case cases[] = {
      {"plain", "zip -q -r ../c.zip .", ""},
      {"stored", "zip -q -0 -r ../c.zip .", ""},
      {"encrypted", "zip -q -r -P sesame ../c.zip .", "sesame"},
      {"zip64", "zip -q -fz -r ../c.zip .", ""},
      {"descriptors", "zip -q -fd -r ../c.zip .", ""},
      {"7z utf8", "7zz a -tzip -mcu=on ../c.zip . > /dev/null", ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    std::string out;
    Tool("rm -f c.zip");
    std::string src = dir_ / "src";
    if (std::string(c.name) == "7z utf8") {
      // A UTF-8 name on disk, stored with the UTF-8 flag, must come back in code page 932.
      Tool("cp -r src srcu && cd srcu/sub && mv " + Sh(kJapaneseCp932 + ".dat") + " \"$(printf '%s' " +
           Sh(kJapaneseCp932) + " | iconv -f CP932 -t UTF-8).dat\"");
      src = dir_ / "srcu";
    }
    ASSERT_EQ(nativetest::Run(src, c.command, &out), 0) << out;
    std::string dest = dir_ / (std::string("x_") + c.name + "/");
    Ours(RunUnzipCommand, "-x -o " + (c.password.empty() ? "" : "-P" + c.password + " ") + "\"" + dir_ / "c.zip" +
                              "\" \"" + dest + "\"");
    ExpectSameFiles(dest.substr(0, dest.size() - 1));
  }
}

}  // namespace
}  // namespace standin
