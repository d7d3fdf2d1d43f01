// Renaming an entry in place on the real main window: keys typed into the rename box are the box's, Esc
// there never closes the program, and the list never shows a name the archive does not hold.
#include <windows.h>
#include <commctrl.h>

#include "../winui/KeyInput.h"
#include "MainWindowFixture.h"
#include "Standins.h"
#include "TempDir.h"
#include "archiver/LibraryBinding.h"
#include "browser/EntryList.h"
#include "core/Settings.h"
#include "core/Text.h"
#include "core/modPath.h"
#include "mainwindow/ArchiveCommands.h"
#include "mainwindow/EntryEditCommands.h"

namespace {

using mwtest::MainWindowTest;
using winuitest::CtrlKey;
using winuitest::Key;
using winuitest::Type;

std::wstring TextOf(HWND hwnd) {
  wchar_t text[256] = {};
  GetWindowTextW(hwnd, text, 255);
  return text;
}

class EntryRenameTest : public MainWindowTest {
 protected:
  void SetUp() override {
    ASSERT_FALSE(testsupport::StandinFolder().empty()) << "TOLVENAR_STANDINS is not set";
    ASSERT_TRUE(LoadWindow());
    core::Settings.Log = L"0";  // no output window after the archiver's work
    // BH lists allow renaming in place.
    archive = Archive(L"名簿.bh", core::ToCp932(L"entry 予定表.txt\r\nend\r\nentry 住所録.txt\r\nend\r\n"));
    bytes = testsupport::ReadFileBytes(archive);
    ASSERT_TRUE(mainwindow::OpenArchive(*form, archive, L"unreadable"));
    ASSERT_TRUE(GetWindowLongW(form->lvListView.Hwnd(), GWL_STYLE) & LVS_EDITLABELS);
    ASSERT_EQ(Shown(), L"予定表.txt");
  }
  // Opens the rename box on the first entry, as the rename command does; returns the box.
  HWND StartRenaming() {
    SetFocus(form->lvListView.Hwnd());
    return reinterpret_cast<HWND>(SendMessageW(form->lvListView.Hwnd(), LVM_EDITLABELW, 0, 0));
  }
  // The first entry's name as the list draws it.
  std::wstring Shown() const { return form->lvListView.Text(1); }

  std::wstring archive;
  std::string bytes;
};

TEST_F(EntryRenameTest, KeysInTheRenameBoxAreTheBoxsAndEscOnlyCancelsTheRenaming) {
  ASSERT_EQ(core::Settings.EscEnd, L"1");
  HWND box = StartRenaming();
  ASSERT_NE(box, nullptr);
  EXPECT_TRUE(form->LabelEditing);
  EXPECT_EQ(form->RenameOldName, L"予定表.txt");
  EXPECT_EQ(form->RenameFolder, L"");

  CtrlKey(box, 'A');
  Key(box, VK_DELETE);
  EXPECT_EQ(TextOf(box), L"") << "Ctrl+A and Del emptied the box";
  Type(box, "abc");
  CtrlKey(box, 'A');
  CtrlKey(box, 'X');
  EXPECT_EQ(TextOf(box), L"") << "Ctrl+X cut the text";
  EXPECT_TRUE(form->IsLoaded()) << "Ctrl+X did not run File > 閉じる";
  Type(box, "new");
  Key(box, VK_F2);
  ASSERT_TRUE(IsWindow(box)) << "F2 did not start another renaming";
  EXPECT_EQ(TextOf(box), L"new");
  EXPECT_TRUE(form->LabelEditing);

  Key(box, VK_ESCAPE);
  EXPECT_FALSE(IsWindow(box)) << "Esc ended the renaming";
  ASSERT_TRUE(form->IsLoaded()) << "and did not close the program";
  EXPECT_FALSE(form->LabelEditing);
  EXPECT_EQ(Shown(), L"予定表.txt");
  EXPECT_EQ(form->lvListView.Count(), 2) << "Del deleted no entry";

  // The renaming over, Esc in the list is the window's again.
  Key(form->lvListView.Hwnd(), VK_ESCAPE);
  EXPECT_FALSE(form->IsLoaded());
}

TEST_F(EntryRenameTest, EnterWithANewNameRenamesTheEntryInTheArchive) {
  HWND box = StartRenaming();
  ASSERT_NE(box, nullptr);
  CtrlKey(box, 'A');
  Type(box, "renamed");
  Key(box, VK_RETURN);
  EXPECT_FALSE(IsWindow(box));
  EXPECT_FALSE(form->LabelEditing);
  EXPECT_TRUE(boxes.Shown().empty());
  EXPECT_EQ(Shown(), L"renamed");
  bool asked = false;
  const std::string command = core::ToCp932(L"\tr " + core::QuotePath(archive) + L" 予定表.txt renamed");
  for (const std::string& line : testsupport::StandinLogLines(temp / L"standins.log"))
    asked |= line.find(command) != std::string::npos;
  EXPECT_TRUE(asked) << "the archiver renamed the entry";
  ASSERT_TRUE(mainwindow::OpenArchive(*form, archive, L"unreadable"));
  EXPECT_EQ(Shown(), L"renamed") << "the archive holds the new name";
}

TEST_F(EntryRenameTest, ARenameTheArchiverRefusesKeepsTheNameInTheListAndTheArchive) {
  temp.WriteFile(L"standins.ini", "[Bh32]\r\nResult.Bh=32790\r\n");
  archiver::FreeLibraries();
  HWND box = StartRenaming();
  ASSERT_NE(box, nullptr);
  CtrlKey(box, 'A');
  Type(box, "renamed");
  boxes.Expect(mainwindow::kRenameFailed);
  Key(box, VK_RETURN);
  EXPECT_TRUE(boxes.AllShown());
  EXPECT_FALSE(IsWindow(box));
  EXPECT_EQ(Shown(), L"予定表.txt") << "the row keeps the name the archive holds";
  EXPECT_EQ(browser::Entries().Row(0).Cell(0), L"予定表.txt");
  EXPECT_EQ(testsupport::ReadFileBytes(archive), bytes);
  EXPECT_TRUE(form->IsLoaded());
}

}  // namespace
