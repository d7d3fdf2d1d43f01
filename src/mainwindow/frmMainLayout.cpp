// The window's own layout: tree and list between the cool bar and the status bar, the minimum width, the
// splitter drag, showing and hiding the two bars, and keeping the window on top.
#include <cmath>

#include "core/Settings.h"
#include "mainwindow/frmMain.h"

namespace mainwindow {
namespace {

constexpr int kMinTreeWidth = 1500;  // the tree never gets narrower, the list never less than this
constexpr int kDragMargin = 500;     // the drag bar stops this far from either edge
constexpr int kMinWindowWidth = 3000;
constexpr int kListGap = 40;         // between the grip's left edge and the list
constexpr int kListWidthLoss = 140;  // window borders and the gap, taken from the list's width

}  // namespace

void frmMain::SizeControls(int x) {
  if (x < kMinTreeWidth) x = kMinTreeWidth;
  // A minimized window has no width to measure against; only the lower bound holds then.
  if (WindowState() != 1 && x > Width() - kMinTreeWidth) x = Width() - kMinTreeWidth;
  const bool coolBar = cbrCoolbar.Visible();
  const bool statusBar = sbStatusBar.Visible();
  const int top = coolBar ? cbrCoolbar.Height() : 0;
  int height = ScaleHeight();
  if (statusBar) height -= sbStatusBar.Height();
  if (coolBar) height -= cbrCoolbar.Height();
  const int listWidth = Width() - (x + kListWidthLoss);
  // A size that cannot be set (negative while the window is tiny or minimized) is skipped.
  if (height >= 0) {
    tvTreeView.Move(0, top, x, height);
    imgSplitter.Move(x, top, imgSplitter.Width(), height);
  } else {
    tvTreeView.Move(0, top, x, tvTreeView.Height());
    imgSplitter.Move(x, top);
  }
  lvListView.Move(x + kListGap, top, listWidth >= 0 ? listWidth : lvListView.Width(),
                  height >= 0 ? height : lvListView.Height());
}

void frmMain::Form_Resize() {
  if (WindowState() != 1 && Width() < kMinWindowWidth) Move(Left(), Top(), kMinWindowWidth, Height());
  SizeControls(imgSplitter.Left());
}

void frmMain::imgSplitter_MouseDown(winui::EventArgs&) {
  const int width = static_cast<int>(std::lround(imgSplitter.Width())) / 2;
  picSplitter.Move(imgSplitter.Left(), imgSplitter.Top(), width, imgSplitter.Height() - 20);
  picSplitter.SetVisible(true);
  picSplitter.ZOrderTop();
  SplitterMoving = true;
}

void frmMain::imgSplitter_MouseMove(winui::EventArgs& args) {
  if (!SplitterMoving) return;
  int pos = imgSplitter.Left() + args.x;
  if (pos < kDragMargin)
    pos = kDragMargin;
  else if (pos > Width() - kDragMargin)
    pos = Width() - kDragMargin;
  picSplitter.Move(pos, picSplitter.Top());
}

void frmMain::imgSplitter_MouseUp(winui::EventArgs&) {
  SizeControls(picSplitter.Left());
  picSplitter.SetVisible(false);
  SplitterMoving = false;
}

void frmMain::mnuViewToolbar_Click() {
  const bool shown = MenuChecked(ID_mnuViewToolbar);
  cbrCoolbar.SetVisible(!shown);
  SetMenuChecked(ID_mnuViewToolbar, !shown);
  SizeControls(imgSplitter.Left());
}

void frmMain::mnuViewStatusBar_Click() {
  const bool shown = MenuChecked(ID_mnuViewStatusBar);
  sbStatusBar.SetVisible(!shown);
  SetMenuChecked(ID_mnuViewStatusBar, !shown);
  SizeControls(imgSplitter.Left());
}

void frmMain::mnuViewWindowTop_Click() {
  const bool onTop = MenuChecked(ID_mnuViewWindowTop);
  SetMenuChecked(ID_mnuViewWindowTop, !onTop);
  core::Settings.NeverTop = onTop ? L"0" : L"1";
  SetTopMost(!onTop);
}

}  // namespace mainwindow
