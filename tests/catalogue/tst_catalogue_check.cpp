// The check of a tree against the catalogue index, against the truth: whatever changed
// between two checks, and whatever became of the index, the checked list is row by row the
// list a full refresh makes.

#include "base/ui_hooks.h"
#include "catalogue/catalogue_check.h"
#include "catalogue/catalogue_model.h"
#include "catalogue/scan.h"
#include "index/catalogue_index.h"
#include "platform/folder_path.h"
#include "platform/folder_walk.h"
#include "platform/native_file.h"
#include "tools/sample_writer.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <QtTest>

#include <sqlite3.h>

#ifndef Q_OS_WIN
#include <csignal>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

namespace {

struct Notices : UiHooks {
    QStringList told;
    void showNotice(const QString& text) override { told << text; }
};

// Every field of every row, in list order.
QStringList Lines(const CatalogueModel& list) {
    QStringList lines;
    for (int row = 0; row < list.rowCount(); ++row) {
        const Entry& e = *list.entryAt(row);
        const QByteArray tuning(reinterpret_cast<const char*>(e.tuning.data()), 12);
        lines << QStringLiteral("%1|%2|%3|%4|%5|%6|%7|%8|%9|%10")
                     .arg(e.folder, e.name)
                     .arg(e.lastWriteTime)
                     .arg(e.size)
                     .arg(e.title, e.subtitle, e.comments, QString::fromLatin1(tuning.toHex()))
                     .arg(e.isBad)
                     .arg(int(list.stateImage(row)));
    }
    return lines;
}

QStringList Truth(const QString& root) {
    CatalogueModel list;
    UiHooks silent;
    RefreshCatalogue(list, silent, root);
    return Lines(list);
}

SampleFile Titled(const QString& title) {
    SampleFile file;
    file.title = title;
    file.subtitle = QStringLiteral("Author of ") + title;
    return file;
}

enum Change {
    Nothing,
    AddFile,
    DeleteFile,
    RenameFile,
    MoveFile,
    RenameFolder,
    MoveFolder,
    DeleteFolder,
    RewriteKeepingSizeAndTime,
    Touch,
    ReplaceBySameName,
    UnreadableFolder,
    NameNotUtf8,
};

#ifndef Q_OS_WIN
// The last-write time exactly as it stands, and put back.
timespec WriteTimeOf(const QString& path) {
    struct stat st {};
    ::stat(EncodeFileName(path).constData(), &st);
    return st.st_mtim;
}
void PutWriteTime(const QString& path, timespec time) {
    const timespec times[2] = {time, time};
    ::utimensat(AT_FDCWD, EncodeFileName(path).constData(), times, 0);
}
#endif

// Rewrites the file with other contents of the same size, its last-write time put back; as
// another file put in its place when `replace` is set.
bool RewriteInPlace(const QString& path, bool replace) {
#ifndef Q_OS_WIN
    const timespec time = WriteTimeOf(path);
#else
    const QDateTime time = QFileInfo(path).lastModified();
#endif
    const QByteArray bytes = BuildSampleFile(Titled(QStringLiteral("Omega")));
    const QString target = replace ? path + QStringLiteral(".new") : path;
    if (!WriteSampleFile(target, bytes))
        return false;
    if (replace && !(QFile::remove(path) && QFile::rename(target, path)))
        return false;
#ifndef Q_OS_WIN
    PutWriteTime(path, time);
#else
    QFile file(path);
    if (!file.open(QIODevice::ReadWrite) ||
        !file.setFileTime(time, QFileDevice::FileModificationTime))
        return false;
#endif
    return true;
}

bool Apply(Change change, const QString& root) {
    switch (change) {
    case Nothing:
    case UnreadableFolder: // made so by the test itself
        return true;
    case AddFile:
        return WriteSampleFile(root + QStringLiteral("Sub/new.zuf"), Titled(QStringLiteral("New")));
    case DeleteFile:
        return QFile::remove(root + QStringLiteral("Sub/c.zuf"));
    case RenameFile:
        return QFile::rename(root + QStringLiteral("a.zuf"), root + QStringLiteral("z.zuf"));
    case MoveFile:
        return QFile::rename(root + QStringLiteral("a.zuf"), root + QStringLiteral("Other/a.zuf"));
    case RenameFolder:
        return QDir(root).rename(QStringLiteral("Sub"), QStringLiteral("Sub2"));
    case MoveFolder:
        return QDir(root).rename(QStringLiteral("Sub/Deeper"), QStringLiteral("Other/Deeper"));
    case DeleteFolder:
        return QDir(root + QStringLiteral("Other")).removeRecursively();
    case RewriteKeepingSizeAndTime:
        return RewriteInPlace(root + QStringLiteral("a.zuf"), false);
    case ReplaceBySameName:
        return RewriteInPlace(root + QStringLiteral("a.zuf"), true);
    case Touch: {
        QFile file(root + QStringLiteral("b.tab"));
        return file.open(QIODevice::ReadWrite) &&
               file.setFileTime(QDateTime::currentDateTimeUtc().addSecs(60),
                                QFileDevice::FileModificationTime);
    }
    case NameNotUtf8:
#ifndef Q_OS_WIN
        return WriteSampleFile(root + DecodeFileName(QByteArray("Sub/caf\xe9.zuf")),
                               Titled(QStringLiteral("Raw")));
#else
        return WriteSampleFile(root + QStringLiteral("Sub/caf\u00e9.zuf"),
                               Titled(QStringLiteral("Raw")));
#endif
    }
    return false;
}

// How close to its stamp a change may lie for the file to be read again: short, for a test
// that waits longer than that before its first check.
constexpr int MarginMs = 50;

CheckOptions TestOptions() {
    CheckOptions options;
    options.unsureMargin = FileClockPerSecond() * MarginMs / 1000;
    return options;
}

} // namespace

