#pragma once
// The single entry through which an archive's contents reach the main window's entry list, and the command
// state of the main window with no archive open.
#include <string>

#include "archiver/listing/ListingViews.h"

namespace archiver::listing {

// Empties the list and rebuilds its two image lists from the four base images; unless clearOnly, lists
// the archive with the reader of `typeName` (compared exactly: "LZH", "ZIP", ..., "TGZ" and "TBZ" read as
// TAR), then sizes the columns and sorts by Settings.SortIndex. The ISH reader turns `path` into the
// archive's short path. A "$New..." archive whose file was never written only lowers NewArcCount.
void LoadArcContents(std::wstring& path, const std::wstring& typeName, bool clearOnly, bool& yz1Flag);

// The four base images in both icon lists, in the order "Closed", "Leaf", "Archive", "Application".
void ResetIconLists(ListingViews& views);

// Menu items and tool-bar buttons as they are with no archive open.
void SetNoArchiveState();

}  // namespace archiver::listing
