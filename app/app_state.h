#pragma once
// The work texts the file operations still share with the window. One instance for the whole
// run; tests reset it with ResetAppState().
//
// Paths are kept whole (no fixed capacity), so that deep trees and long names are handled
// rather than cut; the other work texts keep their classic capacities as limits.

#include "base/bounded_text.h"

#include <QString>

struct ScratchPool {
    BoundedText<1024> textBuffer; // general work text: messages, status texts, report pieces
    QString workingFolder;        // the scanned root; normalised after each refresh
    QString destFolder;           // destination of move and copy; empty after start-up
    QString targetPath;           // target path of a rename, move or copy
    BoundedText<512> editText;    // rename field, new folder name
    BoundedText<512> promptText;  // folder browser prompt, verb of a file operation
    QString reportPath;           // report file path, empty until the first report to a file
    // currentPath and the current file's texts live in FileSummary (format/file_summary.h).
};

ScratchPool& scratch();

// Puts the work texts and the catalogue session back to their start-up state. The settings,
// sort state and folder history have their own resets.
void ResetAppState();
