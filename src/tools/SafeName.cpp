#include "tools/SafeName.h"

#include <string_view>

#include "core/Text.h"

namespace tools {
namespace {

bool IsDeviceName(const std::wstring& name) {
  std::wstring base = core::UCase(name.substr(0, name.find(L'.')));
  base.erase(base.find_last_not_of(L' ') + 1);
  static const wchar_t* const kDevices[] = {L"CON", L"PRN", L"AUX", L"NUL", L"CLOCK$", L"CONIN$", L"CONOUT$"};
  for (const wchar_t* device : kDevices)
    if (base == device) return true;
  return base.size() == 4 && (base.compare(0, 3, L"COM") == 0 || base.compare(0, 3, L"LPT") == 0) && base[3] >= L'1' &&
         base[3] <= L'9';
}

}  // namespace

std::wstring SafeFileName(const std::wstring& name) {
  size_t slash = name.find_last_of(L"\\/");
  std::wstring result = slash == std::wstring::npos ? name : name.substr(slash + 1);
  if (result.size() >= 2 && result[1] == L':' && (result[0] | 0x20) >= L'a' && (result[0] | 0x20) <= L'z')
    result.erase(0, 2);
  for (wchar_t& c : result)
    if (c < 32 || std::wstring_view(L":*?\"<>|").find(c) != std::wstring_view::npos) c = L'_';
  size_t first = result.find_first_not_of(L' ');
  result.erase(0, first == std::wstring::npos ? result.size() : first);
  size_t last = result.find_last_not_of(L" .");
  result.erase(last == std::wstring::npos ? 0 : last + 1);
  if (!result.empty() && IsDeviceName(result)) result.insert(0, L"_");
  return result;
}

}  // namespace tools
