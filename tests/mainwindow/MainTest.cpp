// The start-up procedure: a main window that cannot be created, and a normal start up to the message loop.
#include "mainwindow/Main.h"

#include <windows.h>

#include "MainWindowFixture.h"
#include "WindowGuard.h"
#include "core/Settings.h"
#include "core/modTolvenar.h"
#include "mainwindow/frmOpenning.h"
#include "options/frmArcOption.h"

namespace {

using namespace mainwindow;
using mwtest::MainWindowTest;

HHOOK refuseHook = nullptr;

// Refuses the creation of the main window's frame, as a system without its window components would.
LRESULT CALLBACK RefuseMainWindow(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HCBT_CREATEWND) {
    const CREATESTRUCTW* cs = reinterpret_cast<CBT_CREATEWNDW*>(lParam)->lpcs;
    if (!IS_INTRESOURCE(cs->lpszClass) && std::wstring(cs->lpszClass) == L"Tolvenar.frmMain") return 1;
  }
  return CallNextHookEx(refuseHook, code, wParam, lParam);
}

class MainTest : public MainWindowTest {
 protected:
  ~MainTest() override {
    ReleaseMainForm();
    CloseSplash();
  }
  // Main loads the settings file of the scratch folder.
  void WriteSettings(const std::string& option) { temp.WriteFile(L"Tolvenar.ini", "[Option]\r\n" + option); }
};

TEST_F(MainTest, FailingMainWindowShowsTheStartupFailureAndEnds) {
  WriteSettings("SplashLogo=1\r\n");
  boxes.Expect(StartupFailureText(kNoMainWindow));
  refuseHook = SetWindowsHookExW(WH_CBT, RefuseMainWindow, nullptr, GetCurrentThreadId());
  ASSERT_NE(refuseHook, nullptr);
  const bool started = StartMain(L"");
  UnhookWindowsHookEx(refuseHook);
  EXPECT_FALSE(started);
  ASSERT_EQ(boxes.Shown().size(), 1u);
  EXPECT_EQ(boxes.Shown()[0].text,
            L"起動に必要なランタイムが正しくインストールされていない可能性があります 処理を中断します\r\n\r\n詳細\r\n"
            L"メインウィンドウを作成できませんでした");
  EXPECT_EQ(boxes.Shown()[0].style & MB_ICONMASK, static_cast<UINT>(MB_ICONSTOP));
  EXPECT_FALSE(MainFormExists());
  EXPECT_FALSE(work.Called(L"PreloadArcOption(1)"));
}

TEST_F(MainTest, NormalStartPreloadsOptionsShowsTheWindowAndAppliesTopMost) {
  WriteSettings("SplashLogo=1\r\nNeverTop=1\r\nPackType=16\r\n");
  testsupport::AllowWindows shown;
  ASSERT_TRUE(StartMain(L""));
  frmMain& main = MainForm();
  EXPECT_TRUE(main.Visible());
  EXPECT_TRUE(main.MenuChecked(ID_mnuViewWindowTop));
  EXPECT_EQ(LastTopMostRequest(main.Form::Hwnd()), HWND_TOPMOST);
  EXPECT_TRUE(work.Called(L"PreloadArcOption(17)"));
  EXPECT_FALSE(core::BusyFlag);
  EXPECT_FALSE(core::ProgramEnding);
  EXPECT_EQ(core::ListFileName.size(), std::wstring(L"tv000000.txt").size());
  EXPECT_EQ(core::ListFileName.substr(0, 2), L"tv");
  EXPECT_EQ(core::OpenWithCommands, std::vector<std::wstring>{L""});
  EXPECT_EQ(Splash(), nullptr);
}

TEST_F(MainTest, SplashOnlyWithoutCommandLineAndWhileItIsOn) {
  WriteSettings("SplashLogo=0\r\n");
  testsupport::AllowWindows shown;
  ShowSplash();
  ASSERT_NE(Splash(), nullptr);
  EXPECT_TRUE(Splash()->Visible());
  EXPECT_NEAR(Splash()->ScaleWidth(), 4470, 15);
  CloseSplash();
  EXPECT_EQ(Splash(), nullptr);

  // A command line suppresses it: the compress mode ends the run before the window would show.
  const std::wstring notes = temp.WriteFile(L"notes.txt", "n");
  ASSERT_TRUE(StartMain(notes));
  EXPECT_EQ(exitCodes, std::vector<int>{0});
  EXPECT_EQ(Splash(), nullptr);
}

TEST_F(MainTest, OptionsDialogIsPreloadedHiddenAndUnloadedWithTheOthers) {
  WindowWork program;  // the program's own work, not the recorder
  program.PreloadArcOption(17);
  options::frmArcOption& dialog = options::ArcOption();
  ASSERT_TRUE(dialog.IsLoaded());
  EXPECT_FALSE(dialog.Visible());
  EXPECT_EQ(dialog.TabIndex(), 17);
  EXPECT_EQ(dialog.OptionFlag(), 1);
  frmOpenning other;  // any other window still loaded goes too
  ASSERT_TRUE(other.Load());
  core::ProgramEnding = true;  // as the main window's unload has set it
  program.UnloadOtherWindows();
  EXPECT_FALSE(dialog.IsLoaded());
  EXPECT_FALSE(other.IsLoaded());
}

}  // namespace
