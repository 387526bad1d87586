#pragma once
// The status bar's texts and the toolbar's states, composed from the application counts.

#include <QString>

QString FocusedText(int currentRow);                  // "Focused: %d" with currentRow + 1
QString SelectedText(int selectedCount);              // "Selected: 5 files", "Selected: 1 file"
QString CountText(int filterOn, int foundCount, int rowCount); // "Found: ..." or "Total: ..."
