#include "splitjoin/frmDravisk.h"

#include "core/OperationUi.h"
#include "core/Text.h"
#include "core/modPath.h"
#include "core/modShell.h"
#include "splitjoin/DraviskInput.h"
#include "splitjoin/FileIo.h"
#include "splitjoin/ProgramHelpers.h"
#include "splitjoin/SplitEngine.h"
#include "splitjoin/SplitFileSet.h"
#include "winui/Resources.h"

namespace dravisk {

const wchar_t kTitle[] = L"ファイルを分割";

namespace {

using namespace winui;

const FormDef kForm{L"Tolvenar.frmDravisk", kTitle, 7005, 3270, BorderStyle::FixedSingle, true, false,
                    StartPosition::CenterScreen, true, L"MS UI Gothic", 9, IDI_DRAVISK};

const ControlDef kControls[] = {
    {ID_Label2 + 1, L"Label2", Kind::Label, 120, 120, 3000, 240, L"分割ファイル名(&L)", kNone, 0, 0, 1},
    {ID_txtDraviskFileName, L"txtDraviskFileName", Kind::TextBox, 120, 360, 5040, 300, L"", kNone, 1},
    {ID_cmdDraviskFileName, L"cmdDraviskFileName", Kind::CommandButton, 5220, 345, 375, 330, L"", kGraphical, 2},
    {ID_Label2, L"Label2", Kind::Label, 120, 750, 3000, 240, L"分割先フォルダ名(&S)", kNone, 3, 0, 0},
    {ID_txtToFolder, L"txtToFolder", Kind::TextBox, 120, 990, 5040, 300, L"", kNone, 4},
    {ID_cmdToFolder, L"cmdToFolder", Kind::CommandButton, 5220, 975, 375, 330, L"", kGraphical, 5},
    {ID_fraDraviskSu, L"fraDraviskSu", Kind::Frame, 120, 1380, 5475, 660, L"分割サイズ(&Z)", kNone, 6},
    {ID_cmbDravisk, L"cmbDravisk", Kind::ComboBox, 120, 240, 2280, 300, L"", kDropDownList, 7, ID_fraDraviskSu},
    {ID_txtNini, L"txtNini", Kind::TextBox, 2520, 240, 900, 300, L"1", kAlignRight, 8, ID_fraDraviskSu},
    {ID_vscNini, L"vscNini", Kind::VScrollBar, 3420, 225, 255, 330, L"", kNone, 9, ID_fraDraviskSu, -1, 4096},
    {ID_lblSize, L"lblSize", Kind::Label, 3780, 285, 450, 240, L"MB", kNone, 10, ID_fraDraviskSu},
    {ID_Label2 + 2, L"Label2", Kind::Label, 120, 2130, 1000, 240, L"分割ファイル", kNone, 11, 0, 2},
    {ID_lblAfter, L"lblAfter", Kind::Label, 1200, 2130, 100, 240, L"", kAutoSize, 12},
    {ID_chkBatchMake, L"chkBatchMake", Kind::CheckBox, 120, 2430, 3000, 270, L"連結用バッチファイル作成(&B)", kNone, 13},
    {ID_chkSetDate, L"chkSetDate", Kind::CheckBox, 3240, 2430, 2400, 270, L"日付をあわせる(&M)", kNone, 14},
    {ID_chkAfterOpen, L"chkAfterOpen", Kind::CheckBox, 120, 2700, 3000, 270, L"分割後フォルダを開く(&P)", kNone, 15},
    {ID_cmdOk, L"cmdOk", Kind::CommandButton, 5760, 120, 1125, 360, L"OK(&O)", kNone, 16},
    {ID_cmdCancel, L"cmdCancel", Kind::CommandButton, 5760, 540, 1125, 360, L"閉じる(&C)", kNone, 17},
    {ID_sbrStatus, L"sbrStatus", Kind::StatusBar, 0, 3000, 7005, 270, L"", kNoSizeGrip, 18},
    {ID_picStatus, L"picStatus", Kind::PictureBox, 45, 3030, 1830, 225, L"", kHidden, 19},
};

std::wstring CustomSizeText(int megabytes) { return core::FormatNumber(static_cast<int64_t>(megabytes), L"###,###"); }

// The split as this window shows it: the host's questions, bar and status text, and the range label.
class DraviskUi : public modDravisk::SplitUi {
 public:
  DraviskUi(winui::OperationHost& host, winui::Label& rangeLabel) : shown_(host), rangeLabel_(rangeLabel) {}
  int Ask(const std::wstring& text, UINT style, const std::wstring& title) override {
    return shown_.Ask(text, style, title);
  }
  void ShowProgress(bool visible) override { shown_.ShowProgress(visible); }
  void DrawProgress(float fraction, bool final) override { shown_.DrawProgress(fraction, final); }
  void SetStatus(const std::wstring& text) override { shown_.SetStatus(text); }
  void Pump() override { shown_.Pump(); }
  void ShowNow() override { shown_.ShowNow(); }
  bool Cancelled() override { return shown_.Cancelled(); }
  void SetRangeLabel(const std::wstring& text) override { rangeLabel_.SetCaption(text); }

