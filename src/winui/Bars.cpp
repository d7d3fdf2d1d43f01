// Status bar, progress bar, slider and tab strip.
#include <windows.h>
#include <commctrl.h>

#include <algorithm>

#include "winui/App.h"
#include "winui/CommonControls.h"
#include "winui/FormState.h"

namespace winui {
namespace {

RECT ToTwips(RECT r) {
  return {PixelsToTwipsX(r.left), PixelsToTwipsY(r.top), PixelsToTwipsX(r.right), PixelsToTwipsY(r.bottom)};
}

std::wstring ClockText(PanelStyle style) {
  wchar_t buffer[64] = {};
  if (style == PanelStyle::Date) GetDateFormatW(LOCALE_USER_DEFAULT, DATE_SHORTDATE, nullptr, nullptr, buffer, 63);
  if (style == PanelStyle::Time) GetTimeFormatW(LOCALE_USER_DEFAULT, TIME_NOSECONDS, nullptr, nullptr, buffer, 63);
  return buffer;
}

}  // namespace

void StatusBar::AddPanel(int widthTwips, PanelStyle style, const std::wstring& text) {
  detail::ControlState* state = State();
  if (!state || !state->hwnd) return;
  state->panels.push_back({widthTwips > 0 ? TwipsToPixelsX(widthTwips) : 0, style, text});
  Relayout();
  UpdateClock();
}

int StatusBar::PanelCount() const {
  detail::ControlState* state = State();
  return state ? static_cast<int>(state->panels.size()) : 0;
}

std::wstring StatusBar::PanelText(int panel) const {
  detail::ControlState* state = State();
  if (!state || panel < 1 || panel > PanelCount()) return {};
  return state->panels[static_cast<size_t>(panel - 1)].text;
}

void StatusBar::SetPanelText(int panel, const std::wstring& text) {
  detail::ControlState* state = State();
  if (!state || panel < 1 || panel > PanelCount()) return;
  state->panels[static_cast<size_t>(panel - 1)].text = text;
  Send(SB_SETTEXTW, static_cast<WPARAM>(panel - 1), reinterpret_cast<LPARAM>(text.c_str()));
}

int StatusBar::PanelWidth(int panel) const {
  if (panel < 1 || panel > PanelCount()) return 0;
  RECT r = PanelRect(panel);
  return r.right - r.left;
}

void StatusBar::SetPanelWidth(int panel, int widthTwips) {
  detail::ControlState* state = State();
  if (!state || panel < 1 || panel > PanelCount()) return;
  state->panels[static_cast<size_t>(panel - 1)].widthPx = widthTwips > 0 ? TwipsToPixelsX(widthTwips) : 0;
  Relayout();
}

void StatusBar::Relayout() {
  detail::ControlState* state = State();
  if (!state || !state->hwnd || state->panels.empty()) return;
  RECT client{};
  GetClientRect(state->hwnd, &client);
  int fixed = 0;
  for (const detail::PanelState& p : state->panels) fixed += p.widthPx;
  // Room kept for the size grip, so the last panel's text is not drawn under it.
  int grip = (GetWindowLongW(state->hwnd, GWL_STYLE) & SBARS_SIZEGRIP) ? GetSystemMetrics(SM_CXVSCROLL) : 0;
  int spring = std::max<int>(client.right - grip - fixed, 0);
  std::vector<int> edges;
  int right = 0;
  for (const detail::PanelState& p : state->panels) {
    right += p.widthPx > 0 ? p.widthPx : spring;
    edges.push_back(right);
  }
  edges.back() = -1;  // the last panel runs to the end
  Send(SB_SETPARTS, edges.size(), reinterpret_cast<LPARAM>(edges.data()));
  for (size_t i = 0; i < state->panels.size(); ++i)
    Send(SB_SETTEXTW, i, reinterpret_cast<LPARAM>(state->panels[i].text.c_str()));
}

RECT StatusBar::PanelRect(int panel) const {
  RECT r{};
  if (panel >= 1 && panel <= PanelCount())
    Send(SB_GETRECT, static_cast<WPARAM>(panel - 1), reinterpret_cast<LPARAM>(&r));
  return ToTwips(r);
}

void StatusBar::UpdateClock() {
  detail::ControlState* state = State();
  if (!state) return;
  for (size_t i = 0; i < state->panels.size(); ++i) {
    detail::PanelState& p = state->panels[i];
    if (p.style == PanelStyle::Text) continue;
    std::wstring text = ClockText(p.style);
    if (text == p.text) continue;
    p.text = text;
    Send(SB_SETTEXTW, i, reinterpret_cast<LPARAM>(p.text.c_str()));
  }
}

int ProgressBar::Min() const {
  detail::ControlState* state = State();
  return state ? state->min : 0;
}

int ProgressBar::Max() const {
  detail::ControlState* state = State();
  return state ? state->max : 0;
}

int ProgressBar::Value() const { return static_cast<int>(Send(PBM_GETPOS)); }

void ProgressBar::SetRange(int min, int max) {
  detail::ControlState* state = State();
  if (!state) return;
  state->min = min;
  state->max = std::max(min, max);
  Send(PBM_SETRANGE32, static_cast<WPARAM>(state->min), state->max);
}

void ProgressBar::SetValue(int value) { Send(PBM_SETPOS, static_cast<WPARAM>(value)); }

int Slider::Min() const { return static_cast<int>(Send(TBM_GETRANGEMIN)); }
int Slider::Max() const { return static_cast<int>(Send(TBM_GETRANGEMAX)); }
int Slider::Value() const {
  detail::ControlState* state = State();
  return state ? state->value : 0;
}

void Slider::SetRange(int min, int max) {
  detail::ControlState* state = State();
  if (!state) return;
  state->min = min;
  state->max = std::max(min, max);
  Send(TBM_SETRANGEMIN, FALSE, state->min);
  Send(TBM_SETRANGEMAX, TRUE, state->max);
  SetValue(state->value);
}

void Slider::SetValue(int value) {
  detail::ControlState* state = State();
  if (!state || !state->hwnd) return;
  value = std::clamp(value, state->min, state->max);
  Send(TBM_SETPOS, TRUE, value);
  if (value == state->value) return;
  state->value = value;
  Fire(Event::Change);
}

void Slider::SetTickFrequency(int every) { Send(TBM_SETTICFREQ, static_cast<WPARAM>(std::max(every, 1))); }

int TabStrip::AddTab(const std::wstring& caption, const std::wstring& key) {
  detail::ControlState* state = State();
  if (!state || !state->hwnd) return 0;
  detail::Quiet quiet(*form_);
  TCITEMW item{};
  item.mask = TCIF_TEXT;
  std::wstring copy = caption;
  item.pszText = copy.data();
  int at = TabCount();
  LRESULT r = Send(TCM_INSERTITEMW, static_cast<WPARAM>(at), reinterpret_cast<LPARAM>(&item));
  if (r < 0) return 0;
  state->tabKeys.insert(state->tabKeys.begin() + r, key);
  detail::ShowSelectedPage(*state);
  return static_cast<int>(r) + 1;
}

int TabStrip::TabCount() const { return static_cast<int>(Send(TCM_GETITEMCOUNT)); }

std::wstring TabStrip::TabCaption(int tab) const {
  wchar_t buffer[260] = {};
  TCITEMW item{};
  item.mask = TCIF_TEXT;
  item.pszText = buffer;
  item.cchTextMax = 259;
  if (!Send(TCM_GETITEMW, static_cast<WPARAM>(tab - 1), reinterpret_cast<LPARAM>(&item))) return {};
  return buffer;
}

std::wstring TabStrip::TabKey(int tab) const {
  detail::ControlState* state = State();
  if (!state || tab < 1 || tab > static_cast<int>(state->tabKeys.size())) return {};
  return state->tabKeys[static_cast<size_t>(tab - 1)];
}

int TabStrip::SelectedTab() const { return static_cast<int>(Send(TCM_GETCURSEL)) + 1; }

void TabStrip::SetSelectedTab(int tab) {
  if (tab < 1 || tab > TabCount() || tab == SelectedTab()) return;
  Send(TCM_SETCURSEL, static_cast<WPARAM>(tab - 1));
  if (detail::ControlState* state = State()) detail::ShowSelectedPage(*state);
  Fire(Event::Click);
}

void TabStrip::Clear() {
  detail::ControlState* state = State();
  if (!state) return;
  Send(TCM_DELETEALLITEMS);
  state->tabKeys.clear();
  detail::ShowSelectedPage(*state);
}

int TabStrip::PageCount() const {
  detail::ControlState* state = State();
  return state ? static_cast<int>(state->pages.size()) : 0;
}

int TabStrip::PageId(int tab) const {
  detail::ControlState* state = State();
  if (!state || tab < 1 || tab > static_cast<int>(state->pages.size())) return 0;
  return state->pages[static_cast<size_t>(tab - 1)];
}

RECT TabStrip::ClientArea() const {
  HWND hwnd = Hwnd();
  RECT r{};
  if (!hwnd) return r;
  GetWindowRect(hwnd, &r);
  Send(TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&r));
  MapWindowPoints(HWND_DESKTOP, form_->Hwnd(), reinterpret_cast<POINT*>(&r), 2);
  return ToTwips(r);
}

}  // namespace winui
