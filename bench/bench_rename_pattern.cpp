// Renaming by pattern: the plan for 100,000 rows with "%author%/%title%[ (%tuning%)]" (two
// fields, a folder and an optional part) and its recompute after one typed character, each
// beside a plain loop that builds the same path texts; then carrying out a plan of 10,000
// renames in one folder, and of 10,000 files filed into 100 new folders, each beside a loop
// that makes the same renames (and folders) with no list, no plan and no undo record. The
// facts of 100,000 rows, which the window takes on its own thread, are timed beside copying
// the rows' records.
//
//   bench_rename_pattern [FOLDER] [ROUNDS]   (default /tmp/zuf-bench-pattern, 3 rounds)
//
// The rows lie in 100 folders and name 500 authors; the base folder holds a folder for each
// author with 20 files in it, so that the plan lists real folders. Each figure is the best of
// the rounds.

#include "catalogue/catalogue_model.h"
#include "fileops/rename_pattern.h"
#include "fileops/rename_plan_run.h"
#include "fileops/undo.h"
#include "platform/folder_path.h"
#include "platform/native_fileops.h"
#include "tools/sample_writer.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <algorithm>
#include <cstdio>

namespace {

constexpr int PlanRows = 100000;
constexpr int Authors = 500;

QString AuthorName(int i) {
    return QStringLiteral("Author %1").arg(i % Authors);
}

std::vector<RenameFacts> PlanFacts(const QString& root) {
    std::vector<RenameFacts> files(PlanRows);
    for (int i = 0; i < PlanRows; ++i) {
        RenameFacts& f = files[size_t(i)];
        f.folder = NormalisedFolder(root + QStringLiteral("/in/%1").arg(i % 100));
        f.name = QStringLiteral("song%1.zuf").arg(i);
        f.title = QStringLiteral("Title number %1").arg(i);
        f.subtitle = AuthorName(i);
        f.tuning = i % 3 ? QStringLiteral("E B G D A E ") : QString();
        f.lastWriteTime = 1'700'000'000'000 + qint64(i) * 1000;
        f.size = 2048 + i;
        f.position = i + 1;
    }
    return files;
}

// The same path texts built by hand, and counted, so that the loop cannot be left out.
qint64 BuildPaths(const std::vector<RenameFacts>& files, const QString& base) {
    qint64 total = 0;
    for (const RenameFacts& f : files) {
        QString path = base + f.subtitle + u'/' + f.title;
        const QString tuning = f.tuning.trimmed();
        if (!tuning.isEmpty())
            path += QStringLiteral(" (") + tuning + u')';
        path += QStringLiteral(".zuf");
        total += path.size();
    }
    return total;
}

template <typename F> double BestSeconds(int rounds, F&& run) {
    double best = 1e9;
    for (int round = 0; round < rounds; ++round) {
        QElapsedTimer timer;
        timer.start();
        run();
        best = std::min(best, timer.nsecsElapsed() / 1e9);
    }
    return best;
}

void BenchPlan(const QString& root, int rounds) {
    const QString base = NormalisedFolder(root + QStringLiteral("/base"));
    for (int a = 0; a < Authors; ++a) {
        const QString folder = NormalisedFolder(base + AuthorName(a));
        QDir().mkpath(folder);
        for (int k = 0; k < 20; ++k)
            WriteSampleFile(folder + QStringLiteral("old %1.zuf").arg(k), QByteArray("z"));
    }
    const std::vector<RenameFacts> files = PlanFacts(root);
    RenamePlanOptions options;
    options.baseFolder = base;
    const QString typed = QStringLiteral("%author%/%title%[ (%tuning%)]");
    size_t planned = 0;
    const double plan = BestSeconds(
        rounds, [&] { planned += PlanRenames(ParseRenamePattern(typed), options, files).size(); });
    // One more character typed: the pattern is read again and the whole plan made afresh.
    const double again = BestSeconds(rounds, [&] {
        planned += PlanRenames(ParseRenamePattern(typed + u'x'), options, files).size();
    });
    qint64 built = 0;
    const double baseline = BestSeconds(rounds, [&] { built += BuildPaths(files, base); });
    if (planned != size_t(2 * rounds * PlanRows) || built == 0)
        std::printf("  the plan went wrong: %zu files planned\n", planned);
    std::printf("plan for %d rows:            %.1f ms, the paths built alone %.1f ms, ratio "
                "%.2fx\n",
                PlanRows, plan * 1e3, baseline * 1e3, plan / baseline);
    std::printf("recompute after a keystroke: %.1f ms, ratio %.2fx\n", again * 1e3,
                again / baseline);
}

void BenchFacts(int rounds) {
    CatalogueModel list;
    std::vector<Entry> entries(PlanRows);
    for (int i = 0; i < PlanRows; ++i) {
        Entry& e = entries[size_t(i)];
        e.folder = QStringLiteral("/music/in/%1/").arg(i % 100);
        e.name = QStringLiteral("song%1.zuf").arg(i);
        e.title = QStringLiteral("Title number %1").arg(i);
        e.subtitle = AuthorName(i);
        e.tuning = {4, 11, 7, 2, 9, 4};
    }
    list.appendEntries(std::vector<Entry>(entries));
    std::vector<int> rows(PlanRows);
    for (int i = 0; i < PlanRows; ++i)
        rows[size_t(i)] = i;
    size_t made = 0;
    const double facts = BestSeconds(rounds, [&] { made += RenameFactsOfRows(list, rows).size(); });
    const double copy = BestSeconds(rounds, [&] {
        std::vector<Entry> copied;
        copied.reserve(rows.size());
        for (int row : rows)
            copied.push_back(*list.entryAt(row));
        made += copied.size();
    });
    std::printf("facts of %d rows:            %.1f ms, the records copied %.1f ms, ratio %.2fx "
                "(%zu)\n",
                PlanRows, facts * 1e3, copy * 1e3, facts / copy, made / size_t(2 * rounds));
}

constexpr int RunFiles = 10000;

// RunFiles files in an emptied folder, and the plan that renames them by their titles (into a
// folder per author with `folders`).
std::vector<PlannedRename> RunPlan(const QString& folder, bool folders) {
    QDir(folder).removeRecursively();
    QDir().mkpath(folder);
    std::vector<RenameFacts> files(RunFiles);
    for (int i = 0; i < RunFiles; ++i) {
        RenameFacts& f = files[size_t(i)];
        f.folder = folder;
        f.name = QStringLiteral("song%1.zuf").arg(i);
        f.title = QStringLiteral("Title number %1").arg(i);
        f.subtitle = QStringLiteral("Author %1").arg(i % 100);
        WriteSampleFile(folder + f.name, QByteArray("z"));
    }
    RenamePlanOptions options;
    options.baseFolder = folder;
    return PlanRenames(ParseRenamePattern(folders ? QStringLiteral("%author%/%title%")
                                                  : QStringLiteral("%title%")),
                       options, files);
}

double RunSeconds(const QString& folder, bool folders) {
    const std::vector<PlannedRename> plan = RunPlan(folder, folders);
    UndoRecord undo;
    int steps = 0;
    QElapsedTimer timer;
    timer.start();
    const RenameRunResult result = RunRenamePlan(
        plan, {},
        [&](int, int, const QString&) {
            ++steps; // as the window's progress is asked before each file
            return true;
        },
        undo);
    const double seconds = timer.nsecsElapsed() / 1e9;
    if (result.done.size() != size_t(RunFiles) || steps != RunFiles)
        std::printf("  the run went wrong: %zu done, %zu failed\n", result.done.size(),
                    result.failures.size());
    return seconds;
}

double LoopSeconds(const QString& folder, bool folders) {
    const std::vector<PlannedRename> plan = RunPlan(folder, folders);
    QElapsedTimer timer;
    timer.start();
    for (const PlannedRename& p : plan) {
        if (folders && !PathExists(p.newFolder))
            MakeFolder(p.newFolder);
        RenameNoReplace(p.oldPath, p.newPath());
    }
    return timer.nsecsElapsed() / 1e9;
}

void BenchRun(const QString& root, int rounds) {
    const QString folder = NormalisedFolder(root + QStringLiteral("/run"));
    for (bool folders : {false, true}) {
        double run = 1e9, loop = 1e9;
        for (int round = 0; round < rounds; ++round) {
            run = std::min(run, RunSeconds(folder, folders));
            loop = std::min(loop, LoopSeconds(folder, folders));
        }
        std::printf("%d files %s: the plan carried out %.1f ms, the renames alone %.1f ms, "
                    "ratio %.2fx\n",
                    RunFiles, folders ? "into 100 new folders" : "renamed in their folder",
                    run * 1e3, loop * 1e3, run / loop);
    }
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QString root =
        argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("/tmp/zuf-bench-pattern");
    const int rounds = argc > 2 ? std::max(1, atoi(argv[2])) : 3;
    QDir(root).removeRecursively();
    std::printf("best of %d rounds\n", rounds);
    BenchPlan(root, rounds);
    BenchFacts(rounds);
    BenchRun(root, rounds);
    QDir(root).removeRecursively();
    return 0;
}
