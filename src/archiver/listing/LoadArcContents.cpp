#include "archiver/listing/LoadArcContents.h"

#include <array>

#include "archiver/ArcOutput.h"
#include "archiver/listing/BrowserServices.h"
#include "archiver/listing/EntryRows.h"
#include "archiver/listing/Readers.h"
#include "core/Settings.h"
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

// A normal file: hidden and system files and folders count as missing.
bool NormalFileExists(const std::wstring& path) {
  DWORD attributes = GetFileAttributesW(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES &&
         !(attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM));
}

using Reader = void (*)(std::wstring&);
struct ReaderRow {
  const wchar_t* type;
  Reader reader;
  bool placesProgress;
};
constexpr ReaderRow kReaders[] = {
    {L"LZH", ReadArcListLzh, true}, {L"ZIP", ReadArcListZip, true},  {L"CAB", ReadArcListCab, true},
    {L"ARJ", ReadArcListArj, true}, {L"TAR", ReadArcListTar, true},  {L"TGZ", ReadArcListTar, true},
    {L"TBZ", ReadArcListTar, true}, {L"ISH", ReadArcListIsh, false}, {L"RAR", ReadArcListRar, true},
    {L"YZ1", nullptr, true},        {L"ACE", ReadArcListAce, false}, {L"JAR", ReadArcListJar, false},
    {L"BGA", ReadArcListBga, true}, {L"GCA", ReadArcListGca, true},  {L"BEL", ReadArcListBel, true},
    {L"7Z", ReadArcList7z, true},   {L"IMP", ReadArcListImp, true},  {L"YZ2", ReadArcListYz2, true},
    {L"BH", ReadArcListBh, true}};

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

  if (!NormalFileExists(path) && core::GetFileNamePart(path).rfind(L"$New", 0) == 0) {
    core::NewArcCount = core::NewArcCount > 0 ? core::NewArcCount - 1 : 0;
    return;
  }

  SetMainPointer(kPointerHourglass);
  views->sbStatusBar.SetPanelText(1, L"読込中...");
  core::PrivateState.SetEturanMode(true);
  for (const ReaderRow& row : kReaders) {
    if (typeName != row.type) continue;
    if (row.placesProgress) CallSetProgressPosition(true);
    if (row.reader)
      row.reader(path);
    else
      ReadArcListYz1(path, yz1Flag);
    if (row.placesProgress) CallSetProgressPosition(false);
    break;
  }
  core::PrivateState.SetEturanMode(false);

  if (views->lvListView.Count() > 0) {
    CallAutoSizeColumns(views->lvListView, 8);
    CallSortListView(static_cast<int>(core::LeadingNumber(core::Settings.SortIndex)));
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
