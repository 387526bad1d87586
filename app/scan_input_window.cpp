#include "app/scan_input_window.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QWidget>

void ScanInputFilter::run(const std::function<void()>& process) {
    m_running = true;
    qApp->installEventFilter(this);
    process();
    qApp->removeEventFilter(this);
    m_running = false;
}

bool ScanInputFilter::takeEscPressed() {
    const bool pressed = m_escPressed;
    m_escPressed = false;
    return pressed;
}

bool ScanInputFilter::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::KeyPress:
        if (static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape)
            m_escPressed = true;
        return true;
    case QEvent::KeyRelease:
    case QEvent::ShortcutOverride:
    case QEvent::Shortcut:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
    case QEvent::Wheel:
    case QEvent::ContextMenu:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    case QEvent::NonClientAreaMouseButtonPress:
    case QEvent::NonClientAreaMouseButtonDblClick:
        return true;
    case QEvent::Close:
        // Closing ends the walk; the window closes normally once the refresh is complete.
        if (watched != m_window)
            return false;
        m_closeRequested = true;
        event->ignore();
        return true;
    default:
        return false;
    }
}
