#include "archiver/listing/LoadArcContents.h"

#include <array>

#include "archiver/ArcOutput.h"
#include "archiver/listing/BrowserServices.h"
#include "archiver/listing/EntryRows.h"
#include "archiver/listing/LibraryFrame.h"
#include "archiver/listing/Readers.h"
#include "core/ArcCatalogue.h"
#include "core/Settings.h"
#include "core/SettingValues.h"
#include "core/Text.h"
#include "core/modPath.h"
#include "core/modShell.h"
#include "core/modTolvenar.h"

namespace archiver::listing {
namespace {

constexpr std::array<const wchar_t*, 4> kBaseImages = {L"Closed", L"Leaf", L"Archive", L"Application"};

void FillBaseImages(winui::ImageList& target, int size, winui::ImageList& source) {
  target.Create(size, size);
  for (const wchar_t* key : kBaseImages) {
    int index = source.IndexOf(key);
    HICON icon = index >= 0 ? ImageList_GetIcon(source.Handle(), index, ILD_NORMAL) : nullptr;
    if (icon) {
      target.Add(key, icon);
      DestroyIcon(icon);
    }
  }
}

// The reader of a catalogue row, and whether the progress box is placed while it runs.
void RunReader(const core::ArcTypeRow& row, std::wstring& path, bool& yz1Flag) {
  switch (row.listing) {
    case core::ListingRule::Library:
      if (row.index == core::ArcTypeLzh)
        ReadArcListLzh(path);
      else
        RunLibraryReader(LibraryReader::Of(row), path);
      return;
    case core::ListingRule::Zip:
      return ReadArcListZip(path);
    case core::ListingRule::Tar:
      return ReadArcListTar(path);
    case core::ListingRule::Yz1:
      return ReadArcListYz1(path, yz1Flag);
    case core::ListingRule::Yz2:
      return ReadArcListYz2(path);
    case core::ListingRule::Bel:
      return ReadArcListBel(path);
    case core::ListingRule::Ace:
      return ReadArcListAce(path);
    case core::ListingRule::Jar:
      return ReadArcListJar(path);
    case core::ListingRule::Ish:
      return ReadArcListIsh(path);
  }
}

}  // namespace

void ResetIconLists(ListingViews& views) {
  winui::ListView& list = views.lvListView;
  list.SetSmallImages(nullptr);
  list.SetLargeImages(nullptr);
  FillBaseImages(views.icons.ImgListDummy, 16, views.imlIcons);
  list.SetSmallImages(views.icons.ImgListDummy.Handle());
  list.Clear();
  FillBaseImages(views.icons.ImgListLargeDummy, 32, views.imlIcons);
  list.SetLargeImages(views.icons.ImgListLargeDummy.Handle());
  ResetTypeNames();
}

void LoadArcContents(std::wstring& path, const std::wstring& typeName, bool clearOnly, bool& yz1Flag) {
  ListingViews* views = MainViews();
  if (!views) return;
  ResetIconLists(*views);
  core::DoEvents();
  if (clearOnly) return;

  if (!core::NormalFileExists(path) && core::GetFileNamePart(path).rfind(L"$New", 0) == 0) {
    core::NewArcCount = core::NewArcCount > 0 ? core::NewArcCount - 1 : 0;
    return;
  }

  SetMainPointer(kPointerHourglass);
  views->sbStatusBar.SetPanelText(1, L"読込中...");
  core::PrivateState.SetEturanMode(true);
  if (const core::ArcTypeRow* row = core::FindArcType(typeName)) {
    if (row->placesProgress) CallSetProgressPosition(true);
    RunReader(*row, path, yz1Flag);
    if (row->placesProgress) CallSetProgressPosition(false);
  }
  core::PrivateState.SetEturanMode(false);

  if (views->lvListView.Count() > 0) {
    CallAutoSizeColumns(views->lvListView, 8);
    // A value that is no whole number means no sorting.
    CallSortListView(core::WholeSetting(core::Settings.SortIndex).value_or(9));
  }
  views->sbStatusBar.SetPanelText(1, L"");
  SetMainPointer(kPointerDefault);
}

void SetNoArchiveState() {
  ListingViews* views = MainViews();
  if (!views) return;
  winui::Form& form = views->form;
  views->lvListView.SetLabelEdit(false);
  struct Item {
    const wchar_t* name;
    int index;
  };
  static constexpr Item kDisabled[] = {{L"mnuFileArcClose", -1},
                                       {L"mnuFileArcAllClose", -1},
                                       {L"mnuFileQuickUnPack", -1},
                                       {L"mnuFileSaveAs", -1},
                                       {L"mnuFileSFX", -1},
                                       {L"mnuFileList", -1},
                                       {L"mnuFileConvert", -1},
                                       {L"mnuEditUnPack", -1},
                                       {L"mnuEditQuickView", -1},
                                       {L"mnuEditNewSwitch", -1},
                                       {L"mnuEditExpand", -1},
                                       {L"mnuEditDSelectAll", -1},
                                       {L"mnuEditAdd", -1},
                                       {L"mnuEditAddFolder", -1},
                                       {L"mnuEditDelete", -1},
                                       {L"mnuEditApplication", -1},
                                       {L"mnuEditAction", 0},
                                       {L"mnuEditReName", -1},
                                       {L"mnuEditTest", -1},
                                       {L"mnuToolJpeg", 0},
                                       {L"mnuToolJpeg", 1},
                                       {L"mnuPopUpUnPack", -1},
                                       {L"mnuPopUpAddPack", -1},
                                       {L"mnuPopUpDelete", -1},
                                       {L"mnuPopUpApplication", -1},
                                       {L"mnuPopUpAction", 0},
                                       {L"mnuPopUpReName", -1},
                                       {L"mnuPopUpQuickView", -1},
                                       {L"mnuPopUpNewSwitch", -1},
                                       {L"mnuPopUpExpand", -1},
                                       {L"mnuTreePopUpArcClose", -1},
                                       {L"mnuTreePopUpConvert", -1},
                                       {L"mnuTreePopUpList", -1},
                                       {L"mnuTreePopUpUnPack", -1},
                                       {L"mnuTreePopUpQuickUnPack", -1},
                                       {L"mnuTreePopUpSaveAs", -1},
                                       {L"mnuTreePopUpSFX", -1},
                                       {L"mnuTreePopUpTest", -1},
                                       {L"mnuTreePopUpProperty", -1}};
  for (const Item& item : kDisabled)
    if (int id = form.IdOf(item.name, item.index)) form.SetMenuEnabled(id, false);
  for (const wchar_t* name : {L"mnuEditPack", L"mnuEditFolderPack"})
    if (int id = form.IdOf(name)) form.SetMenuEnabled(id, true);
  for (const wchar_t* key : {L"Open", L"Pack", L"FolderPack"}) views->tbToolBar.SetButtonEnabled(key, true);
  for (const wchar_t* key :
       {L"Close", L"AllClose", L"SaveAs", L"View", L"AddPack", L"AddFolderPack", L"Trush", L"UnPack", L"All"})
    views->tbToolBar.SetButtonEnabled(key, false);
}

}  // namespace archiver::listing
