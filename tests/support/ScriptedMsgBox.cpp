#include "ScriptedMsgBox.h"

#include <gtest/gtest.h>

#include "core/Text.h"

namespace testsupport {

ScriptedMsgBox::ScriptedMsgBox() {
  previous_ = winui::SetMsgBoxHandler([this](const winui::MsgBoxRequest& r) { return Answer(r); });
}

ScriptedMsgBox::~ScriptedMsgBox() {
  for (const auto& step : script_) ADD_FAILURE() << "expected message box never shown: " << core::ToUtf8(step.text);
  winui::SetMsgBoxHandler(std::move(previous_));
}

void ScriptedMsgBox::Expect(const std::wstring& text, int answer) { script_.push_back({text, answer}); }

int ScriptedMsgBox::Answer(const winui::MsgBoxRequest& request) {
  shown_.push_back(request);
  if (onShow) onShow(request);
  for (auto it = script_.begin(); it != script_.end(); ++it) {
    if (it->text == request.text) {
      int answer = it->answer;
      script_.erase(it);
      return answer;
    }
  }
  ADD_FAILURE() << "unexpected message box: " << core::ToUtf8(request.text);
  return (request.style & 0x0F) == MB_OK ? IDOK : IDCANCEL;
}

}  // namespace testsupport
