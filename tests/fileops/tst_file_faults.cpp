// The file commands when the file system fails: names that exist, folders that are missing or
// read-only, files that cannot be deleted or have vanished, a disk that fills up. After each
// failure the message must be the right one, the rows as described, and every byte on disk as
// it was.
//
// As root, permission bits do not stop writes; the tests use the immutable flag and read-only
// or tiny tmpfs mounts instead, and skip (saying why) where the system offers neither.

#include "file_test_support.h"

#include "fileops/info_edit.h"
#include "fileops/rename.h"
#include "platform/native_fileops.h"
#include "report/create_report.h"
#include "report/report.h"

#include <QTemporaryDir>
#include <QtTest>
#include <memory>

#ifdef Q_OS_LINUX
#include <cerrno>
#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

using namespace test_support;

namespace {

#ifdef Q_OS_LINUX
bool SetImmutable(const QString& path, bool on) {
    const int fd = ::open(EncodeFileName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return false;
    int flags = 0;
    bool ok = ::ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0;
    if (ok) {
        flags = on ? (flags | FS_IMMUTABLE_FL) : (flags & ~FS_IMMUTABLE_FL);
        ok = ::ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0;
    }
    ::close(fd);
    return ok;
}
#else
bool SetImmutable(const QString&, bool) {
    return false;
}
#endif

// Makes a file or folder immutable for the guard's life.
struct Immutable {
    QString path;
    bool on = false;
    explicit Immutable(const QString& p) : path(p), on(SetImmutable(p, true)) {}
    ~Immutable() {
        if (on)
            SetImmutable(path, false);
    }
};

// A tmpfs mounted on a folder for the guard's life.
struct Tmpfs {
    QString path;
    bool mounted = false;
    Tmpfs(const QString& folder, const char* options) : path(folder) {
#ifdef Q_OS_LINUX
        QDir().mkpath(folder);
        mounted = ::geteuid() == 0 &&
                  ::mount("tmpfs", EncodeFileName(folder).constData(), "tmpfs", 0, options) == 0;
#else
        Q_UNUSED(options);
#endif
    }
    bool remountReadOnly() {
#ifdef Q_OS_LINUX
        return ::mount("tmpfs", EncodeFileName(path).constData(), "tmpfs", MS_REMOUNT | MS_RDONLY,
                       nullptr) == 0;
#else
        return false;
#endif
    }
    ~Tmpfs() {
#ifdef Q_OS_LINUX
        if (mounted)
            ::umount2(EncodeFileName(path).constData(), MNT_DETACH);
#endif
    }
};

#define REQUIRE_IMMUTABLE(guard)                                                                   \
    if (!(guard).on)                                                                               \
    QSKIP("the immutable flag cannot be set here (needs root and a file system that has it)")

#define REQUIRE_MOUNT(guard)                                                                       \
    if (!(guard).mounted)                                                                          \
    QSKIP("a tmpfs cannot be mounted here (needs root and permission to mount)")

} // namespace

class TestFileFaults : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_work;
    std::unique_ptr<Session> m_s; // the list the batches, the save and the report work on

    QString below(const QString& name) {
        const QString path = NormalisedFolder(m_dir->path() + u'/' + name);
        QDir().mkpath(path);
        return path;
    }

    // One command over row 0 with Yes; answers the dialogs' record.
    ScriptedDialogs runOnFirstRow(CommandId command, const QString& dest = {}) {
        SelectRows(m_s->list, {0});
        m_s->destFolder = dest;
        ScriptedDialogs dialogs;
        dialogs.confirmAnswers = {int(DialogAnswer::Yes)};
        m_s->run(command, FileCommandVerb(command), dialogs);
        return dialogs;
    }

    QString longForm(int error, const QString& from, const QString& to) {
        return SystemErrorText(error) + QStringLiteral("\nCan't copy: ") + from +
               QStringLiteral("\nTo: ") + to;
    }
    QString shortForm(int error, const QString& path) {
        return SystemErrorText(error) + QStringLiteral("\n") + path;
    }

private slots:
    void init() {
        m_dir = std::make_unique<QTemporaryDir>();
        m_work = below(QStringLiteral("music"));
        QVERIFY(WriteLibrary(m_work, 3));
        m_s = LoadSession(m_work, 3);
    }
    void cleanup() { m_dir.reset(); }

