// The installation and the uninstall run by the engine in scratch places, read back from the folders, the
// scratch registry roots and the recording extension server.
#include <gtest/gtest.h>

#include "InstallFixture.h"
#include "winui/MsgBox.h"
#include "core/modIni.h"
#include "installer/InstallSettings.h"
#include "options/ShellIntegration.h"

namespace installtest {
namespace {

using modInstall::CopyResult;
using modInstall::InstallEngine;
using modInstall::InstallStep;
using testsupport::FileExists;
using testsupport::ReadFileBytes;

constexpr wchar_t kCompleted[] = L"とるべなー【瞬間開梱】のインストールが完了しました";

std::wstring IniValue(const std::wstring& folder, const std::wstring& key) {
  return modInstall::ReadInstallIni(folder, L"Option", key);
}

TEST_F(InstallTest, InstallsMovesTheExtensionRegistersItsInstalledCopyAndHandsOverTheChoices) {
  DeliverProgram();
  const auto report = InstallEngine(places, ui).Install(InstallRoot(), AllOn());

  const std::wstring root = InstallRoot();
  for (const wchar_t* name : {L"Tolvenar.exe", L"Dravisk.exe", L"Molquen.exe", L"INSTALL.EXE", L"License.txt"})
    EXPECT_EQ(ReadFileBytes(root + name), ReadFileBytes(source + name)) << name;
  // Files the source does not hold are no failure.
  EXPECT_FALSE(FileExists(root + L"Tolvenar.chm"));
  EXPECT_EQ(ReadFileBytes(system + L"ShTolvenar.dll"), "MZ extension");
  EXPECT_FALSE(FileExists(source + L"ShTolvenar.dll"));
  EXPECT_EQ(report.extensionCopy, CopyResult::Copied);
  EXPECT_EQ(server.calls, std::vector<std::wstring>{L"register|" + system + L"ShTolvenar.dll"});

  EXPECT_EQ(Classes(L".zip"), L"ZipTolvenarFile");
  EXPECT_EQ(Classes(L"ZipTolvenarFile\\shell\\open3\\command"), L"\"" + root + L"Tolvenar.exe\" /e %1");
  EXPECT_FALSE(Classes(L".cab"));
  EXPECT_EQ(Classes(L"*\\shellex\\ContextMenuHandlers\\TolvenarMenu"), L"{7CCCBF2B-2E49-46BF-AFF7-5913D921D894}");
  EXPECT_TRUE(ReadLink(sendTo + L"とるべなー.lnk"));
  EXPECT_TRUE(ReadLink(desktop + L"解凍.lnk"));

  EXPECT_EQ(RecordedFolder(), root);
  EXPECT_EQ(IniValue(root, L"SendTo"), L"1");
  EXPECT_EQ(IniValue(root, L"Classes"), L"1");
  EXPECT_EQ(IniValue(root, L"ClassesArcType"), L"11000000000000000");
  EXPECT_EQ(Opened(), std::vector<std::wstring>{L"open|explorer.exe|" + root});
  EXPECT_EQ(ui.messages, std::vector<std::wstring>{kCompleted});
  EXPECT_EQ(ui.styles[0], UINT(MB_OK | MB_ICONINFORMATION));

  const std::vector<InstallStep> order = {InstallStep::Folders,
                                          InstallStep::Shortcuts,
                                          InstallStep::Associations,
                                          InstallStep::Verbs,
                                          InstallStep::ExtensionCopy,
                                          InstallStep::ProgramFiles,
                                          InstallStep::ExtensionRegistration,
                                          InstallStep::HandlerKeys,
                                          InstallStep::Settings,
                                          InstallStep::OpenFolder};
  EXPECT_EQ(ui.steps, order);
}

TEST_F(InstallTest, AShortcutThatCannotBeWrittenIsReportedUnderTheInstallersCaption) {
  DeliverProgram();
  RemoveDirectoryW(sendTo.c_str());
  // The box's text is the system's description of the error: only its caption is the installer's.
  std::vector<winui::MsgBoxRequest> boxes;
  winui::MsgBoxHandler previous = winui::SetMsgBoxHandler([&](const winui::MsgBoxRequest& box) {
    boxes.push_back(box);
    return IDOK;
  });
  InstallEngine(places, ui).Install(InstallRoot(), AllOn());
  winui::SetMsgBoxHandler(previous);

  ASSERT_FALSE(boxes.empty()) << "the missing SendTo folder was not reported";
  EXPECT_EQ(boxes.front().title, L"とるべなー インストール") << boxes.front().text;
  EXPECT_EQ(boxes.front().style & MB_ICONMASK, static_cast<UINT>(MB_ICONEXCLAMATION));
  EXPECT_TRUE(FileExists(desktop + L"とるべなー.lnk")) << "the other shortcuts are still written";
}

TEST_F(InstallTest, AFailedExtensionCopyKeepsTheSourceSkipsRegistrationAndIsNamed) {
  DeliverProgram();
  // A folder of that name in the system folder cannot be written over.
  CreateDirectoryW((system + L"ShTolvenar.dll").c_str(), nullptr);

  const auto report = InstallEngine(places, ui).Install(InstallRoot(), AllOn());

  EXPECT_EQ(report.extensionCopy, CopyResult::Failed);
  EXPECT_EQ(ReadFileBytes(source + L"ShTolvenar.dll"), "MZ extension");
  EXPECT_TRUE(server.calls.empty());
  EXPECT_TRUE(FileExists(InstallRoot() + L"Tolvenar.exe"));
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_EQ(ui.messages[0], L"次のファイルをインストールできませんでした\r\n\"ShTolvenar.dll\"");
  EXPECT_EQ(ui.styles[0], UINT(MB_OK | MB_ICONEXCLAMATION));
}

TEST_F(InstallTest, AFolderThatTakesNoFileChangesNothingAtAll) {
  struct Case {
    const char* name;
    std::wstring folder;
  };
  temp.WriteFile(L"入れ先", "a file of the user's");
  const Case cases[] = {
      {"a file", temp / L"入れ先\\"},
      {"below a file", temp / L"入れ先\\とるべなー\\"},
  };
  DeliverProgram();
  classes.Set(L".zip", L"ZipTolvenarFile");
  classes.Set(L"ZipTolvenarFile\\shell\\open3", L"old verb");
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    RecordingUi run;
    const auto report = InstallEngine(places, run).Install(c.folder, AllOn());

    EXPECT_TRUE(report.folderRefused);
    EXPECT_EQ(run.messages, std::vector<std::wstring>{L"インストール先フォルダに書き込めません\r\n" + c.folder +
                                                      L"\r\n別のフォルダを指定して下さい"});
    EXPECT_EQ(run.styles, std::vector<UINT>{MB_OK | MB_ICONEXCLAMATION});
    EXPECT_EQ(ReadFileBytes(temp / L"入れ先"), "a file of the user's");
    EXPECT_EQ(ReadFileBytes(source + L"ShTolvenar.dll"), "MZ extension");
    EXPECT_FALSE(FileExists(system + L"ShTolvenar.dll"));
    EXPECT_TRUE(server.calls.empty());
    EXPECT_FALSE(FileExists(sendTo + L"とるべなー.lnk"));
    EXPECT_FALSE(FileExists(desktop + L"圧縮.lnk"));
    EXPECT_FALSE(Classes(L".lzh"));
    EXPECT_EQ(Classes(L"ZipTolvenarFile\\shell\\open3"), L"old verb");
    EXPECT_FALSE(Classes(shellintegration::kHandlerKeys[0]));
    EXPECT_FALSE(RecordedFolder());
    EXPECT_TRUE(processes.opened.empty());
  }
}

// Each way an installation can fall short of complete.
enum class Shortfall { ProgramFile, Registration, ShortcutInUse };

class ShortfallTest : public InstallTest, public testing::WithParamInterface<Shortfall> {};

TEST_P(ShortfallTest, TheDeliveredExtensionStaysUntilTheInstallationIsComplete) {
  DeliverProgram();
  std::wstring named;
  HANDLE held = INVALID_HANDLE_VALUE;
  switch (GetParam()) {
    case Shortfall::ProgramFile:
      temp.WriteFile(L"Program Files\\Dunel's Software\\とるべなー\\Tolvenar.exe\\inside", "");
      named = L"Tolvenar.exe";
      break;
    case Shortfall::Registration:
      server.result = E_FAIL;
      named = L"ShTolvenar.dll";
      break;
    case Shortfall::ShortcutInUse:
      // Another program holds the shortcut open and lets no one replace it.
      named = temp.WriteFile(L"Desktop\\圧縮.lnk", "a shortcut in use");
      held = CreateFileW(named.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
      ASSERT_NE(held, INVALID_HANDLE_VALUE);
      break;
  }

  const auto report = InstallEngine(places, ui).Install(InstallRoot(), AllOn());
  if (held != INVALID_HANDLE_VALUE) CloseHandle(held);

  EXPECT_EQ(report.extensionCopy, CopyResult::Copied);
  EXPECT_EQ(ReadFileBytes(system + L"ShTolvenar.dll"), "MZ extension");
  EXPECT_EQ(ReadFileBytes(source + L"ShTolvenar.dll"), "MZ extension");
  EXPECT_EQ(ui.messages,
            std::vector<std::wstring>{L"次のファイルをインストールできませんでした\r\n\"" + named + L"\""});
}

std::string ShortfallName(const testing::TestParamInfo<Shortfall>& info) {
  const char* names[] = {"ProgramFile", "Registration", "ShortcutInUse"};
  return names[static_cast<int>(info.param)];
}

INSTANTIATE_TEST_SUITE_P(Cases, ShortfallTest,
                         testing::Values(Shortfall::ProgramFile, Shortfall::Registration, Shortfall::ShortcutInUse),
                         ShortfallName);

TEST_F(InstallTest, FailedCopiesAndAFailedRegistrationAreNamedInPlaceOfTheCompletion) {
  DeliverProgram();
  Deliver(L"README.TXT", "read me");
  CreateDirectoryW((temp / L"Program Files").c_str(), nullptr);
  CreateDirectoryW((temp / L"Program Files\\Dunel's Software").c_str(), nullptr);
  CreateDirectoryW(InstallRoot().c_str(), nullptr);
  CreateDirectoryW((InstallRoot() + L"Tolvenar.exe").c_str(), nullptr);
  CreateDirectoryW((InstallRoot() + L"README.TXT").c_str(), nullptr);
  server.result = E_FAIL;

  InstallEngine(places, ui).Install(InstallRoot(), AllOn());

  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_EQ(ui.messages[0],
            L"次のファイルをインストールできませんでした\r\n\"Tolvenar.exe\"\r\n\"README.TXT\"\r\n\"ShTolvenar.dll\"");
  EXPECT_EQ(ReadFileBytes(InstallRoot() + L"Dravisk.exe"), "MZ splitter");
}

TEST_F(InstallTest, WithoutASystemFolderItStopsAfterTheShellWorkAndCopiesNothing) {
  DeliverProgram();
  places.systemFolder.clear();

  const auto report = InstallEngine(places, ui).Install(InstallRoot(), AllOn());

  EXPECT_TRUE(report.stopped);
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_EQ(
      ui.messages[0],
      L"ShTolvenar.dll のコピーに失敗しました\r\n手動で ShTolvenar.dll を System フォルダへコピーする必要があります");
  EXPECT_EQ(ui.styles[0], UINT(MB_OK | MB_ICONSTOP));
  // What came before stays done: shortcuts, associations, the folder.
  EXPECT_TRUE(FileExists(sendTo + L"とるべなー.lnk"));
  EXPECT_EQ(Classes(L".lzh"), L"LzhTolvenarFile");
  EXPECT_TRUE(testsupport::FolderExists(InstallRoot()));
  // Nothing copied, registered or recorded.
  EXPECT_FALSE(FileExists(InstallRoot() + L"Tolvenar.exe"));
  EXPECT_TRUE(FileExists(source + L"ShTolvenar.dll"));
  EXPECT_TRUE(server.calls.empty());
  EXPECT_FALSE(RecordedFolder());
  EXPECT_FALSE(FileExists(InstallRoot() + L"Tolvenar.ini"));
  EXPECT_FALSE(Classes(L"*\\shellex\\ContextMenuHandlers\\TolvenarMenu"));
}

TEST_F(InstallTest, WithoutAssociationsNeitherAssociationsNorVerbsTouchAnyExtension) {
  DeliverProgram();
  classes.Set(L".zip", L"ZipTolvenarFile");
  classes.Set(L".rar", L"OtherRarFile");
  auto options = AllOn();
  options.Classes = L"0";

  InstallEngine(places, ui).Install(InstallRoot(), options);

  EXPECT_EQ(Classes(L".zip"), L"ZipTolvenarFile");
  EXPECT_EQ(Classes(L".rar"), L"OtherRarFile");
  EXPECT_FALSE(Classes(L".lzh"));
  EXPECT_FALSE(Classes(L"LzhTolvenarFile\\shell\\open3"));
  EXPECT_FALSE(Classes(L"RarTolvenarFile"));
}

TEST_F(InstallTest, RunningAgainFromTheInstallationFolderLosesNothing) {
  DeliverProgram();
  InstallEngine(places, ui).Install(InstallRoot(), AllOn());
  ASSERT_FALSE(FileExists(source + L"ShTolvenar.dll"));

  // The installed copy of the installer runs from the installation folder.
  places.sourceFolder = InstallRoot();
  RecordingUi again;
  const auto report = InstallEngine(places, again).Install(InstallRoot(), AllOn());

  EXPECT_EQ(again.messages, std::vector<std::wstring>{kCompleted});
  EXPECT_EQ(report.extensionCopy, CopyResult::NoSource);
  EXPECT_EQ(ReadFileBytes(InstallRoot() + L"Tolvenar.exe"), std::string(200000, 'T'));
  EXPECT_EQ(ReadFileBytes(system + L"ShTolvenar.dll"), "MZ extension");
  // The extension already in the system folder is registered again.
  EXPECT_EQ(server.calls.size(), 2u);
}

TEST_F(InstallTest, UninstallRemovesTheProgramsPartsAndKeepsWhatIsMeantToStay) {
  DeliverProgram();
  Deliver(L"Tolvenar.chm", "help");
  classes.Set(L".rar", L"OtherRarFile");
  InstallEngine(places, ui).Install(InstallRoot(), AllOn());
  temp.WriteFile(L"Program Files\\Dunel's Software\\とるべなー\\Tolvenar.cnt", "old contents");
  temp.WriteFile(L"Program Files\\Dunel's Software\\とるべなー\\mine.txt", "the user's");
  server.calls.clear();

  InstallEngine(places, ui).Uninstall(InstallRoot());

  const std::wstring root = InstallRoot();
  for (const wchar_t* name : modInstall::kUninstalledFiles) EXPECT_FALSE(FileExists(root + name)) << name;
  for (const wchar_t* name : {L"INSTALL.EXE", L"Tolvenar.chm", L"mine.txt"}) EXPECT_TRUE(FileExists(root + name));
  for (const wchar_t* link : {L"とるべなー.lnk", L"圧縮.lnk", L"解凍.lnk"}) EXPECT_FALSE(FileExists(desktop + link));
  EXPECT_FALSE(FileExists(sendTo + L"とるべなー.lnk"));
  EXPECT_FALSE(Classes(L".zip"));
  EXPECT_FALSE(Classes(L".lzh"));
  EXPECT_EQ(Classes(L".rar"), L"OtherRarFile");
  EXPECT_EQ(Classes(L"ZipTolvenarFile"), L"ZIP書庫");
  for (const wchar_t* key : shellintegration::kHandlerKeys) EXPECT_FALSE(KeyExists(classes.Key(), key));
  EXPECT_EQ(server.calls, std::vector<std::wstring>{L"unregister|" + system + L"ShTolvenar.dll"});
  EXPECT_TRUE(FileExists(system + L"ShTolvenar.dll"));
  EXPECT_EQ(RecordedFolder(), root);
  // Only the installation's completion: the uninstall reports nothing.
  EXPECT_EQ(ui.messages.size(), 1u);
}

TEST_F(InstallTest, UninstallWithoutARecordedFolderLooksInsideTheDefaultFolder) {
  const std::wstring folder = source + L"とるべなー\\";
  temp.WriteFile(L"配布\\とるべなー\\Tolvenar.exe", "MZ");
  temp.WriteFile(L"配布\\とるべなー\\INSTALL.EXE", "MZ");
  // What the folder's name without its "\\" followed by a file name would hit.
  const std::wstring beside = Deliver(L"とるべなーTolvenar.exe", "not the program's");

  modInstall::LoadInstallSettings(places, false);
  ASSERT_EQ(modInstall::InstallFolder, source + L"とるべなー");
  InstallEngine(places, ui).Uninstall(modInstall::InstallFolder);

  EXPECT_FALSE(FileExists(folder + L"Tolvenar.exe"));
  EXPECT_TRUE(FileExists(folder + L"INSTALL.EXE"));
  EXPECT_TRUE(FileExists(beside));
}

}  // namespace
}  // namespace installtest
