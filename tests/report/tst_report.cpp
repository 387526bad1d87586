#include "catalogue/catalogue_model.h"
#include "catalogue/columns.h"
#include "platform/native_file.h"
#include "report/report.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#ifdef Q_OS_LINUX
#include <csignal>
#include <sys/resource.h>
#endif

// song.zuf in /music/, 1234 bytes, a title with a quoted word, a six-string tuning.
static Entry Song() {
    Entry e;
    e.name = QStringLiteral("song.zuf");
    e.folder = QStringLiteral("/music/");
    e.lastWriteTime = 1580515200000; // 2020-02-01 00:00 UTC
    e.size = 1234;
    e.title = QStringLiteral("Blue \"Moon\"");
    e.subtitle = QStringLiteral("Me");
    e.comments = QStringLiteral("not reported");
    e.tuning = {32, 15, 22, 17, 13, 20, 0, 0, 0, 0, 0, 0}; // E A D G B E, shown high to low
    return e;
}

static Entry WithTitle(int length) {
    Entry e = Song();
    e.title = QString(length, u't');
    return e;
}

class TestReport : public QObject {
    Q_OBJECT
private slots:
    void fields_data() {
        const Entry e = Song();
        const QByteArray date = FormatEntryDate(e.lastWriteTime).toLatin1();
        const QByteArray tuning = FormatTuning(e.tuning).toLatin1();
        QTest::addColumn<int>("flags");
        QTest::addColumn<QByteArray>("line");
        QTest::newRow("no field") << 0x0000 << QByteArray("\r\n");
        QTest::newRow("name") << 0x0001 << QByteArray("song.zuf\t\r\n");
        QTest::newRow("folder") << 0x0002 << QByteArray("/music/\t\r\n");
        QTest::newRow("date") << 0x0004 << date + "\t\r\n";
        QTest::newRow("size") << 0x0008 << QByteArray("1234\t\r\n");
        QTest::newRow("title") << 0x0010 << QByteArray("Blue Moon\t\r\n");
        QTest::newRow("author") << 0x0020 << QByteArray("Me\t\r\n");
        QTest::newRow("full path alone") << 0x0040 << QByteArray("\r\n");
        QTest::newRow("tuning") << 0x0080 << tuning + "\t\r\n";
        QTest::newRow("full path") << 0x0043 << QByteArray("/music/song.zuf\t\r\n");
        QTest::newRow("full path without name") << 0x0042 << QByteArray("/music/\t\r\n");
        QTest::newRow("full path without folder") << 0x0041 << QByteArray("song.zuf\t\r\n");
        QTest::newRow("target bit ignored") << 0x8001 << QByteArray("song.zuf\t\r\n");
        QTest::newRow("default") << 0x00BF
                                 << "/music/\tsong.zuf\t" + date + "\t1234\tBlue Moon\tMe\t" +
                                        tuning + "\t\r\n";
        QTest::newRow("all") << 0x00FF
                             << "/music/song.zuf\t" + date + "\t1234\tBlue Moon\tMe\t" + tuning +
                                    "\t\r\n";
    }
    void fields() {
        QFETCH(int, flags);
        QFETCH(QByteArray, line);
        QCOMPARE(ReportLine(Song(), quint16(flags)), line);
        QCOMPARE(ReportLine(Song(), quint16(flags), ReportEncoding::Utf8), line);
    }

    void largeSize() {
        Entry e = Song();
        e.size = 3000000000u;
        QCOMPARE(ReportLine(e, ReportSize), QByteArray("3000000000\t\r\n"));
    }

