#include "app/status_bar_widget.h"

#include "app/layout.h"

#include <QLabel>

namespace {
// A part ends this far before the next part's edge, leaving a gap between the sunken frames.
constexpr int PartGap = 2;
} // namespace

StatusBarWidget::StatusBarWidget(QWidget* parent) : QStatusBar(parent) {
    setSizeGripEnabled(false);
    setAccessibleName(tr("Status"));
    const std::array<QString, 4> names = {tr("Working folder"), tr("Focused row"), tr("Selection"),
                                          tr("File count")};
    // The labels are placed by placeParts(), not by the bar's own layout, whose spacing would
    // move their edges away from the computed ones.
    for (size_t part = 0; part < m_parts.size(); ++part) {
        auto* label = new QLabel(this);
        label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        label->setLineWidth(1);
        label->setContentsMargins(2, 0, 1, 0);
        label->setAlignment(Qt::AlignVCenter | Qt::AlignLeft);
        label->setAccessibleName(names[part]);
        m_parts[part] = label;
    }
}

void StatusBarWidget::setPartText(int part, const QString& text) {
    if (part >= 0 && part < int(m_parts.size()))
        m_parts[size_t(part)]->setText(text);
}

QString StatusBarWidget::partText(int part) const {
    return part >= 0 && part < int(m_parts.size()) ? m_parts[size_t(part)]->text() : QString();
}

std::array<int, 4> StatusBarWidget::partEdges() const {
    std::array<int, 4> edges{};
    for (size_t part = 0; part < m_parts.size(); ++part)
        edges[part] = m_parts[part]->geometry().right() + 1 + PartGap;
    return edges;
}

QSize StatusBarWidget::sizeHint() const {
    return QSize(QStatusBar::sizeHint().width(), fontMetrics().height() + 8);
}

void StatusBarWidget::resizeEvent(QResizeEvent* event) {
    QStatusBar::resizeEvent(event);
    placeParts();
}

void StatusBarWidget::placeParts() {
    const std::array<int, 4> edges = StatusPartEdges(width());
    int left = 0;
    for (size_t part = 0; part < m_parts.size(); ++part) {
        m_parts[part]->setGeometry(left, 1, std::max(0, edges[part] - left - PartGap),
                                   height() - 2);
        left = edges[part];
    }
}
