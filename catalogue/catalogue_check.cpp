#include "catalogue/catalogue_check.h"

#include "base/ui_hooks.h"
#include "catalogue/catalogue_model.h"
#include "catalogue/entry_rows.h"
#include "catalogue/scan.h"
#include "catalogue/sorting.h"
#include "catalogue/status.h"
#include "platform/folder_path.h"
#include "platform/folder_walk.h"
#include "platform/native_file.h"

#include <algorithm>
#include <chrono>
#include <limits>
#include <utility>

namespace {

constexpr int PumpInterval = 10;

// The folder holding `folder` (both normalised); empty for a root.
QString ParentFolder(const QString& folder) {
    const qsizetype cut = folder.lastIndexOf(FolderSeparator(), folder.size() - 2);
    return cut < 0 ? QString() : folder.left(cut + 1);
}

FileStamp StampOf(const FolderItem& item) {
    return {item.size, item.writeTime, item.changeTime, item.id.device, item.id.inode};
}

// Waits for `work`, keeping the window looked after; true when Esc was pressed meanwhile.
template <typename T> bool WaitLookingAfter(std::future<T>& work, UiHooks& window) {
    bool esc = false;
    while (work.wait_for(std::chrono::milliseconds(PumpInterval)) != std::future_status::ready)
        esc = window.scanEscPressed() || esc;
    return esc;
}

} // namespace

CatalogueCheck::CatalogueCheck(CatalogueIndex* index, CheckOptions options)
    : m_index(index), m_options(options) {
    if (m_options.unsureMargin < 0)
        m_options.unsureMargin = 2 * FileClockPerSecond();
}

CatalogueCheck::~CatalogueCheck() {
    m_scan.reset();
    waitWritten();
}

// The records of the tree, on a worker thread: in walk order, their rows' texts packed as a
// read packs them, each row's name known again by its text.
void CatalogueCheck::load() {
    if (!m_index)
        return;
    std::vector<IndexedFile> files;
    if (!m_index->loadTree(m_root, m_folders,
                           [&files](IndexedFile&& file) { files.push_back(std::move(file)); })) {
        m_folders.clear(); // an index that cannot be read shows nothing: every file is read
        return;
    }
    for (int f = 0; f < int(m_folders.size()); ++f)
        m_folderByPath.insert(m_folders[size_t(f)].path, f);
    putInWalkOrder(files);
    m_recordsByFolder.resize(m_folders.size());
    m_records.reserve(files.size());
    m_entries.reserve(files.size());
    m_recordOfRow.reserve(qsizetype(files.size()));
    for (IndexedFile& file : files) {
        PackEntryTexts(file.entry);
        const int r = int(m_records.size());
        m_records.push_back({file.entry.name, file.stamp, file.checkedAt, file.position,
                             file.folder, file.entry.isBad != 0});
        m_recordsByFolder[size_t(file.folder)].insert(file.entry.name, r);
        m_recordOfRow.insert(file.entry.name.constData(), r);
        m_entries.push_back(std::move(file.entry));
    }
    m_counts.loaded = int(m_records.size());
}

// Depth first from the root, each folder's files and subfolders at their places in its
// listing: the order in which the walk that wrote them met them. Records of folders that the
// root does not reach are left out.
void CatalogueCheck::putInWalkOrder(std::vector<IndexedFile>& files) {
    struct Item {
        int position;
        int folder; // -1 for a file
        int file;
    };
    std::vector<std::vector<Item>> inside(m_folders.size());
    for (int f = 0; f < int(m_folders.size()); ++f) {
        const auto parent = m_folderByPath.constFind(ParentFolder(m_folders[size_t(f)].path));
        if (m_folders[size_t(f)].path != m_root && parent != m_folderByPath.cend())
            inside[size_t(*parent)].push_back({m_folders[size_t(f)].position, f, -1});
    }
    for (int i = 0; i < int(files.size()); ++i)
        inside[size_t(files[size_t(i)].folder)].push_back({files[size_t(i)].position, -1, i});
    for (std::vector<Item>& items : inside)
        std::stable_sort(items.begin(), items.end(),
                         [](const Item& a, const Item& b) { return a.position < b.position; });
    std::vector<IndexedFile> ordered;
    ordered.reserve(files.size());
    const int root = m_folderByPath.value(m_root, -1);
    std::vector<bool> reached(m_folders.size(), false);
    std::vector<std::pair<int, size_t>> open; // folder, next item
    if (root >= 0) {
        open.push_back({root, 0});
        reached[size_t(root)] = true;
    }
    while (!open.empty()) {
        auto& [folder, next] = open.back();
        if (next >= inside[size_t(folder)].size()) {
            open.pop_back();
            continue;
        }
        const Item item = inside[size_t(folder)][next++];
        if (item.file >= 0)
            ordered.push_back(std::move(files[size_t(item.file)]));
        else if (!reached[size_t(item.folder)]) {
            reached[size_t(item.folder)] = true;
            open.push_back({item.folder, 0});
        }
    }
    files = std::move(ordered);
}

