#include "winui/MsgBox.h"

#include <gtest/gtest.h>
#include <gtest/gtest-spi.h>

#include "ScriptedMsgBox.h"

namespace {

TEST(MsgBox, ScriptedAnswersByExactText) {
  testsupport::ScriptedMsgBox boxes;
  boxes.Expect(L"終了しますか", IDCANCEL);
  boxes.Expect(L"ファイルを解凍しました", IDOK);
  EXPECT_EQ(winui::MsgBox(L"ファイルを解凍しました", MB_ICONINFORMATION), IDOK);
  EXPECT_EQ(winui::MsgBox(L"終了しますか", MB_OKCANCEL | MB_ICONQUESTION, L"とるべなー"), IDCANCEL);
  ASSERT_EQ(boxes.Shown().size(), 2u);
  EXPECT_EQ(boxes.Shown()[1].title, L"とるべなー");
  EXPECT_TRUE(boxes.AllShown());
}

TEST(MsgBox, UnexpectedBoxFailsTheTest) {
  EXPECT_NONFATAL_FAILURE(
      {
        testsupport::ScriptedMsgBox boxes;
        EXPECT_EQ(winui::MsgBox(L"予定外", MB_OKCANCEL), IDCANCEL);
      },
      "unexpected message box");
}

TEST(MsgBox, RealBoxIsRefusedByTheWindowGuard) {
  // Without a script the real MessageBox would block; the guard refuses its window and reports it.
  EXPECT_NONFATAL_FAILURE(winui::MsgBox(L"ブロックしない"), "dialog box");
}

}  // namespace
