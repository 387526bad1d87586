#pragma once
// Sorting the catalogue by one column and the search filter that marks the entries whose
// information texts contain the search words.

#include "base/entry.h"
#include "catalogue/columns.h"

#include <QLocale>
#include <QString>
#include <array>
#include <cstdint>
#include <functional>
#include <vector>

class CatalogueModel;
struct SortedRows;

// The first column whose value is not 0 (Name when, against the rule, none is).
int SortColumnIndex(const SortState& sort);

// Texts are compared case-insensitively in the collation of the user's locale, taken at the
// first comparison; a change of the locale (or a test) sets it again here.
void SetSortLocale(const QLocale& locale);

// Orders two entries for the list in `column`, in the direction `sort` gives that column:
// negative when `a` goes first. While the filter is on, matching entries come first in both
// directions. Entries equal in the column are ordered by name ascending in both directions; 0
// only when the names compare equal too.
int CompareEntries(const Entry& a, const Entry& b, int column, const SortState& sort,
                   bool filterOn);

// Sorts the list by its sort state; selection and focus stay with their rows.
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

class UiHooks;

// The search words as the search dialog takes them on OK: cut to 31 characters and lower-cased
// unless the search is case-sensitive, kept in the list with the case rule.
void TakeSearchWords(CatalogueModel& list, const QString& words, bool caseSensitive);

// Whether the list's search words occur in the entry's title, subtitle and comments joined
// without a separator (the texts lower-cased first unless the search is case-sensitive).
bool EntryMatchesSearch(const CatalogueModel& list, const Entry& entry);

// The filter pass: marks every row matched or unmatched while the filter is on (counting the
// matches in foundCount), or restores the normal state images while it is off; clears every
// row's selection and focus, sorts, and with the filter on shows row 0 and, when something
// matched, selects and focuses it. Ends with UpdateStatus, row 0 being the focused row.
void ApplySearchFilter(CatalogueModel& list, UiHooks& window);

// The filter button: turns the filter over when there are search words, then runs the pass.
void ToggleSearchFilter(CatalogueModel& list, UiHooks& window);

// OK in the search dialog: takes the words (TakeSearchWords), turns the filter off and
// continues as the filter button, so that words turn the filter on (or search again while it
// is on) and empty words leave it off.
void AcceptSearchWords(CatalogueModel& list, UiHooks& window, const QString& words,
                       bool caseSensitive);
