// The window as the browser's views: every command shows on its items, the recent archives on the File menu.
#include "mainwindow/WindowViews.h"

#include <windows.h>
#include <commctrl.h>

#include <set>

#include "MainWindowFixture.h"
#include "browser/BrowserViews.h"
#include "browser/Histories.h"
#include "core/Settings.h"
#include "core/Text.h"

namespace {

using browser::Command;
using browser::CommandState;
using namespace mainwindow;

class WindowViewsTest : public mwtest::MainWindowTest {
 protected:
  void SetUp() override { ASSERT_TRUE(LoadWindow()); }
  bool LabelEdit() const { return (GetWindowLongW(form->lvListView.Hwnd(), GWL_STYLE) & LVS_EDITLABELS) != 0; }
  // Every state the window shows for a command: its menu items, its button, the list's renaming.
  std::vector<bool> Shown(const CommandTarget& target) const {
    std::vector<bool> shown;
    for (int id : target.menuIds) shown.push_back(form->MenuEnabled(id));
    if (!target.buttonKey.empty()) shown.push_back(form->tbToolBar.ButtonEnabled(target.buttonKey));
    if (target.command == Command::RenameInPlace) shown.push_back(LabelEdit());
    return shown;
  }
};

// Each command, alone enabled and alone disabled, moves exactly its own items.
TEST_F(WindowViewsTest, EachCommandShowsOnItsItemsAlone) {
  std::set<Command> named;
  for (const CommandTarget& target : CommandTargets()) {
    SCOPED_TRACE(static_cast<int>(target.command));
    named.insert(target.command);
    for (bool on : {true, false}) {
      CommandState state;
      for (const CommandTarget& other : CommandTargets()) state.Enable(other.command, !on);
      state.Enable(target.command, on);
      ShowCommands(*form, state);
      const std::vector<bool> shown = Shown(target);
      ASSERT_FALSE(shown.empty()) << "a command without any item";
      EXPECT_EQ(std::vector<bool>(shown.size(), on), shown);
      for (const CommandTarget& other : CommandTargets()) {
        if (other.command == target.command) continue;
        const std::vector<bool> rest = Shown(other);
        EXPECT_EQ(std::vector<bool>(rest.size(), !on), rest) << static_cast<int>(other.command);
      }
    }
  }
  EXPECT_EQ(static_cast<size_t>(Command::MakeArcType), named.size()) << "every command has its items";
}

TEST_F(WindowViewsTest, TypesToCreateViewModesAndSortingShowTheirMembers) {
  CommandState state;
  state.Check(Command::MakeArcType, true, 13);
  state.Enable(Command::MakeArcType, false, 4);
  state.Enable(Command::NewArcOfType, true, 2);
  state.Check(Command::ListViewMode, true, 3);
  state.Check(Command::SortColumn, true, 9);
  state.Check(Command::SortOrder, true, 1);
  ShowCommands(*form, state);
  EXPECT_TRUE(form->MenuChecked(ID_mnuOptionMakeArc + 13));
  EXPECT_FALSE(form->MenuChecked(ID_mnuOptionMakeArc + 0));
  EXPECT_FALSE(form->MenuEnabled(ID_mnuOptionMakeArc + 4));
  EXPECT_TRUE(form->MenuEnabled(ID_mnuFileNewArcExtOpt + 2));
  EXPECT_FALSE(form->MenuEnabled(ID_mnuFileNewArcExtOpt + 5));
  EXPECT_TRUE(form->MenuChecked(ID_mnuListViewMode + 3));
  EXPECT_FALSE(form->MenuChecked(ID_mnuListViewMode + 0));
  EXPECT_TRUE(form->MenuChecked(ID_mnuViewArrangeIcon + 9));
  EXPECT_FALSE(form->MenuChecked(ID_mnuViewArrangeIcon + 0));
  EXPECT_TRUE(form->MenuChecked(ID_mnuViewArrangeAceDec + 1));
  EXPECT_FALSE(form->MenuChecked(ID_mnuViewArrangeAceDec + 0));
}

TEST_F(WindowViewsTest, RecentArchivesFollowTheHistory) {
  core::Settings.FileHistory = L"15";
  core::Settings.History = {L"C:\\a.lzh", L"C:\\b.lzh", L"C:\\c.lzh"};
  browser::AddFileHistory(L"");
  for (int i = 0; i < 3; ++i) EXPECT_TRUE(form->MenuVisible(ID_mnuFileMRU + i)) << i;
  EXPECT_EQ(L"C:\\b.lzh", form->MenuCaption(ID_mnuFileMRU + 1));
  EXPECT_TRUE(form->MenuVisible(ID_mnuFileBar5));

  // An emptied history hides the first item and the separator and drops the others.
  core::Settings.FileHistory = L"0";
  browser::AddFileHistory(L"");
  EXPECT_FALSE(form->MenuVisible(ID_mnuFileMRU));
  EXPECT_FALSE(form->MenuVisible(ID_mnuFileBar5));
  EXPECT_FALSE(form->MenuExists(ID_mnuFileMRU + 1));
  EXPECT_EQ(0, form->tbToolBar.ButtonMenuCount(L"Open"));

  core::Settings.FileHistory = L"15";
  browser::AddFileHistory(L"C:\\z.lzh");
  EXPECT_TRUE(form->MenuVisible(ID_mnuFileMRU));
  EXPECT_EQ(L"C:\\z.lzh", form->MenuCaption(ID_mnuFileMRU));
  EXPECT_TRUE(form->MenuVisible(ID_mnuFileBar5));
}

TEST_F(WindowViewsTest, RecentArchiveCaptionsFitTheMenuKeepingDriveAndFileName) {
  const std::wstring shortPath = L"C:\\work\\書庫え.cab";
  const std::wstring longPath =
      L"C:\\Users\\tanaka\\Documents\\プロジェクト資料\\二〇二四年度\\第三四半期\\会議録\\最終版\\書庫え.cab";
  core::Settings.FileHistory = L"15";
  core::Settings.History = {shortPath, longPath};
  browser::AddFileHistory(L"");

  EXPECT_EQ(form->MenuCaption(ID_mnuFileMRU), shortPath) << "a short path comes back whole";
  EXPECT_EQ(form->tbToolBar.ButtonMenuText(L"Open", 1), shortPath);
  const std::wstring caption = form->MenuCaption(ID_mnuFileMRU + 1);
  SCOPED_TRACE(core::ToUtf8(caption));
  EXPECT_LT(caption.size(), longPath.size());
  EXPECT_EQ(caption.rfind(L"C:\\", 0), 0u) << "the drive stays";
  EXPECT_NE(caption.find(L"..."), std::wstring::npos);
  EXPECT_EQ(caption.size() - std::wstring(L"\\書庫え.cab").size(), caption.rfind(L"\\書庫え.cab"))
      << "the file name stays";
  EXPECT_EQ(form->tbToolBar.ButtonMenuText(L"Open", 2), caption);
  // It fits 90 percent of the measuring label, which is as wide as a menu of the window can be.
  EXPECT_LE(form->picShortString.TextWidth(caption), form->lblEllipsisString.Width() * 9 / 10 + 15);
  EXPECT_EQ(core::Settings.History, (std::vector<std::wstring>{shortPath, longPath}));
}

}  // namespace
