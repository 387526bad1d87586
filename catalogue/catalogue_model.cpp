#include "catalogue/catalogue_model.h"

#include "catalogue/columns.h"

#include <QCoreApplication>
#include <algorithm>
#include <numeric>

CatalogueModel::CatalogueModel(QObject* parent) : QAbstractTableModel(parent), m_selection(this) {}

CatalogueModel& catalogue() {
    static CatalogueModel model;
    return model;
}

int CatalogueModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(m_rows.size());
}

int CatalogueModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

// What the state image of a row says in words, for assistive tools: the colours and the cross
// alone tell nothing to someone who does not see them.
static QString StateImageDescription(StateImage image) {
    switch (image) {
    case StateMatched:
        return QCoreApplication::translate("Catalogue", "Matches the search");
    case StateUnmatched:
        return QCoreApplication::translate("Catalogue", "Does not match the search");
    case StateBad:
        return QCoreApplication::translate("Catalogue", "Bad or unreadable file");
    default:
        return {};
    }
}

QVariant CatalogueModel::data(const QModelIndex& index, int role) const {
    const Entry* entry = entryAt(index.row());
    if (!entry || index.column() < 0 || index.column() >= ColumnCount)
        return {};
    switch (role) {
    case Qt::DisplayRole:
    case Qt::ToolTipRole:
        return GetEntryDisplayInfo(*entry, index.column());
    case Qt::EditRole:
        return index.column() == ColumnName ? QVariant(entry->name) : QVariant();
    case Qt::TextAlignmentRole:
        return (index.column() == ColumnDate || index.column() == ColumnSize)
                   ? QVariant(int(Qt::AlignRight | Qt::AlignVCenter))
                   : QVariant(int(Qt::AlignLeft | Qt::AlignVCenter));
    case Qt::DecorationRole:
        if (index.column() == ColumnName && decorationProvider)
            return decorationProvider(m_rows[size_t(index.row())].image);
        return {};
    case StateImageRole:
        return int(m_rows[size_t(index.row())].image);
    case Qt::AccessibleDescriptionRole:
        if (index.column() == ColumnName)
            return StateImageDescription(m_rows[size_t(index.row())].image);
        return {};
    default:
        return {};
    }
}

QVariant CatalogueModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 || section >= ColumnCount)
        return {};
    static const ColumnTable table = DefaultColumnTable();
    if (role == Qt::DisplayRole)
        return QCoreApplication::translate("Columns", table[size_t(section)].caption);
    if (role == Qt::TextAlignmentRole)
        return int((table[size_t(section)].format ? Qt::AlignRight : Qt::AlignLeft) |
                   Qt::AlignVCenter);
    return {};
}

Qt::ItemFlags CatalogueModel::flags(const QModelIndex& index) const {
    if (!index.isValid())
        return Qt::NoItemFlags;
    Qt::ItemFlags f = Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemNeverHasChildren;
    if (index.column() == ColumnName)
        f |= Qt::ItemIsEditable;
    return f;
}

bool CatalogueModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (role != Qt::EditRole || index.column() != ColumnName || !entryAt(index.row()))
        return false;
    if (!labelEditHandler)
        return false;
    return labelEditHandler(index.row(), value.toString());
}

bool CatalogueModel::insertEntry(int row, Entry entry, StateImage image) {
    row = std::clamp(row, 0, int(m_rows.size()));
    if (m_updatesSuspended) {
        m_rows.insert(m_rows.begin() + row, Row{std::move(entry), image});
        return true;
    }
    beginInsertRows({}, row, row);
    m_rows.insert(m_rows.begin() + row, Row{std::move(entry), image});
    endInsertRows();
    return true;
}

Entry* CatalogueModel::entryAt(int row) {
    return row >= 0 && row < int(m_rows.size()) ? &m_rows[size_t(row)].entry : nullptr;
}

const Entry* CatalogueModel::entryAt(int row) const {
    return row >= 0 && row < int(m_rows.size()) ? &m_rows[size_t(row)].entry : nullptr;
}

StateImage CatalogueModel::stateImage(int row) const {
    return row >= 0 && row < int(m_rows.size()) ? m_rows[size_t(row)].image : StateNone;
}

void CatalogueModel::setStateImage(int row, StateImage image) {
    if (row < 0 || row >= int(m_rows.size()) || m_rows[size_t(row)].image == image)
        return;
    m_rows[size_t(row)].image = image;
    if (m_updatesSuspended)
        return;
    const QModelIndex cell = index(row, ColumnName);
    emit dataChanged(cell, cell, {Qt::DecorationRole, StateImageRole});
}

