// zuflist FOLDER: the catalogue as report lines, run as the program itself.

#include "platform/native_file.h"
#include "tools/sample_writer.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

namespace {

struct Run {
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

Run RunList(const QStringList& args, const QString& workingFolder = QString()) {
    QProcess process;
    if (!workingFolder.isEmpty())
        process.setWorkingDirectory(workingFolder);
    process.start(QStringLiteral(ZUFLIST_PATH), args);
    Run run;
    if (!process.waitForFinished(60000))
        return run;
    run.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.out = process.readAllStandardOutput();
    run.err = process.readAllStandardError();
    return run;
}

} // namespace

class TestCatalogueListing : public QObject {
    Q_OBJECT
    QTemporaryDir temp;
    QString root;

    // Writes an older-generation file with the title and subtitle and `extra` bytes of notes,
    // which makes files of different sizes.
    bool write(const QString& relative, const QString& title, const QString& subtitle, int extra) {
        SampleFile file;
        file.title = title;
        file.subtitle = subtitle;
        file.notes = QString(extra, QLatin1Char('n'));
        return WriteSampleFile(root + relative, file);
    }

private slots:
    void initTestCase() {
        QVERIFY(temp.isValid());
        root = temp.path() + QStringLiteral("/Music/");
        QVERIFY(write(QStringLiteral("b.zuf"), QStringLiteral("Blue Moon"),
                      QStringLiteral("Rodgers"), 300));
        QVERIFY(write(QStringLiteral("A.zuf"), QStringLiteral("Autumn"),
                      QStringLiteral("Kosma and his very long name"), 10));
        QVERIFY(write(QStringLiteral("sub/c.tab"), QStringLiteral("Café moon"),
                      QStringLiteral("Tab\tAuthor"), 900));
        QVERIFY(write(QStringLiteral("sub/notes.txt"), QStringLiteral("Moon"), QString(), 0));
    }

    void listing_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QByteArray>("out");
        QTest::addColumn<QByteArray>("err");
        QTest::newRow("names in name order")
            << QStringList{"--fields", "1"} << QByteArray("A.zuf\t\r\nb.zuf\t\r\nc.tab\t\r\n")
            << QByteArray("Total: 3 file(s)\n");
        QTest::newRow("hex mask, title and author cleaned")
            << QStringList{"--fields", "0x31"}
            << QByteArray("A.zuf\tAutumn\tKosma and his very long name\t\r\nb.zuf\tBlue "
                          "Moon\tRodgers\t\r\n"
                          "c.tab\tCaf\xc3\xa9 moon\tTab Author\t\r\n")
            << QByteArray("Total: 3 file(s)\n");
        QTest::newRow("code page 1252")
            << QStringList{"--fields", "0x10", "--cp1252", "--sort", "-title"}
            << QByteArray("Caf\xe9 moon\t\r\nBlue Moon\t\r\nAutumn\t\r\n")
            << QByteArray("Total: 3 file(s)\n");
        QTest::newRow("size descending")
            << QStringList{"--sort", "-size", "--fields", "1"}
            << QByteArray("c.tab\t\r\nb.zuf\t\r\nA.zuf\t\r\n") << QByteArray("Total: 3 file(s)\n");
        QTest::newRow("search: matches first")
            << QStringList{"--search", "MOON", "--fields", "1"}
            << QByteArray("b.zuf\t\r\nc.tab\t\r\nA.zuf\t\r\n") << QByteArray("Found: 2 file(s)\n");
        QTest::newRow("search with case")
            << QStringList{"--search", "Moon", "--case", "--fields", "1"}
            << QByteArray("b.zuf\t\r\nA.zuf\t\r\nc.tab\t\r\n") << QByteArray("Found: 1 file(s)\n");
        QTest::newRow("search words cut at 31 characters") // "autumnkosma and his very long name"
            << QStringList{"--search", "AutumnKosma and his very long nameXXXXXXX", "--fields", "1"}
            << QByteArray("A.zuf\t\r\nb.zuf\t\r\nc.tab\t\r\n") << QByteArray("Found: 1 file(s)\n");
        QTest::newRow("longer words do not match")
            << QStringList{"--search", "utumnKosma and his very long nX", "--fields", "1"}
            << QByteArray("A.zuf\t\r\nb.zuf\t\r\nc.tab\t\r\n") << QByteArray("Found: 0 file(s)\n");
        QTest::newRow("words within 31 characters")
            << QStringList{"--search", "autumnkosma", "--fields", "1", "--sort", "-name"}
            << QByteArray("A.zuf\t\r\nc.tab\t\r\nb.zuf\t\r\n") << QByteArray("Found: 1 file(s)\n");
        QTest::newRow("empty words: filter off")
            << QStringList{"--search", "", "--fields", "1"}
            << QByteArray("A.zuf\t\r\nb.zuf\t\r\nc.tab\t\r\n") << QByteArray("Total: 3 file(s)\n");
    }
    void listing() {
        QFETCH(QStringList, args);
        QFETCH(QByteArray, out);
        QFETCH(QByteArray, err);
        const Run run = RunList(args << root);
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.out, out);
        QCOMPARE(run.err, err);
    }

    void defaultFieldsAndFolder() {
        // Default mask 0x00BF: folder, name, date, size, title, author, tuning; the current
        // directory when no folder is given.
        const Run run = RunList({QStringLiteral("--sort"), QStringLiteral("name")},
                                root + QStringLiteral("sub"));
        QCOMPARE(run.exitCode, 0);
        const QList<QByteArray> lines = run.out.split('\n');
        QCOMPARE(lines.size(), 2); // one line and what follows its end
        const QList<QByteArray> fields = lines[0].split('\t');
        QCOMPARE(fields.size(), 8); // seven fields, each followed by a tab, then CR
        QCOMPARE(fields[0], EncodeFileName(root + QStringLiteral("sub/")));
        QCOMPARE(fields[1], QByteArray("c.tab"));
        QVERIFY(!fields[2].isEmpty()); // the date
        QCOMPARE(fields[4], QByteArray("Caf\xc3\xa9 moon"));
        QCOMPARE(fields[7], QByteArray("\r"));
        QCOMPARE(run.err, QByteArray("Total: 1 file(s)\n"));
    }

    void usageErrors_data() {
        QTest::addColumn<QStringList>("args");
        QTest::newRow("unknown option") << QStringList{"--bogus"};
        QTest::newRow("unknown column") << QStringList{"--sort", "colour"};
        QTest::newRow("sort without column") << QStringList{"--sort"};
        QTest::newRow("bad mask") << QStringList{"--fields", "0xZZ"};
        QTest::newRow("negative mask") << QStringList{"--fields", "-1"};
        QTest::newRow("mask too wide") << QStringList{"--fields", "0x10000"};
        QTest::newRow("two folders") << QStringList{".", "."};
        QTest::newRow("missing folder") << QStringList{"/no/such/folder/at/all"};
    }
    void usageErrors() {
        QFETCH(QStringList, args);
        const Run run = RunList(args, root);
        QCOMPARE(run.exitCode, 2);
        QVERIFY(run.out.isEmpty());
        QVERIFY(run.err.startsWith("zuflist: "));
    }

    void helpDescribesTheCatalogueMode() {
        const Run run = RunList({QStringLiteral("--help")});
        QCOMPARE(run.exitCode, 0);
        QVERIFY(run.out.contains("--sort [-]COLUMN"));
        QVERIFY(run.out.contains("--cp1252"));
    }
};

QTEST_GUILESS_MAIN(TestCatalogueListing)
#include "tst_catalogue_listing.moc"
