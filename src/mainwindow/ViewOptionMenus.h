#pragma once
// The View and Option menus of the main window: how the entry list looks and is sorted, the type of new
// archives (from the menu or the tool bar's type combo box, kept in step), and the two options dialogs.
// Each choice is stored in Settings at once; the ticked item of each group follows the setting.
namespace mainwindow {

class frmMain;

// The type combo box's click (the user's choice, or its position set from code).
void cmbArc_Click(frmMain& form);
// Option > 作成する書庫 > type `index`.
void mnuOptionMakeArc_Click(frmMain& form, int index);
// Option > オプション and the tool bar's "Option" button: the general options, after which the list's look
// and the window's top-most state are put on again, whatever the answer.
void mnuOptionOption_Click(frmMain& form);
// Option > 書庫のオプション > 共通, and > a type (`index` 0 to 16).
void mnuViewOptionsAll_Click(frmMain& form);
void mnuViewOptionsArc_Click(frmMain& form, int index);
// View > 大きいアイコン, 小さいアイコン, 一覧, 詳細 (`index` 0 to 3).
void mnuListViewMode_Click(frmMain& form, int index);
// View > アイコンの整列 > a column (0 to 8) or ソートしない (9).
void mnuViewArrangeIcon_Click(frmMain& form, int index);
// View > アイコンの整列 > 昇順 (0) or 降順 (1).
void mnuViewArrangeAceDec_Click(frmMain& form, int index);
// A click on the header of list column `column` (from 0): sorts by it, the other way round than before.
void lvListView_ColumnClick(frmMain& form, int column);
// View > 等間隔に整列.
void mnuViewLineUpIcons_Click(frmMain& form);

// Binds the handlers above to the window's menu items, the type combo box and the list's column headers.
void BindViewOptionCommands(frmMain& form);

}  // namespace mainwindow
