#pragma once
// The extraction wizard: four pages (introduction, archives, destination, what follows) on the shared
// wizard base. Finish extracts every listed archive in turn (UnPackWizardRun.h) and closes the wizard.
// Every opening starts from the same defaults; the wizard writes nothing to Settings.
#include <string>

#include "tools/WizardList.h"
#include "winui/CommonControls.h"
#include "winui/Controls.h"
#include "winui/Form.h"
#include "winui/Wizard.h"

namespace tools {

class frmUnPackWizard : public winui::Form {
 public:
  enum Id : int {
    ID_picWizard = 100,
    ID_fraWizard = 110,  // array 110..113: the pages
    ID_lblAssis = 120,   // array 120..130: the pages' texts
    ID_lvwWizard = 140,
    ID_cmdFileSelect,
    ID_cmdDeleteSelect,
    ID_lblUnpackPlace,
    ID_txtUnpackPlace,
    ID_cmdUnpackPlace,
    ID_cmdArcPlace,
    ID_picSearch,
    ID_chkFolder,
    ID_chkMakeFolder,
    ID_fraUnpackAfter,
    ID_optUnpackToRun = 160,  // array 160..162
    ID_chkUnPackToRun = 170,
    ID_chkUnpackOpen,
    ID_cmdRev,
    ID_cmdNext,
    ID_CmdCancel,
  };
  static constexpr int kPageCount = 4;

  frmUnPackWizard();

  winui::ListView lvwWizard{this, ID_lvwWizard};
  winui::CommandButton cmdFileSelect{this, ID_cmdFileSelect};
  winui::CommandButton cmdDeleteSelect{this, ID_cmdDeleteSelect};
  winui::TextBox txtUnpackPlace{this, ID_txtUnpackPlace};
  winui::CommandButton cmdUnpackPlace{this, ID_cmdUnpackPlace};
  winui::CommandButton cmdArcPlace{this, ID_cmdArcPlace};
  winui::CheckBox chkFolder{this, ID_chkFolder};
  winui::CheckBox chkMakeFolder{this, ID_chkMakeFolder};
  winui::CheckBox chkUnPackToRun{this, ID_chkUnPackToRun};
  winui::CheckBox chkUnpackOpen{this, ID_chkUnpackOpen};
  winui::CommandButton cmdRev{this, ID_cmdRev};
  winui::CommandButton cmdNext{this, ID_cmdNext};
  winui::CommandButton CmdCancel{this, ID_CmdCancel};
  winui::Wizard wizard{*this,
                       {ID_fraWizard, kPageCount, ID_cmdRev, ID_cmdNext, ID_CmdCancel, L"次へ(&N) >", L"完了(&F)"}};

  winui::OptionButton optUnpackToRun(int index) { return winui::OptionButton(this, ID_optUnpackToRun + index); }
  // The after-extraction action: the index of the selected choice ("0" when none is), then the ask box.
  std::wstring ActionText();

  void Form_Load() override;
  void Form_Activate() override;
  void Form_KeyDown(int& keyCode, int shift) override;
  void Form_QueryUnload(int& cancel, winui::UnloadMode mode) override;
  void cmdFileSelect_Click();
  void cmdDeleteSelect_Click();
  void cmdArcPlace_Click();
  void cmdUnpackPlace_Click();
  void optUnpackToRun_Click();
  void txtUnpackPlace_GotFocus();

 private:
  bool CanLeave(int step);
  bool Finish();

  WizardList list_{lvwWizard};
};

// File menu "解凍ウィザード(&U)..." and the tool bar's "UnPackWizard": the wizard, modally over the main window.
void ShowUnPackWizard();

}  // namespace tools
