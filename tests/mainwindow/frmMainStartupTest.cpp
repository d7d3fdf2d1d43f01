// The load handler: its calls in order, the guards, the decode item's state, window mode with archives,
// the batch modes it hands over to and how each ends.
#include "MainWindowFixture.h"
#include "WindowGuard.h"
#include "core/Settings.h"
#include "core/modTolvenar.h"

namespace {

using namespace mainwindow;
using mwtest::MainWindowTest;

class frmMainStartupTest : public MainWindowTest {};

TEST_F(frmMainStartupTest, EmptyCommandLineRunsTheTailOfANormalStart) {
  ASSERT_TRUE(LoadWindow());
  const std::vector<std::wstring> expected = {L"SetTreeViewColor", L"SelectTempFolder",     L"InitMainView(0)",
                                              L"AddFileHistory",   L"MakeUnPackButtonMenu", L"RegisterUpdateNotifier"};
  EXPECT_EQ(links.calls, expected);
  EXPECT_FALSE(form->Visible());  // Main shows it
  EXPECT_TRUE(exitCodes.empty());
}

TEST_F(frmMainStartupTest, DoesNothingWhileEndingOrOnceActivated) {
  core::ProgramEnding = true;
  ASSERT_TRUE(LoadWindow());
  EXPECT_TRUE(links.calls.empty());
  EXPECT_EQ(form->cmbArc.ListCount(), 0);

  core::ProgramEnding = false;
  form = std::make_unique<frmMain>();
  form->Activated = true;
  ASSERT_TRUE(form->Load());
  EXPECT_TRUE(links.calls.empty());
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
  const std::wstring good = temp.WriteFile(L"good.lzh", "x");
  const std::wstring bad = temp.WriteFile(L"bad.zip", "y");
  links.readable.insert(good);
  boxes.Expect(L"指定された書庫ファイルの読み込みに失敗しました");
  testsupport::AllowWindows shown;
  ASSERT_TRUE(LoadWindow(good + L" " + bad));
  EXPECT_TRUE(form->Visible());
  EXPECT_EQ(form->Caption(), good + L" - とるべなー【瞬間開梱】 ");
  EXPECT_TRUE(links.Called(L"OpenArchiveFile(" + bad + L")"));
  EXPECT_TRUE(links.Called(L"AddFileHistory(" + good + L")"));
  EXPECT_FALSE(links.Called(L"AddFileHistory(" + bad + L")"));
  EXPECT_TRUE(links.Called(L"RegisterUpdateNotifier"));
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
    links.calls.clear();
    exitCodes.clear();
    clipboard.clears = 0;
    ASSERT_TRUE(LoadWindow(c.commandLine));
    EXPECT_TRUE(links.Called(c.call));
    EXPECT_TRUE(links.Called(L"ClearTempFolder"));
    EXPECT_TRUE(links.Called(L"ReleaseTempFolder"));
    EXPECT_FALSE(links.Called(L"RegisterUpdateNotifier"));
    EXPECT_EQ(exitCodes, std::vector<int>{0});
    EXPECT_EQ(clipboard.clears, c.clipboardClears);
    EXPECT_FALSE(form->Visible());
  }
}

TEST_F(frmMainStartupTest, CompressIntoOneArchiveWithPackAfterKeepsTheWindow) {
  const std::wstring notes = temp.WriteFile(L"notes.txt", "n");
  links.compressKeepsWindow = true;
  ASSERT_TRUE(LoadWindow(notes));
  EXPECT_TRUE(links.Called(L"Compress"));
  EXPECT_TRUE(links.Called(L"RegisterUpdateNotifier"));
  EXPECT_TRUE(exitCodes.empty());
}

}  // namespace
