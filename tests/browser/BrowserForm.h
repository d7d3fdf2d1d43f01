#pragma once
// A hidden stand-in for the main window: its tree, owner-data entry list with its icon lists, status bar,
// tool bar (for its drop-downs) and type combo. It has no menus: the browser tells commands by value.
#include "browser/BrowserViews.h"
#include "winui/CommonControls.h"
#include "winui/Form.h"
#include "winui/ListControls.h"

namespace browsertest {

enum ControlId {
  ID_tvTreeView = 100,
  ID_lvListView,
  ID_sbStatusBar,
  ID_tbToolBar,
  ID_cmbArc,
  ID_picCount,
  ID_picShortString,
  ID_lblEllipsisString,
  ID_PicDummy,
  ID_picLargeDummy,
};

class frmBrowser : public winui::Form {
 public:
  frmBrowser();

  winui::TreeView tvTreeView{this, ID_tvTreeView};
  winui::ListView lvListView{this, ID_lvListView};
  winui::StatusBar sbStatusBar{this, ID_sbStatusBar};
  winui::Toolbar tbToolBar{this, ID_tbToolBar};
  winui::ComboBox cmbArc{this, ID_cmbArc};
  winui::PictureBox picCount{this, ID_picCount};
  winui::PictureBox picShortString{this, ID_picShortString};
  winui::Label lblEllipsisString{this, ID_lblEllipsisString};
  winui::PictureBox PicDummy{this, ID_PicDummy};
  winui::PictureBox picLargeDummy{this, ID_picLargeDummy};
  winui::ImageList imlIcons;
  winui::ImageList ImgListDummy;
  winui::ImageList ImgListLargeDummy;

  browser::BrowserViews views{*this,        tvTreeView,        lvListView,     sbStatusBar,       tbToolBar,
                              cmbArc,       picCount,          picShortString, lblEllipsisString, imlIcons,
                              ImgListDummy, ImgListLargeDummy, PicDummy,       picLargeDummy};

  void Form_Load() override;
};

}  // namespace browsertest
