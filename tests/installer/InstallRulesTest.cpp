// The installer's small rules: where it installs by default, what it reads back of an earlier installation,
// which folder texts it accepts, which folders it makes, and how it reads the licence.
#include <gtest/gtest.h>

#include "InstallFixture.h"
#include "core/Text.h"
#include "installer/InstallFiles.h"
#include "installer/InstallSettings.h"
#include "installer/frmKyodaku.h"

namespace installtest {
namespace {

using modInstall::InstallFolder;
using modInstall::InstallOptions;

TEST_F(InstallTest, DefaultFolderIsOnTheWindowsDriveOrElseInTheSourceFolder) {
  places.windowsFolder = L"D:\\WIN";
  EXPECT_EQ(modInstall::DefaultInstallFolder(places), L"D:\\Program Files\\Dunel's Software\\とるべなー");
  places.windowsFolder.clear();
  EXPECT_EQ(modInstall::DefaultInstallFolder(places), source + L"とるべなー");
}

TEST_F(InstallTest, SettingsComeFromTheRecordedFolderAndItsSettingsFile) {
  const std::wstring folder = temp / L"前回\\";
  user.Set(modInstall::kFoldersKey, folder, modInstall::kFolderValue);
  temp.WriteFile(L"前回\\Tolvenar.ini",
                 core::ToCp932(L"[Option]\r\nSendTo=1\r\nDeskTop= 0 \r\nOpenPackn=1\r\nClassesArcType=101\r\n"));

  modInstall::LoadInstallSettings(places, false);

  EXPECT_EQ(InstallFolder, folder);
  EXPECT_EQ(InstallOptions.SendTo, L"1");
  EXPECT_EQ(InstallOptions.DeskTop, L"0");
  EXPECT_EQ(InstallOptions.QuickMenu, L"0");
  EXPECT_EQ(InstallOptions.OpenPackn, L"1");
  EXPECT_EQ(InstallOptions.Classes, L"0");
  EXPECT_EQ(InstallOptions.ClassesArcType, L"10100000000000000");

  temp.WriteFile(L"前回\\Tolvenar.ini", "[Option]\r\nClassesArcType=1111111111111111111111\r\n");
  modInstall::LoadInstallSettings(places, true);
  EXPECT_EQ(InstallOptions.ClassesArcType, L"11111111111111111");
  EXPECT_EQ(InstallOptions.SendTo, L"0");
}

TEST_F(InstallTest, WithoutARecordWithoutASettingsFileEverythingIsOff) {
  modInstall::LoadInstallSettings(places, false);
  EXPECT_EQ(InstallFolder, source + L"とるべなー");
  EXPECT_EQ(InstallOptions.Classes, L"0");
  EXPECT_EQ(InstallOptions.ClassesArcType, std::wstring(17, L'0'));
}

TEST(InstallFolderText, OnlyDriveAndNetworkPathsAreAccepted) {
  struct Case {
    const wchar_t* text;
    bool usable;
  };
  const Case cases[] = {
      {L"C:\\Program Files\\とるべなー", true},
      {L"d:\\", true},
      {L"\\\\srv\\share", true},
      {L"\\\\srv\\share\\A\\", true},
      {L"", false},
      {L"\\", false},
      {L"とるべなー", false},
      {L"C:とるべなー", false},
      {L"..\\x", false},
      {L"\\\\srv", false},
      {L"\\\\srv\\", false},
      {L" C:\\x", false},
  };
  for (const Case& c : cases) EXPECT_EQ(modInstall::IsInstallFolderUsable(c.text), c.usable) << c.text;
}

TEST(FolderTree, MakesTheFoldersBelowTheRootOrTheShareOnly) {
  struct Case {
    const wchar_t* path;
    std::vector<std::wstring> folders;
  };
  const Case cases[] = {
      {L"C:\\", {}},
      {L"C:\\A\\B\\", {L"C:\\A", L"C:\\A\\B"}},
      {L"C:\\A\\B", {L"C:\\A", L"C:\\A\\B"}},
      {L"\\\\srv\\share\\A\\B\\", {L"\\\\srv\\share\\A", L"\\\\srv\\share\\A\\B"}},
      {L"\\\\srv\\share\\", {}},
  };
  for (const Case& c : cases) EXPECT_EQ(modInstall::FolderTreeSteps(c.path), c.folders) << c.path;
}

TEST_F(InstallTest, MakeFolderTreeMakesTheMissingFolders) {
  const std::wstring path = temp / L"A\\B\\C\\";
  EXPECT_EQ(modInstall::MakeFolderTree(path), 0);
  EXPECT_TRUE(testsupport::FolderExists(path));
  // A file in the way is reported by its error code.
  temp.WriteFile(L"F", "");
  EXPECT_NE(modInstall::MakeFolderTree(temp / L"F\\G\\"), 0);
}

TEST_F(InstallTest, CopiesAreReadBackBeforeTheyCount) {
  const std::wstring from = Deliver(L"a.bin", std::string(150000, 'a'));
  EXPECT_EQ(modInstall::CopyVerified(from, temp / L"b.bin"), modInstall::CopyResult::Copied);
  EXPECT_EQ(modInstall::CopyVerified(from, from), modInstall::CopyResult::SameFile);
  EXPECT_EQ(modInstall::CopyVerified(temp / L"none.bin", temp / L"c.bin"), modInstall::CopyResult::NoSource);
  CreateDirectoryW((temp / L"d.bin").c_str(), nullptr);
  EXPECT_EQ(modInstall::CopyVerified(from, temp / L"d.bin"), modInstall::CopyResult::Failed);
}

TEST_F(InstallTest, LicenceIsReadLineByLineInCodePage932) {
  const std::wstring path = Deliver(L"License.txt", core::ToCp932(L"使用許諾\r\n第1条\nおわり\rend"));
  EXPECT_EQ(modInstall::ReadLicenceText(path), L"使用許諾\r\n第1条\r\nおわり\r\nend\r\n");
  EXPECT_EQ(modInstall::ReadLicenceText(source + L"none.txt"), L"");
}

}  // namespace
}  // namespace installtest
