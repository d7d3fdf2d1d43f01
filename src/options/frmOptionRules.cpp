// The general options dialog's rules: the recent-archive count and its spin control, the history-clear
// button, the colour and font preview with its buttons, the switches that enable other controls, and the
// folder and program pickers.
#include <windows.h>
#include <commdlg.h>
#include <shellapi.h>

#include <algorithm>

#include "browser/Histories.h"
#include "core/BrowseFolderEx.h"
#include "core/CommonDlg.h"
#include "core/Settings.h"
#include "core/Text.h"
#include "core/modPath.h"
#include "core/modShell.h"
#include "options/ArcOptionRules.h"
#include "options/frmOption.h"
#include "winui/App.h"
#include "winui/MsgBox.h"

namespace options {

using namespace general;

namespace {

constexpr int kMostHistory = 16;

struct FolderBrowser {
  int button;
  int box;
  const wchar_t* title;
};
constexpr FolderBrowser kFolderBrowsers[] = {
    {ID_cmdUnpackDefault, ID_txtUnpackDefault, L"解凍先のﾃﾞﾌｫﾙﾄﾌｫﾙﾀﾞの指定"},
    {ID_cmdSaveDefault, ID_txtSaveDefault, L"保存先のﾃﾞﾌｫﾙﾄﾌｫﾙﾀﾞの指定"},
    {ID_cmdPackDefault, ID_txtPackDefault, L"圧縮元のﾃﾞﾌｫﾙﾄﾌｫﾙﾀﾞの指定"},
    {ID_cmdArcDefault, ID_txtArcDefault, L"「書庫を開く」のﾃﾞﾌｫﾙﾄﾌｫﾙﾀﾞの指定"},
    {ID_cmdUnLhaWorkFolder, ID_txtUnLhaWorkFolder, L"UNLHA32.DLL作業ﾌｫﾙﾀﾞの指定"},
    {ID_cmdWorkFolder, ID_txtWorkFolder, L"作業ﾌｫﾙﾀﾞの指定"},
};

// A ticked "the open archive's folder" box makes the fixed folder beside it unused.
void EnableWhenClear(winui::Form& form, int checkBoxId, std::initializer_list<int> ids) {
  options::SetEnabled(form, ids, !IsOn(form, checkBoxId));
}

// The shell's small picture of a kind of file (a folder, a help file), whether or not such a file exists.
void AddTypeIcon(winui::ImageList& images, const std::wstring& key, const wchar_t* name, DWORD attributes) {
  SHFILEINFOW info{};
  if (!SHGetFileInfoW(name, attributes, &info, sizeof info, SHGFI_USEFILEATTRIBUTES | SHGFI_ICON | SHGFI_SMALLICON) ||
      !info.hIcon)
    return;
  images.Add(key, info.hIcon);
  DestroyIcon(info.hIcon);
}

}  // namespace

void frmOption::BindHandlers() {
  using winui::Event;
  On(ID_cmdOk, Event::Click, &frmOption::cmdOk_Click);
  On(ID_cmdCancel, Event::Click, &frmOption::cmdCancel_Click);
  On(ID_tspOption, Event::Click, [](winui::EventArgs&) { core::DoEvents(); });
  On(ID_txtFileHistory, Event::KeyPress, &frmOption::txtFileHistory_KeyPress);
  On(ID_txtFileHistory, Event::LostFocus, &frmOption::txtFileHistory_LostFocus);
  On(ID_vscrlFileHistory, Event::Change, &frmOption::vscrlFileHistory_Change);
  On(ID_cmdFileHistoryClear, Event::Click, &frmOption::cmdFileHistoryClear_Click);
  On(ID_cmdBackColor, Event::Click, &frmOption::cmdBackColor_Click);
  On(ID_cmdForeColor, Event::Click, &frmOption::cmdForeColor_Click);
  On(ID_cmdFont, Event::Click, &frmOption::cmdFont_Click);
  On(ID_chkGrid, Event::Click, &frmOption::chkGrid_Click);
  On(ID_chkSystemColor, Event::Click, &frmOption::chkSystemColor_Click);
  On(ID_chkClasses, Event::Click, &frmOption::chkClasses_Click);
  On(ID_optUnpackToRun, Event::Click, &frmOption::optUnpackToRun_Click);
  On(ID_chkUnpackDefault, Event::Click, [this](winui::EventArgs&) {
    EnableWhenClear(*this, ID_chkUnpackDefault, {ID_txtUnpackDefault, ID_cmdUnpackDefault});
  });
  On(ID_chkArcDefault, Event::Click, [this](winui::EventArgs&) {
    EnableWhenClear(*this, ID_chkArcDefault, {ID_txtArcDefault, ID_cmdArcDefault});
  });
  for (const FolderBrowser& browser : kFolderBrowsers)
    On(browser.button, Event::Click,
       [this, browser](winui::EventArgs&) { GetBrowseFolder(Hwnd(), browser.box, browser.title); });
  On(ID_cmdEditor, Event::Click, &frmOption::cmdEditor_Click);
  On(ID_cmdView, Event::Click, &frmOption::cmdView_Click);
  for (int box : {ID_txtUnpackDefault, ID_txtSaveDefault, ID_txtPackDefault, ID_txtArcDefault, ID_txtWorkFolder,
                  ID_txtFileHistory, ID_txtEditor})
    SelectAllOnFocus(*this, box);
}

void frmOption::ApplyRules() {
  EnableWhenClear(*this, ID_chkUnpackDefault, {ID_txtUnpackDefault, ID_cmdUnpackDefault});
  EnableWhenClear(*this, ID_chkArcDefault, {ID_txtArcDefault, ID_cmdArcDefault});
  chkSystemColor_Click();
  chkClasses_Click();
  optUnpackToRun_Click();
}

int frmOption::SpinCount() const { return kMostHistory - vscrlFileHistory.Value(); }

// Only digits and Backspace reach the count box.
void frmOption::txtFileHistory_KeyPress(winui::EventArgs& args) {
  const bool digit = args.keyAscii >= L'0' && args.keyAscii <= L'9';
  if (!digit && args.keyAscii != VK_BACK) args.keyAscii = 0;
}

void frmOption::txtFileHistory_LostFocus() { CommitFileHistory(); }

void frmOption::CommitFileHistory() {
  const int64_t typed = core::LeadingNumber(txtFileHistory.Text());
  const int count = static_cast<int>(std::clamp<int64_t>(typed, 1, kMostHistory));
  txtFileHistory.SetText(std::to_wstring(count));
  vscrlFileHistory.SetValue(kMostHistory - count);
}

// The spin control's top is the most archives: its upper arrow raises the count.
void frmOption::vscrlFileHistory_Change() { txtFileHistory.SetText(std::to_wstring(SpinCount())); }

// The recent-archive list is emptied at once, whatever the dialog's answer; the count stays.
void frmOption::cmdFileHistoryClear_Click() {
  if (winui::MsgBox(L"ファイルメニューの履歴を削除します よろしいですか", MB_OKCANCEL | MB_ICONQUESTION,
                    core::kProgramTitle, Hwnd()) == IDCANCEL)
    return;
  const std::wstring kept = core::Settings.FileHistory;
  core::Settings.FileHistory = L"0";
  browser::AddFileHistory(L"");
  core::Settings.FileHistory = kept;
  txtFileHistory.SetFocus();
}

void frmOption::FillPreview() {
  lvwColor.SetSmallImages(nullptr);
  imgColor.Create(16, 16);
  AddTypeIcon(imgColor, L"Closed", L"Tolvenar", FILE_ATTRIBUTE_DIRECTORY);
  imgColor.Add(L"Application", LoadIconW(nullptr, IDI_APPLICATION));
  AddTypeIcon(imgColor, L"Other", L"Tolvenar.hlp", FILE_ATTRIBUTE_NORMAL);
  lvwColor.SetSmallImages(imgColor.Handle());
  lvwColor.Clear();
  lvwColor.ClearColumns();
  lvwColor.AddColumn(L"名前", 1500);
  lvwColor.AddColumn(L"種類", 1500);
  lvwColor.AddColumn(L"サイズ", 1000, winui::ColumnAlign::Right);
  struct Row {
    const wchar_t* name;
    const wchar_t* image;
    const wchar_t* kind;
    const wchar_t* size;
  };
  const Row rows[] = {{L"Tolvenar", L"Closed", L"ファイル フォルダ", L" "},
                      {L"Tolvenar.exe", L"Application", L"アプリケーション", L"625,152"},
                      {L"Tolvenar.hlp", L"Other", L"ヘルプ ファイル", L"5,156"}};
  for (const Row& row : rows) {
    const int item = lvwColor.AddItem(row.name, imgColor.IndexOf(row.image));
    lvwColor.SetSubItem(item, 1, row.kind);
    lvwColor.SetSubItem(item, 2, row.size);
  }
  // The stored colours and font, even when the system colours are switched on.
  const bool grid = IsOn(*this, ID_chkGrid);
  preview_ = ListAppearanceFromSettings();
  preview_.grid = grid;
  ShowPreview();
}

void frmOption::ShowPreview() { ApplyListAppearance(lvwColor, preview_, previewFont_); }

void frmOption::chkGrid_Click() {
  preview_.grid = IsOn(*this, ID_chkGrid);
  lvwColor.SetGridLines(preview_.grid);
}

void frmOption::chkSystemColor_Click() {
  const bool system = IsOn(*this, ID_chkSystemColor);
  options::SetEnabled(*this, {ID_cmdBackColor, ID_cmdForeColor}, !system);
  if (!system) return;
  preview_.backColor = kSystemWindowColour;
  preview_.foreColor = kSystemWindowTextColour;
  ShowPreview();
}

void frmOption::PickColour(int32_t& colour) {
  core::CommonDlg dialog;
  dialog.Form(Hwnd());
  dialog.flags(CC_RGBINIT);
  dialog.Color(static_cast<COLORREF>(colour));
  dialog.ShowColor();
  // A cancelled dialog hands back the colour it was given.
  if (static_cast<int32_t>(dialog.Color()) <= 0xFFFFFF) colour = static_cast<int32_t>(dialog.Color());
  ShowPreview();
}

void frmOption::cmdBackColor_Click() { PickColour(preview_.backColor); }

void frmOption::cmdForeColor_Click() { PickColour(preview_.foreColor); }

// The font dialog starts from the stored font, not from the preview; what it answers, even on a cancel, is
// what the preview shows.
void frmOption::cmdFont_Click() {
  const ListAppearance stored = ListAppearanceFromSettings();
  core::CommonDlg dialog;
  dialog.Form(Hwnd());
  dialog.FontSize(static_cast<int16_t>(stored.fontSize));
  dialog.FontName(stored.fontName);
  dialog.FontBold(stored.bold);
  dialog.FontItalic(stored.italic);
  dialog.FontStrikethru(stored.strikethrough);
  dialog.FontUnderline(stored.underline);
  dialog.Max(72);
  dialog.Min(8);
  dialog.flags(CF_SCREENFONTS);
  dialog.ShowFont();
  if (dialog.ErrNumber() != 0) return;
  preview_.fontSize = dialog.FontSize();
  preview_.fontName = dialog.FontName();
  preview_.bold = dialog.FontBold();
  preview_.italic = dialog.FontItalic();
  preview_.strikethrough = dialog.FontStrikethru();
  preview_.underline = dialog.FontUnderline();
  ShowPreview();
}

void frmOption::chkClasses_Click() {
  EnableWhenOn(*this, ID_chkClasses, {ID_chkQuickMenu, ID_chkQuickComp, ID_chkOpenPackn, ID_lstClassesArcType});
}

void frmOption::optUnpackToRun_Click() {
  winui::Control(this, ID_chkUnPackToRun).SetEnabled(winui::OptionButton(this, ID_optUnpackToRun).Value());
}

void frmOption::GetBrowseFolder(HWND owner, int textBoxId, const std::wstring& title) {
  winui::TextBox box(this, textBoxId);
  const std::wstring chosen = core::ShowBrowseFolder(core::Trim(box.Text()), owner, title);
  if (!chosen.empty()) box.SetText(core::AddBackslash(chosen));
}

void frmOption::ChooseProgram(int textBoxId, const std::wstring& title) {
  winui::TextBox box(this, textBoxId);
  const std::wstring current = core::Trim(box.Text());
  const std::wstring folder = current.empty() ? core::Settings.OpenFolder : core::GetFolderPart(current);
  const std::wstring chosen = core::ShowFileDialog(Hwnd(), title, L"exeﾌｧｲﾙ (*.exe)|*.exe", L"", 1, folder, 0);
  if (!chosen.empty()) box.SetText(chosen);
}

void frmOption::cmdEditor_Click() { ChooseProgram(ID_txtEditor, L"外部ｴﾃﾞｨﾀの指定"); }

void frmOption::cmdView_Click() { ChooseProgram(ID_txtView, L"画像ﾋﾞｭｰｱの指定"); }

}  // namespace options
