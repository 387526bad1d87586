// Starting the editor or the viewer: what is started, with which arguments, and when nothing is.

#include "app/launch.h"
#include "platform/native_file.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

class TestLaunch : public QObject {
    Q_OBJECT
    QTemporaryDir m_dir;
    QString m_program;   // an executable file
    QString m_plainFile; // exists, not executable

private slots:
    void initTestCase() {
        QVERIFY(m_dir.isValid());
#ifdef Q_OS_WIN
        m_program = m_dir.filePath(QStringLiteral("tab editor.exe")); // programs by their ending
#else
        m_program = m_dir.filePath(QStringLiteral("tab editor"));
#endif
        m_plainFile = m_dir.filePath(QStringLiteral("notes.txt"));
        for (const QString& path : {m_program, m_plainFile}) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write("#!/bin/sh\n");
        }
        QFile::setPermissions(m_program, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QFile exe(m_dir.filePath(QStringLiteral("viewer.EXE")));
        QVERIFY(exe.open(QIODevice::WriteOnly));
        // Wine's drive C: holds the editor, with other letter cases than the stored path.
        const QString driveC = m_dir.filePath(QStringLiteral("prefix/drive_c"));
        QVERIFY(QDir().mkpath(driveC + QStringLiteral("/program files (x86)/Strumlex")));
        QVERIFY(QDir().mkpath(m_dir.filePath(QStringLiteral("prefix/dosdevices"))));
        QVERIFY(QFile::link(QStringLiteral("../drive_c"),
                            m_dir.filePath(QStringLiteral("prefix/dosdevices/c:"))));
        QFile editor(driveC + QStringLiteral("/program files (x86)/Strumlex/STRUMLEX.exe"));
        QVERIFY(editor.open(QIODevice::WriteOnly));
        qputenv("WINEPREFIX", m_dir.filePath(QStringLiteral("prefix")).toLocal8Bit());
    }

    void plan_data() {
        QTest::addColumn<QString>("program");
        QTest::addColumn<QString>("wine");
        QTest::addColumn<QString>("expectedProgram");
        QTest::addColumn<QStringList>("expectedArguments");
        const QString file = QStringLiteral("/music/my song.zuf");
        const QString exe = m_dir.filePath(QStringLiteral("viewer.EXE"));
        QTest::newRow("native program, path with blanks as one argument")
            << m_program << "" << m_program << QStringList{file};
        QTest::newRow("empty path") << ""
                                    << "/usr/bin/wine"
                                    << "" << QStringList{};
        QTest::newRow("missing program") << m_dir.filePath(QStringLiteral("gone")) << ""
                                         << "" << QStringList{};
        QTest::newRow("not executable") << m_plainFile << ""
                                        << "" << QStringList{};
#ifdef Q_OS_WIN
        // Programs start directly; wine plays no part.
        QTest::newRow("bare name on the search path") << "cmd"
                                                      << ""
                                                      << "cmd" << QStringList{file};
        QTest::newRow("windows program") << exe << "" << exe << QStringList{file};
        QTest::newRow("missing drive path") << "C:\\Program Files (x86)\\Strumlex\\strumlex.exe"
                                            << ""
                                            << "" << QStringList{};
        QTest::newRow("missing windows program") << m_dir.filePath(QStringLiteral("x.exe")) << ""
                                                 << "" << QStringList{};
        return;
#endif
        QTest::newRow("bare name on the search path") << "sh"
                                                      << ""
                                                      << "sh" << QStringList{file};
        QTest::newRow("windows program through wine") << exe << "/usr/bin/wine"
                                                      << "/usr/bin/wine" << QStringList{exe, file};
        QTest::newRow("windows drive path through wine")
            << "C:\\Program Files (x86)\\Strumlex\\strumlex.exe"
            << "/usr/bin/wine"
            << "/usr/bin/wine"
            << QStringList{"C:\\Program Files (x86)\\Strumlex\\strumlex.exe", file};
        QTest::newRow("windows drive path missing on wine's drive")
            << "C:\\Program Files (x86)\\Strumlex\\zufview.exe"
            << "/usr/bin/wine"
            << "" << QStringList{};
        QTest::newRow("windows program without wine") << exe << ""
                                                      << "" << QStringList{};
        QTest::newRow("missing windows program")
            << m_dir.filePath(QStringLiteral("x.exe")) << "/usr/bin/wine"
            << "" << QStringList{};
    }
    void plan() {
        QFETCH(QString, program);
        QFETCH(QString, wine);
        QFETCH(QString, expectedProgram);
        QFETCH(QStringList, expectedArguments);
        const LaunchPlan plan = PlanLaunch(program, QStringLiteral("/music/my song.zuf"), wine);
        QCOMPARE(plan.program, expectedProgram);
        QCOMPARE(plan.arguments, expectedArguments);
    }

