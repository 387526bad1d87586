// The refresh over real folder trees: links that loop, unreadable folders, odd names, deep
// nesting, damaged files, the extension rule and the Esc abort.

#include "base/ui_hooks.h"
#include "catalogue/catalogue_model.h"
#include "catalogue/entry_rows.h"
#include "catalogue/scan.h"
#include "catalogue/sorting.h"
#include "catalogue/tree_scan.h"
#include "format/file_summary.h"
#include "platform/folder_path.h"
#include "platform/folder_walk.h"
#include "platform/native_file.h"
#include "tools/sample_writer.h"

#include <QDir>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#ifndef Q_OS_WIN
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

namespace {

struct Recorder : UiHooks {
    QList<QPair<int, QString>> texts;
    int escAtVisit = 0; // 0: never; n: Esc is pressed at the scan's n-th look for it
    int visits = 0;
    QDeadlineTimer escAfter = QDeadlineTimer::Forever; // Esc is pressed once it has passed
    void setStatusText(int part, const QString& text) override { texts.append({part, text}); }
    bool scanEscPressed() override { return ++visits == escAtVisit || escAfter.hasExpired(); }
    QStringList partTexts(int part) const {
        QStringList out;
        for (const auto& t : texts) {
            if (t.first == part)
                out << t.second;
        }
        return out;
    }
};

// Folder path (with the separator) of a relative folder below root.
QString Below(const QString& root, const QString& relative) {
    return NormalisedFolder(root + QLatin1Char('/') + relative);
}

// The row path of a file below root: its folder as the walk keeps it, then its name.
QString FileBelow(const QString& root, const QString& relative) {
    const qsizetype cut = relative.lastIndexOf(u'/');
    if (cut < 0)
        return root + relative;
    return NormalisedFolder(root + relative.left(cut)) + relative.mid(cut + 1);
}

#ifndef Q_OS_WIN
bool MakeLink(const QString& target, const QString& link) {
    return ::symlink(EncodeFileName(target).constData(), EncodeFileName(link).constData()) == 0;
}
#endif

QStringList RowPaths(const CatalogueModel& list) {
    QStringList paths;
    for (int row = 0; row < list.rowCount(); ++row)
        paths << list.entryAt(row)->folder + list.entryAt(row)->name;
    return paths;
}

} // namespace

class TestScan : public QObject {
    Q_OBJECT
    QTemporaryDir temp;
    QString root; // the scanned tree, normalised
    Recorder recorder;
    std::unique_ptr<CatalogueModel> m_list; // a fresh list for each test
    QString m_working;                      // the working folder the last refresh returned
    CatalogueModel& list() { return *m_list; }
    QString rawName;  // a name whose bytes are not UTF-8, as the listing decodes it
    QString deepFile; // the file at the bottom of the deep nesting

