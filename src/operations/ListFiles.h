#pragma once
// List files: the names an archiver command works on, one per line in code page 932 with CR LF, in this
// run's list file inside the work folder, handed over as "@" (or "!") and the file's path. The line forms
// are pure functions of the type's catalogue row and the settings; the writers put the result on disk and
// hand back the list reference (and a pack list's base folder) to the caller, which passes them on in the
// request of the command that works on the list.
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "core/OperationUi.h"
#include "core/SettingValues.h"

namespace operations {

// One entry selected in the main window's list: its name and its folder inside the archive (the column
// "場所", "" or blanks at the top level).
struct SelectedEntry {
  std::wstring name;
  std::wstring folder;
};

// The lines of a list of selected entries of an archive of `type` (a type name, "" for none). Entry names
// are the archive's own: they are never replaced by the short name of a local file that happens to match.
std::vector<std::wstring> SelectListLines(const std::wstring& type, const std::vector<SelectedEntry>& entries);
// The ISH form, which names the entries inline: "/Y name" for each, one blank between them.
std::wstring IshSelectArgument(const std::vector<SelectedEntry>& entries);

// What a list of files to pack consists of, and the base folder the packed names are relative to.
struct PackList {
  std::vector<std::wstring> lines;
  std::wstring arcFolderName;
};
using ShortPathFunction = std::function<std::wstring(const std::wstring&)>;

// The lines for `files`: NUL-separated, the base folder first, then names relative to it (a folder as
// "name\*.*"); with `withFolders` the names are full paths. Text without NUL is one path without a base.
// `paths` is the path handling of the names; PathMode::Unknown writes no line. `shortPath` gives a path's
// short (8.3) form. With `folderSource` (a folder is among the items) and no paths asked for, nothing is
// lost below a folder: one folder alone is listed as its contents, seen from the folder itself (the base
// folder becomes the folder), several items as with relative paths.
PackList PackListLines(const std::wstring& files, const std::wstring& type, bool withFolders, core::PathMode paths,
                       const ShortPathFunction& shortPath, bool folderSource = false);

// The run's list file: the instance work folder and ListFileName.
std::wstring ListFilePath();
// Writes `lines` as the list file at `path` (code page 932, every line ending in CR LF), replacing what was
// there. False when the file could not be written or a line has no code page 932 form (that line is then
// not written exactly).
bool WriteListFile(const std::wstring& path, const std::vector<std::wstring>& lines);
// The items of a list file, one per line, without the double quotes around a line. A comma is part of a
// name. Empty when the file cannot be read.
std::vector<std::wstring> ReadListItems(const std::wstring& path);

// The list of `entries` of an archive of `type`: its list reference, "@" and the list's path ("!" for
// ARJ), or the ISH inline form. nullopt when there is no entry, or when the folder Settings.WorkFolder is
// missing (told through `ui`, and nothing is written).
std::optional<std::wstring> MakeSelectFileList(core::OperationUi& ui, const std::wstring& type,
                                               const std::vector<SelectedEntry>& entries);

// A written list of files to pack, as the command that packs them takes it.
struct PackListFile {
  bool written = false;     // the list was written exactly
  std::wstring argument;    // the name argument: "@" and the list's path
  std::wstring baseFolder;  // the folder the listed names are relative to ("" when none)
  explicit operator bool() const { return written; }
};

// The list of files to pack (see PackListLines) for an archive of `type`, with the path handling the user
// compresses with (Settings.COM_Folder). Makes the instance work folder when it is missing. Not written
// when the list could not be written exactly; the name argument is there all the same.
PackListFile MakePackFileList(const std::wstring& files, const std::wstring& type, bool withFolders,
                              bool folderSource = false);
// The same with the path handling `paths` the caller needs.
PackListFile MakePackFileList(const std::wstring& files, const std::wstring& type, bool withFolders,
                              core::PathMode paths, bool folderSource = false);

// Deletes the run's list file when it is there.
void DeleteListFile();

// The report of a missing work folder.
extern const wchar_t kWorkFolderMissing[];

}  // namespace operations