class TestCatalogueCheck : public QObject {
    Q_OBJECT
    QTemporaryDir temp;
    QString root;
    QString indexPath;

    // A tree of files in nested folders, an empty (bad) file and a file of another kind; a
    // new folder for each test, so that no two share records.
    void makeTree(const QString& name) {
        root = NormalisedFolder(temp.path() + QLatin1Char('/') + name);
        indexPath = temp.path() + QLatin1Char('/') + name + QStringLiteral("-index/index.sqlite");
        const std::pair<const char*, const char*> files[] = {
            {"a.zuf", "Alpha"},     {"b.tab", "Beta"},         {"Sub/c.zuf", "Gamma"},
            {"Sub/d.zuf", "Delta"}, {"Sub/Deeper/e.zuf", "Epsilon"}, {"Other/f.zuf", "Alpha"}};
        for (const auto& [path, title] : files)
            QVERIFY(WriteSampleFile(root + QString::fromUtf8(path),
                                    Titled(QString::fromUtf8(title))));
        QVERIFY(WriteSampleFile(root + QStringLiteral("Sub/empty.zuf"), QByteArray()));
        QVERIFY(WriteSampleFile(root + QStringLiteral("notes.txt"), Titled({})));
        QThread::msleep(2 * MarginMs);
    }

    QStringList check(CatalogueIndex& index, CheckCounts* counts = nullptr,
                      QStringList* told = nullptr) {
        CatalogueModel list;
        Notices notices;
        CheckCatalogue(list, notices, root, &index, TestOptions(), counts);
        if (told)
            *told = notices.told;
        return Lines(list);
    }

private slots:
    void initTestCase() { QVERIFY(temp.isValid()); }
    void cleanupTestCase() {
#ifndef Q_OS_WIN
        // The temporary folder cannot remove a name whose bytes are not UTF-8 by itself.
        const QString tree = temp.path() + QStringLiteral("/name_not_UTF-8/Sub/");
        ::unlink(EncodeFileName(tree + DecodeFileName(QByteArray("caf\xe9.zuf"))).constData());
#endif
    }

