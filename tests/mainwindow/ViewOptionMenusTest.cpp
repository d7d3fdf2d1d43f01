// The View and Option menus chosen on the real main window, with WM_COMMAND as a menu choice arrives, the
// type combo box's own selection notice, and mouse clicks on the list's column headers and the tool bar:
// what each choice changes in the window and the settings, the ticks that follow, both options dialogs
// opened from the menus (driven through their controls while shown), and what the settings file holds
// after the window is closed.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include <functional>
#include <string>
#include <vector>

#include "MainWindowFixture.h"
#include "ToolFakes.h"
#include "browser/EntryList.h"
#include "core/Settings.h"
#include "core/Text.h"
#include "core/modIni.h"
#include "mainwindow/ArchiveCommands.h"
#include "options/ArcOptionIds.h"
#include "options/frmArcOption.h"
#include "options/frmOption.h"
#include "winui/App.h"

namespace {

using namespace mainwindow;
using core::Settings;

class ViewOptionMenusTest : public mwtest::MainWindowTest {
 protected:
  ViewOptionMenusTest() {
    // The general options' OK writes its shell integration under a scratch key, never the machine's.
    previousTarget_ = options::frmOption::SetShellTargetSource([this] {
      shellintegration::ShellTarget target;
      target.programPath = temp / L"Tolvenar.exe";
      target.classesRoot = classes_;
      target.specialFolder = [](int) { return std::wstring(); };
      return target;
    });
  }
  void SetUp() override {
    ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, scratch_.SubKey().c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                              &classes_, nullptr),
              ERROR_SUCCESS);
  }
  ~ViewOptionMenusTest() override {
    options::ArcOption().Unload();
    options::frmOption::SetShellTargetSource(previousTarget_);
    if (classes_) RegCloseKey(classes_);
  }

  HWND Window() const { return form->Form::Hwnd(); }
  // The user's choice of a menu item, as the menu sends it.
  void Choose(int id) { SendMessageW(Window(), WM_COMMAND, MAKEWPARAM(id, 0), 0); }
  // The user picks item `index` in the type combo box: it selects the item and tells its parent.
  void PickInCombo(int index) {
    HWND combo = form->cmbArc.Hwnd();
    SendMessageW(combo, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
    SendMessageW(GetParent(combo), WM_COMMAND, MAKEWPARAM(ID_cmbArc, CBN_SELCHANGE), reinterpret_cast<LPARAM>(combo));
  }
  // A mouse click on the header of list column `column` (from 0).
  void ClickHeader(int column) {
    HWND header = reinterpret_cast<HWND>(SendMessageW(form->lvListView.Hwnd(), LVM_GETHEADER, 0, 0));
    ASSERT_NE(header, nullptr);
    RECT box{};
    ASSERT_TRUE(SendMessageW(header, HDM_GETITEMRECT, static_cast<WPARAM>(column), reinterpret_cast<LPARAM>(&box)));
    toolstest::ClickAt(header, (box.left + box.right) / 2, (box.top + box.bottom) / 2);
    winui::DoEvents();
  }
  // The items of a menu group that carry a tick.
  std::vector<int> Ticked(int baseId, int count) const {
    std::vector<int> ticked;
    for (int i = 0; i < count; ++i)
      if (GetMenuState(GetMenu(Window()), baseId + i, MF_BYCOMMAND) & MF_CHECKED) ticked.push_back(i);
    return ticked;
  }
  bool Usable(int id) const {
    return (GetMenuState(GetMenu(Window()), id, MF_BYCOMMAND) & (MF_GRAYED | MF_DISABLED)) == 0;
  }
  // The names the entry list shows, top to bottom.
  std::vector<std::wstring> Names() const {
    std::vector<std::wstring> names;
    for (int item = 1; item <= form->lvListView.Count(); ++item) names.push_back(form->lvListView.Text(item));
    return names;
  }
  // Closes the window as the user does from the File menu: the settings are written.
  void CloseWindow() {
    Choose(ID_mnuFileClose);
    winui::DoEvents();
  }
  std::string IniBytes() const { return testsupport::ReadFileBytes(core::IniFilePath()); }
  // Runs `choice` while every modal dialog it shows is handed to `user` (the dialog is loaded, not shown).
  void WhileShown(const std::function<void()>& choice, const std::function<void(winui::Form&)>& user) {
    toolstest::ModalScript script([&](winui::Form& shown) {
      ++dialogsShown;
      shown.Form_Activate();
      user(shown);
    });
    choice();
  }
  static void Press(winui::Form& form, int id) {
    ASSERT_TRUE(IsWindowEnabled(form.Item(id))) << core::ToUtf8(form.NameOf(id));
    SendMessageW(form.Item(id), BM_CLICK, 0, 0);
    winui::DoEvents();
  }

  int dialogsShown = 0;

 private:
  testsupport::ScratchRegKey scratch_;
  HKEY classes_ = nullptr;
  options::frmOption::ShellTargetSource previousTarget_;
};

