// The comparator's rules, the column click and the sort of the list.

#include "catalogue/catalogue_model.h"
#include "catalogue/collation.h"
#include "catalogue/entry_rows.h"
#include "catalogue/sorting.h"

#include <QtTest>
#include <memory>
#include <random>

namespace {

// An entry described by one text: "name|folder|time|size|title|subtitle|t0,t1,...|matched".
// Missing parts stay empty or zero.
Entry MakeEntry(const QString& description) {
    const QStringList part = description.split(QLatin1Char('|'));
    auto at = [&](int i) { return i < part.size() ? part[i] : QString(); };
    Entry e;
    e.name = at(0);
    e.folder = at(1);
    e.lastWriteTime = at(2).toLongLong();
    e.size = at(3).toUInt();
    e.title = at(4);
    e.subtitle = at(5);
    const QStringList tuning = at(6).split(QLatin1Char(','), Qt::SkipEmptyParts);
    for (int i = 0; i < tuning.size() && i < 12; ++i)
        e.tuning[size_t(i)] = quint8(tuning[i].toUInt());
    e.isMatched = quint8(at(7).toUInt());
    return e;
}

int Sign(int value) {
    return value < 0 ? -1 : (value > 0 ? 1 : 0);
}

SortState SortBy(int column, int direction) {
    SortState sort{};
    sort[size_t(column)] = direction;
    return sort;
}

} // namespace

class TestCompare : public QObject {
    Q_OBJECT

    std::unique_ptr<CatalogueModel> m_list; // a fresh list for each test

private slots:
    void init() {
        m_list = std::make_unique<CatalogueModel>();
        m_list->setSort(DefaultSortState);
    }

    void compareEntries_data() {
        QTest::addColumn<int>("column");
        QTest::addColumn<int>("direction");
        QTest::addColumn<int>("filterOn");
        QTest::addColumn<QString>("a");
        QTest::addColumn<QString>("b");
        QTest::addColumn<int>("expected"); // sign of CompareEntries(a, b)

        QTest::newRow("name ignores case") << 0 << 1 << 0 << "abc.zuf"
                                           << "ABD.zuf" << -1;
        QTest::newRow("name descending") << 0 << -1 << 0 << "abc.zuf"
                                         << "ABD.zuf" << 1;
        QTest::newRow("same name in two folders") << 0 << 1 << 0 << "a.zuf|/x/"
                                                  << "A.ZUF|/y/" << 0;
        QTest::newRow("folder decides") << 1 << 1 << 0 << "z|/a/"
                                        << "a|/b/" << -1;
        QTest::newRow("same folder: name ascending") << 1 << -1 << 0 << "b|/a/"
                                                     << "a|/a/" << 1;
        QTest::newRow("older first") << 2 << 1 << 0 << "b||100"
                                     << "a||200" << -1;
        QTest::newRow("older last descending") << 2 << -1 << 0 << "b||100"
                                               << "a||200" << 1;
        QTest::newRow("dates far apart") << 2 << 1 << 0 << "a||-9000000000000"
                                         << "b||9000000000000" << -1;
        QTest::newRow("size without overflow") << 3 << 1 << 0 << "b|||0"
                                               << "a|||4294967295" << -1;
        QTest::newRow("size without overflow, reversed") << 3 << 1 << 0 << "a|||4294967295"
                                                         << "b|||0" << 1;
        QTest::newRow("equal sizes: name ascending") << 3 << 1 << 0 << "b|||5"
                                                     << "a|||5" << 1;
        QTest::newRow("equal sizes descending: name still ascending") << 3 << -1 << 0 << "b|||5"
                                                                      << "a|||5" << 1;
        QTest::newRow("title ignores one leading quote") << 4 << 1 << 0 << "b||||\"Moon"
                                                         << "a||||Moon" << 1;
        QTest::newRow("title: quote on both sides") << 4 << 1 << 0 << "a||||\"Moon"
                                                    << "b||||\"Moon" << -1;
        QTest::newRow("title: only one quote skipped") // the second quote sorts before M
            << 4 << 1 << 0 << "b||||\"\"Moon"
            << "a||||\"Moon" << -1;
        QTest::newRow("title of only a quote sorts as empty") << 4 << 1 << 0 << "b||||\""
                                                              << "a||||" << 1;
        QTest::newRow("title of only a quote before text") << 4 << 1 << 0 << "z||||\""
                                                           << "a||||Alpha" << -1;
        QTest::newRow("title ignores case") << 4 << 1 << 0 << "b||||apple"
                                            << "a||||Banana" << -1;
        QTest::newRow("author") << 5 << 1 << 0 << "a|||||Zed"
                                << "b|||||amy" << 1;
        QTest::newRow("tuning position 11 decides")
            << 6 << 1 << 0 << "a||||||0,0,0,0,0,0,0,0,0,0,0,5"
            << "b||||||0,0,0,0,0,0,0,0,0,0,0,4" << 1;
        QTest::newRow("tuning position 0 before later bytes") << 6 << 1 << 0 << "a||||||4,99"
                                                              << "b||||||5,1" << -1;
        QTest::newRow("tuning bytes unsigned") << 6 << 1 << 0 << "a||||||200"
                                               << "b||||||10" << 1;
        QTest::newRow("tuning descending") << 6 << -1 << 0 << "a||||||200"
                                           << "b||||||10" << -1;
        QTest::newRow("equal tunings: name") << 6 << -1 << 0 << "a||||||7"
                                             << "b||||||7" << -1;
        QTest::newRow("filter on: matched first") << 3 << 1 << 1 << "a|||1||||0"
                                                  << "b|||9||||1" << 1;
        QTest::newRow("filter on: matched first descending") << 3 << -1 << 1 << "a|||9||||1"
                                                             << "b|||1||||0" << -1;
        QTest::newRow("filter on: both matched by size descending") << 3 << -1 << 1 << "a|||1||||1"
                                                                    << "b|||9||||1" << 1;
        QTest::newRow("filter off: match ignored") << 3 << 1 << 0 << "a|||1||||0"
                                                   << "b|||9||||1" << -1;
    }
    void compareEntries() {
        QFETCH(int, column);
        QFETCH(int, direction);
        QFETCH(int, filterOn);
        QFETCH(QString, a);
        QFETCH(QString, b);
        QFETCH(int, expected);
        const SortState sort = SortBy(column, direction);
        const Entry first = MakeEntry(a);
        const Entry second = MakeEntry(b);
        const Collation collation;
        QCOMPARE(Sign(CompareEntries(first, second, column, sort, filterOn, collation)), expected);
        QCOMPARE(Sign(CompareEntries(second, first, column, sort, filterOn, collation)),
                 -expected); // antisymmetric
    }

