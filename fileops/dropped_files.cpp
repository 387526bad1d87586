#include "fileops/dropped_files.h"

#include "catalogue/catalogue_model.h"
#include "catalogue/scan.h"
#include "fileops/undo.h"
#include "platform/folder_path.h"

#include <QFileInfo>
#include <QSet>

DroppedPaths SortDroppedPaths(const QStringList& localPaths) {
    DroppedPaths dropped;
    if (localPaths.size() == 1 && QFileInfo(localPaths.first()).isDir()) {
        dropped.folder = localPaths.first();
        return dropped;
    }
    for (const QString& path : localPaths) {
        const QFileInfo info(path);
        if (info.isFile() && IsCatalogueFile(info.fileName()))
            dropped.files << path;
    }
    return dropped;
}

// A file moved from inside the working tree leaves its old row behind: the row goes.
static void ForgetMovedRows(CatalogueModel& list, const QSet<QString>& droppedPaths) {
    const CatalogueModel::AllRowsShown all(list);
    std::vector<int> gone;
    for (int row = 0; row < list.rowCount(); ++row) {
        const Entry& entry = *list.entryAt(row);
        const QString path = entry.folder + entry.name;
        if (droppedPaths.contains(PathKey(path)) && !QFileInfo::exists(path))
            gone.push_back(row);
    }
    list.removeEntryRows(gone);
}

int RunDroppedFiles(CommandId command, const QStringList& files, const BatchRequest& request,
                    CatalogueModel& list, FileDialogs& dialogs, UiHooks& window, UndoRecord& undo) {
    CatalogueModel dropped;
    std::vector<Entry> rows;
    for (const QString& path : files)
        rows.push_back(FileRow(path));
    dropped.appendEntries(std::move(rows));
    for (int row = 0; row < dropped.rowCount(); ++row)
        dropped.selectAndFocus(row);
    RunFileBatch(command, request, dropped, dialogs, window, undo);
    QSet<QString> droppedPaths;
    for (const QString& path : files)
        droppedPaths.insert(PathKey(path));
    std::vector<Entry> joining;
    for (int row = 0; row < dropped.rowCount(); ++row) {
        const Entry& entry = *dropped.entryAt(row);
        if (SameFolder(entry.folder, request.workingFolder) &&
            !droppedPaths.contains(PathKey(entry.folder + entry.name)))
            joining.push_back(entry);
    }
    const int joined = int(joining.size());
    ForgetMovedRows(list, droppedPaths);
    list.appendEntries(std::move(joining));
    return joined;
}
