// The rules of the per-type options dialog's pages: the library version gates, read from the stand-in
// libraries at the versions a test sets, and the controls that enable, clear or fill others when the user
// clicks them.
#include <gtest/gtest.h>

#include "ArcOptionFixture.h"
#include "SeamFakes.h"
#include "Standins.h"
#include "core/Settings.h"
#include "core/Text.h"
#include "options/ArcOptionRules.h"

namespace optionstest {
namespace {

using namespace options;
using core::Settings;

TEST(ArcOptionGatesTest, VersionTextsCompareAsTextAndTheEncryptionTestReadsANumber) {
  struct Case {
    const wchar_t* text;
    const wchar_t* literal;
    bool atLeast;
  };
  const Case texts[] = {
      {L"0.90", L"0.90", true},   {L"1.00", L"0.90", true}, {L"0.89", L"0.90", false}, {L"0.100", L"0.90", false},
      {L"10.00", L"3.13", false}, {L"", L"0.50", false},    {L"0.50", L"0.50", true},  {L"4.42.0.03", L"3.13", true},
  };
  for (const Case& c : texts) EXPECT_EQ(VersionAtLeast(c.text, c.literal), c.atLeast) << core::ToUtf8(c.text);

  const std::pair<const wchar_t*, double> numbers[] = {{L"0.04", 0.04}, {L"1.85.0.05", 1.85}, {L"", 0},
                                                       {L"x1", 0},      {L"12", 12},          {L".5", 0.5}};
  for (const auto& [text, number] : numbers) EXPECT_DOUBLE_EQ(LeadingVersionNumber(text), number);

  EXPECT_FALSE(ZipEncryptionAvailable(L"0.03", L"1.00"));
  EXPECT_TRUE(ZipEncryptionAvailable(L"0.04", L"1.00"));
  EXPECT_TRUE(ZipEncryptionAvailable(L"10.00", L"1.00"));
  EXPECT_FALSE(ZipEncryptionAvailable(L"1.00", L""));
  EXPECT_TRUE(TarBzip2Available(L"0.50", L""));
  EXPECT_FALSE(TarBzip2Available(L"0.49", L""));
  EXPECT_TRUE(TarBzip2Available(L"0.49", L"1.00"));
  EXPECT_TRUE(TarBzip2Available(L"", L"1.00"));
  EXPECT_TRUE(CabNoPackAvailable(L"0.90"));
  EXPECT_FALSE(CabNoPackAvailable(L"0.100"));
  for (const wchar_t* builtIn : {L"3.13", L"4.42", L"3.13.0.01"}) EXPECT_TRUE(SevenZipBuiltInSfx(builtIn));
  for (const wchar_t* none : {L"3.12", L"", L"10.00", L"0.313"}) EXPECT_FALSE(SevenZipBuiltInSfx(none));
}

class ArcOptionRulesTest : public ArcOptionTest {};

TEST_F(ArcOptionRulesTest, ZipEncryptionNeedsBothLibrariesAndIsSwitchedOffWithoutThem) {
  struct Case {
    int izip;
    int zcrypt;
    bool offered;
  };
  const Case cases[] = {{0, 100, false}, {3, 100, false}, {4, 100, true}, {100, 0, false}, {100, 100, true}};
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.izip << " " << c.zcrypt);
    Configure("[IZIP32J]\nVersion=" + std::to_string(c.izip) + "\n[ZCRYPT32]\nVersion=" + std::to_string(c.zcrypt) +
              "\n");
    Settings.ZIP_Encrypt = L"1";
    Load();
    EXPECT_EQ(Control(ID_chkEncrypt).Enabled(), c.offered);
    EXPECT_EQ(Check(ID_chkEncrypt).Value(), c.offered ? 1 : 0);
    // Switched off at once, whatever the user does next.
    EXPECT_EQ(Settings.ZIP_Encrypt, c.offered ? L"1" : L"0");
    Show(2, [&] { Click(ID_cmdCancel); });
    EXPECT_EQ(Settings.ZIP_Encrypt, c.offered ? L"1" : L"0");
  }
}

