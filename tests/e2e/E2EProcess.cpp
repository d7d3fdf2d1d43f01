#include "E2EProcess.h"

#include <chrono>
#include <thread>

namespace e2e {
namespace {

struct ProcessWindows {
  DWORD id;
  bool hiddenToo;
  std::vector<HWND> found;
};

// A tool tip shows wherever the pointer rests; the pointer is shared with every other test running at the
// same time, so a tip is no window of the program's own making.
bool IsToolTip(HWND window) {
  wchar_t name[64] = L"";
  GetClassNameW(window, name, 64);
  return lstrcmpiW(name, L"tooltips_class32") == 0;
}

BOOL CALLBACK CollectWindow(HWND window, LPARAM data) {
  auto* search = reinterpret_cast<ProcessWindows*>(data);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  if (owner == search->id && (search->hiddenToo || IsWindowVisible(window)) && !IsToolTip(window))
    search->found.push_back(window);
  return TRUE;
}

}  // namespace

std::wstring Env(const wchar_t* name) {
  const DWORD size = GetEnvironmentVariableW(name, nullptr, 0);
  if (size == 0) return L"";
  std::wstring value(size, L'\0');
  value.resize(GetEnvironmentVariableW(name, value.data(), size));
  return value;
}

bool WaitFor(const std::function<bool()>& condition, int seconds) {
  const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(seconds);
  while (std::chrono::steady_clock::now() < end) {
    if (condition()) return true;
    std::this_thread::sleep_for(std::chrono::milliseconds(200));
  }
  return condition();
}

std::vector<HWND> WindowsOf(DWORD processId, bool hiddenToo) {
  ProcessWindows search{processId, hiddenToo, {}};
  EnumWindows(CollectWindow, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

std::wstring ClassOf(HWND window) {
  wchar_t name[128] = L"";
  GetClassNameW(window, name, 128);
  return name;
}

bool IsDialog(HWND window) { return ClassOf(window) == L"#32770"; }

Program::~Program() {
  if (!info_.hProcess) return;
  if (Running()) {
    TerminateProcess(info_.hProcess, 99);
    WaitForSingleObject(info_.hProcess, 10000);
  }
  CloseHandle(info_.hThread);
  CloseHandle(info_.hProcess);
}

bool Program::Start(const std::wstring& program, const std::wstring& arguments, const std::wstring& folder) {
  std::wstring line = L"\"" + program + L"\" " + arguments;
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  return CreateProcessW(program.c_str(), line.data(), nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(), &startup,
                        &info_) != FALSE;
}

long Program::Finish(int seconds) {
  if (WaitForSingleObject(info_.hProcess, static_cast<DWORD>(seconds) * 1000) != WAIT_OBJECT_0) return -1;
  DWORD code = 0;
  GetExitCodeProcess(info_.hProcess, &code);
  return static_cast<long>(code);
}

long Program::FinishClosingWindows(int seconds) {
  WaitFor(
      [&] {
        for (HWND window : WindowsOf(Id())) PostMessageW(window, WM_CLOSE, 0, 0);
        return !Running();
      },
      seconds);
  return Finish(10);
}

HWND Program::WaitForWindow(const std::function<bool(HWND)>& match, int seconds) {
  HWND found = nullptr;
  WaitFor(
      [&] {
        for (HWND window : WindowsOf(Id()))
          if (match(window)) found = window;
        return found != nullptr || !Running();
      },
      seconds);
  return found;
}

}  // namespace e2e
