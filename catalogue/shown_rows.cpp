#include "catalogue/shown_rows.h"

#include "catalogue/catalogue_model.h"

std::vector<int> ShownRows(const CatalogueModel& list) {
    std::vector<int> rows(size_t(list.rowCount()));
    for (size_t i = 0; i < rows.size(); ++i)
        rows[i] = int(i);
    return rows;
}

std::vector<int> ShownSelectedRows(const CatalogueModel& list) {
    return list.selectedRows();
}