    void checkedListIsTheTruth_data() {
        QTest::addColumn<int>("change");
        QTest::addColumn<int>("reads"); // the empty file is read at every check, one more
        QTest::newRow("nothing changed") << int(Nothing) << 1;
        QTest::newRow("file added") << int(AddFile) << 2;
        QTest::newRow("file deleted") << int(DeleteFile) << 1;
        QTest::newRow("file renamed") << int(RenameFile) << 2;
        QTest::newRow("file moved") << int(MoveFile) << 2;
        QTest::newRow("folder renamed") << int(RenameFolder) << 4;
        QTest::newRow("folder moved") << int(MoveFolder) << 2;
        QTest::newRow("folder deleted") << int(DeleteFolder) << 1;
        QTest::newRow("rewritten, same size and time") << int(RewriteKeepingSizeAndTime) << 2;
        QTest::newRow("touched") << int(Touch) << 2;
        QTest::newRow("replaced by another") << int(ReplaceBySameName) << 2;
        QTest::newRow("name not UTF-8") << int(NameNotUtf8) << 2;
        QTest::newRow("folder made unreadable") << int(UnreadableFolder) << 1;
    }
    void checkedListIsTheTruth() {
        QFETCH(int, change);
        QFETCH(int, reads);
        makeTree(QString::fromLatin1(QTest::currentDataTag()).replace(u' ', u'_'));
        {
            CatalogueIndex index(indexPath);
            QCOMPARE(check(index), Truth(root));
        }
        QVERIFY(Apply(Change(change), root));
        QThread::msleep(2 * MarginMs); // the changes are older than the margin at the check
        if (change == UnreadableFolder)
            return checkUnreadable();
        CatalogueIndex index(indexPath);
        CheckCounts counts;
        QCOMPARE(check(index, &counts), Truth(root));
        QCOMPARE(counts.read, reads);
        // The index learnt the changes: the next check reads only the empty file.
        QCOMPARE(check(index, &counts), Truth(root));
        QCOMPARE(counts.read, 1);
    }

    void indexTroubleNeverShowsAWrongRow_data() {
        QTest::addColumn<QString>("trouble");
        QTest::newRow("missing") << QStringLiteral("missing");
        QTest::newRow("damaged") << QStringLiteral("damaged");
        QTest::newRow("newer schema") << QStringLiteral("newer");
        QTest::newRow("locked by another") << QStringLiteral("locked");
        QTest::newRow("killed during a write") << QStringLiteral("killed");
    }
    void indexTroubleNeverShowsAWrongRow() {
        QFETCH(QString, trouble);
        makeTree(QStringLiteral("trouble-") + trouble);
        {
            CatalogueIndex index(indexPath);
            check(index);
        }
        QVERIFY(Apply(AddFile, root));
        QVERIFY(Apply(DeleteFile, root));
        sqlite3* other = nullptr; // another process's hold on the file
        if (trouble == QLatin1String("missing")) {
            QVERIFY(CatalogueIndex::Forget(indexPath));
        } else if (trouble == QLatin1String("damaged")) {
            QFile file(indexPath);
            QVERIFY(file.open(QIODevice::ReadWrite));
            QVERIFY(file.write(QByteArray(100, 'x')) == 100);
        } else if (trouble == QLatin1String("newer")) {
            QCOMPARE(sqlite3_open(indexPath.toUtf8().constData(), &other), SQLITE_OK);
            const QByteArray sql = QByteArray("PRAGMA user_version=") +
                                   QByteArray::number(CatalogueIndex::SchemaVersion + 1);
            QCOMPARE(sqlite3_exec(other, sql.constData(), nullptr, nullptr, nullptr), SQLITE_OK);
            sqlite3_close(std::exchange(other, nullptr));
        } else if (trouble == QLatin1String("locked")) {
            QCOMPARE(sqlite3_open(indexPath.toUtf8().constData(), &other), SQLITE_OK);
            QCOMPARE(sqlite3_exec(other,
                                  "PRAGMA locking_mode=EXCLUSIVE; BEGIN EXCLUSIVE; "
                                  "DELETE FROM files;",
                                  nullptr, nullptr, nullptr),
                     SQLITE_OK);
        } else {
#ifdef Q_OS_WIN
            QSKIP("no fork here");
#else
            killDuringWrite();
#endif
        }
        QThread::msleep(2 * MarginMs);
        CatalogueIndex index(indexPath, 200);
        QStringList told;
        QCOMPARE(check(index, nullptr, &told), Truth(root));
        // A missing index is made anew without a word; a killed write leaves a sound one.
        const bool silent =
            trouble == QLatin1String("killed") || trouble == QLatin1String("missing");
        QCOMPARE(told.size(), silent ? 0 : 1);
        if (trouble == QLatin1String("damaged"))
            QVERIFY(QFile::exists(indexPath + QStringLiteral(".broken")));
        if (other)
            sqlite3_close(other);
        // The index is whole again: told nothing, it gives every row but the empty file's.
        CheckCounts counts;
        QCOMPARE(check(index, &counts, &told), Truth(root));
        QCOMPARE(told, QStringList());
        QCOMPARE(counts.read, trouble == QLatin1String("locked") ? 2 : 1);
    }

