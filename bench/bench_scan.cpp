// Scan, sort and memory of the catalogue over a generated tree of 100,000 files, side by side
// with a minimal walker that only opens, describes and closes each catalogue file and reads
// its first KiB.
//
//   bench_scan [TREE_FOLDER] [ROUNDS]   (default /tmp/zuf-bench-tree, 3 rounds)
//   bench_scan TREE_FOLDER cold         (as root: each contender once on an emptied cache)
//
// The tree is generated on the first run and reused afterwards. Every figure is the best of
// the rounds, with both contenders run alternately on the same warm file-system cache.

#include "base/ui_hooks.h"
#include "bench/minimal_walker.h"
#include "bench/tree_generator.h"
#include "catalogue/catalogue_model.h"
#include "catalogue/scan.h"
#include "catalogue/sorting.h"
#include "platform/folder_walk.h"
#include "platform/native_file.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QSet>
#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#ifndef Q_OS_WIN
#include <dirent.h>
#include <fcntl.h>
#include <malloc.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

#ifndef Q_OS_WIN
// Bytes in use on the heap, large blocks (which malloc maps separately) included.
size_t HeapInUse() {
    const struct mallinfo2 info = mallinfo2();
    return info.uordblks + info.hblkhd;
}
#else
size_t HeapInUse() {
    return 0;
}
#endif

double Ms(const QElapsedTimer& timer) {
    return double(timer.nsecsElapsed()) / 1e6;
}

// The processor time (user and system) this process has used, in ms: less disturbed than the
// wall clock when other programs share the machine.
double CpuMs() {
#ifndef Q_OS_WIN
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return double(t.tv_sec) * 1e3 + double(t.tv_nsec) / 1e6;
#else
    return 0;
#endif
}

// The character bytes of the rows' texts, each distinct block counted once (rows of one
// folder share its folder text), terminators included.
size_t TextBytes(const CatalogueModel& list) {
    QSet<const void*> seen;
    size_t bytes = 0;
    auto count = [&](const QString& text) {
        if (text.isNull() || seen.contains(text.constData()))
            return;
        seen.insert(text.constData());
        bytes += size_t(text.size() + 1) * 2;
    };
    for (int row = 0; row < list.rowCount(); ++row) {
        const Entry* e = list.entryAt(row);
        count(e->name);
        count(e->folder);
        count(e->title);
        count(e->subtitle);
        count(e->comments);
    }
    return bytes;
}

// Empties the file-system cache (root only): what a first refresh after a restart meets.
bool DropCaches() {
#ifndef Q_OS_WIN
    sync();
    QFile drop(QStringLiteral("/proc/sys/vm/drop_caches"));
    return drop.open(QIODevice::WriteOnly) && drop.write("3\n") == 2;
#else
    return false;
#endif
}

