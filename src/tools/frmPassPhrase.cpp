#include "tools/frmPassPhrase.h"

#include "core/modShell.h"
#include "tools/ToolDialog.h"
#include "winui/Resources.h"

namespace tools {
namespace {

using winui::Kind;

constexpr winui::FormDef kForm = ToolDialogDef(L"Tolvenar.frmPassPhrase", L"パスワード入力", 4815, 1680);

const winui::ControlDef kControls[] = {
    {frmPassPhrase::ID_picFlag, L"picFlag", Kind::PictureBox, 120, 120, 480, 480},
    {frmPassPhrase::ID_lblComment, L"lblComment", Kind::Label, 840, 240, 3885, 435,
     L"このJPEGファイルは448bit可変長キー暗号化アルゴリズム「BlowFish」によって暗号化されています"},
    {frmPassPhrase::ID_lblPass, L"lblPass", Kind::Label, 240, 855, 930, 180, L"パスワード(&P)", winui::kNone, 0},
    {frmPassPhrase::ID_txtPass, L"txtPass", Kind::TextBox, 1200, 840, 3495, 270, L"", winui::kPassword, 1},
    {frmPassPhrase::ID_CmdOk, L"CmdOk", Kind::CommandButton, 2160, 1200, 1215, 375, L"&OK", winui::kNone, 2},
    {frmPassPhrase::ID_CmdCancel, L"CmdCancel", Kind::CommandButton, 3480, 1200, 1215, 375, L"キャンセル(&C)",
     winui::kCancel, 3},
};

// The program's own icon.
constexpr int kProgramIcon = 1;

}  // namespace

bool PassPhraseAccepted(const std::wstring& text, bool strict) {
  return strict ? text.size() >= 8 && text.size() <= 56 : !text.empty();
}

frmPassPhrase::frmPassPhrase() : Form(kForm, kControls) {
  On(ID_CmdOk, winui::Event::Click, &frmPassPhrase::CmdOk_Click);
  On(ID_CmdCancel, winui::Event::Click, &frmPassPhrase::CmdCancel_Click);
  On(ID_txtPass, winui::Event::KeyPress, &frmPassPhrase::txtPass_KeyPress);
}

void frmPassPhrase::Form_Load() {
  passPhrase_.clear();
  if (HICON icon = winui::LoadIconRes(kProgramIcon, 32, 32)) picFlag.SetPicture(icon);
}

void frmPassPhrase::CmdOk_Click() {
  const std::wstring text = txtPass.Text();
  if (!PassPhraseAccepted(text, flag_)) {
    txtPass.SetFocus();
    return;
  }
  passPhrase_ = text;
  EndModal(winui::DialogResult::OK);
  Unload();
}

void frmPassPhrase::CmdCancel_Click() { Unload(); }

void frmPassPhrase::txtPass_KeyPress(winui::EventArgs& args) {
  if (args.keyAscii == VK_RETURN) CmdOk_Click();
}

std::wstring PassPhraseDialog::Ask(HWND owner, const core::PassPhraseRequest& request) {
  frmPassPhrase form;
  form.Flag(request.strict);
  if (!form.Load(owner)) return L"";
  form.txtPass.SetText(request.preset);
  if (!request.comment.empty()) form.lblComment.SetCaption(request.comment);
  const bool confirmed = form.ShowModal(owner) == winui::DialogResult::OK;
  core::DoEvents();
  return confirmed ? form.PassPhrase() : L"";
}

}  // namespace tools
