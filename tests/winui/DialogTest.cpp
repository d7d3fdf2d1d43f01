// Dialog support on a hidden test dialog: the data exchange in both directions with one encoding per
// value form, validation that names the failing control, tab pages that own their controls, and the
// modal result.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include "DialogProbe.h"
#include "KeyInput.h"
#include "ScriptedMsgBox.h"
#include "WindowGuard.h"
#include "winui/App.h"
#include "winui/TabPages.h"

namespace {

using probe::ProbeSettings;

// Every form holding a value other than its default.
ProbeSettings Sample() {
  ProbeSettings s;
  s.keep = L"1";
  s.size = L"2";
  s.types = L"101";
  s.count = L"12";
  s.folder = L"C:\\データ\\";
  s.note = L" メモ ";
  s.kind = L"1";
  s.name = L"b";
  s.free = L"自由な値";
  s.level = L"7";
  s.colour = static_cast<int32_t>(0x80000005);  // the system window colour, kept as such
  return s;
}

class DialogTest : public testing::Test {
 protected:
  void LoadWith(const ProbeSettings& settings) {
    form.settings = settings;
    if (form.IsLoaded())
      form.Reload();
    else
      ASSERT_TRUE(form.Load());
  }
  ProbeSettings Saved() {
    form.settings = {};
    EXPECT_TRUE(winui::SaveControls(
        form, [this](winui::DataExchange& dx) { form.Transfer(dx); }, L"設定"));
    return form.settings;
  }
  bool Option(int index) { return winui::OptionButton(&form, probe::ID_optSize + index).Value(); }
  int Type(int index) { return winui::CheckBox(&form, probe::ID_chkType + index).Value(); }
  void Click(int id) { SendMessageW(form.Item(id), BM_CLICK, 0, 0); }

