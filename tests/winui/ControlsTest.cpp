// Typed wrappers of the plain controls: values round trip and raise the events a user's change would.
#include "winui/Controls.h"

#include <gtest/gtest.h>

#include "ProbeForm.h"
#include "winui/ListControls.h"

namespace {

class ControlsTest : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(form.Load());
    form.log.clear();
  }
  probe::frmProbe form;
};

TEST_F(ControlsTest, TextBoxTextSelectionAndOneChangePerChange) {
  form.txtName.SetText(L"書庫ファイル.lzh");
  EXPECT_EQ(form.txtName.Text(), L"書庫ファイル.lzh");
  form.txtName.SetText(L"書庫ファイル.lzh");
  EXPECT_EQ(form.log, std::vector<std::wstring>{L"txtName_Change"}) << "same text, no second Change";
  form.txtName.SetSelStart(2);
  form.txtName.SetSelLength(4);
  EXPECT_EQ(form.txtName.SelStart(), 2);
  EXPECT_EQ(form.txtName.SelLength(), 4);
  EXPECT_EQ(form.txtName.SelText(), L"ファイル");
  form.txtName.SetSelText(L"X");
  EXPECT_EQ(form.txtName.Text(), L"書庫X.lzh");
  form.txtNotes.SetText(L"一行目\r\n二行目");
  EXPECT_EQ(form.txtNotes.Text(), L"一行目\r\n二行目");
  form.txtName.SetLocked(true);
  EXPECT_TRUE(form.txtName.Locked());
}

TEST_F(ControlsTest, CaptionsEnabledVisibleAndToolTips) {
  EXPECT_EQ(form.fraSize.Caption(), L"サイズ(&Z)");
  form.cmdCancel.SetCaption(L"閉じる(&C)");
  EXPECT_EQ(form.cmdCancel.Caption(), L"閉じる(&C)");
  form.cmdOK.SetEnabled(false);
  EXPECT_FALSE(form.cmdOK.Enabled());
  form.cmdOK.Click();
  EXPECT_TRUE(form.log.empty()) << "a disabled button does not click";
  form.fraSize.SetVisible(false);
  EXPECT_FALSE(form.fraSize.Visible());
  form.txtName.SetToolTipText(L"ファイル名");
  EXPECT_EQ(form.txtName.ToolTipText(), L"ファイル名");
}

TEST_F(ControlsTest, CheckBoxValuesAndClicks) {
  struct Step {
    int set;
    int expect;
    bool clicks;
  };
  const Step steps[] = {{1, 1, true}, {1, 1, false}, {2, 2, true}, {0, 0, true}, {7, 2, true}};
  for (const Step& step : steps) {
    form.log.clear();
    form.chkKeep.SetValue(step.set);
    EXPECT_EQ(form.chkKeep.Value(), step.expect) << "set " << step.set;
    EXPECT_EQ(!form.log.empty(), step.clicks) << "set " << step.set;
  }
  EXPECT_EQ(SendMessageW(form.chkKeep.Hwnd(), BM_GETCHECK, 0, 0), BST_INDETERMINATE);
  // A user's click checks a grayed or unchecked box and unchecks a checked one.
  form.log.clear();
  SendMessageW(form.chkKeep.Hwnd(), BM_CLICK, 0, 0);
  EXPECT_EQ(form.chkKeep.Value(), 1);
  SendMessageW(form.chkKeep.Hwnd(), BM_CLICK, 0, 0);
  EXPECT_EQ(form.chkKeep.Value(), 0);
  EXPECT_EQ(form.log, (std::vector<std::wstring>{L"chkKeep_Click 1", L"chkKeep_Click 0"}));
}

TEST_F(ControlsTest, OptionButtonsFormOneGroupPerContainer) {
  form.optLeft.SetValue(true);
  form.optSmall.SetValue(true);
  EXPECT_TRUE(form.optSmall.Value());
  EXPECT_TRUE(form.optLeft.Value()) << "another container is another group";
  SendMessageW(form.optLarge.Hwnd(), BM_CLICK, 0, 0);
  EXPECT_TRUE(form.optLarge.Value());
  EXPECT_FALSE(form.optSmall.Value());
  EXPECT_EQ(SendMessageW(form.optSmall.Hwnd(), BM_GETCHECK, 0, 0), BST_UNCHECKED);
  EXPECT_TRUE(form.optLeft.Value());
  SendMessageW(form.optLarge.Hwnd(), BM_CLICK, 0, 0);
  EXPECT_EQ(form.log, (std::vector<std::wstring>{L"optSmall_Click", L"optLarge_Click"}))
      << "clicking the chosen option again changes nothing";
}

