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

// The class key of the type of `extension` (below `prefix`, with a trailing "\"); empty when none.
std::wstring ClassKey(HKEY root, const std::wstring& prefix, const std::wstring& extension) {
  if (extension.empty()) return std::wstring();
  const std::wstring className = DefaultValue(root, prefix + extension);
  return className.empty() ? std::wstring() : prefix + className + L"\\";
}

}  // namespace

std::wstring GetOpenCommandUnder(HKEY root, const std::wstring& prefix, const std::wstring& extension) {
  const std::wstring classKey = ClassKey(root, prefix, extension);
  if (classKey.empty()) return std::wstring();
  return DefaultValue(root, classKey + L"shell\\open\\command");
}

std::wstring GetOpenCommand(const std::wstring& extension) {
  return GetOpenCommandUnder(HKEY_CLASSES_ROOT, L"", extension);
}

std::optional<std::vector<ShellVerb>> GetShellVerbsUnder(HKEY root, const std::wstring& prefix,
                                                         const std::wstring& extension) {
  const std::wstring classKey = ClassKey(root, prefix, extension);
  if (classKey.empty()) return std::nullopt;
  const std::wstring shellKey = classKey + L"shell";
  HKEY shell = nullptr;
  if (RegOpenKeyExW(root, shellKey.c_str(), 0, KEY_READ, &shell) != ERROR_SUCCESS) return std::nullopt;
  std::vector<ShellVerb> verbs;
  for (DWORD index = 0;; ++index) {
    wchar_t name[256];
    DWORD length = 256;
    const LONG status = RegEnumKeyExW(shell, index, name, &length, nullptr, nullptr, nullptr, nullptr);
    if (status == ERROR_MORE_DATA) continue;  // a name too long for any verb
    if (status != ERROR_SUCCESS) break;
    // Verbs that work without a command line (handled inside the shell) have nothing to start here.
    const std::wstring verb(name, length);
    const std::wstring commandKey = shellKey + L"\\" + verb + L"\\command";
    HKEY command = nullptr;
    if (RegOpenKeyExW(root, commandKey.c_str(), 0, KEY_READ, &command) != ERROR_SUCCESS) continue;
    RegCloseKey(command);
    verbs.push_back({verb, DefaultValue(root, commandKey)});
  }
  RegCloseKey(shell);
  return verbs;
}

std::optional<std::vector<ShellVerb>> GetShellVerbs(const std::wstring& extension) {
  return GetShellVerbsUnder(HKEY_CLASSES_ROOT, L"", extension);
}

}  // namespace core
