// The pass phrase an operation asks for, through the shared prompt: its preset and comment, and the answer
// of each way of closing it.
#include "operations/PassPhrasePrompt.h"

#include <gtest/gtest.h>

#include <functional>

#include "core/modTolvenar.h"
#include "tools/frmPassPhrase.h"
#include "winui/Form.h"

namespace {

TEST(PassPhrasePrompt, PresetCommentAndEveryWayOfClosing) {
  struct Case {
    const char* what;
    std::function<void(tools::frmPassPhrase&)> close;
    const wchar_t* answer;
  };
  const Case cases[] = {
      {"OK on the preset", [](tools::frmPassPhrase& f) { SendMessageW(f.CmdOk.Hwnd(), BM_CLICK, 0, 0); }, L"preset"},
      {"OK on a typed text",
       [](tools::frmPassPhrase& f) {
         f.txtPass.SetText(L"typed");
         SendMessageW(f.CmdOk.Hwnd(), BM_CLICK, 0, 0);
       },
       L"typed"},
      {"Cancel", [](tools::frmPassPhrase& f) { SendMessageW(f.CmdCancel.Hwnd(), BM_CLICK, 0, 0); }, L""},
      // A pass phrase of an earlier prompt is never taken for this one's.
      {"close box", [](tools::frmPassPhrase& f) { SendMessageW(f.Hwnd(), WM_CLOSE, 0, 0); }, L""},
  };
  for (const Case& c : cases) {
    std::wstring comment, box;
    const winui::ModalHook previous = winui::SetModalHook([&](winui::Form& opened) {
      auto& dialog = dynamic_cast<tools::frmPassPhrase&>(opened);
      comment = dialog.lblComment.Caption();
      box = dialog.txtPass.Text();
      c.close(dialog);
    });
    core::PrivateState.SetPassword(L"earlier");
    const std::wstring answer = operations::PassPhrasePrompt().Ask(nullptr, L"preset", L"パスワードを入力して下さい");
    winui::SetModalHook(previous);
    EXPECT_EQ(answer, c.answer) << c.what;
    EXPECT_EQ(core::PrivateState.Password(), c.answer) << c.what;
    EXPECT_EQ(comment, L"パスワードを入力して下さい") << c.what;
    EXPECT_EQ(box, L"preset") << c.what;
  }
}

}  // namespace
