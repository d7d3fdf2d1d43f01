// The first page of the general options dialog, "全体": start-up and window behaviour, the recent-archive
// count, and the colours and font of the entry list with their preview.
#include "options/PageRows.h"
#include "options/frmOption.h"

namespace options {
namespace {

using namespace rows;
using namespace general;
constexpr int kPage = ID_fraOption + 0;
// The spin control's positions 0 (top) to 15 (bottom) stand for the counts 16 down to 1.
constexpr int kSpinPositions = 15;

const ControlDef kRows[] = {
    Frame(kPage, L"fraOption", ID_tspOption, 240, 480, 4575, 4815, L"", 0),
    Check(ID_chkSplashLogo, L"chkSplashLogo", kPage, 120, 120, 4335, 180, L"スプラッシュロゴを表示しない(&L)"),
    Check(ID_cnkWindowTop, L"cnkWindowTop", kPage, 120, 360, 4335, 180, L"常に手前に表示する(&T)"),
    Check(ID_chkMessage, L"chkMessage", kPage, 120, 600, 4335, 180, L"処理終了時に確認メッセージを表示する(&M)"),
    Check(ID_chkAllSelect, L"chkAllSelect", kPage, 120, 840, 4335, 180, L"書庫ファイル読み込み時全選択状態にする(&S)"),
    Check(ID_chkEscEnd, L"chkEscEnd", kPage, 120, 1080, 4335, 180, L"&ESCキーで終了する"),
    Check(ID_chkRetu, L"chkRetu", kPage, 120, 1320, 4335, 180, L"格納ファイル一覧の各カラム幅を手動で調整する(&R)"),
    Check(ID_chkGrid, L"chkGrid", kPage, 120, 1560, 4335, 180, L"格納ファイル一覧をグリッド表示にする(&G)"),
    Label(ID_lblFileHistory, L"lblFileHistory", kPage, 120, 1845, 1605, 180, L"ファィル履歴表示数(&K)"),
    Text(ID_txtFileHistory, L"txtFileHistory", kPage, 1800, 1800, 375, 270),
    Row(Kind::VScrollBar, ID_vscrlFileHistory, L"vscrlFileHistory", kPage, 2160, 1800, 255, 255, L"", -1, winui::kNone,
        kSpinPositions),
    Label(ID_lblFileHistorySu, L"lblFileHistorySu", kPage, 2520, 1845, 600, 180, L"(1-16)"),
    Button(ID_cmdFileHistoryClear, L"cmdFileHistoryClear", kPage, 3480, 1800, 1095, 270, L"履歴消去"),
    Frame(ID_fraColor, L"fraColor", kPage, 0, 2280, 4575, 2535, L"色の設定"),
    Row(Kind::ListView, ID_lvwColor, L"lvwColor", ID_fraColor, 120, 240, 4335, 1335),
    Button(ID_cmdBackColor, L"cmdBackColor", ID_fraColor, 960, 1680, 1095, 375, L"背景色(&B)"),
    Button(ID_cmdForeColor, L"cmdForeColor", ID_fraColor, 2160, 1680, 1095, 375, L"文字色(&F)"),
    Button(ID_cmdFont, L"cmdFont", ID_fraColor, 3360, 1680, 1095, 375, L"フォント(&N)"),
    Check(ID_chkSystemColor, L"chkSystemColor", ID_fraColor, 120, 2160, 4095, 180, L"システムカラーを使用する(&A)"),
};

}  // namespace

std::span<const ControlDef> GeneralPage() { return kRows; }

}  // namespace options
