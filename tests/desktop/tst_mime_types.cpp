// The file types the program installs for the desktop, as a desktop's type detection sees
// them: the installed type definitions are compiled with update-mime-database into a private
// data folder, and Qt's type database, which reads the same compiled cache as the desktops,
// names the type of sample files by their names and first bytes.

#include "tools/sample_writer.h"

#include <QMimeDatabase>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

namespace {

const QString Tablature = QStringLiteral("application/x-zuf-tablature");
const QString Newer = QStringLiteral("application/x-zuf-tablature-newer");

SampleFile Generation(int generation) {
    SampleFile file = generation >= 10 ? SampleFile::newer() : SampleFile();
    file.generation = quint8(generation);
    file.title = QStringLiteral("Blue Moon");
    return file;
}

} // namespace

class TestMimeTypes : public QObject {
    Q_OBJECT
private:
    QTemporaryDir m_dir;

private slots:
    void initTestCase() {
        const QString tool = QStandardPaths::findExecutable(QStringLiteral("update-mime-database"));
        if (tool.isEmpty())
            QSKIP("update-mime-database is missing (Debian package shared-mime-info)");
        QVERIFY(m_dir.isValid());
        const QString mime = m_dir.filePath(QStringLiteral("share/mime"));
        QVERIFY(QDir().mkpath(mime + QStringLiteral("/packages")));
        QVERIFY(
            QFile::copy(QStringLiteral(ZUF_SOURCE_DIR "/resources/linux/com.strumlex.zuffile.xml"),
                        mime + QStringLiteral("/packages/com.strumlex.zuffile.xml")));
        // The user's data folder comes before the system's: the system's types stay known.
        qputenv("XDG_DATA_HOME", QFile::encodeName(m_dir.filePath(QStringLiteral("share"))));
        QProcess update;
        update.setProcessChannelMode(QProcess::MergedChannels);
        update.start(tool, {mime});
        QVERIFY(update.waitForFinished());
        // The tool warns about elements it does not know and still exits 0.
        QCOMPARE(update.readAll(), QByteArray());
        QCOMPARE(update.exitCode(), 0);
    }

    void typeOfFile_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("expected"); // the type or a parent of it; empty: not ours

        QTest::newRow("older .zuf, by name")
            << "a.zuf" << BuildSampleFile(Generation(3)) << Tablature;
        QTest::newRow("older .ZUF, by name")
            << "a.ZUF" << BuildSampleFile(Generation(0)) << Tablature;
        QTest::newRow("newer .zuf") << "b.zuf" << BuildSampleFile(Generation(10)) << Tablature;
        QTest::newRow("newer .tab, by content")
            << "c.tab" << BuildSampleFile(Generation(10)) << Newer;
        QTest::newRow("generation 12 .tab") << "c.tab" << BuildSampleFile(Generation(12)) << Newer;
        QTest::newRow("generation 200 .tab")
            << "c.tab" << BuildSampleFile(Generation(200)) << Newer;
        QTest::newRow("newer, any name") << "song" << BuildSampleFile(Generation(11)) << Newer;
        // The older generation begins with free text: a .tab of it is not claimed.
        QTest::newRow("older .tab") << "d.tab" << BuildSampleFile(Generation(3)) << QString();
        // 4 at byte 204 with generation 9 is an older file in 4/4 time.
        QTest::newRow("generation 9 .tab")
            << "e.tab" << BuildSampleFile(Generation(9)) << QString();
        QTest::newRow("text .tab") << "f.tab" << QByteArray(300, 'x') << QString();
    }
    void typeOfFile() {
        QFETCH(QString, name);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, expected);
        const QString path =
            m_dir.filePath(QStringLiteral("files/") + QTest::currentDataTag() + u'/' + name);
        QVERIFY(WriteSampleFile(path, bytes));
        const QMimeType type = QMimeDatabase().mimeTypeForFile(path);
        if (expected.isEmpty())
            QVERIFY2(!type.inherits(Tablature), qPrintable(type.name()));
        else
            QVERIFY2(type.inherits(expected), qPrintable(type.name()));
    }
};

QTEST_GUILESS_MAIN(TestMimeTypes)
#include "tst_mime_types.moc"
