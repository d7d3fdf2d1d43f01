// The entry dialog of the template editor, driven through its controls: the entry it is given fills the
// box, OK answers it trimmed and refuses what could not be stored, Cancel and Esc answer nothing.
#include "tools/frmRename.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "KeyInput.h"
#include "ProgramStateGuard.h"
#include "ToolFakes.h"
#include "TopMostCheck.h"
#include "core/Text.h"

namespace {

using tools::frmRename;

class frmRenameTest : public ::testing::Test {
 protected:
  void TearDown() override { form.Unload(); }
  // Loads the dialog on `entry` and gives the box the focus, as the opening does.
  void Open(const std::wstring& entry) {
    form.SetEntry(entry);
    ASSERT_TRUE(form.Load());
    form.txtRename.SetFocus();
  }
  // Shows the dialog modally on `entry`, the box with the focus; `answer` plays the user while it is open.
  winui::DialogResult Show(const std::wstring& entry, const std::function<void(frmRename&)>& answer) {
    form.SetEntry(entry);
    toolstest::ModalScript script([&](winui::Form&) {
      form.txtRename.SetFocus();
      answer(form);
    });
    return form.ShowModal();
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
    const wchar_t* answer;  // "" while nothing is confirmed
  };
  const Case cases[] = {
      {L"  D:\\new dir\\b.txt  ", false, true, L"D:\\new dir\\b.txt"},
      {L"D:\\*.doc", true, true, L"D:\\*.doc"},
      {L"   ", false, false, L""},
      {L"", true, false, L""},
      // No code-page-932 form: the settings file would lose it.
      {L"C:\\Übersicht.txt", false, false, L""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(core::ToUtf8(c.typed));
    const winui::DialogResult result = Show(L"C:\\old.txt", [&](frmRename& f) {
      f.txtRename.SetText(c.typed);
      if (c.byEnter)
        winuitest::Key(f.txtRename.Hwnd(), VK_RETURN);
      else
        SendMessageW(f.CmdOk.Hwnd(), BM_CLICK, 0, 0);
    });
    EXPECT_EQ(!c.closes, form.IsLoaded());
    EXPECT_EQ(c.closes ? winui::DialogResult::OK : winui::DialogResult::Cancel, result);
    EXPECT_EQ(c.answer, form.Choice());
    form.Unload();
  }
}

TEST_F(frmRenameTest, CancelAndEscAnswerNothing) {
  const struct {
    const char* how;
    void (*close)(frmRename&);
  } cases[] = {
      {"Cancel", [](frmRename& f) { SendMessageW(f.CmdCancel.Hwnd(), BM_CLICK, 0, 0); }},
      {"Esc", [](frmRename& f) { winuitest::Key(f.txtRename.Hwnd(), VK_ESCAPE); }},
      {"close box", [](frmRename& f) { SendMessageW(f.Hwnd(), WM_CLOSE, 0, 0); }},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.how);
    // An entry confirmed in an earlier showing is never taken for this one's.
    Show(L"C:\\earlier.txt", [](frmRename& f) { SendMessageW(f.CmdOk.Hwnd(), BM_CLICK, 0, 0); });
    ASSERT_EQ(L"C:\\earlier.txt", form.Choice());
    const winui::DialogResult result = Show(L"C:\\old.txt", [&](frmRename& f) {
      f.txtRename.SetText(L"C:\\new.txt");
      c.close(f);
    });
    EXPECT_FALSE(form.IsLoaded());
    EXPECT_EQ(winui::DialogResult::Cancel, result);
    EXPECT_EQ(L"", form.Choice());
  }
}

}  // namespace
