// zuflist FOLDER: the catalogue as report lines, run as the program itself.

#include "platform/folder_path.h"
#include "platform/native_file.h"
#include "tools/sample_writer.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#include <unistd.h>
#endif

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

    void cleanupTestCase() {
        // The temporary folder cannot remove the deep tree by itself.
        QProcess::execute(QStringLiteral("rm"), {QStringLiteral("-rf"), temp.path()});
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
        QCOMPARE(fields[0], EncodeFileName(NormalisedFolder(root + QStringLiteral("sub"))));
        QCOMPARE(fields[1], QByteArray("c.tab"));
        QVERIFY(!fields[2].isEmpty()); // the date
        QCOMPARE(fields[4], QByteArray("Caf\xc3\xa9 moon"));
        QCOMPARE(fields[7], QByteArray("\r"));
        QCOMPARE(run.err, QByteArray("Total: 1 file(s)\n"));
    }

    // --format tsv is the report lines as they are without it; an export names every row in
    // list order with its texts as they are (the author's tab kept).
    void formats() {
        const Run plain = RunList({QStringLiteral("--sort"), QStringLiteral("-size"), root});
        const Run tsv = RunList({QStringLiteral("--format"), QStringLiteral("tsv"),
                                 QStringLiteral("--sort"), QStringLiteral("-size"), root});
        QCOMPARE(tsv.exitCode, 0);
        QCOMPARE(tsv.out, plain.out);
        QCOMPARE(tsv.err, plain.err);
        const Run json = RunList({QStringLiteral("--format"), QStringLiteral("json"),
                                  QStringLiteral("--sort"), QStringLiteral("-size"), root});
        QCOMPARE(json.exitCode, 0);
        QJsonParseError error;
        const QJsonArray rows = QJsonDocument::fromJson(json.out, &error).array();
        QCOMPARE(error.error, QJsonParseError::NoError);
        QStringList names;
        for (const QJsonValue& row : rows)
            names << row[QLatin1String("name")].toString();
        QCOMPARE(names, (QStringList{"c.tab", "b.zuf", "A.zuf"}));
        QCOMPARE(rows[0][QLatin1String("author")].toString(), QStringLiteral("Tab\tAuthor"));
        QCOMPARE(json.err, plain.err);
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
        QTest::newRow("unknown format") << QStringList{"--format", "xml"};
        QTest::newRow("export with a mask") << QStringList{"--format", "csv", "--fields", "1"};
        QTest::newRow("export in code page 1252") << QStringList{"--format", "json", "--cp1252"};
    }
    void usageErrors() {
        QFETCH(QStringList, args);
        const Run run = RunList(args, root);
        QCOMPARE(run.exitCode, 2);
        QVERIFY(run.out.isEmpty());
        QVERIFY(run.err.startsWith("zuflist: "));
    }

    // A folder that cannot be read gives no row at all: that is an error, not an empty list.
    void unreadableFolder_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("mode"); // 0: a plain file instead of a folder
        QTest::addColumn<bool>("byPermission");
        QTest::newRow("not a folder") << "file.txt" << 0 << false;
        QTest::newRow("cannot be listed") << "unlistable" << 0300 << true;
        QTest::newRow("cannot be entered") << "unenterable" << 0600 << true;
    }
    void unreadableFolder() {
#ifndef Q_OS_UNIX
        QSKIP("folder permissions are POSIX");
#else
        QFETCH(QString, name);
        QFETCH(int, mode);
        QFETCH(bool, byPermission);
        if (byPermission && ::geteuid() == 0)
            QSKIP("permissions do not hold for root");
        const QString path = temp.path() + u'/' + name;
        if (mode == 0) {
            QVERIFY(WriteSampleFile(path, QByteArray("text")));
        } else {
            QVERIFY(QDir().mkpath(path + QStringLiteral("/inner")));
            QVERIFY(write(QStringLiteral("../") + name + QStringLiteral("/x.zuf"), {}, {}, 0));
            QVERIFY(::chmod(QFile::encodeName(path).constData(), mode_t(mode)) == 0);
        }
        const Run run = RunList({path});
        if (mode != 0)
            ::chmod(QFile::encodeName(path).constData(), 0700); // removable again
        QCOMPARE(run.exitCode, 2);
        QVERIFY(run.out.isEmpty());
        QVERIFY2(run.err.startsWith("zuflist: ") && run.err.contains(QFile::encodeName(path)),
                 run.err.constData());
#endif
    }

    // Standard output that cannot take the listing (a full disk, a closed output) is an error
    // on standard error, never a silent success.
    void failingOutput_data() {
        QTest::addColumn<QString>("redirection");
        QTest::addColumn<QStringList>("args");
        const QStringList catalogue{"--fields", "1", root};
        QTest::newRow("catalogue to a full disk") << ">/dev/full" << catalogue;
        QTest::newRow("catalogue to a closed output") << ">&-" << catalogue;
        QTest::newRow("info to a full disk")
            << ">/dev/full" << QStringList{"--info", root + "b.zuf"};
        QTest::newRow("help to a closed output") << ">&-" << QStringList{"--help"};
        QTest::newRow("version to a full disk") << ">/dev/full" << QStringList{"--version"};
    }
    void failingOutput() {
#ifndef Q_OS_UNIX
        QSKIP("needs a POSIX shell and /dev/full");
#else
        QFETCH(QString, redirection);
        QFETCH(QStringList, args);
        QProcess process;
        process.start(QStringLiteral("/bin/sh"),
                      QStringList{QStringLiteral("-c"),
                                  QStringLiteral("exec \"$0\" \"$@\" ") + redirection,
                                  QStringLiteral(ZUFLIST_PATH)} +
                          args);
        QVERIFY(process.waitForFinished(60000));
        QCOMPARE(process.exitCode(), 2);
        const QByteArray err = process.readAllStandardError();
        QVERIFY2(err.contains("zuflist: can't write standard output: "), err.constData());
#endif
    }

    // Folders deeper than one system call can name are listed like any other, from above and
    // from inside.
    void deepFolders_data() {
        QTest::addColumn<bool>("fromInside");
        QTest::newRow("from the top") << false;
        QTest::newRow("from the deep folder") << true;
    }
    void deepFolders() {
#ifndef Q_OS_UNIX
        QSKIP("paths beyond PATH_MAX are a POSIX matter");
#else
        QFETCH(bool, fromInside);
        const QString top = temp.path() + QStringLiteral("/deep");
        QString deep = top;
        for (int i = 0; i < 24; ++i)
            deep += u'/' + QString(250, QChar(u'a' + i));
        if (!QFile::exists(top)) {
            // Made a step at a time from inside, as no single call takes the whole path.
            const QString start = QDir::currentPath();
            QVERIFY(QDir().mkdir(top));
            QVERIFY(QDir::setCurrent(top));
            for (int i = 0; i < 24; ++i) {
                const QString name(250, QChar(u'a' + i));
                QVERIFY(QDir().mkdir(name));
                QVERIFY(QDir::setCurrent(name));
            }
            const bool written = WriteSampleFile(QStringLiteral("x.zuf"), SampleFile());
            QVERIFY(QDir::setCurrent(start));
            QVERIFY(written);
        }
        QVERIFY(EncodeFileName(deep).size() > 4096);
        const Run run =
            RunList({QStringLiteral("--fields"), QStringLiteral("1"), fromInside ? deep : top});
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.out, QByteArray("x.zuf\t\r\n"));
#endif
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
