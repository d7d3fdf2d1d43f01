// Layout from Settings, SizeControls' bounds, the minimum width, the splitter drag, the two bar toggles
// and always-on-top. Positions are compared within one pixel (15 twips).
#include <windows.h>
#include <commctrl.h>

#include "MainWindowFixture.h"
#include "core/Settings.h"

namespace {

using namespace mainwindow;
using mwtest::MainWindowTest;

constexpr int kPixel = 15;

class frmMainLayoutTest : public MainWindowTest {};

TEST_F(frmMainLayoutTest, WindowRectangleAndSplitterFromSettings) {
  core::Settings.WindowLeft = L"1500";
  core::Settings.WindowTop = L"1200";
  core::Settings.WindowWidth = L"9000";
  core::Settings.WindowHeight = L"6000";
  core::Settings.SplitBar = L"2400";
  ASSERT_TRUE(LoadWindow());
  EXPECT_NEAR(form->Left(), 1500, kPixel);
  EXPECT_NEAR(form->Top(), 1200, kPixel);
  EXPECT_NEAR(form->Width(), 9000, kPixel);
  EXPECT_NEAR(form->Height(), 6000, kPixel);
  EXPECT_NEAR(form->tvTreeView.Width(), 2400, kPixel);
  EXPECT_NEAR(form->imgSplitter.Left(), 2400, kPixel);
  EXPECT_NEAR(form->lvListView.Left(), 2440, kPixel);
  EXPECT_NEAR(form->lvListView.Width(), 9000 - (2400 + 140), kPixel);
  // Tree and list fill the room between the cool bar and the status bar.
  EXPECT_EQ(form->tvTreeView.Top(), form->cbrCoolbar.Height());
  EXPECT_NEAR(form->tvTreeView.Height(), form->ScaleHeight() - form->cbrCoolbar.Height() - form->sbStatusBar.Height(),
              kPixel);
  EXPECT_EQ(form->lvListView.Height(), form->tvTreeView.Height());
}

TEST_F(frmMainLayoutTest, NonNumericRectangleKeepsTheDesignSize) {
  core::Settings.WindowWidth = L"wide";
  ASSERT_TRUE(LoadWindow());
  EXPECT_NEAR(form->ScaleWidth(), 9165, kPixel);
  EXPECT_NEAR(form->ScaleHeight(), 5820, kPixel);
}

TEST_F(frmMainLayoutTest, ColumnWidthsOnlyWhenFixed) {
  core::Settings.RetuKotei = L"1";
  for (int i = 0; i < 9; ++i) core::Settings.RetuColumn[i] = std::to_wstring(50 + 10 * i);
  core::Settings.RetuColumn[4] = L"n/a";  // skipped; the loop goes on
  ASSERT_TRUE(LoadWindow());
  for (int i = 0; i < 9; ++i) EXPECT_EQ(ColumnPixels(i), i == 4 ? 85 : 50 + 10 * i) << i;

  core::Settings.RetuKotei = L"0";
  ASSERT_TRUE(LoadWindow());
  for (int i = 0; i < 9; ++i) EXPECT_EQ(ColumnPixels(i), 85) << i;
}

TEST_F(frmMainLayoutTest, GridFontAndColours) {
  core::Settings.Grid = L"1";
  core::Settings.Font = L"1001";
  core::Settings.FontSize = L"12";
  core::Settings.FontName = L"IPAGothic";
  core::Settings.BackColor = static_cast<int32_t>(0x80000005);  // the system's window colour
  core::Settings.ForeColor = 0x0000FF;
  ASSERT_TRUE(LoadWindow());
  const HWND list = form->lvListView.Hwnd();
  EXPECT_TRUE(SendMessageW(list, LVM_GETEXTENDEDLISTVIEWSTYLE, 0, 0) & LVS_EX_GRIDLINES);
  EXPECT_EQ(static_cast<COLORREF>(SendMessageW(list, LVM_GETBKCOLOR, 0, 0)), GetSysColor(COLOR_WINDOW));
  EXPECT_EQ(static_cast<COLORREF>(SendMessageW(list, LVM_GETTEXTCOLOR, 0, 0)), RGB(255, 0, 0));
  LOGFONTW font{};
  ASSERT_TRUE(GetObjectW(reinterpret_cast<HFONT>(SendMessageW(list, WM_GETFONT, 0, 0)), sizeof font, &font));
  EXPECT_EQ(std::wstring(font.lfFaceName), L"IPAGothic");
  EXPECT_EQ(font.lfHeight, -16);  // 12 points at 96 dots per inch
  EXPECT_EQ(font.lfWeight, FW_BOLD);
  EXPECT_FALSE(font.lfItalic);
  EXPECT_FALSE(font.lfStrikeOut);
  EXPECT_TRUE(font.lfUnderline);
}

TEST_F(frmMainLayoutTest, SortMenuChecksFromSettings) {
  struct Case {
    const wchar_t* index;
    const wchar_t* flag;
    int checkedIndex;  // -1: none of the ten
    int checkedFlag;   // -1: neither
  };
  const Case cases[] = {{L"3", L"1", 3, 1}, {L"9", L"0", 9, 0}, {L"12", L"2", -1, -1}, {L"x", L"", -1, -1}};
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.checkedIndex);
    core::Settings.SortIndex = c.index;
    core::Settings.SortFlag = c.flag;
    ASSERT_TRUE(LoadWindow());
    for (int i = 0; i < 10; ++i) EXPECT_EQ(form->MenuChecked(ID_mnuViewArrangeIcon + i), i == c.checkedIndex) << i;
    for (int i = 0; i < 2; ++i) EXPECT_EQ(form->MenuChecked(ID_mnuViewArrangeAceDec + i), i == c.checkedFlag) << i;
  }
}

