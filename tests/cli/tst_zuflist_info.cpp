#include "base/program_info.h"
#include "tools/sample_writer.h"

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

using namespace Qt::StringLiterals;

class TestZuflistInfo : public QObject {
    Q_OBJECT
    QTemporaryDir m_dir;

    QString folder() const { return m_dir.path() + u'/'; }
    // A folder as --info prints it: in the native form, each backslash escaped.
    static QString shown(const QString& folder) {
        return QDir::toNativeSeparators(folder).replace(u'\\', u"\\\\"_s);
    }

    struct Run {
        int status = -1;
        QByteArray out;
        QByteArray err;
    };
    Run zuflist(const QStringList& args) {
        QProcess process;
        process.setWorkingDirectory(m_dir.path());
        process.start(QStringLiteral(ZUFLIST_PATH), args);
        if (!process.waitForFinished(60000))
            return {};
        return {process.exitCode(), process.readAllStandardOutput(),
                process.readAllStandardError()};
    }

private slots:
    void initTestCase() {
        QVERIFY(m_dir.isValid());
        SampleFile older;
        older.title = QStringLiteral("Back\\slash \u00E9t\u00E9");
        older.subtitle = QStringLiteral("Ann Author");
        older.comments = QStringLiteral("tab\there");
        older.notes = QStringLiteral("line 1\r\nline 2");
        older.measures = 48;
        older.numerator = 6;
        older.denominator = 8;
        older.keySignature = -2;
        older.modules.push_back({QStringLiteral("Bass"), 4, {3, 10, 5, 0}, 0, 0});
        QVERIFY(WriteSampleFile(folder() + u"older song.zuf"_s, older));

        SampleFile newer = SampleFile::newer();
        newer.title = QStringLiteral("Newer");
        newer.keySignature = 3;
        newer.minor = true;
        newer.versionExtra = 0x0A;
        newer.modules.clear();
        for (int i = 0; i < 20; ++i)
            newer.modules.push_back({QStringLiteral("M%1").arg(i + 1), 1, {5}, 0, 0});
        QVERIFY(WriteSampleFile(folder() + u"sub/newer.tab"_s, newer));
        QVERIFY(WriteSampleFile(folder() + u"empty.zuf"_s, QByteArray(300, '\0')));
    }

    void goodFiles() {
        const Run run = zuflist({QStringLiteral("--info"), QStringLiteral("older song.zuf"),
                                 folder() + u"sub/newer.tab"_s});
        QCOMPARE(run.status, 0);
        QString expected = u"Name: older song.zuf\n"_s
                           u"Folder: "_s +
                           shown(folder()) +
                           u"\n"_s
                           u"Title: Back\\\\slash \u00E9t\u00E9\n"_s
                           u"Subtitle: Ann Author\n"_s
                           u"Comments: tab\\there\n"_s
                           u"Format: 2.00\n"_s
                           u"Measures: 48\n"_s
                           u"Time Signature: 6/8\n"_s
                           u"Key Signature: Bb M\n"_s
                           u"Tuning: E B G D A E \n"_s
                           u"Module 1: Guitar\n"_s
                           u"Module 2: Bass\n"_s
                           u"Notes: line 1\\r\\nline 2\n"_s
                           u"\n"_s
                           u"Name: newer.tab\n"_s
                           u"Folder: "_s +
                           shown(folder() + u"sub/"_s) +
                           u"\n"_s
                           u"Title: Newer\n"_s
                           u"Subtitle: \n"_s
                           u"Comments: \n"_s
                           u"Format: 3.1 a\n"_s
                           u"Measures: 16\n"_s
                           u"Time Signature: 4/4\n"_s
                           u"Key Signature: F# m\n"_s
                           u"Tuning: G \n"_s;
        for (int i = 1; i <= 16; ++i)
            expected += QStringLiteral("Module %1: M%1\n").arg(i);
        expected += u'\n';
        QCOMPARE(QString::fromUtf8(run.out), expected);
        QCOMPARE(run.out, expected.toUtf8());
        QVERIFY(run.err.isEmpty());
    }

