// Whether a refresh's cost grows in step with the files: the time per file of a refresh of
// the 100,000-file tree of bench_scan against that of a tree ten times as big, made of ten
// copies of it whose files are hard links to the first tree's (writing a million files would
// take long and fill the disk).
//
//   bench_scan_million [TREE_FOLDER] [BIG_TREE_FOLDER]
//       (defaults /tmp/zuf-bench-tree and /tmp/zuf-bench-million; run bench_scan once first)
//
// Each tree is refreshed twice after one warming walk; the better time counts.

#include "base/ui_hooks.h"
#include "catalogue/catalogue_model.h"
#include "catalogue/scan.h"
#include "platform/folder_walk.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFile>
#include <algorithm>
#include <cstdio>
#include <filesystem>

namespace {

constexpr int Copies = 10;

// Makes `big` from ten hard-linked copies of `tree`, unless its completion mark is there.
bool MakeBigTree(const QString& tree, const QString& big) {
    const QString mark = big + QStringLiteral("/.tree-complete");
    if (QFile::exists(mark))
        return true;
    namespace fs = std::filesystem;
    const fs::path from = QFile::encodeName(tree).toStdString();
    std::error_code made;
    fs::create_directories(QFile::encodeName(big).toStdString(), made);
    for (int copy = 0; copy < Copies; ++copy) {
        const fs::path to =
            QFile::encodeName(big + QStringLiteral("/Copy %1").arg(copy)).toStdString();
        std::error_code error;
        fs::copy(from, to, fs::copy_options::recursive | fs::copy_options::create_hard_links,
                 error);
        if (error) {
            std::fprintf(stderr, "cannot link %s: %s\n", to.c_str(), error.message().c_str());
            return false;
        }
    }
    QFile done(mark);
    return done.open(QIODevice::WriteOnly);
}

struct Refreshed {
    double ms = 1e300;
    int rows = 0;
};

Refreshed BestRefresh(const QString& root) {
    Refreshed best;
    if (!CanEnterFolder(root))
        return best;
    for (int round = 0; round < 2; ++round) {
        CatalogueModel list;
        UiHooks silent;
        QElapsedTimer timer;
        timer.start();
        RefreshCatalogue(list, silent, root);
        best.ms = std::min(best.ms, double(timer.nsecsElapsed()) / 1e6);
        best.rows = list.rowCount();
    }
    return best;
}

// Reads every file's first bytes once, so that both trees are measured on a warm cache.
void Warm(const QString& root) {
    QDirIterator files(root, QDir::Files, QDirIterator::Subdirectories);
    while (files.hasNext()) {
        QFile file(files.next());
        if (file.open(QIODevice::ReadOnly))
            file.read(1024);
    }
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    const QString tree =
        argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("/tmp/zuf-bench-tree");
    const QString big =
        argc > 2 ? QString::fromLocal8Bit(argv[2]) : QStringLiteral("/tmp/zuf-bench-million");
    if (!QFile::exists(tree + QStringLiteral("/.tree-complete"))) {
        std::fprintf(stderr, "no tree at %s: run bench_scan first\n", qPrintable(tree));
        return 1;
    }
    QElapsedTimer timer;
    timer.start();
    if (!MakeBigTree(tree, big))
        return 1;
    std::printf("big tree ready in %.0f ms\n", double(timer.elapsed()));
    Warm(tree);
    Warm(big);

    const Refreshed small = BestRefresh(tree);
    const Refreshed large = BestRefresh(big);
    const double perSmall = small.ms * 1000 / std::max(1, small.rows);
    const double perLarge = large.ms * 1000 / std::max(1, large.rows);
    std::printf("refresh: %d rows in %.0f ms (%.2f us a file); %d rows in %.0f ms (%.2f us a "
                "file); ratio %.2f (target <= 1.20)\n",
                small.rows, small.ms, perSmall, large.rows, large.ms, perLarge,
                perLarge / perSmall);
    return 0;
}
