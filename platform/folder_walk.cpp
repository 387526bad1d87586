#include "platform/folder_walk.h"

#include "platform/native_file.h"
#include "platform/retry_io.h"

#ifndef Q_OS_WIN // the Windows side is in folder_walk_win.cpp
#include <cerrno>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <time.h>
#include <unistd.h>
#endif

#ifndef Q_OS_WIN

// Fills the item from the entry's status, following links; a link that leads nowhere is
// described by the link itself.
static bool Describe(int dirFd, const char* name, FolderItem& item) {
    struct stat st {};
    if (fstatat(dirFd, name, &st, 0) != 0 && fstatat(dirFd, name, &st, AT_SYMLINK_NOFOLLOW) != 0)
        return false;
    item.isFolder = S_ISDIR(st.st_mode);
    item.isSpecial =
        S_ISCHR(st.st_mode) || S_ISBLK(st.st_mode) || S_ISFIFO(st.st_mode) || S_ISSOCK(st.st_mode);
    item.hasDetails = true;
    item.lastWriteTime = FileTimeMs(st.st_mtim.tv_sec, st.st_mtim.tv_nsec);
    item.size = std::uint64_t(st.st_size);
    item.id = {std::uint64_t(st.st_dev), std::uint64_t(st.st_ino)};
    item.writeTime = st.st_mtim.tv_sec * 1000000000LL + st.st_mtim.tv_nsec;
    item.changeTime = st.st_ctim.tv_sec * 1000000000LL + st.st_ctim.tv_nsec;
    return true;
}

std::int64_t FileClockNow() {
    timespec now {};
    clock_gettime(CLOCK_REALTIME, &now);
    return now.tv_sec * 1000000000LL + now.tv_nsec;
}

std::int64_t FileClockPerSecond() {
    return 1000000000LL;
}

std::int64_t FileClockMs(std::int64_t time) {
    // Seconds rounded down, as the system splits a time before the epoch.
    std::int64_t seconds = time / 1000000000LL;
    std::int64_t rest = time % 1000000000LL;
    if (rest < 0) {
        --seconds;
        rest += 1000000000LL;
    }
    return FileTimeMs(seconds, rest);
}

bool ListFolder(const QString& folder, std::vector<FolderItem>& items, FolderId& self, int* error,
                bool describeEveryFile) {
    items.clear();
    const AtPath at(folder);
    const int fd = at.ok() ? OpenAt(at.dir(), at.name(), O_RDONLY | O_DIRECTORY) : -1;
    struct stat st {};
    DIR* dir = fd >= 0 && fstat(fd, &st) == 0 ? fdopendir(fd) : nullptr;
    if (!dir) {
        if (error)
            *error = at.ok() ? errno : at.error();
        if (fd >= 0)
            ::close(fd);
        return false;
    }
    while (const dirent* d = readdir(dir)) {
        const char* raw = d->d_name;
        if (raw[0] == '.' && (raw[1] == 0 || (raw[1] == '.' && raw[2] == 0)))
            continue;
        FolderItem item;
        item.name = DecodeFileName(QByteArray::fromRawData(raw, qsizetype(strlen(raw))));
        // The entry's type saves the status call for plain files: whoever opens one learns
        // its time and size from the opening. Folders, links and unknown types are looked at.
        if ((describeEveryFile || d->d_type != DT_REG) && !Describe(dirfd(dir), raw, item))
            continue; // vanished meanwhile
        items.push_back(std::move(item));
    }
    closedir(dir);
    self = {std::uint64_t(st.st_dev), std::uint64_t(st.st_ino)};
    return true;
}

bool DescribeItem(const QString& path, FolderItem& item) {
    const AtPath at(path);
    return at.ok() && Describe(at.dir(), at.name(), item);
}

bool SetCurrentFolder(const QString& folder, int* error) {
    const AtPath at(folder);
    int result = -1;
    if (at.ok() && at.dir() == AT_FDCWD) {
        result = ::chdir(at.name());
    } else if (at.ok()) {
        const int fd = OpenAt(at.dir(), at.name(), O_PATH | O_DIRECTORY);
        result = fd >= 0 ? ::fchdir(fd) : -1;
        const int saved = errno;
        if (fd >= 0)
            ::close(fd);
        errno = saved;
    }
    if (result == 0)
        return true;
    if (error)
        *error = at.ok() ? errno : at.error();
    return false;
}

bool CanEnterFolder(const QString& folder, int* error) {
    const AtPath at(folder);
    struct stat st {};
    int result = at.ok() ? fstatat(at.dir(), at.name(), &st, 0) : -1;
    if (result == 0 && !S_ISDIR(st.st_mode)) {
        result = -1;
        errno = ENOTDIR;
    }
    if (result == 0)
        result = faccessat(at.dir(), at.name(), X_OK, AT_EACCESS);
    if (result == 0)
        return true;
    if (error)
        *error = at.ok() ? errno : at.error();
    return false;
}

QString CurrentFolder() {
    QByteArray buffer(4096, '\0');
    for (int attempt = 0; attempt < 8; ++attempt) {
        if (::getcwd(buffer.data(), size_t(buffer.size())))
            return DecodeFileName(QByteArray(buffer.constData()));
        if (errno != ERANGE)
            return {};
        buffer.resize(buffer.size() * 2);
    }
    return {};
}

#endif
