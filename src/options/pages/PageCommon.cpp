// The common page of the per-type options dialog: how paths go into a new archive.
#include "core/Settings.h"
#include "options/PageRows.h"
#include "options/frmArcOption.h"

namespace options {
namespace {

using namespace rows;
constexpr int kPage = ID_fraOption + 17;

const ControlDef kRows[] = {
    PageFrame(17, L"共通のオプション"),
    Frame(ID_fraFolder, L"fraFolder", kPage, 120, 240, 4935, 1005, L"パスの取り扱い"),
    Option(ID_optFolder + 0, L"optFolder", ID_fraFolder, 120, 240, 4695, 225, L"パス名は付加しない(&P)", 0),
    Option(ID_optFolder + 1, L"optFolder", ID_fraFolder, 120, 480, 4695, 225, L"相対パス名を付加する(&R)", 1),
    Option(ID_optFolder + 2, L"optFolder", ID_fraFolder, 120, 720, 4695, 225, L"絶対パス名を付加する(&B)", 2),
};

void Transfer(frmArcOption&, winui::DataExchange& dx) { dx.Choice(ID_optFolder, 3, core::Settings.COM_Folder); }

}  // namespace

ArcOptionPage CommonPage() { return {kRows, nullptr, Transfer}; }

}  // namespace options
