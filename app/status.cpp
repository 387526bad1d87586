#include "app/status.h"

#include "app/app_state.h"
#include "base/ui_hooks.h"
#include "catalogue/catalogue_model.h"
#include "catalogue/entry_rows.h"
#include "format/file_summary.h"

#include <QCoreApplication>

QString FocusedText(int currentRow) {
    return QCoreApplication::translate("Status", "Focused: %1").arg(currentRow + 1);
}

QString SelectedText(int selectedCount) {
    // Fewer than two rows read "Selected: 1 file", "Selected: 0 file".
    return (selectedCount < 2 ? QCoreApplication::translate("Status", "Selected: %1 file")
                              : QCoreApplication::translate("Status", "Selected: %1 files"))
        .arg(selectedCount);
}

QString CountText(int filterOn, int foundCount, int rowCount) {
    return filterOn ? QCoreApplication::translate("Status", "Found: %1 file(s)").arg(foundCount)
                    : QCoreApplication::translate("Status", "Total: %1 file(s)").arg(rowCount);
}

void UpdateStatus() {
    AppState& app = appState();
    if (app.selectedCount == -16)
        return;
    UiHooks& window = ui();
    window.setStatusText(1, FocusedText(app.currentRow));
    app.selectedCount = catalogue().selectedCount();
    window.setStatusText(2, SelectedText(app.selectedCount));
    window.setStatusText(3, CountText(app.filterOn, app.foundCount, app.rowCount));
    ToolbarState toolbar;
    toolbar.fileCommands = app.selectedCount > 0;
    toolbar.singleCommands = app.selectedCount == 1;
    toolbar.filterPressed = app.filterOn != 0;
    window.setToolbarState(toolbar);
    if (app.selectedCount != 1) {
        window.showFileInPanel(nullptr);
        return;
    }
    // The selected row (the current row only when, against the rule, none is selected): the
    // focus may rest on a row that a Ctrl+click has just deselected.
    const int selected = catalogue().nextRow(-1, true);
    FileSummary shown;
    LoadEntryAsCurrent(selected >= 0 ? selected : app.currentRow, shown);
    window.showFileInPanel(&shown);
}
