// The fixture tools and the tar32 and cab32 commands, run on a scratch folder.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

#include "FileSystem.h"
#include "FormatTestUtil.h"
#include "CabCommand.h"
#include "FixtureCommand.h"
#include "FixtureFormat.h"
#include "TarCommand.h"
#include "TarCodec.h"
#include "TarFormat.h"
#include "CabCodec.h"
#include "Formats.h"

using namespace standin;
using namespace format_test;

namespace {

class FixtureCommands : public ::testing::Test {
 protected:
  void SetUp() override {
    Shell("mkdir -p " + Quote(d / "src/docs") + " " + Quote(d / "stand"));
    WriteAll(d / "src/a.txt", "alpha");
    WriteAll(d / "src/docs/b.txt", TextData(600));
    WriteAll(d / "src/docs/c.txt", TextData(700));
    WriteAll(d / "list.txt", "a.txt\r\ndocs\\b.txt\r\ndocs\\c.txt\r\n");
    WriteAll(d / "stand/tvsfx.exe", "MZ stub");
    env.fs = &HostFileSystem();
    env.standinFolder = d / "stand";
  }

  int Fixture(const std::string& type, const fixture::Request& r) {
    report = Report{};
    return fixture::Run(env, type, r, report);
  }
  fixture::Archive Read(const std::string& path) {
    fixture::Archive a;
    std::string err;
    EXPECT_TRUE(fixture::Parse(ReadAll(path), a, err)) << path << ": " << err;
    return a;
  }
  std::vector<std::string> Paths(const fixture::Archive& a) {
    std::vector<std::string> p;
    for (const auto& e : a.entries) p.push_back(e.path);
    return p;
  }
  // Creates d/arc.<ext> with the three files through the tool's own syntax.
  void Create(const std::string& type, fixture::Request (*parse)(const std::string&), const std::string& line) {
    ASSERT_EQ(0, Fixture(type, parse(line))) << report.text;
  }

  ScratchDir d;
  CommandEnv env;
  Report report;
};

// The program's reading of an ace.exe listing: fields cut from the right, the
// column bar is byte 0xB3.
struct AceRow {
  std::string name, folder, ratio, size, packed, time, date;
};
std::vector<AceRow> CutAceListing(std::string text) {
  auto trim = [](std::string s) {
    s.erase(0, s.find_first_not_of(' '));
    s.erase(s.find_last_not_of(' ') + 1);
    return s;
  };
  auto last = [&](std::string& line, char sep) {
    size_t p = line.rfind(sep);
    std::string f = line.substr(p + 1);
    line = trim(line.substr(0, p + 1));
    return f;
  };
  std::vector<AceRow> rows;
  size_t at = text.find("\nDate    ");
  EXPECT_NE(std::string::npos, at);
  size_t pos = text.find('\n', text.find('\n', at + 1) + 1) + 1;
  for (;;) {
    size_t nl = text.find('\n', pos);
    std::string line = trim(text.substr(pos, nl - pos - 1));
    if (line.empty()) break;
    pos = nl + 1;
    AceRow r;
    r.name = last(line, ' ');
    size_t sep = r.name.find_last_of("\\/");
    if (sep != std::string::npos) r.folder = r.name.substr(0, sep + 1), r.name = r.name.substr(sep + 1);
    r.ratio = last(line, ' '), r.ratio.pop_back();
    r.size = last(line, ' '), r.size.pop_back();
    r.packed = last(line, ' '), r.packed.pop_back();
    line.pop_back();
    r.time = last(line, '\xB3');
    line.pop_back();
    r.date = trim(line);
    rows.push_back(r);
  }
  return rows;
}

}  // namespace

