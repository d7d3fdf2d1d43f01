// Tree and list upkeep: view reset, opening and relisting archives, node keys, selecting entries, column
// sizing, tree colours and the progress box.
#include "browser/TreeListUpkeep.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include "BrowserFixture.h"
#include "core/Settings.h"
#include "core/Text.h"
#include "core/modPath.h"
#include "core/modTolvenar.h"

namespace browsertest {
namespace {

using namespace browser;

const std::vector<Row> kThreeEntries = {{L"a.txt", L"", L"10"}, {L"b.txt", L"", L"20"}, {L"c.txt", L"", L"30"}};
const char kThreeFiles[] =
    "entry a.txt\r\nsize 10\r\nend\r\nentry b.txt\r\nsize 20\r\nend\r\n"
    "entry c.txt\r\nsize 30\r\nend\r\n";

class TreeListUpkeepTest : public BrowserTest {
 protected:
  void SetUp() override {
    BrowserTest::SetUp();
    UseAllLibraries();
    core::Settings.PackType = L"1";
    core::Settings.ViewMode = L"3";
    InitMainView(false);
    path_ = Fixture(L"書類 一式.7z", "7Z", kThreeFiles);
  }
  // How often the stand-ins opened `path` (with the open mode `mode`).
  int Opened(const std::wstring& path, const char* mode = "0") const {
    return Logged("OpenArchive\t" + core::ToCp932(path) + "\t" + mode);
  }
  std::vector<int> Selected() { return form_.lvListView.SelectedItems(); }
  static bool Enabled(browser::Command command) { return browser::Commands().Enabled(command); }
  // The ticked members of a command.
  static std::vector<int> Ticked(browser::Command command) {
    std::vector<int> ticked;
    for (int member = 0; member < browser::CommandState::Members(command); ++member)
      if (browser::Commands().Checked(command, member)) ticked.push_back(member);
    return ticked;
  }
  LONG ViewStyle() { return GetWindowLongW(form_.lvListView.Hwnd(), GWL_STYLE) & LVS_TYPEMASK; }
  void SetViewStyle(LONG view) {
    HWND list = form_.lvListView.Hwnd();
    SetWindowLongW(list, GWL_STYLE, (GetWindowLongW(list, GWL_STYLE) & ~LVS_TYPEMASK) | view);
  }
  std::wstring path_;
};

TEST_F(TreeListUpkeepTest, ViewResetLeavesOnlyTheSelectedRoot) {
  core::ArcNodeCounter = 7;
  core::NewArcCount = 2;
  ASSERT_TRUE(OpenArchiveFile(path_));
  form_.sbStatusBar.SetPanelText(1, L"old");
  core::Settings.PackType = L"4";
  core::Settings.ViewMode = L"1";
  core::Settings.SortIndex = L"2";
  core::Settings.SortFlag = L"1";

  InitMainView(false);
  EXPECT_EQ(std::vector<std::wstring>{kRootNodeKey}, form_.tvTreeView.Keys());
  EXPECT_EQ(kRootNodeKey, form_.tvTreeView.Text(kRootNodeKey));
  EXPECT_EQ(kRootNodeKey, form_.tvTreeView.SelectedKey());
  EXPECT_EQ(0, form_.lvListView.Count());
  EXPECT_EQ(L"", form_.sbStatusBar.PanelText(1));
  EXPECT_EQ(0, core::ArcNodeCounter);
  EXPECT_EQ(0, core::NewArcCount);
  EXPECT_EQ(4, form_.cmbArc.ListIndex());
  EXPECT_TRUE(browser::Commands().Checked(browser::Command::MakeArcType, 4));
  EXPECT_EQ(Ticked(browser::Command::MakeArcType), std::vector<int>{4});
  EXPECT_EQ(Ticked(browser::Command::ListViewMode), std::vector<int>{1});
  EXPECT_EQ(Ticked(browser::Command::SortColumn), std::vector<int>{2});
  EXPECT_EQ(Ticked(browser::Command::SortOrder), std::vector<int>{1});
  EXPECT_EQ(LVS_SMALLICON, ViewStyle());
  // The commands of a window without archive.
  EXPECT_FALSE(Enabled(browser::Command::CloseArchive));
  EXPECT_TRUE(Enabled(browser::Command::Pack));

  // A view mode or type the menus do not have is skipped; the rest still runs.
  core::Settings.ViewMode = L"7";
  core::Settings.PackType = L"x";
  ASSERT_TRUE(OpenArchiveFile(path_));
  core::Settings.SortFlag = L"0";
  InitMainView(false);
  EXPECT_EQ(LVS_SMALLICON, ViewStyle());
  EXPECT_EQ(1, form_.tvTreeView.Count());
  // The ticks follow the settings again: none where a setting names no item, never the old one as well.
  EXPECT_EQ(Ticked(browser::Command::MakeArcType), std::vector<int>{});
  EXPECT_EQ(Ticked(browser::Command::ListViewMode), std::vector<int>{});
  EXPECT_EQ(Ticked(browser::Command::SortOrder), std::vector<int>{0});
}

TEST_F(TreeListUpkeepTest, OpeningAddsASelectedNodePerOpen) {
  core::Settings.AllSelect = L"0";
  ASSERT_TRUE(OpenArchiveFile(path_));
  ASSERT_TRUE(OpenArchiveFile(path_));
  const std::vector<std::wstring> keys = {kRootNodeKey, L"0001" + path_, L"0002" + path_};
  EXPECT_EQ(keys, form_.tvTreeView.Keys());
  EXPECT_EQ(L"0002" + path_, form_.tvTreeView.SelectedKey());
  EXPECT_EQ(L"書類 一式.7z", form_.tvTreeView.Text(keys[2]));
  EXPECT_EQ(kRootNodeKey, form_.tvTreeView.ParentKey(keys[2]));
  EXPECT_EQ(path_, core::PrivateState.ArcFileName());
  EXPECT_EQ(temp_.Path(), core::Settings.OpenFolder);
  EXPECT_EQ(2, Opened(path_));
  EXPECT_EQ((std::vector<std::wstring>{L"a.txt", L"b.txt", L"c.txt"}), Column(0));
  // Only the first entry is selected without "select all"; the status bar describes the list.
  EXPECT_EQ(std::vector<int>{1}, Selected());
  const std::wstring archiveSize = std::to_wstring(testsupport::ReadFileBytes(path_).size());
  EXPECT_EQ(L"圧縮サイズ " + archiveSize + L"bytes 選択数 1個( 10byte ) 全ファイル数 3個( 60bytes ) ",
            form_.sbStatusBar.PanelText(1));
  EXPECT_TRUE(Enabled(browser::Command::CloseArchive));

  core::Settings.AllSelect = L"1";
  ASSERT_TRUE(OpenArchiveFile(path_));
  EXPECT_EQ((std::vector<int>{1, 2, 3}), Selected());
}

TEST_F(TreeListUpkeepTest, TheNodeAndCurrentArchiveTakeThePathTheReaderHandsBack) {
  const std::wstring ish = Fixture(L"long name.ish", "ISH", kThreeFiles);
  const std::wstring shortForm = core::GetShortPath(ish);
  ASSERT_NE(ish, shortForm);
  ASSERT_TRUE(OpenArchiveFile(ish));
  EXPECT_EQ(L"0001" + shortForm, form_.tvTreeView.SelectedKey());
  EXPECT_EQ(shortForm, core::PrivateState.ArcFileName());

  RefreshArchiveList(ish, false);
  EXPECT_EQ(shortForm, core::PrivateState.ArcFileName());
}

TEST_F(TreeListUpkeepTest, AFileOfNoArchiveTypeChangesNothing) {
  ASSERT_TRUE(OpenArchiveFile(path_));
  const std::wstring caption = form_.Caption();
  const std::wstring text = temp_.WriteFile(L"notes.txt", "x");
  EXPECT_FALSE(OpenArchiveFile(text));
  EXPECT_EQ(2, form_.tvTreeView.Count());
  EXPECT_EQ(3, form_.lvListView.Count());
  EXPECT_EQ(path_, core::PrivateState.ArcFileName());
  EXPECT_EQ(caption, form_.Caption());
  EXPECT_EQ(1, Opened(path_));
}

TEST_F(TreeListUpkeepTest, AnArchiveWithoutEntriesIsNotOpened) {
  ASSERT_TRUE(OpenArchiveFile(path_));
  const std::wstring empty = Fixture(L"empty.7z", "7Z", "");
  EXPECT_FALSE(OpenArchiveFile(empty));
  EXPECT_EQ(2, form_.tvTreeView.Count());
  EXPECT_EQ(kRootNodeKey, form_.tvTreeView.SelectedKey());
  EXPECT_EQ(L"とるべなー【瞬間開梱】 ", form_.Caption());
  EXPECT_EQ(1, core::ArcNodeCounter);
  EXPECT_EQ(path_, core::PrivateState.ArcFileName());
  EXPECT_FALSE(Enabled(browser::Command::CloseArchive));
  EXPECT_TRUE(Enabled(browser::Command::CloseAll));
}

// Only four digits reach the key: after 9,999 nodes they begin again at "0000", and a key already in the
// tree is passed over so that no node is lost.
TEST_F(TreeListUpkeepTest, NodeKeysWrapButStayUnique) {
  EXPECT_EQ(L"0042C:\\a.lzh", ArcNodeKey(42, L"C:\\a.lzh"));
  EXPECT_EQ(L"0000C:\\a.lzh", ArcNodeKey(10000, L"C:\\a.lzh"));
  EXPECT_EQ(L"2345C:\\a.lzh", ArcNodeKey(12345, L"C:\\a.lzh"));

  ASSERT_TRUE(OpenArchiveFile(path_));
  core::ArcNodeCounter = 9999;
  ASSERT_TRUE(OpenArchiveFile(path_));
  EXPECT_EQ(L"0000" + path_, form_.tvTreeView.SelectedKey());
  ASSERT_TRUE(OpenArchiveFile(path_));
  EXPECT_EQ(L"0002" + path_, form_.tvTreeView.SelectedKey());
  EXPECT_EQ(10002, core::ArcNodeCounter);
  EXPECT_EQ(4, form_.tvTreeView.Count());
}

// New archives are the ones this instance made: in its work folder, or in a folder it made new archives in
// before the work folder changed. A file of the user's is never one, whatever its name.
TEST_F(TreeListUpkeepTest, OnlyArchivesInThisInstancesFoldersAreNew) {
  const std::wstring work = temp_ / L"work\\tvtemp00\\";
  const std::wstring earlier = temp_ / L"earlier\\tvtemp03\\Arc";
  RememberNewArchiveFolder(earlier);
  struct Case {
    std::wstring path;
    bool isNew;
  };
  const Case cases[] = {
      {work + L"Arc\\$New0001.lzh", true},
      {core::UCase(work) + L"arc\\$New0002.zip", true},
      {earlier + L"\\$New0003.exe", true},
      {temp_ / L"$New0001.lzh", false},
      {temp_ / L"$news.zip", false},
      {temp_ / L"$NEWreport.zip", false},
      {temp_ / L"work\\tvtemp01\\Arc\\$New0001.lzh", false},  // another instance's
      {temp_ / L"work\\tvtemp000\\$New0001.lzh", false},
      {temp_ / L"earlier\\tvtemp03\\$New0001.lzh", false},
      {L"", false},
  };
  for (const Case& c : cases) EXPECT_EQ(IsNewArchive(c.path), c.isNew) << core::ToUtf8(c.path);
}

TEST_F(TreeListUpkeepTest, RelistingKeepsTheTreeAndRecordsThePath) {
  ASSERT_TRUE(OpenArchiveFile(path_));
  // The password flag reaches the YZ1 reader, which checks the archive first and opens it with mode 1.
  const std::wstring other = Fixture(L"$New0001.yz1", "YZ1", "entry x\r\nend\r\n");
  RefreshArchiveList(other, true);
  EXPECT_EQ(1, Opened(other, "1"));
  EXPECT_EQ(1, Logged("Yz1CheckArchive\t" + core::ToCp932(other) + "\t16"));
  EXPECT_EQ(other, core::PrivateState.ArcFileName());
  EXPECT_EQ(2, form_.tvTreeView.Count());
  EXPECT_EQ(1, form_.lvListView.Count());

  // No archive type: nothing listed, the commands of a window without archive, the path still recorded.
  const int opened = Logged("\t0") + Logged("\t1");
  RefreshArchiveList(temp_.WriteFile(L"plain.txt", "x"), false);
  EXPECT_EQ(opened, Logged("\t0") + Logged("\t1"));
  EXPECT_EQ(temp_ / L"plain.txt", core::PrivateState.ArcFileName());
  EXPECT_FALSE(Enabled(browser::Command::CloseArchive));
}

TEST_F(TreeListUpkeepTest, SelectingOneEntry) {
  FillList(kThreeEntries);
  winui::ListView& list = form_.lvListView;
  list.SetSelected(1, true);
  list.SetSelected(2, true);
  list.SetFocusedItem(2);

  SelectListItem(list, 3);
  EXPECT_EQ((std::vector<int>{1, 3}), Selected());
  EXPECT_EQ(3, list.FocusedItem());
  EXPECT_NE(std::wstring::npos, form_.sbStatusBar.PanelText(1).find(L"選択数 2個( 40byte )"));

  // Beyond the list: the current item loses its selection and nothing else is selected.
  SelectListItem(list, 9);
  EXPECT_EQ(std::vector<int>{1}, Selected());
  EXPECT_NE(std::wstring::npos, form_.sbStatusBar.PanelText(1).find(L"選択数 1個( 10byte )"));

  browser::Entries().Clear();
  form_.sbStatusBar.SetPanelText(1, L"old");
  SelectListItem(list, 1);
  EXPECT_NE(std::wstring::npos, form_.sbStatusBar.PanelText(1).find(L"全ファイル数 0個"));
}

TEST_F(TreeListUpkeepTest, SelectionTestsAndSelectAll) {
  EXPECT_FALSE(GetSelectedCount());
  FillList(kThreeEntries);
  EXPECT_FALSE(GetSelectedCount());
  form_.lvListView.SetSelected(3, true);
  EXPECT_TRUE(GetSelectedCount());

  core::Settings.AllSelect = L"0";
  SelectAllItems();
  EXPECT_EQ(std::vector<int>{3}, Selected());
  core::Settings.AllSelect = L"1";
  SelectAllItems();
  EXPECT_EQ((std::vector<int>{1, 2, 3}), Selected());
}

TEST_F(TreeListUpkeepTest, ColumnsFitTheirCellsOnlyInDetailsWithWidthsNotFixed) {
  winui::ListView& list = form_.lvListView;
  struct Case {
    const wchar_t* fixed;
    LONG view;
    bool items;
    bool sized;
  };
  const Case cases[] = {
      {L"0", LVS_REPORT, true, true}, {L"1", LVS_REPORT, true, false},  {L"0", LVS_SMALLICON, true, false},
      {L"0", LVS_LIST, true, false},  {L"0", LVS_REPORT, false, false},
  };
  for (const Case& c : cases) {
    FillList(c.items ? std::vector<Row>{{L"a rather long entry name that needs a wide column.txt", L"", L"1"}}
                     : std::vector<Row>{});
    SetViewStyle(c.view);
    list.SetColumnWidth(1, 300);
    core::Settings.RetuKotei = c.fixed;
    AutoSizeColumns(8);
    EXPECT_EQ(c.sized, list.ColumnWidth(1) > 1000) << core::ToUtf8(c.fixed) << c.view << c.items;
  }
}

// The columns come out as wide as the control's own fitting over every cell would make them.
TEST_F(TreeListUpkeepTest, FittingMeasuresAsTheControlDoes) {
  std::vector<Row> rows;
  for (int i = 0; i < 300; ++i) {
    Row row(9);
    row[0] = std::wstring(static_cast<size_t>(i % 37), i % 2 ? L'W' : L'i') + L"日本語" + std::to_wstring(i);
    row[1] = i % 5 ? L"テキスト ドキュメント" : L"ファイル フォルダ";
    row[2] = core::FormatNumber(static_cast<int64_t>(i) * 7919, L"#,###");
    row[5] = L"2024/03/05 12:34:56";
    row[7] = std::wstring(static_cast<size_t>(i % 13), L'/') + L"dir" + std::to_wstring(i % 7) + L"/";
    rows.push_back(row);
  }
  FillList(rows);
  HWND list = form_.lvListView.Hwnd();
  std::vector<LRESULT> own;
  for (int column = 0; column <= 8; ++column) {
    SendMessageW(list, LVM_SETCOLUMNWIDTH, column, MAKELPARAM(LVSCW_AUTOSIZE, 0));
    own.push_back(SendMessageW(list, LVM_GETCOLUMNWIDTH, column, 0));
    SendMessageW(list, LVM_SETCOLUMNWIDTH, column, 10);
  }
  AutoSizeColumns(8);
  for (int column = 0; column <= 8; ++column)
    EXPECT_EQ(own[static_cast<size_t>(column)], SendMessageW(list, LVM_GETCOLUMNWIDTH, column, 0)) << column;
  EXPECT_EQ(300, form_.lvListView.Count()) << "every entry is shown again";
}

TEST_F(TreeListUpkeepTest, TreeColoursResolveSystemColoursAndKeepTheStyle) {
  HWND tree = form_.tvTreeView.Hwnd();
  const LONG_PTR style = GetWindowLongPtrW(tree, GWL_STYLE);
  core::Settings.BackColor = static_cast<int32_t>(0x80000005u);
  core::Settings.ForeColor = static_cast<int32_t>(0x80000008u);
  SetTreeViewColor();
  EXPECT_EQ(GetSysColor(COLOR_WINDOWTEXT), static_cast<COLORREF>(SendMessageW(tree, TVM_GETTEXTCOLOR, 0, 0)));
  EXPECT_EQ(GetSysColor(COLOR_WINDOW), static_cast<COLORREF>(SendMessageW(tree, TVM_GETBKCOLOR, 0, 0)));
  EXPECT_EQ(style, GetWindowLongPtrW(tree, GWL_STYLE));

  core::Settings.BackColor = RGB(10, 20, 30);
  core::Settings.ForeColor = RGB(200, 100, 0);
  SetTreeViewColor();
  EXPECT_EQ(RGB(200, 100, 0), static_cast<COLORREF>(SendMessageW(tree, TVM_GETTEXTCOLOR, 0, 0)));
  EXPECT_EQ(RGB(10, 20, 30), static_cast<COLORREF>(SendMessageW(tree, TVM_GETBKCOLOR, 0, 0)));
  EXPECT_EQ(style, GetWindowLongPtrW(tree, GWL_STYLE));
}

TEST_F(TreeListUpkeepTest, ProgressBoxSitsOverThePanelOnlyWhileTheStatusBarShows) {
  winui::PictureBox& box = form_.picCount;
  SetProgressPosition(true);
  EXPECT_TRUE(box.Visible());
  EXPECT_LE(std::abs(box.Top() - (form_.sbStatusBar.Top() + 50)), 15);
  EXPECT_LE(std::abs(box.Left() - (form_.sbStatusBar.PanelRect(2).left + 20)), 15);
  SetProgressPosition(false);
  EXPECT_FALSE(box.Visible());

  // With the status bar hidden (its View menu item unticked) it neither shows nor hides the box.
  form_.sbStatusBar.SetVisible(false);
  SetProgressPosition(true);
  EXPECT_FALSE(box.Visible());
  box.SetVisible(true);
  SetProgressPosition(false);
  EXPECT_TRUE(box.Visible());
}

}  // namespace
}  // namespace browsertest
