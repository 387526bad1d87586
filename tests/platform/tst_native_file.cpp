// Reading and writing through NativeFile: scattered reads served from the read-ahead block
// must give exactly the file's bytes, and writes must never be hidden by an older block.

#include "platform/folder_walk.h"
#include "platform/native_file.h"
#include "platform/native_fileops.h"
#include "platform/read_batch.h"
#include "platform/win_clipboard.h"
#include "tests/fileops/temporary_trash.h"
#include "tools/sample_writer.h"

#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>
#include <algorithm>
#include <random>

#ifndef Q_OS_WIN
#include <cerrno>
#include <sys/stat.h>
#include <unistd.h>
#endif
#ifdef Q_OS_LINUX
#include <atomic>
#include <csignal>
#include <sys/mount.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#endif

// The bytes of the file from the start: a small read first, then the rest in large ones.
static QByteArray ReadAll(NativeFile& file) {
    QByteArray all;
    char chunk[10000];
    std::int64_t n = file.read(chunk, 100);
    while (n > 0) {
        all.append(chunk, n);
        n = file.read(chunk, sizeof chunk);
    }
    return n < 0 ? QByteArray("failed") : all;
}

// The number of descriptors this process holds open (-1 where the system does not list them).
static int OpenDescriptors() {
#ifdef Q_OS_LINUX
    return int(QDir(QStringLiteral("/proc/self/fd")).entryList(QDir::System).size());
#else
    return -1;
#endif
}

#ifdef Q_OS_LINUX
// Every close() of this program comes here, so that a test can tell a descriptor closed twice:
// the system refuses the second closing with EBADF.
static std::atomic<int> refusedCloses{0};
extern "C" int close(int fd) {
    const long result = ::syscall(SYS_close, fd);
    if (result != 0 && errno == EBADF)
        ++refusedCloses;
    return int(result);
}
#endif

class TestNativeFile : public QObject {
    Q_OBJECT
    QTemporaryDir temp;

    QString fileOf(int size, QByteArray& bytes) {
        bytes.resize(size);
        for (int i = 0; i < size; ++i)
            bytes[i] = char((i * 131 + i / 256) & 0xFF);
        const QString path = temp.path() + QStringLiteral("/f%1.bin").arg(size);
        return WriteSampleFile(path, bytes) ? path : QString();
    }

    // A file of a batch: the same outcome, error, size, time and bytes as the file opened alone,
    // beyond the first block too.
    void compareWithAlone(NativeFile& together, const NativeFolder& folder, const QString& name) {
        NativeFile alone;
        QCOMPARE(together.isOpen(), alone.openReadIn(folder, name));
        if (!alone.isOpen()) {
            QCOMPARE(together.lastError(), alone.lastError());
            return;
        }
        std::int64_t size = 0, time = 0, aloneSize = 0, aloneTime = 0;
        QVERIFY(together.sizeAndTime(size, time));
        QVERIFY(alone.sizeAndTime(aloneSize, aloneTime));
        QCOMPARE(size, aloneSize);
        QCOMPARE(time, aloneTime);
        QCOMPARE(ReadAll(together), ReadAll(alone));
    }

private slots:
    void scatteredReads_data() {
        QTest::addColumn<int>("size");
        QTest::newRow("empty") << 0;
        QTest::newRow("small") << 455;
        QTest::newRow("one block") << 8192;
        QTest::newRow("just over a block") << 8193;
        QTest::newRow("several blocks") << 70000;
    }
    void scatteredReads() {
        QFETCH(int, size);
        QByteArray bytes;
        const QString path = fileOf(size, bytes);
        QVERIFY(!path.isEmpty());
        NativeFile file;
        QVERIFY(file.openRead(path));
        QCOMPARE(file.size(), qint64(size));
        std::mt19937 rng(size);
        for (int i = 0; i < 500; ++i) {
            const qint64 offset = qint64(rng() % unsigned(size + 300));
            const qint64 count = (i % 10 == 0) ? qint64(rng() % 20000) : qint64(rng() % 600);
            QVERIFY(file.seek(offset));
            QByteArray got(count, '\0');
            const qint64 n = file.read(got.data(), count);
            const qint64 expected = std::max<qint64>(0, std::min<qint64>(count, size - offset));
            QCOMPARE(n, expected);
            QCOMPARE(got.left(n), bytes.mid(offset, n));
            // A further read goes on where this one ended.
            char next = 0;
            const qint64 more = file.read(&next, 1);
            QCOMPARE(more, offset + n < size ? 1 : 0);
            if (more == 1)
                QCOMPARE(next, bytes[offset + n]);
        }
    }

