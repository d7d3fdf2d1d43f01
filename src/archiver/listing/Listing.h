#pragma once
// Reading an archive's entries. A reader gives back one row per entry with the texts of every column of the
// entry list and the key of its icon, and tells its progress through a small interface; it knows nothing
// of the window that shows the rows.
#include <windows.h>

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/ArcCatalogue.h"

namespace archiver::listing {

class EntryIcons;

// One entry as the list shows it: its name ("名前"), the sub-items 1 to 8 ("種類", "サイズ", "格納サイズ",
// "レート", "更新日時", "形式", "場所", "属性") and the key of its image. The texts are kept one after
// another in one string, so a listing of many entries costs one allocation per entry.
class EntryRow {
 public:
  EntryRow() = default;
  EntryRow(std::wstring_view name, const std::array<std::wstring_view, 8>& sub, std::wstring_view iconKey);

  // Cell `column` of the list: 0 the name, 1 to 8 the sub-items.
  std::wstring_view Cell(int column) const { return Part(static_cast<size_t>(column)); }
  std::wstring_view Name() const { return Part(0); }
  std::wstring_view IconKey() const { return Part(9); }
  // Another name (an entry renamed in place).
  void SetName(std::wstring_view name);

 private:
  std::wstring_view Part(size_t part) const {
    return part < 10 ? std::wstring_view(texts_).substr(starts_[part], starts_[part + 1] - starts_[part])
                     : std::wstring_view();
  }

  std::wstring texts_;
  std::array<uint32_t, 11> starts_{};
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
