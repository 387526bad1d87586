// The information dialogs over a big selection, offscreen: how long the dialog of several
// files and the dialog of Information from Names take from the command to their first paint
// on ROWS selected rows (default 100,000) made in memory, beside the same dialogs on 10 rows.
// The rows name files that do not exist: the check on the worker finds them missing at once,
// which is no work of the window thread's.
//
//   bench_info_dialog_window [ROWS]   Run with QT_QPA_PLATFORM=offscreen.

#include "catalogue/catalogue_model.h"
#include "fileops/info_batch_dialog.h"
#include "fileops/names_info_dialog.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTest>
#include <cstdio>
#include <functional>
#include <memory>

namespace {

void FillList(CatalogueModel& list, int count) {
    std::vector<Entry> rows(static_cast<size_t>(count));
    for (int i = 0; i < count; ++i) {
        Entry& row = rows[size_t(i)];
        row.name = QStringLiteral("Anon - Song %1.zuf").arg(i);
        row.folder = QStringLiteral("/nowhere/music/");
        row.title = QStringLiteral("Song %1").arg(i);
        row.subtitle = QStringLiteral("Anon");
        row.comments = QStringLiteral("take %1").arg(i % 7);
    }
    list.appendEntries(std::move(rows));
}

// The milliseconds from making the dialog until it has been painted once, best of three.
double OpeningMs(const std::function<QDialog*()>& make) {
    double best = 1e9;
    for (int round = 0; round < 3; ++round) {
        QElapsedTimer timer;
        timer.start();
        const std::unique_ptr<QDialog> dialog(make());
        dialog->show();
        if (!QTest::qWaitForWindowExposed(dialog.get()))
            std::printf("  the dialog did not show\n");
        QApplication::processEvents();
        best = std::min(best, double(timer.nsecsElapsed()) / 1e6);
    }
    return best;
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    const int rowCount = argc > 1 ? std::max(10, atoi(argv[1])) : 100'000;
    for (const auto& [name, makeFor] : std::initializer_list<std::pair<
             const char*, std::function<QDialog*(const CatalogueModel&, std::vector<int>)>>>{
             {"information of several files",
              [](const CatalogueModel&list, std::vector<int> rows) -> QDialog* {
                  return new InfoBatchDialog(nullptr, list, std::move(rows));
              }},
             {"information from names",
              [](const CatalogueModel&list, std::vector<int> rows) -> QDialog* {
                  return new NamesInfoDialog(nullptr, list, std::move(rows), {});
              }}}) {
        double ms[2] = {};
        int i = 0;
        for (const int count : {10, rowCount}) {
            CatalogueModel list;
            FillList(list, count);
            list.selectionModel()->select(
                QItemSelection(list.index(0, 0), list.index(count - 1, list.columnCount() - 1)),
                QItemSelectionModel::Select);
            ms[i++] = OpeningMs([&list, &makeFor] { return makeFor(list, list.selectedRows()); });
        }
        std::printf("%s: opened on %d rows in %.0f ms, on 10 rows in %.0f ms, ratio %.1fx "
                    "(target < 500 ms)\n",
                    name, rowCount, ms[1], ms[0], ms[1] / ms[0]);
    }
    return 0;
}