    void cleaning_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("cleaned");
        QTest::newRow("plain") << "Greensleeves"
                               << "Greensleeves";
        QTest::newRow("tab") << "a\tb"
                             << "a b";
        QTest::newRow("line break") << "line\r\nbreak"
                                    << "line  break";
        QTest::newRow("quotes") << "say \"hi\""
                                << "say hi";
        QTest::newRow("only quotes") << "\"\""
                                     << "";
        QTest::newRow("all kinds") << "\"x\"\t\n\""
                                   << "x  ";
        QTest::newRow("ends at NUL") << QString(QStringLiteral("ab") + QChar(0) + u'c') << "ab";
    }
    // Names and folders are cleaned as the texts are: a tab or line break in a file name would
    // otherwise shift the columns or split the line.
    void cleaning() {
        QFETCH(QString, text);
        QFETCH(QString, cleaned);
        QCOMPARE(CleanReportField(text), cleaned);
        Entry e = Song();
        e.subtitle = text;
        e.name = text;
        e.folder = text;
        const QByteArray field = cleaned.toLatin1() + "\t";
        QCOMPARE(ReportLine(e, ReportAuthor), field + "\r\n");
        QCOMPARE(ReportLine(e, ReportName | ReportFolder, ReportEncoding::Utf8),
                 field + field + "\r\n");
    }

    void codePage_data() {
        QTest::addColumn<QString>("title");
        QTest::addColumn<QByteArray>("cp1252");
        QTest::addColumn<QByteArray>("utf8");
        QTest::newRow("latin") << QStringLiteral("Café ü") << QByteArray("Caf\xe9 \xfc")
                               << QByteArray("Caf\xc3\xa9 \xc3\xbc");
        QTest::newRow("upper half") << QStringLiteral("€–…") << QByteArray("\x80\x96\x85")
                                    << QByteArray("\xe2\x82\xac\xe2\x80\x93\xe2\x80\xa6");
        QTest::newRow("outside") << QStringLiteral("漢字") << QByteArray("??")
                                 << QByteArray("\xe6\xbc\xa2\xe5\xad\x97");
        QTest::newRow("surrogate pair") << QStringLiteral("a\U0001F3B8b") << QByteArray("a?b")
                                        << QByteArray("a\xf0\x9f\x8e\xb8"
                                                      "b");
    }
    void codePage() {
        QFETCH(QString, title);
        QFETCH(QByteArray, cp1252);
        QFETCH(QByteArray, utf8);
        Entry e = Song();
        e.title = title;
        QCOMPARE(ReportLine(e, ReportTitle), cp1252 + "\t\r\n");
        QCOMPARE(ReportLine(e, ReportTitle, ReportEncoding::Utf8), utf8 + "\t\r\n");
    }

    void undecodableName() {
#ifdef Q_OS_WIN
        QSKIP("file names are UTF-16 on Windows");
#else
        Entry e = Song();
        e.folder = DecodeFileName(QByteArray("/m\xe9lodies/"));
        e.name = DecodeFileName(QByteArray("caf\xe9.zuf"));
        // The listing prints the names' own bytes; the code page has no such characters.
        QCOMPARE(ReportLine(e, 0x43, ReportEncoding::Utf8),
                 QByteArray("/m\xe9lodies/caf\xe9.zuf\t\r\n"));
        QCOMPARE(ReportLine(e, 0x43), QByteArray("/m?lodies/caf?.zuf\t\r\n"));
#endif
    }

    void clipboardLimit_data() {
        // Each title of length n gives a line of n + 3 bytes with the title bit alone.
        QTest::addColumn<QList<int>>("titles");
        QTest::addColumn<int>("written");
        QTest::addColumn<int>("leftOut");
        const QList<int> full(1042, 500); // 1042 lines of 503 bytes: 524126 of 524287
        QTest::newRow("fits") << full << 1042 << 0;
        QTest::newRow("one more line") << full + QList<int>{500} << 1042 << 1;
        QTest::newRow("exactly full") << full + QList<int>{158} << 1043 << 0;
        QTest::newRow("one byte over") << full + QList<int>{159} << 1042 << 1;
        QTest::newRow("nothing after the first left out")
            << full + QList<int>{500, 0, 1} << 1042 << 3;
        QTest::newRow("no rows") << QList<int>() << 0 << 0;
    }
    void clipboardLimit() {
        QFETCH(QList<int>, titles);
        QFETCH(int, written);
        QFETCH(int, leftOut);
        std::vector<Entry> entries;
        for (int n : titles)
            entries.push_back(WithTitle(n));
        std::vector<const Entry*> rows;
        for (const Entry& e : entries)
            rows.push_back(&e);

        const ReportText clip = CreateReportText(rows, ReportTitle);
        QCOMPARE(clip.rowsWritten, written);
        QCOMPARE(clip.rowsLeftOut, leftOut);
        QVERIFY(clip.bytes.size() <= ReportClipboardLimit);
        // Whole lines only: the text is exactly the first rows' lines.
        QByteArray expected;
        for (int i = 0; i < written; ++i)
            expected += ReportLine(entries[i], ReportTitle);
        QCOMPARE(clip.bytes, expected);

        // A file takes every row.
        const ReportText file = CreateReportText(rows, ReportTitle | ReportToFile);
        QCOMPARE(file.rowsWritten, int(rows.size()));
        QCOMPARE(file.rowsLeftOut, 0);
        QCOMPARE(file.bytes.count("\r\n"), qsizetype(rows.size()));
    }

    void selectedRowsInListOrder() {
        CatalogueModel list;
        for (int i = 0; i < 4; ++i) {
            Entry e = Song();
            e.name = QStringLiteral("%1.zuf").arg(i);
            list.insertEntry(i, e, StateNormal);
        }
        list.selectAndFocus(3);
        list.selectAndFocus(1);
        const ReportText report = CreateReportText(SelectedReportRows(list), ReportName);
        QCOMPARE(report.bytes, QByteArray("1.zuf\t\r\n3.zuf\t\r\n"));
        list.clearSelectionAndFocus();
        QVERIFY(SelectedReportRows(list).empty());
    }

    void writeFile() {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString path = dir.filePath(QStringLiteral("zuflist.txt"));
        {
            QFile old(path); // a longer file is replaced, not overwritten in part
            QVERIFY(old.open(QIODevice::WriteOnly));
            old.write(QByteArray(100, 'x'));
        }
        const QByteArray bytes = ReportLine(Song(), 0x00BF);
        QCOMPARE(WriteReportFile(path, bytes), QString());
        {
            QFile back(path); // closed again: Windows replaces no file that is open elsewhere
            QVERIFY(back.open(QIODevice::ReadOnly));
            QCOMPARE(back.readAll(), bytes);
        }

        // No rows: an empty file is created.
        QCOMPARE(WriteReportFile(path, QByteArray()), QString());
        QCOMPARE(QFileInfo(path).size(), 0);
    }

    void unwritableFile_data() {
        QTest::addColumn<QString>("path");
        QTest::newRow("missing folder") << QDir::tempPath() + "/no-such-folder-h3/zuflist.txt";
        QTest::newRow("a folder") << QDir::tempPath();
        QTest::newRow("empty path") << QString();
#ifdef Q_OS_LINUX
        // Opens, but every write fails: the file is not reported as created.
        QTest::newRow("device full") << QStringLiteral("/dev/full");
#endif
    }
    void unwritableFile() {
        QFETCH(QString, path);
        const QString error = WriteReportFile(path, ReportLine(Song(), 0x00BF));
        QVERIFY(!error.isEmpty());
        if (path.contains(QLatin1String("no-such-folder")))
            QVERIFY(!QFile::exists(path));
    }