    // zuflist keeps the index as the window does and prints what a full read prints; with
    // --no-index it reads every file and leaves the index alone.
    void zuflistPrintsWhatAFullReadPrints() {
#ifdef Q_OS_WIN
        QSKIP("the cache folder is not taken from the environment here");
#else
        makeTree(QStringLiteral("zuflist"));
        const QString cache = temp.path() + QStringLiteral("/zuflist-cache");
        const QString file = cache + QStringLiteral("/Strumlex/ZUFFile/catalogue-index.sqlite");
        const auto run = [&](QStringList arguments) {
            QProcess process;
            QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
            environment.insert(QStringLiteral("XDG_CACHE_HOME"), cache);
            process.setProcessEnvironment(environment);
            process.start(QStringLiteral(ZUFLIST_PATH), arguments << root);
            process.waitForFinished(60000);
            return process.readAllStandardOutput();
        };
        const QByteArray full = run({QStringLiteral("--no-index")});
        QCOMPARE(full.count('\n'), 7);
        QVERIFY(!QFile::exists(file));
        QCOMPARE(run({}), full);
        QVERIFY(QFile::exists(file));
        QVERIFY(Apply(RenameFile, root));
        const QByteArray changed = run({QStringLiteral("--no-index")});
        QVERIFY(changed != full);
        QCOMPARE(run({}), changed);
#endif
    }

private:
    // A process writing the index again and again is killed in the middle of it.
#ifndef Q_OS_WIN
    void killDuringWrite() {
        const pid_t child = ::fork();
        QVERIFY(child >= 0);
        if (child == 0) {
            CatalogueIndex index(indexPath);
            IndexChanges changes;
            for (int i = 0; i < 20000; ++i) {
                IndexedFile file;
                file.entry.folder = root + QStringLiteral("Sub/");
                file.entry.name = QStringLiteral("junk %1.zuf").arg(i);
                file.entry.title = QString(200, u't');
                changes.files.push_back(file);
            }
            for (;;)
                index.write(changes);
        }
        QThread::msleep(400);
        ::kill(child, SIGKILL);
        int status = 0;
        ::waitpid(child, &status, 0);
        QVERIFY(WIFSIGNALED(status));
    }
#endif

    // Root reads every folder: the second check runs in a child that gives up root first.
    void checkUnreadable() {
#ifdef Q_OS_WIN
        QSKIP("folder permissions are not POSIX modes here");
#else
        const QByteArray shut = EncodeFileName(root + QStringLiteral("Sub"));
        QVERIFY(::chmod(shut.constData(), 0) == 0);
        const QString indexFolder = QFileInfo(indexPath).absolutePath();
        for (const QString& path : {temp.path(), indexFolder})
            ::chmod(EncodeFileName(path).constData(), 0777);
        for (const QString& suffix : {QString(), QStringLiteral("-wal"), QStringLiteral("-shm")})
            ::chmod(EncodeFileName(indexPath + suffix).constData(), 0666);
        const pid_t child = ::fork();
        QVERIFY(child >= 0);
        if (child == 0) {
            if (::geteuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0))
                ::_exit(3);
            CatalogueIndex index(indexPath);
            CheckCounts counts;
            const QStringList checked = check(index, &counts);
            const QStringList truth = Truth(root);
            ::_exit(checked == truth && truth.size() == 3 && counts.read == 0 ? 0 : 1);
        }
        int status = 0;
        ::waitpid(child, &status, 0);
        ::chmod(shut.constData(), 0755);
        ::chmod(EncodeFileName(temp.path()).constData(), 0700);
        QVERIFY(WIFEXITED(status));
        QCOMPARE(WEXITSTATUS(status), 0);
#endif
    }
};

QTEST_GUILESS_MAIN(TestCatalogueCheck)
#include "tst_catalogue_check.moc"