    void copyOntoAnExistingName_data() {
        QTest::addColumn<CommandId>("command");
        QTest::newRow("copy") << CommandId::CopyFiles;
        QTest::newRow("move") << CommandId::MoveFiles;
    }
    void copyOntoAnExistingName() {
        QFETCH(CommandId, command);
        const QString dest = below(QStringLiteral("dest"));
        QVERIFY(WriteSampleFile(dest + NameOf(0), QByteArray("an older file of that name")));
        const Snapshot before = TakeSnapshot(m_dir->path());

        const ScriptedDialogs dialogs = runOnFirstRow(command, dest);

        QCOMPARE(dialogs.fileErrors,
                 QStringList{longForm(CopyExistsError, m_work + NameOf(0), dest + NameOf(0))});
        QCOMPARE(TakeSnapshot(m_dir->path()), before);
        QCOMPARE(RowNames(m_s->list), (QStringList{NameOf(0), NameOf(1), NameOf(2)}));
        QCOMPARE(m_s->list.entryAt(0)->folder, m_work);
        QCOMPARE(m_s->list.rowCount(), 3);
    }

    void copyIntoAMissingFolder() {
        const QString dest = m_dir->path() + QStringLiteral("/missing/");
        const Snapshot before = TakeSnapshot(m_dir->path());
        const ScriptedDialogs dialogs = runOnFirstRow(CommandId::MoveFiles, dest);
        QCOMPARE(dialogs.fileErrors,
                 QStringList{longForm(NoFolderError, m_work + NameOf(0), dest + NameOf(0))});
        QCOMPARE(TakeSnapshot(m_dir->path()), before);
        QVERIFY(!QFileInfo::exists(dest));
        QCOMPARE(m_s->list.entryAt(0)->folder, m_work);
    }

    void copyIntoAnImmutableFolder() {
        const QString dest = below(QStringLiteral("locked"));
        const Snapshot before = TakeSnapshot(m_dir->path());
        Immutable lock(dest);
        REQUIRE_IMMUTABLE(lock);
        const ScriptedDialogs dialogs = runOnFirstRow(CommandId::CopyFiles, dest);
        QCOMPARE(dialogs.fileErrors,
                 QStringList{longForm(EPERM, m_work + NameOf(0), dest + NameOf(0))});
        QCOMPARE(TakeSnapshot(m_dir->path()), before);
        QCOMPARE(m_s->list.rowCount(), 3);
        QCOMPARE(m_s->list.rowCount(), 3);
    }

    void moveIntoAReadOnlyMount() {
        const QString dest = below(QStringLiteral("ro"));
        Tmpfs mount(dest, "size=1m");
        REQUIRE_MOUNT(mount);
        QVERIFY(mount.remountReadOnly());
        const Snapshot before = TakeSnapshot(m_dir->path());
        const ScriptedDialogs dialogs = runOnFirstRow(CommandId::MoveFiles, dest);
        QCOMPARE(dialogs.fileErrors,
                 QStringList{longForm(EROFS, m_work + NameOf(0), dest + NameOf(0))});
        QCOMPARE(TakeSnapshot(m_dir->path()), before);
        QCOMPARE(m_s->list.entryAt(0)->folder, m_work);
    }

