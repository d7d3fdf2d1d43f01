// The fixture-backed libraries, each with the calls and switches the program sends.
#include <gtest/gtest.h>

#include <sstream>

#include "../../dll/ArchiverDll.h"
#include "FixtureWinSupport.h"

using namespace fixture_win;
using standintest::Cp932;
using standintest::Library;
using standintest::StandinEnv;
using standintest::Wide;
using testsupport::ReadFileBytes;
using testsupport::TempDir;

namespace {

using standintest::CheckFn;
using standintest::CloseFn;
using standintest::FindFirstFn;
using standintest::FindNextFn;
using standintest::OpenFn;
using standintest::VersionFn;

std::string Fixture(const std::string& type, const std::string& extra = {}) {
  return "TVFIXTURE 1 " + type + "\r\n" + extra +
         "entry docs/readme.txt\r\nsize 1234\r\npacked 617\r\ndate 2024-03-05\r\ntime 12:34:56\r\n"
         "method -x5-\r\nattr A\r\ndata hello\r\nend\r\nentry top.bin\r\ndata 12\r\nend\r\n";
}

struct Lib {
  const wchar_t* file;
  const char* prefix;
  const char* type;
  char separator;
  const char* extract;  // with {A} archive and {D} destination, as the program builds it
  bool keepsFolders;
};

const Lib kLibs[] = {
    {L"7-zip32.dll", "SevenZip", "7Z", '/', "x -y {A} -o{D}", true},
    {L"unrar32.dll", "Unrar", "RAR", '\\', "-x {A} {D}", true},
    {L"unarj32j.dll", "Unarj", "ARJ", '\\', "x -f+ -hn0 {A} {D}", true},
    {L"bga32.dll", "Bga", "BGA", '\\', "x -o {A} {D}", true},
    {L"ungca32.dll", "UnGCA", "GCA", '/', "ex -xx1 {A} {D}", true},
    {L"unimp32.dll", "UnImp", "IMP", '/', "x -r1 -n0 -u1 {A} {D} *.*", true},
    {L"Bh32.dll", "Bh", "BH", '\\', "e -o1 -d1 -r1 {A} {D}", true},
    {L"Yz1.dll", "Yz1", "YZ1", '\\', "x -x1 {A} {D}", true},
    {L"Yz2.dll", "Yz2", "YZ2", '\\', "m -c -j {A} {D}", false},
    {L"unbel32.dll", "Unbel", "BEL", '\\', "{A} {D}", true},
};

std::string Fill(std::string pattern, const std::string& a, const std::string& d) {
  pattern.replace(pattern.find("{A}"), 3, a);
  pattern.replace(pattern.find("{D}"), 3, d);
  return pattern;
}

}  // namespace

TEST(FixtureLibraries, EnumerateTheFixtureIntoTheEntryRecord) {
  TempDir dir;
  StandinEnv setup(dir);
  for (const Lib& l : kLibs) {
    if (std::string(l.type) == "BEL") continue;  // enumerated by its own first find, below
    SCOPED_TRACE(l.type);
    Library lib(l.file);
    ASSERT_TRUE(lib.Loaded());
    std::string p = l.prefix;
    EXPECT_NE(0, lib.Get<VersionFn>((p + "GetVersion").c_str())());
    std::string arc = Cp932(dir.WriteFile(std::wstring(L"a.") + Wide(l.type), Fixture(l.type)));
    HANDLE h = lib.Get<OpenFn>((p + "OpenArchive").c_str())(nullptr, arc.c_str(), 1);
    ASSERT_NE(nullptr, h);
    standin::IndividualInfo info{};
    ASSERT_EQ(0, lib.Get<FindFirstFn>((p + "FindFirst").c_str())(h, "*", &info));
    EXPECT_EQ(std::string("docs") + l.separator + "readme.txt", info.szFileName);
    EXPECT_EQ(1234u, info.dwOriginalSize);
    EXPECT_EQ(617u, info.dwCompressedSize);
    EXPECT_EQ(500, info.wRatio);
    EXPECT_EQ((44 << 9) | (3 << 5) | 5, info.wDate);
    EXPECT_EQ((12 << 11) | (34 << 5) | 28, info.wTime);
    EXPECT_STREQ("-x5-", info.szMode);
    info = standin::IndividualInfo{};
    ASSERT_EQ(0, lib.Get<FindNextFn>((p + "FindNext").c_str())(h, &info));
    EXPECT_STREQ("top.bin", info.szFileName);
    EXPECT_NE(0, lib.Get<FindNextFn>((p + "FindNext").c_str())(h, &info));
    lib.Get<CloseFn>((p + "CloseArchive").c_str())(h);
    // Another library's fixture is not an archive of this type.
    std::string other = Cp932(dir.WriteFile(L"other.fx", Fixture(std::string(l.type) == "RAR" ? "ACE" : "RAR")));
    EXPECT_EQ(nullptr, lib.Get<OpenFn>((p + "OpenArchive").c_str())(nullptr, other.c_str(), 1));
  }
}

