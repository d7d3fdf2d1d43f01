#include "mainwindow/BrowserWiring.h"

#include "browser/BrowserViews.h"
#include "browser/Histories.h"
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
                                     form.imlIcons,
                                     form.ImgListDummy,
                                     form.ImgListLargeDummy,
                                     form.PicDummy,
                                     form.picLargeDummy,
                                     0,
                                     1};
  static BrowserCalls calls;
  browser::SetViews(&views);
  SetBrowserLink(&calls);
  // The window was made before this link was installed, so its constructor bound no commands.
  calls.BindCommands(form);
}

}  // namespace mainwindow
