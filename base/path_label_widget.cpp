#include "base/path_label_widget.h"

#include <QPainter>
#include <QStyle>

PathLabel::PathLabel(const QString& text, QWidget* parent) : QLabel(text, parent) {
    setTextFormat(Qt::PlainText);
    setWordWrap(false);
}

// Where QLabel puts a line of text: inside the margin, and with a frame a half character in
// from the leading edge.
QRect PathLabel::textArea() const {
    const int indent = frameWidth() > 0 ? fontMetrics().horizontalAdvance(QLatin1Char('x')) / 2 : 0;
    return contentsRect().adjusted(margin() + indent, margin(), -margin(), -margin());
}

QString PathLabel::shownText() const {
    return fontMetrics().elidedText(text(), Qt::ElideMiddle, textArea().width());
}

QSize PathLabel::minimumSizeHint() const {
    const QSize whole = QLabel::minimumSizeHint();
    return {std::min(whole.width(), fontMetrics().averageCharWidth() * 12), whole.height()};
}

void PathLabel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    drawFrame(&painter);
    style()->drawItemText(&painter, textArea(),
                          int(QStyle::visualAlignment(layoutDirection(), alignment())), palette(),
                          isEnabled(), shownText(), foregroundRole());
}

void PathLabel::resizeEvent(QResizeEvent* event) {
    QLabel::resizeEvent(event);
    setToolTip(shownText() == text() ? QString() : text());
}
