#pragma once
// The seven list columns, the note names and the cell texts of a row.

#include "base/entry.h"

#include <QString>
#include <array>

enum ColumnIndex : int {
    ColumnName = 0,
    ColumnPath = 1,
    ColumnDate = 2,
    ColumnSize = 3,
    ColumnTitle = 4,
    ColumnAuthor = 5,
    ColumnTuning = 6,
};
constexpr int ColumnCount = 7;

// One value per column: 0 not the sort column, positive ascending, negative descending.
// Exactly one value is not 0.
using SortState = std::array<int, ColumnCount>;
// Name ascending, as at the creation of the main window.
constexpr SortState DefaultSortState{1, 0, 0, 0, 0, 0, 0};

struct ColumnSpec {
    int format = 0; // 0 left aligned, 1 right aligned
    int width = 0;  // pixels
    quint16 visible = 1;
    const char* caption = ""; // the column's heading before translation (context "Columns")
};

using ColumnTable = std::array<ColumnSpec, ColumnCount>;

// The table with its built-in captions, formats, default widths and all columns visible.
ColumnTable DefaultColumnTable();
// The default width of each column: 100, 80, 60, 40, 100, 100, 100.
int DefaultColumnWidth(int column);

// Note names indexed by a note number modulo 12: a descending chromatic scale from C.
extern const std::array<const char16_t*, 12> NoteNames;

// Appends the tuning text: the names of the non-zero bytes from position 11 down to 0, each
// followed by one blank.
void FormatTuning(const quint8* tuning12, QString& out);
QString FormatTuning(const std::array<quint8, 12>& tuning);

// The user's short date format of the UTC calendar date, with a four-digit year.
QString FormatEntryDate(qint64 lastWriteTime);

// The text of one cell of the row, composed when asked for; other columns give a null text.
QString GetEntryDisplayInfo(const Entry& entry, int column);
