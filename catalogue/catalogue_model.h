#pragma once
// The catalogue list: one row per file, each row owning its Entry and its state image, and the
// one selection model whose current index is the list's focus. The window's table view shows
// this model and this selection model as they are.

#include "catalogue/columns.h"
#include "catalogue/entry.h"

#include <QAbstractTableModel>
#include <QItemSelectionModel>
#include <algorithm>
#include <functional>
#include <numeric>
#include <vector>

class CatalogueModel : public QAbstractTableModel {
    Q_OBJECT
public:
    static constexpr int StateImageRole = Qt::UserRole + 1; // the row's StateImage number

    explicit CatalogueModel(QObject* parent = nullptr);

    // QAbstractTableModel
    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;

    // Row operations of the list.
    bool insertEntry(int row, Entry entry, StateImage image); // row clamped to [0, count]
    // Appends the rows in one step, each with StateBad or StateNormal as its file is bad or not.
    void appendEntries(std::vector<Entry>&& entries);
    Entry* entryAt(int row); // nullptr when no such row
    const Entry* entryAt(int row) const;
    StateImage stateImage(int row) const;
    void setStateImage(int row, StateImage image);
    void removeEntryRow(int row);
    void removeAllRows();
    void updateRow(int row); // the row's texts changed: redraw it
    // Between these two the views see no change (the list's redrawing is off): rows are added
    // silently and the views take the whole list afresh at the end, as after a reset.
    void suspendViewUpdates();
    void resumeViewUpdates();
    // Sorts the rows with a strict-weak "goes before" built from a three-way comparator;
    // persistent indexes (and so the selection and focus) follow their rows.
    void sortRows(const std::function<int(const Entry&, const Entry&)>& compare);
    // The same with a "goes before" of two row numbers (as they are before the sort), for
    // comparators that look up keys made once per sort.
    template <typename GoesBefore> void sortRowNumbers(GoesBefore goesBefore) {
        if (m_rows.size() < 2)
            return;
        // Sort a permutation, then move the rows and the persistent indexes along it.
        std::vector<int> order(m_rows.size());
        std::iota(order.begin(), order.end(), 0);
        std::stable_sort(order.begin(), order.end(), goesBefore);
        applyOrder(order);
    }

    // The order the rows are kept in; SortColumn applies it.
    const SortState& sort() const { return m_sort; }
    void setSort(const SortState& sort) { m_sort = sort; }

    // Selection and focus.
    QItemSelectionModel* selectionModel() { return &m_selection; }
    int selectedCount() const;
    bool isSelected(int row) const;
    // The next row after `after` (-1: from the start) among all rows or among the selected
    // ones, in display order; -1 when there is none.
    int nextRow(int after, bool selectedOnly) const;
    void selectAndFocus(int row); // adds the row to the selection and makes it current
    void clearSelectionAndFocus();

    // Shown as the Name cell's decoration: the window turns a state image number into a
    // picture (the logic layer has no pictures).
    std::function<QVariant(StateImage)> decorationProvider;
    // In-place renaming of the Name cell: answers whether the new label is accepted.
    std::function<bool(int row, const QString& newName)> labelEditHandler;

private:
    void applyOrder(const std::vector<int>& order);

    struct Row {
        Entry entry;
        StateImage image = StateNormal;
    };
    std::vector<Row> m_rows;
    bool m_updatesSuspended = false;
    SortState m_sort = DefaultSortState;
    QItemSelectionModel m_selection;
};

// The one catalogue of the program.
CatalogueModel& catalogue();
