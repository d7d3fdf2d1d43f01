#pragma once
// The recent-archive list (shown by the window's File menu and the "Open" button's drop-down) and the
// recent-extraction-folder drop-down of the "UnPack" button.
#include <string>

#include "winui/Controls.h"
#include "winui/Form.h"

namespace browser {

// Puts the archive at the head of Settings.History (an entry equal but for letter case goes), keeps at
// most Settings.FileHistory + 1 entries and shows the list again (the window's menu through the views'
// showRecentArchives, and the "Open" drop-down). An empty path only shows it again.
void AddFileHistory(const std::wstring& path);

// The path shortened with an ellipsis in place of middle folders so that it fits `width`: above 100 a
// width in twips, from 1 to 100 a percentage of widthControl's width, 1 or less a fraction of it. Measured
// with pictureBox's font; a path that fits comes back whole.
std::wstring MakeShortPathCaption(winui::Form& form, winui::PictureBox& pictureBox, const winui::Control& widthControl,
                                  const std::wstring& path, double width);

// Rebuilds the "UnPack" drop-down from Settings.ArcDown, skipping blank entries.
void MakeUnPackButtonMenu();

}  // namespace browser
