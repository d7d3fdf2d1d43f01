#include "browser/StatusBarText.h"

#include <windows.h>

#include <cmath>

#include "browser/BrowserViews.h"
#include "browser/EntryList.h"
#include "core/Text.h"
#include "core/modTolvenar.h"

namespace browser {
namespace {

// Length of the archive file; 0 when there is none or it cannot be read.
double ArchiveFileBytes(const std::wstring& path) {
  WIN32_FILE_ATTRIBUTE_DATA data;
  if (path.empty() || !GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &data) ||
      (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
    return 0;
  return static_cast<double>((static_cast<uint64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow);
}

}  // namespace

std::optional<double> ParseCellNumber(std::wstring_view text) {
  size_t i = 0;
  const size_t n = text.size();
  while (i < n && text[i] == L' ') ++i;
  bool negative = false;
  if (i < n && (text[i] == L'+' || text[i] == L'-')) negative = text[i++] == L'-';
  double value = 0;
  bool digits = false;
  for (; i < n && ((text[i] >= L'0' && text[i] <= L'9') || (text[i] == L',' && digits)); ++i) {
    if (text[i] == L',') continue;
    value = value * 10 + (text[i] - L'0');
    digits = true;
  }
  if (i < n && text[i] == L'.') {
    double scale = 0.1;
    for (++i; i < n && text[i] >= L'0' && text[i] <= L'9'; ++i, scale /= 10) {
      value += (text[i] - L'0') * scale;
      digits = true;
    }
  }
  while (i < n && text[i] == L' ') ++i;
  if (!digits || i != n) return std::nullopt;
  return negative ? -value : value;
}

std::wstring SizeText(double bytes, const std::wstring& unitWord) {
  if (bytes > 1024) return core::FormatNumber(bytes / 1024, L"#,##0.00") + L"KB";
  return core::FormatNumber(bytes, L"#,##0") + unitWord;
}

std::wstring StatusText(const StatusCounts& c) {
  std::wstring archive = SizeText(c.archiveBytes, L"bytes");
  if (c.archiveBytes > 1024) archive += L"( " + core::FormatNumber(c.archiveBytes, L"#,##0") + L"bytes" + L" ) ";
  return L"圧縮サイズ " + archive + L" 選択数 " + core::ToWString(c.selectedCount) + L"個( " +
         SizeText(c.selectedBytes, L"byte") + L" ) " + L"全ファイル数 " + core::ToWString(c.totalCount) + L"個( " +
         SizeText(c.totalBytes, L"bytes") + L" ) ";
}

void SetStatusBarText() {
  BrowserViews* views = Views();
  if (!views) return;
  StatusCounts counts;
  const EntryList& entries = Entries();
  const std::vector<int> selected = entries.Selected();
  size_t nextSelected = 0;
  const int items = entries.Count();
  for (int item = 0; item < items; ++item) {
    // The size column as whole bytes, as the list shows it.
    std::optional<double> size = ParseCellNumber(entries.Row(item).Cell(2));
    double bytes = size ? std::round(*size) : 0;
    if (nextSelected < selected.size() && selected[nextSelected] == item) {
      ++nextSelected;
      counts.selectedBytes += bytes;
      ++counts.selectedCount;
    }
    counts.totalBytes += bytes;
    ++counts.totalCount;
  }
  counts.archiveBytes = ArchiveFileBytes(core::PrivateState.ArcFileName());
  views->sbStatusBar.SetPanelText(1, StatusText(counts));
}

}  // namespace browser
