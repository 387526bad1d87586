#include "format/text_convert.h"

#include <QtTest>

class TestTextConvert : public QObject {
    Q_OBJECT
private slots:
    void fit_data() {
        QTest::addColumn<QByteArray>("input");
        QTest::addColumn<int>("limit");
        QTest::addColumn<QString>("expected");
        const QByteArray letters250(250, 'a');
        QTest::newRow("250 ASCII, limit 200") << letters250 << 200 << QString(198, u'a');
        QTest::newRow("120 e-acute, limit 200")
            << QByteArray(120, '\xE9') << 200 << QString(99, QChar(0xE9));
        QTest::newRow("30 letters, limit 32") << QByteArray(30, 'x') << 32 << QString(30, u'x');
        QTest::newRow("31 letters, limit 32") << QByteArray(31, 'x') << 32 << QString(30, u'x');
        QTest::newRow("euro counts 3 bytes")
            << QByteArray("abcdefghijklmnopqrstuvwxyz12\x80", 29) << 32
            << QStringLiteral("abcdefghijklmnopqrstuvwxyz12");
        QTest::newRow("euro fits") << QByteArray("\x80") << 32 << QString(QChar(0x20AC));
        QTest::newRow("stops at NUL") << QByteArray("ab\0cd", 5) << 200 << QStringLiteral("ab");
        QTest::newRow("empty") << QByteArray() << 200 << QString();
        QTest::newRow("limit 2 keeps nothing") << QByteArray("abc") << 2 << QString();
        QTest::newRow("limit 0") << QByteArray("abc") << 0 << QString();
        QTest::newRow("negative limit") << QByteArray("abc") << -5 << QString();
        QTest::newRow("limit 3 keeps one") << QByteArray("abc") << 3 << QStringLiteral("a");
        QTest::newRow("99 e-acute fill 198 bytes")
            << QByteArray(99, '\xE9') << 200 << QString(99, QChar(0xE9));
        QTest::newRow("a-acute after 197 letters does not fit")
            << QByteArray(197, 'x') + '\xE1' << 200 << QString(197, u'x');
        QTest::newRow("accents around a euro")
            << QByteArray("\xE9\x80\xE9") << 200 << QString::fromUtf16(u"\u00E9\u20AC\u00E9");
        QTest::newRow("two-byte char not split") << QByteArray("a\xE9") << 4 << QStringLiteral("a");
    }
    void fit() {
        QFETCH(QByteArray, input);
        QFETCH(int, limit);
        QFETCH(QString, expected);
        const QString out = Cp1252ToWideFit(input, limit);
        QCOMPARE(out, expected);
        if (limit >= 2)
            QVERIFY(out.toUtf8().size() + 1 < limit || out.isEmpty());
    }

    void fitIsLinear() {
        // A 64 KiB text cut to 32766 bytes: one pass, no re-measuring per unit.
        const QByteArray input(65536, '\xE9');
        const QString out = Cp1252ToWideFit(input, 32768);
        QCOMPARE(out.size(), 16383);
    }

    void cp1252Table_data() {
        QTest::addColumn<int>("byte");
        QTest::addColumn<int>("unit");
        QTest::newRow("euro") << 0x80 << 0x20AC;
        QTest::newRow("0x81 undefined") << 0x81 << 0x81;
        QTest::newRow("0x8D undefined") << 0x8D << 0x8D;
        QTest::newRow("0x8F undefined") << 0x8F << 0x8F;
        QTest::newRow("0x90 undefined") << 0x90 << 0x90;
        QTest::newRow("0x9D undefined") << 0x9D << 0x9D;
        QTest::newRow("S caron") << 0x8A << 0x0160;
        QTest::newRow("left double quote") << 0x93 << 0x201C;
        QTest::newRow("trade mark") << 0x99 << 0x2122;
        QTest::newRow("Y diaeresis") << 0x9F << 0x0178;
        QTest::newRow("nbsp") << 0xA0 << 0xA0;
        QTest::newRow("y diaeresis") << 0xFF << 0xFF;
        QTest::newRow("ASCII") << 0x41 << 0x41;
    }
    void cp1252Table() {
        QFETCH(int, byte);
        QFETCH(int, unit);
        const QByteArray in(1, char(byte));
        QCOMPARE(Cp1252ToWideFit(in, 200), QString(QChar(char16_t(unit))));
        QCOMPARE(WideToCp1252(QString(QChar(char16_t(unit)))), in);
    }