TEST_F(frmMainLayoutTest, SizeControlsClampsTheTreeWidth) {
  core::Settings.WindowWidth = L"9000";
  ASSERT_TRUE(LoadWindow());
  const int width = form->Width();
  const struct {
    int asked, expected;
  } cases[] = {
      {0, 1500}, {1499, 1500}, {1500, 1500}, {4000, 4000}, {width - 1500, width - 1500}, {width, width - 1500}};
  for (const auto& c : cases) {
    form->SizeControls(c.asked);
    EXPECT_NEAR(form->tvTreeView.Width(), c.expected, kPixel) << c.asked;
    EXPECT_NEAR(form->imgSplitter.Left(), c.expected, kPixel) << c.asked;
    EXPECT_NEAR(form->lvListView.Left(), c.expected + 40, kPixel) << c.asked;
  }
}

TEST_F(frmMainLayoutTest, MinimizedWindowKeepsOnlyTheLowerBound) {
  ASSERT_TRUE(LoadWindow());
  form->SetWindowState(1);
  ASSERT_EQ(form->WindowState(), 1);
  form->SizeControls(form->Width() + 3000);
  EXPECT_NEAR(form->tvTreeView.Width(), form->Width() + 3000, kPixel);
  form->SizeControls(100);
  EXPECT_NEAR(form->tvTreeView.Width(), 1500, kPixel);
}

TEST_F(frmMainLayoutTest, NarrowWindowIsWidenedTo3000) {
  ASSERT_TRUE(LoadWindow());
  form->Move(form->Left(), form->Top(), 2000, form->Height());
  EXPECT_NEAR(form->Width(), 3000, kPixel);
}

