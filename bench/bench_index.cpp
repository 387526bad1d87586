// zuflist over the generated tree of 100,000 files, whole process, with and without the
// catalogue index, side by side with the minimal walker measured in the same run; and the
// index's size on disk per file.
//
//   bench_index ZUFLIST [TREE_FOLDER] [ROUNDS]   (default /tmp/zuf-bench-tree, 3 rounds)
//
// The index lives in a cache folder of the benchmark's own. Every figure is the best of the
// rounds, the contenders run alternately on the same warm file-system cache.

#include "bench/minimal_walker.h"
#include "bench/tree_generator.h"
#include "index/catalogue_index.h"
#include "platform/native_file.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <algorithm>
#include <cstdio>
#include <random>

namespace {

double Ms(const QElapsedTimer& timer) {
    return double(timer.nsecsElapsed()) / 1e6;
}

// One whole run of zuflist, its output thrown away; the wall time in ms.
double RunZuflist(const QString& program, const QString& cache, QStringList arguments) {
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("XDG_CACHE_HOME"), cache);
    process.setProcessEnvironment(environment);
    process.setStandardOutputFile(QProcess::nullDevice());
    process.setStandardErrorFile(QProcess::nullDevice());
    QElapsedTimer timer;
    timer.start();
    process.start(program, arguments);
    process.waitForFinished(-1);
    return Ms(timer);
}

double MinimalWalkMs(const QString& root, long& files) {
    files = 0;
    QElapsedTimer timer;
    timer.start();
    MinimalWalk(EncodeFileName(root).toStdString(), files);
    return Ms(timer);
}

// Gives one catalogue file in a hundred a new last-write time.
int TouchOnePercent(const QString& root, std::mt19937& rng) {
    int touched = 0;
    const QDateTime now = QDateTime::currentDateTimeUtc();
    for (const QString& top : QDir(root).entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        const QString topPath = root + QLatin1Char('/') + top;
        for (const QString& sub : QDir(topPath).entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
            const QDir folder(topPath + QLatin1Char('/') + sub);
            for (const QString& name : folder.entryList({QStringLiteral("*.zuf")}, QDir::Files)) {
                if (rng() % 100 != 0)
                    continue;
                QFile file(folder.filePath(name));
                if (file.open(QIODevice::ReadWrite) &&
                    file.setFileTime(now.addSecs(touched), QFileDevice::FileModificationTime))
                    ++touched;
            }
        }
    }
    return touched;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 2) {
        std::fprintf(stderr, "usage: bench_index ZUFLIST [TREE_FOLDER] [ROUNDS]\n");
        return 2;
    }
    const QString zuflist = args[1];
    const QString root = args.size() > 2 ? args[2] : QStringLiteral("/tmp/zuf-bench-tree");
    const int rounds = args.size() > 3 ? std::max(1, args[3].toInt()) : 3;
    GenerateTree(root, TreeShape{});
    long files = 0;
    MinimalWalkMs(root, files);
    const QString cache = root + QStringLiteral("-index-cache");
    QDir(cache).removeRecursively();
    std::printf("tree: %ld catalogue files below %s\n", files, qPrintable(root));

    double walker = 1e300, noIndex = 1e300, warm = 1e300, changed = 1e300;
    RunZuflist(zuflist, cache, {root}); // the index is made
    std::mt19937 rng(7);
    int touched = 0;
    for (int round = 0; round < rounds; ++round) {
        walker = std::min(walker, MinimalWalkMs(root, files));
        noIndex = std::min(noIndex, RunZuflist(zuflist, cache, {QStringLiteral("--no-index"), root}));
        warm = std::min(warm, RunZuflist(zuflist, cache, {root}));
        touched = TouchOnePercent(root, rng);
        changed = std::min(changed, RunZuflist(zuflist, cache, {root}));
        RunZuflist(zuflist, cache, {root}); // the changed files' records settle
    }
    const QString indexFile = cache + QStringLiteral("/Strumlex/ZUFFile/catalogue-index.sqlite");
    CatalogueIndex index(indexFile);
    std::printf("minimal walker          %8.0f ms\n", walker);
    std::printf("zuflist --no-index      %8.0f ms  ratio %.2f (target <= 1.00)\n", noIndex,
                noIndex / walker);
    std::printf("zuflist, warm index     %8.0f ms  ratio %.2f (target <= 0.30)\n", warm,
                warm / walker);
    std::printf("zuflist, %d changed   %8.0f ms  ratio %.2f (target <= 0.50)\n", touched,
                changed, changed / walker);
    std::printf("index on disk: %lld bytes, %.0f bytes a file\n",
                static_cast<long long>(index.sizeOnDisk()), double(index.sizeOnDisk()) / double(files));
    return 0;
}
