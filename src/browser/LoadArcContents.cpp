#include "browser/LoadArcContents.h"

#include <windows.h>

#include <array>
#include <map>

#include "archiver/listing/GetIconKey.h"
#include "archiver/listing/Listing.h"
#include "browser/BrowserViews.h"
#include "browser/EntryList.h"
#include "browser/ListSort.h"
#include "browser/TreeListUpkeep.h"
#include "core/ArcCatalogue.h"
#include "core/DrawProgress.h"
#include "core/SettingValues.h"
#include "core/Settings.h"
#include "core/modPath.h"
#include "core/modShell.h"
#include "core/modTolvenar.h"
#include "winui/App.h"
#include "winui/MsgBox.h"

namespace browser {
namespace {

constexpr std::array<const wchar_t*, 4> kBaseImages = {L"Closed", L"Leaf", L"Archive", L"Application"};

// Whether the reading in progress or last ended told the user of a failure.
bool toldFailure = false;

}  // namespace

void FillBaseImages(winui::ImageList& target, int size, winui::ImageList& source) {
  int width = 0;
  int height = 0;
  if (target.Handle() && ImageList_GetIconSize(target.Handle(), &width, &height) && width == size && height == size)
    target.Clear();
  else
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

namespace {

// Draws `icon` at the top left of `box`; false when nothing could be drawn. The box carries the list's back
// colour, so the image looks as the list shows it.
bool Draw(winui::PictureBox& box, HICON icon, int size) {
  box.Cls();
  HDC dc = box.Hdc();
  if (!icon || !dc || !DrawIconEx(dc, 0, 0, icon, size, size, 0, nullptr, DI_NORMAL)) return false;
  box.Refresh();
  return true;
}

// Copies the drawing of `box` into `list` under `key`.
void Keep(winui::PictureBox& box, int size, winui::ImageList& list, const std::wstring& key) {
  HDC dc = box.Hdc();
  HDC copyDc = CreateCompatibleDC(dc);
  HBITMAP copy = CreateCompatibleBitmap(dc, size, size);
  HGDIOBJ old = SelectObject(copyDc, copy);
  BitBlt(copyDc, 0, 0, size, size, dc, 0, 0, SRCCOPY);
  SelectObject(copyDc, old);
  DeleteDC(copyDc);
  list.Add(key, copy);
  DeleteObject(copy);
}

// Both sizes of an extension's icon go into the two lists, or neither: a row's image index means the same
// icon in both.
void AddImages(BrowserViews& views, const archiver::listing::EntryIcons& icons) {
  for (const archiver::listing::EntryIcons::Image& image : icons.Images()) {
    if (!Draw(views.PicDummy, image.small, 16) || !Draw(views.picLargeDummy, image.large, 32)) continue;
    Keep(views.PicDummy, 16, views.ImgListDummy, image.key);
    Keep(views.picLargeDummy, 32, views.ImgListLargeDummy, image.key);
  }
}

// The image index of every row's key in the small list (the large list holds the same keys in the same
// order).
std::vector<int> ImagesOf(const archiver::listing::EntryRows& rows, const winui::ImageList& list) {
  std::map<std::wstring, int, std::less<>> indexes;
  std::vector<int> images;
  images.reserve(rows.size());
  for (const archiver::listing::EntryRow& row : rows) {
    auto it = indexes.find(row.IconKey());
    if (it == indexes.end()) {
      const std::wstring key(row.IconKey());
      it = indexes.emplace(key, list.IndexOf(key)).first;
    }
    images.push_back(it->second);
  }
  return images;
}

// The percentage bar in the progress box. A running drawing is left out when it would show what is shown
// already or comes within a few hundredths of a second of the last one: a long listing costs a few dozen
// drawings, not one per entry, and the bar still moves as the eye can follow it.
class ProgressBox : public archiver::listing::ListingProgress {
 public:
  explicit ProgressBox(BrowserViews& views) : views_(views) {}

  HWND Owner() override { return views_.form.Hwnd(); }

  void Progress(float fraction, bool final) override {
    winui::PictureBox& box = views_.picCount;
    HWND window = box.Hwnd();
    if (!window) return;
    RECT client{};
    GetClientRect(window, &client);
    const int percent = core::ProgressPercent(fraction, final);
    const double part = fraction > 1 ? 1 : static_cast<double>(fraction);
    const int bar = fraction > 0 ? static_cast<int>(client.right * part) : 0;
    const ULONGLONG now = GetTickCount64();
    if (!final && ((percent == percent_ && bar == bar_) || now - drawn_ < kDrawingInterval)) return;
    percent_ = percent;
    bar_ = bar;
    drawn_ = now;
    core::DrawProgress(box.Hdc(), client.right, client.bottom, fraction, final, views_.form.Font());
    box.Refresh();
  }

  void Pump() override { core::DoEvents(); }

  void Failed(const std::wstring& message, bool defaultPointerFirst) override {
    toldFailure = true;
    if (defaultPointerFirst) winui::SetBusyCursor(false);
    winui::MsgBox(message, MB_ICONEXCLAMATION | MB_OK, core::kProgramTitle, views_.form.Hwnd());
  }

 private:
  static constexpr ULONGLONG kDrawingInterval = 40;  // milliseconds

  BrowserViews& views_;
  int percent_ = -1;
  int bar_ = -1;
  ULONGLONG drawn_ = 0;
};

// The list draws nothing from the emptying to the filled list; it is drawn once afterwards.
class FrozenList {
 public:
  explicit FrozenList(winui::ListView& list) : list_(list) { list_.Freeze(true); }
  ~FrozenList() { list_.Freeze(false); }
  FrozenList(const FrozenList&) = delete;
  FrozenList& operator=(const FrozenList&) = delete;

 private:
  winui::ListView& list_;
};

// Binds `images` as the list's icons of one size unless they are bound already.
void Bind(winui::ListView& list, int which, const winui::ImageList& images) {
  if (reinterpret_cast<HIMAGELIST>(SendMessageW(list.Hwnd(), LVM_GETIMAGELIST, which, 0)) == images.Handle()) return;
  if (which == LVSIL_SMALL)
    list.SetSmallImages(images.Handle());
  else
    list.SetLargeImages(images.Handle());
}

}  // namespace

void ResetIconLists() {
  BrowserViews* views = Views();
  if (!views) return;
  winui::ListView& list = views->lvListView;
  Entries().Clear();
  FillBaseImages(views->ImgListDummy, 16, views->imlIcons);
  FillBaseImages(views->ImgListLargeDummy, 32, views->imlIcons);
  Bind(list, LVSIL_SMALL, views->ImgListDummy);
  Bind(list, LVSIL_NORMAL, views->ImgListLargeDummy);
}

void LoadArcContents(std::wstring& path, const std::wstring& typeName, bool clearOnly, bool& yz1Flag) {
  toldFailure = false;
  BrowserViews* views = Views();
  if (!views) return;
  FrozenList frozen(views->lvListView);
  ResetIconLists();
  core::DoEvents();
  if (clearOnly) return;

  if (!core::NormalFileExists(path) && IsNewArchive(path)) {
    core::NewArcCount = core::NewArcCount > 0 ? core::NewArcCount - 1 : 0;
    return;
  }

  winui::SetBusyCursor(true);
  views->sbStatusBar.SetPanelText(1, L"読込中...");
  core::PrivateState.SetEturanMode(true);
  if (const core::ArcTypeRow* row = core::FindArcType(typeName)) {
    archiver::listing::EntryIcons icons;
    ProgressBox progress(*views);
    if (row->placesProgress) SetProgressPosition(true);
    archiver::listing::EntryRows rows = archiver::listing::ReadArcList(*row, path, yz1Flag, icons, progress);
    if (row->placesProgress) SetProgressPosition(false);
    AddImages(*views, icons);
    std::vector<int> images = ImagesOf(rows, views->ImgListDummy);
    Entries().Assign(std::move(rows), std::move(images));
  }
  core::PrivateState.SetEturanMode(false);

  if (Entries().Count() > 0) {
    AutoSizeColumns(8);
    // A value that is no whole number means no sorting.
    SortListView(core::WholeSetting(core::Settings.SortIndex).value_or(9));
  }
  views->sbStatusBar.SetPanelText(1, L"");
  winui::SetBusyCursor(false);
}

bool ListingToldFailure() { return toldFailure; }

}  // namespace browser
