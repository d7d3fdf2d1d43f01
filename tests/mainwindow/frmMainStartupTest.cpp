// The load handler: its calls in order, the guards, the decode item's state, window mode with archives,
// the batch modes it hands over to and how each ends.
#include <windows.h>
#include <commctrl.h>

#include "MainWindowFixture.h"
#include "WindowGuard.h"
#include "core/Settings.h"
#include "core/modTolvenar.h"

namespace {

using namespace mainwindow;
using mwtest::MainWindowTest;

class frmMainStartupTest : public MainWindowTest {};

// The views from Settings (tree colours), the work folder, the view reset, then the recent archives, the
// extraction-history drop-down and the update notifier.
TEST_F(frmMainStartupTest, EmptyCommandLineRunsTheTailOfANormalStart) {
  core::Settings.BackColor = RGB(10, 20, 30);
  core::Settings.History = {L"C:\\a.lzh"};
  core::Settings.ArcDown = {L"", L"C:\\展開先"};
  ASSERT_TRUE(LoadWindow());
  EXPECT_EQ(work.calls, (std::vector<std::wstring>{L"SelectTempFolder", L"RegisterUpdateNotifier"}));
  EXPECT_EQ(RGB(10, 20, 30), static_cast<COLORREF>(SendMessageW(form->tvTreeView.Hwnd(), TVM_GETBKCOLOR, 0, 0)));
  EXPECT_EQ(form->tvTreeView.Keys(), std::vector<std::wstring>{L"書庫ﾌｧｲﾙ"});
  EXPECT_TRUE(form->MenuVisible(ID_mnuFileMRU));
  EXPECT_EQ(form->MenuCaption(ID_mnuFileMRU), L"C:\\a.lzh");
  EXPECT_EQ(form->tbToolBar.ButtonMenuText(L"UnPack", 1), L"C:\\展開先");
  EXPECT_FALSE(form->Visible());  // Main shows it
  EXPECT_TRUE(exitCodes.empty());
}

TEST_F(frmMainStartupTest, DoesNothingWhileEndingOrOnceActivated) {
  core::ProgramEnding = true;
  ASSERT_TRUE(LoadWindow());
  EXPECT_TRUE(work.calls.empty());
  EXPECT_EQ(form->cmbArc.ListCount(), 0);
  EXPECT_EQ(form->tvTreeView.Count(), 0);

  core::ProgramEnding = false;
  form = std::make_unique<frmMain>();
  form->Activated = true;
  ASSERT_TRUE(form->Load());
  EXPECT_TRUE(work.calls.empty());
  EXPECT_EQ(form->tvTreeView.Count(), 0);
}

TEST_F(frmMainStartupTest, DecodeItemFollowsClipboardText) {
  clipboard.hasText = true;
  ASSERT_TRUE(LoadWindow());
  EXPECT_TRUE(form->MenuEnabled(ID_mnuToolDecode));
  clipboard.hasText = false;
  ASSERT_TRUE(LoadWindow());
  EXPECT_FALSE(form->MenuEnabled(ID_mnuToolDecode));
}

TEST_F(frmMainStartupTest, WindowModeOpensEachArchiveAndReportsTheUnreadable) {
  const std::wstring good = Archive(L"good.7z", "entry a.txt\r\nend\r\n");
  // An archive that lists no entry is not opened.
  const std::wstring bad = Archive(L"bad.7z", "");
  boxes.Expect(L"指定された書庫ファイルの読み込みに失敗しました");
  testsupport::AllowWindows shown;
  ASSERT_TRUE(LoadWindow(bad + L" " + good));
  EXPECT_TRUE(form->Visible());
  EXPECT_EQ(form->Caption(), good + L" - とるべなー【瞬間開梱】 ");
  EXPECT_EQ(2, Opened());
  EXPECT_EQ(form->tvTreeView.Keys(), (std::vector<std::wstring>{L"書庫ﾌｧｲﾙ", L"0001" + good}));
  EXPECT_EQ(core::Settings.History, std::vector<std::wstring>{good});
  EXPECT_TRUE(work.Called(L"RegisterUpdateNotifier"));
  EXPECT_FALSE(core::PrivateState.IconDrop());
  EXPECT_TRUE(exitCodes.empty());
  EXPECT_TRUE(boxes.AllShown());
}

TEST_F(frmMainStartupTest, BatchModesHandOverAndEndTheProcess) {
  const std::wstring text = temp.WriteFile(L"mail.txt", "begin");
  const std::wstring jpz = temp.WriteFile(L"photo.jpz", "z");
  const std::wstring lzh = temp.WriteFile(L"a.lzh", "a");
  struct Case {
    std::wstring commandLine;
    std::wstring call;
    int clipboardClears;
  };
  const Case cases[] = {
      {L"/l", L"RunRawCommandLine", 0},       {L"/d " + text, L"DecodeFile(" + text + L")", 1},
      {jpz, L"DecryptJpeg(" + jpz + L")", 0}, {L"/e " + lzh, L"InstantExtract(0)", 0},
      {L"/c " + lzh, L"Compress", 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.call.size());
    work.calls.clear();
    exitCodes.clear();
    clipboard.clears = 0;
    ASSERT_TRUE(LoadWindow(c.commandLine));
    EXPECT_TRUE(work.Called(c.call));
    EXPECT_TRUE(work.Called(L"ClearTempFolder"));
    EXPECT_TRUE(work.Called(L"ReleaseTempFolder"));
    EXPECT_FALSE(work.Called(L"RegisterUpdateNotifier"));
    EXPECT_EQ(exitCodes, std::vector<int>{0});
    EXPECT_EQ(clipboard.clears, c.clipboardClears);
    EXPECT_FALSE(form->Visible());
  }
}

TEST_F(frmMainStartupTest, CompressIntoOneArchiveWithPackAfterKeepsTheWindow) {
  const std::wstring notes = temp.WriteFile(L"notes.txt", "n");
  work.compressKeepsWindow = true;
  ASSERT_TRUE(LoadWindow(notes));
  EXPECT_TRUE(work.Called(L"Compress"));
  EXPECT_TRUE(work.Called(L"RegisterUpdateNotifier"));
  EXPECT_TRUE(exitCodes.empty());
}

}  // namespace
