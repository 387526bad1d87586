#include "app/app_state.h"

#include "catalogue/catalogue_model.h"

ScratchPool& scratch() {
    static ScratchPool pool;
    return pool;
}

AppState& appState() {
    static AppState state;
    return state;
}

void ResetAppState() {
    scratch() = ScratchPool{};
    appState() = AppState{};
    CatalogueModel& list = catalogue();
    list.removeAllRows();
    list.setSearchText({});
    list.setFilterOn(false);
    list.setFoundCount(0);
}

int SingleFileRow() {
    const QModelIndexList rows = catalogue().selectionModel()->selectedRows();
    return rows.size() == 1 ? rows.front().row() : -1;
}