    // The "editor" is a script that writes the count and the bytes of its arguments to a file:
    // the file's path reaches it byte for byte, blanks and bytes that are not UTF-8 included.
    void launchPassesExactBytes_data() {
        QTest::addColumn<QByteArray>("fileName");
        QTest::newRow("blanks") << QByteArray("my song.zuf");
        QTest::newRow("utf-8") << QByteArray("caf\xc3\xa9 tune.zuf");
        QTest::newRow("code page 1252 byte") << QByteArray("caf\xe9 tune.zuf");
        QTest::newRow("lone continuation bytes") << QByteArray("\x80\xff.zuf");
        QTest::newRow("quote and dollar") << QByteArray("it's $HOME.zuf");
    }
    void launchPassesExactBytes() {
        QFETCH(QByteArray, fileName);
#ifdef Q_OS_WIN
        QSKIP("file names are UTF-16 on Windows, and the recording editor is a shell script");
#endif
        const QString record = m_dir.filePath(QStringLiteral("arguments.bin"));
        QFile::remove(record);
        const QString script = m_dir.filePath(QStringLiteral("recorder"));
        QFile file(script);
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write("#!/bin/sh\nprintf '%s|%s' \"$#\" \"$1\" > \"$0.part\"\nmv \"$0.part\" '" +
                   QFile::encodeName(record) + "'\n");
        file.close();
        QFile::setPermissions(script, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

        const QByteArray pathBytes = EncodeFileName(m_dir.path()) + '/' + fileName;
        QVERIFY(LaunchProgram(script, DecodeFileName(pathBytes)));
        QTRY_VERIFY(QFile::exists(record));
        QFile result(record);
        QVERIFY(result.open(QIODevice::ReadOnly));
        QCOMPARE(result.readAll(), "1|" + pathBytes);
    }

    // The started program leads a session of its own: closing this program's terminal or
    // session leaves the editor running.
    void launchedProgramLeadsItsSession() {
#ifdef Q_OS_WIN
        QSKIP("sessions are a POSIX matter; a detached Windows process has no console to lose");
#endif
        const QString record = m_dir.filePath(QStringLiteral("session.txt"));
        const QString script = m_dir.filePath(QStringLiteral("session recorder"));
        QFile file(script);
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write("#!/bin/sh\nset -- $(cat /proc/$$/stat)\necho \"$1 $6\" > \"$0.part\"\nmv "
                   "\"$0.part\" '" +
                   QFile::encodeName(record) + "'\n");
        file.close();
        QFile::setPermissions(script, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QVERIFY(LaunchProgram(script, QStringLiteral("/a.zuf")));
        QTRY_VERIFY(QFile::exists(record));
        QFile result(record);
        QVERIFY(result.open(QIODevice::ReadOnly));
        const QList<QByteArray> ids = result.readAll().trimmed().split(' ');
        QCOMPARE(ids.size(), 2);
        QCOMPARE(ids[1], ids[0]);
    }

    void missingProgramStartsNothing() {
        QVERIFY(!LaunchProgram(m_dir.filePath(QStringLiteral("gone")), QStringLiteral("/a.zuf")));
        QVERIFY(!LaunchProgram(QString(), QStringLiteral("/a.zuf")));
    }
};

QTEST_GUILESS_MAIN(TestLaunch)
#include "tst_launch.moc"
