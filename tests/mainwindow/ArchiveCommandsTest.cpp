// The open commands (File menu, recent archives, the "Open" drop-down) and the tree's node click, run on
// the hidden main window with the real tree and list upkeep over a reader that lists scripted entries.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include <windows.h>
#include <commctrl.h>

#include "MainWindowFixture.h"
#include "SeamFakes.h"
#include "Standins.h"
#include "archiver/LibraryBinding.h"
#include "browser/BrowserViews.h"
#include "browser/Histories.h"
#include "browser/TreeListUpkeep.h"
#include "core/Settings.h"
#include "core/Text.h"
#include "core/modPath.h"
#include "core/modTolvenar.h"
#include "mainwindow/ArchiveCommands.h"
#include "mainwindow/TreeEvents.h"
#include "winui/App.h"

namespace {

using mainwindow::ID_mnuFileMRU;
using mainwindow::ID_mnuFileOpen;
using mainwindow::ID_tbToolBar;
using mainwindow::ID_tvTreeView;

const wchar_t kTitle[] = L"とるべなー【瞬間開梱】 ";

class ArchiveCommandsTest : public mwtest::MainWindowTest {
 protected:
  void SetUp() override {
    ASSERT_FALSE(testsupport::StandinFolder().empty()) << "TOLVENAR_STANDINS is not set";
    ASSERT_TRUE(LoadWindow());
    core::Settings.FileHistory = L"15";
    core::Settings.History = {L""};
    first = Archive(L"一つ目.7z", "entry readme.txt\r\nend\r\nentry doc/notes.txt\r\nend\r\n");
    second = Archive(L"二つ目.rar", "entry a.txt\r\nend\r\nentry b.txt\r\nend\r\nentry c.txt\r\nend\r\n");
    // An archive that lists no entry is not opened.
    unreadable = Archive(L"壊れた.7z", "");
    boxes.onShow = [this](const winui::MsgBoxRequest& box) { busyAt[box.text] = core::BusyFlag; };
  }

  std::wstring Archive(const std::wstring& name, const std::string& entries) {
    const std::string type = core::ToUtf8(core::UCase(core::GetExtension(name, false).substr(1)));
    return temp.WriteFile(name, testsupport::FixtureArchive(type, entries));
  }
  // How often the stand-ins were asked to open an archive.
  int Opened() const {
    const std::string log = testsupport::ReadFileBytes(temp / L"standins.log");
    int count = 0;
    for (size_t at = log.find("OpenArchive\t"); at != std::string::npos; at = log.find("OpenArchive\t", at + 1))
      ++count;
    return count;
  }

  void OpenByDialog(const std::wstring& path) {
    dialogs.answer = path;
    core::ScopedCommonDialogSeam seam(dialogs);
    Click(ID_mnuFileOpen);
    if (!dialogs.asked.empty()) dialog = dialogs.asked.back();
  }
  // The recent-archive menu as the history stands, then its item `index` chosen.
  void ChooseRecent(int index) {
    browser::AddFileHistory(L"");
    Click(ID_mnuFileMRU + index);
  }
  std::vector<std::wstring> ListedNames() const {
    std::vector<std::wstring> names;
    for (int i = 1; i <= form->lvListView.Count(); ++i) names.push_back(form->lvListView.Text(i));
    return names;
  }
  std::wstring NodeKeyOf(const std::wstring& path) const {
    for (const std::wstring& key : form->tvTreeView.Keys())
      if (key.size() > 4 && key.substr(4) == path) return key;
    return L"";
  }
  UINT LastBoxIcon() const { return boxes.Shown().back().style & MB_ICONMASK; }

