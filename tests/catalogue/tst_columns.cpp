// The cell texts of the seven columns and the row operations over the catalogue model.

#include "catalogue/catalogue_model.h"
#include "catalogue/columns.h"
#include "catalogue/entry_rows.h"
#include "format/file_summary.h"

#include <QDateTime>
#include <QSignalSpy>
#include <QtTest>
#include <ctime>
#include <memory>
#include <numeric>
#include <random>

using Tuning = std::array<quint8, 12>;
Q_DECLARE_METATYPE(Tuning)

class TestColumns : public QObject {
    Q_OBJECT

    FileSummary m_summary;                  // the file a new row is built from
    std::unique_ptr<CatalogueModel> m_list; // a fresh list for each test

private slots:
    void initTestCase() {
        // Far east of UTC, so that 23:30 UTC is already the next day locally.
        qputenv("TZ", "Pacific/Kiritimati");
        tzset();
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    }
    void init() {
        m_list = std::make_unique<CatalogueModel>();
        m_summary = FileSummary{};
    }

    void tuningText_data() {
        QTest::addColumn<Tuning>("tuning");
        QTest::addColumn<QString>("text");
        QTest::newRow("all zero") << Tuning{} << "";
        QTest::newRow("12 is C") << Tuning{12} << "C ";
        QTest::newRow("13 is B") << Tuning{13} << "B ";
        QTest::newRow("last position first") << Tuning{40, 45} << "D# G# "; // index 9 then index 4
        QTest::newRow("zero between is skipped")
            << Tuning{12, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 14} << "A# C ";
        QTest::newRow("high bytes unsigned") << Tuning{255} << "A "; // 255 mod 12 = 3
        QTest::newRow("twelve strings")
            << Tuning{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 24} << "C C# D D# E F F# G G# A A# B ";
    }
    void tuningText() {
        QFETCH(Tuning, tuning);
        QFETCH(QString, text);
        QCOMPARE(FormatTuning(tuning), text);
        Entry entry;
        entry.tuning = tuning;
        QCOMPARE(GetEntryDisplayInfo(entry, ColumnTuning), text);
    }

    void cellTexts_data() {
        QTest::addColumn<int>("column");
        QTest::addColumn<QString>("text");
        QTest::newRow("name keeps case") << int(ColumnName) << "Blue Moon.ZUF";
        QTest::newRow("folder") << int(ColumnPath) << "/music/Jazz/";
        QTest::newRow("UTC calendar date at 23:30") << int(ColumnDate) << "3/14/2021";
        QTest::newRow("size 0") << int(ColumnSize) << "0";
        QTest::newRow("title with its quote") << int(ColumnTitle) << "\"Blue\" Moon";
        QTest::newRow("author is the subtitle") << int(ColumnAuthor) << "R. Rodgers";
        QTest::newRow("tuning") << int(ColumnTuning) << "E ";
    }
    void cellTexts() {
        QFETCH(int, column);
        QFETCH(QString, text);
        Entry entry;
        entry.name = QStringLiteral("Blue Moon.ZUF");
        entry.folder = QStringLiteral("/music/Jazz/");
        entry.lastWriteTime =
            QDateTime(QDate(2021, 3, 14), QTime(23, 30), Qt::UTC).toMSecsSinceEpoch();
        entry.size = 0;
        entry.title = QStringLiteral("\"Blue\" Moon");
        entry.subtitle = QStringLiteral("R. Rodgers");
        entry.comments = QStringLiteral("not a column");
        entry.tuning = Tuning{8};
        QCOMPARE(GetEntryDisplayInfo(entry, column), text);

        // The model shows the same text in the same column.
        m_summary.currentEntry = entry;
        m_summary.title = entry.title;
        m_summary.subtitle = entry.subtitle;
        std::copy(entry.tuning.begin(), entry.tuning.end(), m_summary.tuning.begin());
        QCOMPARE(InsertEntryRow(*m_list, 0, m_summary), 1);
        QCOMPARE(m_list->data(m_list->index(0, column)).toString(), text);
    }

    void largestSizeAndOtherColumns() {
        Entry entry;
        entry.size = 4294967295u;
        QCOMPARE(GetEntryDisplayInfo(entry, ColumnSize), QStringLiteral("4294967295"));
        QVERIFY(GetEntryDisplayInfo(entry, 7).isNull());
        QVERIFY(GetEntryDisplayInfo(entry, -1).isNull());
    }

