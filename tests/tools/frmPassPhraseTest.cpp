// The pass-phrase prompt as the user answers it: typing, OK, Enter, Cancel, Esc and the close box, the two
// rules of its Flag, a fresh dialog at every showing, and the prompt as the program asks it (a preset, a
// comment, the rule) with the answer it returns.
#include "tools/frmPassPhrase.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "KeyInput.h"
#include "ToolFakes.h"

namespace {

using tools::frmPassPhrase;

const wchar_t kOwnComment[] =
    L"このJPEGファイルは448bit可変長キー暗号化アルゴリズム「BlowFish」によって暗号化されています";

void Press(winui::CommandButton& button) { SendMessageW(button.Hwnd(), BM_CLICK, 0, 0); }

class frmPassPhraseTest : public ::testing::Test {
 protected:
  void TearDown() override { form.Unload(); }
  // Shows the dialog modally; `answer` plays the user while it is open.
  winui::DialogResult Show(std::function<void(frmPassPhrase&)> answer) {
    toolstest::ModalScript script([&](winui::Form&) { answer(form); });
    return form.ShowModal();
  }

  frmPassPhrase form;
};

TEST_F(frmPassPhraseTest, OkTakesOnlyWhatTheFlagsRuleAccepts) {
  const struct {
    bool strict;
    size_t length;
    bool accepted;
  } cases[] = {{true, 7, false},  {true, 8, true},  {true, 56, true}, {true, 57, false},
               {false, 0, false}, {false, 1, true}, {false, 80, true}};
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.strict << " " << c.length);
    form.Flag(c.strict);
    const std::wstring text(c.length, L'p');
    bool open = false;
    HWND focus = nullptr;
    const winui::DialogResult result = Show([&](frmPassPhrase& f) {
      f.txtPass.SetText(text);
      Press(f.CmdOk);
      open = f.IsLoaded();
      focus = GetFocus();
    });
    EXPECT_EQ(!c.accepted, open);
    EXPECT_EQ(c.accepted ? winui::DialogResult::OK : winui::DialogResult::Cancel, result);
    EXPECT_EQ(c.accepted ? text : L"", form.PassPhrase());
    if (!c.accepted) {
      EXPECT_EQ(form.txtPass.Hwnd(), focus) << "the focus goes back to the box";
    }
    form.Unload();
  }
}

TEST_F(frmPassPhraseTest, EnterInTheBoxIsOk) {
  form.Flag(true);
  bool openAfterSeven = false;
  const winui::DialogResult result = Show([&](frmPassPhrase& f) {
    winuitest::Type(f.txtPass.Hwnd(), "secret7");
    winuitest::Key(f.txtPass.Hwnd(), VK_RETURN);
    openAfterSeven = f.IsLoaded();
    winuitest::Type(f.txtPass.Hwnd(), "8");
    winuitest::Key(f.txtPass.Hwnd(), VK_RETURN);
  });
  EXPECT_TRUE(openAfterSeven) << "seven characters are refused";
  EXPECT_FALSE(form.IsLoaded());
  EXPECT_EQ(winui::DialogResult::OK, result);
  EXPECT_EQ(L"secret78", form.PassPhrase());
}

TEST_F(frmPassPhraseTest, CancelEscAndTheCloseBoxAnswerNothing) {
  const struct {
    const char* how;
    void (*close)(frmPassPhrase&);
  } cases[] = {
      {"Cancel", [](frmPassPhrase& f) { Press(f.CmdCancel); }},
      {"Esc", [](frmPassPhrase& f) { winuitest::Key(f.txtPass.Hwnd(), VK_ESCAPE); }},
      {"close box", [](frmPassPhrase& f) { SendMessageW(f.Hwnd(), WM_CLOSE, 0, 0); }},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.how);
    // An answer of an earlier showing is never taken for this one's.
    Show([](frmPassPhrase& f) {
      f.txtPass.SetText(L"an earlier answer");
      Press(f.CmdOk);
    });
    ASSERT_EQ(L"an earlier answer", form.PassPhrase());
    const winui::DialogResult result = Show([&](frmPassPhrase& f) {
      f.txtPass.SetText(L"typed but not confirmed");
      c.close(f);
    });
    EXPECT_FALSE(form.IsLoaded());
    EXPECT_EQ(winui::DialogResult::Cancel, result);
    EXPECT_EQ(L"", form.PassPhrase());
  }
}

TEST_F(frmPassPhraseTest, EveryShowingStartsAfreshButKeepsTheFlag) {
  form.Flag(true);
  ASSERT_TRUE(form.Load());
  form.lblComment.SetCaption(L"パスワードを入力して下さい");
  form.txtPass.SetText(L"abc");
  Press(form.CmdCancel);

  ASSERT_TRUE(form.Load());
  EXPECT_EQ(L"", form.txtPass.Text());
  EXPECT_EQ(kOwnComment, form.lblComment.Caption());
  EXPECT_EQ(L"パスワード入力", form.Caption());
  form.txtPass.SetText(L"1234567");
  Press(form.CmdOk);
  EXPECT_TRUE(form.IsLoaded()) << "still strict";
  EXPECT_TRUE(GetWindowLongW(form.txtPass.Hwnd(), GWL_STYLE) & ES_PASSWORD) << "echoed as *";
}

// The dialog behind every pass-phrase question of the program: each question gets a fresh dialog with its
// preset, comment and rule, and only OK answers.
TEST(PassPhraseDialog, ShowsTheQuestionAndAnswersOnlyOk) {
  const wchar_t kAsked[] = L"パスワードを入力して下さい";
  struct Case {
    const char* what;
    std::function<void(frmPassPhrase&)> close;
    const wchar_t* answer;
  };
  const Case cases[] = {
      {"OK on the preset", [](frmPassPhrase& f) { Press(f.CmdOk); }, L"preset"},
      {"OK on a typed text",
       [](frmPassPhrase& f) {
         f.txtPass.SetText(L"typed");
         Press(f.CmdOk);
       },
       L"typed"},
      {"Cancel", [](frmPassPhrase& f) { Press(f.CmdCancel); }, L""},
      {"close box", [](frmPassPhrase& f) { SendMessageW(f.Hwnd(), WM_CLOSE, 0, 0); }, L""},
  };
  tools::PassPhraseDialog dialog;
  std::wstring comment, box;
  std::function<void(frmPassPhrase&)> close;
  toolstest::ModalScript script([&](winui::Form& opened) {
    auto& shown = dynamic_cast<frmPassPhrase&>(opened);
    comment = shown.lblComment.Caption();
    box = shown.txtPass.Text();
    close(shown);
  });
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    close = c.close;
    EXPECT_EQ(c.answer, dialog.Ask(nullptr, {L"preset", kAsked}));
    EXPECT_EQ(kAsked, comment);
    EXPECT_EQ(L"preset", box);
  }

  // No comment keeps the dialog's own; the strict rule refuses the six letters of the preset.
  bool refused = false;
  close = [&](frmPassPhrase& f) {
    Press(f.CmdOk);
    refused = f.IsLoaded();
    SendMessageW(f.Hwnd(), WM_CLOSE, 0, 0);
  };
  EXPECT_EQ(L"", dialog.Ask(nullptr, {L"preset", L"", true}));
  EXPECT_TRUE(refused);
  EXPECT_EQ(kOwnComment, comment);
}

}  // namespace
