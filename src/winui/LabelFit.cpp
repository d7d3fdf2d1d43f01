// A label's text measured with the font it is drawn in, and a label that would cut its text made wide
// enough to show it. The forms give their sizes in twips for the fonts they were laid out with; the fonts
// the program really gets (a substitute face, another size at another DPI) can draw the same text wider.
#include <windows.h>

#include <algorithm>
#include <string>

#include "winui/Controls.h"
#include "winui/Internal.h"

namespace winui {
namespace {

// Room left between a grown label and the control beside it.
constexpr int kGap = 2;

// The static control's own drawing: words broken at the width, tabs expanded, "&" an access key unless
// the control says otherwise.
UINT DrawFlags(HWND label) {
  const LONG style = GetWindowLongW(label, GWL_STYLE);
  UINT flags = DT_CALCRECT | DT_WORDBREAK | DT_EXPANDTABS;
  if (style & SS_NOPREFIX) flags |= DT_NOPREFIX;
  return flags;
}

struct Measure {
  SIZE need;       // the client size the text takes, broken into lines at the width asked
  int lineHeight;  // one line of the label's font
};

Measure Needed(HWND label, const std::wstring& text, int width) {
  HDC dc = GetDC(label);
  HGDIOBJ old = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(label, WM_GETFONT, 0, 0)));
  RECT r{0, 0, width, 0};
  DrawTextW(dc, text.c_str(), -1, &r, DrawFlags(label));
  TEXTMETRICW metrics{};
  GetTextMetricsW(dc, &metrics);
  SelectObject(dc, old);
  ReleaseDC(label, dc);
  return Measure{SIZE{r.right, r.bottom}, std::max<int>(1, metrics.tmHeight)};
}

// Lines a label of `height` shows: a line cut by a pixel or two at its foot still reads, and a label lower
// than its font's line (the forms' one-line labels often are) still shows its first line.
int LinesShown(int height, int lineHeight) { return std::max(1, (height + 2) / lineHeight); }

bool Fits(HWND label, const std::wstring& text, int width, int height) {
  const Measure m = Needed(label, text, width);
  return m.need.cx <= width && m.need.cy <= LinesShown(height, m.lineHeight) * m.lineHeight;
}

// The label's rectangle in its parent's client coordinates.
RECT InParent(HWND window) {
  RECT r;
  GetWindowRect(window, &r);
  MapWindowPoints(nullptr, GetParent(window), reinterpret_cast<POINT*>(&r), 2);
  return r;
}

bool Overlaps(LONG a1, LONG a2, LONG b1, LONG b2) { return a1 < b2 && b1 < a2; }

// How far right and down the label may reach: its parent's client edge, or short of the first control to
// its right (beside it) and below it (under it) that is meant to be seen.
RECT Limits(HWND label) {
  HWND parent = GetParent(label);
  RECT client;
  GetClientRect(parent, &client);
  const RECT own = InParent(label);
  RECT limit{0, 0, client.right, client.bottom};
  for (HWND other = GetWindow(parent, GW_CHILD); other; other = GetWindow(other, GW_HWNDNEXT)) {
    if (other == label || !(GetWindowLongW(other, GWL_STYLE) & WS_VISIBLE)) continue;
    const RECT r = InParent(other);
    if (r.left >= own.right && Overlaps(own.top, own.bottom, r.top, r.bottom))
      limit.right = std::min(limit.right, r.left - kGap);
    if (r.top >= own.bottom && Overlaps(own.left, own.right, r.left, r.right))
      limit.bottom = std::min(limit.bottom, r.top - kGap);
  }
  return limit;
}

}  // namespace

bool LabelShowsWhole(HWND label) {
  const std::wstring text = detail::WindowText(label);
  if (text.empty()) return true;
  RECT client;
  GetClientRect(label, &client);
  return Fits(label, text, client.right, client.bottom);
}

namespace detail {

void FitLabel(HWND label) {
  if (!label || LabelShowsWhole(label)) return;
  const std::wstring text = WindowText(label);
  RECT client, window;
  GetClientRect(label, &client);
  GetWindowRect(label, &window);
  // A border takes its share of the window on each side.
  const int frameX = (window.right - window.left) - client.right;
  const int frameY = (window.bottom - window.top) - client.bottom;
  const RECT own = InParent(label);
  const RECT limit = Limits(label);
  const int widest = std::max<int>(client.right, limit.right - own.left - frameX);
  int width = client.right;
  while (width < widest && !Fits(label, text, width, client.bottom)) ++width;
  int height = client.bottom;
  // Wide as it may be and still cut: the lines it now needs, as far down as there is room.
  if (!Fits(label, text, width, height)) {
    const int tallest = std::max<int>(height, limit.bottom - own.top - frameY);
    height = std::clamp<int>(Needed(label, text, width).need.cy, height, tallest);
  }
  SetWindowPos(label, nullptr, 0, 0, width + frameX, height + frameY,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace detail
}  // namespace winui
