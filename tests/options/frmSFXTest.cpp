// The LZH self-extractor options: the name the box starts with, the eight-character kinds, the sub-switches
// by the unlha32 version compared as text, and what OK and Cancel store and answer.
#include "options/frmSFX.h"

#include <gtest/gtest.h>

#include "ArcOptionFixture.h"
#include "core/Settings.h"
#include "core/modTolvenar.h"
#include "winui/App.h"

namespace {

using options::frmSFX;

class frmSFXTest : public optionstest::ArcOptionTest {
 protected:
  ~frmSFXTest() override {
    if (form.IsLoaded()) form.Unload();
  }
  frmSFX form;
};

TEST(SfxNameFor, TheArchiveNameOrForANewOneTheStoredName) {
  struct Case {
    const wchar_t* archive;
    const wchar_t* stored;
    const wchar_t* expected;
  };
  const Case cases[] = {
      {L"C:\\a\\My.Data.lzh", L"x", L"My.Data"},
      {L"C:\\w\\$New0003.lzh", L"  setup.v2.exe ", L"setup.v2"},
      {L"C:\\w\\$new0003.lzh", L"tool", L"tool"},
      {L"", L"tool", L""},
  };
  for (const Case& c : cases) EXPECT_EQ(options::SfxNameFor(c.archive, c.stored), c.expected) << c.archive;
}

TEST_F(frmSFXTest, SubSwitchesNeedVersion1822ComparedAsText) {
  struct Case {
    const char* config;
    bool enabled;
  };
  const Case cases[] = {
      {"[unlha32]\nVersion=182\nSubVersion=0\n", false},
      {"[unlha32]\nVersion=182\nSubVersion=200\n", true},
      {"[unlha32]\nVersion=252\nSubVersion=0\n", true},
      {"[unlha32]\nVersion=0\n", false},
  };
  core::Settings.LZH_SFXgye = L"1";
  core::Settings.LZH_SFXgyt = L"0";
  for (const Case& c : cases) {
    SCOPED_TRACE(c.config);
    Configure(c.config);
    ASSERT_TRUE(form.Load());
    EXPECT_EQ(form.chkSfxSubswitch(0).Enabled(), c.enabled);
    EXPECT_EQ(form.txtSfxSubswitch(3).Enabled(), c.enabled);  // its box is ticked
    EXPECT_FALSE(form.txtSfxSubswitch(7).Enabled());          // its box is clear
    EXPECT_TRUE(form.txtSFXName.Enabled());
    form.Unload();
  }
}

TEST_F(frmSFXTest, ShortKindsCutTheNameToEightCharacters) {
  core::Settings.LZH_SFX = L"4";
  core::PrivateState.SetArcFileName(L"C:\\a\\averylongname15.lzh");
  ASSERT_TRUE(form.Load());
  EXPECT_EQ(form.txtSFXName.Text(), L"averylongname15");
  form.optSFX(0).SetValue(true);
  EXPECT_EQ(form.txtSFXName.Text(), L"averylon");
  form.optSFX(3).SetValue(true);
  EXPECT_EQ(form.txtSFXName.Text(), L"averylon");
}

TEST_F(frmSFXTest, OkStoresEveryControlAndAnswersTrue) {
  Configure("[unlha32]\nVersion=252\n");
  core::PrivateState.SetArcFileName(L"C:\\a\\pack.lzh");
  ASSERT_TRUE(form.Load());
  form.optSFX(3).SetValue(true);
  form.chkSFXEnglish.SetValue(1);
  form.chkSfxSubswitch(2).SetValue(1);
  form.txtSfxSubswitch(2).SetText(L"C:\\Program Files\\app");
  form.chkSfxSubswitch(3).SetValue(0);
  form.txtSfxSubswitch(3).SetText(L"run.bat");
  SendMessageW(form.cmdOk.Hwnd(), BM_CLICK, 0, 0);
  winui::DoEvents();

  EXPECT_TRUE(core::PrivateState.SelectOk());
  EXPECT_FALSE(form.IsLoaded());
  EXPECT_EQ(core::Settings.LZH_SFX, L"3");
  EXPECT_EQ(core::Settings.LZH_SFXEnglish, L"1");
  EXPECT_EQ(core::Settings.LZH_SFXName, L"pack");
  EXPECT_EQ(core::Settings.LZH_SFXgyd, L"1");
  EXPECT_EQ(core::Settings.LZH_SFXgydCommand, L"\"C:\\Program Files\\app\"");
  EXPECT_EQ(core::Settings.LZH_SFXgye, L"0");
  EXPECT_EQ(core::Settings.LZH_SFXgyeCommand, L"run.bat");
}

TEST_F(frmSFXTest, CancelAndEscStoreNothingAndAnswerFalse) {
  for (bool esc : {false, true}) {
    core::Settings.LZH_SFXName = L"kept";
    core::PrivateState.SetSelectOk(true);
    core::PrivateState.SetArcFileName(L"C:\\a\\other.lzh");
    ASSERT_TRUE(form.Load());
    if (esc) {
      int key = VK_ESCAPE;
      form.Form_KeyDown(key, 0);
    } else {
      SendMessageW(form.cmdCancel.Hwnd(), BM_CLICK, 0, 0);
    }
    winui::DoEvents();
    EXPECT_FALSE(core::PrivateState.SelectOk());
    EXPECT_FALSE(form.IsLoaded());
    EXPECT_EQ(core::Settings.LZH_SFXName, L"kept");
  }
}

}  // namespace
