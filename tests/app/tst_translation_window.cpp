// The window texts go through the translator: with a translator installed that marks every
// text it is asked for, each dialog's title, buttons, boxes, group titles and fixed labels
// come out marked. A text that skipped tr() would stay bare, and a screen reader would have
// nothing to say for a control without text or accessible name.

#include "tests/app/fixed_list.h"
#include "tests/fileops/file_test_support.h"

#include "app/about_dialog.h"
#include "app/options.h"
#include "app/options_dialog.h"
#include "base/commands.h"
#include "catalogue/catalogue_model.h"
#include "catalogue/search_dialog.h"
#include "fileops/confirmation_dialog.h"
#include "fileops/destination_dialog.h"
#include "fileops/folder_history.h"
#include "fileops/info_batch_dialog.h"
#include "fileops/info_edit_dialog.h"
#include "fileops/names_info_dialog.h"
#include "fileops/rename_dialog.h"
#include "report/report_dialog.h"

#include <QAbstractButton>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QTranslator>
#include <QtTest>
#include <functional>
#include <memory>

namespace {

// Translates every text to itself in brackets, so that a translated text can be told from one
// that was never looked up.
class MarkingTranslator : public QTranslator {
public:
    QString translate(const char*, const char* source, const char*, int) const override {
        return source && *source ? u'[' + QString::fromUtf8(source) + u']' : QString();
    }
    bool isEmpty() const override { return false; }
};

bool Marked(const QString& text) {
    return text.startsWith(u'[') && text.endsWith(u']');
}

using MakeDialog = std::function<QDialog*()>;

} // namespace

Q_DECLARE_METATYPE(MakeDialog)

class TestTranslationWindow : public QObject {
    Q_OBJECT

    MarkingTranslator m_translator;
    test_support::FixedList m_list;
    test_support::ScriptedDialogs m_dialogs;
    FileSummary m_current; // the rename and information dialogs' file: none
    FolderHistory m_history;
    CatalogueModel m_catalogue;
    quint16 m_searchFlags = 0;
    quint16 m_renameFlags = 0;
    UiHooks m_window; // a window that shows nothing
    Settings m_settings;
    QString m_destination, m_workingFolder, m_reportPath;

private slots:
    void initTestCase() { QVERIFY(QApplication::installTranslator(&m_translator)); }

    void textsAreTranslated_data() {
        QTest::addColumn<MakeDialog>("make");
        QTest::newRow("about") << MakeDialog([] { return new AboutDialog(nullptr); });
        QTest::newRow("options") << MakeDialog(
            [this] { return new OptionsDialog(nullptr, m_settings, m_list); });
        QTest::newRow("rename") << MakeDialog([this] {
            return new RenameFileDialog(nullptr, m_dialogs, m_current, m_catalogue, m_renameFlags);
        });
        QTest::newRow("confirmation") << MakeDialog([] {
            return new ConfirmationDialog(nullptr, QStringLiteral("Delete?"), QStringLiteral("/m"));
        });
        QTest::newRow("search") << MakeDialog(
            [this] { return new SearchDialog(nullptr, m_catalogue, m_searchFlags); });
        QTest::newRow("report") << MakeDialog([this] {
            return new ReportDialog(nullptr, m_settings.reportFlags, m_reportPath, m_workingFolder);
        });
        // The destination dialog's title is the command's verb, from the command table.
        QTest::newRow("destination") << MakeDialog([this] {
            return new DestinationDialog(nullptr, CommandTooltip(CommandId::MoveFiles), QString(),
                                         m_history, {m_destination, m_workingFolder});
        });
        QTest::newRow("new folder") << MakeDialog([this] {
            return new NewFolderDialog(nullptr, {m_destination, m_workingFolder});
        });
        QTest::newRow("information") << MakeDialog([this] {
            return new InfoEditDialog(nullptr, m_catalogue, 0, m_current, m_dialogs, m_dialogs.undo,
                                      m_window);
        });
        QTest::newRow("information of several files")
            << MakeDialog([this] { return new InfoBatchDialog(nullptr, m_catalogue, {}); });
        QTest::newRow("information from names")
            << MakeDialog([this] { return new NamesInfoDialog(nullptr, m_catalogue, {}, {}); });
    }
    void textsAreTranslated() {
        QFETCH(MakeDialog, make);
        const std::unique_ptr<QDialog> dialog(make());
        QVERIFY2(Marked(dialog->windowTitle()), qPrintable(dialog->windowTitle()));
        int seen = 0;
        for (const QAbstractButton* button : dialog->findChildren<QAbstractButton*>()) {
            // A table's corner button is Qt's own, with nothing to say (no row header here).
            if (button->inherits("QTableCornerButton"))
                continue;
            const QString said =
                button->text().isEmpty() ? button->accessibleName() : button->text();
            QVERIFY2(Marked(said), qPrintable(said));
            ++seen;
        }
        for (const QGroupBox* box : dialog->findChildren<QGroupBox*>())
            QVERIFY2(Marked(box->title()), qPrintable(box->title()));
        // Labels with an object name show the data they are given (a file name, a question).
        for (const QLabel* label : dialog->findChildren<QLabel*>())
            if (label->objectName().isEmpty() && !label->text().isEmpty())
                QVERIFY2(Marked(label->text()), qPrintable(label->text()));
        QVERIFY(seen > 0);
    }
};

QTEST_MAIN(TestTranslationWindow)
#include "tst_translation_window.moc"