// The Option menu and the combo box choose the same type and show it in both places; a type whose item is
// disabled puts the combo box back, also when the stored type is disabled itself, and the click ends.
TEST_F(ViewOptionMenusTest, TheTypeToCreateFollowsTheMenuAndTheComboBoxAlike) {
  Settings.PackType = L"1";
  ASSERT_TRUE(LoadWindow());
  EXPECT_EQ(form->cmbArc.ListIndex(), 1);
  EXPECT_EQ(Ticked(ID_mnuOptionMakeArc, 17), std::vector<int>{1});
  // BEL and IMP cannot be created; CAB, ISH and GCA can always be chosen.
  ASSERT_FALSE(Usable(ID_mnuOptionMakeArc + 12));
  ASSERT_FALSE(Usable(ID_mnuOptionMakeArc + 14));

  struct Case {
    bool fromMenu;
    int chosen;
    int stored;  // the type to create afterwards
  };
  const Case cases[] = {
      {true, 13, 13}, {false, 2, 2}, {false, 12, 2}, {true, 5, 5}, {false, 14, 5}, {false, 11, 11}, {true, 0, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << (c.fromMenu ? "menu " : "combo ") << c.chosen);
    if (c.fromMenu)
      Choose(ID_mnuOptionMakeArc + c.chosen);
    else
      PickInCombo(c.chosen);
    EXPECT_EQ(Settings.PackType, std::to_wstring(c.stored));
    EXPECT_EQ(form->cmbArc.ListIndex(), c.stored);
    EXPECT_EQ(Ticked(ID_mnuOptionMakeArc, 17), std::vector<int>{c.stored});
  }
  // A disabled item of the menu runs nothing.
  Choose(ID_mnuOptionMakeArc + 12);
  EXPECT_EQ(Settings.PackType, L"0");

  // The stored type has lost its library: choosing another disabled type stops on the stored one.
  Settings.PackType = L"12";
  form->cmbArc.SetListIndex(12);
  PickInCombo(14);
  EXPECT_EQ(form->cmbArc.ListIndex(), 12);
  EXPECT_EQ(Settings.PackType, L"12");

  PickInCombo(7);
  CloseWindow();
  EXPECT_EQ(SavedIni(L"PackType"), L"7");
}

TEST_F(ViewOptionMenusTest, EachViewModeSetsTheListAndIsKeptAtExit) {
  Settings.ViewMode = L"3";
  ASSERT_TRUE(LoadWindow());
  const std::pair<int, winui::ListViewMode> cases[] = {
      {0, winui::ListViewMode::Icon},   {2, winui::ListViewMode::List},      {1, winui::ListViewMode::SmallIcon},
      {3, winui::ListViewMode::Report}, {1, winui::ListViewMode::SmallIcon},
  };
  for (const auto& [item, mode] : cases) {
    Choose(ID_mnuListViewMode + item);
    EXPECT_EQ(form->lvListView.View(), mode) << item;
    EXPECT_EQ(Settings.ViewMode, std::to_wstring(item));
    EXPECT_EQ(Ticked(ID_mnuListViewMode, 4), std::vector<int>{item});
  }
  Choose(ID_mnuViewLineUpIcons);
  EXPECT_TRUE(form->lvListView.AutoArranged());
  CloseWindow();
  EXPECT_EQ(SavedIni(L"ViewMode"), L"1");
}

