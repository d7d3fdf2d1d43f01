// The extraction dialog driven hidden through its controls: what it shows at load, the boxes of every
// archive type, the free space of the destination's drive, the folder history as focus changes and OK keep
// it, the folder buttons, the keys that close it, and a destination no archiver can be given.
#include "tools/frmArchiveDown.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "KeyInput.h"
#include "ProgramStateGuard.h"
#include "ScriptedMsgBox.h"
#include "SeamFakes.h"
#include "Standins.h"
#include "TempDir.h"
#include "ToolFakes.h"
#include "ToolFixtures.h"
#include "TopMostCheck.h"
#include "core/BrowseFolderEx.h"
#include "core/Settings.h"
#include "core/Text.h"
#include "core/frmBrowseFolderEx.h"
#include "core/modPath.h"
#include "core/modShell.h"
#include "core/modTolvenar.h"
#include "operations/UnPackArgs.h"

namespace {

using tools::frmArchiveDown;

class frmArchiveDownTest : public ::testing::Test {
 protected:
  void SetUp() override {
    savedBrowse_ = core::BrowseFolderPath;
    core::Settings.ArcDown = {L""};
    core::Settings.UnpackDefaultFlag = L"1";
    core::Settings.COM_MakeFolder = core::Settings.COM_FolderYuko = L"0";
    core::Settings.COM_NewFile = core::Settings.COM_OverWtite = L"0";
    for (auto member : kFileOpts) core::Settings.*member = L"0";
    core::PrivateState.SetArcFileName(L"C:\\arc\\data.lzh");
    disk.drives = {{L"C:\\", {.total = 2147483648ull, .free = 2147483648ull}},
                   {L"D:\\", {.total = 1025, .free = 1025}}};
  }
  void TearDown() override {
    form.Unload();
    core::BrowseFolderPath = savedBrowse_;
  }
  // The edit part of the destination box, where the user types.
  HWND Edit() { return GetWindow(form.cmbLhaDown.Hwnd(), GW_CHILD); }
  std::vector<std::wstring> History() {
    std::vector<std::wstring> items(core::Settings.ArcDown.begin() + 1, core::Settings.ArcDown.end());
    while (!items.empty() && items.back().empty()) items.pop_back();
    return items;
  }
  std::vector<std::wstring> Items() {
    std::vector<std::wstring> items;
    for (int i = 0; i < form.cmbLhaDown.ListCount(); ++i) items.push_back(form.cmbLhaDown.List(i));
    return items;
  }
  std::wstring FreeLabel() { return form.lblFreeSpace.Caption(); }

  static constexpr std::wstring core::SettingsStore::*kFileOpts[] = {
      &core::SettingsStore::LZH_FileOpt, &core::SettingsStore::ZIP_FileOpt, &core::SettingsStore::ARJ_FileOpt,
      &core::SettingsStore::JAR_FileOpt, &core::SettingsStore::BGA_FileOpt, &core::SettingsStore::BH_FileOpt};

  testsupport::ProgramStateGuard state;
  testsupport::FakeMainWindow link;
  core::ScopedMainWindowLink linkSeam{link};
  testsupport::ScriptedMsgBox boxes;
  testsupport::FakeDiskSpace disk;
  core::ScopedDiskSpaceSeam diskSeam{disk};
  frmArchiveDown form;

