// The filter box on 100,000 and 1,000,000 rows: a word typed character by character, then
// taken back, with the time from each keystroke until the list shows its rows, beside the
// time of looking once at every row's title for the same word (QString::contains, case
// ignored) in the same run. A timer ticking every 5 ms on the window's thread meanwhile gives
// the longest time that thread was kept from its events. The texts are prepared once before
// the typing (timed too), as the window does after a refresh.
//
//   bench_filter [ROWS...]   (default 100000 1000000)

#include "catalogue/catalogue_model.h"
#include "catalogue/filter_run.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>
#include <algorithm>
#include <cstdio>

namespace {

const char* const Titles[] = {"Moonlight Sonata", "Bourrée in E minor",
                              "Greensleeves",     "Romanza",
                              "Blue Moon",        "Lágrima",
                              "Scarborough Fair", "Study in B minor",
                              "Cavatina",         "Recuerdos de la Alhambra"};
const char* const Authors[] = {"Beethoven", "Bach", "Traditional", "Anónimo",  "Rodgers",
                               "Tárrega",   "Sor",  "Myers",       "Carcassi", "Giuliani"};

void FillRows(CatalogueModel& list, int rows) {
    std::vector<Entry> entries(static_cast<size_t>(rows));
    for (int i = 0; i < rows; ++i) {
        Entry& e = entries[size_t(i)];
        e.name = QStringLiteral("piece %1.zuf").arg(i);
        e.folder = QStringLiteral("/music/collection %1/").arg(i % 500);
        e.title = QString::fromUtf8(Titles[i % 10]) + QStringLiteral(" %1").arg(i % 977);
        e.subtitle = QString::fromUtf8(Authors[(i / 10) % 10]);
        e.comments = i % 4 ? QString() : QStringLiteral("arranged for lessons, take %1").arg(i);
        e.lastWriteTime = 1'500'000'000'000 + qint64(i) * 60'000;
        e.size = quint32(1000 + i % 50000);
        e.tuning = {8, 3, 10, 5, 1, 8};
    }
    list.appendEntries(std::move(entries));
}

// Runs the event loop until the run has shown the rows of its words and its worker is done.
void WaitShown(FilterBoxRun& run, bool alreadyShown) {
    QEventLoop loop;
    const auto done = [&] {
        if (!run.busy())
            loop.quit();
    };
    QObject::connect(&run, &FilterBoxRun::shown, &loop, done);
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &loop, done);
    poll.start(1);
    if (!(alreadyShown && !run.busy()))
        loop.exec();
}

void Bench(int rows) {
    CatalogueModel list;
    FillRows(list, rows);
    FilterBoxRun run(list);
    const unsigned fields = SearchedFields(DefaultColumnTable());

    QElapsedTimer timer;
    timer.start();
    run.setText(QString(), fields);
    WaitShown(run, false);
    const double prepareMs = timer.nsecsElapsed() / 1e6;

    const QString word = QStringLiteral("moonlight");
    timer.start();
    qint64 baselineHits = 0;
    for (int row = 0; row < list.rowCount(); ++row)
        baselineHits += list.entryAt(row)->title.contains(word, Qt::CaseInsensitive);
    const double baselineMs = timer.nsecsElapsed() / 1e6;

    // The longest gap between two ticks of a 5 ms timer while the words run.
    QElapsedTimer sinceTick;
    qint64 longestGapNs = 0;
    QTimer ticker;
    QObject::connect(&ticker, &QTimer::timeout, [&] {
        longestGapNs = std::max(longestGapNs, sinceTick.nsecsElapsed());
        sinceTick.start();
    });
    ticker.start(5);
    sinceTick.start();

    std::printf("%d rows: texts prepared in %.0f ms; one look at every title: %.1f ms "
                "(%lld hits)\n",
                rows, prepareMs, baselineMs, static_cast<long long>(baselineHits));
    std::printf("  %-12s %10s %8s %10s\n", "words", "update ms", "shown", "x baseline");
    double worstMs = 0;
    QStringList texts;
    for (qsizetype n = 1; n <= word.size(); ++n)
        texts << word.left(n);
    for (qsizetype n = word.size() - 1; n >= 0; --n)
        texts << word.left(n);
    for (const QString& text : texts) {
        timer.start();
        run.setText(text, fields);
        WaitShown(run, text.isEmpty());
        const double ms = timer.nsecsElapsed() / 1e6;
        worstMs = std::max(worstMs, ms);
        std::printf("  %-12s %10.1f %8d %10.2f\n", qPrintable(text.isEmpty() ? "(empty)" : text),
                    ms, list.rowCount(), ms / std::max(baselineMs, 0.001));
    }
    ticker.stop();
    std::printf("  slowest update %.1f ms; longest the window's thread was kept from its "
                "events: %.1f ms\n\n",
                worstMs, longestGapNs / 1e6);
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    std::vector<int> sizes;
    for (int i = 1; i < argc; ++i)
        sizes.push_back(QString::fromLocal8Bit(argv[i]).toInt());
    if (sizes.empty())
        sizes = {100000, 1000000};
    for (int rows : sizes)
        Bench(rows);
    return 0;
}
