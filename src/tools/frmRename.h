#pragma once
// Editing one entry of a template's file list: the caller gives the entry before the showing; OK (or Enter)
// ends the showing with OK and the text without the blanks around it as Choice(), and refuses a text that
// could not be stored as an entry (blanks only, or no code-page-932 form); Cancel, Esc and the close box
// end it with Cancel and no choice. The window is modal and starts afresh at every opening.
#include <string>

#include "winui/Controls.h"
#include "winui/Form.h"

namespace tools {

class frmRename : public winui::Form {
 public:
  enum Id : int {
    ID_PicIcon = 100,
    ID_txtRename,
    ID_CmdOk,
    ID_CmdCancel,
    ID_lblComment = 110,  // array: 110..111
  };

  frmRename();

  winui::PictureBox PicIcon{this, ID_PicIcon};
  winui::TextBox txtRename{this, ID_txtRename};
  winui::CommandButton CmdOk{this, ID_CmdOk};
  winui::CommandButton CmdCancel{this, ID_CmdCancel};
  winui::Label lblComment(int index) { return winui::Label(this, ID_lblComment + index); }

  // The entry the box shows at the next opening.
  void SetEntry(const std::wstring& entry) { entry_ = entry; }
  // The entry OK confirmed in this showing; "" before.
  const std::wstring& Choice() const { return choice_; }

  void Form_Load() override;
  void Form_KeyDown(int& keyCode, int shift) override;
  void txtRename_GotFocus();
  void CmdOk_Click();
  void CmdCancel_Click();

 private:
  std::wstring entry_;
  std::wstring choice_;
};

}  // namespace tools
