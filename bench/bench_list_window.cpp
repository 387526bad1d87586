// The window with a big list, offscreen: how long select all, a sort by Title and the search
// filter take on ROWS rows (default 1,000,000) made in memory, the resident memory of the
// window with them, and the window thread's longest stall during a refresh of a folder tree
// (a 10 ms heartbeat timer measures it).
//
//   bench_list_window [ROWS] [TREE_FOLDER] [BIG_TREE]
//                     (default 1000000 and /tmp/zuf-bench-tree, no big tree)
//
// The tree is the one bench_scan generates; without it the stall is not measured. A big tree
// (bench_scan_million's) is refreshed before it, also with the stall measured, so that the
// stall of the tree's refresh is measured right after a real list of a million rows was
// taken down. Run with QT_QPA_PLATFORM=offscreen.

#include "app/main_window.h"
#include "catalogue/catalogue_model.h"
#include "catalogue/entry_rows.h"
#include "catalogue/search.h"
#include "catalogue/sorting.h"
#include "format/file_summary.h"
#include "platform/folder_walk.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QHeaderView>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <cstdio>
#include <future>
#include <random>

namespace {

double Ms(const QElapsedTimer& timer) {
    return double(timer.nsecsElapsed()) / 1e6;
}

// The processor time of this thread in ms: on a shared machine, the figure to compare.
double ThreadCpuMs() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return double(t.tv_sec) * 1e3 + double(t.tv_nsec) / 1e6;
}

// Times one step on the wall clock and in processor time.
struct StepTimer {
    QElapsedTimer wall;
    double cpu = 0;
    void restart() {
        cpu = ThreadCpuMs();
        wall.restart();
    }
    QByteArray took() const {
        return QByteArray::number(Ms(wall), 'f', 0) + " ms (processor " +
               QByteArray::number(ThreadCpuMs() - cpu, 'f', 0) + " ms)";
    }
};

// Lets the window handle what the step posted and repaint.
void Settle() {
    for (int i = 0; i < 3; ++i)
        QCoreApplication::processEvents(QEventLoop::AllEvents);
}

long ResidentKiB() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').first().toLong();
    }
    return 0;
}

const char* const words[] = {"Blue",  "Moon",  "Autumn", "Leaves", "Take",    "Five", "Night",
                             "Train", "River", "Song",   "Waltz",  "Prelude", "Road", "Rain"};
const char* const authors[] = {"Rodgers", "Kosma", "Desmond", "Monk", "Jobim", "Sor", "Bream"};

// Rows as a scan of a big library makes them: a hundred files to a folder, two- and
// three-word titles, an author, a tuning.
std::vector<Entry> MadeRows(int count) {
    std::mt19937 rng(7);
    std::vector<Entry> rows;
    rows.reserve(static_cast<size_t>(count));
    FileSummary file;
    Entry& e = file.currentEntry;
    for (int i = 0; i < count; ++i) {
        if (i % 100 == 0)
            e.folder =
                QStringLiteral("/library/Collection %1/Folder %2/").arg(i / 10000).arg(i / 100);
        e.name = QStringLiteral("Piece %1.zuf").arg(rng() % 1000000);
        QString title = QString::fromUtf8(words[rng() % std::size(words)]) + u' ' +
                        QString::fromUtf8(words[rng() % std::size(words)]);
        if (i % 3 == 0)
            title += u' ' + QString::fromUtf8(words[rng() % std::size(words)]);
        file.title = title;
        file.subtitle = QString::fromUtf8(authors[rng() % std::size(authors)]);
        e.lastWriteTime = 1'000'000'000'000LL + qint64(rng() % 600'000'000) * 1000;
        e.size = 2000 + rng() % 50000;
        file.tuning = {64, 59, 55, 50, 45, 40};
        rows.push_back(
            EntryFromSummary(file)); // the texts of a row share one block, as a scan's do
    }
    return rows;
}

