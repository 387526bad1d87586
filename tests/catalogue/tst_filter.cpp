// The search words and the filter pass: state images, counts, order, selection and focus.

#include "base/ui_hooks.h"
#include "catalogue/catalogue_model.h"
#include "catalogue/search.h"

#include <QtTest>

namespace {

struct Recorder : UiHooks {
    QMap<int, QString> status;
    QList<int> shownRows;
    void setStatusText(int part, const QString& text) override { status[part] = text; }
    void ensureRowVisible(int row) override { shownRows << row; }
};

// Rows: name, title, subtitle, comments, isBad.
struct RowSpec {
    const char* name;
    const char* title;
    const char* subtitle;
    const char* comments;
    int bad;
};

const RowSpec rows[] = {
    {"a.zuf", "Blue Moon", "Rodgers", "", 0}, {"b.zuf", "Autumn Leaves", "Kosma", "a MOON song", 0},
    {"c.zuf", "Take Five", "Desmond", "", 1}, {"d.zuf", "Moonlight", "", "", 0},
    {"e.zuf", "Blue", "Monk", "", 0}, // "bluemonk": "eMo" spans title and subtitle
};

void FillList(CatalogueModel& list) {
    for (const RowSpec& row : rows) {
        Entry e;
        e.name = QString::fromUtf8(row.name);
        e.title = QString::fromUtf8(row.title);
        e.subtitle = QString::fromUtf8(row.subtitle);
        e.comments = QString::fromUtf8(row.comments);
        e.isBad = quint8(row.bad);
        list.insertEntry(list.rowCount(), e, row.bad ? StateBad : StateNormal);
    }
}

QString Names(const CatalogueModel& list) {
    QStringList names;
    for (int row = 0; row < list.rowCount(); ++row)
        names << list.entryAt(row)->name.left(1);
    return names.join(QString());
}

QString Images(const CatalogueModel& list) {
    QString images;
    for (int row = 0; row < list.rowCount(); ++row)
        images += QString::number(int(list.stateImage(row)));
    return images;
}

} // namespace

class TestFilter : public QObject {
    Q_OBJECT
    Recorder recorder;
    std::unique_ptr<CatalogueModel> m_list; // a fresh list for each test
    CatalogueModel& list() { return *m_list; }

private slots:
    void init() {
        m_list = std::make_unique<CatalogueModel>();
        recorder = Recorder{};
        FillList(list());
    }

    void takeSearchWords_data() {
        QTest::addColumn<QString>("words");
        QTest::addColumn<int>("flags");
        QTest::addColumn<QString>("taken");
        QTest::newRow("lower-cased") << "Blue MOON" << 0 << "blue moon";
        QTest::newRow("case kept") << "Blue MOON" << 1 << "Blue MOON";
        QTest::newRow("31 characters kept")
            << "abcdefghijklmnopqrstuvwxyz0123456789" << 0 << "abcdefghijklmnopqrstuvwxyz01234";
        // Each character is mapped on its own: the dotted capital I does not grow to two.
        QTest::newRow("length kept when lower-casing")
            << QString(QChar(0x130)) + QStringLiteral("STANBUL") << 0
            << QString(QChar(0x130)) + QStringLiteral("stanbul");
        QTest::newRow("empty") << "" << 0 << "";
    }
    void takeSearchWords() {
        QFETCH(QString, words);
        QFETCH(int, flags);
        TakeSearchWords(list(), words, flags & 1);
        QTEST(list().searchText(), "taken");
        QCOMPARE(list().searchCaseSensitive(), flags == 1);
    }

    void filterPass_data() {
        QTest::addColumn<QString>("words");
        QTest::addColumn<int>("flags");
        QTest::addColumn<int>("sortColumn");
        QTest::addColumn<int>("found");
        QTest::addColumn<QString>("order");  // first letters of the names, in list order
        QTest::addColumn<QString>("images"); // state image numbers in list order
        QTest::newRow("moon, any case") << "moon" << 0 << 1 << 3 << "abdce"
                                        << "11122";
        QTest::newRow("moon, name descending") << "moon" << 0 << -1 << 3 << "dbaec"
                                               << "11122";
        QTest::newRow("Moon, case-sensitive") << "Moon" << 1 << 1 << 2 << "adbce"
                                              << "11222";
        QTest::newRow("spans title and subtitle") << "emo" << 0 << 1 << 1 << "eabcd"
                                                  << "12222";
        QTest::newRow("no match") << "zzz" << 0 << 1 << 0 << "abcde"
                                  << "22222";
    }
    void filterPass() {
        QFETCH(QString, words);
        QFETCH(int, flags);
        QFETCH(int, sortColumn);
        QFETCH(int, found);
        QFETCH(QString, order);
        QFETCH(QString, images);
        list().setSort(SortState{sortColumn});
        list().selectAndFocus(3);
        TakeSearchWords(list(), words, flags & 1);
        ToggleSearchFilter(list(), recorder);

        QVERIFY(list().filterOn());
        QCOMPARE(list().foundCount(), found);
        QCOMPARE(Names(list()), order);
        QCOMPARE(Images(list()), images);
        for (int row = 0; row < list().rowCount(); ++row) {
            QCOMPARE(int(list().entryAt(row)->isMatched), row < found ? 1 : 0);
            // Assistive tools hear what the colour shows.
            QCOMPARE(list().index(row, ColumnName).data(Qt::AccessibleDescriptionRole),
                     row < found ? "Matches the search" : "Does not match the search");
        }
        QCOMPARE(recorder.shownRows, QList<int>{0});
        // Only a matching row 0 is selected and focused; nothing else keeps its selection.
        QCOMPARE(list().selectedCount(), found > 0 ? 1 : 0);
        QCOMPARE(list().isSelected(0), found > 0);
        QCOMPARE(list().selectionModel()->currentIndex().row(), found > 0 ? 0 : -1);
        QCOMPARE(recorder.status.value(3), QStringLiteral("Found: %1 file(s)").arg(found));
    }

