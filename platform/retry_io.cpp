#include "platform/retry_io.h"

#ifndef Q_OS_WIN
#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

int OpenAt(int dir, const char* name, int flags, mode_t mode) {
    int fd;
    do {
        fd = ::openat(dir, name, flags | O_CLOEXEC, mode);
    } while (fd < 0 && errno == EINTR);
    return fd;
}

int WriteAll(int fd, const void* data, std::int64_t count, std::int64_t offset,
             std::int64_t* written) {
    const auto* bytes = static_cast<const char*>(data);
    std::int64_t done = 0;
    int error = 0;
    while (done < count && !error) {
        const size_t want = size_t(count - done);
        const ssize_t put = offset < 0 ? ::write(fd, bytes + done, want)
                                       : ::pwrite(fd, bytes + done, want, off_t(offset + done));
        if (put > 0)
            done += put;
        else if (put == 0)
            error = ENOSPC;
        else if (errno != EINTR)
            error = errno;
    }
    if (written)
        *written = done;
    return error;
}
#endif
