#pragma once
// The installer window: the installation folder with its browse button, the shortcut, context-menu and
// association choices, OK to install and Cancel. The window only moves values between its controls and
// InstallFolder / InstallOptions, through one Transfer that LoadInitialize loads and OK validates and
// stores; the installation itself is the engine's, and its message boxes are owned by this window.
#include <string>

#include "installer/InstallEngine.h"
#include "winui/Controls.h"
#include "winui/DataExchange.h"
#include "winui/Form.h"
#include "winui/ListControls.h"

namespace modInstall {

enum InstallControlId {
  ID_lblInstall = 200,
  ID_txtFolder,
  ID_cmdFolder,
  ID_fraSendTo,
  ID_chkSendTo,
  ID_chkDeskTop,
  ID_fraContextMenu,
  ID_chkQuickMenu,
  ID_chkOpenPackn,
  ID_chkQuickComp,
  ID_fraClasses,
  ID_chkClasses,
  ID_lstClassesArcType,
  ID_cmdOk,
  ID_cmdCancel,
};

// Icon resources of INSTALL.exe.
enum InstallIconId { IDI_INSTALL = 1, IDI_BROWSE = 2 };

class frmInstall : public winui::Form, private InstallUi {
 public:
  explicit frmInstall(const InstallPlaces& places);

  winui::Label lblInstall{this, ID_lblInstall};
  winui::TextBox txtFolder{this, ID_txtFolder};
  winui::CommandButton cmdFolder{this, ID_cmdFolder};
  winui::Frame fraSendTo{this, ID_fraSendTo};
  winui::CheckBox chkSendTo{this, ID_chkSendTo};
  winui::CheckBox chkDeskTop{this, ID_chkDeskTop};
  winui::Frame fraContextMenu{this, ID_fraContextMenu};
  winui::CheckBox chkQuickMenu{this, ID_chkQuickMenu};
  winui::CheckBox chkOpenPackn{this, ID_chkOpenPackn};
  winui::CheckBox chkQuickComp{this, ID_chkQuickComp};
  winui::Frame fraClasses{this, ID_fraClasses};
  winui::CheckBox chkClasses{this, ID_chkClasses};
  winui::ListBox lstClassesArcType{this, ID_lstClassesArcType};
  winui::CommandButton cmdOk{this, ID_cmdOk};
  winui::CommandButton cmdCancel{this, ID_cmdCancel};

  // The controls from InstallFolder and InstallOptions.
  void LoadInitialize();

  void Form_Load() override;
  void Form_Unload(int& cancel) override;
  void cmdOk_Click();
  void cmdCancel_Click();
  void cmdFolder_Click();
  void chkClasses_Click();

  // What the last OK did; empty until then.
  const InstallReport& LastReport() const { return report_; }

 private:
  void StepStarted(InstallStep step) override {}
  int Message(const std::wstring& text, UINT style) override;
  // Every value/control pair once: the folder text (refused when empty or relative), the six check boxes
  // and the marked types as the list's selection.
  void Transfer(winui::DataExchange& dx, std::wstring& folder, InstallOptionSet& options);

  const InstallPlaces& places_;
  InstallReport report_;
};

}  // namespace modInstall
