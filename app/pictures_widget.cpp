#include "app/pictures_widget.h"

#include <QIconEngine>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <cmath>
#include <functional>

namespace {

using Drawing = std::function<void(QPainter&, const QRectF&, bool enabled)>;

// An icon that draws itself at whatever size it is asked for.
class DrawnIconEngine : public QIconEngine {
public:
    explicit DrawnIconEngine(Drawing draw) : m_draw(std::move(draw)) {}
    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State) override {
        painter->save();
        painter->setRenderHint(QPainter::Antialiasing);
        m_draw(*painter, QRectF(rect), mode != QIcon::Disabled);
        painter->restore();
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        QPixmap pixmap(size);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        paint(&painter, QRect(QPoint(0, 0), size), mode, state);
        return pixmap;
    }
    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state,
                         qreal scale) override {
        QPixmap pixmap = this->pixmap(size * scale, mode, state);
        pixmap.setDevicePixelRatio(scale);
        return pixmap;
    }
    QIconEngine* clone() const override { return new DrawnIconEngine(m_draw); }

private:
    Drawing m_draw;
};

// Drawing in a 16 by 16 grid scaled into the box.
struct Grid {
    QPainter& p;
    Grid(QPainter& painter, const QRectF& box) : p(painter) {
        const qreal side = std::min(box.width(), box.height());
        p.translate(box.center().x() - side / 2, box.center().y() - side / 2);
        p.scale(side / 16.0, side / 16.0);
    }
};

QColor Tone(const QColor& color, bool enabled) {
    if (enabled)
        return color;
    const int grey = qGray(color.rgb());
    return QColor(grey, grey, grey, 110);
}

