#include "splitjoin/frmMolquen.h"

#include "core/OperationUi.h"
#include "core/Text.h"
#include "core/modPath.h"
#include "core/modShell.h"
#include "splitjoin/JoinEngine.h"
#include "splitjoin/ProgramHelpers.h"
#include "winui/Resources.h"

namespace molquen {

const wchar_t kTitle[] = L"分割ファイルを連結";

namespace {

using namespace winui;

const FormDef kForm{L"Tolvenar.frmMolquen", kTitle, 6765, 3000, BorderStyle::FixedSingle, true, false,
                    StartPosition::CenterScreen, true, L"MS UI Gothic", 9, IDI_MOLQUEN};

const ControlDef kControls[] = {
    {ID_Label3, L"Label3", Kind::Label, 120, 120, 3000, 240, L"連結元ファイル名(&R)", kNone, 0, 0, 0},
    {ID_txtKetugoFileName, L"txtKetugoFileName", Kind::TextBox, 120, 360, 4800, 300, L"", kNone, 1},
    {ID_cmdKetugoFileName, L"cmdKetugoFileName", Kind::CommandButton, 4980, 345, 375, 330, L"", kGraphical, 2},
    {ID_Label3 + 1, L"Label3", Kind::Label, 120, 750, 3000, 240, L"連結先フォルダ名(&K)", kNone, 3, 0, 1},
    {ID_txtFromFolder, L"txtFromFolder", Kind::TextBox, 120, 990, 4800, 300, L"", kNone, 4},
    {ID_cmdFromFolder, L"cmdFromFolder", Kind::CommandButton, 4980, 975, 375, 330, L"", kGraphical, 5},
    {ID_Label3 + 2, L"Label3", Kind::Label, 120, 1380, 3000, 240, L"連結後ファイル名", kNone, 6, 0, 2},
    {ID_txtAfterFileName, L"txtAfterFileName", Kind::TextBox, 120, 1620, 4800, 300, L"", kReadOnly, 7},
    {ID_chkAfterDelete, L"chkAfterDelete", Kind::CheckBox, 120, 2010, 3600, 270, L"連結後分割ファイルを削除する(&D)",
     kNone, 8},
    {ID_chkAfterOpen, L"chkAfterOpen", Kind::CheckBox, 120, 2310, 3600, 270, L"連結後フォルダを開く(&P)", kNone, 9},
    {ID_cmdOk, L"cmdOk", Kind::CommandButton, 5520, 120, 1125, 360, L"OK(&O)", kNone, 10},
    {ID_cmdCancel, L"cmdCancel", Kind::CommandButton, 5520, 540, 1125, 360, L"閉じる(&C)", kNone, 11},
    {ID_picStatus, L"picStatus", Kind::PictureBox, 45, 2760, 1830, 225, L"", kHidden, 12},
    {ID_sbrStatus, L"sbrStatus", Kind::StatusBar, 0, 2730, 6765, 270, L"", kNoSizeGrip, -1},
};

}  // namespace

frmMolquen::frmMolquen() : Form(kForm, kControls) {
  On(ID_cmdKetugoFileName, Event::Click, &frmMolquen::cmdKetugoFileName_Click);
  On(ID_cmdFromFolder, Event::Click, &frmMolquen::cmdFromFolder_Click);
  On(ID_cmdOk, Event::Click, &frmMolquen::cmdOk_Click);
  On(ID_cmdCancel, Event::Click, &frmMolquen::cmdCancel_Click);
  On(ID_txtKetugoFileName, Event::GotFocus, [this](EventArgs&) { splitjoin::SelectWholeText(txtKetugoFileName); });
  On(ID_txtFromFolder, Event::GotFocus, [this](EventArgs&) { splitjoin::SelectWholeText(txtFromFolder); });
}

void frmMolquen::Form_Load() {
  cmdKetugoFileName.SetPicture(LoadIconRes(IDI_OPENFILE, 16, 16));
  cmdFromFolder.SetPicture(LoadIconRes(IDI_FOLDER, 16, 16));
  picStatus.SetFont(L"ＭＳ Ｐゴシック", 9);
  sbrStatus.AddPanel(1900);
  sbrStatus.AddPanel(0);
}

void frmMolquen::cmdKetugoFileName_Click() {
  const std::wstring typed = core::Trim(txtKetugoFileName.Text());
  std::wstring answer = splitjoin::AskFileName(*this, L"連結情報ﾌｧｲﾙの指定", L"連結情報ﾌｧｲﾙ (*.000)|*.000", L"", 1,
                                               typed.empty() ? core::ProgramFolder() : typed);
  if (answer.empty()) return;
  txtKetugoFileName.SetText(answer);
  ShowJoinInfo();
}

void frmMolquen::cmdFromFolder_Click() { splitjoin::PickFolderToTextBox(*this, txtFromFolder); }

void frmMolquen::ShowJoinInfo() {
  const std::wstring path = core::Trim(txtKetugoFileName.Text());
  if (path.empty()) return;
  std::optional<modMolquen::JoinInfo> info = modMolquen::ReadJoinInfo(path);
  txtAfterFileName.SetText(info ? info->name : L"");
}

void frmMolquen::cmdOk_Click() {
  const std::wstring folder = core::Trim(txtFromFolder.Text());
  const std::wstring infoPath = core::Trim(txtKetugoFileName.Text());
  if (folder.empty() || infoPath.empty()) return;
  run.Run([&] {
    core::FormOperationUi ui(run);
    modMolquen::JoinFiles(infoPath, core::AddBackslash(folder), {chkAfterDelete.Value() == 1}, ui,
                          splitjoin::RealDisks());
  });
  if (chkAfterOpen.Value() == 1) splitjoin::OpenFolderInExplorer(folder);
}

void frmMolquen::cmdCancel_Click() { run.CloseOrCancel(); }

void frmMolquen::Form_KeyDown(int& keyCode, int shift) {
  if (keyCode == VK_ESCAPE) cmdCancel_Click();
}

// The close box while a join runs asks the join to stop instead of destroying the window under it.
void frmMolquen::Form_QueryUnload(int& cancel, winui::UnloadMode mode) { run.QueryUnload(cancel); }

}  // namespace molquen
