#include "FixtureWinSupport.h"

namespace fixture_win {

int RunTool(const wchar_t* tool, const std::wstring& arguments, std::string& output) {
  return RunProgram(standintest::StandinFolder() + L"\\" + tool, arguments, output);
}

int RunProgram(const std::wstring& exe, const std::wstring& arguments, std::string& output) {
  output.clear();
  SECURITY_ATTRIBUTES sa{sizeof sa, nullptr, TRUE};
  HANDLE readEnd, writeEnd;
  if (!CreatePipe(&readEnd, &writeEnd, &sa, 0)) return -1;
  SetHandleInformation(readEnd, HANDLE_FLAG_INHERIT, 0);
  STARTUPINFOW si{};
  si.cb = sizeof si;
  si.dwFlags = STARTF_USESTDHANDLES | STARTF_USESHOWWINDOW;
  si.wShowWindow = SW_HIDE;
  si.hStdOutput = writeEnd;
  si.hStdError = writeEnd;
  si.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
  std::wstring line = L"\"" + exe + L"\" " + arguments;
  PROCESS_INFORMATION pi{};
  // A program written a moment ago can still be refused for a while on a loaded machine under Wine; a
  // program that cannot start at all still fails after two seconds.
  BOOL started = FALSE;
  DWORD why = 0;
  for (int attempt = 0; attempt < 20 && !started; ++attempt) {
    if (attempt > 0) Sleep(100);
    started =
        CreateProcessW(nullptr, line.data(), nullptr, nullptr, TRUE, CREATE_NO_WINDOW, nullptr, nullptr, &si, &pi);
    if (!started) why = GetLastError();
  }
  CloseHandle(writeEnd);
  if (!started) {
    CloseHandle(readEnd);
    output = "the program did not start: error " + std::to_string(why);
    return -1;
  }
  char buffer[4096];
  DWORD got;
  while (ReadFile(readEnd, buffer, sizeof buffer, &got, nullptr) && got > 0) output.append(buffer, got);
  CloseHandle(readEnd);
  DWORD code = static_cast<DWORD>(-1);
  if (WaitForSingleObject(pi.hProcess, 30000) == WAIT_OBJECT_0) GetExitCodeProcess(pi.hProcess, &code);
  CloseHandle(pi.hProcess);
  CloseHandle(pi.hThread);
  return static_cast<int>(code);
}

std::wstring WriteList(const testsupport::TempDir& dir, const std::wstring& file, const std::wstring& names) {
  return dir.WriteFile(file, standintest::Cp932(names));
}

bool Logged(const std::vector<standin::LogRecord>& log, const std::string& entry, const std::string& arguments) {
  for (const standin::LogRecord& r : log)
    if (r.entry == entry && r.arguments == arguments) return true;
  return false;
}

}  // namespace fixture_win
