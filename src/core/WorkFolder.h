#pragma once
// The work folder of this instance ("tvtempNN" under Settings.WorkFolder) and the drag-out folder "Drag"
// under Settings.UnpackDefault: choosing, claiming, emptying and releasing them.
//
// Several instances may run at once. An instance claims its work folder by creating it and holding a lock
// file inside it open for as long as it runs (the system deletes the lock when the process ends, even when
// it ends abnormally), so another instance never takes a folder that is in use. An instance deletes only
// its own work folder, and in the drag-out folder under Settings.UnpackDefault only what it put there.
#include <string>

namespace core {

// Name of the lock file an instance keeps open inside its work folder (hidden).
extern const wchar_t kWorkFolderLockName[];

// Picks and claims this instance's work folder and sets WorkFolderNo. Tries tvtemp00 to tvtemp99 once: a
// number is free when its folder does not exist, or exists unlocked and holds no plain file (hidden and
// system files and sub-folders are not counted; an empty folder is removed and made again). When this
// instance already holds a folder under the same Settings.WorkFolder it keeps it; under another one it
// releases the old claim first. When all hundred are in use the number becomes "P" + this process id in
// hexadecimal, claimed the same way. Returns false when no folder could be claimed (the folder above cannot
// be made, or even the process-id name is in use); WorkFolderNo then still names the first free candidate.
bool SelectTempFolder();

// Empties this instance's work folder (everything in it but the lock, sub-folders included) and removes
// from the drag-out folder the items this instance put there; the drag-out folder itself goes when this
// instance made it and it is empty then. The work folder and its claim stay until ReleaseTempFolder, so the
// number is never handed to another instance while this one still runs. A folder this instance does not
// hold is never touched. Reports nothing.
void ClearTempFolder();

// Empties the work folder, gives up the claim and removes the folder. Run at the very end of the process
// (after the last ClearTempFolder); it also runs by itself when the process exits normally.
void ReleaseTempFolder();

// Gives up the claim and removes the work folder when nothing but the lock is in it, so a folder that was
// claimed for one piece of work leaves no trace; a folder holding anything else stays claimed. True when
// the folder went.
bool ReleaseTempFolderIfEmpty();

// True while this instance holds a claimed work folder.
bool HoldsTempFolder();

// The drag-out folder under Settings.UnpackDefault (with no trailing "\"), made when missing; this
// instance remembers whether it made it. "" when it cannot be made.
std::wstring PrepareDragFolder();
// Remembers a file or folder this instance put into the drag-out folder, so ClearTempFolder removes it.
void RememberDragItem(const std::wstring& path);

// Deletes everything matching a path pattern such as "C:\Folder\*.*": matching files (read-only ones too)
// and matching folders with all they hold. A link to another folder (junction) is removed itself, never
// what it points to. Shows no window of any kind. Returns false when something could not be deleted.
bool DeleteFiles(const std::wstring& pattern);

}  // namespace core
