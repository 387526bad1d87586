// Carrying out a rename plan: every byte on disk where the plan puts it, nothing replaced when
// the disk changed after the plan, failures collected per file, the rows following, and Undo
// taking the whole batch back with the folders it made or removed.

#include "file_test_support.h"

#include "fileops/rename_pattern.h"
#include "fileops/rename_plan_run.h"

#include <QTemporaryDir>
#include <QtTest>

using namespace test_support;

namespace {

enum Meddle {
    NoMeddle,
    TakeName,     // a file of a planned name appears after the plan
    BlockFolder,  // a file stands where a planned folder goes
    StopAfterOne, // the progress stops the batch after the first file
    FileGone,     // a file is deleted after the plan
};

// Every folder below `root`, relative to it.
QStringList Folders(const QString& root) {
    QStringList folders;
    QDirIterator it(root, QDir::Dirs | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (it.hasNext())
        folders << QDir(root).relativeFilePath(it.next());
    folders.sort();
    return folders;
}

} // namespace

class TestRenamePlanRun : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    QTemporaryDir m_otherDrive{QStringLiteral("/dev/shm/zuf-plan-run-XXXXXX")};
    QString m_lib; // the working folder; the files start in lib/in
    CatalogueModel m_list;

    // Three files in lib/in: a (title A, author X), b (B, Y), c (C, X), with their rows.
    void freshLibrary() {
        QDir(m_dir.path()).removeRecursively();
        QVERIFY(QDir().mkpath(m_lib + QStringLiteral("in")));
        if (m_otherDrive.isValid()) // emptied, so that one case's failure stays its own
            QVERIFY(QDir(m_otherDrive.path()).removeRecursively() &&
                    QDir().mkpath(m_otherDrive.path()));
        m_list.removeAllRows();
        const QString in = NormalisedFolder(m_lib + QStringLiteral("in"));
        for (const char* entry : {"a=A=X", "b=B=Y", "c=C=X"}) {
            const QStringList parts = QString::fromLatin1(entry).split(u'=');
            SampleFile file;
            file.title = parts[1];
            file.subtitle = parts[2];
            QVERIFY(WriteSampleFile(in + parts[0] + QStringLiteral(".zuf"), file));
            AddRow(m_list, in, parts[0] + QStringLiteral(".zuf"));
        }
    }

    // The files below both roots, as "lib/..." and "other/...", with their bytes.
    Snapshot disk() const {
        Snapshot files;
        for (const auto& [prefix, root] :
             {std::pair{QStringLiteral("lib/"), m_lib},
              std::pair{QStringLiteral("other/"), m_otherDrive.path()}}) {
            const Snapshot below = TakeSnapshot(root);
            for (auto it = below.begin(); it != below.end(); ++it)
                files.insert(prefix + it.key(), it.value());
        }
        return files;
    }

    std::vector<PlannedRename> plan(const QString& pattern, const QString& base) {
        RenamePlanOptions options;
        options.baseFolder = base;
        return PlanRenames(ParseRenamePattern(pattern), options,
                           RenameFactsOfRows(m_list, {0, 1, 2}));
    }

private slots:
    void initTestCase() {
        QVERIFY(m_dir.isValid());
        m_lib = NormalisedFolder(m_dir.path() + QStringLiteral("/lib"));
    }

