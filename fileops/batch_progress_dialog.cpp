#include "fileops/batch_progress_dialog.h"

#include "base/program_info.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QLabel>
#include <QProgressDialog>
#include <QScreen>
#include <algorithm>

BatchProgress::BatchProgress(QWidget* owner, int showAfterMs)
    : m_owner(owner), m_showAfterMs(showAfterMs) {}

BatchProgress::~BatchProgress() = default;

void BatchProgress::open(int total) {
    m_dialog = std::make_unique<QProgressDialog>(m_owner);
    m_dialog->setWindowTitle(ProgramCaption.toString());
    m_dialog->setWindowModality(Qt::WindowModal);
    m_label = new QLabel(m_dialog.get());
    m_label->setTextFormat(Qt::PlainText); // a file name is never markup
    const QScreen* screen = m_owner ? m_owner->screen() : QGuiApplication::primaryScreen();
    m_textWidth = m_label->fontMetrics().averageCharWidth() * 60;
    if (screen)
        m_textWidth = std::min(m_textWidth, screen->availableGeometry().width() / 2);
    m_label->setMinimumWidth(m_textWidth);
    m_dialog->setLabel(m_label);
    m_dialog->setCancelButtonText(QCoreApplication::translate("BatchProgress", "Cancel"));
    m_dialog->setRange(0, total);
    m_dialog->setMinimumDuration(0); // the batch has run long enough already
    m_dialog->setValue(0);
}

bool BatchProgress::step(int done, int total, const QString& path) {
    if (!m_clock.isValid())
        m_clock.start();
    if (!m_dialog && m_clock.elapsed() < m_showAfterMs)
        return true;
    if (!m_dialog)
        open(total);
    m_label->setText(m_label->fontMetrics().elidedText(path, Qt::ElideMiddle, m_textWidth));
    m_label->setToolTip(path);
    m_dialog->setValue(done); // shows the dialog; once shown, lets the window repaint
    return !m_dialog->wasCanceled();
}
