#include "platform/termination_signal.h"

#include <QSocketNotifier>

#ifndef Q_OS_WIN
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace {

// The pipe from the handler to the event loop. The handler may run on any thread and may do
// nothing but what is safe in a signal handler, so it reaches the pipe through a plain global.
int g_pipe[2] = {-1, -1};

extern "C" void OnTermination(int) {
    const int saved = errno;
    const char byte = 1;
    [[maybe_unused]] const ssize_t written = write(g_pipe[1], &byte, 1); // full: one is enough
    errno = saved;
}

void SetAction(void (*handler)(int)) {
    struct sigaction action = {};
    action.sa_handler = handler;
    action.sa_flags = SA_RESTART; // the threads' system calls go on as if nothing happened
    sigemptyset(&action.sa_mask);
    sigaction(SIGTERM, &action, nullptr);
}

} // namespace

TerminationWatcher::TerminationWatcher(QObject* parent) : QObject(parent) {
    if (g_pipe[0] >= 0 || pipe2(g_pipe, O_CLOEXEC | O_NONBLOCK) != 0)
        return;
    m_notifier = new QSocketNotifier(g_pipe[0], QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &TerminationWatcher::drain);
    SetAction(OnTermination);
}

TerminationWatcher::~TerminationWatcher() {
    if (!m_notifier)
        return;
    SetAction(SIG_DFL);
    delete m_notifier;
    close(g_pipe[0]);
    close(g_pipe[1]);
    g_pipe[0] = g_pipe[1] = -1;
}

void TerminationWatcher::drain() {
    char bytes[16];
    while (read(g_pipe[0], bytes, sizeof bytes) > 0) {
    }
    emit received();
}

#else

TerminationWatcher::TerminationWatcher(QObject* parent) : QObject(parent) {}
TerminationWatcher::~TerminationWatcher() = default;
void TerminationWatcher::drain() {}

#endif
