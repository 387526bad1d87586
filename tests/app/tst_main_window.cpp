// The main window on the offscreen platform: start-up on a temporary tree with a temporary
// settings file, the status bar, the keys, the menus, sorting, searching, the options, the
// folder box and the information panel.

#include "app/layout.h"
#include "app/main_window.h"
#include "app/options_dialog.h"
#include "app/start_target.h"
#include "app/status_bar_widget.h"
#include "base/commands.h"
#include "base/program_info.h"
#include "catalogue/catalogue_model.h"
#include "catalogue/scan.h"
#include "catalogue/search.h"
#include "catalogue/search_dialog.h"
#include "catalogue/sorting.h"
#include "catalogue/status.h"
#include "fileops/confirmation_dialog.h"
#include "fileops/destination_dialog.h"
#include "fileops/file_batch.h"
#include "fileops/folder_history.h"
#include "fileops/info_edit_dialog.h"
#include "format/file_summary.h"
#include "info/info_panel.h"
#include "platform/folder_path.h"
#include "settings/settings_store.h"
#include "tests/fileops/dialog_test_support.h"
#include "tests/fileops/temporary_trash.h"
#include "tools/sample_writer.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QCursor>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QStandardPaths>
#include <QTableView>
#include <QTemporaryDir>
#include <QToolBar>
#include <QToolTip>
#include <QtTest>
#include <functional>

namespace {

struct SampleSpec {
    const char* path;
    const char* title;
    const char* subtitle;
    int measures;
};

// Five good files in two folders, with distinct sizes through their comments.
const SampleSpec samples[] = {
    {"blue moon.zuf", "Blue Moon", "Rodgers", 32},
    {"autumn.zuf", "Autumn Leaves", "Kosma", 24},
    {"folk/cliffs.tab", "White Cliffs", "Traditional", 16},
    {"folk/danny.zuf", "Danny Boy", "Traditional", 40},
    {"folk/zebra.ZUF", "Zebra Blues", "Anon", 12},
};
constexpr int goodCount = 5;
const char* damagedName = "broken.zuf";

// Runs `action` on the next modal dialog as soon as it is shown. A watch that saw no dialog
// ends with the test (see cleanup()).
QObject* modalWatches = nullptr;
void OnNextModal(std::function<void(QWidget*)> action) {
    auto* timer = new QTimer(modalWatches);
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, [timer, action] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal)
            return;
        timer->stop();
        timer->deleteLater();
        action(modal);
    });
    timer->start();
}

// The widget of a just-opened dialog that keys go to, once the dialog is the active window:
// under a slow machine the focus arrives a little after the dialog appears.
QWidget* KeyTarget(QWidget* modal) {
    if (!QTest::qWaitForWindowActive(modal))
        qWarning("the dialog did not become active");
    return modal->focusWidget() ? modal->focusWidget() : modal;
}

QStringList RowNames(const CatalogueModel& list) {
    QStringList names;
    for (int row = 0; row < list.rowCount(); ++row)
        names << list.entryAt(row)->name;
    return names;
}

} // namespace

class TestMainWindow : public QObject {
    Q_OBJECT
private:
    QTemporaryDir m_dir;
    QString m_tree;
    QString m_otherTree;
    QString m_settingsFile;
    std::unique_ptr<SettingsStore> m_store;
    std::unique_ptr<MainWindow> m_window;

    // The window's list.
    CatalogueModel& model() { return m_window->catalogueModel(); }
    void startWindow() {
        m_window.reset();
        QFile::remove(m_settingsFile);
        m_store->writeSetting(u"szPathName1", m_tree);
        m_store->writeSetting(u"szPathList0", m_otherTree);
        m_window = StartUp(*m_store);
        QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    }
    void selectRows(const QList<int>& rows) {
        model().clearSelectionAndFocus();
        for (int row : rows)
            model().selectAndFocus(row);
    }
    int rowNamed(const QString& name) { return int(RowNames(model()).indexOf(name)); }
    // An editor that records how it was started in `marker`: a shell script, or on Windows a
    // batch file that records its first argument, unquoted, and its second, which must be empty.
    QString writeEditorScript(const QString& marker) {
#ifdef Q_OS_WIN
        const QString script = m_dir.filePath(QStringLiteral("editor.bat"));
        const QString recorder = QStringLiteral("@echo %~1^|%2>\"%1\"\r\n");
#else
        const QString script = m_dir.filePath(QStringLiteral("editor.sh"));
        const QString recorder = QStringLiteral("#!/bin/sh\nprintf '%s|%s' \"$#\" \"$1\" > '%1'\n");
#endif
        QFile file(script);
        if (!file.open(QIODevice::WriteOnly))
            return {};
        file.write(recorder.arg(QDir::toNativeSeparators(marker)).toUtf8());
        file.close();
        file.setPermissions(file.permissions() | QFile::ExeOwner);
        return script;
    }
    // What that editor records when started with the one argument `path`.
    static QString recordedLaunch(const QString& path) {
#ifdef Q_OS_WIN
        return path + QStringLiteral("|\r\n");
#else
        return QStringLiteral("1|") + path;
#endif
    }
    // What the editor has recorded so far: it may still be writing when the file appears.
    static QString launchRecord(const QString& marker) {
        QFile file(marker);
        return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
    }

private slots:
    void initTestCase() {
        QStandardPaths::setTestModeEnabled(true);
        QVERIFY(m_dir.isValid());
        m_settingsFile = m_dir.filePath(QStringLiteral("settings.ini"));
        m_store = std::make_unique<SettingsStore>(m_settingsFile);
        // The folders as the program keeps them (native form, lower case on Windows).
        m_tree = NormalisedFolder(m_dir.filePath(QStringLiteral("tree")));
        m_otherTree = NormalisedFolder(m_dir.filePath(QStringLiteral("other")));
        int extra = 0;
        for (const SampleSpec& sample : samples) {
            SampleFile file;
            file.title = QString::fromUtf8(sample.title);
            file.subtitle = QString::fromUtf8(sample.subtitle);
            file.comments = QString(extra += 7, QLatin1Char('x'));
            file.measures = quint16(sample.measures);
            file.notes = QStringLiteral("Play it slowly.");
            QVERIFY(WriteSampleFile(m_tree + QString::fromUtf8(sample.path), file));
        }
        QVERIFY(WriteSampleFile(m_tree + QString::fromUtf8(damagedName),
                                QByteArray("not a tablature file at all")));
        SampleFile lone;
        lone.title = QStringLiteral("Other Tune");
        QVERIFY(WriteSampleFile(m_otherTree + QStringLiteral("other.zuf"), lone));
    }
    void init() {
        modalWatches = new QObject;
        startWindow();
    }
    void cleanup() {
        delete modalWatches;
        modalWatches = nullptr;
        if (m_window)
            m_window->close();
        m_window.reset();
    }

    void startUpListsTheTree() {
        MainWindow& w = *m_window;
        QCOMPARE(w.windowTitle(), QStringLiteral("ZUF File Manager U v1.21"));
        QCOMPARE(model().rowCount(), goodCount + 1);
        QCOMPARE(m_window->workingFolder(), m_tree);
        QCOMPARE(w.statusBarWidget()->partText(0), m_tree);
        QCOMPARE(w.statusBarWidget()->partText(1), QStringLiteral("Focused: 1"));
        QCOMPARE(w.statusBarWidget()->partText(2), QStringLiteral("Selected: 1 file"));
        QCOMPARE(w.statusBarWidget()->partText(3), QStringLiteral("Total: 6 file(s)"));
        QStringList sorted = RowNames(model());
        std::sort(sorted.begin(), sorted.end(), [](const QString& a, const QString& b) {
            return a.compare(b, Qt::CaseInsensitive) < 0;
        });
        QCOMPARE(RowNames(model()), sorted);
        QCOMPARE(w.focusWidget(), w.list());
        // The folder box holds the working folder in front of the stored history.
        QCOMPARE(w.folderBox()->count(), 2);
        QCOMPARE(w.folderBox()->itemText(0), m_tree);
        QCOMPARE(w.folderBox()->currentIndex(), 0);
        QVERIFY(w.minimumSize() == QSize(480, 320));
    }

    // A stored working folder that no longer exists: the first list shows the directory the
    // program was started in, which is then saved as the working folder.
    void startUpInMissingStoredFolder() {
        m_window.reset();
        QVERIFY(QDir::setCurrent(m_otherTree));
        QFile::remove(m_settingsFile);
        m_store->writeSetting(u"szPathName1", m_dir.filePath(QStringLiteral("vanished/")));
        m_window = StartUp(*m_store);
        QCOMPARE(m_window->workingFolder(), m_otherTree);
        QCOMPARE(RowNames(model()), QStringList{QStringLiteral("other.zuf")});
        m_window->close();
        ShutDown(*m_window, 0);
        QString stored;
        m_store->readSetting(u"szPathName1", u"", stored, 512);
        QCOMPARE(stored, m_otherTree);
    }

