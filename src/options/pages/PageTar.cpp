// The TAR page of the per-type options dialog.
#include "archiver/clsArchive.h"
#include "core/Settings.h"
#include "core/Text.h"
#include "options/ArcOptionRules.h"
#include "options/PageRows.h"
#include "options/frmArcOption.h"

namespace options {
namespace {

using namespace rows;
constexpr int kPage = ID_fraOption + 4;
constexpr int kCompress = 0;
constexpr int kBzip2 = 2;

const ControlDef kRows[] = {
    PageFrame(4, L"TAR 書庫のオプション"),
    Frame(ID_fraTARArcType, L"fraTARArcType", kPage, 120, 240, 4935, 555, L"圧縮方式"),
    Option(ID_optTARArcType + 0, L"optTARArcType", ID_fraTARArcType, 240, 240, 1575, 225, L"&Compress圧縮", 0),
    Option(ID_optTARArcType + 1, L"optTARArcType", ID_fraTARArcType, 1920, 240, 1335, 225, L"&Gzip圧縮", 1),
    Option(ID_optTARArcType + 2, L"optTARArcType", ID_fraTARArcType, 3360, 240, 1455, 225, L"&Bzip2圧縮", 2),
    Label(ID_lblNo + 4, L"lblNo", kPage, 240, 960, 255, 180, L"1", 4),
    Slider(ID_sldTARArcType, L"sldTARArcType", kPage, 480, 900, 3975, 330, 9),
    Label(ID_lblNo + 5, L"lblNo", kPage, 4560, 960, 255, 180, L"9", 5),
    Label(ID_lblTARArcType + 0, L"lblTARArcType", kPage, 240, 1260, 1500, 180, L"スピード重視", 0),
    Label(ID_lblTARArcType + 1, L"lblTARArcType", kPage, 3315, 1260, 1500, 180, L"圧縮率重視", 1, winui::kAlignRight),
    Check(ID_chkTARMakeSFX, L"chkTARMakeSFX", kPage, 240, 1620, 4815, 225, L"自己解凍型書庫を作成する(&S)"),
    Button(ID_cmdTARConfig + 0, L"cmdTARConfig", kPage, 1800, 4515, 1575, 375, L"DLLの設定(解凍)", 0),
    Button(ID_cmdTARConfig + 1, L"cmdTARConfig", kPage, 3480, 4515, 1575, 375, L"DLLの設定(圧縮)", 1),
};

bool Selected(frmArcOption& form, int index) { return winui::OptionButton(&form, ID_optTARArcType + index).Value(); }

// The method's rule: the level means nothing to Compress, and a bzip2 archive has no self-extractor; any
// other method offers the self-extractor as the settings hold it.
void MethodChosen(frmArcOption& form, int index) {
  winui::Control(&form, ID_sldTARArcType).SetEnabled(index != kCompress);
  winui::CheckBox sfx(&form, ID_chkTARMakeSFX);
  sfx.SetEnabled(index != kBzip2);
  if (index == kBzip2) {
    sfx.SetValue(0);
  } else if (std::optional<int64_t> value = core::ParseWholeNumber(core::Settings.TAR_MakeSFX);
             value && *value >= 0 && *value <= 2) {
    sfx.SetValue(static_cast<int>(*value));
  }
}

void Prepare(frmArcOption& form) {
  SetSliderRange(form, ID_sldTARArcType, 1, 9);
  form.On(ID_optTARArcType, winui::Event::Click, [&form](winui::EventArgs& args) { MethodChosen(form, args.index); });
  form.On(ID_cmdTARConfig, winui::Event::Click, [&form](winui::EventArgs& args) {
    archiver::ShowArcConfigDialog(form.Hwnd(), L"TAR", static_cast<int16_t>(args.index + 1));
  });
}

void Transfer(frmArcOption& form, winui::DataExchange& dx) {
  auto& s = core::Settings;
  dx.Choice(ID_optTARArcType, 3, s.TAR_ArcType);
  if (dx.Loading()) {
    // Without a library that writes bzip2 the method falls back to Compress until OK stores it.
    const bool bzip2 = TarBzip2Available(form.Version(Library::Tar), form.Version(Library::Bz2));
    if (!bzip2 && Selected(form, kBzip2)) winui::OptionButton(&form, ID_optTARArcType + kCompress).SetValue(true);
    winui::Control(&form, ID_optTARArcType + kBzip2).SetEnabled(bzip2);
  }
  dx.Slider(ID_sldTARArcType, s.TAR_ArcTypeOpt);
  if (dx.Loading()) winui::Control(&form, ID_sldTARArcType).SetEnabled(!Selected(form, kCompress));
  dx.Flag(ID_chkTARMakeSFX, s.TAR_MakeSFX);
  if (dx.Loading()) winui::Control(&form, ID_chkTARMakeSFX).SetEnabled(!Selected(form, kBzip2));
}

void Shown(frmArcOption& form) {
  const bool present = !form.RereadVersion(Library::Tar).empty();
  SetEnabled(form, {ID_cmdTARConfig, ID_cmdTARConfig + 1}, present);
}

}  // namespace

ArcOptionPage TarPage() { return {kRows, Prepare, Transfer, Shown}; }

}  // namespace options
