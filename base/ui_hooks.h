#pragma once
// What the logic asks of the window while it works: status texts, the toolbar's states, the
// information panel, and the scan's look at the input queue. The window implements it; tests
// fake it; without a window the default does nothing.

#include <QString>

struct FileSummary;

struct ToolbarState {
    // move, copy, rename, delete, report, edit information: something selected
    bool fileCommands = false;
    bool singleCommands = false; // run the editor: exactly one selected
    bool filterPressed = false;  // the filter button shows pressed while the filter is on
};

class UiHooks {
public:
    virtual ~UiHooks() = default;
    virtual void setStatusText(int part, const QString& text) {
        (void)part;
        (void)text;
    }
    virtual void setToolbarState(const ToolbarState& state) { (void)state; }
    // Shows `file` (its currentPath, read afresh with the notes, and its currentEntry) in the
    // information panel; nullptr shows the panel without a file.
    virtual void showFileInPanel(const FileSummary* file) { (void)file; }
    // Called at least every 50 ms while the scan runs: lets the window repaint, swallows other
    // input, and answers true when Esc was pressed.
    virtual bool scanEscPressed() { return false; }
    // Tells the user something once, in the status bar (trouble of the catalogue index, say).
    virtual void showNotice(const QString& text) { (void)text; }
    // Scrolls the list so that the row is wholly visible.
    virtual void ensureRowVisible(int row) { (void)row; }
};