    void filterOff() {
        TakeSearchWords(list(), QStringLiteral("moon"), false);
        ToggleSearchFilter(list(), recorder);
        QVERIFY(list().filterOn());
        ToggleSearchFilter(list(), recorder);
        QVERIFY(!list().filterOn());
        QCOMPARE(Names(list()), QStringLiteral("abcde"));
        QCOMPARE(Images(list()), QStringLiteral("33433")); // c is bad
        for (int row = 0; row < list().rowCount(); ++row)
            QCOMPARE(int(list().entryAt(row)->isMatched), 0);
        QCOMPARE(list().selectedCount(), 0);
        QCOMPARE(list().selectionModel()->currentIndex().row(), -1);
        QCOMPARE(recorder.status.value(3), QStringLiteral("Total: 5 file(s)"));
    }

    void emptyWordsNeverTurnTheFilterOn() {
        TakeSearchWords(list(), QString(), false);
        list().selectAndFocus(1);
        ToggleSearchFilter(list(), recorder);
        QVERIFY(!list().filterOn());
        QCOMPARE(Images(list()), QStringLiteral("33433"));
        QCOMPARE(list().selectedCount(), 0); // the pass still clears the selection
        QVERIFY(recorder.shownRows.isEmpty());
    }

    void searchOkWhileOnSearchesAgain() {
        AcceptSearchWords(list(), recorder, QStringLiteral("moon"), false);
        QVERIFY(list().filterOn());
        AcceptSearchWords(list(), recorder, QStringLiteral("FIVE"), false);
        QVERIFY(list().filterOn());
        QCOMPARE(list().searchText(), QStringLiteral("five"));
        QCOMPARE(list().foundCount(), 1);
        QCOMPARE(Names(list()), QStringLiteral("cabde"));
        QCOMPARE(Images(list()), QStringLiteral("12222"));
    }

    void searchOkWithEmptyWordsTurnsTheFilterOff() {
        AcceptSearchWords(list(), recorder, QStringLiteral("moon"), false);
        QVERIFY(list().filterOn());
        AcceptSearchWords(list(), recorder, QString(), false);
        QVERIFY(!list().filterOn());
        QCOMPARE(Names(list()), QStringLiteral("abcde"));
        QCOMPARE(Images(list()), QStringLiteral("33433"));
        QCOMPARE(list().selectedCount(), 0);
        QCOMPARE(recorder.status.value(3), QStringLiteral("Total: 5 file(s)"));
    }

    void theFilterButtonTurnsItOverWithTheSameWords() {
        AcceptSearchWords(list(), recorder, QStringLiteral("moon"), false);
        ToggleSearchFilter(list(), recorder);
        QVERIFY(!list().filterOn());
        ToggleSearchFilter(list(), recorder);
        QVERIFY(list().filterOn());
        QCOMPARE(list().foundCount(), 3);
        QCOMPARE(Images(list()), QStringLiteral("11122"));
    }

    void longTextsAreSearchedWhole() {
        Entry e;
        e.name = QStringLiteral("long.zuf");
        e.title = QString(600, QLatin1Char('t'));
        e.subtitle = QString(600, QLatin1Char('s'));
        e.comments = QString(5000, QLatin1Char('c')) + QStringLiteral("Needle");
        list().insertEntry(list().rowCount(), e, StateNormal);
        TakeSearchWords(list(), QStringLiteral("needle"), false);
        QVERIFY(EntryMatchesSearch(list(), e));
        TakeSearchWords(list(), QStringLiteral("tsss"), false); // across the 600th character
        QVERIFY(EntryMatchesSearch(list(), e));
        TakeSearchWords(list(), QStringLiteral("needles"), false);
        QVERIFY(!EntryMatchesSearch(list(), e));
    }
};

QTEST_GUILESS_MAIN(TestFilter)
#include "tst_filter.moc"
