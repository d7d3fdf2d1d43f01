#pragma once
// The main window's design: its form description, control table and menu table.
#include <span>

#include "winui/FormTypes.h"

namespace mainwindow {

const winui::FormDef& MainFormDef();
std::span<const winui::ControlDef> MainControls();
std::span<const winui::MenuDef> MainMenus();

// Design sizes in twips that the layout and the tables share.
constexpr int kListColumnWidth = 1270;
constexpr int kSortColumnWidth = 2540;
constexpr int kProgressPanelWidth = 3528;
constexpr int kTypeComboWidth = 2500;

}  // namespace mainwindow
