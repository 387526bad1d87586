// Find Duplicates, timed against baselines measured in the same run:
//   by title and author on 1,000,000 rows (target: under 2 s), beside one pass that only folds
//   the case of every title and author (a copy of each);
//   by content on the benchmark tree (target: at most 1.5 times reading every listed file once
//   with the same number of threads), warm cache, contenders alternated, best of the rounds.
//
//   bench_duplicates [TREE_FOLDER] [ROUNDS]   (defaults /tmp/zuf-bench-tree and 3)

#include "base/ui_hooks.h"
#include "bench/tree_generator.h"
#include "catalogue/catalogue_model.h"
#include "catalogue/duplicates.h"
#include "catalogue/scan.h"
#include "catalogue/shown_rows.h"
#include "platform/folder_walk.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <algorithm>
#include <cstdio>

namespace {

double Ms(const QElapsedTimer& timer) {
    return double(timer.nsecsElapsed()) / 1e6;
}

// A million rows with titles of one to four words and an author each: many alike.
void FillMillion(CatalogueModel& list) {
    std::mt19937 rng(20261211);
    std::vector<Entry> entries;
    entries.reserve(1000000);
    for (int i = 0; i < 1000000; ++i) {
        Entry entry;
        entry.name = QStringLiteral("%1.zuf").arg(i);
        entry.folder = QStringLiteral("/music/set %1/").arg(i / 100);
        entry.title = tree_generator::Phrase(rng, 1 + int(rng() % 4));
        if (rng() % 3 == 0)
            entry.title = entry.title.toUpper() + QStringLiteral("!");
        entry.subtitle = QString::fromUtf8(
            tree_generator::authors[rng() % std::size(tree_generator::authors)]);
        entry.size = quint32(rng() % 100000);
        entry.lastWriteTime = qint64(rng());
        entries.push_back(std::move(entry));
    }
    list.appendEntries(std::move(entries));
}

// The baseline of the grouping by title: each title and author folded once, nothing kept.
double FoldEveryText(const std::vector<DuplicateCandidate>& files) {
    QElapsedTimer timer;
    timer.start();
    qsizetype total = 0;
    for (const DuplicateCandidate& file : files)
        total += file.entry->title.toCaseFolded().size() +
                 file.entry->subtitle.toCaseFolded().size();
    const double ms = Ms(timer);
    if (total < 0)
        std::printf("?");
    return ms;
}

// The baseline of the content search: every listed file read once to its end, by as many
// threads as the search uses.
double ReadEveryFile(const std::vector<DuplicateCandidate>& files, qint64& bytes) {
    QElapsedTimer timer;
    timer.start();
    std::atomic<size_t> next{0};
    std::atomic<qint64> read{0};
    const auto work = [&] {
        QByteArray buffer(1 << 16, Qt::Uninitialized);
        for (size_t i = next++; i < files.size(); i = next++) {
            NativeFile file;
            if (!file.openRead(files[i].entry->folder + files[i].entry->name))
                continue;
            for (qint64 got; (got = file.read(buffer.data(), buffer.size())) > 0;)
                read += got;
        }
    };
    RunOnReaderPool(work);
    bytes = read.load();
    return Ms(timer);
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    const QString root =
        argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("/tmp/zuf-bench-tree");
    const int rounds = argc > 2 ? std::max(1, atoi(argv[2])) : 3;

    {
        CatalogueModel list;
        FillMillion(list);
        double best = 1e300, bestCopy = 1e300, bestFold = 1e300;
        size_t groups = 0;
        for (int round = 0; round < rounds; ++round) {
            QElapsedTimer timer;
            timer.start();
            std::vector<DuplicateCandidate> files = DuplicateCandidates(list, ShownRows(list));
            const double copy = Ms(timer);
            DuplicateSearch search(DuplicateWay::TitleAndAuthor, std::move(files));
            groups = search.groups().size();
            best = std::min(best, Ms(timer));
            bestCopy = std::min(bestCopy, copy);
            bestFold = std::min(bestFold, FoldEveryText(search.files()));
        }
        std::printf("title and author, %d rows: %.0f ms in all (target < 2000 ms), of it %.0f ms "
                    "taking the rows on the window thread; %zu groups\n",
                    list.rowCount(), best, bestCopy, groups);
        std::printf("  folding every title and author once: %.0f ms, ratio %.2f\n", bestFold,
                    best / bestFold);
    }

    bool existing = false;
    if (GenerateTree(root, TreeShape{}, &existing) == 0 && !existing) {
        std::fprintf(stderr, "cannot write the tree below %s\n", qPrintable(root));
        return 1;
    }
    CatalogueModel list;
    UiHooks silent;
    RefreshCatalogue(list, silent, root);
    const std::vector<DuplicateCandidate> files = DuplicateCandidates(list, ShownRows(list));
    qint64 bytes = 0;
    ReadEveryFile(files, bytes); // warms the cache
    double bestRead = 1e300, bestSearch = 1e300;
    size_t groups = 0, hashed = FilesToHash(files).size();
    for (int round = 0; round < rounds; ++round) {
        bestRead = std::min(bestRead, ReadEveryFile(files, bytes));
        QElapsedTimer timer;
        timer.start();
        DuplicateSearch search(DuplicateWay::Content, files);
        groups = search.groups().size();
        bestSearch = std::min(bestSearch, Ms(timer));
    }
    std::printf("content, %zu rows (%zu of them sharing a size, %.1f MB): search %.0f ms, "
                "reading every file once %.0f ms, ratio %.2f (target <= 1.50); %zu groups\n",
                files.size(), hashed, double(bytes) / 1e6, bestSearch, bestRead,
                bestSearch / bestRead, groups);
    return 0;
}