    void moveWhoseSourceCannotBeDeleted() {
        const QString dest = below(QStringLiteral("dest"));
        const QByteArray bytes = ReadAll(m_work + NameOf(0));
        Immutable lock(m_work + NameOf(0));
        REQUIRE_IMMUTABLE(lock);

        ScriptedDialogs dialogs = runOnFirstRow(CommandId::MoveFiles, dest);

        const QString original = m_work + NameOf(0);
        QCOMPARE(dialogs.fileErrors,
                 QStringList{SystemErrorText(EPERM) + QStringLiteral("\nThe original stays: ") +
                             original + QStringLiteral("\nThe copy was made: ") + dest +
                             NameOf(0) + QStringLiteral("\nThe list shows both.")});
        QCOMPARE(ReadAll(original), bytes);
        QCOMPARE(ReadAll(dest + NameOf(0)), bytes);
        // The move has made a copy: the row still names the original, the copy has its own row,
        // and undo deletes the copy and its row.
        const QStringList rows{original, m_work + NameOf(1), m_work + NameOf(2)};
        QCOMPARE(RowPaths(m_s->list), rows + QStringList{dest + NameOf(0)});
        QCOMPARE(dialogs.undo.steps.size(), size_t(1));
        const UndoStep step = dialogs.undo.steps.front();
        QCOMPARE(int(step.action), int(UndoAction::Copy));
        QCOMPARE(step.before, original);
        QCOMPARE(step.after, dest + NameOf(0));
        QCOMPARE(UndoLastBatch(dialogs.undo, m_s->list, dialogs), 1);
        QCOMPARE(RowPaths(m_s->list), rows);
        QCOMPARE(TakeSnapshot(dest), Snapshot());
        QCOMPARE(ReadAll(original), bytes);
    }

    void deleteOfAnImmutableFile() {
        const Snapshot before = TakeSnapshot(m_dir->path());
        Immutable lock(m_work + NameOf(0));
        REQUIRE_IMMUTABLE(lock);
        const ScriptedDialogs dialogs = runOnFirstRow(CommandId::DeleteFiles);
        QCOMPARE(dialogs.fileErrors, QStringList{shortForm(EPERM, m_work + NameOf(0))});
        QCOMPARE(TakeSnapshot(m_dir->path()), before);
        QCOMPARE(RowNames(m_s->list), (QStringList{NameOf(0), NameOf(1), NameOf(2)}));
        QCOMPARE(m_s->list.rowCount(), 3);
    }

    // The trash takes only the files of its own drive: the question says why before the
    // system's text, and No leaves the file as it was.
    void deleteOnAnotherDriveThanTheTrash() {
        SKIP_WHERE_THE_TRASH_IS_THE_USERS();
        QTemporaryDir otherDrive(QStringLiteral("/dev/shm/zuf-XXXXXX"));
        QVERIFY(otherDrive.isValid());
        const QString folder = NormalisedFolder(otherDrive.path());
        QVERIFY(WriteLibrary(folder, 1));
        m_s = LoadSession(folder, 1);
        const Snapshot before = TakeSnapshot(folder);
        const ScriptedDialogs dialogs = runOnFirstRow(CommandId::DeleteFiles);
        QCOMPARE(dialogs.forGoodQuestions,
                 QStringList{folder + NameOf(0) +
                             QStringLiteral("\nThis file cannot be moved to the trash: it is on "
                                            "another drive than the trash (") +
                             SystemErrorText(EXDEV) + QStringLiteral(")\nDelete it permanently?")});
        QCOMPARE(TakeSnapshot(folder), before);
    }

    void deleteOfAVanishedFile() {
        QVERIFY(QFile::remove(m_work + NameOf(0)));
        const Snapshot before = TakeSnapshot(m_dir->path());
        const ScriptedDialogs dialogs = runOnFirstRow(CommandId::DeleteFiles);
        QCOMPARE(dialogs.fileErrors, QStringList{shortForm(ENOENT, m_work + NameOf(0))});
        QCOMPARE(TakeSnapshot(m_dir->path()), before);
        QCOMPARE(m_s->list.rowCount(), 3);
    }

