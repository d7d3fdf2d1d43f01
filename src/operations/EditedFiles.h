#pragma once
// The entries opened with a program and watched for edits (core::EditWatchFiles and EditWatchTimes, each
// ending in an empty placeholder), and putting an edited entry back into its archive.
#include <windows.h>

#include <cstdint>
#include <optional>
#include <string>

namespace operations {

// A file's last-write time in the watch's text form, "yyyy/mm/dd hh:mm:ss" in local time (as the property
// texts show it); "" when the file cannot be read. Reading it does not open the file, so a file an editor
// holds open still has a time.
std::wstring WatchTimeText(const std::wstring& path);
// The time a text of that form stands for, as a number that orders like the times; nullopt for a text that
// is no such time.
std::optional<int64_t> WatchTimeValue(const std::wstring& text);

// Watches the plain path `path` from its present time on; a path already watched (compared exactly) keeps
// its entry. True when the watch holds at least one file afterwards.
bool WatchEditedFile(const std::wstring& path);

// Puts the edited file `path` (a watched file of the work folder) back into PrivateState.ArcFileName under
// its name, then lists the archive again. True only when the archiver reported success; a type whose
// entries cannot be updated is told so, a failing archiver is told so (the archive stays as it was), and a
// name the list no longer holds (compared without case) does nothing.
bool UpdateEditedFile(HWND owner, const std::wstring& path);

extern const wchar_t kCannotUpdateType[];
extern const wchar_t kEditedFileNotUpdated[];

}  // namespace operations
