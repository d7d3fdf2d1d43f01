// The keyboard rules, the three ways to close, what the unload saves, the type to create and the answer of
// the new-archive dialog, the second instance and the tool-bar dispatch.
#include <functional>
#include <optional>

#include "MainWindowFixture.h"
#include "archiver/LibraryBinding.h"
#include "core/Settings.h"
#include "core/Text.h"
#include "core/modPath.h"
#include "core/modShell.h"
#include "core/modTolvenar.h"
#include "mainwindow/CompressCommands.h"
#include "mainwindow/frmOpenning.h"
#include "options/frmDropOption.h"
#include "WindowGuard.h"

namespace {

using namespace mainwindow;
using mwtest::MainWindowTest;

const wchar_t kUnsavedQuestion[] = L"保存されていない新規書庫があります　\r\n終了しますか";

class frmMainFrameTest : public MainWindowTest {
 protected:
  void SetUp() override {
    ASSERT_TRUE(LoadWindow());
    work.calls.clear();
    for (int id :
         {ID_mnuEditAdd, ID_mnuEditAddFolder, ID_mnuFileOpen, ID_mnuFileArcClose, ID_mnuFileArcAllClose,
          ID_mnuFileSaveAs, ID_mnuEditAction, ID_mnuEditDelete, ID_mnuEditUnPack, ID_mnuEditPack, ID_mnuEditFolderPack,
          ID_mnuFilePackWizard, ID_mnuFileUnPackWizard, ID_mnuEditDSelectAll, ID_mnuOptionOption})
      form->On(id, winui::Event::Click, [this](winui::EventArgs& e) { ran.push_back(form->NameOf(e.id)); });
    // The buttons run their commands whatever archive is shown; the start-up left most of them disabled.
    for (const wchar_t* key : {L"Open", L"Close", L"AllClose", L"SaveAs", L"View", L"AddPack", L"AddFolderPack",
                               L"Trush", L"UnPack", L"Pack", L"FolderPack", L"All"})
      form->tbToolBar.SetButtonEnabled(key, true);
  }
  std::vector<std::wstring> ran;
};

TEST_F(frmMainFrameTest, EscClosesOnlyWithEscEndAndOutsideRenaming) {
  form->LabelEditing = true;
  KeyDown(VK_ESCAPE);
  EXPECT_TRUE(form->IsLoaded());
  form->LabelEditing = false;
  core::Settings.EscEnd = L"0";
  KeyDown(VK_ESCAPE);
  EXPECT_TRUE(form->IsLoaded());
  core::Settings.EscEnd = L"1";
  KeyDown(VK_ESCAPE);
  EXPECT_FALSE(form->IsLoaded());
  EXPECT_TRUE(core::ProgramEnding);
}

TEST_F(frmMainFrameTest, BusyFlagSwallowsEveryKey) {
  core::BusyFlag = true;
  KeyDown(VK_ESCAPE);
  KeyDown(VK_INSERT);
  EXPECT_TRUE(form->IsLoaded());
  EXPECT_TRUE(ran.empty());
  core::BusyFlag = false;
}

TEST_F(frmMainFrameTest, InsertAddsFilesOrAFolderWhenTheCommandIsEnabled) {
  struct Case {
    int shift;
    bool addEnabled, addFolderEnabled;
    const wchar_t* expected;  // "" for nothing
  };
  const Case cases[] = {
      {0, true, true, L"mnuEditAdd"},
      {0, false, true, L""},
      {winui::kCtrlMask, true, true, L"mnuEditAddFolder"},
      {winui::kCtrlMask, true, false, L""},
      {winui::kShiftMask, true, true, L""},
  };
  for (const Case& c : cases) {
    ran.clear();
    form->SetMenuEnabled(ID_mnuEditAdd, c.addEnabled);
    form->SetMenuEnabled(ID_mnuEditAddFolder, c.addFolderEnabled);
    KeyDown(VK_INSERT, c.shift);
    if (*c.expected)
      EXPECT_EQ(ran, std::vector<std::wstring>{c.expected}) << c.shift;
    else
      EXPECT_TRUE(ran.empty()) << c.shift;
  }
}

TEST_F(frmMainFrameTest, DragIconFollowsShiftAndEscEndsTheDrag) {
  core::Settings.EscEnd = L"0";
  form->Dragging = true;
  KeyDown(VK_SHIFT, winui::kShiftMask);
  EXPECT_EQ(form->DragShift, winui::kShiftMask);
  EXPECT_EQ(form->DragIconKey, L"OneMove");
  KeyUp(VK_SHIFT);
  EXPECT_EQ(form->DragShift, 0);
  EXPECT_EQ(form->DragIconKey, L"OneCopy");
  KeyDown(VK_ESCAPE);
  EXPECT_FALSE(form->Dragging);
  EXPECT_TRUE(work.Called(L"EndEntryDrag"));
  EXPECT_TRUE(form->IsLoaded());
}

TEST_F(frmMainFrameTest, CloseAsksWhileNewArchivesAreUnsaved) {
  core::NewArcCount = 1;
  const std::wstring widthBefore = core::Settings.RetuColumn[0];
  boxes.Expect(kUnsavedQuestion, IDCANCEL);
  Click(ID_mnuFileClose);
  EXPECT_TRUE(form->IsLoaded());
  EXPECT_EQ(core::Settings.RetuColumn[0], widthBefore);
  EXPECT_EQ(core::NewArcCount, 1);

  boxes.Expect(kUnsavedQuestion, IDOK);
  Click(ID_mnuFileClose);
  EXPECT_FALSE(form->IsLoaded());
  EXPECT_EQ(core::Settings.RetuColumn[0], L"85");
  EXPECT_EQ(SavedIni(L"RetuColumn8"), L"85");
}

TEST_F(frmMainFrameTest, CloseBoxAsksOnceAndResetsTheCount) {
  core::NewArcCount = 2;
  boxes.Expect(kUnsavedQuestion, IDCANCEL);
  EXPECT_FALSE(form->Unload(winui::UnloadMode::ControlMenu));
  EXPECT_EQ(core::NewArcCount, 2);
  boxes.Expect(kUnsavedQuestion, IDOK);
  EXPECT_TRUE(form->Unload(winui::UnloadMode::ControlMenu));
  EXPECT_EQ(core::NewArcCount, 0);
  EXPECT_EQ(core::Settings.RetuColumn[3], L"85");
  EXPECT_EQ(boxes.Shown().size(), 2u);
}

TEST_F(frmMainFrameTest, OtherEndsNeitherAskNorStoreWidthsButStillSave) {
  core::NewArcCount = 1;
  core::Settings.RetuColumn[0] = L"unchanged";
  core::Settings.WindowLeft = L"0";
  EXPECT_TRUE(form->Unload(winui::UnloadMode::AppWindows));
  EXPECT_TRUE(boxes.Shown().empty());
  EXPECT_EQ(core::Settings.RetuColumn[0], L"unchanged");
  const std::vector<std::wstring> expected = {L"ClearTempFolder", L"UnloadOtherWindows"};
  EXPECT_EQ(work.calls, expected);
  EXPECT_TRUE(core::ProgramEnding);
  EXPECT_EQ(SavedIni(L"WindowLeft"), core::Settings.WindowLeft);
  EXPECT_NE(SavedIni(L"WindowLeft"), L"0");
}

TEST_F(frmMainFrameTest, UnloadStoresTheWindowRectangleAndSplitter) {
  form->Move(1200, 900, 9000, 6000);
  form->SizeControls(2700);
  ASSERT_TRUE(form->Unload());
  EXPECT_NEAR(std::stoi(SavedIni(L"WindowLeft")), 1200, 15);
  EXPECT_NEAR(std::stoi(SavedIni(L"WindowTop")), 900, 15);
  EXPECT_NEAR(std::stoi(SavedIni(L"WindowWidth")), 9000, 15);
  EXPECT_NEAR(std::stoi(SavedIni(L"WindowHeight")), 6000, 15);
  EXPECT_NEAR(std::stoi(SavedIni(L"SplitBar")), 2700, 15);
}

// The close's own steps yield to the message loop; a second click on the close box arriving then belongs
// to the same close: the window is unloaded once, and what it stores is the window as it showed.
TEST_F(frmMainFrameTest, SecondCloseDuringTheCloseUnloadsOnceAndStoresTheWindow) {
  form->Move(1200, 900, 9000, 6000);
  form->SizeControls(2700);
  const int nameWidth = ColumnPixels(0);
  PostMessageW(form->Hwnd(), WM_CLOSE, 0, 0);
  PostMessageW(form->Hwnd(), WM_CLOSE, 0, 0);
  ASSERT_TRUE(PumpUntil([&] { return !form->IsLoaded(); }, 5000));
  const std::vector<std::wstring> once = {L"ClearTempFolder", L"UnloadOtherWindows"};
  EXPECT_EQ(work.calls, once);
  EXPECT_EQ(SavedIni(L"WindowLeft"), L"1200");
  EXPECT_EQ(SavedIni(L"WindowTop"), L"900");
  EXPECT_EQ(SavedIni(L"WindowWidth"), L"9000");
  EXPECT_EQ(SavedIni(L"WindowHeight"), L"6000");
  EXPECT_EQ(SavedIni(L"SplitBar"), L"2700");
  EXPECT_EQ(SavedIni(L"RetuColumn0"), std::to_wstring(nameWidth));
}

TEST_F(frmMainFrameTest, MinimizedWindowStoresNoRectangle) {
  core::Settings.WindowLeft = L"kept";
  form->SetWindowState(1);
  form->GetWindowState();
  EXPECT_EQ(core::Settings.WindowLeft, L"kept");
  EXPECT_FALSE(form->Activated);
}

TEST_F(frmMainFrameTest, ArchiveTypeFollowsPackTypeAndIsNeverAnotherTypeInPlaceOfAMissingOne) {
  testsupport::TempDir tools;
  archiver::SetToolFolder(tools.Path());
  const struct {
    const wchar_t* packType;
    const wchar_t* tool;      // written beside the program first, "" for none
    const wchar_t* expected;  // "" when the chosen type cannot be made here
    const wchar_t* missing;   // what is then named as missing
  } cases[] = {
      {L"0", L"", L"LZH", L""},
      {L"1", L"", L"ZIP", L""},
      {L"2", L"", L"CAB", L""},
      {L"3", L"", L"", L"arj.exe"},
      {L"3", L"ARJ.EXE", L"ARJ", L""},
      {L"4", L"", L"TAR", L""},
      {L"5", L"", L"ISH", L""},
      {L"6", L"", L"", L"rar.exe"},
      {L"6", L"RAR.EXE", L"RAR", L""},
      {L"7", L"", L"", L"YZENC.EXE"},
      {L"7", L"YZENC.EXE", L"YZ1", L""},
      {L"8", L"ACE.EXE", L"ACE", L""},
      {L"9", L"", L"", L"jar32.exe"},
      {L"9", L"jar32.exe", L"JAR", L""},
      {L"10", L"", L"BGA", L""},
      {L"11", L"gcac.exe", L"GCA", L""},
      {L"12", L"", L"", L"BEL"},
      {L"13", L"", L"7Z", L""},
      {L"14", L"", L"", L"IMP"},
      {L"15", L"", L"YZ2", L""},
      {L"16", L"", L"BH", L""},
      // A value that names no type asks for none: the default type.
      {L"17", L"", L"LZH", L""},
      {L"", L"", L"LZH", L""},
      {L" 1", L"", L"LZH", L""},
  };
  for (const auto& c : cases) {
    if (*c.tool) tools.WriteFile(c.tool, "tool");
    core::Settings.PackType = c.packType;
    std::wstring missing = L"unset";
    EXPECT_EQ(form->GetArchiveType(&missing), c.expected) << core::ToUtf8(c.packType);
    if (*c.expected == 0) EXPECT_EQ(missing, c.missing) << core::ToUtf8(c.packType);
  }
  // A hidden or system file of the tool's name is no tool.
  core::Settings.PackType = L"6";
  for (DWORD attributes : {DWORD{FILE_ATTRIBUTE_HIDDEN}, DWORD{FILE_ATTRIBUTE_SYSTEM}}) {
    SetFileAttributesW((tools / L"RAR.EXE").c_str(), attributes);
    EXPECT_EQ(form->GetArchiveType(), L"") << attributes;
  }
  SetFileAttributesW((tools / L"RAR.EXE").c_str(), FILE_ATTRIBUTE_NORMAL);
  archiver::SetToolFolder(L"");
}

TEST_F(frmMainFrameTest, SecondInstanceStartsQuotedAndShifted) {
  form->Move(1500, 1200, 8000, 5000);
  form->SizeControls(2100);
  form->StartTolvenar();
  ASSERT_EQ(processes.started.size(), 1u);
  EXPECT_EQ(processes.started[0].line, L"\"" + core::AddBackslash(core::ProgramFolder()) + L"tolvenar.exe\"");
  EXPECT_NEAR(std::stoi(SavedIni(L"WindowLeft")), 1500 + 360, 15);
  EXPECT_NEAR(std::stoi(SavedIni(L"WindowTop")), 1200 + 360, 15);
  EXPECT_NEAR(std::stoi(SavedIni(L"WindowWidth")), 8000, 15);
  EXPECT_NEAR(std::stoi(SavedIni(L"SplitBar")), 2100, 15);
}

TEST_F(frmMainFrameTest, MinimizedWindowStartsTheSecondInstanceWhereItWasStored) {
  core::Settings.WindowLeft = L"777";
  form->SetWindowState(1);
  form->StartTolvenar();
  EXPECT_EQ(processes.started.size(), 1u);
  EXPECT_EQ(SavedIni(L"WindowLeft"), L"777");
}

TEST_F(frmMainFrameTest, ToolBarButtonsRunTheirCommands) {
  const struct {
    const wchar_t* key;
    const wchar_t* handler;
  } cases[] = {
      {L"Open", L"mnuFileOpen"},
      {L"Close", L"mnuFileArcClose"},
      {L"AllClose", L"mnuFileArcAllClose"},
      {L"SaveAs", L"mnuFileSaveAs"},
      {L"View", L"mnuEditAction(0)"},
      {L"AddPack", L"mnuEditAdd"},
      {L"AddFolderPack", L"mnuEditAddFolder"},
      {L"Trush", L"mnuEditDelete"},
      {L"UnPack", L"mnuEditUnPack"},
      {L"Pack", L"mnuEditPack"},
      {L"FolderPack", L"mnuEditFolderPack"},
      {L"PackWizard", L"mnuFilePackWizard"},
      {L"UnPackWizard", L"mnuFileUnPackWizard"},
      {L"All", L"mnuEditDSelectAll"},
      {L"Option", L"mnuOptionOption"},
  };
  for (const auto& c : cases) {
    ran.clear();
    PressButton(c.key);
    EXPECT_EQ(ran, std::vector<std::wstring>{c.handler}) << core::ToUtf8(c.key);
  }
  // Keys compare exactly: a button "exit" is not "Exit".
  ran.clear();
  ASSERT_GT(form->tbToolBar.AddButton(L"exit", 0, L"exit"), 0);
  PressButton(L"exit");
  EXPECT_TRUE(ran.empty());
  EXPECT_TRUE(form->IsLoaded());

  PressButton(L"Tolvenar");
  EXPECT_EQ(processes.started.size(), 1u);
  PressButton(L"Exit");
  EXPECT_FALSE(form->IsLoaded());
}

TEST_F(frmMainFrameTest, DialogClearDropsTheSplashAndTheTopMostState) {
  testsupport::AllowWindows splashShown;
  ShowSplash();
  ASSERT_NE(Splash(), nullptr);
  Click(ID_mnuViewWindowTop);
  ASSERT_TRUE(TopMost());
  form->SetDialogClear();
  EXPECT_FALSE(TopMost());
  EXPECT_EQ(Splash(), nullptr);

  // With the splash switched off there is none to drop, and "0" leaves the z-order alone.
  core::Settings.NeverTop = L"0";
  form->SetTopMost(true);
  form->SetDialogClear();
  EXPECT_TRUE(TopMost());
}

// The new-archive dialog is one window kept for the whole run: each asking answers with its own showing's
// choice, never with one left from an earlier showing.
TEST_F(frmMainFrameTest, TheNewArchiveDialogAnswersWithItsOwnShowingsChoice) {
  struct Case {
    const char* how;
    std::function<void(options::frmDropOption&)> answer;
    std::optional<int> chosen;
  };
  const Case cases[] = {
      {"OK on another type",
       [](options::frmDropOption& d) {
         d.SetArcType(13);
         d.cmdOk_Click();
       },
       13},
      {"OK on the start type", [](options::frmDropOption& d) { d.cmdOk_Click(); }, 4},
      {"Cancel", [](options::frmDropOption& d) { PressButtonOf(d.cmdCancel); }, std::nullopt},
      {"Esc",
       [](options::frmDropOption& d) {
         int key = VK_ESCAPE;
         d.Form_KeyDown(key, 0);
       },
       std::nullopt},
      {"close box", [](options::frmDropOption& d) { SendMessageW(d.Hwnd(), WM_CLOSE, 0, 0); }, std::nullopt},
  };
  core::Settings.PackType = L"4";
  for (const Case& c : cases) {
    SCOPED_TRACE(c.how);
    std::wstring title;
    const winui::ModalHook previous = winui::SetModalHook([&](winui::Form& shown) {
      auto& dialog = dynamic_cast<options::frmDropOption&>(shown);
      title = dialog.CaptionTitle();
      c.answer(dialog);
    });
    const std::optional<int> chosen = AskNewArchiveType(*form, L"書庫のオプション", 0, nullptr);
    winui::SetModalHook(previous);
    EXPECT_EQ(c.chosen, chosen);
    EXPECT_EQ(L"書庫のオプション", title);
  }
}

}  // namespace
