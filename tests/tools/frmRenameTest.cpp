// The entry dialog of the template editor, driven through its controls: the entry comes in and goes out
// through PrivateState.RenameFileName, OK keeps it trimmed and refuses what could not be stored, Cancel and
// Esc answer "".
#include "tools/frmRename.h"

#include <gtest/gtest.h>

#include <string>

#include "KeyInput.h"
#include "ProgramStateGuard.h"
#include "TopMostCheck.h"
#include "core/Text.h"
#include "core/modTolvenar.h"

namespace {

using tools::frmRename;

class frmRenameTest : public ::testing::Test {
 protected:
  void TearDown() override { form.Unload(); }
  // Loads the dialog on `entry` and gives the box the focus, as the opening does.
  void Open(const std::wstring& entry) {
    core::PrivateState.SetRenameFileName(entry);
    ASSERT_TRUE(form.Load());
    form.txtRename.SetFocus();
  }

  testsupport::ProgramStateGuard state;
  testsupport::FakeMainWindow link;
  core::ScopedMainWindowLink linkSeam{link};
  frmRename form;
};

TEST_F(frmRenameTest, ShowsTheEntryWhollySelected) {
  Open(L"C:\\src\\*.txt");
  EXPECT_EQ(L"圧縮対象ファイル名の変更", form.Caption());
  EXPECT_EQ(L"変更するファイル名を指定してください(&N)", form.lblComment(0).Caption());
  EXPECT_EQ(L"(*.txtなどのワイルドカード指定もできます)", form.lblComment(1).Caption());
  EXPECT_EQ(L"C:\\src\\*.txt", form.txtRename.Text());
  DWORD start = 0, end = 0;
  SendMessageW(form.txtRename.Hwnd(), EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  EXPECT_EQ(0u, start);
  EXPECT_EQ(form.txtRename.Text().size(), end);
  form.Unload();
  testsupport::ExpectTopMostUnlessNeverTopIsZero(form, link);
}

TEST_F(frmRenameTest, OkAndEnterKeepTheTrimmedTextWhatCannotBeStoredKeepsTheWindowOpen) {
  struct Case {
    const wchar_t* typed;
    bool byEnter;
    bool closes;
    const wchar_t* answer;
  };
  const Case cases[] = {
      {L"  D:\\new dir\\b.txt  ", false, true, L"D:\\new dir\\b.txt"},
      {L"D:\\*.doc", true, true, L"D:\\*.doc"},
      {L"   ", false, false, L"C:\\old.txt"},
      {L"", true, false, L"C:\\old.txt"},
      // No code-page-932 form: the settings file would lose it.
      {L"C:\\Übersicht.txt", false, false, L"C:\\old.txt"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(core::ToUtf8(c.typed));
    Open(L"C:\\old.txt");
    form.txtRename.SetText(c.typed);
    if (c.byEnter)
      winuitest::Key(form.txtRename.Hwnd(), VK_RETURN);
    else
      SendMessageW(form.CmdOk.Hwnd(), BM_CLICK, 0, 0);
    EXPECT_EQ(!c.closes, form.IsLoaded());
    EXPECT_EQ(c.answer, core::PrivateState.RenameFileName());
    form.Unload();
  }
}

TEST_F(frmRenameTest, CancelAndEscAnswerNothing) {
  Open(L"C:\\old.txt");
  form.txtRename.SetText(L"C:\\new.txt");
  SendMessageW(form.CmdCancel.Hwnd(), BM_CLICK, 0, 0);
  EXPECT_FALSE(form.IsLoaded());
  EXPECT_EQ(L"", core::PrivateState.RenameFileName());

  Open(L"C:\\old.txt");
  winuitest::Key(form.txtRename.Hwnd(), VK_ESCAPE);
  EXPECT_FALSE(form.IsLoaded());
  EXPECT_EQ(L"", core::PrivateState.RenameFileName());
}

}  // namespace
