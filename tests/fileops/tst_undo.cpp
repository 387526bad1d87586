// Undo of the last batch, and Delete through the trash: every byte and every last-write time
// on disk back as before the batch, the rows following, and files that changed or whose names
// were taken meanwhile left alone and named. The trash is a temporary one (temporary_trash.h).

#include "file_test_support.h"

#include "fileops/info_batch.h"
#include "fileops/info_edit.h"
#include "fileops/rename.h"
#include "fileops/undo.h"
#include "platform/native_fileops.h"

#include <QTemporaryDir>
#include <QUrl>
#include <QtTest>

using namespace test_support;

namespace {

enum Batch {
    RenameBatch,
    MoveInside,
    MoveOutside,
    MoveOtherDrive,
    CopyBatch,
    TrashBatch,
    InfoSave,
    InfoBatch
};

// Every file below the folder with its bytes and last-write time.
QMap<QString, QString> BytesAndTimes(const QString& folder) {
    QMap<QString, QString> files;
    const Snapshot bytes = TakeSnapshot(folder);
    for (auto it = bytes.begin(); it != bytes.end(); ++it)
        files.insert(it.key(),
                     QString::fromLatin1(it.value().toHex()) + u' ' +
                         ModifiedTime(folder + u'/' + it.key()).toString(Qt::ISODateWithMs));
    return files;
}

// The rows as path and title, in path order.
QStringList Rows(const CatalogueModel& list) {
    QStringList rows;
    for (int row = 0; row < list.rowCount(); ++row) {
        const Entry* entry = list.entryAt(row);
        rows << entry->folder + entry->name + u'|' + entry->title;
    }
    rows.sort();
    return rows;
}

} // namespace

class TestUndo : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    QString m_root; // holds the working folder "music" and the folders "music/folk" and "backup"
    QString m_work;
    QTemporaryDir m_otherDrive{QStringLiteral("/dev/shm/zuf-undo-XXXXXX")}; // another file system
    std::unique_ptr<Session> m_s; // the list the batches, the save and undo work on

    QString folder(const QString& relative) { return NormalisedFolder(m_root + relative); }

    // Runs one batch over rows 1 and 3 with All (the rename takes the titles); the information
    // save writes a new title into row 1 alone.
    void runBatch(Batch batch, ScriptedDialogs& dialogs) {
        SelectRows(m_s->list, {1, 3});
        dialogs.confirmAnswers = {int(DialogAnswer::All)};
        if (batch == InfoSave) {
            FileSummary current = LoadInfoFile(m_s->list, 1);
            QCOMPARE(SaveInfoTexts(m_s->list, 1, current, {QStringLiteral("New"), {}, {}}, dialogs,
                                   dialogs.undo, m_s->window),
                     InfoSaveResult::Saved);
            return;
        }
        if (batch == InfoBatch) {
            InfoEdit edit;
            edit[0] = FieldEdit::set(QStringLiteral("New"));
            SaveInfoBatch(m_s->list, {{1, edit}, {3, edit}}, dialogs.undo);
            return;
        }
        static const CommandId commands[] = {CommandId::RenameFiles, CommandId::MoveFiles,
                                             CommandId::MoveFiles,   CommandId::MoveFiles,
                                             CommandId::CopyFiles,   CommandId::DeleteFiles};
        const CommandId command = commands[batch];
        QString destination =
            folder(batch == MoveInside ? QStringLiteral("music/folk") : QStringLiteral("backup"));
        if (batch == MoveOtherDrive)
            destination = NormalisedFolder(m_otherDrive.path());
        const BatchRequest request{FileCommandVerb(command), destination, m_work};
        dialogs.onRename = [&dialogs](const FileSummary& current, QString& newName) {
            newName = RenameSuggestion(current.currentEntry);
            return RenameFile(dialogs, nullptr, current.currentPath, newName,
                              current.currentEntry.folder)
                       ? int(DialogAnswer::Yes)
                       : int(DialogAnswer::Cancel);
        };
        RunFileBatch(command, request, m_s->list, dialogs, m_s->window, dialogs.undo);
    }

