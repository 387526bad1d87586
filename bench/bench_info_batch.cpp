// The information of many files at once: saving the information of 10,000 files through the
// batch (each file opened once, checked, its old block kept for Undo, the rows updated at the
// end) side by side with a loop that makes the same 200-byte writes with no list and no check;
// and the work of opening the dialog on 100,000 selected rows (the texts they share and the
// paths the check is handed), with the names of 100,000 rows matched against a pattern.
//
//   bench_info_batch [FOLDER] [ROUNDS]   (default /tmp/zuf-bench-info, 5 rounds)
//
// Each figure is the best of the rounds; the two contenders take turns, so that both meet the
// page cache alike. A folder on a memory file system (/dev/shm) shows the batch's own share best.

#include "catalogue/catalogue_model.h"
#include "fileops/info_batch.h"
#include "fileops/info_from_names.h"
#include "format/file_summary.h"
#include "platform/folder_path.h"
#include "tools/sample_writer.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <algorithm>
#include <cstdio>

namespace {

constexpr int FileCount = 10000;
constexpr int RowCount = 100000;

QString FileName(int i) {
    return QStringLiteral("Anon - Song %1.zuf").arg(i, 6, 10, QLatin1Char('0'));
}

// The row of file i: all share their author, the titles differ.
Entry RowOf(int i, const QString& folder) {
    Entry row;
    row.name = FileName(i);
    row.folder = folder;
    row.title = QStringLiteral("Song %1").arg(i);
    row.subtitle = QStringLiteral("Anon");
    row.comments = QStringLiteral("take %1").arg(i % 7);
    return row;
}

// The folder emptied, and FileCount older-generation files written into it, with their rows.
std::vector<Entry> WriteFiles(const QString& folder) {
    QDir(folder).removeRecursively();
    QDir().mkpath(folder);
    std::vector<Entry> rows;
    for (int i = 0; i < FileCount; ++i) {
        rows.push_back(RowOf(i, folder));
        SampleFile file;
        file.title = rows.back().title;
        file.subtitle = rows.back().subtitle;
        file.comments = rows.back().comments;
        WriteSampleFile(folder + FileName(i), file);
    }
    return rows;
}

void SelectAll(CatalogueModel& list) {
    list.selectionModel()->select(
        QItemSelection(list.index(0, 0), list.index(list.rowCount() - 1, list.columnCount() - 1)),
        QItemSelectionModel::Select);
}

double BatchSeconds(CatalogueModel& list, const QString& author, UndoRecord& undo) {
    InfoEdit edit;
    edit[size_t(InfoField::Subtitle)] = FieldEdit::set(author);
    std::vector<InfoRowEdit> edits;
    for (const int row : list.selectedRows())
        edits.push_back({row, edit});
    int steps = 0;
    QElapsedTimer timer;
    timer.start();
    const InfoBatchResult result =
        SaveInfoBatch(list, edits, undo, [&steps](int, int, const QString&) {
            ++steps;
            return true;
        });
    const double seconds = timer.nsecsElapsed() / 1e9;
    if (result.written != FileCount || steps != FileCount)
        std::printf("  the batch went wrong: %d written, %d failures\n", result.written,
                    int(result.failures.size()));
    return seconds;
}

// The same writes, made ready before the clock starts: one block per file.
double BaselineSeconds(const std::vector<Entry>& rows, const QString& author) {
    std::vector<QString> paths;
    std::vector<QByteArray> blocks;
    for (const Entry& row : rows) {
        paths.push_back(row.folder + row.name);
        blocks.push_back(
            InfoBlockOf(row.title.toLatin1(), author.toLatin1(), row.comments.toLatin1()));
    }
    QElapsedTimer timer;
    timer.start();
    for (size_t i = 0; i < paths.size(); ++i)
        WriteBlockAtStart(paths[i], blocks[i]);
    return timer.nsecsElapsed() / 1e9;
}

// RowCount rows, all selected, whose files are not there.
void FillBigList(CatalogueModel& list, const QString& folder) {
    std::vector<Entry> rows;
    rows.reserve(RowCount);
    for (int i = 0; i < RowCount; ++i)
        rows.push_back(RowOf(i, folder));
    list.appendEntries(std::move(rows));
    SelectAll(list);
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QString root =
        argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("/tmp/zuf-bench-info");
    const int rounds = argc > 2 ? std::max(1, atoi(argv[2])) : 5;
    const QString folder = NormalisedFolder(root + QStringLiteral("/music"));

    const std::vector<Entry> rows = WriteFiles(folder);
    CatalogueModel list;
    list.appendEntries(std::vector<Entry>(rows));
    SelectAll(list);
    UndoRecord undo;
    double batch = 1e9, base = 1e9;
    for (int round = 0; round < rounds; ++round) {
        base = std::min(base, BaselineSeconds(rows, QStringLiteral("Base %1").arg(round)));
        batch = std::min(batch, BatchSeconds(list, QStringLiteral("Batch %1").arg(round), undo));
    }
    std::printf("save of %d files' information, best of %d rounds: batch %.3f s, the same "
                "200-byte writes alone %.3f s, ratio %.2fx (target <= 1.5x)\n",
                FileCount, rounds, batch, base, batch / base);

    QElapsedTimer timer;
    timer.start();
    int refused = 0;
    for (const Entry& row : rows)
        refused += CheckInfoFileState(row.folder + row.name).state != InfoFileState::Writable;
    std::printf("check of the %d files (the dialog's worker): %.3f s, %d refused\n", FileCount,
                timer.nsecsElapsed() / 1e9, refused);

    const int undone = int(undo.steps.size());
    CatalogueModel restored;
    restored.appendEntries(std::vector<Entry>(rows));
    struct : FileDialogs {
        DialogAnswer confirm(const QString&, const QString&) override { return {}; }
        DialogAnswer renameFile(const FileSummary&, QString&) override { return {}; }
        void showFileError(const QString&) override {}
        bool warnYesNo(const QString&) override { return false; }
        bool askDeleteForGood(const QString&) override { return false; }
        void showMessage(const QString& text) override {
            std::printf("  undo: %s\n", qPrintable(text.left(200)));
        }
    } quiet;
    timer.start();
    UndoLastBatch(undo, restored, quiet);
    std::printf("undo of the save (%d files): %.3f s\n", undone, timer.nsecsElapsed() / 1e9);

    CatalogueModel big;
    FillBigList(big, folder);
    double opening = 1e9;
    SharedInfo shared;
    for (int round = 0; round < rounds; ++round) {
        timer.start();
        const std::vector<int> selected = big.selectedRows();
        shared = SharedInfoOfRows(big, selected);
        std::vector<QString> paths;
        paths.reserve(selected.size());
        for (const int row : selected)
            paths.push_back(big.entryAt(row)->folder + big.entryAt(row)->name);
        opening = std::min(opening, timer.nsecsElapsed() / 1e6);
    }
    std::printf("opening on %d selected rows (selection, shared texts, paths): %.1f ms, author "
                "shared: %s (target < 500 ms)\n",
                RowCount, opening, shared.fields[1].same ? "yes" : "no");

    const NamePattern pattern = ParseNamePattern(u"%author% - %title%");
    double matching = 1e9;
    int matched = 0;
    for (int round = 0; round < rounds; ++round) {
        matched = 0;
        timer.start();
        for (int row = 0; row < RowCount; ++row)
            matched += MatchName(pattern, big.entryAt(row)->name).has_value();
        matching = std::min(matching, timer.nsecsElapsed() / 1e6);
    }
    std::printf("names of %d rows matched against \"%%author%% - %%title%%\": %.1f ms, %d match\n",
                RowCount, matching, matched);
    QDir(root).removeRecursively();
    return 0;
}
