// The View and Option menu commands as the main window runs them: what each changes in the settings, the
// checked item of each menu group, the type combo box that never sets an unchanged position, and both
// options dialogs opened from their menu items, where OK writes the changed value to Tolvenar.ini and
// Cancel writes nothing.
#include <gtest/gtest.h>

#include <functional>

#include "OptionFixture.h"
#include "core/Settings.h"
#include "core/Text.h"
#include "core/modIni.h"
#include "options/ViewOptionCommands.h"
#include "options/frmArcOption.h"
#include "winui/App.h"

namespace optionstest {
namespace {

using namespace options;
using core::Settings;

class ViewOptionCommandsTest : public OptionTest {
 public:
  ~ViewOptionCommandsTest() override { ArcOption().Unload(); }

  // Runs `show` with the dialog it opens driven by `user` (the dialog is loaded and hidden meanwhile).
  template <class Show>
  auto WhileShown(Show show, const std::function<void(winui::Form&)>& user) {
    winui::ModalHook previous = winui::SetModalHook([&](winui::Form& form) {
      form.Form_Activate();
      user(form);
    });
    auto result = show();
    winui::SetModalHook(previous);
    return result;
  }
  static void Press(winui::Form& form, int id) {
    ASSERT_TRUE(IsWindowEnabled(form.Item(id))) << core::ToUtf8(form.NameOf(id));
    SendMessageW(form.Item(id), BM_CLICK, 0, 0);
    winui::DoEvents();
  }
};

TEST_F(ViewOptionCommandsTest, EachCommandStoresItsChoiceAndTheMenusCheckIt) {
  EXPECT_EQ(ChooseTypeToCreate(5), 5);
  EXPECT_EQ(Settings.PackType, L"5");
  EXPECT_EQ(CheckedItem(CheckGroup::TypeToCreate), 5);

  EXPECT_EQ(ChooseViewMode(1), winui::ListViewMode::SmallIcon);
  EXPECT_EQ(Settings.ViewMode, L"1");
  EXPECT_EQ(CheckedItem(CheckGroup::ViewMode), 1);

  // Not sorted is stored as such; changing the order then only stores the order.
  EXPECT_EQ(ChooseSortColumn(9), 9);
  EXPECT_EQ(Settings.SortIndex, L"9");
  EXPECT_EQ(ChooseSortOrder(1), 9);
  EXPECT_EQ(Settings.SortFlag, L"1");
  EXPECT_EQ(CheckedItem(CheckGroup::SortOrder), 1);

  EXPECT_EQ(ChooseSortColumn(4), 4);
  EXPECT_EQ(ChooseSortOrder(0), 4);
  EXPECT_EQ(CheckedItem(CheckGroup::SortColumn), 4);
}

TEST_F(ViewOptionCommandsTest, ASettingThatNamesNoItemChecksNone) {
  const std::pair<CheckGroup, const wchar_t*> cases[] = {
      {CheckGroup::TypeToCreate, L"17"}, {CheckGroup::ViewMode, L"-1"}, {CheckGroup::SortColumn, L"10"},
      {CheckGroup::SortOrder, L"x"},     {CheckGroup::ViewMode, L""},
  };
  for (const auto& [group, setting] : cases) {
    Settings.PackType = Settings.ViewMode = Settings.SortIndex = Settings.SortFlag = setting;
    EXPECT_EQ(CheckedItem(group), -1) << core::ToUtf8(setting);
  }
  Settings.SortIndex = L"none";
  EXPECT_EQ(ChooseSortOrder(1), -1) << "nothing to sort by";
}

// Every header click reverses the order, also on another column than the last one.
TEST_F(ViewOptionCommandsTest, EachHeaderClickSortsByItsColumnTheOtherWayRound) {
  Settings.SortFlag = L"1";
  const std::pair<int, const wchar_t*> clicks[] = {{2, L"0"}, {2, L"1"}, {5, L"0"}};
  for (const auto& [column, order] : clicks) {
    EXPECT_EQ(ColumnHeaderClicked(column), column);
    EXPECT_EQ(Settings.SortIndex, std::to_wstring(column));
    EXPECT_EQ(Settings.SortFlag, order);
  }
}

// A type whose menu item is disabled puts the combo box back on the stored type; the click that raises
// comes back once and ends there, also when the stored type is disabled itself.
TEST_F(ViewOptionCommandsTest, TheTypeComboGoesBackToTheStoredTypeAndNeverLoops) {
  auto enabled = [](int type) { return type != 12 && type != 14 && type != 3; };
  struct Case {
    const wchar_t* stored;
    int chosen;
    int showsAfter;
    const wchar_t* storedAfter;
  };
  const Case cases[] = {
      {L"0", 2, 2, L"2"},   // CAB is accepted
      {L"1", 12, 1, L"1"},  // BEL cannot be created: back to ZIP
      {L"3", 14, 3, L"3"},  // the stored ARJ lost its program: the combo stops on it
      {L"x", 12, 12, L"x"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.chosen);
    Settings.PackType = c.stored;
    // The combo box raises its click whenever its position is set.
    int position = c.chosen;
    int clicks = 0;
    for (std::optional<int> next = TypeChosenInCombo(position, enabled(position)); next;
         next = TypeChosenInCombo(position, enabled(position))) {
      ASSERT_NE(*next, position) << "an unchanged position is never set";
      position = *next;
      ASSERT_LT(++clicks, 3);
    }
    EXPECT_EQ(position, c.showsAfter);
    EXPECT_EQ(Settings.PackType, c.storedAfter);
  }
}

// Opening the per-type options on each page from the Option menu, changing a value there and pressing OK
// writes it to the settings file; Cancel writes nothing.
TEST_F(ViewOptionCommandsTest, EveryArcOptionsPageFromTheMenuWritesItsChangeOnOk) {
  struct Case {
    int typeIndex;  // -1: 共通
    int control;
    const wchar_t* section;
    const wchar_t* key;
    const wchar_t* value;
  };
  const Case cases[] = {
      {0, ID_chkLZHBroken, L"LZH_Option", L"Broken", L"1"},
      {1, ID_chkZIPAttribute, L"ZIP_Option", L"Attribute", L"0"},
      {2, ID_chkCABFileOpt, L"CAB_Option", L"FileOpt", L"1"},
      {3, ID_chkARJBroken, L"ARJ_Option", L"Broken", L"1"},
      {4, ID_chkTARMakeSFX, L"TAR_Option", L"MakeSFX", L"1"},
      {5, 0, L"ISH_Option", L"OS", L"2"},
      {6, ID_chkRARSolid, L"RAR_Option", L"Solid", L"1"},
      {7, ID_chkYZ1MakeSFX, L"YZ1_Option", L"MakeSFX", L"1"},
      {8, ID_chkACESolid, L"ACE_Option", L"Solid", L"1"},
      {9, ID_chkJARNewArc, L"JAR_Option", L"NewArc", L"1"},
      {10, ID_chkBGAAttribute, L"BGA_Option", L"Attribute", L"0"},
      {11, ID_optGCAArcType + 2, L"GCA_Option", L"ArcType", L"2"},
      {13, ID_chk7ZSolid, L"7Z_Option", L"Solid", L"0"},
      {14, ID_chkIMPAllStatus, L"IMP_Option", L"AllStatus", L"1"},
      {15, ID_chkYZ2Ppm, L"YZ2_Option", L"Ppm", L"1"},
      {16, ID_chkBHAttribute, L"BH_Option", L"Attribute", L"0"},
      {-1, ID_optFolder + 2, L"COM_Option", L"Folder", L"2"},
  };
  core::SaveSettings();
  for (const Case& c : cases) {
    SCOPED_TRACE(core::ToUtf8(c.section));
    auto change = [&](winui::Form& form) {
      auto& dialog = static_cast<frmArcOption&>(form);
      EXPECT_EQ(dialog.tspArcType.SelectedTab(), c.typeIndex < 0 ? kCommonTab : c.typeIndex + 1);
      EXPECT_EQ(dialog.Caption(), L"書庫のオプション");
      if (c.control)
        Press(form, c.control);
      else
        winui::ComboBox(&form, ID_cmbISHOs).SetListIndex(2);
    };
    auto show = [&] {
      return c.typeIndex < 0 ? ShowCommonArcOptions(nullptr) : ShowArcOptionsOf(c.typeIndex, nullptr);
    };

    const std::string before = IniBytes();
    EXPECT_EQ(WhileShown(show,
                         [&](winui::Form& form) {
                           change(form);
                           Press(form, ID_cmdCancel);
                         }),
              winui::DialogResult::Cancel);
    core::SaveSettings();
    EXPECT_EQ(IniBytes(), before);

    EXPECT_EQ(WhileShown(show,
                         [&](winui::Form& form) {
                           change(form);
                           Press(form, ID_cmdOk);
                         }),
              winui::DialogResult::OK);
    core::SaveSettings();
    EXPECT_EQ(core::ReadIni(c.section, c.key), c.value);
  }
  EXPECT_EQ(ArcOption().OptionFlag(), 0);
}

TEST_F(ViewOptionCommandsTest, TheBelPageOpensEmpty) {
  WhileShown([] { return ShowArcOptionsOf(12, nullptr); },
             [&](winui::Form& form) {
               auto& dialog = static_cast<frmArcOption&>(form);
               EXPECT_EQ(dialog.tspArcType.SelectedTab(), 13);
               EXPECT_TRUE(winui::Frame(&form, ID_fraOption + 12).Visible());
               EXPECT_EQ(GetWindow(form.Item(ID_fraOption + 12), GW_CHILD), nullptr);
               Press(form, ID_cmdOk);
             });
}

// The general options from the Option menu: OK writes the change to the settings file and hands back the
// list's look and top-most state; Cancel writes nothing and hands back the stored ones.
TEST_F(ViewOptionCommandsTest, TheGeneralOptionsFromTheMenuWriteOnOkAndHandBackTheLook) {
  Settings.Grid = L"0";
  Settings.NeverTop = L"0";
  core::SaveSettings();
  const std::string before = IniBytes();
  GeneralOptionsOutcome cancelled = WhileShown([] { return ShowGeneralOptions(nullptr); },
                                               [&](winui::Form& form) {
                                                 Press(form, general::ID_chkGrid);
                                                 Press(form, general::ID_cmdCancel);
                                               });
  EXPECT_EQ(cancelled.result, winui::DialogResult::Cancel);
  EXPECT_FALSE(cancelled.look.grid);
  core::SaveSettings();
  EXPECT_EQ(IniBytes(), before);

  GeneralOptionsOutcome ok = WhileShown([] { return ShowGeneralOptions(nullptr); },
                                        [&](winui::Form& form) {
                                          Press(form, general::ID_chkGrid);
                                          Press(form, general::ID_cnkWindowTop);
                                          Press(form, general::ID_cmdOk);
                                        });
  EXPECT_EQ(ok.result, winui::DialogResult::OK);
  EXPECT_TRUE(ok.look.grid);
  EXPECT_TRUE(ok.topMost);
  EXPECT_EQ(ok.look, ListAppearanceFromSettings());
  core::SaveSettings();
  EXPECT_EQ(core::ReadIni(L"Option", L"Grid"), L"1");
  EXPECT_EQ(core::ReadIni(L"Option", L"NeverTop"), L"1");
}

}  // namespace
}  // namespace optionstest
