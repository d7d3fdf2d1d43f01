// Fitting the entry list's columns to their widest cells. The control's own fitting reads and measures every
// cell of the column, which for tens of thousands of entries takes seconds; here each character is measured
// once, the few widest cells of each column are found from those measures, and the control fits its columns
// to those cells alone, with its own margins.
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <utility>
#include <vector>

#include "browser/BrowserViews.h"
#include "browser/EntryList.h"
#include "browser/TreeListUpkeep.h"
#include "core/SettingValues.h"
#include "core/Settings.h"

namespace browser {
namespace {

// Cells whose measure comes this close to the widest are all handed to the control: the sum of the
// characters' widths can differ from the width of the whole text by a pixel or two.
constexpr size_t kCandidates = 4;

// Widths of texts in the list's font, from the width of each character, measured once.
class TextWidths {
 public:
  explicit TextWidths(HWND list) : dc_(GetDC(list)), list_(list), widths_(65536, -1) {
    HFONT font = reinterpret_cast<HFONT>(SendMessageW(list, WM_GETFONT, 0, 0));
    if (dc_ && font) oldFont_ = SelectObject(dc_, font);
  }
  ~TextWidths() {
    if (!dc_) return;
    if (oldFont_) SelectObject(dc_, oldFont_);
    ReleaseDC(list_, dc_);
  }
  TextWidths(const TextWidths&) = delete;
  TextWidths& operator=(const TextWidths&) = delete;

  int Of(std::wstring_view text) {
    int width = 0;
    for (wchar_t c : text) {
      int& known = widths_[static_cast<unsigned short>(c)];
      if (known < 0) {
        SIZE size{};
        known = dc_ && GetTextExtentPoint32W(dc_, &c, 1, &size) ? size.cx : 0;
      }
      width += known;
    }
    return width;
  }

 private:
  HDC dc_;
  HWND list_;
  HGDIOBJ oldFont_ = nullptr;
  std::vector<int> widths_;
};

bool IsDetailsView(HWND list) { return list && (GetWindowLongW(list, GWL_STYLE) & LVS_TYPEMASK) == LVS_REPORT; }

// The rows holding the widest cells of columns 0 to lastColumn, each row once.
std::vector<size_t> WidestRows(const EntryList& entries, HWND list, int lastColumn) {
  TextWidths widths(list);
  std::vector<size_t> rows;
  for (int column = 0; column <= lastColumn; ++column) {
    std::vector<std::pair<int, size_t>> best;  // (width, row), widest first
    for (int row = 0; row < entries.Count(); ++row) {
      const int width = widths.Of(entries.Row(row).Cell(column));
      if (best.size() == kCandidates && width <= best.back().first) continue;
      best.emplace_back(width, static_cast<size_t>(row));
      std::sort(best.begin(), best.end(), [](const auto& a, const auto& b) { return a.first > b.first; });
      if (best.size() > kCandidates) best.pop_back();
    }
    for (const auto& [width, row] : best)
      if (std::find(rows.begin(), rows.end(), row) == rows.end()) rows.push_back(row);
  }
  std::sort(rows.begin(), rows.end());
  return rows;
}

}  // namespace

void AutoSizeColumns(int lastColumn) {
  BrowserViews* views = Views();
  EntryList& entries = Entries();
  if (!views || core::IsOn(core::Settings.RetuKotei)) return;
  HWND list = views->lvListView.Hwnd();
  if (!IsDetailsView(list) || entries.Count() == 0) return;
  const std::vector<size_t> rows = WidestRows(entries, list, std::min(lastColumn, 8));
  entries.Show(&rows);
  for (int column = 0; column <= lastColumn; ++column)
    SendMessageW(list, LVM_SETCOLUMNWIDTH, static_cast<WPARAM>(column), MAKELPARAM(LVSCW_AUTOSIZE, 0));
  entries.Show(nullptr);
}

}  // namespace browser
