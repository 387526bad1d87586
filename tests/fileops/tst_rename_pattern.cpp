// Renaming by pattern: what the fields, optional parts and escapes make, the cleaning and
// cutting of names, the extension kept, the case rule, the patterns refused and where, and the
// outcomes that depend on the names taken on disk and in the list.

#include "catalogue/catalogue_model.h"
#include "catalogue/columns.h"
#include "fileops/rename_pattern.h"
#include "platform/folder_path.h"
#include "platform/native_file.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

Q_DECLARE_METATYPE(RenameCase)
Q_DECLARE_METATYPE(RenameOutcome)

namespace {

// 2024-03-05 23:30 UTC.
const qint64 SampleTime = QDateTime(QDate(2024, 3, 5), QTime(23, 30), Qt::UTC).toMSecsSinceEpoch();

// "lib/Old Song.zuf" with texts of its own.
RenameFacts SampleFacts(const QString& folder) {
    RenameFacts facts;
    facts.folder = folder;
    facts.name = QStringLiteral("Old Song.zuf");
    facts.title = QStringLiteral("Blue Moon");
    facts.subtitle = QStringLiteral("Smith");
    facts.tuning = QStringLiteral("E B G D A E ");
    facts.lastWriteTime = SampleTime;
    facts.size = 1234;
    facts.position = 7;
    return facts;
}

QString Repeated(const QString& text, int times) {
    QString out;
    for (int i = 0; i < times; ++i)
        out += text;
    return out;
}

} // namespace

class TestRenamePattern : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    QString m_lib; // the files' folder, also the base folder of patterns with folders

    // Files on disk, written afresh in the emptied folder.
    void writeFiles(const QStringList& names) {
        QDir(m_lib).removeRecursively();
        QVERIFY(QDir().mkpath(m_lib));
        for (const QString& name : names) {
            QFile file(m_lib + name);
            QVERIFY(file.open(QIODevice::WriteOnly));
        }
    }

