#include "options/ArcOptionRules.h"

#include <windows.h>
#include <commctrl.h>
#include <imm.h>

#include <cwchar>

#include "core/SettingValues.h"
#include "core/Settings.h"
#include "core/clsReg.h"
#include "core/modShell.h"
#include "winui/CommonControls.h"
#include "winui/Controls.h"
#include "winui/ListControls.h"

namespace options {

bool VersionAtLeast(const std::wstring& versionText, const std::wstring& literal) { return versionText >= literal; }

double LeadingVersionNumber(const std::wstring& versionText) {
  size_t end = 0;
  while (end < versionText.size() && versionText[end] >= L'0' && versionText[end] <= L'9') ++end;
  if (end < versionText.size() && versionText[end] == L'.') {
    ++end;
    while (end < versionText.size() && versionText[end] >= L'0' && versionText[end] <= L'9') ++end;
  }
  const std::wstring number = versionText.substr(0, end);
  if (number.empty() || number == L".") return 0;
  return std::wcstod(number.c_str(), nullptr);
}

bool ZipEncryptionAvailable(const std::wstring& izip32j, const std::wstring& zcrypt32) {
  return LeadingVersionNumber(izip32j) > 0.03 && !zcrypt32.empty();
}

bool TarBzip2Available(const std::wstring& tar32, const std::wstring& bz2lib) {
  return VersionAtLeast(tar32, L"0.50") || !bz2lib.empty();
}

bool CabNoPackAvailable(const std::wstring& cab32) { return VersionAtLeast(cab32, L"0.90"); }

bool SevenZipBuiltInSfx(const std::wstring& sevenZip32) { return VersionAtLeast(sevenZip32.substr(0, 4), L"3.13"); }

bool IsOn(winui::Form& form, int checkBoxId) { return winui::CheckBox(&form, checkBoxId).Value() != 0; }

void SetEnabled(winui::Form& form, std::initializer_list<int> ids, bool enabled) {
  for (int id : ids) winui::Control(&form, id).SetEnabled(enabled);
}

void EnableWhenOn(winui::Form& form, int checkBoxId, std::initializer_list<int> ids) {
  SetEnabled(form, ids, IsOn(form, checkBoxId));
}

void SelectAllOnFocus(winui::Form& form, int textBoxId) {
  form.On(textBoxId, winui::Event::GotFocus,
          [&form, textBoxId](winui::EventArgs&) { core::SelectAllText(form.Item(textBoxId)); });
}

void PreparePasswordBox(winui::Form& form, int passwordBoxId, bool selectOnFocus) {
  if (HWND box = form.Item(passwordBoxId)) {
    SendMessageW(box, EM_SETPASSWORDCHAR, L'*', 0);
    // A pass phrase is typed as it is, never composed through an input method.
    ImmAssociateContext(box, nullptr);
  }
  if (selectOnFocus) SelectAllOnFocus(form, passwordBoxId);
}

void BindPasswordRule(winui::Form& form, int checkBoxId, int passwordBoxId, bool selectOnFocus) {
  form.On(checkBoxId, winui::Event::Click,
          [&form, checkBoxId, passwordBoxId](winui::EventArgs&) { EnableWhenOn(form, checkBoxId, {passwordBoxId}); });
  PreparePasswordBox(form, passwordBoxId, selectOnFocus);
}

void SetSliderRange(winui::Form& form, int sliderId, int min, int max, int largeStep) {
  winui::Slider(&form, sliderId).SetRange(min, max);
  if (largeStep > 0) SendMessageW(form.Item(sliderId), TBM_SETPAGESIZE, 0, largeStep);
}

void FillList(winui::Form& form, int comboId, std::initializer_list<const wchar_t*> items) {
  winui::ComboBox combo(&form, comboId);
  combo.Clear();
  for (const wchar_t* item : items) combo.AddItem(item);
}

void StoreUnzipShowResult(const std::wstring& noKekka) {
  clsReg reg;
  const std::wstring& key = core::UnzipSettingsKey();
  const int32_t current = reg.RegGetDWORD(HKEY_CURRENT_USER, key, core::kUnzipShowResultValue);
  if (core::IsOn(noKekka))
    reg.RegSetDWORD(HKEY_CURRENT_USER, key, core::kUnzipShowResultValue, -1);
  else if (current <= 0)
    reg.RegDelValue(HKEY_CURRENT_USER, key, core::kUnzipShowResultValue);
}

}  // namespace options
