// List view, tree view, status bar, tool bar, tab strip, slider and rebar wrappers.
#include "winui/CommonControls.h"

#include <gtest/gtest.h>

#include "ProbeForm.h"

namespace {

class CommonControlsTest : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(form.Load());
    form.log.clear();
  }
  // A notification as the control would send it to its parent.
  LRESULT Notify(HWND from, UINT code, NMHDR& header) {
    header.hwndFrom = from;
    header.idFrom = static_cast<UINT_PTR>(GetDlgCtrlID(from));
    header.code = code;
    return SendMessageW(form.Hwnd(), WM_NOTIFY, header.idFrom, reinterpret_cast<LPARAM>(&header));
  }
  probe::frmProbe form;
};

TEST_F(CommonControlsTest, ListViewColumnsItemsAndSubItems) {
  winui::ListView& lv = form.lvFiles;
  EXPECT_EQ(lv.AddColumn(L"名前", 1270), 1);
  EXPECT_EQ(lv.AddColumn(L"サイズ", 1270, winui::ColumnAlign::Right), 2);
  EXPECT_EQ(lv.AddColumn(L"場所", 1500), 3);
  EXPECT_EQ(lv.ColumnCount(), 3);
  EXPECT_EQ(lv.ColumnCaption(2), L"サイズ");
  EXPECT_EQ(lv.ColumnWidth(1), 1275) << "1270 twips is 84.67 px, drawn as 85 px";
  EXPECT_EQ(lv.AddItem(L"readme.txt"), 1);
  EXPECT_EQ(lv.AddItem(L"data.bin"), 2);
  EXPECT_EQ(lv.AddItem(L"先頭.txt", -1, 1), 1) << "inserted before the first";
  lv.SetSubItem(2, 1, L"1,024");
  lv.SetSubItem(2, 2, L"doc\\");
  EXPECT_EQ(lv.Count(), 3);
  EXPECT_EQ(lv.Text(2), L"readme.txt");
  EXPECT_EQ(lv.SubItem(2, 1), L"1,024");
  EXPECT_EQ(lv.SubItem(2, 2), L"doc\\");
  EXPECT_EQ(lv.SubItem(9, 1), L"") << "no such item";
  lv.SetItemData(3, 77);
  EXPECT_EQ(lv.ItemData(3), 77);
  lv.RemoveItem(1);
  EXPECT_EQ(lv.Text(1), L"readme.txt");
  std::wstring longName(600, L'名');
  lv.SetText(1, longName);
  EXPECT_EQ(lv.Text(1), longName) << "long texts are read whole";
}

TEST_F(CommonControlsTest, ListViewModesMapToTheirOwnWindowStyles) {
  winui::ListView& lv = form.lvFiles;
  const struct {
    winui::ListViewMode mode;
    LONG style;
  } cases[] = {{winui::ListViewMode::Icon, LVS_ICON},
               {winui::ListViewMode::SmallIcon, LVS_SMALLICON},
               {winui::ListViewMode::List, LVS_LIST},
               {winui::ListViewMode::Report, LVS_REPORT}};
  for (const auto& c : cases) {
    lv.SetView(c.mode);
    EXPECT_EQ(GetWindowLongW(lv.Hwnd(), GWL_STYLE) & LVS_TYPEMASK, c.style) << static_cast<int>(c.mode);
    EXPECT_EQ(lv.View(), c.mode);
  }
}

TEST_F(CommonControlsTest, ListViewSelectionByProgramRaisesNoItemClick) {
  winui::ListView& lv = form.lvFiles;
  lv.AddColumn(L"名前", 1270);
  for (const wchar_t* name : {L"a", L"b", L"c", L"d"}) lv.AddItem(name);
  lv.SetSelected(2, true);
  lv.SetSelected(4, true);
  EXPECT_EQ(lv.SelCount(), 2);
  EXPECT_EQ(lv.SelectedItem(), 2);
  EXPECT_EQ(lv.SelectedItems(), (std::vector<int>{2, 4}));
  lv.SelectAll(false);
  EXPECT_EQ(lv.SelectedItem(), 0);
  EXPECT_TRUE(form.log.empty());

  NMLISTVIEW change{};
  change.iItem = 2;
  change.uNewState = LVIS_SELECTED;
  change.uChanged = LVIF_STATE;
  Notify(lv.Hwnd(), LVN_ITEMCHANGED, change.hdr);
  NMLISTVIEW column{};
  column.iItem = -1;
  column.iSubItem = 0;
  Notify(lv.Hwnd(), LVN_COLUMNCLICK, column.hdr);
  EXPECT_EQ(form.log, (std::vector<std::wstring>{L"lvFiles_ItemClick 3", L"lvFiles_ColumnClick 1"}));
}