    void refreshIn(const QString& folder) { m_working = RefreshCatalogue(list(), recorder, folder); }

private slots:
    void initTestCase() {
        QVERIFY(temp.isValid());
        root = NormalisedFolder(temp.path() + QStringLiteral("/Tree"));
        QVERIFY(QDir().mkpath(root));

        SampleFile older;
        older.title = QStringLiteral("Older");
        SampleFile newer = SampleFile::newer();
        newer.title = QStringLiteral("Newer");
        newer.comments = QString(20000, QLatin1Char('c')); // far beyond the comments' capacity

        QVERIFY(WriteSampleFile(root + QStringLiteral("song with blanks.zuf"), older));
        QVERIFY(WriteSampleFile(root + QStringLiteral("Ünïcødé ♫.TAB"), newer));
#ifndef Q_OS_WIN
        rawName = DecodeFileName(QByteArray("caf\xe9 \xff.zuf"));
        QVERIFY(rawName.contains(QChar(0xDCE9)));
#else
        rawName = QStringLiteral("caf\u00e9 \u00ff.zuf"); // names are UTF-16 there
#endif
        QVERIFY(WriteSampleFile(root + rawName, older));
        QVERIFY(WriteSampleFile(root + QStringLiteral("crosstab"), older));
        QVERIFY(WriteSampleFile(root + QStringLiteral("tab"), older));
        QVERIFY(WriteSampleFile(root + QStringLiteral("ab"), older)); // too short
        QVERIFY(WriteSampleFile(root + QStringLiteral("readme.txt"), older));
        QVERIFY(WriteSampleFile(root + QStringLiteral("empty.zuf"), QByteArray()));

        // A counted string claiming far more bytes than the file has.
        SampleLayout layout;
        QByteArray huge = BuildSampleFile(SampleFile::newer(), &layout);
        QVERIFY(layout.titleOffset > 0);
        PutU16(huge, layout.titleOffset, 0xFFFF);
        QVERIFY(WriteSampleFile(root + QStringLiteral("huge.zuf"), huge));

        QVERIFY(WriteSampleFile(root + QStringLiteral(".hidden/inside.zuf"), older));
        QVERIFY(WriteSampleFile(root + QStringLiteral("Loop/in loop.zuf"), older));

        // Nesting far beyond 260 characters.
        QString deep = root;
        for (int level = 0; level < 10; ++level)
            deep += QString(40, QChar(u'a' + level)) + QLatin1Char('/');
        QVERIFY(deep.size() - root.size() > 400);
        deepFile = NormalisedFolder(deep) + QStringLiteral("deep.zuf");
        QVERIFY(WriteSampleFile(deepFile, older));

#ifndef Q_OS_WIN
        // Links back to the root and to the link's own folder, and a second way into a folder.
        QVERIFY(MakeLink(root, root + QStringLiteral("Loop/back to root")));
        QVERIFY(MakeLink(root + QStringLiteral("Loop"), root + QStringLiteral("Loop/self")));
        QVERIFY(MakeLink(root + QStringLiteral(".hidden"), root + QStringLiteral("alias")));
        QVERIFY(MakeLink(root + QStringLiteral("nowhere"), root + QStringLiteral("dangling")));
        // A pipe would make the reader wait for a writer for ever.
        QCOMPARE(::mkfifo(EncodeFileName(root + QStringLiteral("pipe.zuf")).constData(), 0644), 0);
#endif
    }
    void cleanupTestCase() {
#ifndef Q_OS_WIN
        // The temporary folder cannot remove a name whose bytes are not UTF-8 by itself.
        ::unlink(EncodeFileName(root + rawName).constData());
#endif
    }

    void init() {
        m_list = std::make_unique<CatalogueModel>();
        recorder = Recorder{};
    }

