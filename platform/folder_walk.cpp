#include "platform/folder_walk.h"

#include "platform/native_file.h"

#ifdef Q_OS_WIN
#include <windows.h>
#else
#include <cerrno>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

#ifdef Q_OS_WIN

// Paths are given the long-path prefix so that folders deeper than 260 characters are read.
static std::wstring LongPath(const QString& folder) {
    QString path = folder;
    path.replace(QLatin1Char('/'), QLatin1Char('\\'));
    if (!path.startsWith(QLatin1String("\\\\"))) {
        path.prepend(QLatin1String("\\\\?\\"));
    } else if (!path.startsWith(QLatin1String("\\\\?\\"))) {
        path = QLatin1String("\\\\?\\UNC\\") + path.mid(2);
    }
    return path.toStdWString();
}

static std::int64_t FileTimeToMs(const FILETIME& t) {
    return FileTimeMs((std::uint64_t(t.dwHighDateTime) << 32) | t.dwLowDateTime);
}

static bool FolderIdOf(const std::wstring& path, FolderId& id) {
    HANDLE h = CreateFileW(path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                           nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (h == INVALID_HANDLE_VALUE)
        return false;
    BY_HANDLE_FILE_INFORMATION info;
    const bool ok = GetFileInformationByHandle(h, &info);
    CloseHandle(h);
    if (!ok)
        return false;
    id.device = info.dwVolumeSerialNumber;
    id.inode = (std::uint64_t(info.nFileIndexHigh) << 32) | info.nFileIndexLow;
    return true;
}

bool ListFolder(const QString& folder, std::vector<FolderItem>& items, FolderId& self, int* error) {
    items.clear();
    std::wstring base = LongPath(folder);
    if (!base.empty() && base.back() != L'\\')
        base += L'\\';
    FolderId id;
    WIN32_FIND_DATAW found;
    HANDLE search = INVALID_HANDLE_VALUE;
    if (FolderIdOf(base, id))
        search = FindFirstFileW((base + L"*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) {
        if (error)
            *error = int(GetLastError());
        return false;
    }
    do {
        const QString name = QString::fromWCharArray(found.cFileName);
        const bool isFolder = found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY;
        if (isFolder && (name == QLatin1String(".") || name == QLatin1String("..")))
            continue;
        FolderItem item;
        item.name = name;
        item.isFolder = isFolder;
        item.hasDetails = true;
        item.lastWriteTime = FileTimeToMs(found.ftLastWriteTime);
        item.size = (std::uint64_t(found.nFileSizeHigh) << 32) | found.nFileSizeLow;
        if (isFolder)
            FolderIdOf(base + found.cFileName, item.id);
        items.push_back(std::move(item));
    } while (FindNextFileW(search, &found));
    FindClose(search);
    self = id;
    return true;
}

bool DescribeItem(const QString& path, FolderItem& item) {
    const std::wstring native = LongPath(path);
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!GetFileAttributesExW(native.c_str(), GetFileExInfoStandard, &data))
        return false;
    item.isFolder = data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY;
    item.hasDetails = true;
    item.lastWriteTime = FileTimeToMs(data.ftLastWriteTime);
    item.size = (std::uint64_t(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
    if (item.isFolder)
        FolderIdOf(native, item.id);
    return true;
}

bool SetCurrentFolder(const QString& folder, int* error) {
    if (SetCurrentDirectoryW(reinterpret_cast<const wchar_t*>(folder.utf16())))
        return true;
    if (error)
        *error = int(GetLastError());
    return false;
}

QString CurrentFolder() {
    const DWORD n = GetCurrentDirectoryW(0, nullptr);
    if (n == 0)
        return {};
    std::wstring text(n, L'\0');
    const DWORD got = GetCurrentDirectoryW(n, text.data());
    if (got == 0 || got >= n)
        return {};
    text.resize(got);
    return QString::fromStdWString(text);
}

#else

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
    return true;
}

bool ListFolder(const QString& folder, std::vector<FolderItem>& items, FolderId& self, int* error) {
    items.clear();
    const AtPath at(folder);
    int fd = -1;
    if (at.ok()) {
        do {
            fd = ::openat(at.dir(), at.name(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        } while (fd < 0 && errno == EINTR);
    }
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
        if (d->d_type != DT_REG && !Describe(dirfd(dir), raw, item))
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
        const int fd = ::openat(at.dir(), at.name(), O_PATH | O_DIRECTORY | O_CLOEXEC);
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