  // The open dialog: what it was asked each time, the last question as `dialog`.
  testsupport::FakeCommonDialogs dialogs;
  testsupport::FakeCommonDialogs::FileQuestion dialog;
  std::wstring first, second, unreadable;
  // BusyFlag as each message box found it, by the box's text.
  std::map<std::wstring, bool> busyAt;
};

TEST_F(ArchiveCommandsTest, OpenShowsTheArchiveAndRemembersIt) {
  OpenByDialog(first);

  EXPECT_EQ(dialog.title, L"書庫ファイルを開く");
  EXPECT_EQ(dialog.filter.rfind(L"すべての書庫|*.lzh;*.lzs;*.zip;", 0), 0u) << testing::PrintToString(dialog.filter);
  EXPECT_NE(dialog.filter.find(L"|RAR書庫 (*.rar;*.r?\?)|*.rar;*.r?\?|YZ1書庫 (*.yz1)|"), std::wstring::npos);
  EXPECT_NE(dialog.filter.find(L"|自己解凍型書庫 (*.exe)|*.exe|すべてのファイル (*.*)|*.*"), std::wstring::npos);
  EXPECT_EQ(std::count(dialog.filter.begin(), dialog.filter.end(), L'|'), 39);
  EXPECT_EQ(dialog.filterIndex, 1u);
  EXPECT_EQ(form->tvTreeView.Keys(), (std::vector<std::wstring>{L"書庫ﾌｧｲﾙ", L"0001" + first}));
  EXPECT_EQ(form->tvTreeView.SelectedKey(), L"0001" + first);
  EXPECT_EQ(ListedNames(), (std::vector<std::wstring>{L"readme.txt", L"notes.txt"}));
  EXPECT_EQ(form->Caption(), first + L" - " + kTitle);
  ASSERT_FALSE(core::Settings.History.empty());
  EXPECT_EQ(core::Settings.History[0], first);
  EXPECT_EQ(1, Opened());
  EXPECT_FALSE(core::BusyFlag);
}

TEST_F(ArchiveCommandsTest, OpenStartsInTheDefaultFolderOnlyWhenOneIsChosen) {
  struct Case {
    const wchar_t* flag;
    const wchar_t* arcDefault;
    const wchar_t* expected;
  };
  const Case cases[] = {
      {L"0", L"C:\\書庫置き場", L"C:\\書庫置き場"},
      {L"1", L"C:\\書庫置き場", L"C:\\最後に開いた所"},
      {L"0", L"", L"C:\\最後に開いた所"},
  };
  for (const Case& c : cases) {
    core::Settings.ArcDefaultFlag = c.flag;
    core::Settings.ArcDefault = c.arcDefault;
    core::Settings.OpenFolder = L"C:\\最後に開いた所";
    OpenByDialog(L"");
    EXPECT_EQ(dialog.initialDir, c.expected) << c.flag << L" " << c.arcDefault;
  }
}

TEST_F(ArchiveCommandsTest, CancelledOpenChangesNothing) {
  OpenByDialog(L"");
  EXPECT_EQ(dialogs.asked.size(), 1u);
  EXPECT_EQ(0, Opened());
  EXPECT_EQ(form->tvTreeView.Count(), 1);
  EXPECT_TRUE(boxes.Shown().empty());
}

TEST_F(ArchiveCommandsTest, UnreadableArchiveIsReportedAndNotOpened) {
  OpenByDialog(first);
  boxes.Expect(L"書庫ファイルの読み込みに失敗しました\r\n対応するDLLが存在しないか、とるべなー で認識できない形式です");
  OpenByDialog(unreadable);

  EXPECT_TRUE(boxes.AllShown());
  EXPECT_EQ(LastBoxIcon(), static_cast<UINT>(MB_ICONSTOP));
  EXPECT_EQ(form->tvTreeView.Count(), 2);
  EXPECT_EQ(core::Settings.History[0], first);
  EXPECT_FALSE(core::BusyFlag);

  // The reader's own message comes while the archive is read, under BusyFlag.
  const std::wstring junk = temp.WriteFile(L"junk.tar", "this is not a tar file");
  boxes.Expect(L"TAR32.DLL で利用できない形式です");
  boxes.Expect(L"書庫ファイルの読み込みに失敗しました\r\n対応するDLLが存在しないか、とるべなー で認識できない形式です");
  OpenByDialog(junk);
  EXPECT_TRUE(boxes.AllShown());
  EXPECT_TRUE(busyAt[L"TAR32.DLL で利用できない形式です"]);
  EXPECT_FALSE(core::BusyFlag);
}

TEST_F(ArchiveCommandsTest, RecentArchiveFromMenuAndDropDownOpens) {
  core::Settings.History = {second, first};
  ChooseRecent(1);
  EXPECT_EQ(form->tvTreeView.SelectedKey(), NodeKeyOf(first));
  EXPECT_EQ(core::Settings.History, (std::vector<std::wstring>{first, second}));

  ASSERT_TRUE(PickFromDropDown(L"Open", 2));  // item i stands for History(i - 1)
  EXPECT_EQ(form->tvTreeView.SelectedKey(), NodeKeyOf(second));
  EXPECT_EQ(ListedNames(), (std::vector<std::wstring>{L"a.txt", L"b.txt", L"c.txt"}));
  EXPECT_EQ(form->Caption(), second + L" - " + kTitle);
  EXPECT_EQ(core::Settings.History, (std::vector<std::wstring>{second, first}));
}

TEST_F(ArchiveCommandsTest, MissingOrUnreadableRecentArchiveIsReportedOnceAndKept) {
  const std::wstring gone = temp / L"消えた.lzh";
  // The reader fails on this one and says so itself: that is the only report.
  const std::wstring broken = temp.WriteFile(L"中身なし.7z", "no archive at all");
  const std::wstring brokenMessage = L"書庫ファイル \"中身なし.7z\" の読み込みに失敗しました";
  struct Case {
    bool fromMenu;
    std::wstring path;
    std::wstring message;
    UINT icon;
  };
  const Case cases[] = {
      {true, gone, L"ファイル \"" + gone + L"\" が見つかりません", MB_ICONSTOP},
      {false, gone, L"ファィル \"" + gone + L"\" が見つかりません", MB_ICONSTOP},
      {true, unreadable, L"指定された書庫ファイルの読み込みに失敗しました", MB_ICONSTOP},
      {false, unreadable, L"指定された書庫ファイルの読み込みに失敗しました", MB_ICONSTOP},
      {true, broken, brokenMessage, MB_ICONEXCLAMATION},
      {false, broken, brokenMessage, MB_ICONEXCLAMATION},
      // A folder of that name is no archive file.
      {true, temp.Path(), L"ファイル \"" + temp.Path() + L"\" が見つかりません", MB_ICONSTOP},
  };
  for (const Case& c : cases) {
    core::Settings.History = {c.path};
    const size_t shown = boxes.Shown().size();
    boxes.Expect(c.message);
    if (c.fromMenu)
      ChooseRecent(0);
    else
      EXPECT_TRUE(PickFromDropDown(L"Open", 1));
    EXPECT_TRUE(boxes.AllShown()) << c.message;
    EXPECT_EQ(boxes.Shown().size(), shown + 1) << "said once";
    EXPECT_EQ(LastBoxIcon(), c.icon);
    EXPECT_EQ(core::Settings.History, std::vector<std::wstring>{c.path});
    EXPECT_EQ(form->tvTreeView.Count(), 1);
    EXPECT_FALSE(core::BusyFlag);
  }
}

TEST_F(ArchiveCommandsTest, EmptyRecentEntryAndOtherDropDownsDoNothing) {
  core::Settings.History = {L"", first};
  core::Settings.ArcDown = {L""};
  PickFromDropDown(L"Open", 1);
  PickFromDropDown(L"Open", 9);
  PickFromDropDown(L"UnPack", 2);
  EXPECT_EQ(0, Opened());
  EXPECT_TRUE(boxes.Shown().empty());
}

TEST_F(ArchiveCommandsTest, NodeClickListsThatArchiveAndEndsTheEditWatch) {
  OpenByDialog(first);
  OpenByDialog(second);
  core::EditWatchFiles = {L"C:\\x.txt", L""};
  core::EditWatchTimes = {L"2026/12/10 10:00:00", L""};
  form->timUpdate.SetEnabled(true);

  form->tvTreeView.Select(NodeKeyOf(first));
  ClickNode(NodeKeyOf(first));

  EXPECT_EQ(ListedNames(), (std::vector<std::wstring>{L"readme.txt", L"notes.txt"}));
  EXPECT_TRUE(form->lvListView.Selected(1));
  EXPECT_EQ(form->Caption(), first + L" - " + kTitle);
  EXPECT_EQ(core::PrivateState.ArcFileName(), first);
  EXPECT_EQ(core::EditWatchFiles, std::vector<std::wstring>{L""});
  EXPECT_EQ(core::EditWatchTimes, std::vector<std::wstring>{L""});
  EXPECT_FALSE(form->timUpdate.Enabled());
  EXPECT_FALSE(core::BusyFlag);

  // The node already selected is listed again, under BusyFlag: an archive that turned unreadable meanwhile
  // shows its reader's message then.
  const int opened = Opened();
  temp.WriteFile(L"一つ目.7z", "no longer an archive");
  boxes.Expect(L"書庫ファイル \"一つ目.7z\" の読み込みに失敗しました");
  ClickNode(NodeKeyOf(first));
  EXPECT_EQ(Opened(), opened + 1);
  EXPECT_TRUE(busyAt[L"書庫ファイル \"一つ目.7z\" の読み込みに失敗しました"]);
  EXPECT_FALSE(core::BusyFlag);
}

TEST_F(ArchiveCommandsTest, RootClickShowsNoArchive) {
  OpenByDialog(first);
  form->sbStatusBar.SetPanelText(1, L"2 個のファイル");
  form->tvTreeView.Select(L"書庫ﾌｧｲﾙ");
  ClickNode(L"書庫ﾌｧｲﾙ");

  EXPECT_EQ(form->lvListView.Count(), 0);
  EXPECT_EQ(form->sbStatusBar.PanelText(1), L"");
  EXPECT_EQ(form->Caption(), kTitle);
  EXPECT_EQ(form->tvTreeView.Count(), 2);
}

// Posts the close box's WM_CLOSE to the main window when its entry list is first given entries: a close
// that arrives as the list appears.
class CloseAsTheListAppears {
 public:
  explicit CloseAsTheListAppears(mainwindow::frmMain& form) : form_(form) {
    active_ = this;
    hook_ = SetWindowsHookExW(WH_CALLWNDPROC, Watch, nullptr, GetCurrentThreadId());
  }
  ~CloseAsTheListAppears() {
    UnhookWindowsHookEx(hook_);
    active_ = nullptr;
  }
  bool posted = false;

