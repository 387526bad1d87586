// The files that are the same piece: grouped by title and author, or by content read from
// disk, and the rows each "all but one" choice selects.

#include "catalogue/catalogue_model.h"
#include "catalogue/duplicates.h"
#include "catalogue/shown_rows.h"
#include "platform/native_fileops.h"

#include <QTemporaryDir>
#include <deque>
#include <QtTest>

namespace {

// Groups as text: "0 2, 1 3" (indexes within a group by blanks, groups by commas).
QString GroupsText(const std::vector<DuplicateGroup>& groups) {
    QStringList texts;
    for (const DuplicateGroup& group : groups) {
        QStringList indexes;
        for (const int i : group)
            indexes << QString::number(i);
        texts << indexes.join(u' ');
    }
    return texts.join(QStringLiteral(", "));
}

// The records and the candidates over them, row i for entries[i].
struct Files {
    std::deque<Entry> entries;
    std::vector<DuplicateCandidate> candidates;
    Entry& add() {
        Entry& entry = entries.emplace_back();
        candidates.push_back({int(candidates.size()), &entry});
        return entry;
    }
};

// "title|author" per file; a leading '!' marks a bad file.
void AddTitles(Files& files, const QStringList& lines) {
    for (QString line : lines) {
        Entry& entry = files.add();
        entry.isBad = line.startsWith(u'!');
        if (entry.isBad)
            line.remove(0, 1);
        entry.title = line.section(u'|', 0, 0);
        entry.subtitle = line.section(u'|', 1);
    }
}

} // namespace

class TestDuplicates : public QObject {
    Q_OBJECT

private slots:
    void titleAndAuthor_data() {
        QTest::addColumn<QStringList>("files");
        QTest::addColumn<QString>("groups");
        QTest::newRow("case, spaces and punctuation do not count")
            << QStringList{"Blue Moon|Rodgers", "blue-moon!|R.O.D.G.E.R.S", "Blue Moan|Rodgers",
                           "  BLUE\tMOON  |rodgers ", "\u00abBlue\u00a0Moon\u00bb\u2026|Rodgers"}
            << "0 1 3 4";
        QTest::newRow("letters beyond ASCII fold")
            << QStringList{"Élan|Ëa", "ÉLAN|ëA", "Elan|Ëa"} << "0 1";
        QTest::newRow("another author, another piece")
            << QStringList{"Autumn|Kosma", "Autumn|Prevert", "Autumn|"} << "";
        QTest::newRow("empty titles never match")
            << QStringList{"|Me", "|Me", " - |Me", "...|Me"} << "";
        QTest::newRow("bad files never match")
            << QStringList{"!Can't open file|", "!Can't open file|", "Song|", "!Song|"} << "";
        QTest::newRow("title and author stay apart")
            << QStringList{"ab|c", "a|bc", "abc|"} << "";
        QTest::newRow("groups in the order of their first file")
            << QStringList{"B|", "A|", "C|", "A|", "B|", "A|"} << "0 4, 1 3 5";
    }
    void titleAndAuthor() {
        QFETCH(QStringList, files);
        QFETCH(QString, groups);
        Files all;
        AddTitles(all, files);
        QCOMPARE(GroupsText(GroupByTitleAndAuthor(all.candidates)), groups);
    }

