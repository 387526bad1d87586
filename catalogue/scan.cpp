#include "catalogue/scan.h"

#include "base/ui_hooks.h"
#include "catalogue/catalogue_model.h"
#include "catalogue/entry_rows.h"
#include "catalogue/sorting.h"
#include "catalogue/status.h"
#include "catalogue/tree_scan.h"
#include "format/file_summary.h"
#include "platform/folder_path.h"
#include "platform/folder_walk.h"
#include "platform/native_file.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <chrono>
#include <future>
#include <optional>
#include <utility>

int IsCatalogueFile(QStringView name) {
    if (name.size() < 3)
        return 0;
    const QStringView end = name.right(3);
    return end.compare(QLatin1String("zuf"), Qt::CaseInsensitive) == 0 ||
                   end.compare(QLatin1String("tab"), Qt::CaseInsensitive) == 0
               ? 1
               : 0;
}

// "Found: N files", shown as the rows come in.
static QString FoundText(int count) {
    return QCoreApplication::translate("Scan", "Found: %1 files").arg(qMax(count, 0));
}

// The record's time and size for a file the listing did not describe: from the opened file,
// or, when it cannot be opened, from the entry itself. False when the file has vanished since
// the listing, or is no longer a file.
static bool TakeDetails(NativeFile& file, const QString& path, FolderItem& item) {
    if (item.hasDetails)
        return true;
    std::int64_t size = 0;
    if (file.isOpen() && file.sizeAndTime(size, item.lastWriteTime)) {
        item.size = std::uint64_t(size);
        return true;
    }
    return DescribeItem(path, item) && !item.isFolder && !item.isSpecial;
}

std::optional<Entry> ReadFoundFileRow(NativeFile& file, const FoundFile& found,
                                      const std::atomic<bool>& stop) {
    FolderItem item = found.item;
    const QString path = found.folder + item.name;
    // A long read (the check of a huge file for zeros) ends when the scan is stopped.
    file.setAbortCheck([&stop] { return stop.load(); });
    if (!TakeDetails(file, path, item))
        return std::nullopt; // vanished meanwhile: no row, as if it had not been listed
    FileSummary summary = ReadSummary(file, path, ReadMode::WithoutNotes);
    if (stop.load())
        return std::nullopt; // stopped during the read: the file was not read to the end
    Entry& current = summary.currentEntry; // isBad as the read found it
    current.name = item.name;
    current.folder = found.folder;
    current.lastWriteTime = item.lastWriteTime;
    current.size = quint32(item.size); // the low 32 bits
    return EntryFromSummary(summary);
}

// How often the rows found meanwhile join the list and the status moves on, and how long the
// window's thread waits for the scan at a time before it looks after the window (repaints,
// Esc) again.
constexpr int PollInterval = 40;
constexpr int PumpInterval = 10;

// The rows of one collection join the list in the order they came; their places in the walk
// are kept beside them until the end.
static void AppendRows(CatalogueModel& list, std::vector<ScannedRow>& batch,
                       std::vector<std::uint64_t>& walkOrder) {
    std::vector<Entry> entries;
    entries.reserve(batch.size());
    for (ScannedRow& row : batch) {
        walkOrder.push_back(row.order);
        entries.push_back(std::move(row.entry));
    }
    batch.clear();
    list.appendEntries(std::move(entries));
}

// Scans the tree on worker threads while this thread keeps the window alive: the rows read
// meanwhile join the list, the status shows the folder entered last and the count, and the
// window looks for Esc, which stops the scan and keeps the rows read so far. At the end the
// rows stand in the order of the walk, as one thread reading as it walked would have found
// them, whatever the order the readers finished in.
static void ScanWorkingFolder(const QString& root, CatalogueModel& list, UiHooks& window) {
    if (window.scanEscPressed())
        return;
    bool aborted = false;
    TreeScan scan(root, ReadFoundFileRow);
    std::vector<ScannedRow> batch;
    std::vector<std::uint64_t> walkOrder;
    QString shown;
    QElapsedTimer sinceCollected;
    sinceCollected.start();
    for (;;) {
        // The window is looked after every few milliseconds; the rows join it in bigger steps.
        const bool ended = scan.wait(PumpInterval);
        if (!ended && sinceCollected.elapsed() < PollInterval) {
            if (!aborted && window.scanEscPressed()) {
                aborted = true;
                scan.stop();
            }
            continue;
        }
        sinceCollected.restart();
        const TreeScan::Progress progress = scan.collect(batch);
        if (progress.folder != shown) {
            shown = progress.folder;
            window.setStatusText(0, shown);
        }
        if (!batch.empty()) {
            AppendRows(list, batch, walkOrder);
            list.setFoundCount(list.rowCount());
            window.setStatusText(3, FoundText(list.foundCount()));
        }
        if (ended)
            break;
        if (!aborted && window.scanEscPressed()) {
            aborted = true;
            scan.stop();
        }
    }
    SortRefilledList(list, window, &walkOrder);
}

// The rows stand still until their new order is applied, 10 ms at a time with the window
// looked after in between. The rows are all read by then: Esc has nothing left to stop.
void SortRefilledList(CatalogueModel& list, UiHooks& window,
                      const std::vector<std::uint64_t>* walkOrder) {
    std::future<SortedRows> order = std::async(std::launch::async, [&list, walkOrder] {
        return SortedOrder(list, list.filterOn(), walkOrder);
    });
    while (order.wait_for(std::chrono::milliseconds(PumpInterval)) != std::future_status::ready)
        window.scanEscPressed();
    ApplySortedOrder(list, order.get(), [&window] { window.scanEscPressed(); });
}

QString BeginRefill(CatalogueModel& list, UiHooks& window, const QString& folder) {
    list.setFoundCount(0);
    list.setFilterOn(false);
    list.removeAllRows();
    window.showFileInPanel(nullptr);
    window.setStatusText(1, QCoreApplication::translate("Scan", "Press [Esc] to abort"));
    return NormalisedFolder(folder);
}

QString RefreshCatalogue(CatalogueModel& list, UiHooks& window, const QString& folder) {
    QString workingFolder;
    {
        const CatalogueModel::RefillGuard refilling(list);
        workingFolder = BeginRefill(list, window, folder);
        if (!workingFolder.isEmpty())
            ScanWorkingFolder(workingFolder, list, window);
    }
    list.selectAndFocus(0);
    UpdateStatus(list, window, 0);
    window.setStatusText(0, workingFolder);
    return workingFolder;
}
