#pragma once
// Creating an archive of any creatable type from the files named in the list file: the one creation
// procedure every way of compressing ends in. It chooses the archive's name and folder, runs the type's
// command and makes the self-extracting program the options ask for; the window that asked shows the new
// archive.
#include <string>
#include <vector>

#include "core/ArcCatalogue.h"
#include "core/OperationUi.h"
#include "operations/JobResult.h"

namespace operations {

// What the caller asks of MakeArchive.
struct CreateRequest {
  const core::ArcTypeRow* type = nullptr;  // the type to create; none makes nothing
  bool folder = false;                     // the source is one folder
  std::wstring archivePath;                // the archive to create; "" for a new "$New" archive in the work folder
  bool recurse = false;                    // take sub-folders and store folder names
  int arcNo = 0;                           // number of this archive in the caller's batch (1 the first); 0 outside one
  bool showArc = false;                    // show the new archive afterwards
  // The files to pack, as MakePackFileList wrote them for the same type.
  std::wstring list;        // "@" and the list file's path
  std::wstring baseFolder;  // the folder the listed names are relative to ("" when none)
};

// Creates the archive from the list file the request names. An archiver that reports a failure, or an
// archive (or self-extracting program) that did not appear, is a failure. NewArcCount falls again only when
// this creation raised it and failed. What it made is every file the creation made, the archive (or its
// program) first; none when it failed, but for a new archive the files were moved into whose
// self-extracting program failed: that archive is reported as kept, and named. A split cabinet's volumes and
// ISH's files, named after the sources, stand there in place of the archive's name.
JobResult MakeArchive(core::OperationUi& ui, const CreateRequest& request);

// How the window shows what a creation for `request` made (browser::ShowMadeArchives).
struct CreationShown {
  // A node for each file made: for a new archive, for one made from files dropped on the program's icon
  // with the window to stay open afterwards (Settings.PackAfter), and for the first archive of a batch
  // the caller wants shown.
  bool addNodes = false;
  // Without nodes, the first file made is listed alone when the caller wants it shown.
  bool listFirst = false;
  // The folder of this instance's new archives the creation named one in; "" when the caller named it.
  std::wstring newFolder;
};
CreationShown ShownAfter(const CreateRequest& request);

// Everything the main window asks when it compresses files or a folder.
struct PackRequest {
  // NUL-separated: the base folder, then names relative to it (a folder as its name and "\*.*"); with
  // `withFolders` the names are full paths. Text without NUL is one path.
  std::wstring files;
  bool withFolders = false;
  CreateRequest create;
};

// Checks that every name to pack (the files of folders included) and the archive's own name can be handed
// to the archivers (code page 932): a name that cannot is reported (UnwritableNameReport), and nothing runs
// (a failure). Then writes the list file and makes the archive; returns what MakeArchive returns.
JobResult PackFiles(core::OperationUi& ui, const PackRequest& request);

// The first name under the paths of `files` (see PackRequest) that has no code page 932 form, as a full
// path; "" when every one has.
std::wstring FindUnwritableName(const std::wstring& files, bool withFolders);

// The report of a name that cannot reach an archiver: the text, a line break, the path in double quotes.
extern const wchar_t kUnwritableName[];
std::wstring UnwritableNameReport(const std::wstring& path);
// What an ARJ creation that left no archive reports.
extern const wchar_t kArjCreationFailed[];

}  // namespace operations
