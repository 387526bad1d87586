// The Windows side of platform/native_file.h: names are UTF-16 already, files are opened
// through LongPathW so that any depth of nesting opens, and error texts are the system's own.

#include "platform/native_file.h"

#ifdef Q_OS_WIN
#include "platform/win_path.h"

#include <QCoreApplication>
#include <algorithm>
#include <windows.h>

QByteArray EncodeFileName(QStringView path) {
    return path.toUtf8();
}

QString DecodeFileName(const QByteArray& bytes) {
    return QString::fromUtf8(bytes);
}

QStringList ProgramArguments(int, char*[]) {
    return QCoreApplication::arguments();
}

QString SystemErrorText(int code) {
    wchar_t* text = nullptr;
    DWORD n = FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, DWORD(code), 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
    QString result = n ? QString::fromWCharArray(text, int(n)).trimmed() : QString();
    if (text)
        LocalFree(text);
    return result;
}

static HANDLE H(std::intptr_t h) {
    return reinterpret_cast<HANDLE>(h);
}

// Opens an existing file; others may go on reading it meanwhile, and a reader lets others
// write and delete too, as a file manager's glance at a file should.
static bool OpenWin(std::intptr_t& handle, int& error, QStringView path, DWORD access) {
    if (path.isEmpty()) {
        error = ERROR_PATH_NOT_FOUND;
        return false;
    }
    const std::wstring p = LongPathW(path);
    const DWORD share = access == GENERIC_READ
                            ? FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE
                            : FILE_SHARE_READ;
    HANDLE h = CreateFileW(p.c_str(), access, share, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL,
                           nullptr);
    if (h == INVALID_HANDLE_VALUE) {
        error = int(GetLastError());
        return false;
    }
    handle = reinterpret_cast<std::intptr_t>(h);
    return true;
}

// Reading never waits: a pipe that stands where a file was listed opens at once and reads
// as empty instead of blocking the scan or the panel.
bool NativeFile::openRead(QStringView path) {
    close();
    return OpenWin(m_handle, m_error, path, GENERIC_READ);
}

bool NativeFile::openReadIn(const NativeFolder& folder, const QString& name) {
    return openRead(folder.path() + name);
}

NativeFolder::~NativeFolder() {
    close();
}

void NativeFolder::open(const QString& path) {
    m_path = path;
}

void NativeFolder::close() {
    m_path.clear();
}

bool NativeFile::openWrite(QStringView path) {
    close();
    return OpenWin(m_handle, m_error, path, GENERIC_WRITE);
}

bool NativeFile::openReadWrite(QStringView path) {
    close();
    return OpenWin(m_handle, m_error, path, GENERIC_READ | GENERIC_WRITE);
}

int WriteAccessError(QStringView path) {
    if (path.isEmpty())
        return ERROR_PATH_NOT_FOUND;
    const DWORD attributes = GetFileAttributesW(LongPathW(path).c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES)
        return int(GetLastError());
    return attributes & FILE_ATTRIBUTE_READONLY ? ERROR_ACCESS_DENIED : 0;
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

bool NativeFile::sizeAndTime(std::int64_t& size, std::int64_t& lastWriteTime) {
    BY_HANDLE_FILE_INFORMATION info;
    if (!GetFileInformationByHandle(H(m_handle), &info)) {
        m_error = int(GetLastError());
        return false;
    }
    size = std::int64_t((std::uint64_t(info.nFileSizeHigh) << 32) | info.nFileSizeLow);
    lastWriteTime = FileTimeMs((std::uint64_t(info.ftLastWriteTime.dwHighDateTime) << 32) |
                               info.ftLastWriteTime.dwLowDateTime);
    return true;
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

// One call moves at most 4 GiB - 1 bytes; larger counts take several.
static constexpr std::int64_t LargestCall = 0x7FFFF000;

std::int64_t NativeFile::read(void* buffer, std::int64_t count) {
    auto* to = static_cast<char*>(buffer);
    std::int64_t total = 0;
    while (total < count) {
        DWORD got = 0;
        const DWORD want = DWORD(std::min(count - total, LargestCall));
        if (!ReadFile(H(m_handle), to + total, want, &got, nullptr)) {
            m_error = int(GetLastError());
            return total > 0 ? total : -1;
        }
        if (got == 0)
            break;
        total += got;
    }
    return total;
}

// The file system's sparse ranges are not asked for: the data runs to the end of the file.
bool NativeFile::dataRange(std::int64_t from, std::int64_t& start, std::int64_t& end) {
    const std::int64_t total = size();
    start = from;
    end = total;
    return from < total;
}

std::int64_t NativeFile::write(const void* buffer, std::int64_t count) {
    const auto* from = static_cast<const char*>(buffer);
    std::int64_t total = 0;
    while (total < count) {
        DWORD put = 0;
        const DWORD want = DWORD(std::min(count - total, LargestCall));
        if (!WriteFile(H(m_handle), from + total, want, &put, nullptr)) {
            m_error = int(GetLastError());
            return total > 0 ? total : -1;
        }
        if (put == 0) { // the system took nothing without saying why: no room left
            m_error = ERROR_HANDLE_DISK_FULL;
            break;
        }
        total += put;
    }
    return total;
}
#endif
