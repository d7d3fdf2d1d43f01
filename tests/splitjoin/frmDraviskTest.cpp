// The splitter's window, created hidden and driven through its control ids.
#include "LabelCheck.h"
#include "splitjoin/frmDravisk.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "EngineFakes.h"
#include "ProgramFakes.h"
#include "TempDir.h"
#include "core/OperationUi.h"
#include "core/Text.h"
#include "core/modShell.h"
#include "splitjoin/DraviskInput.h"
#include "splitjoin/SplitEngine.h"
#include "winui/App.h"
#include "winui/MsgBox.h"

namespace {

using dravisk::frmDravisk;
using splitjoin_test::PatternBytes;
using testsupport::TempDir;

class frmDraviskTest : public splitjoin_test::ProgramTest {
 protected:
  void SetUp() override { ASSERT_TRUE(form.Load()); }
  // Picks a file through the file chooser, as a user would.
  void Choose(const std::wstring& path) {
    dialog.answer = path;
    form.Raise(dravisk::ID_cmdDraviskFileName, winui::Event::Click);
  }
  void CommitNini(const std::wstring& typed) {
    form.txtNini.SetText(typed);
    form.Raise(dravisk::ID_txtNini, winui::Event::LostFocus);
  }

  frmDravisk form;
};

TEST_F(frmDraviskTest, FreshStart) {
  EXPECT_EQ(form.Caption(), L"ファイルを分割");
  ASSERT_EQ(form.cmbDravisk.ListCount(), 11);
  const wchar_t* captions[] = {L"256KB",      L"640KB (FD)", L"720KB (FD)",   L"1.25MB (FD)",
                               L"1.44MB (FD)", L"100MB (ZIP)", L"128MB (MO)",  L"230MB (MO)",
                               L"640MB (MO)", L"650MB (CD-R)", L"任意 (1～4,096MB)"};
  for (int i = 0; i < 11; ++i) EXPECT_EQ(form.cmbDravisk.List(i), captions[i]);
  EXPECT_EQ(form.cmbDravisk.ListIndex(), 4);
  EXPECT_EQ(form.cmbDravisk.Text(), L"1.44MB (FD)");
  EXPECT_EQ(form.txtNini.Text(), L"1");
  EXPECT_FALSE(form.txtNini.Enabled());
  EXPECT_FALSE(form.vscNini.Enabled());
  EXPECT_EQ(form.vscNini.Value(), 1);
  EXPECT_EQ(form.txtDraviskFileName.Text(), L"");
  EXPECT_EQ(form.txtToFolder.Text(), L"");
  for (auto* box : {&form.chkBatchMake, &form.chkSetDate, &form.chkAfterOpen}) EXPECT_EQ(box->Value(), 0);
  EXPECT_EQ(form.lblAfter.Caption(), L"");
  EXPECT_FALSE(form.picStatus.Visible());
  EXPECT_TRUE(form.cmdOk.Enabled());
  EXPECT_EQ(form.cmdCancel.Caption(), L"閉じる(&C)");
  EXPECT_EQ(form.Item(dravisk::ID_lblAfter), GetDlgItem(form.Hwnd(), dravisk::ID_lblAfter));
}

TEST_F(frmDraviskTest, RangeLabelFollowsTheChosenFileAndSize) {
  const std::wstring file = temp.WriteFile(L"movie.avi", PatternBytes(2500000));
  form.txtDraviskFileName.SetText(file);
  EXPECT_EQ(form.lblAfter.Caption(), L"") << "a typed name shows no range";

  Choose(file);
  EXPECT_EQ(dialog.Last().title, L"分割ﾌｧｲﾙの指定");
  EXPECT_EQ(dialog.Last().filter, L"すべてのﾌｧｲﾙ (*.*)|*.*");
  EXPECT_EQ(dialog.Last().initialDir, core::ProgramFolder());
  EXPECT_EQ(dialog.Last().flags, DWORD{0x201804});
  EXPECT_EQ(form.txtDraviskFileName.Text(), file);
  EXPECT_EQ(form.lblAfter.Caption(), L"*.001～*.002");

  form.cmbDravisk.SetListIndex(0);
  EXPECT_EQ(form.lblAfter.Caption(), L"*.001～*.010");
  form.cmbDravisk.SetListIndex(10);
  EXPECT_TRUE(form.txtNini.Enabled());
  EXPECT_TRUE(form.vscNini.Enabled());
  EXPECT_EQ(form.lblAfter.Caption(), L"*.001～*.003");
  form.vscNini.SetValue(2);
  EXPECT_EQ(form.txtNini.Text(), L"2");
  EXPECT_EQ(form.lblAfter.Caption(), L"*.001～*.002");
  form.cmbDravisk.SetListIndex(9);
  EXPECT_FALSE(form.txtNini.Enabled());
  EXPECT_EQ(form.lblAfter.Caption(), L"*.001");

  // A cancelled chooser changes nothing; a missing file counts one piece.
  Choose(L"");
  EXPECT_EQ(form.txtDraviskFileName.Text(), file);
  Choose(temp / L"gone.bin");
  EXPECT_EQ(form.lblAfter.Caption(), L"*.001");
}

TEST_F(frmDraviskTest, CustomSizeRules) {
  form.cmbDravisk.SetListIndex(10);
  struct Case {
    const wchar_t* typed;
    const wchar_t* shown;
    int value;
  };
  const Case cases[] = {{L"5000", L"4,096", 4096}, {L"0", L"1", 1},        {L"", L"1", 1},
                        {L"1024", L"1,024", 1024}, {L"4096", L"4,096", 4096}, {L"99999999999", L"1", 1},
                        {L"7", L"7", 7}};
  for (const auto& c : cases) {
    CommitNini(c.typed);
    EXPECT_EQ(form.txtNini.Text(), c.shown) << core::ToUtf8(c.typed);
    EXPECT_EQ(form.vscNini.Value(), c.value) << core::ToUtf8(c.typed);
  }
  EXPECT_TRUE(modDravisk::CommitCustomSize(L"5000").beep);
  EXPECT_FALSE(modDravisk::CommitCustomSize(L"4096").beep);
  EXPECT_EQ(modDravisk::CommitCustomSize(L"1,024").megabytes, 1024);

  // Keys: digits and Backspace pass, Enter commits and is swallowed, everything else is swallowed.
  auto press = [&](int key) {
    winui::EventArgs args;
    args.keyAscii = key;
    form.Raise(dravisk::ID_txtNini, winui::Event::KeyPress, args);
    return args.keyAscii;
  };
  EXPECT_EQ(press('a'), 0);
  EXPECT_EQ(press('-'), 0);
  EXPECT_EQ(press('5'), '5');
  EXPECT_EQ(press(VK_BACK), VK_BACK);
  form.txtNini.SetText(L"5000");
  EXPECT_EQ(press(VK_RETURN), 0);
  EXPECT_EQ(form.txtNini.Text(), L"4,096");
  form.vscNini.SetValue(1024);
  EXPECT_EQ(form.txtNini.Text(), L"1,024");
  EXPECT_EQ(form.ChosenPieceSize(), 1024ull * 1048576);
}

TEST_F(frmDraviskTest, OkNeedsBothBoxes) {
  form.txtDraviskFileName.SetText(L"  ");
  form.txtToFolder.SetText(temp.Path());
  form.cmdOk.Click();
  form.txtDraviskFileName.SetText(temp / L"a.txt");
  form.txtToFolder.SetText(L"");
  form.cmdOk.Click();
  EXPECT_TRUE(boxes.Shown().empty());
}

TEST_F(frmDraviskTest, OkSplitsAndOpensTheFolderWhatever) {
  const std::wstring source = temp.WriteFile(L"src\\archive.tar.gz", PatternBytes(2500000));
  const std::wstring out = temp / L"out";
  CreateDirectoryW(out.c_str(), nullptr);
  form.txtDraviskFileName.SetText(L" " + source + L" ");
  form.txtToFolder.SetText(out);
  form.chkBatchMake.SetValue(1);
  form.chkAfterOpen.SetValue(1);
  boxes.Expect(L"分割数は *.001～*.002 の ２ です");
  form.cmdOk.Click();
  EXPECT_EQ(splitjoin_test::SizeOf(out + L"\\archive.002"), 1079000u);
  EXPECT_TRUE(testsupport::FileExists(out + L"\\archive.bat"));
  ASSERT_EQ(boxes.Shown().size(), 1u);
  EXPECT_EQ(boxes.Shown()[0].title, L"ファイルを分割");
  EXPECT_EQ(boxes.Shown()[0].owner, form.Hwnd());
  EXPECT_TRUE(form.cmdOk.Enabled());
  EXPECT_EQ(form.cmdCancel.Caption(), L"閉じる(&C)");
  EXPECT_EQ(form.lblAfter.Caption(), L"");
  EXPECT_EQ(form.sbrStatus.PanelText(2), L"");

  // Declined at the question: the folder is still opened.
  boxes.Expect(L"分割数は *.001～*.002 の ２ です", IDCANCEL);
  form.cmdOk.Click();
  const std::vector<std::wstring> started = {L"open|explorer.exe|" + out, L"open|explorer.exe|" + out};
  EXPECT_EQ(Opened(), started);
}

TEST_F(frmDraviskTest, RangeLabelStandsBesideTheCountQuestion) {
  const std::wstring source = temp.WriteFile(L"movie.avi", PatternBytes(2500000));
  form.txtDraviskFileName.SetText(source);
  form.txtToFolder.SetText(temp.Path());
  std::wstring labelAtQuestion;
  winui::MsgBoxHandler previous = winui::SetMsgBoxHandler([&](const winui::MsgBoxRequest& request) {
    EXPECT_EQ(request.text, L"分割数は *.001～*.002 の ２ です");
    labelAtQuestion = form.lblAfter.Caption();
    return IDCANCEL;
  });
  form.cmdOk.Click();
  winui::SetMsgBoxHandler(previous);
  EXPECT_EQ(labelAtQuestion, L"*.001～*.002");
  EXPECT_EQ(form.lblAfter.Caption(), L"");
}

TEST_F(frmDraviskTest, FailureMessageOfAMissingSource) {
  form.txtDraviskFileName.SetText(temp / L"none.bin");
  form.txtToFolder.SetText(temp.Path());
  boxes.Expect(L"分割数は *.001 の １ です");
  boxes.Expect(L"ファイル分割失敗 原因を調査後再度実行して下さい\r\n");
  form.cmdOk.Click();
  EXPECT_EQ(boxes.Shown().back().style, UINT(MB_OK | MB_ICONSTOP));
}

TEST_F(frmDraviskTest, EscapeCancelsARunningSplitAndClosesAnIdleWindow) {
  const std::wstring source = temp.WriteFile(L"big.dat", PatternBytes(10485761));
  const std::wstring out = temp / L"out\\";
  CreateDirectoryW(out.c_str(), nullptr);
  form.txtDraviskFileName.SetText(source);
  form.txtToFolder.SetText(out);
  form.cmbDravisk.SetListIndex(10);
  CommitNini(L"3");
  {
    splitjoin_test::EscapeAtQuestion escape(L"分割数は *.001～*.004 の ４ です", form.txtToFolder.Hwnd());
    form.cmdOk.Click();
  }
  EXPECT_EQ(splitjoin_test::SizeOf(out + L"big.001"), 1048576u);
  EXPECT_FALSE(testsupport::FileExists(out + L"big.002"));
  EXPECT_FALSE(form.picStatus.Visible());
  EXPECT_TRUE(form.IsLoaded());

  int key = VK_ESCAPE;
  form.Form_KeyDown(key, 0);
  EXPECT_FALSE(form.IsLoaded());
}

TEST_F(frmDraviskTest, FolderChooserFillsTheBoxWithATrailingBackslash) {
  form.txtToFolder.SetText(L"C:\\old\\");
  picker.answer = L"";
  form.Raise(dravisk::ID_cmdToFolder, winui::Event::Click);
  EXPECT_EQ(form.txtToFolder.Text(), L"C:\\old\\");
  picker.answer = L"D:\\sets";
  form.Raise(dravisk::ID_cmdToFolder, winui::Event::Click);
  EXPECT_EQ(form.txtToFolder.Text(), L"D:\\sets\\");
  EXPECT_EQ(picker.asked.front(), L"ﾌｫﾙﾀﾞを選択して下さい|C:\\old");
}

TEST_F(frmDraviskTest, EngineDrawsItsBarInThePictureBoxAndWritesPanelTwo) {
  core::FormOperationUi ui(form.run);
  ui.ShowProgress(true);
  EXPECT_TRUE(form.picStatus.Visible());
  ui.DrawProgress(0.5f, false);
  ui.SetStatus(L"残り 1,079,000 byte (2/2)");
  ui.ShowNow();
  const int width = winui::TwipsToPixelsX(form.picStatus.ScaleWidth());
  const int height = winui::TwipsToPixelsY(form.picStatus.ScaleHeight());
  EXPECT_EQ(GetPixel(form.picStatus.Hdc(), 1, 1), GetSysColor(COLOR_ACTIVECAPTION));
  EXPECT_EQ(GetPixel(form.picStatus.Hdc(), width - 2, height - 2), RGB(255, 255, 255));
  EXPECT_EQ(form.sbrStatus.PanelText(2), L"残り 1,079,000 byte (2/2)");
}

TEST(DraviskCommandLine, FirstNameGoesIntoTheBox) {
  TempDir temp;
  const std::wstring spaced = temp.WriteFile(L"My Files\\big file.dat", "x");
  struct Case {
    std::wstring commandLine;
    std::wstring box;
  };
  const Case cases[] = {
      {spaced, spaced},
      {L"\"" + spaced + L"\"", spaced},
      {L"a.dat b.dat", L"a.dat"},
      {L"\"a b.dat\" c.dat", L"a b.dat"},
      {L"\\\\my server\\my share\\x.dat y.dat", L"\\\\my server\\my share\\x.dat"},
  };
  for (const auto& c : cases) {
    frmDravisk form;
    form.commandLine = c.commandLine;
    ASSERT_TRUE(form.Load());
    EXPECT_EQ(form.txtDraviskFileName.Text(), c.box) << core::ToUtf8(c.commandLine);
    EXPECT_EQ(form.lblAfter.Caption(), L"");
  }
}

TEST_F(frmDraviskTest, EveryLabelShowsItsWholeText) {
  EXPECT_THAT(testsupport::CutLabels(form.Hwnd()), testing::IsEmpty());
}

}  // namespace
