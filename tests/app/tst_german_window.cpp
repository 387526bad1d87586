// The window in German, as a user whose language is German starts it: the translations are
// loaded as at the program's start, and the menus, the toolbar's tooltips, the status texts and
// the dialogs show the texts of translations/zuffile_de.ts, Qt's own dialogs Qt's German; in
// each menu and each dialog no two texts share an accelerator letter.

#include "tests/app/fixed_list.h"
#include "tests/app/translation_files.h"
#include "tests/fileops/file_test_support.h"

#include "app/language.h"
#include "app/main_window.h"
#include "app/options.h"
#include "app/options_dialog.h"
#include "app/status_bar_widget.h"
#include "catalogue/catalogue_model.h"
#include "catalogue/search_dialog.h"
#include "fileops/confirmation_dialog.h"
#include "fileops/info_batch_dialog.h"
#include "fileops/info_edit_dialog.h"
#include "platform/folder_path.h"
#include "report/report_dialog.h"
#include "settings/settings_store.h"
#include "tools/sample_writer.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QToolBar>
#include <QtTest>
#include <functional>
#include <memory>

using namespace test_support;

namespace {

using MakeDialog = std::function<QDialog*()>;

// The texts that differ between two languages share no accelerator letter within one group.
QStringList AcceleratorClashes(const QStringList& texts) {
    QHash<QChar, QString> taken;
    QStringList clashes;
    for (const QString& text : texts) {
        const QChar letter = AcceleratorOf(text);
        if (letter.isNull())
            continue;
        if (taken.contains(letter))
            clashes << taken[letter] + QStringLiteral(" / ") + text;
        taken.insert(letter, text);
    }
    return clashes;
}

// The form of a translation with placeholders: any text where it has %1 or %n.
QRegularExpression FilledForm(const QString& translation) {
    static const QRegularExpression placeholder(QStringLiteral("%(\\d|n)"));
    QStringList parts = translation.split(placeholder);
    for (QString& part : parts)
        part = QRegularExpression::escape(part);
    return QRegularExpression(u'^' + parts.join(QStringLiteral(".+")) + u'$');
}

bool MatchesAny(const QList<QRegularExpression>& forms, const QString& text) {
    return std::any_of(forms.cbegin(), forms.cend(), [&text](const QRegularExpression& form) {
        return form.match(text).hasMatch();
    });
}

} // namespace

Q_DECLARE_METATYPE(MakeDialog)

class TestGermanWindow : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    std::unique_ptr<SettingsStore> m_store;
    std::unique_ptr<MainWindow> m_window;
    QSet<QString> m_german;     // the German texts that differ from their English source
    QSet<QString> m_translated; // every German text, also those alike in both languages
    QList<QRegularExpression> m_statusForms; // the status texts' translations
    QList<QRegularExpression> m_filledForms; // every translation with placeholders
    FixedList m_list;
    test_support::ScriptedDialogs m_dialogs;
    FileSummary m_current;
    CatalogueModel m_catalogue;
    quint16 m_searchFlags = 0;
    UiHooks m_hooks;
    Settings m_settings;
    QString m_reportPath, m_workingFolder;

    bool isGerman(const QString& text) const { return m_german.contains(text); }

    // Every text the user reads in `dialog` is a German one; its accelerators differ.
    void checkDialog(QDialog& dialog) {
        QVERIFY2(isGerman(dialog.windowTitle()), qPrintable(dialog.windowTitle()));
        QStringList texts;
        for (const QAbstractButton* button : dialog.findChildren<QAbstractButton*>())
            texts << button->text();
        for (const QGroupBox* box : dialog.findChildren<QGroupBox*>())
            texts << box->title();
        // Labels with an object name show the data they are given (a file name, a question).
        for (const QLabel* label : dialog.findChildren<QLabel*>())
            if (label->objectName().isEmpty())
                texts << label->text();
        texts.removeAll(QString());
        QVERIFY(!texts.isEmpty());
        for (const QString& text : texts)
            QVERIFY2(m_translated.contains(text) || MatchesAny(m_filledForms, text),
                     qPrintable(text));
        const QStringList clashes = AcceleratorClashes(texts);
        QVERIFY2(clashes.isEmpty(), qPrintable(clashes.join(u'\n')));
        // The longer texts fit: no button is narrower than its text needs.
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        for (const QAbstractButton* button : dialog.findChildren<QAbstractButton*>())
            if (button->isVisible() && !button->text().isEmpty())
                QVERIFY2(button->width() >= button->sizeHint().width(), qPrintable(button->text()));
    }

