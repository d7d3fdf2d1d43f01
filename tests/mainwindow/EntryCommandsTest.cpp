// The entry commands on the real main window with an archive made by Debian's zip open through the
// stand-ins: extracting the selected entries or all of them, opening one in place, selecting all or none,
// the selection feedback after a real key release, the ways to the entry commands, and the tree's pop-up and
// extraction drop-down.
#include <windows.h>
#include <commctrl.h>

#include <functional>
#include <map>

#include "../winui/KeyInput.h"
#include "EntryFixture.h"
#include "browser/EntryList.h"
#include "core/Settings.h"
#include "core/modPath.h"
#include "core/modTolvenar.h"
#include "mainwindow/EntryEditCommands.h"
#include "mainwindow/TreeEvents.h"
#include "operations/EditedFiles.h"
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

TEST_F(EntryTest, AFailingArchiverReportsNothingAndLeavesArchiveAndListAsTheyWere) {
  const std::string before = testsupport::ReadFileBytes(archive);
  Configure("[unzip32]\r\nResult.UnZip=32790\r\n");
  Select({L"readme.txt"});
  Click(mainwindow::ID_mnuEditUnPack);
  EXPECT_TRUE(boxes.Shown().empty() || boxes.Shown().back().text != L"ファイルを解凍しました");
  EXPECT_EQ(testsupport::ReadFileBytes(archive), before);
  EXPECT_EQ(browser::Entries().Count(), 3);
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