#ifdef Q_OS_LINUX
    // A report that cannot be written completely leaves an existing file as it was and no
    // half-written file behind. A file size limit makes every write past 10 bytes fail.
    void failedReplaceKeepsOldFile_data() {
        QTest::addColumn<bool>("exists");
        QTest::newRow("existing file") << true;
        QTest::newRow("new file") << false;
    }
    void failedReplaceKeepsOldFile() {
        QFETCH(bool, exists);
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString path = dir.filePath(QStringLiteral("zuflist.txt"));
        const QByteArray old(100, 'x');
        if (exists) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(old);
        }
        struct rlimit saved {};
        QCOMPARE(getrlimit(RLIMIT_FSIZE, &saved), 0);
        struct rlimit small = saved;
        small.rlim_cur = 10;
        const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        QCOMPARE(setrlimit(RLIMIT_FSIZE, &small), 0);
        const QString error = WriteReportFile(path, QByteArray(1000, 'r'));
        setrlimit(RLIMIT_FSIZE, &saved);
        std::signal(SIGXFSZ, oldHandler);
        QVERIFY(!error.isEmpty());
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files),
                 exists ? QStringList{QStringLiteral("zuflist.txt")} : QStringList{});
        if (exists) {
            QFile back(path);
            QVERIFY(back.open(QIODevice::ReadOnly));
            QCOMPARE(back.readAll(), old);
        }
    }
#endif
};

QTEST_GUILESS_MAIN(TestReport)
#include "tst_report.moc"
