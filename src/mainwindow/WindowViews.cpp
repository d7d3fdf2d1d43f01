#include "mainwindow/WindowViews.h"

#include <memory>

#include "browser/BrowserViews.h"
#include "mainwindow/frmMain.h"

namespace mainwindow {
namespace {

using browser::Command;

// Commands with one member per archive type or per view of the list: their index-0 menu id.
struct ArrayTarget {
  Command command;
  int baseId;
  bool showsEnabled;
  bool showsChecked;
};

constexpr ArrayTarget kArrayTargets[] = {
    {Command::MakeArcType, ID_mnuOptionMakeArc, true, true},
    {Command::NewArcOfType, ID_mnuFileNewArcExtOpt, true, false},
    {Command::ListViewMode, ID_mnuListViewMode, false, true},
    {Command::SortColumn, ID_mnuViewArrangeIcon, false, true},
    {Command::SortOrder, ID_mnuViewArrangeAceDec, false, true},
};

std::unique_ptr<browser::BrowserViews>& Installed() {
  static std::unique_ptr<browser::BrowserViews> views;
  return views;
}

}  // namespace

const std::vector<CommandTarget>& CommandTargets() {
  static const std::vector<CommandTarget> targets = {
      {Command::CloseArchive, {ID_mnuFileArcClose}, L""},
      {Command::CloseArchiveButton, {}, L"Close"},
      {Command::CloseArchiveInTree, {ID_mnuTreePopUpArcClose}, L""},
      {Command::CloseAll, {ID_mnuFileArcAllClose}, L"AllClose"},
      {Command::Open, {}, L"Open"},
      {Command::UnPack, {ID_mnuEditUnPack, ID_mnuPopUpUnPack, ID_mnuTreePopUpUnPack}, L"UnPack"},
      {Command::QuickUnPack, {ID_mnuFileQuickUnPack, ID_mnuTreePopUpQuickUnPack}, L""},
      {Command::List, {ID_mnuFileList, ID_mnuTreePopUpList}, L""},
      {Command::Test, {ID_mnuEditTest}, L""},
      {Command::TestInTree, {ID_mnuTreePopUpTest}, L""},
      {Command::Convert, {ID_mnuFileConvert}, L""},
      {Command::ConvertInTree, {ID_mnuTreePopUpConvert}, L""},
      {Command::SaveAs, {ID_mnuFileSaveAs}, L""},
      {Command::SaveAsInTree, {ID_mnuTreePopUpSaveAs}, L""},
      {Command::SaveAsButton, {}, L"SaveAs"},
      {Command::MakeSfx, {ID_mnuFileSFX, ID_mnuTreePopUpSFX}, L""},
      {Command::AddFiles, {ID_mnuEditAdd, ID_mnuPopUpAddPack}, L"AddPack"},
      {Command::AddFolder, {ID_mnuEditAddFolder}, L"AddFolderPack"},
      {Command::Delete, {ID_mnuEditDelete, ID_mnuPopUpDelete}, L""},
      {Command::DeleteButton, {}, L"Trush"},
      {Command::Rename, {ID_mnuEditReName, ID_mnuPopUpReName}, L""},
      {Command::RenameInPlace, {}, L""},
      {Command::NewSwitch, {ID_mnuEditNewSwitch, ID_mnuPopUpNewSwitch}, L""},
      {Command::QuickView, {ID_mnuEditQuickView, ID_mnuPopUpQuickView}, L""},
      {Command::OpenWithApplication, {ID_mnuEditApplication}, L""},
      {Command::OpenWithApplicationInList, {ID_mnuPopUpApplication}, L""},
      {Command::OpenWith, {ID_mnuEditAction, ID_mnuPopUpAction}, L""},
      {Command::View, {}, L"View"},
      {Command::Expand, {ID_mnuEditExpand, ID_mnuPopUpExpand}, L""},
      {Command::SelectAll, {ID_mnuEditDSelectAll}, L"All"},
      {Command::Pack, {ID_mnuEditPack}, L"Pack"},
      {Command::FolderPack, {ID_mnuEditFolderPack}, L"FolderPack"},
      {Command::Property, {ID_mnuPopUpProperty}, L""},
      {Command::ArchiveProperty, {ID_mnuTreePopUpProperty}, L""},
      {Command::Jpeg, {ID_mnuToolJpeg, ID_mnuToolJpeg + 1}, L""},
      {Command::Splitter, {ID_mnuToolDravisk}, L""},
      {Command::Joiner, {ID_mnuToolMolquen}, L""},
  };
  return targets;
}

void ShowCommands(frmMain& form, const browser::CommandState& state) {
  for (const CommandTarget& target : CommandTargets()) {
    const bool enabled = state.Enabled(target.command);
    for (int id : target.menuIds) form.SetMenuEnabled(id, enabled);
    if (!target.buttonKey.empty()) form.tbToolBar.SetButtonEnabled(target.buttonKey, enabled);
  }
  form.lvListView.SetLabelEdit(state.Enabled(Command::RenameInPlace));
  for (const ArrayTarget& target : kArrayTargets) {
    for (int index = 0; index < browser::CommandState::Members(target.command); ++index) {
      if (target.showsEnabled) form.SetMenuEnabled(target.baseId + index, state.Enabled(target.command, index));
      if (target.showsChecked) form.SetMenuChecked(target.baseId + index, state.Checked(target.command, index));
    }
  }
}

void ShowRecentArchives(frmMain& form, const std::vector<std::wstring>& captions) {
  constexpr int kMostEntries = 100;
  for (int index = kMostEntries - 1; index >= 1; --index)
    if (form.MenuExists(ID_mnuFileMRU + index)) form.UnloadMenuItem(ID_mnuFileMRU + index);
  for (size_t i = 0; i < captions.size(); ++i) {
    if (captions[i].empty()) continue;
    int id = ID_mnuFileMRU;
    if (i > 0) {
      id = form.LoadMenuItem(ID_mnuFileMRU, static_cast<int>(i), captions[i]);
      if (id == 0) break;
    } else {
      form.SetMenuCaption(id, captions[i]);
    }
    form.SetMenuVisible(id, true);
  }
  const bool first = !captions.empty() && !captions[0].empty();
  if (!first) form.SetMenuVisible(ID_mnuFileMRU, false);
  form.SetMenuVisible(ID_mnuFileBar5, first);
}

void InstallWindowViews(frmMain& form) {
  // The images "Archive" and "Open" are the first two of imgBox.
  auto views = std::make_unique<browser::BrowserViews>(
      browser::BrowserViews{form, form.tvTreeView, form.lvListView, form.sbStatusBar, form.tbToolBar, form.cmbArc,
                            form.picCount, form.picShortString, form.lblEllipsisString, form.imlIcons,
                            form.ImgListDummy, form.ImgListLargeDummy, form.PicDummy, form.picLargeDummy, 0, 1});
  views->showCommands = [&form](const browser::CommandState& state) { ShowCommands(form, state); };
  views->showRecentArchives = [&form](const std::vector<std::wstring>& captions) {
    ShowRecentArchives(form, captions);
  };
  browser::SetViews(views.get());
  Installed() = std::move(views);
  ShowCommands(form, browser::Commands());
}

void RemoveWindowViews(frmMain& form) {
  browser::BrowserViews* views = browser::Views();
  if (!views || views != Installed().get() || &views->form != &form) return;
  browser::SetViews(nullptr);
  Installed().reset();
}

}  // namespace mainwindow
