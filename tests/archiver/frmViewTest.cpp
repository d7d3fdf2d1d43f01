#include "LabelCheck.h"
#include "archiver/frmView.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "ArchiverFixture.h"
#include "SeamFakes.h"
#include "archiver/ArcOutput.h"
#include "core/MainWindowLink.h"
#include "core/Seams.h"
#include "core/Text.h"

namespace archivertest {
namespace {

using archiver::View;

using KeptOnTop = testsupport::FakeMainWindow;

class frmViewTest : public ArchiverTest {
 protected:
  void TearDown() override {
    View().Unload();
    ArchiverTest::TearDown();
  }
};

TEST_F(frmViewTest, LaysOutTheOutputBoxAndItsTwoButtons) {
  ASSERT_TRUE(View().Load());
  EXPECT_EQ(L"処理結果", View().Caption());
  EXPECT_NEAR(7125, View().ScaleWidth(), 30);
  EXPECT_NEAR(4305, View().ScaleHeight(), 30);
  EXPECT_NEAR(7095, View().txtStatus.Width(), 30);
  EXPECT_NEAR(3735, View().txtStatus.Height(), 30);
  EXPECT_EQ(L"&OK", View().cmdOk.Caption());
  EXPECT_EQ(L"コピー(&C)", View().cmdCopy.Caption());
  for (auto* button : {&View().cmdOk, &View().cmdCopy}) {
    EXPECT_NEAR(1215, button->Width(), 30);
    EXPECT_NEAR(375, button->Height(), 30);
    EXPECT_GT(button->Top(), View().txtStatus.Top() + View().txtStatus.Height() - 15);
  }
  EXPECT_LT(View().cmdOk.Left(), View().cmdCopy.Left());
  LONG style = GetWindowLongW(View().txtStatus.Hwnd(), GWL_STYLE);
  EXPECT_TRUE(style & ES_MULTILINE);
  EXPECT_TRUE(style & WS_VSCROLL);
  EXPECT_TRUE(style & WS_HSCROLL);
  EXPECT_FALSE(IsWindowVisible(View().Hwnd()));
}

TEST_F(frmViewTest, AppendsEachLineWithCrLfAndKeepsTextAfterTheLastLineFeed) {
  struct Case {
    const wchar_t* output;
    const wchar_t* added;
  };
  const Case cases[] = {
      {L"line 1\r\nline 2\r\n", L"line 1\r\r\nline 2\r\r\n"},
      {L"a\nb\n", L"a\r\nb\r\n"},
      {L"a\nlast", L"a\r\nlast\r\n"},
      {L"no line feed", L"no line feed\r\n"},
      {L"\n\n", L"\r\n\r\n"},
      {L"", L""},
  };
  ASSERT_TRUE(View().Load());
  for (const Case& c : cases) {
    View().txtStatus.SetText(L"kept\r\n");
    archiver::ArcOutputText = c.output;
    archiver::AppendOutputText(View());
    EXPECT_EQ(std::wstring(L"kept\r\n") + c.added, View().txtStatus.Text()) << core::ToUtf8(c.output);
  }
}

TEST_F(frmViewTest, EveryShowingStartsWithAnEmptyBox) {
  archiver::ArcOutputText = L"first\r\n";
  archiver::ShowArcOutput();
  archiver::ArcOutputText = L"second\r\n";
  archiver::ShowArcOutput();
  EXPECT_EQ((std::vector<std::wstring>{L"first\r\r\n", L"second\r\r\n"}), shown_);
  EXPECT_FALSE(View().IsLoaded());
}

TEST_F(frmViewTest, EscapeClosesTheWindowLikeOk) {
  ASSERT_TRUE(View().Load());
  MSG key{};
  key.hwnd = View().txtStatus.Hwnd();
  key.message = WM_KEYDOWN;
  key.wParam = VK_ESCAPE;
  View().PreTranslate(key);
  EXPECT_FALSE(View().IsLoaded());

  ASSERT_TRUE(View().Load());
  int other = 'A';
  View().Form_KeyDown(other, 0);
  EXPECT_TRUE(View().IsLoaded());
  View().cmdOk.Click();
  EXPECT_FALSE(View().IsLoaded());
}

TEST_F(frmViewTest, OpensOnTopOnlyWhenWindowsAreKeptOnTop) {
  KeptOnTop link;
  core::ScopedMainWindowLink installed(link);
  for (const wchar_t* neverTop : {L"1", L"0"}) {
    link.neverTop = neverTop;
    ASSERT_TRUE(View().Load());
    bool topMost = (GetWindowLongW(View().Hwnd(), GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
    EXPECT_EQ(std::wstring(neverTop) != L"0", topMost) << core::ToUtf8(neverTop);
    View().Unload();
  }
}

TEST_F(frmViewTest, CopyPutsTheWholeTextOnTheClipboard) {
  testsupport::FakeClipboard clipboard;
  core::ScopedClipboardSeam scoped(clipboard);
  ASSERT_TRUE(View().Load());
  View().txtStatus.SetText(L"一行目\r\n二行目\r\n");
  View().cmdCopy.Click();
  EXPECT_EQ(L"一行目\r\n二行目\r\n", clipboard.text);
  EXPECT_TRUE(View().IsLoaded());
}

}  // namespace
TEST_F(frmViewTest, EveryLabelShowsItsWholeText) {
  ASSERT_TRUE(View().Load());
  EXPECT_THAT(testsupport::CutLabels(View().Hwnd()), testing::IsEmpty());
}

}  // namespace archivertest
