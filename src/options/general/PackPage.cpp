// The third page of the general options dialog, "圧縮/解凍": the log, what happens around compression and
// what follows an extraction.
#include "options/PageRows.h"
#include "options/frmOption.h"

namespace options {
namespace {

using namespace rows;
using namespace general;
constexpr int kPage = ID_fraOption + 2;

const ControlDef kRows[] = {
    Frame(kPage, L"fraOption", ID_tspOption, 240, 480, 4575, 4815, L"", 2),
    Label(ID_lblTitle + 0, L"lblTitle", kPage, 120, 120, 1080, 180, L"◇圧縮/解凍", 0),
    Check(ID_chkLog, L"chkLog", kPage, 240, 360, 4215, 180, L"処理終了後にログを表示する(&G)"),
    Label(ID_lblTitle + 1, L"lblTitle", kPage, 120, 720, 585, 180, L"◇圧縮", 1),
    Check(ID_chkPackAfter, L"chkPackAfter", kPage, 240, 960, 4215, 180, L"D&&Dでの圧縮後「とるべなー」で開く(&D)"),
    Check(ID_chkPackKobetsu, L"chkPackKobetsu", kPage, 240, 1200, 4215, 180,
          L"ドロップしたファイルを個別に圧縮する(&B)"),
    Label(ID_lblTitle + 2, L"lblTitle", kPage, 120, 1560, 585, 180, L"◇解凍", 2),
    Check(ID_chkIconDrop, L"chkIconDrop", kPage, 240, 1800, 4215, 180, L"アイコンにドロップした場合即解凍する(&R)"),
    Check(ID_chkFolderByArc, L"chkFolderByArc", kPage, 240, 2040, 4215, 180,
          L"クイック解凍は書庫名でフォルダを作成し解凍する(&K)"),
    Check(ID_chkUnPackExp, L"chkUnPackExp", kPage, 240, 2280, 4215, 180, L"解凍後エクスプローラで開く(&X)"),
    Check(ID_chkUnPackDialog, L"chkUnPackDialog", kPage, 240, 2520, 4215, 180,
          L"解凍先フォルダ指定ダイアログを表示しない(&U)"),
    Frame(ID_fraUnpackToRun, L"fraUnpackToRun", kPage, 120, 2760, 4335, 1335, L"解凍後の処理"),
    Option(ID_optUnpackToRun + 0, L"optUnpackToRun", ID_fraUnpackToRun, 120, 240, 4095, 180,
           L"setup.exe、install.exeがあれば実行する(&S)", 0),
    Check(ID_chkUnPackToRun, L"chkUnPackToRun", ID_fraUnpackToRun, 360, 480, 3735, 180, L"実行前に確認する(&M)"),
    Option(ID_optUnpackToRun + 1, L"optUnpackToRun", ID_fraUnpackToRun, 120, 720, 4095, 180,
           L"readme.txtがあれば表示する(&H)", 1),
    Option(ID_optUnpackToRun + 2, L"optUnpackToRun", ID_fraUnpackToRun, 120, 960, 4095, 180, L"何もしない(&N)", 2),
};

}  // namespace

std::span<const ControlDef> PackPage() { return kRows; }

}  // namespace options
