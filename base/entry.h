#pragma once
// The record behind each list row, and the numbers of the rows' state images. The file summary
// (format/) holds the current file's record too, so the record lives below both.

#include <QString>
#include <array>
#include <cstdint>

// State images of the list rows (the item state's bits 12 to 15 hold the number).
enum StateImage : quint8 {
    StateNone = 0,
    StateMatched = 1,   // filter on, entry matched: green square
    StateUnmatched = 2, // filter on, entry not matched: red square
    StateNormal = 3,    // filter off, good file: blue square
    StateBad = 4,       // filter off, file bad or unreadable: red cross
};

// Field selectors of ReplaceEntryText: the column index of the text shown, 7 for the comments.
enum EntryField : int {
    FieldName = 0,
    FieldFolder = 1,
    FieldTitle = 4,
    FieldSubtitle = 5,
    FieldComments = 7,
};

struct Entry {
    QString name;             // file name as the folder listing returned it, case kept
    QString folder;           // normalised folder holding the file, ending in the separator
    qint64 lastWriteTime = 0; // last-write time, milliseconds since 1970-01-01 UTC
    quint32 size = 0;         // low 32 bits of the file size
    QString title;
    QString subtitle; // shown in the "Author" column
    QString comments;
    std::array<quint8, 12> tuning{}; // first 12 tuning bytes of the first module
    quint8 isMatched = 0;            // found by the last filter pass while the filter is on
    quint8 isBad = 0;                // failed to open, or found bad or empty
};
