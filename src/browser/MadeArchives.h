#pragma once
// What the main window shows after an archive job made or rewrote archives: the jobs show nothing of a
// window, so whoever started one (the main window's commands, the wizards) shows its result here.
#include <string>
#include <vector>

namespace browser {

// The files a creation made (the archive first, or each volume of a split one): with `addNodes` a node for
// each, all under one advance of ArcNodeCounter, each listed in turn, so the last one is the current
// archive; else, with `listFirst`, the first listed alone. `newFolder` ("" for none), the folder the
// creation named a new archive in, is remembered as one of this instance's (RememberNewArchiveFolder).
void ShowMadeArchives(const std::vector<std::wstring>& made, bool addNodes, bool listFirst,
                      const std::wstring& newFolder);

// The window after the shown archive of `type` was made into a self-extracting program, `converted` when
// the archiver succeeded: a converted ZIP archive's node goes (the root's never); after ACE, whose tool
// rewrites the archive, the window shows no archive whatever the outcome.
void ShowAfterSfx(const std::wstring& type, bool converted);

}  // namespace browser
