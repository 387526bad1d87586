#include "platform/native_file.h"

#include "platform/retry_io.h"

#include <algorithm>
#include <cerrno>
#include <cstring>

#ifndef Q_OS_WIN // the Windows side is in native_file_win.cpp
#include <climits>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

// Opens a folder only to reach what lies in it.
static int AtOpenFolder(int dir, const char* name) {
    return OpenAt(dir, name, O_PATH | O_DIRECTORY);
}
#endif

QChar FolderSeparator() {
#ifdef Q_OS_WIN
    return QLatin1Char('\\');
#else
    return QLatin1Char('/');
#endif
}

std::int64_t FileTimeMs(std::int64_t seconds, std::int64_t nanoseconds) {
    return seconds * 1000 + nanoseconds / 1000000;
}

std::int64_t FileTimeMs(std::uint64_t ticks) {
    return std::int64_t(ticks / 10000) - 11644473600000LL; // from 1601 to 1970
}

#ifndef Q_OS_WIN

// Decodes UTF-8, keeping each byte that is not part of a valid sequence as U+DC00 + byte.
QString DecodeFileName(const QByteArray& bytes) {
    const auto* s = reinterpret_cast<const unsigned char*>(bytes.constData());
    const qsizetype n = bytes.size();
    QString out(n, Qt::Uninitialized); // never more units than bytes
    char16_t* to = reinterpret_cast<char16_t*>(out.data());
    qsizetype k = 0;
    qsizetype i = 0;
    while (i < n) {
        unsigned c = s[i];
        if (c < 0x80) {
            to[k++] = char16_t(c);
            ++i;
            continue;
        }
        int len = 0;
        char32_t cp = 0;
        char32_t min = 0;
        if (c >= 0xC2 && c <= 0xDF) {
            len = 2, cp = c & 0x1F, min = 0x80;
        } else if (c >= 0xE0 && c <= 0xEF) {
            len = 3, cp = c & 0x0F, min = 0x800;
        } else if (c >= 0xF0 && c <= 0xF4) {
            len = 4, cp = c & 0x07, min = 0x10000;
        }
        bool ok = len > 0 && i + len <= n;
        for (int j = 1; ok && j < len; ++j) {
            unsigned cc = s[i + j];
            if ((cc & 0xC0) != 0x80)
                ok = false;
            else
                cp = (cp << 6) | (cc & 0x3F);
        }
        if (ok && (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)))
            ok = false;
        if (!ok) {
            to[k++] = char16_t(0xDC00 + c);
            ++i;
            continue;
        }
        if (cp >= 0x10000) {
            to[k++] = QChar::highSurrogate(cp);
            to[k++] = QChar::lowSurrogate(cp);
        } else {
            to[k++] = char16_t(cp);
        }
        i += len;
    }
    out.truncate(k);
    return out;
}

QStringList ProgramArguments(int argc, char* argv[]) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << DecodeFileName(QByteArray(argv[i]));
    return arguments;
}

QByteArray EncodeFileName(QStringView path) {
    const qsizetype n = path.size();
    QByteArray out(n * 3, Qt::Uninitialized); // at most three bytes for each unit
    char* to = out.data();
    qsizetype k = 0;
    for (qsizetype i = 0; i < n; ++i) {
        char16_t u = path[i].unicode();
        char32_t cp = u;
        if (u >= 0xDC80 && u <= 0xDCFF) {
            to[k++] = char(u - 0xDC00); // an escaped byte of an undecodable name
            continue;
        }
        if (QChar::isHighSurrogate(u) && i + 1 < n && path[i + 1].isLowSurrogate()) {
            cp = QChar::surrogateToUcs4(u, path[i + 1].unicode());
            ++i;
        } else if (QChar::isSurrogate(u)) {
            cp = 0xFFFD;
        }
        if (cp < 0x80) {
            to[k++] = char(cp);
        } else if (cp < 0x800) {
            to[k++] = char(0xC0 | (cp >> 6));
            to[k++] = char(0x80 | (cp & 0x3F));
        } else if (cp < 0x10000) {
            to[k++] = char(0xE0 | (cp >> 12));
            to[k++] = char(0x80 | ((cp >> 6) & 0x3F));
            to[k++] = char(0x80 | (cp & 0x3F));
        } else { // two units gave four bytes
            to[k++] = char(0xF0 | (cp >> 18));
            to[k++] = char(0x80 | ((cp >> 12) & 0x3F));
            to[k++] = char(0x80 | ((cp >> 6) & 0x3F));
            to[k++] = char(0x80 | (cp & 0x3F));
        }
    }
    out.truncate(k);
    return out;
}

QString SystemErrorText(int code) {
    return QString::fromLocal8Bit(std::strerror(code));
}

