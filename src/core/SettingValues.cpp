#include "core/SettingValues.h"

#include "core/Text.h"
#include "winui/App.h"

namespace core {

bool IsOn(const std::wstring& flag) { return flag != L"0"; }

bool IsExactlyOn(const std::wstring& flag) { return flag == L"1"; }

bool FlagIs(const std::wstring& flags, size_t k, wchar_t mark) {
  return k >= 1 && flags.size() >= k && flags[k - 1] == mark;
}

std::optional<int> WholeSetting(const std::wstring& text, int low, int high) {
  const std::optional<int64_t> value = ParseWholeNumber(text);
  if (!value || *value < low || *value > high) return std::nullopt;
  return static_cast<int>(*value);
}

int WholeSetting(const std::wstring& text, int fallback, int low, int high) {
  return WholeSetting(text, low, high).value_or(fallback);
}

std::optional<int> ChoiceIndex(const std::wstring& text, int first, int last) {
  for (int k = first; k <= last; ++k)
    if (text == ToWString(k)) return k;
  return std::nullopt;
}

namespace {

// The choice at the index `text` stores among the first `count`; `other` for any other text.
template <typename Choice>
Choice ChoiceOf(const std::wstring& text, int count, Choice other) {
  const std::optional<int> index = ChoiceIndex(text, 0, count - 1);
  return index ? static_cast<Choice>(*index) : other;
}

}  // namespace

PathMode PathModeOf(const std::wstring& comFolder) { return ChoiceOf(comFolder, 3, PathMode::Unknown); }

bool KeepsPaths(PathMode paths) { return paths == PathMode::Relative || paths == PathMode::Absolute; }

CabMethod CabMethodOf(const std::wstring& cabArcType) { return ChoiceOf(cabArcType, 3, CabMethod::Unknown); }

TarCompression TarCompressionOf(const std::wstring& tarArcType) {
  return ChoiceOf(tarArcType, 3, TarCompression::Unknown);
}

BgaMethod BgaMethodOf(const std::wstring& bgaArcType) { return ChoiceOf(bgaArcType, 2, BgaMethod::Unknown); }

GcaMode GcaModeOf(const std::wstring& gcaArcType) { return ChoiceOf(gcaArcType, 3, GcaMode::PerFile); }

GcaPassSource GcaPassSourceOf(const std::wstring& gcaPassType) {
  return ChoiceOf(gcaPassType, 2, GcaPassSource::Unknown);
}

SevenZipFormat SevenZipFormatOf(const std::wstring& sevenZipArcType) {
  return sevenZipArcType == L"7z" ? SevenZipFormat::SevenZip : SevenZipFormat::Zip;
}

Yz2Threads Yz2ThreadsOf(const std::wstring& yz2MultiThread) { return ChoiceOf(yz2MultiThread, 3, Yz2Threads::Single); }

COLORREF ColorSetting(int32_t value) {
  return winui::ResolveColor(static_cast<COLORREF>(static_cast<uint32_t>(value)));
}

const wchar_t* FlagText(bool on) { return on ? L"1" : L"0"; }

}  // namespace core
