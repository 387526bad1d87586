// Information from file names: reading a pattern, and what each name gives its fields.

#include "fileops/info_from_names.h"

#include <QtTest>

class TestInfoFromNames : public QObject {
    Q_OBJECT

private slots:
    void parse_data() {
        QTest::addColumn<QString>("pattern");
        QTest::addColumn<int>("errorPos"); // -1: the pattern is read
        QTest::newRow("author and title") << "%author% - %title%" << -1;
        QTest::newRow("fields in any case, skip twice") << "%SKIP%.%Title%.%skip%" << -1;
        QTest::newRow("%% is a percent sign") << "%title% 100%% %comments%" << -1;
        QTest::newRow("empty") << "" << 0;
        QTest::newRow("only skip") << "%skip% - x" << 0;
        QTest::newRow("unknown field") << "%author% - %titel%" << 11;
        QTest::newRow("no % to end the field") << "%title% - %author" << 10;
        QTest::newRow("two fields side by side") << "%author%%title%" << 8;
        QTest::newRow("author and subtitle are one field") << "%author% - %subtitle%" << 11;
    }
    void parse() {
        QFETCH(QString, pattern);
        QFETCH(int, errorPos);
        QString error;
        int pos = -2;
        const NamePattern read = ParseNamePattern(pattern, &error, &pos);
        QCOMPARE(read.valid, errorPos < 0);
        QCOMPARE(pos, errorPos);
        QCOMPARE(error.isEmpty(), errorPos < 0);
    }

    void match_data() {
        QTest::addColumn<QString>("pattern");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QStringList>("texts"); // title, author, comments; "-" for no text;
                                                // empty: the name does not match
        QTest::newRow("author and title") << "%author% - %title%"
                                          << "Bach - Air.zuf" << QStringList{"Air", "Bach", "-"};
        QTest::newRow("the first field as short as it can be, the last takes the rest")
            << "%author% - %title%"
            << "Bach - Air - Live.zuf" << QStringList{"Air - Live", "Bach", "-"};
        QTest::newRow("the last field runs to the text that ends the name")
            << "%title% (%author%)"
            << "Air (live) (Bach).tab" << QStringList{"Air", "live) (Bach", "-"};
        QTest::newRow("the texts between do not overlap") << "%title%ab%author%ba"
                                                          << "xaba.zuf" << QStringList{};
        QTest::newRow("skipped parts and comments")
            << "%skip% - %author% - %title% [%comments%]"
            << "07 - Bach - Air [live].zuf" << QStringList{"Air", "Bach", "live"};
        QTest::newRow("texts without their spaces, an empty one too")
            << "%author%-%title%"
            << " -  Air .zuf" << QStringList{"Air", "", "-"};
        QTest::newRow("the extension is not matched") << "%title%.zuf"
                                                      << "Air.zuf" << QStringList{};
        QTest::newRow("a name without a dot before zuf")
            << "%title%"
            << "Airzuf" << QStringList{"Air", "-", "-"};
        QTest::newRow("the text between must be there") << "%author% - %title%"
                                                        << "Bach Air.zuf" << QStringList{};
        QTest::newRow("case and all") << "%author% By %title%"
                                      << "Bach by Air.zuf" << QStringList{};
        QTest::newRow("the text before the first field") << "No. %title%"
                                                         << "no. 5.zuf" << QStringList{};
    }
    void match() {
        QFETCH(QString, pattern);
        QFETCH(QString, name);
        QFETCH(QStringList, texts);
        const std::optional<NameTexts> got = MatchName(ParseNamePattern(pattern), name);
        QCOMPARE(got.has_value(), !texts.isEmpty());
        if (!got)
            return;
        QStringList shown;
        for (const std::optional<QString>& text : *got)
            shown << text.value_or(QStringLiteral("-"));
        QCOMPARE(shown, texts);
        const InfoEdit edit = NameTextsEdit(*got);
        for (int field = 0; field < InfoFieldCount; ++field)
            QCOMPARE(edit[size_t(field)].kind == FieldEdit::Kind::Set, texts[field] != u"-");
    }
};

QTEST_GUILESS_MAIN(TestInfoFromNames)
#include "tst_info_from_names.moc"
