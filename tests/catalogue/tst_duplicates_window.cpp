// "Find Duplicates" as the user runs it: the way chosen, Find clicked, the groups listed, and
// a "Select All but" button leaving exactly the right rows selected in the list.

#include "catalogue/catalogue_model.h"
#include "catalogue/duplicates_dialog.h"
#include "platform/native_fileops.h"

#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <QtTest>

class TestDuplicatesWindow : public QObject {
    Q_OBJECT
    QTemporaryDir temp;
    CatalogueModel list;

private slots:
    void initTestCase() {
        QVERIFY(temp.isValid());
        // Same title and author: rows 0, 1, 3. Same content: rows 0, 2, 3.
        const struct {
            const char* name;
            const char* title;
            const char* author;
            const char* content;
            qint64 time;
        } files[] = {{"a.zuf", "Blue Moon", "R", "AAAA", 100},
                     {"b.zuf", "blue moon", "r", "BBBBBB", 300},
                     {"c.zuf", "Other", "R", "AAAA", 200},
                     {"d.zuf", "Blue-Moon", "R", "AAAA", 50}};
        for (const auto& file : files) {
            Entry entry;
            entry.folder = temp.path() + u'/';
            entry.name = QString::fromLatin1(file.name);
            entry.title = QString::fromLatin1(file.title);
            entry.subtitle = QString::fromLatin1(file.author);
            entry.lastWriteTime = file.time;
            entry.size = quint32(qstrlen(file.content));
            QCOMPARE(WriteFileThroughUnfinished(entry.folder + entry.name, file.content, false),
                     0);
            list.insertEntry(list.rowCount(), entry, StateNormal);
        }
    }

    void selectsAllButOne_data() {
        QTest::addColumn<bool>("byContent");
        QTest::addColumn<int>("keep");
        QTest::addColumn<std::vector<int>>("selected");
        QTest::newRow("title, newest") << false << int(KeepInGroup::Newest) << std::vector{0, 3};
        QTest::newRow("title, oldest") << false << int(KeepInGroup::Oldest) << std::vector{0, 1};
        QTest::newRow("title, largest") << false << int(KeepInGroup::Largest) << std::vector{0, 3};
        QTest::newRow("content, newest") << true << int(KeepInGroup::Newest) << std::vector{0, 3};
        QTest::newRow("content, oldest") << true << int(KeepInGroup::Oldest) << std::vector{0, 2};
        QTest::newRow("content, largest: the first of equals stays")
            << true << int(KeepInGroup::Largest) << std::vector{2, 3};
    }
    void selectsAllButOne() {
        QFETCH(bool, byContent);
        QFETCH(int, keep);
        QFETCH(std::vector<int>, selected);
        list.clearSelectionAndFocus();
        list.selectAndFocus(1);
        DuplicatesDialog dialog(nullptr, list);
        dialog.show();
        QVERIFY(!dialog.keepButton(KeepInGroup(keep))->isEnabled());
        (byContent ? dialog.contentButton() : dialog.titleButton())->click();
        dialog.findButton()->click();
        QTRY_VERIFY(!dialog.searching());
        QCOMPARE(dialog.groupsView()->topLevelItemCount(), 1);
        QCOMPARE(dialog.groupsView()->topLevelItem(0)->childCount(), 3);
        dialog.keepButton(KeepInGroup(keep))->click();
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(list.selectedRows(), selected);
        QCOMPARE(list.selectionModel()->currentIndex().row(), selected.front());
    }
};

QTEST_MAIN(TestDuplicatesWindow)
#include "tst_duplicates_window.moc"