    void badFiles_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("title");
        QTest::newRow("empty") << "empty.zuf"
                               << "Empty ZUF File";
        QTest::newRow("missing") << "missing.zuf"
                                 << "Can't open file";
    }
    void badFiles() {
        QFETCH(QString, file);
        QFETCH(QString, title);
        const Run run = zuflist({QStringLiteral("--info"), QStringLiteral("sub/newer.tab"), file});
        QCOMPARE(run.status, 1);
        const QString tail = u"Name: "_s + file + u"\nFolder: "_s + shown(folder()) +
                             u"\nTitle: "_s + title + u"\nSubtitle: \nComments: \n\n"_s;
        QVERIFY2(QString::fromUtf8(run.out).endsWith(tail), run.out.constData());
        QVERIFY(run.out.startsWith("Name: newer.tab\n"));
    }

    void namesAreEscaped() {
#ifdef Q_OS_WIN
        QSKIP("Windows forbids tabs and backslashes in file names");
#endif
        const QString name = u"tab\tand\\back sl\u00E4sh.zuf"_s;
        QVERIFY(WriteSampleFile(folder() + name, SampleFile()));
        const Run run = zuflist({u"--info"_s, name});
        QCOMPARE(run.status, 0);
        const QByteArray expected = u"Name: tab\\tand\\\\back sl\u00E4sh.zuf\n"_s.toUtf8();
        QVERIFY2(run.out.startsWith(expected), run.out.constData());
    }

    // A relative FILE is taken in the current folder, whatever bytes that folder's name holds:
    // the folder line gives them back as they are and the file is read.
    void relativeFileInCurrentFolder_data() {
        QTest::addColumn<QByteArray>("folderName"); // the name's bytes
        QTest::addColumn<QByteArray>("printfName"); // the same, as a printf format
        QTest::newRow("ascii") << QByteArray("plain") << QByteArray("plain");
        QTest::newRow("utf-8") << QByteArray("caf\xC3\xA9") << QByteArray("caf\\303\\251");
        QTest::newRow("not utf-8") << QByteArray("d\xFF") << QByteArray("d\\377");
        QTest::newRow("latin-1 text") << QByteArray("\xE9t\xE9") << QByteArray("\\351t\\351");
    }
    void relativeFileInCurrentFolder() {
#ifndef Q_OS_UNIX
        QSKIP("folder names that are not UTF-8 exist on POSIX file systems only");
#else
        QFETCH(QByteArray, folderName);
        QFETCH(QByteArray, printfName);
        const QByteArray root = QFile::encodeName(m_dir.path()) + "/cwd-" + QTest::currentDataTag();
        const QByteArray inner = root + '/' + folderName;
        QVERIFY(::mkdir(root.constData(), 0700) == 0);
        QVERIFY(::mkdir(inner.constData(), 0700) == 0);
        const int fd = ::open((inner + "/e.zuf").constData(), O_WRONLY | O_CREAT | O_EXCL, 0600);
        QVERIFY(fd >= 0);
        const QByteArray zeros(300, '\0');
        QCOMPARE(::write(fd, zeros.constData(), size_t(zeros.size())), ssize_t(zeros.size()));
        ::close(fd);

        QProcess process;
        process.setWorkingDirectory(QFile::decodeName(root));
        process.start(u"/bin/sh"_s,
                      {u"-c"_s, u"cd \"$(printf \"$1\")\" && exec \"$0\" --info e.zuf"_s,
                       QStringLiteral(ZUFLIST_PATH), QString::fromLatin1(printfName)});
        QVERIFY(process.waitForFinished(60000));
        QCOMPARE(process.exitCode(), 1); // the file holds only zeros
        const QByteArray expected = "Name: e.zuf\nFolder: " + inner +
                                    "/\nTitle: Empty ZUF File\nSubtitle: \nComments: \n\n";
        QCOMPARE(process.readAllStandardOutput(), expected);
#endif
    }

    // A name with letters of several scripts, which no single Windows code page holds, reaches
    // zuflist whole.
    void nameOutsideTheCodePage() {
        const QString name = u"\u0141\u00F3d\u017A \u03B5\u03BB \u0416.zuf"_s;
        QVERIFY(WriteSampleFile(folder() + name, QByteArray(300, '\0')));
        const Run run = zuflist({QStringLiteral("--info"), name});
        QCOMPARE(run.status, 1); // the file holds only zeros, and is read
        QVERIFY2(run.out.startsWith((u"Name: "_s + name + u'\n').toUtf8()), run.out + run.err);
    }

    void usageErrors() {
        const Run run = zuflist({QStringLiteral("--info")});
        QCOMPARE(run.status, 2);
        QVERIFY(run.out.isEmpty());
        QVERIFY(run.err.contains("zuflist --info FILE..."));
    }

    void help() {
        const Run run = zuflist({QStringLiteral("--help")});
        QCOMPARE(run.status, 0);
        QVERIFY(run.out.contains("zuflist --info FILE..."));
        QVERIFY(run.out.contains("[FOLDER]"));
        const Run version = zuflist({QStringLiteral("--version")});
        QCOMPARE(version.status, 0);
        QCOMPARE(version.out, (u"zuflist "_s + ProgramVersion.toString() + u'\n').toUtf8());
    }

    // "link/../x.zuf" names the x.zuf beside the link's target, as the system resolves it,
    // not the x.zuf beside the link that the text would suggest.
    void pathsResolveAsTheSystemDoes() {
#ifndef Q_OS_UNIX
        QSKIP("symbolic links to folders are POSIX");
#else
        SampleFile here;
        here.title = u"Beside the link"_s;
        SampleFile there;
        there.title = u"Beside the target"_s;
        QVERIFY(WriteSampleFile(folder() + u"links/x.zuf"_s, here));
        QVERIFY(WriteSampleFile(folder() + u"elsewhere/x.zuf"_s, there));
        QVERIFY(QDir().mkpath(folder() + u"elsewhere/target"_s));
        QVERIFY(QFile::link(folder() + u"elsewhere/target"_s, folder() + u"links/link"_s));
        const Run run = zuflist({u"--info"_s, u"links/link/../x.zuf"_s});
        QCOMPARE(run.status, 0);
        QVERIFY2(run.out.contains("\nTitle: Beside the target\n"), run.out.constData());
#endif
    }
};

QTEST_GUILESS_MAIN(TestZuflistInfo)
#include "tst_zuflist_info.moc"
