// The entry commands on the real main window with an archive made by Debian's zip open through the
// stand-ins: extracting the selected entries or all of them (a failure told whichever way the extraction was
// started), opening one in place, selecting all or none, the selection feedback after a real key release,
// the ways to the entry commands, and the tree's pop-up and extraction drop-down.
#include <windows.h>
#include <commctrl.h>

#include <functional>
#include <map>

#include "../winui/KeyInput.h"
#include "EntryFixture.h"
#include "ToolFakes.h"
#include "browser/EntryList.h"
#include "core/Settings.h"
#include "core/modPath.h"
#include "core/modTolvenar.h"
#include "mainwindow/EntryEditCommands.h"
#include "mainwindow/TreeEvents.h"
#include "operations/EditedFiles.h"
#include "operations/UnPackArchive.h"
#include "tools/frmArchiveDown.h"
#include "winui/Form.h"

namespace {

using mwtest::EntryTest;

TEST_F(EntryTest, ExtractingTheSelectedEntriesWritesThemAndNothingElse) {
  Select({L"memo.txt"});
  boxes.Expect(L"ファイルを解凍しました");
  Click(mainwindow::ID_mnuEditUnPack);
  EXPECT_TRUE(boxes.AllShown());
  const std::map<std::wstring, std::string> expected = {{L"doc\\memo.txt", SourceFile(L"doc\\memo.txt")}};
  EXPECT_EQ(FilesBelow(out), expected);
  EXPECT_EQ(browser::Entries().Count(), 3) << "the list is as it was";
}

TEST_F(EntryTest, ExtractingWithNothingSelectedTakesTheWholeArchive) {
  form->lvListView.SelectAll(false);
  boxes.Expect(L"ファイルを解凍しました");
  Click(mainwindow::ID_mnuEditUnPack);
  EXPECT_EQ(FilesBelow(out), SourceTree());
}

TEST_F(EntryTest, AFailingArchiverIsToldAndLeavesArchiveAndListAsTheyWere) {
  const std::string before = testsupport::ReadFileBytes(archive);
  Configure("[unzip32]\r\nResult.UnZip=32790\r\n");
  Select({L"readme.txt"});
  boxes.Expect(operations::NotExtractedMessage(archive));
  Click(mainwindow::ID_mnuEditUnPack);
  EXPECT_TRUE(boxes.AllShown());
  EXPECT_EQ(boxes.Shown().size(), 1u) << "no completion message";
  EXPECT_EQ(testsupport::ReadFileBytes(archive), before);
  EXPECT_EQ(browser::Entries().Count(), 3);
}

// A damaged LZH (made by jlha, one byte of its last entry changed) through every way the window extracts it, with
// neither the dialog's own nor the archiver's output window to show the failure: each says it once, naming
// the archive, and takes away the folder it made for the archive with the two entries written into it.
TEST_F(EntryTest, EveryWayOfExtractingTellsAFailureAndTakesItsNewFolderAway) {
  const std::wstring damaged = CopyFixture(L"tree.lzh", L"壊れ た.lzh");
  std::string bytes = testsupport::ReadFileBytes(damaged);
  bytes[2000] ^= 0x5A;  // inside the stored data of its last entry, doc/deep/data.bin
  temp.WriteFile(L"壊れ た.lzh", bytes);
  ASSERT_TRUE(mainwindow::OpenArchive(*form, damaged, L"unreadable"));
  ASSERT_EQ(browser::Entries().Count(), 3);
  core::Settings.FolderByArc = L"1";
  core::Settings.COM_MakeFolder = L"1";
  const std::wstring made = out + L"\\壊れ た";
  // A remembered folder that was there before: it stays, and so does what it held.
  const std::wstring remembered = temp / L"remembered";
  temp.WriteFile(L"remembered\\mine.txt", "the user's");
  int dialogs = 0;
  toolstest::ModalScript user([&](winui::Form& shown) {
    ++dialogs;
    PressButtonOf(static_cast<tools::frmArchiveDown&>(shown).CmdOk);
  });
  struct Way {
    const char* what;
    bool dialog;
    std::function<void()> run;
  };
  const Way ways[] = {
      {"File > 解凍 without the dialog", false, [this] { Click(mainwindow::ID_mnuEditUnPack); }},
      {"File > 解凍 through the dialog", true, [this] { Click(mainwindow::ID_mnuEditUnPack); }},
      {"the list pop-up's 解凍", false, [this] { Click(mainwindow::ID_mnuPopUpUnPack); }},
      {"the tool bar's 解凍 through the dialog", true, [this] { PressButton(L"UnPack"); }},
      {"the tree pop-up's 解凍", false, [this] { Click(mainwindow::ID_mnuTreePopUpUnPack); }},
      {"クイック解凍", false, [this] { Click(mainwindow::ID_mnuFileQuickUnPack); }},
      {"the tool bar's remembered folder", false,
       [&] {
         // The dialog put its folder first: the one picked here is set afresh.
         core::Settings.ArcDown = {L"", remembered};
         form->MakeUnPackButtonMenu();
         ASSERT_TRUE(PickFromDropDown(L"UnPack", 1));
       }},
  };
  for (const Way& way : ways) {
    SCOPED_TRACE(way.what);
    core::Settings.UnPackDialog = way.dialog ? L"0" : L"1";
    dialogs = 0;
    form->lvListView.SelectAll(false);  // the whole archive, its damaged entry too
    const size_t shown = boxes.Shown().size();
    boxes.Expect(operations::NotExtractedMessage(damaged));
    way.run();
    EXPECT_TRUE(boxes.AllShown());
    EXPECT_EQ(boxes.Shown().size() - shown, 1u) << "no completion message";
    EXPECT_EQ(dialogs, way.dialog ? 1 : 0);
    EXPECT_EQ(GetFileAttributesW(made.c_str()), INVALID_FILE_ATTRIBUTES);
    EXPECT_TRUE(FilesBelow(out).empty());
  }
  EXPECT_EQ(testsupport::ReadFileBytes(remembered + L"\\mine.txt"), "the user's");
}

TEST_F(EntryTest, DoubleClickingAnEntryOpensItsExtractedCopyInTheWorkFolder) {
  // The row double-clicked is the one opened, whatever was selected before.
  Select({L"memo.txt"});
  int row = -1;
  for (int i = 0; i < browser::Entries().Count(); ++i)
    if (browser::Entries().CellText(i, 0) == L"readme.txt") row = i;
  ASSERT_GE(row, 0);
  DoubleClickRow(row);
  EXPECT_EQ(browser::Entries().Selected(), std::vector<int>{row});
  // The entry's own place in the work folder.
  const std::wstring copy = operations::MemberCopyPath(archive, {L"readme.txt", L""});
  EXPECT_EQ(copy.rfind(core::AddBackslash(core::WorkFolderPath()), 0), 0u) << copy;
  EXPECT_EQ(work.calls, std::vector<std::wstring>{L"ExecuteFile(0|" + copy + L"|)"});
  EXPECT_EQ(testsupport::ReadFileBytes(copy), SourceFile(L"readme.txt"));

  // A double-click below the rows leaves nothing selected and opens nothing.
  work.calls.clear();
  POINT below = RowPoint(browser::Entries().Count() - 1);
  below.y += 60;
  DoubleClickAt(form->lvListView.Hwnd(), below);
  EXPECT_EQ(browser::Entries().SelectedCount(), 0);
  EXPECT_TRUE(work.calls.empty());
}

TEST_F(EntryTest, SelectAllSelectsEveryEntryThenNoneButTheFirst) {
  Select({L"memo.txt"});
  Click(mainwindow::ID_mnuEditDSelectAll);
  EXPECT_EQ(browser::Entries().SelectedCount(), 3);
  Click(mainwindow::ID_mnuEditDSelectAll);
  EXPECT_EQ(browser::Entries().Selected(), std::vector<int>{0});
}

TEST_F(EntryTest, TheExpandItemsFollowTheSelectionAfterARealKeyRelease) {
  const std::wstring fixture = Archive(L"lz.7z",
                                       "entry setup.ex_\r\nsize 3\r\nend\r\nentry help.hl_\r\nsize 3\r\nend\r\n"
                                       "entry readme.txt\r\nsize 3\r\nend\r\n");
  ASSERT_TRUE(mainwindow::OpenArchive(*form, fixture, L"unreadable"));
  struct Case {
    std::vector<std::wstring> names;
    bool enabled;
  };
  const Case cases[] = {{{L"setup.ex_"}, true}, {{L"readme.txt"}, false}, {{L"setup.ex_", L"help.hl_"}, false}};
  for (const Case& c : cases) {
    Select(c.names);
    winuitest::Key(form->lvListView.Hwnd(), VK_SHIFT);
    EXPECT_EQ(form->MenuEnabled(mainwindow::ID_mnuEditExpand), c.enabled) << c.names.size();
    EXPECT_EQ(form->MenuEnabled(mainwindow::ID_mnuPopUpExpand), c.enabled);
  }
}

TEST_F(EntryTest, TheTreePopUpDisablesWhatNeedsEntriesWhileTheListIsEmpty) {
  const int others[] = {mainwindow::ID_mnuTreePopUpArcClose, mainwindow::ID_mnuTreePopUpSFX,
                        mainwindow::ID_mnuTreePopUpProperty};
  std::map<int, bool> before;
  for (int id : others) before[id] = form->MenuEnabled(id);
  browser::Entries().Clear();
  int shown = 0;
  winui::PopupHook previous = winui::SetPopupHook([&](winui::Form&, HMENU, int menuId) {
    EXPECT_EQ(menuId, mainwindow::ID_mnuTreePopUpMenu);
    ++shown;
    return 0;
  });
  PressRightButton(form->tvTreeView.Hwnd());
  winui::SetPopupHook(previous);
  EXPECT_EQ(shown, 1);
  for (int id :
       {mainwindow::ID_mnuTreePopUpUnPack, mainwindow::ID_mnuTreePopUpQuickUnPack, mainwindow::ID_mnuTreePopUpList,
        mainwindow::ID_mnuTreePopUpTest, mainwindow::ID_mnuTreePopUpConvert, mainwindow::ID_mnuTreePopUpSaveAs})
    EXPECT_FALSE(form->MenuEnabled(id)) << form->NameOf(id);
  for (int id : others) EXPECT_EQ(form->MenuEnabled(id), before[id]) << form->NameOf(id);
}

TEST_F(EntryTest, TheTreePopUpsExtractionTakesEveryEntry) {
  Select({L"memo.txt"});
  boxes.Expect(L"ファイルを解凍しました");
  Click(mainwindow::ID_mnuTreePopUpUnPack);
  EXPECT_EQ(FilesBelow(out), SourceTree());
}

TEST_F(EntryTest, ExtractingToARememberedFolderPutsItFirst) {
  const std::wstring second = temp.Path() + L"\\second";
  CreateDirectoryW(second.c_str(), nullptr);
  // A blank left among the stored folders is not on the menu.
  core::Settings.ArcDown = {L"", L"", out, second + L"\\"};
  form->MakeUnPackButtonMenu();  // as the start-up makes it from the settings
  Select({L"readme.txt"});
  boxes.Expect(L"ファイルを解凍しました");
  ASSERT_TRUE(PickFromDropDown(L"UnPack", 2));
  EXPECT_EQ(FilesBelow(second), (std::map<std::wstring, std::string>{{L"readme.txt", SourceFile(L"readme.txt")}}));
  EXPECT_EQ(core::Settings.ArcDown, (std::vector<std::wstring>{L"", second, out}));
  EXPECT_EQ(form->tbToolBar.ButtonMenuText(L"UnPack", 1), second);
}

TEST_F(EntryTest, TheMenuThePopUpAndTheToolBarRunTheSameEntryCommands) {
  const auto button = [this](const wchar_t* key) {
    winui::EventArgs args;
    args.key = key;
    form->Raise(mainwindow::ID_tbToolBar, winui::Event::ButtonClick, args);
  };
  struct Way {
    const char* what;
    std::function<void()> run;
    bool deletes;  // otherwise adds files
  };
  const Way ways[] = {
      {"Edit > 削除", [this] { Click(mainwindow::ID_mnuEditDelete); }, true},
      {"pop-up 削除", [this] { Click(mainwindow::ID_mnuPopUpDelete); }, true},
      {"tool bar Trush", [&] { button(L"Trush"); }, true},
      {"Edit > 追加", [this] { Click(mainwindow::ID_mnuEditAdd); }, false},
      {"pop-up 追加", [this] { Click(mainwindow::ID_mnuPopUpAddPack); }, false},
      {"tool bar AddPack", [&] { button(L"AddPack"); }, false},
  };
  for (const Way& way : ways) {
    SCOPED_TRACE(way.what);
    work.calls.clear();
    Select({L"memo.txt"});
    if (way.deletes) boxes.Expect(mainwindow::kDeleteQuestion, IDCANCEL);
    way.run();
    EXPECT_TRUE(boxes.AllShown());
    EXPECT_EQ(work.Called(L"AddArchiveFileOrFolder(0)"), !way.deletes);
    EXPECT_EQ(browser::Entries().Count(), 3);
  }
  work.calls.clear();
  Click(mainwindow::ID_mnuEditAddFolder);
  EXPECT_TRUE(work.Called(L"AddArchiveFileOrFolder(1)"));
}

TEST_F(EntryTest, RenamingOneEntryFromThePopUpOpensItsRenameBox) {
  ASSERT_TRUE(mainwindow::OpenArchive(*form, CopyFixture(L"tree.lzh", L"tree.lzh"), L"unreadable"));
  Select({L"readme.txt"});
  Click(mainwindow::ID_mnuPopUpReName);
  HWND box = reinterpret_cast<HWND>(SendMessageW(form->lvListView.Hwnd(), LVM_GETEDITCONTROL, 0, 0));
  ASSERT_NE(box, nullptr);
  EXPECT_TRUE(form->LabelEditing);
  EXPECT_EQ(form->RenameOldName, L"readme.txt");
  winuitest::Key(box, VK_ESCAPE);
  EXPECT_EQ(form->lvListView.Text(browser::Entries().Selected().front() + 1), L"readme.txt");
}

TEST(MoveFolderFirstTest, TheFolderHeadsTheHistoryOnceWithoutTrailingBackslash) {
  struct Case {
    std::vector<std::wstring> before;
    std::wstring folder;
    std::vector<std::wstring> after;
  };
  const Case cases[] = {
      {{L"", L"C:\\a", L"C:\\b"}, L"C:\\b", {L"", L"C:\\b", L"C:\\a"}},
      {{L"", L"C:\\a", L"C:\\b\\"}, L" C:\\c\\ ", {L"", L"C:\\c", L"C:\\a", L"C:\\b"}},
      {{L"", L"C:\\a", L"", L"C:\\a"}, L"C:\\a", {L"", L"C:\\a", L"C:\\a"}},
      {{L""}, L"C:\\a", {L"", L"C:\\a"}},
  };
  for (const Case& c : cases) EXPECT_EQ(mainwindow::MoveFolderFirst(c.before, c.folder), c.after) << c.folder;
}

}  // namespace
