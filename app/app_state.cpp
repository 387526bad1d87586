#include "app/app_state.h"

#include "catalogue/catalogue_model.h"

ScratchPool& scratch() {
    static ScratchPool pool;
    return pool;
}

void ResetAppState() {
    scratch() = ScratchPool{};
    CatalogueModel& list = catalogue();
    list.removeAllRows();
    list.setSearch({}, false);
    list.setFilterOn(false);
    list.setFoundCount(0);
}