  probe::frmDialogProbe form;
};

TEST_F(DialogTest, LoadShowsEveryValueFormAndSaveStoresItBackUnchanged) {
  LoadWith(Sample());
  EXPECT_EQ(form.chkKeep.Value(), 1);
  EXPECT_EQ(form.log, std::vector<std::wstring>{L"chkKeep_Click 1"}) << "loading ran the box's click rule";
  EXPECT_TRUE(Option(2));
  EXPECT_FALSE(Option(0));
  EXPECT_EQ(Type(0), 1);
  EXPECT_EQ(Type(1), 0);
  EXPECT_EQ(Type(2), 1);
  EXPECT_EQ(form.txtCount.Text(), L"12");
  EXPECT_EQ(form.txtFolder.Text(), L"C:\\データ\\");
  EXPECT_EQ(form.txtNote.Text(), L" メモ ");
  EXPECT_EQ(form.cmbKind.ListIndex(), 1);
  EXPECT_EQ(form.cmbName.ListIndex(), 1);
  EXPECT_EQ(form.cmbFree.Text(), L"自由な値");
  EXPECT_EQ(form.sldLevel.Value(), 7);
  EXPECT_EQ(form.picColour.BackColor(), 0x80000005u);
  EXPECT_EQ(GetPixel(form.picColour.Hdc(), 2, 2), GetSysColor(COLOR_WINDOW)) << "drawn in the system colour";
  EXPECT_EQ(Saved(), Sample());
}

TEST_F(DialogTest, ASettingTheControlCannotShowLeavesTheControlAsItWas) {
  struct Case {
    std::wstring ProbeSettings::*member;
    const wchar_t* text;
  };
  const Case cases[] = {
      {&ProbeSettings::keep, L"3"},   {&ProbeSettings::keep, L""},     {&ProbeSettings::keep, L"1x"},
      {&ProbeSettings::size, L"3"},   {&ProbeSettings::size, L"-1"},   {&ProbeSettings::size, L"1.0"},
      {&ProbeSettings::kind, L"3"},   {&ProbeSettings::kind, L"-2"},   {&ProbeSettings::name, L"d"},
      {&ProbeSettings::level, L"11"}, {&ProbeSettings::level, L"-1"},  {&ProbeSettings::level, L" 5"},
      {&ProbeSettings::types, L""},   {&ProbeSettings::types, L"x9-"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::PrintToString(std::wstring(c.text)));
    LoadWith(Sample());
    ProbeSettings odd = Sample();
    odd.*c.member = c.text;
    LoadWith(odd);
    EXPECT_EQ(Saved(), Sample());
  }
  // A row shorter than its boxes, or with a character that is no digit, leaves those boxes alone.
  LoadWith(Sample());
  ProbeSettings partial = Sample();
  partial.types = L"0x";
  LoadWith(partial);
  EXPECT_EQ(Saved().types, L"001");
}

TEST_F(DialogTest, SaveStoresWhatTheUserSetInEachEncoding) {
  LoadWith({});
  Click(probe::ID_chkKeep2);
  Click(probe::ID_optSize + 1);
  Click(probe::ID_chkType);
  Click(probe::ID_chkType + 2);
  form.txtCount.SetText(L" 007 ");
  form.txtFolder.SetText(L"  C:\\作業 フォルダ  ");
  form.txtNote.SetText(L"  そのまま ");
  form.cmbName.SetListIndex(2);
  form.cmbFree.SetText(L"新しい値");
  form.sldLevel.SetValue(10);
  form.picColour.SetBackColor(RGB(1, 2, 3));
  ProbeSettings expected;
  expected.keep = L"1";
  expected.size = L"1";
  expected.types = L"101";
  expected.count = L"7";
  expected.folder = L"C:\\作業 フォルダ";
  expected.note = L"  そのまま ";
  expected.kind = L"-1";
  expected.name = L"c";
  expected.free = L"新しい値";
  expected.level = L"10";
  expected.colour = RGB(1, 2, 3);
  EXPECT_EQ(Saved(), expected);

  // Grey counts as set in a row; with no option chosen and the swatch at its default, the settings stay.
  winui::CheckBox(&form, probe::ID_chkType + 1).SetValue(2);
  winui::OptionButton(&form, probe::ID_optSize + 1).SetValue(false);
  form.picColour.SetBackColor(CLR_INVALID);
  form.settings.size = L"kept";
  form.settings.colour = 42;
  winui::DataExchange dx(form, winui::DataExchange::Direction::Save);
  form.Transfer(dx);
  EXPECT_EQ(form.settings.types, L"111");
  EXPECT_EQ(form.settings.size, L"kept");
  EXPECT_EQ(form.settings.colour, 42);
}

TEST_F(DialogTest, ValidationNamesTheFieldOnItsPageAndStoresNothing) {
  for (const wchar_t* count : {L"17", L"0", L"abc", L"", L"1 6", L"99999999999"}) {
    SCOPED_TRACE(testing::PrintToString(std::wstring(count)));
    LoadWith(Sample());
    form.tspPages.SetSelectedTab(2);
    form.txtFolder.SetText(L"D:\\別\\");
    form.txtCount.SetText(count);
    testsupport::ScriptedMsgBox boxes;
    boxes.Expect(L"「表示数」には 1 から 16 までの数値を入力して下さい");
    Click(probe::ID_cmdDialogOK);
    ASSERT_TRUE(boxes.AllShown());
    EXPECT_EQ(boxes.Shown()[0].title, L"設定");
    EXPECT_EQ(boxes.Shown()[0].owner, form.Hwnd());
    EXPECT_TRUE(boxes.Shown()[0].style & MB_ICONEXCLAMATION);
    EXPECT_EQ(form.settings, Sample()) << "nothing was stored";
    EXPECT_EQ(form.tspPages.SelectedTab(), 1) << "the page of the failing box is shown";
    EXPECT_TRUE(form.fraBasic.Visible());
    EXPECT_FALSE(form.picDetail.Visible());
    EXPECT_EQ(GetFocus(), form.txtCount.Hwnd());
    EXPECT_EQ(form.txtCount.SelLength(), static_cast<int>(form.txtCount.Text().size())) << "its text selected";
  }
  testsupport::ScriptedMsgBox none;
  form.txtCount.SetText(L" 16 ");
  Click(probe::ID_cmdDialogOK);
  EXPECT_EQ(form.settings.count, L"16");
  EXPECT_EQ(form.settings.folder, L"D:\\別\\");
  EXPECT_EQ(form.ModalResult(), winui::DialogResult::OK);
}

TEST_F(DialogTest, RulesOfTheDialogsOwnFailLikeAFieldAndTheFirstFailureCounts) {
  LoadWith(Sample());
  form.txtCount.SetText(L"x");
  winui::DataExchange checked = winui::ValidateControls(form, [this](winui::DataExchange& dx) {
    form.Transfer(dx);
    dx.Fail(probe::ID_txtFolder, L"later failure");
  });
  EXPECT_EQ(checked.FailedId(), probe::ID_txtCount);
  form.txtCount.SetText(L"3");
  checked = winui::ValidateControls(form, [this](winui::DataExchange& dx) {
    form.Transfer(dx);
    if (form.txtFolder.Text().empty() || !dx.Failed()) dx.Fail(probe::ID_txtFolder, L"フォルダを指定して下さい");
  });
  EXPECT_EQ(checked.FailedId(), probe::ID_txtFolder);
  EXPECT_EQ(checked.FailMessage(), L"フォルダを指定して下さい");
  EXPECT_EQ(form.settings, Sample()) << "validating stores nothing";
}

TEST_F(DialogTest, TabPagesOwnTheirControlsAndShowWithTheirTab) {
  LoadWith(Sample());
  form.log.clear();
  EXPECT_EQ(form.tspPages.PageCount(), 2);
  EXPECT_EQ(form.tspPages.PageId(1), probe::ID_fraBasic);
  EXPECT_EQ(form.tspPages.PageId(2), probe::ID_picDetail);
  EXPECT_EQ(GetParent(form.fraBasic.Hwnd()), form.Hwnd()) << "a page sits beside its strip";
  EXPECT_EQ(GetParent(form.txtCount.Hwnd()), form.fraBasic.Hwnd());
  EXPECT_EQ(GetParent(form.txtFolder.Hwnd()), form.picDetail.Hwnd());
  EXPECT_EQ(form.fraBasic.Left(), 240) << "placed in the strip's coordinates";
  EXPECT_TRUE(form.fraBasic.Visible());
  EXPECT_FALSE(form.picDetail.Visible());
  POINT inside{winui::TwipsToPixelsX(2000), winui::TwipsToPixelsY(3000)};
  EXPECT_EQ(ChildWindowFromPointEx(form.Hwnd(), inside, CWP_SKIPINVISIBLE), form.fraBasic.Hwnd())
      << "the page lies over the strip";

  // A click on the second tab, as the mouse gives it.
  RECT tab{};
  SendMessageW(form.tspPages.Hwnd(), TCM_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&tab));
  LPARAM at = MAKELPARAM((tab.left + tab.right) / 2, (tab.top + tab.bottom) / 2);
  PostMessageW(form.tspPages.Hwnd(), WM_LBUTTONDOWN, MK_LBUTTON, at);
  PostMessageW(form.tspPages.Hwnd(), WM_LBUTTONUP, 0, at);
  winui::DoEvents();
  EXPECT_EQ(form.tspPages.SelectedTab(), 2);
  EXPECT_FALSE(form.fraBasic.Visible());
  EXPECT_TRUE(form.picDetail.Visible());
  EXPECT_EQ(ChildWindowFromPointEx(form.Hwnd(), inside, CWP_SKIPINVISIBLE), form.picDetail.Hwnd());
  // The arrow keys on the strip, then the program's own selection.
  SetFocus(form.tspPages.Hwnd());
  winuitest::Key(form.tspPages.Hwnd(), VK_LEFT);
  EXPECT_TRUE(form.fraBasic.Visible());
  form.tspPages.SetSelectedTab(2);
  EXPECT_TRUE(form.picDetail.Visible());
  EXPECT_EQ(form.log,
            (std::vector<std::wstring>{L"tspPages_Click 2 詳細", L"tspPages_Click 1 基本", L"tspPages_Click 2 詳細"}))
      << "the page is shown before the strip's Click runs";

