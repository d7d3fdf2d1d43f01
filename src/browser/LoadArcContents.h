#pragma once
// The single entry through which an archive's contents reach the main window's entry list.
#include <string>

#include "winui/CommonControls.h"

namespace browser {

// Empties the list and rebuilds its two image lists from the four base images; unless clearOnly, reads
// the archive with the reader of `typeName` (compared exactly: "LZH", "ZIP", ..., "TGZ" and "TBZ" read as
// TAR) silently, under the hourglass and "読込中...", then shows the entries, sizes the columns and sorts by
// Settings.SortIndex. The ISH reader turns `path` into the archive's short path. A new archive (IsNewArchive)
// whose file was never written only lowers NewArcCount.
void LoadArcContents(std::wstring& path, const std::wstring& typeName, bool clearOnly, bool& yz1Flag);
// True when the last LoadArcContents told the user of a failure with its reader's message, so that a
// caller's own report would say it a second time.
bool ListingToldFailure();

// The four base images in both icon lists, in the order "Closed", "Leaf", "Archive", "Application", and
// an empty entry list.
void ResetIconLists();

// The four base images of `source` in `target`, emptied in place (the list it is bound to stays bound) or
// made anew when it is not yet a list of `size` pixels square.
void FillBaseImages(winui::ImageList& target, int size, winui::ImageList& source);

}  // namespace browser
