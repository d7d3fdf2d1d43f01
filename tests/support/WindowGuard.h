#pragma once

namespace testsupport {

// While one lives, the test may create and show windows on purpose (screenshots, real dialogs driven by
// another thread). Everywhere else a visible top-level window or dialog box fails the test.
class AllowWindows {
 public:
  AllowWindows();
  ~AllowWindows();
  AllowWindows(const AllowWindows&) = delete;
  AllowWindows& operator=(const AllowWindows&) = delete;
};

}  // namespace testsupport
