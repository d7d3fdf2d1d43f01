// The property sheet of a file on disk: the general page for an extracted entry and for the open archive,
// the archive's listing tab with its copy button, a file that cannot be read, and closing.
#include "tools/frmProperty.h"

#include <gtest/gtest.h>
#include <commctrl.h>

#include <array>
#include <string>

#include "KeyInput.h"
#include "ProgramStateGuard.h"
#include "TempDir.h"
#include "ToolFakes.h"
#include "TopMostCheck.h"
#include "archiver/ArcOutput.h"
#include "core/modShell.h"
#include "core/modTolvenar.h"
#include "tools/ToolCommands.h"

namespace {

using tools::frmProperty;

// The archive operations' listing as the sheet runs it.
struct Listing {
  static inline int calls = 0;
  static inline std::wstring archive;
  static inline bool silent = false;
  static void Run(HWND, const std::wstring& path) {
    ++calls;
    archive = path;
    silent = core::PrivateState.EturanMode();
    archiver::ArcOutputText = L" Name        Original\nnotes.txt         12\n";
  }
};

class frmPropertyTest : public ::testing::Test {
 protected:
  void SetUp() override {
    Listing::calls = 0;
    previous_ = tools::SetArchiveListingRunner(&Listing::Run);
    file = temp.WriteFile(L"データ.txt", std::string(1536, 'd'));
    SetFileAttributesW(file.c_str(), FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_ARCHIVE);
  }
  void TearDown() override {
    form.Unload();
    tools::SetArchiveListingRunner(previous_);
    SetFileAttributesW(file.c_str(), FILE_ATTRIBUTE_NORMAL);
  }
  void Open(const std::wstring& path, bool archiveMark) {
    form.GetPropertyFileName(path);
    form.GetPropertyPlace(archiveMark);
    ASSERT_TRUE(form.Load());
  }
  std::array<bool, 5> Attributes() {
    std::array<bool, 5> enabled{};
    for (int i = 0; i < 5; ++i) enabled[static_cast<size_t>(i)] = form.LblFileAttribute(i).Enabled();
    return enabled;
  }

  testsupport::ProgramStateGuard state;
  testsupport::TempDir temp;
  std::wstring file;
  testsupport::FakeMainWindow link;
  core::ScopedMainWindowLink linkSeam{link};
  tools::ArchiveListingRunner previous_ = nullptr;
  frmProperty form;
};

TEST_F(frmPropertyTest, AnExtractedEntryOnTheGeneralPage) {
  Open(L" " + file + L" ", false);
  EXPECT_EQ(L"データ.txt のプロパティ", form.Caption());
  EXPECT_EQ(L"データ.txt", form.txtFileName.Text());
  EXPECT_EQ(core::GetFileTypeName(L".txt"), form.LblFilePlace(0).Caption());
  EXPECT_EQ(L"<書庫>", form.LblFilePlace(1).Caption());
  EXPECT_EQ(L"1KB (1,536バイト)", form.LblFilePlace(2).Caption());
  EXPECT_FALSE(form.LblFileAcsess(0).Caption().empty()) << "the MS-DOS name";
  for (int i = 1; i <= 3; ++i) {
    const std::wstring time = form.LblFileAcsess(i).Caption();
    EXPECT_NE(std::wstring::npos, time.find(L"曜日 ")) << i;
  }
  EXPECT_EQ((std::array<bool, 5>{true, false, true, false, false}), Attributes());
  EXPECT_EQ(1, form.tabProperty.TabCount());
  EXPECT_EQ(L"全般", form.tabProperty.TabCaption(1));
  EXPECT_TRUE(form.Frame1(0).Visible());
  EXPECT_FALSE(form.Frame1(1).Visible());
  EXPECT_EQ(0, Listing::calls);
}

TEST_F(frmPropertyTest, AFileThatCannotBeReadShowsUnknownValues) {
  Open(temp / L"消えた.lzh", false);
  EXPECT_EQ(L"消えた.lzh", form.txtFileName.Text());
  for (int i = 1; i <= 3; ++i) EXPECT_EQ(L"<不明>", form.LblFileAcsess(i).Caption()) << i;
  EXPECT_EQ(L"<不明>", form.LblFilePlace(2).Caption());
  EXPECT_EQ((std::array<bool, 5>{}), Attributes());
}

TEST_F(frmPropertyTest, TheArchiveItselfGetsItsFolderAndTheListingTab) {
  Open(file, true);
  EXPECT_EQ(temp.Path(), form.LblFilePlace(1).Caption());
  ASSERT_EQ(2, form.tabProperty.TabCount());
  EXPECT_EQ(L"書庫ファイル一覧", form.tabProperty.TabCaption(2));
  EXPECT_EQ(1, Listing::calls);
  EXPECT_EQ(file, Listing::archive);
  EXPECT_TRUE(Listing::silent) << "the listing runs without the result window";
  EXPECT_FALSE(core::PrivateState.EturanMode()) << "and the mode comes back";
  EXPECT_EQ(L" Name        Original\r\nnotes.txt         12\r\n", form.txtStatus.Text());
  EXPECT_EQ(1, form.tabProperty.SelectedTab());
  EXPECT_FALSE(form.Frame1(1).Visible());

  // A click on the second tab brings its page to the front.
  RECT tab;
  SendMessageW(form.tabProperty.Hwnd(), TCM_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&tab));
  toolstest::ClickAt(form.tabProperty.Hwnd(), (tab.left + tab.right) / 2, (tab.top + tab.bottom) / 2);
  winui::DoEvents();
  EXPECT_EQ(2, form.tabProperty.SelectedTab());
  EXPECT_TRUE(form.Frame1(1).Visible());
  EXPECT_FALSE(form.Frame1(0).Visible());