TEST(FixtureLibraries, ExtractWithTheSwitchesTheProgramSends) {
  for (const Lib& l : kLibs) {
    SCOPED_TRACE(l.type);
    TempDir dir;
    StandinEnv setup(dir);
    Library lib(l.file);
    std::string arc = Cp932(dir.WriteFile(L"a.arc", Fixture(l.type))), out;
    std::string dest = Cp932(dir / L"out\\");
    ASSERT_EQ(0, lib.Command(l.prefix, Fill(l.extract, arc, dest), &out)) << out;
    EXPECT_FALSE(out.empty());
    EXPECT_EQ("hello", ReadFileBytes(dir / (l.keepsFolders ? L"out\\docs\\readme.txt" : L"out\\readme.txt")));
    EXPECT_TRUE(Logged(setup.Log(), l.prefix, Fill(l.extract, arc, dest)));
  }
}

TEST(FixtureLibraries, PasswordArchivesAnswerTwoToTheCheck) {
  TempDir dir;
  StandinEnv setup(dir);
  for (const char* name : {"Yz1", "Yz2"}) {
    SCOPED_TRACE(name);
    Library lib((Wide(name) + L".dll").c_str());
    std::string type = std::string(name) == "Yz1" ? "YZ1" : "YZ2";
    std::string plain = Cp932(dir.WriteFile(L"plain." + Wide(type), Fixture(type)));
    std::string locked = Cp932(dir.WriteFile(L"locked." + Wide(type), Fixture(type, "password pw\r\n")));
    auto check = lib.Get<CheckFn>((std::string(name) + "CheckArchive").c_str());
    ASSERT_NE(nullptr, check);
    EXPECT_EQ(1, check(plain.c_str(), 16));
    EXPECT_EQ(2, check(locked.c_str(), 256));
    EXPECT_EQ(0, check(Cp932(dir / L"missing.yz").c_str(), 16));
  }
  Library yz1(L"Yz1.dll");
  std::string locked = Cp932(dir / L"locked.YZ1");
  HANDLE h = yz1.Get<OpenFn>("Yz1OpenArchive")(nullptr, locked.c_str(), 1);
  ASSERT_NE(nullptr, h);
  using SetPasswordFn = int(WINAPI*)(HANDLE, LPCSTR);
  EXPECT_EQ(0, yz1.Get<SetPasswordFn>("Yz1SetDefaultPassword")(h, "pw"));
  yz1.Get<CloseFn>("Yz1CloseArchive")(h);
  EXPECT_TRUE(Logged(setup.Log(), "Yz1SetDefaultPassword", "pw"));
}

TEST(FixtureLibraries, BelFirstFindAnswersNonZeroForItsEntry) {
  TempDir dir;
  StandinEnv setup(dir);
  Library bel(L"unbel32.dll");
  auto first = bel.Get<FindFirstFn>("UnbelFindFirst");
  ASSERT_NE(nullptr, first);
  std::string arc = Cp932(dir.WriteFile(L"a.bel", Fixture("BEL")));
  standin::IndividualInfo info{};
  EXPECT_NE(0, first(nullptr, arc.c_str(), &info));  // a library too old to open: no handle
  EXPECT_STREQ("docs\\readme.txt", info.szFileName);
  HANDLE h = bel.Get<OpenFn>("UnbelOpenArchive")(nullptr, arc.c_str(), 0);
  ASSERT_NE(nullptr, h);
  EXPECT_NE(0, first(h, arc.c_str(), &info));
  bel.Get<CloseFn>("UnbelCloseArchive")(h);
  std::string other = Cp932(dir.WriteFile(L"b.bel", Fixture("RAR")));
  EXPECT_EQ(0, first(nullptr, other.c_str(), &info));
  EXPECT_LT(42, bel.Get<VersionFn>("UnbelGetVersion")());
}

