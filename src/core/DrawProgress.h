#pragma once
// The percentage bar every long loop draws in a picture box: a bar in the active title colour over white,
// with the percentage centred on it and readable over the bar.
#include <windows.h>

namespace core {

// The percentage shown: whole part of fraction x 100 + 0.5; a running count (final false) never shows 0
// or 100, only a final call does.
int ProgressPercent(float fraction, bool final = false);

// Paints the bar on a device context of width x height pixels with the font selected in it (or `font`).
// The caller shows the result (a picture box's persistent image is refreshed afterwards).
void DrawProgress(HDC dc, int width, int height, float fraction, bool final = false, HFONT font = nullptr);

}  // namespace core
