// zuflist --rename-plan and --rename, run as the program itself: one line per file in list
// order, the exit status, and the files on disk after carrying a plan out.

#include "platform/folder_path.h"
#include "tools/sample_writer.h"

#include <QDir>
#include <QDirIterator>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

class TestZuflistRename : public QObject {
    Q_OBJECT
    QTemporaryDir m_dir;

    // "a=A=X": a.zuf with the title A and the author X, in the emptied folder "lib".
    void writeLibrary(const QStringList& files) {
        QDir(m_dir.path()).removeRecursively();
        for (const QString& entry : files) {
            const QStringList parts = entry.split(u'=');
            SampleFile file;
            file.title = parts.value(1);
            file.subtitle = parts.value(2);
            QVERIFY(WriteSampleFile(m_dir.path() + QStringLiteral("/lib/") + parts[0], file));
        }
    }

    // "lib/X/a.zuf" as zuflist writes the path of a file below the temporary folder: the
    // folders it was given ("lib", "out") normalised, the rest as the pattern made it.
    QString shown(const QString& relative) const {
        const qsizetype slash = relative.indexOf(u'/');
        return NormalisedFolder(
                   QDir::toNativeSeparators(m_dir.path() + u'/' + relative.left(slash))) +
               QDir::toNativeSeparators(relative.mid(slash + 1));
    }

    // Every file below the temporary folder, relative to it.
    QStringList files() const {
        QStringList found;
        QDirIterator it(m_dir.path(), QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext())
            found << QDir(m_dir.path()).relativeFilePath(it.next());
        found.sort();
        return found;
    }

private slots:
    void initTestCase() { QVERIFY(m_dir.isValid()); }

    // Each line "OLD NEW WORD" with paths relative to the temporary folder; "-" for no path.
    void lines_data() {
        QTest::addColumn<QStringList>("library");
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<int>("status");
        QTest::newRow("filed below the catalogued folder")
            << QStringList{"a.zuf=A=X", "b.zuf=B=Y", "c.zuf=C=X", "d.tab=D"}
            << QStringList{"--rename-plan", "[%author%/]%title%", "lib"}
            << QStringList{"lib/a.zuf lib/X/A.zuf move", "lib/b.zuf lib/Y/B.zuf move",
                           "lib/c.zuf lib/X/C.zuf move", "lib/d.tab lib/D.tab rename"}
            << 0;
        QTest::newRow("two files for one name, and a name taken")
            << QStringList{"a.zuf=Song", "b.zuf=Song", "c.zuf=a", "d.zuf=D"}
            << QStringList{"--rename-plan", "%title%", "lib"}
            << QStringList{"lib/a.zuf lib/Song.zuf conflict", "lib/b.zuf lib/Song.zuf conflict",
                           "lib/c.zuf lib/a.zuf exists", "lib/d.zuf lib/D.zuf rename"}
            << 1;
        QTest::newRow("in the case and the order asked for")
            << QStringList{"a.zuf=Song", "b.zuf=song", "c.zuf=x"}
            << QStringList{"--rename-plan", "%title% %n%", "--sort", "-name",
                           "--case",        "ABC",         "--case", "lib"}
            << QStringList{"lib/c.zuf lib/X 1.zuf rename", "lib/b.zuf lib/SONG 2.zuf rename",
                           "lib/a.zuf lib/SONG 3.zuf rename"}
            << 0;
        QTest::newRow("numbered duplicates")
            << QStringList{"a.zuf=Song", "b.zuf=Song"}
            << QStringList{"--rename-plan", "%title%", "--number-duplicates", "lib"}
            << QStringList{"lib/a.zuf lib/Song.zuf rename", "lib/b.zuf lib/Song (2).zuf rename"}
            << 0;
        QTest::newRow("carried out into another folder")
            << QStringList{"a.zuf=A=X", "b.zuf=B=Y", "c.zuf=A=X"}
            << QStringList{"--rename", "%author%/%title%",   "--to", "out",
                           "lib",      "--number-duplicates"}
            << QStringList{"lib/a.zuf out/X/A.zuf moved", "lib/b.zuf out/Y/B.zuf moved",
                           "lib/c.zuf out/X/A (2).zuf moved"}
            << 0;
    }
    void lines() {
        QFETCH(QStringList, library);
        QFETCH(QStringList, args);
        QFETCH(QStringList, lines);
        QFETCH(int, status);
        writeLibrary(library);
        QProcess process;
        process.setWorkingDirectory(m_dir.path());
        process.start(QStringLiteral(ZUFLIST_PATH), args);
        QVERIFY(process.waitForFinished(60000));
        QByteArray expected;
        QStringList after;
        for (const QString& line : lines) {
            const QStringList parts = line.split(u' ');
            const QString newPath = parts.mid(1, parts.size() - 2).join(u' ');
            expected +=
                (shown(parts[0]) + u'\t' + shown(newPath) + u'\t' + parts.back() + u'\n').toUtf8();
            after << (args[0] == QLatin1String("--rename") ? newPath : parts[0]);
        }
        QCOMPARE(process.readAllStandardOutput(), expected);
        QCOMPARE(process.exitCode(), status);
        after.sort();
        QCOMPARE(files(), after);
    }

