// Moving and deleting 10,000 of 100,000 rows under All through the batch, side by side with a
// loop that makes the same copies and deletions without any list.
//
//   bench_batch [FOLDER] [ROUNDS]   (default /tmp/zuf-bench-batch, 3 rounds)
//
// Every tenth row is selected, so that the selection is 10,000 separate ranges: the worst case
// for the work on the list. The other rows name files that do not exist; the batch never
// touches them. Each figure is the best of the rounds. On a slow disk the copies dominate both
// contenders; a folder on a memory file system (/dev/shm) shows the list's share best.

#include "base/ui_hooks.h"
#include "catalogue/catalogue_model.h"
#include "fileops/file_batch.h"
#include "fileops/undo.h"
#include "platform/folder_path.h"
#include "platform/native_fileops.h"
#include "tools/sample_writer.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <algorithm>
#include <cstdio>

namespace {

constexpr int RowCount = 100000;
constexpr int Every = 10; // every tenth row is selected

// Answers All at the first question; nothing else is ever asked.
class AllDialogs : public FileDialogs {
public:
    DialogAnswer confirm(const QString&, const QString&) override { return DialogAnswer::All; }
    DialogAnswer renameFile(const FileSummary&, QString&) override { return DialogAnswer::Cancel; }
    void showFileError(const QString& text) override { errors << text; }
    bool warnYesNo(const QString&) override { return false; }
    bool askDeleteForGood(const QString&) override { return false; }
    void showMessage(const QString&) override {}
    QStringList errors;
};

QString FileName(int row) {
    return QStringLiteral("song%1.zuf").arg(row, 6, 10, QLatin1Char('0'));
}

// Empties both folders and writes the files of the selected rows into `source`.
void WriteFiles(const QString& source, const QString& destination) {
    for (const QString& folder : {source, destination}) {
        QDir(folder).removeRecursively();
        QDir().mkpath(folder);
    }
    const QByteArray bytes(2048, 'z');
    for (int row = 0; row < RowCount; row += Every)
        WriteSampleFile(source + FileName(row), bytes);
}

// The list of RowCount rows in `source` with every tenth row selected in one step.
void FillList(CatalogueModel& list, const QString& source) {
    std::vector<Entry> rows(RowCount);
    for (int row = 0; row < RowCount; ++row) {
        rows[size_t(row)].name = FileName(row);
        rows[size_t(row)].folder = source;
    }
    list.removeAllRows();
    list.appendEntries(std::move(rows));
    QItemSelection selection;
    for (int row = 0; row < RowCount; row += Every)
        selection.select(list.index(row, 0), list.index(row, list.columnCount() - 1));
    list.selectionModel()->select(selection, QItemSelectionModel::Select);
}

double BatchSeconds(CommandId command, DeleteMode mode, const QString& source,
                    const QString& destination, const QString& workingFolder) {
    WriteFiles(source, destination);
    CatalogueModel list;
    FillList(list, source);
    AllDialogs dialogs;
    UiHooks window;
    UndoRecord undo;
    const BatchRequest request{FileCommandVerb(command), destination, workingFolder, mode};
    QElapsedTimer timer;
    timer.start();
    RunFileBatch(command, request, list, dialogs, window, undo);
    const double seconds = timer.nsecsElapsed() / 1e9;
    const int expected = RowCount - RowCount / Every;
    if (list.rowCount() != expected || !dialogs.errors.isEmpty())
        std::printf("  the batch went wrong: %d rows left (%d expected), %d errors\n",
                    list.rowCount(), expected, int(dialogs.errors.size()));
    return seconds;
}

double BaselineSeconds(bool copy, const QString& source, const QString& destination) {
    WriteFiles(source, destination);
    QElapsedTimer timer;
    timer.start();
    for (int row = 0; row < RowCount; row += Every) {
        const QString from = source + FileName(row);
        if (copy)
            CopyFileNoReplace(from, destination + FileName(row));
        DeleteFileNative(from);
    }
    return timer.nsecsElapsed() / 1e9;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QString root =
        argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("/tmp/zuf-bench-batch");
    const int rounds = argc > 2 ? std::max(1, atoi(argv[2])) : 3;
    const QString working = NormalisedFolder(root + QStringLiteral("/music"));
    const QString source = NormalisedFolder(root + QStringLiteral("/music/songs"));
    const QString destination = NormalisedFolder(root + QStringLiteral("/backup"));

    double move = 1e9, moveBase = 1e9, del = 1e9, delBase = 1e9;
    for (int round = 0; round < rounds; ++round) {
        move = std::min(move, BatchSeconds(CommandId::MoveFiles, DeleteMode::Trash, source,
                                           destination, working));
        moveBase = std::min(moveBase, BaselineSeconds(true, source, destination));
        del = std::min(del, BatchSeconds(CommandId::DeleteFiles, DeleteMode::Permanent, source,
                                         destination, working));
        delBase = std::min(delBase, BaselineSeconds(false, source, destination));
    }
    std::printf("%d of %d rows selected (every %dth), answered All; best of %d rounds\n",
                RowCount / Every, RowCount, Every, rounds);
    std::printf("move out of the working folder: batch %.3f s, copies and deletions alone %.3f "
                "s, ratio %.2fx\n",
                move, moveBase, move / moveBase);
    std::printf("delete for good:                batch %.3f s, deletions alone %.3f s, ratio "
                "%.2fx\n",
                del, delBase, del / delBase);
    QDir(root).removeRecursively();
    return 0;
}
