// The consent page and the installer window, created hidden and driven through their control ids, and the
// start-up's three roads.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "LabelCheck.h"
#include "InstallFixture.h"
#include "core/Text.h"
#include "installer/InstallSettings.h"
#include "installer/frmInstall.h"
#include "installer/frmKyodaku.h"
#include "installer/modInstall.h"
#include "winui/App.h"

namespace installtest {
namespace {

using modInstall::frmInstall;
using modInstall::frmKyodaku;
using modInstall::InstallEngine;
using modInstall::InstallFolder;
using modInstall::InstallOptions;
using testsupport::FileExists;
using testsupport::ReadFileBytes;

// Clicks a button the way the window gets a user's click.
void Press(winui::CommandButton& button) { SendMessageW(button.Hwnd(), BM_CLICK, 0, 0); }

class frmInstallTest : public InstallTest {
 protected:
  void LoadWith(const std::wstring& folder, const modInstall::InstallOptionSet& options) {
    InstallFolder = folder;
    InstallOptions = options;
    ASSERT_TRUE(form.Load());
  }
  std::vector<int> SelectedRows() {
    std::vector<int> rows;
    for (int i = 0; i < form.lstClassesArcType.ListCount(); ++i)
      if (form.lstClassesArcType.Selected(i)) rows.push_back(i);
    return rows;
  }