TEST_F(FixtureCommands, AceCreatesAndListsInTheColumnsTheProgramCuts) {
  Create("ACE", fixture::ParseAce, "a -m3 " + d / "arc.ace " + d / "src/ @" + d / "list.txt");
  EXPECT_EQ((std::vector<std::string>{"a.txt", "docs/b.txt", "docs/c.txt"}), Paths(Read(d / "arc.ace")));
  ASSERT_EQ(0, Fixture("ACE", fixture::ParseAce("l " + d / "arc.ace"))) << report.text;
  std::vector<AceRow> rows = CutAceListing(report.text);
  ASSERT_EQ(3u, rows.size());
  EXPECT_EQ("a.txt", rows[0].name);
  EXPECT_EQ("", rows[0].folder);
  EXPECT_EQ("c.txt", rows[2].name);
  EXPECT_EQ("docs\\", rows[2].folder);
  EXPECT_EQ("700", rows[2].size);
  EXPECT_EQ("700", rows[2].packed);
  EXPECT_EQ("100%", rows[2].ratio);
  EXPECT_EQ(5u, rows[2].time.size());
  EXPECT_EQ(10u, rows[2].date.size());
}

TEST_F(FixtureCommands, JarListsOneBlockPerFolderEndingWithTheTotal) {
  Create("JAR", fixture::ParseJar, "a -jf -r -m2 " + d / "arc.j " + d / "src/ @" + d / "list.txt");
  ASSERT_EQ(0, Fixture("JAR", fixture::ParseJar("l " + d / "arc.j"))) << report.text;
  const std::string& t = report.text;
  size_t root = t.find("Root directory:\r\n");
  size_t docs = t.find("\"docs\" directory:\r\n");
  size_t total = t.find("Total files: 3\r\n");
  ASSERT_NE(std::string::npos, root);
  ASSERT_NE(std::string::npos, docs);
  ASSERT_NE(std::string::npos, total);
  EXPECT_LT(root, docs);
  EXPECT_NE(std::string::npos, t.find(" a.txt\r\n\"docs\""));  // no heading lines after a later folder line
  EXPECT_NE(std::string::npos, t.find("       700 ---A "));
}

TEST_F(FixtureCommands, ExtractionNeverLeavesTheDestination) {
  const std::vector<std::string> evil = {"../up.txt", "/abs.txt", "C:/drive.txt", "sub/../../sneak.txt", "ok/fine.txt"};
  std::string fixtureText = "TVFIXTURE 1 ACE\n";
  std::vector<tar::Entry> tarEntries;
  std::vector<cab::Entry> cabEntries;
  for (const std::string& name : evil) {
    fixtureText += "entry " + name + "\ndata fine\n";
    tar::Entry t;
    t.name = name;
    t.data = Bytes("fine");
    tarEntries.push_back(t);
    cab::Entry c;
    c.name = name;
    for (char& ch : c.name)
      if (ch == '/') ch = '\\';
    c.data = Bytes("fine");
    cabEntries.push_back(c);
  }
  WriteAll(d / "evil.ace", fixtureText);
  std::vector<uint8_t> tarBytes = tar::BuildTar(tarEntries);
  WriteAll(d / "evil.tar", std::string(tarBytes.begin(), tarBytes.end()));
  std::vector<std::vector<uint8_t>> cabs;
  std::string err;
  ASSERT_TRUE(cab::WriteCabinets(
      cabEntries, {}, [](int) { return std::string(); }, cabs, err));
  WriteAll(d / "evil.cab", std::string(cabs[0].begin(), cabs[0].end()));

  struct Case {
    const char* what;
    std::function<int(const std::string& dest)> run;
  };
  const Case cases[] = {
      {"ace.exe",
       [&](const std::string& dest) { return Fixture("ACE", fixture::ParseAce("x -y " + d / "evil.ace " + dest)); }},
      {"tar32",
       [&](const std::string& dest) { return tar::TarCommand(env, "-xvf " + d / "evil.tar " + dest, report); }},
      {"cab32",
       [&](const std::string& dest) { return cab::CabCommand(env, "-x -o " + d / "evil.cab " + dest, report); }},
  };
  for (const Case& c : cases) {
    std::string dest = d / (std::string("out-") + c.what + "/inner/");
    report = Report{};
    EXPECT_EQ(kErrorUnsafePath, c.run(dest)) << c.what << ": " << report.text;
    EXPECT_EQ("fine", ReadAll(dest + "ok/fine.txt")) << c.what;
    EXPECT_NE(std::string::npos, report.text.find("refused")) << c.what;
  }
  EXPECT_EQ(0, Shell("test $(find " + Quote(d.Path()) +
                     " -name '*.txt' | grep -c -e up.txt -e abs.txt -e drive.txt -e sneak.txt) = 0"));
}