  EXPECT_TRUE(winui::ShowPageOf(form, probe::ID_chkType + 1)) << "through the page's frame";
  EXPECT_EQ(form.tspPages.SelectedTab(), 1);
  EXPECT_FALSE(winui::ShowPageOf(form, probe::ID_cmdDialogOK)) << "the buttons are on no page";
}

TEST_F(DialogTest, OnlyOkEndsTheModalShowingWithOk) {
  ASSERT_TRUE(form.Load());
  struct Case {
    const char* how;
    void (*end)(probe::frmDialogProbe&);
    winui::DialogResult result;
  };
  const Case cases[] = {
      {"OK", [](probe::frmDialogProbe& f) { SendMessageW(f.cmdOK.Hwnd(), BM_CLICK, 0, 0); }, winui::DialogResult::OK},
      {"Cancel", [](probe::frmDialogProbe& f) { SendMessageW(f.cmdCancel.Hwnd(), BM_CLICK, 0, 0); },
       winui::DialogResult::Cancel},
      {"Esc", [](probe::frmDialogProbe& f) { winuitest::Key(f.txtFolder.Hwnd(), VK_ESCAPE); },
       winui::DialogResult::Cancel},
      {"Enter", [](probe::frmDialogProbe& f) { winuitest::Key(f.txtFolder.Hwnd(), VK_RETURN); },
       winui::DialogResult::OK},
      {"hidden by code", [](probe::frmDialogProbe& f) { f.Hide(); }, winui::DialogResult::Cancel},
      {"refused OK, then the close box",
       [](probe::frmDialogProbe& f) {
         f.txtCount.SetText(L"0");
         testsupport::ScriptedMsgBox box;
         box.Expect(L"「表示数」には 1 から 16 までの数値を入力して下さい");
         SendMessageW(f.cmdOK.Hwnd(), BM_CLICK, 0, 0);
         EXPECT_TRUE(f.IsModal()) << "a refused OK leaves the dialog open";
         SendMessageW(f.Hwnd(), WM_CLOSE, 0, 0);
       },
       winui::DialogResult::Cancel},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.how);
    ASSERT_TRUE(form.Load());
    form.txtCount.SetText(L"5");
    winui::ModalHook previous = winui::SetModalHook([&](winui::Form&) { c.end(form); });
    EXPECT_EQ(form.ShowModal(), c.result);
    winui::SetModalHook(previous);
    EXPECT_EQ(form.ModalResult(), c.result);
  }
}