    void columnClick_data() {
        QTest::addColumn<QList<int>>("clicks");
        QTest::addColumn<QList<int>>("state");
        QTest::newRow("start") << QList<int>{} << QList<int>{1, 0, 0, 0, 0, 0, 0};
        QTest::newRow("name again reverses") << QList<int>{0} << QList<int>{-1, 0, 0, 0, 0, 0, 0};
        QTest::newRow("twice back") << QList<int>{0, 0} << QList<int>{1, 0, 0, 0, 0, 0, 0};
        QTest::newRow("other column ascending")
            << QList<int>{0, 3} << QList<int>{0, 0, 0, 1, 0, 0, 0};
        QTest::newRow("other column twice") << QList<int>{3, 3} << QList<int>{0, 0, 0, -1, 0, 0, 0};
        QTest::newRow("back to name ascending")
            << QList<int>{0, 6, 0} << QList<int>{1, 0, 0, 0, 0, 0, 0};
        QTest::newRow("no such column") << QList<int>{7, -1} << QList<int>{1, 0, 0, 0, 0, 0, 0};
    }
    void columnClick() {
        QFETCH(QList<int>, clicks);
        QFETCH(QList<int>, state);
        for (int column : clicks)
            ColumnClick(*m_list, column, false);
        const SortState& now = m_list->sort();
        QCOMPARE(QList<int>(now.begin(), now.end()), state);
    }

