// Creating a form's controls from its table: window classes and styles per kind, twips to pixels,
// containers, Tab order, option groups, rebar bands and timers.
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <functional>
#include <numeric>

#include "winui/App.h"
#include "winui/CommonControls.h"
#include "winui/Form.h"
#include "winui/FormState.h"
#include "winui/Internal.h"
#include "winui/OwnClasses.h"

namespace winui {
namespace {

constexpr UINT_PTR kClockTimer = 0xFFF0;

struct ClassAndStyle {
  const wchar_t* cls;
  DWORD style;
  DWORD exStyle;
};

bool Has(const ControlDef& def, Style flag) { return (def.style & flag) != 0; }

ClassAndStyle ClassFor(const ControlDef& def, bool inRebar, bool sizableForm) {
  DWORD tab = Has(def, kNoTabStop) ? 0 : WS_TABSTOP;
  switch (def.kind) {
    case Kind::Label: {
      DWORD align = Has(def, kAlignRight) ? SS_RIGHT : Has(def, kAlignCenter) ? SS_CENTER : SS_LEFT;
      return {WC_STATICW, align | SS_NOTIFY | (Has(def, kBorder) ? WS_BORDER : 0u), 0};
    }
    case Kind::TextBox: {
      DWORD style = tab | (Has(def, kAlignRight) ? ES_RIGHT : Has(def, kAlignCenter) ? ES_CENTER : ES_LEFT);
      if (Has(def, kMultiLine)) {
        style |= ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN | WS_VSCROLL;
        if (Has(def, kScrollBars)) style |= WS_HSCROLL | ES_AUTOHSCROLL;
      } else {
        style |= ES_AUTOHSCROLL;
      }
      if (Has(def, kReadOnly)) style |= ES_READONLY;
      if (Has(def, kPassword)) style |= ES_PASSWORD;
      return {WC_EDITW, style, WS_EX_CLIENTEDGE};
    }
    case Kind::CommandButton:
      return {WC_BUTTONW, tab | (Has(def, kDefault) ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON) | BS_NOTIFY, 0};
    case Kind::CheckBox:
      return {WC_BUTTONW, tab | BS_3STATE | (Has(def, kGraphical) ? BS_PUSHLIKE : 0u), 0};
    case Kind::OptionButton:
      return {WC_BUTTONW, tab | BS_RADIOBUTTON | (Has(def, kGraphical) ? BS_PUSHLIKE : 0u), 0};
    case Kind::Frame:
      return {detail::kFrameClass, 0, WS_EX_CONTROLPARENT};
    case Kind::ComboBox: {
      DWORD style = tab | WS_VSCROLL | (Has(def, kDropDownList) ? CBS_DROPDOWNLIST : CBS_DROPDOWN | CBS_AUTOHSCROLL);
      if (Has(def, kSorted)) style |= CBS_SORT;
      return {WC_COMBOBOXW, style, 0};
    }
    case Kind::ListBox: {
      DWORD style = tab | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_VSCROLL;
      if (Has(def, kSorted)) style |= LBS_SORT;
      if (Has(def, kMultiSelect)) style |= LBS_EXTENDEDSEL;
      if (Has(def, kScrollBars)) style |= WS_HSCROLL;
      return {WC_LISTBOXW, style, WS_EX_CLIENTEDGE};
    }
    case Kind::PictureBox:
      return {detail::kPictureClass, 0, WS_EX_CONTROLPARENT | (Has(def, kBorder) ? WS_EX_CLIENTEDGE : 0u)};
    case Kind::Image:
      return {detail::kImageClass, Has(def, kBorder) ? WS_BORDER : 0u, Has(def, kTransparent) ? WS_EX_TRANSPARENT : 0u};
    case Kind::HScrollBar:
      return {WC_SCROLLBARW, tab | SBS_HORZ, 0};
    case Kind::VScrollBar:
      return {WC_SCROLLBARW, tab | SBS_VERT, 0};
    case Kind::ListView: {
      DWORD style = tab | LVS_REPORT | LVS_SHOWSELALWAYS | LVS_SHAREIMAGELISTS;
      if (!Has(def, kMultiSelect)) style |= LVS_SINGLESEL;
      if (Has(def, kLabelEdit)) style |= LVS_EDITLABELS;
      if (Has(def, kNoColumnHeaders)) style |= LVS_NOCOLUMNHEADER;
      if (Has(def, kOwnerData)) style |= LVS_OWNERDATA;
      return {WC_LISTVIEWW, style, WS_EX_CLIENTEDGE};
    }
    case Kind::TreeView: {
      DWORD style = tab | TVS_SHOWSELALWAYS;
      if (Has(def, kLinesAndButtons)) style |= TVS_HASLINES | TVS_HASBUTTONS | TVS_LINESATROOT;
      if (Has(def, kLabelEdit)) style |= TVS_EDITLABELS;
      return {WC_TREEVIEWW, style, WS_EX_CLIENTEDGE};
    }
    case Kind::StatusBar:
      return {STATUSCLASSNAMEW, SBARS_TOOLTIPS | (sizableForm && !Has(def, kNoSizeGrip) ? SBARS_SIZEGRIP : 0u), 0};
    case Kind::ProgressBar:
      return {PROGRESS_CLASSW, PBS_SMOOTH, 0};
    case Kind::Slider:
      return {TRACKBAR_CLASSW, tab | TBS_AUTOTICKS | (def.height > def.width ? TBS_VERT : TBS_HORZ), 0};
    case Kind::TabStrip:
      return {WC_TABCONTROLW, tab, 0};
    case Kind::Toolbar: {
      DWORD style = TBSTYLE_FLAT | TBSTYLE_TOOLTIPS | CCS_NODIVIDER;
      if (inRebar) style |= CCS_NORESIZE | CCS_NOPARENTALIGN;
      return {TOOLBARCLASSNAMEW, style, 0};
    }
    case Kind::Rebar:
      return {REBARCLASSNAMEW, RBS_VARHEIGHT | RBS_BANDBORDERS | CCS_NODIVIDER | CCS_TOP | WS_CLIPCHILDREN, 0};
    case Kind::Timer:
      break;
  }
  return {nullptr, 0, 0};
}

// Controls that paint over others and take no part in the Tab order go on top, later rows above earlier
// ones (a progress box laid over a status bar, a splitter grip between two views).
bool IsOverlay(const ControlDef& def, const std::vector<ControlDef>& all) {
  if (def.kind == Kind::Image || def.kind == Kind::ProgressBar) return true;
  if (def.kind != Kind::PictureBox) return false;
  return std::none_of(all.begin(), all.end(), [&](const ControlDef& other) { return other.container == def.id; });
}

// What each kind needs right after creation: ranges, extended styles, structure sizes.
void InitControl(detail::ControlState& state) {
  HWND hwnd = state.hwnd;
  const ControlDef& def = state.def;
  switch (def.kind) {
    case Kind::HScrollBar:
    case Kind::VScrollBar: {
      SCROLLINFO info{sizeof info, SIF_RANGE | SIF_POS | SIF_PAGE, state.min, state.max, 0, 0, 0};
      SetScrollInfo(hwnd, SB_CTL, &info, FALSE);
      break;
    }
    case Kind::Slider:
      SendMessageW(hwnd, TBM_SETRANGEMIN, FALSE, state.min);
      SendMessageW(hwnd, TBM_SETRANGEMAX, TRUE, state.max);
      break;
    case Kind::ProgressBar:
      SendMessageW(hwnd, PBM_SETRANGE32, static_cast<WPARAM>(state.min), state.max);
      break;
    case Kind::ListView: {
      DWORD ex = LVS_EX_LABELTIP;
      if (def.style & kFullRowSelect) ex |= LVS_EX_FULLROWSELECT;
      if (def.style & kGridLines) ex |= LVS_EX_GRIDLINES;
      SendMessageW(hwnd, LVM_SETEXTENDEDLISTVIEWSTYLE, ex, ex);
      break;
    }
    case Kind::Toolbar:
      SendMessageW(hwnd, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
      SendMessageW(hwnd, TB_SETEXTENDEDSTYLE, 0, TBSTYLE_EX_DRAWDDARROWS);
      break;
    default:
      break;
  }
}

}  // namespace

HWND Form::CreateControl(const ControlDef& def, int id, int index) {
  auto state = std::make_unique<detail::ControlState>();
  state->form = this;
  state->id = id;
  state->def = def;
  state->def.id = id;
  state->def.index = index;
  state->value = 0;
  state->max = def.value > 0 ? def.value : 100;
  state->interval = def.kind == Kind::Timer ? def.value : 0;
  state->timerEnabled = def.kind == Kind::Timer && !(def.style & kDisabled);
  detail::ControlState* raw = state.get();
  controls_[id] = std::move(state);
  if (def.kind == Kind::Timer) {
    if (raw->timerEnabled && raw->interval > 0) SetTimer(hwnd_, static_cast<UINT_PTR>(id), raw->interval, nullptr);
    return nullptr;
  }

  HWND parent = hwnd_;
  Kind parentKind = Kind::Timer;
  bool visible = !(def.style & kHidden);
  if (def.container) {
    detail::ControlState* container = State(def.container);
    if (!container || !container->hwnd) return nullptr;
    parent = container->hwnd;
    parentKind = container->def.kind;
    if (parentKind == Kind::TabStrip) {
      // A page sits beside its strip; until tabs exist the first page shows.
      parent = GetParent(container->hwnd);
      if (std::find(container->pages.begin(), container->pages.end(), id) == container->pages.end())
        container->pages.push_back(id);
      visible = container->pages.front() == id;
    }
  }
  bool sizable = formDef_.border == BorderStyle::Sizable || formDef_.border == BorderStyle::SizableToolWindow;
  ClassAndStyle cs = ClassFor(def, parentKind == Kind::Rebar, sizable);
  DWORD style = cs.style | WS_CHILD | WS_CLIPSIBLINGS;
  if (visible) style |= WS_VISIBLE;
  if (def.style & kDisabled) style |= WS_DISABLED;
  int x = TwipsToPixelsX(def.left), y = TwipsToPixelsY(def.top);
  int cx = TwipsToPixelsX(def.width), cy = TwipsToPixelsY(def.height);
  // A combo box's height includes its drop-down part.
  if (def.kind == Kind::ComboBox) cy += TwipsToPixelsY(3000);
  HWND hwnd = CreateWindowExW(cs.exStyle, cs.cls, def.caption ? def.caption : L"", style, x, y, cx, cy, parent,
                              reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr), raw);
  if (!hwnd) {
    controls_.erase(id);
    return nullptr;
  }
  raw->hwnd = hwnd;
  SendMessageW(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
  detail::AttachControl(*raw);
  InitControl(*raw);
  return hwnd;
}

bool Form::CreateControls() {
  std::vector<size_t> order(controlDefs_.size());
  std::iota(order.begin(), order.end(), size_t{0});
  auto tabKey = [&](size_t i) { return controlDefs_[i].tabIndex >= 0 ? controlDefs_[i].tabIndex : 100000 + int(i); };
  std::stable_sort(order.begin(), order.end(), [&](size_t a, size_t b) { return tabKey(a) < tabKey(b); });

  std::vector<bool> done(controlDefs_.size(), false);
  std::function<bool(size_t, int)> create = [&](size_t i, int depth) -> bool {
    if (done[i]) return true;
    const ControlDef& def = controlDefs_[i];
    if (depth > 32) return false;  // a container cycle in the table
    if (def.container) {
      auto it = std::find_if(controlDefs_.begin(), controlDefs_.end(),
                             [&](const ControlDef& c) { return c.id == def.container; });
      if (it == controlDefs_.end() || !create(static_cast<size_t>(it - controlDefs_.begin()), depth + 1)) return false;
    }
    done[i] = true;
    return CreateControl(def, def.id, def.index) != nullptr || def.kind == Kind::Timer;
  };
  for (size_t i : order) {
    if (!create(i, 0)) return false;
  }

  // Sibling order is the Tab order; overlays then go on top.
  std::map<HWND, bool> previousWasOption;
  for (size_t i : order) {
    detail::ControlState* state = State(controlDefs_[i].id);
    if (!state || !state->hwnd) continue;
    SetWindowPos(state->hwnd, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    // A run of option buttons in one container is one group.
    HWND parent = GetParent(state->hwnd);
    bool option = state->def.kind == Kind::OptionButton;
    if (!(option && previousWasOption[parent]))
      SetWindowLongW(state->hwnd, GWL_STYLE, GetWindowLongW(state->hwnd, GWL_STYLE) | WS_GROUP);
    previousWasOption[parent] = option;
  }
  // A tab strip goes right under its pages, or it would cover them: its Tab stop follows theirs.
  for (auto& [id, strip] : controls_) {
    if (strip->pages.empty() || !strip->hwnd) continue;
    HWND lowest = nullptr;
    for (HWND w = GetWindow(GetParent(strip->hwnd), GW_CHILD); w; w = GetWindow(w, GW_HWNDNEXT)) {
      detail::ControlState* page = State(GetDlgCtrlID(w));
      if (page && page->hwnd == w && page->def.container == id) lowest = w;
    }
    if (lowest) SetWindowPos(strip->hwnd, lowest, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  }
  for (const ControlDef& def : controlDefs_) {
    detail::ControlState* state = State(def.id);
    if (state && state->hwnd && IsOverlay(def, controlDefs_))
      SetWindowPos(state->hwnd, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  }

  for (const ControlDef& def : controlDefs_) {
    detail::ControlState* container = def.container ? State(def.container) : nullptr;
    if (container && container->def.kind == Kind::Rebar) Rebar(this, def.container).AddBand(def.id, def.height);
  }
  // Every label is measured once its neighbours stand.
  for (auto& [id, state] : controls_)
    if (state->hwnd && state->def.kind == Kind::Label && !(state->def.style & kAutoSize)) detail::FitLabel(state->hwnd);
  bool clock = std::any_of(controlDefs_.begin(), controlDefs_.end(),
                           [](const ControlDef& d) { return d.kind == Kind::StatusBar; });
  if (clock) clockTimer_ = SetTimer(hwnd_, kClockTimer, 1000, nullptr);
  return true;
}

int Form::LoadControl(int baseId, int index) {
  detail::ControlState* base = State(baseId);
  if (!hwnd_ || !base || index < 0) return 0;
  int id = baseId - std::max(base->def.index, 0) + index;
  if (State(id)) return 0;
  ControlDef def = base->def;
  def.style |= kHidden;
  HWND hwnd = CreateControl(def, id, index);
  if (def.kind != Kind::Timer && !hwnd) return 0;
  if (hwnd) SetWindowPos(hwnd, base->hwnd, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  if (hwnd && def.kind == Kind::Label && !(def.style & kAutoSize)) detail::FitLabel(hwnd);
  return id;
}

void Form::UnloadControl(int id) {
  auto it = controls_.find(id);
  if (it == controls_.end()) return;
  if (it->second->def.kind == Kind::Timer) KillTimer(hwnd_, static_cast<UINT_PTR>(id));
  HWND hwnd = it->second->hwnd;
  Retire(std::move(it->second));
  controls_.erase(it);
  if (hwnd) DestroyWindow(hwnd);
}

detail::ControlState* Form::State(int id) const {
  auto it = controls_.find(id);
  return it == controls_.end() ? nullptr : it->second.get();
}

HWND Form::Item(int id) const {
  detail::ControlState* state = State(id);
  return state ? state->hwnd : nullptr;
}

void Form::Retire(std::unique_ptr<detail::ControlState> state) {
  detail::ReleaseControl(*state);
  state->hwnd = nullptr;
  retired_.push_back(std::move(state));
}

int Form::DefaultButton() const {
  for (const auto& [id, state] : controls_)
    if (state->def.kind == Kind::CommandButton && (state->def.style & kDefault)) return id;
  return 0;
}

int Form::CancelButton() const {
  for (const auto& [id, state] : controls_)
    if (state->def.kind == Kind::CommandButton && (state->def.style & kCancel)) return id;
  return 0;
}

void Form::DestroyEverything() {
  ready_ = false;
  if (clockTimer_ && hwnd_) KillTimer(hwnd_, clockTimer_);
  clockTimer_ = 0;
  for (auto& [id, state] : controls_) Retire(std::move(state));
  controls_.clear();
  DestroyMenus();
  if (tooltip_) DestroyWindow(tooltip_);
  tooltip_ = nullptr;
  if (font_ && ownsFont_) DeleteObject(font_);
  font_ = nullptr;
  ownsFont_ = false;
  lastFocus_ = nullptr;
  detail::UnregisterForm(this);
  hwnd_ = nullptr;
}

}  // namespace winui
