// The case tools on a selection, the quote tool, and the packing of the three texts into the
// 200 bytes of the information block.

#include "fileops/info_edit.h"
#include "info/text_case.h"

#include <QtTest>

class TestTextCase : public QObject {
    Q_OBJECT

private slots:
    void applyCase_data() {
        QTest::addColumn<int>("tool");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("start");
        QTest::addColumn<int>("end");
        QTest::addColumn<QString>("result");
        const QString song = QStringLiteral("it's a 3rd-rate SONG");
        QTest::newRow("Abc: apostrophe, digit and hyphen start words")
            << int(CaseWords) << song << 0 << int(song.size()) << "It'S A 3Rd-Rate Song";
        QTest::newRow("Abc: underscore starts no word, apostrophe does")
            << int(CaseWords) << "mcdonald_o'neil" << 0 << 15 << "Mcdonald_o'Neil";
        QTest::newRow("Abc: bracket and letters start no word")
            << int(CaseWords) << "a[b@c d" << 0 << 7 << "A[b@c D";
        QTest::newRow("Abc: beyond ASCII starts no word")
            << int(CaseWords) << QStringLiteral("\u00e9t\u00e9 \u00e9cole\u00e9t\u00e9") << 0 << 13
            << QStringLiteral("\u00c9t\u00e9 \u00c9cole\u00e9t\u00e9");
        QTest::newRow("Abc: first of the selection")
            << int(CaseWords) << "one TWO three" << 4 << 7 << "one Two three";
        QTest::newRow("ABC: middle word")
            << int(CaseUpper) << "one two three" << 4 << 7 << "one TWO three";
        QTest::newRow("ABC: nothing selected")
            << int(CaseUpper) << "one two" << 3 << 3 << "one two";
        QTest::newRow("abc: whole") << int(CaseLower) << "MiXeD 9" << 0 << 7 << "mixed 9";
        QTest::newRow("ABC: sharp s keeps its length")
            << int(CaseUpper) << QStringLiteral("stra\u00dfe") << 0 << 6
            << QStringLiteral("STRA\u00dfE");
        QTest::newRow("selection beyond the end is clipped")
            << int(CaseUpper) << "ab" << 1 << 99 << "aB";
        QTest::newRow("unknown tool") << 299 << "ab" << 0 << 2 << "ab";
    }
    void applyCase() {
        QFETCH(int, tool);
        QFETCH(QString, text);
        QFETCH(int, start);
        QFETCH(int, end);
        QFETCH(QString, result);
        const QString converted = ApplyCase(tool, text, {start, end});
        QCOMPARE(converted, result);
        QCOMPARE(converted.size(), text.size());
    }

    void surrogatePairsStayWhole() {
        // U+10428 (Deseret small long i) upper-cases to U+10400 within its plane.
        const QString text = QString::fromUcs4(U"\U00010428x");
        QCOMPARE(ApplyCase(CaseUpper, text, {0, 3}), QString::fromUcs4(U"\U00010400X"));
        QCOMPARE(ApplyCase(CaseWords, text, {0, 3}), QString::fromUcs4(U"\U00010400x"));
    }

    void removeQuotes_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("result");
        QTest::newRow("around words") << "\"Blue\" Moon \"live\""
                                      << "Blue Moon live";
        QTest::newRow("none") << "Blue"
                              << "Blue";
        QTest::newRow("only quotes") << "\"\"\""
                                     << "";
        QTest::newRow("single quotes stay") << "it's"
                                            << "it's";
    }
    void removeQuotes() {
        QFETCH(QString, text);
        QFETCH(QString, result);
        QCOMPARE(RemoveQuotes(text), result);
    }

    void packing_data() {
        QTest::addColumn<int>("title");
        QTest::addColumn<int>("subtitle");
        QTest::addColumn<int>("comments");
        QTest::addColumn<int>("keptTitle");
        QTest::addColumn<int>("keptSubtitle");
        QTest::addColumn<int>("keptComments");
        QTest::newRow("everything fits") << 10 << 20 << 30 << 10 << 20 << 30;
        QTest::newRow("title of 197") << 197 << 5 << 5 << 197 << 0 << 0;
        QTest::newRow("title of 199") << 199 << 5 << 5 << 197 << 0 << 0;
        QTest::newRow("title over 199") << 250 << 5 << 5 << 197 << 0 << 0;
        QTest::newRow("100 and 98") << 100 << 98 << 5 << 100 << 97 << 0;
        QTest::newRow("150 and 60") << 150 << 60 << 5 << 150 << 47 << 0;
        QTest::newRow("comments to the last byte") << 50 << 50 << 200 << 50 << 50 << 97;
    }
    void packing() {
        QFETCH(int, title);
        QFETCH(int, subtitle);
        QFETCH(int, comments);
        QFETCH(int, keptTitle);
        QFETCH(int, keptSubtitle);
        QFETCH(int, keptComments);
        const InfoTexts packed =
            PackInfoTexts(QString(title, u't'), QString(subtitle, u's'), QString(comments, u'c'));
        QCOMPARE(packed.title, QString(keptTitle, u't'));
        QCOMPARE(packed.subtitle, QString(keptSubtitle, u's'));
        QCOMPARE(packed.comments, QString(keptComments, u'c'));
    }

    void packingCountsCharactersAsBytes() {
        // A surrogate pair becomes one "?" byte: it counts once and is never split.
        const QString pair = QString::fromUcs4(U"\U0001F3B8");
        const QString title = QString(196, u't') + pair + pair;
        const InfoTexts packed = PackInfoTexts(title, QStringLiteral("s"), QString());
        QCOMPARE(packed.title, QString(196, u't') + pair);
        QCOMPARE(packed.subtitle, QString());
        // The text ends at a NUL, as the block would end it.
        const InfoTexts cut =
            PackInfoTexts(QStringLiteral("ab") + QChar() + QStringLiteral("cd"), u"x", u"y");
        QCOMPARE(cut.title, QStringLiteral("ab"));
        QCOMPARE(cut.subtitle, QStringLiteral("x"));
    }
};

QTEST_GUILESS_MAIN(TestTextCase)
#include "tst_text_case.moc"