TEST_F(FixtureCommands, DeleteAndRenameRewriteTheFixture) {
  Create("BH", fixture::ParseBh, "a -d1 -r1 " + d / "arc.bh " + d / "src/ @" + d / "list.txt");
  WriteAll(d / "del.txt", "docs\\b.txt\r\n");
  ASSERT_EQ(0, Fixture("BH", fixture::ParseBh("d " + d / "arc.bh @" + d / "del.txt"))) << report.text;
  ASSERT_EQ(0, Fixture("BH", fixture::ParseBh("r " + d / "arc.bh a.txt z.txt"))) << report.text;
  EXPECT_EQ((std::vector<std::string>{"z.txt", "docs/c.txt"}), Paths(Read(d / "arc.bh")));
  Create("BGA", fixture::ParseBga, "a -m1 -l9 -r " + d / "arc.gza " + d / "src/ @" + d / "list.txt");
  ASSERT_EQ(0, Fixture("BGA", fixture::ParseBga("n " + d / "arc.gza a.txt -fy.txt"))) << report.text;
  EXPECT_EQ("y.txt", Read(d / "arc.gza").entries[0].path);
  EXPECT_EQ(kErrorNoFiles, Fixture("BGA", fixture::ParseBga("n " + d / "arc.gza missing.txt -fq.txt")));
}

// A name given with its folder: "-ep1" of rar and ace stores what it finds relative to that folder, as yz2
// does with its one item; without it the whole path goes in.
TEST_F(FixtureCommands, NamesRelativeToTheFolderTheyWereGivenIn) {
  const std::string contents = d / "src/*.*";
  auto sorted = [&](const std::string& archive) {
    std::vector<std::string> paths = Paths(Read(archive));
    std::sort(paths.begin(), paths.end());
    return paths;
  };
  const std::vector<std::string> below = {"a.txt", "docs/", "docs/b.txt", "docs/c.txt"};
  Create("RAR", fixture::ParseRarTool, "a -ep1 -r " + d / "x.rar " + contents);
  EXPECT_EQ(below, sorted(d / "x.rar"));
  Create("ACE", fixture::ParseAce, "a -ep1 " + d / "x.ace " + contents);
  EXPECT_EQ(below, sorted(d / "x.ace"));
  Create("YZ2", fixture::ParseYz2, "f -c -j -m " + d / "x.yz2 " + contents);
  EXPECT_EQ(below, sorted(d / "x.yz2"));
  Create("YZ2", fixture::ParseYz2, "f -c -j -m " + d / "one.yz2 " + d / "src/docs/b.txt");
  EXPECT_EQ((std::vector<std::string>{"b.txt"}), Paths(Read(d / "one.yz2")));
  Create("RAR", fixture::ParseRarTool, "a -r " + d / "whole.rar " + contents);
  for (const std::string& path : Paths(Read(d / "whole.rar"))) EXPECT_NE(path.find("src/"), std::string::npos) << path;
}

