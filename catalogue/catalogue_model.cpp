#include "catalogue/catalogue_model.h"

#include "catalogue/columns.h"
#include "platform/thread_priority.h"

#include "platform/native_file.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QMimeData>
#include <QUrl>
#include <algorithm>
#include <numeric>

// The rows that the ranges select whole. Ranges of a selection never overlap.
static int WholeRows(const QItemSelection& ranges, int columns) {
    int rows = 0;
    for (const QItemSelectionRange& range : ranges)
        if (range.isValid() && range.left() == 0 && range.right() == columns - 1)
            rows += range.height();
    return rows;
}

CatalogueModel::CatalogueModel(QObject* parent) : QAbstractTableModel(parent), m_selection(this) {
    // The count follows each change of the selection by the rows it gained and lost. Changes
    // of the rows may change the selection without telling (a reset empties it, a removal or a
    // sort moves it): after them it is counted afresh, range by range. These connections come
    // after the selection model's own, so they see the selection as it has followed the rows.
    connect(&m_selection, &QItemSelectionModel::selectionChanged, this,
            [this](const QItemSelection& selected, const QItemSelection& deselected) {
                m_selectedCount +=
                    WholeRows(selected, ColumnCount) - WholeRows(deselected, ColumnCount);
            });
    connect(this, &QAbstractItemModel::rowsInserted, this, &CatalogueModel::recountSelection);
    connect(this, &QAbstractItemModel::rowsRemoved, this, &CatalogueModel::recountSelection);
    connect(this, &QAbstractItemModel::layoutChanged, this, &CatalogueModel::recountSelection);
    connect(this, &QAbstractItemModel::modelReset, this, &CatalogueModel::recountSelection);
}

void CatalogueModel::recountSelection() {
    m_selectedCount = WholeRows(m_selection.selection(), ColumnCount);
}

int CatalogueModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : shownCount();
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
            return decorationProvider(m_rows[place(index.row())].image);
        return {};
    case StateImageRole:
        return int(m_rows[place(index.row())].image);
    case Qt::AccessibleDescriptionRole:
        if (index.column() == ColumnName)
            return StateImageDescription(m_rows[place(index.row())].image);
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
    Qt::ItemFlags f =
        Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemNeverHasChildren | Qt::ItemIsDragEnabled;
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

QStringList CatalogueModel::mimeTypes() const {
    return {QStringLiteral("text/uri-list")};
}

// The file's URL as other programs open it: on Linux from the name's bytes as the file system
// holds them, so that a name that is not UTF-8 still names its file.
static QUrl FileUrl(const QString& path) {
#ifdef Q_OS_WIN
    return QUrl::fromLocalFile(path);
#else
    return QUrl::fromEncoded(QByteArrayLiteral("file://") +
                             EncodeFileName(path).toPercentEncoding("/"));
#endif
}

QMimeData* CatalogueModel::mimeData(const QModelIndexList& indexes) const {
    std::vector<int> rows;
    for (const QModelIndex& index : indexes)
        if (index.isValid())
            rows.push_back(index.row());
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    QList<QUrl> urls;
    for (int row : rows)
        if (const Entry* entry = entryAt(row))
            urls << FileUrl(entry->folder + entry->name);
    auto* data = new QMimeData;
    data->setUrls(urls);
    return data;
}

bool CatalogueModel::insertEntry(int row, Entry entry, StateImage image) {
    row = std::clamp(row, 0, shownCount());
    const size_t at = row == shownCount() ? m_rows.size() : place(row);
    changing();
    m_nameRanksStamp = -1;
    const auto insert = [&] {
        m_rows.insert(at, Row{std::move(entry), image, 0, false, false, {}});
        if (mapped())
            rebuildShown();
    };
    if (m_updatesSuspended) {
        insert();
        return true;
    }
    beginInsertRows({}, row, row);
    insert();
    endInsertRows();
    return true;
}

Entry* CatalogueModel::editEntry(int row) {
    if (row < 0 || row >= shownCount())
        return nullptr;
    changing();
    m_nameRanksStamp = -1;
    Row& edited = m_rows[place(row)];
    edited.filterText = QByteArray();
    return &edited.entry;
}

void CatalogueModel::setMatched(int row, bool matched) {
    if (row >= 0 && row < shownCount())
        m_rows[place(row)].entry.isMatched = matched ? 1 : 0;
}

const Entry* CatalogueModel::entryAt(int row) const {
    return row >= 0 && row < shownCount() ? &m_rows[place(row)].entry : nullptr;
}

StateImage CatalogueModel::stateImage(int row) const {
    return row >= 0 && row < shownCount() ? m_rows[place(row)].image : StateNone;
}

