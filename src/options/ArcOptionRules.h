#pragma once
// What the pages of the per-type options dialog share: the library version gates, and the small control
// rules that several pages repeat (a box that enables others, a password box, a slider's range).
#include <initializer_list>
#include <string>

#include "winui/Form.h"

namespace options {

// Version gates. A version text ("#0.00", "" when the library is missing) is compared with a literal as
// text, character by character by character code, so "0.100" is below "0.90" and "10.00" below "3.13".
bool VersionAtLeast(const std::wstring& versionText, const std::wstring& literal);
// The number at the start of a version text (0 when there is none): "0.04" is 0.04, "1.85.0.05" is 1.85.
double LeadingVersionNumber(const std::wstring& versionText);

// ZIP encryption: IZIP32J above 0.03 (read as a number) and any ZCRYPT32.
bool ZipEncryptionAvailable(const std::wstring& izip32j, const std::wstring& zcrypt32);
// The bzip2 method of TAR: tar32 0.50 or higher, or else any bz2lib.
bool TarBzip2Available(const std::wstring& tar32, const std::wstring& bz2lib);
// The no-compression filter of CAB: cab32 0.90 or higher.
bool CabNoPackAvailable(const std::wstring& cab32);
// The self-extractor built into 7-zip32: the first four characters of its version "3.13" or higher.
bool SevenZipBuiltInSfx(const std::wstring& sevenZip32);

// A check box is on when it is not clear (ticked or grey).
bool IsOn(winui::Form& form, int checkBoxId);
// Enables the controls exactly when the check box is on.
void EnableWhenOn(winui::Form& form, int checkBoxId, std::initializer_list<int> ids);
void SetEnabled(winui::Form& form, std::initializer_list<int> ids, bool enabled);
// A default-password box shows "*" for each character, takes no input-method composition and, when asked,
// selects its text on focus.
void PreparePasswordBox(winui::Form& form, int passwordBoxId, bool selectOnFocus);
// Prepares the password box and binds the rule "the box is enabled when the check box is on" to the check
// box's click.
void BindPasswordRule(winui::Form& form, int checkBoxId, int passwordBoxId, bool selectOnFocus);
// The text box selects its whole text whenever it gets the focus.
void SelectAllOnFocus(winui::Form& form, int textBoxId);
// A slider that does not start at 0; `largeStep` 0 keeps the control's own.
void SetSliderRange(winui::Form& form, int sliderId, int min, int max, int largeStep = 0);
// Clears a combo box and fills it with the items, position 0 first.
void FillList(winui::Form& form, int comboId, std::initializer_list<const wchar_t*> items);

// The unzip32 library's own switch "ShowResult", kept in step with Settings.ZIP_NoKekka when OK stores it:
// on writes -1; off deletes a value of 0 or below and leaves a positive one alone.
void StoreUnzipShowResult(const std::wstring& noKekka);

}  // namespace options