    // A file on the command line starts in the file's folder with that file alone selected and
    // shown in the panel; a folder starts in the folder as usual. Either replaces the stored
    // working folder.
    void startUpOnArgument_data() {
        QTest::addColumn<QString>("argument"); // below the tree
        QTest::addColumn<QString>("folder");   // the working folder expected, below the tree
        QTest::addColumn<QString>("selected"); // the name of the one selected row
        QTest::newRow("file") << "blue moon.zuf"
                              << ""
                              << "blue moon.zuf";
        QTest::newRow("file in a subfolder") << "folk/zebra.ZUF"
                                             << "folk/"
                                             << "zebra.ZUF";
        QTest::newRow("folder") << "folk"
                                << "folk/"
                                << "cliffs.tab";
    }
    void startUpOnArgument() {
        QFETCH(QString, argument);
        QFETCH(QString, folder);
        QFETCH(QString, selected);
        m_window.reset();
        QFile::remove(m_settingsFile);
        m_store->writeSetting(u"szPathName1", m_otherTree);
        const StartTarget start = StartTargetFor(m_tree + argument);
        QCOMPARE(start.error, QString());
        m_window = StartUp(*m_store, start);
        folder = QDir::toNativeSeparators(folder);
        QCOMPARE(m_window->workingFolder(), m_tree + folder);
        QCOMPARE(m_window->folderBox()->currentText(), m_tree + folder);
        const QModelIndexList rows = m_window->list()->selectionModel()->selectedRows();
        QCOMPARE(rows.size(), 1);
        const int row = rows.constFirst().row();
        QCOMPARE(model().entryAt(row)->name, selected);
        QCOMPARE(m_window->statusBarWidget()->partText(1), FocusedText(row));
        QCOMPARE(m_window->list()->currentIndex().row(), row);
        QCOMPARE(m_window->infoPanel()->shownFile()->currentPath, m_tree + folder + selected);
        // A path that names nothing is refused with the system's text.
        QVERIFY(!StartTargetFor(m_tree + QStringLiteral("missing.zuf")).error.isEmpty());
    }

    // A path that names nothing is told in a message box, in the words printed on standard
    // error, and the window opens on the stored working folder.
    void startUpOnMissingPath() {
        m_window.reset();
        QFile::remove(m_settingsFile);
        m_store->writeSetting(u"szPathName1", m_otherTree);
        const QString missing = m_tree + QStringLiteral("missing.zuf");
        const StartTarget start = StartTargetFor(missing);
        QVERIFY2(start.error.startsWith(missing + QStringLiteral(": ")), qPrintable(start.error));
        QString told;
        OnNextModal([&told](QWidget* modal) {
            if (auto* box = qobject_cast<QMessageBox*>(modal))
                told = box->text();
            modal->close();
        });
        m_window = StartUp(*m_store, start);
        QCOMPARE(told, start.error);
        QVERIFY(m_window->isVisible());
        QCOMPARE(m_window->workingFolder(), m_otherTree);
        QCOMPARE(RowNames(model()), QStringList{QStringLiteral("other.zuf")});
    }

    // The stored history comes first in stored order; the working folder then moves to the
    // front of it when the folder box is made.
    void startUpHistoryOrder() {
        m_window.reset();
        QFile::remove(m_settingsFile);
        const QString one = m_dir.filePath(QStringLiteral("one/"));
        const QString two = m_dir.filePath(QStringLiteral("two/"));
        m_store->writeSetting(u"szPathList0", one);
        m_store->writeSetting(u"szPathList1", two);
        m_store->writeSetting(u"szPathList2", m_tree);
        m_store->writeSetting(u"szPathName1", m_tree);
        m_window = StartUp(*m_store);
        QComboBox* box = m_window->folderBox();
        QCOMPARE(box->count(), 3);
        QCOMPARE((QStringList{box->itemText(0), box->itemText(1), box->itemText(2)}),
                 (QStringList{m_tree, NormalisedFolder(one), NormalisedFolder(two)}));
        QCOMPARE(box->currentIndex(), 0);
    }

    // The stored window rectangle places the window and comes back unchanged at the close;
    // one larger than the screen is cut to the screen's available area, frame included.
    void windowPositionRoundTrip_data() {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QRect>("placed"); // empty: the primary screen's available area
        QTest::newRow("fits") << "10,20,650,500" << QRect(10, 20, 640, 480);
        QTest::newRow("far larger than the screen") << "0,0,9999999,9999999" << QRect();
    }
    void windowPositionRoundTrip() {
        QFETCH(QString, stored);
        QFETCH(QRect, placed);
        m_window.reset();
        QFile::remove(m_settingsFile);
        m_store->writeSetting(u"szPathName1", m_tree);
        m_store->writeSetting(u"WindowPos", stored);
        m_window = StartUp(*m_store);
        const QRect geometry = m_window->geometry();
        if (placed.isEmpty()) {
            QCOMPARE(m_window->frameGeometry(),
                     QGuiApplication::primaryScreen()->availableGeometry());
        } else {
            QCOMPARE(geometry, placed);
        }
        m_window->close();
        QString saved;
        m_store->readSetting(u"WindowPos", u"", saved, 64);
        QCOMPARE(saved, QStringLiteral("%1,%2,%3,%4")
                            .arg(geometry.left())
                            .arg(geometry.top())
                            .arg(geometry.left() + geometry.width())
                            .arg(geometry.top() + geometry.height()));
    }

    void toolbarEntries() {
        const QList<QAction*> actions = m_window->toolbar()->actions();
        QStringList tips;
        for (QAction* action : actions)
            tips << (action->isSeparator() ? QStringLiteral("|") : action->toolTip());
        // The 18 entries, then the folder box behind its own separator.
        QCOMPARE(tips.mid(0, 18).join(QLatin1Char(',')),
                 QStringLiteral("|,Browse Folders,|,Copy,Move,Delete,Rename,|,"
                                "Edit ZUF Information,|,Search,Filter on/off,|,Create report,|,"
                                "Run Strumlex,|,ZUF File Options"));
    }

    // The menu bar's drop-down has a caption to click, and holds the toolbar's commands as
    // well: the filter (checked while it is on) and the report.
    void menuBarReachesEveryCommand_data() {
        QTest::addColumn<int>("command");
        QTest::addColumn<QString>("opens"); // the dialog; empty: the filter is toggled
        QTest::newRow("Filter on/off") << int(CommandId::Filter) << "";
        QTest::newRow("Create report") << int(CommandId::CreateReport) << "ReportDialog";
    }
    void menuBarReachesEveryCommand() {
        QFETCH(int, command);
        QFETCH(QString, opens);
        QMenuBar* bar = m_window->menuBar();
        QMenu* menu = m_window->dropDownMenu();
        QCOMPARE(menu->title(), QStringLiteral("&File"));
        const QRect item = bar->actionGeometry(menu->menuAction());
        QVERIFY2(item.width() >= bar->fontMetrics().horizontalAdvance(QStringLiteral("File")),
                 qPrintable(QString::number(item.width())));
        for (CommandId toolbarCommand : ToolbarEntries())
            if (toolbarCommand != CommandId::None)
                QVERIFY2(menu->actions().contains(m_window->commandAction(toolbarCommand)),
                         qPrintable(CommandTooltip(toolbarCommand)));
        selectRows({0});
        TakeSearchWords(model(), QStringLiteral("blue"), false);
        QString opened;
        OnNextModal([&opened](QWidget* modal) {
            opened = QString::fromLatin1(modal->metaObject()->className());
            static_cast<QDialog*>(modal)->reject();
        });
        QAction* action = m_window->commandAction(CommandId(command));
        QCOMPARE(action->text(), MenuItemText(CommandId(command)));
        action->trigger();
        QCOMPARE(opened, opens);
        if (!opens.isEmpty())
            return;
        QVERIFY(model().filterOn());
        QVERIFY(m_window->toolbarAction(CommandId::Filter)->isChecked());
        // The toolbar's button turns it off: the menu's item follows.
        m_window->toolbarAction(CommandId::Filter)->trigger();
        QVERIFY(!model().filterOn());
        QVERIFY(!action->isChecked());
    }

    void statusPartEdges_data() {
        QTest::addColumn<int>("width");
        QTest::addColumn<QList<int>>("edges");
        QTest::newRow("600") << 600 << QList<int>{300, 400, 500, 600};
        QTest::newRow("605") << 605 << QList<int>{302, 400, 500, 605};
        QTest::newRow("minimum") << 480 << QList<int>{240, 320, 400, 480};
    }
    void statusPartEdges() {
        QFETCH(int, width);
        QFETCH(QList<int>, edges);
        m_window->resize(width, 400);
        QTRY_COMPARE(m_window->statusBarWidget()->width(), width);
        const std::array<int, 4> got = m_window->statusBarWidget()->partEdges();
        QCOMPARE(QList<int>(got.begin(), got.end()), edges);
    }

