// The new-archive confirmation as the user meets it: its three heights, OK only for a type that can be made
// here (library versions from the stand-ins, tools as files in the program folder), the self-extracting box
// and name row read from Settings, what OK, Cancel, Esc and the close box answer and store.
#include "options/frmDropOption.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include "ArcOptionFixture.h"
#include "core/ArcType.h"
#include "core/Settings.h"
#include "winui/App.h"

namespace {

using options::frmDropOption;

class frmDropOptionTest : public optionstest::ArcOptionTest {
 protected:
  frmDropOptionTest() {
    winui::SetDpiForTesting(96);
    dialog = std::make_unique<frmDropOption>();
  }
  ~frmDropOptionTest() override {
    if (dialog->IsLoaded()) dialog->Unload();
    winui::SetDpiForTesting(0);
  }

  void Press(int id) {
    HWND control = dialog->Item(id);
    ASSERT_NE(control, nullptr);
    ASSERT_TRUE(IsWindowEnabled(control)) << dialog->NameOf(id);
    SendMessageW(control, BM_CLICK, 0, 0);
    winui::DoEvents();
  }
  bool OkEnabled() { return IsWindowEnabled(dialog->cmdOk.Hwnd()) != FALSE; }
  // Shows the dialog modally; `answer` plays the user while it is open.
  winui::DialogResult Show(const std::function<void()>& answer) {
    const winui::ModalHook previous = winui::SetModalHook([&](winui::Form&) { answer(); });
    const winui::DialogResult result = dialog->ShowModal();
    winui::SetModalHook(previous);
    return result;
  }

