#include "mainwindow/BrowserWiring.h"

#include "archiver/listing/ListingViews.h"
#include "browser/BrowserViews.h"
#include "browser/Histories.h"
#include "browser/TreeListUpkeep.h"
#include "mainwindow/BrowserLink.h"
#include "mainwindow/frmMain.h"

namespace mainwindow {
namespace {

class BrowserCalls : public BrowserLink {
 public:
  void SetTreeViewColor(frmMain&) override { browser::SetTreeViewColor(); }
  void InitMainView(frmMain&, bool clear) override { browser::InitMainView(clear); }
  bool OpenArchiveFile(frmMain&, const std::wstring& path) override { return browser::OpenArchiveFile(path); }
  void AddFileHistory(frmMain&, const std::wstring& path) override { browser::AddFileHistory(path); }
  void MakeUnPackButtonMenu(frmMain&) override { browser::MakeUnPackButtonMenu(); }
};

}  // namespace

void InstallBrowserWiring(frmMain& form) {
  // The images "Archive" and "Open" are the first two of imgBox.
  static browser::BrowserViews views{form,
                                     form.tvTreeView,
                                     form.lvListView,
                                     form.sbStatusBar,
                                     form.tbToolBar,
                                     form.cmbArc,
                                     form.picCount,
                                     form.picShortString,
                                     form.lblEllipsisString,
                                     0,
                                     1};
  static archiver::listing::ListingViews listing{
      form,          form.lvListView, {form.ImgListDummy, form.ImgListLargeDummy, form.PicDummy, form.picLargeDummy},
      form.imlIcons, form.picCount,   form.sbStatusBar,
      form.tbToolBar};
  static BrowserCalls calls;
  browser::SetViews(&views);
  archiver::listing::SetListingViews(&listing);
  SetBrowserLink(&calls);
}

}  // namespace mainwindow