    void sequentialReadsCoverTheFile() {
        QByteArray bytes;
        const QString path = fileOf(20000, bytes);
        NativeFile file;
        QVERIFY(file.openRead(path));
        QByteArray all;
        char chunk[777];
        qint64 n;
        while ((n = file.read(chunk, sizeof chunk)) > 0)
            all.append(chunk, n);
        QCOMPARE(n, 0);
        QCOMPARE(all, bytes);
    }

    void writesReachTheFileAtTheirPlace() {
        QByteArray bytes;
        const QString path = fileOf(1000, bytes);
        {
            NativeFile file;
            QVERIFY(file.openWrite(path));
            QVERIFY(file.seek(10));
            QCOMPARE(file.write("abc", 3), 3);
            QCOMPARE(file.write("de", 2), 2); // goes on after the first write
            QVERIFY(file.seek(998));
            QCOMPARE(file.write("xyz", 3), 3); // grows the file by one byte
            QCOMPARE(file.size(), 1001);
        }
        bytes.replace(10, 5, "abcde");
        bytes.replace(998, 2, "xyz");
        NativeFile file;
        QVERIFY(file.openRead(path));
        QByteArray got(2000, '\0');
        QCOMPARE(file.read(got.data(), 2000), 1001);
        QCOMPARE(got.left(1001), bytes);
    }

    // The size and time the opening saw (or, opened for reading and writing, the size a read
    // to the end told, and the time asked for), and after a write the file's new ones.
    void sizeAndTimeFollowTheFile_data() {
        QTest::addColumn<bool>("readWrite");
        QTest::newRow("opened for writing") << false;
        QTest::newRow("opened for reading and writing, read from the middle") << true;
    }
    void sizeAndTimeFollowTheFile() {
        QFETCH(bool, readWrite);
        QByteArray bytes;
        const QString path = fileOf(300, bytes);
        FolderItem listed;
        QVERIFY(DescribeItem(path, listed));
        NativeFile file;
        std::int64_t size = -1, time = 0;
        QVERIFY(!file.sizeAndTime(size, time)); // nothing open
        if (readWrite) {
            QVERIFY(file.openReadWrite(path));
            char some[10];
            QVERIFY(file.seek(100));
            QCOMPARE(file.read(some, sizeof some), 10);
            QCOMPARE(file.size(), 300);
        } else {
            QVERIFY(file.openWrite(path));
        }
        QVERIFY(file.sizeAndTime(size, time));
        QCOMPARE(size, 300);
        QCOMPARE(time, listed.lastWriteTime);
        QVERIFY(file.seek(400));
        QCOMPARE(file.write("z", 1), 1);
        QVERIFY(file.sizeAndTime(size, time));
        QCOMPARE(size, 401);
        QVERIFY(DescribeItem(path, listed));
        QCOMPARE(time, listed.lastWriteTime);
        QCOMPARE(qint64(listed.size), 401);
    }

    void failures() {
        NativeFile file;
        QVERIFY(!file.openRead(temp.path())); // a folder is not a file
        QVERIFY(!file.openRead(temp.path() + QStringLiteral("/missing")));
        char c;
        QCOMPARE(file.read(&c, 1), -1);
        QVERIFY(!file.seek(0));
        QByteArray bytes;
        QVERIFY(file.openRead(fileOf(10, bytes)));
        QVERIFY(!file.seek(-1));
    }

