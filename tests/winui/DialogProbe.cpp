#include "DialogProbe.h"

namespace probe {
namespace {

using winui::Kind;
using namespace winui;  // style flags

const FormDef kDialog{L"Tolvenar.Tests.frmDialogProbe", L"設定", 5000,  3900,
                      BorderStyle::FixedDialog,         false,   false, StartPosition::CenterScreen};

const ControlDef kFrame[] = {
    {ID_tspPages, L"tspPages", Kind::TabStrip, 120, 120, 4760, 3180, L"", kNone, 0},
    {ID_cmdDialogOK, L"cmdOK", Kind::CommandButton, 2400, 3420, 1200, 375, L"OK", kDefault, 1},
    {ID_cmdDialogCancel, L"cmdCancel", Kind::CommandButton, 3700, 3420, 1200, 375, L"キャンセル", kCancel, 2},
};

}  // namespace

frmDialogProbe::frmDialogProbe() : Form(kDialog, {kFrame, BasicPage(), DetailPage()}) {
  On(ID_cmdDialogOK, Event::Click, [this](EventArgs&) {
    if (SaveControls(
            *this, [this](DataExchange& dx) { Transfer(dx); }, L"設定"))
      EndModal(DialogResult::OK);
  });
  On(ID_cmdDialogCancel, Event::Click, [this](EventArgs&) { EndModal(DialogResult::Cancel); });
  On(ID_chkKeep2, Event::Click,
     [this](EventArgs&) { log.push_back(L"chkKeep_Click " + std::to_wstring(chkKeep.Value())); });
  On(ID_tspPages, Event::Click, [this](EventArgs&) {
    log.push_back(L"tspPages_Click " + std::to_wstring(tspPages.SelectedTab()) +
                  (picDetail.Visible() ? L" 詳細" : L" 基本"));
  });
}

void frmDialogProbe::Form_Load() {
  tspPages.AddTab(L"基本");
  tspPages.AddTab(L"詳細");
  for (const wchar_t* kind : {L"なし", L"通常", L"最大"}) cmbKind.AddItem(kind);
  for (const wchar_t* name : {L"a", L"b", L"c"}) cmbName.AddItem(name);
  Reload();
}

void frmDialogProbe::Transfer(DataExchange& dx) {
  dx.Flag(ID_chkKeep2, settings.keep);
  dx.Choice(ID_optSize, 3, settings.size);
  dx.FlagRow(ID_chkType, 3, settings.types);
  dx.Number(ID_txtCount, settings.count, 1, 16, L"表示数");
  dx.Path(ID_txtFolder, settings.folder);
  dx.Text(ID_txtNote, settings.note);
  dx.ListIndex(ID_cmbKind2, settings.kind);
  dx.ListText(ID_cmbName, settings.name);
  dx.ListText(ID_cmbFree2, settings.free);
  dx.Slider(ID_sldLevel2, settings.level);
  dx.Colour(ID_picColour, settings.colour);
}

}  // namespace probe
