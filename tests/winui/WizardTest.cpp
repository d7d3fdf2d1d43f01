// The wizard's step machine on a hidden test wizard, driven through its buttons as a user clicks them.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>

#include "KeyInput.h"
#include "ScriptedMsgBox.h"
#include "WizardProbe.h"
#include "winui/App.h"

namespace {

class WizardTest : public testing::Test {
 protected:
  void Click(const winui::CommandButton& button) { SendMessageW(button.Hwnd(), BM_CLICK, 0, 0); }
  // Which step's page shows, -1 when not exactly one.
  int ShownPage() {
    int shown = -1, count = 0;
    for (int k = 0; k < 3; ++k)
      if (winui::Control(&form, probe::ID_fraStep + k).Visible()) shown = k, ++count;
    return count == 1 ? shown : -1;
  }
  void ExpectStep(int step, bool backEnabled, const wchar_t* nextCaption) {
    EXPECT_EQ(form.wizard.Step(), step);
    EXPECT_EQ(ShownPage(), step);
    EXPECT_EQ(form.cmdRev.Enabled(), backEnabled);
    EXPECT_EQ(form.cmdNext.Caption(), nextCaption);
  }
  probe::frmWizardProbe form;
};

TEST_F(WizardTest, StepsForwardAndBackWithTheButtonsFollowingTheStep) {
  ASSERT_TRUE(form.Load());
  ExpectStep(0, false, L"次へ(&N) >");
  Click(form.cmdNext);
  ExpectStep(1, true, L"次へ(&N) >");
  EXPECT_EQ(GetFocus(), form.txtName.Hwnd()) << "the step's entry hook ran";

  {
    testsupport::ScriptedMsgBox box;
    box.Expect(L"名前を入力して下さい");
    form.txtName.SetText(L"  ");
    Click(form.cmdNext);
    EXPECT_TRUE(box.AllShown());
  }
  ExpectStep(1, true, L"次へ(&N) >");
  EXPECT_EQ(GetFocus(), form.txtName.Hwnd()) << "the refused field has the focus";

  form.txtName.SetText(L"書庫");
  Click(form.cmdNext);
  ExpectStep(2, true, L"完了(&F)");
  Click(form.cmdRev);
  ExpectStep(1, true, L"次へ(&N) >");
  EXPECT_EQ(form.txtName.Text(), L"書庫") << "values are kept when going back";
  Click(form.cmdNext);
  ExpectStep(2, true, L"完了(&F)");
  Click(form.cmdRev);
  Click(form.cmdRev);
  Click(form.cmdRev);
  ExpectStep(0, false, L"次へ(&N) >");
  EXPECT_EQ(form.log, (std::vector<std::wstring>{L"entered 0", L"canLeave 0", L"entered 1", L"canLeave 1",
                                                 L"canLeave 1", L"entered 2", L"entered 1", L"canLeave 1", L"entered 2",
                                                 L"entered 1", L"entered 0"}));
}

TEST_F(WizardTest, FinishEndsWithOkOnlyWhenTheWorkSucceeds) {
  winui::ModalHook previous = winui::SetModalHook([&](winui::Form&) {
    form.txtName.SetText(L"名前");
    Click(form.cmdNext);
    Click(form.cmdNext);
    form.workSucceeds = false;
    Click(form.cmdNext);
    ASSERT_TRUE(form.IsLoaded()) << "a failed run keeps the wizard";
    ExpectStep(2, true, L"完了(&F)");
    form.workSucceeds = true;
    Click(form.cmdNext);
  });
  winui::DialogResult result = form.ShowModal();
  winui::SetModalHook(previous);
  EXPECT_EQ(result, winui::DialogResult::OK);
  EXPECT_FALSE(form.IsLoaded()) << "the wizard starts afresh next time";
  EXPECT_EQ(std::count(form.log.begin(), form.log.end(), L"finish"), 2);
}

TEST_F(WizardTest, CancelEscAndTheCloseBoxEndWithCancel) {
  struct Case {
    const char* how;
    void (*end)(probe::frmWizardProbe&);
  };
  const Case cases[] = {
      {"Cancel", [](probe::frmWizardProbe& f) { SendMessageW(f.Item(probe::ID_cmdStepCancel), BM_CLICK, 0, 0); }},
      {"Esc", [](probe::frmWizardProbe& f) { winuitest::Key(f.txtName.Hwnd(), VK_ESCAPE); }},
      {"close box", [](probe::frmWizardProbe& f) { SendMessageW(f.Hwnd(), WM_CLOSE, 0, 0); }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.how);
    winui::ModalHook previous = winui::SetModalHook([&](winui::Form&) {
      form.txtName.SetText(L"名前");
      Click(form.cmdNext);
      Click(form.cmdNext);
      c.end(form);
    });
    EXPECT_EQ(form.ShowModal(), winui::DialogResult::Cancel);
    winui::SetModalHook(previous);
    EXPECT_FALSE(form.IsLoaded());
    EXPECT_EQ(std::count(form.log.begin(), form.log.end(), L"finish"), 0);
    form.log.clear();
  }
  ASSERT_TRUE(form.Load());
  ExpectStep(0, false, L"次へ(&N) >");
}

}  // namespace
