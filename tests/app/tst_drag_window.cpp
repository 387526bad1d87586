// Dragging and dropping on the main window: rows dragged out give their files as file URLs,
// files dropped in are copied or moved into the working folder by the normal batch, and a
// folder dropped alone becomes the working folder.

#include "app/main_window.h"
#include "app/status_bar_widget.h"
#include "base/commands.h"
#include "platform/folder_path.h"
#include "settings/settings_store.h"
#include "tools/sample_writer.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDropEvent>
#include <QLineEdit>
#include <QMimeData>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>
#include <functional>

namespace {

QObject* modalWatches = nullptr;

// Clicks the button labelled `text` of the next modal dialog, then runs `next`.
void ClickOnNextModal(const QString& text, std::function<void()> next = {}) {
    auto* timer = new QTimer(modalWatches);
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, [timer, text, next] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal)
            return;
        for (QAbstractButton* button : modal->findChildren<QAbstractButton*>()) {
            if (button->text() != text)
                continue;
            timer->stop();
            timer->deleteLater();
            if (next)
                next();
            button->click();
            return;
        }
    });
    timer->start();
}

QByteArray ReadAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class TestDragWindow : public QObject {
    Q_OBJECT
    QTemporaryDir m_dir;
    QString m_tree;    // the working folder
    QString m_outside; // where dropped files come from
    std::unique_ptr<SettingsStore> m_store;
    std::unique_ptr<MainWindow> m_window;

    CatalogueModel& model() { return m_window->catalogueModel(); }
    QStringList rowPaths() {
        QStringList paths;
        for (int row = 0; row < model().rowCount(); ++row)
            paths << model().entryAt(row)->folder + model().entryAt(row)->name;
        return paths;
    }
    void write(const QString& path, const QString& title) {
        SampleFile file;
        file.title = title;
        QVERIFY(WriteSampleFile(path, file));
    }
    void drop(const QStringList& paths) {
        QList<QUrl> urls;
        for (const QString& path : paths)
            urls << QUrl::fromLocalFile(path);
        QMimeData data;
        data.setUrls(urls);
        const QPoint at = m_window->list()->geometry().center();
        QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(m_window.get(), &enter);
        QVERIFY(enter.isAccepted());
        QDropEvent dropped(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(m_window.get(), &dropped);
        QVERIFY(dropped.isAccepted());
    }

private slots:
    void initTestCase() {
        QStandardPaths::setTestModeEnabled(true);
        QVERIFY(m_dir.isValid());
        m_store = std::make_unique<SettingsStore>(m_dir.filePath(QStringLiteral("settings.ini")));
    }
    void init() {
        modalWatches = new QObject;
        m_tree = NormalisedFolder(m_dir.filePath(QStringLiteral("tree")));
        m_outside = NormalisedFolder(m_dir.filePath(QStringLiteral("outside")));
        QDir(m_tree).removeRecursively();
        QDir(m_outside).removeRecursively();
        write(m_tree + QStringLiteral("a moon.zuf"), QStringLiteral("Blue Moon"));
        write(m_tree + QStringLiteral("b.zuf"), QStringLiteral("Bourrée"));
        write(m_tree + QStringLiteral("folk/c.zuf"), QStringLiteral("Cliffs"));
        write(m_outside + QStringLiteral("dropped.zuf"), QStringLiteral("Dropped"));
        write(m_outside + QStringLiteral("b.zuf"), QStringLiteral("Another B"));
        QFile notes(m_outside + QStringLiteral("notes.txt"));
        QVERIFY(notes.open(QIODevice::WriteOnly));
        notes.close();
        m_store->writeSetting(u"szPathName1", m_tree);
        m_window = StartUp(*m_store);
        QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    }
    void cleanup() {
        delete modalWatches;
        modalWatches = nullptr;
        m_window.reset();
    }

    // The drag's data is what the view hands the drag: the selected rows' files as URLs, to be
    // copied; rows the filter box hides are not dragged though they were selected.
    void dragOutGivesFileUrls_data() {
        QTest::addColumn<QStringList>("selected");
        QTest::addColumn<QString>("filter");
        QTest::addColumn<QStringList>("dragged");
        QTest::newRow("one row") << QStringList{"b.zuf"} << QString() << QStringList{"b.zuf"};
        QTest::newRow("two rows in two folders") << QStringList{"b.zuf", "folk/c.zuf"} << QString()
                                                 << QStringList{"b.zuf", "folk/c.zuf"};
        QTest::newRow("filtered") << QStringList{"a moon.zuf", "b.zuf", "folk/c.zuf"}
                                  << QStringLiteral("moon") << QStringList{"a moon.zuf"};
    }
    void dragOutGivesFileUrls() {
        QFETCH(QStringList, selected);
        QFETCH(QString, filter);
        QFETCH(QStringList, dragged);
        model().clearSelectionAndFocus();
        for (const QString& name : selected)
            model().selectAndFocus(int(rowPaths().indexOf(NormalisedPath(name))));
        if (!filter.isEmpty()) {
            QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
            QTest::keyClick(m_window.get(), Qt::Key_L, Qt::ControlModifier);
            QTRY_COMPARE(QApplication::focusWidget(), m_window->filterBox());
            QTest::keyClicks(m_window->filterBox(), filter);
            QTRY_COMPARE(model().rowCount(), int(dragged.size()));
            QCOMPARE(m_window->statusBarWidget()->partText(3),
                     QStringLiteral("Shown: %1 of 3").arg(dragged.size()));
        }
        ListView* view = m_window->list();
        QVERIFY(view->dragEnabled());
        QCOMPARE(view->model()->supportedDragActions(), Qt::DropActions(Qt::CopyAction));
        std::unique_ptr<QMimeData> data(
            view->model()->mimeData(view->selectionModel()->selectedIndexes()));
        QVERIFY(data->hasFormat(QStringLiteral("text/uri-list")));
        QList<QUrl> expected;
        for (const QString& name : dragged)
            expected << QUrl::fromLocalFile(QDir::fromNativeSeparators(NormalisedPath(name)));
        QCOMPARE(data->urls(), expected);
    }

    // Dropped files go into the working folder by the batch the user picks, with its
    // question; a file of a name already there is not overwritten; other files are left out;
    // Undo takes the batch back.
    void dropFiles_data() {
        QTest::addColumn<QString>("choice");
        QTest::addColumn<bool>("arrived");
        QTest::addColumn<bool>("sourceKept");
        QTest::newRow("copy") << "&Copy Here" << true << true;
        QTest::newRow("move") << "&Move Here" << true << false;
        QTest::newRow("cancel") << "Cancel" << false << true;
    }
    void dropFiles() {
        QFETCH(QString, choice);
        QFETCH(bool, arrived);
        QFETCH(bool, sourceKept);
        const QByteArray treeB = ReadAll(m_tree + QStringLiteral("b.zuf"));
        const QString source = m_outside + QStringLiteral("dropped.zuf");
        const QString target = m_tree + QStringLiteral("dropped.zuf");
        bool errorShown = false;
        ClickOnNextModal(choice, [&] {
            if (choice == QStringLiteral("Cancel"))
                return;
            ClickOnNextModal(QStringLiteral("&All"), [&] {
                ClickOnNextModal(QStringLiteral("OK"), [&] { errorShown = true; });
            });
        });
        drop(
            {source, m_outside + QStringLiteral("b.zuf"), m_outside + QStringLiteral("notes.txt")});
        QTRY_COMPARE(QFile::exists(target), arrived);
        QTRY_COMPARE(errorShown, arrived);
        QTRY_VERIFY(!QApplication::activeModalWidget());
        QCOMPARE(QFile::exists(source), sourceKept);
        QCOMPARE(ReadAll(m_tree + QStringLiteral("b.zuf")), treeB);
        QVERIFY(QFile::exists(m_outside + QStringLiteral("b.zuf")));
        QVERIFY(!QFile::exists(m_tree + QStringLiteral("notes.txt")));
        QCOMPARE(rowPaths().contains(target), arrived);
        QCOMPARE(model().rowCount(), arrived ? 4 : 3);
        if (!arrived)
            return;
        m_window->runCommand(CommandId::Undo);
        QVERIFY(!QFile::exists(target));
        QVERIFY(QFile::exists(source));
        QVERIFY(!rowPaths().contains(target));
    }

    void dropOfAFolderOpensIt() {
        drop({QDir::fromNativeSeparators(m_outside)});
        QTRY_COMPARE(m_window->workingFolder(), m_outside);
        QCOMPARE(model().rowCount(), 2);
    }

private:
    QString NormalisedPath(const QString& relative) const {
        return QDir::toNativeSeparators(m_tree + relative);
    }
};

QTEST_MAIN(TestDragWindow)
#include "tst_drag_window.moc"