    void insertTakesTheCurrentFile_data() {
        QTest::addColumn<int>("isBad");
        QTest::addColumn<int>("image");
        QTest::newRow("good file") << 0 << int(StateNormal);
        QTest::newRow("bad file") << 1 << int(StateBad);
    }
    void insertTakesTheCurrentFile() {
        QFETCH(int, isBad);
        QFETCH(int, image);
        FileSummary& summary = m_summary;
        summary.currentEntry.name = QStringLiteral("a.zuf");
        summary.currentEntry.folder = QStringLiteral("/x/");
        summary.currentEntry.size = 77;
        summary.currentEntry.lastWriteTime = 123456789;
        summary.currentEntry.isBad = quint8(isBad);
        summary.currentEntry.isMatched = 1; // never taken over
        summary.title = QStringLiteral("T");
        summary.subtitle = QStringLiteral("S");
        summary.comments = QStringLiteral("C");
        summary.tuning.fill(7); // 16 bytes; the row keeps 12
        QCOMPARE(InsertEntryRow(*m_list, 0, m_summary), 1);
        summary.title = QStringLiteral("changed afterwards");

        const Entry* entry = m_list->entryAt(0);
        QVERIFY(entry);
        QCOMPARE(entry->name, QStringLiteral("a.zuf"));
        QCOMPARE(entry->folder, QStringLiteral("/x/"));
        QCOMPARE(entry->size, 77u);
        QCOMPARE(entry->lastWriteTime, 123456789);
        QCOMPARE(entry->title, QStringLiteral("T"));
        QCOMPARE(entry->subtitle, QStringLiteral("S"));
        QCOMPARE(entry->comments, QStringLiteral("C"));
        QCOMPARE(entry->tuning, Tuning({7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7}));
        QCOMPARE(int(entry->isBad), isBad);
        QCOMPARE(int(entry->isMatched), 0);
        QCOMPARE(int(m_list->stateImage(0)), image);
    }

    // A row's texts share one block: changing, dropping or outliving one of them must never
    // show in another.
    void rowTextsStayApart() {
        m_summary.currentEntry.name = QStringLiteral("name.zuf");
        m_summary.title = QStringLiteral("Title");
        m_summary.subtitle = QString();
        m_summary.comments = QStringLiteral("Comments");
        Entry entry = EntryFromSummary(m_summary);
        QVERIFY(entry.subtitle.isNull()); // an empty text takes no room
        entry.title += QStringLiteral(" and more");
        entry.name.chop(4);
        QCOMPARE(entry.comments, QStringLiteral("Comments"));
        QCOMPARE(entry.comments.utf16()[8], u'\0');

        const QString kept = entry.comments;
        entry.title = entry.comments = QString(); // the name is the block's last holder
        entry.name += QStringLiteral(" grows where the other texts stood");
        QCOMPARE(entry.name, QStringLiteral("name grows where the other texts stood"));
        entry = Entry{};
        QCOMPARE(kept, QStringLiteral("Comments"));
    }

    void insertPositions() {
        m_summary.currentEntry.name = QStringLiteral("first");
        QCOMPARE(InsertEntryRow(*m_list, 0, m_summary), 1);
        m_summary.currentEntry.name = QStringLiteral("second");
        QCOMPARE(InsertEntryRow(*m_list, 1, m_summary), 1);
        QCOMPARE(InsertEntryRow(*m_list, 3, m_summary), 0);  // beyond the end
        QCOMPARE(InsertEntryRow(*m_list, -1, m_summary), 0); // before the start
        QCOMPARE(m_list->rowCount(), 2);
        QCOMPARE(m_list->entryAt(1)->name, QStringLiteral("second"));
    }

    // The rows are kept in chunks of 4,096: rows inserted and removed on either side of a
    // chunk's edge keep the order a plain array would have.
    void rowsAcrossChunks() {
        std::vector<QString> expected;
        std::vector<Entry> rows(8193);
        for (size_t i = 0; i < rows.size(); ++i) {
            rows[i].name = QString::number(i);
            expected.push_back(rows[i].name);
        }
        m_list->appendEntries(std::move(rows));
        const auto insert = [&](int row, const QString& name) {
            Entry entry;
            entry.name = name;
            m_list->insertEntry(row, entry, StateNormal);
            expected.insert(expected.begin() + row, name);
        };
        const auto remove = [&](int row) {
            m_list->removeEntryRow(row);
            expected.erase(expected.begin() + row);
        };
        insert(4095, QStringLiteral("a"));
        insert(0, QStringLiteral("b"));
        remove(4096);
        remove(int(expected.size()) - 1); // the last chunk's only row
        remove(int(expected.size()) - 1); // and one more, from the chunk before
        insert(int(expected.size()), QStringLiteral("c"));
        m_list->removeEntryRows({2, 4094, 4097, 8000});
        for (int row : {8000, 4097, 4094, 2})
            expected.erase(expected.begin() + row);

        QCOMPARE(m_list->rowCount(), int(expected.size()));
        for (size_t row = 0; row < expected.size(); ++row)
            QCOMPARE(m_list->entryAt(int(row))->name, expected[row]);
    }