TEST(FixtureLibraries, VersionsAnswerUnderTheNamesTheProgramAsks) {
  TempDir dir;
  StandinEnv setup(dir, "[unimp32]\r\nVersion=77\r\n[bz2lib]\r\nVersion=105\r\n");
  Library imp(L"unimp32.dll");
  ASSERT_NE(nullptr, imp.Proc("UnimpGetVersion"));
  EXPECT_EQ(77, imp.Get<VersionFn>("UnimpGetVersion")());
  EXPECT_EQ(77, imp.Get<VersionFn>("UnImpGetVersion")());
  Library bz2(L"bz2lib.dll");
  ASSERT_NE(nullptr, bz2.Proc("BZ2GetVersion"));
  EXPECT_EQ(105, bz2.Get<VersionFn>("BZ2GetVersion")());
}

// A fixture's self-extracting program unpacks itself, and never outside the folder it is given.
TEST(FixtureLibraries, SelfExtractorUnpacksOnlyIntoItsDestination) {
  TempDir dir;
  StandinEnv setup(dir);
  Library bga(L"bga32.dll");
  std::string out;
  std::string arc = Cp932(dir.WriteFile(L"a.bga", Fixture("BGA")));
  ASSERT_EQ(0, bga.Command("Bga", "s " + arc + " " + Cp932(dir / L"sfx\\"), &out)) << out;
  ASSERT_EQ(0, RunProgram(dir / L"sfx\\a.exe", L"\"" + (dir / L"ran") + L"\"", out)) << out;
  EXPECT_EQ("hello", ReadFileBytes(dir / L"ran\\docs\\readme.txt"));
  EXPECT_EQ("12", ReadFileBytes(dir / L"ran\\top.bin"));

  std::string evil = Cp932(dir.WriteFile(
      L"evil.bga", "TVFIXTURE 1 BGA\r\nentry ../escaped.txt\r\ndata x\r\nend\r\nentry fine.txt\r\ndata y\r\nend\r\n"));
  ASSERT_EQ(0, bga.Command("Bga", "s " + evil + " " + Cp932(dir / L"sfx\\"), &out)) << out;
  EXPECT_NE(0, RunProgram(dir / L"sfx\\evil.exe", L"\"" + (dir / L"box\\in") + L"\"", out));
  EXPECT_FALSE(testsupport::FileExists(dir / L"box\\escaped.txt"));
  EXPECT_EQ("y", ReadFileBytes(dir / L"box\\in\\fine.txt"));
}

// The program asks for one spelling and falls back to the other: each must be hideable on its own.
TEST(FixtureLibraries, MissingHidesOnlyTheSpellingItNames) {
  struct Case {
    const char* hidden;
    const char* kept;
  };
  for (const Case& c : {Case{"UnimpGetVersion", "UnImpGetVersion"}, Case{"UnImpGetVersion", "UnimpGetVersion"}}) {
    TempDir dir;
    StandinEnv setup(dir, std::string("[unimp32]\r\nVersion=77\r\nMissing=") + c.hidden + "\r\n");
    Library imp(L"unimp32.dll");
    ASSERT_TRUE(imp.Loaded());
    EXPECT_EQ(nullptr, imp.Proc(c.hidden)) << c.hidden;
    ASSERT_NE(nullptr, imp.Proc(c.kept)) << c.hidden;
    EXPECT_EQ(77, imp.Get<VersionFn>(c.kept)()) << c.hidden;
  }
}

