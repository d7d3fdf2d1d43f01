// The CAB page of the per-type options dialog.
#include "core/SettingValues.h"
#include "core/Settings.h"
#include "core/Text.h"
#include "options/ArcOptionRules.h"
#include "options/PageRows.h"
#include "options/frmArcOption.h"

namespace options {
namespace {

using namespace rows;
constexpr int kPage = ID_fraOption + 2;
// The volume size's scroll bar runs from this value at its top down to 0 at its bottom.
constexpr int kMostVolumeKB = 32767;

const ControlDef kRows[] = {
    PageFrame(2, L"CAB 書庫のオプション"),
    Frame(ID_fraCABMulti, L"fraCABMulti", kPage, 120, 240, 4935, 1620, L"格納方式"),
    Check(ID_chkCABMulti, L"chkCABMulti", ID_fraCABMulti, 120, 240, 2535, 225, L"マルチボリュームで格納(&M)"),
    Option(ID_optCABMulti + 0, L"optCABMulti", ID_fraCABMulti, 240, 540, 1035, 225, L"640KB", 0),
    Option(ID_optCABMulti + 1, L"optCABMulti", ID_fraCABMulti, 1320, 540, 1035, 225, L"720KB", 1),
    Option(ID_optCABMulti + 2, L"optCABMulti", ID_fraCABMulti, 2400, 540, 1035, 225, L"1.25MB", 2),
    Option(ID_optCABMulti + 3, L"optCABMulti", ID_fraCABMulti, 3480, 540, 1035, 225, L"1.44MB", 3),
    Option(ID_optCABMulti + 4, L"optCABMulti", ID_fraCABMulti, 240, 885, 735, 225, L"任意", 4),
    Text(ID_txtCABMulti, L"txtCABMulti", ID_fraCABMulti, 1080, 840, 975, 270, winui::kAlignRight),
    Row(Kind::VScrollBar, ID_vscCABMulti, L"vscCABMulti", ID_fraCABMulti, 2055, 840, 255, 270, L"", -1, winui::kNone,
        kMostVolumeKB),
    Label(ID_lblCABMulti, L"lblCABMulti", ID_fraCABMulti, 2400, 885, 300, 180, L"KB"),
    Label(ID_chkCABMultiFile, L"chkCABMultiFile", ID_fraCABMulti, 240, 1275, 1140, 180, L"ファイル名(&F)"),
    Text(ID_txtCABMultiFile, L"txtCABMultiFile", ID_fraCABMulti, 1440, 1230, 3375, 270),
    Frame(ID_fraCABArcType, L"fraCABArcType", kPage, 120, 1980, 4935, 1200, L"圧縮方式"),
    Option(ID_optCABArcType + 0, L"optCABArcType", ID_fraCABArcType, 240, 240, 1335, 225, L"MS&ZIP形式", 0),
    Option(ID_optCABArcType + 1, L"optCABArcType", ID_fraCABArcType, 1680, 240, 1215, 225, L"&LZX形式", 1),
    Option(ID_optCABArcType + 2, L"optCABArcType", ID_fraCABArcType, 3000, 240, 1815, 225, L"無圧縮形式(&S)", 2),
    Label(ID_lblNo + 2, L"lblNo", ID_fraCABArcType, 240, 600, 255, 180, L"15", 2),
    Slider(ID_sldCABArcType, L"sldCABArcType", ID_fraCABArcType, 540, 540, 3915, 330, 21),
    Label(ID_lblNo + 3, L"lblNo", ID_fraCABArcType, 4500, 600, 300, 180, L"21", 3),
    Label(ID_lblCABArcType + 0, L"lblCABArcType", ID_fraCABArcType, 240, 900, 1500, 180, L"低圧縮", 0),
    Label(ID_lblCABArcType + 1, L"lblCABArcType", ID_fraCABArcType, 3315, 900, 1500, 180, L"高圧縮", 1,
          winui::kAlignRight),
    Frame(ID_fraCABFileOpt, L"fraCABFileOpt", kPage, 120, 3300, 4935, 555, L"ファイルの操作"),
    Check(ID_chkCABFileOpt, L"chkCABFileOpt", ID_fraCABFileOpt, 120, 240, 4695, 225, L"&8+3ファイル形式で格納する"),
    Check(ID_chkCABMakeSFX, L"chkCABMakeSFX", kPage, 240, 3960, 4815, 225, L"自己解凍型書庫を作成する(&X)"),
    Check(ID_chkCABNoPack, L"chkCABNoPack", kPage, 240, 4260, 2055, 225, L"無圧縮で格納する(N)"),
    Text(ID_txtCABNoPack, L"txtCABNoPack", kPage, 2340, 4215, 2715, 270),
    Button(ID_cmdCABConfig + 0, L"cmdCABConfig", kPage, 1800, 4620, 1575, 375, L"DLLの設定(解凍)", 0, winui::kHidden),
    Button(ID_cmdCABConfig + 1, L"cmdCABConfig", kPage, 3480, 4620, 1575, 375, L"DLLの設定(圧縮)", 1, winui::kHidden),
};

bool CustomSize(frmArcOption& form) { return winui::OptionButton(&form, ID_optCABMulti + 4).Value(); }

// The enabled states that follow the multi-volume box; its click also clears the self-extractor box.
void ApplyMultiVolume(frmArcOption& form) {
  const bool multi = IsOn(form, ID_chkCABMulti);
  SetEnabled(form,
             {ID_optCABMulti, ID_optCABMulti + 1, ID_optCABMulti + 2, ID_optCABMulti + 3, ID_optCABMulti + 4,
              ID_txtCABMultiFile},
             multi);
  SetEnabled(form, {ID_txtCABMulti, ID_vscCABMulti}, multi && CustomSize(form));
  winui::Control(&form, ID_chkCABMakeSFX).SetEnabled(!multi);
}

void ApplyMethod(frmArcOption& form) {
  winui::Control(&form, ID_sldCABArcType).SetEnabled(winui::OptionButton(&form, ID_optCABArcType + 1).Value());
}

void Prepare(frmArcOption& form) {
  SetSliderRange(form, ID_sldCABArcType, 15, 21);
  form.On(ID_chkCABMulti, winui::Event::Click, [&form](winui::EventArgs&) {
    ApplyMultiVolume(form);
    if (IsOn(form, ID_chkCABMulti)) winui::CheckBox(&form, ID_chkCABMakeSFX).SetValue(0);
  });
  form.On(ID_optCABMulti, winui::Event::Click, [&form](winui::EventArgs& args) {
    SetEnabled(form, {ID_txtCABMulti, ID_vscCABMulti}, args.index == 4);
  });
  form.On(ID_vscCABMulti, winui::Event::Change, [&form](winui::EventArgs&) {
    const int position = winui::ScrollBar(&form, ID_vscCABMulti).Value();
    winui::TextBox(&form, ID_txtCABMulti).SetText(std::to_wstring(kMostVolumeKB - position));
  });
  form.On(ID_optCABArcType, winui::Event::Click, [&form](winui::EventArgs&) { ApplyMethod(form); });
  form.On(ID_chkCABNoPack, winui::Event::Click,
          [&form](winui::EventArgs&) { EnableWhenOn(form, ID_chkCABNoPack, {ID_txtCABNoPack}); });
  SelectAllOnFocus(form, ID_txtCABMultiFile);
  SelectAllOnFocus(form, ID_txtCABNoPack);
}

// The volume size: a number the box shows and the scroll bar follows; a disabled box is never refused.
void TransferVolumeSize(frmArcOption& form, winui::DataExchange& dx) {
  std::wstring& size = core::Settings.CAB_SizeManual;
  if (dx.GetDirection() != winui::DataExchange::Direction::Validate || winui::Control(&form, ID_txtCABMulti).Enabled())
    dx.Number(ID_txtCABMulti, size, 0, kMostVolumeKB, L"マルチボリュームのサイズ");
  if (!dx.Loading()) return;
  // A value the scroll bar cannot take leaves it where it was.
  const std::optional<int64_t> value = core::ParseWholeNumber(size);
  if (value && *value >= 0 && *value <= kMostVolumeKB)
    winui::ScrollBar(&form, ID_vscCABMulti).SetValue(kMostVolumeKB - static_cast<int>(*value));
}

void Transfer(frmArcOption& form, winui::DataExchange& dx) {
  auto& s = core::Settings;
  dx.Flag(ID_chkCABMulti, s.CAB_Multi);
  TransferVolumeSize(form, dx);
  dx.Choice(ID_optCABMulti, 5, s.CAB_MultiSize);
  dx.Path(ID_txtCABMultiFile, s.CAB_MultiFile);
  if (dx.Loading()) ApplyMultiVolume(form);
  dx.Choice(ID_optCABArcType, 3, s.CAB_ArcType);
  dx.Slider(ID_sldCABArcType, s.CAB_ArcTypeOpt);
  if (dx.Loading()) ApplyMethod(form);
  dx.Flag(ID_chkCABFileOpt, s.CAB_FileOpt);
  dx.Flag(ID_chkCABMakeSFX, s.CAB_MakeSFX);
  // An older or missing cab32 cannot store without compression: the pair is shown but cannot be changed,
  // and OK keeps what the settings hold.
  dx.Flag(ID_chkCABNoPack, s.CAB_NoPack);
  dx.Text(ID_txtCABNoPack, s.CAB_NoPackFilter);
  if (dx.Loading()) {
    const bool noPack = CabNoPackAvailable(form.Version(Library::Cab));
    winui::Control(&form, ID_chkCABNoPack).SetEnabled(noPack);
    winui::Control(&form, ID_txtCABNoPack).SetEnabled(noPack && core::IsOn(s.CAB_NoPack));
  }
}

void Shown(frmArcOption& form) { form.RereadVersion(Library::Cab); }

}  // namespace

ArcOptionPage CabPage() { return {kRows, Prepare, Transfer, Shown}; }

}  // namespace options
