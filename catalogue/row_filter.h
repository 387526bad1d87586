#pragma once
// The filter box's rule: the words typed, and whether a row's texts contain them all. A row's
// texts are prepared once (case-folded, in UTF-8, one field per column and the comments), so
// that a keystroke over a million rows compares bytes and formats no date again.

#include "base/entry.h"
#include "catalogue/columns.h"

#include <QByteArray>
#include <QString>
#include <vector>

// The comments, searched beside the columns' texts.
constexpr int FieldCommentsText = ColumnCount;
constexpr int FilterFieldCount = ColumnCount + 1;

// One word of the filter box. `field` is a column, or FieldCommentsText, or -1 for a word
// that any visible column's text or the comments may contain. A named word with no text
// (`title:`) asks for rows whose text in that field is empty.
struct FilterWord {
    int field = -1;
    QByteArray text; // case-folded UTF-8
    bool operator==(const FilterWord&) const = default;
};

// The words of the box's text: split at blanks, a double-quoted part kept whole (quotes may
// follow a field name: tuning:"d a d g a d"); a word may start with a field name and a colon
// (name, path, date, size, title, author, tuning, comments; case ignored). A word whose part
// before the colon names no field is searched as typed ("c:").
std::vector<FilterWord> ParseFilterWords(const QString& text);

// The entry's texts as the filter compares them: the cell texts of the seven columns and the
// comments, case-folded, in UTF-8, each followed by the unit separator 0x1F (which no word
// holds), in the order of the fields.
QByteArray PreparedFilterText(const Entry& entry);

// Which fields an unnamed word is looked for in: bit `field` for each visible column, and the
// comments always.
unsigned SearchedFields(const ColumnTable& columns);

// Whether the prepared text holds every word: an unnamed word in one of the searched fields,
// a named word in its own field whether it is visible or not.
bool FilterTextMatches(const QByteArray& prepared, const std::vector<FilterWord>& words,
                       unsigned searchedFields);

// True when every row that `narrower` matches is matched by `wider` too, as when words only
// grew while typing: then the rows shown for `wider` are the only ones to look at again.
bool FilterWordsNarrow(const std::vector<FilterWord>& wider,
                       const std::vector<FilterWord>& narrower);
