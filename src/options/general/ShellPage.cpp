// The fourth page of the general options dialog, "シェルエクステンション": the SendTo and desktop shortcuts,
// the context-menu switches and the archive types to associate with the program.
#include "options/PageRows.h"
#include "options/frmOption.h"

namespace options {
namespace {

using namespace rows;
using namespace general;
constexpr int kPage = ID_fraOption + 3;

const ControlDef kRows[] = {
    Frame(kPage, L"fraOption", ID_tspOption, 240, 480, 4575, 4815, L"", 3),
    Frame(ID_fraSendTo, L"fraSendTo", kPage, 0, 120, 4575, 855, L"Send To Extensions"),
    Frame(ID_fraContextMenu, L"fraContextMenu", kPage, 0, 1080, 4575, 3255),
    Check(ID_chkClasses, L"chkClasses", ID_fraContextMenu, 120, 0, 3015, 180, L"シェル拡張機能を使用する(&S)"),
    Check(ID_chkQuickMenu, L"chkQuickMenu", ID_fraContextMenu, 240, 240, 4215, 180,
          L"「とるべなー クイック解凍」メニューを追加する(&Q)"),
    Check(ID_chkQuickComp, L"chkQuickComp", ID_fraContextMenu, 240, 480, 4215, 180,
          L"「とるべなー 書庫作成」メニューを追加する(&C)"),
    Check(ID_chkOpenPackn, L"chkOpenPackn", ID_fraContextMenu, 240, 720, 4215, 180,
          L"「とるべなー から開く」メニューを追加する(&M)"),
    Label(ID_lblKanren, L"lblKanren", ID_fraContextMenu, 240, 1080, 2235, 180, L"以下の拡張子に関連付ける(&K)"),
    // A list whose rows are marked with check boxes, apart from the current row.
    Row(Kind::ListView, ID_lstClassesArcType, L"lstClassesArcType", ID_fraContextMenu, 240, 1320, 4215, 1770, L"", -1,
        winui::kNoColumnHeaders | winui::kFullRowSelect),
    Check(ID_chkSendTo, L"chkSendTo", ID_fraSendTo, 120, 240, 4215, 180, L"「送る」メニューに追加する(&N)"),
    Check(ID_chkDeskTop, L"chkDeskTop", ID_fraSendTo, 120, 480, 4215, 180, L"デスクトップに追加する(&D)"),
};

}  // namespace

std::span<const ControlDef> ShellPage() { return kRows; }

}  // namespace options
