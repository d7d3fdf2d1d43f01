#include "core/DrawProgress.h"

#include <cmath>
#include <string>

namespace core {

int ProgressPercent(float fraction, bool final) {
  int percent = static_cast<int>(std::floor(static_cast<double>(fraction) * 100 + 0.5));
  if (!final && percent == 0) return 1;
  if (!final && percent == 100) return 99;
  return percent;
}

void DrawProgress(HDC dc, int width, int height, float fraction, bool final, HFONT font) {
  const COLORREF fore = GetSysColor(COLOR_ACTIVECAPTION);
  const COLORREF back = RGB(255, 255, 255);
  HGDIOBJ oldFont = font ? SelectObject(dc, font) : nullptr;

  RECT all{0, 0, width, height};
  HBRUSH backBrush = CreateSolidBrush(back);
  FillRect(dc, &all, backBrush);

  const std::wstring text = std::to_wstring(ProgressPercent(fraction, final)) + L"%";
  SIZE extent{};
  GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &extent);
  // Halves go to the even neighbour, as the position of the text always has.
  const int left = static_cast<int>(std::nearbyint(width / 2.0 - extent.cx / 2.0));
  const int top = static_cast<int>(std::nearbyint(height / 2.0 - extent.cy / 2.0));
  RECT textRect{left, top, left + extent.cx, top + extent.cy};
  FillRect(dc, &textRect, backBrush);
  DeleteObject(backBrush);
  const int oldMode = SetBkMode(dc, TRANSPARENT);
  const COLORREF oldColor = SetTextColor(dc, fore);
  TextOutW(dc, left, top, text.c_str(), static_cast<int>(text.size()));
  SetTextColor(dc, oldColor);
  SetBkMode(dc, oldMode);

  if (fraction > 0) {
    // Not-xor with the fore colour: white turns into the bar colour and the text under the bar turns
    // white, so the percentage stays readable.
    const int barWidth = static_cast<int>(std::lround(width * static_cast<double>(fraction > 1 ? 1 : fraction)));
    HBRUSH bar = CreateSolidBrush(fore);
    HGDIOBJ oldBrush = SelectObject(dc, bar);
    PatBlt(dc, 0, 0, barWidth, height, 0x00A50065);  // PDxn: ~(pattern ^ destination)
    SelectObject(dc, oldBrush);
    DeleteObject(bar);
  }
  if (oldFont) SelectObject(dc, oldFont);
}

}  // namespace core
