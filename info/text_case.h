#pragma once
// The text tools of the information and rename dialogs: three case tools on the selected part
// of a field, the removal of double quotes, and the word-moving tool.

#include <QString>
#include <QStringView>

// The case tools, by the identifiers of their buttons.
enum CaseTool : int {
    CaseUpper = 210, // "ABC"
    CaseLower = 211, // "abc"
    CaseWords = 212, // "Abc"
};

// A field's selection as it was when the field lost the keyboard focus.
struct FieldSelection {
    int start = 0;
    int end = 0;
};

// Converts one text with the tool. Every character is mapped on its own, so the text keeps its
// length. "Abc" lower-cases the text, then upper-cases the first character and every character
// that follows one whose code is below 64 (control characters, the space, the digits, "!" to
// "/" and ":" to "?"); letters, "[", "_" and all characters beyond ASCII start no word.
QString ConvertCase(int tool, QStringView text);

// `text` with its part from selection.start to selection.end converted by the tool; a
// selection outside the text is clipped to it, an empty one changes nothing.
QString ApplyCase(int tool, const QString& text, FieldSelection selection);

// `text` without any double quote.
QString RemoveQuotes(QStringView text);

// The part of a field that MoveFirstWord reads.
constexpr int MoveFirstWordRead = 199;

// "Word rest.ext" becomes "rest (Word).zuf": the first word moves behind the rest, which ends
// at the next full stop. Answers the text unchanged when its first 199 characters do not
// start with a word followed by a space, or hold no full stop after the rest.
QString MoveFirstWord(const QString& text);