  frmInstall form{places};
};

TEST_F(frmInstallTest, ShowsTheFolderTheChoicesAndTheMarkedTypes) {
  LoadWith(L"D:\\Program Files\\Dunel's Software\\とるべなー",
           {L"1", L"0", L"1", L"0", L"1", L"0", L"10100000000000000"});

  EXPECT_EQ(form.Caption(), L"とるべなー 【瞬間開梱】 のインストール");
  EXPECT_EQ(form.txtFolder.Text(), L"D:\\Program Files\\Dunel's Software\\とるべなー");
  EXPECT_EQ(form.chkSendTo.Value(), 1);
  EXPECT_EQ(form.chkDeskTop.Value(), 0);
  EXPECT_EQ(form.chkQuickMenu.Value(), 1);
  EXPECT_EQ(form.chkQuickComp.Value(), 0);
  EXPECT_EQ(form.chkOpenPackn.Value(), 1);
  EXPECT_EQ(form.chkClasses.Value(), 0);
  ASSERT_EQ(form.lstClassesArcType.ListCount(), 17);
  EXPECT_EQ(form.lstClassesArcType.List(4), L"TAR書庫 (*.tar;*.taz;*.tgz;*.gz;*.bz2;*.tbz;*.z)");
  EXPECT_EQ(SelectedRows(), (std::vector<int>{0, 2}));
  EXPECT_FALSE(form.lstClassesArcType.Enabled());

  SendMessageW(form.chkClasses.Hwnd(), BM_CLICK, 0, 0);
  EXPECT_EQ(form.chkClasses.Value(), 1);
  EXPECT_TRUE(form.lstClassesArcType.Enabled());
}

TEST_F(frmInstallTest, AnyStoredValueOtherThanZeroShowsATickAndOkStoresItAsOne) {
  DeliverProgram();
  LoadWith(temp / L"入れ先", {L"2", L"yes", L" 1", L"-1", L"0", L"1", L"1"});
  EXPECT_EQ(form.chkSendTo.Value(), 1);
  EXPECT_EQ(form.chkDeskTop.Value(), 1);
  EXPECT_EQ(form.chkQuickMenu.Value(), 1);
  EXPECT_EQ(form.chkQuickComp.Value(), 1);
  EXPECT_EQ(form.chkOpenPackn.Value(), 0);
  EXPECT_EQ(SelectedRows(), std::vector<int>{0});
  boxes.Expect(L"とるべなー【瞬間開梱】のインストールが完了しました");

  Press(form.cmdOk);

  EXPECT_EQ(InstallOptions.SendTo, L"1");
  EXPECT_EQ(InstallOptions.DeskTop, L"1");
  EXPECT_EQ(InstallOptions.QuickMenu, L"1");
  EXPECT_EQ(InstallOptions.QuickCompress, L"1");
  EXPECT_EQ(InstallOptions.OpenPackn, L"0");
  EXPECT_EQ(InstallOptions.ClassesArcType, L"10000000000000000");
}

TEST_F(frmInstallTest, ChoosingAFolderShowsTheChoicesStoredThereAndCancelChangesNothing) {
  LoadWith(L"C:\\x", {L"1", L"1", L"1", L"1", L"1", L"1", L"11111111111111111"});
  temp.WriteFile(L"other\\Tolvenar.ini", "[Option]\r\nDeskTop=1\r\nClassesArcType=01\r\n");

  picker.answer = L"";
  Press(form.cmdFolder);
  EXPECT_EQ(form.txtFolder.Text(), L"C:\\x");
  EXPECT_EQ(form.chkSendTo.Value(), 1);
  EXPECT_EQ(picker.asked, std::vector<std::wstring>{L"ｲｽﾝﾄｰﾙ先のﾌｫﾙﾀﾞを選択して下さい|C:\\x"});

  picker.answer = temp / L"other";
  Press(form.cmdFolder);
  EXPECT_EQ(form.txtFolder.Text(), temp / L"other\\");
  EXPECT_EQ(InstallFolder, temp / L"other\\");
  EXPECT_EQ(form.chkSendTo.Value(), 0);
  EXPECT_EQ(form.chkDeskTop.Value(), 1);
  EXPECT_EQ(form.chkClasses.Value(), 0);
  EXPECT_EQ(SelectedRows(), std::vector<int>{1});
}

TEST_F(frmInstallTest, OkWithAnEmptyOrRelativeFolderDoesNothing) {
  DeliverProgram();
  LoadWith(L"", AllOn());
  for (const wchar_t* text : {L"", L"とるべなー", L"sub\\dir"}) {
    form.txtFolder.SetText(text);
    Press(form.cmdOk);
    EXPECT_TRUE(form.IsLoaded()) << text;
  }
  EXPECT_TRUE(boxes.Shown().empty());
  EXPECT_TRUE(FileExists(source + L"ShTolvenar.dll"));
  EXPECT_FALSE(Classes(L".lzh"));
  EXPECT_FALSE(FileExists(sendTo + L"とるべなー.lnk"));
}

TEST_F(frmInstallTest, OkInstallsWhatTheControlsSayAndCloses) {
  DeliverProgram();
  LoadWith(L"", {L"0", L"0", L"0", L"0", L"0", L"0", L"00000000000000000"});
  form.txtFolder.SetText(temp / L"入れ先");
  SendMessageW(form.chkSendTo.Hwnd(), BM_CLICK, 0, 0);
  SendMessageW(form.chkClasses.Hwnd(), BM_CLICK, 0, 0);
  form.lstClassesArcType.SetSelected(13, true);
  boxes.Expect(L"とるべなー【瞬間開梱】のインストールが完了しました");
  const HWND window = form.Hwnd();

  Press(form.cmdOk);

  EXPECT_FALSE(form.IsLoaded());
  EXPECT_TRUE(boxes.AllShown());
  EXPECT_EQ(boxes.Shown()[0].title, L"とるべなー インストール");
  EXPECT_EQ(boxes.Shown()[0].owner, window);
  EXPECT_EQ(InstallFolder, temp / L"入れ先\\");
  EXPECT_EQ(InstallOptions.SendTo, L"1");
  EXPECT_EQ(InstallOptions.Classes, L"1");
  EXPECT_EQ(InstallOptions.ClassesArcType, L"00000000000001000");
  EXPECT_EQ(modInstall::ReadInstallIni(InstallFolder, L"Option", L"ClassesArcType"), L"00000000000001000");
  EXPECT_EQ(Classes(L".7z"), L"7zTolvenarFile");
  EXPECT_TRUE(FileExists(sendTo + L"とるべなー.lnk"));
  EXPECT_FALSE(FileExists(desktop + L"とるべなー.lnk"));
  EXPECT_TRUE(FileExists(temp / L"入れ先\\Tolvenar.exe"));
}

TEST_F(frmInstallTest, OkIntoAFolderThatTakesNoFileSaysSoKeepsTheWindowAndChangesNothing) {
  DeliverProgram();
  LoadWith(L"", AllOn());
  temp.WriteFile(L"入れ先", "a file of the user's");
  form.txtFolder.SetText(temp / L"入れ先");
  boxes.Expect(L"インストール先フォルダに書き込めません\r\n" + temp / L"入れ先\\" +
               L"\r\n別のフォルダを指定して下さい");

  Press(form.cmdOk);

  EXPECT_TRUE(boxes.AllShown());
  EXPECT_TRUE(form.IsLoaded());
  EXPECT_EQ(GetFocus(), form.txtFolder.Hwnd());
  EXPECT_EQ(ReadFileBytes(temp / L"入れ先"), "a file of the user's");
  EXPECT_EQ(ReadFileBytes(source + L"ShTolvenar.dll"), "MZ extension");
  EXPECT_TRUE(server.calls.empty());
  EXPECT_FALSE(Classes(L".lzh"));
  EXPECT_FALSE(FileExists(sendTo + L"とるべなー.lnk"));
  EXPECT_FALSE(RecordedFolder());
  EXPECT_TRUE(processes.opened.empty());

  // Another folder: the same window installs there.
  form.txtFolder.SetText(temp / L"入れ直し");
  boxes.Expect(L"とるべなー【瞬間開梱】のインストールが完了しました");
  Press(form.cmdOk);
  EXPECT_FALSE(form.IsLoaded());
  EXPECT_TRUE(FileExists(temp / L"入れ直し\\Tolvenar.exe"));
  EXPECT_EQ(RecordedFolder(), temp / L"入れ直し\\");
}

TEST_F(frmInstallTest, TickedVerbsWithoutAssociationsKeepTheVerbsOfAnEarlierInstallation) {
  DeliverProgram();
  InstallEngine(places, ui).Install(InstallRoot(), AllOn());
  ASSERT_TRUE(Classes(L"ZipTolvenarFile\\shell\\open3"));
  // Installed again with the association box cleared and both verb boxes ticked.
  LoadWith(InstallRoot(), {L"1", L"1", L"1", L"1", L"1", L"0", L"00000000000000000"});
  boxes.Expect(L"とるべなー【瞬間開梱】のインストールが完了しました");

  Press(form.cmdOk);

  EXPECT_TRUE(boxes.AllShown());
  const std::wstring quoted = L"\"" + InstallRoot() + L"Tolvenar.exe\"";
  for (const wchar_t* progId : {L"LzhTolvenarFile", L"ZipTolvenarFile"}) {
    SCOPED_TRACE(testing::PrintToString(std::wstring(progId)));
    EXPECT_EQ(Classes(progId + std::wstring(L"\\shell\\open3\\command")), quoted + L" /e %1");
    EXPECT_EQ(Classes(progId + std::wstring(L"\\shell\\open2\\command")), quoted + L" %1");
  }
  EXPECT_EQ(Classes(L".zip"), L"ZipTolvenarFile");
  EXPECT_FALSE(Classes(L".cab"));
}

TEST_F(frmInstallTest, CancelClosesWithoutWritingAnything) {
  DeliverProgram();
  LoadWith(temp / L"入れ先\\", AllOn());
  Press(form.cmdCancel);
  EXPECT_FALSE(form.IsLoaded());
  EXPECT_FALSE(testsupport::FolderExists(temp / L"入れ先"));
  EXPECT_FALSE(RecordedFolder());
  EXPECT_FALSE(Classes(L".zip"));
}

TEST_F(InstallTest, ConsentPageShowsTheLicenceAndOnlyAgreeingAgrees) {
  Deliver(L"License.txt", core::ToCp932(L"第1条 使用許諾\r\n"));
  {
    frmKyodaku page(source);
    ASSERT_TRUE(page.Load());
    EXPECT_EQ(page.Caption(), L"使用許諾契約");
    EXPECT_EQ(page.txtKyodaku.Text(), L"第1条 使用許諾\r\n");
    EXPECT_EQ(page.cmdOk.Caption(), L"同意する");
    EXPECT_EQ(page.cmdCancel.Caption(), L"同意しない");
    Press(page.cmdCancel);
    EXPECT_FALSE(page.IsLoaded());
    EXPECT_EQ(page.ModalResult(), winui::DialogResult::Cancel);
  }
  frmKyodaku page(source);
  ASSERT_TRUE(page.Load());
  Press(page.cmdOk);
  EXPECT_FALSE(page.IsLoaded());
  EXPECT_EQ(page.ModalResult(), winui::DialogResult::OK);
}

// The two ways out of the consent page that do not agree (agreeing goes on to the installer window, which
// the end-to-end run covers).
enum class ConsentWay { Refuse, CloseBox };

// Answers the consent page as a user would: through its refuse button or its close box.
class ConsentAnswer {
 public:
  explicit ConsentAnswer(ConsentWay way)
      : previous_(winui::SetModalHook([way](winui::Form& form) {
          auto& page = dynamic_cast<frmKyodaku&>(form);
          if (way == ConsentWay::CloseBox)
            SendMessageW(page.Hwnd(), WM_SYSCOMMAND, SC_CLOSE, 0);
          else
            Press(page.cmdCancel);
        })) {}
  ~ConsentAnswer() { winui::SetModalHook(previous_); }

