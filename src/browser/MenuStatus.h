#pragma once
// Which archive commands of the main window can be used, from the type of the archive shown, the
// outside libraries and tools installed at this moment and the state of the tree and the entry list.
#include <string>

#include "browser/Commands.h"

namespace browser {

// Recomputes which archive commands of Commands() are enabled (the list's in-place renaming among them) and
// shows the state on the window. arcType is the type name of the archive shown ("LZH" ... "BH", "TGZ",
// "TBZ"), or "" (any other text acts the same) when none. Presence of libraries and tools is asked anew
// each time; commands no rule names keep their state.
void SetMenuStatus(const std::wstring& arcType);

// The four choices the window keeps in Settings, each a command with one member per item: the type to
// create (MakeArcType, Settings.PackType), the list's view (ListViewMode, Settings.ViewMode), the sort
// column (SortColumn, Settings.SortIndex) and the sort order (SortOrder, Settings.SortFlag). The member
// the setting names as a whole number; -1 when it names none, and for any other command.
int ChosenMember(Command command);
// Ticks in Commands() the member each of the four settings names and unticks all the others, so the
// menus mirror the settings however they changed; the next ShowCommands shows it.
void TickChosenMembers();

// The side programs of the Tool menu, looked for in the program folder.
extern const wchar_t kSplitterProgram[];
extern const wchar_t kJoinerProgram[];
// Opening the Tool menu: the splitter's and the joiner's items follow whether their programs are in the
// program folder now, and the state is shown.
void SetToolMenuStatus();

}  // namespace browser