    void refused_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("status");
        QTest::addColumn<QByteArray>("error");
        QTest::newRow("unknown field") << QStringList{"--rename-plan", "%titel%", "lib"} << 2
                                       << QByteArray("at character 1: Unknown field %titel%");
        QTest::newRow("not a case rule") << QStringList{"--rename", "%title%", "--case=aBc", "lib"}
                                         << 2 << QByteArray("not a case rule: aBc");
        QTest::newRow("--to alone") << QStringList{"--to", "out", "lib"} << 2
                                    << QByteArray("--to needs --rename-plan or --rename");
    }
    void refused() {
        QFETCH(QStringList, args);
        QFETCH(int, status);
        QFETCH(QByteArray, error);
        writeLibrary({"a.zuf=A"});
        QProcess process;
        process.setWorkingDirectory(m_dir.path());
        process.start(QStringLiteral(ZUFLIST_PATH), args);
        QVERIFY(process.waitForFinished(60000));
        QCOMPARE(process.exitCode(), status);
        QCOMPARE(process.readAllStandardOutput(), QByteArray());
        const QByteArray err = process.readAllStandardError();
        QVERIFY2(err.contains(error), err.constData());
        QCOMPARE(files(), QStringList{"lib/a.zuf"});
    }

    // A file standing where a folder must be made fails its own file alone, with the system's
    // reason, and the exit status says so.
    void failureIsReported() {
        writeLibrary({"a.zuf=A=X", "b.zuf=B=Y"});
        QVERIFY(WriteSampleFile(m_dir.path() + QStringLiteral("/lib/Y"), QByteArray("a file")));
        QProcess process;
        process.setWorkingDirectory(m_dir.path());
        process.start(QStringLiteral(ZUFLIST_PATH), {"--rename", "%author%/%title%", "lib"});
        QVERIFY(process.waitForFinished(60000));
        QCOMPARE(process.exitCode(), 1);
        const QList<QByteArray> out = process.readAllStandardOutput().split('\n');
        QCOMPARE(out.size(), 3);
        QVERIFY(out[0].endsWith("\tmoved"));
        const QList<QByteArray> failed = out[1].split('\t');
        QCOMPARE(failed[0], shown(QStringLiteral("lib/b.zuf")).toUtf8());
        QVERIFY2(failed[2] != "move" && failed[2] != "moved" && !failed[2].isEmpty(), out[1]);
        QCOMPARE(files(), (QStringList{"lib/X/A.zuf", "lib/Y", "lib/b.zuf"}));
    }
};

QTEST_GUILESS_MAIN(TestZuflistRename)
#include "tst_zuflist_rename.moc"
