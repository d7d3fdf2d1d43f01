// The folder choosers: the system dialog's wrapper, the chooser window driven hidden through the modal
// hook, and once for real with the shell's tree embedded in the window.
#include "LabelCheck.h"
#include "core/frmBrowseFolderEx.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <windows.h>

#include <vector>

#include "ScriptedMsgBox.h"
#include "SeamFakes.h"
#include "TempDir.h"
#include "TopMostCheck.h"
#include "WindowGuard.h"
#include "core/BrowseFolderExInput.h"
#include "core/Seams.h"

namespace {

using testsupport::FolderExists;
using testsupport::TempDir;

using RecordingPicker = testsupport::FakeFolderPicker;

TEST(ShowBrowseFolderTest, HandsTheStartFolderWithoutATrailingBackslash) {
  RecordingPicker picker;
  core::ScopedFolderPickerSeam scoped(picker);
  const std::pair<const wchar_t*, const wchar_t*> cases[] = {
      {L"C:\\", L"C:"}, {L"C:\\Data\\", L"C:\\Data"}, {L"C:\\Data", L"C:\\Data"}, {L"", L""}};
  for (const auto& [given, handed] : cases) core::ShowBrowseFolder(given, nullptr, L"展開先");
  ASSERT_EQ(4u, picker.starts.size());
  for (size_t i = 0; i < 4; ++i) EXPECT_EQ(cases[i].second, picker.starts[i]);
  EXPECT_EQ(L"展開先", picker.titles[0]);
}

TEST(ShowBrowseFolderTest, ReturnsThePickersAnswerAndEmptyOnCancel) {
  RecordingPicker picker;
  core::ScopedFolderPickerSeam scoped(picker);
  HWND owner = reinterpret_cast<HWND>(0x1234);
  picker.answer = L"D:\\Work";
  EXPECT_EQ(L"D:\\Work", core::ShowBrowseFolder(L"C:\\", owner, L"t"));
  EXPECT_EQ(owner, picker.owners[0]);
  picker.answer.clear();
  EXPECT_EQ(L"", core::ShowBrowseFolder(L"C:\\", owner, L"t"));
}

// The real one-line question, answered through the modal hook as a user would.
TEST(TextPromptTest, ShowsTheQuestionAndReturnsTheAnswerOrEmptyOnCancel) {
  struct Case {
    const wchar_t* typed;
    const wchar_t* button;
    const wchar_t* expected;
  };
  const Case cases[] = {{L"New", L"cmdOk", L"New"}, {L"New", L"cmdCancel", L""}, {nullptr, L"cmdOk", L"既定"}};
  for (const auto& c : cases) {
    winui::ModalHook previous = winui::SetModalHook([&](winui::Form& shown) {
      EXPECT_EQ(L"題名", shown.Caption());
      EXPECT_EQ(L"問い", winui::Label(&shown, shown.IdOf(L"lblPrompt")).Caption());
      winui::TextBox answer(&shown, shown.IdOf(L"txtAnswer"));
      EXPECT_EQ(L"既定", answer.Text());
      EXPECT_EQ(2, answer.SelLength());
      if (c.typed) answer.SetText(c.typed);
      winui::CommandButton(&shown, shown.IdOf(c.button)).Click();
    });
    std::wstring result = core::TextPrompt().Ask(nullptr, L"問い", L"題名", L"既定");
    winui::SetModalHook(previous);
    EXPECT_EQ(c.expected, result);
  }
}

class frmBrowseFolderExTest : public ::testing::Test {
 protected:
  void SetUp() override { savedPath_ = core::BrowseFolderPath; }
  void TearDown() override { core::BrowseFolderPath = savedPath_; }
  // Shows the chooser as a caller does; `user` acts on the hidden window instead of a person.
  void ShowWith(const std::wstring& start, std::function<void(core::frmBrowseFolderEx&)> user) {
    core::BrowseFolderPath = start;
    winui::ModalHook previous = winui::SetModalHook([&](winui::Form& shown) {
      auto& chooser = static_cast<core::frmBrowseFolderEx&>(shown);
      EXPECT_EQ(start, chooser.BrowseFolderEx1.Path());
      user(chooser);
    });
    form.ShowModal();
    winui::SetModalHook(previous);
  }
  // What the tree reports when the user selects a folder.
  static void Select(core::frmBrowseFolderEx& chooser, const std::wstring& path) {
    chooser.BrowseFolderEx1.SelectionChanged(path);
  }

