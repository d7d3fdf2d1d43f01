#pragma once
// The entries of the archive shown: the model behind the main window's entry list. The list is an
// owner-data list view that asks for the rows it shows, so filling it costs the same for any number of
// entries; sorting, renaming, the icons, the status-bar sums and every read of the selected entries work on
// the rows kept here.
#include <cstddef>
#include <string>
#include <vector>

#include "archiver/listing/Listing.h"
#include "winui/CommonControls.h"

namespace browser {

class EntryList : public winui::ListItemSource {
 public:
  // The list view that shows the rows (nullptr: none); it takes its items from this model, which starts
  // empty.
  void Attach(winui::ListView* view);
  winui::ListView* View() const { return view_; }

  // Replaces every row; `images` holds the image index of each row's icon key in the list's image lists.
  void Assign(archiver::listing::EntryRows rows, std::vector<int> images);
  void Clear();
  int Count() const { return static_cast<int>(rows_.size()); }
  // Row `index`, counted from 0.
  const archiver::listing::EntryRow& Row(int index) const { return rows_[static_cast<size_t>(index)]; }

  // Puts the rows in a new order: `order[i]` is the position before of the row that comes i-th. The
  // selected and the focused entries move with their rows.
  void Reorder(const std::vector<size_t>& order);

  // Positions (from 0) of the selected entries, in list order. A list with every entry or none selected is
  // answered without asking the control entry by entry.
  std::vector<int> Selected() const;
  int SelectedCount() const;

  // Whether a row other than those at exactly `except` stands at `path` (an EntryPath) or inside a folder
  // of that path. "/" and "\" are alike, and so are letters that differ only in case unless
  // `caseSensitive` (the archive type tells them apart, core::ArcTypeRow::caseSensitiveNames).
  bool Holds(const std::wstring& path, bool caseSensitive, const std::wstring& except) const;

  // While shown, the control sees only `rows` (positions) in place of every row, and as many items; the
  // column sizing asks the control to measure a few rows this way. Show(nullptr) shows every row again.
  void Show(const std::vector<size_t>* rows);

  // winui::ListItemSource
  std::wstring_view CellText(int item, int column) const override;
  int ItemImage(int item) const override;
  void TextEdited(int item, const std::wstring& text) override;

 private:
  void ShowCount(int count);
  size_t RowOf(int item) const { return shown_ ? (*shown_)[static_cast<size_t>(item)] : static_cast<size_t>(item); }

  archiver::listing::EntryRows rows_;
  std::vector<int> images_;
  winui::ListView* view_ = nullptr;
  const std::vector<size_t>* shown_ = nullptr;
};

// The entries of the main window's list.
EntryList& Entries();

// The path of an entry inside its archive: its folder column (blank at the root for some types) and its name.
std::wstring EntryPath(std::wstring_view folder, std::wstring_view name);

}  // namespace browser