void CatalogueModel::removeEntryRow(int row) {
    if (row < 0 || row >= int(m_rows.size()))
        return;
    if (m_updatesSuspended) {
        m_rows.erase(m_rows.begin() + row);
        return;
    }
    beginRemoveRows({}, row, row);
    m_rows.erase(m_rows.begin() + row);
    endRemoveRows();
}

void CatalogueModel::appendEntries(std::vector<Entry>&& entries) {
    if (entries.empty())
        return;
    const int first = int(m_rows.size());
    if (!m_updatesSuspended)
        beginInsertRows({}, first, first + int(entries.size()) - 1);
    if (m_rows.capacity() < m_rows.size() + entries.size()) // grow geometrically, once
        m_rows.reserve(std::max(m_rows.size() + entries.size(), 2 * m_rows.capacity()));
    for (Entry& entry : entries) {
        const StateImage image = entry.isBad ? StateBad : StateNormal;
        m_rows.push_back({std::move(entry), image});
    }
    if (!m_updatesSuspended)
        endInsertRows();
}

void CatalogueModel::removeAllRows() {
    if (!m_updatesSuspended)
        beginResetModel();
    std::vector<Row>().swap(m_rows); // gives the memory back, not just the rows
    if (!m_updatesSuspended)
        endResetModel();
    m_selection.clear();
}

void CatalogueModel::suspendViewUpdates() {
    if (m_updatesSuspended)
        return;
    beginResetModel();
    m_updatesSuspended = true;
}

void CatalogueModel::resumeViewUpdates() {
    if (!m_updatesSuspended)
        return;
    m_updatesSuspended = false;
    endResetModel();
}

void CatalogueModel::updateRow(int row) {
    if (row < 0 || row >= int(m_rows.size()) || m_updatesSuspended)
        return;
    emit dataChanged(index(row, 0), index(row, ColumnCount - 1));
}

void CatalogueModel::sortRows(const std::function<int(const Entry&, const Entry&)>& compare) {
    sortRowNumbers([&](int a, int b) {
        return compare(m_rows[size_t(a)].entry, m_rows[size_t(b)].entry) < 0;
    });
}

void CatalogueModel::applyOrder(const std::vector<int>& order) {
    if (!m_updatesSuspended)
        emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    // The rows move in place, cycle by cycle of the permutation, each row once: no second list
    // of a million records is made.
    std::vector<int> newPosition(m_rows.size());
    for (size_t i = 0; i < order.size(); ++i)
        newPosition[size_t(order[i])] = int(i);
    std::vector<bool> placed(m_rows.size());
    for (size_t start = 0; start < m_rows.size(); ++start) {
        if (placed[start])
            continue;
        // Position `start` takes the row at order[start], whose place takes the row at
        // order[order[start]], and so on until the cycle closes.
        Row carried = std::move(m_rows[start]);
        size_t at = start;
        for (;;) {
            placed[at] = true;
            const size_t from = size_t(order[at]);
            if (from == start)
                break;
            m_rows[at] = std::move(m_rows[from]);
            at = from;
        }
        m_rows[at] = std::move(carried);
    }
    if (m_updatesSuspended)
        return; // the views take the whole list afresh when updates resume
    const QModelIndexList from = persistentIndexList();
    QModelIndexList to;
    to.reserve(from.size());
    for (const QModelIndex& old : from)
        to.append(index(newPosition[size_t(old.row())], old.column()));
    changePersistentIndexList(from, to);
    emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

int CatalogueModel::selectedCount() const {
    return int(m_selection.selectedRows().size());
}

bool CatalogueModel::isSelected(int row) const {
    return m_selection.isRowSelected(row, {});
}

int CatalogueModel::nextRow(int after, bool selectedOnly) const {
    for (int row = std::max(after + 1, 0); row < int(m_rows.size()); ++row) {
        if (!selectedOnly || isSelected(row))
            return row;
    }
    return -1;
}

void CatalogueModel::selectAndFocus(int row) {
    if (row < 0 || row >= int(m_rows.size()))
        return;
    m_selection.setCurrentIndex(index(row, 0),
                                QItemSelectionModel::Select | QItemSelectionModel::Rows);
}

void CatalogueModel::clearSelectionAndFocus() {
    m_selection.clear();
}
