#pragma once
// The window's input while a walk of the working folder runs: the window repaints, but every
// key, click and wheel turn is dropped, Esc is noted, and a close of the window is held back
// until the walk is over.

#include <QObject>
#include <functional>

class QWidget;

class ScanInputFilter : public QObject {
public:
    // `window` is the window whose close is held back.
    explicit ScanInputFilter(QWidget* window) : QObject(), m_window(window) {}

    // Runs `process` (which handles events) with the filter on the whole application.
    void run(const std::function<void()>& process);
    bool isRunning() const { return m_running; }
    // Whether Esc was pressed since the last call.
    bool takeEscPressed();
    // Whether the window was closed during a walk; it closes normally after it.
    bool closeRequested() const { return m_closeRequested; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* m_window;
    bool m_running = false;
    bool m_escPressed = false;
    bool m_closeRequested = false;
};