// Without a cab32 that stores without compression the pair shows what the settings hold and cannot be
// changed; OK keeps the user's filter instead of wiping it.
TEST_F(ArcOptionRulesTest, TheNoCompressionFilterFollowsTheCabLibraryVersion) {
  struct Case {
    int version;
    const wchar_t* noPack;
    bool boxEnabled;
    bool filterEnabled;
  };
  const Case cases[] = {
      {89, L"1", false, false}, {90, L"1", true, true}, {100, L"0", true, false}, {0, L"1", false, false}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.version);
    Configure("[cab32]\nVersion=" + std::to_string(c.version) + "\n");
    Settings.CAB_NoPack = c.noPack;
    Settings.CAB_NoPackFilter = L"*.jpg;*.png";
    Load();
    EXPECT_EQ(Control(ID_chkCABNoPack).Enabled(), c.boxEnabled);
    EXPECT_EQ(Control(ID_txtCABNoPack).Enabled(), c.filterEnabled);
    EXPECT_EQ(Check(ID_chkCABNoPack).Value(), std::wstring(c.noPack) == L"1" ? 1 : 0);
    EXPECT_EQ(Text(ID_txtCABNoPack).Text(), L"*.jpg;*.png");
    Show(3, [&] { Click(ID_cmdOk); });
    EXPECT_EQ(Settings.CAB_NoPack, c.noPack);
    EXPECT_EQ(Settings.CAB_NoPackFilter, L"*.jpg;*.png");
  }
}

TEST_F(ArcOptionRulesTest, Bzip2IsOfferedByANewTarLibraryOrByBz2lib) {
  struct Case {
    int tar;
    int bz2;
    bool bzip2;
  };
  const Case cases[] = {{49, 0, false}, {49, 100, true}, {50, 0, true}, {0, 0, false}};
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.tar << " " << c.bz2);
    Configure("[tar32]\nVersion=" + std::to_string(c.tar) + "\n[bz2lib]\nVersion=" + std::to_string(c.bz2) + "\n");
    Settings.TAR_ArcType = L"2";
    Load();
    EXPECT_EQ(Control(ID_optTARArcType + 2).Enabled(), c.bzip2);
    EXPECT_EQ(Selected(ID_optTARArcType, 3), c.bzip2 ? 2 : 0);
    EXPECT_EQ(Control(ID_sldTARArcType).Enabled(), c.bzip2);
    EXPECT_EQ(Control(ID_chkTARMakeSFX).Enabled(), !c.bzip2);
    EXPECT_EQ(Settings.TAR_ArcType, L"2") << "kept until OK";
    Show(5, [&] { Click(ID_cmdOk); });
    EXPECT_EQ(Settings.TAR_ArcType, c.bzip2 ? L"2" : L"0");
  }
}

TEST_F(ArcOptionRulesTest, TheBuiltInSelfExtractorIsListedFrom7zip32Version313) {
  const std::pair<int, int> cases[] = {{312, 4}, {313, 5}, {442, 5}, {1000, 4}, {0, 4}};
  for (const auto& [version, items] : cases) {
    SCOPED_TRACE(version);
    Configure("[7-zip32]\nVersion=" + std::to_string(version) + "\nSubVersion=0\n");
    Settings._7Z_MakeSFXType = L"4";
    Load();
    ASSERT_EQ(List(ID_cbo7ZMakeSFX).ListCount(), items);
    EXPECT_EQ(List(ID_cbo7ZMakeSFX).List(3), L"7zSD.sfx インストーラーWinバージョン(MSVCRT.dll使用)");
    // Item 4 exists only with the built-in module; otherwise the stored 4 selects nothing.
    EXPECT_EQ(List(ID_cbo7ZMakeSFX).ListIndex(), items == 5 ? 4 : -1);
  }
}

