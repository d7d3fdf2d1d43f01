#pragma once
// The confirmation of every new archive's type: the 17 types as option buttons, OK only while the chosen
// type can be created here, the type's self-extracting option and, for cabinet and RAR volume sets, the
// new archive's name, how paths are stored, and the per-type options dialog on the chosen type's page.
// It writes what OK confirms into Settings; OK ends the showing with OK and the chosen type as Choice(),
// Cancel, Esc and the close box end it with Cancel, so a caller never acts on an answer of an earlier
// showing.
#include <string>

#include "winui/Controls.h"
#include "winui/Form.h"

namespace options {

// What OK answers.
struct NewArchiveChoice {
  int arcType = 0;  // the chosen type's index (core::ArcTypeIndex)
};

class frmDropOption : public winui::Form {
 public:
  enum Id : int {
    ID_picQa = 100,
    ID_lblQa,
    ID_fraArcType,
    ID_optArcType,  // (0)..(16)
    ID_fraFolder = ID_optArcType + 17,
    ID_optFolder,  // (0)..(2)
    ID_chkMakeSFX = ID_optFolder + 3,
    ID_lblPackName,
    ID_txtPackName,
    ID_cmdFolder,
    ID_cmdOk,
    ID_cmdCancel,
    ID_cmdOption,
  };
  // Inside heights (twips) of the three sizes: types only, with paths and options, with the name row.
  static constexpr int kTypesHeight = 2760;
  static constexpr int kOptionsHeight = 3945;
  static constexpr int kNameRowHeight = 4710;

  frmDropOption();

  winui::Label lblQa{this, ID_lblQa};
  winui::CheckBox chkMakeSFX{this, ID_chkMakeSFX};
  winui::Label lblPackName{this, ID_lblPackName};
  winui::TextBox txtPackName{this, ID_txtPackName};
  winui::CommandButton cmdFolder{this, ID_cmdFolder};
  winui::CommandButton cmdOk{this, ID_cmdOk};
  winui::CommandButton cmdCancel{this, ID_cmdCancel};
  winui::CommandButton cmdOption{this, ID_cmdOption};
  winui::OptionButton optArcType(int index) { return winui::OptionButton(this, ID_optArcType + index); }
  winui::OptionButton optFolder(int index) { return winui::OptionButton(this, ID_optFolder + index); }

  // Kept between showings; each caller sets what it needs first.
  const std::wstring& CaptionTitle() const { return captionTitle_; }
  void SetCaptionTitle(const std::wstring& value) { captionTitle_ = value; }
  void SetDragMode(bool value) { dragMode_ = value; }
  int OptionFlag() const { return optionFlag_; }
  void SetOptionFlag(int value) { optionFlag_ = value; }
  // The choice of the last OK.
  const NewArchiveChoice& Choice() const { return choice_; }

  // Loads the dialog when needed and switches the type's button on (which runs its click).
  void SetArcType(int intArcIndex);
  // The first type switched on; 0 when none is.
  int GetArcType();
  // OK enabled while the chosen type can be created here.
  void SetDialogStatus();

  void Form_Load() override;
  void Form_KeyDown(int& keyCode, int shift) override;
  void Form_QueryUnload(int& cancel, winui::UnloadMode mode) override;
  void optArcType_Click(int index);
  void cmdOk_Click();
  void cmdCancel_Click();
  void cmdOption_Click();
  void cmdFolder_Click();

 private:
  void SetInsideHeight(int twips);
  bool AnyTypeOn();

  std::wstring captionTitle_;
  bool dragMode_ = false;
  int optionFlag_ = 0;
  NewArchiveChoice choice_;
};

// The one dialog of the run (made at its first use).
frmDropOption& DropOption();

}  // namespace options
