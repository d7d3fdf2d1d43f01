// The start-up procedure: a main window that cannot be created, a normal start up to the message loop, the
// dialogs it plugs in for the jobs below the window, and a close that comes while the start goes on.
#include "mainwindow/Main.h"

#include <windows.h>

#include <algorithm>

#include "MainWindowFixture.h"
#include "ToolFakes.h"
#include "WindowGuard.h"
#include "core/PassPhraseAsker.h"
#include "core/Settings.h"
#include "core/modIni.h"
#include "core/modTolvenar.h"
#include "mainwindow/frmOpenning.h"
#include "options/frmArcOption.h"
#include "tools/frmPassPhrase.h"

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

// Posts the close box's WM_CLOSE to the main window at one step of the start, as a user's click arrives
// while the start goes on.
class CloseDuringStart : public mwtest::WorkRecorder {
 public:
  explicit CloseDuringStart(const std::wstring& step) : step_(step) {}
  void SelectTempFolder() override {
    WorkRecorder::SelectTempFolder();
    CloseAt(L"SelectTempFolder");
  }
  void PreloadArcOption(int tabIndex) override {
    WorkRecorder::PreloadArcOption(tabIndex);
    CloseAt(L"PreloadArcOption");
  }
  int Count(const std::wstring& call) const { return static_cast<int>(std::count(calls.begin(), calls.end(), call)); }

 private:
  void CloseAt(const std::wstring& step) {
    if (step == step_) PostMessageW(MainForm().Hwnd(), WM_CLOSE, 0, 0);
  }
  std::wstring step_;
};

// A message loop left waiting on a window nobody closes ends with this code, which no real end gives.
constexpr int kLeftWaiting = 99;
void CALLBACK EndWaitingLoop(HWND, UINT, UINT_PTR, DWORD) { PostQuitMessage(kLeftWaiting); }

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

TEST_F(MainTest, TheStartPlugsInThePassPhraseDialogForTheJobs) {
  core::PassPhraseAsker* before = core::SetPassPhraseAsker(nullptr);
  EXPECT_EQ(L"", core::PassPhrases().Ask(nullptr, {L"preset"})) << "nothing plugged in: no pass phrase, no window";
  WriteSettings("SplashLogo=1\r\n");
  testsupport::AllowWindows shown;
  ASSERT_TRUE(StartMain(L""));
  std::wstring comment, box;
  toolstest::ModalScript script([&](winui::Form& opened) {
    auto& dialog = dynamic_cast<tools::frmPassPhrase&>(opened);
    comment = dialog.lblComment.Caption();
    box = dialog.txtPass.Text();
    dialog.txtPass.SetText(L"typed");
    PressButtonOf(dialog.CmdOk);
  });
  EXPECT_EQ(L"typed", core::PassPhrases().Ask(MainForm().Hwnd(), {L"preset", L"パスワードを入力して下さい"}));
  EXPECT_EQ(L"パスワードを入力して下さい", comment);
  EXPECT_EQ(L"preset", box);
  core::SetPassPhraseAsker(before);
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

TEST_F(MainTest, CloseDuringTheStartEndsTheProgramOnceTheStartIsDone) {
  const std::wstring archive = Archive(L"開く書庫.7z", "entry a.txt\r\nend\r\nentry doc/b.txt\r\nend\r\n");
  testsupport::AllowWindows shown;
  for (const wchar_t* step : {L"SelectTempFolder", L"PreloadArcOption"}) {
    SCOPED_TRACE(testing::PrintToString(std::wstring(step)));
    // Rectangle and splitter in multiples of 15 twips, whole pixels at the tests' screen scale.
    WriteSettings("WindowLeft=1500\r\nWindowTop=1200\r\nWindowWidth=9600\r\nWindowHeight=7200\r\nSplitBar=2400\r\n");
    CloseDuringStart steps(step);
    ScopedWindowWork seam(steps);
    const UINT_PTR timer = SetTimer(nullptr, 0, 5000, EndWaitingLoop);
    const int code = Main(L"\"" + archive + L"\"");
    KillTimer(nullptr, timer);
    MSG quit;  // a quit the timer may have posted meanwhile ends no later loop
    PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);

    EXPECT_EQ(code, 0) << "the program waited on after the close";
    EXPECT_FALSE(MainFormExists());
    EXPECT_EQ(steps.Count(L"SelectTempFolder"), 1) << "the window was made once";
    EXPECT_EQ(steps.Count(L"ClearTempFolder"), 1) << "and unloaded once";
    // What the window showed when it closed: the archive the start opened, where the settings placed it.
    EXPECT_EQ(core::ReadIni(L"History", L"00"), archive);
    EXPECT_EQ(SavedIni(L"WindowLeft"), L"1500");
    EXPECT_EQ(SavedIni(L"WindowTop"), L"1200");
    EXPECT_EQ(SavedIni(L"WindowWidth"), L"9600");
    EXPECT_EQ(SavedIni(L"WindowHeight"), L"7200");
    EXPECT_EQ(SavedIni(L"SplitBar"), L"2400");
    EXPECT_FALSE(core::BusyFlag);
  }
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
