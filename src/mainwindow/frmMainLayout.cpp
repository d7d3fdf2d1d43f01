// The window's own layout: tree and list between the cool bar and the status bar, the minimum width, the
// splitter drag, showing and hiding the two bars, and keeping the window on top.
#include <windows.h>
#include <commctrl.h>

#include <cmath>

#include "core/Settings.h"
#include "mainwindow/frmMain.h"

namespace mainwindow {
namespace {

constexpr int kMinTreeWidth = 1500;  // the tree never gets narrower, the list never less than this
constexpr int kDragMargin = 500;     // the drag bar stops this far from either edge
constexpr int kMinWindowWidth = 3000;
constexpr int kListGap = 40;             // between the grip's left edge and the list
constexpr int kListWidthLoss = 140;      // window borders and the gap, taken from the list's width
constexpr UINT_PTR kGripWatch = 0x5350;  // the grip's subclass while it holds the mouse

// The bar goes away and the tree keeps its width.
void AbandonDrag(frmMain& form) {
  if (!form.SplitterMoving) return;
  form.picSplitter.SetVisible(false);
  form.SplitterMoving = false;
}

// While the grip holds the mouse, losing it (another window took it, a message box came up) ends the
// drag; otherwise the bar would stay on screen and the next press would start from a stale state.
LRESULT CALLBACK WatchGrip(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR id, DWORD_PTR form) {
  if (msg == WM_CAPTURECHANGED || msg == WM_NCDESTROY) {
    RemoveWindowSubclass(hwnd, WatchGrip, id);
    if (msg == WM_CAPTURECHANGED) AbandonDrag(*reinterpret_cast<frmMain*>(form));
  }
  return DefSubclassProc(hwnd, msg, wParam, lParam);
}

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
  // The moves and the release of the drag come to the grip wherever the pointer goes.
  if (HWND grip = imgSplitter.Hwnd()) {
    SetCapture(grip);
    SetWindowSubclass(grip, WatchGrip, kGripWatch, reinterpret_cast<DWORD_PTR>(this));
  }
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
  // A release without a press on the grip moves nothing.
  if (!SplitterMoving) return;
  SizeControls(picSplitter.Left());
  picSplitter.SetVisible(false);
  SplitterMoving = false;
  if (GetCapture() == imgSplitter.Hwnd()) ReleaseCapture();
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