private slots:
    void initTestCase() {
#ifndef ZUF_TRANSLATIONS_BUILT
        QSKIP("This build has no translations.");
#endif
        QStandardPaths::setTestModeEnabled(true);
        QVERIFY(m_dir.isValid());
        for (const TsMessage& message :
             ReadTsFile(QStringLiteral(ZUF_SOURCE_DIR "/translations/zuffile_de.ts"))) {
            for (const QString& form : message.forms) {
                m_translated.insert(form);
                if (form != message.source)
                    m_german.insert(form);
                if (message.context == u"Status")
                    m_statusForms << FilledForm(form);
                if (form.contains(u'%'))
                    m_filledForms << FilledForm(form);
            }
        }
        QVERIFY(!m_german.isEmpty());
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        InstallTranslations(*qApp);

        const QString tree = NormalisedFolder(m_dir.filePath(QStringLiteral("tree")));
        SampleFile file;
        file.title = QStringLiteral("Blue Tune");
        QVERIFY(WriteSampleFile(tree + QStringLiteral("blue.zuf"), file));
        m_store = std::make_unique<SettingsStore>(m_dir.filePath(QStringLiteral("settings.ini")));
        m_store->writeSetting(u"szPathName1", tree);
        m_window = StartUp(*m_store);
        QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
        QTRY_VERIFY(m_window->catalogueModel().rowCount() == 1);
    }
    void cleanupTestCase() {
        m_window.reset();
    }

    void menusSpeakGerman_data() {
        QTest::addColumn<bool>("dropDown");
        QTest::newRow("menu bar") << true;
        QTest::newRow("context menu") << false;
    }
    void menusSpeakGerman() {
        QFETCH(bool, dropDown);
        const QMenu* menu = dropDown ? m_window->dropDownMenu() : m_window->contextMenu();
        if (dropDown)
            QVERIFY2(isGerman(menu->title()), qPrintable(menu->title()));
        QStringList labels;
        for (const QAction* action : menu->actions()) {
            if (action->isSeparator())
                continue;
            const QStringList parts = action->text().split(u'\t');
            QVERIFY2(isGerman(parts.constFirst()), qPrintable(action->text()));
            if (parts.size() > 1)
                QVERIFY2(m_translated.contains(parts.constLast()), qPrintable(action->text()));
            labels << parts.constFirst();
        }
        QVERIFY(!labels.isEmpty());
        const QStringList clashes = AcceleratorClashes(labels);
        QVERIFY2(clashes.isEmpty(), qPrintable(clashes.join(u'\n')));
    }

    void toolbarAndStatusSpeakGerman() {
        int tips = 0;
        for (const QAction* action : m_window->toolbar()->actions()) {
            if (action->isSeparator() || action->toolTip().isEmpty())
                continue;
            QVERIFY2(isGerman(action->toolTip()), qPrintable(action->toolTip()));
            ++tips;
        }
        QVERIFY(tips > 0);
        for (int part = 1; part <= 3; ++part) {
            const QString text = m_window->statusBarWidget()->partText(part);
            QVERIFY2(MatchesAny(m_statusForms, text), qPrintable(text));
        }
    }

    // A dialog of each kind: a form with boxes and groups, a question, the report's choices,
    // the search, and the information editors.
    void dialogsSpeakGerman_data() {
        QTest::addColumn<MakeDialog>("make");
        QTest::newRow("options") << MakeDialog(
            [this] { return new OptionsDialog(nullptr, m_settings, m_list); });
        QTest::newRow("confirmation") << MakeDialog(
            [] { return new ConfirmationDialog(nullptr, QString(), QStringLiteral("/m")); });
        QTest::newRow("report") << MakeDialog([this] {
            return new ReportDialog(nullptr, m_settings.reportFlags, m_reportPath, m_workingFolder);
        });
        QTest::newRow("search") << MakeDialog(
            [this] { return new SearchDialog(nullptr, m_catalogue, m_searchFlags); });
        QTest::newRow("information of several files")
            << MakeDialog([this] { return new InfoBatchDialog(nullptr, m_catalogue, {}); });
        QTest::newRow("information") << MakeDialog([this] {
            return new InfoEditDialog(nullptr, m_catalogue, 0, m_current, m_dialogs, m_dialogs.undo,
                                      m_hooks);
        });
    }
    void dialogsSpeakGerman() {
        QFETCH(MakeDialog, make);
        const std::unique_ptr<QDialog> dialog(make());
        checkDialog(*dialog);
    }

    // Qt's own dialogs (the folder and file choosers) speak German too.
    void qtDialogsSpeakGerman() {
        const QStringList folders =
            TranslationFolders(QCoreApplication::applicationDirPath(), true);
        if (std::none_of(folders.cbegin(), folders.cend(), [](const QString& folder) {
                return QFileInfo::exists(folder + QStringLiteral("/qtbase_de.qm"));
            }))
            QSKIP("Qt's own translations are not installed here.");
        const QString cancel = QCoreApplication::translate("QPlatformTheme", "Cancel");
        QVERIFY2(cancel != QStringLiteral("Cancel"), "Qt's own translations are not loaded");
        QFileDialog chooser;
        chooser.setOption(QFileDialog::DontUseNativeDialog);
        const auto* box = chooser.findChild<QDialogButtonBox*>();
        QVERIFY(box);
        QCOMPARE(box->button(QDialogButtonBox::Cancel)->text(), cancel);
    }
};

QTEST_MAIN(TestGermanWindow)
#include "tst_german_window.moc"
