#include "tools/ProgramInfo.h"

#include <cwchar>
#include <vector>

#include "core/Text.h"

namespace tools {
namespace {

std::wstring ModulePath(HMODULE module) {
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    DWORD length = GetModuleFileNameW(module, path.data(), static_cast<DWORD>(path.size()));
    if (length < path.size()) {
      path.resize(length);
      return path;
    }
    path.resize(path.size() * 2);
  }
}

// "ProductName" in the first language the resource lists.
std::wstring ProductName(const std::vector<BYTE>& block) {
  struct Translation {
    WORD language;
    WORD codePage;
  };
  Translation* translations = nullptr;
  UINT length = 0;
  if (!VerQueryValueW(block.data(), L"\\VarFileInfo\\Translation", reinterpret_cast<void**>(&translations), &length) ||
      length < sizeof(Translation))
    return L"";
  wchar_t query[64];
  swprintf(query, 64, L"\\StringFileInfo\\%04x%04x\\ProductName", translations->language, translations->codePage);
  wchar_t* text = nullptr;
  if (!VerQueryValueW(block.data(), query, reinterpret_cast<void**>(&text), &length) || !text || length == 0)
    return L"";
  return std::wstring(text, wcsnlen(text, length));
}

}  // namespace

ProgramIdentity ReadProgramIdentity(HMODULE module) {
  ProgramIdentity program;
  const std::wstring path = ModulePath(module);
  size_t slash = path.rfind(L'\\');
  std::wstring file = slash == std::wstring::npos ? path : path.substr(slash + 1);
  program.folder = slash == std::wstring::npos ? L"" : path.substr(0, slash == 2 ? 3 : slash);
  program.exeName = file.substr(0, file.rfind(L'.'));

  DWORD handle = 0;
  DWORD size = GetFileVersionInfoSizeW(path.c_str(), &handle);
  if (size == 0) return program;
  std::vector<BYTE> block(size);
  if (!GetFileVersionInfoW(path.c_str(), 0, size, block.data())) return program;
  VS_FIXEDFILEINFO* fixed = nullptr;
  UINT length = 0;
  if (VerQueryValueW(block.data(), L"\\", reinterpret_cast<void**>(&fixed), &length) && fixed &&
      length >= sizeof(VS_FIXEDFILEINFO)) {
    program.major = HIWORD(fixed->dwFileVersionMS);
    program.minor = LOWORD(fixed->dwFileVersionMS);
    program.revision = LOWORD(fixed->dwFileVersionLS);
  }
  program.productName = ProductName(block);
  return program;
}

std::wstring ProgramVersionText(const ProgramIdentity& program) {
  return core::ToWString(program.major) + L"." + core::ToWString(program.minor) + L"." +
         core::ToWString(program.revision);
}

}  // namespace tools
