#pragma once
// The result window: shows the text output of an archiver call, with OK and a copy button.
#include "winui/Controls.h"
#include "winui/Form.h"

namespace archiver {

// Control ids, stable for outside programs that drive the window.
enum frmViewIds {
  ID_frmView_txtStatus = 101,
  ID_frmView_cmdOk = 102,
  ID_frmView_cmdCopy = 103,
};

class frmView : public winui::Form {
 public:
  frmView();

  winui::TextBox txtStatus{this, ID_frmView_txtStatus};
  winui::CommandButton cmdOk{this, ID_frmView_cmdOk};
  winui::CommandButton cmdCopy{this, ID_frmView_cmdCopy};

  void Form_Load() override;
  void Form_KeyDown(int& keyCode, int shift) override;
  void cmdOk_Click();
  void cmdCopy_Click();
};

// The program-wide result window; unloaded after each showing, so every showing starts with an empty box.
frmView& View();

}  // namespace archiver
