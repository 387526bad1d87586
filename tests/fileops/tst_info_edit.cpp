// Saving the information block: which files may take it, the bytes written and left alone,
// and the row that follows.

#include "file_test_support.h"

#include "fileops/info_edit.h"

#include <QTemporaryDir>
#include <QtTest>

using namespace test_support;

class TestInfoEdit : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    QString m_work;
    std::unique_ptr<Session> m_s; // the list the save writes into

    InfoSaveResult save(int row, FileSummary& current, const InfoTexts& texts,
                        ScriptedDialogs& dialogs) {
        return SaveInfoTexts(m_s->list, row, current, texts, dialogs, dialogs.undo, m_s->window);
    }

private slots:
    void init() {
        m_work = FreshLibraryFolder(m_dir.path(), 2);
        QVERIFY(!m_work.isEmpty());
        m_s = LoadSession(m_work, 2);
    }

    void saveWritesTheBlockAndTheRowFollows() {
        const QString path = m_work + NameOf(1);
        const QByteArray before = ReadAll(path);
        FileSummary current = LoadInfoFile(m_s->list, 1);
        QVERIFY(InfoSaveAllowed(current));
        ScriptedDialogs dialogs;
        const QString title = QStringLiteral("Caf\u00e9 ") + QString(200, u'x');

        QCOMPARE(
            save(1, current, {title, QStringLiteral("Sub"), QStringLiteral("Notes\n2")}, dialogs),
            InfoSaveResult::Saved);

        const QByteArray after = ReadAll(path);
        QCOMPARE(after.size(), before.size());
        QByteArray block = QByteArray("Caf\xe9 ") + QByteArray(192, 'x');
        block.append('\0');
        block.resize(200, '\0');
        QCOMPARE(after.left(200), block);
        QCOMPARE(after.mid(200), before.mid(200));
        const Entry* row = m_s->list.entryAt(1);
        QCOMPARE(row->title, title.left(197));
        QCOMPARE(row->subtitle, QString());
        QCOMPARE(row->comments, QString());
        QCOMPARE(m_s->list.entryAt(0)->title, TitleOf(0));
        QVERIFY(dialogs.fileErrors.isEmpty() && dialogs.messages.isEmpty());
    }

    void threeTextsAreReadBack() {
        FileSummary current = LoadInfoFile(m_s->list, 0);
        ScriptedDialogs dialogs;
        QCOMPARE(save(0, current,
                      {QStringLiteral("T"), QStringLiteral("S"), QStringLiteral("C1\nC2")},
                      dialogs),
                 InfoSaveResult::Saved);
        const FileSummary read = LoadInfoFile(m_s->list, 0);
        QCOMPARE(read.title.text(), QStringLiteral("T"));
        QCOMPARE(read.subtitle.text(), QStringLiteral("S"));
        QCOMPARE(read.comments.text(), QStringLiteral("C1\r\nC2"));
        QCOMPARE(m_s->list.entryAt(0)->comments, QStringLiteral("C1\r\nC2"));
    }

    void whoMayBeSaved_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("allowed");
        SampleFile older;
        older.title = QStringLiteral("Older");
        SampleFile generation9 = older;
        generation9.generation = 9;
        SampleFile newer = SampleFile::newer();
        newer.title = QStringLiteral("Newer");
        QByteArray olderLayoutLateGeneration = BuildSampleFile(older);
        PutU8(olderLayoutLateGeneration, 204, 5);
        PutU8(olderLayoutLateGeneration, 205, 12);
        QTest::newRow("older generation") << BuildSampleFile(older) << true;
        QTest::newRow("generation 9") << BuildSampleFile(generation9) << true;
        QTest::newRow("newer generation") << BuildSampleFile(newer) << false;
        QTest::newRow("older layout, generation 12") << olderLayoutLateGeneration << false;
        QTest::newRow("a text file") << QByteArray(3000, 'a') << false;
        QTest::newRow("empty") << QByteArray() << false;
    }
    void whoMayBeSaved() {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, allowed);
        const QString path = m_work + NameOf(0);
        QVERIFY(WriteSampleFile(path, bytes));
        m_s->list.editEntry(0)->isBad = 1; // an old verdict does not count: the file is read anew
        FileSummary current = LoadInfoFile(m_s->list, 0);
        QCOMPARE(InfoSaveAllowed(current), allowed);
        ScriptedDialogs dialogs;
        const InfoSaveResult result = save(0, current, {QStringLiteral("X"), {}, {}}, dialogs);
        QCOMPARE(result, allowed ? InfoSaveResult::Saved : InfoSaveResult::Refused);
        if (!allowed)
            QCOMPARE(ReadAll(path), bytes);
    }
};

QTEST_GUILESS_MAIN(TestInfoEdit)
#include "tst_info_edit.moc"