TEST(FixtureLibraries, UnrarTellsTheFirstEntryOfAVolumeSet) {
  TempDir dir;
  StandinEnv setup(dir);
  Library unrar(L"unrar.dll");
  ASSERT_TRUE(unrar.Loaded());
  struct OpenData {
    char* ArcName;
    UINT OpenMode, OpenResult;
    char* CmtBuf;
    UINT CmtBufSize, CmtSize, CmtState;
  };
  struct HeaderData {
    char ArcName[260], FileName[260];
    UINT Flags, PackSize, UnpSize, HostOS, FileCRC, FileTime, UnpVer, Method, FileAttr;
    char* CmtBuf;
    UINT CmtBufSize, CmtSize, CmtState;
  };
  using OpenRar = HANDLE(WINAPI*)(OpenData*);
  using ReadRar = int(WINAPI*)(HANDLE, HeaderData*);
  using CloseRar = int(WINAPI*)(HANDLE);
  auto flagsOf = [&](const std::string& text) -> int {
    std::string path = Cp932(dir.WriteFile(L"v.rar", text));
    std::string comment(16384, ' ');
    OpenData od{};
    od.ArcName = path.data();
    od.CmtBuf = comment.data();
    od.CmtBufSize = 16384;
    HANDLE h = unrar.Get<OpenRar>("RAROpenArchive")(&od);
    if (!h) return -1;
    HeaderData hd{};
    hd.CmtBuf = comment.data();
    hd.CmtBufSize = 16384;
    int r = unrar.Get<ReadRar>("RARReadHeader")(h, &hd);
    unrar.Get<CloseRar>("RARCloseArchive")(h);
    return r == 0 ? static_cast<int>(hd.Flags) : -2;
  };
  EXPECT_EQ(2, flagsOf("TVFIXTURE 1 RAR\r\nentry a\r\nflags 2\r\nend\r\n") & 2);
  EXPECT_EQ(0, flagsOf(Fixture("RAR")) & 2);
  EXPECT_EQ(-1, flagsOf(Fixture("ACE")));
  EXPECT_EQ(-2, flagsOf("TVFIXTURE 1 RAR\r\n"));
}

TEST(FixtureLibraries, IshListsInTheLayoutTheProgramReadsAndEncodesFiles) {
  TempDir dir;
  StandinEnv setup(dir);
  Library ish(L"ish32.dll");
  using IshFn = int(WINAPI*)(HWND, LPCSTR);
  using ListFn = int(WINAPI*)(LPCSTR, LPSTR, DWORD);
  std::string src = Cp932(dir.WriteFile(L"src\\note.txt", "ish me"));
  std::string outFolder = Cp932(dir / L"enc\\");
  CreateDirectoryW((dir / L"enc").c_str(), nullptr);
  ASSERT_EQ(0, ish.Get<IshFn>("Ish")(nullptr, ("/ss /m /F=" + outFolder + " " + src).c_str()));
  std::string encoded = outFolder + "note.ISH";
  std::vector<char> buffer(20800, '\0');
  ASSERT_EQ(0, ish.Get<ListFn>("IshFileList")(encoded.c_str(), buffer.data(), 20800));
  // The program drops eight lines, then reads a name line and a data line per entry.
  std::string text = buffer.data();
  for (int i = 0; i < 8; ++i) text.erase(0, text.find('\n') + 1);
  std::string name = text.substr(0, text.find('\n'));
  text.erase(0, text.find('\n') + 1);
  std::string data = text.substr(0, text.find('\n'));
  text.erase(0, text.find('\n') + 1);
  EXPECT_EQ("note.txt", name);
  std::istringstream fields(data);
  std::string size, date, time, method, part;
  fields >> size >> date >> time >> method >> part;
  EXPECT_EQ("6", size);
  EXPECT_EQ("ish", method);
  EXPECT_FALSE(part.empty());  // the column the program drops
  EXPECT_EQ(0u, text.rfind("--------------", 0));
  ASSERT_EQ(0, ish.Get<IshFn>("Ish")(nullptr, ("/a /F=" + Cp932(dir / L"dec\\") + " " + encoded).c_str()));
  EXPECT_EQ("ish me", ReadFileBytes(dir / L"dec\\note.txt"));
  EXPECT_NE(0, ish.Get<ListFn>("IshFileList")(Cp932(dir / L"none.ish").c_str(), buffer.data(), 20800));
}
