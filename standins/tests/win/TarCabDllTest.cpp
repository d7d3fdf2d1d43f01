// tar32.dll and cab32.dll driven the way the program drives them.
#include <gtest/gtest.h>

#include <vector>

#include "../../dll/ArchiverDll.h"
#include "../../engine/CabCodec.h"
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

using standintest::CheckFn;
using standintest::CloseFn;
using standintest::FindFirstFn;
using standintest::FindNextFn;
using standintest::OpenFn;
using PathFn = standintest::CountFn;  // a path in, a number out

const std::wstring kJapanese = L"日本\\表ソ.txt";  // "ソ" ends in the byte 0x5C

// The source folder and a list naming its files, as the creation commands get them.
void MakeSources(const TempDir& dir) {
  dir.WriteFile(L"src\\a.txt", "alpha");
  dir.WriteFile(L"src\\" + kJapanese, std::string(40000, 'j'));
  WriteList(dir, L"list.txt", L"a.txt\r\n" + kJapanese + L"\r\n");
}

// Every entry name an open archive enumerates, with the record cleared before each find.
std::vector<std::string> Enumerate(const Library& lib, const std::string& prefix, const std::string& path, int mode) {
  std::vector<std::string> names;
  HANDLE h = lib.Get<OpenFn>((prefix + "OpenArchive").c_str())(nullptr, path.c_str(), mode);
  EXPECT_NE(nullptr, h);
  if (!h) return names;
  standin::IndividualInfo info{};
  int r = lib.Get<FindFirstFn>((prefix + "FindFirst").c_str())(h, "*.*", &info);
  while (r == 0) {
    names.push_back(info.szFileName);
    info = standin::IndividualInfo{};
    r = lib.Get<FindNextFn>((prefix + "FindNext").c_str())(h, &info);
  }
  lib.Get<CloseFn>((prefix + "CloseArchive").c_str())(h);
  return names;
}

}  // namespace

TEST(Tar32, CreatesTgzThatItTypesListsAndExtractsFlat) {
  TempDir dir;
  StandinEnv setup(dir);
  MakeSources(dir);
  Library tar(L"tar32.dll");
  ASSERT_TRUE(tar.Loaded());
  std::string arc = Cp932(dir / L"new.tgz"), out;
  ASSERT_EQ(
      0, tar.Command("Tar",
                     " --use-directory=1 -cvfz9 " + arc + " " + Cp932(dir / L"src\\") + " @" + Cp932(dir / L"list.txt"),
                     &out))
      << out;
  EXPECT_FALSE(out.empty());
  EXPECT_EQ(2, tar.Get<PathFn>("TarGetArchiveType")(arc.c_str()));
  EXPECT_NE(FALSE, tar.Get<CheckFn>("TarCheckArchive")(arc.c_str(), 1));
  EXPECT_EQ(2, tar.Get<PathFn>("TarGetFileCount")(arc.c_str()));
  EXPECT_EQ((std::vector<std::string>{"a.txt", Cp932(L"日本/表ソ.txt")}), Enumerate(tar, "Tar", arc, 0));

  ASSERT_EQ(0, tar.Command("Tar", "--display-dialog=0 --use-directory=0 -xvf " + arc + " " + Cp932(dir / L"out\\")));
  EXPECT_EQ(std::string(40000, 'j'), ReadFileBytes(dir / L"out\\表ソ.txt"));
  EXPECT_TRUE(Logged(setup.Log(), "TarGetArchiveType", arc));
}

TEST(Tar32, DamagedOrForeignFilesAreNotTypedAndFailToExtract) {
  TempDir dir;
  StandinEnv setup(dir);
  Library tar(L"tar32.dll");
  std::string junk = Cp932(dir.WriteFile(L"junk.tgz", std::string("\x1f\x8b\x08\x00garbage that is no deflate", 30)));
  std::string text = Cp932(dir.WriteFile(L"plain.tar", "just some text, no header"));
  EXPECT_EQ(0, tar.Get<PathFn>("TarGetArchiveType")(text.c_str()));
  EXPECT_EQ(FALSE, tar.Get<CheckFn>("TarCheckArchive")(junk.c_str(), 1));
  EXPECT_NE(0, tar.Command("Tar", "-xvf " + junk + " " + Cp932(dir / L"out\\")));
  EXPECT_NE(0, tar.Command("Tar", "-xvf " + Cp932(dir / L"missing.tar") + " " + Cp932(dir / L"out\\")));
}

TEST(Cab32, CreatesListsAndExtractsWithJapaneseNames) {
  TempDir dir;
  StandinEnv setup(dir);
  MakeSources(dir);
  Library cab(L"cab32.dll");
  ASSERT_TRUE(cab.Loaded());
  std::string arc = Cp932(dir / L"New.cab"), out;
  ASSERT_EQ(
      0, cab.Command("Cab", "-a -r -mz " + arc + " " + Cp932(dir / L"src\\") + " @" + Cp932(dir / L"list.txt"), &out))
      << out;
  EXPECT_NE(FALSE, cab.Get<CheckFn>("CabCheckArchive")(arc.c_str(), 1));
  EXPECT_EQ((std::vector<std::string>{"a.txt", Cp932(kJapanese)}), Enumerate(cab, "Cab", arc, 0));
  ASSERT_EQ(0, cab.Command("Cab", "-x -o " + arc + " " + Cp932(dir / L"out\\")));
  EXPECT_EQ(std::string(40000, 'j'), ReadFileBytes(dir / (L"out\\" + kJapanese)));
  ASSERT_EQ(0, cab.Command("Cab", "-x -o -j -i " + arc + " " + Cp932(dir / L"flat\\") + " a.txt"));
  EXPECT_EQ("alpha", ReadFileBytes(dir / L"flat\\a.txt"));
  EXPECT_FALSE(FileExists(dir / L"flat\\表ソ.txt"));
}

