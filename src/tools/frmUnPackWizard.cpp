#include "tools/frmUnPackWizard.h"

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
#include "tools/ToolDialog.h"
#include "tools/UnPackWizardRun.h"

namespace tools {

namespace {

using winui::Kind;
using F = frmUnPackWizard;

constexpr winui::FormDef kForm = ToolDialogDef(L"Tolvenar.frmUnPackWizard", L"解凍ウィザード", 7560, 3900);

constexpr wchar_t kNextStep[] = L"「次へ」をクリックすると、次のステップに移ります。";

constexpr winui::ControlDef Page(int k, const wchar_t* caption) {
  return {F::ID_fraWizard + k, L"fraWizard", Kind::Frame, 1800, 120, 5640, 3120, caption, winui::kNone, -1, 0, k};
}
constexpr winui::ControlDef Text(int k, int page, int left, int top, int width, int height, const wchar_t* text) {
  return {F::ID_lblAssis + k,
          L"lblAssis",
          Kind::Label,
          left,
          top,
          width,
          height,
          text,
          winui::kNone,
          -1,
          F::ID_fraWizard + page,
          k};
}
constexpr winui::ControlDef Option(int k, const wchar_t* caption) {
  return {F::ID_optUnpackToRun + k,
          L"optUnpackToRun",
          Kind::OptionButton,
          180,
          300 + 300 * k,
          4900,
          270,
          caption,
          winui::kNone,
          -1,
          F::ID_fraUnpackAfter,
          k};
}

const winui::ControlDef kControls[] = {
    {F::ID_picWizard, L"picWizard", Kind::PictureBox, 120, 120, 1560, 3120, L"", winui::kBorder},
    Page(0, L"1 / 4"),
    Text(0, 0, 180, 300, 5280, 1200,
         L"とるべなー "
         L"の解凍ウィザードでは、指示に従って書庫ファイルを選択するだけで簡単にファイルを解凍することができます。"),
    Text(1, 0, 180, 2790, 3600, 240, kNextStep),
    Page(1, L"2 / 4"),
    Text(2, 1, 180, 300, 5280, 240, L"解凍する書庫ファイルを指定して下さい。"),
    {F::ID_lvwWizard, L"lvwWizard", Kind::ListView, 180, 600, 3900, 2040, L"", winui::kFullRowSelect, -1,
     F::ID_fraWizard + 1},
    {F::ID_cmdFileSelect, L"cmdFileSelect", Kind::CommandButton, 4200, 600, 1260, 375, L"ファイル選択", winui::kNone,
     -1, F::ID_fraWizard + 1},
    {F::ID_cmdDeleteSelect, L"cmdDeleteSelect", Kind::CommandButton, 4200, 1065, 1260, 375, L"削除(&D)", winui::kNone,
     -1, F::ID_fraWizard + 1},
    Text(3, 1, 180, 2790, 3600, 240, kNextStep),
    Page(2, L"3 / 4"),
    Text(4, 2, 180, 300, 5280, 240, L"解凍先を指定して下さい。"),
    {F::ID_lblUnpackPlace, L"lblUnpackPlace", Kind::Label, 180, 660, 3000, 240, L"解凍先(&U)", winui::kNone, -1,
     F::ID_fraWizard + 2},
    {F::ID_txtUnpackPlace, L"txtUnpackPlace", Kind::TextBox, 180, 930, 3900, 300, L"", winui::kNone, -1,
     F::ID_fraWizard + 2},
    {F::ID_cmdUnpackPlace, L"cmdUnpackPlace", Kind::CommandButton, 4200, 900, 1260, 375, L"解凍先フォルダ",
     winui::kNone, -1, F::ID_fraWizard + 2},
    {F::ID_cmdArcPlace, L"cmdArcPlace", Kind::CommandButton, 4200, 1320, 1260, 375, L"書庫のフォルダ", winui::kNone, -1,
     F::ID_fraWizard + 2},
    // The sentence around the search icon runs below the two buttons, where it has the page's width.
    Text(5, 2, 180, 1770, 2200, 240, L"解凍先は直接入力するか、「"),
    {F::ID_picSearch, L"picSearch", Kind::PictureBox, 2400, 1740, 300, 300, L"", winui::kNone, -1, F::ID_fraWizard + 2},
    Text(6, 2, 2730, 1770, 2400, 240, L"」で選択して下さい。"),
    Text(7, 2, 180, 2040, 3900, 240, L"「書庫のフォルダ」も選択できます。"),
    {F::ID_chkFolder, L"chkFolder", Kind::CheckBox, 180, 2280, 5000, 240, L"解凍時フォルダを有効にする(&N)",
     winui::kNone, -1, F::ID_fraWizard + 2},
    {F::ID_chkMakeFolder, L"chkMakeFolder", Kind::CheckBox, 180, 2520, 5000, 240,
     L"書庫名でフォルダを作成し解凍する(&M)", winui::kNone, -1, F::ID_fraWizard + 2},
    Text(8, 2, 180, 2790, 3600, 240, kNextStep),
    Page(3, L"4 / 4"),
    Text(9, 3, 180, 300, 5280, 240, L"設定はすべて完了しました。"),
    {F::ID_fraUnpackAfter, L"fraUnpackAfter", Kind::Frame, 180, 600, 5280, 1980, L"解凍後の処理", winui::kNone, -1,
     F::ID_fraWizard + 3},
    Option(0, L"setup.exe、install.exeがあれば実行する(&S)"),
    Option(1, L"readme.txtがあれば表示する(&H)"),
    Option(2, L"何もしない(&N)"),
    {F::ID_chkUnPackToRun, L"chkUnPackToRun", Kind::CheckBox, 420, 1200, 4660, 270, L"実行前に確認する(&M)",
     winui::kNone, -1, F::ID_fraUnpackAfter},
    {F::ID_chkUnpackOpen, L"chkUnpackOpen", Kind::CheckBox, 180, 1560, 4900, 270, L"解凍後、エクスプローラで開く(&X)",
     winui::kNone, -1, F::ID_fraUnpackAfter},
    Text(10, 3, 180, 2790, 5280, 240, L"「完了」をクリックすると、書庫ファイルの解凍を開始します。"),
    {F::ID_cmdRev, L"cmdRev", Kind::CommandButton, 3480, 3390, 1215, 375, L"< 戻る(&B)"},
    {F::ID_cmdNext, L"cmdNext", Kind::CommandButton, 4800, 3390, 1215, 375, L"次へ(&N) >", winui::kDefault},
    {F::ID_CmdCancel, L"CmdCancel", Kind::CommandButton, 6225, 3390, 1215, 375, L"キャンセル(&C)"},
};

}  // namespace

frmUnPackWizard::frmUnPackWizard() : Form(kForm, kControls) {
  On(ID_cmdFileSelect, winui::Event::Click, &F::cmdFileSelect_Click);
  On(ID_cmdDeleteSelect, winui::Event::Click, &F::cmdDeleteSelect_Click);
  On(ID_cmdArcPlace, winui::Event::Click, &F::cmdArcPlace_Click);
  On(ID_cmdUnpackPlace, winui::Event::Click, &F::cmdUnpackPlace_Click);
  On(ID_optUnpackToRun, winui::Event::Click, &F::optUnpackToRun_Click);
  On(ID_txtUnpackPlace, winui::Event::GotFocus, &F::txtUnpackPlace_GotFocus);
  wizard.canLeave = [this](int step) { return CanLeave(step); };
  wizard.finish = [this] { return Finish(); };
}

void frmUnPackWizard::Form_Load() {
  core::SetWindowTop(Hwnd(), HWND_TOPMOST);
  wizard.Start();
  core::DoEvents();
  cmdDeleteSelect.SetEnabled(false);
  optUnpackToRun(2).SetValue(true);
  optUnpackToRun_Click();
  lvwWizard.SetView(winui::ListViewMode::Report);
  lvwWizard.AddColumn(L"書庫ファイル名", 2700);
  lvwWizard.AddColumn(L"種類", 1100);
  list_.Reset();
}

void frmUnPackWizard::Form_Activate() {
  if (IsWindowVisible(Hwnd())) cmdNext.SetFocus();
}

void frmUnPackWizard::Form_KeyDown(int& keyCode, int) {
  EscapeCloses(keyCode, [this] { wizard.Cancel(); });
}

void frmUnPackWizard::Form_QueryUnload(int&, winui::UnloadMode) { MainWindowBackOnTop(); }

bool frmUnPackWizard::CanLeave(int step) {
  if (step == 1) return lvwWizard.Count() > 0;
  if (step == 2) return !core::Trim(txtUnpackPlace.Text()).empty();
  return true;
}

std::wstring frmUnPackWizard::ActionText() {
  std::wstring action = L"0";
  for (int k = 0; k < 3; ++k)
    if (optUnpackToRun(k).Value()) action = std::to_wstring(k);
  return action + core::FlagText(chkUnPackToRun.Value() == 1);
}

bool frmUnPackWizard::Finish() {
  UnPackWizardChoice choice;
  for (int item = 1; item <= lvwWizard.Count(); ++item) choice.archives.push_back(lvwWizard.Text(item));
  choice.destination = txtUnpackPlace.Text();
  choice.keepFolders = chkFolder.Value() == 1;
  choice.folderPerArchive = chkMakeFolder.Value() == 1;
  choice.explorer = chkUnpackOpen.Value() == 1;
  choice.action = ActionText();
  RunUnPackWizard(Hwnd(), choice);
  return true;
}

void frmUnPackWizard::cmdFileSelect_Click() {
  const core::SettingsStore& s = core::Settings;
  const std::wstring start = !s.PackDefault.empty() && core::IsOn(s.PackDefaultFlag) ? s.PackDefault : s.OpenFolder;
  const std::wstring answer = core::ShowFileDialog(
      Hwnd(), L"書庫ファイルの指定", core::OpenArchiveFilter(core::OpenDialog::UnpackWizard), L"", 1, start, 9);
  core::DoEvents();
  if (core::Trim(answer).empty()) return;
  for (const std::wstring& path : core::SplitFileList(answer)) list_.AddFile(path, 0);
  cmdDeleteSelect.SetEnabled(true);
}

void frmUnPackWizard::cmdDeleteSelect_Click() {
  list_.RemoveSelected();
  if (lvwWizard.Count() == 0) cmdDeleteSelect.SetEnabled(false);
}

void frmUnPackWizard::cmdArcPlace_Click() {
  if (lvwWizard.Count() > 0) txtUnpackPlace.SetText(core::AddBackslash(core::GetFolderPart(lvwWizard.Text(1))));
}

void frmUnPackWizard::cmdUnpackPlace_Click() {
  const std::wstring folder = core::ShowBrowseFolder(L"", Hwnd(), L"解凍先ﾌｫﾙﾀﾞを選択して下さい");
  if (!folder.empty()) txtUnpackPlace.SetText(core::AddBackslash(folder));
}

void frmUnPackWizard::optUnpackToRun_Click() { chkUnPackToRun.SetEnabled(optUnpackToRun(0).Value()); }

void frmUnPackWizard::txtUnpackPlace_GotFocus() { core::SelectAllText(txtUnpackPlace.Hwnd()); }

void ShowUnPackWizard() {
  {
    frmUnPackWizard wizard;
    wizard.ShowModal(core::MainWindow().Hwnd());
  }
  core::DoEvents();
}

}  // namespace tools
