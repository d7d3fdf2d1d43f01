// The console archivers: staged creation, printed listings, log and configuration.
#include <gtest/gtest.h>

#include "FixtureWinSupport.h"

using namespace fixture_win;
using standintest::Cp932;
using standintest::Library;
using standintest::StandinEnv;
using standintest::Wide;
using testsupport::FileExists;
using testsupport::ReadFileBytes;
using testsupport::TempDir;

namespace {

void MakeSources(const TempDir& dir) {
  dir.WriteFile(L"src\\a.txt", "alpha");
  dir.WriteFile(L"src\\docs\\b.txt", "bravo");
  WriteList(dir, L"list.txt", L"a.txt\r\ndocs\\b.txt\r\n");
}

std::wstring Q(const std::wstring& path) { return L"\"" + path + L"\""; }

}  // namespace

TEST(ConsoleTools, RarCreatesTheStagedArchiveAndLogsItsLine) {
  TempDir dir;
  StandinEnv setup(dir);
  MakeSources(dir);
  std::string out;
  std::wstring args =
      L"a -r -m3 -md256 " + (dir / L"$NEW0004.RAR") + L" " + (dir / L"src\\") + L" @" + (dir / L"list.txt");
  ASSERT_EQ(0, RunTool(L"rar.exe", args, out)) << out;
  std::string rar = ReadFileBytes(dir / L"$NEW0004.RAR");
  EXPECT_EQ(0u, rar.rfind("TVFIXTURE 1 RAR", 0));
  EXPECT_NE(std::string::npos, rar.find("entry docs/b.txt"));
  EXPECT_NE(std::string::npos, out.find("docs/b.txt"));
  EXPECT_TRUE(Logged(setup.Log(), "rar", Cp932(args)));
}

TEST(ConsoleTools, AceAndJarPrintTheirListingLayouts) {
  TempDir dir;
  StandinEnv setup(dir);
  MakeSources(dir);
  std::string out;
  ASSERT_EQ(0, RunTool(L"ace.exe", L"a -m3 " + (dir / L"A.ACE") + L" " + (dir / L"src\\") + L" @" + (dir / L"list.txt"),
                       out));
  ASSERT_EQ(0, RunTool(L"ace.exe", L"l " + (dir / L"A.ACE"), out));
  EXPECT_NE(std::string::npos, out.find("\r\nDate    "));
  EXPECT_NE(std::string::npos, out.find("\xB3 a.txt\r\n"));
  EXPECT_NE(std::string::npos, out.find("\xB3 docs\\b.txt\r\n\r\n"));  // an empty line ends the rows

  ASSERT_EQ(0, RunTool(L"jar32.exe",
                       L"a -jf -r -m2 " + (dir / L"a.j") + L" " + (dir / L"src\\") + L" @" + (dir / L"list.txt"), out));
  ASSERT_EQ(0, RunTool(L"jar32.exe", L"l " + (dir / L"a.j"), out));
  EXPECT_NE(std::string::npos, out.find("Root directory:\r\n"));
  EXPECT_NE(std::string::npos, out.find("\"docs\" directory:\r\n"));
  EXPECT_NE(std::string::npos, out.find("Total files: 2\r\n"));
}

TEST(ConsoleTools, JarAndAceExtractWhereTheProgramSays) {
  TempDir dir;
  StandinEnv setup(dir);
  MakeSources(dir);
  std::string out;
  ASSERT_EQ(0, RunTool(L"jar32.exe",
                       L"a -jf -r " + (dir / L"a.j") + L" " + (dir / L"src\\") + L" @" + (dir / L"list.txt"), out));
  ASSERT_EQ(0, RunTool(L"jar32.exe", L"x -y " + (dir / L"a.j") + L" -o" + (dir / L"jx\\"), out)) << out;
  EXPECT_EQ("bravo", ReadFileBytes(dir / L"jx\\docs\\b.txt"));
  ASSERT_EQ(0,
            RunTool(L"ace.exe", L"a " + (dir / L"a.ace") + L" " + (dir / L"src\\") + L" @" + (dir / L"list.txt"), out));
  ASSERT_EQ(0, RunTool(L"ace.exe", L"e -o -y " + (dir / L"a.ace") + L" " + (dir / L"ae\\"), out)) << out;
  EXPECT_EQ("bravo", ReadFileBytes(dir / L"ae\\b.txt"));
}

TEST(ConsoleTools, ArjWritesTheSelfExtractingProgramItWasAskedFor) {
  TempDir dir;
  StandinEnv setup(dir);
  MakeSources(dir);
  std::string out;
  WriteList(dir, L"arj.lst", L"a.txt\r\n");
  ASSERT_EQ(
      0, RunTool(L"arj.exe",
                 L"a -a -je1 -m1 -e " + (dir / L"$NEW0004.ARJ") + L" " + (dir / L"src\\") + L" !" + (dir / L"arj.lst"),
                 out))
      << out;
  EXPECT_TRUE(FileExists(dir / L"$NEW0004.exe"));
  EXPECT_EQ(0u, ReadFileBytes(dir / L"$NEW0004.exe").rfind("MZ", 0));
}

TEST(ConsoleTools, GcacTakesItsListBehindO) {
  TempDir dir;
  StandinEnv setup(dir);
  MakeSources(dir);
  dir.WriteFile(L"my list.txt", "a.txt\r\n");
  std::string out;
  ASSERT_EQ(
      0,
      RunTool(L"gcac.exe",
              L"a -v " + Q(dir / L"n.gca") + L" " + Q(dir / L"src\\") + L" " + Q(L"-o" + (dir / L"my list.txt")), out))
      << out;
  EXPECT_NE(std::string::npos, ReadFileBytes(dir / L"n.gca").find("entry a.txt"));
}

TEST(ConsoleTools, ConfigurationForcesResultAndPrintedText) {
  TempDir dir;
  StandinEnv setup(dir, "[rar]\r\nResult.rar=7\r\nOutput.rar=canned\\nlines\r\n");
  std::string out;
  EXPECT_EQ(7, RunTool(L"rar.exe", L"a " + (dir / L"x.rar") + L" @" + (dir / L"none.txt"), out));
  EXPECT_EQ("canned\r\nlines", out);
  EXPECT_FALSE(FileExists(dir / L"x.rar"));
  EXPECT_NE(0, RunTool(L"ace.exe", L"l " + (dir / L"missing.ace"), out));
}