    // An order put in place a slice at a time ends as the order says, the names' ranks and
    // the focus following their rows; between the slices every row stands in the list once.
    void orderPutInPlaceInSlices() {
        const int count = 20000;
        std::vector<Entry> rows(count);
        for (int i = 0; i < count; ++i)
            rows[size_t(i)].name = QString::number(i);
        m_list->appendEntries(std::move(rows));
        m_list->selectAndFocus(7);
        SortedRows sorted;
        sorted.order.resize(count);
        std::iota(sorted.order.begin(), sorted.order.end(), 0);
        std::shuffle(sorted.order.begin(), sorted.order.end(), std::mt19937(3));
        for (int row = 0; row < count; ++row)
            sorted.nameRanks.push_back(2 * row);
        sorted.collationStamp = 5;
        int pauses = 0;
        while (!m_list->moveRowsToOrder(sorted, 0)) {
            ++pauses;
            QSet<QString> names;
            for (int row = 0; row < count; ++row)
                names.insert(m_list->entryAt(row)->name);
            QCOMPARE(names.size(), count);
            QVERIFY(!names.contains(QString())); // no row left moved away
        }
        QVERIFY(pauses > 0);
        for (int place = 0; place < count; ++place) {
            QCOMPARE(m_list->entryAt(place)->name, QString::number(sorted.order[size_t(place)]));
            QCOMPARE(m_list->nameRank(place), 2 * sorted.order[size_t(place)]);
        }
        QCOMPARE(m_list->nameRanksStamp(), 5);
        const int focus = m_list->selectionModel()->currentIndex().row();
        QCOMPARE(m_list->entryAt(focus)->name, QStringLiteral("7"));
    }

    void loadEntryAsCurrent() {
        m_summary.currentEntry.name = QStringLiteral("song.tab");
        m_summary.currentEntry.folder = QStringLiteral("/deep/folder/");
        m_summary.title = QStringLiteral("Song");
        QCOMPARE(InsertEntryRow(*m_list, 0, m_summary), 1);

        FileSummary current;
        LoadEntryAsCurrent(*m_list, 0, current);
        QCOMPARE(current.currentPath, QStringLiteral("/deep/folder/song.tab"));
        QCOMPARE(current.currentEntry.title, QStringLiteral("Song"));

        LoadEntryAsCurrent(*m_list, 1,
                           current); // no such row: the path is emptied, nothing else happens
        QVERIFY(current.currentPath.isEmpty());
        QCOMPARE(current.currentEntry.title, QStringLiteral("Song"));
    }

    void replaceEntryText_data() {
        QTest::addColumn<int>("field");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("subtitle");
        QTest::addColumn<QString>("comments");
        QTest::newRow("name") << 0 << "new"
                              << "f/"
                              << "t"
                              << "s"
                              << "c";
        QTest::newRow("folder") << 1 << "n"
                                << "new"
                                << "t"
                                << "s"
                                << "c";
        QTest::newRow("date: nothing") << 2 << "n"
                                       << "f/"
                                       << "t"
                                       << "s"
                                       << "c";
        QTest::newRow("size: nothing") << 3 << "n"
                                       << "f/"
                                       << "t"
                                       << "s"
                                       << "c";
        QTest::newRow("title") << 4 << "n"
                               << "f/"
                               << "new"
                               << "s"
                               << "c";
        QTest::newRow("subtitle") << 5 << "n"
                                  << "f/"
                                  << "t"
                                  << "new"
                                  << "c";
        QTest::newRow("tuning: nothing") << 6 << "n"
                                         << "f/"
                                         << "t"
                                         << "s"
                                         << "c";
        QTest::newRow("comments") << 7 << "n"
                                  << "f/"
                                  << "t"
                                  << "s"
                                  << "new";
        QTest::newRow("beyond: nothing") << 8 << "n"
                                         << "f/"
                                         << "t"
                                         << "s"
                                         << "c";
    }
    void replaceEntryText() {
        QFETCH(int, field);
        FileSummary& summary = m_summary;
        summary.currentEntry.name = QStringLiteral("n");
        summary.currentEntry.folder = QStringLiteral("f/");
        summary.title = QStringLiteral("t");
        summary.subtitle = QStringLiteral("s");
        summary.comments = QStringLiteral("c");
        QCOMPARE(InsertEntryRow(*m_list, 0, m_summary), 1);
        QSignalSpy redraws(m_list.get(), &QAbstractItemModel::dataChanged);

        ReplaceEntryText(*m_list, 0, field, QStringLiteral("new"));
        const Entry* entry = m_list->entryAt(0);
        QTEST(entry->name, "name");
        QTEST(entry->folder, "folder");
        QTEST(entry->title, "title");
        QTEST(entry->subtitle, "subtitle");
        QTEST(entry->comments, "comments");
        QCOMPARE(redraws.size(), 1); // redrawn in every case

        ReplaceEntryText(*m_list, 5, field,
                         QStringLiteral("x")); // no such row: no effect, no redraw
        QCOMPARE(redraws.size(), 1);
    }

    void freeEntryRow() {
        m_summary.currentEntry.name = QStringLiteral("n.zuf");
        m_summary.title = QStringLiteral("title");
        QCOMPARE(InsertEntryRow(*m_list, 0, m_summary), 1);
        QCOMPARE(FreeEntryRow(*m_list, 1), 0);
        QCOMPARE(FreeEntryRow(*m_list, 0), 1);
        QVERIFY(m_list->entryAt(0)->name.isEmpty());
        QVERIFY(m_list->entryAt(0)->title.isEmpty());
        QCOMPARE(m_list->rowCount(), 1); // the caller removes the row
    }
};

QTEST_GUILESS_MAIN(TestColumns)
#include "tst_columns.moc"
