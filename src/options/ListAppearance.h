#pragma once
// How the entry list looks: its colours, font and grid lines as the general options keep them. One reading
// of the settings and one way of putting a look on a list view, for the options dialog's preview and for
// the main window when the options change.
#include <windows.h>

#include <cstdint>
#include <string>

#include "winui/CommonControls.h"

namespace options {

// The system colours a colour value may name instead of an RGB value.
constexpr int32_t kSystemWindowColour = static_cast<int32_t>(0x80000005u);
constexpr int32_t kSystemWindowTextColour = static_cast<int32_t>(0x80000008u);

struct ListAppearance {
  // Colour values as the settings hold them: an RGB value, or a system colour (0x80000000 | index).
  int32_t backColor = 0;
  int32_t foreColor = 0;
  double fontSize = 9;  // points
  std::wstring fontName;
  bool bold = false;
  bool italic = false;
  bool strikethrough = false;
  bool underline = false;
  bool grid = false;

  bool operator==(const ListAppearance&) const = default;
};

// Settings.BackColor, ForeColor, FontSize (a whole number of points, 9 when it is none), FontName, Font (four
// style characters, on unless "0") and Grid (on unless "0").
ListAppearance ListAppearanceFromSettings();
// Stores colours and font (not the grid lines, a switch of their own): the size in points with at most
// four decimals and no trailing zeros, the styles as "0"/"1" characters.
void StoreListAppearance(const ListAppearance& look);
// "9", "10.5", "8.25"...
std::wstring FontSizeText(double points);
// The font size a stored text gives: the text as a whole number (rounded), `fallback` when it is none.
int WholeFontSize(const std::wstring& text, int fallback);
// Puts the look on a list view (a system colour value is drawn as that system colour). `font` is the list's own font:
// the new one replaces it (the old one is deleted); the caller deletes the last one when the list goes.
void ApplyListAppearance(winui::ListView& list, const ListAppearance& look, HFONT& font);

}  // namespace options
