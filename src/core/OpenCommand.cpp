#include "core/OpenCommand.h"

#include <vector>

namespace core {
namespace {

// The default value of a key as text; empty when it is missing or not text.
std::wstring DefaultValue(HKEY root, const std::wstring& subKey) {
  DWORD bytes = 0;
  const DWORD flags = RRF_RT_REG_SZ | RRF_RT_REG_EXPAND_SZ | RRF_NOEXPAND;
  if (RegGetValueW(root, subKey.c_str(), nullptr, flags, nullptr, nullptr, &bytes) != ERROR_SUCCESS || bytes == 0)
    return std::wstring();
  std::vector<wchar_t> buffer(bytes / sizeof(wchar_t) + 1);
  bytes = static_cast<DWORD>(buffer.size() * sizeof(wchar_t));
  if (RegGetValueW(root, subKey.c_str(), nullptr, flags, nullptr, buffer.data(), &bytes) != ERROR_SUCCESS)
    return std::wstring();
  return std::wstring(buffer.data());
}

}  // namespace

std::wstring GetOpenCommandUnder(HKEY root, const std::wstring& prefix, const std::wstring& extension) {
  if (extension.empty()) return std::wstring();
  const std::wstring className = DefaultValue(root, prefix + extension);
  if (className.empty()) return std::wstring();
  return DefaultValue(root, prefix + className + L"\\shell\\open\\command");
}

std::wstring GetOpenCommand(const std::wstring& extension) {
  return GetOpenCommandUnder(HKEY_CLASSES_ROOT, L"", extension);
}

}  // namespace core