  testsupport::FakeMainWindow link;
  core::ScopedMainWindowLink linkSeam{link};
  testsupport::FakeTextPrompt prompt;
  core::ScopedTextPromptSeam scopedPrompt{prompt};
  core::frmBrowseFolderEx form;
  TempDir temp;

 private:
  std::wstring savedPath_;
};

TEST_F(frmBrowseFolderExTest, OkReturnsTheSelectedFolder) {
  ShowWith(L"C:\\Start", [](core::frmBrowseFolderEx& chooser) {
    EXPECT_EQ(L"フォルダ選択", chooser.Caption());
    EXPECT_EQ(L"フォルダを選択して下さい", chooser.lblMessage.Caption());
    Select(chooser, L"C:\\Data");
    EXPECT_EQ(L"C:\\Data", chooser.BrowseFolderEx1.Path());
    chooser.CmdOk.Click();
  });
  EXPECT_EQ(L"C:\\Data", core::BrowseFolderPath);
  EXPECT_FALSE(form.IsLoaded());
}

TEST_F(frmBrowseFolderExTest, CancelEscAndTheCloseBox) {
  ShowWith(L"C:\\Start", [](core::frmBrowseFolderEx& chooser) {
    Select(chooser, L"C:\\Data");
    chooser.CmdCancel.Click();
  });
  EXPECT_EQ(L"", core::BrowseFolderPath);

  ShowWith(L"C:\\Start", [](core::frmBrowseFolderEx& chooser) {
    Select(chooser, L"C:\\Data");
    int key = VK_ESCAPE;
    chooser.Form_KeyDown(key, 0);
    EXPECT_EQ(0, key);
  });
  EXPECT_EQ(L"", core::BrowseFolderPath);
  EXPECT_FALSE(form.IsLoaded());

  ShowWith(L"C:\\Start", [](core::frmBrowseFolderEx& chooser) {
    Select(chooser, L"C:\\Data");
    chooser.Unload(winui::UnloadMode::ControlMenu);
  });
  EXPECT_EQ(L"C:\\Start", core::BrowseFolderPath);
}

TEST_F(frmBrowseFolderExTest, ABareNetworkComputerCannotBeChosen) {
  struct Case {
    const wchar_t* path;
    bool choosable;
  };
  const Case cases[] = {{L"\\\\SERVER", false}, {L"\\\\SERVER\\share", true}, {L"\\\\", false},
                        {L"C:\\", true},        {L"\\\\PC", false},           {L"\\\\SERVER\\share\\docs", true}};
  ShowWith(L"", [&](core::frmBrowseFolderEx& chooser) {
    for (const auto& c : cases) {
      SCOPED_TRACE(testing::Message() << c.path);
      Select(chooser, c.path);
      EXPECT_EQ(c.choosable, chooser.CmdOk.Enabled());
      EXPECT_EQ(c.choosable, chooser.cmdFolder.Enabled());
      EXPECT_EQ(c.choosable ? c.path : L"", chooser.Choice());
    }
    Select(chooser, L"\\\\SERVER");
    chooser.cmdFolder.Click();  // disabled: nothing is asked
    chooser.Raise(core::ID_cmdFolder, winui::Event::Click);
    chooser.CmdCancel.Click();
  });
  EXPECT_TRUE(prompt.asked.empty());
}

TEST_F(frmBrowseFolderExTest, MakeFolderCreatesItAndSetsThePathAtOnce) {
  prompt.answer = L"New";
  std::wstring made = temp / L"New";
  ShowWith(temp.Path(), [&](core::frmBrowseFolderEx& chooser) {
    Select(chooser, temp.Path());
    chooser.cmdFolder.Click();
    EXPECT_TRUE(FolderExists(made));
    EXPECT_EQ(made, core::BrowseFolderPath);
    EXPECT_EQ(made, chooser.BrowseFolderEx1.Path());
    EXPECT_TRUE(core::BrowseReshow);
    chooser.CmdCancel.Click();
  });
  EXPECT_EQ(L"", core::BrowseFolderPath);
  ASSERT_EQ(1u, prompt.asked.size());
  EXPECT_EQ(L"新しく作成するフォルダ名を指定して下さい|フォルダ作成|新しいフォルダ", prompt.asked[0]);
  core::BrowseReshow = false;
}

TEST_F(frmBrowseFolderExTest, MakeFolderClosedByTheCloseBoxKeepsTheNewFolder) {
  prompt.answer = L"New";
  ShowWith(temp.Path(), [&](core::frmBrowseFolderEx& chooser) {
    Select(chooser, temp.Path());
    chooser.cmdFolder.Click();
    chooser.Unload(winui::UnloadMode::ControlMenu);
  });
  EXPECT_EQ(temp / L"New", core::BrowseFolderPath);
  core::BrowseReshow = false;
}

TEST_F(frmBrowseFolderExTest, MakeFolderDoesNothingWithoutChoiceAnswerOrWhenTheNameExists) {
  temp.WriteFile(L"Old\\f.txt", "x");
  ShowWith(temp.Path(), [&](core::frmBrowseFolderEx& chooser) {
    chooser.cmdFolder.Click();  // nothing selected yet
    EXPECT_TRUE(prompt.asked.empty());
    Select(chooser, temp.Path());
    prompt.answer = L"";
    chooser.cmdFolder.Click();
    prompt.answer = L"Old";
    chooser.cmdFolder.Click();
    EXPECT_EQ(2u, prompt.asked.size());
    EXPECT_EQ(temp.Path(), chooser.BrowseFolderEx1.Path());
    EXPECT_EQ(temp.Path(), core::BrowseFolderPath);
    EXPECT_FALSE(core::BrowseReshow);
    chooser.CmdOk.Click();
  });
  EXPECT_EQ(temp.Path(), core::BrowseFolderPath);
}

TEST_F(frmBrowseFolderExTest, AFailedMakeFolderIsReportedAndKeepsTheChoice) {
  struct Case {
    const char* what;
    std::wstring choice;
    const wchar_t* answer;
  };
  const Case cases[] = {
      {"parent missing", temp / L"gone", L"New"},
      {"reserved character", temp.Path(), L"a:b"},
      {"climbs out of the folder", temp / L"inner", L"..\\outside"},
      {"two levels", temp.Path(), L"a\\b"},
  };
  CreateDirectoryW((temp / L"inner").c_str(), nullptr);
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    testsupport::ScriptedMsgBox boxes;
    std::wstring attempted = c.choice + L"\\" + c.answer;
    boxes.Expect(std::wstring(core::kMakeFolderFailed) + L"\r\n" + attempted);
    prompt.answer = c.answer;
    ShowWith(L"C:\\Start", [&](core::frmBrowseFolderEx& chooser) {
      Select(chooser, c.choice);
      chooser.cmdFolder.Click();
      EXPECT_EQ(c.choice, chooser.Choice());
      EXPECT_EQ(c.choice, chooser.BrowseFolderEx1.Path());
      EXPECT_EQ(L"C:\\Start", core::BrowseFolderPath);
      EXPECT_FALSE(core::BrowseReshow);
      chooser.CmdOk.Click();
    });
    EXPECT_TRUE(boxes.AllShown());
    EXPECT_EQ(c.choice, core::BrowseFolderPath);
  }
  EXPECT_FALSE(FolderExists(temp / L"outside"));
  EXPECT_FALSE(FolderExists(temp / L"a"));
}

