#pragma once
// The program under test as another process: starting it, waiting on it, finding its windows, ending it.
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

namespace e2e {

// An environment variable; "" when unset.
std::wstring Env(const wchar_t* name);

// Polls `condition` every 200 ms for up to `seconds`; its last answer.
bool WaitFor(const std::function<bool()>& condition, int seconds);

// The visible top-level windows of a process; with `hiddenToo`, also those not shown (yet).
std::vector<HWND> WindowsOf(DWORD processId, bool hiddenToo = false);
// The window class's name.
std::wstring ClassOf(HWND window);
// A message box or other dialog box, which would wait for a user.
bool IsDialog(HWND window);

// The program under test; killed when the test ends with it still running.
class Program {
 public:
  Program() = default;
  ~Program();
  Program(const Program&) = delete;
  Program& operator=(const Program&) = delete;

  bool Start(const std::wstring& program, const std::wstring& arguments, const std::wstring& folder);
  HANDLE Handle() const { return info_.hProcess; }
  DWORD Id() const { return info_.dwProcessId; }
  bool Running() const { return WaitForSingleObject(info_.hProcess, 0) == WAIT_TIMEOUT; }
  // Waits for the end; the exit code, or -1 when it did not end in time.
  long Finish(int seconds);
  // Closes every window the program still shows (the archiver's result window, for one) until it ends,
  // waiting up to `seconds`; its exit code, or -1.
  long FinishClosingWindows(int seconds);
  // The first visible window of the program that `match` accepts, waiting up to `seconds`; nullptr when
  // none came or the program ended first.
  HWND WaitForWindow(const std::function<bool(HWND)>& match, int seconds);

 private:
  PROCESS_INFORMATION info_{};
};

}  // namespace e2e
