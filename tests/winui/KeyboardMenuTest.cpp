// Keys sent to a hidden form reach the handlers a user's keys would; menus from the table.
#include <gtest/gtest.h>

#include "KeyInput.h"
#include "ProbeForm.h"
#include "winui/App.h"

namespace {

using winuitest::CtrlDown;
using winuitest::Key;

class KeyboardTest : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(form.Load());
    form.txtName.SetFocus();
    ASSERT_EQ(GetFocus(), form.txtName.Hwnd()) << "a hidden form can hold the focus";
    form.log.clear();
  }
  probe::frmProbe form;
};

TEST_F(KeyboardTest, EnterClicksTheDefaultButtonAndEscTheCancelButton) {
  Key(form.txtName.Hwnd(), VK_RETURN);
  Key(form.txtName.Hwnd(), VK_ESCAPE);
  EXPECT_EQ(form.log, (std::vector<std::wstring>{L"cmdOK_Click", L"cmdCancel_Click"}));
  EXPECT_EQ(form.txtName.Text(), L"") << "the keys did not reach the text box";
}

TEST_F(KeyboardTest, TabFollowsTheTableOrderIntoContainers) {
  Key(form.txtName.Hwnd(), VK_TAB);
  EXPECT_EQ(GetFocus(), form.txtNotes.Hwnd());
  form.optLarge.SetValue(true);
  Key(form.txtNotes.Hwnd(), VK_TAB);
  EXPECT_EQ(GetFocus(), form.optLarge.Hwnd()) << "into the frame, on the chosen option";
  Key(form.optLarge.Hwnd(), VK_TAB);
  EXPECT_EQ(GetFocus(), form.chkKeep.Hwnd());
}

TEST_F(KeyboardTest, AccessKeysOfLabelsFramesAndButtons) {
  struct Case {
    wchar_t key;
    HWND (*expectFocus)(probe::frmProbe&);
    const wchar_t* ran;
  };
  const Case cases[] = {
      {L'm', [](probe::frmProbe& f) { return f.txtNotes.Hwnd(); }, nullptr},  // label: the box after it
      {L'n', [](probe::frmProbe& f) { return f.txtName.Hwnd(); }, nullptr},
      {L'z', [](probe::frmProbe& f) { return f.optSmall.Hwnd(); }, nullptr},            // frame: its first control
      {L'k', [](probe::frmProbe& f) { return f.chkKeep.Hwnd(); }, L"chkKeep_Click 1"},  // check box: clicked
  };
  for (const Case& c : cases) {
    form.log.clear();
    PostMessageW(GetFocus(), WM_SYSCHAR, c.key, 1 << 29);
    winui::DoEvents();
    EXPECT_EQ(GetFocus(), c.expectFocus(form)) << "Alt+" << char(c.key);
    if (c.ran) {
      EXPECT_EQ(form.log.back(), c.ran) << "Alt+" << char(c.key);
    }
  }
}

TEST(KeyboardSmallForm, WithoutDefaultButtonEnterReachesTheTextBoxAndThePreviewSeesEsc) {
  probe::frmSmall form;
  ASSERT_TRUE(form.Load());
  form.txtNumber.SetFocus();
  form.txtNumber.SetSelStart(1);
  HWND box = form.txtNumber.Hwnd();
  Key(box, 'A');
  Key(box, '2');
  Key(box, VK_RETURN);
  EXPECT_EQ(form.txtNumber.Text(), L"12") << "letters are swallowed";
  Key(box, VK_ESCAPE);
  EXPECT_EQ(form.log, (std::vector<std::wstring>{L"commit 12", L"Form_KeyDown Esc"}));
  Key(box, VK_RETURN);
  EXPECT_EQ(form.log.size(), 3u);
  Key(form.txtOther.Hwnd(), VK_RETURN);
  EXPECT_EQ(form.log.size(), 3u) << "a box without key handlers leaves Enter to the dialog keys";
}

class MenuTest : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(form.Load());
    form.log.clear();
  }
  std::wstring ItemText(HMENU menu, int position) {
    wchar_t text[128] = {};
    GetMenuStringW(menu, position, text, 127, MF_BYPOSITION);
    return text;
  }
  probe::frmProbe form;
};

