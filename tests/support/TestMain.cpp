// Test entry point: no test may show a window it did not ask for, and no test may hang unnoticed.
#include <windows.h>
#include <commctrl.h>
#include <gtest/gtest.h>

#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <string>
#include <thread>

#include "WindowGuard.h"
#include "core/Settings.h"

namespace {

std::atomic<int> allowDepth{0};
HHOOK cbtHook = nullptr;

std::wstring ClassOf(HWND hwnd) {
  wchar_t name[64] = {};
  GetClassNameW(hwnd, name, 63);
  return name;
}

LRESULT CALLBACK CbtProc(int code, WPARAM wParam, LPARAM lParam) {
  if (code >= 0 && allowDepth.load() == 0) {
    if (code == HCBT_CREATEWND) {
      auto* create = reinterpret_cast<CBT_CREATEWNDW*>(lParam);
      const CREATESTRUCTW* cs = create->lpcs;
      bool child = (cs->style & WS_CHILD) != 0;
      bool dialogClass = !IS_INTRESOURCE(cs->lpszClass) ? false : LOWORD(reinterpret_cast<ULONG_PTR>(cs->lpszClass)) == 0x8002;
      if (!child && ((cs->style & WS_VISIBLE) || dialogClass)) {
        ADD_FAILURE() << "a test created a visible window or a dialog box";
        return 1;  // refuse creation, so a modal box cannot block the run
      }
    } else if (code == HCBT_ACTIVATE) {
      HWND hwnd = reinterpret_cast<HWND>(wParam);
      DWORD owner = 0;
      GetWindowThreadProcessId(hwnd, &owner);
      // Test programs run side by side: another program's window (one that a test shows on purpose) is
      // not this test's doing.
      if (owner == GetCurrentProcessId() && IsWindowVisible(hwnd) && !(GetWindowLongW(hwnd, GWL_STYLE) & WS_CHILD)) {
        std::wstring cls = ClassOf(hwnd);
        ADD_FAILURE() << "a test showed a window of class " << std::string(cls.begin(), cls.end());
        return 1;
      }
    }
  }
  return CallNextHookEx(cbtHook, code, wParam, lParam);
}

// Ends the process with the name of a test that runs past its time.
class Watchdog : public testing::EmptyTestEventListener {
 public:
  explicit Watchdog(DWORD limitMs) : limitMs_(limitMs) {
    std::thread([this] { Run(); }).detach();
  }
  void OnTestStart(const testing::TestInfo& info) override {
    std::lock_guard<std::mutex> lock(mutex_);
    name_ = std::string(info.test_suite_name()) + "." + info.name();
    started_ = GetTickCount();
    running_ = true;
  }
  void OnTestEnd(const testing::TestInfo&) override {
    std::lock_guard<std::mutex> lock(mutex_);
    running_ = false;
  }

 private:
  void Run() {
    for (;;) {
      Sleep(500);
      std::lock_guard<std::mutex> lock(mutex_);
      if (running_ && GetTickCount() - started_ > limitMs_) {
        std::fprintf(stderr, "\nWATCHDOG: test %s still running after %lu ms; ending the run\n", name_.c_str(),
                     static_cast<unsigned long>(limitMs_));
        std::fflush(stderr);
        std::fflush(stdout);
        TerminateProcess(GetCurrentProcess(), 124);
      }
    }
  }

  DWORD limitMs_;
  std::mutex mutex_;
  std::string name_;
  DWORD started_ = 0;
  bool running_ = false;
};

}  // namespace

namespace testsupport {
AllowWindows::AllowWindows() { ++allowDepth; }
AllowWindows::~AllowWindows() { --allowDepth; }
}  // namespace testsupport

int wmain(int argc, wchar_t** argv) {
  SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOGPFAULTERRORBOX | SEM_NOOPENFILEERRORBOX);
  INITCOMMONCONTROLSEX icc{sizeof icc, ICC_WIN95_CLASSES | ICC_COOL_CLASSES | ICC_BAR_CLASSES};
  InitCommonControlsEx(&icc);
  testing::InitGoogleTest(&argc, argv);

  DWORD limit = 120000;
  if (const char* env = std::getenv("TOLVENAR_TEST_TIMEOUT_MS")) limit = static_cast<DWORD>(std::strtoul(env, nullptr, 10));
  testing::UnitTest::GetInstance()->listeners().Append(new Watchdog(limit));
  cbtHook = SetWindowsHookExW(WH_CBT, CbtProc, nullptr, GetCurrentThreadId());
  // Loading settings writes a switch of the unzip32 library under HKEY_CURRENT_USER; the test programs run
  // side by side in one Wine prefix, so each keeps its own copy of that key (the stand-in's test of the
  // library's own key then sees no other program's writes).
  const std::wstring unzipKey = L"Software\\TolvenarTests\\unzip32-" + std::to_wstring(GetCurrentProcessId());
  core::SetUnzipSettingsKey(unzipKey + L"\\Settings");
  int result = RUN_ALL_TESTS();
  RegDeleteTreeW(HKEY_CURRENT_USER, unzipKey.c_str());
  if (cbtHook) UnhookWindowsHookEx(cbtHook);
  return result;
}
