#include "ProgramFakes.h"

#include <gtest/gtest.h>

namespace splitjoin_test {

BOOL FakeFileDialog::OpenFile(OPENFILENAMEW& record) {
  ++asked;
  title = record.lpstrTitle ? record.lpstrTitle : L"";
  initialDir = record.lpstrInitialDir ? record.lpstrInitialDir : L"";
  flags = record.Flags;
  filter.clear();
  for (const wchar_t* p = record.lpstrFilter; p && *p; p += wcslen(p) + 1) filter += std::wstring(p) + L"|";
  if (answer.empty() || answer.size() + 2 > record.nMaxFile) return FALSE;
  answer.copy(record.lpstrFile, answer.size());
  record.lpstrFile[answer.size()] = L'\0';
  record.lpstrFile[answer.size() + 1] = L'\0';
  return TRUE;
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