TEST_F(frmMainLayoutTest, SplitterDragStopsAtTheMarginsAndReleaseClamps) {
  core::Settings.WindowWidth = L"9000";
  ASSERT_TRUE(LoadWindow());
  winui::EventArgs press;
  form->Raise(ID_imgSplitter, winui::Event::MouseDown, press);
  EXPECT_TRUE(form->SplitterMoving);
  EXPECT_TRUE(form->picSplitter.Visible());
  EXPECT_NEAR(form->picSplitter.Width(), 75, kPixel);
  EXPECT_NEAR(form->picSplitter.Height(), form->imgSplitter.Height() - 20, kPixel);
  // Tree and list do not follow the bar during the drag.
  const int treeWidth = form->tvTreeView.Width();
  winui::EventArgs move;
  move.x = -form->imgSplitter.Left();  // far left of the window
  form->Raise(ID_imgSplitter, winui::Event::MouseMove, move);
  EXPECT_NEAR(form->picSplitter.Left(), 500, kPixel);
  EXPECT_EQ(form->tvTreeView.Width(), treeWidth);
  move.x = form->Width();
  form->Raise(ID_imgSplitter, winui::Event::MouseMove, move);
  EXPECT_NEAR(form->picSplitter.Left(), form->Width() - 500, kPixel);
  move.x = 500 - form->imgSplitter.Left();
  form->Raise(ID_imgSplitter, winui::Event::MouseMove, move);
  form->Raise(ID_imgSplitter, winui::Event::MouseUp, move);
  EXPECT_NEAR(form->tvTreeView.Width(), 1500, kPixel);
  EXPECT_FALSE(form->picSplitter.Visible());
  EXPECT_FALSE(form->SplitterMoving);
}

TEST_F(frmMainLayoutTest, MouseMoveWithoutPressMovesNothing) {
  ASSERT_TRUE(LoadWindow());
  const int left = form->picSplitter.Left();
  winui::EventArgs move;
  move.x = 3000;
  form->Raise(ID_imgSplitter, winui::Event::MouseMove, move);
  EXPECT_EQ(form->picSplitter.Left(), left);
}

TEST_F(frmMainLayoutTest, BarTogglesHideShowAndRelayout) {
  ASSERT_TRUE(LoadWindow());
  Click(ID_mnuViewToolbar);
  EXPECT_FALSE(form->cbrCoolbar.Visible());
  EXPECT_FALSE(form->MenuChecked(ID_mnuViewToolbar));
  EXPECT_EQ(form->tvTreeView.Top(), 0);
  Click(ID_mnuViewStatusBar);
  EXPECT_FALSE(form->sbStatusBar.Visible());
  EXPECT_FALSE(form->MenuChecked(ID_mnuViewStatusBar));
  EXPECT_EQ(form->tvTreeView.Height(), form->ScaleHeight());
  EXPECT_EQ(form->lvListView.Height(), form->ScaleHeight());
  EXPECT_EQ(form->imgSplitter.Height(), form->ScaleHeight());

  Click(ID_mnuViewToolbar);
  Click(ID_mnuViewStatusBar);
  EXPECT_TRUE(form->cbrCoolbar.Visible());
  EXPECT_TRUE(form->sbStatusBar.Visible());
  EXPECT_TRUE(form->MenuChecked(ID_mnuViewToolbar));
  EXPECT_TRUE(form->MenuChecked(ID_mnuViewStatusBar));
  EXPECT_EQ(form->tvTreeView.Top(), form->cbrCoolbar.Height());
  EXPECT_NEAR(form->tvTreeView.Height(), form->ScaleHeight() - form->cbrCoolbar.Height() - form->sbStatusBar.Height(),
              kPixel);
}

TEST_F(frmMainLayoutTest, AlwaysOnTopToggleWritesNeverTop) {
  ASSERT_TRUE(LoadWindow());
  Click(ID_mnuViewWindowTop);
  EXPECT_TRUE(form->MenuChecked(ID_mnuViewWindowTop));
  EXPECT_EQ(core::Settings.NeverTop, L"1");
  EXPECT_TRUE(TopMost());
  Click(ID_mnuViewWindowTop);
  EXPECT_FALSE(form->MenuChecked(ID_mnuViewWindowTop));
  EXPECT_EQ(core::Settings.NeverTop, L"0");
  EXPECT_FALSE(TopMost());
}

}  // namespace
