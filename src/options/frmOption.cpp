// The general options dialog's frame: its window and tab strip, the load step, the setting/control pairs,
// OK with what follows it, Cancel and closing.
#include "options/frmOption.h"

#include <algorithm>
#include <optional>
#include <utility>
#include <vector>

#include "browser/Histories.h"
#include "core/ArcTypeTexts.h"
#include "core/MainWindowLink.h"
#include "core/SettingValues.h"
#include "core/Settings.h"
#include "core/WorkFolder.h"
#include "core/modShell.h"
#include "options/PageRows.h"
#include "winui/App.h"
#include "winui/Resources.h"

namespace options {

using namespace general;

namespace {

constexpr winui::FormDef kForm = rows::OptionsDialog(L"Tolvenar.frmOption", L"オプション", 5055, 6000);
constexpr auto kFrame = rows::TabbedFrame(ID_tspOption, L"tspOption", 4815, 5295, ID_cmdOk, ID_cmdCancel, 2400, 5520);

const wchar_t* const kTabs[kOptionPages] = {L"全体", L"フォルダ", L"圧縮/解凍", L"シェルエクステンション",
                                            L"他アプリケーション"};

constexpr int kMostHistory = 16;

frmOption::ShellTargetSource& TargetSource() {
  static frmOption::ShellTargetSource source;
  return source;
}

shellintegration::ShellTarget ShellTargetNow() {
  if (const frmOption::ShellTargetSource& source = TargetSource()) return source();
  return shellintegration::TargetForFolder(core::ProgramFolder(), false);
}

}  // namespace

frmOption::frmOption()
    : Form(kForm, {kFrame, GeneralPage(), FolderPage(), PackPage(), ShellPage(), ApplicationPage()}) {
  BindHandlers();
}

frmOption::~frmOption() {
  if (previewFont_) DeleteObject(previewFont_);
}

std::span<const wchar_t* const> frmOption::ClassesRows() {
  return core::AssociationRows(core::AssociationList::Options);
}

bool frmOption::RowMarked(int row) const {
  HWND list = lstClassesArcType.Hwnd();
  return list && ListView_GetCheckState(list, row) != 0;
}

void frmOption::SetRowMarked(int row, bool marked) {
  if (HWND list = lstClassesArcType.Hwnd()) ListView_SetCheckState(list, row, marked);
}

frmOption::ShellTargetSource frmOption::SetShellTargetSource(ShellTargetSource source) {
  return std::exchange(TargetSource(), std::move(source));
}

void frmOption::Form_Load() {
  core::SetWindowTop(Hwnd(), HWND_TOPMOST);
  core::DoEvents();
  for (const wchar_t* tab : kTabs) tspOption.AddTab(tab);
  for (int k = 0; k < 3; ++k) winui::Label(this, ID_lblTitle + k).SetFont(L"MS UI Gothic", 9, true);

  HWND list = lstClassesArcType.Hwnd();
  SendMessageW(list, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_CHECKBOXES, LVS_EX_CHECKBOXES);
  lstClassesArcType.AddColumn(L"", 3900);
  for (const wchar_t* row : ClassesRows()) lstClassesArcType.AddItem(row);

  winui::LoadControls(*this, [this](winui::DataExchange& dx) { Transfer(dx); });
  ApplyRules();
  lstClassesArcType.SetFocusedItem(1);

  for (int id : {ID_cmdUnpackDefault, ID_cmdSaveDefault, ID_cmdPackDefault, ID_cmdArcDefault, ID_cmdUnLhaWorkFolder,
                 ID_cmdWorkFolder, ID_cmdEditor, ID_cmdView})
    winui::CommandButton(this, id).SetPicture(winui::LoadIconRes(rows::kBrowseIconId, 16, 16));
  core::DoEvents();
  FillPreview();
  core::DoEvents();
}

void frmOption::Transfer(winui::DataExchange& dx) {
  core::SettingsStore& s = core::Settings;
  dx.Flag(ID_chkSplashLogo, s.SplashLogo);
  dx.Flag(ID_cnkWindowTop, s.NeverTop);
  dx.Flag(ID_chkMessage, s.Message);
  dx.Flag(ID_chkAllSelect, s.AllSelect);
  dx.Flag(ID_chkEscEnd, s.EscEnd);
  dx.Flag(ID_chkRetu, s.RetuKotei);
  TransferFileHistory(dx);
  dx.Flag(ID_chkGrid, s.Grid);
  dx.Flag(ID_chkSystemColor, s.SystemColor);
  if (dx.Saving()) StoreListAppearance(preview_);

  dx.Flag(ID_chkUnpackDefault, s.UnpackDefaultFlag);
  dx.Path(ID_txtUnpackDefault, s.UnpackDefault);
  dx.Flag(ID_chkSaveDefault, s.SaveDefaultFlag);
  dx.Path(ID_txtSaveDefault, s.SaveDefault);
  dx.Flag(ID_chkPackDefault, s.PackDefaultFlag);
  dx.Path(ID_txtPackDefault, s.PackDefault);
  dx.Flag(ID_chkArcDefault, s.ArcDefaultFlag);
  dx.Path(ID_txtArcDefault, s.ArcDefault);
  dx.Flag(ID_chkUnLhaWorkFolder, s.UnlhaWorkFolderFlag);
  dx.Path(ID_txtUnLhaWorkFolder, s.UnlhaWorkFolder);
  dx.Path(ID_txtWorkFolder, s.WorkFolder);

  dx.Flag(ID_chkLog, s.Log);
  dx.Flag(ID_chkIconDrop, s.IconDrop);
  dx.Flag(ID_chkFolderByArc, s.FolderByArc);
  dx.Flag(ID_chkUnPackExp, s.UnPackExp);
  dx.Flag(ID_chkUnPackDialog, s.UnPackDialog);
  TransferUnpackToRun(dx);
  dx.Flag(ID_chkPackAfter, s.PackAfter);
  dx.Flag(ID_chkPackKobetsu, s.PackKobetsu);

  dx.Flag(ID_chkSendTo, s.SendTo);
  dx.Flag(ID_chkDeskTop, s.DeskTop);
  dx.Flag(ID_chkQuickMenu, s.QuickMenu);
  dx.Flag(ID_chkQuickComp, s.QuickCompress);
  dx.Flag(ID_chkOpenPackn, s.OpenPackn);
  dx.Flag(ID_chkClasses, s.Classes);
  TransferClasses(dx);

  dx.Path(ID_txtEditor, s.Editor);
  dx.Path(ID_txtView, s.Viewer);
}

// The box shows how many recent archives are kept (1 to 16); the setting holds one less.
void frmOption::TransferFileHistory(winui::DataExchange& dx) {
  if (dx.Loading()) {
    const int count = std::clamp(core::HistoryLimit(core::Settings.FileHistory) + 1, 1, kMostHistory);
    txtFileHistory.SetText(std::to_wstring(count));
    vscrlFileHistory.SetValue(kMostHistory - count);
    return;
  }
  std::wstring count;
  dx.Number(ID_txtFileHistory, count, 1, kMostHistory, L"ファィル履歴表示数");
  if (!dx.Saving()) return;
  if (const std::optional<int> shown = core::WholeSetting(count, 1, kMostHistory))
    core::Settings.FileHistory = std::to_wstring(*shown - 1);
}

// Two characters: the chosen after-extraction action, then whether to ask before running a setup program.
void frmOption::TransferUnpackToRun(winui::DataExchange& dx) {
  std::wstring& setting = core::Settings.UnPackToRun;
  if (dx.Loading()) {
    std::wstring action = setting.substr(0, 1);
    std::wstring ask = setting.empty() ? L"" : setting.substr(setting.size() - 1);
    dx.Choice(ID_optUnpackToRun, 3, action);
    dx.Flag(ID_chkUnPackToRun, ask);
  } else if (dx.Saving()) {
    std::wstring action = L"0";
    std::wstring ask = L"0";
    dx.Choice(ID_optUnpackToRun, 3, action);
    dx.Flag(ID_chkUnPackToRun, ask);
    setting = action + ask;
  }
}

// One character per archive type; a type counts as marked only while the shell integration is on.
void frmOption::TransferClasses(winui::DataExchange& dx) {
  std::wstring& marks = core::Settings.ClassesArcType;
  const int rows = static_cast<int>(ClassesRows().size());
  if (dx.Loading()) {
    for (int row = 0; row < rows; ++row) SetRowMarked(row, core::FlagIs(marks, static_cast<size_t>(row) + 1, L'1'));
  } else if (dx.Saving()) {
    marks.assign(static_cast<size_t>(rows), L'0');
    if (core::IsOn(core::Settings.Classes))
      for (int row = 0; row < rows; ++row)
        if (RowMarked(row)) marks[static_cast<size_t>(row)] = L'1';
  }
}

void frmOption::Form_KeyDown(int& keyCode, int) {
  if (keyCode != VK_ESCAPE) return;
  keyCode = 0;
  cmdCancel_Click();
}

void frmOption::cmdOk_Click() {
  // Enter in the count box presses OK before the box is left: its range applies all the same.
  CommitFileHistory();
  const std::wstring workFolder = core::Settings.WorkFolder;
  if (!winui::SaveControls(
          *this, [this](winui::DataExchange& dx) { Transfer(dx); }, Caption()))
    return;
  browser::AddFileHistory(L"");
  if (core::Settings.WorkFolder != workFolder) core::SelectTempFolder();
  if (!core::IsOn(core::Settings.Classes)) {
    core::Settings.QuickMenu = L"0";
    core::Settings.QuickCompress = L"0";
    core::Settings.OpenPackn = L"0";
  }
  ApplyShellIntegration();
  EndModal(winui::DialogResult::OK);
  Unload();
  core::DoEvents();
}

void frmOption::cmdCancel_Click() {
  EndModal(winui::DialogResult::Cancel);
  Unload();
}

void frmOption::ApplyShellIntegration() {
  const core::SettingsStore& s = core::Settings;
  shellintegration::ApplyShellIntegration(
      ShellTargetNow(), {s.SendTo, s.DeskTop, s.ClassesArcType, s.QuickMenu, s.OpenPackn, s.QuickCompress});
}

void frmOption::MakeShellLink(int folderId, int mode, const std::wstring& linkFileName, const std::wstring& command,
                              int iconIndex) {
  shellintegration::MakeShellLink(ShellTargetNow(), folderId, mode, linkFileName, command, iconIndex);
}

// Whichever way the dialog closes, the main window's top-most state follows the option, in both directions.
void frmOption::Form_QueryUnload(int&, winui::UnloadMode) {
  if (HWND list = lstClassesArcType.Hwnd()) {
    // The check boxes' pictures belong to the list, which shares its image lists and so never frees them.
    if (HIMAGELIST marks = ListView_SetImageList(list, nullptr, LVSIL_STATE)) ImageList_Destroy(marks);
  }
  if (HWND main = core::MainWindow().Hwnd()) {
    const HWND after = core::IsOn(core::Settings.NeverTop) ? HWND_TOPMOST : HWND_NOTOPMOST;
    SetWindowPos(main, after, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  }
  core::DoEvents();
}

}  // namespace options
