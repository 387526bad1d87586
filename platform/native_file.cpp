#include "platform/native_file.h"

#include <cerrno>
#include <cstring>

#ifdef Q_OS_WIN
#include <windows.h>
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

QChar FolderSeparator() {
#ifdef Q_OS_WIN
    return QLatin1Char('\\');
#else
    return QLatin1Char('/');
#endif
}

#ifdef Q_OS_WIN

QByteArray EncodeFileName(QStringView path) {
    return path.toUtf8();
}

QString DecodeFileName(const QByteArray& bytes) {
    return QString::fromUtf8(bytes);
}

QString SystemErrorText(int code) {
    wchar_t* text = nullptr;
    DWORD n = FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM |
                                 FORMAT_MESSAGE_IGNORE_INSERTS,
                             nullptr, DWORD(code), 0, reinterpret_cast<wchar_t*>(&text), 0,
                             nullptr);
    QString result = n ? QString::fromWCharArray(text, int(n)).trimmed() : QString();
    if (text)
        LocalFree(text);
    return result;
}

#else

// Decodes UTF-8, keeping each byte that is not part of a valid sequence as U+DC00 + byte.
QString DecodeFileName(const QByteArray& bytes) {
    QString out;
    out.reserve(bytes.size());
    const auto* s = reinterpret_cast<const unsigned char*>(bytes.constData());
    const qsizetype n = bytes.size();
    qsizetype i = 0;
    while (i < n) {
        unsigned c = s[i];
        if (c < 0x80) {
            out.append(QChar(char16_t(c)));
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
        for (int k = 1; ok && k < len; ++k) {
            unsigned cc = s[i + k];
            if ((cc & 0xC0) != 0x80)
                ok = false;
            else
                cp = (cp << 6) | (cc & 0x3F);
        }
        if (ok && (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)))
            ok = false;
        if (!ok) {
            out.append(QChar(char16_t(0xDC00 + c)));
            ++i;
            continue;
        }
        if (cp >= 0x10000) {
            out.append(QChar(QChar::highSurrogate(cp)));
            out.append(QChar(QChar::lowSurrogate(cp)));
        } else {
            out.append(QChar(char16_t(cp)));
        }
        i += len;
    }
    return out;
}

QByteArray EncodeFileName(QStringView path) {
    QByteArray out;
    out.reserve(path.size());
    const qsizetype n = path.size();
    for (qsizetype i = 0; i < n; ++i) {
        char16_t u = path[i].unicode();
        char32_t cp = u;
        if (u >= 0xDC80 && u <= 0xDCFF) {
            out.append(char(u - 0xDC00)); // an escaped byte of an undecodable name
            continue;
        }
        if (QChar::isHighSurrogate(u) && i + 1 < n && path[i + 1].isLowSurrogate()) {
            cp = QChar::surrogateToUcs4(u, path[i + 1].unicode());
            ++i;
        } else if (QChar::isSurrogate(u)) {
            cp = 0xFFFD;
        }
        if (cp < 0x80) {
            out.append(char(cp));
        } else if (cp < 0x800) {
            out.append(char(0xC0 | (cp >> 6)));
            out.append(char(0x80 | (cp & 0x3F)));
        } else if (cp < 0x10000) {
            out.append(char(0xE0 | (cp >> 12)));
            out.append(char(0x80 | ((cp >> 6) & 0x3F)));
            out.append(char(0x80 | (cp & 0x3F)));
        } else {
            out.append(char(0xF0 | (cp >> 18)));
            out.append(char(0x80 | ((cp >> 12) & 0x3F)));
            out.append(char(0x80 | ((cp >> 6) & 0x3F)));
            out.append(char(0x80 | (cp & 0x3F)));
        }
    }
    return out;
}

QString SystemErrorText(int code) {
    return QString::fromLocal8Bit(std::strerror(code));
}

#endif

NativeFile::~NativeFile() {
    close();
}

bool NativeFile::isOpen() const {
    return m_handle != -1;
}

#ifdef Q_OS_WIN

static HANDLE H(std::intptr_t h) {
    return reinterpret_cast<HANDLE>(h);
}

