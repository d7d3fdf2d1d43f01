// Image lists, the tool bar (buttons by key, drop-down menus) and the rebar.
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <utility>

#include "winui/App.h"
#include "winui/CommonControls.h"
#include "winui/FormState.h"
#include "winui/Internal.h"

namespace winui {

ImageList::ImageList(int cx, int cy, COLORREF maskColor) { Create(cx, cy, maskColor); }

ImageList::~ImageList() {
  if (handle_) ImageList_Destroy(handle_);
}

ImageList::ImageList(ImageList&& other) noexcept
    : handle_(std::exchange(other.handle_, nullptr)), mask_(other.mask_), keys_(std::move(other.keys_)) {}

ImageList& ImageList::operator=(ImageList&& other) noexcept {
  if (this != &other) {
    if (handle_) ImageList_Destroy(handle_);
    handle_ = std::exchange(other.handle_, nullptr);
    mask_ = other.mask_;
    keys_ = std::move(other.keys_);
  }
  return *this;
}

void ImageList::Create(int cx, int cy, COLORREF maskColor) {
  if (handle_) ImageList_Destroy(handle_);
  handle_ = ImageList_Create(cx, cy, ILC_COLOR32 | ILC_MASK, 4, 4);
  mask_ = maskColor;
  keys_.clear();
}

int ImageList::Add(const std::wstring& key, HICON icon) {
  if (!handle_ || !icon) return -1;
  int index = ImageList_AddIcon(handle_, icon);
  if (index >= 0) keys_.push_back(key);
  return index;
}

int ImageList::Add(const std::wstring& key, HBITMAP bitmap) {
  if (!handle_ || !bitmap) return -1;
  int index = mask_ == CLR_NONE ? ImageList_Add(handle_, bitmap, nullptr) : ImageList_AddMasked(handle_, bitmap, mask_);
  if (index < 0) return -1;
  // A wide bitmap is a strip of several images; each gets the key with its position.
  int count = ImageList_GetImageCount(handle_);
  for (int i = index; i < count; ++i) keys_.push_back(i == index ? key : key + L"#" + std::to_wstring(i - index));
  return index;
}

int ImageList::IndexOf(const std::wstring& key) const {
  auto it = std::find(keys_.begin(), keys_.end(), key);
  return it == keys_.end() ? -1 : static_cast<int>(it - keys_.begin());
}

int ImageList::Count() const { return handle_ ? ImageList_GetImageCount(handle_) : 0; }

void ImageList::Clear() {
  if (handle_) ImageList_RemoveAll(handle_);
  keys_.clear();
}

void ImageList::SetBackColor(COLORREF color) {
  if (handle_) ImageList_SetBkColor(handle_, color);
}

namespace {

constexpr int kFirstButtonCommand = 0x7000;

detail::ToolButtonState* FindButton(detail::ControlState* state, const std::wstring& key) {
  if (!state) return nullptr;
  for (detail::ToolButtonState& b : state->buttons)
    if (b.key == key && !key.empty()) return &b;
  return nullptr;
}

BYTE StyleOf(ButtonStyle style) {
  switch (style) {
    case ButtonStyle::Separator:
    case ButtonStyle::Placeholder:
      return BTNS_SEP;
    case ButtonStyle::DropDown:
      return BTNS_DROPDOWN;
    case ButtonStyle::Check:
      return BTNS_CHECK;
    case ButtonStyle::Default:
      break;
  }
  return BTNS_BUTTON;
}

}  // namespace

void Toolbar::SetImages(HIMAGELIST images) { Send(TB_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(images)); }

int Toolbar::AddButton(const std::wstring& key, int image, const std::wstring& toolTip, ButtonStyle style,
                       int widthTwips) {
  detail::ControlState* state = State();
  if (!state || !state->hwnd) return 0;
  detail::ToolButtonState button;
  button.key = key;
  button.toolTip = toolTip;
  button.commandId = kFirstButtonCommand + static_cast<int>(state->buttons.size());
  TBBUTTON tb{};
  tb.idCommand = button.commandId;
  tb.fsState = TBSTATE_ENABLED;
  tb.fsStyle = StyleOf(style);
  tb.iString = -1;
  if (style == ButtonStyle::Placeholder)
    tb.iBitmap = TwipsToPixelsX(widthTwips);
  else if (style != ButtonStyle::Separator)
    tb.iBitmap = image < 0 ? I_IMAGENONE : image;
  state->buttons.push_back(button);
  if (!Send(TB_ADDBUTTONSW, 1, reinterpret_cast<LPARAM>(&tb))) {
    state->buttons.pop_back();
    return 0;
  }
  Send(TB_AUTOSIZE);
  return static_cast<int>(state->buttons.size());
}

int Toolbar::ButtonCount() const {
  detail::ControlState* state = State();
  return state ? static_cast<int>(state->buttons.size()) : 0;
}

int Toolbar::ButtonIndex(const std::wstring& key) const {
  detail::ControlState* state = State();
  detail::ToolButtonState* b = FindButton(state, key);
  return b ? static_cast<int>(b - state->buttons.data()) + 1 : 0;
}

std::wstring Toolbar::ButtonKey(int button) const {
  detail::ControlState* state = State();
  if (!state || button < 1 || button > ButtonCount()) return {};
  return state->buttons[static_cast<size_t>(button - 1)].key;
}

bool Toolbar::ButtonEnabled(const std::wstring& key) const {
  detail::ToolButtonState* b = FindButton(State(), key);
  return b && Send(TB_ISBUTTONENABLED, static_cast<WPARAM>(b->commandId));
}

void Toolbar::SetButtonEnabled(const std::wstring& key, bool enabled) {
  if (detail::ToolButtonState* b = FindButton(State(), key))
    Send(TB_ENABLEBUTTON, static_cast<WPARAM>(b->commandId), enabled);
}

bool Toolbar::ButtonVisible(const std::wstring& key) const {
  detail::ToolButtonState* b = FindButton(State(), key);
  return b && !Send(TB_ISBUTTONHIDDEN, static_cast<WPARAM>(b->commandId));
}

void Toolbar::SetButtonVisible(const std::wstring& key, bool visible) {
  if (detail::ToolButtonState* b = FindButton(State(), key))
    Send(TB_HIDEBUTTON, static_cast<WPARAM>(b->commandId), !visible);
}

bool Toolbar::ButtonChecked(const std::wstring& key) const {
  detail::ToolButtonState* b = FindButton(State(), key);
  return b && Send(TB_ISBUTTONCHECKED, static_cast<WPARAM>(b->commandId));
}

void Toolbar::SetButtonChecked(const std::wstring& key, bool checked) {
  if (detail::ToolButtonState* b = FindButton(State(), key))
    Send(TB_CHECKBUTTON, static_cast<WPARAM>(b->commandId), checked);
}

RECT Toolbar::ButtonRect(const std::wstring& key) const {
  RECT r{};
  if (detail::ToolButtonState* b = FindButton(State(), key))
    Send(TB_GETRECT, static_cast<WPARAM>(b->commandId), reinterpret_cast<LPARAM>(&r));
  return {PixelsToTwipsX(r.left), PixelsToTwipsY(r.top), PixelsToTwipsX(r.right), PixelsToTwipsY(r.bottom)};
}

int Toolbar::AddButtonMenu(const std::wstring& key, const std::wstring& text) {
  detail::ToolButtonState* b = FindButton(State(), key);
  if (!b) return 0;
  b->menu.push_back(text);
  b->menuVisible.push_back(true);
  return static_cast<int>(b->menu.size());
}

void Toolbar::ClearButtonMenus(const std::wstring& key) {
  if (detail::ToolButtonState* b = FindButton(State(), key)) {
    b->menu.clear();
    b->menuVisible.clear();
  }
}

int Toolbar::ButtonMenuCount(const std::wstring& key) const {
  detail::ToolButtonState* b = FindButton(State(), key);
  return b ? static_cast<int>(b->menu.size()) : 0;
}

std::wstring Toolbar::ButtonMenuText(const std::wstring& key, int item) const {
  detail::ToolButtonState* b = FindButton(State(), key);
  if (!b || item < 1 || item > static_cast<int>(b->menu.size())) return {};
  return b->menu[static_cast<size_t>(item - 1)];
}

void Toolbar::SetButtonMenuText(const std::wstring& key, int item, const std::wstring& text) {
  detail::ToolButtonState* b = FindButton(State(), key);
  if (b && item >= 1 && item <= static_cast<int>(b->menu.size())) b->menu[static_cast<size_t>(item - 1)] = text;
}

void Toolbar::SetButtonMenuVisible(const std::wstring& key, int item, bool visible) {
  detail::ToolButtonState* b = FindButton(State(), key);
  if (b && item >= 1 && item <= static_cast<int>(b->menu.size()))
    b->menuVisible[static_cast<size_t>(item - 1)] = visible;
}

void Toolbar::Press(const std::wstring& key) {
  int index = ButtonIndex(key);
  if (!index || !ButtonEnabled(key)) return;
  EventArgs args;
  args.key = key;
  args.item = index;
  form_->Raise(id_, Event::ButtonClick, args);
}

int Rebar::AddBand(int childId, int minHeightTwips, bool fixedSize, int minWidthTwips) {
  HWND hwnd = Hwnd();
  if (!hwnd) return 0;
  HWND child = childId ? form_->Item(childId) : nullptr;
  REBARBANDINFOW band{};
  band.cbSize = sizeof band;
  band.fMask = RBBIM_STYLE | RBBIM_CHILD | RBBIM_CHILDSIZE | RBBIM_SIZE;
  band.fStyle = RBBS_CHILDEDGE | (fixedSize ? RBBS_FIXEDSIZE | RBBS_NOGRIPPER : 0u);
  band.hwndChild = child;
  band.cyMinChild = static_cast<UINT>(TwipsToPixelsY(minHeightTwips));
  band.cxMinChild = static_cast<UINT>(TwipsToPixelsX(minWidthTwips));
  RECT r{};
  if (child) GetWindowRect(child, &r);
  band.cx = static_cast<UINT>(r.right - r.left);
  if (!Send(RB_INSERTBANDW, WPARAM(-1), reinterpret_cast<LPARAM>(&band))) return 0;
  return BandCount();
}

int Rebar::BandCount() const { return static_cast<int>(Send(RB_GETBANDCOUNT)); }

int Rebar::BarHeight() const { return PixelsToTwipsY(static_cast<int>(Send(RB_GETBARHEIGHT))); }

}  // namespace winui
