#pragma once
// The rows the list shows, which the commands over "all rows" take: an export of the whole
// list, the search for duplicates.

#include <vector>

class CatalogueModel;

// The rows the list shows, top to bottom: every row of the list.
std::vector<int> ShownRows(const CatalogueModel& list);

// The selected rows among those shown, top to bottom.
std::vector<int> ShownSelectedRows(const CatalogueModel& list);