    void renameFailures_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("error");
        QTest::addColumn<bool>("lockSource");
        QTest::newRow("onto an existing name") << NameOf(1) << RenameExistsError << false;
        QTest::newRow("a name too long for the file system")
            << QString(300, u'n') + QStringLiteral(".zuf") << int(ENAMETOOLONG) << false;
        QTest::newRow("an immutable file") << QStringLiteral("new.zuf") << int(EPERM) << true;
    }
    void renameFailures() {
        QFETCH(QString, name);
        QFETCH(int, error);
        QFETCH(bool, lockSource);
#ifdef Q_OS_WIN
        // Windows and Wine give this failure different codes; it is the system's word either way.
        if (error == ENAMETOOLONG)
            error = RenameNoReplace(m_work + NameOf(0), m_work + name);
        QVERIFY(error != 0);
#endif
        const Snapshot before = TakeSnapshot(m_dir->path());
        Immutable lock(lockSource ? m_work + NameOf(0) : QString());
        if (lockSource)
            REQUIRE_IMMUTABLE(lock);
        const FileSummary current = FileOfRow(m_s->list, 0);
        ScriptedDialogs dialogs;

        QVERIFY(!RenameFile(dialogs, nullptr, current.currentPath, name, m_work));
        QVERIFY(!EndLabelEdit(m_s->list, 0, name, false, dialogs, dialogs.undo));

        const QStringList expected(2, longForm(error, m_work + NameOf(0), m_work + name));
        QCOMPARE(dialogs.fileErrors, expected);
        QCOMPARE(TakeSnapshot(m_dir->path()), before);
        QCOMPARE(m_s->list.entryAt(0)->name, NameOf(0));
    }

    void renameWithCharactersTheFileSystemRefuses() {
        // Linux file systems refuse only the separator and NUL, which the rename refuses
        // itself before asking the file system; see the rename tests.
#ifdef Q_OS_WIN
        const FileSummary current = FileOfRow(m_s->list, 0);
        const Snapshot before = TakeSnapshot(m_dir->path());
        ScriptedDialogs dialogs;
        QVERIFY(!RenameFile(dialogs, nullptr, current.currentPath, QStringLiteral("a*b|c.zuf"),
                            m_work));
        QCOMPARE(dialogs.fileErrors.size(), 1);
        QCOMPARE(TakeSnapshot(m_dir->path()), before);
#else
        QSKIP("only the separator and NUL are refused by Linux file systems");
#endif
    }

    void copyOntoAFullDisk_data() {
        QTest::addColumn<CommandId>("command");
        QTest::newRow("copy") << CommandId::CopyFiles;
        QTest::newRow("move") << CommandId::MoveFiles;
    }
    void copyOntoAFullDisk() {
        QFETCH(CommandId, command);
        const QString dest = below(QStringLiteral("small"));
        Tmpfs mount(dest, "size=64k");
        REQUIRE_MOUNT(mount);
        QVERIFY(WriteSampleFile(dest + QStringLiteral("keep.txt"), QByteArray("was here")));
        // Row 0's file grows beyond what the small disk holds.
        QByteArray big = ReadAll(m_work + NameOf(0));
        big.append(QByteArray(300 * 1024, 'x'));
        QVERIFY(WriteSampleFile(m_work + NameOf(0), big));
        const Snapshot before = TakeSnapshot(m_dir->path());

        const ScriptedDialogs dialogs = runOnFirstRow(command, dest);

        QCOMPARE(dialogs.fileErrors,
                 QStringList{longForm(ENOSPC, m_work + NameOf(0), dest + NameOf(0))});
        QCOMPARE(TakeSnapshot(m_dir->path()), before); // no partial copy left behind
        QCOMPARE(m_s->list.rowCount(), 3);
        QCOMPARE(m_s->list.entryAt(0)->folder, m_work);
    }

    void copyNeverReplacesAndKeepsTheTime() {
        const QString from = m_work + NameOf(0);
        const QString to = below(QStringLiteral("dest")) + NameOf(0);
        QCOMPARE(CopyFileNoReplace(from, to), 0);
        QCOMPARE(ReadAll(to), ReadAll(from));
        QCOMPARE(ModifiedTime(to), ModifiedTime(from));
        QCOMPARE(CopyFileNoReplace(m_work + NameOf(1), to), CopyExistsError);
        QCOMPARE(ReadAll(to), ReadAll(from));
        QCOMPARE(RenameNoReplace(m_work + NameOf(1), to), RenameExistsError);
        QVERIFY(QFile::exists(m_work + NameOf(1)));
        QCOMPARE(ReadAll(to), ReadAll(from));
    }

    void copyOfAPipeUnderAFileNameDoesNotHang() {
#ifdef Q_OS_LINUX
        const QString pipe = m_work + QStringLiteral("pipe.zuf");
        QCOMPARE(::mkfifo(EncodeFileName(pipe).constData(), 0600), 0);
        const QString to = below(QStringLiteral("dest")) + QStringLiteral("pipe.zuf");
        QCOMPARE(CopyFileNoReplace(pipe, to), int(EINVAL));
        QVERIFY(!QFileInfo::exists(to));
#else
        QSKIP("pipes under file names are a Linux matter");
#endif
    }

    void saveInformationFailures_data() {
        QTest::addColumn<QString>("fault");
        QTest::newRow("immutable file") << "immutable";
        QTest::newRow("vanished file") << "vanished";
        QTest::newRow("shorter than the block") << "short";
        QTest::newRow("foreign text file") << "text";
    }
    void saveInformationFailures() {
        QFETCH(QString, fault);
        const QString path = m_work + NameOf(0);
        FileSummary current = LoadInfoFile(m_s->list, 0);
        QVERIFY(InfoSaveAllowed(current));
        if (fault == "short")
            QVERIFY(WriteSampleFile(path, ReadAll(path).left(150)));
        if (fault == "text")
            QVERIFY(WriteSampleFile(path, QByteArray(4000, 'T')));
        if (fault == "vanished")
            QVERIFY(QFile::remove(path));
        Immutable lock(fault == "immutable" ? path : QString());
        if (fault == "immutable")
            REQUIRE_IMMUTABLE(lock);
        const Snapshot before = TakeSnapshot(m_dir->path());
        const Entry row = *m_s->list.entryAt(0);
        ScriptedDialogs dialogs;

        const InfoSaveResult result = SaveInfoTexts(
            m_s->list, 0, current, {QStringLiteral("New"), QStringLiteral("Sub"), QString()},
            dialogs, dialogs.undo, m_s->window);

        QCOMPARE(TakeSnapshot(m_dir->path()), before);
        QCOMPARE(m_s->list.entryAt(0)->title, row.title);
        QCOMPARE(m_s->list.entryAt(0)->subtitle, row.subtitle);
        if (fault == "immutable" || fault == "vanished") {
            QCOMPARE(result, InfoSaveResult::Failed);
            const int error = fault == "vanished" ? ENOENT : EPERM;
            QCOMPARE(dialogs.fileErrors, QStringList{shortForm(error, path)});
        } else {
            QCOMPARE(result, InfoSaveResult::Refused);
            QCOMPARE(dialogs.messages, QStringList{InfoRefusedText(path)});
        }
    }

    void reportToAnUnwritablePath_data() {
        QTest::addColumn<QString>("where");
        QTest::newRow("missing folder") << "missing";
        QTest::newRow("immutable folder") << "immutable";
        QTest::newRow("a folder of that name") << "folder";
    }
    void reportToAnUnwritablePath() {
        QFETCH(QString, where);
        const QString locked = below(QStringLiteral("locked"));
        QString path = locked + QStringLiteral("report.txt");
        if (where == "missing")
            path = m_dir->path() + QStringLiteral("/missing/report.txt");
        if (where == "folder")
            path = below(QStringLiteral("report.txt"));
        Immutable lock(where == "immutable" ? locked : QString());
        if (where == "immutable")
            REQUIRE_IMMUTABLE(lock);
        const Snapshot before = TakeSnapshot(m_dir->path());
        SelectRows(m_s->list, {0, 1});
        m_s->reportPath = path;
        m_s->reportFlags = DefaultReportFlags | ReportToFile;
        ReportScript dialogs;
        dialogs.warnAnswers = {true};

        m_s->report(dialogs);

        QCOMPARE(dialogs.messages, QStringList{ReportNotCreatedText(path)});
        QCOMPARE(TakeSnapshot(m_dir->path()), before);
    }
};

QTEST_GUILESS_MAIN(TestFileFaults)
#include "tst_file_faults.moc"