void CatalogueCheck::tellTrouble(UiHooks& window) {
    if (m_index && m_index->takeTrouble() != CatalogueIndex::Trouble::None)
        window.showNotice(m_index->troubleText());
}

QString CatalogueCheck::fill(CatalogueModel& list, UiHooks& window, const QString& folder) {
    {
        const CatalogueModel::RefillGuard refilling(list);
        m_root = BeginRefill(list, window, folder);
        if (!m_root.isEmpty()) {
            std::future<void> loading = std::async(std::launch::async, [this] { load(); });
            m_escBeforeStart = WaitLookingAfter(loading, window);
            loading.get();
        }
        std::vector<std::uint64_t> walkOrder(m_entries.size());
        for (size_t i = 0; i < walkOrder.size(); ++i)
            walkOrder[i] = i;
        list.appendEntries(std::move(m_entries));
        m_entries = {};
        SortRefilledList(list, window, &walkOrder);
    }
    list.selectAndFocus(0);
    UpdateStatus(list, window, 0);
    window.setStatusText(0, m_root);
    tellTrouble(window);
    return m_root;
}

void CatalogueCheck::start() {
    m_scan = std::make_unique<TreeScan>(m_root, ReadFoundFileRow, DefaultReaderCount(), this);
    if (m_escBeforeStart || m_root.isEmpty())
        m_scan->stop();
}

bool CatalogueCheck::poll(UiHooks& window, int milliseconds) {
    if (!m_scan)
        return true;
    const bool ended = m_scan->wait(milliseconds);
    const TreeScan::Progress progress = m_scan->collect(m_rows);
    if (progress.folder != m_shownFolder) {
        m_shownFolder = progress.folder;
        window.setStatusText(0, m_shownFolder);
    }
    return ended;
}

void CatalogueCheck::stop() {
    if (m_scan)
        m_scan->stop();
}

bool CatalogueCheck::stopped() const {
    return m_scan && m_scan->stopped();
}

void CatalogueCheck::folderEntered(const QString& folder, int position) {
    m_entered.push_back({folder, position});
}

bool CatalogueCheck::mustRead(const FoundFile& found) {
    int r = -1;
    const auto folder = m_folderByPath.constFind(found.folder);
    if (folder != m_folderByPath.cend())
        r = m_recordsByFolder[size_t(*folder)].value(found.item.name, -1);
    m_recordOfOrder.push_back(r);
    const FileStamp stamp = StampOf(found.item);
    if (r >= 0) {
        const Record& record = m_records[size_t(r)];
        // Where the file system keeps no change time, the last-write time stands for it.
        const std::int64_t changed =
            record.stamp.changeTime != 0 ? record.stamp.changeTime : record.stamp.writeTime;
        const bool sure = changed < record.checkedAt - m_options.unsureMargin;
        // A bad file is always read again: its trouble (a refused opening) may be over.
        if (!m_options.readAll && !record.bad && sure && record.stamp == stamp) {
            if (record.position != found.position)
                m_places.push_back({r, found.position});
            return false;
        }
    }
    m_reads.push_back({found.order, stamp, found.position, found.listedAt});
    return true;
}

IndexChanges CatalogueCheck::changesFor(const std::vector<ScannedRow>& rows,
                                        const std::vector<int>& readRowOfOrder,
                                        const std::vector<bool>& gone) const {
    IndexChanges changes;
    const bool whole = !m_scan->stopped();
    std::vector<bool> visited(m_folders.size(), false);
    for (const auto& [path, position] : m_entered) {
        const int f = m_folderByPath.value(path, -1);
        if (f >= 0)
            visited[size_t(f)] = true;
        if (f < 0 || (position >= 0 && m_folders[size_t(f)].position != position))
            changes.folders.push_back({path, std::max(position, 0)});
    }
    for (size_t f = 0; whole && f < m_folders.size(); ++f)
        if (!visited[f])
            changes.goneFolders.push_back(m_folders[f].path);
    for (const ReadFile& read : m_reads) {
        const int row = readRowOfOrder[read.order];
        if (row >= 0)
            changes.files.push_back(
                {rows[size_t(row)].entry, read.stamp, read.listedAt, read.position, -1});
    }
    for (size_t r = 0; r < m_records.size(); ++r) {
        const int folder = m_records[r].folder;
        if (gone[r] && visited[size_t(folder)])
            changes.goneFiles.push_back({m_folders[size_t(folder)].path, m_records[r].name});
    }
    for (const auto& [r, position] : m_places)
        changes.places.push_back({m_folders[size_t(m_records[size_t(r)].folder)].path,
                                  m_records[size_t(r)].name, position});
    return changes;
}

