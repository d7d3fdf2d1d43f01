#include "WizardProbe.h"

#include "winui/DataExchange.h"

namespace probe {
namespace {

using winui::Kind;
using namespace winui;  // style flags

const FormDef kWizard{
    L"Tolvenar.Tests.frmWizardProbe", L"ウィザード", 6000, 3000, BorderStyle::FixedDialog, false, false,
    StartPosition::CenterScreen,      true};

const ControlDef kControls[] = {
    {ID_fraStep, L"fraStep", Kind::Frame, 120, 120, 5760, 2200, L"1 / 3", kNone, -1, 0, 0},
    {ID_fraStep + 1, L"fraStep", Kind::Frame, 120, 120, 5760, 2200, L"2 / 3", kNone, -1, 0, 1},
    {ID_txtStepName, L"txtName", Kind::TextBox, 120, 300, 3000, 300, L"", kNone, -1, ID_fraStep + 1},
    {ID_fraStep + 2, L"fraStep", Kind::Frame, 120, 120, 5760, 2200, L"3 / 3", kNone, -1, 0, 2},
    {ID_chkStepOpen, L"chkOpen", Kind::CheckBox, 120, 300, 3000, 270, L"開く(&O)", kNone, -1, ID_fraStep + 2},
    {ID_cmdRev, L"cmdRev", Kind::CommandButton, 2100, 2500, 1200, 375, L"< 戻る(&B)"},
    {ID_cmdNext, L"cmdNext", Kind::CommandButton, 3400, 2500, 1200, 375, L"次へ(&N) >"},
    {ID_cmdStepCancel, L"cmdCancel", Kind::CommandButton, 4700, 2500, 1200, 375, L"キャンセル(&C)"},
};

}  // namespace

frmWizardProbe::frmWizardProbe() : Form(kWizard, kControls) {
  wizard.canLeave = [this](int step) {
    log.push_back(L"canLeave " + std::to_wstring(step));
    if (step != 1) return true;
    DataExchange checked = ValidateControls(*this, [this](DataExchange& dx) {
      if (txtName.Text().find_first_not_of(L' ') == std::wstring::npos)
        dx.Fail(ID_txtStepName, L"名前を入力して下さい");
    });
    ReportFailure(*this, checked, L"ウィザード");
    return !checked.Failed();
  };
  wizard.entered = [this](int step) {
    log.push_back(L"entered " + std::to_wstring(step));
    if (step == 1) txtName.SetFocus();
  };
  wizard.finish = [this] {
    log.push_back(L"finish");
    return workSucceeds;
  };
}

void frmWizardProbe::Form_Load() { wizard.Start(); }

void frmWizardProbe::Form_KeyDown(int& keyCode, int) {
  if (keyCode != VK_ESCAPE) return;
  keyCode = 0;
  wizard.Cancel();
}

}  // namespace probe