 private:
  static LRESULT CALLBACK Watch(int code, WPARAM wParam, LPARAM lParam) {
    const auto* message = reinterpret_cast<const CWPSTRUCT*>(lParam);
    CloseAsTheListAppears* self = active_;
    if (code == HC_ACTION && self && !self->posted && message->message == LVM_SETITEMCOUNT && message->wParam > 0 &&
        message->hwnd == self->form_.lvListView.Hwnd()) {
      self->posted = true;
      PostMessageW(self->form_.Hwnd(), WM_CLOSE, 0, 0);
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
  }
  static inline CloseAsTheListAppears* active_ = nullptr;
  mainwindow::frmMain& form_;
  HHOOK hook_ = nullptr;
};

TEST_F(ArchiveCommandsTest, CloseDuringTheReadingWaitsForItAndThenClosesWithWhatTheWindowShows) {
  struct Case {
    const char* when;
    bool beforeTheReading;  // else as the list appears
  };
  for (const Case c : {Case{"close box before the reading", true}, Case{"close box as the list appears", false}}) {
    SCOPED_TRACE(c.when);
    if (!form) {
      ASSERT_TRUE(LoadWindow());
    }
    form->Move(900, 600, 9600, 6300);
    std::optional<CloseAsTheListAppears> watch;
    if (c.beforeTheReading)
      PostMessageW(form->Hwnd(), WM_CLOSE, 0, 0);
    else
      watch.emplace(*form);
    OpenByDialog(second);
    ASSERT_TRUE(form->IsLoaded()) << "the close waited for the reading";
    EXPECT_EQ(ListedNames(), (std::vector<std::wstring>{L"a.txt", L"b.txt", L"c.txt"}));
    EXPECT_FALSE(core::BusyFlag);
    int widths[9];
    for (int i = 0; i < 9; ++i) widths[i] = ColumnPixels(i);
    const int left = form->Left(), width = form->Width(), height = form->Height();

    winui::DoEvents();
    EXPECT_FALSE(form->IsLoaded()) << "then it closed";
    EXPECT_TRUE(core::ProgramEnding);
    for (int i = 0; i < 9; ++i) {
      EXPECT_EQ(SavedIni(L"RetuColumn" + std::to_wstring(i)), std::to_wstring(widths[i])) << i;
      EXPECT_GT(widths[i], 0) << i;
    }
    EXPECT_EQ(SavedIni(L"WindowLeft"), std::to_wstring(left));
    EXPECT_EQ(SavedIni(L"WindowWidth"), std::to_wstring(width));
    EXPECT_EQ(SavedIni(L"WindowHeight"), std::to_wstring(height));
    form.reset();
    core::ProgramEnding = false;
  }
}

}  // namespace
