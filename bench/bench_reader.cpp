// Reads a generated tree of both file generations without the notes (as the folder scan does) and
// compares its speed with a baseline that only opens each file and reads its first 258 bytes,
// in the same run. Usage: bench_reader [FILES] (default 20000).

#include "format/file_summary.h"
#include "platform/native_file.h"
#include "tools/sample_writer.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <cstdio>
#include <functional>

static SampleFile VariedFile(int i) {
    SampleFile f = (i % 2 == 0) ? SampleFile::newer() : SampleFile();
    if (i % 2 != 0)
        f.generation = quint8(i % 6);
    f.title = QStringLiteral("Song number %1").arg(i);
    f.subtitle = QStringLiteral("Author %1").arg(i % 97);
    f.comments = QStringLiteral("Arrangement for guitar and bass");
    f.notes = QString(200 + i % 800, u'n');
    f.measures = quint16(16 + i % 200);
    f.tableWordCount = f.measures;
    f.tablePairCount = 4;
    f.blockLengths = {12, 40, 6, 100};
    f.firstGroupCount = 2;
    f.shortRecordCount = 3;
    f.modules.push_back({QStringLiteral("Bass"), 4, {43, 38, 33, 28}, 0, 0});
    return f;
}

static QStringList MakeTree(const QString& root, int count) {
    QStringList paths;
    for (int i = 0; i < count; ++i) {
        const QString path = QStringLiteral("%1/folder%2/file%3.zuf").arg(root).arg(i % 100).arg(i);
        if (!WriteSampleFile(path, VariedFile(i)))
            return {};
        paths << path;
    }
    return paths;
}

static int ReadSummaries(const QStringList& paths) {
    int bad = 0;
    for (const QString& path : paths)
        bad += ReadSummary(path, ReadMode::WithoutNotes).currentEntry.isBad;
    return bad;
}

static int ReadHeads(const QStringList& paths) {
    int failed = 0;
    char head[258];
    for (const QString& path : paths) {
        NativeFile file;
        if (!file.openRead(path) || file.read(head, sizeof head) != qint64(sizeof head))
            ++failed;
    }
    return failed;
}

// The best of `rounds` runs, in files per second.
static double FilesPerSecond(const QStringList& paths, const std::function<int()>& run, int rounds,
                             int& failures) {
    qint64 best = -1;
    for (int r = 0; r < rounds; ++r) {
        QElapsedTimer timer;
        timer.start();
        failures = run();
        const qint64 ns = timer.nsecsElapsed();
        if (best < 0 || ns < best)
            best = ns;
    }
    return paths.size() / (double(qMax<qint64>(best, 1)) / 1e9);
}

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    const int count = argc > 1 ? qMax(1, QByteArray(argv[1]).toInt()) : 20000;
    QTemporaryDir dir;
    if (!dir.isValid())
        return 1;
    const QStringList paths = MakeTree(dir.path(), count);
    if (paths.isEmpty())
        return 1;
    std::printf("%d files, both generations, in 100 folders\n", count);
    int bad = 0;
    int failed = 0;
    ReadHeads(paths); // warm the cache for both
    double reader = 0;
    double baseline = 0;
    for (int pass = 0; pass < 3; ++pass) {
        baseline = qMax(baseline, FilesPerSecond(
                                      paths, [&] { return ReadHeads(paths); }, 1, failed));
        reader = qMax(reader, FilesPerSecond(
                                  paths, [&] { return ReadSummaries(paths); }, 1, bad));
    }
    std::printf("baseline (open, read 258 bytes): %10.0f files/s\n", baseline);
    std::printf("ReadSummary, without notes:     %10.0f files/s  (%d bad)\n", reader, bad);
    std::printf("ratio baseline/reader: %.2f\n", baseline / reader);
    return bad == 0 && failed == 0 ? 0 : 1;
}
