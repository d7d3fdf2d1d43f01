#include "tools/frmExpand.h"

#include "core/modShell.h"
#include "tools/ToolCommands.h"
#include "tools/ToolDialog.h"
#include "tools/modExpand.h"

namespace tools {
namespace {

using winui::Kind;
using F = frmExpand;

constexpr winui::FormDef kForm = ToolDialogDef(L"Tolvenar.frmExpand", L"MS EXPAND展開時の拡張子指定", 5040, 1320);

const winui::ControlDef kControls[] = {
    {F::ID_lblExpand, L"lblExpand", Kind::Label, 120, 120, 2400, 180, L"展開時の拡張子(&P)", winui::kNone, 0},
    {F::ID_txtExt, L"txtExt", Kind::TextBox, 4080, 360, 840, 270, L"", winui::kNone, 1},
    {F::ID_CmdOk, L"CmdOk", Kind::CommandButton, 2400, 810, 1215, 375, L"&OK", winui::kDefault, 2},
    {F::ID_CmdCancel, L"CmdCancel", Kind::CommandButton, 3705, 810, 1215, 375, L"キャンセル(&C)", winui::kNone, 3},
    {F::ID_txtFileName, L"txtFileName", Kind::TextBox, 120, 360, 3795, 270, L"", winui::kNone, 4},
    {F::ID_lblDot, L"lblDot", Kind::Label, 3930, 405, 135, 180, L".", winui::kAlignCenter, 5},
};

}  // namespace

frmExpand::frmExpand() : Form(kForm, kControls) {
  On(ID_CmdOk, winui::Event::Click, &frmExpand::CmdOk_Click);
  On(ID_CmdCancel, winui::Event::Click, &frmExpand::CmdCancel_Click);
}

void frmExpand::Form_Load() {
  core::SetWindowTop(Hwnd(), HWND_TOPMOST);
  choice_.clear();
  const ExpandNameFields fields = SplitExpandPath(proposed_);
  txtFileName.SetText(fields.fileName);
  txtExt.SetText(fields.extension);
  txtExt.SetSelStart(fields.selectionStart);
  txtExt.SetSelLength(1);
}

void frmExpand::Form_KeyDown(int& keyCode, int) {
  EscapeCloses(keyCode, [this] { CmdCancel_Click(); });
}

void frmExpand::Form_QueryUnload(int&, winui::UnloadMode) { MainWindowBackOnTop(); }

void frmExpand::CmdOk_Click() {
  choice_ = JoinExpandPath(txtFileName.Text(), txtExt.Text());
  EndModal(winui::DialogResult::OK);
  Unload();
}

void frmExpand::CmdCancel_Click() { Unload(); }

std::optional<std::wstring> ShowExpandDialog(HWND owner, const std::wstring& proposed) {
  std::optional<std::wstring> confirmed;
  {
    frmExpand form;
    form.SetProposed(proposed);
    if (form.ShowModal(owner) == winui::DialogResult::OK) confirmed = form.Choice();
  }
  core::DoEvents();
  return confirmed;
}

int32_t ExpandArchiveEntry(HWND owner, const std::wstring& archivePath, const std::wstring& entryName,
                           const std::function<std::wstring()>& extract) {
  const std::optional<std::wstring> destination = ShowExpandDialog(owner, ProposeExpandPath(archivePath, entryName));
  if (!destination) return 0;
  const std::wstring extracted = extract ? extract() : L"";
  // Nothing extracted is a missing source: no file is made and nothing is shown.
  if (extracted.empty()) return -1;
  return ExpandExtractedEntry(extracted, *destination);
}

}  // namespace tools
