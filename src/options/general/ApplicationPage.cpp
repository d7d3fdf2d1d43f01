// The fifth page of the general options dialog, "他アプリケーション": the external editor and image viewer.
#include "options/PageRows.h"
#include "options/frmOption.h"

namespace options {
namespace {

using namespace rows;
using namespace general;
constexpr int kPage = ID_fraOption + 4;

const ControlDef kRows[] = {
    Frame(kPage, L"fraOption", ID_tspOption, 240, 480, 4575, 4815, L"", 4),
    Label(ID_lblEditor, L"lblEditor", kPage, 120, 120, 1095, 180, L"外部エディタ(&E)"),
    Text(ID_txtEditor, L"txtEditor", kPage, 120, 360, 3975, 270),
    BrowseButton(ID_cmdEditor, L"cmdEditor", kPage, 4080, 360),
    Label(ID_lblView, L"lblView", kPage, 120, 720, 1125, 180, L"画像ビューア(&V)"),
    Text(ID_txtView, L"txtView", kPage, 120, 960, 3975, 270),
    BrowseButton(ID_cmdView, L"cmdView", kPage, 4080, 960),
};

}  // namespace

std::span<const ControlDef> ApplicationPage() { return kRows; }

}  // namespace options
