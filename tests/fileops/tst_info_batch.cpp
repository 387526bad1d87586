// The information of many files at once: the texts the rows share, each field's edit on each
// file's own bytes, which files may be written, and the save of a batch with its rows.

#include "file_test_support.h"

#include "fileops/info_batch.h"
#include "info/text_case.h"

#include <QTemporaryDir>
#include <QtTest>

using namespace test_support;

namespace {

// A field's edit, written short: "" keeps, "=text" sets the text ("=" clears), "*" and then
// U, L, W or Q keeps with the tools ABC, abc, Abc and the quote remover in that order.
FieldEdit EditOf(const QString& shorthand) {
    FieldEdit edit;
    if (shorthand.startsWith(u'='))
        return FieldEdit::set(shorthand.mid(1));
    for (const QChar c : shorthand.mid(1))
        edit.tools.push_back(c == u'U'   ? CaseUpper
                             : c == u'L' ? CaseLower
                             : c == u'W' ? CaseWords
                                         : QuoteTool);
    return edit;
}

InfoEdit EditOf(const QString& title, const QString& subtitle, const QString& comments) {
    return {EditOf(title), EditOf(subtitle), EditOf(comments)};
}

} // namespace

class TestInfoBatch : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    QString m_work;
    std::unique_ptr<Session> m_s;

