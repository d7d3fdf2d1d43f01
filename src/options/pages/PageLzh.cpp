// The LZH page of the per-type options dialog.
#include "archiver/clsArchive.h"
#include "core/Settings.h"
#include "options/ArcOptionRules.h"
#include "options/PageRows.h"
#include "options/frmArcOption.h"

namespace options {
namespace {

using namespace rows;
constexpr int kPage = ID_fraOption + 0;

const ControlDef kRows[] = {
    PageFrame(0, L"LZH 書庫のオプション"),
    Frame(ID_fraLZHArcType, L"fraLZHArcType", kPage, 120, 240, 4935, 555, L"圧縮方法(&P)"),
    Option(ID_optLZHArcType + 0, L"optLZHArcType", ID_fraLZHArcType, 120, 240, 855, 225, L"-lh0-", 0),
    Option(ID_optLZHArcType + 1, L"optLZHArcType", ID_fraLZHArcType, 1080, 240, 855, 225, L"-lh1-", 1),
    Option(ID_optLZHArcType + 2, L"optLZHArcType", ID_fraLZHArcType, 2040, 240, 855, 225, L"-lh5-", 2),
    Option(ID_optLZHArcType + 3, L"optLZHArcType", ID_fraLZHArcType, 3000, 240, 855, 225, L"-lh6-", 3),
    Option(ID_optLZHArcType + 4, L"optLZHArcType", ID_fraLZHArcType, 3960, 240, 855, 225, L"-lh7-", 4),
    Frame(ID_fraLZHHeadType, L"fraLZHHeadType", kPage, 120, 870, 4935, 1005, L"ﾍｯﾀﾞ形式"),
    Option(ID_optLZHHeadType + 0, L"optLZHHeadType", ID_fraLZHHeadType, 120, 240, 4695, 225,
           L"&LHarc互換のヘッダを指定", 0),
    Option(ID_optLZHHeadType + 1, L"optLZHHeadType", ID_fraLZHHeadType, 120, 480, 4695, 225,
           L"L&HA.EXE互換のヘッダを指定", 1),
    Option(ID_optLZHHeadType + 2, L"optLZHHeadType", ID_fraLZHHeadType, 120, 720, 4695, 225,
           L"LH&A.EXE 2.67.32.00β互換のヘッダを指定", 2),
    Frame(ID_fraLZHFileOpt, L"fraLZHFileOpt", kPage, 120, 1950, 4935, 1005, L"ファイルの操作"),
    Check(ID_chkLZHFileOpt + 0, L"chkLZHFileOpt", ID_fraLZHFileOpt, 120, 240, 4695, 225,
          L"新しいファイルのみ格納する(&N)", 0),
    Check(ID_chkLZHFileOpt + 1, L"chkLZHFileOpt", ID_fraLZHFileOpt, 120, 480, 4695, 225,
          L"書庫へファイルを移動する(&D)", 1),
    Check(ID_chkLZHFileOpt + 2, L"chkLZHFileOpt", ID_fraLZHFileOpt, 120, 720, 4695, 225, L"&8+3ファイル形式で格納する",
          2),
    Check(ID_chkLZHBroken, L"chkLZHBroken", kPage, 240, 3060, 4815, 225, L"破損ヘッダを無視する(&B)"),
    Check(ID_chkLZHAttribute, L"chkLZHAttribute", kPage, 240, 3300, 4815, 225, L"隠し属性､システム属性も格納する(&U)"),
    Check(ID_chkLZHNewArc, L"chkLZHNewArc", kPage, 240, 3540, 4815, 225,
          L"書庫の更新日時を格納ファイルの最新に合わせる(&W)"),
    Check(ID_chkLZHSpaceFolder, L"chkLZHSpaceFolder", kPage, 240, 3780, 4815, 225, L"空のフォルダも格納する(&R)"),
    Check(ID_chkLZHAllStatus, L"chkLZHAllStatus", kPage, 240, 4020, 4815, 225,
          L"｢進捗プログレスバー｣は全体の状況を表示する(&G)"),
    Check(ID_chkLZHErrSkip, L"chkLZHErrSkip", kPage, 240, 4260, 4815, 225, L"共有エラーファイルをスキップする(&K)"),
    Check(ID_chkLZHMakeSFX, L"chkLZHMakeSFX", kPage, 240, 4590, 2655, 225, L"自己解凍型書庫を作成する(&X)"),
    Button(ID_cmdSfxConfig, L"cmdSfxConfig", kPage, 2940, 4515, 735, 375, L"&SFX"),
    Button(ID_cmdLZHConfig, L"cmdLZHConfig", kPage, 3720, 4515, 1335, 375, L"DLLの設定(&F)"),
};

void Prepare(frmArcOption& form) {
  form.On(ID_cmdLZHConfig, winui::Event::Click,
          [&form](winui::EventArgs&) { archiver::ShowArcConfigDialog(form.Hwnd(), L"LZH", 1); });
}

void Transfer(frmArcOption&, winui::DataExchange& dx) {
  auto& s = core::Settings;
  dx.Choice(ID_optLZHArcType, 5, s.LZH_ArcType);
  dx.Choice(ID_optLZHHeadType, 3, s.LZH_HeadType);
  dx.FlagRow(ID_chkLZHFileOpt, 3, s.LZH_FileOpt);
  dx.Flag(ID_chkLZHBroken, s.LZH_Broken);
  dx.Flag(ID_chkLZHAttribute, s.LZH_Attribute);
  dx.Flag(ID_chkLZHNewArc, s.LZH_NewArc);
  dx.Flag(ID_chkLZHSpaceFolder, s.LZH_SpaceFolder);
  dx.Flag(ID_chkLZHAllStatus, s.LZH_AllStatus);
  dx.Flag(ID_chkLZHErrSkip, s.LZH_ErrSkip);
  dx.Flag(ID_chkLZHMakeSFX, s.LZH_MakeSFX);
}

void Shown(frmArcOption& form) {
  winui::Control(&form, ID_cmdLZHConfig).SetEnabled(!form.RereadVersion(Library::Lha).empty());
}

}  // namespace

ArcOptionPage LzhPage() { return {kRows, Prepare, Transfer, Shown}; }

}  // namespace options