    void sortKeepsSelectionOnItsRow_data() {
        QTest::addColumn<int>("column");
        QTest::addColumn<int>("direction");
        QTest::addColumn<QStringList>("order");
        QTest::newRow("name ascending") << 0 << 1 << QStringList{"a", "B", "c", "d"};
        QTest::newRow("name descending") << 0 << -1 << QStringList{"d", "c", "B", "a"};
        QTest::newRow("size ascending") << 3 << 1 << QStringList{"B", "c", "d", "a"};
        QTest::newRow("size descending, ties by name")
            << 3 << -1 << QStringList{"a", "c", "d", "B"};
    }
    void sortKeepsSelectionOnItsRow() {
        QFETCH(int, column);
        QFETCH(int, direction);
        QFETCH(QStringList, order);
        CatalogueModel& list = *m_list;
        const QStringList names{"c", "a", "d", "B"};
        const QList<quint32> sizes{2, 9, 2, 1};
        for (int i = 0; i < names.size(); ++i) {
            Entry e;
            e.name = names[i];
            e.size = sizes[i];
            list.insertEntry(i, e, StateNormal);
        }
        list.selectAndFocus(2); // "d"
        list.setSort(SortBy(column, direction));
        SortColumn(list, false);
        QStringList now;
        for (int row = 0; row < list.rowCount(); ++row)
            now << list.entryAt(row)->name;
        QCOMPARE(now, order);
        const int dRow = int(order.indexOf(QStringLiteral("d")));
        QVERIFY(list.isSelected(dRow));
        QCOMPARE(list.selectedCount(), 1);
        QCOMPARE(list.selectionModel()->currentIndex().row(), dRow);
    }

