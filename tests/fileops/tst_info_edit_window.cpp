// The information dialog on the offscreen platform: the fields it shows, the tools on the
// field that last had the focus, Save to File and when it is offered.

#include "dialog_test_support.h"
#include "file_test_support.h"

#include "catalogue/status.h"
#include "fileops/file_commands_dialog.h"
#include "fileops/info_edit.h"
#include "fileops/info_edit_dialog.h"

#include <QApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTextCursor>
#include <QTimer>
#include <QtTest>

using namespace test_support;
using namespace dialog_support;

class TestInfoEditWindow : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    UndoRecord m_undo;
    QString m_work;
    std::unique_ptr<Session> m_s; // the list the dialog's save writes into

    // The dialog over row 0 of the session's list, `dialogs` answering.
    std::unique_ptr<InfoEditDialog> openDialog(ScriptedDialogs& dialogs) {
        return std::make_unique<InfoEditDialog>(nullptr, m_s->list, 0, LoadInfoFile(m_s->list, 0),
                                                dialogs, dialogs.undo, m_s->window);
    }
    void writeFile(const SampleFile& file) {
        QVERIFY(WriteSampleFile(m_work + NameOf(0), file));
        m_s = LoadSession(m_work, 1);
    }

private slots:
    void init() {
        m_work = NormalisedFolder(m_dir.path() + QStringLiteral("/music"));
        QDir(m_work).removeRecursively();
        QVERIFY(QDir().mkpath(m_work));
        SampleFile file;
        file.title = QStringLiteral("\"Blue\" moon");
        file.subtitle = QStringLiteral("me");
        file.comments = QStringLiteral("line one\r\nline two");
        file.notes = QStringLiteral("the notes");
        writeFile(file);
    }

    void showsTheFile() {
        ScriptedDialogs dialogs;
        const std::unique_ptr<InfoEditDialog> dialog = openDialog(dialogs);
        QVERIFY(ShowActive(dialog.get()));
        QCOMPARE(dialog->windowTitle(), QStringLiteral("Information"));
        QCOMPARE(dialog->titleField()->text(), QStringLiteral("\"Blue\" moon"));
        QCOMPARE(dialog->subtitleField()->text(), QStringLiteral("me"));
        QCOMPARE(dialog->commentsField()->toPlainText(), QStringLiteral("line one\nline two"));
        QCOMPARE(dialog->notesField()->toPlainText(), QStringLiteral("the notes"));
        QVERIFY(dialog->notesField()->isReadOnly());
        QVERIFY(dialog->titleField()->hasFocus());
        QVERIFY(dialog->saveButton()->isEnabled());
        QVERIFY(dialog->saveButton()->isDefault());
    }

    void saveRoundTrip() {
        const QByteArray before = ReadAll(m_work + NameOf(0));
        ScriptedDialogs dialogs;
        const std::unique_ptr<InfoEditDialog> dialog = openDialog(dialogs);
        QVERIFY(ShowActive(dialog.get()));
        dialog->titleField()->setText(QStringLiteral("New title"));
        dialog->commentsField()->setPlainText(QStringLiteral("a\nb"));
        QTest::keyClick(dialog->titleField(), Qt::Key_Return);
        QCOMPARE(dialog->result(), QDialog::Accepted);
        const QByteArray after = ReadAll(m_work + NameOf(0));
        QCOMPARE(after.left(19), QByteArray("New title\0me\0a\r\nb\0", 19));
        QCOMPARE(after.mid(200), before.mid(200));
        QCOMPARE(m_s->list.entryAt(0)->title, QStringLiteral("New title"));
        QCOMPARE(m_s->list.entryAt(0)->comments, QStringLiteral("a\r\nb"));
    }

    void cancelWritesNothing_data() {
        QTest::addColumn<bool>("byKey");
        QTest::newRow("Esc") << true;
        QTest::newRow("Cancel") << false;
    }
    void cancelWritesNothing() {
        QFETCH(bool, byKey);
        const QByteArray before = ReadAll(m_work + NameOf(0));
        ScriptedDialogs dialogs;
        const std::unique_ptr<InfoEditDialog> dialog = openDialog(dialogs);
        QVERIFY(ShowActive(dialog.get()));
        dialog->titleField()->setText(QStringLiteral("Never saved"));
        if (byKey)
            QTest::keyClick(dialog->titleField(), Qt::Key_Escape);
        else
            QTest::mouseClick(Button(dialog.get(), QStringLiteral("Cancel")), Qt::LeftButton);
        QVERIFY(!dialog->isVisible());
        QCOMPARE(dialog->result(), QDialog::Rejected);
        QCOMPARE(ReadAll(m_work + NameOf(0)), before);
        QCOMPARE(m_s->list.entryAt(0)->title, QStringLiteral("\"Blue\" moon"));
    }

    void saveIsNotOfferedForFilesItWouldDamage_data() {
        QTest::addColumn<QByteArray>("bytes");
        SampleFile newer = SampleFile::newer();
        newer.title = QStringLiteral("Newer");
        QTest::newRow("newer generation") << BuildSampleFile(newer);
        QTest::newRow("text file") << QByteArray("just some text\r\n").repeated(40);
    }
    void saveIsNotOfferedForFilesItWouldDamage() {
        QFETCH(QByteArray, bytes);
        QVERIFY(WriteSampleFile(m_work + NameOf(0), bytes));
        ScriptedDialogs dialogs;
        const std::unique_ptr<InfoEditDialog> dialog = openDialog(dialogs);
        QVERIFY(ShowActive(dialog.get()));
        QVERIFY(!dialog->saveButton()->isEnabled());
        dialog->titleField()->setText(QStringLiteral("Would overwrite the start"));
        QTest::keyClick(dialog->titleField(), Qt::Key_Return);
        QVERIFY(dialog->isVisible());
        QCOMPARE(ReadAll(m_work + NameOf(0)), bytes);
    }

    void toolsWorkOnTheLastField_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("subtitle");
        QTest::newRow("ABC on the subtitle") << "ABC"
                                             << "\"Blue\" moon"
                                             << "ME";
        QTest::newRow("quotes") << "(\")"
                                << "\"Blue\" moon"
                                << "me";
    }
    void toolsWorkOnTheLastField() {
        QFETCH(QString, button);
        QFETCH(QString, title);
        QFETCH(QString, subtitle);
        ScriptedDialogs dialogs;
        const std::unique_ptr<InfoEditDialog> dialog = openDialog(dialogs);
        QVERIFY(ShowActive(dialog.get()));
        dialog->subtitleField()->setFocus();
        dialog->subtitleField()->selectAll();
        QTest::mouseClick(Button(dialog.get(), button), Qt::LeftButton);
        QCOMPARE(dialog->titleField()->text(), title);
        QCOMPARE(dialog->subtitleField()->text(), subtitle);
        QVERIFY(dialog->subtitleField()->hasFocus());
    }

    // The comments field: the selection across the line break is converted and stays selected.
    void caseToolsOnTheComments_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("comments");
        QTest::newRow("ABC") << "ABC"
                             << "line ONE\nTWO two";
        QTest::newRow("Abc") << "Abc"
                             << "line One\nTwo two";
    }
    void caseToolsOnTheComments() {
        QFETCH(QString, button);
        QFETCH(QString, comments);
        ScriptedDialogs dialogs;
        const std::unique_ptr<InfoEditDialog> dialog = openDialog(dialogs);
        QVERIFY(ShowActive(dialog.get()));
        dialog->commentsField()->setPlainText(QStringLiteral("line one\ntwo two"));
        dialog->commentsField()->setFocus();
        QTRY_VERIFY(dialog->commentsField()->hasFocus());
        QTextCursor cursor = dialog->commentsField()->textCursor();
        cursor.setPosition(5);
        cursor.setPosition(12, QTextCursor::KeepAnchor); // "one\ntwo"
        dialog->commentsField()->setTextCursor(cursor);
        QTest::mouseClick(Button(dialog.get(), button), Qt::LeftButton);
        QCOMPARE(dialog->commentsField()->toPlainText(), comments);
        QVERIFY(dialog->commentsField()->hasFocus());
        const QTextCursor after = dialog->commentsField()->textCursor();
        QCOMPARE(after.selectionStart(), 5);
        QCOMPARE(after.selectionEnd(), 12);
        QCOMPARE(dialog->titleField()->text(), QStringLiteral("\"Blue\" moon"));
    }

    void quoteToolOnTheTitle() {
        ScriptedDialogs dialogs;
        const std::unique_ptr<InfoEditDialog> dialog = openDialog(dialogs);
        QVERIFY(ShowActive(dialog.get()));
        QTest::mouseClick(Button(dialog.get(), QStringLiteral("(\")")), Qt::LeftButton);
        QCOMPARE(dialog->titleField()->text(), QStringLiteral("Blue moon"));
        QTest::mouseClick(Button(dialog.get(), QStringLiteral("Abc")), Qt::LeftButton);
        QCOMPARE(dialog->titleField()->text(), QStringLiteral("Blue moon")); // nothing selected
    }

    void commandOpensOnlyForOneRow() {
        QVERIFY(WriteSampleFile(m_work + NameOf(1), SampleFile{}));
        AddRow(m_s->list, m_work, NameOf(1));
        SelectRows(m_s->list, {0, 1});
        bool opened = false;
        QTimer::singleShot(0, [&] {
            if (auto* dialog = qobject_cast<InfoEditDialog*>(QApplication::activeModalWidget())) {
                opened = true;
                dialog->reject();
            }
        });
        RunInfoEditDialog(nullptr, m_s->list, SingleFileRow(m_s->list), m_s->window, m_undo);
        QVERIFY(!opened);
        SelectRows(m_s->list, {0});
        RunInfoEditDialog(nullptr, m_s->list, SingleFileRow(m_s->list), m_s->window, m_undo);
        QVERIFY(opened);
    }
};

QTEST_MAIN(TestInfoEditWindow)
#include "tst_info_edit_window.moc"
