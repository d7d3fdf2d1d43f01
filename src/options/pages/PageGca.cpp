// The GCA page of the per-type options dialog, with the chooser of the key file.
#include "core/CommonDlg.h"
#include "core/Settings.h"
#include "core/modPath.h"
#include "options/ArcOptionRules.h"
#include "options/PageRows.h"
#include "options/frmArcOption.h"
#include "winui/Resources.h"

namespace options {
namespace {

using namespace rows;
constexpr int kPage = ID_fraOption + 11;

const ControlDef kRows[] = {
    PageFrame(11, L"GCA 書庫のオプション"),
    Frame(ID_fraGCAArcType, L"fraGCAArcType", kPage, 120, 240, 4935, 1005, L"圧縮モード"),
    Option(ID_optGCAArcType + 0, L"optGCAArcType", ID_fraGCAArcType, 120, 240, 4695, 225,
           L"ファイル単位圧縮で書庫を作成(&A)", 0),
    Option(ID_optGCAArcType + 1, L"optGCAArcType", ID_fraGCAArcType, 120, 480, 4695, 225, L"無圧縮で書庫を作成(&N)", 1),
    Option(ID_optGCAArcType + 2, L"optGCAArcType", ID_fraGCAArcType, 120, 720, 4695, 225,
           L"ファイル連結圧縮(SOLID)で書庫を作成(&S)", 2),
    Frame(ID_fraGCAArcOpt, L"fraGCAArcOpt", kPage, 120, 1380, 4935, 555, L"圧縮オプション"),
    Check(ID_chkGCAArcOpt + 0, L"chkGCAArcOpt", ID_fraGCAArcOpt, 120, 240, 2295, 225, L"データ解析圧縮(&V)", 0),
    // Header compression cannot be chosen; the box only carries the stored value.
    Check(ID_chkGCAArcOpt + 1, L"chkGCAArcOpt", ID_fraGCAArcOpt, 2520, 240, 2295, 225, L"ヘッダ圧縮(&H)", 1,
          winui::kDisabled),
    Frame(ID_fraGCAPass, L"fraGCAPass", kPage, 120, 2100, 4935, 1635),
    Check(ID_chkGCAPass, L"chkGCAPass", ID_fraGCAPass, 120, 0, 2295, 225, L"暗号化書庫を作成(&G)"),
    Option(ID_optGCAPass + 0, L"optGCAPass", ID_fraGCAPass, 240, 300, 4575, 225, L"通常パスワード形式(&P)", 0),
    Option(ID_optGCAPass + 1, L"optGCAPass", ID_fraGCAPass, 240, 555, 4575, 225, L"キーファイル形式(&K)", 1),
    Text(ID_txtGCAPass, L"txtGCAPass", ID_fraGCAPass, 480, 855, 3855, 270),
    BrowseButton(ID_cmdGCAPass, L"cmdGCAPass", ID_fraGCAPass, 4380, 848),
    Label(ID_lblGCADefaultPass, L"lblGCADefaultPass", ID_fraGCAPass, 240, 1260, 1935, 180, L"デフォルトパスワード(&D)"),
    Text(ID_txtGCADefaultPass, L"txtGCADefaultPass", ID_fraGCAPass, 2220, 1215, 2595, 270, winui::kPassword),
    Label(ID_lblGCAComment, L"lblGCAComment", kPage, 240, 4680, 4815, 180,
          L"※ 書庫作成にはDOSプログラム 'GCAC.EXE' が必要です"),
};

bool KeyFile(frmArcOption& form) { return winui::OptionButton(&form, ID_optGCAPass + 1).Value(); }

void ApplyEncryption(frmArcOption& form) {
  const bool on = IsOn(form, ID_chkGCAPass);
  SetEnabled(form, {ID_optGCAPass, ID_optGCAPass + 1, ID_txtGCADefaultPass}, on);
  SetEnabled(form, {ID_txtGCAPass, ID_cmdGCAPass}, on && KeyFile(form));
}

// The key file is asked as a file to save: it need not exist yet.
void ChooseKeyFile(frmArcOption& form) {
  winui::TextBox box(&form, ID_txtGCAPass);
  const std::wstring current = box.Text();
  std::wstring folder = core::GetFolderPart(current);
  if (folder.empty()) folder = core::Settings.OpenFolder;
  const std::wstring chosen = core::ShowFileDialog(form.Hwnd(), L"キーファイルを入力", L"ファイル (*.*)|*.*",
                                                   core::GetFileNamePart(current), 1, folder, 1);
  if (!chosen.empty()) box.SetText(chosen);
}

void Prepare(frmArcOption& form) {
  winui::CommandButton(&form, ID_cmdGCAPass).SetPicture(winui::LoadIconRes(kBrowseIconId, 16, 16));
  form.On(ID_chkGCAPass, winui::Event::Click, [&form](winui::EventArgs&) { ApplyEncryption(form); });
  form.On(ID_optGCAPass, winui::Event::Click, [&form](winui::EventArgs& args) {
    SetEnabled(form, {ID_txtGCAPass, ID_cmdGCAPass}, args.index == 1);
  });
  form.On(ID_cmdGCAPass, winui::Event::Click, [&form](winui::EventArgs&) { ChooseKeyFile(form); });
  SelectAllOnFocus(form, ID_txtGCAPass);
  PreparePasswordBox(form, ID_txtGCADefaultPass, true);
}

void Transfer(frmArcOption& form, winui::DataExchange& dx) {
  auto& s = core::Settings;
  dx.Choice(ID_optGCAArcType, 3, s.GCA_ArcType);
  dx.FlagRow(ID_chkGCAArcOpt, 2, s.GCA_ArcOpt);
  dx.Flag(ID_chkGCAPass, s.GCA_Pass);
  dx.Choice(ID_optGCAPass, 2, s.GCA_PassType);
  if (dx.Loading()) ApplyEncryption(form);
  dx.Text(ID_txtGCAPass, s.GCA_PassKeyFile);
  dx.Text(ID_txtGCADefaultPass, s.GCA_PassDefault);
}

}  // namespace

ArcOptionPage GcaPage() { return {kRows, Prepare, Transfer}; }

}  // namespace options
