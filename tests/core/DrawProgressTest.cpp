#include "core/DrawProgress.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace {

TEST(DrawProgress, PercentShown) {
  struct Case {
    float fraction;
    bool final;
    int percent;
  };
  const Case cases[] = {
      {0.004f, false, 1}, {0.0f, false, 1},  {0.0f, true, 0},    {0.996f, false, 99}, {1.0f, false, 99},
      {1.0f, true, 100},  {0.425f, false, 43}, {0.424f, false, 42}, {0.5f, true, 50},
  };
  for (const auto& c : cases)
    EXPECT_EQ(core::ProgressPercent(c.fraction, c.final), c.percent) << c.fraction << (c.final ? " final" : "");
}

// A 32-bit bitmap the bar is drawn on, read back pixel by pixel.
class Canvas {
 public:
  Canvas(int width, int height) : width_(width), height_(height) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    dc_ = CreateCompatibleDC(nullptr);
    bitmap_ = CreateDIBSection(dc_, &info, DIB_RGB_COLORS, reinterpret_cast<void**>(&bits_), nullptr, 0);
    old_ = SelectObject(dc_, bitmap_);
    SelectObject(dc_, GetStockObject(DEFAULT_GUI_FONT));
  }
  ~Canvas() {
    SelectObject(dc_, old_);
    DeleteObject(bitmap_);
    DeleteDC(dc_);
  }
  HDC Dc() const { return dc_; }
  COLORREF At(int x, int y) const {
    GdiFlush();
    uint32_t p = bits_[y * width_ + x];
    return RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
  }
  int Count(COLORREF color, int x0, int x1) const {
    int n = 0;
    for (int y = 0; y < height_; ++y)
      for (int x = x0; x < x1; ++x) n += At(x, y) == color;
    return n;
  }

 private:
  int width_, height_;
  HDC dc_;
  HBITMAP bitmap_;
  HGDIOBJ old_;
  uint32_t* bits_ = nullptr;
};

const COLORREF kWhite = RGB(255, 255, 255);

TEST(DrawProgress, BarCoversTheDoneFractionAndTextStaysReadable) {
  const COLORREF fore = GetSysColor(COLOR_ACTIVECAPTION);
  ASSERT_NE(fore, kWhite);
  Canvas canvas(200, 24);
  core::DrawProgress(canvas.Dc(), 200, 24, 0.25f);
  EXPECT_EQ(canvas.At(2, 1), fore);
  EXPECT_EQ(canvas.At(48, 22), fore);
  EXPECT_EQ(canvas.At(52, 1), kWhite);
  EXPECT_EQ(canvas.At(198, 22), kWhite);
  // The text "25%" sits in the middle, in the bar colour over the white part.
  EXPECT_GT(canvas.Count(fore, 60, 140), 0);

  // A full bar: the text pixels turn white inside it, nowhere else is white.
  core::DrawProgress(canvas.Dc(), 200, 24, 1.0f, true);
  EXPECT_EQ(canvas.Count(kWhite, 0, 60), 0);
  EXPECT_EQ(canvas.Count(kWhite, 140, 200), 0);
  EXPECT_GT(canvas.Count(kWhite, 60, 140), 0);
}

TEST(DrawProgress, ZeroDrawsNoBarAndRedrawingErasesTheOldBar) {
  const COLORREF fore = GetSysColor(COLOR_ACTIVECAPTION);
  Canvas canvas(200, 24);
  core::DrawProgress(canvas.Dc(), 200, 24, 0.9f);
  core::DrawProgress(canvas.Dc(), 200, 24, 0.0f, true);
  EXPECT_EQ(canvas.Count(fore, 0, 60), 0);
  EXPECT_EQ(canvas.Count(fore, 140, 200), 0);
  EXPECT_GT(canvas.Count(fore, 60, 140), 0);  // "0%"
}

}  // namespace
