// The per-type options dialog as start-up preloads it (hidden, on the tab its callers asked for, with the
// libraries' versions read once) and as its callers show it: one page per tab, OK, Cancel, Esc and the
// close box with their modal results.
#include "options/frmArcOption.h"

#include <gtest/gtest.h>
#include <windows.h>

#include "Standins.h"
#include "TempDir.h"
#include "TopMostCheck.h"
#include "WindowGuard.h"
#include "KeyInput.h"
#include "core/modTolvenar.h"
#include "archiver/LibraryBinding.h"

namespace {

class frmArcOptionTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_FALSE(testsupport::StandinFolder().empty()) << "TOLVENAR_STANDINS is not set";
    archiver::SetLibraryFolder(testsupport::StandinFolder());
    temp.WriteFile(L"standins.ini",
                   "[unlha32]\r\nVersion=185\r\nSubVersion=5\r\n[unzip32]\r\nVersion=7\r\n"
                   "[Zip32J]\r\nVersion=1234\r\n[Bh32]\r\nMissing=BhGetVersion\r\n");
    SetEnvironmentVariableW(L"TOLVENAR_STANDIN_CONFIG", (temp / L"standins.ini").c_str());
    SetEnvironmentVariableW(L"TOLVENAR_STANDIN_LOG", (temp / L"standins.log").c_str());
  }
  void TearDown() override {
    form.Unload();
    archiver::FreeLibraries();
    archiver::SetLibraryFolder(L"");
    SetEnvironmentVariableW(L"TOLVENAR_STANDIN_CONFIG", nullptr);
    SetEnvironmentVariableW(L"TOLVENAR_STANDIN_LOG", nullptr);
  }

  testsupport::FakeMainWindow link;
  core::ScopedMainWindowLink linkSeam{link};
  testsupport::TempDir temp;
  options::frmArcOption form;
};

TEST_F(frmArcOptionTest, PreloadsHiddenWithTheEighteenTabs) {
  form.SetTabIndex(17);
  form.SetOptionFlag(1);
  ASSERT_TRUE(form.Load());
  EXPECT_FALSE(form.Visible());
  EXPECT_EQ(17, form.TabIndex());
  EXPECT_EQ(1, form.OptionFlag());
  const wchar_t* expected[] = {L"LZH", L"ZIP", L"CAB", L"ARJ", L"TAR", L"ISH", L"RAR", L"YZ1", L"ACE",
                               L"JAR", L"BGA", L"GCA", L"BEL", L"7Z",  L"IMP", L"YZ2", L"BH",  L"共通"};
  ASSERT_EQ(options::kArcOptionTabs, form.tspArcType.TabCount());
  for (int tab = 1; tab <= options::kArcOptionTabs; ++tab)
    EXPECT_EQ(expected[tab - 1], form.tspArcType.TabCaption(tab));
  EXPECT_EQ(L"書庫のオプション", form.Caption());
}

TEST_F(frmArcOptionTest, ReadsTheLibraryVersionsAtLoad) {
  ASSERT_TRUE(form.Load());
  const auto& versions = form.VersionTexts();
  EXPECT_EQ(L"1.85.0.05", versions[0]);  // unlha32 with its sub-version
  EXPECT_EQ(L"0.07", versions[1]);       // unzip32
  EXPECT_EQ(L"12.34", versions[2]);      // Zip32J
  EXPECT_EQ(L"", versions[17]);          // Bh32 without its version entry
}

TEST_F(frmArcOptionTest, ActivationSelectsTheTabAskedForAndKeepsTheLastOneOtherwise) {
  ASSERT_TRUE(form.Load());
  struct Case {
    int16_t tabIndex;
    int selected;
  };
  const Case cases[] = {{17, 17}, {options::kCommonTab, 18}, {0, 18}, {19, 18}, {1, 1}, {-1, 1}};
  for (const auto& c : cases) {
    form.SetTabIndex(c.tabIndex);
    form.Form_Activate();
    EXPECT_EQ(c.selected, form.tspArcType.SelectedTab()) << c.tabIndex;
    EXPECT_EQ(c.tabIndex, form.TabIndex());
  }
}

TEST_F(frmArcOptionTest, TopMostUnlessNeverTopIsZero) { testsupport::ExpectTopMostUnlessNeverTopIsZero(form, link); }

TEST_F(frmArcOptionTest, OkAndCancelHideButKeepItLoaded) {
  testsupport::AllowWindows shown;
  ASSERT_TRUE(form.Load());
  for (winui::CommandButton* button : {&form.cmdOk, &form.cmdCancel}) {
    form.Show();
    ASSERT_TRUE(form.Visible());
    button->Click();
    EXPECT_FALSE(form.Visible());
    EXPECT_TRUE(form.IsLoaded());
  }
}

// Which pages show, by tab number.
std::vector<int> ShownPages(options::frmArcOption& form) {
  std::vector<int> shown;
  for (int tab = 1; tab <= options::kArcOptionTabs; ++tab)
    if (winui::Frame(&form, form.tspArcType.PageId(tab)).Visible()) shown.push_back(tab);
  return shown;
}

