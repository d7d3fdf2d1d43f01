#include "archiver/clsArchive.h"

#include <gtest/gtest.h>

#include "ArchiverFixture.h"
#include "archiver/LibraryBinding.h"
#include "core/ArcType.h"
#include "core/Text.h"

namespace archivertest {
namespace {

using archiver::Archive;
using archiver::clsArchive;
using Property = std::wstring (clsArchive::*)() const;

class clsArchiveTest : public ArchiverTest {};

TEST_F(clsArchiveTest, VersionTextWithAndWithoutSubVersion) {
  struct Case {
    const wchar_t* version;
    const wchar_t* sub;  // nullptr: the library has no sub-version entry
    const wchar_t* expected;
  };
  const Case cases[] = {
      {L"185", L"5", L"1.85.0.05"}, {L"185", L"0", L"1.85"}, {L"185", nullptr, L"1.85"},       {L"7", L"0", L"0.07"},
      {L"115", L"0", L"1.15"},      {L"0", L"5", L""},       {L"1020", L"123", L"10.20.1.23"},
  };
  InstallLibraries({L"unlha32.dll"});
  for (const Case& c : cases) {
    archiver::FreeLibraries();
    SetProbe("UnlhaGetVersion", c.version);
    SetProbe("UnlhaGetSubVersion", c.sub ? c.sub : L"");
    SetProbe("HIDE", c.sub ? L"" : L"UnlhaGetSubVersion");
    EXPECT_EQ(c.expected, Archive().GetLhaVersion()) << core::ToUtf8(c.version);
  }
  // The sub-version is not asked of a library whose version is 0.
  archiver::FreeLibraries();
  DeleteFileW((temp_ / L"probe.log").c_str());
  SetProbe("UnlhaGetVersion", L"0");
  Archive().GetLhaVersion();
  ASSERT_EQ(1u, Calls().size());
  EXPECT_EQ("UnlhaGetVersion", Calls()[0].entry);
}

// Each property asks its own library, and is empty when that library is absent.
TEST_F(clsArchiveTest, EveryLibraryPropertyAsksItsOwnLibrary) {
  struct Case {
    Property property;
    const wchar_t* library;
  };
  const Case cases[] = {
      {&clsArchive::GetLhaVersion, L"unlha32.dll"},       {&clsArchive::GetImpVersion, L"unimp32.dll"},
      {&clsArchive::GetBgaVersion, L"bga32.dll"},         {&clsArchive::GetZipVersion, L"unzip32.dll"},
      {&clsArchive::GetZip32JVersion, L"Zip32J.DLL"},     {&clsArchive::GetIZip32JVersion, L"IZIP32J.DLL"},
      {&clsArchive::GetZCrypt32Version, L"ZCRYPT32.DLL"}, {&clsArchive::GetIshVersion, L"ish32.dll"},
      {&clsArchive::GetCabVersion, L"cab32.dll"},         {&clsArchive::GetTarVersion, L"tar32.dll"},
      {&clsArchive::GetBz2Version, L"bz2lib.dll"},        {&clsArchive::GetRarVersion, L"unrar32.dll"},
      {&clsArchive::GetGcaVersion, L"ungca32.dll"},       {&clsArchive::GetBelVersion, L"unbel32.dll"},
      {&clsArchive::GetYz1Version, L"Yz1.dll"},           {&clsArchive::GetYz2Version, L"Yz2.dll"},
      {&clsArchive::GetBhVersion, L"Bh32.dll"},           {&clsArchive::Get7ZipVersion, L"7-zip32.dll"},
      {&clsArchive::GetArjVersion, L"unarj32j.dll"},
  };
  for (const Case& c : cases) EXPECT_EQ(L"", (Archive().*c.property)()) << core::ToUtf8(c.library);
  EXPECT_TRUE(Calls().empty());
  for (const Case& c : cases) {
    InstallLibraries({c.library});
    EXPECT_EQ(L"1.00", (Archive().*c.property)()) << core::ToUtf8(c.library);
    archiver::FreeLibraries();
    DeleteFileW((libraries_ + L"\\" + c.library).c_str());
  }
}

TEST_F(clsArchiveTest, ImpVersionFallsBackToItsSecondEntryName) {
  InstallLibraries({L"unimp32.dll"});
  SetProbe("Unimp_Lower_Version", L"120");
  SetProbe("UnImpGetVersion", L"250");
  EXPECT_EQ(L"1.20", Archive().GetImpVersion());

  archiver::FreeLibraries();
  SetProbe("HIDE", L"UnimpGetVersion");
  EXPECT_EQ(L"2.50", Archive().GetImpVersion());
}

TEST_F(clsArchiveTest, ImpVersionMakesNoSecondCallWhenTheLibraryIsMissing) {
  EXPECT_EQ(L"", Archive().GetImpVersion());
  EXPECT_TRUE(Calls().empty());
}

TEST_F(clsArchiveTest, ToolProbesGiveTheNameAsStoredOnDisk) {
  InstallTools({L"ACE.EXE", L"jar32.exe", L"yzdec.exe"});
  CreateDirectoryW((tools_ + L"\\yzenc.exe").c_str(), nullptr);  // a folder is not the tool
  EXPECT_EQ(L"ACE.EXE", Archive().GetAceVersion());
  EXPECT_EQ(L"jar32.exe", Archive().GetJarVersion());
  EXPECT_EQ(L"yzdec.exe", Archive().GetYz1DecVersion());
  EXPECT_EQ(L"", Archive().GetYz1EncVersion());
}

TEST_F(clsArchiveTest, JpzIsInstalledWhenItsLibraryIsFound) {
  EXPECT_EQ(L"", Archive().GetJpzVersion());
  InstallLibraries({L"JPZ.dll"});
  EXPECT_EQ(L"Installed", Archive().GetJpzVersion());
}

TEST_F(clsArchiveTest, TypeNameByIndexDiffersFromTheVocabularyOnlyForCabAndIsh) {
  const std::pair<int, const wchar_t*> cases[] = {
      {0, L"LZH"},  {1, L"ZIP"},  {2, L"LZH"}, {3, L"ARJ"},  {4, L"TAR"},  {5, L"LZH"},      {6, L"RAR"},
      {7, L"YZ1"},  {8, L"ACE"},  {9, L"JAR"}, {10, L"BGA"}, {11, L"GCA"}, {12, L"BEL"},     {13, L"7Z"},
      {14, L"IMP"}, {15, L"YZ2"}, {16, L"BH"}, {-1, L"LZH"}, {17, L"LZH"}, {-32768, L"LZH"},
  };
  for (const auto& [index, name] : cases)
    EXPECT_EQ(name, archiver::GetArcTypeNameByIndex(static_cast<int16_t>(index))) << index;
}

const wchar_t* const kDetectLibraries[] = {L"unlha32.dll", L"unzip32.dll",  L"cab32.dll", L"unrar32.dll",
                                           L"Yz1.dll",     L"unarj32j.dll", L"bga32.dll", L"tar32.dll",
                                           L"7-zip32.dll", L"Yz2.dll",      L"Bh32.dll"};

TEST_F(clsArchiveTest, DetectionAsksTheLibrariesInAFixedOrderWithTheirModes) {
  InstallLibraries(std::vector<std::wstring>(std::begin(kDetectLibraries), std::end(kDetectLibraries)));
  EXPECT_EQ(L"", archiver::DetectArcType(L"C:\\in\\x.exe"));
  std::vector<std::string> asked;
  for (const ProbeCall& call : Calls())
    if (call.entry.find("CheckArchive") != std::string::npos) asked.push_back(call.entry + " " + call.arguments);
  const std::vector<std::string> expected = {
      "UnlhaCheckArchive C:\\in\\x.exe\t8",    "UnZipCheckArchive C:\\in\\x.exe\t0",
      "CabCheckArchive C:\\in\\x.exe\t1",      "UnrarCheckArchive C:\\in\\x.exe\t1",
      "Yz1CheckArchive C:\\in\\x.exe\t16",     "UnarjCheckArchive C:\\in\\x.exe\t1",
      "BgaCheckArchive C:\\in\\x.exe\t1",      "TarCheckArchive C:\\in\\x.exe\t1",
      "SevenZipCheckArchive C:\\in\\x.exe\t1", "Yz2CheckArchive C:\\in\\x.exe\t16",
      "BhCheckArchive C:\\in\\x.exe\t0"};
  EXPECT_EQ(expected, asked);
}

TEST_F(clsArchiveTest, TheFirstLibraryThatAcceptsDecides) {
  struct Case {
    std::vector<const char*> accepting;
    std::vector<const char*> versionZero;
    const wchar_t* expected;
  };
  const Case cases[] = {
      {{"UnlhaCheckArchive", "UnZipCheckArchive", "SevenZipCheckArchive"}, {}, L"LZH"},
      {{"BhCheckArchive", "TarCheckArchive"}, {}, L"TAR"},
      {{"Yz2CheckArchive"}, {}, L"YZ2"},
      {{"UnlhaCheckArchive", "UnZipCheckArchive"}, {"UnlhaGetVersion"}, L"ZIP"},
      {{"UnrarCheckArchive"}, {"UnrarGetVersion"}, L""},
  };
  const std::wstring path = L"C:\\in\\x.exe";
  InstallLibraries(std::vector<std::wstring>(std::begin(kDetectLibraries), std::end(kDetectLibraries)));
  for (const Case& c : cases) {
    for (const char* entry : c.accepting) SetProbe(entry, L"1");
    for (const char* entry : c.versionZero) SetProbe(entry, L"0");
    EXPECT_EQ(c.expected, archiver::DetectArcType(path)) << core::ToUtf8(c.expected);
    // A path code page 932 cannot hold is accepted by none: its look-alike "a" names another file.
    EXPECT_EQ(L"", archiver::DetectArcType(L"C:\\in\\ä.exe"));
    for (const char* entry : c.accepting) SetProbe(entry, L"");
    for (const char* entry : c.versionZero) SetProbe(entry, L"");
  }
}

TEST_F(clsArchiveTest, TheExtensionLookupTypesExeFilesByContent) {
  InstallLibraries({L"unzip32.dll"});
  SetProbe("UnZipCheckArchive", L"1");
  auto previous = core::SetArcTypeDetector({});
  EXPECT_EQ(L"", core::GetArcTypeByExt(L"C:\\in\\setup.exe"));
  archiver::InstallArcTypeDetector();
  EXPECT_EQ(L"ZIP", core::GetArcTypeByExt(L"C:\\in\\setup.exe"));
  core::SetArcTypeDetector(previous);
}

TEST_F(clsArchiveTest, RarMultiVolumeReadsTheFirstHeaderFlags) {
  struct Case {
    const wchar_t* opened;  // "0": the library opens nothing
    const wchar_t* flags;
    int16_t expected;
  };
  const Case cases[] = {{L"1", L"2", 1}, {L"1", L"3", 1}, {L"1", L"1", 0}, {L"1", L"0", 0}, {L"0", L"2", 0}};
  InstallLibraries({L"unrar.dll"});
  for (const Case& c : cases) {
    SetProbe("RAROpenArchive", c.opened);
    SetProbe("RARFlags", c.flags);
    EXPECT_EQ(c.expected, archiver::IsRarMultiVolume(L"C:\\in\\a.part1.rar")) << core::ToUtf8(c.flags);
  }
  std::vector<ProbeCall> calls = Calls();
  ASSERT_EQ(4u * 3 + 1, calls.size());  // four runs open, read and close; the last one only tries to open
  EXPECT_EQ("RAROpenArchive", calls[0].entry);
  EXPECT_EQ("C:\\in\\a.part1.rar\t0\t16384", calls[0].arguments);
  EXPECT_EQ("RARReadHeader", calls[1].entry);
  EXPECT_EQ("0\t16384", calls[1].arguments);
  EXPECT_EQ("RARCloseArchive", calls[2].entry);
  EXPECT_EQ("RAROpenArchive", calls.back().entry);
}

TEST_F(clsArchiveTest, RarMultiVolumeIsZeroWithoutTheLibrary) {
  EXPECT_EQ(0, archiver::IsRarMultiVolume(L"C:\\in\\a.part1.rar"));
}

TEST_F(clsArchiveTest, ConfigDialogGoesToTheTypesLibraryWithABlankBuffer) {
  InstallLibraries({L"unlha32.dll", L"unzip32.dll", L"cab32.dll", L"tar32.dll", L"ish32.dll", L"bga32.dll",
                    L"7-zip32.dll", L"unrar32.dll"});
  const std::pair<const wchar_t*, const char*> cases[] = {
      {L"LZH", "UnlhaConfigDialog"},   {L"ZIP", "UnZipConfigDialog"}, {L"CAB", "CabConfigDialog"},
      {L"TAR", "TarConfigDialog"},     {L"ISH", "IshConfigDialog"},   {L"BGA", "BgaConfigDialog"},
      {L"7Z", "SevenZipConfigDialog"},
  };
  for (const auto& [type, entry] : cases) archiver::ShowArcConfigDialog(nullptr, type, 2);
  archiver::ShowArcConfigDialog(nullptr, L"RAR", 1);
  archiver::ShowArcConfigDialog(nullptr, L"lzh", 1);
  std::vector<ProbeCall> calls = Calls();
  ASSERT_EQ(std::size(cases), calls.size());
  for (size_t i = 0; i < calls.size(); ++i) {
    EXPECT_EQ(cases[i].second, calls[i].entry);
    EXPECT_EQ("4096\t2", calls[i].arguments);
  }
}

}  // namespace
}  // namespace archivertest
