// The information of several files on the offscreen platform: the fields' states as the user
// types, clears and uses the tools, the save of every file with its progress and the list of
// failures, and the texts taken from the names; every byte on disk is checked, and one Undo
// puts them all back.

#include "dialog_test_support.h"
#include "file_test_support.h"

#include "fileops/file_commands_dialog.h"
#include "fileops/info_batch_dialog.h"
#include "fileops/message_dialog.h"
#include "fileops/names_info_dialog.h"
#include "info/text_case.h"

#include <QAbstractItemModel>
#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableView>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>

using namespace test_support;
using namespace dialog_support;

namespace {

QString Shown(const FieldEdit& edit) {
    if (edit.kind == FieldEdit::Kind::Set)
        return u'=' + edit.text;
    QString tools;
    for (const int tool : edit.tools)
        tools += tool == CaseWords ? u'W' : u'?';
    return tools.isEmpty() ? QString() : u'*' + tools;
}

} // namespace

class TestInfoBatchWindow : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    QString m_work;
    std::unique_ptr<Session> m_s;

    // Writes the files with these names (texts "title|subtitle|comments", and "|newer" after
    // them for a file of the newer generation) and lists them all, selected.
    void writeFiles(const QList<QPair<QString, QString>>& files) {
        m_work = NormalisedFolder(m_dir.path() + QStringLiteral("/music"));
        QDir(m_work).removeRecursively();
        QVERIFY(QDir().mkpath(m_work));
        m_s = std::make_unique<Session>();
        QList<int> rows;
        for (const auto& [name, texts] : files) {
            const QStringList parts = texts.split(u'|');
            SampleFile file = parts.value(3) == u"newer" ? SampleFile::newer() : SampleFile();
            file.title = parts.value(0);
            file.subtitle = parts.value(1);
            file.comments = parts.value(2);
            QVERIFY(WriteSampleFile(m_work + name, file));
            AddRow(m_s->list, m_work, name);
            rows << m_s->list.rowCount() - 1;
        }
        SelectRows(m_s->list, rows);
    }

