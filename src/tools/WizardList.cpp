#include "tools/WizardList.h"

#include "browser/BrowserViews.h"
#include "browser/LoadArcContents.h"
#include "browser/TreeListUpkeep.h"
#include "core/Text.h"
#include "core/modPath.h"
#include "core/modShell.h"
#include "core/modTolvenar.h"

namespace tools {

const wchar_t kFolderKind[] = L"フォルダ";

WizardList::WizardList(winui::ListView& list) : list_(list) {}

void WizardList::Reset() {
  list_.SetSmallImages(nullptr);
  list_.SetLargeImages(nullptr);
  winui::ImageList none;
  winui::ImageList& base = browser::Views() ? browser::Views()->imlIcons : none;
  browser::FillBaseImages(small_, 16, base);
  list_.SetSmallImages(small_.Handle());
  list_.Clear();
  browser::FillBaseImages(large_, 32, base);
  list_.SetLargeImages(large_.Handle());
  icons_ = std::make_unique<archiver::listing::EntryIcons>();
  core::DoEvents();
}

int WizardList::ImageOf(const std::wstring& key) {
  if (small_.IndexOf(key) < 0 && icons_) {
    for (const archiver::listing::EntryIcons::Image& image : icons_->Images()) {
      if (image.key != key) continue;
      small_.Add(key, image.small);
      large_.Add(key, image.large);
    }
  }
  return small_.IndexOf(key);
}

void WizardList::AddFile(const std::wstring& path, int16_t attributes) {
  if (!icons_) icons_ = std::make_unique<archiver::listing::EntryIcons>();
  const std::wstring extension = core::GetExtension(path, false);
  const std::wstring key = archiver::listing::GetIconKey(*icons_, attributes, L"", extension, 0);
  const int item = list_.AddItem(path, ImageOf(key));
  list_.SetSubItem(
      item, 1, core::Trim(extension).empty() ? std::wstring(L"ファイル フォルダ") : core::GetFileTypeName(extension));
}

void WizardList::AddFolder(const std::wstring& text) {
  const int item = list_.AddItem(text, small_.IndexOf(L"Closed"));
  list_.SetSubItem(item, 1, kFolderKind);
}

bool WizardList::IsFolderRow(int item) const { return list_.SubItem(item, 1) == kFolderKind; }

void WizardList::RemoveSelected() {
  const int selected = list_.SelectedItem();
  if (selected <= 0) return;
  list_.RemoveItem(selected);
  if (list_.Count() > 0) browser::SelectListItem(list_, 1);
}

}  // namespace tools
