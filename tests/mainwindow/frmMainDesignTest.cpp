// The window as it is created: caption, controls, tool-bar buttons, columns, panels and image lists (its
// menus: MenuTableTest).
#include <windows.h>
#include <commctrl.h>

#include <gmock/gmock.h>

#include "LabelCheck.h"
#include "MainWindowFixture.h"
#include "core/Text.h"
#include "mainwindow/frmMain.h"
#include "mainwindow/frmOpenning.h"

namespace {

using namespace mainwindow;
using mwtest::MainWindowTest;

class frmMainDesignTest : public MainWindowTest {
 protected:
  void SetUp() override { ASSERT_TRUE(LoadWindow()); }
};

TEST_F(frmMainDesignTest, CaptionControlsAndTypeCombo) {
  EXPECT_EQ(form->Caption(), L"とるべなー【瞬間開梱】");
  EXPECT_TRUE(form->Def().keyPreview);
  ASSERT_EQ(form->cmbArc.ListCount(), 17);
  const wchar_t* captions[] = {L"LHA書庫", L"ZIP書庫", L"CAB書庫", L"ARJ書庫", L"TAR書庫", L"ISH書庫",
                               L"RAR書庫", L"YZ1書庫", L"ACE書庫", L"JAR書庫", L"BGA書庫", L"GCA書庫",
                               L"BEL書庫", L"7Z書庫",  L"IMP書庫", L"YZ2書庫", L"BH書庫"};
  for (int i = 0; i < 17; ++i) EXPECT_EQ(form->cmbArc.List(i), captions[i]) << i;
  // Published ids are the window ids, so another program can find each control.
  EXPECT_EQ(form->Item(ID_lvListView), GetDlgItem(form->Form::Hwnd(), ID_lvListView));
  for (int id : {ID_lstSort, ID_picCount, ID_picCover, ID_picShortString, ID_lblEllipsisString, ID_PicDummy,
                 ID_picLargeDummy, ID_picSplitter}) {
    ASSERT_NE(form->Item(id), nullptr);
    EXPECT_FALSE(GetWindowLongW(form->Item(id), GWL_STYLE) & WS_VISIBLE) << core::ToUtf8(form->NameOf(id));
  }
  EXPECT_FALSE(form->timUpdate.Enabled());
  EXPECT_EQ(form->timUpdate.Interval(), 2000);
  EXPECT_FALSE(form->timDrag.Enabled());
  EXPECT_EQ(form->timDrag.Interval(), 500);
  EXPECT_EQ(core::MainWindow().Hwnd(), form->Form::Hwnd());
}

TEST_F(frmMainDesignTest, ToolBarButtonsInOrder) {
  const wchar_t* keys[] = {L"Exit",
                           L"",
                           L"Open",
                           L"Close",
                           L"AllClose",
                           L"SaveAs",
                           L"",
                           L"View",
                           L"AddPack",
                           L"AddFolderPack",
                           L"Trush",
                           L"",
                           L"UnPack",
                           L"Pack",
                           L"FolderPack",
                           L"PackWizard",
                           L"UnPackWizard",
                           L"",
                           L"All",
                           L"",
                           L"Option",
                           L"Tolvenar",
                           L""};
  ASSERT_EQ(form->tbToolBar.ButtonCount(), 23);
  for (int i = 0; i < 23; ++i) EXPECT_EQ(form->tbToolBar.ButtonKey(i + 1), keys[i]) << i + 1;
  // The two drop-downs are built at load from the (empty) histories.
  EXPECT_EQ(form->tbToolBar.ButtonMenuCount(L"Open"), 0);
  EXPECT_EQ(form->tbToolBar.ButtonMenuCount(L"UnPack"), 0);
  // The type combo sits on the last button, the placeholder.
  RECT combo{}, bar{}, last{};
  GetWindowRect(form->cmbArc.Hwnd(), &combo);
  SendMessageW(form->tbToolBar.Hwnd(), TB_GETITEMRECT, 22, reinterpret_cast<LPARAM>(&last));
  GetWindowRect(form->tbToolBar.Hwnd(), &bar);
  EXPECT_EQ(combo.left - bar.left, last.left);
  EXPECT_EQ(form->cbrCoolbar.BandCount(), 2);
  EXPECT_EQ(form->imlIcons.Count(), 26);
  EXPECT_EQ(form->imlIcons.IndexOf(L"Tolvenar2"), 25);
  EXPECT_EQ(form->imgBox.IndexOf(L"Open"), 1);
  EXPECT_EQ(form->ImgListLargeDummy.IndexOf(L"Application"), 2);
}

TEST_F(frmMainDesignTest, ListColumnsAndStatusPanels) {
  const wchar_t* captions[] = {L"名前",     L"種類", L"サイズ", L"格納サイズ", L"レート",
                               L"更新日時", L"形式", L"場所",   L"属性"};
  ASSERT_EQ(form->lvListView.ColumnCount(), 9);
  for (int i = 0; i < 9; ++i) {
    EXPECT_EQ(form->lvListView.ColumnCaption(i + 1), captions[i]);
    EXPECT_EQ(ColumnPixels(i), 85) << i;  // 1270 twips
  }
  LVCOLUMNW size{};
  size.mask = LVCF_FMT;
  SendMessageW(form->lvListView.Hwnd(), LVM_GETCOLUMNW, 2, reinterpret_cast<LPARAM>(&size));
  EXPECT_EQ(size.fmt & LVCFMT_JUSTIFYMASK, LVCFMT_RIGHT);
  EXPECT_EQ(form->lstSort.ColumnCount(), 9);
  ASSERT_EQ(form->sbStatusBar.PanelCount(), 4);
  EXPECT_NEAR(form->sbStatusBar.PanelWidth(2), 3528, 45);  // the bar keeps whole pixels and its borders
  EXPECT_EQ(form->sbStatusBar.PanelText(1), L"");
}

TEST_F(frmMainDesignTest, EveryLabelOfTheWindowAndTheSplashShowsItsWholeText) {
  EXPECT_THAT(testsupport::CutLabels(form->Hwnd()), testing::IsEmpty());
  frmOpenning splash;
  ASSERT_TRUE(splash.Load());
  EXPECT_THAT(testsupport::CutLabels(splash.Hwnd()), testing::IsEmpty());
  splash.Unload();
}

}  // namespace
