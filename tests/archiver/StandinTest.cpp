// The archiver layer against the stand-in libraries (their folder comes from TOLVENAR_STANDINS): versions
// from their configuration, entry points they are told to lack, real archives made, typed and extracted.
#include <gtest/gtest.h>

#include "ArchiverFixture.h"
#include "archiver/ArcOutput.h"
#include "archiver/CallWrappers.h"
#include "archiver/ExecArcCommand.h"
#include "archiver/LibraryBinding.h"
#include "archiver/clsArchive.h"
#include "core/Text.h"
#include "core/modPath.h"
#include "core/modTolvenar.h"

namespace archivertest {
namespace {

class StandinTest : public ArchiverTest {
 protected:
  void SetUp() override {
    ArchiverTest::SetUp();
    ASSERT_FALSE(StandinFolder().empty()) << "TOLVENAR_STANDINS is not set";
    archiver::SetLibraryFolder(StandinFolder());
    SetEnvironmentVariableW(L"TOLVENAR_STANDIN_CONFIG", (temp_ / L"standins.ini").c_str());
    SetEnvironmentVariableW(L"TOLVENAR_STANDIN_LOG", (temp_ / L"standins.log").c_str());
    SetLog(L"0");
  }
  void TearDown() override {
    archiver::FreeLibraries();
    SetEnvironmentVariableW(L"TOLVENAR_STANDIN_CONFIG", nullptr);
    SetEnvironmentVariableW(L"TOLVENAR_STANDIN_LOG", nullptr);
    ArchiverTest::TearDown();
  }
  // A new configuration; entry points named missing take effect when the libraries are loaded again.
  void Configure(const std::string& text) {
    archiver::FreeLibraries();
    temp_.WriteFile(L"standins.ini", text);
  }
  std::string StandinLog() const { return testsupport::ReadFileBytes(temp_ / L"standins.log"); }
};

TEST_F(StandinTest, VersionsAndSubVersionsAsTheLibrariesReportThem) {
  Configure("[unlha32]\r\nVersion=185\r\nSubVersion=5\r\n[unzip32]\r\nVersion=7\r\n[Zip32J]\r\nVersion=1234\r\n");
  EXPECT_EQ(L"1.85.0.05", archiver::Archive().GetLhaVersion());
  EXPECT_EQ(L"0.07", archiver::Archive().GetZipVersion());
  EXPECT_EQ(L"12.34", archiver::Archive().GetZip32JVersion());

  Configure(
      "[unlha32]\r\nVersion=185\r\nSubVersion=5\r\nMissing=UnlhaGetSubVersion\r\n"
      "[unzip32]\r\nMissing=UnZipGetVersion\r\n");
  EXPECT_EQ(L"1.85", archiver::Archive().GetLhaVersion());
  EXPECT_EQ(L"", archiver::Archive().GetZipVersion());
}

TEST_F(StandinTest, MakesTypesAndExtractsARealArchive) {
  std::wstring source = temp_ / L"src";
  temp_.WriteFile(L"src\\読んで.txt", "first line\r\n");
  std::wstring lzh = temp_ / L"out.lzh";
  std::wstring destination = temp_ / L"dest";
  CreateDirectoryW(destination.c_str(), nullptr);

  EXPECT_EQ(0, archiver::CallUnlha(nullptr, L"a " + lzh + L" " + source + L"\\ 読んで.txt"));
  EXPECT_EQ(L"LZH", archiver::DetectArcType(lzh));

  EXPECT_EQ(0, archiver::ExecArcCommand(nullptr, L"LZH", L"x", lzh, destination + L"\\", L""))
      << core::ToUtf8(archiver::ArcOutputText);
  EXPECT_EQ("first line\r\n", testsupport::ReadFileBytes(destination + L"\\読んで.txt"));
  EXPECT_NE(std::string::npos,
            StandinLog().find("Unlha\tx " + core::ToCp932(lzh) + " " + core::ToCp932(destination) + "\\"));

  EXPECT_NE(0, archiver::ExecArcCommand(nullptr, L"LZH", L"x", temp_ / L"missing.lzh", destination + L"\\", L""));
}

// When two libraries accept the same file, the earlier one in the fixed order wins.
TEST_F(StandinTest, DetectionPrefersTheEarlierLibrary) {
  std::wstring zip = temp_ / L"setup.exe";
  temp_.WriteFile(L"src\\a.txt", "a");
  ASSERT_EQ(0, archiver::CallZip(nullptr, L"-r " + temp_ / L"made.zip" + L" " + temp_ / L"src\\a.txt", 1))
      << core::ToUtf8(archiver::ArcOutputText);
  ASSERT_TRUE(CopyFileW((temp_ / L"made.zip").c_str(), zip.c_str(), FALSE));
  EXPECT_EQ(L"ZIP", archiver::DetectArcType(zip));
  EXPECT_EQ(L"", archiver::DetectArcType(temp_ / L"src\\a.txt"));
  Configure("[unlha32]\r\nResult.UnlhaCheckArchive=1\r\n");
  EXPECT_EQ(L"LZH", archiver::DetectArcType(zip));
}

// Every type's extraction command reaches its stand-in library or tool as the dispatcher built it.
TEST_F(StandinTest, TheDispatcherReachesEveryTypesArchiver) {
  archiver::SetToolFolder(StandinFolder());
  const std::pair<const wchar_t*, const char*> rows[] = {
      {L"LZH", "unlha32\tUnlha\t-x C:\\in\\a.arc C:\\out\\ b.txt"},
      {L"ZIP", "unzip32\tUnZip\t-x C:\\in\\a.arc C:\\out\\ b.txt"},
      {L"CAB", "cab32\tCab\t-x C:\\in\\a.arc C:\\out\\ b.txt"},
      {L"ARJ", "unarj32j\tUnarj\t-x C:\\in\\a.arc C:\\out\\ b.txt"},
      {L"TAR", "tar32\tTar\t-x C:\\in\\a.arc C:\\out\\ b.txt"},
      {L"TGZ", "tar32\tTar\t-x C:\\in\\a.arc C:\\out\\ b.txt"},
      {L"TBZ", "tar32\tTar\t-x C:\\in\\a.arc C:\\out\\ b.txt"},
      {L"ISH", "ish32\tIsh\t-x /F=C:\\out\\ C:\\in\\a.arc"},
      {L"RAR", "unrar32\tUnrar\t-x C:\\in\\a.arc C:\\out\\ b.txt"},
      {L"YZ1", "Yz1\tYz1\t-x C:\\in\\a.arc C:\\out\\ b.txt"},
      {L"ACE", "ace\tace\t-x C:\\in\\a.arc C:\\out\\ b.txt"},
      {L"JAR", "jar32\tjar32\t-x C:\\in\\a.arc -oC:\\out\\ b.txt"},
      {L"BGA", "bga32\tBga\t-x C:\\in\\a.arc C:\\out\\ b.txt"},
      {L"GCA", "ungca32\tUnGCA\t-x C:\\in\\a.arc C:\\out\\ b.txt"},
      {L"BEL", "unbel32\tUnbel\tC:\\in\\a.arc C:\\out\\"},
      {L"7Z", "7-zip32\tSevenZip\t-x C:\\in\\a.arc C:\\out\\ b.txt"},
      {L"IMP", "unimp32\tUnImp\t-x C:\\in\\a.arc C:\\out\\ b.txt"},
      {L"YZ2", "Yz2\tYz2\t-x C:\\in\\a.arc C:\\out\\"},
      {L"BH", "Bh32\tBh\t-x C:\\in\\a.arc C:\\out\\ b.txt"},
  };
  for (const auto& [type, expected] : rows) {
    DeleteFileW((temp_ / L"standins.log").c_str());
    archiver::ExecArcCommand(nullptr, type, L"-x", L"C:\\in\\a.arc", L"C:\\out\\", L"b.txt");
    // The first line is the command; a console tool's arguments end with the blank before its redirection.
    std::string log = StandinLog();
    std::string first = log.substr(0, log.find("\r\n"));
    first.erase(first.find_last_not_of(' ') + 1);
    EXPECT_EQ(expected, first) << core::ToUtf8(type);
  }
}

TEST_F(StandinTest, RarMultiVolumeThroughTheRarLibrary) {
  const std::string volume = "TVFIXTURE 1 RAR\r\nentry big.bin\r\nflags 2\r\ndata abc\r\nend\r\n";
  const std::string single = "TVFIXTURE 1 RAR\r\nentry small.bin\r\ndata abc\r\nend\r\n";
  EXPECT_EQ(1, archiver::IsRarMultiVolume(temp_.WriteFile(L"set.part1.rar", volume)));
  EXPECT_EQ(0, archiver::IsRarMultiVolume(temp_.WriteFile(L"one.rar", single)));
  EXPECT_EQ(0, archiver::IsRarMultiVolume(temp_.WriteFile(L"text.rar", "not an archive")));
  EXPECT_EQ(0, archiver::IsRarMultiVolume(temp_ / L"missing.rar"));
}

TEST_F(StandinTest, AConsoleToolsListingComesBackLineByLine) {
  archiver::SetToolFolder(StandinFolder());
  SetLog(L"1");
  std::wstring ace = temp_.WriteFile(L"my files\\old.ace", "TVFIXTURE 1 ACE\r\nentry readme.txt\r\ndata hi\r\nend\r\n");
  EXPECT_EQ(0, archiver::CallAceExe(nullptr, L"l " + core::QuotePath(ace)));
  EXPECT_NE(std::wstring::npos, archiver::ArcOutputText.find(L"readme.txt\r\n"))
      << core::ToUtf8(archiver::ArcOutputText);
  ASSERT_EQ(1u, shown_.size());
  EXPECT_NE(std::wstring::npos, shown_[0].find(L"readme.txt"));
}

}  // namespace
}  // namespace archivertest
