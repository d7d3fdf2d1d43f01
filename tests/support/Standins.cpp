#include "Standins.h"

#include <windows.h>

namespace testsupport {

std::wstring StandinFolder() {
  wchar_t buffer[4096];
  DWORD n = GetEnvironmentVariableW(L"TOLVENAR_STANDINS", buffer, 4096);
  std::wstring folder = n && n < 4096 ? std::wstring(buffer, n) : std::wstring();
  if (!folder.empty() && folder[0] == L'/') {
    for (auto& c : folder)
      if (c == L'/') c = L'\\';
    folder = L"Z:" + folder;
  }
  return folder;
}

}  // namespace testsupport