TEST_F(frmBrowseFolderExTest, TopMostUnlessNeverTopIsZero) {
  testsupport::ExpectTopMostUnlessNeverTopIsZero(form, link);
}

TEST_F(frmBrowseFolderExTest, ClosingPutsTheMainWindowBackOnTopUnlessNeverTopIsZero) {
  for (const wchar_t* neverTop : {L"0", L"1"}) {
    link.neverTop = neverTop;
    link.mainWindow = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    ShowWith(L"C:\\Start", [](core::frmBrowseFolderEx& chooser) { chooser.CmdCancel.Click(); });
    EXPECT_EQ(std::wstring(neverTop) != L"0", testsupport::IsTopMost(link.mainWindow)) << neverTop;
    DestroyWindow(link.mainWindow);
    link.mainWindow = nullptr;
  }
}

// The real thing: the shell's tree embedded in the window, driven from a timer while the window is modal.
struct RealRun {
  core::frmBrowseFolderEx* form = nullptr;
  DWORD started = GetTickCount();
  HWND treeSeen = nullptr;
  std::wstring firstChoice, afterMake;
};
RealRun* run = nullptr;

void CALLBACK DriveRealChooser(HWND, UINT, UINT_PTR timer, DWORD) {
  core::frmBrowseFolderEx& chooser = *run->form;
  HWND tree = chooser.BrowseFolderEx1.GetChildHwnd();
  if (!tree || chooser.Choice().empty()) {
    // A fresh Wine prefix sets its shell folders up on first use, which takes a few seconds.
    if (GetTickCount() - run->started > 90000) chooser.Unload();  // give up; the test then fails
    return;
  }
  if (run->firstChoice.empty()) {
    run->treeSeen = tree;
    run->firstChoice = chooser.Choice();
    chooser.cmdFolder.Click();  // the prompt answers "New"; the tree is built again on the new folder
    return;
  }
  if (tree == run->treeSeen) return;  // not rebuilt yet
  run->afterMake = chooser.Choice();
  KillTimer(nullptr, timer);
  chooser.CmdOk.Click();
}

