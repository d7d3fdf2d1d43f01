#pragma once
// The edited-file watch: every two seconds, while it is on, the entries that were extracted and opened with
// a program are looked at; one saved since it was opened (or last offered) is offered back to the archive.
// The watched paths and their time texts are core::EditWatchFiles and core::EditWatchTimes, each ending
// in an empty placeholder (operations/EditedFiles.h).
#include <windows.h>

#include <string>

#include "operations/EditedFiles.h"

namespace mainwindow {

class frmMain;

// Opens an extracted file with a program (operations::ExecuteFile) and watches it for edits from now on,
// whether or not the program started; the watch's timer runs from then. The shell's result.
INT_PTR OpenAndWatch(frmMain& form, const std::wstring& path, int mode, const std::wstring& program);

// One tick of timUpdate. A tick that comes while its own question is still open does nothing.
void timUpdate_Timer(frmMain& form);
// Stops the watch and forgets every watched file.
void StopEditWatch(frmMain& form);

// Puts the edited copy `path` back into the archive it came from (operations::UpdateEditedFile) and lists
// that archive again; when the window showed another archive (or none), that view is shown again
// afterwards, so that the list and the commands act on what the tree selects. True only when the archiver
// reported success.
bool PutEditBack(frmMain& form, const std::wstring& path);

// The question offering a changed copy back to the archive it came from: the entry's path inside the
// archive, and the archive's path, so that entries of one name from two folders or two archives are told
// apart.
std::wstring EditedFileQuestion(const operations::EditOrigin& origin);

}  // namespace mainwindow
