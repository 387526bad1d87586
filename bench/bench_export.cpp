// Export List to CSV on 1,000,000 rows, against zuflist's tab-separated output of the same
// rows (the report line of each row in UTF-8), both made and written to a file in the same
// run, alternated, best of the rounds (target: at most 2 times). The other two formats are
// timed beside them.
//
//   bench_export [FOLDER] [ROUNDS]   (defaults /tmp and 3)

#include "bench/tree_generator.h"
#include "platform/native_fileops.h"
#include "report/export.h"
#include "report/report.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <algorithm>
#include <cstdio>

namespace {

double Ms(const QElapsedTimer& timer) {
    return double(timer.nsecsElapsed()) / 1e6;
}

std::vector<Entry> MillionRows() {
    std::mt19937 rng(20261211);
    std::vector<Entry> entries(1000000);
    for (size_t i = 0; i < entries.size(); ++i) {
        Entry& entry = entries[i];
        entry.name = QStringLiteral("%1 %2.zuf").arg(i).arg(tree_generator::Phrase(rng, 2));
        entry.folder = QStringLiteral("/home/user/Music/Collection %1/Set %2/")
                           .arg(i / 100000)
                           .arg(i / 100);
        entry.title = tree_generator::Phrase(rng, 1 + int(rng() % 4));
        if (rng() % 10 == 0)
            entry.title = u'"' + entry.title + QStringLiteral("\", live");
        entry.subtitle = QString::fromUtf8(
            tree_generator::authors[rng() % std::size(tree_generator::authors)]);
        if (rng() % 3 == 0)
            entry.comments = tree_generator::Phrase(rng, 3 + int(rng() % 10));
        entry.size = quint32(rng() % 100000);
        entry.lastWriteTime = qint64(rng() % 700000000) * 1000 + 946684800000;
        for (int s = 0; s < 6; ++s)
            entry.tuning[size_t(s)] = quint8(40 + rng() % 30);
    }
    return entries;
}

// The time of making the bytes and writing them as a new file (removed afterwards).
double Timed(const QString& path, const std::function<QByteArray()>& make, qint64& size) {
    QElapsedTimer timer;
    timer.start();
    const QByteArray bytes = make();
    if (WriteFileThroughUnfinished(path, bytes, true) != 0)
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
    const double ms = Ms(timer);
    size = bytes.size();
    DeleteFileNative(path);
    return ms;
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("/tmp");
    const int rounds = argc > 2 ? std::max(1, atoi(argv[2])) : 3;
    const std::vector<Entry> entries = MillionRows();
    std::vector<const Entry*> rows;
    for (const Entry& entry : entries)
        rows.push_back(&entry);
    const QString path = folder + QStringLiteral("/zuf-bench-export");

    const auto tsv = [&] {
        QByteArray out;
        for (const Entry* entry : rows)
            out += ReportLine(*entry, DefaultReportFlags, ReportEncoding::Utf8);
        return out;
    };
    const auto format = [&](ExportFormat f) {
        return [&rows, f] { return ExportText(rows, f, false); };
    };
    double best[4] = {1e300, 1e300, 1e300, 1e300};
    qint64 sizes[4] = {};
    for (int round = 0; round < rounds; ++round) {
        best[0] = std::min(best[0], Timed(path, tsv, sizes[0]));
        best[1] = std::min(best[1], Timed(path, format(ExportFormat::Csv), sizes[1]));
        best[2] = std::min(best[2], Timed(path, format(ExportFormat::Html), sizes[2]));
        best[3] = std::min(best[3], Timed(path, format(ExportFormat::Json), sizes[3]));
    }
    std::printf("%zu rows, made and written:\n", rows.size());
    const char* names[] = {"tab-separated (zuflist)", "CSV", "web page", "JSON"};
    for (int i = 0; i < 4; ++i)
        std::printf("  %-24s %6.0f ms, %6.1f MB, ratio %.2f%s\n", names[i], best[i],
                    double(sizes[i]) / 1e6, best[i] / best[0],
                    i == 1 ? " (target <= 2.00)" : "");
    return 0;
}
