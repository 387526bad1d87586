#pragma once
// The status bar's texts and the toolbar's states, composed from the catalogue session.

#include <QString>

class CatalogueModel;
class UiHooks;

QString FocusedText(int currentRow);     // "Focused: %d" with currentRow + 1
QString SelectedText(int selectedCount); // "Selected: 5 files", "Selected: 1 file"
QString CountText(int filterOn, int foundCount, int rowCount); // "Found: ..." or "Total: ..."
// While the filter box hides rows: "Shown: N of M", unless the search filter is on ("Found").
QString CountText(const CatalogueModel& list);

// Rewrites the status bar, the toolbar states and the information panel through `window` after
// a change of the list or of the selection; `currentRow` is the focused row. Does nothing while
// the list is being refilled.
void UpdateStatus(const CatalogueModel& list, UiHooks& window, int currentRow);

// The row that the commands acting on one file (edit information, run the editor or viewer,
// rename in place) act on: the one selected row, the file the panel shows. -1 unless exactly
// one row is selected. The focus may rest elsewhere (a Ctrl+click that deselected its row), and
// a sort moves the selected row; neither changes which file this is.
int SingleFileRow(const CatalogueModel& list);