// An older 7-zip32 writes self-extractors only with a module file beside it; the built-in one needs none.
TEST_F(ArcOptionRulesTest, The7zSelfExtractorNeedsAModuleFileBesideAnOlderLibrary) {
  const std::wstring folder = dir_ / L"libs";
  CreateDirectoryW(folder.c_str(), nullptr);
  ASSERT_TRUE(
      CopyFileW((testsupport::StandinFolder() + L"\\7-zip32.dll").c_str(), (folder + L"\\7-zip32.dll").c_str(), FALSE));
  UseLibraryFolder(folder);
  Settings._7Z_MakeSFX = L"1";
  struct Case {
    const char* what;
    int version;
    const wchar_t* module;  // written beside the library when not null
    bool offered;
  };
  const Case cases[] = {
      {"no module", 312, nullptr, false},
      {"7zS.sfx", 312, L"7zS.sfx", true},
      {"built in", 313, nullptr, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    for (const wchar_t* module : {L"7z.sfx", L"7zC.sfx", L"7zS.sfx", L"7zSD.sfx"})
      DeleteFileW((folder + L"\\" + module).c_str());
    if (c.module) dir_.WriteFile(std::wstring(L"libs\\") + c.module, "module");
    Configure("[7-zip32]\nVersion=" + std::to_string(c.version) + "\nSubVersion=0\n");
    Load();
    EXPECT_EQ(Control(ID_chk7ZMakeSFX).Enabled(), c.offered);
    EXPECT_EQ(Control(ID_cbo7ZMakeSFX).Enabled(), c.offered);
    EXPECT_EQ(Check(ID_chk7ZMakeSFX).Value(), 1) << "the stored choice is still shown";
  }
}

TEST_F(ArcOptionRulesTest, ConfigurationButtonsFollowTheirLibraryEachTimeTheirTabIsChosen) {
  Configure("[unlha32]\nVersion=0\n[unzip32]\nVersion=0\n[ish32]\nVersion=0\n");
  Load();
  Show(1, [&] {
    EXPECT_FALSE(Control(ID_cmdLZHConfig).Enabled());
    Form().tspArcType.SetSelectedTab(2);
    EXPECT_FALSE(Control(ID_cmdZIPConfig).Enabled());
    EXPECT_TRUE(Control(ID_cmdZIPConfig + 1).Enabled());
    Form().tspArcType.SetSelectedTab(6);
    EXPECT_FALSE(Control(ID_cmdISHConfig).Enabled());
    EXPECT_FALSE(Control(ID_cmdISHConfig + 1).Enabled());
    // The libraries come back while the dialog is open: choosing the tab asks again.
    Configure("");
    Form().tspArcType.SetSelectedTab(1);
    EXPECT_TRUE(Control(ID_cmdLZHConfig).Enabled());
    EXPECT_EQ(Form().Version(Library::Lha).empty(), false);
    Form().tspArcType.SetSelectedTab(5);
    Click(ID_cmdTARConfig + 1);
    Form().tspArcType.SetSelectedTab(11);
    Click(ID_cmdBGAConfig);
    Click(ID_cmdCancel);
  });
  const std::vector<std::string> tar = Calls("TarConfigDialog");
  ASSERT_EQ(tar.size(), 1u);
  EXPECT_EQ(tar[0].substr(0, 8), "tar32|2\t");
  const std::vector<std::string> bga = Calls("BgaConfigDialog");
  ASSERT_EQ(bga.size(), 1u);
  EXPECT_EQ(bga[0].substr(0, 8), "bga32|1\t");
  EXPECT_FALSE(Control(ID_cmdCABConfig).Visible());
  EXPECT_FALSE(Control(ID_cmdCABConfig + 1).Visible());
}

TEST_F(ArcOptionRulesTest, MultiVolumeCabinetsTakeASizeAndNoSelfExtractor) {
  Settings.CAB_Multi = L"0";
  Settings.CAB_MultiSize = L"0";
  Settings.CAB_SizeManual = L"1423";
  Settings.CAB_MakeSFX = L"1";
  Load();
  Show(3, [&] {
    EXPECT_FALSE(Control(ID_optCABMulti).Enabled());
    EXPECT_TRUE(Control(ID_chkCABMakeSFX).Enabled());
    Click(ID_chkCABMulti);
    EXPECT_TRUE(Control(ID_optCABMulti + 4).Enabled());
    EXPECT_TRUE(Control(ID_txtCABMultiFile).Enabled());
    EXPECT_FALSE(Control(ID_txtCABMulti).Enabled()) << "640KB is chosen";
    EXPECT_FALSE(Control(ID_chkCABMakeSFX).Enabled());
    EXPECT_EQ(Check(ID_chkCABMakeSFX).Value(), 0);
    Click(ID_optCABMulti + 4);
    EXPECT_TRUE(Control(ID_txtCABMulti).Enabled());
    EXPECT_TRUE(Control(ID_vscCABMulti).Enabled());
    // The scroll bar's upper arrow raises the size; typing does not move the scroll bar.
    HWND bar = Form().Item(ID_vscCABMulti);
    SendMessageW(GetParent(bar), WM_VSCROLL, MAKEWPARAM(SB_LINEUP, 0), reinterpret_cast<LPARAM>(bar));
    EXPECT_EQ(Text(ID_txtCABMulti).Text(), L"1424");
    Text(ID_txtCABMulti).SetText(L"100");
    SendMessageW(GetParent(bar), WM_VSCROLL, MAKEWPARAM(SB_LINEDOWN, 0), reinterpret_cast<LPARAM>(bar));
    EXPECT_EQ(Text(ID_txtCABMulti).Text(), L"1423");
    Click(ID_optCABMulti + 1);
    EXPECT_FALSE(Control(ID_txtCABMulti).Enabled());
    Click(ID_chkCABMulti);
    EXPECT_TRUE(Control(ID_chkCABMakeSFX).Enabled());
    EXPECT_EQ(Check(ID_chkCABMakeSFX).Value(), 0) << "clearing multi-volume does not tick it again";
    EXPECT_FALSE(Control(ID_txtCABMultiFile).Enabled());
    EXPECT_FALSE(Control(ID_sldCABArcType).Enabled()) << "MSZIP has no level";
    Click(ID_optCABArcType + 1);
    EXPECT_TRUE(Control(ID_sldCABArcType).Enabled());
    Click(ID_cmdOk);
  });
  EXPECT_EQ(Settings.CAB_MakeSFX, L"0");
  EXPECT_EQ(Settings.CAB_MultiSize, L"1");
  EXPECT_EQ(Settings.CAB_SizeManual, L"1423");
  EXPECT_EQ(Settings.CAB_ArcType, L"1");
}

TEST_F(ArcOptionRulesTest, LeavingBzip2OffersTheStoredSelfExtractorChoiceAgain) {
  Settings.TAR_ArcType = L"1";
  Settings.TAR_MakeSFX = L"1";
  Load();
  Show(5, [&] {
    EXPECT_EQ(Check(ID_chkTARMakeSFX).Value(), 1);
    Click(ID_chkTARMakeSFX);
    Click(ID_optTARArcType + 2);
    EXPECT_FALSE(Control(ID_chkTARMakeSFX).Enabled());
    EXPECT_EQ(Check(ID_chkTARMakeSFX).Value(), 0);
    EXPECT_TRUE(Control(ID_sldTARArcType).Enabled());
    Click(ID_optTARArcType + 1);
    EXPECT_TRUE(Control(ID_chkTARMakeSFX).Enabled());
    EXPECT_EQ(Check(ID_chkTARMakeSFX).Value(), 1) << "from the settings, not from before Bzip2";
    Click(ID_optTARArcType);
    EXPECT_FALSE(Control(ID_sldTARArcType).Enabled());
    Click(ID_cmdCancel);
  });
}

TEST_F(ArcOptionRulesTest, PasswordBoxesFollowTheirSwitches) {
  struct Case {
    const char* what;
    std::wstring core::SettingsStore::*member;
    int check;
    int box;
  };
  const Case cases[] = {
      {"YZ1", &core::SettingsStore::YZ1_Pass, ID_chkYZ1Pass, ID_txtYZ1DefaultPass},
      {"YZ2", &core::SettingsStore::YZ2_Pass, ID_chkYZ2Pass, ID_txtYZ2DefaultPass},
      {"BH", &core::SettingsStore::BH_Pass, ID_chkBHPass, ID_txtBHDefaultPass},
  };
  for (const Case& c : cases) Settings.*c.member = L"1";
  Load();
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_TRUE(Control(c.box).Enabled());
    EXPECT_TRUE(GetWindowLongW(Form().Item(c.box), GWL_STYLE) & ES_PASSWORD);
    EXPECT_EQ(SendMessageW(Form().Item(c.box), EM_GETPASSWORDCHAR, 0, 0), L'*');
    Click(c.check);
    EXPECT_FALSE(Control(c.box).Enabled());
  }
}

