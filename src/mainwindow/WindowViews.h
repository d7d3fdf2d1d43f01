#pragma once
// The main window as the browser's views: its controls, where each command of the browser's command
// state shows (menu items, tool-bar buttons, the entry list's in-place renaming), and the recent-archive
// items of the File menu.
#include <string>
#include <vector>

#include "browser/Commands.h"

namespace mainwindow {

class frmMain;

// Installs the window's controls as the browser's views (for as long as the window lives) and shows the
// command state of a window just made.
void InstallWindowViews(frmMain& form);
// Takes them away again when they are this window's.
void RemoveWindowViews(frmMain& form);

// Sets every command's menu items, buttons and list to the state.
void ShowCommands(frmMain& form, const browser::CommandState& state);
// Rebuilds the File menu's recent archives after its separator: one item per non-empty caption (the first
// always in place, the others loaded); with no first entry the item and its separator are hidden.
void ShowRecentArchives(frmMain& form, const std::vector<std::wstring>& captions);

// The menu items a command shows on (array members count from their index-0 id), and its tool-bar button.
struct CommandTarget {
  browser::Command command;
  std::vector<int> menuIds;
  std::wstring buttonKey;
};
const std::vector<CommandTarget>& CommandTargets();

}  // namespace mainwindow