TEST_F(ControlsTest, DropDownListAddsRemovesAndSelects) {
  for (const wchar_t* text : {L"LZH", L"ZIP", L"CAB"}) form.cmbKind.AddItem(text);
  EXPECT_EQ(form.cmbKind.ListCount(), 3);
  EXPECT_EQ(form.cmbKind.List(1), L"ZIP");
  EXPECT_EQ(form.cmbKind.ListIndex(), -1);
  form.cmbKind.SetListIndex(2);
  form.cmbKind.SetListIndex(2);
  EXPECT_EQ(form.log, std::vector<std::wstring>{L"cmbKind_Click 2"});
  EXPECT_EQ(form.cmbKind.Text(), L"CAB");
  form.cmbKind.SetText(L"LZH");
  EXPECT_EQ(form.cmbKind.ListIndex(), 0);
  form.cmbKind.SetText(L"RAR");
  EXPECT_EQ(form.cmbKind.ListIndex(), 0) << "a text not in the list selects nothing new";
  form.cmbKind.AddItem(L"TAR", 1);
  EXPECT_EQ(form.cmbKind.List(1), L"TAR");
  form.cmbKind.SetList(1, L"TGZ");
  EXPECT_EQ(form.cmbKind.List(1), L"TGZ");
  form.cmbKind.RemoveItem(1);
  EXPECT_EQ(form.cmbKind.List(1), L"ZIP");
  EXPECT_EQ(form.cmbKind.List(9), L"");
  form.cmbKind.SetItemData(1, 42);
  EXPECT_EQ(form.cmbKind.ItemData(1), 42);
  form.cmbKind.Clear();
  EXPECT_EQ(form.cmbKind.ListCount(), 0);
  EXPECT_EQ(form.cmbKind.ListIndex(), -1);
}

TEST_F(ControlsTest, EditableComboKeepsItsOwnTextAndSortsItsList) {
  form.cmbFree.AddItem(L"b");
  form.cmbFree.AddItem(L"a");
  EXPECT_EQ(form.cmbFree.List(0), L"a");
  form.cmbFree.SetText(L"C:\\作業\\");
  EXPECT_EQ(form.cmbFree.Text(), L"C:\\作業\\");
  EXPECT_EQ(form.cmbFree.ListIndex(), -1);
}

TEST_F(ControlsTest, MultiSelectListBox) {
  for (const wchar_t* text : {L"LHA書庫", L"ZIP書庫", L"CAB書庫", L"ARJ書庫"}) form.lstItems.AddItem(text);
  form.lstItems.SetSelected(1, true);
  form.lstItems.SetSelected(3, true);
  EXPECT_EQ(form.lstItems.SelCount(), 2);
  EXPECT_TRUE(form.lstItems.Selected(3));
  EXPECT_FALSE(form.lstItems.Selected(0));
  form.lstItems.SetSelected(1, false);
  EXPECT_EQ(form.lstItems.SelCount(), 1);
  form.lstItems.SetListIndex(2);
  EXPECT_EQ(form.lstItems.ListIndex(), 2);
  EXPECT_EQ(form.lstItems.SelCount(), 1) << "ListIndex makes that item the only selection";
}

TEST_F(ControlsTest, ScrollBarClampsAndRaisesChange) {
  EXPECT_EQ(form.vscSize.Max(), 4096);
  form.vscSize.SetMin(1);
  form.vscSize.SetValue(1024);
  EXPECT_EQ(form.vscSize.Value(), 1024);
  form.vscSize.SetValue(5000);
  EXPECT_EQ(form.vscSize.Value(), 4096);
  form.vscSize.SetSmallChange(1);
  form.vscSize.SetLargeChange(64);
  // The arrows and the page area as the scroll bar reports them.
  SendMessageW(form.Hwnd(), WM_VSCROLL, SB_LINEUP, reinterpret_cast<LPARAM>(form.vscSize.Hwnd()));
  SendMessageW(form.Hwnd(), WM_VSCROLL, SB_PAGEUP, reinterpret_cast<LPARAM>(form.vscSize.Hwnd()));
  EXPECT_EQ(form.vscSize.Value(), 4031);
  EXPECT_EQ(GetScrollPos(form.vscSize.Hwnd(), SB_CTL), 4031);
  EXPECT_EQ(form.log.back(), L"vscSize_Change 4031");
  form.vscSize.SetValue(-3);
  EXPECT_EQ(form.vscSize.Value(), 1);
}

TEST_F(ControlsTest, PictureBoxKeepsWhatWasDrawn) {
  form.picBar.SetBackColor(RGB(255, 255, 255));
  form.picBar.Cls();
  HDC dc = form.picBar.Hdc();
  ASSERT_NE(dc, nullptr);
  SetPixel(dc, 3, 4, RGB(0, 0, 255));
  form.picBar.Move(120, 5500, 3000, 400);  // growing keeps the drawing
  EXPECT_EQ(GetPixel(form.picBar.Hdc(), 3, 4), RGB(0, 0, 255));
  EXPECT_EQ(GetPixel(form.picBar.Hdc(), 150, 20), RGB(255, 255, 255)) << "new area in the back colour";
  form.picBar.Cls();
  EXPECT_EQ(GetPixel(form.picBar.Hdc(), 3, 4), RGB(255, 255, 255));
  EXPECT_GT(form.picBar.TextWidth(L"100%"), 0);
  EXPECT_EQ(form.picBar.ScaleWidth(), 3000);
}

TEST_F(ControlsTest, AutoSizeLabelFollowsItsCaption) {
  static const winui::FormDef def{L"Tolvenar.Tests.autosize", L"a", 3000, 1000};
  static const winui::ControlDef controls[] = {
      {10, L"lblAfter", winui::Kind::Label, 120, 120, 100, 240, L"", winui::kAutoSize}};
  winui::Form small(def, controls);
  ASSERT_TRUE(small.Load());
  winui::Label label(&small, 10);
  label.SetCaption(L"*.001～*.005");
  int wide = label.Width();
  EXPECT_GT(wide, 100);
  label.SetCaption(L"*.001");
  EXPECT_LT(label.Width(), wide);
  EXPECT_EQ(label.Left(), 120);
}

}  // namespace
