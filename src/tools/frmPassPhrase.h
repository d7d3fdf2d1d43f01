#pragma once
// The pass-phrase prompt: a small modal dialog in which the user types a pass phrase. The caller may preset
// txtPass and lblComment after loading it, shows it modally and, when the showing ended with OK, reads the
// answer from PassPhrase(); Cancel, Esc and the close box end it with Cancel and no pass phrase. Its Flag
// picks the rule OK applies: any non-empty text, or (strict) one of 8 to 56 characters. A text the rule
// refuses keeps the dialog open with the focus in the box, without a message. OK and Cancel unload the
// dialog, so the next showing starts with an empty box and the comment's own text; the Flag stays as set.
#include <string>

#include "core/PassPhraseAsker.h"
#include "winui/Controls.h"
#include "winui/Form.h"

namespace tools {

class frmPassPhrase : public winui::Form {
 public:
  enum Id : int {
    ID_picFlag = 100,
    ID_lblComment,
    ID_lblPass,
    ID_txtPass,
    ID_CmdOk,
    ID_CmdCancel,
  };

  frmPassPhrase();

  winui::PictureBox picFlag{this, ID_picFlag};
  winui::Label lblComment{this, ID_lblComment};
  winui::Label lblPass{this, ID_lblPass};
  winui::TextBox txtPass{this, ID_txtPass};
  winui::CommandButton CmdOk{this, ID_CmdOk};
  winui::CommandButton CmdCancel{this, ID_CmdCancel};

  // True: only 8 to 56 characters are accepted; false (the start): any non-empty text.
  void Flag(bool blnFlag) { flag_ = blnFlag; }
  // The text OK accepted in this showing; "" before.
  const std::wstring& PassPhrase() const { return passPhrase_; }

  void Form_Load() override;
  void CmdOk_Click();
  void CmdCancel_Click();
  void txtPass_KeyPress(winui::EventArgs& args);

 private:
  bool flag_ = false;
  std::wstring passPhrase_;
};

// Whether OK accepts `text` under the rule of `strict`.
bool PassPhraseAccepted(const std::wstring& text, bool strict);

// The prompt as the program asks it: a fresh dialog for every question, so an answer of an earlier one is
// never taken for this one's.
class PassPhraseDialog : public core::PassPhraseAsker {
 public:
  std::wstring Ask(HWND owner, const core::PassPhraseRequest& request) override;
};

}  // namespace tools
