// The helper a window holds while a job runs, on the joiner's real window: the busy state, the stop
// request from the Cancel button, Esc and the close box, and the redraw rule of the bar and status text.
#include "winui/OperationHost.h"

#include <gtest/gtest.h>

#include <functional>

#include "ProgramFakes.h"
#include "core/OperationUi.h"
#include "splitjoin/frmMolquen.h"
#include "winui/App.h"

namespace {

using molquen::frmMolquen;

class OperationHostTest : public splitjoin_test::ProgramTest {
 protected:
  void SetUp() override {
    ASSERT_TRUE(form.Load());
    form.run.SetClock([this] { return now; });
  }
  void TearDown() override { form.run.SetClock(nullptr); }
  // A pixel well inside the bar: the bar colour once it is drawn past half.
  COLORREF BarPixel() { return GetPixel(form.picStatus.Hdc(), 2, 2); }
  void WhitenBar() {
    RECT all{0, 0, 2000, 200};
    FillRect(form.picStatus.Hdc(), &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
  }

  frmMolquen form;
  DWORD now = 100000;
};

TEST_F(OperationHostTest, WhileAJobRunsCancelEscAndTheCloseBoxOnlyAskItToStop) {
  struct Way {
    const char* name;
    std::function<void()> act;  // as real messages to the real window
  };
  const Way ways[] = {
      {"Cancel button", [&] { SendMessageW(form.cmdCancel.Hwnd(), BM_CLICK, 0, 0); }},
      {"Esc", [&] { PostMessageW(form.txtFromFolder.Hwnd(), WM_KEYDOWN, VK_ESCAPE, 0); }},
      {"close box", [&] { PostMessageW(form.Hwnd(), WM_SYSCOMMAND, SC_CLOSE, 0); }},
  };
  form.run.RequestStop();  // left over from an earlier job: each job starts without it
  for (const Way& way : ways) {
    SCOPED_TRACE(way.name);
    bool before = true, after = false;
    form.run.Run([&] {
      EXPECT_TRUE(form.IsBusy());
      EXPECT_FALSE(form.cmdOk.Enabled());
      EXPECT_EQ(form.cmdCancel.Caption(), L"ｷｬﾝｾﾙ(&C)");
      before = form.run.StopRequested();
      way.act();
      winui::DoEvents();
      after = form.run.StopRequested();
    });
    EXPECT_FALSE(before);
    EXPECT_TRUE(after);
    EXPECT_TRUE(form.IsLoaded());
    EXPECT_FALSE(form.IsBusy());
    EXPECT_TRUE(form.cmdOk.Enabled());
    EXPECT_EQ(form.cmdCancel.Caption(), L"閉じる(&C)");
  }

  // Idle, the Cancel button closes the window.
  SendMessageW(form.cmdCancel.Hwnd(), BM_CLICK, 0, 0);
  EXPECT_FALSE(form.IsLoaded());
}

TEST_F(OperationHostTest, PendingMessagesRunAtMostEveryTwentyMilliseconds) {
  core::FormOperationUi ui(form.run);
  std::vector<bool> stopped;
  form.run.Run([&] {
    ui.ShowNow();  // messages ran now
    PostMessageW(form.cmdCancel.Hwnd(), BM_CLICK, 0, 0);
    now += 19;
    ui.Pump();
    stopped.push_back(ui.Cancelled());
    now += 1;
    ui.Pump();
    stopped.push_back(ui.Cancelled());
  });
  EXPECT_EQ(stopped, (std::vector<bool>{false, true}));
}

TEST_F(OperationHostTest, StatusAndBarAreRedrawnOnChangeAtMostEveryHundredMilliseconds) {
  core::FormOperationUi ui(form.run);
  form.run.Run([&] {
    ui.ShowProgress(true);
    ui.DrawProgress(0.9f, false);
    ui.SetStatus(L"残り 3000 (1/2)");
    ui.ShowNow();  // the start of a piece
    EXPECT_EQ(form.sbrStatus.PanelText(2), L"残り 3000 (1/2)");
    EXPECT_EQ(BarPixel(), GetSysColor(COLOR_ACTIVECAPTION));

    ui.SetStatus(L"残り 2000 (1/2)");
    now += 99;
    ui.Pump();
    EXPECT_EQ(form.sbrStatus.PanelText(2), L"残り 3000 (1/2)");
    now += 1;
    ui.Pump();
    EXPECT_EQ(form.sbrStatus.PanelText(2), L"残り 2000 (1/2)");

    // Nothing changed: nothing is drawn, however long it has been.
    WhitenBar();
    now += 1000;
    ui.DrawProgress(0.9f, false);
    ui.SetStatus(L"残り 2000 (1/2)");
    ui.Pump();
    EXPECT_EQ(BarPixel(), RGB(255, 255, 255));

    // A question is asked over what the job has reached.
    ui.SetStatus(L"残り 0");
    ui.DrawProgress(0.95f, false);
    std::wstring statusAtQuestion;
    COLORREF barAtQuestion = 0;
    winui::MsgBoxHandler previous = winui::SetMsgBoxHandler([&](const winui::MsgBoxRequest& request) {
      statusAtQuestion = form.sbrStatus.PanelText(2);
      barAtQuestion = BarPixel();
      EXPECT_EQ(request.title, L"分割ファイルを連結");
      EXPECT_EQ(request.owner, form.Hwnd());
      return IDOK;
    });
    ui.Ask(L"２ 枚目のディスクをセットして下さい", MB_OKCANCEL | MB_ICONEXCLAMATION);
    winui::SetMsgBoxHandler(previous);
    EXPECT_EQ(statusAtQuestion, L"残り 0");
    EXPECT_EQ(barAtQuestion, GetSysColor(COLOR_ACTIVECAPTION));

    ui.SetStatus(L"残り 100 (2/2)");
  });
  // The end of the job shows what it left.
  EXPECT_EQ(form.sbrStatus.PanelText(2), L"残り 100 (2/2)");
}

}  // namespace