  testsupport::FakeClipboard clipboard;
  core::ScopedClipboardSeam clipboardSeam(clipboard);
  clipboard.Hold(L"before");
  SendMessageW(form.cmdCopy.Hwnd(), BM_CLICK, 0, 0);
  EXPECT_EQ(form.txtStatus.Text(), clipboard.text);
}

TEST_F(frmPropertyTest, EveryOpeningOnTheArchiveHasExactlyTwoTabs) {
  std::vector<int> tabs;
  toolstest::ModalScript script([&](winui::Form& opened) {
    auto& sheet = dynamic_cast<frmProperty&>(opened);
    tabs.push_back(sheet.tabProperty.TabCount());
    winuitest::Key(sheet.txtFileName.Hwnd(), VK_ESCAPE);
    EXPECT_FALSE(sheet.IsLoaded()) << "Esc closes";
  });
  tools::ShowProperty(nullptr, file, true);
  tools::ShowProperty(nullptr, file, true);
  tools::ShowProperty(nullptr, file, false);
  EXPECT_EQ((std::vector<int>{2, 2, 1}), tabs);
}

TEST_F(frmPropertyTest, WithoutAListingTheTabStaysEmpty) {
  tools::SetArchiveListingRunner(nullptr);
  archiver::ArcOutputText = L"the output of an earlier call\n";
  Open(file, true);
  EXPECT_EQ(2, form.tabProperty.TabCount());
  EXPECT_EQ(L"", form.txtStatus.Text());
}

TEST_F(frmPropertyTest, TopMostWhileOpenAndTheMainWindowOnTopAgainAfterwards) {
  form.GetPropertyFileName(file);
  testsupport::ExpectTopMostUnlessNeverTopIsZero(form, link);
  HWND main = CreateWindowExW(0, L"STATIC", L"main", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
  link.mainWindow = main;
  link.neverTop = L"1";
  ASSERT_TRUE(form.Load());
  SendMessageW(form.CmdOK.Hwnd(), BM_CLICK, 0, 0);
  EXPECT_FALSE(form.IsLoaded());
  EXPECT_TRUE(testsupport::IsTopMost(main));
  DestroyWindow(main);
}

}  // namespace
