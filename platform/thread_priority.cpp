#include "platform/thread_priority.h"

#include <QtGlobal>

#if defined(Q_OS_WIN)
#include <windows.h>
#elif defined(Q_OS_LINUX)
#include <algorithm>
#include <cerrno>
#include <sys/resource.h>
#include <unistd.h>
#endif

void LowerThisThreadsPriority() {
#if defined(Q_OS_WIN)
    SetThreadPriority(GetCurrentThread(), THREAD_PRIORITY_BELOW_NORMAL);
#elif defined(Q_OS_LINUX)
    // On Linux each thread has a nice value of its own, addressed by its thread id.
    const id_t thread = id_t(gettid());
    errno = 0;
    const int nice = getpriority(PRIO_PROCESS, thread);
    if (errno == 0)
        setpriority(PRIO_PROCESS, thread, std::min(nice + 5, 19));
#endif
}
