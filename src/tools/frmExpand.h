#pragma once
// The name of an LZ expansion: the dialog shows the proposed path of the expanded file as folder and name in
// one box and the extension in another, with the character to type selected (the "_" that stands for the
// missing last letter); OK ends the showing with OK and the two boxes joined with "." as Choice(); Cancel,
// Esc and the close box end it with Cancel and no choice.
#include <string>

#include "winui/Controls.h"
#include "winui/Form.h"

namespace tools {

class frmExpand : public winui::Form {
 public:
  enum Id : int {
    ID_lblExpand = 100,
    ID_txtExt,
    ID_CmdOk,
    ID_CmdCancel,
    ID_txtFileName,
    ID_lblDot,
  };

  frmExpand();

  winui::Label lblExpand{this, ID_lblExpand};
  winui::TextBox txtExt{this, ID_txtExt};
  winui::CommandButton CmdOk{this, ID_CmdOk};
  winui::CommandButton CmdCancel{this, ID_CmdCancel};
  winui::TextBox txtFileName{this, ID_txtFileName};
  winui::Label lblDot{this, ID_lblDot};

  // The path the boxes show at the next opening.
  void SetProposed(const std::wstring& path) { proposed_ = path; }
  // The path OK confirmed in this showing; "" before.
  const std::wstring& Choice() const { return choice_; }

  void Form_Load() override;
  void Form_KeyDown(int& keyCode, int shift) override;
  void Form_QueryUnload(int& cancel, winui::UnloadMode mode) override;
  void CmdOk_Click();
  void CmdCancel_Click();

 private:
  std::wstring proposed_;
  std::wstring choice_;
};

}  // namespace tools
