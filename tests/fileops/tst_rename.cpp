// Renaming: the suggestion from a title, the word-moving tool, the duplicate-name warnings in
// list order, the refusal of names that would leave the folder, and in-place renaming.

#include "file_test_support.h"

#include "fileops/rename.h"
#include "info/text_case.h"

#include <QTemporaryDir>
#include <QtTest>

using namespace test_support;

class TestRename : public QObject {
    Q_OBJECT

    FileSummary m_current; // the file a rename acts on
    std::unique_ptr<CatalogueModel> m_list;

    QTemporaryDir m_dir;

    QString folder(const QString& name) {
        const QString path = NormalisedFolder(m_dir.path() + u'/' + name);
        QDir().mkpath(path);
        return path;
    }

    // Rows for a.zuf in folder a, then "Song.zuf" in b, c and a: rows 0 to 3.
    void duplicateLibrary() {
        for (const char* name : {"a", "b", "c"})
            QDir(folder(QString::fromLatin1(name))).removeRecursively();
        m_list = std::make_unique<CatalogueModel>();
        const QList<QPair<QString, QString>> files{{folder(QStringLiteral("a")), "a.zuf"},
                                                   {folder(QStringLiteral("b")), "Song.zuf"},
                                                   {folder(QStringLiteral("c")), "SONG.zuf"},
                                                   {folder(QStringLiteral("a")), "other.zuf"}};
        for (const auto& [dir, name] : files) {
            SampleFile file;
            file.title = name;
            QVERIFY(WriteSampleFile(dir + name, file));
            AddRow(*m_list, dir, name);
        }
        m_current = FileOfRow(*m_list, 0);
    }

private slots:
    void nameFromTitle_data() {
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("name");
        QTest::newRow("colon and question mark") << "Blues: In A?"
                                                 << "Blues In A.zuf";
        QTest::newRow("slash and exclamation") << "AC/DC!"
                                               << "ACDC.zuf";
        QTest::newRow("quotes and ; < = >") << "\"Hey\" <you>;="
                                            << "Hey you.zuf";
        QTest::newRow("backslash, star, bar stay") << "a\\b*c|d"
                                                   << "a\\b*c|d.zuf";
        QTest::newRow("300 characters") << QString(300, u'x') << QString(250, u'x') + ".zuf";
        QTest::newRow("dropped ones do not count")
            << QString(10, u'?') + QString(260, u'y') << QString(250, u'y') + ".zuf";
    }
    void nameFromTitle() {
        QFETCH(QString, title);
        QFETCH(QString, name);
        QCOMPARE(NameFromTitle(title), name);
    }

    void suggestion_data() {
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("bad");
        QTest::addColumn<QString>("suggestion");
        QTest::newRow("from the title") << "Blue Moon"
                                        << "x.zuf" << false << "Blue Moon.zuf";
        QTest::newRow("empty title keeps the name") << ""
                                                    << "old.tab" << false << "old.tab";
        QTest::newRow("bad file keeps the name") << "Bad ZUF File"
                                                 << "Concerto.zuf" << true << "Concerto.zuf";
        QTest::newRow("empty file keeps the name") << "Empty ZUF File"
                                                   << "Etude.tab" << true << "Etude.tab";
    }
    void suggestion() {
        QFETCH(QString, title);
        QFETCH(QString, name);
        QFETCH(bool, bad);
        QFETCH(QString, suggestion);
        m_current.currentEntry.isBad = bad ? 1 : 0;
        m_current.currentEntry.title = title;
        m_current.currentEntry.name = name;
        QCOMPARE(RenameSuggestion(m_current.currentEntry), suggestion);
    }