// Sorting from the View menu and by the column headers, on an archive of entries of several sizes.
TEST_F(ViewOptionMenusTest, TheMenuAndTheHeadersSortTheListAndTickWhatIsStored) {
  Settings.ViewMode = L"3";
  Settings.SortIndex = L"9";
  Settings.SortFlag = L"1";
  const std::wstring archive = Archive(L"sizes.7z",
                                       "entry b.txt\r\nsize 1000\r\nend\r\n"
                                       "entry c.txt\r\nsize 20\r\nend\r\n"
                                       "entry a.txt\r\nsize 300\r\nend\r\n");
  ASSERT_TRUE(LoadWindow());
  ASSERT_TRUE(OpenArchive(*form, archive, kUnreadableArchive));
  ASSERT_EQ(Names(), (std::vector<std::wstring>{L"b.txt", L"c.txt", L"a.txt"})) << "as read, not sorted";
  EXPECT_EQ(Ticked(ID_mnuViewArrangeIcon, 10), std::vector<int>{9});
  EXPECT_EQ(Ticked(ID_mnuViewArrangeAceDec, 2), std::vector<int>{1});

  using Names_ = std::vector<std::wstring>;
  const Names_ bySizeUp{L"c.txt", L"a.txt", L"b.txt"};
  const Names_ bySizeDown{L"b.txt", L"a.txt", L"c.txt"};
  const Names_ byNameUp{L"a.txt", L"b.txt", L"c.txt"};
  const Names_ byNameDown{L"c.txt", L"b.txt", L"a.txt"};
  struct Step {
    const char* what;
    std::function<void()> act;
    const wchar_t* sortIndex;
    const wchar_t* sortFlag;
    Names_ shown;
  };
  const Step steps[] = {
      // From "1" the first header click gives ascending, the second descending.
      {"header size", [&] { ClickHeader(2); }, L"2", L"0", bySizeUp},
      {"header size again", [&] { ClickHeader(2); }, L"2", L"1", bySizeDown},
      // Another column's header turns the order round too.
      {"header name", [&] { ClickHeader(0); }, L"0", L"0", byNameUp},
      {"menu descending", [&] { Choose(ID_mnuViewArrangeAceDec + 1); }, L"0", L"1", byNameDown},
      {"menu size", [&] { Choose(ID_mnuViewArrangeIcon + 2); }, L"2", L"1", bySizeDown},
      {"menu ascending", [&] { Choose(ID_mnuViewArrangeAceDec + 0); }, L"2", L"0", bySizeUp},
      // Not sorted leaves the order as it is; the order then changes only what is stored.
      {"menu not sorted", [&] { Choose(ID_mnuViewArrangeIcon + 9); }, L"9", L"0", bySizeUp},
      {"menu descending unsorted", [&] { Choose(ID_mnuViewArrangeAceDec + 1); }, L"9", L"1", bySizeUp},
  };
  for (const Step& step : steps) {
    SCOPED_TRACE(step.what);
    step.act();
    EXPECT_EQ(Settings.SortIndex, step.sortIndex);
    EXPECT_EQ(Settings.SortFlag, step.sortFlag);
    EXPECT_EQ(Names(), step.shown);
    EXPECT_EQ(Ticked(ID_mnuViewArrangeIcon, 10), std::vector<int>{std::stoi(step.sortIndex)});
    EXPECT_EQ(Ticked(ID_mnuViewArrangeAceDec, 2), std::vector<int>{std::stoi(step.sortFlag)});
  }
  CloseWindow();
  EXPECT_EQ(SavedIni(L"SortIndex"), L"9");
  EXPECT_EQ(SavedIni(L"SortFlag"), L"1");
}

// Option > 書庫のオプション opens the per-type dialog on the page of the item chosen, under its caption;
// the BEL item, which has no options, is disabled and opens nothing.
TEST_F(ViewOptionMenusTest, EveryArchiveOptionsItemOpensItsPage) {
  ASSERT_TRUE(LoadWindow());
  EXPECT_FALSE(Usable(ID_mnuViewOptionsArc + 12));
  for (int item = -1; item < 17; ++item) {
    SCOPED_TRACE(item);
    if (item == 12) continue;
    int tab = 0;
    std::wstring caption;
    WhileShown([&] { Choose(item < 0 ? ID_mnuViewOptionsAll : ID_mnuViewOptionsArc + item); },
               [&](winui::Form& shown) {
                 auto& dialog = static_cast<options::frmArcOption&>(shown);
                 tab = dialog.tspArcType.SelectedTab();
                 caption = dialog.Caption();
                 Press(shown, options::ID_cmdCancel);
               });
    EXPECT_EQ(tab, item < 0 ? options::kCommonTab : item + 1);
    EXPECT_EQ(caption, L"書庫のオプション");
  }
  EXPECT_EQ(dialogsShown, 17);
  Choose(ID_mnuViewOptionsArc + 12);
  EXPECT_EQ(dialogsShown, 17);
}

