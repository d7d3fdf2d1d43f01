#pragma once
// The controls of the main window that the listing reads and writes. The main window fills one
// ListingViews with its own controls and installs it; tests install the controls of a hidden form.
#include <windows.h>

#include "winui/CommonControls.h"
#include "winui/Controls.h"
#include "winui/Form.h"

namespace archiver::listing {

// What GetIconKey needs of the asking form: the two image lists behind its entry list (they double as the
// per-extension icon cache) and the two hidden drawing surfaces of 16 x 16 and 32 x 32 pixels.
struct IconSurfaces {
  winui::ImageList& ImgListDummy;
  winui::ImageList& ImgListLargeDummy;
  winui::PictureBox& PicDummy;
  winui::PictureBox& picLargeDummy;
};

struct ListingViews {
  winui::Form& form;  // owner window of every library call; menu items are found by name through IdOf
  winui::ListView& lvListView;
  IconSurfaces icons;
  winui::ImageList& imlIcons;  // source of the base images "Closed", "Leaf", "Archive", "Application"
  winui::PictureBox& picCount;
  winui::StatusBar& sbStatusBar;
  winui::Toolbar& tbToolBar;
};

// Installs the views the listing works on (nullptr: none; the listing then does nothing) and returns the
// ones installed before.
ListingViews* SetListingViews(ListingViews* views);
ListingViews* MainViews();

}  // namespace archiver::listing
