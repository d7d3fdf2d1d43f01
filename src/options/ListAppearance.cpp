#include "options/ListAppearance.h"

#include <cmath>
#include <cwchar>

#include "core/SettingValues.h"
#include "core/Settings.h"
#include "core/Text.h"
#include "winui/App.h"

namespace options {

namespace {
constexpr int kDefaultPoints = 9;
constexpr int kMostPoints = 32767;
}  // namespace

int WholeFontSize(const std::wstring& text, int fallback) {
  const std::wstring trimmed = core::Trim(text);
  if (trimmed.empty()) return fallback;
  wchar_t* end = nullptr;
  const double value = std::wcstod(trimmed.c_str(), &end);
  if (!end || *end != L'\0' || !std::isfinite(value)) return fallback;
  const double rounded = std::nearbyint(value);
  if (rounded < 1 || rounded > kMostPoints) return fallback;
  return static_cast<int>(rounded);
}

ListAppearance ListAppearanceFromSettings() {
  const core::SettingsStore& s = core::Settings;
  ListAppearance look;
  look.backColor = s.BackColor;
  look.foreColor = s.ForeColor;
  look.fontSize = WholeFontSize(s.FontSize, kDefaultPoints);
  look.fontName = s.FontName;
  auto on = [&s](size_t k) { return s.Font.size() > k && s.Font[k] != L'0'; };
  look.bold = on(0);
  look.italic = on(1);
  look.strikethrough = on(2);
  look.underline = on(3);
  look.grid = core::IsOn(s.Grid);
  return look;
}

std::wstring FontSizeText(double points) {
  wchar_t text[64];
  std::swprintf(text, 64, L"%.4f", points);
  std::wstring result = text;
  while (!result.empty() && result.back() == L'0') result.pop_back();
  if (!result.empty() && result.back() == L'.') result.pop_back();
  return result;
}

void StoreListAppearance(const ListAppearance& look) {
  core::SettingsStore& s = core::Settings;
  s.BackColor = look.backColor;
  s.ForeColor = look.foreColor;
  s.FontSize = FontSizeText(look.fontSize);
  s.FontName = look.fontName;
  s.Font = L"0000";
  if (look.bold) s.Font[0] = L'1';
  if (look.italic) s.Font[1] = L'1';
  if (look.strikethrough) s.Font[2] = L'1';
  if (look.underline) s.Font[3] = L'1';
}

void ApplyListAppearance(winui::ListView& list, const ListAppearance& look, HFONT& font) {
  list.SetColors(static_cast<COLORREF>(look.foreColor), static_cast<COLORREF>(look.backColor));
  list.SetGridLines(look.grid);
  LOGFONTW logFont{};
  logFont.lfHeight = -static_cast<LONG>(std::lround(look.fontSize * winui::ScreenDpiY() / 72.0));
  logFont.lfWeight = look.bold ? FW_BOLD : FW_NORMAL;
  logFont.lfItalic = look.italic;
  logFont.lfStrikeOut = look.strikethrough;
  logFont.lfUnderline = look.underline;
  logFont.lfCharSet = SHIFTJIS_CHARSET;
  lstrcpynW(logFont.lfFaceName, look.fontName.c_str(), LF_FACESIZE);
  HFONT created = CreateFontIndirectW(&logFont);
  if (!created) return;
  SendMessageW(list.Hwnd(), WM_SETFONT, reinterpret_cast<WPARAM>(created), TRUE);
  if (font) DeleteObject(font);
  font = created;
}

}  // namespace options
