// The ARJ page of the per-type options dialog.
#include "core/Settings.h"
#include "options/ArcOptionRules.h"
#include "options/PageRows.h"
#include "options/frmArcOption.h"

namespace options {
namespace {

using namespace rows;
constexpr int kPage = ID_fraOption + 3;

const ControlDef kRows[] = {
    PageFrame(3, L"ARJ 書庫のオプション"),
    Label(ID_lblARJArcType, L"lblARJArcType", kPage, 240, 300, 1440, 180, L"圧縮メソッド(&P)"),
    List(ID_cmbARJArcType, L"cmbARJArcType", kPage, 1680, 240, 3375, 300),
    Frame(ID_fraARJFileOpt, L"fraARJFileOpt", kPage, 120, 720, 4935, 765, L"ファイルの操作"),
    Check(ID_chkARJFileOpt + 0, L"chkARJFileOpt", ID_fraARJFileOpt, 120, 240, 4695, 225,
          L"新しいファイルのみ格納する(&N)", 0),
    Check(ID_chkARJFileOpt + 1, L"chkARJFileOpt", ID_fraARJFileOpt, 120, 480, 4695, 225,
          L"書庫へファイルを移動する(&D)", 1),
    Check(ID_chkARJBroken, L"chkARJBroken", kPage, 240, 1620, 4815, 225, L"不良ファイルを無視する(&B)"),
    Check(ID_chkARJAllStatus, L"chkARJAllStatus", kPage, 240, 1860, 4815, 225,
          L"｢進捗プログレスバー｣は全体の状況を表示する(&G)"),
    Check(ID_chkARJMakeSFX, L"chkARJMakeSFX", kPage, 240, 2100, 4815, 225, L"自己解凍型書庫を作成する(&S)"),
    Label(ID_lblARJComment, L"lblARJComment", kPage, 240, 4680, 4815, 180,
          L"※ 書庫作成にはDOSプログラム 'ARJ.EXE' が必要です"),
};

void Prepare(frmArcOption& form) {
  FillList(form, ID_cmbARJArcType,
           {L"store (no compression)", L"good compression (default)", L"less memory and compression",
            L"FAST! less compression", L"FASTEST! least compression"});
}

void Transfer(frmArcOption&, winui::DataExchange& dx) {
  auto& s = core::Settings;
  dx.ListIndex(ID_cmbARJArcType, s.ARJ_ArcType);
  dx.FlagRow(ID_chkARJFileOpt, 2, s.ARJ_FileOpt);
  dx.Flag(ID_chkARJBroken, s.ARJ_Broken);
  dx.Flag(ID_chkARJAllStatus, s.ARJ_AllStatus);
  dx.Flag(ID_chkARJMakeSFX, s.ARJ_MakeSFX);
}

void Shown(frmArcOption& form) { form.RereadVersion(Library::Arj); }

}  // namespace

ArcOptionPage ArjPage() { return {kRows, Prepare, Transfer, Shown}; }

}  // namespace options