// Only for the real loop below: ends a showing that the posted keys failed to end.
probe::frmDialogProbe* stuck = nullptr;
void CALLBACK EndStuckLoop(HWND, UINT, UINT_PTR, DWORD) {
  ADD_FAILURE() << "the keys did not end the modal loop";
  if (stuck) stuck->Hide();
}

TEST_F(DialogTest, TheRealModalLoopGivesOkForEnterAndCancelForAltF4) {
  testsupport::AllowWindows shown;
  struct Case {
    UINT message;
    WPARAM key;
    winui::DialogResult result;
  };
  const Case cases[] = {{WM_KEYDOWN, VK_RETURN, winui::DialogResult::OK},
                        {WM_SYSKEYDOWN, VK_F4, winui::DialogResult::Cancel}};
  for (const Case& c : cases) {
    ASSERT_TRUE(form.Load());
    form.tspPages.SetSelectedTab(2);
    SetFocus(form.txtFolder.Hwnd());
    // Delivered by the nested loop once it runs; Alt is held for Alt+F4.
    PostMessageW(form.txtFolder.Hwnd(), c.message, c.key, c.message == WM_SYSKEYDOWN ? 0x20000001 : 1);
    stuck = &form;
    UINT_PTR timer = SetTimer(nullptr, 0, 5000, EndStuckLoop);
    winui::DialogResult result = form.ShowModal();
    KillTimer(nullptr, timer);
    stuck = nullptr;
    EXPECT_EQ(result, c.result) << c.key;
  }
}

}  // namespace
