#pragma once
// What every reader does with one entry: the texts of its columns, its icon and its row, and the one
// failure message of a reader.
#include <array>
#include <cstdint>
#include <map>
#include <string>

#include "archiver/listing/GetIconKey.h"
#include "archiver/listing/Listing.h"

namespace archiver::listing {

// A size as "1,234"; one blank for 0. Sizes are unsigned: 3,000,000,000 bytes show as such.
std::wstring SizeText(uint32_t size);
// A printed size: a number grouped by "," in threes ("" for 0), any other text unchanged; one blank when
// the text is empty.
std::wstring PrintedSizeText(const std::wstring& printed);
// A percentage with one decimal and "%" ("55.3%").
std::wstring RatioText(double percent);

// The rows of one listing as a reader builds them, and what it tells on the way.
class RowBuilder {
 public:
  RowBuilder(EntryIcons& icons, ListingProgress& progress) : icons_(icons), progress_(progress) {}

  // Adds a row named `name` with the icon of its extension and "種類" from it; `rest` holds sub-items 2 to 8.
  void Add(const std::wstring& name, const std::array<std::wstring, 7>& rest);
  // The number of entries the library reports, so the rows are made room for once.
  void Expect(int32_t count);
  // The bar after `rows` of `count` entries; nothing when the count is not known.
  void Progress(int32_t rows, int32_t count);
  void FirstProgress() { progress_.Progress(0, true); }
  // The reading failure: "書庫ファイル "<name>" の読み込みに失敗しました", the default pointer first.
  void ReadFailed(const std::wstring& path);
  // Any other message, told without touching the pointer.
  void Tell(const std::wstring& message) { progress_.Failed(message, false); }
  void Pump() { progress_.Pump(); }
  HWND Owner() { return progress_.Owner(); }

  EntryRows rows;

 private:
  // "ファイル フォルダ" for a blank extension, else the registered type name, asked once per extension.
  const std::wstring& TypeText(const std::wstring& extension);

  EntryIcons& icons_;
  ListingProgress& progress_;
  std::map<std::wstring, std::wstring> typeNames_;
};

}  // namespace archiver::listing
