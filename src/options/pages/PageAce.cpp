// The ACE page of the per-type options dialog.
#include "core/Settings.h"
#include "options/ArcOptionRules.h"
#include "options/PageRows.h"
#include "options/frmArcOption.h"

namespace options {
namespace {

using namespace rows;
constexpr int kPage = ID_fraOption + 8;

const ControlDef kRows[] = {
    PageFrame(8, L"ACE 書庫のオプション"),
    Frame(ID_fraACEFileOpt, L"fraACEFileOpt", kPage, 120, 240, 4935, 765, L"ファイルの操作"),
    // The update switch cannot be set for ACE archives; the box only carries the stored value.
    Check(ID_chkACEFileOpt + 0, L"chkACEFileOpt", ID_fraACEFileOpt, 120, 240, 4695, 225,
          L"新しいファイルのみ格納する(&N)", 0, winui::kDisabled),
    Check(ID_chkACEFileOpt + 1, L"chkACEFileOpt", ID_fraACEFileOpt, 120, 480, 4695, 225,
          L"書庫へファイルを移動する(&M)", 1),
    Frame(ID_fraACEArcType, L"fraACEArcType", kPage, 120, 1140, 4935, 855, L"圧縮レベル"),
    Label(ID_lblNo + 6, L"lblNo", ID_fraACEArcType, 240, 300, 255, 180, L"0", 6),
    Slider(ID_sldACEArcType, L"sldACEArcType", ID_fraACEArcType, 480, 240, 3975, 330, 5),
    Label(ID_lblNo + 7, L"lblNo", ID_fraACEArcType, 4560, 300, 255, 180, L"5", 7),
    Label(ID_lblACEArcType + 0, L"lblACEArcType", ID_fraACEArcType, 240, 600, 1500, 180, L"スピード重視", 0),
    Label(ID_lblACEArcType + 1, L"lblACEArcType", ID_fraACEArcType, 3315, 600, 1500, 180, L"圧縮率重視", 1,
          winui::kAlignRight),
    Check(ID_chkACESolid, L"chkACESolid", kPage, 240, 2160, 4815, 225, L"ソリッド書庫を作成(&S)"),
    Check(ID_chkACEMakeSFX, L"chkACEMakeSFX", kPage, 240, 2400, 4815, 225, L"自己解凍型書庫を作成する(&X)"),
    Label(ID_lblACEComment, L"lblACEComment", kPage, 240, 4680, 4815, 180,
          L"※ 書庫作成にはDOSプログラム 'ACE.EXE' が必要です"),
};

void Transfer(frmArcOption&, winui::DataExchange& dx) {
  auto& s = core::Settings;
  dx.FlagRow(ID_chkACEFileOpt, 2, s.ACE_FileOpt);
  dx.Slider(ID_sldACEArcType, s.ACE_ArcTypeOpt);
  dx.Flag(ID_chkACESolid, s.ACE_Solid);
  dx.Flag(ID_chkACEMakeSFX, s.ACE_MakeSFX);
}

}  // namespace

ArcOptionPage AcePage() { return {kRows, nullptr, Transfer}; }

}  // namespace options
