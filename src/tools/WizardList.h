#pragma once
// The file list of a wizard page: rows of files (the icon of their type and its description) and folders,
// over two image lists that start with the main window's four base images. Both wizards use it.
#include <cstdint>
#include <memory>
#include <string>

#include "archiver/listing/GetIconKey.h"
#include "winui/CommonControls.h"

namespace tools {

// The text of the column "種類" that marks a folder row.
extern const wchar_t kFolderKind[];

class WizardList {
 public:
  explicit WizardList(winui::ListView& list);

  // Both image lists made afresh with the base images and bound to the list, and the rows removed.
  void Reset();
  // A row for a file: its icon by `attributes` and extension, and the description of its type ("ファイル
  // フォルダ" for a name without extension).
  void AddFile(const std::wstring& path, int16_t attributes);
  // A row for a folder ("...\*.*"), with the folder image and kFolderKind.
  void AddFolder(const std::wstring& text);
  bool IsFolderRow(int item) const;
  // Removes the selected row (none selected: nothing) and selects row 1 when rows remain.
  void RemoveSelected();

 private:
  int ImageOf(const std::wstring& key);

  winui::ListView& list_;
  winui::ImageList small_;
  winui::ImageList large_;
  std::unique_ptr<archiver::listing::EntryIcons> icons_;
};

}  // namespace tools
