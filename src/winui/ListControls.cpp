#include "winui/ListControls.h"

#include "winui/FormState.h"
#include "winui/App.h"
#include "winui/Internal.h"

namespace winui {
namespace {

struct ListMessages {
  UINT add, insert, remove, reset, count, textLength, text, getData, setData, getSel, setSel;
};

constexpr ListMessages kCombo{CB_ADDSTRING,   CB_INSERTSTRING, CB_DELETESTRING, CB_RESETCONTENT,
                              CB_GETCOUNT,    CB_GETLBTEXTLEN, CB_GETLBTEXT,    CB_GETITEMDATA,
                              CB_SETITEMDATA, CB_GETCURSEL,    CB_SETCURSEL};
constexpr ListMessages kList{LB_ADDSTRING,   LB_INSERTSTRING, LB_DELETESTRING, LB_RESETCONTENT,
                             LB_GETCOUNT,    LB_GETTEXTLEN,   LB_GETTEXT,      LB_GETITEMDATA,
                             LB_SETITEMDATA, LB_GETCURSEL,    LB_SETCURSEL};

const ListMessages& Msgs(bool combo) { return combo ? kCombo : kList; }

}  // namespace

bool ListControl::IsCombo() const {
  detail::ControlState* state = State();
  return state && state->def.kind == Kind::ComboBox;
}

int ListControl::AddItem(const std::wstring& text, int index) {
  if (!Hwnd()) return -1;
  LRESULT r = index < 0
                  ? Send(Msgs(IsCombo()).add, 0, reinterpret_cast<LPARAM>(text.c_str()))
                  : Send(Msgs(IsCombo()).insert, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.c_str()));
  return r < 0 ? -1 : static_cast<int>(r);
}

void ListControl::RemoveItem(int index) { Send(Msgs(IsCombo()).remove, static_cast<WPARAM>(index), 0); }

void ListControl::Clear() { Send(Msgs(IsCombo()).reset, 0, 0); }

int ListControl::ListCount() const {
  LRESULT r = Send(Msgs(IsCombo()).count, 0, 0);
  return r < 0 ? 0 : static_cast<int>(r);
}

std::wstring ListControl::List(int index) const {
  if (index < 0 || index >= ListCount()) return {};
  LRESULT length = Send(Msgs(IsCombo()).textLength, static_cast<WPARAM>(index), 0);
  if (length <= 0) return {};
  std::wstring text(static_cast<size_t>(length) + 1, L'\0');
  LRESULT got = Send(Msgs(IsCombo()).text, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.data()));
  text.resize(got > 0 ? static_cast<size_t>(got) : 0);
  return text;
}

void ListControl::SetList(int index, const std::wstring& text) {
  if (index < 0 || index >= ListCount()) return;
  LPARAM data = ItemData(index);
  bool selected = ListIndex() == index;
  form_->Suppress(true);
  Send(Msgs(IsCombo()).remove, static_cast<WPARAM>(index), 0);
  Send(Msgs(IsCombo()).insert, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.c_str()));
  Send(Msgs(IsCombo()).setData, static_cast<WPARAM>(index), data);
  if (selected) Send(Msgs(IsCombo()).setSel, static_cast<WPARAM>(index), 0);
  form_->Suppress(false);
}

LPARAM ListControl::ItemData(int index) const { return Send(Msgs(IsCombo()).getData, static_cast<WPARAM>(index), 0); }

void ListControl::SetItemData(int index, LPARAM data) {
  Send(Msgs(IsCombo()).setData, static_cast<WPARAM>(index), data);
}

int ListControl::ListIndex() const {
  if (!Hwnd()) return -1;
  detail::ControlState* state = State();
  // In a multi-select list the item with the focus rectangle is the current one.
  if (!IsCombo() && (state->def.style & kMultiSelect)) {
    if (Send(LB_GETSELCOUNT, 0, 0) <= 0) return -1;
    return static_cast<int>(Send(LB_GETCARETINDEX, 0, 0));
  }
  LRESULT r = Send(Msgs(IsCombo()).getSel, 0, 0);
  return r < 0 ? -1 : static_cast<int>(r);
}

void ListControl::SetListIndex(int index) {
  if (!Hwnd()) return;
  if (index < -1 || index >= ListCount()) return;
  if (index == ListIndex()) return;
  detail::ControlState* state = State();
  if (!IsCombo() && (state->def.style & kMultiSelect)) {
    Send(LB_SETSEL, FALSE, -1);
    if (index >= 0) {
      Send(LB_SETSEL, TRUE, index);
      Send(LB_SETCARETINDEX, static_cast<WPARAM>(index), FALSE);
    }
  } else {
    Send(Msgs(IsCombo()).setSel, static_cast<WPARAM>(index), 0);
  }
  Fire(Event::Click);
}

std::wstring ComboBox::Text() const {
  detail::ControlState* state = State();
  if (state && (state->def.style & kDropDownList)) return List(ListIndex());
  return detail::WindowText(Hwnd());
}

void ComboBox::SetText(const std::wstring& text) {
  detail::ControlState* state = State();
  if (!state || !state->hwnd) return;
  if (state->def.style & kDropDownList) {
    for (int i = 0; i < ListCount(); ++i) {
      if (List(i) == text) {
        SetListIndex(i);
        return;
      }
    }
    return;
  }
  if (detail::WindowText(state->hwnd) == text) return;
  SetWindowTextW(state->hwnd, text.c_str());
  Fire(Event::Change);
}

void ComboBox::SetDropDownHeight(int twips) {
  HWND hwnd = Hwnd();
  if (!hwnd) return;
  RECT rect{};
  GetWindowRect(hwnd, &rect);
  int field = static_cast<int>(Send(CB_GETITEMHEIGHT, WPARAM(-1), 0)) + 8;
  SetWindowPos(hwnd, nullptr, 0, 0, rect.right - rect.left, field + TwipsToPixelsY(twips),
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

std::wstring ListBox::Text() const { return List(ListIndex()); }

bool ListBox::Selected(int index) const { return Send(LB_GETSEL, static_cast<WPARAM>(index), 0) > 0; }

void ListBox::SetSelected(int index, bool selected) {
  detail::ControlState* state = State();
  if (!state || index < 0 || index >= ListCount()) return;
  if (state->def.style & kMultiSelect) {
    Send(LB_SETSEL, selected, index);
  } else {
    Send(LB_SETCURSEL, selected ? static_cast<WPARAM>(index) : WPARAM(-1), 0);
  }
}

int ListBox::SelCount() const {
  detail::ControlState* state = State();
  if (!state) return 0;
  if (state->def.style & kMultiSelect) {
    LRESULT r = Send(LB_GETSELCOUNT, 0, 0);
    return r < 0 ? 0 : static_cast<int>(r);
  }
  return ListIndex() >= 0 ? 1 : 0;
}

int ListBox::TopIndex() const { return static_cast<int>(Send(LB_GETTOPINDEX, 0, 0)); }
void ListBox::SetTopIndex(int index) { Send(LB_SETTOPINDEX, static_cast<WPARAM>(index), 0); }

}  // namespace winui
