#include <windows.h>
#include <commctrl.h>

#include "winui/App.h"
#include "winui/CommonControls.h"
#include "winui/FormState.h"

namespace winui {
namespace {

int FormatOf(ColumnAlign align) {
  switch (align) {
    case ColumnAlign::Right:
      return LVCFMT_RIGHT;
    case ColumnAlign::Center:
      return LVCFMT_CENTER;
    case ColumnAlign::Left:
      break;
  }
  return LVCFMT_LEFT;
}

}  // namespace

int ListView::AddColumn(const std::wstring& caption, int widthTwips, ColumnAlign align) {
  if (!Hwnd()) return 0;
  int at = ColumnCount();
  LVCOLUMNW column{};
  column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_FMT | LVCF_SUBITEM;
  std::wstring text = caption;
  column.pszText = text.data();
  column.cx = TwipsToPixelsX(widthTwips);
  // The first column cannot be right-aligned in the control; it always shows left.
  column.fmt = at == 0 ? LVCFMT_LEFT : FormatOf(align);
  column.iSubItem = at;
  LRESULT r = Send(LVM_INSERTCOLUMNW, static_cast<WPARAM>(at), reinterpret_cast<LPARAM>(&column));
  return r < 0 ? 0 : static_cast<int>(r) + 1;
}

int ListView::ColumnCount() const {
  HWND header = reinterpret_cast<HWND>(Send(LVM_GETHEADER));
  return header ? static_cast<int>(SendMessageW(header, HDM_GETITEMCOUNT, 0, 0)) : 0;
}

int ListView::ColumnWidth(int column) const {
  return PixelsToTwipsX(static_cast<int>(Send(LVM_GETCOLUMNWIDTH, static_cast<WPARAM>(column - 1))));
}

void ListView::SetColumnWidth(int column, int widthTwips) {
  Send(LVM_SETCOLUMNWIDTH, static_cast<WPARAM>(column - 1), TwipsToPixelsX(widthTwips));
}

std::wstring ListView::ColumnCaption(int column) const {
  wchar_t buffer[260] = {};
  LVCOLUMNW info{};
  info.mask = LVCF_TEXT;
  info.pszText = buffer;
  info.cchTextMax = 259;
  if (!Send(LVM_GETCOLUMNW, static_cast<WPARAM>(column - 1), reinterpret_cast<LPARAM>(&info))) return {};
  return buffer;
}

void ListView::ClearColumns() {
  for (int n = ColumnCount(); n > 0; --n) Send(LVM_DELETECOLUMN, 0);
}

int ListView::AddItem(const std::wstring& text, int image, int index) {
  if (!Hwnd()) return 0;
  detail::Quiet quiet(*form_);
  LVITEMW item{};
  item.mask = LVIF_TEXT | LVIF_IMAGE | LVIF_PARAM;
  item.iItem = index < 1 ? Count() : index - 1;
  std::wstring copy = text;
  item.pszText = copy.data();
  item.iImage = image < 0 ? I_IMAGENONE : image;
  LRESULT r = Send(LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
  return r < 0 ? 0 : static_cast<int>(r) + 1;
}

void ListView::RemoveItem(int item) {
  detail::Quiet quiet(*form_);
  Send(LVM_DELETEITEM, static_cast<WPARAM>(item - 1));
}

void ListView::Clear() {
  detail::Quiet quiet(*form_);
  Send(LVM_DELETEALLITEMS);
}

int ListView::Count() const { return static_cast<int>(Send(LVM_GETITEMCOUNT)); }

std::wstring ListView::SubItem(int item, int k) const {
  if (item < 1 || item > Count()) return {};
  std::wstring text(1024, L'\0');
  for (;;) {
    LVITEMW info{};
    info.iSubItem = k;
    info.pszText = text.data();
    info.cchTextMax = static_cast<int>(text.size());
    LRESULT got = Send(LVM_GETITEMTEXTW, static_cast<WPARAM>(item - 1), reinterpret_cast<LPARAM>(&info));
    if (got < static_cast<LRESULT>(text.size()) - 1) {
      text.resize(static_cast<size_t>(got));
      return text;
    }
    text.resize(text.size() * 2);
  }
}

void ListView::SetSubItem(int item, int k, const std::wstring& text) {
  if (item < 1 || item > Count()) return;
  LVITEMW info{};
  info.iSubItem = k;
  std::wstring copy = text;
  info.pszText = copy.data();
  Send(LVM_SETITEMTEXTW, static_cast<WPARAM>(item - 1), reinterpret_cast<LPARAM>(&info));
}

std::wstring ListView::Text(int item) const { return SubItem(item, 0); }
void ListView::SetText(int item, const std::wstring& text) { SetSubItem(item, 0, text); }

namespace {
LVITEMW Query(const ListView& view, int item, UINT mask) {
  LVITEMW info{};
  info.mask = mask;
  info.iItem = item - 1;
  info.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
  if (HWND hwnd = view.Hwnd()) SendMessageW(hwnd, LVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&info));
  return info;
}
}  // namespace

int ListView::ItemImage(int item) const { return Query(*this, item, LVIF_IMAGE).iImage; }

void ListView::SetItemImage(int item, int image) {
  LVITEMW info{};
  info.mask = LVIF_IMAGE;
  info.iItem = item - 1;
  info.iImage = image < 0 ? I_IMAGENONE : image;
  Send(LVM_SETITEMW, 0, reinterpret_cast<LPARAM>(&info));
}

LPARAM ListView::ItemData(int item) const { return Query(*this, item, LVIF_PARAM).lParam; }

void ListView::SetItemData(int item, LPARAM data) {
  LVITEMW info{};
  info.mask = LVIF_PARAM;
  info.iItem = item - 1;
  info.lParam = data;
  Send(LVM_SETITEMW, 0, reinterpret_cast<LPARAM>(&info));
}

bool ListView::Selected(int item) const {
  return item >= 1 && (Send(LVM_GETITEMSTATE, static_cast<WPARAM>(item - 1), LVIS_SELECTED) & LVIS_SELECTED);
}

void ListView::SetSelected(int item, bool selected) {
  if (item < 1 || item > Count()) return;
  detail::Quiet quiet(*form_);
  LVITEMW info{};
  info.stateMask = LVIS_SELECTED;
  info.state = selected ? LVIS_SELECTED : 0;
  Send(LVM_SETITEMSTATE, static_cast<WPARAM>(item - 1), reinterpret_cast<LPARAM>(&info));
}

int ListView::SelectedItem() const {
  LRESULT r = Send(LVM_GETNEXTITEM, WPARAM(-1), LVNI_SELECTED);
  return r < 0 ? 0 : static_cast<int>(r) + 1;
}

std::vector<int> ListView::SelectedItems() const {
  std::vector<int> items;
  if (!Hwnd()) return items;
  for (LRESULT i = Send(LVM_GETNEXTITEM, WPARAM(-1), LVNI_SELECTED); i >= 0;
       i = Send(LVM_GETNEXTITEM, static_cast<WPARAM>(i), LVNI_SELECTED))
    items.push_back(static_cast<int>(i) + 1);
  return items;
}

int ListView::SelCount() const { return static_cast<int>(Send(LVM_GETSELECTEDCOUNT)); }

void ListView::SelectAll(bool selected) {
  detail::Quiet quiet(*form_);
  LVITEMW info{};
  info.stateMask = LVIS_SELECTED;
  info.state = selected ? LVIS_SELECTED : 0;
  Send(LVM_SETITEMSTATE, WPARAM(-1), reinterpret_cast<LPARAM>(&info));
}

int ListView::FocusedItem() const {
  LRESULT r = Send(LVM_GETNEXTITEM, WPARAM(-1), LVNI_FOCUSED);
  return r < 0 ? 0 : static_cast<int>(r) + 1;
}

void ListView::SetFocusedItem(int item) {
  if (item < 1 || item > Count()) return;
  detail::Quiet quiet(*form_);
  LVITEMW info{};
  info.stateMask = LVIS_FOCUSED;
  info.state = LVIS_FOCUSED;
  Send(LVM_SETITEMSTATE, static_cast<WPARAM>(item - 1), reinterpret_cast<LPARAM>(&info));
}

void ListView::EnsureVisible(int item) { Send(LVM_ENSUREVISIBLE, static_cast<WPARAM>(item - 1), FALSE); }

int ListView::HitTest(int xTwips, int yTwips) const {
  LVHITTESTINFO info{};
  info.pt = {TwipsToPixelsX(xTwips), TwipsToPixelsY(yTwips)};
  LRESULT r = Send(LVM_HITTEST, 0, reinterpret_cast<LPARAM>(&info));
  return r < 0 ? 0 : static_cast<int>(r) + 1;
}

void ListView::StartLabelEdit(int item) {
  if (HWND hwnd = Hwnd()) {
    ::SetFocus(hwnd);
    Send(LVM_EDITLABELW, static_cast<WPARAM>(item - 1));
  }
}

namespace {
// The modes count as the program names them (icons, small icons, list, details); the window styles of the
// four views come in another order.
constexpr LONG kViewStyles[] = {LVS_ICON, LVS_SMALLICON, LVS_LIST, LVS_REPORT};
}  // namespace

ListViewMode ListView::View() const {
  HWND hwnd = Hwnd();
  if (!hwnd) return ListViewMode::Report;
  LONG style = GetWindowLongW(hwnd, GWL_STYLE) & LVS_TYPEMASK;
  for (int mode = 0; mode < 4; ++mode)
    if (kViewStyles[mode] == style) return static_cast<ListViewMode>(mode);
  return ListViewMode::Report;
}

void ListView::SetView(ListViewMode mode) {
  HWND hwnd = Hwnd();
  int index = static_cast<int>(mode);
  if (!hwnd || index < 0 || index > 3) return;
  LONG style = GetWindowLongW(hwnd, GWL_STYLE);
  SetWindowLongW(hwnd, GWL_STYLE, (style & ~LVS_TYPEMASK) | kViewStyles[index]);
}

namespace {
void SetStyleBit(HWND hwnd, LONG bit, bool on) {
  if (!hwnd) return;
  LONG style = GetWindowLongW(hwnd, GWL_STYLE);
  SetWindowLongW(hwnd, GWL_STYLE, on ? style | bit : style & ~bit);
}
}  // namespace

void ListView::SetGridLines(bool on) {
  Send(LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_GRIDLINES, on ? LVS_EX_GRIDLINES : 0);
}

void ListView::ArrangeAutoLeft() {
  HWND hwnd = Hwnd();
  if (!hwnd) return;
  const LONG style = GetWindowLongW(hwnd, GWL_STYLE);
  SetWindowLongW(hwnd, GWL_STYLE, (style & ~LVS_ALIGNMASK) | LVS_ALIGNLEFT | LVS_AUTOARRANGE);
  Send(LVM_ARRANGE, LVA_ALIGNLEFT, 0);
}

bool ListView::AutoArranged() const {
  HWND hwnd = Hwnd();
  if (!hwnd) return false;
  const LONG style = GetWindowLongW(hwnd, GWL_STYLE);
  return (style & LVS_AUTOARRANGE) && (style & LVS_ALIGNMASK) == LVS_ALIGNLEFT;
}

void ListView::SetFullRowSelect(bool on) {
  Send(LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT, on ? LVS_EX_FULLROWSELECT : 0);
}

void ListView::SetLabelEdit(bool on) { SetStyleBit(Hwnd(), LVS_EDITLABELS, on); }
void ListView::SetMultiSelect(bool on) { SetStyleBit(Hwnd(), LVS_SINGLESEL, !on); }

void ListView::SetSmallImages(HIMAGELIST images) {
  Send(LVM_SETIMAGELIST, LVSIL_SMALL, reinterpret_cast<LPARAM>(images));
}
void ListView::SetLargeImages(HIMAGELIST images) {
  Send(LVM_SETIMAGELIST, LVSIL_NORMAL, reinterpret_cast<LPARAM>(images));
}

void ListView::SetColors(COLORREF text, COLORREF back) {
  SetForeColor(text);
  SetBackColor(back);
}

void ListView::SetSource(ListItemSource* source) {
  if (detail::ControlState* state = State()) state->source = source;
}

void ListView::SetItemCount(int count) {
  detail::Quiet quiet(*form_);
  Send(LVM_SETITEMCOUNT, static_cast<WPARAM>(count < 0 ? 0 : count), 0);
}

void ListView::RefreshItems() {
  if (HWND hwnd = Hwnd()) InvalidateRect(hwnd, nullptr, TRUE);
}

void ListView::Freeze(bool on) {
  detail::ControlState* state = State();
  if (!state || !state->hwnd) return;
  state->freeze += on ? 1 : -1;
  if (on && state->freeze == 1) Send(WM_SETREDRAW, FALSE);
  if (!on && state->freeze == 0) {
    Send(WM_SETREDRAW, TRUE);
    InvalidateRect(state->hwnd, nullptr, TRUE);
  }
}

}  // namespace winui