TEST_F(FixtureCommands, RarVolumesCarryTheContinuationFlag) {
  Create("RAR", fixture::ParseRarTool, "a -r -m3 -v1 " + d / "ARC.RAR " + d / "src/ @" + d / "list.txt");
  fixture::Archive first = Read(d / "ARC.RAR");
  // About 1000 bytes a volume: a.txt and b.txt, then c.txt.
  ASSERT_TRUE(Exists(d / "ARC.r00"));
  EXPECT_FALSE(Exists(d / "ARC.r01"));
  EXPECT_EQ((std::vector<std::string>{"a.txt", "docs/b.txt"}), Paths(first));
  EXPECT_EQ(2u, first.entries.back().flags & 2);
  EXPECT_EQ(0u, Read(d / "ARC.r00").entries.back().flags & 2);
}

TEST_F(FixtureCommands, RarStoresTheNamesUnderTheFolderItsApSwitchGives) {
  Create("RAR", fixture::ParseRarTool, "a -ep1 -r \"-apmy data\\\" " + d / "arc.rar " + d / "src/ @" + d / "list.txt");
  EXPECT_EQ((std::vector<std::string>{"my data/a.txt", "my data/docs/b.txt", "my data/docs/c.txt"}),
            Paths(Read(d / "arc.rar")));
}

TEST_F(FixtureCommands, SelfExtractorsAreTheStubWithTheArchive) {
  Create("ARJ", fixture::ParseArj, "a -a -je1 -m1 -e1 -r " + d / "NEW.ARJ " + d / "src/ !" + d / "list.txt");
  EXPECT_FALSE(Exists(d / "NEW.ARJ"));  // asked for a program, the tool leaves only the program
  std::string exe = ReadAll(d / "NEW.exe");
  EXPECT_EQ(0u, exe.rfind("MZ stub", 0));
  EXPECT_GT(fixture::Format("ARJ").Locate(exe), 0);

  Create("RAR", fixture::ParseRarTool, "a -ep " + d / "x.rar " + d / "src/ @" + d / "list.txt");
  ASSERT_EQ(0, Fixture("RAR", fixture::ParseRarTool("s " + d / "x.rar"))) << report.text;
  EXPECT_TRUE(Exists(d / "x.rar"));
  EXPECT_GT(fixture::Format("RAR").Locate(ReadAll(d / "x.exe")), 0);

  Shell("rm " + Quote(d / "stand/tvsfx.exe"));
  EXPECT_NE(0, Fixture("RAR", fixture::ParseRarTool("s " + d / "x.rar")));
}

TEST_F(FixtureCommands, IshEncodesEachFileUnderItsNameUpToTheFirstDot) {
  WriteAll(d / "src/b", "no dot");
  Shell("mkdir -p " + Quote(d / "out"));
  ASSERT_EQ(0, Fixture("ISH", fixture::ParseIsh("/ss /m /F=" + d / "out/ " + d / "src/a.txt"))) << report.text;
  ASSERT_EQ(0, Fixture("ISH", fixture::ParseIsh("/s7 /u /F=" + d / "out/ " + d / "src/b"))) << report.text;
  EXPECT_EQ("alpha", Read(d / "out/a.ISH").entries[0].data);
  EXPECT_EQ("no dot", Read(d / "out/ISH").entries[0].data);
  ASSERT_EQ(0, Fixture("ISH", fixture::ParseIsh("/a /F=" + d / "dec/ " + d / "out/a.ISH"))) << report.text;
  EXPECT_EQ("alpha", ReadAll(d / "dec/a.txt"));
}

TEST_F(FixtureCommands, SevenZipWithZipTypeWritesARealZip) {
  Create("7Z", fixture::ParseSevenZip, "u -r -tzip " + d / "arc.zip " + d / "src/ @" + d / "list.txt");
  LoadedArchive zip;
  ASSERT_EQ(0, LoadArchive(HostFileSystem(), ZipFormat(), d / "arc.zip", zip, report)) << report.text;
  EXPECT_EQ(3u, zip.entries.size());
  EXPECT_EQ(0, Shell("unzip -tq " + Quote(d / "arc.zip") + " > /dev/null"));
}

