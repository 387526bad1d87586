#include "platform/folder_path.h"
#include "settings/settings_file.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#ifndef Q_OS_WIN
#include <csignal>
#endif

using namespace Qt::StringLiterals;

// The window program run as the desktop runs it, and ended as the desktop ends a session.
class TestTermination : public QObject {
    Q_OBJECT
    QTemporaryDir m_dir;

    QString settingsPath() const { return m_dir.filePath(u"config/Strumlex/ZUFFile.conf"_s); }

    // Whether the process has a handler of its own for SIGTERM (bit 15 of its caught signals).
    static bool catchesTermination(qint64 pid) {
        QFile status(QStringLiteral("/proc/%1/status").arg(pid));
        if (!status.open(QIODevice::ReadOnly))
            return false;
        for (QByteArray line; !(line = status.readLine()).isEmpty();)
            if (line.startsWith("SigCgt:"))
                return (line.mid(7).trimmed().toULongLong(nullptr, 16) >> (SIGTERM - 1)) & 1;
        return false;
    }

private slots:
    // SIGTERM closes the window as the user would: the program ends normally and the settings
    // file holds the run's working folder (saved at the end of the run) and the window's place
    // (saved when the window closes).
    void terminationSavesTheSettings_data() {
        QTest::addColumn<int>("delay"); // milliseconds between the handler and the signal
        QTest::newRow("during the start") << 0;
        QTest::newRow("while the window waits") << 1500;
    }
    void terminationSavesTheSettings() {
#ifdef Q_OS_WIN
        QSKIP("Windows ends a window program's session through the session manager");
#else
        QFETCH(int, delay);
        QVERIFY(m_dir.isValid());
        QFile::remove(settingsPath());
        const QString folder = m_dir.filePath(u"library"_s);
        QVERIFY(QDir().mkpath(folder));
        QVERIFY(QDir().mkpath(QFileInfo(settingsPath()).path()));
        QFile file(settingsPath());
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("[General]\nszPathName1=" + m_dir.path().toUtf8() + "/\n");
        file.close();

        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(u"QT_QPA_PLATFORM"_s, u"offscreen"_s);
        environment.insert(u"HOME"_s, m_dir.path());
        environment.insert(u"XDG_CONFIG_HOME"_s, m_dir.filePath(u"config"_s));
        environment.insert(u"XDG_DATA_HOME"_s, m_dir.filePath(u"data"_s));
        QProcess program;
        program.setProcessEnvironment(environment);
        program.setProcessChannelMode(QProcess::ForwardedChannels);
        program.start(QStringLiteral(ZUFFILE_PATH), {folder});
        QVERIFY(program.waitForStarted());
        QTRY_VERIFY_WITH_TIMEOUT(catchesTermination(program.processId()), 30000);
        QTest::qWait(delay);
        ::kill(pid_t(program.processId()), SIGTERM);
        QVERIFY(program.waitForFinished(30000));
        QCOMPARE(program.exitStatus(), QProcess::NormalExit);
        QCOMPARE(program.exitCode(), 0);

        QVERIFY(file.open(QIODevice::ReadOnly));
        const QSettings::SettingsMap saved = ReadSettingsText(file.readAll());
        QCOMPARE(saved.value(u"szPathName1"_s).toString(), NormalisedFolder(folder));
        QVERIFY(saved.contains(u"WindowPos"_s));
#endif
    }
};

QTEST_GUILESS_MAIN(TestTermination)
#include "tst_termination.moc"
