#include "info/info_panel.h"

#include "info/panel_text.h"

#include <QEvent>
#include <QFileInfo>
#include <QPainter>
#include <QPalette>

namespace {

const QColor nameColour(0, 0, 128); // dark blue

void Separator(QPainter& painter, QRect& r) {
    painter.setPen(QPen(Qt::black, 1));
    painter.drawLine(r.left(), r.top() + 3, r.right(), r.top() + 3);
    r.setTop(r.top() + 6);
}

// Draws `text` at the top of `r` and answers the height drawn.
int DrawBlock(QPainter& painter, const QRect& r, int flags, const QString& text) {
    QRect drawn;
    painter.drawText(r, flags, text, &drawn);
    const int height = text.isEmpty() ? 0 : drawn.height();
    return height;
}

// The panel's text for assistive tools, in the order it is painted: each summary label beside
// its value, each module's label beside its name.
QString Description(const PanelContent& c) {
    QStringList lines;
    for (const QString& text : {c.name, c.folder, c.title, c.subtitle, c.comments})
        if (!text.isEmpty())
            lines << text;
    if (c.showSummary) {
        const QStringList labels = c.labels.split(u'\n');
        const QStringList values = c.values.split(u'\n');
        for (qsizetype i = 0; i < labels.size(); ++i)
            lines << labels[i] + u' ' + values.value(i);
        for (const PanelModuleLine& module : c.modules)
            lines << module.label + u' ' + module.name;
        if (!c.notes.isEmpty())
            lines << c.notes;
    }
    return lines.join(u'\n');
}

} // namespace

PanelPainting DrawInfoPanel(QPainter& painter, const QRect& panel, const FileSummary* file,
                            const QFont& font) {
    PanelPainting painting;
    painter.fillRect(panel, QPalette().color(QPalette::ToolTipBase));
    if (!file)
        return painting;
    painting.drewFile = true;
    painting.content = ComposePanel(*file);
    const PanelContent& c = painting.content;

    QRect r = panel.adjusted(4, 2, -4, 0);
    painter.save();
    painter.setClipRect(panel);
    const int topLeft = Qt::AlignLeft | Qt::AlignTop;

    QFont bold = font;
    bold.setBold(true);
    painter.setFont(bold);
    painter.setPen(nameColour);
    DrawBlock(painter, r, topLeft, c.name);
    r.setTop(r.top() + std::max(16, QFontMetrics(bold).height()));

    painter.setFont(font);
    const int h = std::max(DrawBlock(painter, r, topLeft, c.folder), QFontMetrics(font).height());
    r.setTop(r.top() + std::max(24, h + 8));

    painter.setPen(Qt::black);
    const int wrapped = topLeft | Qt::TextWordWrap;
    r.setTop(r.top() + DrawBlock(painter, r, wrapped, c.title));
    r.setTop(r.top() + DrawBlock(painter, r, wrapped, c.subtitle) + 2);
    r.setTop(r.top() + DrawBlock(painter, r, wrapped | Qt::TextExpandTabs, c.comments));
    if (!c.showSummary) {
        painter.restore();
        return painting;
    }

    Separator(painter, r);
    painter.setPen(Qt::black);
    DrawBlock(painter, r, topLeft, c.labels);
    const QFontMetrics metrics(font);
    const int valuesLeft = std::max(80, metrics.boundingRect(QRect(), 0, c.labels).width() + 10);
    r.setTop(r.top() + DrawBlock(painter, r.adjusted(valuesLeft, 0, 0, 0), topLeft, c.values));

    Separator(painter, r);
    painter.setPen(Qt::black);
    const int nameLeft = std::max(60, metrics.horizontalAdvance(ModuleLabel(15)) + 8);
    // The fitting rules take the bottom edge as the first row below the panel.
    const int bottom = r.bottom() + 1;
    painting.modulesTop = r.top();
    painting.lineHeight = h;
    painting.modulesDrawn = ModuleLinesThatFit(r.top(), bottom, h, int(c.modules.size()));
    for (int i = 0; i < painting.modulesDrawn; ++i) {
        const int baseline = r.top() + metrics.ascent();
        painter.drawText(r.left(), baseline, c.modules[size_t(i)].label);
        painter.drawText(r.left() + nameLeft, baseline, c.modules[size_t(i)].name);
        r.setTop(r.top() + h);
    }

    if (!c.notes.isEmpty()) {
        Separator(painter, r);
        painter.setPen(Qt::black);
        painting.notesTop = r.top();
        painting.notesDrawn = NotesFit(r.top(), bottom);
        if (painting.notesDrawn)
            painter.drawText(r, wrapped | Qt::TextExpandTabs, c.notes);
    }
    painter.restore();
    return painting;
}

InfoPanel::InfoPanel(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAccessibleName(tr("File information"));

    connect(&m_watcher, &QFileSystemWatcher::fileChanged, this, [this] {
        reread();
        update();
    });
}

void InfoPanel::showFile(const FileSummary* file) {
    if (file)
        m_file = *file;
    else
        m_file.reset();
    reread();
    repaint();
}

void InfoPanel::reread() {
    const QStringList watched = m_watcher.files();
    if (!watched.isEmpty())
        m_watcher.removePaths(watched);
    if (!m_file)
        return;
    RereadSummary(*m_file, ReadMode::WithNotes);
    if (!m_file->currentPath.isEmpty() && QFileInfo::exists(m_file->currentPath))
        m_watcher.addPath(m_file->currentPath);
}

// Back in the window (from another program, after a dialog) or shown again: the file may have
// changed meanwhile.
void InfoPanel::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) {
        reread();
        update();
    }
}

void InfoPanel::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    reread();
}

void InfoPanel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    m_last = DrawInfoPanel(painter, rect(), shownFile(), font());
    const QString description = m_last.drewFile ? Description(m_last.content) : QString();
    if (description != accessibleDescription())
        setAccessibleDescription(description);
}
