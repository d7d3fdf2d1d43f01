#pragma once
// Data exchange between a dialog's controls and the settings it edits. A dialog writes one Transfer
// function that lists every setting/control pair once, in one of the value forms below; the same function
// runs in three directions:
//
//   void frmExample::Transfer(winui::DataExchange& dx) {
//     dx.Flag(ID_chkKeep, settings.Keep);                  // check box: "0", "1", "2" (grey)
//     dx.Choice(ID_optSize, 3, settings.Size);             // option buttons ID_optSize..+2: "0".."2"
//     dx.Number(ID_txtCount, settings.Count, 1, 16, L"履歴の数");
//     dx.Path(ID_txtFolder, settings.Folder);
//   }
//   Form_Load:  winui::LoadControls(*this, [this](auto& dx) { Transfer(dx); });
//   cmdOk_Click: if (winui::SaveControls(*this, [this](auto& dx) { Transfer(dx); }, kTitle))
//                  EndModal(winui::DialogResult::OK);
//
// Load puts each setting into its control (as a user's change would, so the controls' click rules run);
// a setting the control cannot show leaves the control as it was. Validate reads every control and
// records the first one whose value cannot be stored, with its message; it changes nothing. Save writes
// every control into its setting. SaveControls validates first and saves only when every control is
// good; otherwise it shows the message through MsgBox and puts the focus on the control (on its tab
// page). The exchange itself never shows anything.
#include <cstdint>
#include <functional>
#include <string>

#include "winui/Form.h"

namespace winui {

class DataExchange {
 public:
  enum class Direction { Load, Validate, Save };

  DataExchange(Form& form, Direction direction) : form_(&form), direction_(direction) {}
  Direction GetDirection() const { return direction_; }
  bool Loading() const { return direction_ == Direction::Load; }
  bool Saving() const { return direction_ == Direction::Save; }
  Form& Owner() const { return *form_; }

  // Whole numbers in settings are decimal with an optional sign and nothing else.

  // Check box: the setting as a whole number 0, 1 or 2 (grey); stored as that one digit.
  void Flag(int id, std::wstring& setting);
  // Check boxes firstId..firstId+count-1: character k+1 of the setting is box k, as for Flag (a missing
  // or non-digit character leaves its box); stored as exactly `count` characters, "1" for every box
  // that is not clear, else "0".
  void FlagRow(int firstId, int count, std::wstring& setting);
  // Option buttons firstId..firstId+count-1: the setting is the index of the selected one; stored as the
  // first selected index (nothing selected leaves the setting as it was).
  void Choice(int firstId, int count, std::wstring& setting);
  // Combo box or list box: the setting is the selected position, -1 for none; stored as such.
  void ListIndex(int id, std::wstring& setting);
  // Combo box: the setting is its text (a drop-down list selects the item with exactly that text);
  // stored as the text shown.
  void ListText(int id, std::wstring& setting);
  // Slider: the setting is its position (a number outside its range leaves it); stored as such.
  void Slider(int id, std::wstring& setting);
  // Text box holding a whole number from `min` to `max`. Loaded as the setting's text; anything else
  // than such a number (blanks around it allowed) fails validation with a message naming `field`;
  // stored in plain decimal.
  void Number(int id, std::wstring& setting, int min, int max, const std::wstring& field);
  // Text box holding a path or a program: loaded unchanged, stored without blanks at either end.
  void Path(int id, std::wstring& setting);
  // Text box: loaded and stored unchanged.
  void Text(int id, std::wstring& setting);
  // A colour shown as the back colour of a control (a swatch): the colour value, which may be a system
  // colour value (0x80000000 | COLOR_xxx) and is kept as such; a control left at its default colour
  // leaves the setting as it was.
  void Colour(int id, int32_t& setting);

  // For rules of the dialog's own (validation only): records `message` for control `id` unless an
  // earlier control already failed.
  void Fail(int id, const std::wstring& message);
  bool Failed() const { return failedId_ != 0; }
  int FailedId() const { return failedId_; }
  const std::wstring& FailMessage() const { return failMessage_; }

 private:
  Form* form_;
  Direction direction_;
  int failedId_ = 0;
  std::wstring failMessage_;
};

using Transfer = std::function<void(DataExchange&)>;

// Settings -> controls.
void LoadControls(Form& form, const Transfer& transfer);
// Checks every control without storing anything; the failure (if any) is in the result.
DataExchange ValidateControls(Form& form, const Transfer& transfer);
// Validates, then stores every control and returns true. On a failure nothing is stored: the message is
// shown (MsgBox with the exclamation icon and `title`, owned by the form), the failing control's page is
// selected and the control takes the focus with its text selected; returns false.
bool SaveControls(Form& form, const Transfer& transfer, const std::wstring& title);
// Shows a validation failure as SaveControls does (nothing when there is none).
void ReportFailure(Form& form, const DataExchange& checked, const std::wstring& title);

}  // namespace winui
