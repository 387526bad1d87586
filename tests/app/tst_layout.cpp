// The main window's layout arithmetic and the list style bits.

#include "app/layout.h"

#include <QtTest>

class TestLayout : public QObject {
    Q_OBJECT
private slots:
    void statusEdges_data() {
        QTest::addColumn<int>("width");
        QTest::addColumn<QList<int>>("edges");
        QTest::newRow("600") << 600 << QList<int>{300, 400, 500, 600};
        QTest::newRow("605") << 605 << QList<int>{302, 400, 500, 605};
        QTest::newRow("sixth first") << 611 << QList<int>{305, 404, 505, 611};
        QTest::newRow("zero") << 0 << QList<int>{0, 0, 0, 0};
    }
    void statusEdges() {
        QFETCH(int, width);
        QFETCH(QList<int>, edges);
        const std::array<int, 4> got = StatusPartEdges(width);
        QCOMPARE(QList<int>(got.begin(), got.end()), edges);
    }

    void listWidth_data() {
        QTest::addColumn<int>("hiddenColumn");
        QTest::addColumn<int>("rowsPerPage");
        QTest::addColumn<int>("rows");
        QTest::addColumn<int>("width");
        QTest::newRow("all fit") << -1 << 20 << 20 << 580;
        QTest::newRow("one row more") << -1 << 20 << 21 << 597;
        QTest::newRow("title hidden") << int(ColumnTitle) << 20 << 3 << 480;
        QTest::newRow("title hidden, overflow") << int(ColumnTitle) << 2 << 3 << 497;
        QTest::newRow("empty list") << -1 << 0 << 0 << 580;
    }
    void listWidth() {
        QFETCH(int, hiddenColumn);
        QFETCH(int, rowsPerPage);
        QFETCH(int, rows);
        QFETCH(int, width);
        ColumnTable columns = DefaultColumnTable();
        if (hiddenColumn >= 0)
            columns[size_t(hiddenColumn)].visible = 0;
        QCOMPARE(ListWidth(columns, rowsPerPage, rows, 17), width);
    }

    void panelRect() {
        const QRect panel = PanelRect(580, 30, 900, 400);
        QCOMPARE(panel.left(), 580);
        QCOMPARE(panel.top(), 30);
        QCOMPARE(panel.right() + 1, 900);
        QCOMPARE(panel.height(), 400);
        QVERIFY(PanelRect(950, 0, 900, 400).isEmpty()); // list wider than the window
    }

    // A stored window rectangle is fitted to the screens before it is used.
    void fitWindowRect_data() {
        QTest::addColumn<QRect>("stored");
        QTest::addColumn<QList<QRect>>("screens");
        QTest::addColumn<QRect>("fitted");
        QTest::addColumn<QMargins>("frame"); // what the window system adds around the window
        const QRect laptop(0, 0, 1280, 800);
        const QRect panelOnTop(0, 30, 1280, 770);
        const QRect right(1280, 0, 1920, 1080);
        QTest::newRow("fits: unchanged") << QRect(10, 20, 640, 480) << QList<QRect>{laptop}
                                         << QRect(10, 20, 640, 480) << QMargins();
        QTest::newRow("huge: the whole screen")
            << QRect(0, 0, 9999999, 9999999) << QList<QRect>{laptop} << laptop << QMargins();
        QTest::newRow("huge: not under the top panel")
            << QRect(0, 0, 9999999, 9999999) << QList<QRect>{panelOnTop} << panelOnTop
            << QMargins();
        QTest::newRow("wider than the screen, from far left")
            << QRect(-5000, 100, 9999999, 600) << QList<QRect>{laptop} << QRect(0, 100, 1280, 600)
            << QMargins();
        QTest::newRow("below the minimum size") << QRect(10, 20, 100, 50) << QList<QRect>{laptop}
                                                << QRect(10, 20, 480, 320) << QMargins();
        QTest::newRow("off the screen: the nearest place on it")
            << QRect(3000, 2000, 640, 480) << QList<QRect>{laptop} << QRect(640, 320, 640, 480)
            << QMargins();
        QTest::newRow("off every screen: onto the primary")
            << QRect(-3000, -3000, 640, 480) << QList<QRect>{laptop, right} << QRect(0, 0, 640, 480)
            << QMargins();
        QTest::newRow("partly on: kept") << QRect(1200, 700, 640, 480) << QList<QRect>{laptop}
                                         << QRect(1200, 700, 640, 480) << QMargins();
        QTest::newRow("across two screens: kept")
            << QRect(1000, 100, 640, 480) << QList<QRect>{laptop, right}
            << QRect(1000, 100, 640, 480) << QMargins();
        QTest::newRow("too large for the second screen")
            << QRect(1300, 50, 3000, 3000) << QList<QRect>{laptop, right} << right << QMargins();
        QTest::newRow("no screen: minimum only")
            << QRect(5, 5, 100, 100) << QList<QRect>{} << QRect(5, 5, 480, 320) << QMargins();
        // The frame, title bar included, is fitted; the window's own rectangle is kept.
        const QMargins frame(2, 30, 2, 2);
        QTest::newRow("fits with its frame: unchanged")
            << QRect(10, 40, 640, 480) << QList<QRect>{laptop} << QRect(10, 40, 640, 480) << frame;
        QTest::newRow("huge with a frame: the frame fills the screen")
            << QRect(0, 0, 9999999, 9999999) << QList<QRect>{laptop} << QRect(2, 30, 1276, 768)
            << frame;
        QTest::newRow("title bar above the screen: brought down")
            << QRect(10, 5, 640, 480) << QList<QRect>{panelOnTop} << QRect(10, 60, 640, 480)
            << frame;
        QTest::newRow("below the minimum with a frame: the minimum inside it")
            << QRect(10, 40, 100, 50) << QList<QRect>{laptop} << QRect(10, 40, 480, 320) << frame;
    }
    void fitWindowRect() {
        QFETCH(QRect, stored);
        QFETCH(QList<QRect>, screens);
        QFETCH(QRect, fitted);
        QFETCH(QMargins, frame);
        QCOMPARE(FitWindowRect(stored, frame, QSize(480, 320), screens), fitted);
    }

    void styleBits_data() {
        QTest::addColumn<quint32>("style");
        QTest::addColumn<QList<bool>>("behaviour");
        QTest::newRow("default") << quint32(1056)
                                 << QList<bool>{false, false, false, true, false, true};
        QTest::newRow("grid and drag")
            << quint32(0x0011) << QList<bool>{true, false, true, false, false, false};
        QTest::newRow("track and flat")
            << quint32(0x0108) << QList<bool>{false, true, false, false, true, false};
        QTest::newRow("unoffered bit only")
            << quint32(0x0004) << QList<bool>{false, false, false, false, false, false};
    }
    void styleBits() {
        QFETCH(quint32, style);
        QFETCH(QList<bool>, behaviour);
        const ListBehaviour b = ListBehaviourFromStyle(style);
        QCOMPARE((QList<bool>{b.gridLines, b.hoverTracking, b.movableColumns, b.fullRowHighlight,
                              b.flatScrollBars, b.cutOffTooltips}),
                 behaviour);
    }
};

QTEST_GUILESS_MAIN(TestLayout)
#include "tst_layout.moc"
