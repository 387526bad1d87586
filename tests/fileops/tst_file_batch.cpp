// The batch commands over ten rows with scripted answers: which files go, which rows stay,
// what is selected and focused afterwards, and what the copies and moved rows show.

#include "file_test_support.h"

#include "fileops/rename.h"
#include "platform/native_fileops.h"

#include <QTemporaryDir>
#include <QtTest>

using namespace test_support;

class TestFileBatch : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    QString m_work; // the working folder, normalised
    std::unique_ptr<Session> m_s;

    // A fresh library of ten files in a fresh working folder below the temporary folder.
    void freshLibrary(const QString& name = QStringLiteral("music")) {
        QDir(m_dir.path()).mkpath(name);
        m_work = NormalisedFolder(m_dir.path() + u'/' + name);
        QDir(m_work).removeRecursively();
        QDir().mkpath(m_work);
        QVERIFY(WriteLibrary(m_work, 10));
        m_s = LoadSession(m_work, 10);
    }

private slots:
    void deleteSelection_data() {
        QTest::addColumn<QList<int>>("selection");
        QTest::addColumn<QList<int>>("answers");
        QTest::addColumn<QList<int>>("deleted");       // original row numbers whose files go
        QTest::addColumn<QList<int>>("selectedAfter"); // original numbers of the selected rows
        QTest::addColumn<int>("focusedAfter");         // original number of the focused row
        QTest::addColumn<int>("questions");

        const QList<int> three{2, 5, 7};
        QTest::newRow("All at the first question")
            << three << QList<int>{int(DialogAnswer::All)} << QList<int>{2, 5, 7} << QList<int>{8}
            << 8 << 1;
        QTest::newRow("Yes, No, Yes")
            << three
            << QList<int>{int(DialogAnswer::Yes), int(DialogAnswer::No), int(DialogAnswer::Yes)}
            << QList<int>{2, 7} << QList<int>{5, 8} << 8 << 3;
        QTest::newRow("Cancel at the second question")
            << three << QList<int>{int(DialogAnswer::Yes), int(DialogAnswer::Cancel)}
            << QList<int>{2} << QList<int>{3, 5, 7} << 3 << 2;
        QTest::newRow("No to every question")
            << three
            << QList<int>{int(DialogAnswer::No), int(DialogAnswer::No), int(DialogAnswer::No)}
            << QList<int>{} << QList<int>{2, 5, 7} << 7 << 3;
        QTest::newRow("neighbouring rows under All")
            << QList<int>{3, 4, 8} << QList<int>{int(DialogAnswer::All)} << QList<int>{3, 4, 8}
            << QList<int>{9} << 9 << 1;
    }
    void deleteSelection() {
        SKIP_WHERE_THE_TRASH_IS_THE_USERS();
        QFETCH(QList<int>, selection);
        QFETCH(QList<int>, answers);
        QFETCH(QList<int>, deleted);
        QFETCH(QList<int>, selectedAfter);
        QFETCH(int, focusedAfter);
        QFETCH(int, questions);
        freshLibrary();
        SelectRows(m_s->list, selection);
        ScriptedDialogs dialogs;
        dialogs.confirmAnswers = answers;

        QCOMPARE(m_s->run(CommandId::DeleteFiles, QStringLiteral("Delete"), dialogs), 1);

        QCOMPARE(dialogs.questions.size(), questions);
        QCOMPARE(dialogs.questions.first(), QStringLiteral("Delete?"));
        QCOMPARE(dialogs.paths.first(), m_work + NameOf(selection.first()));
        QStringList expectedRows, selected;
        for (int i = 0; i < 10; ++i) {
            QCOMPARE(QFile::exists(m_work + NameOf(i)), !deleted.contains(i));
            if (!deleted.contains(i))
                expectedRows << NameOf(i);
        }
        QCOMPARE(RowNames(m_s->list), expectedRows);
        QCOMPARE(m_s->list.rowCount(), 10 - int(deleted.size()));
        for (int row : SelectedRows(m_s->list))
            selected << m_s->list.entryAt(row)->name;
        QStringList expectedSelected;
        for (int i : selectedAfter)
            expectedSelected << NameOf(i);
        QCOMPARE(selected, expectedSelected);
        QCOMPARE(m_s->list.entryAt(FocusedRow(m_s->list))->name, NameOf(focusedAfter));
        QVERIFY(dialogs.fileErrors.isEmpty());
    }

    void deleteOfTheLastRowFocusesNothing() {
        SKIP_WHERE_THE_TRASH_IS_THE_USERS();
        freshLibrary();
        SelectRows(m_s->list, {9});
        m_s->list.selectionModel()->setCurrentIndex(m_s->list.index(3, 0),
                                                    QItemSelectionModel::NoUpdate);
        ScriptedDialogs dialogs;
        dialogs.confirmAnswers = {int(DialogAnswer::Yes)};
        m_s->run(CommandId::DeleteFiles, FileCommandVerb(CommandId::DeleteFiles), dialogs);
        QCOMPARE(m_s->list.rowCount(), 9);
        QVERIFY(SelectedRows(m_s->list).isEmpty());
        QCOMPARE(FocusedRow(m_s->list), 3);
    }

    void repaintDuringTheQuestionDoesNotChangeTheFile() {
        SKIP_WHERE_THE_TRASH_IS_THE_USERS();
        freshLibrary();
        SelectRows(m_s->list, {4});
        ScriptedDialogs dialogs;
        dialogs.confirmAnswers = {int(DialogAnswer::Yes)};
        dialogs.duringConfirm = [this] { // the panel reads row 0
            FileSummary shown = FileOfRow(m_s->list, 0);
            RereadSummary(shown, ReadMode::WithNotes);
        };
        m_s->run(CommandId::DeleteFiles, FileCommandVerb(CommandId::DeleteFiles), dialogs);
        QVERIFY(QFile::exists(m_work + NameOf(0)));
        QVERIFY(!QFile::exists(m_work + NameOf(4)));
        QVERIFY(!RowNames(m_s->list).contains(NameOf(4)));
    }

    void moveKeepsOrRemovesRows_data() {
        QTest::addColumn<QString>("destination"); // relative to the temporary folder
        QTest::addColumn<bool>("rowsKept");
        QTest::newRow("below the working folder") << QStringLiteral("music/folk") << true;
        QTest::newRow("outside") << QStringLiteral("backup") << false;
        QTest::newRow("name starting like the working folder") << QStringLiteral("music2") << false;
    }
    void moveKeepsOrRemovesRows() {
        QFETCH(QString, destination);
        QFETCH(bool, rowsKept);
        freshLibrary();
        const QString dest = NormalisedFolder(m_dir.path() + u'/' + destination);
        QDir(dest).removeRecursively();
        QVERIFY(QDir().mkpath(dest));
        const Snapshot before = TakeSnapshot(m_work);
        const QDateTime time2 = ModifiedTime(m_work + NameOf(2));
        SelectRows(m_s->list, {2, 5});
        m_s->destFolder = dest;
        ScriptedDialogs dialogs;
        dialogs.confirmAnswers = {int(DialogAnswer::Yes), int(DialogAnswer::Yes)};

        m_s->run(CommandId::MoveFiles, QStringLiteral("Move"), dialogs);

        QCOMPARE(dialogs.questions.first(), QStringLiteral("Move to ") + dest + u'?');
        QVERIFY(dialogs.fileErrors.isEmpty());
        for (int i : {2, 5}) {
            QVERIFY(!QFile::exists(m_work + NameOf(i)));
            QCOMPARE(ReadAll(dest + NameOf(i)), before.value(NameOf(i)));
        }
        QCOMPARE(ModifiedTime(dest + NameOf(2)), time2);
        QCOMPARE(m_s->list.rowCount(), rowsKept ? 10 : 8);
        QCOMPARE(m_s->list.rowCount(), rowsKept ? 10 : 8);
        if (rowsKept) {
            QCOMPARE(m_s->list.entryAt(2)->folder, dest);
            QCOMPARE(m_s->list.entryAt(5)->folder, dest);
            QCOMPARE(m_s->list.entryAt(3)->folder, m_work);
        } else {
            QVERIFY(!RowNames(m_s->list).contains(NameOf(2)));
            QVERIFY(!RowNames(m_s->list).contains(NameOf(5)));
        }
    }

    // Files 1 to 5 moved out of the working folder: the progress's Cancel and an error box's
    // Stop end the batch as the question's Cancel does, and what was done is one Undo.
    void stoppingUnderAll_data() {
        QTest::addColumn<QList<int>>("answers");
        QTest::addColumn<QList<int>>("taken"); // files whose name is taken in the destination
        QTest::addColumn<int>("stopAt");       // Cancel in the progress after so many files
        QTest::addColumn<QList<bool>>("goOn"); // the answers of the boxes that offer Stop
        QTest::addColumn<QList<int>>("moved");
        QTest::addColumn<QList<int>>("progress");
        QTest::addColumn<int>("stopOffers");
        QTest::addColumn<int>("plainErrors");
        const int all = int(DialogAnswer::All), yes = int(DialogAnswer::Yes);
        QTest::newRow("Cancel in the progress after two files")
            << QList<int>{all} << QList<int>{} << 2 << QList<bool>{} << QList<int>{1, 2}
            << QList<int>{1, 2} << 0 << 0;
        QTest::newRow("All at the second question, Cancel after three")
            << QList<int>{yes, all} << QList<int>{} << 3 << QList<bool>{} << QList<int>{1, 2, 3}
            << QList<int>{2, 3} << 0 << 0;
        QTest::newRow("Stop at the first failure")
            << QList<int>{all} << QList<int>{3} << -1 << QList<bool>{false} << QList<int>{1, 2}
            << QList<int>{1, 2} << 1 << 0;
        QTest::newRow("OK to each failure")
            << QList<int>{all} << QList<int>{2, 4} << -1 << QList<bool>{true, true}
            << QList<int>{1, 3, 5} << QList<int>{1, 2, 3, 4} << 2 << 0;
        QTest::newRow("a failure of the last file has nothing to stop")
            << QList<int>{all} << QList<int>{5} << -1 << QList<bool>{} << QList<int>{1, 2, 3, 4}
            << QList<int>{1, 2, 3, 4} << 0 << 1;
        QTest::newRow("answered one by one: no progress, no Stop")
            << QList<int>{yes, yes, yes, yes, yes} << QList<int>{3} << -1 << QList<bool>{}
            << QList<int>{1, 2, 4, 5} << QList<int>{} << 0 << 1;
    }
    void stoppingUnderAll() {
        QFETCH(QList<int>, answers);
        QFETCH(QList<int>, taken);
        QFETCH(int, stopAt);
        QFETCH(QList<bool>, goOn);
        QFETCH(QList<int>, moved);
        QFETCH(QList<int>, progress);
        QFETCH(int, stopOffers);
        QFETCH(int, plainErrors);
        freshLibrary();
        const QString dest = NormalisedFolder(m_dir.path() + QStringLiteral("/backup"));
        QDir(dest).removeRecursively();
        QVERIFY(QDir().mkpath(dest));
        for (int i : taken)
            QVERIFY(WriteSampleFile(dest + NameOf(i), QByteArray("taken")));
        const Snapshot before = TakeSnapshot(m_work);
        SelectRows(m_s->list, {1, 2, 3, 4, 5});
        m_s->destFolder = dest;
        ScriptedDialogs dialogs;
        dialogs.confirmAnswers = answers;
        dialogs.stopAt = stopAt;
        dialogs.goOnAnswers = goOn;

        m_s->run(CommandId::MoveFiles, QStringLiteral("Move"), dialogs);

        QCOMPARE(dialogs.progress, progress);
        QCOMPARE(dialogs.stopOffers.size(), stopOffers);
        QCOMPARE(dialogs.fileErrors.size(), plainErrors);
        QStringList rows;
        for (int i = 0; i < 10; ++i) {
            QCOMPARE(QFile::exists(m_work + NameOf(i)), !moved.contains(i));
            if (taken.contains(i))
                QCOMPARE(ReadAll(dest + NameOf(i)), QByteArray("taken"));
            else
                QCOMPARE(QFile::exists(dest + NameOf(i)), moved.contains(i));
            if (!moved.contains(i))
                rows << NameOf(i);
        }
        QCOMPARE(RowNames(m_s->list), rows);
        QCOMPARE(int(dialogs.undo.steps.size()), int(moved.size()));
        QCOMPARE(UndoLastBatch(dialogs.undo, m_s->list, dialogs), int(moved.size()));
        QCOMPARE(TakeSnapshot(m_work), before);
        QCOMPARE(m_s->list.rowCount(), 10);
    }

    void copyAfterAllShowsEachSourcesTexts() {
        freshLibrary();
        const QString dest = NormalisedFolder(m_dir.path() + QStringLiteral("/copies"));
        QDir(dest).removeRecursively();
        QVERIFY(QDir().mkpath(dest));
        SelectRows(m_s->list, {1, 4, 6});
        m_s->destFolder = dest;
        ScriptedDialogs dialogs;
        dialogs.confirmAnswers = {int(DialogAnswer::All)};

        m_s->run(CommandId::CopyFiles, FileCommandVerb(CommandId::CopyFiles), dialogs);

        QCOMPARE(dialogs.questions.size(), 1);
        QCOMPARE(m_s->list.rowCount(), 13);
        QCOMPARE(m_s->list.rowCount(), 13);
        const QList<int> sources{1, 4, 6};
        for (int k = 0; k < 3; ++k) {
            const Entry* added = m_s->list.entryAt(10 + k);
            const Entry* source = m_s->list.entryAt(sources[k]);
            QCOMPARE(added->name, NameOf(sources[k]));
            QCOMPARE(added->folder, dest);
            QCOMPARE(added->title, TitleOf(sources[k]));
            QCOMPARE(added->subtitle, QStringLiteral("Author %1").arg(sources[k]));
            QCOMPARE(added->tuning, source->tuning);
            QCOMPARE(added->lastWriteTime, source->lastWriteTime);
            QCOMPARE(added->size, source->size);
            QVERIFY(!m_s->list.isSelected(10 + k));
            QCOMPARE(ReadAll(dest + added->name), ReadAll(m_work + added->name));
            QCOMPARE(ModifiedTime(dest + added->name), ModifiedTime(m_work + added->name));
        }
        QCOMPARE(SelectedRows(m_s->list), (QList<int>{1, 4, 6}));
    }

    void moveOrCopyIntoTheFilesOwnFolderChangesNothing_data() {
        QTest::addColumn<CommandId>("command");
        QTest::newRow("move") << CommandId::MoveFiles;
        QTest::newRow("copy") << CommandId::CopyFiles;
    }
    void moveOrCopyIntoTheFilesOwnFolderChangesNothing() {
        QFETCH(CommandId, command);
        freshLibrary();
        const Snapshot before = TakeSnapshot(m_work);
        SelectRows(m_s->list, {3});
        m_s->destFolder = m_work;
        ScriptedDialogs dialogs;
        dialogs.confirmAnswers = {int(DialogAnswer::Yes)};

        m_s->run(command, FileCommandVerb(command), dialogs);

        QCOMPARE(dialogs.fileErrors.size(), 1);
        const QString path = m_work + NameOf(3);
        QVERIFY(dialogs.fileErrors[0].endsWith(QStringLiteral("\nCan't copy: ") + path +
                                               QStringLiteral("\nTo: ") + path));
        QVERIFY(dialogs.fileErrors[0].startsWith(SystemErrorText(CopyExistsError)));
        QCOMPARE(TakeSnapshot(m_work), before);
        QCOMPARE(m_s->list.rowCount(), 10);
        QCOMPARE(m_s->list.entryAt(3)->folder, m_work);
    }

    void renameBatchAsksOncePerRow() {
        freshLibrary();
        SelectRows(m_s->list, {1, 2, 3});
        const int focused = FocusedRow(m_s->list);
        ScriptedDialogs dialogs;
        QList<int> replies{int(DialogAnswer::Yes), int(DialogAnswer::No),
                           int(DialogAnswer::Cancel)};
        QStringList renamedFrom;
        dialogs.onRename = [&](const FileSummary& current, QString& newName) {
            const int reply = replies.takeFirst();
            renamedFrom << current.currentEntry.name;
            if (reply != int(DialogAnswer::Yes))
                return reply;
            newName = RenameSuggestion(current.currentEntry);
            return RenameFile(dialogs, nullptr, current.currentPath, newName,
                              current.currentEntry.folder)
                       ? reply
                       : int(DialogAnswer::No);
        };

        m_s->run(CommandId::RenameFiles, FileCommandVerb(CommandId::RenameFiles), dialogs);

        QCOMPARE(dialogs.renameCalls, 3);
        QCOMPARE(renamedFrom, (QStringList{NameOf(1), NameOf(2), NameOf(3)}));
        QCOMPARE(m_s->list.entryAt(1)->name, QStringLiteral("Title 1.zuf"));
        QVERIFY(QFile::exists(m_work + QStringLiteral("Title 1.zuf")));
        QVERIFY(!QFile::exists(m_work + NameOf(1)));
        QCOMPARE(m_s->list.entryAt(2)->name, NameOf(2));
        QCOMPARE(m_s->list.entryAt(3)->name, NameOf(3));
        QCOMPARE(m_s->list.rowCount(), 10);
        QCOMPARE(SelectedRows(m_s->list), (QList<int>{1, 2, 3}));
        QCOMPARE(FocusedRow(m_s->list), focused);
    }

    void namesThatAreNotUtf8SurviveEveryCommand() {
#ifdef Q_OS_WIN
        QSKIP("Windows names are UTF-16");
#else
        freshLibrary();
        const QString odd = DecodeFileName(QByteArray("caf\xe9 \xff.zuf"));
        QVERIFY(odd.contains(QChar(0xDCE9)));
        QVERIFY(WriteSampleFile(m_work + odd, ReadAll(m_work + NameOf(0))));
        AddRow(m_s->list, m_work, odd);
        const int row = m_s->list.rowCount() - 1;
        const QString dest = NormalisedFolder(m_dir.path() + QStringLiteral("/odd"));
        QDir(dest).removeRecursively();
        QVERIFY(QDir().mkpath(dest));
        ScriptedDialogs dialogs;
        dialogs.confirmAnswers = {int(DialogAnswer::Yes), int(DialogAnswer::Yes)};
        m_s->destFolder = dest;

        SelectRows(m_s->list, {row});
        m_s->run(CommandId::CopyFiles, FileCommandVerb(CommandId::CopyFiles), dialogs);
        QVERIFY(PathExists(dest + odd));
        const QString renamed = DecodeFileName(QByteArray("\xe9t\xe9.zuf"));
        QVERIFY(EndLabelEdit(m_s->list, row, renamed, false, dialogs, dialogs.undo));
        QVERIFY(PathExists(m_work + renamed));
        QVERIFY(!PathExists(m_work + odd));
        SelectRows(m_s->list, {row});
        m_s->run(CommandId::DeleteFiles, FileCommandVerb(CommandId::DeleteFiles), dialogs);
        QVERIFY(!PathExists(m_work + renamed));
        QVERIFY(dialogs.fileErrors.isEmpty());
        QCOMPARE(DeleteFileNative(dest + odd), 0); // Qt's own removal cannot name it
#endif
    }

    // Rows the filter box hides are never reached by a command, though they were selected
    // before they were hidden: their files stay as they were, the report leaves them out, and
    // their rows come back when every row is shown again.
    void hiddenRowsAreNeverTouched_data() {
        QTest::addColumn<int>("command");
        QTest::newRow("delete") << int(CommandId::DeleteFiles);
        QTest::newRow("move") << int(CommandId::MoveFiles);
        QTest::newRow("copy") << int(CommandId::CopyFiles);
        QTest::newRow("rename") << int(CommandId::RenameFiles);
        QTest::newRow("report") << int(CommandId::CreateReport);
    }
    void hiddenRowsAreNeverTouched() {
        QFETCH(int, command);
        freshLibrary();
        const QString dest = NormalisedFolder(m_dir.path() + QStringLiteral("/elsewhere"));
        QDir(dest).removeRecursively();
        QVERIFY(QDir().mkpath(dest));
        m_s->destFolder = dest;
        const Snapshot before = TakeSnapshot(m_work);
        SelectRows(m_s->list, {2, 3, 5});
        std::vector<char> shown(10, 1);
        shown[3] = 0;
        m_s->list.showRows(shown);
        ScriptedDialogs dialogs;
        dialogs.confirmAnswers = {int(DialogAnswer::Yes), int(DialogAnswer::Yes),
                                  int(DialogAnswer::Yes)};
        dialogs.onRename = [&](const FileSummary& file, QString&) {
            dialogs.paths << file.currentPath;
            return int(DialogAnswer::No);
        };
        ReportScript report;

        if (CommandId(command) == CommandId::CreateReport)
            m_s->report(report);
        else
            m_s->run(CommandId(command), FileCommandVerb(CommandId(command)), dialogs,
                     DeleteMode::Permanent);

        if (CommandId(command) != CommandId::CreateReport)
            QCOMPARE(dialogs.paths, QStringList({m_work + NameOf(2), m_work + NameOf(5)}));
        QVERIFY(!report.clipboard.contains(NameOf(3)));
        QCOMPARE(report.clipboard.contains(NameOf(2)),
                 CommandId(command) == CommandId::CreateReport);
        QCOMPARE(ReadAll(m_work + NameOf(3)), before.value(NameOf(3)));
        QVERIFY(!QFile::exists(dest + NameOf(3)));
        m_s->list.showAllRows();
        QVERIFY(RowNames(m_s->list).contains(NameOf(3)));
    }

    void folderInside_data() {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QString>("root");
        QTest::addColumn<bool>("inside");
        QTest::newRow("same") << "/m/music/"
                              << "/m/music/" << true;
        QTest::newRow("below") << "/m/music/folk/"
                               << "/m/music/" << true;
        QTest::newRow("prefix without separator") << "/m/music2/"
                                                  << "/m/music/" << false;
        QTest::newRow("above") << "/m/"
                               << "/m/music/" << false;
        QTest::newRow("no working folder") << "/m/"
                                           << "" << false;
#ifdef Q_OS_WIN
        QTest::newRow("case ignored") << "C:\\Music\\Folk\\"
                                      << "c:\\music\\" << true;
#else
        QTest::newRow("case kept") << "/m/Music/folk/"
                                   << "/m/music/" << false;
#endif
    }
    void folderInside() {
        QFETCH(QString, folder);
        QFETCH(QString, root);
        QFETCH(bool, inside);
        QCOMPARE(FolderInside(folder, root), inside);
    }

    void confirmationQuestion_data() {
        QTest::addColumn<CommandId>("command");
        QTest::addColumn<QString>("question");
        QTest::newRow("delete") << CommandId::DeleteFiles << "Delete?";
        QTest::newRow("move") << CommandId::MoveFiles << "Move to /m/folk/?";
        QTest::newRow("copy") << CommandId::CopyFiles << "Copy to /m/folk/?";
    }
    void confirmationQuestion() {
        QFETCH(CommandId, command);
        QFETCH(QString, question);
        const BatchRequest request{FileCommandVerb(command), QStringLiteral("/m/folk/"), {}};
        QCOMPARE(ConfirmationQuestion(command, request), question);
    }
};

QTEST_GUILESS_MAIN(TestFileBatch)
#include "tst_file_batch.moc"
