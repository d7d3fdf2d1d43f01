#include "archiver/LibraryBinding.h"

#include <gtest/gtest.h>

#include "ArchiverFixture.h"
#include "archiver/ArchiverApi.h"
#include "archiver/clsArchive.h"
#include "core/modPath.h"
#include "core/modShell.h"

namespace archivertest {
namespace {

using archiver::Binding;

class LibraryBindingTest : public ArchiverTest {
 protected:
  // Makes `name` (holding the recording library) the current directory for the rest of the test.
  std::wstring EnterPlantedFolder(const std::wstring& name, const std::wstring& library) {
    std::wstring folder = temp_ / name;
    CreateDirectoryW(folder.c_str(), nullptr);
    InstallLibraries({library}, folder);
    SetCurrentDirectoryW(folder.c_str());
    archiver::SetLibraryFolder(L"");
    return folder;
  }
  void SetUp() override {
    ArchiverTest::SetUp();
    GetCurrentDirectoryW(MAX_PATH, previousDirectory_);
  }
  void TearDown() override {
    archiver::FreeLibraries();
    SetCurrentDirectoryW(previousDirectory_);
    ArchiverTest::TearDown();
  }

 private:
  wchar_t previousDirectory_[MAX_PATH] = {};
};

TEST_F(LibraryBindingTest, TellsMissingLibraryMissingEntryAndCallApart) {
  InstallLibraries({L"unlha32.dll"});
  SetProbe("HIDE", L"UnlhaGetSubVersion");
  SetProbe("UnlhaGetVersion", L"185");

  WORD version = 0;
  EXPECT_EQ(Binding::Called, archiver::Invoke<archiver::VersionFn>(L"unlha32.dll", "UnlhaGetVersion", version));
  EXPECT_EQ(185, version);

  WORD untouched = 77;
  EXPECT_EQ(Binding::EntryMissing,
            archiver::Invoke<archiver::VersionFn>(L"unlha32.dll", "UnlhaGetSubVersion", untouched));
  EXPECT_EQ(77, untouched);
  EXPECT_EQ(Binding::LibraryMissing, archiver::Invoke<archiver::VersionFn>(L"cab32.dll", "CabGetVersion", untouched));
  EXPECT_EQ(77, untouched);

  ASSERT_EQ(1u, Calls().size());
  EXPECT_EQ("UnlhaGetVersion", Calls()[0].entry);
}

TEST_F(LibraryBindingTest, KeepsALibraryLoadedAndFindsOneInstalledLater) {
  WORD version = 0;
  EXPECT_EQ(Binding::LibraryMissing, archiver::Invoke<archiver::VersionFn>(L"tar32.dll", "TarGetVersion", version));
  InstallLibraries({L"tar32.dll"});
  EXPECT_EQ(Binding::Called, archiver::Invoke<archiver::VersionFn>(L"TAR32.DLL", "TarGetVersion", version));
  HMODULE loaded = GetModuleHandleW(core::CombinePath(libraries_, L"tar32.dll").c_str());
  ASSERT_NE(nullptr, loaded);
  EXPECT_EQ(Binding::Called, archiver::Invoke<archiver::VersionFn>(L"tar32.dll", "TarGetVersion", version));
  EXPECT_EQ(loaded, GetModuleHandleW(core::CombinePath(libraries_, L"tar32.dll").c_str()));
}

TEST_F(LibraryBindingTest, LocatesALibraryOnlyWhereItWouldBeLoadedFrom) {
  InstallLibraries({L"unrar.dll"});
  EXPECT_EQ(core::CombinePath(libraries_, L"unrar.dll"), archiver::LocateLibrary(L"unrar.dll"));
  EXPECT_EQ(L"", archiver::LocateLibrary(L"unarj32j.dll"));
}

TEST_F(LibraryBindingTest, WithoutAFolderLooksOnThePathButNotThroughRelativeEntries) {
  InstallLibraries({L"cab32.dll"});
  EnterPlantedFolder(L"current", L"tar32.dll");
  std::wstring previousPath(32767, L'\0');
  previousPath.resize(GetEnvironmentVariableW(L"PATH", previousPath.data(), 32767));
  SetEnvironmentVariableW(L"PATH", (previousPath + L";.;current;\"" + libraries_ + L"\"").c_str());

  EXPECT_EQ(core::CombinePath(libraries_, L"cab32.dll"), archiver::LocateLibrary(L"cab32.dll"));
  EXPECT_EQ(L"", archiver::LocateLibrary(L"tar32.dll"));
  EXPECT_EQ(L"1.00", archiver::Archive().GetCabVersion());
  EXPECT_EQ(L"", archiver::Archive().GetTarVersion());

  SetEnvironmentVariableW(L"PATH", previousPath.c_str());
}

// A library planted in the current directory (beside a downloaded archive) is never loaded.
TEST_F(LibraryBindingTest, NeverLoadsALibraryFromTheCurrentDirectory) {
  std::wstring planted = EnterPlantedFolder(L"download", L"unlha32.dll");

  // Without the protection the system's search takes the planted file: the check below would see it.
  SetDllDirectoryW(nullptr);
  HMODULE unsafe = LoadLibraryW(L"unlha32.dll");
  EXPECT_NE(nullptr, unsafe);
  if (unsafe) FreeLibrary(unsafe);

  archiver::RemoveCurrentDirectoryFromDllSearch();
  EXPECT_EQ(L"", archiver::Archive().GetLhaVersion());
  EXPECT_EQ(nullptr, GetModuleHandleW(core::CombinePath(planted, L"unlha32.dll").c_str()));
  EXPECT_TRUE(Calls().empty());
}

}  // namespace
}  // namespace archivertest