// The longest time between two ticks of a 10 ms timer while the window refreshes `tree`.
double LongestStallDuringRefresh(MainWindow& window, const QString& tree) {
    if (!CanEnterFolder(tree))
        return -1;
    QElapsedTimer sinceTick;
    double longest = 0;
    QTimer heartbeat;
    heartbeat.setInterval(10);
    QObject::connect(&heartbeat, &QTimer::timeout, [&] {
        longest = std::max(longest, Ms(sinceTick));
        sinceTick.restart();
    });
    heartbeat.start();
    sinceTick.start();
    window.openWorkingFolder(tree);
    longest = std::max(longest, Ms(sinceTick)); // the end of the refresh itself
    heartbeat.stop();
    return longest;
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    const int rowCount = argc > 1 ? std::max(1, atoi(argv[1])) : 1'000'000;
    const QString tree =
        argc > 2 ? QString::fromLocal8Bit(argv[2]) : QStringLiteral("/tmp/zuf-bench-tree");
    const QString bigTree = argc > 3 ? QString::fromLocal8Bit(argv[3]) : QString();

    // Settings of its own, so that the user's stay untouched.
    QTemporaryDir home;
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(home.path()));

    const long residentBefore = ResidentKiB();
    SettingsStore store(home.filePath(QStringLiteral("settings.ini")));
    MainWindow window(store);
    window.resize(900, 600);
    window.showBeforeScan();
    Settle();
    const long residentEmpty = ResidentKiB();

    StepTimer timer;
    timer.restart();
    {
        // Made on another thread, as a scan's readers make a list's rows: their memory then
        // comes from that thread's heap, and freeing it later does not hold up this one's.
        std::vector<Entry> rows = std::async(std::launch::async, MadeRows, rowCount).get();
        CatalogueModel& list = window.catalogueModel();
        list.appendEntries(std::move(rows));
        SortColumn(list, false);
    }
    window.updateStatus();
    Settle();
    std::printf("rows: %d made and listed in %s\n", rowCount, timer.took().constData());
    const long resident = ResidentKiB();
    std::printf("memory: %ld MB resident with the rows (target <= 450 MB at 1,000,000), "
                "%ld MB for an empty window, %ld MB before the window\n",
                resident / 1024, residentEmpty / 1024, residentBefore / 1024);

    QTableView* view = window.list();
    QHeaderView* header = view->horizontalHeader();
    const int titleColumn = 4;
    const QPoint onTitle(header->sectionViewportPosition(titleColumn) + 5, header->height() / 2);
    timer.restart();
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, onTitle);
    Settle();
    std::printf("sort by Title, one row selected: %s (target < 1000 ms)\n",
                timer.took().constData());
    timer.restart();
    SortColumn(window.catalogueModel(), false);
    std::printf("  of which the sort alone, on a sorted list: %s\n", timer.took().constData());

    view->setFocus();
    timer.restart();
    QTest::keyClick(view, Qt::Key_A, Qt::ControlModifier);
    Settle();
    std::printf("select all (Ctrl+A): %s, %d selected (target < 1000 ms)\n",
                timer.took().constData(), window.catalogueModel().selectedCount());

    timer.restart();
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, onTitle);
    Settle();
    std::printf("sort by Title descending, all selected: %s (target < 1000 ms)\n",
                timer.took().constData());

    timer.restart();
    AcceptSearchWords(window.catalogueModel(), window, QStringLiteral("moon"), false);
    Settle();
    std::printf("search filter \"moon\": %s, %d found (target < 1000 ms)\n",
                timer.took().constData(), window.catalogueModel().foundCount());

    if (!bigTree.isEmpty()) {
        timer.restart();
        const double stall = LongestStallDuringRefresh(window, bigTree);
        std::printf("refresh of %s: %d rows in %s, longest stall of the window thread %.0f ms\n",
                    qPrintable(bigTree), window.catalogueModel().rowCount(),
                    timer.took().constData(), stall);
        Settle();
    }
    if (QDir(tree).exists()) {
        const double stall = LongestStallDuringRefresh(window, tree);
        std::printf("refresh of %s: %d rows, longest stall of the window thread %.0f ms "
                    "(target < 50 ms)\n",
                    qPrintable(tree), window.catalogueModel().rowCount(), stall);
    } else {
        std::printf("no tree at %s: run bench_scan first to measure the stall\n", qPrintable(tree));
    }
    return 0;
}