TEST_F(MenuTest, BarFromTheTableWithShortcutsChecksAndHiddenItems) {
  HMENU bar = form.MenuBar();
  ASSERT_EQ(GetMenu(form.Hwnd()), bar);
  ASSERT_EQ(GetMenuItemCount(bar), 2) << "the popup-only menu is not on the bar";
  EXPECT_EQ(ItemText(bar, 0), L"ファイル(&F)");
  HMENU file = form.MenuHandle(probe::ID_mnuFile);
  EXPECT_EQ(GetMenuItemCount(file), 4) << "the hidden history item is left out";
  EXPECT_EQ(ItemText(file, 0), L"開く(&O)...\tCtrl+O");
  EXPECT_EQ(ItemText(file, 3), L"終了(&X)\tDel");
  HMENU view = form.MenuHandle(probe::ID_mnuView);
  EXPECT_TRUE(GetMenuState(view, probe::ID_mnuViewToolbar, MF_BYCOMMAND) & MF_CHECKED);
  form.SetMenuChecked(probe::ID_mnuViewToolbar, false);
  EXPECT_FALSE(form.MenuChecked(probe::ID_mnuViewToolbar));
  EXPECT_FALSE(GetMenuState(view, probe::ID_mnuViewToolbar, MF_BYCOMMAND) & MF_CHECKED);
  form.SetMenuEnabled(probe::ID_mnuFileOpen, false);
  EXPECT_TRUE(GetMenuState(file, probe::ID_mnuFileOpen, MF_BYCOMMAND) & MF_GRAYED);
  form.SetMenuCaption(probe::ID_mnuFileExit, L"閉じる(&X)");
  EXPECT_EQ(ItemText(file, 3), L"閉じる(&X)\tDel");
}

TEST_F(MenuTest, HistoryItemsLoadInOrderAndClickWithTheirIndex) {
  form.SetMenuCaption(probe::ID_mnuFileMRU, L"&1 C:\\a.lzh");
  form.SetMenuVisible(probe::ID_mnuFileMRU, true);
  EXPECT_EQ(form.LoadMenuItem(probe::ID_mnuFileMRU, 2, L"&3 C:\\c.lzh"), probe::ID_mnuFileMRU + 2);
  EXPECT_EQ(form.LoadMenuItem(probe::ID_mnuFileMRU, 1, L"&2 C:\\b.lzh"), probe::ID_mnuFileMRU + 1);
  EXPECT_EQ(form.LoadMenuItem(probe::ID_mnuFileMRU, 1, L"again"), 0);
  HMENU file = form.MenuHandle(probe::ID_mnuFile);
  ASSERT_EQ(GetMenuItemCount(file), 7);
  EXPECT_EQ(ItemText(file, 2), L"&1 C:\\a.lzh");
  EXPECT_EQ(ItemText(file, 3), L"&2 C:\\b.lzh");
  EXPECT_EQ(ItemText(file, 4), L"&3 C:\\c.lzh");
  SendMessageW(form.Hwnd(), WM_COMMAND, probe::ID_mnuFileMRU + 2, 0);
  EXPECT_EQ(form.log, std::vector<std::wstring>{L"mnuFileMRU_Click 2"});
  form.UnloadMenuItem(probe::ID_mnuFileMRU + 1);
  form.UnloadMenuItem(probe::ID_mnuFileMRU);  // members from the table stay
  EXPECT_EQ(GetMenuItemCount(file), 6);
  EXPECT_TRUE(form.MenuExists(probe::ID_mnuFileMRU));
  EXPECT_FALSE(form.MenuExists(probe::ID_mnuFileMRU + 1));
}

TEST_F(MenuTest, ShortcutsRunEnabledItemsOnly) {
  {
    CtrlDown ctrl;
    Key(form.txtName.Hwnd(), 'O');
  }
  form.SetMenuEnabled(probe::ID_mnuFileOpen, false);
  {
    CtrlDown ctrl;
    Key(form.txtName.Hwnd(), 'O');
  }
  // Del typed in a text box is the box's own; from the list box it is the menu's shortcut.
  form.SetMenuEnabled(probe::ID_mnuFile, false);
  Key(form.lstItems.Hwnd(), VK_DELETE);
  EXPECT_EQ(form.log, std::vector<std::wstring>{L"mnuFileOpen_Click"}) << "nothing runs under a disabled menu";
  form.SetMenuEnabled(probe::ID_mnuFile, true);
  Key(form.lstItems.Hwnd(), VK_DELETE);
  EXPECT_EQ(form.log.back(), L"mnuFileExit_Click");
}

TEST_F(MenuTest, PopupMenuThroughTheHook) {
  int shownMenu = 0;
  winui::PopupHook previous = winui::SetPopupHook([&](winui::Form&, HMENU menu, int menuId) {
    shownMenu = menuId;
    EXPECT_EQ(GetMenuItemCount(menu), 2);
    return probe::ID_mnuPopupCopy;
  });
  form.PopupMenu(probe::ID_mnuPopup);
  winui::SetPopupHook([](winui::Form&, HMENU, int) { return probe::ID_mnuPopupDelete; });
  form.PopupMenu(probe::ID_mnuPopup);
  winui::SetPopupHook(previous);
  EXPECT_EQ(shownMenu, probe::ID_mnuPopup);
  EXPECT_EQ(form.log, (std::vector<std::wstring>{L"mnuPopup_Click", L"mnuPopupCopy_Click", L"mnuPopup_Click"}))
      << "the disabled item does not run";
}

}  // namespace
