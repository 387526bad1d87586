#include "format/file_summary.h"
#include "info/panel_text.h"

#include <QtTest>

class TestPanelText : public QObject {
    Q_OBJECT
private slots:
    void formatText_data() {
        QTest::addColumn<int>("versionWord");
        QTest::addColumn<int>("versionExtra");
        QTest::addColumn<int>("generation");
        QTest::addColumn<QString>("text");
        QTest::newRow("3.1 a") << 0x0301 << 0x0A << 12 << "3.1 a";
        QTest::newRow("hex minor") << 0x020A << 0 << 3 << "2.a";
        QTest::newRow("extra only with a word") << 0x0105 << 0x1F << 0 << "1.5 1f";
        QTest::newRow("generation 0") << 0 << 0 << 0 << "1.30";
        QTest::newRow("generation 1") << 0 << 0 << 1 << "1.60";
        QTest::newRow("generation 2") << 0 << 0 << 2 << "1.90";
        QTest::newRow("generation 3") << 0 << 0 << 3 << "2.00";
        QTest::newRow("generation 4") << 0 << 0 << 4 << "2.50";
        QTest::newRow("generation 5") << 0 << 0 << 5 << "2.62";
        QTest::newRow("generation 255") << 0 << 7 << 255 << "2.62";
    }
    void formatText() {
        QFETCH(int, versionWord);
        QFETCH(int, versionExtra);
        QFETCH(int, generation);
        QFETCH(QString, text);
        QCOMPARE(FormatText(quint16(versionWord), quint16(versionExtra), quint16(generation)),
                 text);
    }

    void keyText_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("minor");
        QTest::addColumn<QString>("text");
        const char* major[] = {"Cb", "Gb", "Db", "Ab", "Eb", "Bb", "F", "C",
                               "G",  "D",  "A",  "E",  "B",  "F#", "C#"};
        const char* minor[] = {"Ab", "Eb", "Bb", "F",  "C",  "G",  "D", "A",
                               "E",  "B",  "F#", "C#", "G#", "D#", "A#"};
        for (int k = -7; k <= 7; ++k) {
            QTest::addRow("%d major", k) << k << 0 << QString::fromLatin1(major[k + 7]) + " M";
            QTest::addRow("%d minor", k) << k << 1 << QString::fromLatin1(minor[k + 7]) + " m";
        }
        QTest::newRow("8 minor") << 8 << 1 << "8 # m";
        QTest::newRow("-8 minor") << -8 << 1 << "8 b m";
        QTest::newRow("255 major") << 255 << 0 << "255 # M";
        QTest::newRow("-32768") << -32768 << 0 << "32768 b M";
    }
    void keyText() {
        QFETCH(int, key);
        QFETCH(int, minor);
        QFETCH(QString, text);
        QCOMPARE(KeyText(qint16(key), qint16(minor)), text);
    }

    void valuesText() {
        FileSummary s;
        s.generation = 3;
        s.measures = 120;
        s.timeSignature = 0x0608;
        s.keySignature = -2;
        QCOMPARE(PanelValuesText(s), QStringLiteral("2.00\n120\n6/8\nBb M"));
        s.versionWord = 0x0301;
        s.versionExtra = 0x0A;
        s.keySignature = 0;
        s.minorKey = 1;
        QCOMPARE(PanelValuesText(s), QStringLiteral("3.1 a\n120\n6/8\nA m"));
    }

    void modules() {
        QCOMPARE(ModuleLabel(0), QStringLiteral("Module 1"));
        QCOMPARE(ModuleLabel(15), QStringLiteral("Module 16"));
        QCOMPARE(ModuleNameText(QString(40, u'n')), QString(31, u'n'));
        QCOMPARE(ModuleLineCount(0), 1);
        QCOMPARE(ModuleLineCount(19), 16);
        QCOMPARE(ModuleLineCount(65535), 16);
        QCOMPARE(PanelLabelsText.toString(),
                 QStringLiteral("Format\nMeasures\nTime Signature\nKey Signature"));
    }
};

QTEST_GUILESS_MAIN(TestPanelText)
#include "tst_panel_text.moc"
