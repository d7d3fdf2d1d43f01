#pragma once
// Reading a setting as what it stands for. The settings file keeps every value as text; these are the only
// rules by which the program turns that text into a flag, a whole number or a colour.
#include <windows.h>

#include <climits>
#include <cstdint>
#include <optional>
#include <string>

namespace core {

// A flag: off when the text is exactly "0" (what the program writes for off), on for anything else.
bool IsOn(const std::wstring& flag);

// A whole number (blanks around and a sign allowed) within [low, high]; nullopt for any other text.
std::optional<int> WholeSetting(const std::wstring& text, int low = INT_MIN, int high = INT_MAX);
// The same with `fallback` in place of nullopt.
int WholeSetting(const std::wstring& text, int fallback, int low, int high);

// A colour value as the window colours hold it, resolved now by the window layer's one rule
// (winui::ResolveColor): a plain colour, or 0x80000000 + COLOR_xxx for a system colour; anything else is black.
COLORREF ColorSetting(int32_t value);

// What the program writes for a flag: "1" on, "0" off.
const wchar_t* FlagText(bool on);

}  // namespace core
