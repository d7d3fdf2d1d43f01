#include "archiver/frmView.h"

#include "core/MainWindowLink.h"
#include "core/Seams.h"
#include "core/modShell.h"

namespace archiver {
namespace {

using namespace winui;

const FormDef kForm{
    .className = L"Tolvenar.frmView",
    .caption = L"処理結果",
    .clientWidth = 7125,
    .clientHeight = 4305,
    .border = BorderStyle::FixedDialog,
    .minButton = false,
    .maxButton = false,
    .start = StartPosition::CenterScreen,
    .keyPreview = true,
    .fontName = L"MS UI Gothic",
    .fontPoints = 9,
    .showInTaskbar = false,
};

const ControlDef kControls[] = {
    {ID_frmView_txtStatus, L"txtStatus", Kind::TextBox, 15, 15, 7095, 3735, L"", kMultiLine | kScrollBars, 0},
    {ID_frmView_cmdOk, L"cmdOk", Kind::CommandButton, 4530, 3855, 1215, 375, L"&OK", kNone, 1},
    {ID_frmView_cmdCopy, L"cmdCopy", Kind::CommandButton, 5880, 3855, 1215, 375, L"コピー(&C)", kNone, 2},
};

constexpr int kEscape = 27;

}  // namespace

frmView::frmView() : Form(kForm, kControls) {
  On(ID_frmView_cmdOk, Event::Click, &frmView::cmdOk_Click);
  On(ID_frmView_cmdCopy, Event::Click, &frmView::cmdCopy_Click);
}

void frmView::Form_Load() {
  txtStatus.SetFont(L"ＭＳ ゴシック", 9);
  core::SetWindowTop(Hwnd(), HWND_TOPMOST);
}

void frmView::Form_KeyDown(int& keyCode, int) {
  if (keyCode != kEscape) return;
  keyCode = 0;
  cmdOk_Click();
}

void frmView::cmdOk_Click() {
  if (!Unload()) return;
  // The main window goes back on top when the user keeps it there (SetWindowTop checks the setting).
  HWND main = core::MainWindow().Hwnd();
  if (main) core::SetWindowTop(main, HWND_TOPMOST);
}

void frmView::cmdCopy_Click() { core::Clipboard().SetText(txtStatus.Text()); }

frmView& View() {
  static frmView view;
  return view;
}

}  // namespace archiver
