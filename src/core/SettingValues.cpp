#include "core/SettingValues.h"

#include "core/Text.h"

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
  const auto bits = static_cast<uint32_t>(value);
  if (bits & 0x80000000u) return GetSysColor(static_cast<int>(bits & 0xFFu));
  return static_cast<COLORREF>(bits & 0xFFFFFFu);
}

}  // namespace core