    void isCatalogueFile_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("accepted");
        QTest::newRow("zuf") << "song.zuf" << 1;
        QTest::newRow("capitals") << "song.ZUF" << 1;
        QTest::newRow("tab") << "song.Tab" << 1;
        QTest::newRow("no dot") << "crosstab" << 1;
        QTest::newRow("three letters") << "zuf" << 1;
        QTest::newRow("two letters") << "ab" << 0;
        QTest::newRow("empty") << "" << 0;
        QTest::newRow("other") << "song.txt" << 0;
        QTest::newRow("letters before the end") << "song.zuf.bak" << 0;
    }
    void isCatalogueFile() {
        QFETCH(QString, name);
        QTEST(IsCatalogueFile(name), "accepted");
    }

    void wholeTree() {
        QSignalSpy inserted(&list(), &QAbstractItemModel::rowsInserted);
        refreshIn(root);
        // The list fills in batches while the walk goes on, each batch at the end.
        QVERIFY(inserted.size() >= 1);
        int insertedRows = 0;
        for (const QList<QVariant>& batch : inserted) {
            QCOMPARE(batch.at(1).toInt(), insertedRows);
            insertedRows = batch.at(2).toInt() + 1;
        }
        QCOMPARE(insertedRows, list().rowCount());
        QStringList expected{
            root + QStringLiteral("song with blanks.zuf"),
            root + QStringLiteral("Ünïcødé ♫.TAB"),
            root + rawName,
            root + QStringLiteral("crosstab"),
            root + QStringLiteral("tab"),
            root + QStringLiteral("empty.zuf"),
            root + QStringLiteral("huge.zuf"),
            FileBelow(root, QStringLiteral(".hidden/inside.zuf")),
            FileBelow(root, QStringLiteral("Loop/in loop.zuf")),
            deepFile,
        };
        QStringList found = RowPaths(list());
        // A folder reached through a link is entered once, by whichever way came first.
        const QString viaAlias = FileBelow(root, QStringLiteral("alias/inside.zuf"));
        if (found.contains(viaAlias))
            expected.replace(
                expected.indexOf(FileBelow(root, QStringLiteral(".hidden/inside.zuf"))), viaAlias);
        found.sort();
        expected.sort();
        QCOMPARE(found, expected);
        QCOMPARE(list().foundCount(), expected.size());
        QCOMPARE(m_working, root);
    }

    // However many readers share the work, the rows in walk order are the same, and each is
    // what reading its file alone gives.
    void threadedRowsEqualReadingEachFileAlone_data() {
        QTest::addColumn<int>("readers");
        QTest::newRow("one reader") << 1;
        QTest::newRow("two readers") << 2;
        QTest::newRow("eight readers") << 8;
    }
    void threadedRowsEqualReadingEachFileAlone() {
        QFETCH(int, readers);
        std::vector<ScannedRow> rows;
        {
            TreeScan scan(root, ReadFoundFileRow, readers);
            QVERIFY(scan.wait(-1));
            QVERIFY(scan.collect(rows).finished);
        }
        PutInWalkOrder(rows);
        QStringList paths;
        for (size_t i = 0; i < rows.size(); ++i) {
            QCOMPARE(rows[i].order, std::uint64_t(i)); // no file of the walk went missing
            const Entry& row = rows[i].entry;
            paths << row.folder + row.name;
            const Entry read =
                EntryFromSummary(ReadSummary(row.folder + row.name, ReadMode::WithoutNotes));
            QCOMPARE(row.title, read.title);
            QCOMPARE(row.subtitle, read.subtitle);
            QCOMPARE(row.comments, read.comments);
            QCOMPARE(row.tuning, read.tuning);
            QCOMPARE(row.isBad, read.isBad);
        }
        refreshIn(root); // the window's refresh: one more walk, the same files in it
        QStringList listed = RowPaths(list());
        listed.sort();
        paths.sort();
        QCOMPARE(paths, listed);
    }

    void everyListedFileOpensAgain() {
        refreshIn(root);
        QVERIFY(list().rowCount() > 0);
        for (const QString& path : RowPaths(list())) {
            NativeFile file;
            QVERIFY2(file.openRead(path), qPrintable(path));
        }
#ifndef Q_OS_WIN
        const QByteArray rawPath = EncodeFileName(root + rawName);
        QVERIFY(rawPath.endsWith(QByteArray("caf\xe9 \xff.zuf")));
#endif
    }

    void rowsDescribeTheirFiles() {
        refreshIn(root);
        for (int row = 0; row < list().rowCount(); ++row) {
            const Entry* e = list().entryAt(row);
#ifndef Q_OS_WIN
            struct stat st {};
            QCOMPARE(::stat(EncodeFileName(e->folder + e->name).constData(), &st), 0);
            QCOMPARE(qint64(e->size), qint64(st.st_size));
            QCOMPARE(e->lastWriteTime,
                     qint64(st.st_mtim.tv_sec) * 1000 + st.st_mtim.tv_nsec / 1000000);
#endif
            QCOMPARE(int(list().stateImage(row)), e->isBad ? int(StateBad) : int(StateNormal));
            if (e->name == QLatin1String("empty.zuf"))
                QCOMPARE(int(e->isBad), 1);
            if (e->name == QLatin1String("song with blanks.zuf")) {
                QCOMPARE(e->title, QStringLiteral("Older"));
                QCOMPARE(int(e->isBad), 0);
            }
            if (e->name.endsWith(QLatin1String(".TAB")))
                QCOMPARE(e->title, QStringLiteral("Newer"));
        }
    }

    void sortedWithRowZeroSelected() {
        list().setSort(SortState{-1});
        refreshIn(root);
        for (int row = 1; row < list().rowCount(); ++row) {
            QVERIFY(CompareEntries(*list().entryAt(row - 1), *list().entryAt(row), ColumnName,
                                   list().sort(), false, list().collation()) <= 0);
        }
        QCOMPARE(list().selectedCount(), 1);
        QVERIFY(list().isSelected(0));
        QCOMPARE(list().selectionModel()->currentIndex().row(), 0);
        // UpdateStatus ran after the selection
        QCOMPARE(recorder.partTexts(2).last(), QStringLiteral("Selected: 1 file"));
        QCOMPARE(recorder.partTexts(1).last(), QStringLiteral("Focused: 1"));
    }

    void statusTexts() {
        refreshIn(root);
        QVERIFY(recorder.partTexts(1).contains(QStringLiteral("Press [Esc] to abort")));
        const QStringList found = recorder.partTexts(3);
        QVERIFY(found.size() >= 2);
        QCOMPARE(found.at(found.size() - 2),
                 QStringLiteral("Found: %1 files").arg(list().rowCount()));
        QCOMPARE(found.last(), QStringLiteral("Total: %1 file(s)").arg(list().rowCount()));
        // The folders entered, as the walk reached them, then the working folder at the end.
        const QStringList folders = recorder.partTexts(0);
        QVERIFY(folders.size() >= 2);
        for (int i = 0; i < folders.size() - 1; ++i)
            QVERIFY2(folders[i].startsWith(root) && folders[i] != root, qPrintable(folders[i]));
        QCOMPARE(folders.last(), root);
        QCOMPARE(recorder.partTexts(1).last(), QStringLiteral("Focused: 1"));
    }

    void refreshTurnsTheFilterOffAndReplacesRows() {
        refreshIn(root);
        const int count = list().rowCount();
        list().setFilterOn(true);
        refreshIn(root);
        QVERIFY(!list().filterOn());
        QCOMPARE(list().rowCount(), count);
    }

    void emptyFolder() {
        const QString empty = Below(temp.path(), QStringLiteral("Empty"));
        QVERIFY(QDir().mkpath(empty));
        QVERIFY(WriteSampleFile(empty + QStringLiteral("notes.txt"), QByteArray("x")));
        refreshIn(empty);
        QCOMPARE(list().rowCount(), 0);
        QCOMPARE(list().selectedCount(), 0);
        QCOMPARE(recorder.partTexts(3).last(), QStringLiteral("Total: 0 file(s)"));
    }

    // More files in one folder than the walker may list ahead of the readers: the walker waits
    // for room and must be woken as the readers take files. A walker left waiting would hang
    // the refresh; Esc after 20 s ends it with files missing instead.
    void folderOfMoreFilesThanTheWalkerListsAhead() {
        const QString big = Below(temp.path(), QStringLiteral("Big"));
        QVERIFY(QDir().mkpath(big));
        constexpr int FileCount = 9000;
        for (int i = 0; i < FileCount; ++i) {
            QFile file(big + QString::number(i) + QStringLiteral(".zuf"));
            QVERIFY(file.open(QIODevice::WriteOnly));
        }
        recorder.escAfter.setRemainingTime(20000);
        refreshIn(big);
        QCOMPARE(list().rowCount(), FileCount);
    }

    void escAbort_data() {
        QTest::addColumn<int>("escAt");
        QTest::newRow("at the start") << 1;
        QTest::newRow("while the scan runs") << 2;
    }
    void escAbort() {
        QFETCH(int, escAt);
        refreshIn(root);
        const int all = list().rowCount();
        recorder = Recorder{};
        recorder.escAtVisit = escAt;
        refreshIn(root);
        const int rows = list().rowCount();
        QVERIFY(rows <= all); // a small tree may be read before the second look
        if (escAt == 1)
            QCOMPARE(rows, 0);
        QVERIFY(recorder.visits <= escAt); // no look for Esc after it
        for (int row = 1; row < rows; ++row) {
            QVERIFY(CompareEntries(*list().entryAt(row - 1), *list().entryAt(row), ColumnName,
                                   list().sort(), false, list().collation()) <= 0);
        }
        QCOMPARE(list().isSelected(0), rows > 0);
        QCOMPARE(list().selectionModel()->currentIndex().row(), rows > 0 ? 0 : -1);
        QCOMPARE(recorder.partTexts(0).last(), root);
    }

    void unreadableFolderIsSkipped() {
#ifdef Q_OS_WIN
        QSKIP("folder permissions are not POSIX modes here");
#else
        const QString base = Below(temp.path(), QStringLiteral("Locked"));
        const QString shut = base + QStringLiteral("shut");
        QVERIFY(WriteSampleFile(base + QStringLiteral("open.zuf"), SampleFile{}));
        QVERIFY(WriteSampleFile(shut + QStringLiteral("/hidden.zuf"), SampleFile{}));
        QVERIFY(::chmod(EncodeFileName(shut).constData(), 0) == 0);
        const QStringList expected{base + QStringLiteral("open.zuf")};
        if (::geteuid() != 0) {
            refreshIn(base);
            ::chmod(EncodeFileName(shut).constData(), 0755);
            QCOMPARE(RowPaths(list()), expected);
            return;
        }
        // Root reads every folder: the walk runs in a child process that gives up root first.
        ::chmod(EncodeFileName(temp.path()).constData(), 0755);
        const pid_t child = ::fork();
        QVERIFY(child >= 0);
        if (child == 0) {
            if (::setgid(65534) != 0 || ::setuid(65534) != 0)
                ::_exit(3);
            RefreshCatalogue(list(), recorder, base);
            ::_exit(RowPaths(list()) == expected ? 0 : 1);
        }
        int status = 0;
        ::waitpid(child, &status, 0);
        ::chmod(EncodeFileName(shut).constData(), 0755);
        ::chmod(EncodeFileName(temp.path()).constData(), 0700);
        QVERIFY(WIFEXITED(status));
        QCOMPARE(WEXITSTATUS(status), 0);
#endif
    }

    void nestingAsDeepAsPathsGo() {
        QString deep = Below(temp.path(), QStringLiteral("Deep"));
        const QString base = deep;
#ifdef Q_OS_WIN
        // Far beyond the 260 characters of a plain path. Windows takes 32,767 in the long form,
        // but Wine walks every path again for each call, so a deeper tree costs minutes there.
        const int depth = 1000;
#else
        const int depth = 3900; // near the longest path the system takes
#endif
        while (deep.size() < depth)
            deep += QStringLiteral("d/");
        QVERIFY(WriteSampleFile(deep + QStringLiteral("bottom.zuf"), SampleFile{}));
        refreshIn(base);
        QCOMPARE(RowPaths(list()),
                 QStringList{NormalisedFolder(deep) + QStringLiteral("bottom.zuf")});
    }

    // A link to a file is listed with the time and size of the file it leads to; a file that
    // cannot be opened still gets its row, with its own time and size.
    void linkedAndUnreadableFiles() {
#ifdef Q_OS_WIN
        QSKIP("links and file modes are POSIX here");
#else
        const QString base = Below(temp.path(), QStringLiteral("Odd files"));
        SampleFile sample;
        sample.title = QStringLiteral("Target");
        QVERIFY(WriteSampleFile(base + QStringLiteral("target.bin"), sample));
        QVERIFY(WriteSampleFile(base + QStringLiteral("shut.zuf"), sample));
        QVERIFY(MakeLink(base + QStringLiteral("target.bin"), base + QStringLiteral("link.zuf")));
        QVERIFY(::chmod(EncodeFileName(base + QStringLiteral("shut.zuf")).constData(), 0) == 0);
        struct stat target {};
        struct stat shut {};
        QCOMPARE(::stat(EncodeFileName(base + QStringLiteral("target.bin")).constData(), &target),
                 0);
        QCOMPARE(::stat(EncodeFileName(base + QStringLiteral("shut.zuf")).constData(), &shut), 0);
        auto timeOf = [](const struct stat& st) {
            return qint64(st.st_mtim.tv_sec) * 1000 + st.st_mtim.tv_nsec / 1000000;
        };
        // Root opens every file: the walk runs in a child process that gives up root first.
        const pid_t child = ::geteuid() == 0 ? ::fork() : 0;
        QVERIFY(child >= 0);
        if (child > 0) {
            int status = 0;
            ::waitpid(child, &status, 0);
            ::chmod(EncodeFileName(temp.path()).constData(), 0700);
            QVERIFY(WIFEXITED(status));
            QCOMPARE(WEXITSTATUS(status), 0);
            return;
        }
        const bool inChild = ::geteuid() == 0;
        if (inChild && (::chmod(EncodeFileName(temp.path()).constData(), 0755) != 0 ||
                        ::setgid(65534) != 0 || ::setuid(65534) != 0))
            ::_exit(3);
        refreshIn(base);
        int failures = 0;
        auto check = [&](bool ok) { failures += ok ? 0 : 1; };
        check(list().rowCount() == 2);
        for (int row = 0; row < list().rowCount(); ++row) {
            const Entry* e = list().entryAt(row);
            check(qint64(e->size) == qint64(target.st_size)); // both files have the same bytes
            if (e->name == QLatin1String("link.zuf")) {
                check(e->title == QStringLiteral("Target") && !e->isBad);
                check(e->lastWriteTime == timeOf(target));
            } else {
                check(e->name == QLatin1String("shut.zuf"));
                check(e->title == QStringLiteral("Can't open file") && e->isBad);
                check(e->lastWriteTime == timeOf(shut));
            }
        }
        if (inChild)
            ::_exit(failures == 0 ? 0 : 1);
        QCOMPARE(failures, 0);
#endif
    }

    void missingFolderListsNothing() {
        std::vector<FolderItem> items{FolderItem{}};
        FolderId id{7, 7};
        QVERIFY(!ListFolder(root + QStringLiteral("no such folder"), items, id));
        QVERIFY(items.empty());
        QCOMPARE(id, (FolderId{7, 7}));
    }
};

QTEST_GUILESS_MAIN(TestScan)
#include "tst_scan.moc"
