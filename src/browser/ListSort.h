#pragma once
// Sorting the main window's entry list by one of its nine columns: the text columns by their cell texts,
// the size, packed size and ratio columns by their numbers. Both sorts are stable and keep every item
// whole; their cost grows as n log n with the number of entries.
namespace browser {

// Column 0 to 8 sorts by that column in the order of Settings.SortFlag ("0" ascending). Column 9 changes
// nothing, except that a list whose text sorting is still on from an earlier text sort is kept in that
// column's order (as new items of such a list would be placed). Other values do nothing.
void SortListView(int column);
// Sorts by the number in column 2, 3 or 4 ("1,234"; "50.0%"; a cell that is no number counts as 0), turns
// the text sorting off, and leaves exactly the first entry selected.
void SortListViewNumeric(int column);

}  // namespace browser
