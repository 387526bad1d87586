#include "catalogue/scan.h"

#include "app/app_state.h"
#include "base/ui_hooks.h"
#include "catalogue/catalogue_model.h"
#include "catalogue/entry_rows.h"
#include "catalogue/sort_search.h"
#include "format/file_summary.h"
#include "platform/folder_path.h"
#include "platform/folder_walk.h"
#include "platform/native_file.h"

#include <QCoreApplication>
#include <set>
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

namespace {
// The folders entered during one walk, by device and inode (or volume and file id), so that
// links leading back into the tree, or to a folder seen already, are not followed again.
struct WalkGuard {
    std::set<std::pair<std::uint64_t, std::uint64_t>> entered;

    bool seen(const FolderId& id) const { return entered.count({id.device, id.inode}) != 0; }
    bool enter(const FolderId& id) { return entered.insert({id.device, id.inode}).second; }
};
} // namespace

// "Found: N files", shown after every file.
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

// Reads one accepted file of the folder and appends its row. False when the row could not be
// inserted.
static bool CatalogueFile(const NativeFolder& folder, FolderItem item) {
    AppState& app = appState();
    const QString path = folder.path() + item.name;
    NativeFile file;
    file.openReadIn(folder, item.name);
    // A long read (the check of a huge file for zeros) looks for Esc as the walk does.
    file.setAbortCheck([&app] {
        if (ui().scanEscPressed())
            app.abortScan = 1;
        return app.abortScan != 0;
    });
    if (!TakeDetails(file, path, item))
        return true; // vanished meanwhile: no row, as if it had not been listed
    FileSummary summary = ReadSummary(file, path, ReadMode::WithoutNotes);
    if (app.abortScan)
        return true; // Esc during the read: the file was not read to the end and gets no row
    Entry& current = summary.currentEntry; // isBad as the read found it
    current.name = item.name;
    current.folder = folder.path();
    current.lastWriteTime = item.lastWriteTime;
    current.size = quint32(item.size); // the low 32 bits
    if (!InsertEntryRow(app.foundCount, summary))
        return false;
    ++app.foundCount;
    ui().setStatusText(3, FoundText(app.foundCount));
    return true;
}

namespace {
// One folder being visited: its normalised path, its entries and the next one to examine.
struct Visit {
    QString folder;
    std::vector<FolderItem> items;
    size_t next = 0;
};
} // namespace

// The start of a visit: nothing once the walk is aborted; one look for Esc; the folder's
// entries, unless it cannot be read or was entered before.
static bool StartVisit(const QString& path, Visit& visit, WalkGuard& guard) {
    AppState& app = appState();
    if (app.abortScan)
        return false;
    if (ui().scanEscPressed())
        app.abortScan = 1;
    visit.folder = NormalisedFolder(path);
    FolderId self;
    return ListFolder(visit.folder, visit.items, self) && guard.enter(self);
}

// Depth first, each subfolder walked completely when it is met. The folders being visited are
// kept on the heap, so that however deep the tree the walk cannot run out of stack.
void ScanFolder(const QString& folder) {
    const AppState& app = appState();
    WalkGuard guard;
    NativeFolder files; // the folder whose files are being read
    std::vector<Visit> open(1);
    if (!StartVisit(folder, open.back(), guard))
        return;
    while (!open.empty()) {
        Visit& visit = open.back();
        if (app.abortScan || visit.next >= visit.items.size()) {
            open.pop_back();
            continue;
        }
        const FolderItem& item = visit.items[visit.next++];
        if (item.isFolder) {
            if (guard.seen(item.id))
                continue;
            const QString subfolder = visit.folder + item.name;
            ui().setStatusText(0, subfolder);
            Visit inner;
            if (StartVisit(subfolder, inner, guard))
                open.push_back(std::move(inner));
        } else if (IsCatalogueFile(item.name) && !item.isSpecial) {
            if (files.path() != visit.folder)
                files.open(visit.folder);
            if (!CatalogueFile(files, item))
                visit.next = visit.items.size(); // the rest of this folder is skipped
        }
    }
}

int RefreshCatalogue() {
    AppState& app = appState();
    CatalogueModel& list = catalogue();
    app.selectedCount = -16;
    for (int row = list.rowCount() - 1; row >= 0; --row)
        FreeEntryRow(row);
    app.rowCount = 0;
    app.foundCount = 0;
    app.filterOn = 0;
    list.removeAllRows();
    ui().showFileInPanel(nullptr);
    scratch().workingFolder = NormalisedFolder(CurrentFolder());
    ui().setStatusText(1, QCoreApplication::translate("Scan", "Press [Esc] to abort"));
    list.suspendViewUpdates(); // the list is not redrawn during the walk
    app.abortScan = 0;
    if (!scratch().workingFolder.isEmpty())
        ScanFolder(scratch().workingFolder);
    list.resumeViewUpdates();
    SortColumn(list, app.filterOn != 0);
    app.rowCount = list.rowCount();
    app.selectedCount = 0;
    app.currentRow = 0;
    list.selectAndFocus(0);
    UpdateStatus();
    ui().setStatusText(0, scratch().workingFolder);
    return 1;
}