    // A whole file written through an unfinished name: a taken name is replaced only when the
    // caller says so, and no unfinished file stays behind either way.
    void writeThroughUnfinished_data() {
        QTest::addColumn<bool>("exists");
        QTest::addColumn<bool>("replace");
        QTest::addColumn<bool>("written");
        QTest::newRow("new file") << false << false << true;
        QTest::newRow("taken name kept") << true << false << false;
        QTest::newRow("taken name replaced") << true << true << true;
    }
    void writeThroughUnfinished() {
        QFETCH(bool, exists);
        QFETCH(bool, replace);
        QFETCH(bool, written);
        QTemporaryDir dir;
        const QString path = dir.path() + QStringLiteral("/list.csv");
        const QByteArray old("old content"), bytes("new,content\r\n");
        if (exists)
            QCOMPARE(WriteFileThroughUnfinished(path, old, false), 0);
        const int error = WriteFileThroughUnfinished(path, bytes, replace);
        QCOMPARE(error == 0, written);
        if (!written)
            QVERIFY(NameTakenError(error));
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), written ? bytes : old);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"list.csv"});
    }

    // A file opened by its name inside an open folder is the file its whole path names; a
    // folder that cannot be opened leaves its files to be opened by their whole paths.
    void openedInsideAFolder_data() {
        QTest::addColumn<QByteArray>("name");
        QTest::addColumn<bool>("folderOpens");
        QTest::newRow("plain name") << QByteArray("in folder.zuf") << true;
        QTest::newRow("undecodable bytes") << QByteArray("caf\xe9 \xff.zuf") << true;
        QTest::newRow("folder gone") << QByteArray("in folder.zuf") << false;
    }
    void openedInsideAFolder() {
        QFETCH(QByteArray, name);
        QFETCH(bool, folderOpens);
        const QString folder = temp.path() + QStringLiteral("/inside/");
        QVERIFY(QDir().mkpath(folder));
        const QString fileName = DecodeFileName(name);
        QVERIFY(WriteSampleFile(folder + fileName, QByteArray("inside bytes")));
        NativeFolder opened;
        opened.open(folderOpens ? folder : temp.path() + QStringLiteral("/missing/"));
        NativeFile file;
        QCOMPARE(file.openReadIn(opened, fileName), folderOpens);
        if (folderOpens) {
            char got[32] = {};
            QCOMPARE(file.read(got, sizeof got), 12);
            QCOMPARE(QByteArray(got), QByteArray("inside bytes"));
            QCOMPARE(file.size(), 12);
        }
        QVERIFY(!file.openReadIn(opened, QStringLiteral("not there.zuf")));
        QVERIFY(!file.isOpen());
#ifndef Q_OS_WIN
        // The temporary folder cannot remove a name whose bytes are not UTF-8 by itself.
        QVERIFY(::unlink(EncodeFileName(folder + fileName).constData()) == 0);
#endif
    }

    // The files of a batch, opened together, read as each opened alone would: the same
    // outcome, error, size, time and bytes, beyond the first block too. The batch fills the
    // ring twice over, and closing it leaves no descriptor open.
    void batchOpensAsOneAtATime() {
        const QString folder = temp.path() + QStringLiteral("/batch/");
        QVERIFY(QDir().mkpath(folder + QStringLiteral("sub.zuf")));
        QStringList names = {QStringLiteral("sub.zuf"), QStringLiteral("missing.zuf"),
                             QStringLiteral("empty.zuf"), DecodeFileName("caf\xe9.zuf")};
        QVERIFY(WriteSampleFile(folder + names[2], QByteArray()));
        QVERIFY(WriteSampleFile(folder + names[3], QByteArray("caf\xe9")));
#ifndef Q_OS_WIN
        names << QStringLiteral("pipe.zuf");
        QCOMPARE(::mkfifo(EncodeFileName(folder + names.last()).constData(), 0600), 0);
#endif
        for (int size : {1, 1023, 8191, 8192, 8193, 30000})
            names << QStringLiteral("s%1.zuf").arg(size);
        while (names.size() < 2 * ReadBatch::MostFiles)
            names << QStringLiteral("n%1.zuf").arg(names.size());
        for (int i = 5; i < names.size(); ++i) {
            QByteArray bytes;
            QVERIFY(QFile::copy(fileOf(i < 11 ? names[i].mid(1).chopped(4).toInt() : i * 37, bytes),
                                folder + names[i]));
        }
        const int openBefore = OpenDescriptors();
        {
            NativeFolder opened;
            opened.open(folder);
            ReadBatch batch;
            if (!batch.submitsTogether())
                qInfo("this system takes the batch one file at a time");
            NativeFile together[ReadBatch::MostFiles];
            for (int start = 0; start < names.size(); start += ReadBatch::MostFiles) {
                batch.open(opened, names.constData() + start, together, ReadBatch::MostFiles);
                for (int i = 0; i < ReadBatch::MostFiles; ++i) {
                    compareWithAlone(together[i], opened, names[start + i]);
                    if (QTest::currentTestFailed())
                        return;
                }
                batch.close(together, ReadBatch::MostFiles);
                for (const NativeFile& file : together)
                    QVERIFY(!file.isOpen());
            }
        }
        QCOMPARE(OpenDescriptors(), openBefore);
#ifndef Q_OS_WIN
        // The temporary folder cannot remove a name whose bytes are not UTF-8 by itself.
        QVERIFY(::unlink(EncodeFileName(folder + names[3]).constData()) == 0);
#endif
    }

