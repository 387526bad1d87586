#include "catalogue/status.h"

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

QString CountText(const CatalogueModel& list) {
    if (list.filterOn() || !list.rowsFiltered())
        return CountText(list.filterOn(), list.foundCount(), list.allRowCount());
    return QCoreApplication::translate("Status", "Shown: %1 of %2")
        .arg(list.rowCount())
        .arg(list.allRowCount());
}

void UpdateStatus(const CatalogueModel& list, UiHooks& window, int currentRow) {
    if (list.isRefilling())
        return;
    window.setStatusText(1, FocusedText(currentRow));
    const int selected = list.selectedCount();
    window.setStatusText(2, SelectedText(selected));
    window.setStatusText(3, CountText(list));
    ToolbarState toolbar;
    toolbar.fileCommands = selected > 0;
    toolbar.singleCommands = selected == 1;
    toolbar.filterPressed = list.filterOn();
    window.setToolbarState(toolbar);
    if (selected != 1) {
        window.showFileInPanel(nullptr);
        return;
    }
    // The selected row (the current row only when, against the rule, none is selected): the
    // focus may rest on a row that a Ctrl+click has just deselected.
    const int row = list.nextRow(-1, true);
    FileSummary shown;
    LoadEntryAsCurrent(list, row >= 0 ? row : currentRow, shown);
    window.showFileInPanel(&shown);
}

int SingleFileRow(const CatalogueModel& list) {
    const QModelIndexList rows = list.selectionModel()->selectedRows();
    return rows.size() == 1 ? rows.front().row() : -1;
}