TEST_F(frmBrowseFolderExTest, EmbedsTheShellTreeAndRebuildsItOnANewFolder) {
  testsupport::AllowWindows allow;
  wchar_t longPath[MAX_PATH];
  ASSERT_NE(0u, GetLongPathNameW(temp.Path().c_str(), longPath, MAX_PATH));
  std::wstring start = longPath;
  prompt.answer = L"New";
  RealRun state;
  state.form = &form;
  run = &state;
  UINT_PTR timer = SetTimer(nullptr, 0, 50, DriveRealChooser);
  core::BrowseFolderPath = start;
  form.ShowModal();
  KillTimer(nullptr, timer);
  run = nullptr;

  EXPECT_NE(nullptr, state.treeSeen);
  EXPECT_EQ(0, lstrcmpiW(start.c_str(), state.firstChoice.c_str())) << state.firstChoice;
  EXPECT_EQ(0, lstrcmpiW((start + L"\\New").c_str(), state.afterMake.c_str())) << state.afterMake;
  EXPECT_EQ(0, lstrcmpiW((start + L"\\New").c_str(), core::BrowseFolderPath.c_str()));
  EXPECT_FALSE(form.IsLoaded());
  EXPECT_FALSE(form.BrowseFolderEx1.Running());
}

void CALLBACK PressEscInTheTree(HWND, UINT, UINT_PTR timer, DWORD) {
  core::frmBrowseFolderEx& chooser = *run->form;
  HWND tree = chooser.BrowseFolderEx1.GetChildHwnd();
  if (!tree || chooser.Choice().empty()) {
    if (GetTickCount() - run->started > 90000) chooser.Unload();
    return;
  }
  run->treeSeen = tree;
  KillTimer(nullptr, timer);
  // The browse dialog's own loop runs now; the window's key preview must still see the key.
  PostMessageW(tree, WM_KEYDOWN, VK_ESCAPE, 0);
}

TEST_F(frmBrowseFolderExTest, EscInTheEmbeddedTreeCancels) {
  testsupport::AllowWindows allow;
  RealRun state;
  state.form = &form;
  run = &state;
  UINT_PTR timer = SetTimer(nullptr, 0, 50, PressEscInTheTree);
  core::BrowseFolderPath = temp.Path();
  form.ShowModal();
  KillTimer(nullptr, timer);
  run = nullptr;
  EXPECT_NE(nullptr, state.treeSeen);
  EXPECT_EQ(L"", core::BrowseFolderPath);
  EXPECT_FALSE(form.IsLoaded());
}

TEST_F(frmBrowseFolderExTest, EveryLabelShowsItsWholeText) {
  ShowWith(L"C:\\Start", [](core::frmBrowseFolderEx& chooser) {
    EXPECT_THAT(testsupport::CutLabels(chooser.Hwnd()), testing::IsEmpty());
    chooser.CmdCancel.Click();
  });
}

}  // namespace
