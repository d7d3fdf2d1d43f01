#pragma once
// Answers message boxes from a script keyed by their exact text; any other box fails the running test.
#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "winui/MsgBox.h"

namespace testsupport {

class ScriptedMsgBox {
 public:
  ScriptedMsgBox();
  ~ScriptedMsgBox();
  ScriptedMsgBox(const ScriptedMsgBox&) = delete;
  ScriptedMsgBox& operator=(const ScriptedMsgBox&) = delete;

  // The next box showing exactly `text` is answered with `answer` (IDOK, IDYES, IDCANCEL...).
  void Expect(const std::wstring& text, int answer = IDOK);
  // Every box shown so far, in order.
  const std::vector<winui::MsgBoxRequest>& Shown() const { return shown_; }
  // True when every expected box was shown.
  bool AllShown() const { return script_.empty(); }
  // Runs as each box shows, so a test can look at the program's state at that moment.
  std::function<void(const winui::MsgBoxRequest&)> onShow;

 private:
  struct Step {
    std::wstring text;
    int answer;
  };
  int Answer(const winui::MsgBoxRequest& request);

  std::deque<Step> script_;
  std::vector<winui::MsgBoxRequest> shown_;
  winui::MsgBoxHandler previous_;
};

}  // namespace testsupport