  std::unique_ptr<frmDropOption> dialog;
};

TEST_F(frmDropOptionTest, GrowsFromTheTypesToTheOptionsAndToTheNameRow) {
  ASSERT_TRUE(dialog->Load());
  EXPECT_EQ(dialog->ScaleHeight(), frmDropOption::kTypesHeight);
  EXPECT_FALSE(dialog->optArcType(12).Enabled());
  EXPECT_FALSE(dialog->optArcType(14).Enabled());

  dialog->SetArcType(core::ArcTypeLzh);
  EXPECT_EQ(dialog->ScaleHeight(), frmDropOption::kOptionsHeight);
  EXPECT_FALSE(dialog->txtPackName.Visible());

  core::Settings.CAB_Multi = L"1";
  core::Settings.CAB_MultiFile = L"C:\\out\\disk";
  Press(frmDropOption::ID_optArcType + static_cast<int>(core::ArcTypeCab));
  EXPECT_EQ(dialog->ScaleHeight(), frmDropOption::kNameRowHeight);
  EXPECT_TRUE(dialog->txtPackName.Visible());
  EXPECT_EQ(dialog->txtPackName.Text(), L"C:\\out\\disk");

  // Back to a type without the row: it is hidden and emptied.
  Press(frmDropOption::ID_optArcType + static_cast<int>(core::ArcTypeZip));
  EXPECT_EQ(dialog->ScaleHeight(), frmDropOption::kOptionsHeight);
  EXPECT_FALSE(dialog->txtPackName.Visible());
  EXPECT_EQ(dialog->txtPackName.Text(), L"");
}

TEST_F(frmDropOptionTest, OnlyTypesThatCanBeMadeHereAreOfferedAndConfirmed) {
  struct Case {
    const char* config;
    const wchar_t* toolFile;  // written into the program folder first
    int type;
    int optionFlag;
    bool offered;  // the type's button can be chosen
    bool ok;
  };
  const Case cases[] = {
      {"", nullptr, core::ArcTypeLzh, 1, true, true},
      {"[unlha32]\nVersion=0\n", nullptr, core::ArcTypeLzh, 1, false, false},
      {"[Zip32J]\nVersion=0\n", nullptr, core::ArcTypeZip, 1, false, false},
      {"", nullptr, core::ArcTypeArj, 1, false, false},
      {"", L"arj.exe", core::ArcTypeArj, 1, true, true},
      {"", nullptr, core::ArcTypeRar, 1, false, false},
      {"", L"rar.exe", core::ArcTypeRar, 1, true, true},
      {"", nullptr, core::ArcTypeAce, 1, false, false},
      {"", L"ace.exe", core::ArcTypeAce, 1, true, true},
      {"", L"gcac.exe", core::ArcTypeGca, 1, true, true},
      // The window makes YZ1 only with its encoder beside the program, whatever the library says.
      {"", nullptr, core::ArcTypeYz1, 1, false, false},
      {"", L"yzenc.exe", core::ArcTypeYz1, 1, true, true},
      {"", nullptr, core::ArcTypeIsh, 1, true, true},
      {"", nullptr, core::ArcTypeIsh, 2, true, false},
      {"", nullptr, core::ArcTypeBel, 1, false, false},
      {"", nullptr, core::ArcTypeImp, 1, false, false},
      {"", nullptr, core::ArcType7z, 2, true, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.type << " " << c.config);
    Configure(c.config);
    if (c.toolFile) dir_.WriteFile(c.toolFile, "tool");
    dialog->SetOptionFlag(c.optionFlag);
    dialog->SetArcType(c.type);
    EXPECT_EQ(dialog->optArcType(c.type).Enabled(), c.offered);
    EXPECT_EQ(OkEnabled(), c.ok);
    dialog->Unload();
    if (c.toolFile) DeleteFileW((dir_ / c.toolFile).c_str());
  }
}

TEST_F(frmDropOptionTest, SevenZipOffersItsSelfExtractorFromVersion313AsText) {
  struct Case {
    const char* config;
    bool offered;
  };
  const Case cases[] = {
      {"[7-zip32]\nVersion=312\n", false},
      {"[7-zip32]\nVersion=442\n", true},
      {"[7-zip32]\nVersion=1000\n", false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.config);
    Configure(c.config);
    core::Settings._7Z_MakeSFX = L"1";
    dialog->SetDragMode(false);
    dialog->SetArcType(core::ArcType7z);
    EXPECT_EQ(dialog->chkMakeSFX.Enabled(), c.offered);
    EXPECT_EQ(dialog->chkMakeSFX.Value(), c.offered ? 1 : 0);
    if (c.offered) dialog->chkMakeSFX.SetValue(0);
    Press(frmDropOption::ID_cmdOk);
    EXPECT_EQ(core::Settings._7Z_MakeSFX, c.offered ? L"0" : L"1");
  }
}

TEST_F(frmDropOptionTest, OkStoresTheChoicesAndAnswersTheType) {
  core::Settings.COM_Folder = L"0";
  core::Settings.RAR_Volume = L"1";
  core::Settings.RAR_VolumeName = L"old";
  core::Settings.RAR_MakeSFX = L"0";
  dir_.WriteFile(L"rar.exe", "tool");
  dialog->SetDragMode(false);
  dialog->SetArcType(core::ArcTypeRar);
  EXPECT_EQ(dialog->txtPackName.Text(), L"old");
  dialog->txtPackName.SetText(L"  C:\\out\\set  ");
  const winui::DialogResult result = Show([this] {
    Press(frmDropOption::ID_chkMakeSFX);
    Press(frmDropOption::ID_optFolder + 2);
    Press(frmDropOption::ID_cmdOk);
  });

  EXPECT_FALSE(dialog->IsLoaded());
  EXPECT_EQ(result, winui::DialogResult::OK);
  EXPECT_EQ(dialog->Choice().arcType, core::ArcTypeRar);
  EXPECT_EQ(core::Settings.RAR_MakeSFX, L"1");
  EXPECT_EQ(core::Settings.RAR_VolumeName, L"C:\\out\\set");
  EXPECT_EQ(core::Settings.COM_Folder, L"2");
}

TEST_F(frmDropOptionTest, InDragModeOkWritesNoSelfExtractorSetting) {
  core::Settings.LZH_MakeSFX = L"1";
  dialog->SetDragMode(true);
  dialog->SetArcType(core::ArcTypeLzh);
  EXPECT_EQ(dialog->chkMakeSFX.Value(), 0);
  EXPECT_EQ(Show([this] { Press(frmDropOption::ID_cmdOk); }), winui::DialogResult::OK);
  EXPECT_EQ(core::Settings.LZH_MakeSFX, L"1");
  EXPECT_EQ(dialog->Choice().arcType, core::ArcTypeLzh);
}

TEST_F(frmDropOptionTest, EveryOtherWayOutAnswersCancelAndStoresNothing) {
  struct Case {
    const char* what;
    std::function<void(frmDropOption&)> leave;
  };
  const Case cases[] = {
      {"Cancel", [](frmDropOption& d) { SendMessageW(d.cmdCancel.Hwnd(), BM_CLICK, 0, 0); }},
      {"Esc",
       [](frmDropOption& d) {
         int key = VK_ESCAPE;
         d.Form_KeyDown(key, 0);
       }},
      {"close box", [](frmDropOption& d) { SendMessageW(d.Hwnd(), WM_CLOSE, 0, 0); }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    // The one dialog of the run answered OK before: that answer is not this showing's.
    dialog->SetArcType(core::ArcTypeLzh);
    ASSERT_EQ(Show([this] { Press(frmDropOption::ID_cmdOk); }), winui::DialogResult::OK);
    core::Settings.COM_Folder = L"1";
    core::Settings.ZIP_MakeSFX = L"0";
    dialog->SetDragMode(false);
    dialog->SetArcType(core::ArcTypeZip);
    const winui::DialogResult result = Show([&] {
      Press(frmDropOption::ID_chkMakeSFX);
      Press(frmDropOption::ID_optFolder + 0);
      c.leave(*dialog);
      winui::DoEvents();
    });
    EXPECT_FALSE(dialog->IsLoaded());
    EXPECT_EQ(result, winui::DialogResult::Cancel);
    EXPECT_EQ(core::Settings.ZIP_MakeSFX, L"0");
    EXPECT_EQ(core::Settings.COM_Folder, L"1");
  }
}

}  // namespace
