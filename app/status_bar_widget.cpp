#include "app/status_bar_widget.h"

#include "app/layout.h"

#include <QPainter>
#include <qdrawutil.h>

StatusBarWidget::StatusBarWidget(QWidget* parent) : QStatusBar(parent) {
    setSizeGripEnabled(false);
    setAccessibleName(tr("Status"));
}

void StatusBarWidget::setPartText(int part, const QString& text) {
    if (part < 0 || part >= int(m_texts.size()) || m_texts[size_t(part)] == text)
        return;
    m_texts[size_t(part)] = text;
    // The parts are painted, not widgets of their own: assistive tools read them, one a
    // line, as the bar's description.
    QStringList parts;
    for (const QString& shown : m_texts)
        if (!shown.isEmpty())
            parts << shown;
    setAccessibleDescription(parts.join(u'\n'));
    update();
}

QString StatusBarWidget::partText(int part) const {
    return part >= 0 && part < int(m_texts.size()) ? m_texts[size_t(part)] : QString();
}

std::array<int, 4> StatusBarWidget::partEdges() const {
    return StatusPartEdges(width());
}

QSize StatusBarWidget::sizeHint() const {
    return QSize(QStatusBar::sizeHint().width(), fontMetrics().height() + 8);
}

void StatusBarWidget::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const std::array<int, 4> edges = partEdges();
    int left = 0;
    for (size_t part = 0; part < edges.size(); ++part) {
        const QRect box(left, 1, edges[part] - left - 2, height() - 2);
        qDrawShadePanel(&painter, box, palette(), true, 1);
        painter.setPen(palette().color(QPalette::WindowText));
        painter.drawText(box.adjusted(3, 0, -2, 0), Qt::AlignVCenter | Qt::AlignLeft,
                         m_texts[part]);
        left = edges[part];
    }
}