#ifdef Q_OS_LINUX
    // A ring that takes only some of a batch's requests, or none, fails the batch halfway: the
    // files still open and read as each opened alone would, the ring is given up, and closing
    // the files leaves no descriptor open and closes none twice.
    void batchOutlivesAFailingRing_data() {
        QTest::addColumn<int>("submission"); // 0 the openings, 1 the first reads, 2 the closings
        QTest::addColumn<int>("taken");
        QTest::newRow("some of the openings") << 0 << 5;
        QTest::newRow("none of the openings") << 0 << 0;
        QTest::newRow("some of the first reads") << 1 << 5;
        QTest::newRow("some of the closings") << 2 << 5;
        QTest::newRow("none of the closings") << 2 << 0;
    }
    void batchOutlivesAFailingRing() {
        QFETCH(int, submission);
        QFETCH(int, taken);
        const QString folder = temp.path() + QStringLiteral("/failing/");
        QVERIFY(QDir().mkpath(folder));
        QStringList names = {QStringLiteral("missing.zuf"), QStringLiteral("pipe.zuf")};
        if (!QFileInfo::exists(folder + names[1]))
            QCOMPARE(::mkfifo(EncodeFileName(folder + names[1]).constData(), 0600), 0);
        for (int size : {0, 1, 8191, 8192, 8193, 30000, 500, 600, 700, 800}) {
            names << QStringLiteral("s%1.zuf").arg(size);
            QByteArray bytes;
            QFile::copy(fileOf(size, bytes), folder + names.last());
        }
        const int openBefore = OpenDescriptors();
        const int refusedBefore = refusedCloses;
        {
            NativeFolder opened;
            opened.open(folder);
            ReadBatch batch;
            if (!batch.submitsTogether())
                QSKIP("this system offers no submission ring: every batch goes one file at a time");
            batch.failRingHalfway(submission, taken);
            NativeFile together[ReadBatch::MostFiles];
            batch.open(opened, names.constData(), together, int(names.size()));
            for (int i = 0; i < names.size(); ++i) {
                compareWithAlone(together[i], opened, names[i]);
                if (QTest::currentTestFailed())
                    return;
            }
            batch.close(together, int(names.size()));
            QVERIFY(!batch.submitsTogether());
            for (const NativeFile& file : together)
                QVERIFY(!file.isOpen());
        }
        QCOMPARE(OpenDescriptors(), openBefore);
        QCOMPARE(int(refusedCloses), refusedBefore);
    }
#endif

#ifndef Q_OS_WIN
    // A pipe where a file was expected opens without waiting for a writer and reads as empty.
    void pipeOpensWithoutWaiting() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("song.zuf"));
        QCOMPARE(::mkfifo(EncodeFileName(path).constData(), 0600), 0);
        NativeFile file;
        QVERIFY(file.openRead(path));
        char byte = 0;
        QVERIFY(file.read(&byte, 1) <= 0);
        NativeFolder folder;
        folder.open(dir.path() + QLatin1Char('/'));
        QVERIFY(file.openReadIn(folder, QStringLiteral("song.zuf")));
    }
#endif

