// The program's pictures come from its resources: every toolbar and row picture loads and
// paints something, and every SVG picture has the PNG renders that a Qt without the SVG plugins
// (the Windows build) loads instead.

#include "app/pictures_widget.h"
#include "base/commands.h"

#include <QDir>
#include <QImage>
#include <QtTest>

namespace {

// The number of pixels that are not fully transparent.
int PaintedPixels(const QIcon& icon, int size, QIcon::Mode mode) {
    const QImage image = icon.pixmap(QSize(size, size), mode).toImage();
    int painted = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            painted += qAlpha(image.pixel(x, y)) > 0;
    return painted;
}

} // namespace

class TestPictures : public QObject {
    Q_OBJECT

private slots:
    void picturesPaint_data() {
        QTest::addColumn<QIcon>("icon");
        for (int index = 0; index < ToolbarImageCount; ++index)
            QTest::addRow("toolbar %d", index) << ToolbarIcon(index);
        QTest::newRow("matched") << StateIcon(StateMatched);
        QTest::newRow("unmatched") << StateIcon(StateUnmatched);
        QTest::newRow("normal") << StateIcon(StateNormal);
        QTest::newRow("bad") << StateIcon(StateBad);
        QTest::newRow("program") << ProgramIcon();
    }
    void picturesPaint() {
        QFETCH(QIcon, icon);
        QVERIFY(!icon.isNull());
        for (int size : {16, 32}) {
            QVERIFY(PaintedPixels(icon, size, QIcon::Normal) > size);
            QVERIFY(PaintedPixels(icon, size, QIcon::Disabled) > size);
        }
    }

    void everySvgHasItsPngs_data() {
        QTest::addColumn<QString>("svg");
        ToolbarIcon(0); // the resources are registered with the first picture
        for (const QString folder : {":/icons/commands", ":/icons/states"}) {
            const QDir dir(folder);
            const QStringList files = dir.entryList({QStringLiteral("*.svg")});
            QVERIFY(!files.isEmpty());
            for (const QString& file : files)
                QTest::newRow(qPrintable(file)) << dir.filePath(file);
        }
    }
    void everySvgHasItsPngs() {
        QFETCH(QString, svg);
        for (int size : {16, 24, 32}) {
            const QImage png(svg.chopped(4) + QStringLiteral("-%1.png").arg(size));
            QCOMPARE(png.size(), QSize(size, size));
        }
    }
};

QTEST_MAIN(TestPictures)
#include "tst_pictures_window.moc"