    // Real files: the same size is not enough, the bytes must be the same; a file that cannot
    // be read is in no group and is counted.
    void content_data() {
        QTest::addColumn<QByteArrayList>("contents"); // "-" for a file that is not there
        QTest::addColumn<QString>("groups");
        QTest::addColumn<int>("unread");
        const QByteArray big(200000, 'x'); // several reads long
        QByteArray bigOther = big;
        bigOther[150000] = 'y';
        QTest::newRow("same bytes")
            << QByteArrayList{"abc", "abd", "abc", "abcd", "abc"} << "0 2 4" << 0;
        QTest::newRow("same size, one byte apart far in")
            << QByteArrayList{big, bigOther, big} << "0 2" << 0;
        QTest::newRow("empty files are alike") << QByteArrayList{"", "", "x"} << "0 1" << 0;
        QTest::newRow("unreadable file") << QByteArrayList{"abc", "-", "abc"} << "0 2" << 1;
        QTest::newRow("only unreadable files") << QByteArrayList{"-", "-"} << "" << 2;
    }
    void content() {
        QFETCH(QByteArrayList, contents);
        QFETCH(QString, groups);
        QFETCH(int, unread);
        QTemporaryDir dir;
        Files files;
        for (qsizetype i = 0; i < contents.size(); ++i) {
            Entry& file = files.add();
            file.folder = dir.path() + u'/';
            file.name = QStringLiteral("%1.zuf").arg(i);
            const bool missing = contents[i] == "-";
            file.size = missing ? 3 : quint32(contents[i].size());
            if (!missing)
                QCOMPARE(WriteFileThroughUnfinished(file.folder + file.name, contents[i], false),
                         0);
        }
        DuplicateSearch search(DuplicateWay::Content, files.candidates);
        QCOMPARE(GroupsText(search.groups()), groups);
        QCOMPARE(search.unreadCount(), unread);
        QVERIFY(search.finished());
        QCOMPARE(search.done(), search.total());
    }

    // Times and sizes per file of one group; the rows that stay unselected.
    void allButOne_data() {
        QTest::addColumn<QList<qint64>>("times");
        QTest::addColumn<QList<int>>("sizes");
        QTest::addColumn<int>("keep");
        QTest::addColumn<int>("keptRow");
        const QList<qint64> times{200, 300, 100, 300};
        const QList<int> sizes{10, 5, 40, 40};
        QTest::newRow("newest, first of a tie") << times << sizes << int(KeepInGroup::Newest) << 1;
        QTest::newRow("oldest") << times << sizes << int(KeepInGroup::Oldest) << 2;
        QTest::newRow("largest, first of a tie") << times << sizes << int(KeepInGroup::Largest) << 2;
    }
    void allButOne() {
        QFETCH(QList<qint64>, times);
        QFETCH(QList<int>, sizes);
        QFETCH(int, keep);
        QFETCH(int, keptRow);
        // The group's files stand at rows 7, 3, 9, 5 of the list; a second group of two keeps
        // one of its own.
        const int rows[] = {7, 3, 9, 5, 1, 0};
        Files files;
        for (int i = 0; i < 6; ++i) {
            Entry& entry = files.add();
            files.candidates.back().row = rows[i];
            entry.lastWriteTime = i < 4 ? times[i] : 0;
            entry.size = i < 4 ? quint32(sizes[i]) : 0;
        }
        std::vector<int> expected;
        for (int i = 0; i < 4; ++i)
            if (i != keptRow)
                expected.push_back(rows[i]);
        expected.push_back(0); // of the second group, the first file stays
        std::sort(expected.begin(), expected.end());
        QCOMPARE(RowsAllButOne(files.candidates, {{0, 1, 2, 3}, {4, 5}}, KeepInGroup(keep)),
                 expected);
    }

    // The candidates are the rows the list shows, each with its own row number.
    void candidatesFromTheList() {
        CatalogueModel list;
        for (const char* title : {"One", "Two", "one"}) {
            Entry entry;
            entry.title = QString::fromLatin1(title);
            list.insertEntry(list.rowCount(), entry, StateNormal);
        }
        const auto files = DuplicateCandidates(list, ShownRows(list));
        QCOMPARE(int(files.size()), 3);
        QCOMPARE(files[2].row, 2);
        QCOMPARE(GroupsText(GroupByTitleAndAuthor(files)), QStringLiteral("0 2"));
    }
};

QTEST_GUILESS_MAIN(TestDuplicates)
#include "tst_duplicates.moc"
