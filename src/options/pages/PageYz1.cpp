// The YZ1 page of the per-type options dialog.
#include "core/Settings.h"
#include "options/ArcOptionRules.h"
#include "options/PageRows.h"
#include "options/frmArcOption.h"

namespace options {
namespace {

using namespace rows;
constexpr int kPage = ID_fraOption + 7;

const ControlDef kRows[] = {
    PageFrame(7, L"YZ1 書庫のオプション"),
    Check(ID_chkYZ1MakeSFX, L"chkYZ1MakeSFX", kPage, 240, 300, 4815, 225, L"自己解凍型書庫を作成する(&X)"),
    Frame(ID_fraYZ1Pass, L"fraYZ1Pass", kPage, 120, 720, 4935, 795),
    Check(ID_chkYZ1Pass, L"chkYZ1Pass", ID_fraYZ1Pass, 120, 0, 2775, 225, L"パスワード付き書庫を作成(&G)"),
    Label(ID_lblYZ1DefaultPass, L"lblYZ1DefaultPass", ID_fraYZ1Pass, 240, 420, 1935, 180, L"デフォルトパスワード(&D)"),
    Text(ID_txtYZ1DefaultPass, L"txtYZ1DefaultPass", ID_fraYZ1Pass, 2220, 375, 2595, 270, winui::kPassword),
};

void Prepare(frmArcOption& form) { BindPasswordRule(form, ID_chkYZ1Pass, ID_txtYZ1DefaultPass, true); }

void Transfer(frmArcOption& form, winui::DataExchange& dx) {
  auto& s = core::Settings;
  dx.Flag(ID_chkYZ1MakeSFX, s.YZ1_MakeSFX);
  dx.Flag(ID_chkYZ1Pass, s.YZ1_Pass);
  if (dx.Loading()) EnableWhenOn(form, ID_chkYZ1Pass, {ID_txtYZ1DefaultPass});
  dx.Text(ID_txtYZ1DefaultPass, s.YZ1_PassDefault);
}

}  // namespace

ArcOptionPage Yz1Page() { return {kRows, Prepare, Transfer}; }

}  // namespace options