TEST_F(CommonControlsTest, ListViewRenamingCanBeRefused) {
  form.lvFiles.AddColumn(L"名前", 1270);
  form.lvFiles.AddItem(L"old.txt");
  std::vector<std::wstring> seen;
  form.On(probe::ID_lvFiles, winui::Event::AfterLabelEdit, [&](winui::EventArgs& e) {
    seen.push_back(std::to_wstring(e.item) + L":" + e.text);
    e.cancel = e.text.find(L'\\') != std::wstring::npos;
  });
  struct Case {
    const wchar_t* text;  // null: the user pressed Esc
    LRESULT accepted;
  };
  const Case cases[] = {{L"new.txt", TRUE}, {L"a\\b.txt", FALSE}, {nullptr, FALSE}};
  for (const Case& c : cases) {
    NMLVDISPINFOW info{};
    info.item.iItem = 0;
    std::wstring text = c.text ? c.text : L"";
    info.item.pszText = c.text ? text.data() : nullptr;
    EXPECT_EQ(Notify(form.lvFiles.Hwnd(), LVN_ENDLABELEDITW, info.hdr), c.accepted) << text;
  }
  EXPECT_EQ(seen, (std::vector<std::wstring>{L"1:new.txt", L"1:a\\b.txt"})) << "no event for a cancelled edit";
}

TEST_F(CommonControlsTest, TreeViewNodesByKey) {
  winui::TreeView& tv = form.tvTree;
  ASSERT_NE(tv.Add(L"", L"root", L"とるべなー"), nullptr);
  ASSERT_NE(tv.Add(L"root", L"a1", L"C:\\a.lzh"), nullptr);
  ASSERT_NE(tv.Add(L"a1", L"a1\\doc", L"doc"), nullptr);
  ASSERT_NE(tv.Add(L"root", L"a2", L"C:\\b.zip"), nullptr);
  EXPECT_EQ(tv.Add(L"root", L"a2", L"again"), nullptr) << "keys are unique";
  EXPECT_EQ(tv.Add(L"missing", L"x", L"x"), nullptr) << "the parent must exist";
  EXPECT_EQ(tv.Count(), 4);
  EXPECT_EQ(tv.ChildKeys(L"root"), (std::vector<std::wstring>{L"a1", L"a2"}));
  EXPECT_EQ(tv.ParentKey(L"a1\\doc"), L"a1");
  EXPECT_EQ(tv.FullPath(L"a1\\doc"), L"とるべなー\\C:\\a.lzh\\doc");
  tv.SetText(L"a2", L"C:\\c.zip");
  EXPECT_EQ(tv.Text(L"a2"), L"C:\\c.zip");

  tv.Select(L"a2");
  EXPECT_EQ(tv.SelectedKey(), L"a2");
  EXPECT_TRUE(form.log.empty()) << "selecting by program raises no NodeClick";

  EXPECT_TRUE(tv.Remove(L"a1"));
  EXPECT_FALSE(tv.Exists(L"a1\\doc")) << "the subtree goes with its node";
  EXPECT_EQ(tv.Keys(), (std::vector<std::wstring>{L"root", L"a2"}));
  EXPECT_NE(tv.Add(L"root", L"a1", L"again"), nullptr) << "a removed key can be used again";

  NMTREEVIEWW change{};
  change.action = TVC_BYKEYBOARD;
  change.itemNew.hItem = tv.Node(L"a2");
  Notify(tv.Hwnd(), TVN_SELCHANGEDW, change.hdr);
  EXPECT_EQ(form.log, std::vector<std::wstring>{L"tvTree_NodeClick a2"});
  tv.Clear();
  EXPECT_EQ(tv.Count(), 0);
  EXPECT_FALSE(tv.Exists(L"root"));
}

TEST_F(CommonControlsTest, StatusBarPanelsFromOne) {
  winui::StatusBar& sb = form.sbStatus;
  ASSERT_EQ(sb.PanelCount(), 4);
  sb.SetPanelText(1, L"3 個のファイル");
  EXPECT_EQ(sb.PanelText(1), L"3 個のファイル");
  wchar_t shown[64] = {};
  SendMessageW(sb.Hwnd(), SB_GETTEXTW, 0, reinterpret_cast<LPARAM>(shown));
  EXPECT_STREQ(shown, L"3 個のファイル");
  EXPECT_EQ(sb.PanelText(9), L"");
  EXPECT_FALSE(sb.PanelText(3).empty()) << "the date panel shows the date";
  int edges[4] = {};
  ASSERT_EQ(SendMessageW(sb.Hwnd(), SB_GETPARTS, 4, reinterpret_cast<LPARAM>(edges)), 4);
  EXPECT_EQ(edges[1] - edges[0], 235) << "3528 twips at 96 DPI";
  EXPECT_EQ(edges[3], -1) << "the last panel runs to the end";
  EXPECT_GT(sb.PanelWidth(1), 0) << "the spring panel takes the rest";
}

