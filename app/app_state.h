#pragma once
// The program's shared state: the named work texts and the application counts. One instance
// each for the whole run; tests reset them with ResetAppState().
//
// Paths are kept whole (no fixed capacity), so that deep trees and long names are handled
// rather than cut; the other work texts keep their classic capacities as limits.

#include "base/bounded_text.h"

#include <QRect>
#include <QString>

struct ScratchPool {
    BoundedText<1024> textBuffer; // general work text: messages, status texts, report pieces
    QString workingFolder;        // the scanned root; normalised after each refresh
    QString destFolder;           // destination of move and copy; empty after start-up
    QString targetPath;           // target path of a rename, move or copy
    BoundedText<512> editText;    // rename field, new folder name
    BoundedText<512> promptText;  // folder browser prompt, verb of a file operation
    QString reportPath;           // report file path, empty until the first report to a file
    BoundedText<512> editorPath;  // path of the editor program
    BoundedText<512> viewerPath;  // path of the viewer program
    // currentPath and the current file's texts live in FileSummary (format/file_summary.h).
};

struct AppState {
    int currentRow = 0;
    int abortScan = 0;
    QRect panelRect;
};

ScratchPool& scratch();
AppState& appState();

// Puts the work texts, the counts and the catalogue rows back to
// their start-up state. The settings, sort state and folder history have their own resets.
void ResetAppState();

// Rewrites the status bar, the toolbar states and the information panel after a change of the
// list or of the selection; does nothing while the list is being refilled.
void UpdateStatus();

// The row that the commands acting on one file (edit information, run the editor or viewer,
// rename in place) act on: the one selected row, the file the panel shows. -1 unless exactly
// one row is selected. The focus may rest elsewhere (a Ctrl+click that deselected its row), and
// a sort moves the selected row; neither changes which file this is.
int SingleFileRow();
