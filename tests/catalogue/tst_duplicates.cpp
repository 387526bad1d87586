// The files that are the same piece: grouped by title and author, or by content read from
// disk, and the rows each "all but one" choice selects.

#include "catalogue/catalogue_model.h"
#include "catalogue/duplicates.h"
#include "catalogue/shown_rows.h"
#include "platform/native_fileops.h"

#include <QTemporaryDir>
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

// "title|author" per file; a leading '!' marks a bad file.
std::vector<DuplicateCandidate> Candidates(const QStringList& specs) {
    std::vector<DuplicateCandidate> files;
    for (QString spec : specs) {
        DuplicateCandidate file;
        file.row = int(files.size());
        file.isBad = spec.startsWith(u'!');
        if (file.isBad)
            spec.remove(0, 1);
        file.title = spec.section(u'|', 0, 0);
        file.subtitle = spec.section(u'|', 1);
        files.push_back(file);
    }
    return files;
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
                           "  BLUE\tMOON  |rodgers "}
            << "0 1 3";
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
        QCOMPARE(GroupsText(GroupByTitleAndAuthor(Candidates(files))), groups);
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
        std::vector<DuplicateCandidate> files;
        for (qsizetype i = 0; i < contents.size(); ++i) {
            DuplicateCandidate file;
            file.row = int(i);
            file.folder = dir.path() + u'/';
            file.name = QStringLiteral("%1.zuf").arg(i);
            const bool missing = contents[i] == "-";
            file.size = missing ? 3 : quint32(contents[i].size());
            if (!missing)
                QCOMPARE(WriteFileThroughUnfinished(file.folder + file.name, contents[i], false),
                         0);
            files.push_back(file);
        }
        DuplicateSearch search(DuplicateWay::Content, files);
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
        const int rows[] = {7, 3, 9, 5};
        std::vector<DuplicateCandidate> files;
        for (int i = 0; i < 4; ++i)
            files.push_back({rows[i], {}, {}, {}, {}, times[i], quint32(sizes[i]), false});
        files.push_back({1, {}, {}, {}, {}, 0, 0, false});
        files.push_back({0, {}, {}, {}, {}, 0, 0, false});
        std::vector<int> expected;
        for (int i = 0; i < 4; ++i)
            if (i != keptRow)
                expected.push_back(rows[i]);
        expected.push_back(0); // of the second group, the first file stays
        std::sort(expected.begin(), expected.end());
        QCOMPARE(RowsAllButOne(files, {{0, 1, 2, 3}, {4, 5}}, KeepInGroup(keep)), expected);
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
