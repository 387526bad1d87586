// The report dialog on the offscreen platform: boxes and radio buttons from the flags, the
// full-path rule, the path and its "..." button, and the whole command to the clipboard and to
// a file.

#include "../fileops/dialog_test_support.h"
#include "../fileops/file_test_support.h"

#include "fileops/file_commands_dialog.h"
#include "report/report.h"
#include "report/report_dialog.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

using namespace test_support;
using namespace dialog_support;

namespace {

const QList<int> FieldBits{ReportName,  ReportFolder, ReportDate,     ReportSize,
                           ReportTitle, ReportAuthor, ReportFullPath, ReportTuning};

} // namespace

class TestReportDialogWindow : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    QString m_work;
    std::unique_ptr<Session> m_session;

    // The whole command over the session's list, report flags and path.
    void runCommand() {
        RunReportDialog(nullptr, m_session->list, m_session->reportFlags, m_session->reportPath,
                        m_session->workingFolder);
    }

private slots:
    void init() {
        m_work = FreshLibraryFolder(m_dir.path(), 3);
        QVERIFY(!m_work.isEmpty());
        m_session = LoadSession(m_work, 3);
    }

    void opensFromTheFlags_data() {
        QTest::addColumn<int>("flags");
        QTest::newRow("initial") << int(DefaultReportFlags);
        QTest::newRow("to a file, name only") << int(ReportToFile | ReportName);
        QTest::newRow("nothing") << 0;
    }
    void opensFromTheFlags() {
        QFETCH(int, flags);
        m_session->reportFlags = quint16(flags);
        m_session->reportPath = QStringLiteral("/r/zuflist.txt");
        ReportDialog dialog(nullptr, m_session->reportFlags, m_session->reportPath, m_work);
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Report"));
        for (int bit : FieldBits)
            QCOMPARE(dialog.fieldBox(bit)->isChecked(), bool(flags & bit));
        const bool toFile = flags & ReportToFile;
        QCOMPARE(dialog.fileButton()->isChecked(), toFile);
        QCOMPARE(dialog.clipboardButton()->isChecked(), !toFile);
        QCOMPARE(dialog.pathField()->text(), QStringLiteral("/r/zuflist.txt"));
        QCOMPARE(dialog.pathField()->isEnabled(), toFile);
        QCOMPARE(dialog.browseButton()->isEnabled(), toFile);
        dialog.accept();
        QCOMPARE(int(m_session->reportFlags), flags);
    }

    void texts() {
        ReportDialog dialog(nullptr, m_session->reportFlags, m_session->reportPath, m_work);
        QCOMPARE(dialog.fieldBox(ReportFolder)->text(), QStringLiteral("File &Path"));
        QCOMPARE(dialog.fieldBox(ReportName)->text(), QStringLiteral("File &Name"));
        QCOMPARE(dialog.fieldBox(ReportFullPath)->text(), QStringLiteral("&Full Path (Path+Name)"));
        QCOMPARE(dialog.fieldBox(ReportSize)->text(), QStringLiteral("File &Size"));
        QCOMPARE(dialog.fieldBox(ReportDate)->text(), QStringLiteral("File &Date"));
        QCOMPARE(dialog.fieldBox(ReportTitle)->text(), QStringLiteral("&Title"));
        QCOMPARE(dialog.fieldBox(ReportAuthor)->text(), QStringLiteral("&Author"));
        QCOMPARE(dialog.fieldBox(ReportTuning)->text(), QStringLiteral("First module T&uning"));
        QCOMPARE(dialog.clipboardButton()->text(), QStringLiteral("Copy to &Clipboard"));
        QCOMPARE(dialog.fileButton()->text(), QStringLiteral("Save to &File"));
        QCOMPARE(dialog.browseButton()->text(), QStringLiteral("..."));
    }

    void fullPathRule_data() {
        QTest::addColumn<int>("start");
        QTest::addColumn<int>("clicked");
        QTest::addColumn<int>("result");
        QTest::newRow("unchecking the name drops the full path")
            << int(ReportName | ReportFolder | ReportFullPath) << int(ReportName)
            << int(ReportFolder);
        QTest::newRow("unchecking the folder drops the full path")
            << int(ReportName | ReportFolder | ReportFullPath) << int(ReportFolder)
            << int(ReportName);
        QTest::newRow("checking the full path checks both")
            << int(ReportSize) << int(ReportFullPath)
            << int(ReportSize | ReportName | ReportFolder | ReportFullPath);
        QTest::newRow("other boxes stay alone")
            << int(ReportName | ReportFolder | ReportFullPath) << int(ReportTitle)
            << int(ReportName | ReportFolder | ReportFullPath | ReportTitle);
    }
    void fullPathRule() {
        QFETCH(int, start);
        QFETCH(int, clicked);
        QFETCH(int, result);
        m_session->reportFlags = quint16(start);
        ReportDialog dialog(nullptr, m_session->reportFlags, m_session->reportPath, m_work);
        dialog.show();
        QTest::mouseClick(dialog.fieldBox(clicked), Qt::LeftButton, {},
                          QPoint(4, dialog.fieldBox(clicked)->height() / 2));
        dialog.accept();
        QCOMPARE(int(m_session->reportFlags), result);
    }

    void radioButtonsEnableThePath() {
        m_session->reportFlags = DefaultReportFlags;
        ReportDialog dialog(nullptr, m_session->reportFlags, m_session->reportPath, m_work);
        dialog.show();
        QVERIFY(!dialog.pathField()->isEnabled());
        dialog.fileButton()->click();
        QVERIFY(dialog.pathField()->isEnabled());
        QVERIFY(dialog.browseButton()->isEnabled());
        dialog.clipboardButton()->click();
        QVERIFY(!dialog.pathField()->isEnabled());
    }

    void browseThenCancelKeepsThePathButNotTheFlags() {
        m_session->reportFlags = ReportToFile | ReportName;
        m_session->reportPath = QStringLiteral("/r/old.txt");
        ReportDialog dialog(nullptr, m_session->reportFlags, m_session->reportPath, m_work);
        dialog.show();
        QString proposed;
        dialog.chooseFile = [&](QWidget*, const QString& path) {
            proposed = path;
            return QStringLiteral("/r/chosen.txt");
        };
        dialog.fieldBox(ReportTitle)->setChecked(true);
        dialog.browseButton()->click();
        QCOMPARE(proposed, QStringLiteral("/r/old.txt"));
        QCOMPARE(dialog.pathField()->text(), QStringLiteral("/r/chosen.txt"));
        QCOMPARE(dialog.replaceConfirmed(), QStringLiteral("/r/chosen.txt"));
        dialog.reject();
        QCOMPARE(m_session->reportPath, QStringLiteral("/r/chosen.txt"));
        QCOMPARE(int(m_session->reportFlags), int(ReportToFile | ReportName));
    }

    void wholeCommandToTheClipboard() {
        SelectRows(m_session->list, {1});
        m_session->reportFlags = DefaultReportFlags | ReportToFile;
        QGuiApplication::clipboard()->clear();
        WhenOpen<ReportDialog>([](ReportDialog* dialog) {
            dialog->clipboardButton()->click();
            dialog->fieldBox(ReportFolder)->setChecked(false);
            dialog->fieldBox(ReportName)->setChecked(true);
            dialog->fieldBox(ReportTitle)->setChecked(true);
            for (int bit : {ReportDate, ReportSize, ReportAuthor, ReportTuning})
                dialog->fieldBox(bit)->setChecked(false);
            QTest::mouseClick(Button(dialog, QStringLiteral("OK")), Qt::LeftButton);
        });
        runCommand();
        QCOMPARE(QGuiApplication::clipboard()->text(),
                 NameOf(1) + QStringLiteral("\t") + TitleOf(1) + QStringLiteral("\t\r\n"));
        QCOMPARE(int(m_session->reportFlags), int(ReportName | ReportTitle));
    }

    void wholeCommandToAFile() {
        SelectRows(m_session->list, {0, 2});
        m_session->reportFlags = ReportName | ReportToFile;
        m_session->reportPath.clear();
        QString message, caption;
        int icon = -1;
        QStringList buttons;
        WhenOpen<ReportDialog>([&](ReportDialog* dialog) {
            QCOMPARE(dialog->pathField()->text(), m_work + QStringLiteral("zuflist.txt"));
            WhenOpen<QMessageBox>([&](QMessageBox* box) {
                message = box->text();
                caption = box->windowTitle();
                icon = box->icon();
                buttons = ButtonTexts(box);
                box->accept();
            });
            dialog->accept();
        });
        runCommand();
        const QString path = m_work + QStringLiteral("zuflist.txt");
        QCOMPARE(message, path + QStringLiteral("\nhas been successfully created"));
        QCOMPARE(caption, QStringLiteral("ZUF File Manager U v1.21"));
        QCOMPARE(icon, int(QMessageBox::NoIcon)); // only the text and OK
        QCOMPARE(buttons.size(), 1);
        QCOMPARE(ReadAll(path), (NameOf(0) + "\t\r\n" + NameOf(2) + "\t\r\n").toLatin1());
    }
};

QTEST_MAIN(TestReportDialogWindow)
#include "tst_report_dialog_window.moc"
