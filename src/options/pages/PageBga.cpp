// The BGA page of the per-type options dialog.
#include "archiver/clsArchive.h"
#include "core/Settings.h"
#include "options/ArcOptionRules.h"
#include "options/PageRows.h"
#include "options/frmArcOption.h"

namespace options {
namespace {

using namespace rows;
constexpr int kPage = ID_fraOption + 10;

const ControlDef kRows[] = {
    PageFrame(10, L"BGA 書庫のオプション"),
    Frame(ID_fraBGAArcType, L"fraBGAArcType", kPage, 120, 240, 4935, 555, L"圧縮方法"),
    Option(ID_optBGAArcType + 0, L"optBGAArcType", ID_fraBGAArcType, 240, 240, 2055, 225, L"&GZipで圧縮", 0),
    Option(ID_optBGAArcType + 1, L"optBGAArcType", ID_fraBGAArcType, 2400, 240, 2055, 225, L"&BZip2で圧縮", 1),
    Frame(ID_fraBGALevel, L"fraBGALevel", kPage, 120, 900, 4935, 855, L"圧縮レベル(&L)"),
    Label(ID_lblNo + 9, L"lblNo", ID_fraBGALevel, 240, 300, 255, 180, L"1", 9),
    Slider(ID_sldBGALevel, L"sldBGALevel", ID_fraBGALevel, 480, 240, 3975, 330, 9),
    Label(ID_lblNo + 8, L"lblNo", ID_fraBGALevel, 4560, 300, 255, 180, L"9", 8),
    Label(ID_lblBGALevel + 0, L"lblBGALevel", ID_fraBGALevel, 240, 600, 1500, 180, L"スピード重視", 0),
    Label(ID_lblBGALevel + 1, L"lblBGALevel", ID_fraBGALevel, 3315, 600, 1500, 180, L"圧縮率重視", 1,
          winui::kAlignRight),
    Frame(ID_fraBGAFileOpt, L"fraBGAFileOpt", kPage, 120, 1860, 4935, 765, L"ファイルの操作"),
    Check(ID_chkBGAFileOpt + 0, L"chkBGAFileOpt", ID_fraBGAFileOpt, 120, 240, 4695, 225,
          L"新しいファイルのみ格納する(&N)", 0),
    Check(ID_chkBGAFileOpt + 1, L"chkBGAFileOpt", ID_fraBGAFileOpt, 120, 480, 4695, 225,
          L"書庫へファイルを移動する(&D)", 1),
    Check(ID_chkBGAAttribute, L"chkBGAAttribute", kPage, 240, 2760, 4815, 225, L"隠し属性､システム属性も格納する(&U)"),
    Check(ID_chkBGAMakeSFX, L"chkBGAMakeSFX", kPage, 240, 3000, 4815, 225, L"自己解凍型書庫を作成する(&X)"),
    Button(ID_cmdBGAConfig, L"cmdBGAConfig", kPage, 3480, 4515, 1575, 375, L"DLLの設定(&F)"),
};

void Prepare(frmArcOption& form) {
  SetSliderRange(form, ID_sldBGALevel, 1, 9);
  form.On(ID_cmdBGAConfig, winui::Event::Click,
          [&form](winui::EventArgs&) { archiver::ShowArcConfigDialog(form.Hwnd(), L"BGA", 1); });
}

void Transfer(frmArcOption&, winui::DataExchange& dx) {
  auto& s = core::Settings;
  dx.Choice(ID_optBGAArcType, 2, s.BGA_ArcType);
  dx.Slider(ID_sldBGALevel, s.BGA_Level);
  dx.FlagRow(ID_chkBGAFileOpt, 2, s.BGA_FileOpt);
  dx.Flag(ID_chkBGAAttribute, s.BGA_Attribute);
  dx.Flag(ID_chkBGAMakeSFX, s.BGA_MakeSFX);
}

// The version read when the dialog loaded decides; the page does not ask the library again.
void Shown(frmArcOption& form) {
  winui::Control(&form, ID_cmdBGAConfig).SetEnabled(!form.Version(Library::Bga).empty());
}

}  // namespace

ArcOptionPage BgaPage() { return {kRows, Prepare, Transfer, Shown}; }

}  // namespace options
