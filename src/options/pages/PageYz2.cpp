// The YZ2 page of the per-type options dialog.
#include "core/Settings.h"
#include "options/ArcOptionRules.h"
#include "options/PageRows.h"
#include "options/frmArcOption.h"

namespace options {
namespace {

using namespace rows;
constexpr int kPage = ID_fraOption + 15;

const ControlDef kRows[] = {
    PageFrame(15, L"YZ2 書庫のオプション"),
    Check(ID_chkYZ2MakeSFX, L"chkYZ2MakeSFX", kPage, 240, 300, 4815, 225, L"自己解凍型書庫を作成する(&X)"),
    Frame(ID_fraYZ2Pass, L"fraYZ2Pass", kPage, 120, 720, 4935, 795),
    Check(ID_chkYZ2Pass, L"chkYZ2Pass", ID_fraYZ2Pass, 120, 0, 2775, 225, L"パスワード付き書庫を作成(&G)"),
    Label(ID_lblYZ2DefaultPass, L"lblYZ2DefaultPass", ID_fraYZ2Pass, 240, 420, 1935, 180, L"デフォルトパスワード(&D)"),
    Text(ID_txtYZ2DefaultPass, L"txtYZ2DefaultPass", ID_fraYZ2Pass, 2220, 375, 2595, 270, winui::kPassword),
    Frame(ID_fraYZ2BuffaSize, L"fraYZ2BuffaSize", kPage, 120, 1680, 4935, 675, L"圧縮時のバッファサイズ(&B)"),
    Label(ID_lblNo + 11, L"lblNo", ID_fraYZ2BuffaSize, 240, 300, 255, 180, L"1", 11),
    Slider(ID_sldYZ2BuffaSize, L"sldYZ2BuffaSize", ID_fraYZ2BuffaSize, 480, 240, 3915, 330, 255),
    Label(ID_lblNo + 10, L"lblNo", ID_fraYZ2BuffaSize, 4440, 300, 375, 180, L"255", 10),
    Check(ID_chkYZ2Ppm, L"chkYZ2Ppm", kPage, 240, 2520, 4815, 225, L"&PPMアルゴリズムで圧縮する"),
    Frame(ID_fraYZ2MultiThread, L"fraYZ2MultiThread", kPage, 120, 2880, 4935, 1005, L"マルチスレッド"),
    Option(ID_optYZ2MultiThread + 0, L"optYZ2MultiThread", ID_fraYZ2MultiThread, 120, 240, 4695, 225, L"なし", 0),
    Option(ID_optYZ2MultiThread + 1, L"optYZ2MultiThread", ID_fraYZ2MultiThread, 120, 480, 4695, 225,
           L"マルチスレッド(type-A)で圧縮する", 1),
    Option(ID_optYZ2MultiThread + 2, L"optYZ2MultiThread", ID_fraYZ2MultiThread, 120, 720, 4695, 225,
           L"マルチスレッド(type-B)で圧縮する", 2),
};

void Prepare(frmArcOption& form) {
  SetSliderRange(form, ID_sldYZ2BuffaSize, 1, 255);
  BindPasswordRule(form, ID_chkYZ2Pass, ID_txtYZ2DefaultPass, false);
}

void Transfer(frmArcOption& form, winui::DataExchange& dx) {
  auto& s = core::Settings;
  dx.Flag(ID_chkYZ2MakeSFX, s.YZ2_MakeSFX);
  dx.Flag(ID_chkYZ2Pass, s.YZ2_Pass);
  if (dx.Loading()) EnableWhenOn(form, ID_chkYZ2Pass, {ID_txtYZ2DefaultPass});
  dx.Text(ID_txtYZ2DefaultPass, s.YZ2_PassDefault);
  dx.Slider(ID_sldYZ2BuffaSize, s.YZ2_BuffaSize);
  dx.Flag(ID_chkYZ2Ppm, s.YZ2_Ppm);
  dx.Choice(ID_optYZ2MultiThread, 3, s.YZ2_MultiThread);
}

}  // namespace

ArcOptionPage Yz2Page() { return {kRows, Prepare, Transfer}; }

}  // namespace options
