// How the per-type options dialog shows each kind of stored value and what OK stores back: one row per
// value form and per page rule about values, on the real dialog; every showing fills the controls afresh,
// Cancel stores nothing, and a typed number that cannot be stored is refused by name.
#include <gtest/gtest.h>

#include <functional>

#include "ArcOptionFixture.h"
#include "KeyInput.h"
#include "ScriptedMsgBox.h"
#include "core/Settings.h"
#include "core/Text.h"

namespace optionstest {
namespace {

using namespace options;
using Member = std::wstring core::SettingsStore::*;
using core::Settings;
using S = core::SettingsStore;

struct ValueCase {
  const char* what;
  Member member;
  const wchar_t* stored;
  // What the controls show after the first showing.
  std::function<void(ArcOptionTest&)> shows;
  // The member after OK.
  const wchar_t* afterOk;
};

class ArcOptionValuesTest : public ArcOptionTest {};

TEST_F(ArcOptionValuesTest, EachValueFormShowsTheStoredValueAndOkStoresItBack) {
  const ValueCase cases[] = {
      {"a grey flag", &S::LZH_Broken, L"2", [](auto& t) { EXPECT_EQ(t.Check(ID_chkLZHBroken).Value(), 2); }, L"2"},
      {"a flag that is no flag value", &S::LZH_Attribute, L"5",
       [](auto& t) { EXPECT_EQ(t.Check(ID_chkLZHAttribute).Value(), 0); }, L"0"},
      {"a row shorter than its boxes", &S::LZH_FileOpt, L"1",
       [](auto& t) {
         EXPECT_EQ(t.Check(ID_chkLZHFileOpt).Value(), 1);
         EXPECT_EQ(t.Check(ID_chkLZHFileOpt + 1).Value(), 0);
         EXPECT_EQ(t.Check(ID_chkLZHFileOpt + 2).Value(), 0);
       },
       L"100"},
      {"a row with a grey box, a non-digit and a character too many", &S::ZIP_FileOpt, L"21x9",
       [](auto& t) {
         EXPECT_EQ(t.Check(ID_chkZIPFileOpt).Value(), 2);
         EXPECT_EQ(t.Check(ID_chkZIPFileOpt + 1).Value(), 1);
         EXPECT_EQ(t.Check(ID_chkZIPFileOpt + 2).Value(), 0);
       },
       L"110"},
      {"a choice that is no button", &S::LZH_ArcType, L"7",
       [](auto& t) { EXPECT_EQ(t.Selected(ID_optLZHArcType, 5), -1); }, L"7"},
      {"a choice", &S::LZH_HeadType, L"1", [](auto& t) { EXPECT_EQ(t.Selected(ID_optLZHHeadType, 3), 1); }, L"1"},
      {"the line-end conversion with no button", &S::ZIP_Convert, L"5",
       [](auto& t) { EXPECT_EQ(t.Selected(ID_optZIPConvert, 2), -1); }, L"1"},
      {"a list position of none", &S::ARJ_ArcType, L"-1",
       [](auto& t) { EXPECT_EQ(t.List(ID_cmbARJArcType).ListIndex(), -1); }, L"-1"},
      {"a list position past the list", &S::ISH_Mode, L"9",
       [](auto& t) { EXPECT_EQ(t.List(ID_cmbISHMode).ListIndex(), -1); }, L"-1"},
      {"a list position", &S::ISH_OS, L"3", [](auto& t) { EXPECT_EQ(t.List(ID_cmbISHOs).Text(), L"OS-9"); }, L"3"},
      {"a list text that is no item", &S::RAR_Dictionary, L"2048",
       [](auto& t) { EXPECT_EQ(t.List(ID_cmbRARDictionary).ListIndex(), -1); }, L"2048"},
      {"no volumes", &S::RAR_Volume, L"0", [](auto& t) { EXPECT_EQ(t.List(ID_cmbRARVolume).ListIndex(), 0); }, L"0"},
      {"a method counted from 1", &S::JAR_ArcType, L"2",
       [](auto& t) { EXPECT_EQ(t.List(ID_cmbJARArcType).Text(), L"normal compression"); }, L"2"},
      {"a slider value out of its range", &S::ZIP_ArcTypeOpt, L"12",
       [](auto& t) { EXPECT_EQ(t.Slider(ID_sldZIPArcType).Value(), 0); }, L"0"},
      {"a slider that starts above 0", &S::TAR_ArcTypeOpt, L"7",
       [](auto& t) { EXPECT_EQ(t.Slider(ID_sldTARArcType).Value(), 7); }, L"7"},
      {"an empty slider value", &S::ACE_ArcTypeOpt, L"",
       [](auto& t) { EXPECT_EQ(t.Slider(ID_sldACEArcType).Value(), 0); }, L"0"},
      {"moving files into a 7z archive", &S::_7Z_FileOpt, L"11",
       [](auto& t) {
         EXPECT_EQ(t.Check(ID_chk7ZFileOpt).Value(), 1);
         EXPECT_EQ(t.Check(ID_chk7ZFileOpt + 1).Value(), 0);
         EXPECT_FALSE(t.Control(ID_chk7ZFileOpt + 1).Enabled());
       },
       L"10"},
      {"both 7z modes", &S::_7Z_ArcMode, L"11", [](auto& t) { EXPECT_EQ(t.Selected(ID_opt7ZArcMode, 2), 1); }, L"01"},
      {"the zip format in capitals", &S::_7Z_ArcType, L"ZIP",
       [](auto& t) { EXPECT_EQ(t.Selected(ID_opt7ZArcType, 2), 0); }, L"7z"},
      {"a volume name with blanks", &S::CAB_MultiFile, L"  vol  ",
       [](auto& t) { EXPECT_EQ(t.Text(ID_txtCABMultiFile).Text(), L"  vol  "); }, L"vol"},
      {"a pass phrase with blanks", &S::YZ1_PassDefault, L" pass ",
       [](auto& t) { EXPECT_EQ(t.Text(ID_txtYZ1DefaultPass).Text(), L" pass "); }, L" pass "},
      {"a volume size", &S::CAB_SizeManual, L"1423",
       [](auto& t) {
         EXPECT_EQ(t.Text(ID_txtCABMulti).Text(), L"1423");
         EXPECT_EQ(winui::ScrollBar(&t.Form(), ID_vscCABMulti).Value(), 32767 - 1423);
       },
       L"1423"},
      {"a BH self-extractor chosen in the new-archive dialog", &S::BH_MakeSFX, L"1",
       [](auto& t) {
         EXPECT_EQ(t.Check(ID_chkBHMakeSFX).Value(), 1);
         EXPECT_FALSE(t.Control(ID_chkBHMakeSFX).Enabled());
       },
       L"1"},
      {"header compression of GCA", &S::GCA_ArcOpt, L"11",
       [](auto& t) {
         EXPECT_EQ(t.Check(ID_chkGCAArcOpt + 1).Value(), 1);
         EXPECT_FALSE(t.Control(ID_chkGCAArcOpt + 1).Enabled());
       },
       L"11"},
      {"the common path handling", &S::COM_Folder, L"2", [](auto& t) { EXPECT_EQ(t.Selected(ID_optFolder, 3), 2); },
       L"2"},
  };
  for (const ValueCase& c : cases) Settings.*c.member = c.stored;
  Load();
  for (const ValueCase& c : cases) {
    SCOPED_TRACE(c.what);
    c.shows(*this);
  }
  EXPECT_EQ(Show(1, [&] { Click(ID_cmdOk); }), winui::DialogResult::OK);
  for (const ValueCase& c : cases) EXPECT_EQ(Settings.*c.member, c.afterOk) << c.what;
}

TEST_F(ArcOptionValuesTest, AValueTheControlCannotTakeLeavesWhatTheLastShowingLeft) {
  Settings.RAR_Volume = L"1440";
  Settings._7Z_ArcMode = L"10";
  Settings.LZH_ArcType = L"4";
  Load();
  EXPECT_EQ(List(ID_cmbRARVolume).Text(), L"1440");
  Settings.RAR_Volume = L"2048";
  Settings._7Z_ArcMode = L"00";
  Settings.LZH_ArcType = L"x";
  Show(7, [&] {
    EXPECT_EQ(List(ID_cmbRARVolume).Text(), L"1440");
    EXPECT_EQ(Selected(ID_opt7ZArcMode, 2), 0);
    EXPECT_EQ(Selected(ID_optLZHArcType, 5), 4);
    Click(ID_cmdOk);
  });
  EXPECT_EQ(Settings.RAR_Volume, L"1440");
  EXPECT_EQ(Settings._7Z_ArcMode, L"10");
  EXPECT_EQ(Settings.LZH_ArcType, L"4");
}

// Another window (the new-archive dialog) writes some of these members while the dialog is hidden: the next
// showing shows its values, and OK keeps them.
TEST_F(ArcOptionValuesTest, EveryShowingShowsWhatOtherWindowsWroteAndOkKeepsIt) {
  Load();
  Show(1, [&] { Click(ID_cmdOk); });
  Settings.CAB_MultiFile = L"Disk";
  Settings.COM_Folder = L"2";
  Settings.LZH_MakeSFX = L"1";
  Settings.RAR_MakeSFX = L"1";
  Show(3, [&] {
    EXPECT_EQ(Text(ID_txtCABMultiFile).Text(), L"Disk");
    EXPECT_EQ(Selected(ID_optFolder, 3), 2);
    EXPECT_EQ(Check(ID_chkLZHMakeSFX).Value(), 1);
    Click(ID_cmdOk);
  });
  EXPECT_EQ(Settings.CAB_MultiFile, L"Disk");
  EXPECT_EQ(Settings.COM_Folder, L"2");
  EXPECT_EQ(Settings.LZH_MakeSFX, L"1");
  EXPECT_EQ(Settings.RAR_MakeSFX, L"1");
}

TEST_F(ArcOptionValuesTest, CancelAndEscStoreNothingAndTheNextShowingStartsFromTheSettings) {
  Load();
  const core::SettingsStore before = Settings;
  using End = std::function<void(ArcOptionTest&)>;
  const std::pair<const char*, End> ends[] = {
      {"Cancel", [](ArcOptionTest& t) { t.Click(ID_cmdCancel); }},
      {"Esc", [](ArcOptionTest& t) { winuitest::Key(t.Form().Item(ID_chkCABMulti), VK_ESCAPE); }},
  };
  for (const auto& [how, end] : ends) {
    SCOPED_TRACE(how);
    EXPECT_EQ(Show(3,
                   [&] {
                     Click(ID_chkCABMulti);
                     Click(ID_optCABMulti + 4);
                     Text(ID_txtCABMultiFile).SetText(L"changed");
                     end(*this);
                   }),
              winui::DialogResult::Cancel);
    EXPECT_TRUE(Settings == before);
    EXPECT_EQ(Check(ID_chkCABMulti).Value(), 0);
    EXPECT_TRUE(Control(ID_chkCABMakeSFX).Enabled());
    EXPECT_FALSE(Control(ID_txtCABMulti).Enabled());
    EXPECT_FALSE(Control(ID_txtCABMultiFile).Enabled());
    EXPECT_EQ(Text(ID_txtCABMultiFile).Text(), before.CAB_MultiFile);
  }
}

// A size typed into the volume box that is no number, or out of the scroll bar's range, is refused by name:
// nothing is stored and the dialog stays open on the box. A size the box cannot be used for is never refused.
TEST_F(ArcOptionValuesTest, ATypedVolumeSizeThatCannotBeStoredIsRefusedByName) {
  const wchar_t kRefusal[] = L"「マルチボリュームのサイズ」には 0 から 32767 までの数値を入力して下さい";
  Settings.CAB_Multi = L"1";
  Settings.CAB_MultiSize = L"4";
  Settings.CAB_SizeManual = L"1000";
  Load();
  const core::SettingsStore before = Settings;
  for (const char* typed : {"12a", "40000"}) {
    SCOPED_TRACE(typed);
    testsupport::ScriptedMsgBox boxes;
    boxes.Expect(kRefusal);
    winui::DialogResult result = Show(1, [&] {
      Click(ID_chkLZHBroken);
      HWND box = Form().Item(ID_txtCABMulti);
      SetFocus(box);
      SendMessageW(box, EM_SETSEL, 0, -1);
      winuitest::Type(box, typed);
      winuitest::Key(box, VK_RETURN);
      EXPECT_TRUE(boxes.AllShown());
      EXPECT_EQ(GetFocus(), box);
      EXPECT_EQ(Form().tspArcType.SelectedTab(), 3);
      Click(ID_cmdCancel);
    });
    EXPECT_EQ(result, winui::DialogResult::Cancel);
    EXPECT_TRUE(Settings == before);
  }
  Show(3, [&] {
    Text(ID_txtCABMulti).SetText(L"2048");
    Click(ID_cmdOk);
  });
  EXPECT_EQ(Settings.CAB_SizeManual, L"2048");

  // With multi-volume off the box is disabled: a stored size that is no number is kept, not refused.
  Settings.CAB_Multi = L"0";
  Settings.CAB_SizeManual = L"big";
  Show(3, [&] { Click(ID_cmdOk); });
  EXPECT_EQ(Settings.CAB_SizeManual, L"big");
}

// The unzip32 library's own switch follows "結果窓を表示しない" on every OK.
TEST_F(ArcOptionValuesTest, OkKeepsTheUnzipResultSwitchInStep) {
  struct Case {
    const wchar_t* noKekka;
    std::optional<DWORD> before;
    std::optional<DWORD> after;
  };
  const Case cases[] = {
      {L"1", std::nullopt, 0xFFFFFFFF}, {L"1", 1, 0xFFFFFFFF}, {L"0", 0xFFFFFFFF, std::nullopt},
      {L"0", 0, std::nullopt},          {L"0", 1, 1},          {L"0", std::nullopt, std::nullopt},
  };
  Load();
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << core::ToUtf8(c.noKekka) << " " << c.before.value_or(12345));
    settingstest::DeleteUnzipSwitch();
    if (c.before)
      RegSetKeyValueW(HKEY_CURRENT_USER, core::UnzipSettingsKey().c_str(), core::kUnzipShowResultValue, REG_DWORD,
                      &*c.before, sizeof(DWORD));
    Settings.ZIP_NoKekka = c.noKekka;
    Show(2, [&] { Click(ID_cmdOk); });
    DWORD value = 0;
    const bool present = settingstest::ReadUnzipSwitch(value);
    EXPECT_EQ(present, c.after.has_value());
    if (present && c.after) {
      EXPECT_EQ(value, *c.after);
    }
  }
}

}  // namespace
}  // namespace optionstest