TEST(Cab32, VolumesAreNumberedAndExtractTogether) {
  TempDir dir;
  StandinEnv setup(dir);
  MakeSources(dir);
  dir.WriteFile(L"src\\b.bin", std::string(3000, 'b'));
  WriteList(dir, L"list2.txt", L"a.txt\r\n" + kJapanese + L"\r\nb.bin\r\n");
  Library cab(L"cab32.dll");
  std::string out;
  ASSERT_EQ(0, cab.Command("Cab",
                           "-a -r -v:1 -ms " + Cp932(dir / L"X.cab") + " " + Cp932(dir / L"src\\") + " @" +
                               Cp932(dir / L"list2.txt"),
                           &out))
      << out;
  EXPECT_FALSE(FileExists(dir / L"X.cab"));
  ASSERT_TRUE(FileExists(dir / L"X01.cab"));
  ASSERT_TRUE(FileExists(dir / L"X02.cab"));
  ASSERT_EQ(0, cab.Command("Cab", "-x -o -j -k " + Cp932(dir / L"X01.cab") + " " + Cp932(dir / L"all\\") + " *.*"));
  EXPECT_EQ(std::string(3000, 'b'), ReadFileBytes(dir / L"all\\b.bin"));
  EXPECT_EQ("alpha", ReadFileBytes(dir / L"all\\a.txt"));
}

// The self-extracting programs the libraries write unpack themselves, Japanese names included.
TEST(TarCab, SelfExtractorsUnpackThemselvesIntoTheirArgument) {
  struct Case {
    const wchar_t* library;
    const char* entry;
    std::vector<std::string> commands;  // {A} the archive, {S} the source folder, {L} the list, {F} a folder
    const wchar_t* archive;
    const wchar_t* exe;
  };
  const Case cases[] = {
      {L"cab32.dll", "Cab", {"-a -r -mz {A} {S} @{L}", "-f {A} {F}"}, L"New.cab", L"sfx\\New.exe"},
      {L"tar32.dll", "Tar", {"-cvfz9 --self-extracting=1 {A} {S} @{L}"}, L"new.tgz", L"new.exe"},
  };
  for (const Case& c : cases) {
    TempDir dir;
    StandinEnv setup(dir);
    MakeSources(dir);
    Library lib(c.library);
    for (std::string line : c.commands) {
      for (auto [key, value] : {std::pair<std::string, std::wstring>{"{A}", dir / c.archive}, {"{S}", dir / L"src\\"},
                                {"{L}", dir / L"list.txt"}, {"{F}", dir / L"sfx\\"}})
        if (size_t at = line.find(key); at != std::string::npos) line.replace(at, key.size(), Cp932(value));
      std::string out;
      ASSERT_EQ(0, lib.Command(c.entry, line, &out)) << line << "\n" << out;
    }
    std::string out;
    ASSERT_EQ(0, RunProgram(dir / c.exe, L"\"" + (dir / L"ran") + L"\"", out)) << out;
    EXPECT_EQ("alpha", ReadFileBytes(dir / L"ran\\a.txt")) << c.entry;
    EXPECT_EQ(std::string(40000, 'j'), ReadFileBytes(dir / (L"ran\\" + kJapanese))) << c.entry;
  }
}

TEST(Cab32, EntriesThatWouldLeaveTheDestinationAreRefused) {
  TempDir dir;
  StandinEnv setup(dir);
  std::vector<standin::cab::Entry> entries(3);
  entries[0].name = "..\\escaped.txt";
  entries[1].name = "C:\\rooted.txt";
  entries[2].name = "fine.txt";
  for (auto& e : entries) e.data = {'x'};
  std::vector<std::vector<uint8_t>> cabs;
  std::string err;
  ASSERT_TRUE(standin::cab::WriteCabinets(
      entries, {}, [](int) { return std::string(); }, cabs, err));
  std::string arc = Cp932(dir.WriteFile(L"evil.cab", std::string(cabs[0].begin(), cabs[0].end())));
  Library cab(L"cab32.dll");
  std::string out;
  EXPECT_NE(0, cab.Command("Cab", "-x -o " + arc + " " + Cp932(dir / L"dest\\sub\\"), &out));
  EXPECT_NE(std::string::npos, out.find("refused"));
  EXPECT_TRUE(FileExists(dir / L"dest\\sub\\fine.txt"));
  EXPECT_FALSE(FileExists(dir / L"dest\\escaped.txt"));
  EXPECT_FALSE(FileExists(L"C:\\rooted.txt"));
}
