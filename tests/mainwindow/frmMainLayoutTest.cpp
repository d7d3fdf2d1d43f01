// Layout from Settings, SizeControls' bounds, the minimum width, the splitter drag, the two bar toggles
// and always-on-top. Positions are compared within one pixel (15 twips).
#include <windows.h>
#include <commctrl.h>

#include "MainWindowFixture.h"
#include "core/Settings.h"
#include "winui/App.h"

namespace {

using namespace mainwindow;
using mwtest::MainWindowTest;

constexpr int kPixel = 15;

class frmMainLayoutTest : public MainWindowTest {
 protected:
  // The window a mouse message at (x, y) twips in the main window's client area goes to, as the system
  // routes it: the window holding the mouse, else the top visible control under the point.
  HWND WindowUnder(int x, int y) const {
    if (HWND captured = GetCapture()) return captured;
    HWND window = form->Form::Hwnd();
    POINT pt{winui::TwipsToPixelsX(x), winui::TwipsToPixelsY(y)};
    for (;;) {
      HWND child = ChildWindowFromPointEx(window, pt, CWP_SKIPINVISIBLE);
      if (!child || child == window) return window;
      MapWindowPoints(window, child, &pt, 1);
      window = child;
    }
  }
  // Posts a real mouse message for the point (x, y) twips in the main window to the window under it and
  // lets the message loop deliver it.
  void Mouse(UINT message, int x, int y, WPARAM keys) {
    HWND target = WindowUnder(x, y);
    POINT pt{winui::TwipsToPixelsX(x), winui::TwipsToPixelsY(y)};
    MapWindowPoints(form->Form::Hwnd(), target, &pt, 1);
    PostMessageW(target, message, keys, MAKELPARAM(pt.x, pt.y));
    winui::DoEvents();
    winui::DoEvents();
  }
};

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

TEST_F(frmMainLayoutTest, SplitterFollowsTheMouseWhereverItGoes) {
  core::Settings.WindowWidth = L"9000";
  ASSERT_TRUE(LoadWindow());
  const int y = form->imgSplitter.Top() + form->imgSplitter.Height() / 2;
  const int grip = form->imgSplitter.Left() + kPixel;  // left of the list, right of the tree
  ASSERT_EQ(WindowUnder(grip, y), form->imgSplitter.Hwnd());

  Mouse(WM_LBUTTONDOWN, grip, y, MK_LBUTTON);
  EXPECT_TRUE(form->SplitterMoving);
  EXPECT_TRUE(form->picSplitter.Visible());
  EXPECT_NEAR(form->picSplitter.Width(), 75, kPixel);
  EXPECT_NEAR(form->picSplitter.Height(), form->imgSplitter.Height() - 20, kPixel);
  // Once off the grip the pointer is over the list; the drag goes on all the same.
  const int treeWidth = form->tvTreeView.Width();
  Mouse(WM_MOUSEMOVE, 4500, y, MK_LBUTTON);
  EXPECT_NEAR(form->picSplitter.Left(), 4500, kPixel);
  EXPECT_EQ(form->tvTreeView.Width(), treeWidth) << "tree and list wait for the release";
  // The bar stops 500 twips from either edge of the window.
  Mouse(WM_MOUSEMOVE, 100, y, MK_LBUTTON);
  EXPECT_NEAR(form->picSplitter.Left(), 500, kPixel);
  Mouse(WM_MOUSEMOVE, form->ScaleWidth() - 10, y, MK_LBUTTON);
  EXPECT_NEAR(form->picSplitter.Left(), form->Width() - 500, kPixel);
  Mouse(WM_MOUSEMOVE, 5200, y, MK_LBUTTON);
  Mouse(WM_LBUTTONUP, 5200, y, 0);
  EXPECT_NEAR(form->tvTreeView.Width(), 5200, kPixel);
  EXPECT_NEAR(form->lvListView.Left(), 5240, kPixel);
  EXPECT_FALSE(form->picSplitter.Visible());
  EXPECT_FALSE(form->SplitterMoving);
  EXPECT_EQ(GetCapture(), nullptr) << "the release lets the mouse go";

  // A release at the far left is laid out with the tree's least width.
  Mouse(WM_LBUTTONDOWN, form->imgSplitter.Left() + kPixel, y, MK_LBUTTON);
  Mouse(WM_MOUSEMOVE, 0, y, MK_LBUTTON);
  Mouse(WM_LBUTTONUP, 0, y, 0);
  EXPECT_NEAR(form->tvTreeView.Width(), 1500, kPixel);
}

TEST_F(frmMainLayoutTest, LosingTheMouseEndsTheDragWhereItStarted) {
  ASSERT_TRUE(LoadWindow());
  const int y = form->imgSplitter.Top() + form->imgSplitter.Height() / 2;
  const int treeWidth = form->tvTreeView.Width();
  Mouse(WM_LBUTTONDOWN, form->imgSplitter.Left() + kPixel, y, MK_LBUTTON);
  Mouse(WM_MOUSEMOVE, 4000, y, MK_LBUTTON);
  ASSERT_TRUE(form->picSplitter.Visible());
  SetCapture(form->lvListView.Hwnd());  // another window takes the mouse
  ReleaseCapture();
  EXPECT_FALSE(form->picSplitter.Visible());
  EXPECT_FALSE(form->SplitterMoving);
  Mouse(WM_LBUTTONUP, 4000, y, 0);
  EXPECT_EQ(form->tvTreeView.Width(), treeWidth);
}

TEST_F(frmMainLayoutTest, MouseOverTheGripWithoutPressMovesNothing) {
  ASSERT_TRUE(LoadWindow());
  const int y = form->imgSplitter.Top() + form->imgSplitter.Height() / 2;
  const int left = form->picSplitter.Left();
  const int treeWidth = form->tvTreeView.Width();
  Mouse(WM_MOUSEMOVE, form->imgSplitter.Left() + kPixel, y, 0);
  Mouse(WM_LBUTTONUP, form->imgSplitter.Left() + kPixel, y, 0);
  EXPECT_EQ(form->picSplitter.Left(), left);
  EXPECT_EQ(form->tvTreeView.Width(), treeWidth);
  EXPECT_FALSE(form->picSplitter.Visible());
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
