// The pass-phrase prompt as the user answers it: typing, OK, Enter, Cancel, Esc and the close box, the two
// rules of its Flag, and a fresh dialog at every showing.
#include "tools/frmPassPhrase.h"

#include <gtest/gtest.h>

#include <string>

#include "KeyInput.h"
#include "ProgramStateGuard.h"
#include "core/modTolvenar.h"

namespace {

const wchar_t kOwnComment[] =
    L"このJPEGファイルは448bit可変長キー暗号化アルゴリズム「BlowFish」によって暗号化されています";

class frmPassPhraseTest : public ::testing::Test {
 protected:
  void TearDown() override { form.Unload(); }
  static void Press(winui::CommandButton& button) { SendMessageW(button.Hwnd(), BM_CLICK, 0, 0); }

  testsupport::ProgramStateGuard state;
  tools::frmPassPhrase form;
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
    core::PrivateState.SetPassword(L"earlier");
    form.Flag(c.strict);
    ASSERT_TRUE(form.Load());
    const std::wstring text(c.length, L'p');
    form.txtPass.SetText(text);
    Press(form.CmdOk);
    EXPECT_EQ(!c.accepted, form.IsLoaded());
    EXPECT_EQ(c.accepted ? text : L"earlier", core::PrivateState.Password());
    if (!c.accepted) {
      EXPECT_EQ(form.txtPass.Hwnd(), GetFocus()) << "the focus goes back to the box";
    }
    form.Unload();
  }
}

TEST_F(frmPassPhraseTest, EnterInTheBoxIsOk) {
  form.Flag(true);
  ASSERT_TRUE(form.Load());
  winuitest::Type(form.txtPass.Hwnd(), "secret7");
  winuitest::Key(form.txtPass.Hwnd(), VK_RETURN);
  EXPECT_TRUE(form.IsLoaded()) << "seven characters are refused";
  EXPECT_EQ(L"", core::PrivateState.Password());

  winuitest::Type(form.txtPass.Hwnd(), "8");
  winuitest::Key(form.txtPass.Hwnd(), VK_RETURN);
  EXPECT_FALSE(form.IsLoaded());
  EXPECT_EQ(L"secret78", core::PrivateState.Password());
}

TEST_F(frmPassPhraseTest, CancelEscAndTheCloseBoxAnswerEmpty) {
  const struct {
    const char* how;
    void (*close)(tools::frmPassPhrase&);
  } cases[] = {
      {"Cancel", [](tools::frmPassPhrase& f) { Press(f.CmdCancel); }},
      {"Esc", [](tools::frmPassPhrase& f) { winuitest::Key(f.txtPass.Hwnd(), VK_ESCAPE); }},
      {"close box", [](tools::frmPassPhrase& f) { SendMessageW(f.Hwnd(), WM_CLOSE, 0, 0); }},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.how);
    core::PrivateState.SetPassword(L"an earlier answer");
    ASSERT_TRUE(form.Load());
    form.txtPass.SetText(L"typed but not confirmed");
    c.close(form);
    EXPECT_FALSE(form.IsLoaded());
    EXPECT_EQ(L"", core::PrivateState.Password());
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

}  // namespace
