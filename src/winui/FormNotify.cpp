// Notifications of the common controls turned into the events the handlers are named after.
#include <windows.h>
#include <commctrl.h>

#include <algorithm>

#include "winui/App.h"
#include "winui/CommonControls.h"
#include "winui/Form.h"
#include "winui/FormState.h"
#include "winui/Internal.h"

namespace winui {
namespace {

// Position of the message being handled, in twips relative to `hwnd`.
POINT MessagePointIn(HWND hwnd) {
  DWORD pos = GetMessagePos();
  POINT pt{static_cast<short>(LOWORD(pos)), static_cast<short>(HIWORD(pos))};
  ScreenToClient(hwnd, &pt);
  return {PixelsToTwipsX(pt.x), PixelsToTwipsY(pt.y)};
}

void RightClickAsMouseUp(Form& form, detail::ControlState& state) {
  EventArgs args;
  args.button = kRightButton;
  POINT pt = MessagePointIn(state.hwnd);
  args.x = pt.x;
  args.y = pt.y;
  form.Raise(state.id, Event::MouseUp, args);
}

// In-place renaming, alike in both views: Before may cancel it; After gets the new text and may refuse it.
LRESULT BeginLabelEdit(Form& form, int id, EventArgs& args) {
  form.Raise(id, Event::BeforeLabelEdit, args);
  return args.cancel ? TRUE : FALSE;
}

LRESULT EndLabelEdit(Form& form, int id, const wchar_t* text, EventArgs& args) {
  if (!text) return FALSE;  // the user cancelled the edit
  args.text = text;
  form.Raise(id, Event::AfterLabelEdit, args);
  return args.cancel ? FALSE : TRUE;
}

// The cells an owner-data list shows, straight from its source.
void FillDisplayInfo(const ListItemSource& source, LVITEMW& item) {
  if ((item.mask & LVIF_TEXT) && item.pszText && item.cchTextMax > 0) {
    const std::wstring_view text = source.CellText(item.iItem, item.iSubItem);
    const size_t length = std::min(text.size(), static_cast<size_t>(item.cchTextMax - 1));
    wmemcpy(item.pszText, text.data(), length);
    item.pszText[length] = L'\0';
  }
  if (item.mask & LVIF_IMAGE) item.iImage = source.ItemImage(item.iItem);
}

// Typing the first letters of an item's text in an owner-data list: the control asks where it is.
LRESULT FindOwnerDataItem(const ListItemSource& source, HWND list, const NMLVFINDITEMW& find) {
  const LVFINDINFOW& info = find.lvfi;
  if (!(info.flags & (LVFI_STRING | LVFI_PARTIAL)) || !info.psz) return -1;
  const int wanted = lstrlenW(info.psz);
  const int count = static_cast<int>(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0));
  const int start = find.iStart < 0 || find.iStart >= count ? 0 : find.iStart;
  for (int step = 0; step < count; ++step) {
    const int item = (start + step) % count;
    if (item < start && !(info.flags & LVFI_WRAP)) break;
    const std::wstring_view text = source.CellText(item, 0);
    const int length =
        (info.flags & LVFI_PARTIAL) ? std::min(wanted, static_cast<int>(text.size())) : static_cast<int>(text.size());
    if ((info.flags & LVFI_PARTIAL) && length < wanted) continue;
    if (CompareStringW(LOCALE_USER_DEFAULT, NORM_IGNORECASE, text.data(), length, info.psz, wanted) == CSTR_EQUAL)
      return item;
  }
  return -1;
}

bool ListViewNotify(Form& form, detail::ControlState& state, NMHDR* header, LRESULT& result) {
  switch (header->code) {
    case LVN_GETDISPINFOW:
      if (!state.source) return false;
      FillDisplayInfo(*state.source, reinterpret_cast<NMLVDISPINFOW*>(header)->item);
      return true;
    case LVN_ODFINDITEMW:
      if (!state.source) return false;
      result = FindOwnerDataItem(*state.source, state.hwnd, *reinterpret_cast<NMLVFINDITEMW*>(header));
      return true;
    case LVN_COLUMNCLICK: {
      EventArgs args;
      args.item = reinterpret_cast<NMLISTVIEW*>(header)->iSubItem + 1;
      form.Raise(state.id, Event::ColumnClick, args);
      return true;
    }
    case LVN_ITEMCHANGED: {
      auto* change = reinterpret_cast<NMLISTVIEW*>(header);
      bool nowSelected = (change->uNewState & LVIS_SELECTED) && !(change->uOldState & LVIS_SELECTED);
      if (change->iItem >= 0 && nowSelected) {
        EventArgs args;
        args.item = change->iItem + 1;
        form.Raise(state.id, Event::ItemClick, args);
      }
      return true;
    }
    case NM_CLICK:
      form.Raise(state.id, Event::Click);
      return true;
    case LVN_BEGINLABELEDITW: {
      EventArgs args;
      args.item = reinterpret_cast<NMLVDISPINFOW*>(header)->item.iItem + 1;
      result = BeginLabelEdit(form, state.id, args);
      return true;
    }
    case LVN_ENDLABELEDITW: {
      auto* info = reinterpret_cast<NMLVDISPINFOW*>(header);
      EventArgs args;
      args.item = info->item.iItem + 1;
      result = EndLabelEdit(form, state.id, info->item.pszText, args);
      if (result && state.source) state.source->TextEdited(args.item - 1, args.text);
      return true;
    }
    default:
      return false;
  }
}

bool TreeViewNotify(Form& form, detail::ControlState& state, NMHDR* header, LRESULT& result) {
  TreeView tree(&form, state.id);
  auto nodeClick = [&](HTREEITEM node) {
    EventArgs args;
    args.node = node;
    args.key = tree.KeyOf(node);
    form.Raise(state.id, Event::NodeClick, args);
  };
  switch (header->code) {
    case TVN_SELCHANGEDW: {
      // Mouse clicks raise NodeClick from NM_CLICK (also on the node already selected).
      auto* change = reinterpret_cast<NMTREEVIEWW*>(header);
      if (change->action == TVC_BYKEYBOARD) nodeClick(change->itemNew.hItem);
      return true;
    }
    case NM_CLICK: {
      TVHITTESTINFO hit{};
      DWORD pos = GetMessagePos();
      hit.pt = {static_cast<short>(LOWORD(pos)), static_cast<short>(HIWORD(pos))};
      ScreenToClient(state.hwnd, &hit.pt);
      auto node = reinterpret_cast<HTREEITEM>(SendMessageW(state.hwnd, TVM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit)));
      form.Raise(state.id, Event::Click);
      if (node && (hit.flags & TVHT_ONITEM)) {
        // The control selects on button up after this notification; select now so handlers see it.
        SendMessageW(state.hwnd, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(node));
        nodeClick(node);
      }
      return true;
    }
    case TVN_ITEMEXPANDEDW: {
      auto* change = reinterpret_cast<NMTREEVIEWW*>(header);
      EventArgs args;
      args.node = change->itemNew.hItem;
      args.key = tree.KeyOf(args.node);
      form.Raise(state.id, change->action & TVE_EXPAND ? Event::Expand : Event::Collapse, args);
      return true;
    }
    case TVN_BEGINLABELEDITW:
    case TVN_ENDLABELEDITW: {
      auto* info = reinterpret_cast<NMTVDISPINFOW*>(header);
      EventArgs args;
      args.node = info->item.hItem;
      args.key = tree.KeyOf(args.node);
      result = header->code == TVN_BEGINLABELEDITW ? BeginLabelEdit(form, state.id, args)
                                                   : EndLabelEdit(form, state.id, info->item.pszText, args);
      return true;
    }
    default:
      return false;
  }
}