private slots:
    void init() {
        m_work = FreshLibraryFolder(m_dir.path(), 4);
        QVERIFY(!m_work.isEmpty());
        m_s = LoadSession(m_work, 4);
    }

    // Each row: the three texts of rows 0 to 2 ("|" between them) and whether row 2 is bad.
    void sharedTexts_data() {
        QTest::addColumn<QStringList>("rows");
        QTest::addColumn<bool>("thirdBad");
        QTest::addColumn<QStringList>("shared"); // per field the text, or "*" where they differ
        QTest::addColumn<int>("files");
        QTest::newRow("all the same")
            << QStringList{"A|B|C", "A|B|C", "A|B|C"} << false << QStringList{"A", "B", "C"} << 3;
        QTest::newRow("the last one differs")
            << QStringList{"A|B|C", "A|B|C", "A|X|C"} << false << QStringList{"A", "*", "C"} << 3;
        QTest::newRow("the first one differs, and the middle one")
            << QStringList{"X|B|C", "A|Y|C", "A|B|C"} << false << QStringList{"*", "*", "C"} << 3;
        QTest::newRow("a bad row is left out") << QStringList{"A|B|C", "A|B|C", "Bad ZUF File||"}
                                               << true << QStringList{"A", "B", "C"} << 2;
    }
    void sharedTexts() {
        QFETCH(QStringList, rows);
        QFETCH(bool, thirdBad);
        QFETCH(QStringList, shared);
        QFETCH(int, files);
        for (int row = 0; row < 3; ++row) {
            const QStringList texts = rows[row].split(u'|');
            Entry* entry = m_s->list.editEntry(row);
            entry->title = texts[0];
            entry->subtitle = texts[1];
            entry->comments = texts[2];
            entry->isBad = row == 2 && thirdBad;
        }
        const SharedInfo info = SharedInfoOfRows(m_s->list, {0, 1, 2});
        QCOMPARE(info.fileCount, files);
        for (int field = 0; field < InfoFieldCount; ++field) {
            const SharedField& one = info.fields[size_t(field)];
            QCOMPARE(one.same ? one.text : QStringLiteral("*"), shared[field]);
        }
    }

    // The block the edit makes of a file's own block: kept texts keep their bytes, even where
    // the row's decoded text would be shorter; set texts replace them; all three are cut as the
    // single save cuts them; the tools of a kept field work on each file's own text.
    void editedBlock_data() {
        QTest::addColumn<QByteArray>("own"); // the file's block
        QTest::addColumn<QStringList>("edit");
        QTest::addColumn<QByteArray>("expected");
        const QByteArray accents(120, '\xe9'); // 240 bytes of UTF-8: the row holds fewer
        QTest::newRow("all kept, bytes as they are")
            << Block(accents, "Bach", "x\r\ny") << QStringList{"", "", ""}
            << Block(accents, "Bach", "x\r\ny");
        QTest::newRow("author set, the rest kept")
            << Block("Air", "Anon", "c") << QStringList{"", "=Bach", ""}
            << Block("Air", "Bach", "c");
        QTest::newRow("comments cleared")
            << Block("Air", "Anon", "c") << QStringList{"", "", "="} << Block("Air", "Anon", "");
        QTest::newRow("comments set: CR LF in the block")
            << Block("Air", "", "") << QStringList{"", "", "=one\ntwo"}
            << Block("Air", "", "one\r\ntwo");
        QTest::newRow("a long title cuts the kept subtitle")
            << Block("t", QByteArray(60, 's'), "c") << QStringList{"=" + QString(150, u'T'), "", ""}
            << Block(QByteArray(150, 'T'), QByteArray(47, 's'), "");
        QTest::newRow("ABC, then Abc on each file's own title")
            << Block("it's a 3rd-rate SONG", "", "") << QStringList{"*UW", "", ""}
            << Block("It'S A 3Rd-Rate Song", "", "");
        QTest::newRow("ABC then the quotes; a letter without a capital stays")
            << Block("\"blue\" moon \xb5\xe9", "", "") << QStringList{"*UQ", "", ""}
            << Block("BLUE MOON \xb5\xc9", "", "");
    }
    void editedBlock() {
        QFETCH(QByteArray, own);
        QFETCH(QStringList, edit);
        QFETCH(QByteArray, expected);
        QCOMPARE(EditedInfoBlock(own, EditOf(edit[0], edit[1], edit[2])), expected);
    }

    // Which files a save may write, checked without a change and saved: the same verdict,
    // and a file refused keeps every byte.
    void whoIsWritten_data() {
        QTest::addColumn<QByteArray>("bytes"); // empty: no file at all
        QTest::addColumn<int>("state");
        SampleFile older;
        older.title = QStringLiteral("Older");
        QByteArray lateGeneration = BuildSampleFile(older);
        PutU8(lateGeneration, 204, 5);
        PutU8(lateGeneration, 205, 12);
        QByteArray damaged = BuildSampleFile(older);
        damaged.truncate(230);
        QTest::newRow("older generation") << BuildSampleFile(older) << int(InfoFileState::Written);
        QTest::newRow("newer generation")
            << BuildSampleFile(SampleFile::newer()) << int(InfoFileState::Newer);
        QTest::newRow("older layout, generation 12") << lateGeneration << int(InfoFileState::Newer);
        QTest::newRow("damaged") << damaged << int(InfoFileState::Bad);
        QTest::newRow("a text file") << QByteArray(3000, 'a') << int(InfoFileState::Bad);
        QTest::newRow("missing") << QByteArray() << int(InfoFileState::Failed);
    }
    void whoIsWritten() {
        QFETCH(QByteArray, bytes);
        QFETCH(int, state);
        const QString path = m_work + QStringLiteral("x.zuf");
        if (!bytes.isEmpty())
            QVERIFY(WriteSampleFile(path, bytes));
        const InfoEdit edit = EditOf("=New", "", "");

        const InfoFileStatus checked = CheckInfoFileState(path);
        const InfoFileSave saved = SaveInfoFile(path, edit);

        QCOMPARE(int(saved.status.state), state);
        QCOMPARE(checked.state, state == int(InfoFileState::Written) ? InfoFileState::Writable
                                                                     : saved.status.state);
        if (state == int(InfoFileState::Failed))
            QCOMPARE(saved.status.error, NoFileError);
        if (state != int(InfoFileState::Written)) {
            QCOMPARE(ReadAll(path), bytes);
            return;
        }
        const QByteArray after = ReadAll(path);
        QCOMPARE(after.left(200), Block("New", "", ""));
        QCOMPARE(after.mid(200), bytes.mid(200));
        QCOMPARE(saved.oldBlock, bytes.left(200));
        QCOMPARE(saved.stamp, StampOf(path));
    }

    void readOnlyFileIsNamed() {
        const QString path = m_work + NameOf(0);
        QFile::setPermissions(path, QFileDevice::ReadOwner);
        if (QFileInfo(path).isWritable())
            QSKIP("a read-only file stays writable for this user (the superuser)");
        const QByteArray before = ReadAll(path);
        QCOMPARE(CheckInfoFileState(path).state, InfoFileState::ReadOnly);
        // The refusal carries the system's own code: EACCES, or on Windows the access error.
        const InfoFileStatus refused = SaveInfoFile(path, EditOf("=New", "", "")).status;
        if (refused.state == InfoFileState::Written) // Wine run by the superuser does
            QSKIP("this system let the read-only file be written");
        QCOMPARE(refused.state, InfoFileState::Failed);
        QVERIFY(refused.error != 0);
        QCOMPARE(ReadAll(path), before);
    }

    // A file whose block already holds the texts is not written: its time stays.
    void unchangedFileIsLeftAlone() {
        const QString path = m_work + NameOf(2);
        const QDateTime time = ModifiedTime(path);
        const InfoFileSave saved = SaveInfoFile(path, EditOf("=" + TitleOf(2), "", ""));
        QCOMPARE(saved.status.state, InfoFileState::Unchanged);
        QCOMPARE(ModifiedTime(path), time);
    }

    // The batch: every writable file written, the others named with their reasons, the rows
    // of the written ones showing their new texts, and one undo record for all of them. A stop
    // keeps what was written.
    void batch_data() {
        QTest::addColumn<int>("stopAt");
        QTest::addColumn<int>("written");
        QTest::newRow("to the end") << -1 << 3;
        QTest::newRow("stopped before the third file") << 2 << 1;
    }
    void batch() {
        QFETCH(int, stopAt);
        QFETCH(int, written);
        SampleFile newer = SampleFile::newer();
        newer.title = QStringLiteral("Newer");
        QVERIFY(WriteSampleFile(m_work + NameOf(1), newer));
        const Snapshot before = TakeSnapshot(m_work);
        std::vector<InfoRowEdit> edits;
        for (const int row : {0, 1, 2, 3})
            edits.push_back({row, EditOf("", "=Bach", "*U")});
        UndoRecord undo;
        QList<int> asked;

        const InfoBatchResult result =
            SaveInfoBatch(m_s->list, edits, undo, [&](int done, int total, const QString&) {
                asked << done;
                return total == 4 && done != stopAt;
            });

        QCOMPARE(result.written, written);
        QCOMPARE(result.cancelled, stopAt >= 0);
        QCOMPARE(result.failures,
                 QStringList{m_work + NameOf(1) + QStringLiteral(": newer generation")});
        QCOMPARE(asked, stopAt < 0 ? (QList<int>{0, 1, 2, 3}) : (QList<int>{0, 1, 2}));
        QCOMPARE(int(undo.steps.size()), written);
        const Snapshot after = TakeSnapshot(m_work);
        QCOMPARE(after.value(NameOf(1)), before.value(NameOf(1)));
        for (const int i : {0, 2, 3}) {
            const bool done = stopAt < 0 || i < stopAt;
            const QByteArray comments = QStringLiteral("COMMENTS %1").arg(i).toLatin1();
            QCOMPARE(after.value(NameOf(i)).left(200),
                     done ? Block(TitleOf(i).toLatin1(), "Bach", comments)
                          : before.value(NameOf(i)).left(200));
            QCOMPARE(after.value(NameOf(i)).mid(200), before.value(NameOf(i)).mid(200));
            QCOMPARE(m_s->list.entryAt(i)->subtitle,
                     done ? QStringLiteral("Bach") : QStringLiteral("Author %1").arg(i));
        }
        QCOMPARE(m_s->list.entryAt(1)->subtitle, QStringLiteral("Author 1"));
    }
};

QTEST_GUILESS_MAIN(TestInfoBatch)
#include "tst_info_batch.moc"
