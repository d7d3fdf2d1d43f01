#include "mainwindow/BrowserWiring.h"

#include "archiver/listing/BrowserServices.h"
#include "archiver/listing/ListingViews.h"
#include "archiver/listing/LoadArcContents.h"
#include "browser/BrowserViews.h"
#include "browser/Histories.h"
#include "browser/ListSort.h"
#include "browser/OpenCommand.h"
#include "browser/TreeListUpkeep.h"
#include "mainwindow/ArchiveCommands.h"
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
  void BindCommands(frmMain& form) override { BindArchiveCommands(form); }
};

// The browser reaches the archive readers through this, since the readers sit below it.
class ListingCalls : public browser::ArchiveListing {
 public:
  void LoadArcContents(std::wstring& path, const std::wstring& arcType, bool clearOnly, bool& passwordFlag) override {
    archiver::listing::LoadArcContents(path, arcType, clearOnly, passwordFlag);
  }
  void SetNoArchiveState() override { archiver::listing::SetNoArchiveState(); }
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
  static ListingCalls readers;
  browser::SetViews(&views);
  archiver::listing::SetListingViews(&listing);
  browser::SetListing(&readers);
  archiver::listing::SetBrowserServices({browser::SetProgressPosition, browser::AutoSizeColumns,
                                         browser::SortListView, browser::GetOpenCommand});
  SetBrowserLink(&calls);
  // The window was made before this link was installed, so its constructor bound no commands.
  calls.BindCommands(form);
}

}  // namespace mainwindow