 private:
  core::FormOperationUi shown_;
  winui::Label& rangeLabel_;
};

}  // namespace

frmDravisk::frmDravisk() : Form(kForm, kControls) {
  On(ID_cmbDravisk, Event::Click, &frmDravisk::cmbDravisk_Click);
  On(ID_cmdDraviskFileName, Event::Click, &frmDravisk::cmdDraviskFileName_Click);
  On(ID_cmdToFolder, Event::Click, &frmDravisk::cmdToFolder_Click);
  On(ID_cmdOk, Event::Click, &frmDravisk::cmdOk_Click);
  On(ID_cmdCancel, Event::Click, &frmDravisk::cmdCancel_Click);
  On(ID_txtDraviskFileName, Event::GotFocus, [this](EventArgs&) { splitjoin::SelectWholeText(txtDraviskFileName); });
  On(ID_txtToFolder, Event::GotFocus, [this](EventArgs&) { splitjoin::SelectWholeText(txtToFolder); });
  On(ID_txtNini, Event::GotFocus, [this](EventArgs&) { splitjoin::SelectWholeText(txtNini); });
  On(ID_txtNini, Event::KeyPress, &frmDravisk::txtNini_KeyPress);
  On(ID_txtNini, Event::LostFocus, &frmDravisk::txtNini_LostFocus);
  On(ID_vscNini, Event::Change, &frmDravisk::vscNini_Change);
}

void frmDravisk::Form_Load() {
  cmdDraviskFileName.SetPicture(LoadIconRes(IDI_OPENFILE, 16, 16));
  cmdToFolder.SetPicture(LoadIconRes(IDI_FOLDER, 16, 16));
  picStatus.SetFont(L"ＭＳ Ｐゴシック", 9);
  sbrStatus.AddPanel(1900);
  sbrStatus.AddPanel(0);
  vscNini.SetMin(modDravisk::kMinCustomMegabytes);
  vscNini.SetMax(modDravisk::kMaxCustomMegabytes);
  vscNini.SetSmallChange(1);
  vscNini.SetLargeChange(10);
  InitSplitForm();
  if (!commandLine.empty()) txtDraviskFileName.SetText(core::Trim(modDravisk::SplitCommandLine(commandLine).front()));
}

void frmDravisk::InitSplitForm() {
  cmbDravisk.Clear();
  for (int i = 0; i < modDravisk::kPieceChoiceCount; ++i) cmbDravisk.AddItem(modDravisk::PieceChoiceAt(i).caption);
  cmbDravisk.SetListIndex(modDravisk::kDefaultChoice);
  txtDraviskFileName.SetText(L"");
  txtNini.SetText(L"1");
  vscNini.SetValue(1);
  txtToFolder.SetText(L"");
  chkBatchMake.SetValue(0);
  chkSetDate.SetValue(0);
  chkAfterOpen.SetValue(0);
}

void frmDravisk::cmbDravisk_Click() {
  const bool custom = cmbDravisk.ListIndex() == modDravisk::kCustomChoice;
  txtNini.SetEnabled(custom);
  vscNini.SetEnabled(custom);
  if (!core::Trim(txtDraviskFileName.Text()).empty()) ShowPieceRange();
}

void frmDravisk::cmdDraviskFileName_Click() {
  std::wstring answer = splitjoin::AskFileName(*this, L"分割ﾌｧｲﾙの指定", L"すべてのﾌｧｲﾙ (*.*)|*.*", L"", 1,
                                               core::ProgramFolder());
  if (answer.empty()) return;
  txtDraviskFileName.SetText(answer);
  ShowPieceRange();
}

void frmDravisk::cmdToFolder_Click() { splitjoin::PickFolderToTextBox(*this, txtToFolder); }

uint64_t frmDravisk::ChosenPieceSize() {
  int index = cmbDravisk.ListIndex();
  return modDravisk::PieceSizeFor(index, modDravisk::CommitCustomSize(txtNini.Text()).megabytes);
}

uint64_t frmDravisk::GetPieceCount() {
  const std::wstring name = core::Trim(txtDraviskFileName.Text());
  if (name.empty()) return 0;
  return splitjoin::PieceCount(splitjoin::GetFileSizeByPath(name), ChosenPieceSize());
}

void frmDravisk::ShowPieceRange() { lblAfter.SetCaption(splitjoin::RangeLabel(GetPieceCount())); }

void frmDravisk::cmdOk_Click() {
  const std::wstring source = core::Trim(txtDraviskFileName.Text());
  const std::wstring folder = core::Trim(txtToFolder.Text());
  if (source.empty() || folder.empty()) return;
  const uint64_t pieceSize = ChosenPieceSize();
  run.Run([&] {
    DraviskUi ui(run, lblAfter);
    modDravisk::SplitOptions options{chkSetDate.Value() == 1, chkBatchMake.Value() == 1};
    modDravisk::SplitFile(source, core::AddBackslash(folder), cmbDravisk.ListIndex(), pieceSize, options, ui,
                          splitjoin::RealDisks());
  });
  if (chkAfterOpen.Value() == 1) splitjoin::OpenFolderInExplorer(folder);
}

void frmDravisk::cmdCancel_Click() { run.CloseOrCancel(); }

void frmDravisk::Form_KeyDown(int& keyCode, int shift) {
  if (keyCode == VK_ESCAPE) cmdCancel_Click();
}

// The close box while a split runs cancels the split instead of destroying the window under it.
void frmDravisk::Form_QueryUnload(int& cancel, winui::UnloadMode mode) { run.QueryUnload(cancel); }

void frmDravisk::txtNini_KeyPress(winui::EventArgs& args) {
  if (args.keyAscii == VK_RETURN) {
    CommitCustomSize();
    args.keyAscii = 0;
  } else if (!((args.keyAscii >= L'0' && args.keyAscii <= L'9') || args.keyAscii == VK_BACK)) {
    args.keyAscii = 0;
  }
}

void frmDravisk::txtNini_LostFocus() {
  CommitCustomSize();
  if (!core::Trim(txtDraviskFileName.Text()).empty()) ShowPieceRange();
}

void frmDravisk::CommitCustomSize() {
  modDravisk::CustomSize size = modDravisk::CommitCustomSize(txtNini.Text());
  if (size.beep) MessageBeep(MB_OK);
  vscNini.SetValue(size.megabytes);
  txtNini.SetText(CustomSizeText(size.megabytes));
}

void frmDravisk::vscNini_Change() {
  txtNini.SetText(CustomSizeText(vscNini.Value()));
  if (!core::Trim(txtDraviskFileName.Text()).empty()) ShowPieceRange();
}

}  // namespace dravisk