private slots:
    void initTestCase() {
        QVERIFY(m_dir.isValid());
        m_lib = NormalisedFolder(m_dir.path() + QStringLiteral("/lib"));
        QVERIFY(QDir().mkpath(m_lib));
    }

    // One file through a pattern: its new path below the folder and the outcome.
    void names_data() {
        QTest::addColumn<QString>("pattern");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("author");
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("bad");
        QTest::addColumn<RenameCase>("rule");
        QTest::addColumn<QString>("path");
        QTest::addColumn<RenameOutcome>("outcome");
        const QString o = QStringLiteral("Old Song.zuf");
        const auto row = [&](const char* what, const char* pattern, const QString& title,
                             const QString& author, const QString& name, const QString& path,
                             RenameOutcome outcome, RenameCase rule = RenameCase::AsIs,
                             bool bad = false) {
            QTest::newRow(what) << QString::fromUtf8(pattern) << title << author << name << bad
                                << rule << path << outcome;
        };
        using enum RenameOutcome;
        const QString t = QStringLiteral("Blue Moon");
        const QString a = QStringLiteral("Smith");
        row("author and title", "%author% - %title%", t, a, o, "Smith - Blue Moon.zuf", Rename);
        row("every other field",
            "%subtitle%,%tuning%,%name%,%folder%,%date%,%year%,%size%,%n%,%N:3%", t, a, o,
            "Smith,E B G D A E,Old Song,lib,2024-03-05,2024,1234,7,007.zuf", Rename);
        row("optional part kept", "%title%[ (%author%)]", t, a, o, "Blue Moon (Smith).zuf", Rename);
        row("optional part left out", "%title%[ (%author%)]", t, "", o, "Blue Moon.zuf", Rename);
        row("empty once cleaned", "[%author% - ]%title%", t, "?!", o, "Blue Moon.zuf", Rename);
        row("spaces only count as empty", "[%author% - ]%title%", t, "  ", o, "Blue Moon.zuf",
            Rename);
        row("part without a field kept", "%title%[ live]", t, a, o, "Blue Moon live.zuf", Rename);
        row("escapes", "[[%n%]] 100%% %title%", t, a, o, "[7] 100% Blue Moon.zuf", Rename);
        row("value cleaned", "%title%", "a:b/c\\d*e|f<g>h\"i?j!k;l=m\tn\x7fo", a, o,
            "abcdefghijklmno.zuf", Rename);
        row("own text cleaned", "%title%: *live*", t, a, o, "Blue Moon live.zuf", Rename);
        row("spaces and trailing dots", " %title% . ", " Moon.. ", a, o, "Moon.zuf", Rename);
        row("device name", "%title%", "con", a, o, "con_.zuf", Rename);
        row("device name with an extension", "%title%", "LPT9 .x", a, o, "LPT9_ .x.zuf", Rename);
        row("not a device name", "%title%", "COM0", a, o, "COM0.zuf", Rename);
        row("device folder", "%author%/%title%", t, "Aux", o, "Aux_/Blue Moon.zuf", Move);
        row("250 units", "%title%", QString(300, u'x'), a, o, QString(250, u'x') + ".zuf", Rename);
#ifdef Q_OS_WIN
        row("two-byte characters", "%title%", Repeated("é", 200), a, o, Repeated("é", 200) + ".zuf",
            Rename);
        row("four-byte characters", "%title%", Repeated("😀", 100), a, o,
            Repeated("😀", 100) + ".zuf", Rename);
#else
        // 255 bytes less the extension's 4: 125 characters of two bytes, 62 of four.
        row("two-byte characters", "%title%", Repeated("é", 200), a, o, Repeated("é", 125) + ".zuf",
            Rename);
        row("four-byte characters", "%title%", Repeated("😀", 100), a, o, Repeated("😀", 62) + ".zuf",
            Rename);
#endif
        row("a pair is not split", "%title%/x", QString(249, u'x') + "😀", a, o,
            QString(249, u'x') + "/x.zuf", Move);
        row("extension in its own case", "%title%", t, a, "song.TAB", "Blue Moon.TAB", Rename);
        row("extension without a dot", "%title%", t, a, "songzuf", "Blue Moonzuf", Rename);
        row("name keeps its inner dots", "%name%!", t, a, "a.b.zuf", "a.b.zuf", Unchanged);
        row("upper case, extension kept", "%author%/%title%", t, a, "x.Zuf", "SMITH/BLUE MOON.Zuf",
            Move, RenameCase::Upper);
        row("words", "%title%", "blue MOON-river", a, o, "Blue Moon-River.zuf", Rename,
            RenameCase::Words);
        row("lower", "%title%", t, a, o, "blue moon.zuf", Rename, RenameCase::Lower);
        row("slash in a value makes no folder", "%author%", t, "AC/DC", o, "ACDC.zuf", Rename);
        row("empty folder", "%author%/%title%", t, "", o, "/Blue Moon.zuf", Empty);
        row("empty name", "%author%", t, "", "x.zuf", ".zuf", Empty);
        row("name of dots", "%title%", "..", a, o, ".zuf", Empty);
        row("bad file", "%title%", "Bad ZUF File", a, o, "", Bad, RenameCase::AsIs, true);
        row("bad file without its texts", "%name%[ %title%]", "Bad ZUF File", a, o, o, Unchanged,
            RenameCase::AsIs, true);
    }
    void names() {
        QFETCH(QString, pattern);
        QFETCH(QString, title);
        QFETCH(QString, author);
        QFETCH(QString, name);
        QFETCH(bool, bad);
        QFETCH(RenameCase, rule);
        QFETCH(QString, path);
        QFETCH(RenameOutcome, outcome);
        QString error;
        const RenamePattern parsed = ParseRenamePattern(pattern, &error);
        QVERIFY2(parsed.valid, qPrintable(error));
        RenameFacts facts = SampleFacts(m_lib);
        facts.title = title;
        facts.subtitle = author;
        facts.name = name;
        facts.isBad = bad;
        RenamePlanOptions options;
        options.baseFolder = m_lib;
        options.nameCase = rule;
        const std::vector<PlannedRename> plan = PlanRenames(parsed, options, {facts});
        QCOMPARE(plan.size(), size_t(1));
        QCOMPARE(plan[0].oldPath, m_lib + name);
        QCOMPARE(plan[0].newPath(), m_lib + QString(path).replace(u'/', FolderSeparator()));
        QCOMPARE(plan[0].outcome, outcome);
    }

    void tooLong() {
        RenamePlanOptions options;
        const int depth = int(RenamePathMax / 200) + 1;
        options.baseFolder = m_lib + Repeated(QString(199, u'x') + FolderSeparator(), depth);
        const RenamePattern pattern = ParseRenamePattern(u"a/%title%");
        std::vector<PlannedRename> plan = PlanRenames(pattern, options, {SampleFacts(m_lib)});
        QCOMPARE(plan[0].outcome, RenameOutcome::TooLong);
        options.baseFolder.chop(1000);
        plan = PlanRenames(pattern, options, {SampleFacts(m_lib)});
        QCOMPARE(plan[0].outcome, RenameOutcome::Move);
    }

    void errors_data() {
        QTest::addColumn<QString>("pattern");
        QTest::addColumn<int>("position");
        QTest::newRow("empty") << "" << 0;
        QTest::newRow("field not ended") << "%title%/%author" << 8;
        QTest::newRow("unknown field") << "a %foo% b" << 2;
        QTest::newRow("number too wide") << "%n:10%" << 0;
        QTest::newRow("number of no width") << "x%n:0%" << 1;
        QTest::newRow("bracket not closed") << "a[%title%" << 1;
        QTest::newRow("bracket not opened") << "%title%] " << 7;
        QTest::newRow("nested") << "[a[b] c]" << 2;
        QTest::newRow("escaped brackets are fine, one left open") << "[[x]][" << 5;
    }
    void errors() {
        QFETCH(QString, pattern);
        QFETCH(int, position);
        QString error;
        int errorPos = -2;
        QVERIFY(!ParseRenamePattern(pattern, &error, &errorPos).valid);
        QCOMPARE(errorPos, position);
        QVERIFY(!error.isEmpty());
    }

    void unknownFieldIsNamed() {
        QString error;
        ParseRenamePattern(u"%author% %titel%", &error);
        QVERIFY2(error.contains(QLatin1String("%titel%")), qPrintable(error));
    }

    // Files on disk ("name=title"; those without a title are not in the list), the pattern
    // %title%, and each listed file's new name and outcome word.
    void claims_data() {
        QTest::addColumn<QStringList>("files");
        QTest::addColumn<bool>("number");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("same new name: both marked")
            << QStringList{"a.zuf=Song", "b.zuf=Other", "c.zuf=Song"} << false
            << QStringList{"Song.zuf conflict", "Other.zuf rename", "Song.zuf conflict"};
        QTest::newRow("a name taken counts even when its file moves on")
            << QStringList{"a.zuf=b", "b.zuf=c"} << false
            << QStringList{"b.zuf exists", "c.zuf rename"};
        QTest::newRow("no swaps") << QStringList{"a.zuf=b", "b.zuf=a"} << false
                                  << QStringList{"b.zuf exists", "a.zuf exists"};
        QTest::newRow("a file that keeps its name refuses it to others")
            << QStringList{"x.zuf=Song", "Song.zuf=Song"} << false
            << QStringList{"Song.zuf exists", "Song.zuf unchanged"};
        QTest::newRow("numbers against the disk and the list")
            << QStringList{"Song.zuf", "Song (3).zuf", "a.zuf=Song", "b.zuf=Song", "c.zuf=Song"}
            << true
            << QStringList{"Song (2).zuf rename", "Song (4).zuf rename", "Song (5).zuf rename"};
        QTest::newRow("numbered names stay as they are")
            << QStringList{"x.zuf=Song", "Song.zuf=Song", "Song (2).zuf=Song"} << true
            << QStringList{"Song (3).zuf rename", "Song.zuf unchanged", "Song (2).zuf unchanged"};
        QTest::newRow("a file's own number is free for it")
            << QStringList{"Song.zuf", "Song (2).zuf=Song"} << true
            << QStringList{"Song (2).zuf unchanged"};
        QTest::newRow("a name like a number is not one")
            << QStringList{"Song.zuf", "Song (2).zuf", "x.zuf=Song", "Song (02).zuf=Song"} << true
            << QStringList{"Song (3).zuf rename", "Song (4).zuf rename"};
        QTest::newRow("the earlier file keeps the plain name")
            << QStringList{"b.zuf=T", "a.zuf=T"} << true
            << QStringList{"T.zuf rename", "T (2).zuf rename"};
#ifdef Q_OS_WIN
        QTest::newRow("names differ in case only")
            << QStringList{"song.zuf", "a.zuf=Song", "b.zuf=B"} << false
            << QStringList{"Song.zuf exists", "B.zuf rename"};
#else
        QTest::newRow("names differ in case only")
            << QStringList{"song.zuf", "a.zuf=Song", "b.zuf=B"} << false
            << QStringList{"Song.zuf rename", "B.zuf rename"};
#endif
    }
    void claims() {
        QFETCH(QStringList, files);
        QFETCH(bool, number);
        QFETCH(QStringList, expected);
        std::vector<RenameFacts> listed;
        QStringList names;
        for (const QString& file : files) {
            const QStringList parts = file.split(u'=');
            names << parts[0];
            if (parts.size() < 2)
                continue;
            RenameFacts facts = SampleFacts(m_lib);
            facts.name = parts[0];
            facts.title = parts[1];
            listed.push_back(facts);
        }
        writeFiles(names);
        RenamePlanOptions options;
        options.numberDuplicates = number;
        QStringList got;
        for (const PlannedRename& p :
             PlanRenames(ParseRenamePattern(u"%title%"), options, listed)) {
            QCOMPARE(p.newFolder, m_lib);
            got << p.newName + u' ' + RenameOutcomeWord(p.outcome);
        }
        QCOMPARE(got, expected);
    }

    // The rows' facts as the list shows them, numbered from 1 among the rows asked for.
    void factsOfRows() {
        CatalogueModel list;
        std::vector<Entry> rows(3);
        for (size_t i = 0; i < rows.size(); ++i) {
            rows[i].folder = m_lib;
            rows[i].name = QStringLiteral("s%1.zuf").arg(i);
            rows[i].tuning = {4, 11, 7, 2, 9, 4};
        }
        list.appendEntries(std::move(rows));
        const std::vector<RenameFacts> facts = RenameFactsOfRows(list, {0, 2});
        QCOMPARE(facts.size(), size_t(2));
        QCOMPARE(facts[1].name, QStringLiteral("s2.zuf"));
        QCOMPARE(facts[1].position, 2);
        QCOMPARE(facts[1].tuning, GetEntryDisplayInfo(*list.entryAt(2), ColumnTuning));
    }

    void cancelled() {
        const std::atomic_bool cancel{true};
        QVERIFY(
            PlanRenames(ParseRenamePattern(u"%title%"), {}, {SampleFacts(m_lib)}, &cancel).empty());
    }
};

QTEST_GUILESS_MAIN(TestRenamePattern)
#include "tst_rename_pattern.moc"