// A value changed on a page opened from the menu: Cancel stores nothing, OK stores it and the settings
// file holds it once the window is closed.
TEST_F(ViewOptionMenusTest, AnArchiveOptionChangedFromTheMenuIsWrittenOnOkOnly) {
  ASSERT_TRUE(LoadWindow());
  // A first opening settles what the dialog itself sets on loading (ZIP encryption off without its library).
  WhileShown([&] { Choose(ID_mnuViewOptionsAll); }, [&](winui::Form& shown) { Press(shown, options::ID_cmdCancel); });
  core::SaveSettings();
  const std::string before = IniBytes();
  const std::pair<int, const char*> answers[] = {{options::ID_cmdCancel, "cancel"}, {options::ID_cmdOk, "ok"}};
  for (const auto& [button, name] : answers) {
    SCOPED_TRACE(name);
    WhileShown([&] { Choose(ID_mnuViewOptionsAll); },
               [&](winui::Form& shown) {
                 Press(shown, options::ID_optFolder + 2);
                 Press(shown, button);
               });
    if (button == options::ID_cmdCancel) {
      core::SaveSettings();
      EXPECT_EQ(IniBytes(), before);
    }
  }
  CloseWindow();
  EXPECT_EQ(core::ReadIni(L"COM_Option", L"Folder"), L"2");
}

// The general options from the Option menu and from the tool bar: whatever the answer, the list's look and
// the window's top-most state are put on again from the settings; OK writes what was changed.
TEST_F(ViewOptionMenusTest, TheGeneralOptionsPutTheStoredLookOnTheListWhateverTheAnswer) {
  Settings.BackColor = 0x00C0FFEE;
  Settings.ForeColor = 0x00102030;
  ASSERT_TRUE(LoadWindow());
  HWND list = form->lvListView.Hwnd();
  auto gridOn = [&] { return (ListView_GetExtendedListViewStyle(list) & LVS_EX_GRIDLINES) != 0; };
  ASSERT_EQ(ListView_GetBkColor(list), COLORREF{0x00C0FFEE});
  ASSERT_FALSE(gridOn());

  // Changed behind the window's back: Cancel still shows the stored look, and stores nothing.
  Settings.Grid = L"1";
  Settings.ForeColor = 0x00405060;
  core::SaveSettings();
  const std::string before = IniBytes();
  WhileShown([&] { Choose(ID_mnuOptionOption); },
             [&](winui::Form& shown) {
               Press(shown, options::general::ID_chkSystemColor);
               Press(shown, options::general::ID_cmdCancel);
             });
  EXPECT_EQ(dialogsShown, 1);
  EXPECT_TRUE(gridOn());
  EXPECT_EQ(ListView_GetTextColor(list), COLORREF{0x00405060});
  EXPECT_EQ(ListView_GetBkColor(list), COLORREF{0x00C0FFEE});
  core::SaveSettings();
  EXPECT_EQ(IniBytes(), before);

  // The tool bar's "Option" button, clicked with the mouse: OK with the grid off, the system colours and
  // the window always on top.
  HWND bar = form->tbToolBar.Hwnd();
  RECT box{};
  const int button = form->tbToolBar.ButtonIndex(L"Option");
  ASSERT_GT(button, 0);
  ASSERT_TRUE(SendMessageW(bar, TB_GETITEMRECT, static_cast<WPARAM>(button - 1), reinterpret_cast<LPARAM>(&box)));
  WhileShown(
      [&] {
        toolstest::ClickAt(bar, (box.left + box.right) / 2, (box.top + box.bottom) / 2);
        winui::DoEvents();
      },
      [&](winui::Form& shown) {
        Press(shown, options::general::ID_chkGrid);
        Press(shown, options::general::ID_chkSystemColor);
        Press(shown, options::general::ID_cnkWindowTop);
        Press(shown, options::general::ID_cmdOk);
      });
  EXPECT_EQ(dialogsShown, 2);
  EXPECT_FALSE(gridOn());
  EXPECT_EQ(ListView_GetBkColor(list), GetSysColor(COLOR_WINDOW));
  EXPECT_EQ(ListView_GetTextColor(list), GetSysColor(COLOR_WINDOWTEXT));
  EXPECT_EQ(TreeView_GetBkColor(form->tvTreeView.Hwnd()), GetSysColor(COLOR_WINDOW));
  EXPECT_TRUE(form->MenuChecked(ID_mnuViewWindowTop));
  EXPECT_TRUE(TopMost());

  CloseWindow();
  EXPECT_EQ(SavedIni(L"Grid"), L"0");
  EXPECT_EQ(SavedIni(L"NeverTop"), L"1");
  EXPECT_EQ(SavedIni(L"BackColor"), std::to_wstring(static_cast<int32_t>(0x80000005u)));
}

}  // namespace
