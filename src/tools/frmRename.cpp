#include "tools/frmRename.h"

#include "core/Text.h"
#include "core/modShell.h"
#include "tools/Templates.h"
#include "tools/ToolDialog.h"
#include "winui/Resources.h"

namespace tools {
namespace {

using winui::Kind;
using F = frmRename;

constexpr winui::FormDef kForm = ToolDialogDef(L"Tolvenar.frmRename", L"圧縮対象ファイル名の変更", 6195, 1845);

const winui::ControlDef kControls[] = {
    {F::ID_PicIcon, L"PicIcon", Kind::PictureBox, 120, 120, 480, 480},
    {F::ID_lblComment, L"lblComment", Kind::Label, 840, 120, 5235, 180, L"変更するファイル名を指定してください(&N)",
     winui::kNone, 0, 0, 0},
    {F::ID_lblComment + 1, L"lblComment", Kind::Label, 840, 360, 5235, 180,
     L"(*.txtなどのワイルドカード指定もできます)", winui::kNone, 4, 0, 1},
    {F::ID_txtRename, L"txtRename", Kind::TextBox, 840, 720, 5235, 270, L"", winui::kNone, 1},
    {F::ID_CmdOk, L"CmdOk", Kind::CommandButton, 3540, 1320, 1215, 375, L"&OK", winui::kDefault, 2},
    {F::ID_CmdCancel, L"CmdCancel", Kind::CommandButton, 4860, 1320, 1215, 375, L"キャンセル(&C)", winui::kNone, 3},
};

// The program's own icon.
constexpr int kProgramIcon = 1;

}  // namespace

frmRename::frmRename() : Form(kForm, kControls) {
  On(ID_txtRename, winui::Event::GotFocus, &frmRename::txtRename_GotFocus);
  On(ID_CmdOk, winui::Event::Click, &frmRename::CmdOk_Click);
  On(ID_CmdCancel, winui::Event::Click, &frmRename::CmdCancel_Click);
}

void frmRename::Form_Load() {
  core::SetWindowTop(Hwnd(), HWND_TOPMOST);
  if (HICON icon = winui::LoadIconRes(kProgramIcon, 32, 32)) PicIcon.SetPicture(icon);
  choice_.clear();
  txtRename.SetText(entry_);
}

void frmRename::Form_KeyDown(int& keyCode, int) {
  EscapeCloses(keyCode, [this] { CmdCancel_Click(); });
}

void frmRename::txtRename_GotFocus() { core::SelectAllText(txtRename.Hwnd()); }

void frmRename::CmdOk_Click() {
  const std::wstring text = core::Trim(txtRename.Text());
  if (!ReadsBackAsTemplateValue(text)) return;
  choice_ = text;
  EndModal(winui::DialogResult::OK);
  Unload();
}

void frmRename::CmdCancel_Click() { Unload(); }

}  // namespace tools