private slots:
    void init() {
        m_root = QDir(m_dir.path()).absolutePath() + QStringLiteral("/undo/");
        QDir(m_root).removeRecursively();
        m_work = FreshLibraryFolder(m_root.chopped(1), 5);
        QVERIFY(!m_work.isEmpty());
        m_s = LoadSession(m_work, 5);
        QVERIFY(QDir().mkpath(folder(QStringLiteral("music/folk"))));
        QVERIFY(QDir().mkpath(folder(QStringLiteral("backup"))));
        QDir(temporaryTrashHome.trash()).removeRecursively();
        if (m_otherDrive.isValid()) // emptied, so that one case's failure stays its own
            QVERIFY(QDir(m_otherDrive.path()).removeRecursively() &&
                    QDir().mkpath(m_otherDrive.path()));
    }

    void undoRestoresEveryByte_data() {
        QTest::addColumn<int>("batch");
        QTest::newRow("rename batch") << int(RenameBatch);
        QTest::newRow("move within the working folder") << int(MoveInside);
        QTest::newRow("move out of the working folder") << int(MoveOutside);
        QTest::newRow("move to another drive") << int(MoveOtherDrive);
        QTest::newRow("copy batch") << int(CopyBatch);
        QTest::newRow("delete to the trash") << int(TrashBatch);
        QTest::newRow("information save") << int(InfoSave);
        QTest::newRow("information of several files") << int(InfoBatch);
    }
    void undoRestoresEveryByte() {
        QFETCH(int, batch);
        if (Batch(batch) == TrashBatch)
            SKIP_WHERE_THE_TRASH_IS_THE_USERS();
        if (Batch(batch) == MoveOtherDrive && !m_otherDrive.isValid())
            QSKIP("no folder on another file system here (/dev/shm)");
        const auto disk = BytesAndTimes(m_root);
        const Snapshot bytes = TakeSnapshot(m_root);
        const QStringList rows = Rows(m_s->list);
        ScriptedDialogs dialogs;
        runBatch(Batch(batch), dialogs);
        QVERIFY(dialogs.undo.canUndo());
        QVERIFY(TakeSnapshot(m_root) != bytes);
        QVERIFY(Rows(m_s->list) != rows);
        if (batch == TrashBatch) {
            // In the trash: the file's own bytes, and where it came from.
            const Snapshot trash = TakeSnapshot(temporaryTrashHome.trash());
            QCOMPARE(trash.value(QStringLiteral("files/") + NameOf(1)),
                     bytes.value(QStringLiteral("music/") + NameOf(1)));
            const QByteArray info =
                trash.value(QStringLiteral("info/") + NameOf(1) + QStringLiteral(".trashinfo"));
            QVERIFY(info.startsWith(
                "[Trash Info]\nPath=" + QUrl::toPercentEncoding(m_work + NameOf(1), "/") +
                "\nDeletionDate="));
        }

        QCOMPARE(UndoLastBatch(dialogs.undo, m_s->list, dialogs), batch == InfoSave ? 1 : 2);

        QCOMPARE(dialogs.messages, QStringList());
        QVERIFY(!dialogs.undo.canUndo());
        if (batch == InfoSave || batch == InfoBatch) // the bytes are back; the time is the undo's
            QCOMPARE(TakeSnapshot(m_root), bytes);
        else
            QCOMPARE(BytesAndTimes(m_root), disk);
        QCOMPARE(Rows(m_s->list), rows);
        QCOMPARE(m_s->list.rowCount(), 5);
        QCOMPARE(TakeSnapshot(temporaryTrashHome.trash()), Snapshot());
        QCOMPARE(TakeSnapshot(m_otherDrive.path()), Snapshot()); // nothing left on the other drive
    }

    // After the batch, the file of row 1 changes or its old name is taken; undo leaves it and
    // whatever holds its name alone, names it, and still takes back row 3.
    void undoLeavesChangedFilesAlone_data() {
        QTest::addColumn<int>("batch");
        QTest::addColumn<QString>("change"); // "grown", "touched" or "name taken"
        QTest::addColumn<QString>("reason");
        const QString changed = QStringLiteral("changed after the batch (size or last-write time)");
        QTest::newRow("renamed file grew") << int(RenameBatch) << "grown" << changed;
        QTest::newRow("moved file touched") << int(MoveOutside) << "touched" << changed;
        QTest::newRow("copy grew") << int(CopyBatch) << "grown" << changed;
        QTest::newRow("information saved again") << int(InfoSave) << "touched" << changed;
        QTest::newRow("information of several files, one touched")
            << int(InfoBatch) << "touched" << changed;
        QTest::newRow("old name taken after a rename") << int(RenameBatch) << "name taken"
                                                       << "";
        QTest::newRow("old name taken after a move") << int(MoveInside) << "name taken"
                                                     << "";
        QTest::newRow("old name taken after a delete") << int(TrashBatch) << "name taken"
                                                       << "";
    }
    void undoLeavesChangedFilesAlone() {
        QFETCH(int, batch);
        if (Batch(batch) == TrashBatch)
            SKIP_WHERE_THE_TRASH_IS_THE_USERS();
        QFETCH(QString, change);
        QFETCH(QString, reason);
        const Snapshot before = TakeSnapshot(m_root);
        ScriptedDialogs dialogs;
        runBatch(Batch(batch), dialogs);
        QVERIFY(!dialogs.undo.steps.empty());
        const UndoStep step = dialogs.undo.steps.front(); // row 1's file
        const UndoStep other = dialogs.undo.steps.back(); // row 3's file
        const QString original = m_work + NameOf(1);
        if (change == QLatin1String("grown")) {
            QFile file(step.after);
            QVERIFY(file.open(QIODevice::Append) && file.write("x") == 1);
        } else if (change == QLatin1String("touched")) {
            QFile file(step.after);
            QVERIFY(file.open(QIODevice::ReadWrite));
            QVERIFY(file.setFileTime(QDateTime(QDate(2020, 1, 1), QTime(0, 0), Qt::UTC),
                                     QFileDevice::FileModificationTime));
        } else {
            QVERIFY(WriteSampleFile(original, QByteArray("new owner")));
            reason = original + QStringLiteral(" is taken by another file now");
            if (batch == TrashBatch) // the old name, then the file's place in the trash
                reason = QStringLiteral("the name is taken by another file now; the file stays "
                                        "in the trash: ") +
                         temporaryTrashHome.trash() + QStringLiteral("/files/") + NameOf(1);
        }
        const Snapshot changed = TakeSnapshot(m_root);
        const Snapshot trash = TakeSnapshot(temporaryTrashHome.trash());

        UndoLastBatch(dialogs.undo, m_s->list, dialogs);

        const QString named = batch == TrashBatch ? original : step.after;
        QCOMPARE(dialogs.messages,
                 QStringList{UndoLeftText({named + QStringLiteral(": ") + reason})});
        // Row 1's file and whatever took its name stay as they were; row 3's file is back as
        // before the batch, and its copy gone.
        const QDir root(m_root);
        Snapshot expected = changed;
        if (batch != InfoSave) {
            expected.remove(root.relativeFilePath(other.after));
            if (batch != CopyBatch)
                expected.insert(root.relativeFilePath(other.before),
                                before.value(root.relativeFilePath(other.before)));
        }
        QCOMPARE(TakeSnapshot(m_root), expected);
        if (batch == TrashBatch)
            QCOMPARE(TakeSnapshot(temporaryTrashHome.trash())
                         .value(QStringLiteral("files/") + NameOf(1)),
                     trash.value(QStringLiteral("files/") + NameOf(1)));
    }

    // Shift+Delete deletes for good after its own question; a file that cannot go to the
    // trash is deleted for good only after Yes to the question that says so, which All does
    // not answer: it is asked for each such file.
    void deleteForGoodOnlyWhenAsked_data() {
        QTest::addColumn<bool>("permanent");
        QTest::addColumn<bool>("all");            // rows 2 and 3 with All, else row 2 with Yes
        QTest::addColumn<QList<bool>>("forGood"); // the answers to NoTrashText, a file each
        QTest::newRow("Shift+Delete") << true << false << QList<bool>{};
        QTest::newRow("no trash, Yes") << false << false << QList<bool>{true};
        QTest::newRow("no trash, No") << false << false << QList<bool>{false};
        QTest::newRow("no trash, All, then Yes and No")
            << false << true << QList<bool>{true, false};
    }
    void deleteForGoodOnlyWhenAsked() {
        QFETCH(bool, permanent);
        QFETCH(bool, all);
        QFETCH(QList<bool>, forGood);
        if (!permanent)
            SKIP_WHERE_THE_TRASH_IS_THE_USERS();
        const Snapshot before = TakeSnapshot(m_root);
        const QByteArray home = qgetenv("XDG_DATA_HOME");
        const QString blocker = m_root + QStringLiteral("not-a-folder");
        if (!permanent) { // the trash cannot be made below a file
            QVERIFY(WriteSampleFile(blocker, QByteArray("x")));
            qputenv("XDG_DATA_HOME", blocker.toUtf8());
        }
        ScriptedDialogs dialogs;
        dialogs.undo.steps.push_back(DoneStep(UndoAction::Copy, {}, m_work + NameOf(0)));
        dialogs.confirmAnswers = {int(all ? DialogAnswer::All : DialogAnswer::Yes)};
        dialogs.forGoodAnswers = forGood;
        const QList<int> rows = all ? QList<int>{2, 3} : QList<int>{2};
        SelectRows(m_s->list, rows);
        const BatchRequest request{FileCommandVerb(CommandId::DeleteFiles),
                                   {},
                                   m_work,
                                   permanent ? DeleteMode::Permanent : DeleteMode::Trash};

        RunFileBatch(CommandId::DeleteFiles, request, m_s->list, dialogs, m_s->window,
                     dialogs.undo);
        qputenv("XDG_DATA_HOME", home);
        QFile::remove(blocker);

        QCOMPARE(dialogs.questions,
                 QStringList{permanent ? QStringLiteral("Delete permanently?") : "Delete?"});
        QStringList asked;
        Snapshot expected = before;
        bool anyGone = false;
        for (qsizetype i = 0; i < rows.size(); ++i) {
            const QString name = NameOf(rows[i]);
            if (!permanent)
                asked << NoTrashText(m_work + name, ENOTDIR);
            const bool gone = permanent || forGood[i];
            if (gone)
                expected.remove(QStringLiteral("music/") + name);
            QCOMPARE(RowNames(m_s->list).contains(name), !gone);
            anyGone = anyGone || gone;
        }
        QCOMPARE(dialogs.forGoodQuestions, asked);
        QVERIFY(dialogs.warnings.isEmpty());
        QCOMPARE(TakeSnapshot(m_root), expected);
        QCOMPARE(TakeSnapshot(temporaryTrashHome.trash()), Snapshot());
        // A deletion for good cannot be undone, and Undo does not reach past it.
        QCOMPARE(dialogs.undo.canUndo(), !anyGone);
    }
};

QTEST_GUILESS_MAIN(TestUndo)
#include "tst_undo.moc"
