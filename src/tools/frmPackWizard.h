#pragma once
// The compression wizard: five pages (introduction, type, sources, archive name, what follows), Back,
// Next/Finish and Cancel on the shared wizard base. Finish runs the creation (PackWizardRun.h); a
// successful run closes the wizard, a failed one keeps everything on the last page. Every opening starts
// afresh; what outlives it is what the options dialog and the run wrote.
#include <cstdint>
#include <string>

#include "core/ArcCatalogue.h"
#include "tools/PackWizardRun.h"
#include "tools/WizardList.h"
#include "winui/CommonControls.h"
#include "winui/Controls.h"
#include "winui/Form.h"
#include "winui/Wizard.h"

namespace tools {

class frmPackWizard : public winui::Form {
 public:
  enum Id : int {
    ID_picWizard = 100,
    ID_fraWizard = 110,  // array 110..114: the pages
    ID_lblAssis = 120,   // array 120..129: two per page
    ID_fraArcType = 130,
    ID_optArcType = 140,  // array 140..156, one per type index
    ID_cmdOption = 160,
    ID_lvwWizard,
    ID_cmdFileSelect,
    ID_cmdFolderSelect,
    ID_cmdDeleteSelect,
    ID_lblMakeArc,
    ID_txtMakeArc,
    ID_cmdMakeArc,
    ID_chkMakeSFX,
    ID_frapackAfter,
    ID_chkPackOpen,
    ID_chkPackExOpen,
    ID_cmdRev,
    ID_cmdNext,
    ID_CmdCancel,
  };
  static constexpr int kPageCount = 5;

  explicit frmPackWizard(PackWizardHost& host);

  winui::ListView lvwWizard{this, ID_lvwWizard};
  winui::CommandButton cmdOption{this, ID_cmdOption};
  winui::CommandButton cmdFileSelect{this, ID_cmdFileSelect};
  winui::CommandButton cmdFolderSelect{this, ID_cmdFolderSelect};
  winui::CommandButton cmdDeleteSelect{this, ID_cmdDeleteSelect};
  winui::TextBox txtMakeArc{this, ID_txtMakeArc};
  winui::CommandButton cmdMakeArc{this, ID_cmdMakeArc};
  winui::CheckBox chkMakeSFX{this, ID_chkMakeSFX};
  winui::CheckBox chkPackOpen{this, ID_chkPackOpen};
  winui::CheckBox chkPackExOpen{this, ID_chkPackExOpen};
  winui::CommandButton cmdRev{this, ID_cmdRev};
  winui::CommandButton cmdNext{this, ID_cmdNext};
  winui::CommandButton CmdCancel{this, ID_CmdCancel};
  winui::Wizard wizard{*this,
                       {ID_fraWizard, kPageCount, ID_cmdRev, ID_cmdNext, ID_CmdCancel, L"次へ(&N) >", L"完了(&F)"}};

  winui::OptionButton optArcType(int index) { return winui::OptionButton(this, ID_optArcType + index); }
  // The type taken when the type page was left (0 before), and the archive name made of the name box.
  int16_t ArcType() const { return arcType_; }
  const std::wstring& MakeArcName() const { return makeArcName_; }

  void Form_Load() override;
  void Form_Activate() override;
  void Form_KeyDown(int& keyCode, int shift) override;
  void Form_QueryUnload(int& cancel, winui::UnloadMode mode) override;
  void cmdOption_Click();
  void cmdFileSelect_Click();
  void cmdFolderSelect_Click();
  void cmdDeleteSelect_Click();
  void lvwWizard_DblClick();
  void cmdMakeArc_Click();
  void txtMakeArc_GotFocus();

 private:
  bool CanLeave(int step);
  void Entered(int step);
  bool Finish();
  const core::ArcTypeRow& Row() const;
  // The index of the first checked type button, 0 when none is.
  int16_t GetArcTypeIndex();
  void SetMakeArcName();
  void EnableAddButtons(bool enabled);

  PackWizardHost& host_;
  WizardList list_{lvwWizard};
  int16_t arcType_ = 0;
  std::wstring makeArcName_;
};

// File menu "圧縮ウィザード(&W)..." and the tool bar's "PackWizard": the wizard, modally over the main window.
void ShowPackWizard(PackWizardHost& host);

}  // namespace tools
