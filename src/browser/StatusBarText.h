#pragma once
// The summary of the archive shown, in panel 1 of the main window's status bar: the archive file's size,
// the selected entries and all entries with their sizes.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace browser {

// A size cell's value as the locale writes numbers ("1,234", " 12.5", "-3"); nullopt when it is no number.
std::optional<double> ParseCellNumber(std::wstring_view text);

// "1.00KB" above 1024 bytes, else "1,024" and the unit word.
std::wstring SizeText(double bytes, const std::wstring& unitWord);

struct StatusCounts {
  double archiveBytes = 0;
  int32_t selectedCount = 0;
  double selectedBytes = 0;
  int32_t totalCount = 0;
  double totalBytes = 0;
};

// The panel text for the counts.
std::wstring StatusText(const StatusCounts& counts);

// Counts the entries of the entry list in one pass, reads the size of the archive file and writes the
// text into status panel 1.
void SetStatusBarText();

}  // namespace browser
