#include "fileops/folder_history.h"
#include "platform/folder_path.h"
#include "platform/native_file.h"

#include <QDir>
#include <QtTest>

// Records what the history does to the folder box.
struct RecordingBox : FolderBox {
    QStringList items;
    int selection = -1;
    int refills = 0;
    void resetContent() override {
        items.clear();
        ++refills;
    }
    void addString(const QString& text) override { items << text; }
    void setCurrentSelection(int index) override { selection = index; }
};

// A folder in this platform's form: "/a" becomes "/a/" (or "\a\" on Windows).
static QString F(const QString& name) {
    return NormalisedFolder(QDir::toNativeSeparators(QLatin1Char('/') + name));
}

class TestFolderHistory : public QObject {
    Q_OBJECT

    FolderHistory m_history;

    QStringList History() const {
        return QStringList(m_history.entries.begin(), m_history.entries.end());
    }
    bool Add(QString& folder) { return AddToFolderHistory(m_history, folder); }

private slots:
    void init() { m_history = FolderHistory{}; }

    void order_data() {
        QTest::addColumn<QStringList>("added"); // in the order of adding
        QTest::addColumn<QStringList>("history");
        QTest::newRow("new ones go in front")
            << QStringList{"a", "b", "c"} << QStringList{F("c"), F("b"), F("a")};
        QTest::newRow("last one moves to front")
            << QStringList{"c", "b", "a", "c"} << QStringList{F("c"), F("a"), F("b")};
        QTest::newRow("then a new one")
            << QStringList{"c", "b", "a", "c", "d"} << QStringList{F("d"), F("c"), F("a"), F("b")};
        QTest::newRow("front again") << QStringList{"a", "a", "a"} << QStringList{F("a")};
        QTest::newRow("middle moves")
            << QStringList{"a", "b", "c", "d", "b"} << QStringList{F("b"), F("d"), F("c"), F("a")};
        QTest::newRow("separator added") << QStringList{"x", "x/"} << QStringList{F("x")};
    }
    void order() {
        QFETCH(QStringList, added);
        QFETCH(QStringList, history);
        for (const QString& name : added) {
            QString folder = QDir::toNativeSeparators(QLatin1Char('/') + name);
            QVERIFY(Add(folder));
            QCOMPARE(folder, F(name)); // normalised in place
        }
        QCOMPARE(History(), history);
        QCOMPARE(m_history.historyCount(), int(history.size()));
    }

    void caseRule() {
        QString upper = QDir::toNativeSeparators(QStringLiteral("/Music/Folk"));
        QString lower = QDir::toNativeSeparators(QStringLiteral("/music/folk/"));
        QVERIFY(Add(lower));
        QVERIFY(Add(upper));
#ifdef Q_OS_WIN
        // Windows ignores case: one folder, kept in lower case.
        QCOMPARE(upper, lower);
        QCOMPARE(History(), QStringList{lower});
#else
        // Elsewhere case names another folder, and lower-casing would lose it.
        QCOMPARE(upper, QStringLiteral("/Music/Folk/"));
        QCOMPARE(History(), QStringList({upper, lower}));
#endif
    }

    void lengthLimit_data() {
        QTest::addColumn<int>("length"); // characters of the normalised folder
        QTest::addColumn<bool>("kept");
        QTest::newRow("255") << 255 << true;
        QTest::newRow("4,096: no record limits a folder") << 4096 << true;
    }
    void lengthLimit() {
        QFETCH(int, length);
        QFETCH(bool, kept);
        QString front = F(QStringLiteral("front"));
        QVERIFY(Add(front));
        QString folder = F(QString(length - 2, u'x')); // separator before and after
        QCOMPARE(folder.size(), length);
        QCOMPARE(Add(folder), kept);
        QCOMPARE(History(), kept ? QStringList({folder, front}) : QStringList{front});
    }

    void emptyIsRefused() {
        QString empty;
        QVERIFY(!Add(empty));
        QCOMPARE(m_history.historyCount(), 0);
    }

    void undecodableNameKept() {
#ifdef Q_OS_WIN
        QSKIP("file names are UTF-16 on Windows");
#else
        QString folder = DecodeFileName(QByteArray("/m\xe9lodies"));
        QString same = DecodeFileName(QByteArray("/m\xe9lodies/"));
        QVERIFY(Add(folder));
        QVERIFY(Add(same));
        QCOMPARE(History(), QStringList{same});
        QCOMPARE(EncodeFileName(History().front()), QByteArray("/m\xe9lodies/"));
#endif
    }

    void folderBox() {
        RecordingBox box;
        QString a = F(QStringLiteral("a")), b = F(QStringLiteral("b")), c = F(QStringLiteral("c"));
        QVERIFY(Add(a)); // no box yet: nothing to fill
        QString working = a;
        m_history.changed = [&] { FillFolderBox(m_history, working, box); };
        QVERIFY(Add(b));
        QCOMPARE(box.items, QStringList({b, a}));
        QCOMPARE(box.selection, 1); // the working folder's entry
        QCOMPARE(m_history.historyIndex, 1);

        // The working folder is not in the list: the former index stays selected.
        working = F(QStringLiteral("elsewhere"));
        QVERIFY(Add(c));
        QCOMPARE(box.items, QStringList({c, b, a}));
        QCOMPARE(box.selection, 1);

        // A refused folder leaves the box alone.
        const int refills = box.refills;
        QString empty;
        QVERIFY(!Add(empty));
        QCOMPARE(box.refills, refills);
    }

    void twelveEntriesAllInTheBox() {
        RecordingBox box;
        m_history.changed = [&] { FillFolderBox(m_history, QString(), box); };
        for (int i = 0; i < 12; ++i) {
            QString folder = F(QStringLiteral("f%1").arg(i));
            QVERIFY(Add(folder));
        }
        QCOMPARE(box.items.size(), 12);
        QCOMPARE(box.items.front(), F(QStringLiteral("f11")));
        QCOMPARE(box.items, History());
    }
};

QTEST_GUILESS_MAIN(TestFolderHistory)
#include "tst_folder_history.moc"