TEST_F(ArcOptionRulesTest, GcaEncryptionEnablesItsPassPhraseOrKeyFile) {
  Settings.GCA_Pass = L"1";
  Settings.GCA_PassType = L"1";
  Load();
  const int keyFile[] = {ID_txtGCAPass, ID_cmdGCAPass};
  const int all[] = {ID_optGCAPass, ID_optGCAPass + 1, ID_txtGCAPass, ID_cmdGCAPass, ID_txtGCADefaultPass};
  for (int id : all) EXPECT_TRUE(Control(id).Enabled()) << Form().NameOf(id);
  Click(ID_optGCAPass);
  for (int id : keyFile) EXPECT_FALSE(Control(id).Enabled()) << Form().NameOf(id);
  EXPECT_TRUE(Control(ID_txtGCADefaultPass).Enabled());
  Click(ID_chkGCAPass);
  for (int id : all) EXPECT_FALSE(Control(id).Enabled()) << Form().NameOf(id);

  Settings.GCA_Pass = L"0";
  Load();
  for (int id : all) EXPECT_FALSE(Control(id).Enabled()) << Form().NameOf(id);
}

TEST_F(ArcOptionRulesTest, TheKeyFileIsChosenAsAFileToSave) {
  testsupport::FakeCommonDialogs dialogs;
  core::ScopedCommonDialogSeam dialogSeam{dialogs};
  Settings.GCA_Pass = L"1";
  Settings.GCA_PassType = L"1";
  Settings.GCA_PassKeyFile = L"C:\\keys\\my.key";
  Settings.OpenFolder = L"C:\\Open";
  Load();
  Show(12, [&] {
    Click(ID_cmdGCAPass);
    EXPECT_EQ(Text(ID_txtGCAPass).Text(), L"C:\\keys\\my.key") << "cancelled";
    dialogs.answer = L"D:\\other.key";
    Click(ID_cmdGCAPass);
    EXPECT_EQ(Text(ID_txtGCAPass).Text(), L"D:\\other.key");
    Text(ID_txtGCAPass).SetText(L"");
    dialogs.answer.clear();
    Click(ID_cmdGCAPass);
    Click(ID_cmdCancel);
  });
  ASSERT_EQ(dialogs.asked.size(), 3u);
  const testsupport::FakeCommonDialogs::FileQuestion& first = dialogs.asked[0];
  EXPECT_TRUE(first.save);
  EXPECT_EQ(first.title, L"キーファイルを入力");
  EXPECT_EQ(first.filter, L"ファイル (*.*)|*.*");
  EXPECT_EQ(first.filterIndex, 1u);
  EXPECT_EQ(first.fileName, L"my.key");
  EXPECT_EQ(first.initialDir, L"C:\\keys");
  EXPECT_EQ(dialogs.asked[1].initialDir, L"C:\\keys");
  EXPECT_EQ(dialogs.asked[2].initialDir, L"C:\\Open");
}

