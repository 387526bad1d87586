#pragma once
// Sorting the catalogue by one column.

#include "base/entry.h"
#include "catalogue/columns.h"

#include <cstdint>
#include <functional>
#include <vector>

class CatalogueModel;
class Collation;
struct SortedRows;

// The first column whose value is not 0 (Name when, against the rule, none is).
int SortColumnIndex(const SortState& sort);

// Orders two entries for the list in `column`, in the direction `sort` gives that column:
// negative when `a` goes first. Texts are compared in `collation`. While the filter is on,
// matching entries come first in both directions. Entries equal in the column are ordered by
// name ascending in both directions; 0 only when the names compare equal too.
int CompareEntries(const Entry& a, const Entry& b, int column, const SortState& sort, bool filterOn,
                   const Collation& collation);

// Sorts the list by its sort state, its texts in the list's own collation; selection and focus
// stay with their rows.
void SortColumn(CatalogueModel& list, bool filterOn);
// The order SortColumn puts the rows in, computed without changing the list, so that it may
// run on another thread while the list stands still. Rows equal in the sort are kept in the
// order `earlier` gives them (their places in a scan's walk), or else in the order they stand.
SortedRows SortedOrder(const CatalogueModel& list, bool filterOn,
                       const std::vector<std::uint64_t>* earlier = nullptr);
// Puts the rows in the sorted order, and lets the list keep the names' ranks for later sorts.
// With `between`, the rows move in slices of about 10 ms, and `between` runs after each.
void ApplySortedOrder(CatalogueModel& list, const SortedRows& sorted,
                      const std::function<void()>& between = {});

// A click on a column header: the clicked column becomes the list's sort column, ascending, or
// its direction reverses when it already is; then the list is sorted.
void ColumnClick(CatalogueModel& list, int column, bool filterOn);
