// The filter box: which rows its words match, which word changes only narrow the rows, the
// rows shown and kept selected, and the worker that matches while the words are typed.

#include "catalogue/catalogue_model.h"
#include "catalogue/filter_run.h"
#include "catalogue/row_filter.h"

#include <QtTest>

namespace {

// A row: name, folder, title, author, comments, size, tuning from position 11 down.
Entry MakeEntry(const QString& name, const QString& folder, const QString& title,
                const QString& author, const QString& comments, quint32 size = 0,
                std::initializer_list<quint8> tuningFromTop = {}) {
    Entry e;
    e.name = name;
    e.folder = folder;
    e.title = title;
    e.subtitle = author;
    e.comments = comments;
    e.size = size;
    int at = 11;
    for (quint8 note : tuningFromTop)
        e.tuning[size_t(at--)] = note;
    return e;
}

constexpr quint8 D = 10, A = 3, G = 5, E = 8, B = 1;

void Fill(CatalogueModel& list) {
    list.appendEntries({
        MakeEntry("bach.zuf", "/lib/lessons/", "Bourrée", "Bach", "", 1234, {D, A, D, G, A, D}),
        MakeEntry("blue.zuf", "/lib/jazz/", "Blue", "Monk", "played in Étude style", 99,
                  {E, B, G, D, A, E}),
        MakeEntry("untitled.zuf", "/lib/", "", "Anon", "bach would not", 5, {E, B, G, D, A, E}),
    });
}

QString ShownNames(const CatalogueModel& list) {
    QStringList names;
    for (int row = 0; row < list.rowCount(); ++row)
        names << list.entryAt(row)->name.section(u'.', 0, 0);
    return names.join(u' ');
}

QString SelectedNames(const CatalogueModel& list) {
    QStringList names;
    for (int row : list.selectedRows())
        names << list.entryAt(row)->name.section(u'.', 0, 0);
    return names.join(u' ');
}

void SelectNamed(CatalogueModel& list, const QStringList& names) {
    for (int row = 0; row < list.rowCount(); ++row)
        if (names.contains(list.entryAt(row)->name.section(u'.', 0, 0)))
            list.selectAndFocus(row);
}

} // namespace

