#pragma once
// Reading an archive's entries. A reader gives back one row per entry with the texts of every column of the
// entry list and the key of its icon, and tells its progress through a small interface; it knows nothing
// of the window that shows the rows.
#include <windows.h>

#include <array>
#include <string>
#include <vector>

#include "core/ArcCatalogue.h"

namespace archiver::listing {

class EntryIcons;

// One entry as the list shows it: its name ("名前"), the sub-items 1 to 8 ("種類", "サイズ", "格納サイズ",
// "レート", "更新日時", "形式", "場所", "属性") and the key of its image.
struct EntryRow {
  std::wstring name;
  std::array<std::wstring, 8> sub;
  std::wstring iconKey;

  // Cell `column` of the list: 0 the name, 1 to 8 the sub-items.
  const std::wstring& Cell(int column) const { return column == 0 ? name : sub[static_cast<size_t>(column - 1)]; }
};
using EntryRows = std::vector<EntryRow>;

// What a reader tells the one who asked for the listing while it reads.
class ListingProgress {
 public:
  virtual ~ListingProgress() = default;
  // The owner window of the libraries' and tools' calls.
  virtual HWND Owner() = 0;
  // The part read, 0 to 1; `final` for the first drawing (0%) and a last one.
  virtual void Progress(float fraction, bool final) = 0;
  // One pass through the message loop, so the window repaints.
  virtual void Pump() = 0;
  // A reading failure the user is told of; with `defaultPointerFirst` the hourglass gives way before it.
  virtual void Failed(const std::wstring& message, bool defaultPointerFirst) = 0;
};

// The entries of the archive at `path`, read by the reader of its type's catalogue row; a failure is told
// through `progress` and leaves the rows read so far. The ISH reader turns `path` into the archive's short
// path, with which the caller goes on. With `yz1Flag` the YZ1 reader checks the archive first and hands the
// stored default password over. `icons` keeps the images made for the rows' keys.
EntryRows ReadArcList(const core::ArcTypeRow& type, std::wstring& path, bool yz1Flag, EntryIcons& icons,
                      ListingProgress& progress);

}  // namespace archiver::listing
