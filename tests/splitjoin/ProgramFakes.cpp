#include "ProgramFakes.h"

#include <gtest/gtest.h>

namespace splitjoin_test {

std::vector<std::wstring> ProgramTest::Opened() const {
  std::vector<std::wstring> opened;
  for (const testsupport::FakeProcesses::Open& open : processes.opened)
    opened.push_back(open.verb + L"|" + open.file + L"|" + open.parameters);
  return opened;
}

EscapeAtQuestion::EscapeAtQuestion(std::wstring question, HWND target) {
  previous_ = winui::SetMsgBoxHandler([this, question, target](const winui::MsgBoxRequest& request) {
    if (request.text != question) return previous_(request);
    PostMessageW(target, WM_KEYDOWN, VK_ESCAPE, 0);
    return IDOK;
  });
}

EscapeAtQuestion::~EscapeAtQuestion() { winui::SetMsgBoxHandler(std::move(previous_)); }

}  // namespace splitjoin_test
