#pragma once
// Two things the form tables cannot make yet, for the tools' dialogs: a list box whose rows are laid out at
// tab stops (a list box takes tab stops only when it is created with them), and a control's own mouse
// cursor (the tables offer the standard pointers only).
#include <windows.h>

#include <functional>
#include <initializer_list>
#include <string>

#include "winui/Form.h"

namespace tools {

// Shows `cursor` over the control instead of its own for as long as the control exists. The cursor is not
// destroyed (load it shared).
void SetMouseIcon(HWND control, HCURSOR cursor);

// A list box with tab stops, made on a loaded form beside the table's controls: a child of the form with
// the published id `id` and the control name `name` (for reports), at a place in twips, in the form's font, its Tab
// stop right after `after` (none: the first). The form destroys it with its other controls. Indexes count from 0; -1 =
// no selection.
class TabbedListBox {
 public:
  TabbedListBox() = default;
  TabbedListBox(const TabbedListBox&) = delete;
  TabbedListBox& operator=(const TabbedListBox&) = delete;
  ~TabbedListBox();

  bool Create(winui::Form& form, int id, const wchar_t* name, int left, int top, int width, int height, HWND after);
  HWND Hwnd() const { return hwnd_; }

  // Tab stops in dialog template units; false when the list box refuses them.
  bool SetTabStops(std::initializer_list<int> dialogUnits);
  void Clear();
  int AddItem(const std::wstring& text);
  int ListCount() const;
  std::wstring List(int index) const;
  int ListIndex() const;
  void SetListIndex(int index);
  // Width in pixels the horizontal scroll bar lets the rows have.
  void SetHorizontalExtent(int pixels);
  int HorizontalExtent() const;
  void SetToolTipText(const std::wstring& text);
  const std::wstring& ToolTipText() const { return toolTip_; }

  // Events: a double click (after the row under the mouse is selected) and the mouse moving over the list.
  std::function<void()> DblClick;
  std::function<void()> MouseMove;

 private:
  static LRESULT CALLBACK Subclass(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR id, DWORD_PTR ref);
  LRESULT Send(UINT msg, WPARAM wParam = 0, LPARAM lParam = 0) const;

  winui::Form* form_ = nullptr;
  HWND hwnd_ = nullptr;
  HWND toolTipWindow_ = nullptr;
  std::wstring name_;
  std::wstring toolTip_;
};

}  // namespace tools