class TestRowFilter : public QObject {
    Q_OBJECT

private slots:
    // Each row: the box's text, the hidden column (-1: none), the names of the rows matched.
    void matches_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("hiddenColumn");
        QTest::addColumn<QString>("matched");
        QTest::newRow("case ignored, any column") << "BACH" << -1 << "bach untitled";
        QTest::newRow("every word needed") << "bach bourrée" << -1 << "bach";
        QTest::newRow("non-ASCII case folded") << "étude" << -1 << "blue";
        QTest::newRow("comments searched") << "would" << -1 << "untitled";
        QTest::newRow("words do not span two texts") << "bluemonk" << -1 << "";
        QTest::newRow("hidden column not searched") << "lessons" << int(ColumnPath) << "";
        QTest::newRow("named field searched though hidden")
            << "path:lessons" << int(ColumnPath) << "bach";
        QTest::newRow("named field only") << "author:bach" << -1 << "bach";
        QTest::newRow("field names ignore case") << "AUTHOR:monk" << -1 << "blue";
        QTest::newRow("quoted tuning") << "tuning:\"d a d g a d\"" << -1 << "bach";
        QTest::newRow("quoted words kept whole") << "\"in étude\"" << -1 << "blue";
        QTest::newRow("size text") << "size:123" << -1 << "bach";
        QTest::newRow("empty title: untitled rows") << "title:" << -1 << "untitled";
        QTest::newRow("empty title and a word") << "title: anon" << -1 << "untitled";
        QTest::newRow("unknown field name searched as typed") << "lib/:" << -1 << "";
        QTest::newRow("blanks only match all") << "   " << -1 << "bach blue untitled";
    }
    void matches() {
        QFETCH(QString, text);
        QFETCH(int, hiddenColumn);
        QFETCH(QString, matched);
        CatalogueModel list;
        Fill(list);
        ColumnTable columns = DefaultColumnTable();
        if (hiddenColumn >= 0)
            columns[size_t(hiddenColumn)].visible = 0;
        const std::vector<FilterWord> words = ParseFilterWords(text);
        QStringList names;
        for (int row = 0; row < list.rowCount(); ++row)
            if (FilterTextMatches(PreparedFilterText(*list.entryAt(row)), words,
                                  SearchedFields(columns)))
                names << list.entryAt(row)->name.section(u'.', 0, 0);
        QCOMPARE(names.join(u' '), matched);
    }

    // Words typed one change after another: the rows shown after the last equal those of a
    // fresh match of the last words, however the words before narrowed or widened them, and
    // after a row changed between two changes.
    void typing_data() {
        QTest::addColumn<QStringList>("texts");
        QTest::addColumn<bool>("editBetween"); // the blue row's title becomes "Bachianas"
        QTest::addColumn<QString>("shown");
        QTest::newRow("a word grows") << QStringList{"b", "ba", "bac"} << false << "bach untitled";
        QTest::newRow("a word shrinks")
            << QStringList{"bach", "bac", "b"} << false << "bach blue untitled";
        QTest::newRow("a word replaced by a longer other")
            << QStringList{"monk", "bach"} << false << "bach untitled";
        QTest::newRow("a field name given")
            << QStringList{"bach", "author:bach"} << false << "bach";
        QTest::newRow("empty title, then a title")
            << QStringList{"title:", "title:b"} << false << "bach blue";
        QTest::newRow("a row changed between")
            << QStringList{"ba", "bac"} << true << "bach blue untitled";
        QTest::newRow("box emptied") << QStringList{"monk", ""} << false << "bach blue untitled";
    }
    void typing() {
        QFETCH(QStringList, texts);
        QFETCH(bool, editBetween);
        QFETCH(QString, shown);
        CatalogueModel list;
        Fill(list);
        FilterBoxRun run(list);
        QSignalSpy shownSpy(&run, &FilterBoxRun::shown);
        const unsigned fields = SearchedFields(DefaultColumnTable());
        for (qsizetype i = 0; i < texts.size(); ++i) {
            if (editBetween && i == texts.size() - 1) {
                const CatalogueModel::AllRowsShown all(list); // the blue row may be hidden
                list.editEntry(1)->title = QStringLiteral("Bachianas");
            }
            const qsizetype before = shownSpy.count();
            run.setText(texts[i], fields);
            QVERIFY(shownSpy.count() > before || shownSpy.wait(5000));
        }
        QTRY_VERIFY(!run.busy());
        QCOMPARE(ShownNames(list), shown);
    }

    // Hiding rows keeps the selection of the rows shown and, for later, of the rows hidden;
    // Select All takes the rows shown only; showing every row again brings back all.
    void selectionAcrossHiding_data() {
        QTest::addColumn<QStringList>("before");  // selected before the rows are hidden
        QTest::addColumn<bool>("selectAll");      // Select All while hidden
        QTest::addColumn<QString>("whileHidden"); // selected while "blue" is hidden
        QTest::addColumn<QString>("after");       // selected when every row shows again
        QTest::newRow("hidden row keeps its selection")
            << QStringList{"bach", "blue"} << false << "bach"
            << "bach blue";
        QTest::newRow("select all takes the shown rows") << QStringList{} << true << "bach untitled"
                                                         << "bach untitled";
    }
    void selectionAcrossHiding() {
        QFETCH(QStringList, before);
        QFETCH(bool, selectAll);
        QFETCH(QString, whileHidden);
        QFETCH(QString, after);
        CatalogueModel list;
        Fill(list);
        SelectNamed(list, before);
        list.showRows({1, 0, 1});
        QCOMPARE(ShownNames(list), QStringLiteral("bach untitled"));
        QCOMPARE(list.allRowCount(), 3);
        if (selectAll)
            list.selectionModel()->select(
                QItemSelection(list.index(0, 0), list.index(list.rowCount() - 1, ColumnCount - 1)),
                QItemSelectionModel::Select);
        QCOMPARE(SelectedNames(list), whileHidden);
        QCOMPARE(list.selectedCount(), int(whileHidden.split(u' ').size()));
        list.showAllRows();
        QCOMPARE(SelectedNames(list), after);
    }

    // Rows removed and added while some are hidden: the hidden ones stay, in their places.
    void rowChangesWhileHidden() {
        CatalogueModel list;
        Fill(list);
        list.showRows({1, 0, 1});
        list.removeEntryRows({1}); // "untitled", as shown
        list.appendEntries({MakeEntry("new.zuf", "/lib/", "", "", "")});
        QCOMPARE(ShownNames(list), QStringLiteral("bach new"));
        list.showAllRows();
        QCOMPARE(ShownNames(list), QStringLiteral("bach blue new"));
    }
};

QTEST_GUILESS_MAIN(TestRowFilter)
#include "tst_row_filter.moc"
