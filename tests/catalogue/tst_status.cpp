#include "catalogue/status.h"

#include "base/ui_hooks.h"
#include "catalogue/catalogue_model.h"

#include <QtTest>

class TestStatus : public QObject {
    Q_OBJECT
private slots:
    void selectedText_data() {
        QTest::addColumn<int>("count");
        QTest::addColumn<QString>("text");
        QTest::newRow("none") << 0 << "Selected: 0 file";
        QTest::newRow("one") << 1 << "Selected: 1 file";
        QTest::newRow("five") << 5 << "Selected: 5 files";
    }
    void selectedText() {
        QFETCH(int, count);
        QFETCH(QString, text);
        QCOMPARE(SelectedText(count), text);
    }
    void countText() {
        QCOMPARE(CountText(1, 3, 40), QStringLiteral("Found: 3 file(s)"));
        QCOMPARE(CountText(0, 3, 40), QStringLiteral("Total: 40 file(s)"));
        QCOMPARE(FocusedText(0), QStringLiteral("Focused: 1"));
    }
    void updateStatusIsSilentWhileRebuilding() {
        struct Recorder : UiHooks {
            QStringList texts;
            void setStatusText(int part, const QString& text) override {
                texts << QString::number(part) + text;
            }
        } recorder;
        CatalogueModel list;
        Entry e;
        e.name = QStringLiteral("a.zuf");
        {
            const CatalogueModel::RefillGuard refilling(list);
            list.insertEntry(0, e, StateNormal);
            list.selectAndFocus(0);
            UpdateStatus(list, recorder, 0);
            QVERIFY(recorder.texts.isEmpty());
        }
        UpdateStatus(list, recorder, 0);
        QCOMPARE(recorder.texts,
                 QStringList({"1Focused: 1", "2Selected: 1 file", "3Total: 1 file(s)"}));
    }
};

QTEST_GUILESS_MAIN(TestStatus)
#include "tst_status.moc"