    void moveFirstWord_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("result");
        QTest::newRow("two words") << "Word rest.zuf"
                                   << "rest (Word).zuf";
        QTest::newRow("extension replaced") << "Smith Blue Moon.tab"
                                            << "Blue Moon (Smith).zuf";
        QTest::newRow("rest ends at the first stop") << "Lee Walk.on.by.zuf"
                                                     << "Walk (Lee).zuf";
        QTest::newRow("stop before the space") << "A.B Song.zuf"
                                               << "A.B Song.zuf";
        QTest::newRow("one word") << "Word"
                                  << "Word";
        QTest::newRow("no stop after the rest") << "Word rest"
                                                << "Word rest";
        QTest::newRow("two spaces") << "Word  rest.zuf"
                                    << " rest (Word).zuf";
        QTest::newRow("empty") << ""
                               << "";
        // Only the field's first 199 characters are read.
        const QString x193(193, u'x');
        QTest::newRow("stop as the 199th character")
            << QString("Word " + x193 + ".zuf") << QString(x193 + " (Word).zuf");
        QTest::newRow("stop as the 200th character")
            << QString("Word " + x193 + "y.zuf") << QString("Word " + x193 + "y.zuf");
        QTest::newRow("space as the 200th character") << QString(QString(199, u'w') + " rest.zuf")
                                                      << QString(QString(199, u'w') + " rest.zuf");
    }
    void moveFirstWord() {
        QFETCH(QString, text);
        QFETCH(QString, result);
        QCOMPARE(MoveFirstWord(text), result);
    }

    void duplicateWarnings_data() {
        QTest::addColumn<bool>("check");
        QTest::addColumn<QList<bool>>("answers");
        QTest::addColumn<int>("warnings");
        QTest::addColumn<bool>("renamed");
        QTest::newRow("check off") << false << QList<bool>{} << 0 << true;
        QTest::newRow("Yes to both") << true << QList<bool>{true, true} << 2 << true;
        QTest::newRow("No at the second") << true << QList<bool>{true, false} << 2 << false;
        QTest::newRow("No at the first") << true << QList<bool>{false} << 1 << false;
    }
    void duplicateWarnings() {
        QFETCH(bool, check);
        QFETCH(QList<bool>, answers);
        QFETCH(int, warnings);
        QFETCH(bool, renamed);
        duplicateLibrary();
        const QString a = folder(QStringLiteral("a"));
        const QByteArray bytes = ReadAll(a + "a.zuf");
        ScriptedDialogs dialogs;
        dialogs.warnAnswers = answers;

        QCOMPARE(RenameFile(dialogs, check ? m_list.get() : nullptr, m_current.currentPath,
                            QStringLiteral("song.zuf"), a),
                 renamed);

        QCOMPARE(dialogs.warnings.size(), warnings);
        const QStringList expected{
            DuplicateNameText(QStringLiteral("Song.zuf"), folder(QStringLiteral("b"))),
            DuplicateNameText(QStringLiteral("SONG.zuf"), folder(QStringLiteral("c")))};
        for (int i = 0; i < warnings; ++i)
            QCOMPARE(dialogs.warnings[i], expected[i]);
        QCOMPARE(QFile::exists(a + "song.zuf"), renamed);
        QCOMPARE(QFile::exists(a + "a.zuf"), !renamed);
        QCOMPARE(ReadAll(a + (renamed ? "song.zuf" : "a.zuf")), bytes);
        QVERIFY(dialogs.fileErrors.isEmpty());
    }

    void ownRowNeverCounts() {
        duplicateLibrary();
        const QString b = folder(QStringLiteral("b"));
        m_current = FileOfRow(*m_list, 1); // b/Song.zuf
        ScriptedDialogs dialogs;
        dialogs.warnAnswers = {true};
        QVERIFY(RenameFile(dialogs, m_list.get(), m_current.currentPath, QStringLiteral("song.zuf"),
                           b));
        QCOMPARE(dialogs.warnings, QStringList{DuplicateNameText(QStringLiteral("SONG.zuf"),
                                                                 folder(QStringLiteral("c")))});
        QVERIFY(QFile::exists(b + "song.zuf"));
    }

    void caseOnlyChangeRaisesNoWarning() {
        duplicateLibrary();
        const QString a = folder(QStringLiteral("a"));
        ScriptedDialogs dialogs;
        QVERIFY(
            RenameFile(dialogs, m_list.get(), m_current.currentPath, QStringLiteral("A.zuf"), a));
        QVERIFY(dialogs.warnings.isEmpty());
        QVERIFY(QFile::exists(a + "A.zuf"));
    }

    void nameLeavingTheFolderIsRefused_data() {
        QTest::addColumn<QString>("name");
        QTest::newRow("separator") << QString(QStringLiteral("sub") + FolderSeparator() + "x.zuf");
        QTest::newRow("parent") << QString(QStringLiteral("..") + FolderSeparator() + "x.zuf");
        QTest::newRow("slash") << "sub/x.zuf";
        QTest::newRow("NUL") << QString(QStringLiteral("x") + QChar() + QStringLiteral(".zuf"));
    }
    void nameLeavingTheFolderIsRefused() {
        QFETCH(QString, name);
        duplicateLibrary();
        const QString a = folder(QStringLiteral("a"));
        QDir().mkpath(a + "sub");
        const Snapshot before = TakeSnapshot(m_dir.path());
        ScriptedDialogs dialogs;

        QVERIFY(!RenameFile(dialogs, m_list.get(), m_current.currentPath, name, a));

        QCOMPARE(dialogs.messages, QStringList{NameRefusedText(name)});
        QVERIFY(dialogs.fileErrors.isEmpty());
        QCOMPARE(TakeSnapshot(m_dir.path()), before);
    }

    void endLabelEdit_data() {
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("accepted");
        QTest::addColumn<QString>("rowName");
        QTest::newRow("renamed") << 0 << "new.zuf" << true << "new.zuf";
        QTest::newRow("cancelled edit") << 0 << "" << false << "a.zuf";
        QTest::newRow("onto another file") << 0 << "other.zuf" << false << "a.zuf";
        QTest::newRow("no such row") << 7 << "new.zuf" << false << "a.zuf";
        QTest::newRow("no row") << -1 << "new.zuf" << false << "a.zuf";
    }
    void endLabelEdit() {
        QFETCH(int, row);
        QFETCH(QString, name);
        QFETCH(bool, accepted);
        QFETCH(QString, rowName);
        duplicateLibrary();
        const Snapshot before = TakeSnapshot(m_dir.path());
        ScriptedDialogs dialogs;

        QCOMPARE(EndLabelEdit(*m_list, row, name, false, dialogs, dialogs.undo), accepted);

        QCOMPARE(m_list->entryAt(0)->name, rowName);
        if (accepted) {
            QVERIFY(QFile::exists(folder(QStringLiteral("a")) + name));
        } else {
            QCOMPARE(TakeSnapshot(m_dir.path()), before);
        }
        QCOMPARE(dialogs.fileErrors.size(), name == "other.zuf" ? 1 : 0);
        QVERIFY(dialogs.messages.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestRename)
#include "tst_rename.moc"