bool ToolbarNotify(Form& form, detail::ControlState& state, NMHDR* header, LRESULT& result) {
  if (header->code != TBN_DROPDOWN) return false;
  auto* info = reinterpret_cast<NMTOOLBARW*>(header);
  detail::ToolButtonState* button = nullptr;
  for (detail::ToolButtonState& b : state.buttons)
    if (b.commandId == info->iItem) button = &b;
  result = TBDDRET_DEFAULT;
  if (!button) return true;
  std::wstring key = button->key;
  EventArgs drop;
  drop.key = key;
  form.Raise(state.id, Event::ButtonDropDown, drop);
  // The handler may have rebuilt the items; read them now.
  HMENU menu = CreatePopupMenu();
  for (size_t i = 0; i < button->menu.size(); ++i)
    if (button->menuVisible[i]) AppendMenuW(menu, MF_STRING, i + 1, button->menu[i].c_str());
  RECT r{};
  SendMessageW(state.hwnd, TB_GETRECT, static_cast<WPARAM>(info->iItem), reinterpret_cast<LPARAM>(&r));
  POINT pt{r.left, r.bottom};
  ClientToScreen(state.hwnd, &pt);
  int chosen = detail::RunPopup(form, menu, state.id, pt);
  DestroyMenu(menu);
  if (chosen > 0 && chosen <= static_cast<int>(button->menu.size())) {
    EventArgs args;
    args.key = key;
    args.item = chosen;
    args.text = button->menu[static_cast<size_t>(chosen - 1)];
    form.Raise(state.id, Event::ButtonMenuClick, args);
  }
  return true;
}

}  // namespace

bool Form::OnNotify(NMHDR* header, LRESULT& result) {
  if (!header) return false;
  detail::ControlState* state = State(static_cast<int>(header->idFrom));
  if (!state || state->hwnd != header->hwndFrom) return false;
  bool view = state->def.kind == Kind::ListView || state->def.kind == Kind::TreeView;
  // Double and right clicks mean the same in both views.
  if (view && (header->code == NM_DBLCLK || header->code == NM_RCLICK)) {
    if (header->code == NM_DBLCLK)
      Raise(state->id, Event::DblClick);
    else
      RightClickAsMouseUp(*this, *state);
    return true;
  }
  switch (state->def.kind) {
    case Kind::ListView:
      return ListViewNotify(*this, *state, header, result);
    case Kind::TreeView:
      return TreeViewNotify(*this, *state, header, result);
    case Kind::Toolbar:
      return ToolbarNotify(*this, *state, header, result);
    case Kind::TabStrip:
      if (header->code != TCN_SELCHANGE) return false;
      detail::ShowSelectedPage(*state);
      Raise(state->id, Event::Click);
      return true;
    case Kind::StatusBar:
      if (header->code == NM_CLICK) {
        EventArgs args;
        args.item = static_cast<int>(reinterpret_cast<NMMOUSE*>(header)->dwItemSpec) + 1;
        Raise(state->id, Event::PanelClick, args);
        Raise(state->id, Event::Click);
        return true;
      }
      return false;
    case Kind::Rebar:
      if (header->code == RBN_HEIGHTCHANGE) Raise(state->id, Event::HeightChanged);
      return header->code == RBN_HEIGHTCHANGE;
    default:
      return false;
  }
}

}  // namespace winui
