#include "core/SettingValues.h"

#include "core/Text.h"
#include "winui/App.h"

namespace core {

bool IsOn(const std::wstring& flag) { return flag != L"0"; }

std::optional<int> WholeSetting(const std::wstring& text, int low, int high) {
  const std::optional<int64_t> value = ParseWholeNumber(text);
  if (!value || *value < low || *value > high) return std::nullopt;
  return static_cast<int>(*value);
}

int WholeSetting(const std::wstring& text, int fallback, int low, int high) {
  return WholeSetting(text, low, high).value_or(fallback);
}

COLORREF ColorSetting(int32_t value) {
  return winui::ResolveColor(static_cast<COLORREF>(static_cast<uint32_t>(value)));
}

const wchar_t* FlagText(bool on) { return on ? L"1" : L"0"; }

}  // namespace core
