#pragma once
// Everything the information panel paints for the current file, in painting order, and the
// rule for how many module lines fit. The window draws these strings; tests read them.

#include <QString>
#include <vector>

struct FileSummary;

struct PanelModuleLine {
    QString label; // "Module 1"
    QString name;  // at most 31 characters
};

struct PanelContent {
    QString name;     // dark blue, bold
    QString folder;   // dark blue
    QString title;    // black, word-wrapped
    QString subtitle; // word-wrapped
    QString comments; // word-wrapped, tabs expanded
    // A bad or unreadable file shows only the texts above.
    bool showSummary = false;
    QString labels; // "Format", "Measures", "Time Signature", "Key Signature", one a line
    QString values; // the four values, one a line
    std::vector<PanelModuleLine> modules; // up to 16; the painter shows those that fit
    QString notes;                        // after a separator when not empty
};

// Composes the panel from the current file summary as read (mode 2 of the reader). Line
// breaks are "\n".
PanelContent ComposePanel(const FileSummary& summary);

// How many of `count` module lines are drawn: a line is drawn while its top is at most
// `bottom` - 16; each line moves the top down by `lineHeight`.
int ModuleLinesThatFit(int top, int bottom, int lineHeight, int count);

// Whether the notes are drawn: only when their top is strictly above `bottom` - 16.
bool NotesFit(int top, int bottom);