    void selectionTexts_data() {
        QTest::addColumn<QList<int>>("rows");
        QTest::addColumn<QString>("selected");
        QTest::addColumn<QString>("focused");
        QTest::addColumn<bool>("singleCommands");
        QTest::newRow("none") << QList<int>{} << "Selected: 0 file"
                              << "Focused: 1" << false;
        QTest::newRow("one") << QList<int>{2} << "Selected: 1 file"
                             << "Focused: 3" << true;
        QTest::newRow("five") << QList<int>{0, 1, 2, 3, 4} << "Selected: 5 files"
                              << "Focused: 5" << false;
    }
    void selectionTexts() {
        QFETCH(QList<int>, rows);
        QFETCH(QString, selected);
        QFETCH(QString, focused);
        QFETCH(bool, singleCommands);
        selectRows(rows);
        QCOMPARE(m_window->statusBarWidget()->partText(2), selected);
        QCOMPARE(m_window->statusBarWidget()->partText(1), focused);
        QCOMPARE(m_window->toolbarAction(CommandId::RunEditor)->isEnabled(), singleCommands);
        QCOMPARE(m_window->toolbarAction(CommandId::MoveFiles)->isEnabled(), !rows.isEmpty());
        QCOMPARE(m_window->toolbarAction(CommandId::EditInformation)->isEnabled(), !rows.isEmpty());
        QVERIFY(m_window->toolbarAction(CommandId::BrowseFolders)->isEnabled());
    }

