#pragma once
// Creating an archive of any creatable type from the files named in the list file: the one creation
// procedure every way of compressing ends in. It chooses the archive's name and folder, runs the type's
// command, makes the self-extracting program the options ask for, and shows the new archive in the tree.
#include <windows.h>

#include <string>
#include <vector>

namespace operations {

// What the caller asks of MakeArchive.
struct CreateRequest {
  std::wstring type;         // the type name to create: "LZH", "ZIP", ... "BH"
  bool folder = false;       // the source is one folder
  std::wstring archivePath;  // the archive to create; "" for a new "$New" archive in the work folder
  bool recurse = false;      // take sub-folders and store folder names
  int arcNo = 0;             // number of this archive in the caller's batch (1 the first); 0 outside one
  bool showArc = false;      // show the new archive afterwards
};

// Creates the archive from the list file MakePackFileList wrote for the same type just before
// (PrivateState.SelectArcFileName and ArcFolderName). PrivateState.ArcStatus tells whether it was written:
// an archiver that reports a failure, or an archive (or self-extracting program) that did not appear, is a
// failure. A new archive, or one the caller wants shown, gets its tree node (one per file of a split
// archive) and is listed. NewArcCount falls again only when this creation raised it and failed.
// Returns every file the creation made, the archive (or its program) first; none when it failed. A split
// cabinet's volumes and ISH's files, named after the sources, stand there in place of the archive's name.
std::vector<std::wstring> MakeArchive(HWND owner, const CreateRequest& request);

// Everything the main window asks when it compresses files or a folder.
struct PackRequest {
  // NUL-separated: the base folder, then names relative to it (a folder as its name and "\*.*"); with
  // `withFolders` the names are full paths. Text without NUL is one path.
  std::wstring files;
  bool withFolders = false;
  CreateRequest create;
};

// Checks that every name to pack (the files of folders included) and the archive's own name can be handed
// to the archivers (code page 932): a name that cannot is reported, naming it, and nothing runs
// (PrivateState.ArcStatus False). Then writes the list file and makes the archive; returns what
// MakeArchive returns (none when a name was refused).
std::vector<std::wstring> PackFiles(HWND owner, const PackRequest& request);

// The first name under the paths of `files` (see PackRequest) that has no code page 932 form, as a full
// path; "" when every one has.
std::wstring FindUnwritableName(const std::wstring& files, bool withFolders);

// The report of a name that cannot reach an archiver: the text, a line break, the path in double quotes.
extern const wchar_t kUnwritableName[];
// What an ARJ creation that left no archive reports.
extern const wchar_t kArjCreationFailed[];

}  // namespace operations