TEST_F(frmArcOptionTest, EveryTabHasItsOwnPageAndActivationShowsIt) {
  ASSERT_TRUE(form.Load());
  ASSERT_EQ(form.tspArcType.PageCount(), options::kArcOptionTabs);
  const wchar_t* types[] = {L"LZH", L"ZIP", L"CAB", L"ARJ", L"TAR", L"ISH", L"RAR", L"YZ1", L"ACE",
                            L"JAR", L"BGA", L"GCA", L"BEL", L"7Z",  L"IMP", L"YZ2", L"BH"};
  for (int tab = 1; tab <= options::kArcOptionTabs; ++tab) {
    winui::Frame page(&form, form.tspArcType.PageId(tab));
    EXPECT_EQ(page.Id(), options::ID_fraOption + tab - 1);
    EXPECT_EQ(form.NameOf(page.Id()), L"fraOption(" + std::to_wstring(tab - 1) + L")");
    std::wstring caption =
        tab == options::kCommonTab ? L"共通のオプション" : std::wstring(types[tab - 1]) + L" 書庫のオプション";
    EXPECT_EQ(page.Caption(), caption);
    EXPECT_EQ(page.Left(), 240);
    EXPECT_EQ(page.Top(), 720);
    EXPECT_EQ(page.Width(), 5175);
    EXPECT_EQ(page.Height(), 5175);
  }
  EXPECT_EQ(ShownPages(form), std::vector<int>{1});
  struct Case {
    int16_t tabIndex;
    int shown;
  };
  const Case cases[] = {{13, 13}, {options::kCommonTab, 18}, {0, 18}, {19, 18}, {2, 2}};
  for (const Case& c : cases) {
    form.SetTabIndex(c.tabIndex);
    form.Form_Activate();
    EXPECT_EQ(ShownPages(form), std::vector<int>{c.shown}) << c.tabIndex;
  }
  EXPECT_EQ(GetWindow(form.Item(options::ID_fraOption + 12), GW_CHILD), nullptr) << "the BEL page is empty";
}

TEST_F(frmArcOptionTest, ActivationCaptionsTheWindowWithCaptionTitle) {
  ASSERT_TRUE(form.Load());
  form.SetCaptionTitle(L"書庫のオプション - ZIP");
  form.SetTabIndex(2);
  form.Form_Activate();
  EXPECT_EQ(form.Caption(), L"書庫のオプション - ZIP");
  EXPECT_EQ(form.CaptionTitle(), L"書庫のオプション - ZIP");
}

TEST_F(frmArcOptionTest, OnlyOkGivesOkAndTheDialogStaysLoadedUnlessClosed) {
  struct Case {
    const char* how;
    void (*end)(options::frmArcOption&);
    winui::DialogResult result;
    bool loaded;
  };
  const Case cases[] = {
      {"OK", [](options::frmArcOption& f) { SendMessageW(f.cmdOk.Hwnd(), BM_CLICK, 0, 0); }, winui::DialogResult::OK,
       true},
      {"Cancel", [](options::frmArcOption& f) { SendMessageW(f.cmdCancel.Hwnd(), BM_CLICK, 0, 0); },
       winui::DialogResult::Cancel, true},
      {"Esc", [](options::frmArcOption& f) { winuitest::Key(f.tspArcType.Hwnd(), VK_ESCAPE); },
       winui::DialogResult::Cancel, true},
      {"Enter", [](options::frmArcOption& f) { winuitest::Key(f.tspArcType.Hwnd(), VK_RETURN); },
       winui::DialogResult::OK, true},
      {"Alt+F4", [](options::frmArcOption& f) { SendMessageW(f.Hwnd(), WM_CLOSE, 0, 0); }, winui::DialogResult::Cancel,
       false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.how);
    form.SetTabIndex(3);
    winui::ModalHook previous = winui::SetModalHook([&](winui::Form&) {
      form.Form_Activate();
      c.end(form);
    });
    EXPECT_EQ(form.ShowModal(), c.result);
    winui::SetModalHook(previous);
    EXPECT_FALSE(form.Visible());
    EXPECT_EQ(form.IsLoaded(), c.loaded);
  }
}

TEST_F(frmArcOptionTest, ClosingItPutsTheMainWindowBackOnTopUnlessTheProgramIsEnding) {
  HWND main = CreateWindowExW(0, L"STATIC", L"main", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
  ASSERT_NE(main, nullptr);
  link.mainWindow = main;
  link.neverTop = L"1";
  for (bool ending : {true, false}) {
    core::ProgramEnding = ending;
    SetWindowPos(main, HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    ASSERT_TRUE(form.Load());
    SendMessageW(form.Hwnd(), WM_CLOSE, 0, 0);
    EXPECT_FALSE(form.IsLoaded());
    EXPECT_EQ(testsupport::IsTopMost(main), !ending) << ending;
  }
  core::ProgramEnding = false;
  DestroyWindow(main);
}

}  // namespace