    // Removing rows in one pass leaves the rows, the selection, its count and the focus as
    // removing them one at a time does.
    void removeRowsAsOneByOne_data() {
        QTest::addColumn<QList<int>>("selected");
        QTest::addColumn<int>("focus");
        QTest::addColumn<QList<int>>("removed");
        QTest::newRow("focus kept") << QList<int>{1, 4, 6} << 4 << QList<int>{1, 6};
        QTest::newRow("focus in a run") << QList<int>{2, 3, 5} << 3 << QList<int>{2, 3, 5};
        QTest::newRow("focus in the first run") << QList<int>{0, 1, 7} << 1 << QList<int>{0, 1, 7};
        QTest::newRow("focus in the last run") << QList<int>{0, 8, 9} << 9 << QList<int>{8, 9};
        QTest::newRow("every row") << QList<int>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9} << 5
                                   << QList<int>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9};
        QTest::newRow("whole selection, three rows stay")
            << QList<int>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9} << 0 << QList<int>{0, 1, 2, 4, 5, 6, 7};
    }
    void removeRowsAsOneByOne() {
        QFETCH(QList<int>, selected);
        QFETCH(int, focus);
        QFETCH(QList<int>, removed);
        CatalogueModel oneByOne, onePass;
        for (CatalogueModel* list : {&oneByOne, &onePass}) {
            for (int i = 0; i < 10; ++i)
                list->insertEntry(i, MakeEntry(QString::number(i)), StateNormal);
            for (int row : selected)
                list->selectAndFocus(row);
            list->selectionModel()->setCurrentIndex(list->index(focus, 0),
                                                    QItemSelectionModel::NoUpdate);
        }
        for (auto row = removed.rbegin(); row != removed.rend(); ++row)
            oneByOne.removeEntryRow(*row);
        onePass.removeEntryRows(std::vector<int>(removed.begin(), removed.end()));

        auto state = [](CatalogueModel& list) {
            QStringList rows;
            for (int row = 0; row < list.rowCount(); ++row)
                rows << list.entryAt(row)->name + (list.isSelected(row) ? "*" : "");
            const QModelIndex current = list.selectionModel()->currentIndex();
            rows << (current.isValid() ? list.entryAt(current.row())->name : "no focus");
            return rows;
        };
        QCOMPARE(state(onePass), state(oneByOne));
        const int stillSelected = int(selected.size()) - int(removed.size());
        QCOMPARE(onePass.selectedCount(), stillSelected);
        QCOMPARE(oneByOne.selectedCount(), stillSelected);
        QCOMPARE(int(onePass.selectedRows().size()), stillSelected);
    }

    // The list's sort makes its keys once per sort; its order must be the comparator's.
    void sortAgreesWithTheComparator_data() {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<int>("filterOn");
        QTest::addColumn<int>("rows");
        QTest::newRow("C") << "C" << 0 << 400;
        QTest::newRow("C, filter on") << "C" << 1 << 400;
        QTest::newRow("English") << "en_US" << 0 << 400;
        QTest::newRow("German, filter on") << "de_DE" << 1 << 400;
        QTest::newRow("Swedish") << "sv_SE" << 0 << 400;
        // Enough rows for the keys and the sort to be split over two threads.
        QTest::newRow("English, many rows") << "en_US" << 1 << 25000;
    }
    void sortAgreesWithTheComparator() {
        QFETCH(QString, locale);
        QFETCH(int, filterOn);
        QFETCH(int, rows);
        m_list->setSortLocale(QLocale(locale));
        QCOMPARE(CompareEntries(MakeEntry("abc"), MakeEntry("ABC"), ColumnName, DefaultSortState,
                                false, m_list->collation()),
                 0);
        const QStringList pieces{"a", "A", "b",  "\"", "é", "E",          "z",      "Z",
                                 "ä", "å", "ö",  "o",  " ", "-",          "1",      "10",
                                 "9", "ß", "ss", "İ",  "i", "\U0001D11E", "\uFFFD", "\u00A0"};
        std::mt19937 rng(7);
        auto text = [&](int maxPieces) {
            QString t;
            const int n = int(rng() % unsigned(maxPieces + 1));
            for (int i = 0; i < n; ++i)
                t += pieces[int(rng() % unsigned(pieces.size()))];
            return t;
        };
        for (int i = 0; i < rows; ++i) {
            Entry e;
            e.name = text(4);
            e.folder = text(2);
            e.title = text(3);
            e.subtitle = text(2);
            e.lastWriteTime = qint64(rng() % 5) * 86400000;
            e.size = (rng() % 2) ? 4294967295u - rng() % 3 : rng() % 3;
            e.tuning[0] = quint8(rng() % 3 * 100);
            e.tuning[11] = quint8(rng() % 2 * 200);
            e.isMatched = quint8(filterOn ? rng() % 2 : 0);
            m_list->insertEntry(i, e, StateNormal);
        }
        // The second pass sorts again after names changed and rows went, which the ranks of
        // names the list keeps from the first pass must not hide.
        for (int pass = 0; pass < 2; ++pass) {
            if (pass == 1) {
                for (int row = 0; row < 100; row += 3)
                    ReplaceEntryText(*m_list, row, FieldName, text(4));
                m_list->removeEntryRows({5, 6, 50, 51, 52, 300});
            }
            for (int column = 0; column < ColumnCount; ++column) {
                for (int direction : {1, -1}) {
                    m_list->setSort(SortBy(column, direction));
                    SortColumn(*m_list, filterOn);
                    for (int row = 1; row < m_list->rowCount(); ++row) {
                        const Entry& before = *m_list->entryAt(row - 1);
                        const Entry& after = *m_list->entryAt(row);
                        QVERIFY2(
                            CompareEntries(before, after, column, m_list->sort(), filterOn,
                                           m_list->collation()) <= 0,
                            qPrintable(QStringLiteral("column %1, direction %2, row %3: %4 / %5")
                                           .arg(column)
                                           .arg(direction)
                                           .arg(row)
                                           .arg(before.name, after.name)));
                    }
                }
            }
        }
    }

    // Each list sorts in its own collation: a Swedish list puts "ä" after "z", a German one
    // beside "a", whichever sorted last. A change of a list's locale drops the ranks of names it
    // kept, so that rows equal in another column are ordered by name in the new collation.
    void eachListSortsInItsOwnCollation() {
        CatalogueModel swedish, german;
        swedish.setSortLocale(QLocale(QStringLiteral("sv_SE")));
        german.setSortLocale(QLocale(QStringLiteral("de_DE")));
        for (CatalogueModel* list : {&swedish, &german}) {
            for (const char* name : {"z", "\u00E4", "a"})
                list->insertEntry(list->rowCount(), MakeEntry(QString::fromUtf8(name)),
                                  StateNormal);
        }
        auto names = [](const CatalogueModel& list) {
            QStringList rows;
            for (int row = 0; row < list.rowCount(); ++row)
                rows << list.entryAt(row)->name;
            return rows;
        };
        const QStringList swedishOrder{"a", "z", "\u00E4"};
        const QStringList germanOrder{"a", "\u00E4", "z"};
        SortColumn(swedish, false);
        SortColumn(german, false);
        QCOMPARE(names(swedish), swedishOrder);
        QCOMPARE(names(german), germanOrder);

        german.setSortLocale(QLocale(QStringLiteral("sv_SE")));
        german.setSort(SortBy(ColumnSize, 1)); // all sizes equal: the names decide
        SortColumn(german, false);
        QCOMPARE(names(german), swedishOrder);
    }
};

QTEST_GUILESS_MAIN(TestCompare)
#include "tst_compare.moc"
