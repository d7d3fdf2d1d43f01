// The ZIP page of the per-type options dialog.
#include "archiver/clsArchive.h"
#include "core/SettingValues.h"
#include "core/Settings.h"
#include "options/ArcOptionRules.h"
#include "options/PageRows.h"
#include "options/frmArcOption.h"

namespace options {
namespace {

using namespace rows;
constexpr int kPage = ID_fraOption + 1;

const ControlDef kRows[] = {
    PageFrame(1, L"ZIP 書庫のオプション"),
    Frame(ID_fraZIPArcType, L"fraZIPArcType", kPage, 120, 240, 4935, 855, L"圧縮方法(&P)"),
    Label(ID_lblNo + 0, L"lblNo", ID_fraZIPArcType, 240, 300, 255, 180, L"0", 0),
    Slider(ID_sldZIPArcType, L"sldZIPArcType", ID_fraZIPArcType, 480, 240, 3975, 330, 9),
    Label(ID_lblNo + 1, L"lblNo", ID_fraZIPArcType, 4560, 300, 255, 180, L"9", 1),
    Label(ID_lblLZHArcType + 0, L"lblLZHArcType", ID_fraZIPArcType, 240, 600, 1500, 180, L"スピード重視", 0),
    Label(ID_lblLZHArcType + 1, L"lblLZHArcType", ID_fraZIPArcType, 3315, 600, 1500, 180, L"圧縮率重視", 1,
          winui::kAlignRight),
    Frame(ID_fraZIPFileOpt, L"fraZIPFileOpt", kPage, 120, 1200, 4935, 1005, L"ファイルの操作"),
    Check(ID_chkZIPFileOpt + 0, L"chkZIPFileOpt", ID_fraZIPFileOpt, 120, 240, 4695, 225,
          L"新しいファイルのみ格納する(&N)", 0),
    Check(ID_chkZIPFileOpt + 1, L"chkZIPFileOpt", ID_fraZIPFileOpt, 120, 480, 4695, 225,
          L"書庫へファイルを移動する(&D)", 1),
    Check(ID_chkZIPFileOpt + 2, L"chkZIPFileOpt", ID_fraZIPFileOpt, 120, 720, 4695, 225, L"&8+3ファイル形式で格納する",
          2),
    Check(ID_chkZIPAttribute, L"chkZIPAttribute", kPage, 240, 2310, 4815, 225, L"隠し属性､システム属性も格納する(&U)"),
    Frame(ID_fraZIPConvert, L"fraZIPConvert", kPage, 120, 2640, 4935, 855),
    Check(ID_chkZIPEnterConvert, L"chkZIPEnterConvert", ID_fraZIPConvert, 120, 0, 2535, 225,
          L"改行コードを変換する(&E)"),
    Option(ID_optZIPConvert + 0, L"optZIPConvert", ID_fraZIPConvert, 240, 300, 4575, 225,
           L"&LF->CRLF変換する(Unix->MSDOS)", 0),
    Option(ID_optZIPConvert + 1, L"optZIPConvert", ID_fraZIPConvert, 240, 555, 4575, 225,
           L"&CRLF->LF変換する(MSDOS->Unix)", 1),
    Check(ID_chkEncrypt, L"chkEncrypt", kPage, 240, 3600, 4815, 225, L"暗号化を行う(&Q)"),
    Check(ID_chkZIPMakeSFX, L"chkZIPMakeSFX", kPage, 240, 3840, 4815, 225, L"自己解凍型書庫を作成する(&X)"),
    Check(ID_chkZIPNoKekka, L"chkZIPNoKekka", kPage, 240, 4080, 4815, 225, L"結果窓を表示しない(&K)"),
    Button(ID_cmdZIPConfig + 0, L"cmdZIPConfig", kPage, 1800, 4515, 1575, 375, L"DLLの設定(解凍)", 0),
    Button(ID_cmdZIPConfig + 1, L"cmdZIPConfig", kPage, 3480, 4515, 1575, 375, L"DLLの設定(圧縮)", 1),
};

void Prepare(frmArcOption& form) {
  form.On(ID_chkZIPEnterConvert, winui::Event::Click, [&form](winui::EventArgs&) {
    EnableWhenOn(form, ID_chkZIPEnterConvert, {ID_optZIPConvert, ID_optZIPConvert + 1});
  });
  form.On(ID_cmdZIPConfig, winui::Event::Click, [&form](winui::EventArgs& args) {
    archiver::ShowArcConfigDialog(form.Hwnd(), L"ZIP", static_cast<int16_t>(args.index + 1));
  });
}

void Transfer(frmArcOption& form, winui::DataExchange& dx) {
  auto& s = core::Settings;
  dx.Slider(ID_sldZIPArcType, s.ZIP_ArcTypeOpt);
  dx.FlagRow(ID_chkZIPFileOpt, 3, s.ZIP_FileOpt);
  dx.Flag(ID_chkZIPAttribute, s.ZIP_Attribute);
  dx.Flag(ID_chkZIPEnterConvert, s.ZIP_EnterConvert);
  // Loaded as the index of a button; stored as the first conversion or else the second.
  if (dx.Saving())
    s.ZIP_Convert = winui::OptionButton(&form, ID_optZIPConvert).Value() ? L"0" : L"1";
  else
    dx.Choice(ID_optZIPConvert, 2, s.ZIP_Convert);
  if (dx.Loading()) {
    SetEnabled(form, {ID_optZIPConvert, ID_optZIPConvert + 1}, core::IsOn(s.ZIP_EnterConvert));
    // Without both encryption libraries nothing may ask for encryption, so the setting goes off too.
    const bool encryption = ZipEncryptionAvailable(form.Version(Library::IZip32J), form.Version(Library::ZCrypt32));
    winui::Control(&form, ID_chkEncrypt).SetEnabled(encryption);
    if (!encryption) s.ZIP_Encrypt = L"0";
  }
  dx.Flag(ID_chkEncrypt, s.ZIP_Encrypt);
  dx.Flag(ID_chkZIPMakeSFX, s.ZIP_MakeSFX);
  dx.Flag(ID_chkZIPNoKekka, s.ZIP_NoKekka);
  if (dx.Saving()) StoreUnzipShowResult(s.ZIP_NoKekka);
}

void Shown(frmArcOption& form) {
  winui::Control(&form, ID_cmdZIPConfig).SetEnabled(!form.RereadVersion(Library::Zip).empty());
  winui::Control(&form, ID_cmdZIPConfig + 1).SetEnabled(!form.RereadVersion(Library::Zip32J).empty());
}

}  // namespace

ArcOptionPage ZipPage() { return {kRows, Prepare, Transfer, Shown}; }

}  // namespace options