#ifdef Q_OS_LINUX
    // A copy killed at any moment, from before its first byte to after its last, leaves the
    // source as it was and under the target's name either nothing or the whole copy; beside
    // it at most one unfinished file, named after the target and never listed by the scan.
    void copyKilledAtAnyMomentLeavesNoPartialFile() {
        QTemporaryDir dir;
        QByteArray bytes(16 << 20, Qt::Uninitialized);
        std::mt19937 random(21);
        std::generate(bytes.begin(), bytes.end(), [&random] { return char(random()); });
        const QString from = dir.filePath(QStringLiteral("song.zuf"));
        QVERIFY(WriteSampleFile(from, bytes));
        const QString folder = dir.filePath(QStringLiteral("dest"));
        QVERIFY(QDir().mkdir(folder));
        const QString to = folder + QStringLiteral("/song.zuf");
        QElapsedTimer clock;
        clock.start();
        QCOMPARE(CopyFileNoReplace(from, to), 0);
        std::int64_t window = clock.nsecsElapsed() / 1000 + 1; // microseconds a copy takes
        QVERIFY(QFile::remove(to));
        int cutShort = 0;
        for (int round = 0; round < 12; ++round) {
            const pid_t child = ::fork();
            if (child == 0)
                ::_exit(CopyFileNoReplace(from, to));
            ::usleep(useconds_t(std::int64_t(random()) % window));
            ::kill(child, SIGKILL);
            int status = 0;
            QCOMPARE(::waitpid(child, &status, 0), child);
            if (!WIFSIGNALED(status))
                window = window * 2 / 3 + 1; // the copy ended first: kill sooner
            QStringList names = QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System);
            if (names.removeAll(QStringLiteral("song.zuf")) > 0) {
                QFile copy(to);
                QVERIFY(copy.open(QIODevice::ReadOnly));
                QVERIFY2(copy.readAll() == bytes, "a partial copy under the real name");
                QVERIFY(copy.remove());
            }
            QVERIFY2(names.size() <= 1, qPrintable(names.join(u' ')));
            for (const QString& name : names) {
                QVERIFY(name.startsWith(QStringLiteral("song.zuf")));
                const QString end = name.right(3).toLower();
                QVERIFY(end != u"zuf" && end != u"tab");
                QVERIFY(QFile::remove(folder + u'/' + name));
                ++cutShort;
            }
        }
        QFile source(from);
        QVERIFY(source.open(QIODevice::ReadOnly));
        QVERIFY(source.readAll() == bytes);
        QVERIFY2(cutShort > 0, "no kill fell inside a copy");
    }

    // A file the trash cannot take stays where it was, and the trash keeps no information file
    // for it: neither for a file on another file system nor for one whose move into the trash
    // the system refuses (behind a second mount of the trash's own file system).
    void failedTrashLeavesNoInformation_data() {
        QTest::addColumn<bool>("bindMount");
        QTest::newRow("on another file system") << false;
        QTest::newRow("behind a second mount") << true;
    }
    void failedTrashLeavesNoInformation() {
        QFETCH(bool, bindMount);
        const QString trash = test_support::temporaryTrashHome.trash();
        QTemporaryDir dir(bindMount ? QDir::tempPath() + QStringLiteral("/zuf-XXXXXX")
                                    : QStringLiteral("/dev/shm/zuf-XXXXXX"));
        QVERIFY(dir.isValid());
        QString folder = dir.path();
        if (bindMount) {
            folder = dir.filePath(QStringLiteral("mounted"));
            QVERIFY(QDir().mkdir(folder));
            if (::mount(EncodeFileName(dir.path()).constData(), EncodeFileName(folder).constData(),
                        nullptr, MS_BIND, nullptr) != 0)
                QSKIP("a folder cannot be mounted here (needs root and permission to mount)");
        }
        const QString path = folder + QStringLiteral("/song.zuf");
        QVERIFY(WriteSampleFile(path, QByteArray("the song")));

        const TrashResult result = MoveToTrash(path);
        if (bindMount)
            ::umount2(EncodeFileName(folder).constData(), MNT_DETACH);

        QCOMPARE(result.error, int(EXDEV));
        QVERIFY(result.noTrash);
        QVERIFY(QFile::exists(bindMount ? dir.filePath(QStringLiteral("song.zuf")) : path));
        QCOMPARE(QDir(trash + QStringLiteral("/info")).entryList(QDir::Files | QDir::Hidden),
                 QStringList());
        QCOMPARE(QDir(trash + QStringLiteral("/files")).entryList(QDir::Files | QDir::Hidden),
                 QStringList());
    }
#endif

