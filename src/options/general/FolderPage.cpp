// The second page of the general options dialog, "フォルダ": the default folders and the work folders.
#include "options/PageRows.h"
#include "options/frmOption.h"

namespace options {
namespace {

using namespace rows;
using namespace general;
constexpr int kPage = ID_fraOption + 1;

const ControlDef kRows[] = {
    Frame(kPage, L"fraOption", ID_tspOption, 240, 480, 4575, 4815, L"", 1),
    Frame(ID_fraUnpackDefault, L"fraUnpackDefault", kPage, 120, 120, 4335, 855, L"解凍先のデフォルトフォルダ(&U)"),
    Text(ID_txtUnpackDefault, L"txtUnpackDefault", ID_fraUnpackDefault, 120, 240, 3735, 270),
    BrowseButton(ID_cmdUnpackDefault, L"cmdUnpackDefault", ID_fraUnpackDefault, 3840, 240),
    Check(ID_chkUnpackDefault, L"chkUnpackDefault", ID_fraUnpackDefault, 120, 600, 4095, 210,
          L"開いている書庫のフォルダを解凍先に指定する(&K)"),
    Frame(ID_fraSaveDefault, L"fraSaveDefault", kPage, 120, 1080, 4335, 615),
    Check(ID_chkSaveDefault, L"chkSaveDefault", ID_fraSaveDefault, 120, 0, 3615, 180,
          L"保存先のデフォルトフォルダを指定する(&S)"),
    Text(ID_txtSaveDefault, L"txtSaveDefault", ID_fraSaveDefault, 120, 240, 3735, 270),
    BrowseButton(ID_cmdSaveDefault, L"cmdSaveDefault", ID_fraSaveDefault, 3840, 240),
    Frame(ID_fraPackDefault, L"fraPackDefault", kPage, 120, 1800, 4335, 615),
    Check(ID_chkPackDefault, L"chkPackDefault", ID_fraPackDefault, 120, 0, 3615, 255,
          L"圧縮対象のデフォルトフォルダを指定する(&P)"),
    Text(ID_txtPackDefault, L"txtPackDefault", ID_fraPackDefault, 120, 240, 3735, 270),
    BrowseButton(ID_cmdPackDefault, L"cmdPackDefault", ID_fraPackDefault, 3840, 240),
    Frame(ID_fraArcDefault, L"fraArcDefault", kPage, 120, 2520, 4335, 855, L"「書庫を開く」のデフォルトフォルダ(&A)"),
    Text(ID_txtArcDefault, L"txtArcDefault", ID_fraArcDefault, 120, 240, 3735, 270),
    BrowseButton(ID_cmdArcDefault, L"cmdArcDefault", ID_fraArcDefault, 3840, 240),
    Check(ID_chkArcDefault, L"chkArcDefault", ID_fraArcDefault, 120, 600, 4095, 180,
          L"開いている書庫のフォルダをデフォルトに指定する(&R)"),
    Frame(ID_fraUnLhaWorkFolder, L"fraUnLhaWorkFolder", kPage, 120, 3480, 4335, 615),
    Check(ID_chkUnLhaWorkFolder, L"chkUnLhaWorkFolder", ID_fraUnLhaWorkFolder, 120, 0, 3615, 180,
          L"作業フォルダを指定する(&LHA,CAB,BH)"),
    Text(ID_txtUnLhaWorkFolder, L"txtUnLhaWorkFolder", ID_fraUnLhaWorkFolder, 120, 240, 3735, 270),
    BrowseButton(ID_cmdUnLhaWorkFolder, L"cmdUnLhaWorkFolder", ID_fraUnLhaWorkFolder, 3840, 240),
    Label(ID_lblWorkFolder, L"lblWorkFolder", kPage, 240, 4200, 1140, 180, L"作業フォルダ(&W)"),
    Text(ID_txtWorkFolder, L"txtWorkFolder", kPage, 240, 4440, 3735, 270),
    BrowseButton(ID_cmdWorkFolder, L"cmdWorkFolder", kPage, 3960, 4440),
};

}  // namespace

std::span<const ControlDef> FolderPage() { return kRows; }

}  // namespace options
