// The per-type options dialog as start-up preloads it: hidden, on the tab its callers asked for, with the
// libraries' versions read once.
#include "options/frmArcOption.h"

#include <gtest/gtest.h>
#include <windows.h>

#include "NeverTopLink.h"
#include "TempDir.h"
#include "Standins.h"
#include "WindowGuard.h"
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

  coretest::NeverTopLink link;
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

TEST_F(frmArcOptionTest, TopMostUnlessNeverTopIsZero) { coretest::ExpectTopMostUnlessNeverTopIsZero(form, link); }

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

}  // namespace
