// The joiner's window, created hidden and driven through its control ids.
#include "LabelCheck.h"
#include "splitjoin/frmMolquen.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "EngineFakes.h"
#include "ProgramFakes.h"
#include "core/Text.h"
#include "core/modShell.h"
#include "winui/MsgBox.h"

namespace {

using molquen::frmMolquen;
using splitjoin_test::PatternBytes;
using testsupport::ReadFileBytes;

const wchar_t kStart[] = L"ファイルの連結を行います";

class frmMolquenTest : public splitjoin_test::ProgramTest {
 protected:
  void SetUp() override {
    ASSERT_TRUE(form.Load());
    info = temp.WriteFile(L"set\\data.000", "002\r\ndata.bin\r\n");
    temp.WriteFile(L"set\\data.001", PatternBytes(3000000));
    temp.WriteFile(L"set\\data.002", PatternBytes(1000, 3000000));
  }
  void Choose(const std::wstring& path) {
    dialog.answer = path;
    form.Raise(molquen::ID_cmdKetugoFileName, winui::Event::Click);
  }

  frmMolquen form;
  std::wstring info;
};

TEST_F(frmMolquenTest, FreshStart) {
  EXPECT_EQ(form.Caption(), L"分割ファイルを連結");
  EXPECT_EQ(form.Label3_0.Caption(), L"連結元ファイル名(&R)");
  EXPECT_EQ(form.Label3_1.Caption(), L"連結先フォルダ名(&K)");
  EXPECT_EQ(form.Label3_2.Caption(), L"連結後ファイル名");
  for (auto* box : {&form.txtKetugoFileName, &form.txtFromFolder, &form.txtAfterFileName}) EXPECT_EQ(box->Text(), L"");
  EXPECT_TRUE(form.txtAfterFileName.Locked());
  EXPECT_EQ(form.chkAfterDelete.Value(), 0);
  EXPECT_EQ(form.chkAfterOpen.Value(), 0);
  EXPECT_EQ(form.chkAfterDelete.Caption(), L"連結後分割ファイルを削除する(&D)");
  EXPECT_EQ(form.cmdCancel.Caption(), L"閉じる(&C)");
  EXPECT_FALSE(form.IsBusy());
  EXPECT_FALSE(form.picStatus.Visible());
}

TEST_F(frmMolquenTest, ChooserShowsTheNameToBeRestored) {
  Choose(info);
  EXPECT_EQ(dialog.Last().title, L"連結情報ﾌｧｲﾙの指定");
  EXPECT_EQ(dialog.Last().filter, L"連結情報ﾌｧｲﾙ (*.000)|*.000");
  EXPECT_EQ(dialog.Last().initialDir, core::ProgramFolder());
  EXPECT_EQ(form.txtKetugoFileName.Text(), info);
  EXPECT_EQ(form.txtAfterFileName.Text(), L"data.bin");

  // The next question opens where the box points; a name typed by hand leaves the restored name alone.
  Choose(L"");
  EXPECT_EQ(dialog.Last().initialDir, info);
  form.txtKetugoFileName.SetText(temp / L"other.000");
  EXPECT_EQ(form.txtAfterFileName.Text(), L"data.bin");

  const std::wstring unreadable = temp.WriteFile(L"one.000", "001\r\n");
  Choose(unreadable);
  EXPECT_EQ(form.txtAfterFileName.Text(), L"");
}

TEST_F(frmMolquenTest, OkJoinsIntoTheFolderAndOpensIt) {
  const std::wstring out = temp / L"restored";
  form.txtKetugoFileName.SetText(info);
  form.txtFromFolder.SetText(out);  // no trailing backslash
  form.chkAfterOpen.SetValue(1);
  boxes.Expect(kStart);
  form.cmdOk.Click();
  EXPECT_TRUE(ReadFileBytes(out + L"\\data.bin") == PatternBytes(3001000));
  EXPECT_EQ(boxes.Shown()[0].title, L"分割ファイルを連結");
  EXPECT_EQ(boxes.Shown()[0].owner, form.Hwnd());
  EXPECT_TRUE(form.cmdOk.Enabled());
  EXPECT_EQ(form.cmdCancel.Caption(), L"閉じる(&C)");
  EXPECT_FALSE(form.picStatus.Visible());

  // Declined: the folder is opened all the same.
  boxes.Expect(kStart, IDCANCEL);
  form.cmdOk.Click();
  const std::vector<std::wstring> started = {L"open|explorer.exe|" + out, L"open|explorer.exe|" + out};
  EXPECT_EQ(Opened(), started);
}

TEST_F(frmMolquenTest, OkNeedsBothBoxes) {
  form.txtKetugoFileName.SetText(info);
  form.cmdOk.Click();
  form.txtKetugoFileName.SetText(L" ");
  form.txtFromFolder.SetText(temp.Path());
  form.cmdOk.Click();
  EXPECT_TRUE(boxes.Shown().empty());
}

TEST_F(frmMolquenTest, DeleteAfterJoinRemovesTheSet) {
  form.txtKetugoFileName.SetText(info);
  form.txtFromFolder.SetText(temp / L"restored");
  form.chkAfterDelete.SetValue(1);
  boxes.Expect(kStart);
  form.cmdOk.Click();
  for (const wchar_t* name : {L"set\\data.000", L"set\\data.001", L"set\\data.002"})
    EXPECT_FALSE(testsupport::FileExists(temp / name)) << core::ToUtf8(name);
  EXPECT_EQ(splitjoin_test::SizeOf(temp / L"restored\\data.bin"), 3001000u);
}

TEST_F(frmMolquenTest, AMissingPieceCancelledLeavesTheSetAndTheDestinationAsTheyWere) {
  DeleteFileW((temp / L"set\\data.002").c_str());
  form.txtKetugoFileName.SetText(info);
  form.txtFromFolder.SetText(temp / L"restored");
  form.chkAfterDelete.SetValue(1);
  boxes.Expect(kStart);
  boxes.Expect(L"ディスクが違います　２ 番のディスクをセットして下さい", IDCANCEL);
  form.cmdOk.Click();
  EXPECT_TRUE(boxes.AllShown());
  EXPECT_EQ(boxes.Shown().size(), 2u);
  EXPECT_FALSE(testsupport::FolderExists(temp / L"restored"));
  for (const wchar_t* name : {L"set\\data.000", L"set\\data.001"})
    EXPECT_TRUE(testsupport::FileExists(temp / name)) << core::ToUtf8(name);
  EXPECT_TRUE(form.cmdOk.Enabled());
}

TEST_F(frmMolquenTest, EscapeCancelsARunningJoinAndClosesAnIdleWindow) {
  form.txtKetugoFileName.SetText(info);
  form.txtFromFolder.SetText(temp / L"restored");
  form.chkAfterDelete.SetValue(1);
  const std::wstring kept = temp / L"restored\\data.bin.tmp";
  boxes.Expect(L"ファイルの連結を中止しました\r\n途中までのデータを次のファイルに残しました\r\n" + kept);
  {
    splitjoin_test::EscapeAtQuestion escape(kStart, form.txtFromFolder.Hwnd());
    form.cmdOk.Click();
  }
  // Stopped after the first 2 MiB block of piece 1, which stays beside the name it was to take.
  EXPECT_TRUE(boxes.AllShown());
  EXPECT_EQ(boxes.Shown().back().owner, form.Hwnd());
  EXPECT_EQ(splitjoin_test::SizeOf(kept), 2097152u);
  EXPECT_FALSE(testsupport::FileExists(temp / L"restored\\data.bin"));
  EXPECT_TRUE(testsupport::FileExists(temp / L"set\\data.001"));
  EXPECT_TRUE(form.IsLoaded());
  EXPECT_FALSE(form.picStatus.Visible());
  EXPECT_EQ(form.sbrStatus.PanelText(2), L"");

  int key = VK_ESCAPE;
  form.Form_KeyDown(key, 0);
  EXPECT_FALSE(form.IsLoaded());
}

TEST_F(frmMolquenTest, FolderPickerOpensAtTheBox) {
  form.txtFromFolder.SetText(L"C:\\dest\\");
  picker.answer = L"E:\\joined";
  form.Raise(molquen::ID_cmdFromFolder, winui::Event::Click);
  EXPECT_EQ(form.txtFromFolder.Text(), L"E:\\joined\\");
  EXPECT_EQ(picker.asked.front(), L"ﾌｫﾙﾀﾞを選択して下さい|C:\\dest");
}

TEST_F(frmMolquenTest, EveryLabelShowsItsWholeText) {
  EXPECT_THAT(testsupport::CutLabels(form.Hwnd()), testing::IsEmpty());
}

}  // namespace
