#pragma once
// Compress mode of the command line: the items given (files and folders) packed, after the new-archive
// type dialog, into one archive saved under a name the user picks, or into one archive per item beside it
// (Settings.PackKobetsu). The archive is made self-extracting when the type's option asks for it; the plain
// archive goes only once its program is there. Each failure is reported, naming the archive, and ends the
// run with kBatchNotDone; a refusal (Cancel, no name) ends it quietly with kBatchNotDone too.
#include <string>

namespace mainwindow {

class frmMain;

// Runs the mode over core::CommandLineFiles. Returns the exit code (BatchModes.h), or kBatchKeepsWindow
// when one archive was asked for with Settings.PackAfter on: the window then shows the new archive and
// Settings.PackType has its value from before the dialog again.
int CompressMode(frmMain& form);

// The archive of one item in the per-item variant: beside the item, named after it with every dot turned
// into "_", with the type name in lower case as extension ("C:\a\report.txt", "LZH": "C:\a\report_txt.lzh").
// An item "C:\a\b\*.*" stands for the folder "C:\a\b".
std::wstring ItemArchivePath(const std::wstring& item, const std::wstring& typeName);

// The question before a new archive goes into a file that exists.
std::wstring ExistingArchiveQuestion(const std::wstring& path);

// One archive holds names relative to the first item's folder: an item of another folder is refused.
extern const wchar_t kItemsInOtherFolders[];
// An item of one archive for all that is not there.
extern const wchar_t kItemMissing[];
// An archive (or its self-extracting program) that was not made.
extern const wchar_t kArchiveNotMade[];

}  // namespace mainwindow
