// What the information panel paints: the composed strings of a good and of a bad file, and how
// many module lines and whether the notes fit.

#include "format/file_summary.h"
#include "info/panel_content.h"

#include <QtTest>

class TestPanelContent : public QObject {
    Q_OBJECT
private:
    static FileSummary GoodSummary() {
        FileSummary s;
        s.currentEntry.name = QStringLiteral("song.zuf");
        s.currentEntry.folder = QStringLiteral("/music/");
        s.title = QStringLiteral("Greensleeves");
        s.subtitle = QStringLiteral("Traditional");
        s.comments = QStringLiteral("first line\r\nsecond\tline");
        s.notes = QStringLiteral("Capo 2\r\nslowly");
        s.versionWord = 0x0301;
        s.versionExtra = 0x0A;
        s.measures = 48;
        s.timeSignature = 0x0608;
        s.keySignature = -2;
        s.lastModule = 19;
        for (int i = 0; i < 16; ++i)
            s.moduleNames[size_t(i)] = QStringLiteral("Part %1").arg(i + 1);
        return s;
    }

private slots:
    void goodFile() {
        const PanelContent c = ComposePanel(GoodSummary());
        QCOMPARE(c.name, QStringLiteral("song.zuf"));
        QCOMPARE(c.folder, QStringLiteral("/music/"));
        QCOMPARE(c.title, QStringLiteral("Greensleeves"));
        QCOMPARE(c.comments, QStringLiteral("first line\nsecond\tline"));
        QVERIFY(c.showSummary);
        QCOMPARE(c.labels, QStringLiteral("Format\nMeasures\nTime Signature\nKey Signature"));
        QCOMPARE(c.values, QStringLiteral("3.1 a\n48\n6/8\nBb M"));
        QCOMPARE(int(c.modules.size()), 16); // 20 modules: only the first 16
        QCOMPARE(c.modules.front().label, QStringLiteral("Module 1"));
        QCOMPARE(c.modules.back().label, QStringLiteral("Module 16"));
        QCOMPARE(c.modules.back().name, QStringLiteral("Part 16"));
        QCOMPARE(c.notes, QStringLiteral("Capo 2\nslowly"));
    }

    void longModuleNameAndEmptyName() {
        FileSummary s = GoodSummary();
        s.lastModule = 1;
        s.moduleNames[0] = QString(31, QLatin1Char('m'));
        s.moduleNames[1] = QString();
        const PanelContent c = ComposePanel(s);
        QCOMPARE(int(c.modules.size()), 2);
        QCOMPARE(c.modules[0].name.size(), 31);
        QCOMPARE(c.modules[1].label, QStringLiteral("Module 2")); // label even without a name
        QVERIFY(c.modules[1].name.isEmpty());
    }

    void badFileShowsTextsOnly() {
        FileSummary s = GoodSummary();
        s.currentEntry.isBad = 1;
        s.title = QStringLiteral("Bad ZUF File");
        const PanelContent c = ComposePanel(s);
        QCOMPARE(c.name, QStringLiteral("song.zuf"));
        QCOMPARE(c.title, QStringLiteral("Bad ZUF File"));
        QVERIFY(!c.showSummary);
        QVERIFY(c.labels.isEmpty());
        QVERIFY(c.values.isEmpty());
        QVERIFY(c.modules.empty());
        QVERIFY(c.notes.isEmpty());
    }

    void modulesThatFit_data() {
        QTest::addColumn<int>("top");
        QTest::addColumn<int>("bottom");
        QTest::addColumn<int>("lineHeight");
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("drawn");
        QTest::newRow("room for all") << 0 << 1000 << 16 << 3 << 3;
        QTest::newRow("short panel") << 0 << 100 << 16 << 20 << 6; // tops 0..80 <= 84
        QTest::newRow("last top exactly at the limit") << 4 << 100 << 16 << 20 << 6;
        QTest::newRow("one past the limit") << 5 << 100 << 16 << 20 << 5;
        QTest::newRow("no room") << 90 << 100 << 16 << 5 << 0;
        QTest::newRow("no modules") << 0 << 1000 << 16 << 0 << 0;
    }
    void modulesThatFit() {
        QFETCH(int, top);
        QFETCH(int, bottom);
        QFETCH(int, lineHeight);
        QFETCH(int, count);
        QFETCH(int, drawn);
        QCOMPARE(ModuleLinesThatFit(top, bottom, lineHeight, count), drawn);
    }

    void notesFit_data() {
        QTest::addColumn<int>("top");
        QTest::addColumn<bool>("fits");
        QTest::newRow("more than 16 left") << 83 << true;
        QTest::newRow("exactly 16 left") << 84 << false;
        QTest::newRow("below") << 120 << false;
    }
    void notesFit() {
        QFETCH(int, top);
        QFETCH(bool, fits);
        QCOMPARE(NotesFit(top, 100), fits);
    }
};

QTEST_GUILESS_MAIN(TestPanelContent)
#include "tst_panel_content.moc"
