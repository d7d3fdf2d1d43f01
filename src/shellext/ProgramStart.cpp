#include "shellext/ProgramStart.h"

#include <vector>

#include "core/clsReg.h"
#include "core/modPath.h"

namespace shellext {

std::wstring ReadTolvenarDir() { return clsReg().RegGetString(HKEY_CURRENT_USER, kFoldersKey, kFolderValue); }

std::wstring CompressCommandLine(const std::wstring& tolvenarDir, const std::wstring& selection) {
  std::wstring exe = L"Tolvenar.exe";
  if (!tolvenarDir.empty()) exe = core::AddBackslash(tolvenarDir) + exe;
  return core::QuoteIfSpace(exe) + L" /c " + selection;
}

HRESULT StartProgram(const std::wstring& commandLine) {
  // The platform may write into the line it is given, so it gets its own copy.
  std::vector<wchar_t> line(commandLine.begin(), commandLine.end());
  line.push_back(L'\0');
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESHOWWINDOW;
  startup.wShowWindow = SW_SHOWNORMAL;
  PROCESS_INFORMATION process{};
  if (!CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process)) {
    DWORD error = GetLastError();
    return error != 0 ? HRESULT_FROM_WIN32(error) : E_FAIL;
  }
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return S_OK;
}

}  // namespace shellext
