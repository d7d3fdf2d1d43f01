#pragma once
// Which archive commands of the main window can be used, from the type of the archive shown, the
// outside libraries and tools installed at this moment and the state of the tree and the entry list.
#include <string>

namespace browser {

// Recomputes which archive commands of Commands() are enabled (the list's in-place renaming among them) and
// shows the state on the window. arcType is the type name of the archive shown ("LZH" ... "BH", "TGZ",
// "TBZ"), or "" (any other text acts the same) when none. Presence of libraries and tools is asked anew
// each time; commands no rule names keep their state.
void SetMenuStatus(const std::wstring& arcType);

// The side programs of the Tool menu, looked for in the program folder.
extern const wchar_t kSplitterProgram[];
extern const wchar_t kJoinerProgram[];
// Opening the Tool menu: the splitter's and the joiner's items follow whether their programs are in the
// program folder now, and the state is shown.
void SetToolMenuStatus();

}  // namespace browser