    void everyByteRoundTrips() {
        QByteArray all;
        for (int b = 1; b < 256; ++b)
            all.append(char(b));
        const QString text = Cp1252ToWideFit(all, 100000);
        QCOMPARE(text.size(), 255);
        QCOMPARE(WideToCp1252(text), all);
    }

    void toCp1252_data() {
        QTest::addColumn<QString>("input");
        QTest::addColumn<QByteArray>("expected");
        QTest::newRow("CJK ideograph") << QStringLiteral("a\u4E2Db") << QByteArray("a?b");
        QTest::newRow("surrogate pair is one char")
            << QString::fromUcs4(U"x\U0001F3B8y") << QByteArray("x?y");
        QTest::newRow("lone surrogate") << QString(QChar(0xD800)) << QByteArray("?");
        QTest::newRow("stops at NUL") << QString::fromUtf16(u"ab\0cd", 5) << QByteArray("ab");
        QTest::newRow("Latin-1 and euro")
            << QStringLiteral("caf\u00E9 \u20AC") << QByteArray("caf\xE9 \x80");
        QTest::newRow("empty") << QString() << QByteArray();
    }
    void toCp1252() {
        QFETCH(QString, input);
        QFETCH(QByteArray, expected);
        const QByteArray out = WideToCp1252(input);
        QCOMPARE(out, expected);
        QCOMPARE(out.size(), expected.size());
    }

    void utf8_data() {
        QTest::addColumn<QByteArray>("input");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<int>("units");
        QByteArray word("Guitar");
        word.append(QByteArray(25, '\0'));
        QTest::newRow("word then 25 NULs") << word << QStringLiteral("Guitar") << 31;
        QTest::newRow("accented") << QByteArray("Jos\xC3\xA9") << QStringLiteral("Jos\u00E9") << 4;
        QTest::newRow("invalid byte") << QByteArray("a\xFF") << QStringLiteral("a\uFFFD") << 2;
        QTest::newRow("truncated sequence")
            << QByteArray("b\xC3") << QStringLiteral("b\uFFFD") << 2;
        QTest::newRow("outside BMP")
            << QByteArray("\xF0\x9F\x8E\xB8") << QString::fromUcs4(U"\U0001F3B8") << 2;
    }
    void utf8() {
        QFETCH(QByteArray, input);
        QFETCH(QString, expected);
        QFETCH(int, units);
        QString out = QStringLiteral("old");
        QCOMPARE(Utf8ToWide(out, input), units);
        QCOMPARE(out, expected);
    }

    void utf8LeavesOutputOnEmptyInput_data() {
        QTest::addColumn<QByteArray>("input");
        QTest::newRow("first byte NUL") << QByteArray("\0abc", 4);
        QTest::newRow("zero count") << QByteArray();
    }
    void utf8LeavesOutputOnEmptyInput() {
        QFETCH(QByteArray, input);
        QString out = QStringLiteral("previous");
        QCOMPARE(Utf8ToWide(out, input), 0);
        QCOMPARE(out, QStringLiteral("previous"));
    }

    void utf8IsCounted() {
        // Only the counted bytes are decoded, whatever follows them.
        const QByteArray buffer("abcdef");
        QString out;
        QCOMPARE(Utf8ToWide(out, QByteArrayView(buffer).first(3)), 3);
        QCOMPARE(out, QStringLiteral("abc"));
    }

    void utf8IntoBoundedText() {
        BoundedText<32> name;
        name = QStringLiteral("kept");
        QCOMPARE(Utf8ToWide(name, QByteArray(40, 'z')), 40);
        QCOMPARE(name.text(), QString(31, u'z'));
        QCOMPARE(Utf8ToWide(name, QByteArray("\0", 1)), 0);
        QCOMPARE(name.text(), QString(31, u'z'));
    }
};

QTEST_GUILESS_MAIN(TestTextConvert)
#include "tst_text_convert.moc"