    void runAndUndo_data() {
        QTest::addColumn<bool>("otherDrive");
        QTest::addColumn<bool>("removeEmpty");
        QTest::addColumn<int>("meddle");
        QTest::addColumn<QStringList>("files");  // where the files are after the batch
        QTest::addColumn<QStringList>("failed"); // the files that stayed, with an error
        QTest::addColumn<QStringList>("rows");   // the rows' paths after the batch
        const QStringList filed{"lib/X/A.zuf", "lib/X/C.zuf", "lib/Y/B.zuf"};
        const QStringList filedRows{"X/A.zuf", "Y/B.zuf", "X/C.zuf"};
        QTest::newRow("filed into folders made for them")
            << false << false << int(NoMeddle) << filed << QStringList{} << filedRows;
        QTest::newRow("the folders left empty removed")
            << false << true << int(NoMeddle) << filed << QStringList{} << filedRows;
        QTest::newRow("a name taken after the plan")
            << false << false << int(TakeName)
            << QStringList{"lib/X/A.zuf", "lib/X/C.zuf", "lib/Y/B.zuf", "lib/in/a.zuf"}
            << QStringList{"in/a.zuf"} << QStringList{"in/a.zuf", "Y/B.zuf", "X/C.zuf"};
        QTest::newRow("a file where a folder goes")
            << false << false << int(BlockFolder)
            << QStringList{"lib/X/A.zuf", "lib/X/C.zuf", "lib/Y", "lib/in/b.zuf"}
            << QStringList{"in/b.zuf"} << QStringList{"X/A.zuf", "in/b.zuf", "X/C.zuf"};
        QTest::newRow("a file gone after the plan")
            << false << false << int(FileGone) << QStringList{"lib/X/A.zuf", "lib/X/C.zuf"}
            << QStringList{"in/b.zuf"} << QStringList{"X/A.zuf", "in/b.zuf", "X/C.zuf"};
        QTest::newRow("stopped after one")
            << false << false << int(StopAfterOne)
            << QStringList{"lib/X/A.zuf", "lib/in/b.zuf", "lib/in/c.zuf"} << QStringList{}
            << QStringList{"X/A.zuf", "in/b.zuf", "in/c.zuf"};
        QTest::newRow("to another file system")
            << true << true << int(NoMeddle)
            << QStringList{"other/X/A.zuf", "other/X/C.zuf", "other/Y/B.zuf"} << QStringList{}
            << QStringList{};
    }
    void runAndUndo() {
        QFETCH(bool, otherDrive);
        QFETCH(bool, removeEmpty);
        QFETCH(int, meddle);
        QFETCH(QStringList, files);
        QFETCH(QStringList, failed);
        QFETCH(QStringList, rows);
        if (otherDrive && !m_otherDrive.isValid())
            QSKIP("no folder on another file system here (/dev/shm)");
        freshLibrary();
        const QString base = otherDrive ? NormalisedFolder(m_otherDrive.path()) : m_lib;
        const std::vector<PlannedRename> planned = plan(QStringLiteral("%author%/%title%"), base);
        if (meddle == TakeName) {
            QVERIFY(QDir().mkpath(m_lib + QStringLiteral("X")));
            QVERIFY(WriteSampleFile(m_lib + QStringLiteral("X/A.zuf"), QByteArray("taken")));
        }
        if (meddle == FileGone)
            QVERIFY(QFile::remove(m_lib + QStringLiteral("in/b.zuf")));
        if (meddle == BlockFolder)
            QVERIFY(WriteSampleFile(m_lib + QStringLiteral("Y"), QByteArray("a file")));
        const Snapshot before = disk();
        const QStringList foldersBefore = Folders(m_dir.path());
        QList<int> steps;
        const RenameRunProgress progress = [&](int done, int total, const QString&) {
            steps << done;
            return !(meddle == StopAfterOne && done == 1) && total == 3;
        };
        RenameRunOptions options;
        options.removeEmptyFolders = removeEmpty;
        UndoRecord undo;

        const RenameRunResult result = RunRenamePlan(planned, options, progress, undo);

        const Snapshot after = disk();
        QCOMPARE(after.keys(), files);
        for (const RenameRunDone& done : result.done) // every byte went along
            QCOMPARE(
                ReadAll(done.newPath),
                before.value(QStringLiteral("lib/") + QDir(m_lib).relativeFilePath(done.oldPath)));
        if (meddle == TakeName)
            QCOMPARE(after.value(QStringLiteral("lib/X/A.zuf")), QByteArray("taken"));
        QStringList failedFiles;
        for (const RenameRunFailure& failure : result.failures) {
            failedFiles << QDir(m_lib).relativeFilePath(failure.path);
            QVERIFY(!failure.error.isEmpty());
        }
        QCOMPARE(failedFiles, failed);
        QCOMPARE(result.stopped, meddle == StopAfterOne);
        QCOMPARE(steps, (meddle == StopAfterOne ? QList<int>{0, 1} : QList<int>{0, 1, 2}));
        QCOMPARE(QDir(m_lib + QStringLiteral("in")).exists(), !removeEmpty);
        for (const QString& folder : Folders(m_dir.path())) // no empty folder of its own
            QVERIFY2(foldersBefore.contains(folder) ||
                         !QDir(m_dir.path() + u'/' + folder).isEmpty(),
                     qPrintable(folder));

        FollowRenamedRows(m_list, result.done, m_lib);
        QStringList rowPaths;
        for (const QString& path : RowPaths(m_list))
            rowPaths << QDir(m_lib).relativeFilePath(path);
#ifdef Q_OS_WIN // the rows' folders are lower-cased there
        for (QString& path : rows)
            path = path.left(path.lastIndexOf(u'/')).toLower() + path.mid(path.lastIndexOf(u'/'));
#endif
        QCOMPARE(rowPaths, rows);

        ScriptedDialogs dialogs;
        QCOMPARE(UndoLastBatch(undo, m_list, dialogs), int(result.done.size()));
        QCOMPARE(dialogs.messages, QStringList{});
        QCOMPARE(disk(), before);
        QCOMPARE(Folders(m_dir.path()), foldersBefore);
        if (otherDrive)
            QCOMPARE(Folders(m_otherDrive.path()), QStringList{});
        QStringList rowsBack = RowNames(m_list);
        rowsBack.sort();
        QCOMPARE(rowsBack, (QStringList{"a.zuf", "b.zuf", "c.zuf"}));
    }

    // Undo leaves a file that changed after the batch where it is, with the folder it is in.
    void undoLeavesChangedFile() {
        freshLibrary();
        UndoRecord undo;
        const RenameRunResult result =
            RunRenamePlan(plan(QStringLiteral("%author%/%title%"), m_lib), {}, {}, undo);
        QCOMPARE(result.done.size(), size_t(3));
        QFile changed(m_lib + QStringLiteral("X/A.zuf"));
        QVERIFY(changed.open(QIODevice::Append));
        changed.write("more");
        changed.close();
        ScriptedDialogs dialogs;
        QCOMPARE(UndoLastBatch(undo, m_list, dialogs), 2);
        QCOMPARE(dialogs.messages.size(), 1);
        QVERIFY(dialogs.messages[0].contains(m_lib + QDir::toNativeSeparators("X/A.zuf")));
        QCOMPARE(disk().keys(), (QStringList{"lib/X/A.zuf", "lib/in/b.zuf", "lib/in/c.zuf"}));
    }
};

QTEST_GUILESS_MAIN(TestRenamePlanRun)
#include "tst_rename_plan_run.moc"
