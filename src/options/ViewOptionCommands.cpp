#include "options/ViewOptionCommands.h"

#include "browser/MenuStatus.h"
#include "core/SettingValues.h"
#include "core/Settings.h"
#include "core/Text.h"
#include "core/modShell.h"
#include "options/frmArcOption.h"
#include "options/frmOption.h"

namespace options {

namespace {

constexpr wchar_t kArcOptionCaption[] = L"書庫のオプション";

browser::Command CommandOf(CheckGroup group) {
  switch (group) {
    case CheckGroup::TypeToCreate:
      return browser::Command::MakeArcType;
    case CheckGroup::ViewMode:
      return browser::Command::ListViewMode;
    case CheckGroup::SortColumn:
      return browser::Command::SortColumn;
    case CheckGroup::SortOrder:
      break;
  }
  return browser::Command::SortOrder;
}

winui::DialogResult ShowArcOptionsOnTab(int tab, HWND owner) {
  frmArcOption& dialog = ArcOption();
  dialog.SetTabIndex(static_cast<int16_t>(tab));
  dialog.SetOptionFlag(0);
  dialog.SetCaptionTitle(kArcOptionCaption);
  return dialog.ShowModal(owner);
}

}  // namespace

int ItemCount(CheckGroup group) { return browser::CommandState::Members(CommandOf(group)); }

int CheckedItem(CheckGroup group) { return browser::ChosenMember(CommandOf(group)); }

int ChooseTypeToCreate(int index) {
  core::Settings.PackType = std::to_wstring(index);
  return index;
}

std::optional<int> TypeChosenInCombo(int index, bool itemEnabled) {
  if (itemEnabled) {
    core::Settings.PackType = std::to_wstring(index);
    return std::nullopt;
  }
  const int stored = CheckedItem(CheckGroup::TypeToCreate);
  if (stored < 0 || stored == index) return std::nullopt;
  return stored;
}

winui::ListViewMode ChooseViewMode(int index) {
  core::Settings.ViewMode = std::to_wstring(index);
  return static_cast<winui::ListViewMode>(index);
}

int ChooseSortColumn(int index) {
  core::Settings.SortIndex = std::to_wstring(index);
  return index;
}

int ChooseSortOrder(int index) {
  core::Settings.SortFlag = std::to_wstring(index);
  return CheckedItem(CheckGroup::SortColumn);
}

int ColumnHeaderClicked(int column) {
  core::Settings.SortFlag = core::FlagText(!core::IsOn(core::Settings.SortFlag));
  return ChooseSortColumn(column);
}

winui::DialogResult ShowCommonArcOptions(HWND owner) { return ShowArcOptionsOnTab(kCommonTab, owner); }

winui::DialogResult ShowArcOptionsOf(int typeIndex, HWND owner) { return ShowArcOptionsOnTab(typeIndex + 1, owner); }

GeneralOptionsOutcome ShowGeneralOptions(HWND owner) {
  GeneralOptionsOutcome outcome;
  {
    frmOption dialog;
    if (dialog.Load(owner)) {
      core::DoEvents();
      outcome.result = dialog.ShowModal(owner);
    }
  }
  outcome.look = ListAppearanceFromSettings();
  outcome.topMost = core::IsOn(core::Settings.NeverTop);
  return outcome;
}

}  // namespace options
