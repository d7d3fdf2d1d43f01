// The BH page of the per-type options dialog.
#include "core/Settings.h"
#include "options/ArcOptionRules.h"
#include "options/PageRows.h"
#include "options/frmArcOption.h"

namespace options {
namespace {

using namespace rows;
constexpr int kPage = ID_fraOption + 16;

const ControlDef kRows[] = {
    PageFrame(16, L"BH 書庫のオプション"),
    Frame(ID_fraBHFileOpt, L"fraBHFileOpt", kPage, 120, 240, 4935, 765, L"ファイルの操作"),
    Check(ID_chkBHFileOpt + 0, L"chkBHFileOpt", ID_fraBHFileOpt, 120, 240, 4695, 225, L"新しいファイルのみ格納する(&N)",
          0),
    Check(ID_chkBHFileOpt + 1, L"chkBHFileOpt", ID_fraBHFileOpt, 120, 480, 4695, 225, L"書庫へファイルを移動する(&D)",
          1),
    Check(ID_chkBHAttribute, L"chkBHAttribute", kPage, 240, 1140, 4815, 225, L"ファイル属性を格納する(&U)"),
    Check(ID_chkBHHiddenFolder, L"chkBHHiddenFolder", kPage, 240, 1380, 4815, 225, L"隠しフォルダを圧縮する(&H)"),
    Check(ID_chkBHNewArc, L"chkBHNewArc", kPage, 240, 1620, 4815, 225,
          L"書庫の更新日時を格納ファイルの最新に合わせる(&W)"),
    Check(ID_chkBHSpaceFolder, L"chkBHSpaceFolder", kPage, 240, 1860, 4815, 225, L"空のフォルダも格納する(&R)"),
    Frame(ID_fraBHLevel, L"fraBHLevel", kPage, 120, 2220, 4935, 855, L"圧縮レベル(&L)"),
    Label(ID_lblNo + 12, L"lblNo", ID_fraBHLevel, 240, 300, 255, 180, L"1", 12),
    Slider(ID_sldBHLevel, L"sldBHLevel", ID_fraBHLevel, 480, 240, 3975, 330, 6),
    Label(ID_lblNo + 13, L"lblNo", ID_fraBHLevel, 4560, 300, 255, 180, L"6", 13),
    Label(ID_lblBHLevel + 0, L"lblBHLevel", ID_fraBHLevel, 240, 600, 1500, 180, L"スピード重視", 0),
    Label(ID_lblBHLevel + 1, L"lblBHLevel", ID_fraBHLevel, 3315, 600, 1500, 180, L"圧縮率重視", 1, winui::kAlignRight),
    Frame(ID_fraBHPass, L"fraBHPass", kPage, 120, 3240, 4935, 795),
    Check(ID_chkBHPass, L"chkBHPass", ID_fraBHPass, 120, 0, 2775, 225, L"パスワード付き書庫を作成(&G)"),
    Label(ID_lblBHDefaultPass, L"lblBHDefaultPass", ID_fraBHPass, 240, 420, 1935, 180, L"デフォルトパスワード(&D)"),
    Text(ID_txtBHDefaultPass, L"txtBHDefaultPass", ID_fraBHPass, 2220, 375, 2595, 270, winui::kPassword),
    // A BH self-extractor is chosen in the new-archive dialog only; here the box shows the choice.
    Check(ID_chkBHMakeSFX, L"chkBHMakeSFX", kPage, 240, 4200, 4815, 225, L"自己解凍型書庫を作成する(&X)", -1,
          winui::kDisabled),
};

void Prepare(frmArcOption& form) {
  SetSliderRange(form, ID_sldBHLevel, 1, 6, 2);
  BindPasswordRule(form, ID_chkBHPass, ID_txtBHDefaultPass, false);
}

void Transfer(frmArcOption& form, winui::DataExchange& dx) {
  auto& s = core::Settings;
  dx.FlagRow(ID_chkBHFileOpt, 2, s.BH_FileOpt);
  dx.Flag(ID_chkBHAttribute, s.BH_Attribute);
  dx.Flag(ID_chkBHHiddenFolder, s.BH_HiddenFolder);
  dx.Flag(ID_chkBHNewArc, s.BH_NewArc);
  dx.Flag(ID_chkBHSpaceFolder, s.BH_SpaceFolder);
  dx.Slider(ID_sldBHLevel, s.BH_Level);
  dx.Flag(ID_chkBHPass, s.BH_Pass);
  if (dx.Loading()) EnableWhenOn(form, ID_chkBHPass, {ID_txtBHDefaultPass});
  dx.Text(ID_txtBHDefaultPass, s.BH_PassDefault);
  // Shown as the settings hold it and stored back unchanged: OK never undoes the new-archive dialog's choice.
  dx.Flag(ID_chkBHMakeSFX, s.BH_MakeSFX);
}

}  // namespace

ArcOptionPage BhPage() { return {kRows, Prepare, Transfer}; }

}  // namespace options