// Each contender once on an emptied cache, the walker first.
int ColdRun(const QString& root) {
    QElapsedTimer timer;
    if (!DropCaches()) {
        std::fprintf(stderr, "cannot empty the file-system cache (run as root)\n");
        return 1;
    }
    long walked = 0;
    timer.start();
    MinimalWalk(EncodeFileName(root).toStdString(), walked);
    const double walk = Ms(timer);
    DropCaches();
    CatalogueModel list;
    UiHooks silent;
    timer.restart();
    RefreshCatalogue(list, silent, root);
    const double refresh = Ms(timer);
    std::printf("cold cache: refresh %.0f ms (%d rows), minimal walker %.0f ms (%ld files), "
                "ratio %.2f\n",
                refresh, list.rowCount(), walk, walked, refresh / walk);
    return 0;
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    const QString root =
        argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("/tmp/zuf-bench-tree");
    const int rounds = argc > 2 ? std::max(1, atoi(argv[2])) : 3;

    QElapsedTimer timer;
    timer.start();
    bool existing = false;
    const int written = GenerateTree(root, TreeShape{}, &existing);
    if (!existing && written == 0) {
        std::fprintf(stderr, "cannot write the tree below %s\n", qPrintable(root));
        return 1;
    }
    if (!existing)
        std::printf("tree generated: %d catalogue files in %.0f ms\n", written, Ms(timer));
    if (!CanEnterFolder(root)) {
        std::fprintf(stderr, "cannot enter %s\n", qPrintable(root));
        return 1;
    }

    if (argc > 2 && strcmp(argv[2], "cold") == 0)
        return ColdRun(root);

    // Warm the cache once, then alternate the contenders.
    long walked = 0;
    MinimalWalk(EncodeFileName(root).toStdString(), walked);
    double bestWalk = 1e300, bestRefresh = 1e300, bestSortInRefresh = 1e300;
    double cpuWalk = 1e300, cpuRefresh = 1e300;
    size_t heapBefore = 0, heapAfter = 0;
    CatalogueModel list;
    for (int round = 0; round < rounds; ++round) {
        walked = 0;
        double cpu = CpuMs();
        timer.restart();
        MinimalWalk(EncodeFileName(root).toStdString(), walked);
        bestWalk = std::min(bestWalk, Ms(timer));
        cpuWalk = std::min(cpuWalk, CpuMs() - cpu);

        list.removeAllRows(); // the last round's rows, freed before the heap is read
        list.waitUntilRowsFreed();
        heapBefore = HeapInUse();
        cpu = CpuMs();
        timer.restart();
        UiHooks silent;
        RefreshCatalogue(list, silent, root);
        bestRefresh = std::min(bestRefresh, Ms(timer));
        cpuRefresh = std::min(cpuRefresh, CpuMs() - cpu);
        heapAfter = HeapInUse();

        timer.restart();
        SortColumn(list, false); // the sort the refresh ends with, on a list in found order
        bestSortInRefresh = std::min(bestSortInRefresh, Ms(timer));
    }
    const int rows = list.rowCount();
    std::printf("rows: %d (minimal walker opened %ld files)\n", rows, walked);
    std::printf("scan:  refresh %.0f ms, minimal walker %.0f ms, ratio %.2f (target <= 0.80)\n",
                bestRefresh, bestWalk, bestRefresh / bestWalk);
    std::printf("       processor time: refresh %.0f ms, minimal walker %.0f ms, ratio %.2f\n",
                cpuRefresh, cpuWalk, cpuRefresh / cpuWalk);
    std::printf("       of the refresh, its closing sort by name: %.0f ms\n", bestSortInRefresh);

    // Sort by each column, ascending then descending, from the order the click finds.
    std::printf("sort by column (target < %.0f ms, a quarter of the refresh):\n", bestRefresh / 4);
    static const char* const names[ColumnCount] = {"Name",  "Path",   "Date",  "Size",
                                                   "Title", "Author", "Tuning"};
    double worstSort = 0;
    for (int column = 0; column < ColumnCount; ++column) {
        double ascending = 1e300, descending = 1e300;
        for (int round = 0; round < rounds; ++round) {
            SortState sort{};
            sort[size_t(column)] = 1;
            list.setSort(sort);
            // Start each round from the order by name, as after a refresh.
            timer.restart();
            SortColumn(list, false);
            ascending = std::min(ascending, Ms(timer));
            sort[size_t(column)] = -1;
            list.setSort(sort);
            timer.restart();
            SortColumn(list, false);
            descending = std::min(descending, Ms(timer));
            list.setSort(DefaultSortState);
            SortColumn(list, false);
        }
        worstSort = std::max({worstSort, ascending, descending});
        std::printf("  %-7s ascending %6.0f ms, descending %6.0f ms\n", names[column], ascending,
                    descending);
    }
    std::printf("  slowest %.0f ms = %.2f of the refresh\n", worstSort, worstSort / bestRefresh);

    const size_t heap = heapAfter - heapBefore;
    const size_t texts = TextBytes(list);
    std::printf("memory: %.1f bytes per row in all, %.1f of them text characters, "
                "%.1f beyond the texts (target <= 200)\n",
                double(heap) / rows, double(texts) / rows, double(heap - texts) / rows);
    std::printf("        (record %zu bytes; the list keeps the record and its state image)\n",
                sizeof(Entry));
    return 0;
}
