#include "tools/frmPackWizard.h"

#include "core/ArcType.h"
#include "core/ArcTypeTexts.h"
#include "core/BrowseFolderEx.h"
#include "core/CommonDlg.h"
#include "core/MainWindowLink.h"
#include "core/SettingValues.h"
#include "core/Settings.h"
#include "core/Text.h"
#include "core/modPath.h"
#include "core/modShell.h"
#include "core/modTolvenar.h"
#include "tools/PackWizardRules.h"
#include "tools/ToolDialog.h"

namespace tools {
namespace {

using winui::Kind;
using F = frmPackWizard;

constexpr winui::FormDef kForm = ToolDialogDef(L"Tolvenar.frmPackWizard", L"圧縮ウィザード", 7560, 3900);

constexpr wchar_t kNextStep[] = L"「次へ」をクリックすると、次のステップに移ります。";

// A page at its place, its instruction and the line under it.
constexpr winui::ControlDef Page(int k, const wchar_t* caption) {
  return {F::ID_fraWizard + k, L"fraWizard", Kind::Frame, 1800, 120, 5640, 3120, caption, winui::kNone, -1, 0, k};
}
constexpr winui::ControlDef Instruction(int k, const wchar_t* text, int height = 360) {
  return {F::ID_lblAssis + 2 * k, L"lblAssis", Kind::Label,         180,  300, 5280, height, text,
          winui::kNone,           -1,          F::ID_fraWizard + k, 2 * k};
}
constexpr winui::ControlDef Footer(int k, const wchar_t* text = kNextStep, int top = 2790, int height = 240) {
  return {F::ID_lblAssis + 2 * k + 1, L"lblAssis", Kind::Label, 180, top, 3600, height, text, winui::kNone, -1,
          F::ID_fraWizard + k,        2 * k + 1};
}
// Type buttons three to a row, in index order.
winui::ControlDef Type(int k) {
  return {F::ID_optArcType + k,
          L"optArcType",
          Kind::OptionButton,
          150 + (k % 3) * 1700,
          240 + (k / 3) * 260,
          1650,
          255,
          core::ArcTypeCaptions()[static_cast<size_t>(k)],
          winui::kNone,
          -1,
          F::ID_fraArcType,
          k};
}

const winui::ControlDef kControls[] = {
    {F::ID_picWizard, L"picWizard", Kind::PictureBox, 120, 120, 1560, 3120, L"", winui::kBorder},
    Page(0, L"1 / 5"),
    Instruction(0,
                L"とるべなー の圧縮ウィザードでは、指示に従って圧縮するファイルやフォルダを選択し作成する書庫名を指定"
                L"するだけで簡単に書庫ファイルを作成することができます。",
                1200),
    Footer(0),
    Page(1, L"2 / 5"),
    Instruction(1, L"作成する書庫の種類を指定して下さい"),
    // Beside the options button the line has room for two lines only: the types sit closer to give it that.
    Footer(1, kNextStep, 2610, 420),
    {F::ID_fraArcType, L"fraArcType", Kind::Frame, 180, 720, 5280, 1860, L"作成する書庫の指定", winui::kNone, -1,
     F::ID_fraWizard + 1},
    Type(0),
    Type(1),
    Type(2),
    Type(3),
    Type(4),
    Type(5),
    Type(6),
    Type(7),
    Type(8),
    Type(9),
    Type(10),
    Type(11),
    Type(12),
    Type(13),
    Type(14),
    Type(15),
    Type(16),
    {F::ID_cmdOption, L"cmdOption", Kind::CommandButton, 3900, 2700, 1560, 330, L"オプション(&P)...", winui::kNone, -1,
     F::ID_fraWizard + 1},
    Page(2, L"3 / 5"),
    Instruction(2, L"圧縮するファイル/フォルダを選択して下さい。"),
    Footer(2),
    {F::ID_lvwWizard, L"lvwWizard", Kind::ListView, 180, 600, 3900, 2040, L"", winui::kFullRowSelect, -1,
     F::ID_fraWizard + 2},
    {F::ID_cmdFileSelect, L"cmdFileSelect", Kind::CommandButton, 4200, 600, 1260, 375, L"ファイル選択", winui::kNone,
     -1, F::ID_fraWizard + 2},
    {F::ID_cmdFolderSelect, L"cmdFolderSelect", Kind::CommandButton, 4200, 1065, 1260, 375, L"フォルダ選択",
     winui::kNone, -1, F::ID_fraWizard + 2},
    {F::ID_cmdDeleteSelect, L"cmdDeleteSelect", Kind::CommandButton, 4200, 1530, 1260, 375, L"削除(&D)", winui::kNone,
     -1, F::ID_fraWizard + 2},
    Page(3, L"4 / 5"),
    Instruction(3, L"作成する書庫名を入力して下さい。"),
    Footer(3),
    {F::ID_lblMakeArc, L"lblMakeArc", Kind::Label, 180, 840, 3000, 240, L"作成する書庫名(&N)", winui::kNone, -1,
     F::ID_fraWizard + 3},
    {F::ID_txtMakeArc, L"txtMakeArc", Kind::TextBox, 180, 1110, 4740, 300, L"", winui::kNone, -1, F::ID_fraWizard + 3},
    {F::ID_cmdMakeArc, L"cmdMakeArc", Kind::CommandButton, 5010, 1095, 450, 330, L"...", winui::kNone, -1,
     F::ID_fraWizard + 3},
    {F::ID_chkMakeSFX, L"chkMakeSFX", Kind::CheckBox, 180, 1620, 5000, 270, L"自己解凍型書庫を作成する(&S)",
     winui::kNone, -1, F::ID_fraWizard + 3},
    Page(4, L"5 / 5"),
    Instruction(4, L"設定はすべて完了しました。"),
    Footer(4, L"「完了」をクリックすると、書庫ファイルを作成します。"),
    {F::ID_frapackAfter, L"frapackAfter", Kind::Frame, 180, 840, 5280, 1080, L"書庫ﾌｧｲﾙ作成後の処理", winui::kNone, -1,
     F::ID_fraWizard + 4},
    {F::ID_chkPackOpen, L"chkPackOpen", Kind::CheckBox, 180, 300, 4900, 270, L"作成した書庫を開く(&O)", winui::kNone,
     -1, F::ID_frapackAfter},
    {F::ID_chkPackExOpen, L"chkPackExOpen", Kind::CheckBox, 180, 660, 4900, 270,
     L"作成した書庫のフォルダをエクスプローラで開く(&X)", winui::kNone, -1, F::ID_frapackAfter},
    {F::ID_cmdRev, L"cmdRev", Kind::CommandButton, 3480, 3390, 1215, 375, L"< 戻る(&B)"},
    {F::ID_cmdNext, L"cmdNext", Kind::CommandButton, 4800, 3390, 1215, 375, L"次へ(&N) >", winui::kDefault},
    {F::ID_CmdCancel, L"CmdCancel", Kind::CommandButton, 6225, 3390, 1215, 375, L"キャンセル(&C)"},
};

// Where the file and folder pickers start.
std::wstring SourceStartFolder() {
  const core::SettingsStore& s = core::Settings;
  return !s.PackDefault.empty() && core::IsOn(s.PackDefaultFlag) ? s.PackDefault : s.OpenFolder;
}

}  // namespace

frmPackWizard::frmPackWizard(PackWizardHost& host) : Form(kForm, kControls), host_(host) {
  On(ID_cmdOption, winui::Event::Click, &F::cmdOption_Click);
  On(ID_cmdFileSelect, winui::Event::Click, &F::cmdFileSelect_Click);
  On(ID_cmdFolderSelect, winui::Event::Click, &F::cmdFolderSelect_Click);
  On(ID_cmdDeleteSelect, winui::Event::Click, &F::cmdDeleteSelect_Click);
  On(ID_lvwWizard, winui::Event::DblClick, &F::lvwWizard_DblClick);
  On(ID_cmdMakeArc, winui::Event::Click, &F::cmdMakeArc_Click);
  On(ID_txtMakeArc, winui::Event::GotFocus, &F::txtMakeArc_GotFocus);
  wizard.canLeave = [this](int step) { return CanLeave(step); };
  wizard.entered = [this](int step) { Entered(step); };
  wizard.finish = [this] { return Finish(); };
}

const core::ArcTypeRow& frmPackWizard::Row() const { return *core::ArcTypeAt(arcType_); }

void frmPackWizard::Form_Load() {
  core::SetWindowTop(Hwnd(), HWND_TOPMOST);
  wizard.Start();
  core::DoEvents();
  cmdDeleteSelect.SetEnabled(false);
  // The saved type is checked before the availability: a type no longer there stays checked, disabled.
  if (auto type = core::WholeSetting(core::Settings.PackType, 0, core::kArcTypeCount - 1))
    optArcType(*type).SetValue(true);
  for (int k = 0; k < core::kArcTypeCount; ++k) optArcType(k).SetEnabled(PackTypeOffered(*core::ArcTypeAt(k)));
  lvwWizard.SetView(winui::ListViewMode::Report);
  lvwWizard.AddColumn(L"圧縮ファイル/フォルダ名", 2700);
  lvwWizard.AddColumn(L"種類", 1100);
  list_.Reset();
}

void frmPackWizard::Form_Activate() {
  if (IsWindowVisible(Hwnd())) cmdNext.SetFocus();
}

void frmPackWizard::Form_KeyDown(int& keyCode, int) {
  EscapeCloses(keyCode, [this] { wizard.Cancel(); });
}

void frmPackWizard::Form_QueryUnload(int&, winui::UnloadMode) { MainWindowBackOnTop(); }

int16_t frmPackWizard::GetArcTypeIndex() {
  for (int k = 0; k < core::kArcTypeCount; ++k)
    if (optArcType(k).Value()) return static_cast<int16_t>(k);
  return 0;
}

void frmPackWizard::EnableAddButtons(bool enabled) {
  cmdFileSelect.SetEnabled(enabled);
  cmdFolderSelect.SetEnabled(enabled);
}

void frmPackWizard::SetMakeArcName() {
  if (arcType_ == core::ArcTypeIsh && core::Trim(txtMakeArc.Text()).empty() && lvwWizard.Count() > 0 &&
      !lvwWizard.Text(1).empty())
    txtMakeArc.SetText(IshDefaultName(lvwWizard.Text(1)));
  if (auto name = NormaliseArchiveName(txtMakeArc.Text(), Row(), core::Settings)) {
    makeArcName_ = *name;
    txtMakeArc.SetText(*name);
  }
}

bool frmPackWizard::CanLeave(int step) {
  switch (step) {
    case 1: {
      arcType_ = GetArcTypeIndex();
      EnableAddButtons(true);
      const int rows = lvwWizard.Count();
      if (arcType_ == core::ArcTypeCab && rows > 0) EnableAddButtons(false);
      if (arcType_ == core::ArcTypeIsh) {
        // ISH encodes one file: a list made for another type starts again.
        if (rows >= 2) {
          lvwWizard.Clear();
          cmdDeleteSelect.SetEnabled(false);
        }
        cmdFileSelect.SetEnabled(rows != 1);
        cmdFolderSelect.SetEnabled(false);
      }
      return true;
    }
    case 2: {
      if (lvwWizard.Count() == 0) return false;
      SetMakeArcName();
      const bool offered = SfxOffered(Row(), core::Settings);
      if (!offered) chkMakeSFX.SetValue(0);
      chkMakeSFX.SetEnabled(offered);
      return true;
    }
    case 3: {
      if (core::Trim(txtMakeArc.Text()).empty()) return false;
      SetMakeArcName();
      const bool offered = chkMakeSFX.Value() != 1 || OpenOfferedWithSfx(Row());
      if (!offered) chkPackOpen.SetValue(0);
      chkPackOpen.SetEnabled(offered);
      return true;
    }
    default:
      return true;
  }
}

void frmPackWizard::Entered(int step) {
  if (step == 1) {
    if (auto type = core::WholeSetting(core::Settings.PackType, 0, core::kArcTypeCount - 1)) {
      winui::OptionButton saved = optArcType(*type);
      if (saved.Enabled()) saved.SetFocus();
    }
  } else if (step == 2) {
    if (cmdFileSelect.Enabled()) cmdFileSelect.SetFocus();
  } else if (step == 3) {
    txtMakeArc.SetFocus();
  }
}

bool frmPackWizard::Finish() {
  PackWizardChoice choice;
  choice.row = &Row();
  choice.archive = makeArcName_;
  for (int item = 1; item <= lvwWizard.Count(); ++item)
    choice.sources.push_back({lvwWizard.Text(item), list_.IsFolderRow(item)});
  choice.sfx = chkMakeSFX.Value() == 1;
  choice.open = chkPackOpen.Value() == 1;
  choice.explorer = chkPackExOpen.Value() == 1;
  const bool made = RunPackWizard(Hwnd(), choice, host_);
  if (made) makeArcName_ = choice.archive;
  return made;
}

void frmPackWizard::cmdOption_Click() {
  int16_t checked = -1;
  for (int k = 0; k < core::kArcTypeCount && checked < 0; ++k)
    if (optArcType(k).Value()) checked = static_cast<int16_t>(k);
  host_.ShowArcOptions(Hwnd(), checked);
}

void frmPackWizard::cmdFileSelect_Click() {
  const std::wstring answer = core::ShowFileDialog(Hwnd(), L"圧縮ﾌｧｲﾙの指定", L"すべてのﾌｧｲﾙ (*.*)|*.*", L"", 1,
                                                   SourceStartFolder(), PicksOneFile(Row()) ? 0 : 9);
  core::DoEvents();
  if (core::Trim(answer).empty()) return;
  for (const std::wstring& path : core::SplitFileList(answer)) list_.AddFile(path, 7);
  cmdDeleteSelect.SetEnabled(true);
  EnableAddButtons(TakesMoreSources(Row(), SourceKind::File));
}

void frmPackWizard::cmdFolderSelect_Click() {
  const std::wstring folder = core::ShowBrowseFolder(SourceStartFolder(), Hwnd(), L"圧縮ﾌｫﾙﾀﾞの指定");
  if (core::Trim(folder).empty()) return;
  list_.AddFolder(FolderSourceText(folder));
  EnableAddButtons(TakesMoreSources(Row(), SourceKind::Folder));
  cmdDeleteSelect.SetEnabled(true);
}

void frmPackWizard::cmdDeleteSelect_Click() {
  list_.RemoveSelected();
  if (lvwWizard.Count() > 0) return;
  EnableAddButtons(true);
  cmdDeleteSelect.SetEnabled(false);
}

void frmPackWizard::lvwWizard_DblClick() {
  if (lvwWizard.Count() > 0) cmdDeleteSelect_Click();
}

void frmPackWizard::cmdMakeArc_Click() {
  const core::SettingsStore& s = core::Settings;
  const std::wstring start =
      !s.SaveDefault.empty() && core::IsOn(s.SaveDefaultFlag) ? core::AddBackslash(s.SaveDefault) : s.OpenFolder;
  const std::wstring name =
      core::ShowFileDialog(Hwnd(), L"書庫ファイル名の指定", PackNameFilter(Row(), s), L"", 1, start, 1);
  if (name.empty()) return;
  makeArcName_ = name;
  txtMakeArc.SetText(name);
}

void frmPackWizard::txtMakeArc_GotFocus() { core::SelectAllText(txtMakeArc.Hwnd()); }

void ShowPackWizard(PackWizardHost& host) {
  {
    frmPackWizard wizard(host);
    wizard.ShowModal(core::MainWindow().Hwnd());
  }
  core::DoEvents();
}

}  // namespace tools