QPen Line(const QColor& color, qreal width, bool enabled) {
    return QPen(Tone(color, enabled), width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

const QColor ink(40, 40, 40);
const QColor paper(252, 252, 246);
const QColor folderYellow(230, 190, 70);
const QColor blue(30, 90, 190);
const QColor green(40, 150, 60);
const QColor red(200, 40, 40);

void Page(QPainter& p, const QRectF& r, bool enabled) {
    QPainterPath path;
    path.moveTo(r.left(), r.top());
    path.lineTo(r.right() - 3, r.top());
    path.lineTo(r.right(), r.top() + 3);
    path.lineTo(r.right(), r.bottom());
    path.lineTo(r.left(), r.bottom());
    path.closeSubpath();
    p.setPen(Line(ink, 1, enabled));
    p.setBrush(Tone(paper, enabled));
    p.drawPath(path);
}

void TextLines(QPainter& p, const QRectF& r, int count, bool enabled) {
    p.setPen(Line(QColor(120, 120, 120), 1, enabled));
    for (int i = 0; i < count; ++i) {
        const qreal y = r.top() + 3 + i * 2.5;
        p.drawLine(QPointF(r.left() + 2, y), QPointF(r.right() - 2, y));
    }
}

void Arrow(QPainter& p, QPointF from, QPointF to, const QColor& color, bool enabled) {
    p.setPen(Line(color, 1.8, enabled));
    p.drawLine(from, to);
    const QPointF d = (to - from) / std::max(1.0, QLineF(from, to).length());
    const QPointF n(-d.y(), d.x());
    p.drawLine(to, to - d * 3 + n * 2.5);
    p.drawLine(to, to - d * 3 - n * 2.5);
}

void DrawBrowse(QPainter& p, bool e) {
    p.setPen(Line(QColor(150, 110, 20), 1, e));
    p.setBrush(Tone(folderYellow, e));
    QPainterPath back;
    back.moveTo(1.5, 3.5);
    back.lineTo(6, 3.5);
    back.lineTo(7.5, 5);
    back.lineTo(13.5, 5);
    back.lineTo(13.5, 13.5);
    back.lineTo(1.5, 13.5);
    back.closeSubpath();
    p.drawPath(back);
    p.setBrush(Tone(QColor(245, 215, 110), e));
    QPainterPath front;
    front.moveTo(1.5, 13.5);
    front.lineTo(4, 7.5);
    front.lineTo(15.5, 7.5);
    front.lineTo(13.5, 13.5);
    front.closeSubpath();
    p.drawPath(front);
}

void DrawEditInfo(QPainter& p, bool e) {
    Page(p, QRectF(1.5, 1.5, 10, 13), e);
    TextLines(p, QRectF(1.5, 1.5, 10, 13), 4, e);
    p.setPen(Line(QColor(90, 60, 20), 1, e));
    p.setBrush(Tone(QColor(240, 180, 60), e));
    QPainterPath pencil;
    pencil.moveTo(14.5, 4.5);
    pencil.lineTo(15.5, 5.5);
    pencil.lineTo(8.5, 12.5);
    pencil.lineTo(6.5, 13.5);
    pencil.lineTo(7.5, 11.5);
    pencil.closeSubpath();
    p.drawPath(pencil);
}

void DrawCopy(QPainter& p, bool e) {
    Page(p, QRectF(1.5, 1.5, 8, 10), e);
    TextLines(p, QRectF(1.5, 1.5, 8, 10), 3, e);
    Page(p, QRectF(6.5, 4.5, 8, 10), e);
    TextLines(p, QRectF(6.5, 4.5, 8, 10), 3, e);
}

void DrawMove(QPainter& p, bool e) {
    Page(p, QRectF(1.5, 1.5, 8, 11), e);
    TextLines(p, QRectF(1.5, 1.5, 8, 11), 3, e);
    Arrow(p, QPointF(6, 11), QPointF(15, 11), blue, e);
}

void DrawDelete(QPainter& p, bool e) {
    p.setPen(Line(red, 2.6, e));
    p.drawLine(QPointF(3.5, 3.5), QPointF(12.5, 12.5));
    p.drawLine(QPointF(12.5, 3.5), QPointF(3.5, 12.5));
}

void DrawRename(QPainter& p, bool e) {
    p.setPen(Line(ink, 1, e));
    p.setBrush(Tone(Qt::white, e));
    p.drawRect(QRectF(0.5, 4.5, 15, 7));
    QFont font;
    font.setPixelSize(7);
    font.setBold(true);
    p.setFont(font);
    p.setPen(Line(blue, 1, e));
    p.drawText(QRectF(1, 4, 10, 8), Qt::AlignCenter, QStringLiteral("ab"));
    p.setPen(Line(ink, 1.2, e));
    p.drawLine(QPointF(12, 2.5), QPointF(12, 13.5));
    p.drawLine(QPointF(10.5, 2.5), QPointF(13.5, 2.5));
    p.drawLine(QPointF(10.5, 13.5), QPointF(13.5, 13.5));
}

void DrawReport(QPainter& p, bool e) {
    Page(p, QRectF(2.5, 1.5, 11, 13), e);
    p.setPen(Line(green, 1, e));
    for (int i = 0; i < 4; ++i) {
        const qreal y = 4.5 + i * 2.5;
        p.drawLine(QPointF(4.5, y), QPointF(7, y));
        p.drawLine(QPointF(8, y), QPointF(11.5, y));
    }
}

void DrawFilter(QPainter& p, bool e) {
    p.setPen(Line(ink, 1, e));
    p.setBrush(Tone(QColor(90, 160, 220), e));
    QPainterPath funnel;
    funnel.moveTo(1.5, 2.5);
    funnel.lineTo(14.5, 2.5);
    funnel.lineTo(9.5, 8.5);
    funnel.lineTo(9.5, 14);
    funnel.lineTo(6.5, 12.5);
    funnel.lineTo(6.5, 8.5);
    funnel.closeSubpath();
    p.drawPath(funnel);
}

void DrawSearch(QPainter& p, bool e) {
    p.setPen(Line(ink, 1.4, e));
    p.setBrush(Tone(QColor(210, 235, 250), e));
    p.drawEllipse(QRectF(1.5, 1.5, 9, 9));
    p.setPen(Line(QColor(110, 70, 30), 2.6, e));
    p.drawLine(QPointF(9.5, 9.5), QPointF(14.5, 14.5));
}

void DrawRunEditor(QPainter& p, bool e) {
    p.setPen(Line(ink, 0.8, e));
    for (int i = 0; i < 4; ++i) // a stave of tablature strings behind a start triangle
        p.drawLine(QPointF(1, 3.5 + i * 3), QPointF(15, 3.5 + i * 3));
    p.setPen(Line(QColor(20, 100, 30), 1, e));
    p.setBrush(Tone(green, e));
    QPainterPath play;
    play.moveTo(5, 2.5);
    play.lineTo(13, 8);
    play.lineTo(5, 13.5);
    play.closeSubpath();
    p.drawPath(play);
}

void DrawOptions(QPainter& p, bool e) {
    p.setPen(Line(ink, 1, e));
    p.setBrush(Tone(QColor(160, 160, 170), e));
    QPainterPath gear;
    for (int i = 0; i < 16; ++i) {
        const qreal angle = i * M_PI / 8;
        const qreal radius = (i % 2 == 0) ? 7.2 : 5.4;
        const QPointF point(8 + radius * std::cos(angle), 8 + radius * std::sin(angle));
        if (i == 0)
            gear.moveTo(point);
        else
            gear.lineTo(point);
    }
    gear.closeSubpath();
    gear.addEllipse(QPointF(8, 8), 2.2, 2.2);
    gear.setFillRule(Qt::OddEvenFill);
    p.drawPath(gear);
}

void DrawToolbarImageInGrid(QPainter& p, int index, bool e) {
    switch (index) {
    case 0:
        return DrawBrowse(p, e);
    case 1:
        return DrawEditInfo(p, e);
    case 2:
        return DrawCopy(p, e);
    case 3:
        return DrawMove(p, e);
    case 4:
        return DrawDelete(p, e);
    case 5:
        return DrawRename(p, e);
    case 6:
        return DrawReport(p, e);
    case 7:
        return DrawFilter(p, e);
    case 8:
        return DrawSearch(p, e);
    case 9:
        return DrawRunEditor(p, e);
    case 10:
        return DrawOptions(p, e);
    default:
        return;
    }
}

} // namespace

void DrawToolbarImage(QPainter& painter, const QRectF& box, int index, bool enabled) {
    painter.save();
    Grid grid(painter, box);
    DrawToolbarImageInGrid(painter, index, enabled);
    painter.restore();
}

void DrawStateImage(QPainter& painter, const QRectF& box, StateImage image) {
    painter.save();
    Grid grid(painter, box);
    switch (image) {
    case StateMatched:
    case StateUnmatched:
    case StateNormal: {
        const QColor fill = image == StateMatched ? green : image == StateUnmatched ? red : blue;
        painter.setPen(QPen(fill.darker(150), 1));
        painter.setBrush(fill);
        painter.drawRect(QRectF(3.5, 3.5, 9, 9));
        break;
    }
    case StateBad:
        painter.setPen(QPen(red, 2.4, Qt::SolidLine, Qt::RoundCap));
        painter.drawLine(QPointF(3.5, 3.5), QPointF(12.5, 12.5));
        painter.drawLine(QPointF(12.5, 3.5), QPointF(3.5, 12.5));
        break;
    case StateNone:
        break;
    }
    painter.restore();
}

void DrawProgramIcon(QPainter& painter, const QRectF& box) {
    painter.save();
    Grid grid(painter, box);
    painter.setPen(QPen(QColor(30, 50, 110), 0.6));
    painter.setBrush(QColor(250, 248, 235));
    painter.drawRoundedRect(QRectF(1, 1, 14, 14), 1.5, 1.5);
    painter.setPen(QPen(QColor(60, 60, 60), 0.4));
    for (int i = 0; i < 6; ++i)
        painter.drawLine(QPointF(2.5, 3 + i * 1.7), QPointF(13.5, 3 + i * 1.7));
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(30, 90, 190));
    const qreal frets[][2] = {{4.5, 3}, {7, 6.4}, {9.5, 4.7}, {12, 9.8}};
    for (const auto& fret : frets)
        painter.drawEllipse(QPointF(fret[0], fret[1]), 0.9, 0.9);
    painter.setPen(QPen(QColor(200, 40, 40), 1.1, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(3.5, 13.3), QPointF(12.5, 13.3));
    painter.restore();
}

QIcon ToolbarIcon(int index) {
    return QIcon(new DrawnIconEngine([index](QPainter& p, const QRectF& box, bool enabled) {
        DrawToolbarImage(p, box, index, enabled);
    }));
}

QIcon StateIcon(StateImage image) {
    if (image == StateNone)
        return {};
    return QIcon(new DrawnIconEngine(
        [image](QPainter& p, const QRectF& box, bool) { DrawStateImage(p, box, image); }));
}

QIcon ProgramIcon() {
    return QIcon(
        new DrawnIconEngine([](QPainter& p, const QRectF& box, bool) { DrawProgramIcon(p, box); }));
}
