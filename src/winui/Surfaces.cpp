// Scroll bars, picture boxes (a persistent image to draw on), images and timers.
#include <algorithm>

#include "winui/App.h"
#include "winui/Controls.h"
#include "winui/FormState.h"
#include "winui/Internal.h"
#include "winui/OwnClasses.h"

namespace winui {

namespace {
void ApplyRange(HWND bar, const detail::ControlState& state) {
  SCROLLINFO info{};
  info.cbSize = sizeof info;
  info.fMask = SIF_RANGE | SIF_PAGE;
  info.nMin = std::min(state.min, state.max);
  info.nMax = std::max(state.min, state.max);
  info.nPage = 0;
  SetScrollInfo(bar, SB_CTL, &info, TRUE);
}
}  // namespace

int ScrollBar::Min() const {
  detail::ControlState* state = State();
  return state ? state->min : 0;
}

int ScrollBar::Max() const {
  detail::ControlState* state = State();
  return state ? state->max : 0;
}

int ScrollBar::Value() const {
  detail::ControlState* state = State();
  return state ? state->value : 0;
}

void ScrollBar::SetMin(int v) {
  detail::ControlState* state = State();
  if (!state || !state->hwnd) return;
  state->min = v;
  ApplyRange(state->hwnd, *state);
  SetValue(state->value);
}

void ScrollBar::SetMax(int v) {
  detail::ControlState* state = State();
  if (!state || !state->hwnd) return;
  state->max = v;
  ApplyRange(state->hwnd, *state);
  SetValue(state->value);
}

void ScrollBar::SetValue(int v) {
  detail::ControlState* state = State();
  if (!state || !state->hwnd) return;
  v = std::clamp(v, std::min(state->min, state->max), std::max(state->min, state->max));
  SetScrollPos(state->hwnd, SB_CTL, v, TRUE);
  if (v == state->value) return;
  state->value = v;
  Fire(Event::Change);
}

int ScrollBar::SmallChange() const {
  detail::ControlState* state = State();
  return state ? state->smallChange : 1;
}

int ScrollBar::LargeChange() const {
  detail::ControlState* state = State();
  return state ? state->largeChange : 1;
}

void ScrollBar::SetSmallChange(int v) {
  if (detail::ControlState* state = State()) state->smallChange = std::max(v, 1);
}

void ScrollBar::SetLargeChange(int v) {
  if (detail::ControlState* state = State()) state->largeChange = std::max(v, 1);
}

HDC PictureBox::Hdc() const {
  detail::ControlState* state = State();
  if (!state || !state->hwnd) return nullptr;
  detail::EnsureImage(*state);
  return state->imageDc;
}

void PictureBox::Cls() {
  detail::ControlState* state = State();
  if (!state || !Hdc()) return;
  BITMAP bm{};
  GetObjectW(state->imageBitmap, sizeof bm, &bm);
  RECT all{0, 0, bm.bmWidth, bm.bmHeight};
  FillRect(state->imageDc, &all, detail::BackBrush(*state));
  InvalidateRect(state->hwnd, nullptr, FALSE);
}

void PictureBox::SetPicture(HBITMAP bitmap) {
  HDC dc = Hdc();
  if (!dc || !bitmap) return;
  BITMAP bm{};
  GetObjectW(bitmap, sizeof bm, &bm);
  HDC mem = CreateCompatibleDC(dc);
  HGDIOBJ old = SelectObject(mem, bitmap);
  BitBlt(dc, 0, 0, bm.bmWidth, bm.bmHeight, mem, 0, 0, SRCCOPY);
  SelectObject(mem, old);
  DeleteDC(mem);
  InvalidateRect(Hwnd(), nullptr, FALSE);
}

void PictureBox::SetPicture(HICON icon) {
  HDC dc = Hdc();
  if (!dc || !icon) return;
  DrawIconEx(dc, 0, 0, icon, 0, 0, 0, nullptr, DI_NORMAL);
  InvalidateRect(Hwnd(), nullptr, FALSE);
}

namespace {
SIZE TextSize(HDC dc, const std::wstring& text) {
  SIZE size{};
  if (dc) GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
  return size;
}
}  // namespace

int PictureBox::TextWidth(const std::wstring& text) const { return PixelsToTwipsX(TextSize(Hdc(), text).cx); }
int PictureBox::TextHeight(const std::wstring& text) const {
  return PixelsToTwipsY(TextSize(Hdc(), text.empty() ? L" " : text).cy);
}

void PictureBox::Print(const std::wstring& text, int xTwips, int yTwips) {
  HDC dc = Hdc();
  if (!dc) return;
  detail::ControlState* state = State();
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc,
               state->foreColor == CLR_INVALID ? GetSysColor(COLOR_BTNTEXT) : detail::ResolveColor(state->foreColor));
  TextOutW(dc, TwipsToPixelsX(xTwips), TwipsToPixelsY(yTwips), text.c_str(), static_cast<int>(text.size()));
  InvalidateRect(Hwnd(), nullptr, FALSE);
}

int PictureBox::ScaleWidth() const {
  RECT rc{};
  if (HWND hwnd = Hwnd()) GetClientRect(hwnd, &rc);
  return PixelsToTwipsX(rc.right);
}

int PictureBox::ScaleHeight() const {
  RECT rc{};
  if (HWND hwnd = Hwnd()) GetClientRect(hwnd, &rc);
  return PixelsToTwipsY(rc.bottom);
}

void Image::SetPicture(HICON icon) {
  detail::ControlState* state = State();
  if (!state) return;
  if (state->pictureIcon) DestroyIcon(state->pictureIcon);
  if (state->pictureBitmap) DeleteObject(state->pictureBitmap);
  state->pictureBitmap = nullptr;
  state->pictureIcon = icon ? CopyIcon(icon) : nullptr;
  Refresh();
}

void Image::SetPicture(HBITMAP bitmap) {
  detail::ControlState* state = State();
  if (!state) return;
  if (state->pictureIcon) DestroyIcon(state->pictureIcon);
  if (state->pictureBitmap) DeleteObject(state->pictureBitmap);
  state->pictureIcon = nullptr;
  state->pictureBitmap =
      bitmap ? static_cast<HBITMAP>(CopyImage(bitmap, IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)) : nullptr;
  Refresh();
}

void Image::SetStretch(bool stretch) {
  if (detail::ControlState* state = State()) state->stretch = stretch;
  Refresh();
}

int Timer::Interval() const {
  detail::ControlState* state = State();
  return state ? state->interval : 0;
}

namespace {
void ApplyTimer(Form& form, const detail::ControlState& state) {
  if (!form.Hwnd()) return;
  auto timerId = static_cast<UINT_PTR>(state.id);
  if (state.timerEnabled && state.interval > 0)
    SetTimer(form.Hwnd(), timerId, static_cast<UINT>(state.interval), nullptr);
  else
    KillTimer(form.Hwnd(), timerId);
}
}  // namespace

void Timer::SetInterval(int milliseconds) {
  detail::ControlState* state = State();
  if (!state) return;
  state->interval = std::max(milliseconds, 0);
  ApplyTimer(*form_, *state);
}

bool Timer::Enabled() const {
  detail::ControlState* state = State();
  return state && state->timerEnabled;
}

void Timer::SetEnabled(bool enabled) {
  detail::ControlState* state = State();
  if (!state) return;
  state->timerEnabled = enabled;
  ApplyTimer(*form_, *state);
}

}  // namespace winui
