#pragma once
// ComboBox and ListBox wrappers. Indexes are 0-based; ListIndex -1 means nothing selected.
#include <string>

#include "winui/Controls.h"

namespace winui {

// What ComboBox and ListBox share: a list of texts with a 32-bit value per item.
class ListControl : public Control {
 public:
  using Control::Control;
  // Adds at `index` (-1: at the end, or in order when sorted); returns the index it got.
  int AddItem(const std::wstring& text, int index = -1);
  void RemoveItem(int index);
  void Clear();
  int ListCount() const;
  std::wstring List(int index) const;
  void SetList(int index, const std::wstring& text);
  LPARAM ItemData(int index) const;
  void SetItemData(int index, LPARAM data);
  int ListIndex() const;
  // Selects an item (-1: none) and raises Click when the selection changes.
  void SetListIndex(int index);

 protected:
  bool IsCombo() const;
};

class ComboBox : public ListControl {
 public:
  using ListControl::ListControl;
  // The edit text of an editable combo box; the selected item's text of a drop-down list.
  std::wstring Text() const;
  // Editable: sets the edit text (raises Change). Drop-down list: selects the item with exactly this
  // text, when there is one.
  void SetText(const std::wstring& text);
  // Height of the drop-down part in twips.
  void SetDropDownHeight(int twips);
};

class ListBox : public ListControl {
 public:
  using ListControl::ListControl;
  std::wstring Text() const;
  // Multi-select lists: the selection of each item.
  bool Selected(int index) const;
  void SetSelected(int index, bool selected);
  int SelCount() const;
  int TopIndex() const;
  void SetTopIndex(int index);
};

}  // namespace winui
