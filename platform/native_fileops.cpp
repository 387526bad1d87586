#include "platform/native_fileops.h"

#include "platform/native_file.h"

#ifdef Q_OS_WIN
#include <windows.h>
#else
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>
#endif

#ifdef Q_OS_WIN

static const wchar_t* W(const QString& path) {
    return reinterpret_cast<const wchar_t*>(path.utf16());
}

static int Result(BOOL ok) {
    return ok ? 0 : int(GetLastError());
}

int CopyFileNoReplace(const QString& from, const QString& to) {
    // Fails when the target exists; keeps the last-write time; removes its own partial target.
    return Result(CopyFileW(W(from), W(to), TRUE));
}

int DeleteFileNative(const QString& path) {
    return Result(DeleteFileW(W(path)));
}

int RenameNoReplace(const QString& from, const QString& to) {
    if (from == to)
        return GetFileAttributesW(W(from)) == INVALID_FILE_ATTRIBUTES ? int(GetLastError()) : 0;
    return Result(MoveFileW(W(from), W(to))); // refuses an existing target
}

int MakeFolder(const QString& path) {
    return Result(CreateDirectoryW(W(path), nullptr));
}

bool PathExists(const QString& path) {
    return GetFileAttributesW(W(path)) != INVALID_FILE_ATTRIBUTES;
}

#else

namespace {

// The encoded name, or empty for an empty path (which no call accepts).
QByteArray Name(const QString& path) {
    return EncodeFileName(path);
}

int OpenRetry(const char* name, int flags, mode_t mode = 0) {
    int fd;
    do {
        fd = ::open(name, flags | O_CLOEXEC, mode);
    } while (fd < 0 && errno == EINTR);
    return fd;
}

// Writes all bytes; 0 or the error code.
int WriteAll(int fd, const char* data, ssize_t count) {
    while (count > 0) {
        ssize_t put = ::write(fd, data, size_t(count));
        if (put < 0 && errno == EINTR)
            continue;
        if (put < 0)
            return errno;
        if (put == 0)
            return ENOSPC;
        data += put;
        count -= put;
    }
    return 0;
}

// Copies the bytes from one open file to the other; 0 or the error code.
int CopyBytes(int in, int out) {
    static constexpr ssize_t chunk = 1 << 16;
    QByteArray buffer(chunk, Qt::Uninitialized);
    for (;;) {
        ssize_t got = ::read(in, buffer.data(), size_t(chunk));
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return errno;
        if (got == 0)
            return 0;
        if (int error = WriteAll(out, buffer.constData(), got))
            return error;
    }
}

// Makes the written bytes durable and gives the copy the source's times; 0 or the error code.
// A file system that cannot set times does not fail the copy.
int FinishCopy(int out, const struct stat& source) {
    if (::fsync(out) != 0 && errno != EINVAL && errno != EROFS)
        return errno;
    const struct timespec times[2] = {source.st_atim, source.st_mtim};
    (void)::futimens(out, times);
    return 0;
}

} // namespace

int CopyFileNoReplace(const QString& from, const QString& to) {
    const QByteArray source = Name(from);
    const QByteArray target = Name(to);
    if (source.isEmpty() || target.isEmpty())
        return ENOENT;
    // Opened without waiting, so that a pipe or device under a file's name cannot hang the copy.
    const int in = OpenRetry(source.constData(), O_RDONLY | O_NONBLOCK);
    if (in < 0)
        return errno;
    struct stat st {};
    int error = ::fstat(in, &st) != 0 ? errno : 0;
    if (!error && !S_ISREG(st.st_mode))
        error = S_ISDIR(st.st_mode) ? EISDIR : EINVAL;
    if (!error && ::fcntl(in, F_SETFL, ::fcntl(in, F_GETFL) & ~O_NONBLOCK) != 0)
        error = errno;
    int out = -1;
    if (!error) {
        out = OpenRetry(target.constData(), O_WRONLY | O_CREAT | O_EXCL, st.st_mode & 0777);
        if (out < 0)
            error = errno; // nothing was created: an existing file stays untouched
    }
    if (out >= 0) {
        error = CopyBytes(in, out);
        if (!error)
            error = FinishCopy(out, st);
        if (::close(out) != 0 && !error)
            error = errno;
        if (error)
            ::unlink(target.constData()); // our own partial copy, created exclusively above
    }
    ::close(in);
    return error;
}

int DeleteFileNative(const QString& path) {
    const QByteArray name = Name(path);
    if (name.isEmpty())
        return ENOENT;
    struct stat st {};
    if (::lstat(name.constData(), &st) == 0 && S_ISDIR(st.st_mode))
        return EISDIR;
    return ::unlink(name.constData()) == 0 ? 0 : errno;
}

int RenameNoReplace(const QString& from, const QString& to) {
    const QByteArray source = Name(from);
    const QByteArray target = Name(to);
    if (source.isEmpty() || target.isEmpty())
        return ENOENT;
    if (source == target) {
        struct stat st {};
        return ::lstat(source.constData(), &st) == 0 ? 0 : errno;
    }
#ifdef SYS_renameat2
    constexpr unsigned renameNoReplace = 1; // RENAME_NOREPLACE
    if (::syscall(SYS_renameat2, AT_FDCWD, source.constData(), AT_FDCWD, target.constData(),
                  renameNoReplace) == 0)
        return 0;
    if (errno != EINVAL && errno != ENOSYS && errno != ENOTSUP && errno != EOPNOTSUPP)
        return errno;
#endif
    // The file system cannot rename without replacing: a new link fails on an existing name,
    // then the old name goes.
    if (::link(source.constData(), target.constData()) != 0)
        return errno;
    if (::unlink(source.constData()) != 0) {
        const int error = errno;
        ::unlink(target.constData()); // the link made above, the file keeps its old name
        return error;
    }
    return 0;
}

int MakeFolder(const QString& path) {
    const QByteArray name = Name(path);
    if (name.isEmpty())
        return ENOENT;
    return ::mkdir(name.constData(), 0777) == 0 ? 0 : errno;
}

bool PathExists(const QString& path) {
    const QByteArray name = Name(path);
    struct stat st {};
    return !name.isEmpty() && ::lstat(name.constData(), &st) == 0;
}

#endif