TEST_F(FixtureCommands, UnknownCommandsAndMissingArchivesFail) {
  struct Case {
    const char* type;
    fixture::Request (*parse)(const std::string&);
    std::string line;
    int result;
  };
  const Case cases[] = {
      {"RAR", fixture::ParseRarTool, "q " + d / "x.rar", kErrorCommand},
      {"RAR", fixture::ParseRarLibrary, "-x " + d / "none.rar " + d / "out/", kErrorCannotRead},
      {"ACE", fixture::ParseAce, "a " + d / "x.ace @" + d / "nolist.txt", kErrorCannotRead},
      {"GCA", fixture::ParseGca, "", kErrorCommand},
      {"ISH", fixture::ParseIsh, "/m " + d / "src/a.txt", kErrorCommand},
  };
  for (const Case& c : cases) EXPECT_EQ(c.result, Fixture(c.type, c.parse(c.line))) << c.line;
}

TEST_F(FixtureCommands, TarCommandCreatesTgzReadByGnuTarAndExtractsFlat) {
  ASSERT_EQ(0,
            tar::TarCommand(env, " --use-directory=1 -cvfz9 " + d / "a.tgz " + d / "src/ @" + d / "list.txt", report))
      << report.text;
  EXPECT_EQ(0, Shell("tar -tzf " + Quote(d / "a.tgz") + " | grep -qx 'docs/c.txt'"));
  ASSERT_EQ(0, tar::TarCommand(env, "--use-directory=0 -xvf " + d / "a.tgz " + d / "flat/", report)) << report.text;
  ASSERT_EQ(0, tar::TarCommand(env, "-cvfB9 " + d / "a.tbz " + d / "src/ @" + d / "list.txt", report)) << report.text;
  EXPECT_EQ(tar::kTypeTbz, tar::ArchiveTypeOf(ReadAll(d / "a.tbz")));
  ASSERT_EQ(0, tar::TarCommand(env, "-xvf " + d / "a.tbz " + d / "tbz/", report)) << report.text;
  EXPECT_EQ(TextData(600), ReadAll(d / "tbz/docs/b.txt"));
  EXPECT_EQ(TextData(700), ReadAll(d / "flat/c.txt"));
  EXPECT_EQ(0, tar::TarCommand(env, "tif " + d / "a.tgz", report));
  WriteAll(d / "bad.tgz", ReadAll(d / "a.tgz").substr(0, 60));
  EXPECT_NE(0, tar::TarCommand(env, "tif " + d / "bad.tgz", report));
  EXPECT_NE(0, tar::TarCommand(env, "-xvf " + d / "bad.tgz " + d / "x/", report));
}

TEST_F(FixtureCommands, CabCommandWritesNumberedVolumesAndExtractsTheSet) {
  WriteAll(d / "src/docs/n.bin", NoiseData(3000, 1));
  WriteAll(d / "list2.txt", "a.txt\r\ndocs\\b.txt\r\ndocs\\n.bin\r\ndocs\\c.txt\r\n");
  ASSERT_EQ(0, cab::CabCommand(env, "-a -r -v:2 -mz " + d / "New.cab " + d / "src/ @" + d / "list2.txt", report))
      << report.text;
  EXPECT_FALSE(Exists(d / "New.cab"));
  ASSERT_TRUE(Exists(d / "New01.cab"));
  ASSERT_TRUE(Exists(d / "New02.cab"));
  ASSERT_EQ(0, cab::CabCommand(env, "-x -o -j -k " + d / "New01.cab " + d / "out/ *.*", report)) << report.text;
  EXPECT_EQ(NoiseData(3000, 1), ReadAll(d / "out/n.bin"));
  EXPECT_EQ(TextData(700), ReadAll(d / "out/c.txt"));
  EXPECT_EQ(0, Shell("cabextract -q -t " + Quote(d / "New01.cab") + " >/dev/null"));
}
