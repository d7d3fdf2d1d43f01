#pragma once
// The raw command-line dialog: the user picks one of four libraries (LZH, ZIP, CAB, TAR), types a command
// line in its syntax and runs it unchanged (only the blanks at either end go). The typed lines are kept in
// Settings.ArcCommand; a file picked with the search button is appended; the help button opens the
// library's description file. Enter does not run the command (no default button); Esc cancels.
#include <string>

#include "winui/Controls.h"
#include "winui/Form.h"
#include "winui/ListControls.h"

namespace tools {

class frmCommandLine : public winui::Form {
 public:
  enum Id : int {
    ID_frmArcType = 100,
    ID_cboCommandLine,
    ID_cmdFileSearch,
    ID_CmdOk,
    ID_CmdCancel,
    ID_cmdHelp,
    ID_optArcType = 110,      // array: 110..113
    ID_lblCommandLine = 120,  // array: 120..121
  };

  frmCommandLine();

  winui::ComboBox cboCommandLine{this, ID_cboCommandLine};
  winui::CommandButton cmdFileSearch{this, ID_cmdFileSearch};
  winui::CommandButton CmdOk{this, ID_CmdOk};
  winui::CommandButton CmdCancel{this, ID_CmdCancel};
  winui::CommandButton cmdHelp{this, ID_cmdHelp};
  winui::OptionButton optArcType(int index) { return winui::OptionButton(this, ID_optArcType + index); }
  winui::Label lblCommandLine(int index) { return winui::Label(this, ID_lblCommandLine + index); }

  // The folder of the file picked last in this opening ("" until one is picked).
  const std::wstring& SearchFolder() const { return searchFolder_; }

  void Form_Load() override;
  void Form_KeyDown(int& keyCode, int shift) override;
  void Form_QueryUnload(int& cancel, winui::UnloadMode mode) override;
  void optArcType_Click(winui::EventArgs& args);
  void cboCommandLine_LostFocus();
  void cmdFileSearch_Click();
  void cmdHelp_Click();
  void CmdOk_Click();
  void CmdCancel_Click();

 private:
  // Index of the selected type option (0 when none is).
  int SelectedType();

  std::wstring searchFolder_;
};

}  // namespace tools