void CatalogueModel::setStateImage(int row, StateImage image) {
    if (row < 0 || row >= shownCount() || m_rows[place(row)].image == image)
        return;
    m_rows[place(row)].image = image;
    if (m_updatesSuspended)
        return;
    const QModelIndex cell = index(row, ColumnName);
    emit dataChanged(cell, cell, {Qt::DecorationRole, StateImageRole});
}

void CatalogueModel::setStateImages(const std::vector<StateImage>& images) {
    const size_t count = std::min(images.size(), size_t(shownCount()));
    for (size_t row = 0; row < count; ++row)
        m_rows[place(int(row))].image = images[row];
    if (m_updatesSuspended || count == 0)
        return;
    emit dataChanged(index(0, ColumnName), index(int(count) - 1, ColumnName),
                     {Qt::DecorationRole, StateImageRole});
}

void CatalogueModel::removeEntryRow(int row) {
    if (row < 0 || row >= shownCount())
        return;
    changing();
    const auto erase = [&] {
        m_rows.erase(place(row));
        if (mapped())
            rebuildShown();
    };
    if (m_updatesSuspended) {
        erase();
        return;
    }
    beginRemoveRows({}, row, row);
    erase();
    endRemoveRows();
}

void CatalogueModel::removeEntryRows(const std::vector<int>& rows) {
    if (rows.empty())
        return;
    changing();
    // Where each row goes (-1: removed), and where the focus goes. One layout change moves the
    // rows however many runs they form; the selection is taken down before and put back
    // after, so that it never has to follow the rows through the change.
    const int count = shownCount();
    std::vector<int> newPosition(size_t(count), 0);
    for (int row : rows)
        newPosition[size_t(row)] = -1;
    int kept = 0;
    for (int& position : newPosition)
        if (position == 0)
            position = kept++;
    // The kept rows move up in one pass.
    const auto keepRows = [&] {
        std::vector<char> gone(m_rows.size(), 0);
        for (int row : rows)
            gone[place(row)] = 1;
        ChunkedRows<Row> remaining;
        for (size_t at = 0; at < m_rows.size(); ++at)
            if (!gone[at])
                remaining.push_back(std::move(m_rows[at]));
        m_rows = std::move(remaining);
        if (mapped())
            rebuildShown();
    };
    if (m_updatesSuspended) {
        keepRows();
        return;
    }
    const QModelIndex focus = m_selection.currentIndex();
    int focusRow = focus.isValid() ? focus.row() : -1;
    if (focusRow >= 0 && newPosition[size_t(focusRow)] < 0) {
        int top = focusRow;
        while (top > 0 && newPosition[size_t(top - 1)] < 0)
            --top;
        focusRow = top > 0 ? top - 1 : focusRow;
        while (focusRow < count && newPosition[size_t(focusRow)] < 0)
            ++focusRow;
        if (focusRow == count)
            focusRow = -1;
    }
    const std::vector<int> selected = selectedRows();
    m_selection.clear();

    emit layoutAboutToBeChanged();
    keepRows();
    const QModelIndexList from = persistentIndexList();
    QModelIndexList to;
    to.reserve(from.size());
    for (const QModelIndex& old : from) {
        const int row = old.row() < count ? newPosition[size_t(old.row())] : -1;
        to.append(row >= 0 ? index(row, old.column()) : QModelIndex());
    }
    changePersistentIndexList(from, to);
    emit layoutChanged();

    QItemSelection keep;
    for (size_t i = 0; i < selected.size();) {
        const int first = newPosition[size_t(selected[i])];
        if (first < 0) {
            ++i;
            continue;
        }
        int last = first;
        while (++i < selected.size() && newPosition[size_t(selected[i])] == last + 1)
            ++last;
        keep.select(index(first, 0), index(last, ColumnCount - 1));
    }
    if (!keep.isEmpty())
        m_selection.select(keep, QItemSelectionModel::Select);
    if (focusRow >= 0)
        m_selection.setCurrentIndex(index(newPosition[size_t(focusRow)], 0),
                                    QItemSelectionModel::NoUpdate);
}

void CatalogueModel::appendEntries(std::vector<Entry>&& entries) {
    if (entries.empty())
        return;
    changing();
    const int first = shownCount();
    m_nameRanksStamp = -1;
    if (!m_updatesSuspended)
        beginInsertRows({}, first, first + int(entries.size()) - 1);
    for (Entry& entry : entries) {
        const StateImage image = entry.isBad ? StateBad : StateNormal;
        m_rows.push_back({std::move(entry), image, 0, false, false, {}});
        if (mapped())
            m_shown.push_back(int(m_rows.size()) - 1);
    }
    if (!m_updatesSuspended)
        endInsertRows();
}

