#pragma once
// The search filter: it marks the entries whose information texts contain the search words
// and sorts them first.

#include "base/entry.h"

#include <QString>

class CatalogueModel;
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