    void listWidthFollowsColumns() {
        MainWindow& w = *m_window;
        w.resize(900, 600);
        QTRY_COMPARE(w.width(), 900);
        QCOMPARE(w.list()->width(), 580); // 100 + 80 + 60 + 40 + 100 + 100 + 100
        QCOMPARE(w.infoPanel()->geometry().left(), 580);
        QCOMPARE(w.infoPanel()->geometry().right(), w.clientArea()->width() - 1);
        // Rows too tall for the page: one scroll bar wider, and the panel starts further right.
        w.list()->verticalHeader()->setDefaultSectionSize(w.clientArea()->height() / 4);
        w.layoutMainWindow();
        const int scrollBar = w.style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, w.list());
        QCOMPARE(w.list()->width(), 580 + scrollBar);
        QCOMPARE(w.infoPanel()->x(), 580 + scrollBar);
        // A wider column widens the list.
        w.list()->horizontalHeader()->resizeSection(ColumnName, 150);
        QCOMPARE(m_window->settingsRecord().columnTable[ColumnName].width, 150);
        QCOMPARE(w.list()->width(), 630 + scrollBar);
    }

    // The command keys act wherever the focus is in the window. F2 is always the information
    // editor: of the one file, or of several at once; Shift leaves Ctrl+F as it is and turns
    // Ctrl+R into Rename by Pattern, Alt and any other modifier of a function key take the key away.
    void commandKeys_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<QList<int>>("rows");
        QTest::addColumn<QString>("opens");
        const int ctrl = Qt::ControlModifier;
        QTest::newRow("F2, one row") << int(Qt::Key_F2) << 0 << QList<int>{1} << "InfoEditDialog";
        QTest::newRow("F2, two rows")
            << int(Qt::Key_F2) << 0 << QList<int>{1, 2} << "InfoBatchDialog";
        QTest::newRow("Shift+F2") << int(Qt::Key_F2) << int(Qt::ShiftModifier) << QList<int>{1}
                                  << "";
        QTest::newRow("F1") << int(Qt::Key_F1) << 0 << QList<int>{} << "AboutDialog";
        QTest::newRow("F7") << int(Qt::Key_F7) << 0 << QList<int>{1} << "DestinationDialog";
        QTest::newRow("F8") << int(Qt::Key_F8) << 0 << QList<int>{} << "DestinationDialog";
        QTest::newRow("Ctrl+R") << int(Qt::Key_R) << ctrl << QList<int>{1} << "RenameFileDialog";
        QTest::newRow("Ctrl+Shift+R") << int(Qt::Key_R) << int(ctrl | Qt::ShiftModifier)
                                      << QList<int>{1} << "PatternRenameDialog";
        QTest::newRow("Ctrl+Alt+R")
            << int(Qt::Key_R) << int(ctrl | Qt::AltModifier) << QList<int>{1} << "";
        QTest::newRow("Ctrl+Shift+F")
            << int(Qt::Key_F) << int(ctrl | Qt::ShiftModifier) << QList<int>{} << "SearchDialog";
        QTest::newRow("F5") << int(Qt::Key_F5) << 0 << QList<int>{1} << "";
    }
    void commandKeys() {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(QList<int>, rows);
        QFETCH(QString, opens);
        QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
        selectRows(rows);
        QString opened;
        OnNextModal([&opened](QWidget* modal) {
            opened = QString::fromLatin1(modal->metaObject()->className());
            static_cast<QDialog*>(modal)->reject();
        });
        QTest::keyClick(m_window->list(), Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        QTest::qWait(100);
        QCOMPARE(opened, opens);
        QApplication::processEvents();
    }

    void contextMenuEnabling_data() {
        QTest::addColumn<QList<int>>("rows");
        QTest::addColumn<QString>("viewer");
        QTest::addColumn<QList<int>>("disabled");
        QTest::newRow("nothing selected")
            << QList<int>{} << "/usr/bin/viewer"
            << QList<int>{int(CommandId::MoveFiles),       int(CommandId::CopyFiles),
                          int(CommandId::RenameFiles),     int(CommandId::DeleteFiles),
                          int(CommandId::EditInformation), int(CommandId::InformationFromNames),
                          int(CommandId::RunEditor),       int(CommandId::RunViewer),
                          int(CommandId::Undo),            int(CommandId::RenameByPattern)};
        QTest::newRow("one selected")
            << QList<int>{0} << "/usr/bin/viewer" << QList<int>{int(CommandId::Undo)};
        QTest::newRow("one selected, no viewer")
            << QList<int>{0} << "" << QList<int>{int(CommandId::RunViewer), int(CommandId::Undo)};
        QTest::newRow("two selected")
            << QList<int>{0, 1} << "/usr/bin/viewer"
            << QList<int>{int(CommandId::RunEditor), int(CommandId::RunViewer),
                          int(CommandId::Undo)};
    }
    void contextMenuEnabling() {
        QFETCH(QList<int>, rows);
        QFETCH(QString, viewer);
        QFETCH(QList<int>, disabled);
        selectRows(rows);
        m_window->settingsRecord().viewerPath = viewer;
        // A right click in the list reaches the main window, which opens the menu.
        QWidget* viewport = m_window->list()->viewport();
        QContextMenuEvent click(QContextMenuEvent::Mouse, QPoint(20, 200),
                                viewport->mapToGlobal(QPoint(20, 200)));
        QApplication::sendEvent(viewport, &click);
        QMenu* menu = m_window->contextMenu();
        QTRY_VERIFY(menu->isVisible());
        QList<int> grayed;
        QStringList texts;
        for (QAction* item : menu->actions()) {
            if (item->isSeparator())
                continue;
            texts << item->text();
            if (!item->isEnabled()) {
                for (CommandId command : MenuEntries()) {
                    if (command != CommandId::None && MenuItemText(command) == item->text())
                        grayed << int(command);
                }
            }
        }
        menu->close();
        std::sort(grayed.begin(), grayed.end());
        std::sort(disabled.begin(), disabled.end());
        QCOMPARE(grayed, disabled);
        QCOMPARE(texts.first(), QStringLiteral("&Browse Folders...\tF3"));
        QCOMPARE(texts.size(), 16);
        // The menu bar's drop-down is never grayed, except Undo with nothing to undo.
        for (QAction* item : m_window->dropDownMenu()->actions())
            QVERIFY(item->isEnabled() || item->text() == MenuItemText(CommandId::Undo));
    }

    void columnClickSorts() {
        QHeaderView* header = m_window->list()->horizontalHeader();
        const auto clickColumn = [header](int column) {
            const int x = header->sectionViewportPosition(column) + header->sectionSize(column) / 2;
            QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, QPoint(x, 5));
        };
        const auto sizes = [this] {
            QList<quint32> list;
            for (int row = 0; row < model().rowCount(); ++row)
                list << model().entryAt(row)->size;
            return list;
        };
        clickColumn(ColumnSize);
        QList<quint32> ascending = sizes();
        QVERIFY(std::is_sorted(ascending.begin(), ascending.end()));
        QVERIFY(ascending.first() < ascending.last());
        clickColumn(ColumnSize);
        QList<quint32> descending = sizes();
        QVERIFY(std::is_sorted(descending.rbegin(), descending.rend()));
        QCOMPARE(model().sort()[ColumnSize], -1);
        QCOMPARE(model().sort()[ColumnName], 0);
    }

    // The commands on one file act on the one selected row, the file the panel shows, wherever
    // a sort has moved it and wherever the focus rests; "Focused" shows the focused row.
    void singleFileCommandsActOnTheSelectedRow_data() {
        QTest::addColumn<QString>("selected"); // clicked
        QTest::addColumn<QString>("toggled");  // then Ctrl+clicked twice, when given
        QTest::addColumn<int>("sortColumn");   // then this header clicked, when not -1
        QTest::addColumn<QString>("focused");
        QTest::newRow("after a sort") << "autumn.zuf"
                                      << "" << int(ColumnSize) << "autumn.zuf";
        QTest::newRow("after a Ctrl+click deselection") << "danny.zuf"
                                                        << "zebra.ZUF" << -1 << "zebra.ZUF";
        QTest::newRow("Ctrl+click deselection, then a sort")
            << "blue moon.zuf"
            << "autumn.zuf" << int(ColumnTitle) << "autumn.zuf";
    }
    void singleFileCommandsActOnTheSelectedRow() {
        QFETCH(QString, selected);
        QFETCH(QString, toggled);
        QFETCH(int, sortColumn);
        QFETCH(QString, focused);
        const QString marker = m_dir.filePath(QStringLiteral("launched.txt"));
        QFile::remove(marker);
        m_window->settingsRecord().editorPath = writeEditorScript(marker);
        QTableView* list = m_window->list();
        const auto centre = [&](const QString& name) {
            return list->visualRect(model().index(rowNamed(name), ColumnSize)).center();
        };
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, centre(selected));
        if (!toggled.isEmpty()) {
            QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::ControlModifier,
                              centre(toggled));
            QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::ControlModifier,
                              centre(toggled));
        }
        if (sortColumn >= 0) {
            QHeaderView* header = list->horizontalHeader();
            const int x =
                header->sectionViewportPosition(sortColumn) + header->sectionSize(sortColumn) / 2;
            QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, QPoint(x, 5));
        }
        QTRY_COMPARE(model().selectedCount(), 1);
        QVERIFY(model().isSelected(rowNamed(selected)));
        QCOMPARE(m_window->statusBarWidget()->partText(1),
                 QStringLiteral("Focused: %1").arg(rowNamed(focused) + 1));

        QString edited;
        OnNextModal([&edited](QWidget* modal) {
            if (auto* dialog = qobject_cast<InfoEditDialog*>(modal))
                edited = dialog->fileNameLabel()->text();
            static_cast<QDialog*>(modal)->reject();
        });
        QTest::keyClick(list, Qt::Key_F2);
        QCOMPARE(edited, selected);

        QTest::keyClick(list, Qt::Key_Return);
        const Entry* entry = model().entryAt(rowNamed(selected));
        QTRY_COMPARE(launchRecord(marker), recordedLaunch(entry->folder + entry->name));
    }

    // Home and End go to the first and the last row; Shift extends the selection.
    void homeAndEndMoveBetweenRows_data() {
        QTest::addColumn<int>("start");
        QTest::addColumn<int>("key");
        QTest::addColumn<bool>("shift");
        QTest::addColumn<QList<int>>("selected"); // the focus ends on the last of them
        const int last = goodCount;               // six rows
        QTest::newRow("End") << 1 << int(Qt::Key_End) << false << QList<int>{last};
        QTest::newRow("Home") << 4 << int(Qt::Key_Home) << false << QList<int>{0};
        QTest::newRow("Shift+End") << 3 << int(Qt::Key_End) << true << QList<int>{3, 4, last};
        QTest::newRow("Shift+Home") << 2 << int(Qt::Key_Home) << true << QList<int>{2, 1, 0};
    }
    void homeAndEndMoveBetweenRows() {
        QFETCH(int, start);
        QFETCH(int, key);
        QFETCH(bool, shift);
        QFETCH(QList<int>, selected);
        QTableView* list = m_window->list();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          list->visualRect(model().index(start, ColumnSize)).center());
        QTest::keyClick(list, Qt::Key(key), shift ? Qt::ShiftModifier : Qt::NoModifier);
        QList<int> rows;
        for (int row = model().nextRow(-1, true); row >= 0; row = model().nextRow(row, true))
            rows << row;
        QList<int> expected = selected;
        std::sort(expected.begin(), expected.end());
        QCOMPARE(rows, expected);
        QCOMPARE(list->currentIndex().row(), selected.last());
        QCOMPARE(list->currentIndex().column(), int(ColumnSize));
    }

    // A plain click inside a selection of several rows leaves the clicked row the one selected
    // when the button is released (the press alone keeps the selection, which a drag takes
    // along), on the name as on any other cell, and edits no name.
    void clickInsideASelectionSelectsOneRow_data() {
        QTest::addColumn<int>("column");
        QTest::newRow("on the name") << int(ColumnName);
        QTest::newRow("on the size") << int(ColumnSize);
    }
    void clickInsideASelectionSelectsOneRow() {
        QFETCH(int, column);
        selectRows({0, 1, 2, 3, 4});
        ListView* list = m_window->list();
        const QPoint at = list->visualRect(model().index(2, column)).center();
        QTest::mousePress(list->viewport(), Qt::LeftButton, {}, at);
        QCOMPARE(model().selectedCount(), 5);
        QTest::mouseRelease(list->viewport(), Qt::LeftButton, {}, at);
        QCOMPARE(model().selectedCount(), 1);
        QVERIFY(model().isSelected(2));
        QTest::qWait(QApplication::doubleClickInterval() + 100);
        QVERIFY(!list->isEditing());
    }

    // Tab and Shift+Tab leave the list for the folder box and the filter box, the window's
    // other controls; the file the commands act on stays. Shift+F10 opens the context menu.
    void keysLeaveTheListOrOpenTheMenu_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<bool>("menu"); // the context menu opens; else the focus leaves
        QTest::newRow("Tab") << int(Qt::Key_Tab) << 0 << false;
        QTest::newRow("Shift+Tab") << int(Qt::Key_Backtab) << int(Qt::ShiftModifier) << false;
        QTest::newRow("Shift+F10") << int(Qt::Key_F10) << int(Qt::ShiftModifier) << true;
    }
    void keysLeaveTheListOrOpenTheMenu() {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(bool, menu);
        QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
        selectRows({1});
        ListView* list = m_window->list();
        list->setFocus();
        QTRY_VERIFY(list->hasFocus());
        const QModelIndex current = list->currentIndex();
        QTest::keyClick(list, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        if (menu) {
            QTRY_VERIFY(m_window->contextMenu()->isVisible());
            m_window->contextMenu()->close();
        } else {
            QTRY_VERIFY((key == Qt::Key_Tab ? static_cast<QWidget*>(m_window->folderBox())
                                            : m_window->filterBox())
                            ->hasFocus());
        }
        QCOMPARE(list->currentIndex(), current);
        QCOMPARE(SingleFileRow(model()), 1);
    }

    // Without full row select only the Name cell shows the selection; the other cells of the
    // selected row look like those of any other row.
    void fullRowSelectPaintsTheRow_data() {
        QTest::addColumn<quint32>("style");
        QTest::addColumn<bool>("sizeCellHighlighted");
        QTest::newRow("on") << quint32(DefaultListExStyle) << true;
        QTest::newRow("off") << quint32(StyleInfoTip) << false;
    }
    void fullRowSelectPaintsTheRow() {
        QFETCH(quint32, style);
        QFETCH(bool, sizeCellHighlighted);
        m_window->settingsRecord().listExStyle = style;
        m_window->layoutMainWindow();
        selectRows({1});
        QTableView* list = m_window->list();
        const QImage image = list->viewport()->grab().toImage();
        const auto background = [&](int row, int column) {
            const QRect cell = list->visualRect(model().index(row, column));
            return image.pixelColor(cell.left() + 2, cell.center().y());
        };
        const QColor unselected = background(2, ColumnSize);
        QVERIFY(background(1, ColumnName) != unselected);
        QCOMPARE(background(1, ColumnSize) != unselected, sizeCellHighlighted);
        QCOMPARE(background(1, ColumnTuning) != unselected, sizeCellHighlighted);
    }

    void searchAndFilterRoundTrip() {
        MainWindow& w = *m_window;
        OnNextModal([](QWidget* modal) {
            auto* dialog = qobject_cast<SearchDialog*>(modal);
            QVERIFY(dialog);
            QCOMPARE(dialog->windowTitle(), QStringLiteral("Search in Information"));
            QCOMPARE(dialog->caseBox()->text(), QStringLiteral("&Case Sensitivity"));
            dialog->wordsEdit()->setText(QStringLiteral("BLUE"));
            dialog->accept();
        });
        w.runCommand(CommandId::Search);
        QCOMPARE(model().searchText(), QStringLiteral("blue"));
        QVERIFY(model().filterOn());
        QCOMPARE(model().foundCount(), 2); // Blue Moon, Zebra Blues
        QVERIFY(w.toolbarAction(CommandId::Filter)->isChecked());
        QCOMPARE(w.statusBarWidget()->partText(3), QStringLiteral("Found: 2 file(s)"));
        QCOMPARE(model().stateImage(0), StateMatched);

        w.toolbarAction(CommandId::Filter)->trigger();
        QVERIFY(!model().filterOn());
        QVERIFY(!w.toolbarAction(CommandId::Filter)->isChecked());
        QCOMPARE(w.statusBarWidget()->partText(3), QStringLiteral("Total: 6 file(s)"));
        QCOMPARE(model().selectedCount(), 0);

        // The words come back lower-cased; Cancel changes nothing.
        QString shown;
        OnNextModal([&shown](QWidget* modal) {
            shown = static_cast<SearchDialog*>(modal)->wordsEdit()->text();
            static_cast<SearchDialog*>(modal)->wordsEdit()->setText(QStringLiteral("other"));
            static_cast<QDialog*>(modal)->reject();
        });
        w.runCommand(CommandId::Search);
        QCOMPARE(shown, QStringLiteral("blue"));
        QCOMPARE(model().searchText(), QStringLiteral("blue"));
        QVERIFY(!model().filterOn());

        // OK with no words leaves the filter off.
        OnNextModal([](QWidget* modal) {
            static_cast<SearchDialog*>(modal)->wordsEdit()->clear();
            static_cast<QDialog*>(modal)->accept();
        });
        w.runCommand(CommandId::Search);
        QVERIFY(!model().filterOn());
        QVERIFY(!w.toolbarAction(CommandId::Filter)->isChecked());
    }

    void searchKeepsAtMost31Characters() {
        OnNextModal([](QWidget* modal) {
            auto* dialog = static_cast<SearchDialog*>(modal);
            dialog->caseBox()->setChecked(true);
            dialog->wordsEdit()->setText(QString(40, QLatin1Char('Q')));
            dialog->accept();
        });
        QTest::keyClick(m_window->list(), Qt::Key_F, Qt::ControlModifier);
        QCOMPARE(model().searchText(), QString(31, QLatin1Char('Q')));
        QCOMPARE(m_window->settingsRecord().searchFlags, quint16(1));
        QCOMPARE(model().foundCount(), 0);
        QCOMPARE(m_window->statusBarWidget()->partText(3), QStringLiteral("Found: 0 file(s)"));
    }

    void optionsDefaultsThenCancel() {
        MainWindow& w = *m_window;
        w.list()->horizontalHeader()->resizeSection(ColumnName, 300);
        w.setColumnWidth(ColumnTitle, 0);
        m_window->settingsRecord().columnTable[ColumnTitle].visible = 0;
        m_window->settingsRecord().listExStyle = 0x0004 | 0x0001;
        w.setExtendedStyle(m_window->settingsRecord().listExStyle);
        QVERIFY(w.list()->showGrid());
        OnNextModal([](QWidget* modal) {
            auto* dialog = static_cast<OptionsDialog*>(modal);
            QVERIFY(dialog->styleBox(0)->isChecked()); // grid lines
            QVERIFY(!dialog->columnBox(ColumnTitle)->isChecked());
            QPushButton* defaults = dialog_support::Button(dialog, QStringLiteral("&Defaults"));
            QVERIFY(defaults);
            defaults->click();
            QApplication::processEvents(); // the posted refresh of the boxes
            QVERIFY(dialog->columnBox(ColumnTitle)->isChecked());
            QVERIFY(!dialog->styleBox(0)->isChecked());
            QVERIFY(dialog->styleBox(3)->isChecked()); // full row select
            dialog->reject();
        });
        w.runCommand(CommandId::Options);
        QCOMPARE(m_window->settingsRecord().listExStyle, quint32(1056));
        QCOMPARE(w.extendedStyle(), quint32(1056));
        QVERIFY(!w.list()->showGrid());
        QCOMPARE(w.list()->horizontalHeader()->sectionSize(ColumnName), 100);
        QVERIFY(!w.list()->isColumnHidden(ColumnTitle));
        QCOMPARE(m_window->settingsRecord().columnTable[ColumnTitle].visible, quint16(1));
        QCOMPARE(w.list()->width(), 580 + (w.list()->verticalScrollBar()->isVisible()
                                               ? w.list()->verticalScrollBar()->width()
                                               : 0));
    }

    // "&Defaults" puts every column back at its default width, in the list and in the column
    // table, whichever columns had been widened or narrowed before.
    void optionsDefaultsRestoresEveryWidth_data() {
        QTest::addColumn<QList<int>>("changedWidths"); // column, width pairs
        QTest::newRow("path and size") << QList<int>{ColumnPath, 200, ColumnSize, 150};
        QTest::newRow("name, author and tuning")
            << QList<int>{ColumnName, 300, ColumnAuthor, 30, ColumnTuning, 250};
        QTest::newRow("every column")
            << QList<int>{0, 11, 1, 12, 2, 13, 3, 14, 4, 15, 5, 16, 6, 17};
    }
    void optionsDefaultsRestoresEveryWidth() {
        QFETCH(QList<int>, changedWidths);
        MainWindow& w = *m_window;
        for (int i = 0; i + 1 < changedWidths.size(); i += 2)
            w.list()->horizontalHeader()->resizeSection(changedWidths[i], changedWidths[i + 1]);
        QCOMPARE(m_window->settingsRecord().columnTable[size_t(changedWidths[0])].width,
                 changedWidths[1]);
        OnNextModal([](QWidget* modal) {
            auto* dialog = static_cast<OptionsDialog*>(modal);
            dialog_support::Button(dialog, QStringLiteral("&Defaults"))->click();
            dialog->reject();
        });
        w.runCommand(CommandId::Options);
        const int defaults[ColumnCount] = {100, 80, 60, 40, 100, 100, 100};
        for (int column = 0; column < ColumnCount; ++column) {
            QCOMPARE(w.list()->horizontalHeader()->sectionSize(column), defaults[column]);
            QCOMPARE(m_window->settingsRecord().columnTable[size_t(column)].width,
                     defaults[column]);
        }
    }

    void optionsOkHidesColumnAndClearsUnofferedBits() {
        MainWindow& w = *m_window;
        m_window->settingsRecord().listExStyle = 0x0004 | 0x0020;
        w.setExtendedStyle(m_window->settingsRecord().listExStyle);
        w.list()->horizontalHeader()->resizeSection(ColumnTitle, 140);
        OnNextModal([](QWidget* modal) {
            auto* dialog = static_cast<OptionsDialog*>(modal);
            dialog->columnBox(ColumnTitle)->setChecked(false);
            dialog->editorField()->setText(QStringLiteral("/opt/tab/editor"));
            dialog->accept();
        });
        w.runCommand(CommandId::Options);
        QCOMPARE(m_window->settingsRecord().listExStyle, quint32(0x0020));
        QVERIFY(w.list()->isColumnHidden(ColumnTitle));
        QCOMPARE(m_window->settingsRecord().editorPath.text(), QStringLiteral("/opt/tab/editor"));
        // Checking it again restores the width it had.
        OnNextModal([](QWidget* modal) {
            static_cast<OptionsDialog*>(modal)->columnBox(ColumnTitle)->setChecked(true);
            static_cast<QDialog*>(modal)->accept();
        });
        w.runCommand(CommandId::Options);
        QVERIFY(!w.list()->isColumnHidden(ColumnTitle));
        QCOMPARE(w.list()->horizontalHeader()->sectionSize(ColumnTitle), 140);
    }

    void optionsBrowseUsesStoredPath() {
        m_window->settingsRecord().editorPath = QStringLiteral("/stored/editor");
        m_window->settingsRecord().viewerPath = QStringLiteral("/stored/viewer");
        QList<bool> asked;
        OptionsDialog::chooseFile = [&asked](QWidget*, bool viewer, QString& path) {
            asked << viewer;
            if (!viewer)
                path = QStringLiteral("/chosen/editor");
            return !viewer; // the viewer's file dialog is cancelled
        };
        OnNextModal([](QWidget* modal) {
            auto* dialog = static_cast<OptionsDialog*>(modal);
            QPushButton* browse = dialog_support::Button(dialog, QStringLiteral("&Browse..."));
            QVERIFY(browse);
            browse->click(); // no field had the focus: the editor's
            QCOMPARE(dialog->editorField()->text(), QStringLiteral("/chosen/editor"));
            dialog->viewerField()->setFocus();
            QApplication::processEvents();
            dialog->viewerField()->setText(QStringLiteral("/typed/viewer"));
            browse->click();
            QCOMPARE(dialog->viewerField()->text(), QStringLiteral("/stored/viewer"));
            dialog->reject();
        });
        m_window->activateWindow();
        m_window->runCommand(CommandId::Options);
        OptionsDialog::chooseFile = ChooseProgramFile;
        QCOMPARE(asked, QList<bool>({false, true}));
        QCOMPARE(m_window->settingsRecord().editorPath.text(),
                 QStringLiteral("/chosen/editor")); // Cancel keeps it
        QCOMPARE(m_window->settingsRecord().viewerPath.text(), QStringLiteral("/stored/viewer"));
    }

    void folderBoxSwitchesFolders() {
        MainWindow& w = *m_window;
        QComboBox* box = w.folderBox();
        QCOMPARE(box->itemText(1), m_otherTree);
        // The current entry again: nothing happens, the filter stays on.
        model().setSearch(QStringLiteral("blue"), false);
        w.runCommand(CommandId::Filter);
        QVERIFY(model().filterOn());
        box->setCurrentIndex(0);
        emit box->activated(0);
        QVERIFY(model().filterOn());
        QCOMPARE(model().rowCount(), goodCount + 1);
        // Another folder: it becomes the working folder and is listed.
        box->setCurrentIndex(1);
        emit box->activated(1);
        QCOMPARE(m_window->workingFolder(), m_otherTree);
        QCOMPARE(m_window->history().historyIndex, 1);
        QVERIFY(!model().filterOn());
        QCOMPARE(RowNames(model()), QStringList{QStringLiteral("other.zuf")});
        QCOMPARE(w.statusBarWidget()->partText(0), m_otherTree);
        // A folder that no longer exists: nothing happens.
        QString gone = m_dir.filePath(QStringLiteral("gone/"));
        AddToFolderHistory(w.history(), gone);
        const int goneIndex = 0; // a new folder enters at the front
        QCOMPARE(box->itemText(goneIndex), gone);
        box->setCurrentIndex(goneIndex);
        emit box->activated(goneIndex);
        QCOMPARE(m_window->workingFolder(), m_otherTree);
        QCOMPARE(RowNames(model()), QStringList{QStringLiteral("other.zuf")});
    }

    void panelShowsGoodFile() {
        const int row = rowNamed(QStringLiteral("blue moon.zuf"));
        selectRows({row});
        m_window->resize(1000, 700);
        QTRY_COMPARE(m_window->width(), 1000);
        m_window->infoPanel()->repaint();
        const PanelPainting& painted = m_window->infoPanel()->lastPainting();
        QVERIFY(painted.drewFile);
        QCOMPARE(painted.content.name, QStringLiteral("blue moon.zuf"));
        QCOMPARE(painted.content.folder, m_tree);
        QCOMPARE(painted.content.title, QStringLiteral("Blue Moon"));
        QCOMPARE(painted.content.subtitle, QStringLiteral("Rodgers"));
        QVERIFY(painted.content.showSummary);
        QCOMPARE(painted.content.labels,
                 QStringLiteral("Format\nMeasures\nTime Signature\nKey Signature"));
        QCOMPARE(painted.content.values.split(QLatin1Char('\n')).value(1), QStringLiteral("32"));
        QCOMPARE(painted.content.values.split(QLatin1Char('\n')).value(2), QStringLiteral("4/4"));
        QCOMPARE(painted.modulesDrawn, 1);
        QCOMPARE(painted.content.modules.at(0).label, QStringLiteral("Module 1"));
        QCOMPARE(painted.content.modules.at(0).name, QStringLiteral("Guitar"));
        QCOMPARE(painted.content.notes, QStringLiteral("Play it slowly."));
        QVERIFY(painted.notesDrawn);
    }

    // The panel reads its file again when the file changes on disk.
    void panelFollowsTheFileOnDisk() {
        const QString path = m_tree + QStringLiteral("blue moon.zuf");
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray before = file.readAll();
        file.close();
        selectRows({rowNamed(QStringLiteral("blue moon.zuf"))});
        QCOMPARE(m_window->infoPanel()->shownFile()->title.text(), QStringLiteral("Blue Moon"));
        QCOMPARE(WriteInfoBlock(path, u"Changed", u"", u""), 0);
        QTRY_COMPARE(m_window->infoPanel()->lastPainting().content.title,
                     QStringLiteral("Changed"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        QCOMPARE(file.write(before), before.size());
    }

    void panelShowsDamagedFileTextsOnly() {
        selectRows({rowNamed(QString::fromUtf8(damagedName))});
        m_window->infoPanel()->repaint();
        const PanelPainting& painted = m_window->infoPanel()->lastPainting();
        QVERIFY(painted.drewFile);
        QCOMPARE(painted.content.name, QString::fromUtf8(damagedName));
        QVERIFY(!painted.content.showSummary);
        QVERIFY(painted.content.title == QLatin1String("Bad ZUF File") ||
                painted.content.title == QLatin1String("Empty ZUF File"));
        QVERIFY(painted.content.modules.empty());
        QCOMPARE(painted.modulesDrawn, 0);
        QVERIFY(!painted.notesDrawn);
    }

    // The panel shows the one selected row, also when the focus stays on a row that a
    // Ctrl+click has just deselected.
    void panelShowsSelectedRowNotFocusedOne_data() {
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("second");
        QTest::newRow("second deselected") << "autumn.zuf"
                                           << "zebra.ZUF";
        QTest::newRow("other pair") << "danny.zuf"
                                    << "blue moon.zuf";
    }
    void panelShowsSelectedRowNotFocusedOne() {
        QFETCH(QString, first);
        QFETCH(QString, second);
        QTableView* list = m_window->list();
        const auto centre = [&](const QString& name) {
            return list->visualRect(model().index(rowNamed(name), ColumnSize)).center();
        };
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, centre(first));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::ControlModifier, centre(second));
        QTRY_COMPARE(model().selectedCount(), 2);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::ControlModifier, centre(second));
        QTRY_COMPARE(model().selectedCount(), 1);
        QVERIFY(model().isSelected(rowNamed(first)));
        m_window->infoPanel()->repaint();
        const PanelPainting& painted = m_window->infoPanel()->lastPainting();
        QVERIFY(painted.drewFile);
        QCOMPARE(painted.content.name, first);
    }

    // A module line is drawn while its top is at most 16 pixels above the panel's bottom edge;
    // the notes only while more than 16 pixels are left. The panel's height decides, counted
    // from the tops found in a tall panel.
    void panelModulesAndNotesStopAtBottom_data() {
        QTest::addColumn<QString>("anchor"); // "modules" or "notes": which top the height follows
        QTest::addColumn<int>("extra");      // panel height = that top + extra
        QTest::addColumn<int>("modules");
        QTest::addColumn<bool>("notes");
        QTest::newRow("module line 16 above the bottom") << "modules" << 16 << 1 << false;
        QTest::newRow("module line 15 above the bottom") << "modules" << 15 << 0 << false;
        QTest::newRow("notes 17 above the bottom") << "notes" << 17 << 1 << true;
        QTest::newRow("notes 16 above the bottom") << "notes" << 16 << 1 << false;
    }
    void panelModulesAndNotesStopAtBottom() {
        QFETCH(QString, anchor);
        QFETCH(int, extra);
        QFETCH(int, modules);
        QFETCH(bool, notes);
        selectRows({rowNamed(QStringLiteral("blue moon.zuf"))});
        const QFont font = m_window->infoPanel()->font();
        const FileSummary* shown = m_window->infoPanel()->shownFile();
        QVERIFY(shown);
        QImage image(400, 1000, QImage::Format_ARGB32);
        PanelPainting tall;
        {
            QPainter painter(&image);
            tall = DrawInfoPanel(painter, QRect(0, 0, 400, 1000), shown, font);
        }
        QCOMPARE(tall.modulesDrawn, 1);
        QVERIFY(tall.notesDrawn);
        const int top = anchor == QLatin1String("notes") ? tall.notesTop : tall.modulesTop;
        PanelPainting shorter;
        {
            QPainter painter(&image);
            shorter = DrawInfoPanel(painter, QRect(0, 0, 400, top + extra), shown, font);
        }
        QCOMPARE(shorter.modulesTop, tall.modulesTop);
        QCOMPARE(shorter.modulesDrawn, modules);
        QCOMPARE(shorter.notesDrawn, notes);
    }

    void panelIsBlankWithoutOneSelection() {
        selectRows({0, 1});
        m_window->infoPanel()->repaint();
        QVERIFY(!m_window->infoPanel()->lastPainting().drewFile);
    }

    // Enter runs the editor with the file's path as one argument, blanks and all; with two rows
    // selected the posted command does nothing.
    void enterRunsEditorWithPath() {
        const QString marker = m_dir.filePath(QStringLiteral("launched.txt"));
        QFile::remove(marker);
        m_window->settingsRecord().editorPath = writeEditorScript(marker);

        selectRows({0, 1});
        QTest::keyClick(m_window->list(), Qt::Key_Return);
        QTest::qWait(200);
        QVERIFY(!QFile::exists(marker));

        selectRows({rowNamed(QStringLiteral("blue moon.zuf"))});
        QTest::keyClick(m_window->list(), Qt::Key_Return);
        QTRY_COMPARE(launchRecord(marker),
                     recordedLaunch(m_tree + QStringLiteral("blue moon.zuf")));

        // A program that does not exist is reported with its path.
        const QString missing = m_dir.filePath(QStringLiteral("gone/strumlex"));
        m_window->settingsRecord().editorPath = missing;
        QString text, caption;
        OnNextModal([&](QWidget* modal) {
            text = static_cast<QMessageBox*>(modal)->text();
            caption = modal->windowTitle();
            modal->close();
        });
        QTest::keyClick(m_window->list(), Qt::Key_Return);
        QTRY_VERIFY(!text.isEmpty());
        QVERIFY2(text.startsWith(QStringLiteral("Strumlex was not found:\n") + missing),
                 qPrintable(text));
        QVERIFY(text.contains(QStringLiteral("ZUF File Options")));
        QCOMPARE(caption, ProgramCaption.toString());
    }

    // Closing the window during the walk ends the walk, then closes the window normally.
    void closeDuringScanClosesNormally() {
        QFile::remove(m_settingsFile);
        QCoreApplication::postEvent(m_window.get(), new QCloseEvent);
        m_window->refreshList();
        QVERIFY(!m_window->isVisible());
        QCOMPARE(model().rowCount(), 0); // ended in the first folder
        QVERIFY(model().isRefilling());
        QString text;
        QVERIFY(m_store->readSetting(u"WindowPos", u"", text, 64) > 0);
        QVERIFY(m_store->readSetting(u"Column1", u"", text, 16) > 0);
    }

    // A close during a batch (as the end of the session closes the window) waits for the
    // batch: the rows it works on stay, it asks and copies to its end, and the window closes.
    void closeDuringABatchFollowsIt() {
        const QString dest = NormalisedFolder(m_dir.filePath(QStringLiteral("copies")));
        QVERIFY(QDir().mkpath(dest));
        selectRows({0, 1});
        const QStringList names{model().entryAt(0)->name, model().entryAt(1)->name};
        const auto destination = dialog_support::WhileOpen<DestinationDialog>(
            [&dest](DestinationDialog* dialog) {
                dialog->folderBox()->setCurrentText(dest);
                dialog->accept();
            });
        int asked = 0;
        bool openAfterClose = false;
        const auto confirm = dialog_support::WhileOpen<ConfirmationDialog>(
            [&](ConfirmationDialog* dialog) {
                if (++asked == 1) {
                    m_window->close();
                    openAfterClose = m_window->isVisible() && model().rowCount() > 1;
                }
                dialog->done(int(DialogAnswer::Yes));
            });
        m_window->runCommand(CommandId::CopyFiles);
        QVERIFY(openAfterClose);
        QCOMPARE(asked, 2);
        QVERIFY(QFile::exists(dest + names[0]));
        QVERIFY(QFile::exists(dest + names[1]));
        QVERIFY(!m_window->isVisible());
        QDir(dest).removeRecursively();
    }

    void closeStoresWindowSettings() {
        m_window->list()->horizontalHeader()->resizeSection(ColumnPath, 133);
        m_window->close();
        QString text;
        QVERIFY(m_store->readSetting(u"Column2", u"", text, 16) > 0);
        QCOMPARE(text, QStringLiteral("133"));
        QVERIFY(m_store->readSetting(u"wColumns", u"", text, 16) > 0);
        QCOMPARE(text, QStringLiteral("127"));
        QVERIFY(m_store->readSetting(u"WindowPos", u"", text, 64) > 0);
        QVERIFY(model().isRefilling());
        ShutDown(*m_window, 0);
        QVERIFY(m_store->readSetting(u"szPathName1", u"", text, 512) > 0);
        QCOMPARE(text, m_tree);
    }

    // Esc during the walk ends it early; the refresh still completes with what was found.
    void scanEndsOnEsc() {
        QCoreApplication::postEvent(m_window->list(),
                                    new QKeyEvent(QEvent::KeyPress, Qt::Key_Escape, {}));
        RefreshCatalogue(model(), *m_window, m_tree);
        QCOMPARE(model().rowCount(), 0);
        QCOMPARE(m_window->statusBarWidget()->partText(3), QStringLiteral("Total: 0 file(s)"));
        QCOMPARE(m_window->statusBarWidget()->partText(0), m_tree);
        // The next walk is not aborted by the Esc of the last one.
        RefreshCatalogue(model(), *m_window, m_tree);
        QCOMPARE(model().rowCount(), goodCount + 1);
    }

    // Other input given during the walk is dropped: no key or click acts.
    void scanSwallowsOtherInput() {
        bool modalSeen = false;
        OnNextModal([&modalSeen](QWidget* modal) {
            modalSeen = true;
            modal->close();
        });
        QCoreApplication::postEvent(m_window->list(),
                                    new QKeyEvent(QEvent::KeyPress, Qt::Key_F1, {}));
        RefreshCatalogue(model(), *m_window, m_tree);
        QTest::qWait(50);
        QVERIFY(!modalSeen);
        QVERIFY(m_window->isVisible());
        QCOMPARE(model().rowCount(), goodCount + 1);
        QCOMPARE(m_window->statusBarWidget()->partText(1), QStringLiteral("Focused: 1"));
    }

    void browseFoldersOpensOnWorkingFolder() {
        const MainWindow::ChooseFolderFunction saved = MainWindow::chooseFolder;
        QString openedOn;
        QString prompt;
        QString answer = m_otherTree;
        MainWindow::chooseFolder = [&](QWidget*, const QString& text, const QString& start) {
            prompt = text;
            openedOn = start;
            return answer;
        };
        QTest::keyClick(m_window->list(), Qt::Key_F3);
        QCOMPARE(prompt, QStringLiteral("Select new working folder"));
        QCOMPARE(NormalisedFolder(openedOn), m_tree);
        QCOMPARE(m_window->workingFolder(), m_otherTree);
        QCOMPARE(RowNames(model()), QStringList{QStringLiteral("other.zuf")});
        QCOMPARE(m_window->history().entries.front(), m_otherTree);
        QCOMPARE(m_window->folderBox()->currentIndex(), 0);
        QCOMPARE(m_window->folderBox()->currentText(), m_otherTree);
        // A folder that cannot be entered joins the history; the list stays where it was.
        answer = m_dir.filePath(QStringLiteral("gone"));
        m_window->runCommand(CommandId::BrowseFolders);
        QCOMPARE(m_window->history().entries.front(), NormalisedFolder(answer));
        QCOMPARE(m_window->workingFolder(), m_otherTree);
        QCOMPARE(RowNames(model()), QStringList{QStringLiteral("other.zuf")});
        // Cancelled: nothing changes.
        answer.clear();
        m_window->runCommand(CommandId::BrowseFolders);
        QCOMPARE(NormalisedFolder(openedOn), m_otherTree);
        QCOMPARE(m_window->workingFolder(), m_otherTree);
        QCOMPARE(model().rowCount(), 1);
        MainWindow::chooseFolder = saved;
    }

    // Delete in the list posts the delete command only when something is selected.
    void deleteKeyAsksForSelectedFiles_data() {
        QTest::addColumn<QList<int>>("rows");
        QTest::addColumn<bool>("asks");
        QTest::newRow("nothing selected") << QList<int>{} << false;
        QTest::newRow("one selected") << QList<int>{0} << true;
    }
    void deleteKeyAsksForSelectedFiles() {
        QFETCH(QList<int>, rows);
        QFETCH(bool, asks);
        selectRows(rows);
        bool asked = false;
        OnNextModal([&asked](QWidget* modal) {
            asked = true;
            static_cast<QDialog*>(modal)->reject();
        });
        QTest::keyClick(m_window->list(), Qt::Key_Delete);
        QTest::qWait(100);
        QCOMPARE(asked, asks);
        QVERIFY(!QApplication::activeModalWidget()); // asked once, not twice
        QCOMPARE(model().rowCount(), goodCount + 1); // nothing deleted
    }

    // Delete sends the file to the trash and Ctrl+Z brings it back with its row; Undo is offered
    // in both menus only while there is something to undo. Shift+Delete asks its own question.
    void deleteToTheTrashAndUndoByKeys() {
        SKIP_WHERE_THE_TRASH_IS_THE_USERS();
        const QString name = QStringLiteral("blue moon.zuf");
        const QString path = m_tree + name;
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        file.close();
        const auto undoOffered = [this] {
            m_window->showContextMenu(QPoint(10, 10));
            bool offered = false;
            for (QAction* item : m_window->contextMenu()->actions())
                if (item->text() == MenuItemText(CommandId::Undo))
                    offered = item->isEnabled();
            m_window->contextMenu()->close();
            for (QAction* item : m_window->dropDownMenu()->actions())
                if (item->text() == MenuItemText(CommandId::Undo) && item->isEnabled() != offered)
                    return false; // the two menus disagree
            return offered;
        };
        QVERIFY(!undoOffered());
        QString question;
        const auto answer = [&question](int key) {
            OnNextModal([&question, key](QWidget* modal) {
                question = modal->findChild<QLabel*>(QStringLiteral("question"))->text();
                QTest::keyClick(KeyTarget(modal), Qt::Key(key));
            });
        };
        selectRows({rowNamed(name)});
        answer(Qt::Key_Return); // Yes
        QTest::keyClick(m_window->list(), Qt::Key_Delete);
        QTRY_VERIFY(!QFile::exists(path));
        QCOMPARE(question, QStringLiteral("Delete?"));
        QVERIFY(QFile::exists(test_support::temporaryTrashHome.trash() + QStringLiteral("/files/") +
                              name));
        QCOMPARE(rowNamed(name), -1);
        QVERIFY(undoOffered());

        // The offscreen platform gives the focus back to no window after a dialog.
        QApplication::setActiveWindow(m_window.get());
        QVERIFY(QTest::qWaitForWindowActive(m_window.get())); // the key of a window's action
        QTest::keyClick(m_window->list(), Qt::Key_Z, Qt::ControlModifier);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), bytes);
        file.close();
        QVERIFY(rowNamed(name) >= 0);
        QCOMPARE(model().rowCount(), goodCount + 1);
        QVERIFY(!undoOffered());

        selectRows({rowNamed(name)});
        answer(Qt::Key_Escape); // Cancel
        QTest::keyClick(m_window->list(), Qt::Key_Delete, Qt::ShiftModifier);
        QTRY_COMPARE(question, QStringLiteral("Delete permanently?"));
        QVERIFY(QFile::exists(path));
    }

    // The name is edited in place; the file follows on disk.
    void labelEditRenamesFile() {
        const int row = rowNamed(QStringLiteral("autumn.zuf"));
        QVERIFY(row >= 0);
        QTableView* list = m_window->list();
        const auto editName = [this, list](int at, const QString& name) {
            list->edit(model().index(at, ColumnName));
            auto* editor = list->viewport()->findChild<QLineEdit*>();
            QVERIFY(editor);
            editor->setText(name);
            QTest::keyClick(editor, Qt::Key_Return);
        };
        // Only the one selected row's name is edited: the file the panel shows.
        selectRows({row + 1});
        list->edit(model().index(row, ColumnName));
        QVERIFY(!list->viewport()->findChild<QLineEdit*>());
        selectRows({row});
        editName(row, QStringLiteral("autumn leaves.zuf"));
        QTRY_VERIFY(QFile::exists(m_tree + QStringLiteral("autumn leaves.zuf")));
        QVERIFY(!QFile::exists(m_tree + QStringLiteral("autumn.zuf")));
        // The panel shows the new name at once.
        QCOMPARE(m_window->infoPanel()->lastPainting().content.name,
                 QStringLiteral("autumn leaves.zuf"));
        const int renamed = rowNamed(QStringLiteral("autumn leaves.zuf"));
        QVERIFY(renamed >= 0);
        // An unchanged name is no rename and asks nothing.
        bool asked = false;
        OnNextModal([&asked](QWidget* modal) {
            asked = true;
            modal->close();
        });
        editName(renamed, QStringLiteral("autumn leaves.zuf"));
        QTest::qWait(50);
        QVERIFY(!asked);
        editName(renamed, QStringLiteral("autumn.zuf"));
        QTRY_VERIFY(QFile::exists(m_tree + QStringLiteral("autumn.zuf")));
    }

    // With the tooltips preference, a cut-off cell shows its whole text; a cell that fits
    // shows none.
    void tooltipsForCutOffCells() {
        QTableView* list = m_window->list();
        // The tooltip shown after hovering the cell of row 0 in `column`, or an empty text
        // when none is shown (a tooltip being hidden disappears after a short delay).
        const auto tipAt = [this, list](int column) {
            QToolTip::hideText();
            (void)QTest::qWaitFor([] { return !QToolTip::isVisible(); });
            const QRect cell = list->visualRect(model().index(0, column));
            QHelpEvent help(QEvent::ToolTip, cell.center(),
                            list->viewport()->mapToGlobal(cell.center()));
            QApplication::sendEvent(list->viewport(), &help);
            (void)QTest::qWaitFor([] { return !QToolTip::isVisible(); }, 50);
            return QToolTip::isVisible() ? QToolTip::text() : QString();
        };
        const QString folder = model().entryAt(0)->folder;
        QVERIFY(list->fontMetrics().horizontalAdvance(folder) > 80);
        QCOMPARE(tipAt(ColumnPath), folder);
        QCOMPARE(tipAt(ColumnSize), QString());
        m_window->setExtendedStyle(StyleFullRowSelect);
        QCOMPARE(tipAt(ColumnPath), QString());
    }

    // Keys of the accelerator table do nothing while a dialog runs.
    void acceleratorsWaitForModalDialog() {
        QStringList seen;
        OnNextModal([&seen](QWidget* modal) {
            seen << QString::fromLatin1(modal->metaObject()->className());
            QTest::keyClick(KeyTarget(modal), Qt::Key_F1); // the about dialog's key
            QApplication::processEvents();
            seen << QString::fromLatin1(
                QApplication::activeModalWidget()->metaObject()->className());
            static_cast<QDialog*>(modal)->reject();
        });
        m_window->runCommand(CommandId::Search);
        QCOMPARE(seen, QStringList({"SearchDialog", "SearchDialog"}));
    }

    // The window gives the focus to the list whenever it becomes active again, wherever the
    // focus was before: after a dialog opened by key or by command.
    void focusReturnsToListAfterDialog_data() {
        QTest::addColumn<QString>("focusedBefore");
        QTest::addColumn<int>("command");
        QTest::newRow("folder box, about") << "folder box" << int(CommandId::About);
        QTest::newRow("folder box, search") << "folder box" << int(CommandId::Search);
        QTest::newRow("list, options") << "list" << int(CommandId::Options);
    }
    void focusReturnsToListAfterDialog() {
        QFETCH(QString, focusedBefore);
        QFETCH(int, command);
        QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
        QWidget* before = focusedBefore == QLatin1String("list")
                              ? static_cast<QWidget*>(m_window->list())
                              : static_cast<QWidget*>(m_window->folderBox());
        before->setFocus();
        QTRY_VERIFY(before->hasFocus());
        bool opened = false;
        OnNextModal([&opened](QWidget* modal) {
            opened = true;
            QTest::keyClick(KeyTarget(modal), Qt::Key_Escape);
        });
        m_window->runCommand(CommandId(command));
        QVERIFY(opened);
        // The offscreen platform hands the activation back only when asked, as a desktop does
        // when the dialog closes.
        m_window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
        QTRY_VERIFY(m_window->list()->hasFocus());
    }

    void aboutClosesWithKeys_data() {
        QTest::addColumn<int>("key");
        QTest::newRow("Enter") << int(Qt::Key_Return);
        QTest::newRow("Escape") << int(Qt::Key_Escape);
        QTest::newRow("Space on OK") << int(Qt::Key_Space);
    }
    void aboutClosesWithKeys() {
        QFETCH(int, key);
        QString title;
        bool stayedOpen = false;
        OnNextModal([&](QWidget* modal) {
            title = modal->windowTitle();
            QTest::keyClick(KeyTarget(modal), Qt::Key(key));
            stayedOpen = modal->isVisible();
            if (stayedOpen)
                modal->close();
        });
        QTest::keyClick(m_window->list(), Qt::Key_F1);
        QCOMPARE(title, QStringLiteral("About ZUF File Manager"));
        QVERIFY(!stayedOpen);
    }

    void optionsColumnsBoxTogglesAll() {
        OnNextModal([](QWidget* modal) {
            auto* dialog = static_cast<OptionsDialog*>(modal);
            QVERIFY(!dialog->allColumnsBox()->isChecked()); // starts unchecked
            dialog->columnBox(ColumnSize)->setChecked(false);
            dialog->allColumnsBox()->click();
            for (int column = 1; column < ColumnCount; ++column)
                QVERIFY(dialog->columnBox(column)->isChecked());
            dialog->allColumnsBox()->click();
            for (int column = 1; column < ColumnCount; ++column)
                QVERIFY(!dialog->columnBox(column)->isChecked());
            dialog->accept();
        });
        m_window->runCommand(CommandId::Options);
        for (int column = 1; column < ColumnCount; ++column)
            QVERIFY(m_window->list()->isColumnHidden(column));
        QVERIFY(!m_window->list()->isColumnHidden(ColumnName)); // Name has no box
        QCOMPARE(m_window->list()->width(), 100);
    }

    // Track select: the row the mouse rests on becomes the selection; without it, nothing.
    void trackSelectSelectsRestingRow_data() {
        QTest::addColumn<quint32>("style");
        QTest::addColumn<int>("selectedRow");
        QTest::newRow("track select") << quint32(StyleTrackSelect | StyleFullRowSelect) << 3;
        QTest::newRow("default style") << quint32(DefaultListExStyle) << 0;
    }
    void trackSelectSelectsRestingRow() {
        QFETCH(quint32, style);
        QFETCH(int, selectedRow);
        m_window->setExtendedStyle(style);
        QWidget* viewport = m_window->list()->viewport();
        const QPoint point = m_window->list()->visualRect(model().index(3, ColumnTitle)).center();
        QCursor::setPos(viewport->mapToGlobal(point));
        QMouseEvent move(QEvent::MouseMove, point, viewport->mapToGlobal(point), Qt::NoButton,
                         Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(viewport, &move);
        if (selectedRow == 0)
            QTest::qWait(600); // longer than the resting time: nothing may happen
        QTRY_VERIFY(model().isSelected(selectedRow));
        QCOMPARE(model().selectedCount(), 1);
    }

    void screenshot() {
        selectRows({rowNamed(QStringLiteral("blue moon.zuf"))});
        m_window->resize(1000, 560);
        QTRY_COMPARE(m_window->width(), 1000);
        QVERIFY(m_window->grab().save(QDir::temp().filePath(QStringLiteral("zuffile-test.png"))));
    }
};

QTEST_MAIN(TestMainWindow)
#include "tst_main_window.moc"