AtPath::AtPath(QStringView path) : m_name(EncodeFileName(path)), m_dir(AT_FDCWD) {
    if (m_name.isEmpty()) {
        m_error = ENOENT;
        return;
    }
    // Each call takes at most PATH_MAX - 1 bytes; the leading folders of a longer path are
    // opened in pieces that end at a separator.
    constexpr qsizetype Piece = PATH_MAX - 1;
    qsizetype start = 0;
    while (m_name.size() - start > Piece) {
        qsizetype next = 1; // an absolute path starts from the root folder
        QByteArray piece("/");
        if (start > 0 || m_name[0] != '/') {
            const qsizetype cut = m_name.lastIndexOf('/', start + Piece - 1);
            if (cut <= start) {
                m_error = ENAMETOOLONG; // one name longer than any file system takes
                break;
            }
            piece = m_name.mid(start, cut - start);
            next = cut + 1;
        }
        const int fd = AtOpenFolder(m_dir, piece.constData());
        const int openError = errno;
        if (m_dir != AT_FDCWD)
            ::close(m_dir);
        m_dir = fd < 0 ? AT_FDCWD : fd;
        if (fd < 0) {
            m_error = openError;
            break;
        }
        start = next;
        while (start < m_name.size() && m_name[start] == '/')
            ++start;
    }
    m_name.remove(0, start);
    if (m_name.isEmpty())
        m_name = "."; // the path named a folder and ended at a piece's separator
}

AtPath::~AtPath() {
    if (m_dir != AT_FDCWD)
        ::close(m_dir);
}

#endif

NativeFile::~NativeFile() {
    close();
}

bool NativeFile::isOpen() const {
    return m_handle != -1;
}

#ifndef Q_OS_WIN

// The outcome of an opening: the descriptor, described, or the error negated. A folder is
// refused.
static bool TakeOpened(int fd, std::intptr_t& handle, int& error, std::int64_t& size,
                       std::int64_t& lastWriteTime) {
    if (fd < 0) {
        error = -fd;
        return false;
    }
    struct stat st {};
    const bool described = ::fstat(fd, &st) == 0;
    if (described && S_ISDIR(st.st_mode)) {
        ::close(fd);
        error = EISDIR;
        return false;
    }
    size = described ? std::int64_t(st.st_size) : -1;
    lastWriteTime = FileTimeMs(st.st_mtim.tv_sec, st.st_mtim.tv_nsec);
    handle = fd;
    return true;
}

// Opens `name` (a path, or a name inside the open folder `folderFd`).
static bool OpenPosix(std::intptr_t& handle, int& error, std::int64_t& size,
                      std::int64_t& lastWriteTime, int folderFd, QStringView name, int flags) {
    const AtPath at(name);
    if (!at.ok()) {
        error = at.error();
        return false;
    }
    // A name inside an open folder is short; a whole path is taken from where AtPath reached.
    const int dir = folderFd == AT_FDCWD ? at.dir() : folderFd;
    const int fd = OpenAt(dir, at.name(), flags);
    return TakeOpened(fd < 0 ? -errno : fd, handle, error, size, lastWriteTime);
}

void NativeFile::adoptOpened(int descriptorOrError) {
    close();
    TakeOpened(descriptorOrError, m_handle, m_error, m_size, m_lastWriteTime);
}

void NativeFile::adoptFirstBlock(const char* bytes, std::int64_t count) {
    m_aheadStart = 0;
    m_aheadSize = std::clamp<std::int64_t>(count, 0, ReadAheadSize);
    std::memcpy(m_ahead, bytes, size_t(m_aheadSize));
}

int NativeFile::releaseDescriptor() {
    const int fd = int(m_handle);
    m_handle = -1;
    close();
    return fd;
}

bool NativeFile::openRead(QStringView path) {
    close();
    return OpenPosix(m_handle, m_error, m_size, m_lastWriteTime, AT_FDCWD, path,
                     O_RDONLY | O_NONBLOCK);
}

bool NativeFile::openReadIn(const NativeFolder& folder, const QString& name) {
    if (folder.descriptor() == -1)
        return openRead(folder.path() + name);
    close();
    return OpenPosix(m_handle, m_error, m_size, m_lastWriteTime, folder.descriptor(), name,
                     O_RDONLY | O_NONBLOCK);
}

bool NativeFile::openWrite(QStringView path) {
    close();
    return OpenPosix(m_handle, m_error, m_size, m_lastWriteTime, AT_FDCWD, path, O_WRONLY);
}

// The file is not described at the opening (a folder cannot be opened for writing anyway):
// who writes the file needs its size and time afterwards, and a small file's size comes with
// its first read, so that one description serves both.
bool NativeFile::openReadWrite(QStringView path) {
    close();
    const AtPath at(path);
    if (!at.ok()) {
        m_error = at.error();
        return false;
    }
    const int fd = OpenAt(at.dir(), at.name(), O_RDWR);
    if (fd < 0) {
        m_error = errno;
        return false;
    }
    m_handle = fd;
    return true;
}

int WriteAccessError(QStringView path) {
    const AtPath at(path);
    if (!at.ok())
        return at.error();
    return ::faccessat(at.dir(), at.name(), W_OK, AT_EACCESS) == 0 ? 0 : errno;
}

NativeFolder::~NativeFolder() {
    close();
}

void NativeFolder::open(const QString& path) {
    close();
    m_path = path;
    const AtPath at(path);
    if (at.ok())
        m_handle = AtOpenFolder(at.dir(), at.name());
}

