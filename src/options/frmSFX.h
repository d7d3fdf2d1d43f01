#pragma once
// How an LZH archive becomes a self-extracting program: the kind of self-extractor, the program's name,
// two naming options and ten sub-switches, four with a text. Loaded from Settings at every showing; OK
// stores every control into Settings and sets PrivateState.SelectOk, Cancel and Esc clear it, any other
// close stores nothing and leaves it.
#include "winui/Controls.h"
#include "winui/Form.h"

namespace options {

class frmSFX : public winui::Form {
 public:
  enum Id : int {
    ID_fraSFX = 100,
    ID_optSFX,  // (0)..(4)
    ID_chkSFXEnglish = ID_optSFX + 5,
    ID_chkSFXCapital,
    ID_lblSFXName,
    ID_txtSFXName,
    ID_fraSfxSubswitch,
    ID_chkSfxSubswitch,                            // (0)..(9)
    ID_txtSfxSubswitch = ID_chkSfxSubswitch + 10,  // (2), (3), (7), (8) at their index
    ID_cmdSfxSubswitch = ID_txtSfxSubswitch + 10,  // (2)
    ID_cmdOk = ID_cmdSfxSubswitch + 10,
    ID_cmdCancel,
  };

  frmSFX();

  winui::CheckBox chkSFXEnglish{this, ID_chkSFXEnglish};
  winui::CheckBox chkSFXCapital{this, ID_chkSFXCapital};
  winui::TextBox txtSFXName{this, ID_txtSFXName};
  winui::CommandButton cmdOk{this, ID_cmdOk};
  winui::CommandButton cmdCancel{this, ID_cmdCancel};
  winui::OptionButton optSFX(int index) { return winui::OptionButton(this, ID_optSFX + index); }
  winui::CheckBox chkSfxSubswitch(int index) { return winui::CheckBox(this, ID_chkSfxSubswitch + index); }
  winui::TextBox txtSfxSubswitch(int index) { return winui::TextBox(this, ID_txtSfxSubswitch + index); }

  void Form_Load() override;
  void Form_KeyDown(int& keyCode, int shift) override;
  void Form_QueryUnload(int& cancel, winui::UnloadMode mode) override;
  void optSFX_Click(int index);
  void chkSfxSubswitch_Click(int index);
  void cmdSfxSubswitch_Click();
  void cmdOk_Click();
  void cmdCancel_Click();
};

// The self-extractor options shown modally with `owner`; PrivateState.SelectOk tells whether OK was pressed
// (the caller clears it first).
void ShowSfxOptions(HWND owner);

// What the name box starts with for the archive `arcFileName`: its file name cut before the last "."; a
// new archive ("$NEW...") takes `sfxName` (trimmed) instead.
std::wstring SfxNameFor(const std::wstring& arcFileName, const std::wstring& sfxName);

}  // namespace options