static bool OpenWin(std::intptr_t& handle, int& error, QStringView path, DWORD access) {
    std::wstring p = path.toString().toStdWString();
    HANDLE h = CreateFileW(p.c_str(), access, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE) {
        error = int(GetLastError());
        return false;
    }
    handle = reinterpret_cast<std::intptr_t>(h);
    return true;
}

bool NativeFile::openRead(QStringView path) {
    close();
    return OpenWin(m_handle, m_error, path, GENERIC_READ);
}

bool NativeFile::openWrite(QStringView path) {
    close();
    return OpenWin(m_handle, m_error, path, GENERIC_WRITE);
}

void NativeFile::close() {
    if (m_handle != -1)
        CloseHandle(H(m_handle));
    m_handle = -1;
}

std::int64_t NativeFile::size() {
    LARGE_INTEGER s;
    if (!GetFileSizeEx(H(m_handle), &s)) {
        m_error = int(GetLastError());
        return -1;
    }
    return s.QuadPart;
}

bool NativeFile::seek(std::int64_t offset) {
    LARGE_INTEGER d;
    d.QuadPart = offset;
    if (!SetFilePointerEx(H(m_handle), d, nullptr, FILE_BEGIN)) {
        m_error = int(GetLastError());
        return false;
    }
    return true;
}

std::int64_t NativeFile::read(void* buffer, std::int64_t count) {
    DWORD got = 0;
    if (!ReadFile(H(m_handle), buffer, DWORD(count), &got, nullptr)) {
        m_error = int(GetLastError());
        return -1;
    }
    return got;
}

std::int64_t NativeFile::write(const void* buffer, std::int64_t count) {
    DWORD put = 0;
    if (!WriteFile(H(m_handle), buffer, DWORD(count), &put, nullptr)) {
        m_error = int(GetLastError());
        return -1;
    }
    return put;
}

#else

static bool OpenPosix(std::intptr_t& handle, int& error, QStringView path, int flags) {
    QByteArray name = EncodeFileName(path);
    if (name.isEmpty()) {
        error = ENOENT;
        return false;
    }
    int fd;
    do {
        fd = ::open(name.constData(), flags | O_CLOEXEC);
    } while (fd < 0 && errno == EINTR);
    if (fd < 0) {
        error = errno;
        return false;
    }
    struct stat st {};
    if (::fstat(fd, &st) == 0 && S_ISDIR(st.st_mode)) {
        ::close(fd);
        error = EISDIR;
        return false;
    }
    handle = fd;
    return true;
}

bool NativeFile::openRead(QStringView path) {
    close();
    return OpenPosix(m_handle, m_error, path, O_RDONLY);
}

bool NativeFile::openWrite(QStringView path) {
    close();
    return OpenPosix(m_handle, m_error, path, O_WRONLY);
}

void NativeFile::close() {
    if (m_handle != -1)
        ::close(int(m_handle));
    m_handle = -1;
}

std::int64_t NativeFile::size() {
    struct stat st {};
    if (::fstat(int(m_handle), &st) != 0) {
        m_error = errno;
        return -1;
    }
    return st.st_size;
}

bool NativeFile::seek(std::int64_t offset) {
    if (::lseek(int(m_handle), off_t(offset), SEEK_SET) < 0) {
        m_error = errno;
        return false;
    }
    return true;
}

std::int64_t NativeFile::read(void* buffer, std::int64_t count) {
    auto* p = static_cast<char*>(buffer);
    std::int64_t total = 0;
    while (total < count) {
        ssize_t got = ::read(int(m_handle), p + total, size_t(count - total));
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0) {
            m_error = errno;
            return total > 0 ? total : -1;
        }
        if (got == 0)
            break;
        total += got;
    }
    return total;
}

std::int64_t NativeFile::write(const void* buffer, std::int64_t count) {
    const auto* p = static_cast<const char*>(buffer);
    std::int64_t total = 0;
    while (total < count) {
        ssize_t put = ::write(int(m_handle), p + total, size_t(count - total));
        if (put < 0 && errno == EINTR)
            continue;
        if (put < 0) {
            m_error = errno;
            return total > 0 ? total : -1;
        }
        if (put == 0)
            break;
        total += put;
    }
    return total;
}

#endif