private slots:
    // The fields as the user leaves them: title and comments differ, the subtitle is shared.
    void fieldStates_data() {
        QTest::addColumn<QString>("steps");    // field:action, ...
        QTest::addColumn<QStringList>("edit"); // per field: "" keeps, "=text", "*W" Abc kept
        QTest::addColumn<QString>("titlePlaceholder");
        QTest::newRow("untouched") << "" << QStringList{"", "", ""} << "(different in 2 files)";
        QTest::newRow("typed into a differing field")
            << "title:type Air" << QStringList{"=Air", "", ""} << "";
        QTest::newRow("typed, then erased again")
            << "title:type Air,title:erase" << QStringList{"", "", ""} << "(different in 2 files)";
        QTest::newRow("the shared text erased empties it in all")
            << "subtitle:erase" << QStringList{"", "=", ""} << "(different in 2 files)";
        QTest::newRow("the shared text back as it was keeps it")
            << "subtitle:erase,subtitle:type ANon" << QStringList{"", "", ""}
            << "(different in 2 files)";
        QTest::newRow("cleared") << "title:clear" << QStringList{"=", "", ""}
                                 << "(empty in every file)";
        QTest::newRow("cleared, then kept again")
            << "title:clear,title:keep" << QStringList{"", "", ""} << "(different in 2 files)";
        QTest::newRow("Abc on a differing field: each file's own text")
            << "title:Abc" << QStringList{"*W", "", ""} << "(different in 2 files)";
        QTest::newRow("Abc on the selected shared text sets the new text")
            << "subtitle:select,subtitle:Abc" << QStringList{"", "=Anon", ""}
            << "(different in 2 files)";
    }
    void fieldStates() {
        QFETCH(QString, steps);
        QFETCH(QStringList, edit);
        QFETCH(QString, titlePlaceholder);
        writeFiles({{NameOf(0), "One|anon|c1"}, {NameOf(1), "Two|anon|c2"}});
        for (int row : {0, 1}) // the rows say "ANon": Abc on its selected "AN" gives "An"
            m_s->list.editEntry(row)->subtitle = QStringLiteral("ANon");
        InfoBatchDialog dialog(nullptr, m_s->list, {0, 1});
        QVERIFY(ShowActive(&dialog));
        QCOMPARE(dialog.subtitleField()->text(), QStringLiteral("ANon"));
        QWidget* fields[] = {dialog.titleField(), dialog.subtitleField(), dialog.commentsField()};
        const QStringList names = {"title", "subtitle", "comments"};
        for (const QString& step : steps.split(u',', Qt::SkipEmptyParts)) {
            const int field = int(names.indexOf(step.section(u':', 0, 0)));
            const QString action = step.section(u':', 1);
            auto* line = qobject_cast<QLineEdit*>(fields[field]);
            fields[field]->setFocus();
            QTRY_VERIFY(fields[field]->hasFocus());
            if (action.startsWith(u"type "))
                QTest::keyClicks(fields[field], action.mid(5));
            else if (action == u"erase")
                while (!line->text().isEmpty())
                    QTest::keyClick(line, Qt::Key_Backspace);
            else if (action == u"select")
                line->setSelection(0, 2);
            else if (action == u"clear")
                QTest::mouseClick(dialog.clearButton(InfoField(field)), Qt::LeftButton);
            else if (action == u"keep")
                dialog.clearButton(InfoField(field))->menu()->actions().at(1)->trigger();
            else
                QTest::mouseClick(Button(&dialog, action), Qt::LeftButton);
        }
        QStringList shown;
        for (const FieldEdit& field : dialog.edit())
            shown << Shown(field);
        QCOMPARE(shown, edit);
        QCOMPARE(dialog.titleField()->placeholderText(), titlePlaceholder);
        QCOMPARE(dialog.saveButton()->isEnabled(), edit != QStringList({"", "", ""}));
    }

    // Four files of the older generation and one of the newer; the author is typed, the
    // comments cleared, Abc applied to each title; one file goes before the save begins.
    void saveWritesEveryFile() {
        writeFiles({{NameOf(0), "song zero|Anon|c0"},
                    {NameOf(1), "song one|Anon|c1"},
                    {NameOf(2), "newer one|Anon|c2|newer"},
                    {NameOf(3), "song three|Anon|c3"},
                    {NameOf(4), "song four|Anon|c4"}});
        const Snapshot before = TakeSnapshot(m_work);
        UndoRecord undo;
        QString summary, refusedWhy, failureText, failures;
        // The list of failures opens once the progress has gone.
        const auto failureList = WhileOpen<FailureListDialog>([&](FailureListDialog* list) {
            failures = list->listBox()->toPlainText();
            failureText = list->findChild<QLabel*>()->text();
            list->accept();
        });
        const auto steps = [&](InfoBatchDialog* dialog) {
            QTRY_VERIFY(dialog->check().finished());
            summary = dialog->summaryLabel()->text();
            QVERIFY(dialog->refusedTable()->isVisible());
            refusedWhy = dialog->refusedTable()->model()->index(0, 1).data().toString();
            QCOMPARE(dialog->subtitleField()->text(), QStringLiteral("Anon"));
            dialog->titleField()->setFocus();
            QTRY_VERIFY(dialog->titleField()->hasFocus());
            QTest::mouseClick(Button(dialog, QStringLiteral("Abc")), Qt::LeftButton);
            QCOMPARE(dialog->toolsLabel(InfoField::Title)->text(),
                     QStringLiteral("each file's own text, then Abc"));
            dialog->subtitleField()->setFocus();
            dialog->subtitleField()->selectAll();
            QTest::keyClicks(dialog->subtitleField(), QStringLiteral("Bach"));
            QTest::mouseClick(dialog->clearButton(InfoField::Comments), Qt::LeftButton);
            QVERIFY(QFile::remove(m_work + NameOf(4)));
            QTest::mouseClick(dialog->saveButton(), Qt::LeftButton);
        };
        WhenOpen<InfoBatchDialog>([&](InfoBatchDialog* dialog) {
            steps(dialog);
            if (dialog->isVisible()) // a step failed
                dialog->reject();
        });
        RunInfoBatchCommand(nullptr, m_s->list, undo, 0);
        QVERIFY(!failures.isEmpty());

        QCOMPARE(summary,
                 QStringLiteral("4 file(s) will be written. 1 file(s) will not be written:"));
        QCOMPARE(refusedWhy, QStringLiteral("newer generation"));
        QCOMPARE(failureText, QStringLiteral("1 file(s) could not be written:"));
        QCOMPARE(failures,
                 m_work + NameOf(4) + QStringLiteral(": ") + SystemErrorText(NoFileError));
        const Snapshot after = TakeSnapshot(m_work);
        QCOMPARE(after.keys(), (QStringList{NameOf(0), NameOf(1), NameOf(2), NameOf(3)}));
        QCOMPARE(after.value(NameOf(2)), before.value(NameOf(2)));
        const QStringList titles = {"Song Zero", "Song One", "", "Song Three"};
        for (const int i : {0, 1, 3}) {
            QCOMPARE(after.value(NameOf(i)).left(200), Block(titles[i].toLatin1(), "Bach", ""));
            QCOMPARE(after.value(NameOf(i)).mid(200), before.value(NameOf(i)).mid(200));
            QCOMPARE(m_s->list.entryAt(i)->title, titles[i]);
            QCOMPARE(m_s->list.entryAt(i)->subtitle, QStringLiteral("Bach"));
        }
        QCOMPARE(int(undo.steps.size()), 3);

        ScriptedDialogs dialogs;
        QCOMPARE(UndoLastBatch(undo, m_s->list, dialogs), 3);
        Snapshot restored = before;
        restored.remove(NameOf(4));
        QCOMPARE(TakeSnapshot(m_work), restored);
        QCOMPARE(m_s->list.entryAt(0)->title, QStringLiteral("song zero"));
    }

    // Titles and authors from the names: the preview marks what does not match and what may not
    // be written, and only the others are saved.
    void informationFromNames() {
        writeFiles({{"Bach - Air.zuf", "old|x|keep me"},
                    {"Handel - Largo.zuf", "old|x|c"},
                    {"no match here.zuf", "old|x|c"},
                    {"Satie - Gnossienne.zuf", "old|x|c|newer"}});
        const Snapshot before = TakeSnapshot(m_work);
        UndoRecord undo;
        QStringList recent{QStringLiteral("%title%")};
        QStringList preview;
        QString failures;
        const auto failureList = WhileOpen<FailureListDialog>([&](FailureListDialog* list) {
            failures = list->listBox()->toPlainText();
            list->accept();
        });
        const auto steps = [&](NamesInfoDialog* dialog) {
            QCOMPARE(dialog->patternBox()->currentText(), QStringLiteral("%title%"));
            dialog->patternBox()->setEditText(QStringLiteral("%author% - %title"));
            QVERIFY(dialog->errorLabel()->isVisible());
            QVERIFY(!dialog->saveButton()->isEnabled());
            dialog->patternBox()->setEditText(QStringLiteral("%author% - %title%"));
            QTRY_VERIFY(!dialog->matchPending() && dialog->check().finished());
            const QAbstractItemModel* model = dialog->preview();
            for (int row = 0; row < model->rowCount(); ++row) {
                QStringList cells;
                for (int column = 0; column < NamesPreviewModel::ColumnCount; ++column)
                    if (column != NamesPreviewModel::Comments)
                        cells << model->index(row, column).data().toString();
                preview << cells.join(u'|');
            }
            QTest::mouseClick(dialog->saveButton(), Qt::LeftButton);
        };
        WhenOpen<NamesInfoDialog>([&](NamesInfoDialog* dialog) {
            steps(dialog);
            if (dialog->isVisible()) // a step failed
                dialog->reject();
        });
        RunNamesInfoCommand(nullptr, m_s->list, recent, undo, 0);
        QVERIFY(!preview.isEmpty());
        QCOMPARE(failures, QString());

        QCOMPARE(preview,
                 (QStringList{"Bach - Air.zuf|Air|Bach|", "Handel - Largo.zuf|Largo|Handel|",
                              "no match here.zuf|old|x|does not match",
                              "Satie - Gnossienne.zuf|Gnossienne|Satie|newer generation"}));
        QCOMPARE(recent, (QStringList{"%author% - %title%", "%title%"}));
        const Snapshot after = TakeSnapshot(m_work);
        QCOMPARE(after.value("Bach - Air.zuf").left(200), Block("Air", "Bach", "keep me"));
        QCOMPARE(after.value("Handel - Largo.zuf").left(200), Block("Largo", "Handel", "c"));
        for (const char* name : {"Bach - Air.zuf", "Handel - Largo.zuf"})
            QCOMPARE(after.value(name).mid(200), before.value(name).mid(200));
        for (const char* name : {"no match here.zuf", "Satie - Gnossienne.zuf"})
            QCOMPARE(after.value(name), before.value(name));
        QCOMPARE(int(undo.steps.size()), 2);
    }
};

QTEST_MAIN(TestInfoBatchWindow)
#include "tst_info_batch_window.moc"
