#pragma once
// The row operations of the catalogue: building a row from the current file, making a row's
// file the current one, changing a row's texts and releasing a row's record.
//
// Each row owns its Entry by value, texts included; nothing outside the row refers to them.

#include "base/entry.h"

#include <QString>

class CatalogueModel;
struct FileSummary;

// A row's record from a file summary: the currentEntry's name, folder, time, size and isBad,
// and the texts and tuning read from the file. The name and the three texts share one block of
// exactly their length.
Entry EntryFromSummary(const FileSummary& summary);
// Puts the entry's name and three texts into one block, as EntryFromSummary does.
void PackEntryTexts(Entry& entry);

// Builds an Entry from `summary` and inserts it as a new row at the given position, with the
// state image StateBad or StateNormal. Returns 1, or 0 when the position is outside
// 0..rowCount (nothing is inserted then).
int InsertEntryRow(CatalogueModel& list, int row, const FileSummary& summary);

// Makes the row's file the current file of `summary`: empties currentPath; when the row
// exists, copies its Entry into currentEntry and sets currentPath to folder followed by name.
void LoadEntryAsCurrent(const CatalogueModel& list, int row, FileSummary& summary);

// Replaces the name, folder, title, subtitle or comments of the row (the EntryField numbers);
// other selectors replace nothing. The row is redrawn whenever it exists.
void ReplaceEntryText(CatalogueModel& list, int row, int field, const QString& text);

// Releases the row's texts. Returns 1, or 0 when the row does not exist. The row itself stays
// until the caller removes it; nothing may ask it for text in between.
int FreeEntryRow(CatalogueModel& list, int row);
