// zuflist --set-info, run as the program itself: one line per file, the exit status, and every
// byte of the files afterwards.

#include "tests/fileops/file_test_support.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

using namespace test_support;

class TestZuflistSetInfo : public QObject {
    Q_OBJECT
    QTemporaryDir m_dir;

    // older.zuf (older generation), newer.zuf (newer), text.zuf (not a ZUF file); missing.zuf
    // is named but not there.
    QMap<QString, QByteArray> writeFiles() {
        SampleFile older;
        older.title = QStringLiteral("Air");
        older.subtitle = QStringLiteral("Anon");
        older.comments = QStringLiteral("old");
        SampleFile newer = SampleFile::newer();
        newer.title = QStringLiteral("Newer");
        const QMap<QString, QByteArray> files{{"older.zuf", BuildSampleFile(older)},
                                              {"newer.zuf", BuildSampleFile(newer)},
                                              {"text.zuf", QByteArray(400, 't')}};
        for (auto it = files.begin(); it != files.end(); ++it)
            WriteSampleFile(m_dir.path() + u'/' + it.key(), it.value());
        return files;
    }

private slots:
    void initTestCase() { QVERIFY(m_dir.isValid()); }

    void setInfo_data() {
        QTest::addColumn<QStringList>("values"); // each after a --set-info
        QTest::addColumn<QStringList>("files");
        QTest::addColumn<QStringList>("lines"); // "name word"; MISSING: the system's text
        QTest::addColumn<int>("status");
        QTest::addColumn<QByteArray>("block"); // older.zuf's; empty: untouched
        QTest::newRow("author set, the rest kept")
            << QStringList{"author=Bach"}
            << QStringList{"older.zuf", "newer.zuf", "text.zuf", "missing.zuf"}
            << QStringList{"older.zuf written", "newer.zuf newer generation",
                           "text.zuf bad or empty", "missing.zuf MISSING"}
            << 1 << Block("Air", "Bach", "old");
        QTest::newRow("all three fields, LF in the comments, any case")
            << QStringList{"TITLE=Largo", "subtitle=Handel", "comments=one\ntwo"}
            << QStringList{"older.zuf"} << QStringList{"older.zuf written"} << 0
            << Block("Largo", "Handel", "one\r\ntwo");
        QTest::newRow("an empty text clears")
            << QStringList{"comments="} << QStringList{"older.zuf"}
            << QStringList{"older.zuf written"} << 0 << Block("Air", "Anon", "");
        QTest::newRow("the texts it holds already")
            << QStringList{"title=Air"} << QStringList{"older.zuf"}
            << QStringList{"older.zuf unchanged"} << 0 << QByteArray();
        QTest::newRow("an unknown field") << QStringList{"colour=red"} << QStringList{"older.zuf"}
                                          << QStringList{} << 2 << QByteArray();
        QTest::newRow("a field twice")
            << QStringList{"author=A", "subtitle=B"} << QStringList{"older.zuf"} << QStringList{}
            << 2 << QByteArray();
        QTest::newRow("no file") << QStringList{"author=A"} << QStringList{} << QStringList{} << 2
                                 << QByteArray();
    }
    void setInfo() {
        QFETCH(QStringList, values);
        QFETCH(QStringList, files);
        QFETCH(QStringList, lines);
        QFETCH(int, status);
        QFETCH(QByteArray, block);
        const QMap<QString, QByteArray> before = writeFiles();
        QStringList args;
        for (const QString& value : values)
            args << QStringLiteral("--set-info") << value;
        QProcess process;
        process.setWorkingDirectory(m_dir.path());
        process.start(QStringLiteral(ZUFLIST_PATH), args + files);
        QVERIFY(process.waitForFinished(60000));

        QCOMPARE(process.exitCode(), status);
        QStringList shown =
            QString::fromUtf8(process.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts);
        shown.replaceInStrings(QStringLiteral("\t"), QStringLiteral(" "));
        lines.replaceInStrings(QStringLiteral("MISSING"), SystemErrorText(NoFileError));
        QCOMPARE(shown, lines);
        for (auto it = before.begin(); it != before.end(); ++it) {
            const QByteArray after = ReadAll(m_dir.path() + u'/' + it.key());
            const bool written = it.key() == u"older.zuf" && !block.isEmpty();
            QCOMPARE(after.left(200), written ? block : it.value().left(200));
            QCOMPARE(after.mid(200), it.value().mid(200));
        }
    }
};

QTEST_GUILESS_MAIN(TestZuflistSetInfo)
#include "tst_zuflist_set_info.moc"
