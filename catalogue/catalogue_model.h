#pragma once
// The catalogue session: one row per file, each row owning its Entry and its state image, the
// one selection model whose current index is the list's focus, the sort order, the search words
// and the filter with its count. The window's table view shows this model and this selection
// model as they are. The filter box may hide rows: then the rows of the model, and so of every
// command, are the rows shown, while the hidden ones keep their places and their selection.

#include "base/entry.h"
#include "catalogue/chunked_rows.h"
#include "catalogue/collation.h"
#include "catalogue/columns.h"

#include <QAbstractTableModel>
#include <QByteArray>
#include <QItemSelectionModel>
#include <algorithm>
#include <functional>
#include <future>
#include <optional>
#include <vector>

// An order for the list's rows, as a sort works it out.
struct SortedRows {
    std::vector<int> order;     // order[i]: the row, as it stands now, that goes to place i
    std::vector<int> nameRanks; // the names' ranks by row, when this sort worked them out
    int collationStamp = 0;     // the stamp of the list's collation they were ranked in
};

// An order being put in place a slice at a time (CatalogueModel::moveRowsToOrder).
struct RowPlacing {
    std::vector<bool> placed;
    size_t start = 0; // the first place of the cycle being followed
    size_t at = 0;    // where that cycle stands
    bool inCycle = false;
};

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
    // Rows dragged out of the list give other programs their files, as file URLs
    // ("text/uri-list"), to be copied.
    QStringList mimeTypes() const override;
    QMimeData* mimeData(const QModelIndexList& indexes) const override;
    Qt::DropActions supportedDragActions() const override { return Qt::CopyAction; }

    // Row operations of the list.
    bool insertEntry(int row, Entry entry, StateImage image); // row clamped to [0, count]
    // Appends the rows in one step, each with StateBad or StateNormal as its file is bad or not.
    void appendEntries(std::vector<Entry>&& entries);
    const Entry* entryAt(int row) const; // nullptr when no such row
    // The row's record for changing it; nullptr when no such row. The ranks of the names are
    // worked out afresh after any change made this way.
    Entry* editEntry(int row);
    // Marks the row found or not by the filter pass (the entry's isMatched).
    void setMatched(int row, bool matched);
    StateImage stateImage(int row) const;
    void setStateImage(int row, StateImage image);
    // Every row's image at once (images[row]), told to the views as one change.
    void setStateImages(const std::vector<StateImage>& images);
    void removeEntryRow(int row);
    // Removes the rows (ascending, each once) in one pass. The selection and the focus end as
    // they would had the rows gone one by one: the other rows keep their selection, and a
    // focus on a removed row moves to the nearest row above the removed run it stood in (the
    // row below it when the run starts the list).
    void removeEntryRows(const std::vector<int>& rows);
    void removeAllRows();
    // Waits until the rows of lists taken down have been freed (removeAllRows frees a big list
    // on a worker thread), for measurements of memory.
    void waitUntilRowsFreed() {
        if (m_freeing.valid())
            m_freeing.wait();
    }
    void updateRow(int row); // the row's texts changed: redraw it
    void updateRows(int first, int last); // the same for the rows first to last, in one change
    // Between these two the views see no change (the list's redrawing is off): rows are added
    // silently and the views take the whole list afresh at the end, as after a reset.
    void suspendViewUpdates();
    void resumeViewUpdates();
    // Puts the rows in the order SortedOrder worked out, and keeps the names' ranks when it
    // worked them out. Persistent indexes (and so the selection and focus) follow their rows.
    // With a time limit the rows move for about that many milliseconds a call, and the call
    // returns false until all are in place: between calls every row stands in the list once,
    // so the views may paint, but nothing else may change the list until the order is whole.
    bool moveRowsToOrder(const SortedRows& sorted, int milliseconds = -1);

    // The rows' names ranked in the sort order of names (equal names, equal ranks), kept from
    // the last sort that worked them out until a row is added or changed: a sort by another
    // column orders rows that tie in it by name without collating a million names again. The
    // stamp names the collation they were ranked in; -1 while they are not known.
    int nameRanksStamp() const { return m_nameRanksStamp; }
    int nameRank(int row) const { return m_rows[place(row)].nameRank; }

    // The collation the list's texts are sorted in: the user's locale, or the one set here
    // (a change of the locale, a test).
    const Collation& collation() const { return m_collation; }
    void setSortLocale(const QLocale& locale) { m_collation.setLocale(locale); }

    // The order the rows are kept in; SortColumn applies it. (The views' own sort call stays
    // visible beside it; the list's views never call it.)
    using QAbstractItemModel::sort;
    const SortState& sort() const { return m_sort; }
    void setSort(const SortState& sort) { m_sort = sort; }

    // The search words as the search dialog took them (cut, lower-cased unless the search is
    // case-sensitive) and whether the search is case-sensitive, whether the filter is on, and
    // how many rows it matched (while a scan runs: how many rows have been found so far).
    const QString& searchText() const { return m_searchText; }
    bool searchCaseSensitive() const { return m_searchCaseSensitive; }
    void setSearch(const QString& words, bool caseSensitive) {
        m_searchText = words;
        m_searchCaseSensitive = caseSensitive;
    }
    bool filterOn() const { return m_filterOn; }
    void setFilterOn(bool on) { m_filterOn = on; }
    int foundCount() const { return m_foundCount; }
    void setFoundCount(int count) { m_foundCount = count; }

    // While the list is being refilled or torn down, its changes are not the user's: the
    // status, the focused row and the commands leave them alone. A guard marks that time for
    // as long as it lives; guards may nest.
    class RefillGuard {
    public:
        explicit RefillGuard(CatalogueModel& list) : m_list(list) { ++m_list.m_refilling; }
        ~RefillGuard() { --m_list.m_refilling; }
        RefillGuard(const RefillGuard&) = delete;
        RefillGuard& operator=(const RefillGuard&) = delete;

    private:
        CatalogueModel& m_list;
    };
    bool isRefilling() const { return m_refilling > 0; }

    // The rows the filter box shows. shownByPlace[place] tells, for every row in its place
    // among all rows, whether the list shows it; the hidden rows leave the model's rows (and
    // so the views and every command) but keep their places in the sort and their selection,
    // which comes back when they are shown again. The selection and focus of the rows that
    // stay shown are kept.
    void showRows(const std::vector<char>& shownByPlace);
    void showAllRows(); // the box emptied: every row shown, the selection of all kept
    bool rowsFiltered() const { return m_rowFilter; }
    int allRowCount() const { return int(m_rows.size()); }
    // Every row by its place among all rows, hidden or not: for the filter's worker, which
    // reads them while the list stands still (beforeChange stops it before any change).
    const Entry& entryInPlace(int place) const { return m_rows[size_t(place)].entry; }
    bool hiddenInPlace(int place) const { return m_rows[size_t(place)].hidden; }
    // The row's texts as the filter box compares them; null until set, and again after the
    // row changed.
    const QByteArray& filterTextInPlace(int place) const {
        return m_rows[size_t(place)].filterText;
    }
    void setFilterTextInPlace(int place, QByteArray text) {
        m_rows[size_t(place)].filterText = std::move(text);
    }
    // Counts every change of the rows, their texts or their order.
    quint64 contentStamp() const { return m_contentStamp; }
    // Runs before every change of the rows, their texts or their order.
    std::function<void()> beforeChange;

    // While one lives, the list shows every row, the hidden ones included, in their places:
    // for work that finds rows among all of them (a sort, an undo, the check of the index).
    // Afterwards the filter box's rows are shown again; rows added meanwhile are shown.
    class AllRowsShown {
    public:
        explicit AllRowsShown(CatalogueModel& list);
        ~AllRowsShown();
        AllRowsShown(const AllRowsShown&) = delete;
        AllRowsShown& operator=(const AllRowsShown&) = delete;

    private:
        CatalogueModel& m_list;
    };

    // Selection and focus.
    QItemSelectionModel* selectionModel() { return &m_selection; }
    const QItemSelectionModel* selectionModel() const { return &m_selection; }
    // The number of selected rows, kept up to date as the selection and the rows change. The
    // list is selected by whole rows (the view selects rows, selectAndFocus too).
    int selectedCount() const { return m_selectedCount; }
    bool isSelected(int row) const;
    // The selected rows, ascending.
    std::vector<int> selectedRows() const;
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
    bool placeRows(const SortedRows& sorted, int milliseconds);
    void recountSelection();
    // Hidden rows: whether the model's rows are some of the rows (mapped()), a row's place
    // among all rows, and the change of which rows are shown, keeping selection and focus.
    bool mapped() const { return m_rowFilter && m_allShown == 0; }
    size_t place(int row) const { return mapped() ? size_t(m_shown[size_t(row)]) : size_t(row); }
    int shownCount() const { return mapped() ? int(m_shown.size()) : int(m_rows.size()); }
    void rebuildShown();
    void changeShownRows(const std::function<void()>& change);
    void changing() {
        if (beforeChange)
            beforeChange();
        ++m_contentStamp;
    }

    struct Row {
        Entry entry;
        StateImage image = StateNormal;
        int nameRank = 0;    // while the stamp is not -1; fits beside the image in the padding
        bool hidden = false; // by the filter box
        bool keptSelected = false; // selected when last shown, while hidden
        QByteArray filterText;     // PreparedFilterText of the entry, when known
    };
    ChunkedRows<Row> m_rows;
    int m_nameRanksStamp = -1;
    Collation m_collation;
    std::optional<RowPlacing> m_placing;
    std::future<void> m_freeing; // rows of a list taken down, freed on a worker thread
    bool m_updatesSuspended = false;
    SortState m_sort = DefaultSortState;
    QString m_searchText;
    bool m_searchCaseSensitive = false;
    bool m_filterOn = false;
    int m_foundCount = 0;
    int m_refilling = 0;
    bool m_rowFilter = false; // the filter box hides rows
    int m_allShown = 0;       // AllRowsShown guards alive
    std::vector<int> m_shown; // the places of the rows shown, ascending, while mapped()
    quint64 m_contentStamp = 0;
    QItemSelectionModel m_selection;
    int m_selectedCount = 0;
};
