#pragma once
// What the main window's View and Option menu commands do, without the main window: each changes its
// setting and hands back what the window must do next (the list's view mode, the column to sort, the
// position of the type combo box, the look to put on the list). The checked item of each menu group is
// computed from the settings, so the menus always mirror them. The options dialogs are opened here as
// their callers open them.
#include <windows.h>

#include <optional>

#include "options/ListAppearance.h"
#include "winui/CommonControls.h"
#include "winui/Form.h"

namespace options {

// Menu groups with one checked item: Option > 作成する書庫 (17 types), View > the four view modes,
// View > アイコンの整列 > the nine columns and ソートしない (10), and 昇順/降順 (2).
enum class CheckGroup { TypeToCreate, ViewMode, SortColumn, SortOrder };
int ItemCount(CheckGroup group);
// The item that shows the group's setting (Settings.PackType, ViewMode, SortIndex, SortFlag); -1 when the
// setting names no item of the group.
int CheckedItem(CheckGroup group);

// Option > 作成する書庫 > type `index`: it becomes the type to create. Returns the position the type combo
// box takes next (its click then finds the type's item enabled).
int ChooseTypeToCreate(int index);
// The type combo box's click with its position and whether that type's menu item is enabled. An enabled
// type becomes the type to create; otherwise the combo box goes back to the stored type. Returns the
// position to give the combo box, or nothing when it already shows it: an unchanged position is never set,
// so a stored type that is itself disabled cannot make the click come back forever.
std::optional<int> TypeChosenInCombo(int index, bool itemEnabled);

// View > 大きいアイコン, 小さいアイコン, 一覧, 詳細 (`index` 0 to 3): the list's view mode to set.
winui::ListViewMode ChooseViewMode(int index);
// View > アイコンの整列 > a column (0 to 8) or ソートしない (9): the column to sort the list by.
int ChooseSortColumn(int index);
// View > アイコンの整列 > 昇順 (0) or 降順 (1): the column to sort the list by again (the stored one; -1
// when it is none).
int ChooseSortOrder(int index);
// A click on the list's column header `column` (from 0): the column becomes the sort column and the order
// turns round, also when another column was sorted before. The column to sort the list by.
int ColumnHeaderClicked(int column);

// Option > 書庫のオプション > 共通: the per-type options dialog on the common page.
winui::DialogResult ShowCommonArcOptions(HWND owner);
// Option > 書庫のオプション > a type (`typeIndex` 0 to 16): the per-type options dialog on that type's page.
winui::DialogResult ShowArcOptionsOf(int typeIndex, HWND owner);

// Option > オプション and the tool bar's "Option" button: a fresh general options dialog, shown modally.
// Whatever its answer, the window puts `look` on its list again and sets its top-most state (and the
// check of View > 常に手前に表示) from `topMost`.
struct GeneralOptionsOutcome {
  winui::DialogResult result = winui::DialogResult::Cancel;
  ListAppearance look;
  bool topMost = false;
};
GeneralOptionsOutcome ShowGeneralOptions(HWND owner);

}  // namespace options
