#pragma once
// What every reader does with one entry: the texts of its columns, its icon, its row, the progress bar,
// and the one failure message of a reader.
#include <array>
#include <cstdint>
#include <string>

#include "archiver/listing/ListingViews.h"

namespace archiver::listing {

// Sub-items 1 to 8 of a row ("種類" ... "属性").
using SubItems = std::array<std::wstring, 8>;

// "ファイル フォルダ" for a blank extension, else the registered type name (looked up once per extension and
// listing: ResetTypeNames forgets them).
std::wstring TypeText(const std::wstring& extension);
void ResetTypeNames();

// A size as "1,234"; one blank for 0. Sizes are unsigned: 3,000,000,000 bytes show as such.
std::wstring SizeText(uint32_t size);
// A printed size: a number grouped by "," in threes ("" for 0), any other text unchanged; one blank when
// the text is empty.
std::wstring PrintedSizeText(const std::wstring& printed);
// A percentage with one decimal and "%" ("55.3%").
std::wstring RatioText(double percent);

// Adds a row named `name` with the icon of `extension` and sub-item 1 set from it; sub-items 2 to 8 from
// `rest` (rest[0] is sub-item 2). Returns the row's index (from 1).
int AddEntryRow(ListingViews& views, const std::wstring& name, const std::array<std::wstring, 7>& rest);

// The percentage bar in a picture box. A running call that would draw exactly what is shown already is left
// out, so a long listing costs one drawing per visible change, not per entry.
void DrawProgressBox(winui::PictureBox& box, float fraction, bool final = false);

// The reading failure: default pointer, then "書庫ファイル "<name>" の読み込みに失敗しました".
void ReportReadFailure(const std::wstring& path);

}  // namespace archiver::listing
