// The LZ expansion name dialog as the user answers it (the missing letter typed over the selected "_"),
// and the whole expansion of an archive entry behind it with an SZDD file made by our writer.
#include "tools/frmExpand.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "KeyInput.h"
#include "ProgramStateGuard.h"
#include "ScriptedMsgBox.h"
#include "Szdd.h"
#include "TempDir.h"
#include "ToolFakes.h"
#include "TopMostCheck.h"
#include "core/Settings.h"
#include "tools/ToolCommands.h"

namespace {

using tools::frmExpand;

class frmExpandTest : public ::testing::Test {
 protected:
  void TearDown() override { form.Unload(); }
  // Shows the dialog modally on `proposed`; `answer` plays the user while it is open.
  winui::DialogResult Show(const std::wstring& proposed, const std::function<void(frmExpand&)>& answer) {
    form.SetProposed(proposed);
    toolstest::ModalScript script([&](winui::Form&) { answer(form); });
    return form.ShowModal();
  }

  testsupport::ProgramStateGuard state;
  testsupport::FakeMainWindow link;
  core::ScopedMainWindowLink linkSeam{link};
  testsupport::ScriptedMsgBox boxes;
  frmExpand form;
};

TEST_F(frmExpandTest, ShowsFolderAndNameApartFromTheExtensionWithTheLetterToTypeSelected) {
  const struct {
    const wchar_t* proposed;
    const wchar_t* fileName;
    const wchar_t* extension;
    int selected;
  } cases[] = {
      {L"C:\\out\\setup.ex_", L"C:\\out\\setup", L"ex_", 2},  {L"C:\\out\\a.b.tx_", L"C:\\out\\a", L"tx_", 2},
      {L"C:\\out\\_a.b_", L"C:\\out\\_a", L"b_", 1},          {L"C:\\out\\notes.txt", L"C:\\out\\notes", L"txt", 0},
      {L"C:\\out\\README", L"C:\\out\\README", L"README", 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::PrintToString(std::wstring(c.proposed)));
    form.SetProposed(c.proposed);
    ASSERT_TRUE(form.Load());
    EXPECT_EQ(c.fileName, form.txtFileName.Text());
    EXPECT_EQ(c.extension, form.txtExt.Text());
    EXPECT_EQ(c.selected, form.txtExt.SelStart());
    EXPECT_EQ(1, form.txtExt.SelLength());
    form.Unload();
  }
}

TEST_F(frmExpandTest, TheTypedLetterReplacesTheUnderscoreAndEnterConfirms) {
  const winui::DialogResult result = Show(L"C:\\out\\setup.ex_", [](frmExpand& f) {
    winuitest::Type(f.txtExt.Hwnd(), "e");
    winuitest::Key(f.txtExt.Hwnd(), VK_RETURN);
  });
  EXPECT_FALSE(form.IsLoaded());
  EXPECT_EQ(winui::DialogResult::OK, result);
  EXPECT_EQ(L"C:\\out\\setup.exe", form.Choice());
}

TEST_F(frmExpandTest, OkJoinsTheTwoBoxesAsTheyStand) {
  const struct {
    const wchar_t* proposed;
    const wchar_t* extension;  // nullptr: left as shown
    const wchar_t* confirmed;
  } cases[] = {
      {L"C:\\out\\a.b.tx_", nullptr, L"C:\\out\\a.tx_"},
      {L"C:\\out\\README", nullptr, L"C:\\out\\README.README"},
      {L"C:\\out\\notes.tx_", L"", L"C:\\out\\notes."},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::PrintToString(std::wstring(c.proposed)));
    const winui::DialogResult result = Show(c.proposed, [&](frmExpand& f) {
      if (c.extension) f.txtExt.SetText(c.extension);
      SendMessageW(f.CmdOk.Hwnd(), BM_CLICK, 0, 0);
    });
    EXPECT_EQ(winui::DialogResult::OK, result);
    EXPECT_EQ(c.confirmed, form.Choice());
  }
}