 private:
  winui::ModalHook previous_;
};

TEST_F(InstallTest, RefusingOrClosingTheConsentPageEndsBeforeAnythingIsRead) {
  DeliverProgram();
  user.Set(modInstall::kFoldersKey, L"C:\\recorded\\", modInstall::kFolderValue);
  for (ConsentWay way : {ConsentWay::Refuse, ConsentWay::CloseBox}) {
    SCOPED_TRACE(static_cast<int>(way));
    modInstall::InstallAgreed = true;
    ConsentAnswer answer(way);
    EXPECT_EQ(modInstall::Main(L"", places), 0);
    EXPECT_FALSE(modInstall::InstallAgreed);
    EXPECT_EQ(InstallFolder, L"");
    EXPECT_EQ(winui::LoadedFormCount(), 0);
  }
}

TEST_F(InstallTest, SlashDUninstallsWithoutAnyWindowOrMessage) {
  for (const wchar_t* command : {L"/d", L"/D"}) {
    SCOPED_TRACE(testing::PrintToString(std::wstring(command)));
    DeliverProgram();
    InstallEngine(places, ui).Install(InstallRoot(), AllOn());
    ASSERT_TRUE(FileExists(InstallRoot() + L"Tolvenar.exe"));

    EXPECT_EQ(modInstall::Main(command, places), 0);

    EXPECT_FALSE(FileExists(InstallRoot() + L"Tolvenar.exe"));
    EXPECT_FALSE(Classes(L".zip"));
    EXPECT_EQ(winui::LoadedFormCount(), 0);
  }
  EXPECT_TRUE(modInstall::IsUninstallCommand(L"/D"));
  EXPECT_FALSE(modInstall::IsUninstallCommand(L"/d "));
  EXPECT_FALSE(modInstall::IsUninstallCommand(L"/u"));
}

TEST_F(frmInstallTest, EveryLabelOfTheInstallerAndItsConsentPageShowsItsWholeText) {
  LoadWith(temp / L"入れ先", {});
  EXPECT_THAT(testsupport::CutLabels(form.Hwnd()), testing::IsEmpty());
  Deliver(L"License.txt", core::ToCp932(L"第1条 使用許諾\r\n"));
  frmKyodaku page(source);
  ASSERT_TRUE(page.Load());
  EXPECT_THAT(testsupport::CutLabels(page.Hwnd()), testing::IsEmpty());
  page.Unload();
}

}  // namespace
}  // namespace installtest
