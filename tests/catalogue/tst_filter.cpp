// The search words and the filter pass: state images, counts, order, selection and focus.

#include "app/app_state.h"
#include "base/ui_hooks.h"
#include "catalogue/catalogue_model.h"
#include "catalogue/sort_search.h"
#include "settings/settings_store.h"

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

void FillList() {
    for (const RowSpec& row : rows) {
        Entry e;
        e.name = QString::fromUtf8(row.name);
        e.title = QString::fromUtf8(row.title);
        e.subtitle = QString::fromUtf8(row.subtitle);
        e.comments = QString::fromUtf8(row.comments);
        e.isBad = quint8(row.bad);
        catalogue().insertEntry(catalogue().rowCount(), e, row.bad ? StateBad : StateNormal);
    }
}

QString Names() {
    QStringList names;
    for (int row = 0; row < catalogue().rowCount(); ++row)
        names << catalogue().entryAt(row)->name.left(1);
    return names.join(QString());
}

QString Images() {
    QString images;
    for (int row = 0; row < catalogue().rowCount(); ++row)
        images += QString::number(int(catalogue().stateImage(row)));
    return images;
}

} // namespace

class TestFilter : public QObject {
    Q_OBJECT
    Recorder recorder;

private slots:
    void init() {
        ResetAppState();
        catalogue().setSort(DefaultSortState);
        ResetSettings();
        recorder = Recorder{};
        SetUiHooks(&recorder);
        FillList();
    }
    void cleanup() { SetUiHooks(nullptr); }

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
        TakeSearchWords(words, flags);
        QTEST(catalogue().searchText(), "taken");
        QCOMPARE(int(settings().searchFlags), flags);
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
        catalogue().setSort(SortState{sortColumn});
        catalogue().selectAndFocus(3);
        TakeSearchWords(words, flags);
        ToggleSearchFilter();

        QVERIFY(catalogue().filterOn());
        QCOMPARE(catalogue().foundCount(), found);
        QCOMPARE(Names(), order);
        QCOMPARE(Images(), images);
        for (int row = 0; row < catalogue().rowCount(); ++row) {
            QCOMPARE(int(catalogue().entryAt(row)->isMatched), row < found ? 1 : 0);
            // Assistive tools hear what the colour shows.
            QCOMPARE(catalogue().index(row, ColumnName).data(Qt::AccessibleDescriptionRole),
                     row < found ? "Matches the search" : "Does not match the search");
        }
        QCOMPARE(recorder.shownRows, QList<int>{0});
        // Only a matching row 0 is selected and focused; nothing else keeps its selection.
        QCOMPARE(catalogue().selectedCount(), found > 0 ? 1 : 0);
        QCOMPARE(catalogue().isSelected(0), found > 0);
        QCOMPARE(catalogue().selectionModel()->currentIndex().row(), found > 0 ? 0 : -1);
        QCOMPARE(recorder.status.value(3), QStringLiteral("Found: %1 file(s)").arg(found));
    }

    void filterOff() {
        TakeSearchWords(QStringLiteral("moon"), 0);
        ToggleSearchFilter();
        QVERIFY(catalogue().filterOn());
        ToggleSearchFilter();
        QVERIFY(!catalogue().filterOn());
        QCOMPARE(Names(), QStringLiteral("abcde"));
        QCOMPARE(Images(), QStringLiteral("33433")); // c is bad
        for (int row = 0; row < catalogue().rowCount(); ++row)
            QCOMPARE(int(catalogue().entryAt(row)->isMatched), 0);
        QCOMPARE(catalogue().selectedCount(), 0);
        QCOMPARE(catalogue().selectionModel()->currentIndex().row(), -1);
        QCOMPARE(recorder.status.value(3), QStringLiteral("Total: 5 file(s)"));
    }

    void emptyWordsNeverTurnTheFilterOn() {
        TakeSearchWords(QString(), 0);
        catalogue().selectAndFocus(1);
        ToggleSearchFilter();
        QVERIFY(!catalogue().filterOn());
        QCOMPARE(Images(), QStringLiteral("33433"));
        QCOMPARE(catalogue().selectedCount(), 0); // the pass still clears the selection
        QVERIFY(recorder.shownRows.isEmpty());
    }

    void searchOkWhileOnSearchesAgain() {
        AcceptSearchWords(QStringLiteral("moon"), 0);
        QVERIFY(catalogue().filterOn());
        AcceptSearchWords(QStringLiteral("FIVE"), 0);
        QVERIFY(catalogue().filterOn());
        QCOMPARE(catalogue().searchText(), QStringLiteral("five"));
        QCOMPARE(catalogue().foundCount(), 1);
        QCOMPARE(Names(), QStringLiteral("cabde"));
        QCOMPARE(Images(), QStringLiteral("12222"));
    }

    void searchOkWithEmptyWordsTurnsTheFilterOff() {
        AcceptSearchWords(QStringLiteral("moon"), 0);
        QVERIFY(catalogue().filterOn());
        AcceptSearchWords(QString(), 0);
        QVERIFY(!catalogue().filterOn());
        QCOMPARE(Names(), QStringLiteral("abcde"));
        QCOMPARE(Images(), QStringLiteral("33433"));
        QCOMPARE(catalogue().selectedCount(), 0);
        QCOMPARE(recorder.status.value(3), QStringLiteral("Total: 5 file(s)"));
    }

    void theFilterButtonTurnsItOverWithTheSameWords() {
        AcceptSearchWords(QStringLiteral("moon"), 0);
        ToggleSearchFilter();
        QVERIFY(!catalogue().filterOn());
        ToggleSearchFilter();
        QVERIFY(catalogue().filterOn());
        QCOMPARE(catalogue().foundCount(), 3);
        QCOMPARE(Images(), QStringLiteral("11122"));
    }

    void longTextsAreSearchedWhole() {
        Entry e;
        e.name = QStringLiteral("long.zuf");
        e.title = QString(600, QLatin1Char('t'));
        e.subtitle = QString(600, QLatin1Char('s'));
        e.comments = QString(5000, QLatin1Char('c')) + QStringLiteral("Needle");
        catalogue().insertEntry(catalogue().rowCount(), e, StateNormal);
        TakeSearchWords(QStringLiteral("needle"), 0);
        QVERIFY(EntryMatchesSearch(e));
        TakeSearchWords(QStringLiteral("tsss"), 0); // across the 600th character
        QVERIFY(EntryMatchesSearch(e));
        TakeSearchWords(QStringLiteral("needles"), 0);
        QVERIFY(!EntryMatchesSearch(e));
    }
};

QTEST_GUILESS_MAIN(TestFilter)
#include "tst_filter.moc"
