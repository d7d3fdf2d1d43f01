#pragma once
// What the tools' tests share beside the seam fakes of tests/support: the shell opens as they read them,
// modal windows played by a script, and real clicks.
#include <windows.h>

#include <algorithm>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "SeamFakes.h"
#include "core/Seams.h"
#include "winui/Form.h"

namespace toolstest {

// Each shell open as "verb file", in order.
inline std::vector<std::wstring> Executed(const testsupport::FakeProcesses& processes) {
  std::vector<std::wstring> opened;
  for (const testsupport::FakeProcesses::Open& open : processes.opened) opened.push_back(open.verb + L" " + open.file);
  return opened;
}

// Plays the user of every modal form shown while it lives: `play` gets the form, loaded and hidden, and
// drives it through its controls.
class ModalScript {
 public:
  explicit ModalScript(std::function<void(winui::Form&)> play) : previous_(winui::SetModalHook(std::move(play))) {}
  ~ModalScript() { winui::SetModalHook(previous_); }
  ModalScript(const ModalScript&) = delete;
  ModalScript& operator=(const ModalScript&) = delete;

 private:
  winui::ModalHook previous_;
};

// A real click on a control: the button goes down and up over it.
inline void ClickAt(HWND control, int x = 2, int y = 2) {
  PostMessageW(control, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
  PostMessageW(control, WM_LBUTTONUP, 0, MAKELPARAM(x, y));
}

}  // namespace toolstest
