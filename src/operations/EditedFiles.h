#pragma once
// The entries opened with a program and watched for edits (core::EditWatchFiles and EditWatchTimes, each
// ending in an empty placeholder), where their copies lie, and putting an edited entry back into the
// archive it came from.
#include <windows.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/OperationUi.h"
#include "operations/JobResult.h"
#include "operations/ListFiles.h"

namespace operations {

// Where a copy of an entry came from.
struct EditOrigin {
  std::wstring archive;   // the archive's path as it was open when the entry was opened
  std::wstring folder;    // the entry's folder as the list showed it ("charts/", "" at the top)
  std::wstring name;      // the entry's name
  std::wstring base;      // the work folder's folder kept for that archive, with "\"; the copy lies below it
  std::wstring relative;  // the copy's path below `base`: the entry's own folders and its name

  // The entry's path inside the archive as the list shows it.
  std::wstring EntryPath() const;
};

// The path an entry of `archive` is extracted to for opening: a folder of the work folder kept for each
// archive, then the entry's own folders (without any drive, root or ".." part) and its name, so entries of
// one name from two folders or two archives never take each other's place. The same entry gets the same
// path each time. The copy's origin is remembered.
std::wstring MemberCopyPath(const std::wstring& archive, const SelectedEntry& entry);
// The origin of a copy MemberCopyPath named (compared without case); nullopt for any other file.
std::optional<EditOrigin> CopyOrigin(const std::wstring& copy);

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

// What putting an edit back is told of the window.
struct EditBackRequest {
  std::wstring copy;                  // the edited copy
  std::wstring shown;                 // the archive the window shows; "" for none
  std::vector<SelectedEntry> listed;  // the entries the window's list shows (name and folder column)
};

// Puts the edited copy back into the archive it came from, under the entry's own folder and name. `ok`
// only when the archiver reported success; once the update was tried, `made` is that archive, which the
// caller lists again (showing its own view again afterwards when it showed another archive or none). When
// the edit cannot go back (a type that cannot update entries, a folder the type's update cannot keep, the
// archive gone, the entry no longer in the shown archive, a failing archiver), the archive is left as it
// was and the edit is kept: copied beside the archive under a name not taken (or left in the work folder
// when that folder cannot take it), and the message, asked through `ui`, names where. A file that was not
// opened from an archive does nothing.
JobResult UpdateEditedFile(core::OperationUi& ui, const EditBackRequest& request);

extern const wchar_t kCannotUpdateType[];
extern const wchar_t kCannotUpdateInFolder[];
extern const wchar_t kEditedFileNotUpdated[];
extern const wchar_t kEditKeptAt[];

}  // namespace operations
