#pragma once
// Compressing from the main window: the files or folder the user picks packed into a new archive or added
// to the open one, and the name a new archive of the command line's compress mode is saved under.
#include <windows.h>

#include <string>

#include "core/ArcCatalogue.h"

namespace mainwindow {

// Asks for files (several at once; one for YZ2) or, with `asFolder`, a folder, then makes a new archive of
// `type` from them or, with `addToArchive`, adds them to PrivateState.ArcFileName (of that type). The outcome is
// PrivateState.ArcStatus (False after a cancelled choice). After a success Settings.OpenFolder is the chosen
// folder, the list file is gone and the first entry is selected.
void SelectPackFiles(HWND owner, const core::ArcTypeRow& type, bool addToArchive, bool asFolder);

// Asks for the path of a new archive of `arcType` ("EXE" too), proposing `baseName`. The answer's file name
// gets the type's extension (from its first dot, in the file-name part only) and becomes
// PrivateState.ArcFileName. "" when cancelled or for a type without a filter (BEL, IMP).
std::wstring GetSaveArchiveName(HWND owner, const std::wstring& arcType, const std::wstring& baseName);

}  // namespace mainwindow