void CatalogueModel::removeAllRows() {
    changing();
    if (!m_updatesSuspended)
        beginResetModel();
    ChunkedRows<Row> old;
    old.swap(m_rows);
    m_rowFilter = false;
    m_shown.clear();
    m_nameRanksStamp = -1;
    if (!m_updatesSuspended)
        endResetModel();
    m_selection.clear();
    // Freeing a million rows' texts takes a noticeable time: a worker does it while the
    // window goes on. Waiting for the previous one first keeps at most one list in flight.
    if (old.size() >= 10000)
        m_freeing = std::async(std::launch::async, [rows = std::move(old)]() mutable {
            LowerThisThreadsPriority();
            rows = {};
        });
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
    if (row >= 0)
        updateRows(row, row);
}

void CatalogueModel::updateRows(int first, int last) {
    first = std::max(first, 0);
    last = std::min(last, shownCount() - 1);
    if (first > last || m_updatesSuspended)
        return;
    emit dataChanged(index(first, 0), index(last, ColumnCount - 1));
}

bool CatalogueModel::moveRowsToOrder(const SortedRows& sorted, int milliseconds) {
    const std::vector<int>& order = sorted.order;
    const bool ranked = sorted.nameRanks.size() == m_rows.size();
    if (!m_placing) {
        if (order.size() != m_rows.size() || mapped())
            return true; // not an order of these rows, or of only the rows shown
        changing();
        if (ranked)
            m_nameRanksStamp = -1; // until every row has its new rank
        if (!m_updatesSuspended)
            emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
        m_placing.emplace();
        m_placing->placed.assign(m_rows.size(), false);
    }
    if (!placeRows(sorted, milliseconds))
        return false;
    m_placing.reset();
    if (ranked)
        m_nameRanksStamp = sorted.collationStamp;
    if (m_updatesSuspended)
        return true; // the views take the whole list afresh when updates resume
    const QModelIndexList from = persistentIndexList();
    if (!from.isEmpty()) {
        std::vector<int> newPosition(m_rows.size());
        for (size_t i = 0; i < order.size(); ++i)
            newPosition[size_t(order[i])] = int(i);
        QModelIndexList to;
        to.reserve(from.size());
        for (const QModelIndex& old : from)
            to.append(index(newPosition[size_t(old.row())], old.column()));
        changePersistentIndexList(from, to);
    }
    emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
    return true;
}

// The rows move in place, cycle by cycle of the permutation, each row once: no second list of
// a million records is made. Position `start` takes the row at order[start], whose place takes
// the row at order[order[start]], and so on until the cycle closes. A pause parks the row
// carried round the cycle in the place that would stand empty meanwhile, so that every row
// stands in the list once between calls; the next call picks it up there.
bool CatalogueModel::placeRows(const SortedRows& sorted, int milliseconds) {
    const std::vector<int>& order = sorted.order;
    const std::vector<int>& ranks = sorted.nameRanks;
    const bool ranked = ranks.size() == m_rows.size();
    const QDeadlineTimer deadline =
        milliseconds < 0 ? QDeadlineTimer(QDeadlineTimer::Forever) : QDeadlineTimer(milliseconds);
    RowPlacing& p = *m_placing;
    size_t steps = 0;
    for (; p.start < m_rows.size(); ++p.start) {
        if (!p.inCycle) {
            if (p.placed[p.start])
                continue;
            p.at = p.start;
            p.inCycle = true;
        }
        Row carried = std::move(m_rows[p.at]); // the row that stood at `start`
        for (;;) {
            p.placed[p.at] = true;
            const size_t from = size_t(order[p.at]);
            if (from == p.start)
                break;
            if (++steps % 4096 == 0 && deadline.hasExpired()) {
                m_rows[p.at] = std::move(carried);
                return false;
            }
            // The row after next is fetched meanwhile: a big list's rows lie far apart.
            const char* next = reinterpret_cast<const char*>(&m_rows[size_t(order[from])]);
            for (size_t line = 0; line < sizeof(Row); line += 64)
                __builtin_prefetch(next + line);
            m_rows[p.at] = std::move(m_rows[from]);
            if (ranked)
                m_rows[p.at].nameRank = ranks[from];
            p.at = from;
        }
        m_rows[p.at] = std::move(carried);
        if (ranked)
            m_rows[p.at].nameRank = ranks[p.start];
        p.inCycle = false;
    }
    return true;
}

void CatalogueModel::rebuildShown() {
    m_shown.clear();
    for (size_t at = 0; at < m_rows.size(); ++at)
        if (!m_rows[at].hidden)
            m_shown.push_back(int(at));
}