 private:
  std::wstring savedBrowse_;
};

TEST(FreeSpaceText, EachUnitFromJustAboveThePreviousOnes1024) {
  const std::pair<double, const wchar_t*> cases[] = {
      {0, L"0byte"},
      {1024, L"1,024byte"},
      {1025, L"1.00KB"},
      {1536, L"1.50KB"},
      {1048576, L"1,024.00KB"},
      {1048577, L"1.00MB"},
      {1073741824, L"1,024.00MB"},
      {2147483648.0, L"2.00GB"},
      {5.5 * 1099511627776.0, L"5,632.00GB"},
  };
  for (const auto& [bytes, text] : cases) EXPECT_EQ(text, tools::FreeSpaceText(bytes)) << bytes;
}

TEST_F(frmArchiveDownTest, LoadShowsTheArchiveItsHistoryAndTheStoredBoxes) {
  core::Settings.ArcDown = {L"", L"C:\\first", L"   ", L"", L" D:\\spaced "};
  core::Settings.COM_MakeFolder = L"1";
  core::Settings.COM_FolderYuko = L"yes";  // not a number: the box stays clear
  core::Settings.COM_OverWtite = L"1";
  ASSERT_TRUE(form.Load());
  EXPECT_EQ(L"data.lzh - 書庫ファイルの解凍", form.Caption());
  EXPECT_EQ((std::vector<std::wstring>{L"C:\\first", L" D:\\spaced "}), Items());
  EXPECT_EQ(L"C:\\arc", form.cmbLhaDown.Text());
  EXPECT_EQ(L"空き容量 : 2.00GB", FreeLabel());
  EXPECT_EQ(1, form.chkMakeFolder.Value());
  EXPECT_EQ(0, form.chkFolder.Value());
  EXPECT_EQ(1, form.chkOverWrite.Value());
  EXPECT_EQ(0, form.ChkNewFile.Value());
  EXPECT_FALSE(form.fraFolder.Enabled());
  for (int i = 0; i < 3; ++i) EXPECT_FALSE(form.optFolder(i).Enabled()) << i;
  form.Unload();

  // The default folder, without its trailing backslash, unless the archive's folder is asked for or no
  // default is set.
  const struct {
    const wchar_t* flag;
    const wchar_t* unpackDefault;
    const wchar_t* shown;
  } destinations[] = {{L"0", L"D:\\Out\\", L"D:\\Out"}, {L"0", L"", L"C:\\arc"}, {L"1", L"D:\\Out", L"C:\\arc"}};
  for (const auto& d : destinations) {
    core::Settings.UnpackDefaultFlag = d.flag;
    core::Settings.UnpackDefault = d.unpackDefault;
    ASSERT_TRUE(form.Load());
    EXPECT_EQ(d.shown, form.cmbLhaDown.Text()) << core::ToUtf8(d.unpackDefault);
    form.Unload();
  }
  testsupport::ExpectTopMostUnlessNeverTopIsZero(form, link);
}

TEST_F(frmArchiveDownTest, EachTypeSetsItsBoxes) {
  // Boxes stored on, the newer-files box off; every type's own newer-files option on.
  core::Settings.COM_FolderYuko = core::Settings.COM_OverWtite = L"1";
  for (auto member : kFileOpts) core::Settings.*member = L"1";
  struct Box {
    bool enabled;
    int value;
    bool operator==(const Box&) const = default;
  };
  struct Case {
    const wchar_t* name;
    Box folder, overwrite, newFile, volumes;
  };
  const Box on{true, 1}, off{true, 0}, lockedOn{false, 1}, lockedOff{false, 0};
  const Case cases[] = {
      {L"a.lzh", on, on, on, lockedOff},
      {L"a.zip", on, on, on, lockedOff},
      {L"a.cab", on, on, off, off},
      {L"a.arj", lockedOn, on, on, lockedOff},
      {L"a.tar", on, lockedOn, off, lockedOff},
      {L"a.tgz", on, lockedOn, off, lockedOff},
      {L"a.tbz", on, lockedOn, off, lockedOff},
      {L"a.ish", lockedOn, lockedOn, off, lockedOff},
      {L"a.rar", on, on, off, off},
      {L"a.yz1", on, on, lockedOff, lockedOff},
      {L"a.ace", lockedOff, lockedOn, lockedOff, lockedOff},
      {L"a.jar", on, lockedOn, on, lockedOff},
      {L"a.gza", on, on, on, lockedOff},
      {L"a.gca", on, on, lockedOff, lockedOff},
      {L"a.bel", on, on, lockedOff, lockedOff},
      {L"a.7z", on, on, off, lockedOff},
      {L"a.imp", on, on, lockedOff, lockedOff},
      {L"a.yz2", lockedOff, on, lockedOff, lockedOff},
      {L"a.bh", on, on, on, lockedOff},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(core::ToUtf8(c.name));
    core::PrivateState.SetArcFileName(std::wstring(L"C:\\arc\\") + c.name);
    ASSERT_TRUE(form.Load());
    EXPECT_EQ(c.folder, (Box{form.chkFolder.Enabled(), form.chkFolder.Value()}));
    EXPECT_EQ(c.overwrite, (Box{form.chkOverWrite.Enabled(), form.chkOverWrite.Value()}));
    EXPECT_EQ(c.newFile, (Box{form.ChkNewFile.Enabled(), form.ChkNewFile.Value()}));
    EXPECT_EQ(c.volumes, (Box{form.chkMultiCab.Enabled(), form.chkMultiCab.Value()}));
    EXPECT_EQ(std::wstring(c.name) == L"a.rar" ? L"マルチボリュームで作成された書庫を連続して解凍する(&M)"
                                               : L"マルチボリュームで作成されたキャビネットを連続して解凍する(&M)",
              form.chkMultiCab.Caption());
    form.Unload();
  }

  // A type's own option off leaves the stored box; the types that clear it clear a stored "1".
  core::Settings.COM_NewFile = L"1";
  for (auto member : kFileOpts) core::Settings.*member = L"0";
  for (const auto& [name, value] : {std::pair{L"a.lzh", 1}, {L"a.cab", 1}, {L"a.tar", 0}, {L"a.7z", 0}}) {
    core::PrivateState.SetArcFileName(std::wstring(L"C:\\arc\\") + name);
    ASSERT_TRUE(form.Load());
    EXPECT_EQ(value, form.ChkNewFile.Value()) << core::ToUtf8(name);
    form.Unload();
  }
}

TEST_F(frmArchiveDownTest, ARarArchiveThatGoesOnInTheNextVolumeOpensWithItsBoxChecked) {
  testsupport::TempDir temp;
  toolstest::StandinCopies standins{temp};
  const std::string entry = "entry a.txt\r\ndata abc\r\n";
  const std::wstring first =
      temp.WriteFile(L"set.part1.rar", testsupport::FixtureArchive("RAR", entry + "flags 2\r\nend\r\n"));
  const std::wstring alone = temp.WriteFile(L"alone.rar", testsupport::FixtureArchive("RAR", entry + "end\r\n"));
  for (const auto& [path, value] : {std::pair{first, 1}, {alone, 0}}) {
    core::PrivateState.SetArcFileName(path);
    ASSERT_TRUE(form.Load());
    EXPECT_TRUE(form.chkMultiCab.Enabled());
    EXPECT_EQ(value, form.chkMultiCab.Value()) << core::ToUtf8(path);
    form.Unload();
  }
}

TEST_F(frmArchiveDownTest, TheFreeSpaceFollowsPickingAndLeavingTheBoxNotTyping) {
  core::Settings.ArcDown = {L"", L"D:\\hist", L"\\\\server\\share"};
  ASSERT_TRUE(form.Load());
  EXPECT_EQ(L"空き容量 : 2.00GB", FreeLabel());

  form.cmbLhaDown.SetFocus();
  form.cmbLhaDown.SetText(L"D:\\typed");
  SendMessageW(form.cmbLhaDown.Hwnd(), CB_SETEDITSEL, 0, MAKELPARAM(8, 8));
  winuitest::Type(Edit(), "x");
  EXPECT_EQ(L"D:\\typedx", form.cmbLhaDown.Text());
  EXPECT_EQ(L"空き容量 : 2.00GB", FreeLabel()) << "typing alone does not ask";
  toolstest::ClickAt(form.chkMakeFolder.Hwnd());
  winui::DoEvents();
  EXPECT_EQ(L"空き容量 : 1.00KB", FreeLabel()) << "leaving the box asks";

  form.cmbLhaDown.SetListIndex(0);
  EXPECT_EQ(L"空き容量 : 1.00KB", FreeLabel());
  form.cmbLhaDown.SetListIndex(1);
  EXPECT_EQ(L"空き容量 : 0byte", FreeLabel()) << "a network path has no drive to ask";
}

// Leaving the box keeps what was typed at the end of the history, so Cancel clicked with the mouse keeps it.
TEST_F(frmArchiveDownTest, LeavingTheBoxAppendsTheTypedFolderEvenAfterCancel) {
  for (int i = 1; i <= 16; ++i) core::Settings.ArcDown.push_back(L"C:\\h" + std::to_wstring(i));
  ASSERT_TRUE(form.Load());
  form.cmbLhaDown.SetFocus();
  form.cmbLhaDown.SetText(L"");
  winuitest::Type(Edit(), "c1");
  toolstest::ClickAt(form.CmdCancel.Hwnd());
  winui::DoEvents();
  EXPECT_FALSE(form.IsLoaded());
  const std::vector<std::wstring> history = History();
  ASSERT_EQ(17u, history.size()) << "no limit of 16 when the box is left";
  EXPECT_EQ(L"C:\\h1", history[0]);
  EXPECT_EQ(L"c1", history[16]);

  // A folder already listed, letter for letter, is not listed twice.
  core::Settings.ArcDown = {L"", L"C:\\h1"};
  ASSERT_TRUE(form.Load());
  form.cmbLhaDown.SetFocus();
  form.cmbLhaDown.SetText(L"C:\\h1");
  form.CmdOk.SetFocus();
  EXPECT_EQ((std::vector<std::wstring>{L"C:\\h1"}), History());
}

TEST_F(frmArchiveDownTest, OkPutsTheFolderFirstStoresTheBoxesAndAnswersTheChoice) {
  core::Settings.ArcDown = {L"", L"C:\\older", L"d:\\out\\", L"C:\\oldest"};
  core::PrivateState.SetArcFileName(L"C:\\arc\\data.jar");
  core::Settings.JAR_FileOpt = L"1";
  ASSERT_TRUE(form.Load());
  form.cmbLhaDown.SetText(L"  D:\\Out\\  ");
  form.chkMakeFolder.SetValue(1);
  form.chkFolder.SetValue(1);
  form.CmdOk.Click();
  EXPECT_FALSE(form.IsLoaded());
  EXPECT_EQ(L"D:\\Out\\", form.Choice().destination);
  EXPECT_FALSE(form.Choice().allVolumes);
  // The equal entry (ignoring case) gives way; entries are kept without a trailing backslash.
  EXPECT_EQ((std::vector<std::wstring>{L"D:\\Out", L"C:\\older", L"C:\\oldest"}), History());
  EXPECT_EQ(L"1", core::Settings.COM_MakeFolder);
  EXPECT_EQ(L"1", core::Settings.COM_FolderYuko);
  EXPECT_EQ(L"0", core::Settings.COM_OverWtite);
  EXPECT_EQ(L"1", core::Settings.COM_NewFile) << "checked by the JAR option, stored as it stands";

  // The volumes box of a cabinet.
  core::PrivateState.SetArcFileName(L"C:\\arc\\disk1.cab");
  ASSERT_TRUE(form.Load());
  form.chkMultiCab.SetValue(1);
  form.CmdOk.Click();
  EXPECT_TRUE(form.Choice().allVolumes);
  EXPECT_EQ(L"C:\\arc", form.Choice().destination);
}

TEST_F(frmArchiveDownTest, AnEmptyFolderBlocksOkBlanksMeanTheArchivesFolder) {
  core::Settings.ArcDown = {L"", L"C:\\kept"};
  ASSERT_TRUE(form.Load());
  form.cmbLhaDown.SetText(L"");
  form.CmdOk.Click();
  EXPECT_TRUE(form.IsLoaded());
  form.cmbLhaDown.SetText(L"   ");
  form.CmdOk.Click();
  EXPECT_FALSE(form.IsLoaded());
  EXPECT_EQ(L"", form.Choice().destination);
  EXPECT_EQ((std::vector<std::wstring>{L"C:\\kept"}), History());
}

TEST_F(frmArchiveDownTest, EnterIsOkEscCancels) {
  ASSERT_TRUE(form.Load());
  form.cmbLhaDown.SetFocus();
  form.cmbLhaDown.SetText(L"");
  winuitest::Type(Edit(), "x1");
  winuitest::Key(Edit(), VK_RETURN);
  EXPECT_FALSE(form.IsLoaded());
  // Typed without a drive: in the archive's folder, also in the history.
  EXPECT_EQ(L"C:\\arc\\x1", form.Choice().destination);
  EXPECT_EQ(L"C:\\arc\\x1", History().front());
  EXPECT_EQ(winui::DialogResult::OK, form.ModalResult());

  core::Settings.COM_MakeFolder = L"0";
  ASSERT_TRUE(form.Load());
  form.chkMakeFolder.SetValue(1);
  form.chkMakeFolder.SetFocus();
  winuitest::Key(form.chkMakeFolder.Hwnd(), VK_ESCAPE);
  EXPECT_FALSE(form.IsLoaded());
  EXPECT_EQ(L"0", core::Settings.COM_MakeFolder) << "Cancel stores nothing";
}

TEST_F(frmArchiveDownTest, FolderButtonsSetTheFolderAndTheChooserCanBeCancelled) {
  ASSERT_TRUE(form.Load());
  form.cmbLhaDown.SetText(L"D:\\typed\\");
  form.cmdDeskTop.Click();
  EXPECT_EQ(core::GetSpecialFolderPath(16), form.cmbLhaDown.Text());
  EXPECT_EQ(Edit(), GetFocus()) << "the focus goes back into the box";
  form.cmdMyDocuments.Click();
  EXPECT_EQ(core::GetSpecialFolderPath(5), form.cmbLhaDown.Text());
  form.cmbLhaDown.SetText(L"D:\\typed\\");
  form.CmdCurFolder.Click();
  EXPECT_EQ(L"C:\\arc", form.cmbLhaDown.Text());
  EXPECT_EQ(L"空き容量 : 2.00GB", FreeLabel());

  // The chooser starts at the box's folder; its choice becomes the folder, Cancel changes nothing.
  form.cmbLhaDown.SetText(L"D:\\typed\\");
  std::vector<std::wstring> starts;
  std::wstring answer = L"D:\\picked";
  toolstest::ModalScript user([&](winui::Form& shown) {
    auto& chooser = static_cast<core::frmBrowseFolderEx&>(shown);
    starts.push_back(core::BrowseFolderPath);
    if (answer.empty()) {
      chooser.CmdCancel.Click();
      return;
    }
    chooser.BrowseFolderEx1.SelectionChanged(answer);
    chooser.CmdOk.Click();
  });
  form.cmdFolderSearch.Click();
  EXPECT_EQ(L"D:\\picked", form.cmbLhaDown.Text());
  EXPECT_EQ(L"空き容量 : 1.00KB", FreeLabel());
  answer.clear();
  form.cmdFolderSearch.Click();
  EXPECT_EQ(L"D:\\picked", form.cmbLhaDown.Text());
  EXPECT_EQ(L"空き容量 : 1.00KB", FreeLabel());
  EXPECT_EQ((std::vector<std::wstring>{L"D:\\typed", L"D:\\picked"}), starts);
}

TEST_F(frmArchiveDownTest, AFolderNoArchiverCanBeGivenOrThatNamesNoFolderIsRefusedWithTheDialogStillOpen) {
  const std::wstring snowman = L"C:\\雪\u2603";
  struct Case {
    std::wstring typed;
    std::wstring message;
  };
  const Case cases[] = {
      {L" " + snowman, operations::UnholdableNameMessage(snowman)},
      {L"D:data", operations::UnplacedDestinationMessage(L"D:data")},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(core::ToUtf8(c.typed));
    core::Settings.ArcDown = {L"", L"C:\\kept"};
    ASSERT_TRUE(form.Load());
    form.cmbLhaDown.SetText(c.typed);
    form.chkMakeFolder.SetValue(1);
    boxes.Expect(c.message);
    form.CmdOk.Click();
    EXPECT_TRUE(boxes.AllShown());
    EXPECT_TRUE(form.IsLoaded());
    EXPECT_EQ(c.typed, form.cmbLhaDown.Text());
    EXPECT_EQ((std::vector<std::wstring>{L"C:\\kept"}), History());
    EXPECT_EQ(L"0", core::Settings.COM_MakeFolder);
    form.Unload();
  }
}

}  // namespace
