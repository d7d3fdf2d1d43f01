#pragma once
// A hidden form with the controls and menu items the listing works on, under the main window's names.
#include "archiver/listing/ListingViews.h"
#include "winui/CommonControls.h"
#include "winui/Form.h"

namespace listingtest {

enum ControlId { ID_lvListView = 100, ID_PicDummy, ID_picLargeDummy, ID_picCount, ID_sbStatusBar, ID_tbToolBar };

class frmListing : public winui::Form {
 public:
  frmListing();
  void Form_Load() override;

  winui::ListView lvListView{this, ID_lvListView};
  winui::PictureBox PicDummy{this, ID_PicDummy};
  winui::PictureBox picLargeDummy{this, ID_picLargeDummy};
  winui::PictureBox picCount{this, ID_picCount};
  winui::StatusBar sbStatusBar{this, ID_sbStatusBar};
  winui::Toolbar tbToolBar{this, ID_tbToolBar};
  winui::ImageList ImgListDummy;
  winui::ImageList ImgListLargeDummy;
  winui::ImageList imlIcons;

  archiver::listing::ListingViews views{
      *this,       lvListView, {ImgListDummy, ImgListLargeDummy, PicDummy, picLargeDummy}, imlIcons, picCount,
      sbStatusBar, tbToolBar};
};

}  // namespace listingtest
