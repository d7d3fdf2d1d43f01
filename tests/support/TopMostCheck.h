#pragma once
// Whether a window is top-most, and the check that a form loads top-most exactly when the main window's
// NeverTop answer is not "0".
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "SeamFakes.h"
#include "winui/Form.h"

namespace testsupport {

inline bool IsTopMost(HWND window) { return (GetWindowLongW(window, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0; }

// Loads and unloads the form once with NeverTop "0" and once with "1"; `link` must be the installed link.
inline void ExpectTopMostUnlessNeverTopIsZero(winui::Form& form, FakeMainWindow& link) {
  for (const wchar_t* neverTop : {L"0", L"1"}) {
    link.neverTop = neverTop;
    ASSERT_TRUE(form.Load());
    EXPECT_EQ(std::wstring(neverTop) != L"0", IsTopMost(form.Hwnd())) << neverTop;
    form.Unload();
  }
}

}  // namespace testsupport
