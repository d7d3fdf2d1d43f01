// The IMP page of the per-type options dialog.
#include "core/Settings.h"
#include "options/PageRows.h"
#include "options/frmArcOption.h"

namespace options {
namespace {

using namespace rows;
constexpr int kPage = ID_fraOption + 14;

const ControlDef kRows[] = {
    PageFrame(14, L"IMP 書庫のオプション"),
    Check(ID_chkIMPAttribute, L"chkIMPAttribute", kPage, 240, 300, 4815, 225,
          L"全てのファイル属性を展開して保存する(&U)"),
    Check(ID_chkIMPAllStatus, L"chkIMPAllStatus", kPage, 240, 540, 4815, 225, L"展開状況ダイアログを表示しない(&G)"),
};

void Transfer(frmArcOption&, winui::DataExchange& dx) {
  dx.Flag(ID_chkIMPAttribute, core::Settings.IMP_Attribute);
  dx.Flag(ID_chkIMPAllStatus, core::Settings.IMP_AllStatus);
}

}  // namespace

ArcOptionPage ImpPage() { return {kRows, nullptr, Transfer}; }

}  // namespace options
