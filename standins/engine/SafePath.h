#pragma once
// Joining names taken from archives to the destination folder without ever leaving it.
#include <string>
#include <string_view>

namespace standin {

// True when `entryPath` is relative and free of drive letters and ".." parts, so it may be
// placed under a destination. `why` receives the reason otherwise.
bool IsSafeEntryPath(std::string_view entryPath, std::string& why);

// destination + entryPath with "\" separators between the parts; false (and `why`) when the
// entry path is unsafe.
bool JoinSafe(std::string_view destination, std::string_view entryPath, std::string& out, std::string& why);

// Joins a folder and a name with one separator.
std::string JoinPath(std::string_view folder, std::string_view name);
// Folder part without trailing separator ("" when none) and name part of a path.
std::string FolderOf(std::string_view path);
std::string NameOf(std::string_view path);

}  // namespace standin