#ifndef Q_OS_WIN
    // Paths longer than one system call takes: every operation reaches the file through its
    // folders a piece at a time, both as a whole path and, for relative paths, from a deep
    // current folder.
    void deepPaths_data() {
        QTest::addColumn<bool>("relative");
        QTest::newRow("absolute") << false;
        QTest::newRow("relative to a deep current folder") << true;
    }
    void deepPaths() {
        QFETCH(bool, relative);
        const QString start = QDir::currentPath();
        QTemporaryDir dir;
        QString deep = dir.path();
        QVERIFY(QDir::setCurrent(deep));
        for (int i = 0; i < 20; ++i) { // made a step at a time from inside
            const QString name(250, QChar(u'a' + i));
            QVERIFY(QDir().mkdir(name));
            QVERIFY(QDir::setCurrent(name));
            deep += u'/' + name;
        }
        QVERIFY(EncodeFileName(deep).size() > 4096);
        QVERIFY(QDir::setCurrent(start));
        QVERIFY(CanEnterFolder(deep));
        QVERIFY(SetCurrentFolder(deep));
        QCOMPARE(CurrentFolder(), deep);
        const QString at = relative ? QString() : deep + u'/';
        const QString base = relative ? QString(200, u'z') + QStringLiteral("/..") : deep;

        QCOMPARE(MakeFolder(at + QStringLiteral("sub")), 0);
        QVERIFY(WriteSampleFile(QStringLiteral("sub/x.zuf"), QByteArray("deep bytes")));
        int error = 0;
        QVERIFY(!CanEnterFolder(at + QStringLiteral("sub/x.zuf"), &error));
        QCOMPARE(error, ENOTDIR);
        QVERIFY(!CanEnterFolder(at + QStringLiteral("missing"), &error));
        QCOMPARE(error, ENOENT);
        QCOMPARE(MakeFolder(at + QString(200, u'z')), 0);
        const QString x = base + QStringLiteral("/sub/x.zuf");
        NativeFile file;
        QVERIFY(file.openRead(x));
        char got[16] = {};
        QCOMPARE(file.read(got, sizeof got), 10);
        file.close();
        std::vector<FolderItem> items;
        FolderId self;
        QVERIFY(ListFolder(base + QStringLiteral("/sub/"), items, self));
        QCOMPARE(items.size(), size_t(1));
        QCOMPARE(CopyFileNoReplace(x, at + QStringLiteral("sub/y.zuf")), 0);
        QCOMPARE(CopyFileNoReplace(x, at + QStringLiteral("sub/y.zuf")), EEXIST);
        QCOMPARE(RenameNoReplace(at + QStringLiteral("sub/y.zuf"), x), EEXIST);
        QCOMPARE(RenameNoReplace(at + QStringLiteral("sub/y.zuf"), at + QStringLiteral("z.zuf")),
                 0);
        QVERIFY(PathExists(deep + QStringLiteral("/z.zuf")));
        QCOMPARE(DeleteFileNative(deep + QStringLiteral("/z.zuf")), 0);
        QVERIFY(!PathExists(at + QStringLiteral("z.zuf")));
        QVERIFY(QDir::setCurrent(start));
        // The temporary folder cannot remove a tree this deep by itself.
        QCOMPARE(QProcess::execute(QStringLiteral("rm"), {QStringLiteral("-rf"), dir.path()}), 0);
    }
#endif

    // Programs that read 8-bit text get the report's code page 1252 bytes, whatever the
    // system's own code page; programs that read Unicode get the text.
    void clipboardCarriesBothForms() {
#ifdef Q_OS_WIN
        const QString text = QStringLiteral("Caf\u00e9 \u20ac\tx\r\n");
        const QByteArray cp1252("Caf\xe9 \x80\tx\r\n");
        QVERIFY(SetClipboardTexts(text, cp1252));
        QCOMPARE(ClipboardBytes(1 /* CF_TEXT */), cp1252);
        const QByteArray wide = ClipboardBytes(13 /* CF_UNICODETEXT */);
        QCOMPARE(QString::fromUtf16(reinterpret_cast<const char16_t*>(wide.constData()),
                                    wide.size() / 2),
                 text);
#else
        QSKIP("the 8-bit clipboard format is a Windows one");
#endif
    }

    void fileNamesSurviveTheRoundTrip_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("ASCII") << QByteArray("song.zuf");
        QTest::newRow("UTF-8") << QByteArray("\xc3\x9cn\xc3\xaf"
                                             "c\xc3\xb8"
                                             "d\xc3\xa9 \xe2\x99\xab");
        QTest::newRow("four-byte UTF-8") << QByteArray("\xf0\x9d\x84\x9e.tab");
        QTest::newRow("code page 1252") << QByteArray("caf\xe9.zuf");
        QTest::newRow("lone continuation") << QByteArray("a\x80z");
        QTest::newRow("overlong") << QByteArray("\xc0\xaf");
        QTest::newRow("encoded surrogate") << QByteArray("\xed\xa0\x80");
        QTest::newRow("cut sequence at the end") << QByteArray("ab\xe2\x99");
        QTest::newRow("beyond U+10FFFF") << QByteArray("\xf4\x90\x80\x80");
    }
    void fileNamesSurviveTheRoundTrip() {
        QFETCH(QByteArray, bytes);
#ifdef Q_OS_WIN
        if (QString::fromUtf8(bytes).toUtf8() != bytes)
            QSKIP("names are UTF-16 on Windows: no listed name is bytes that are not UTF-8");
#endif
        const QString name = DecodeFileName(bytes);
        QCOMPARE(EncodeFileName(name), bytes);
        QVERIFY(name.size() <= bytes.size());
    }
};

QTEST_GUILESS_MAIN(TestNativeFile)
#include "tst_native_file.moc"