TEST_F(CommonControlsTest, ToolBarButtonsByKeyAndTheirDropDownMenu) {
  winui::Toolbar& tb = form.tbTools;
  ASSERT_EQ(tb.ButtonCount(), 3);
  EXPECT_EQ(tb.ButtonIndex(L"Close"), 3);
  EXPECT_EQ(tb.ButtonKey(1), L"Open");
  tb.Press(L"Close");
  tb.SetButtonEnabled(L"Close", false);
  EXPECT_FALSE(tb.ButtonEnabled(L"Close"));
  tb.Press(L"Close");
  // A user's click arrives as the button's command from the tool bar.
  TBBUTTON info{};
  SendMessageW(tb.Hwnd(), TB_GETBUTTON, 0, reinterpret_cast<LPARAM>(&info));
  SendMessageW(GetParent(tb.Hwnd()), WM_COMMAND, static_cast<WPARAM>(info.idCommand),
               reinterpret_cast<LPARAM>(tb.Hwnd()));

  tb.AddButtonMenu(L"Open", L"C:\\一.lzh");
  tb.AddButtonMenu(L"Open", L"C:\\二.zip");
  EXPECT_EQ(tb.ButtonMenuCount(L"Open"), 2);
  winui::PopupHook previous = winui::SetPopupHook([](winui::Form&, HMENU menu, int) {
    EXPECT_EQ(GetMenuItemCount(menu), 2);
    return 2;
  });
  NMTOOLBARW drop{};
  drop.iItem = info.idCommand;
  drop.hdr.hwndFrom = tb.Hwnd();
  drop.hdr.idFrom = probe::ID_tbTools;
  drop.hdr.code = TBN_DROPDOWN;
  // Sent to the rebar that holds the tool bar, which passes it on to the form.
  SendMessageW(GetParent(tb.Hwnd()), WM_NOTIFY, drop.hdr.idFrom, reinterpret_cast<LPARAM>(&drop));
  winui::SetPopupHook(previous);
  EXPECT_EQ(form.log, (std::vector<std::wstring>{L"tbTools_ButtonClick Close", L"tbTools_ButtonClick Open",
                                                 L"tbTools_ButtonMenuClick Open 2 C:\\二.zip"}));
  EXPECT_EQ(GetParent(tb.Hwnd()), form.cbrTop.Hwnd());
  EXPECT_EQ(form.cbrTop.BandCount(), 1);

  // The tool tip asks the tool bar for a button's text.
  NMTTDISPINFOW tip{};
  tip.hdr.hwndFrom = reinterpret_cast<HWND>(SendMessageW(tb.Hwnd(), TB_GETTOOLTIPS, 0, 0));
  tip.hdr.idFrom = static_cast<UINT_PTR>(info.idCommand);
  tip.hdr.code = TTN_GETDISPINFOW;
  ASSERT_NE(tip.hdr.hwndFrom, nullptr);
  SendMessageW(tb.Hwnd(), WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&tip));
  ASSERT_NE(tip.lpszText, nullptr);
  EXPECT_STREQ(tip.lpszText, L"開く");
}

TEST_F(CommonControlsTest, TabStripSliderAndProgressBar) {
  EXPECT_EQ(form.tabPages.AddTab(L"全般", L"General"), 1);
  EXPECT_EQ(form.tabPages.AddTab(L"LHA", L"LZH"), 2);
  EXPECT_EQ(form.tabPages.SelectedTab(), 1);
  int clicks = 0;
  form.On(probe::ID_tabPages, winui::Event::Click, [&](winui::EventArgs&) { ++clicks; });
  form.tabPages.SetSelectedTab(2);
  form.tabPages.SetSelectedTab(2);
  EXPECT_EQ(clicks, 1);
  EXPECT_EQ(form.tabPages.TabKey(2), L"LZH");
  EXPECT_EQ(form.tabPages.TabCaption(2), L"LHA");

  EXPECT_EQ(form.sldLevel.Max(), 10);
  form.sldLevel.SetValue(7);
  EXPECT_EQ(form.sldLevel.Value(), 7);
  form.sldLevel.SetValue(99);
  EXPECT_EQ(form.sldLevel.Value(), 10);

  form.prgDone.SetRange(0, 200);
  form.prgDone.SetValue(50);
  EXPECT_EQ(form.prgDone.Value(), 50);
}

}  // namespace
