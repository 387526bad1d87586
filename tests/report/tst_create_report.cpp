// The report command's targets: the file with its messages, the question before an existing
// file is replaced, the clipboard with its note about rows left out, and the default path.

#include "../fileops/file_test_support.h"

#include "report/create_report.h"
#include "report/report.h"

#include <QTemporaryDir>
#include <QtTest>

using namespace test_support;

namespace {

QByteArray ExpectedReport(const CatalogueModel& list, const QList<int>& rows, quint16 flags) {
    QByteArray bytes;
    for (int row : rows)
        bytes += ReportLine(*list.entryAt(row), flags);
    return bytes;
}

} // namespace

class TestCreateReport : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    QString m_work;
    std::unique_ptr<Session> m_session;

private slots:
    void init() {
        m_work = FreshLibraryFolder(m_dir.path(), 3);
        QVERIFY(!m_work.isEmpty());
        m_session = LoadSession(m_work, 3);
        SelectRows(m_session->list, {0, 2});
    }

    void firstReportProposesTheWorkingFolder() {
        ReportScript dialogs;
        QString proposed;
        dialogs.ok = false;
        dialogs.duringDialog = [&] { proposed = m_session->reportPath; };
        m_session->report(dialogs);
        QCOMPARE(proposed, m_work + QStringLiteral("zuflist.txt"));
        m_session->workingFolder = QStringLiteral("/elsewhere/");
        m_session->report(dialogs);
        QCOMPARE(proposed, m_work + QStringLiteral("zuflist.txt"));
        QVERIFY(dialogs.messages.isEmpty());
        QVERIFY(!QFile::exists(proposed));
    }

    void reportToANewFile() {
        m_session->reportFlags = DefaultReportFlags | ReportToFile;
        ReportScript dialogs;
        m_session->report(dialogs);
        const QString path = m_work + QStringLiteral("zuflist.txt");
        QCOMPARE(dialogs.messages, QStringList{ReportCreatedText(path)});
        QVERIFY(dialogs.warnings.isEmpty());
        QCOMPARE(ReadAll(path), ExpectedReport(m_session->list, {0, 2}, DefaultReportFlags));
    }

    void existingFileIsReplacedOnlyWhenTheUserAgrees_data() {
        QTest::addColumn<bool>("confirmedInChooser");
        QTest::addColumn<QList<bool>>("answers");
        QTest::addColumn<bool>("replaced");
        QTest::addColumn<int>("questions");
        QTest::newRow("No") << false << QList<bool>{false} << false << 1;
        QTest::newRow("Yes") << false << QList<bool>{true} << true << 1;
        QTest::newRow("asked by the file chooser") << true << QList<bool>{} << true << 0;
    }
    void existingFileIsReplacedOnlyWhenTheUserAgrees() {
        QFETCH(bool, confirmedInChooser);
        QFETCH(QList<bool>, answers);
        QFETCH(bool, replaced);
        QFETCH(int, questions);
        const QString path = m_work + NameOf(1); // a user's file, typed by mistake
        const QByteArray before = ReadAll(path);
        m_session->reportPath = path;
        m_session->reportFlags = ReportName | ReportToFile;
        ReportScript dialogs;
        dialogs.warnAnswers = answers;
        if (confirmedInChooser)
            dialogs.confirmedInChooser = path;

        m_session->report(dialogs);

        QCOMPARE(dialogs.warnings.size(), questions);
        if (questions)
            QCOMPARE(dialogs.warnings[0], ReportReplaceText(path));
        QCOMPARE(ReadAll(path),
                 replaced ? ExpectedReport(m_session->list, {0, 2}, ReportName) : before);
        QCOMPARE(dialogs.messages, replaced ? QStringList{ReportCreatedText(path)} : QStringList{});
    }

    // A replacement confirmed in the file chooser holds only for the report of that dialog: after
    // Cancel, the next report to the same existing file asks again.
    void chooserConfirmationEndsWithCancel() {
        const QString path = m_work + NameOf(1);
        const QByteArray before = ReadAll(path);
        m_session->reportPath = path;
        m_session->reportFlags = ReportName | ReportToFile;
        ReportScript cancelled;
        cancelled.ok = false;
        cancelled.confirmedInChooser = path;
        m_session->report(cancelled);

        ReportScript dialogs; // no chooser this time; No to the question
        dialogs.warnAnswers = {false};
        m_session->report(dialogs);

        QCOMPARE(dialogs.warnings, QStringList{ReportReplaceText(path)});
        QCOMPARE(ReadAll(path), before);
        QVERIFY(dialogs.messages.isEmpty());
    }

    void noRowSelectedToAFile_data() {
        QTest::addColumn<bool>("exists");
        QTest::newRow("new file") << false;
        QTest::newRow("existing file, Yes") << true;
    }
    void noRowSelectedToAFile() {
        QFETCH(bool, exists);
        m_session->list.clearSelectionAndFocus();
        const QString path = exists ? m_work + NameOf(1) : m_work + QStringLiteral("empty.txt");
        QCOMPARE(QFile::exists(path), exists);
        m_session->reportPath = path;
        m_session->reportFlags = DefaultReportFlags | ReportToFile;
        ReportScript dialogs;
        dialogs.warnAnswers = {true};
        m_session->report(dialogs);
        QVERIFY(QFile::exists(path));
        QCOMPARE(ReadAll(path), QByteArray());
        QCOMPARE(dialogs.messages, QStringList{ReportCreatedText(path)});
    }

    void clipboardGetsTheText() {
        m_session->reportFlags = ReportName | ReportTitle;
        ReportScript dialogs;
        m_session->report(dialogs);
        const QByteArray expected =
            ExpectedReport(m_session->list, {0, 2}, ReportName | ReportTitle);
        QCOMPARE(dialogs.clipboardBytes, expected);
        QCOMPARE(dialogs.clipboard, QString::fromLatin1(expected));
        QVERIFY(dialogs.messages.isEmpty());
    }

    void clipboardWithoutSelectionIsEmpty() {
        m_session->list.clearSelectionAndFocus();
        m_session->reportFlags = DefaultReportFlags;
        ReportScript dialogs;
        m_session->report(dialogs);
        QCOMPARE(dialogs.clipboardCalls, 1);
        QCOMPARE(dialogs.clipboard, QString());
    }

    void clipboardSaysWhenRowsAreLeftOut() {
        // Long titles make each line about 1 KiB: 700 rows overflow the 512 KiB block.
        m_session = std::make_unique<Session>();
        m_session->workingFolder = m_work;
        CatalogueModel& list = m_session->list;
        for (int i = 0; i < 700; ++i) {
            FileSummary summary;
            summary.currentEntry.name = NameOf(i);
            summary.currentEntry.folder = m_work;
            summary.title = QString(500, QChar(u'a' + i % 26));
            summary.subtitle = QString(500, u's');
            QVERIFY(InsertEntryRow(list, i, summary));
        }
        list.selectionModel()->select(QItemSelection(list.index(0, 0), list.index(699, 0)),
                                      QItemSelectionModel::Select | QItemSelectionModel::Rows);
        m_session->reportFlags = DefaultReportFlags;
        ReportScript dialogs;

        m_session->report(dialogs);

        QByteArray kept; // whole lines, as many as fit
        int fit = 0;
        for (; fit < 700; ++fit) {
            const QByteArray line = ReportLine(*list.entryAt(fit), DefaultReportFlags);
            if (kept.size() + line.size() > ReportClipboardLimit)
                break;
            kept += line;
        }
        QVERIFY(fit < 700);
        QCOMPARE(dialogs.clipboardBytes, kept);
        QCOMPARE(dialogs.messages, QStringList{ReportLeftOutText(700 - fit, 700)});
    }
};

QTEST_GUILESS_MAIN(TestCreateReport)
#include "tst_create_report.moc"
