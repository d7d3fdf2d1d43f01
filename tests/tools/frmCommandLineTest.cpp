// The raw command-line dialog driven through its controls with the stand-ins on the search path: the type
// options, the typed line run unchanged, the history as focus changes and OK keep it, the file search, the
// description file, and the keys that do and do not close it.
#include "tools/frmCommandLine.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "KeyInput.h"
#include "ProgramStateGuard.h"
#include "ScriptedMsgBox.h"
#include "TempDir.h"
#include "ToolFakes.h"
#include "ToolFixtures.h"
#include "TopMostCheck.h"
#include "core/OpenCommand.h"
#include "core/Settings.h"
#include "core/Text.h"
#include "core/modShell.h"
#include "core/modTolvenar.h"
#include "tools/CommandLineRun.h"
#include "tools/ToolCommands.h"

namespace {

using tools::frmCommandLine;

class frmCommandLineTest : public ::testing::Test {
 protected:
  void SetUp() override {
    core::Settings.Log = L"0";
    core::Settings.ArcCommand = {L""};
  }
  void TearDown() override { form.Unload(); }
  static void Press(HWND button) { SendMessageW(button, BM_CLICK, 0, 0); }
  // The edit part of the combo box, where the user types.
  HWND Edit() { return GetWindow(form.cboCommandLine.Hwnd(), GW_CHILD); }
  bool Ran(const wchar_t* entry, const std::wstring& command) { return standins.Ran(entry, command); }
  std::vector<std::wstring> History() {
    std::vector<std::wstring> items(core::Settings.ArcCommand.begin() + 1, core::Settings.ArcCommand.end());
    while (!items.empty() && items.back().empty()) items.pop_back();
    return items;
  }