TEST_F(frmExpandTest, CancelEscAndTheCloseBoxAnswerNothing) {
  const struct {
    const char* how;
    void (*close)(frmExpand&);
  } cases[] = {
      {"Cancel", [](frmExpand& f) { SendMessageW(f.CmdCancel.Hwnd(), BM_CLICK, 0, 0); }},
      {"Esc", [](frmExpand& f) { winuitest::Key(f.txtExt.Hwnd(), VK_ESCAPE); }},
      {"close box", [](frmExpand& f) { SendMessageW(f.Hwnd(), WM_CLOSE, 0, 0); }},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.how);
    // A path confirmed in an earlier showing is never taken for this one's.
    Show(L"C:\\out\\earlier.ex_", [](frmExpand& f) { SendMessageW(f.CmdOk.Hwnd(), BM_CLICK, 0, 0); });
    ASSERT_EQ(L"C:\\out\\earlier.ex_", form.Choice());
    const winui::DialogResult result = Show(L"C:\\out\\setup.ex_", [&](frmExpand& f) {
      f.txtExt.SetText(L"exe");
      c.close(f);
    });
    EXPECT_FALSE(form.IsLoaded());
    EXPECT_EQ(winui::DialogResult::Cancel, result);
    EXPECT_EQ(L"", form.Choice());
  }
}

TEST_F(frmExpandTest, TopMostWhileOpen) { testsupport::ExpectTopMostUnlessNeverTopIsZero(form, link); }

class ExpandEntryTest : public frmExpandTest {
 protected:
  void SetUp() override {
    frmExpandTest::SetUp();
    core::Settings.UnpackDefaultFlag = L"1";
    core::Settings.Message = L"1";
  }
  testsupport::TempDir temp;
};

TEST_F(ExpandEntryTest, TheConfirmedNameGetsTheExpandedEntry) {
  const std::string data = "MZ" + std::string(5000, 'x') + "end";
  int extracted = 0;
  auto extract = [&] {
    ++extracted;
    return temp.WriteFile(L"work\\setup.ex_", standin::SzddCompress(data, 'e'));
  };
  toolstest::ModalScript script([&](winui::Form& opened) {
    auto& dialog = dynamic_cast<frmExpand&>(opened);
    EXPECT_EQ(temp / L"setup", dialog.txtFileName.Text());
    winuitest::Type(dialog.txtExt.Hwnd(), "e");
    winuitest::Key(dialog.txtExt.Hwnd(), VK_RETURN);
  });
  const std::wstring expanded = temp / L"setup.exe";
  boxes.Expect(L"Lempel-Zivファイルを \"" + expanded + L"\" というファイル名で展開しました");
  EXPECT_EQ(static_cast<int32_t>(data.size()),
            tools::ExpandArchiveEntry(nullptr, temp / L"arc.lzh", L"bin\\setup.ex_", extract));
  EXPECT_EQ(1, extracted);
  EXPECT_EQ(data, testsupport::ReadFileBytes(expanded));
  EXPECT_TRUE(boxes.AllShown());
}

TEST_F(ExpandEntryTest, CancelExtractsNothingAndAFailedExtractionShowsNothing) {
  int extracted = 0;
  bool confirm = false;
  toolstest::ModalScript script([&](winui::Form& opened) {
    auto& dialog = dynamic_cast<frmExpand&>(opened);
    SendMessageW((confirm ? dialog.CmdOk : dialog.CmdCancel).Hwnd(), BM_CLICK, 0, 0);
  });
  auto extract = [&] {
    ++extracted;
    return std::wstring();
  };
  EXPECT_EQ(0, tools::ExpandArchiveEntry(nullptr, temp / L"arc.lzh", L"setup.ex_", extract));
  EXPECT_EQ(0, extracted);
  confirm = true;
  EXPECT_EQ(-1, tools::ExpandArchiveEntry(nullptr, temp / L"arc.lzh", L"setup.ex_", extract));
  EXPECT_EQ(1, extracted);
  EXPECT_FALSE(testsupport::FileExists(temp / L"setup.ex_"));
  EXPECT_TRUE(boxes.Shown().empty());
}

}  // namespace
