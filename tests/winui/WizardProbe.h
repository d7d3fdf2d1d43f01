#pragma once
// A three-step wizard used only by the winui tests: an introduction, a name that must not be blank, and a
// last step whose work succeeds or fails as the test says. Its hooks write what ran into `log`.
#include <string>
#include <vector>

#include "winui/Controls.h"
#include "winui/Form.h"
#include "winui/Wizard.h"

namespace probe {

enum WizardId {
  ID_fraStep = 100,  // array: 100..102
  ID_txtStepName = 110,
  ID_chkStepOpen,
  ID_cmdRev,
  ID_cmdNext,
  ID_cmdStepCancel,
};

class frmWizardProbe : public winui::Form {
 public:
  frmWizardProbe();
  winui::TextBox txtName{this, ID_txtStepName};
  winui::CommandButton cmdRev{this, ID_cmdRev};
  winui::CommandButton cmdNext{this, ID_cmdNext};
  winui::Wizard wizard{*this, {ID_fraStep, 3, ID_cmdRev, ID_cmdNext, ID_cmdStepCancel, L"次へ(&N) >", L"完了(&F)"}};

  bool workSucceeds = true;
  std::vector<std::wstring> log;

  void Form_Load() override;
  void Form_KeyDown(int& keyCode, int shift) override;
};

}  // namespace probe