  testsupport::ProgramStateGuard state;
  testsupport::TempDir temp;
  toolstest::StandinCopies standins{temp};
  testsupport::FakeMainWindow link;
  core::ScopedMainWindowLink linkSeam{link};
  testsupport::ScriptedMsgBox boxes;
  testsupport::FakeCommonDialogs dialogs;
  testsupport::FakeProcesses processes;
  core::ScopedCommonDialogSeam dialogSeam{dialogs};
  core::ScopedProcessSeam processSeam{processes};
  frmCommandLine form;
};

TEST_F(frmCommandLineTest, OpensOnTheFirstTypeWithTheNewestCommandOfTheHistory) {
  standins.Remove(L"unlha32.dll");
  standins.Remove(L"cab32.dll");
  core::Settings.ArcCommand = {L"", L"l a.lzh", L"   ", L"", L" x b.zip"};
  ASSERT_TRUE(form.Load());
  EXPECT_EQ(L"書庫をコマンドラインより実行", form.Caption());
  std::vector<bool> enabled, selected;
  for (int i = 0; i < tools::kCommandLineTypeCount; ++i) {
    enabled.push_back(form.optArcType(i).Enabled());
    selected.push_back(form.optArcType(i).Value());
  }
  EXPECT_EQ((std::vector<bool>{false, true, false, true}), enabled);
  EXPECT_EQ((std::vector<bool>{true, false, false, false}), selected) << "selected although unlha32 is missing";
  EXPECT_EQ(L"[.LZH]", form.lblCommandLine(1).Caption());
  EXPECT_EQ(L"コマンド(&C)   [<command>] [[-<switch>[+|-|0|1|2]]...] <archive_file_name>",
            form.lblCommandLine(0).Caption());
  ASSERT_EQ(2, form.cboCommandLine.ListCount());
  EXPECT_EQ(L" x b.zip", form.cboCommandLine.List(1));
  EXPECT_EQ(L"l a.lzh", form.cboCommandLine.Text());
}

TEST_F(frmCommandLineTest, ChoosingATypeChangesOnlyTheExtensionBesideTheHint) {
  ASSERT_TRUE(form.Load());
  form.cboCommandLine.SetText(L"l typed.arc");
  const wchar_t* extensions[] = {L"[.LZH]", L"[.ZIP]", L"[.CAB]", L"[.TAR]"};
  for (int i : {2, 1, 3, 0}) {
    toolstest::ClickAt(form.optArcType(i).Hwnd());
    winui::DoEvents();
    EXPECT_TRUE(form.optArcType(i).Value()) << i;
    EXPECT_EQ(extensions[i], form.lblCommandLine(1).Caption());
    EXPECT_EQ(L"l typed.arc", form.cboCommandLine.Text());
  }
}

TEST_F(frmCommandLineTest, OkRunsTheTrimmedLineInTheChosenLibraryAndKeepsItFirst) {
  temp.WriteFile(L"src\\読んで.txt", "text\r\n");
  core::Settings.ArcCommand = {L"", L"l older.lzh"};
  ASSERT_TRUE(form.Load());
  const std::wstring create = L"a " + (temp / L"new.lzh") + L" " + temp.Path() + L"\\src\\ 読んで.txt";
  form.cboCommandLine.SetText(L"  " + create + L" ");
  Press(form.CmdOk.Hwnd());
  EXPECT_FALSE(form.IsLoaded());
  EXPECT_TRUE(Ran(L"Unlha", create));
  EXPECT_TRUE(core::PrivateState.ArcStatus());
  EXPECT_TRUE(testsupport::FileExists(temp / L"new.lzh"));
  EXPECT_EQ((std::vector<std::wstring>{create, L"l older.lzh"}), History());

  // Through Zip32J, a listing of an archive that is not there: the library's failure is the status.
  ASSERT_TRUE(form.Load());
  Press(form.optArcType(1).Hwnd());
  const std::wstring list = L"-l " + (temp / L"none.zip");
  form.cboCommandLine.SetText(list);
  Press(form.CmdOk.Hwnd());
  EXPECT_TRUE(Ran(L"Zip", list));
  EXPECT_FALSE(core::PrivateState.ArcStatus());
}

TEST_F(frmCommandLineTest, AnEmptyLineDoesNothingBlanksAreRunWithoutTouchingTheHistory) {
  core::Settings.ArcCommand = {L"", L"l a.lzh"};
  ASSERT_TRUE(form.Load());
  form.cboCommandLine.SetText(L"");
  Press(form.CmdOk.Hwnd());
  EXPECT_TRUE(form.IsLoaded());
  EXPECT_EQ(std::string::npos, standins.Log().find("\tUnlha\t"));

  form.cboCommandLine.SetText(L"   ");
  Press(form.CmdOk.Hwnd());
  EXPECT_FALSE(form.IsLoaded());
  EXPECT_TRUE(Ran(L"Unlha", L"   "));
  EXPECT_EQ((std::vector<std::wstring>{L"l a.lzh"}), History());
}

TEST_F(frmCommandLineTest, EnterDoesNotRunEscCancels) {
  ASSERT_TRUE(form.Load());
  form.cboCommandLine.SetFocus();
  winuitest::Type(Edit(), "l abc");
  winuitest::Key(Edit(), VK_RETURN);
  EXPECT_TRUE(form.IsLoaded());
  EXPECT_EQ(L"l abc", form.cboCommandLine.Text());
  winuitest::Key(Edit(), VK_ESCAPE);
  EXPECT_FALSE(form.IsLoaded());
  EXPECT_EQ(std::string::npos, standins.Log().find("\tUnlha\t"));
}

// Leaving the box keeps what was typed at the end of the history, so Cancel clicked with the mouse keeps it;
// OK then puts the text first and drops the older entry equal to it in any case.
TEST_F(frmCommandLineTest, LeavingTheBoxAppendsTheTextOkPutsItFirst) {
  core::Settings.ArcCommand = {L"", L"l a.lzh"};
  ASSERT_TRUE(form.Load());
  form.cboCommandLine.SetFocus();
  form.cboCommandLine.SetText(L"");
  winuitest::Type(Edit(), "l new");
  toolstest::ClickAt(form.CmdCancel.Hwnd());
  winui::DoEvents();
  EXPECT_FALSE(form.IsLoaded());
  EXPECT_EQ((std::vector<std::wstring>{L"l a.lzh", L"l new"}), History());

  ASSERT_TRUE(form.Load());
  form.cboCommandLine.SetFocus();
  form.cboCommandLine.SetText(L"L A.LZH");
  form.CmdOk.SetFocus();
  EXPECT_EQ((std::vector<std::wstring>{L"l a.lzh", L"l new", L"L A.LZH"}), History()) << "compared exactly";
  Press(form.CmdOk.Hwnd());
  EXPECT_EQ((std::vector<std::wstring>{L"L A.LZH", L"l new", L"L A.LZH"}), History());
}

TEST_F(frmCommandLineTest, APickedFileIsAppendedAndItsFolderIsWhereTheNextSearchStarts) {
  dialogs.answers = {L"C:\\My Files\\a.txt", L"", L"C:\\data\\b.txt"};
  ASSERT_TRUE(form.Load());
  form.cboCommandLine.SetText(L"a x.lzh");
  for (int i = 0; i < 3; ++i) Press(form.cmdFileSearch.Hwnd());
  const std::wstring text = L"a x.lzh \"C:\\My Files\\a.txt\" C:\\data\\b.txt";
  EXPECT_EQ(text, form.cboCommandLine.Text());
  DWORD start = 0, end = 0;
  SendMessageW(form.cboCommandLine.Hwnd(), CB_GETEDITSEL, reinterpret_cast<WPARAM>(&start),
               reinterpret_cast<LPARAM>(&end));
  EXPECT_EQ(text.size(), start);
  EXPECT_EQ(text.size(), end);
  ASSERT_EQ(3u, dialogs.asked.size());
  EXPECT_EQ(L"ﾌｧｲﾙを開く", dialogs.asked[0].title);
  EXPECT_EQ(L"すべてのﾌｧｲﾙ (*.*)|*.*", dialogs.asked[0].filter);
  EXPECT_EQ(form.Hwnd(), dialogs.asked[0].owner);
  EXPECT_EQ((std::vector<std::wstring>{L"", L"C:\\My Files", L"C:\\My Files"}),
            (std::vector<std::wstring>{dialogs.asked[0].initialDir, dialogs.asked[1].initialDir,
                                       dialogs.asked[2].initialDir}));
  EXPECT_EQ(L"C:\\data", form.SearchFolder());
}

TEST_F(frmCommandLineTest, HelpOpensTheDescriptionFileOfTheChosenType) {
  core::Settings.Editor = L"C:\\Tools\\my editor.exe";
  ASSERT_TRUE(form.Load());
  const struct {
    const wchar_t* title;
    const wchar_t* file;
  } rows[] = {{L"UNLHA32.DLLのｺﾏﾝﾄﾞ説明ﾌｧｲﾙを開く", L"COMMAND.TXT"},
              {L"UNZIP32.DLLのｺﾏﾝﾄﾞ説明ﾌｧｲﾙを開く", L"UNZIP32D.TXT"},
              {L"CAB32.DLLのｺﾏﾝﾄﾞ説明ﾌｧｲﾙを開く", L"CAB32CMD.TXT"},
              {L"TAR32.DLLのｺﾏﾝﾄﾞ説明ﾌｧｲﾙを開く", L"CMD_TAR.TXT"}};
  dialogs.answers = {L"C:\\docs\\lha.txt", L"", L"C:\\docs\\cab help.cmdtext", L"C:\\docs\\tar.txt"};
  for (int i = 0; i < 4; ++i) {
    Press(form.optArcType(i).Hwnd());
    Press(form.cmdHelp.Hwnd());
    EXPECT_EQ(rows[i].title, dialogs.asked.at(i).title);
    EXPECT_EQ(rows[i].file, dialogs.asked.at(i).fileName);
    EXPECT_EQ(L"ｺﾏﾝﾄﾞ説明ﾌｧｲﾙ (*.txt)|*.txt|すべてのﾌｧｲﾙ (*.*)|*.*", dialogs.asked.at(i).filter);
    EXPECT_EQ(core::ProgramFolder(), dialogs.asked.at(i).initialDir);
  }
  // Each file chosen opens with its type's program, handed the file; a type no program is registered for
  // opens in the editor. The file itself is never what is started.
  const std::vector<std::wstring> executed = toolstest::Executed(processes);
  ASSERT_EQ(3u, executed.size());
  EXPECT_EQ(L"open C:\\Tools\\my editor.exe", executed[1]);
  EXPECT_EQ(L"\"C:\\docs\\cab help.cmdtext\"", processes.opened[1].parameters);
  const std::wstring textProgram = core::GetOpenCommand(L".txt").empty() ? L"open C:\\Tools\\my editor.exe" : L"";
  for (size_t k : {0u, 2u}) {
    EXPECT_EQ(k == 0 ? L"C:\\docs\\lha.txt" : L"C:\\docs\\tar.txt", processes.opened[k].parameters);
    EXPECT_NE(L"open " + processes.opened[k].parameters, executed[k]);
    if (!textProgram.empty()) EXPECT_EQ(textProgram, executed[k]);
  }
  EXPECT_TRUE(form.IsLoaded());
}

TEST_F(frmCommandLineTest, TheMenuCommandOpensItOnlyWithOneOfTheFourLibraries) {
  int shown = 0;
  toolstest::ModalScript script([&](winui::Form& opened) {
    ++shown;
    SendMessageW(dynamic_cast<frmCommandLine&>(opened).CmdCancel.Hwnd(), BM_CLICK, 0, 0);
  });
  tools::ShowCommandLine(nullptr);
  EXPECT_EQ(1, shown);
  for (const wchar_t* library : {L"unlha32.dll", L"Zip32J.dll", L"cab32.dll", L"tar32.dll"}) standins.Remove(library);
  boxes.Expect(tools::kCommandLineMissing);
  tools::ShowCommandLine(nullptr);
  EXPECT_EQ(1, shown);
  EXPECT_EQ(static_cast<UINT>(MB_ICONEXCLAMATION), boxes.Shown().at(0).style & MB_ICONMASK);
}

TEST_F(frmCommandLineTest, TopMostWhileOpenAndTheMainWindowOnTopAgainAfterwards) {
  testsupport::ExpectTopMostUnlessNeverTopIsZero(form, link);
  HWND main = CreateWindowExW(0, L"STATIC", L"main", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
  link.mainWindow = main;
  link.neverTop = L"1";
  ASSERT_TRUE(form.Load());
  SendMessageW(form.Hwnd(), WM_CLOSE, 0, 0);
  EXPECT_TRUE(testsupport::IsTopMost(main));
  DestroyWindow(main);
}

}  // namespace