TEST_F(ArcOptionRulesTest, The7zFormatDecidesThePasswordAndTheSelfExtractorSwitchItsList) {
  Settings._7Z_ArcType = L"zip";
  Settings._7Z_Pass = L"0";
  Settings._7Z_MakeSFX = L"0";
  Load();
  // The zip format's rule comes last: its password box is open even with the switch off.
  EXPECT_TRUE(Control(ID_chk7ZPass).Enabled());
  EXPECT_TRUE(Control(ID_txt7ZDefaultPass).Enabled());
  EXPECT_FALSE(Control(ID_cbo7ZMakeSFX).Enabled());
  Click(ID_opt7ZArcType);
  for (int id : {ID_chk7ZPass, ID_lbl7ZDefaultPass, ID_txt7ZDefaultPass})
    EXPECT_FALSE(Control(id).Enabled()) << Form().NameOf(id);
  Click(ID_chk7ZMakeSFX);
  EXPECT_TRUE(Control(ID_cbo7ZMakeSFX).Enabled());

  Settings.ZIP_EnterConvert = L"0";
  Load();
  EXPECT_FALSE(Control(ID_optZIPConvert).Enabled());
  Click(ID_chkZIPEnterConvert);
  EXPECT_TRUE(Control(ID_optZIPConvert).Enabled());
  EXPECT_TRUE(Control(ID_optZIPConvert + 1).Enabled());
}

TEST_F(ArcOptionRulesTest, TheSelfExtractorButtonOpensItsDialogOwnedByThisOne) {
  std::vector<HWND> owners;
  frmArcOption::SfxOptionsOpener previous =
      frmArcOption::SetSfxOptionsOpener([&](HWND owner) { owners.push_back(owner); });
  Load();
  Show(1, [&] {
    Click(ID_cmdSfxConfig);
    Click(ID_cmdCancel);
  });
  frmArcOption::SetSfxOptionsOpener(previous);
  ASSERT_EQ(owners.size(), 1u);
  EXPECT_EQ(owners[0], Form().Hwnd());
}

}  // namespace
}  // namespace optionstest