void NativeFolder::close() {
    if (m_handle != -1)
        ::close(int(m_handle));
    m_handle = -1;
    m_path.clear();
}

void NativeFile::close() {
    if (m_handle != -1)
        ::close(int(m_handle));
    m_handle = -1;
    m_position = 0;
    m_size = -1;
    m_aheadSize = 0;
    m_aheadStart = 0;
}

std::int64_t NativeFile::size() {
    if (m_size >= 0)
        return m_size;
    std::int64_t size = -1;
    std::int64_t lastWriteTime = 0;
    return sizeAndTime(size, lastWriteTime) ? size : -1;
}

bool NativeFile::sizeAndTime(std::int64_t& size, std::int64_t& lastWriteTime) {
    if (m_size < 0 || m_lastWriteTime == TimeUnknown) {
        struct stat st {};
        if (m_handle == -1 || ::fstat(int(m_handle), &st) != 0) {
            m_error = m_handle == -1 ? EBADF : errno;
            return false;
        }
        m_size = st.st_size;
        m_lastWriteTime = FileTimeMs(st.st_mtim.tv_sec, st.st_mtim.tv_nsec);
    }
    size = m_size;
    lastWriteTime = m_lastWriteTime;
    return true;
}

bool NativeFile::seek(std::int64_t offset) {
    if (m_handle == -1 || offset < 0) {
        m_error = m_handle == -1 ? EBADF : EINVAL;
        return false;
    }
    m_position = offset;
    return true;
}

// Reads up to `count` bytes at `offset`, retrying short reads unless `once` (a file's short read
// is its end: the retry would only find nothing more); the number read, or -1.
static std::int64_t ReadAt(int fd, char* to, std::int64_t count, std::int64_t offset, int& error,
                           bool once = false) {
    std::int64_t total = 0;
    while (total < count && (total == 0 || !once)) {
        const ssize_t got = ::pread(fd, to + total, size_t(count - total), off_t(offset + total));
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0) {
            error = errno;
            return total > 0 ? total : -1;
        }
        if (got == 0)
            break;
        total += got;
    }
    return total;
}

std::int64_t NativeFile::read(void* buffer, std::int64_t count) {
    if (m_handle == -1) {
        m_error = EBADF;
        return -1;
    }
    if (count <= 0)
        return 0;
    auto* to = static_cast<char*>(buffer);
    const std::int64_t aheadEnd = m_aheadStart + m_aheadSize;
    // The block serves the read when it holds it, or holds everything up to the end.
    const bool toEnd = m_aheadSize > 0 && m_size >= 0 && aheadEnd >= m_size;
    const bool inside = m_position >= m_aheadStart && (m_position + count <= aheadEnd || toEnd);
    if (!inside && count < ReadAheadSize) {
        // Up to the end as the opening saw it: a short read then means no second call.
        std::int64_t want = ReadAheadSize;
        if (m_size >= 0)
            want = std::min(want, m_size - m_position);
        if (want <= 0)
            return 0; // at or past the end
        const bool sizeUnknown = m_size < 0;
        const std::int64_t got =
            ReadAt(int(m_handle), m_ahead, want, m_position, m_error, sizeUnknown);
        if (got < 0) {
            m_aheadSize = 0;
            return -1;
        }
        if (sizeUnknown && got < want) { // the file ends here: its size is known, not its time
            m_size = m_position + got;
            m_lastWriteTime = TimeUnknown;
        }
        m_aheadSize = got;
        m_aheadStart = m_position;
    } else if (!inside) {
        const std::int64_t got = ReadAt(int(m_handle), to, count, m_position, m_error);
        if (got > 0)
            m_position += got;
        return got;
    }
    const std::int64_t available = m_aheadStart + m_aheadSize - m_position;
    const std::int64_t n = std::max<std::int64_t>(0, std::min(count, available));
    if (n > 0)
        std::memcpy(to, m_ahead + (m_position - m_aheadStart), size_t(n));
    m_position += n;
    return n;
}

bool NativeFile::dataRange(std::int64_t from, std::int64_t& start, std::int64_t& end) {
    const std::int64_t total = size();
    if (from >= total)
        return false;
    start = from;
    end = total;
    const off_t data = ::lseek(int(m_handle), off_t(from), SEEK_DATA);
    if (data < 0)
        return errno != ENXIO; // ENXIO: only a hole follows; otherwise no hole support
    const off_t hole = ::lseek(int(m_handle), data, SEEK_HOLE);
    start = std::min<std::int64_t>(data, total);
    if (hole >= 0)
        end = std::min<std::int64_t>(hole, total);
    return start < end;
}

std::int64_t NativeFile::write(const void* buffer, std::int64_t count) {
    if (m_handle == -1) {
        m_error = EBADF;
        return -1;
    }
    m_aheadSize = 0; // what was read ahead may be stale now
    m_size = -1;
    std::int64_t written = 0;
    if (const int error = WriteAll(int(m_handle), buffer, count, m_position, &written)) {
        m_error = error;
        if (written == 0)
            return -1;
    }
    m_position += written;
    return written;
}

#endif
