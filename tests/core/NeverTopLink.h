#pragma once
// A main-window link whose Settings.NeverTop answer the test sets, and the check that a form loads
// top-most exactly when that answer is not "0".
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "core/MainWindowLink.h"
#include "winui/Form.h"

namespace coretest {

class NeverTopLink : public core::MainWindowLink {
 public:
  HWND Hwnd() override { return mainWindow; }
  std::wstring NeverTop() override { return neverTop; }

  std::wstring neverTop = L"0";
  HWND mainWindow = nullptr;

 private:
  core::ScopedMainWindowLink installed_{*this};
};

inline bool IsTopMost(HWND window) { return (GetWindowLongW(window, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0; }

// Loads and unloads the form once with NeverTop "0" and once with "1".
inline void ExpectTopMostUnlessNeverTopIsZero(winui::Form& form, NeverTopLink& link) {
  for (const wchar_t* neverTop : {L"0", L"1"}) {
    link.neverTop = neverTop;
    ASSERT_TRUE(form.Load());
    EXPECT_EQ(std::wstring(neverTop) != L"0", IsTopMost(form.Hwnd())) << neverTop;
    form.Unload();
  }
}

}  // namespace coretest