// The selection and the focus are taken into the rows before the change and put back after
// it: rows that stay shown keep theirs, rows hidden keep theirs for later.
void CatalogueModel::changeShownRows(const std::function<void()>& change) {
    const int shown = shownCount();
    for (int row = 0; row < shown; ++row)
        m_rows[place(row)].keptSelected = false;
    for (int row : selectedRows())
        m_rows[place(row)].keptSelected = true;
    const QModelIndex focus = m_selection.currentIndex();
    const int focusPlace = focus.isValid() ? int(place(focus.row())) : -1;

    if (!m_updatesSuspended)
        beginResetModel();
    change();
    if (mapped())
        rebuildShown();
    else
        m_shown.clear();
    if (!m_updatesSuspended)
        endResetModel();

    QItemSelection keep;
    const int count = shownCount();
    for (int row = 0; row < count;) {
        if (!m_rows[place(row)].keptSelected) {
            ++row;
            continue;
        }
        const int first = row;
        while (row < count && m_rows[place(row)].keptSelected)
            ++row;
        keep.select(index(first, 0), index(row - 1, ColumnCount - 1));
    }
    if (!keep.isEmpty())
        m_selection.select(keep, QItemSelectionModel::Select);
    if (focusPlace < 0 || m_rows[size_t(focusPlace)].hidden)
        return;
    int focusRow = focusPlace;
    if (mapped())
        focusRow =
            int(std::lower_bound(m_shown.begin(), m_shown.end(), focusPlace) - m_shown.begin());
    m_selection.setCurrentIndex(index(focusRow, 0), QItemSelectionModel::NoUpdate);
}

void CatalogueModel::showRows(const std::vector<char>& shownByPlace) {
    changeShownRows([&] {
        for (size_t at = 0; at < m_rows.size(); ++at)
            m_rows[at].hidden = at < shownByPlace.size() && !shownByPlace[at];
        m_rowFilter = true;
    });
}

void CatalogueModel::showAllRows() {
    if (!m_rowFilter)
        return;
    changeShownRows([&] {
        for (size_t at = 0; at < m_rows.size(); ++at)
            m_rows[at].hidden = false;
        m_rowFilter = false;
    });
}

CatalogueModel::AllRowsShown::AllRowsShown(CatalogueModel& list) : m_list(list) {
    if (m_list.m_allShown > 0 || !m_list.m_rowFilter) {
        ++m_list.m_allShown;
        return;
    }
    m_list.changeShownRows([this] { ++m_list.m_allShown; });
}

CatalogueModel::AllRowsShown::~AllRowsShown() {
    if (m_list.m_allShown > 1 || !m_list.m_rowFilter) {
        --m_list.m_allShown;
        return;
    }
    m_list.changeShownRows([this] { --m_list.m_allShown; });
}

bool CatalogueModel::isSelected(int row) const {
    return m_selection.isRowSelected(row, {});
}

std::vector<int> CatalogueModel::selectedRows() const {
    std::vector<int> rows;
    rows.reserve(size_t(m_selectedCount));
    for (const QItemSelectionRange& range : m_selection.selection()) {
        const bool whole = range.left() == 0 && range.right() == ColumnCount - 1;
        for (int row = range.top(); range.isValid() && row <= range.bottom(); ++row)
            if (whole || isSelected(row))
                rows.push_back(row);
    }
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    return rows;
}

int CatalogueModel::nextRow(int after, bool selectedOnly) const {
    const int start = std::max(after + 1, 0);
    if (!selectedOnly)
        return start < shownCount() ? start : -1;
    // The first selected row from `start` on: the nearest whole-row range that reaches it,
    // without walking the rows in between.
    int next = -1;
    for (const QItemSelectionRange& range : m_selection.selection()) {
        if (!range.isValid() || range.bottom() < start)
            continue;
        const int first = std::max(range.top(), start);
        if (range.left() != 0 || range.right() != ColumnCount - 1) {
            int row = first;
            while (row <= range.bottom() && !isSelected(row))
                ++row;
            if (row > range.bottom())
                continue;
            next = next < 0 ? row : std::min(next, row);
        } else {
            next = next < 0 ? first : std::min(next, first);
        }
    }
    return next;
}

void CatalogueModel::selectAndFocus(int row) {
    if (row < 0 || row >= shownCount())
        return;
    m_selection.setCurrentIndex(index(row, 0),
                                QItemSelectionModel::Select | QItemSelectionModel::Rows);
}

void CatalogueModel::clearSelectionAndFocus() {
    m_selection.clear();
}