void CatalogueCheck::finish(CatalogueModel& list, UiHooks& window) {
    if (!m_scan)
        return;
    m_scan->wait(-1);
    std::vector<ScannedRow> rows = std::move(m_rows);
    m_scan->collect(rows);
    PutInWalkOrder(rows);
    const bool whole = !m_scan->stopped();
    m_counts.aborted = !whole;
    m_counts.read = int(rows.size());

    // Each file found: its read row, when it was read.
    std::vector<int> readRowOfOrder(m_recordOfOrder.size(), -1);
    for (size_t i = 0; i < rows.size(); ++i)
        readRowOfOrder[rows[i].order] = int(i);
    // Each record's new place in the walk, and its new row when its file was read.
    constexpr std::uint64_t Unseen = std::numeric_limits<std::uint64_t>::max();
    std::vector<std::uint64_t> orderOfRecord(m_records.size(), Unseen);
    std::vector<int> readRowOfRecord(m_records.size(), -1);
    std::vector<bool> gone(m_records.size(), whole);
    bool reordered = false;
    for (size_t order = 0; order < m_recordOfOrder.size(); ++order) {
        const int r = m_recordOfOrder[order];
        if (r < 0)
            continue;
        orderOfRecord[size_t(r)] = order;
        readRowOfRecord[size_t(r)] = readRowOfOrder[order];
        reordered = reordered || order != size_t(r);
        gone[size_t(r)] = false;
    }
    for (const ReadFile& read : m_reads) {
        const int r = m_recordOfOrder[read.order];
        if (r >= 0 && readRowOfOrder[read.order] < 0 && whole)
            gone[size_t(r)] = true; // vanished since the listing
    }
    IndexChanges changes = m_index ? changesFor(rows, readRowOfOrder, gone) : IndexChanges{};

    std::vector<Entry> added;
    std::vector<std::uint64_t> addedOrder;
    for (ScannedRow& row : rows) {
        if (m_recordOfOrder[row.order] < 0) {
            addedOrder.push_back(row.order);
            added.push_back(std::move(row.entry));
        }
    }

    const bool changed = reordered || !added.empty() || m_counts.read > 0 ||
                         std::find(gone.begin(), gone.end(), true) != gone.end();
    if (changed) {
        const CatalogueModel::AllRowsShown all(list); // rows are known among all of them
        std::vector<std::uint64_t> walkOrder(size_t(list.rowCount()), Unseen);
        std::vector<int> removed;
        for (int row = 0; row < list.rowCount(); ++row) {
            const int r = m_recordOfRow.value(list.entryAt(row)->name.constData(), -1);
            if (r < 0)
                continue;
            if (gone[size_t(r)]) {
                removed.push_back(row);
                continue;
            }
            walkOrder[size_t(row)] = orderOfRecord[size_t(r)];
            const int read = readRowOfRecord[size_t(r)];
            if (read >= 0) {
                Entry& entry = *list.editEntry(row);
                entry = std::move(rows[size_t(read)].entry);
                list.setStateImage(row, entry.isBad ? StateBad : StateNormal);
                list.updateRow(row);
            }
        }
        m_counts.removed = int(removed.size());
        std::vector<std::uint64_t> kept;
        kept.reserve(walkOrder.size() - removed.size() + addedOrder.size());
        for (size_t row = 0, next = 0; row < walkOrder.size(); ++row) {
            if (next < removed.size() && removed[next] == int(row))
                ++next;
            else
                kept.push_back(walkOrder[row]);
        }
        kept.insert(kept.end(), addedOrder.begin(), addedOrder.end());
        list.removeEntryRows(removed);
        list.appendEntries(std::move(added));
        SortRefilledList(list, window, whole ? &kept : nullptr);
    }
    list.setFoundCount(list.rowCount());
    UpdateStatus(list, window, std::max(0, list.selectionModel()->currentIndex().row()));
    window.setStatusText(0, m_root);
    m_scan.reset();
    m_recordOfRow.clear();
    m_recordsByFolder.clear();
    if (m_index && !changes.empty())
        m_written = std::async(std::launch::async,
                               [index = m_index, changes = std::move(changes)] {
                                   index->write(changes);
                               });
}

void CatalogueCheck::waitWritten() {
    if (m_written.valid())
        m_written.get();
}

QString CheckCatalogue(CatalogueModel& list, UiHooks& window, const QString& folder,
                       CatalogueIndex* index, const CheckOptions& options, CheckCounts* counts) {
    CatalogueCheck check(index, options);
    const QString workingFolder = check.fill(list, window, folder);
    check.start();
    while (!check.poll(window, PumpInterval)) {
        if (!check.stopped() && window.scanEscPressed())
            check.stop();
    }
    check.finish(list, window);
    check.waitWritten();
    if (index && index->takeTrouble() != CatalogueIndex::Trouble::None)
        window.showNotice(index->troubleText());
    if (counts)
        *counts = check.counts();
    return workingFolder;
}
