#pragma once
// The system's request that the program end: on Linux the signal SIGTERM, which the desktop
// sends to each program at the end of a session and which, left to itself, ends the program at
// once, without its close sequence and so without saving its settings.
//
// While a TerminationWatcher exists, SIGTERM no longer ends the program: the watcher emits
// `received()` from the event loop instead, where the program can close as the user would. The
// signal's handler only writes a byte into a pipe, which the loop watches. On Windows a window
// program is told of the session's end by the session manager's request instead
// (QGuiApplication::commitDataRequest), and the watcher never fires.

#include <QObject>

class QSocketNotifier;

class TerminationWatcher : public QObject {
    Q_OBJECT
public:
    // Installs the handler. The disposition of a signal is the process's: one watcher at a time.
    explicit TerminationWatcher(QObject* parent = nullptr);
    // Gives SIGTERM back its default action.
    ~TerminationWatcher() override;

signals:
    void received();

private:
    void drain();
    QSocketNotifier* m_notifier = nullptr;
};
