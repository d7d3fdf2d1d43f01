#pragma once
// The joiner's window: the join-info file of a set, the destination folder, the name that will be
// restored, two options, and OK to run the join engine. Control ids are stable for outside programs.
#include <string>

#include "winui/CommonControls.h"
#include "winui/Form.h"
#include "splitjoin/ProgramHelpers.h"
#include "winui/OperationHost.h"

namespace molquen {

enum ControlId {
  ID_Label3 = 100,  // array: 100..102
  ID_txtKetugoFileName = 110,
  ID_cmdKetugoFileName,
  ID_txtFromFolder,
  ID_cmdFromFolder,
  ID_txtAfterFileName,
  ID_chkAfterDelete,
  ID_chkAfterOpen,
  ID_cmdOk,
  ID_cmdCancel,
  ID_picStatus,
  ID_sbrStatus,
};

// Icon resources of Molquen.exe.
enum IconId { IDI_MOLQUEN = 1, IDI_OPENFILE = 2, IDI_FOLDER = 3 };

extern const wchar_t kTitle[];

class frmMolquen : public winui::Form {
 public:
  frmMolquen();

  winui::Label Label3_0{this, ID_Label3};
  winui::Label Label3_1{this, ID_Label3 + 1};
  winui::Label Label3_2{this, ID_Label3 + 2};
  winui::TextBox txtKetugoFileName{this, ID_txtKetugoFileName};
  winui::CommandButton cmdKetugoFileName{this, ID_cmdKetugoFileName};
  winui::TextBox txtFromFolder{this, ID_txtFromFolder};
  winui::CommandButton cmdFromFolder{this, ID_cmdFromFolder};
  winui::TextBox txtAfterFileName{this, ID_txtAfterFileName};
  winui::CheckBox chkAfterDelete{this, ID_chkAfterDelete};
  winui::CheckBox chkAfterOpen{this, ID_chkAfterOpen};
  winui::CommandButton cmdOk{this, ID_cmdOk};
  winui::CommandButton cmdCancel{this, ID_cmdCancel};
  winui::PictureBox picStatus{this, ID_picStatus};
  winui::StatusBar sbrStatus{this, ID_sbrStatus};

  // The join while it runs: busy state, cancel request, bar and status text.
  winui::OperationHost run{*this, splitjoin::RunParts(cmdOk, cmdCancel, picStatus, sbrStatus, kTitle)};
  bool IsBusy() const { return run.Busy(); }

  void Form_Load() override;
  void Form_KeyDown(int& keyCode, int shift) override;
  void Form_QueryUnload(int& cancel, winui::UnloadMode mode) override;

  void cmdKetugoFileName_Click();
  void cmdFromFolder_Click();
  void cmdOk_Click();
  void cmdCancel_Click();
  void ShowJoinInfo();
};

}  // namespace molquen
