#pragma once
// File access where Linux and Windows differ: names, opening, reading and writing, and the
// operating system's own error texts.
//
// On Linux a file name is bytes. Names that are not valid UTF-8 keep each undecodable byte as
// one lone surrogate U+DC80..U+DCFF, and encode back to the same byte, so every listed file can
// be opened, renamed, copied and deleted again. On Windows names are UTF-16 already.

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QStringView>
#include <cstdint>
#include <functional>

// The folder separator of this platform: '\\' on Windows, '/' elsewhere.
QChar FolderSeparator();

// Path text to the bytes the file system takes (Linux), and back.
QByteArray EncodeFileName(QStringView path);
QString DecodeFileName(const QByteArray& bytes);

// The program's command line as file names are given: argv decoded as names are on Linux; on
// Windows the system's own UTF-16 command line, since argv holds the ANSI code page there and
// loses every letter outside it. Called after the application object is made.
QStringList ProgramArguments(int argc, char* argv[]);

// Milliseconds since 1970-01-01 UTC of a file time as the system gives it: seconds and
// nanoseconds since 1970 (Linux), or 100-nanosecond ticks since 1601 (Windows).
std::int64_t FileTimeMs(std::int64_t seconds, std::int64_t nanoseconds);
std::int64_t FileTimeMs(std::uint64_t ticks);

// The operating system's own message for an error code (errno on Linux, GetLastError on
// Windows).
QString SystemErrorText(int code);

// 0 when this process may open the existing file at `path` for writing, as far as the system
// says without opening it (Linux: its access check; Windows: the read-only attribute);
// otherwise the system's error code (EACCES, EROFS, ENOENT; ERROR_ACCESS_DENIED, ...).
int WriteAccessError(QStringView path);

#ifndef Q_OS_WIN
// A path as the *at system calls take it: a folder descriptor and a name relative to it. A
// path too long for one call (PATH_MAX) is reached by opening its leading folders a piece at a
// time, each piece short enough for one call, so that depth never limits what can be opened,
// listed, renamed, copied or deleted. The folders resolve as the system resolves them ("..",
// links). Closes the folder it opened.
class AtPath {
public:
    explicit AtPath(QStringView path);
    ~AtPath();
    AtPath(const AtPath&) = delete;
    AtPath& operator=(const AtPath&) = delete;

    bool ok() const { return m_error == 0; }
    int error() const { return m_error; } // ENOENT for an empty path, or why a folder failed
    int dir() const { return m_dir; }     // AT_FDCWD or the open folder holding name()
    const char* name() const { return m_name.constData(); }

private:
    QByteArray m_name;
    int m_dir;
    int m_error = 0;
};
#endif

// An open folder whose files are then opened by their names alone, so that the system does not
// walk the folder's whole path again for each of them. Closed by the destructor.
class NativeFolder {
public:
    NativeFolder() = default;
    ~NativeFolder();
    NativeFolder(const NativeFolder&) = delete;
    NativeFolder& operator=(const NativeFolder&) = delete;

    // The folder path ends in the separator. When the folder cannot be opened, its files are
    // opened by their whole paths instead; the path is kept either way.
    void open(const QString& path);
    void close();
    const QString& path() const { return m_path; }
#ifndef Q_OS_WIN
    // The open folder's descriptor, for openings made elsewhere; -1 when it is not open.
    int descriptor() const {
        return int(m_handle);
    }
#endif

private:
    QString m_path;
    std::intptr_t m_handle = -1;
};

// One open file, closed by the destructor. Never creates a file.
class NativeFile {
public:
    NativeFile() = default;
    ~NativeFile();
    NativeFile(const NativeFile&) = delete;
    NativeFile& operator=(const NativeFile&) = delete;

    bool openRead(QStringView path);                                  // existing file, read only
    bool openReadIn(const NativeFolder& folder, const QString& name); // the same, inside the folder
    bool openWrite(QStringView path); // existing file, write only, not truncated
    // Existing file, read and write, not truncated; a folder is refused.
    bool openReadWrite(QStringView path);
    void close();
    bool isOpen() const;

    std::int64_t size(); // -1 on failure
    // The open file's size and last write time (ms since 1970-01-01 UTC); false on failure.
    bool sizeAndTime(std::int64_t& size, std::int64_t& lastWriteTime);
    bool seek(std::int64_t offset); // from the beginning
    // Reads up to `count` bytes; returns the number read (0 at the end, -1 on failure).
    std::int64_t read(void* buffer, std::int64_t count);
    // Writes `count` bytes; returns the number written (-1 on failure). Fewer than `count`
    // only on a failure, whose error code lastError() then gives.
    std::int64_t write(const void* buffer, std::int64_t count);

    int lastError() const { return m_error; } // the system error code of the last failure

    // The next stretch of the file at or after `from` that may hold data: [start, end). Holes
    // of a sparse file (which read as zeros) are skipped where the file system tells them;
    // elsewhere the stretch runs to the end of the file. False when no data follows `from`.
    bool dataRange(std::int64_t from, std::int64_t& start, std::int64_t& end);

    // Whoever reads the file at length asks abortRequested() now and then; the answer comes
    // from the check set here (the scan's look for Esc), false without one.
    void setAbortCheck(std::function<bool()> check) { m_abortCheck = std::move(check); }
    bool abortRequested() const { return m_abortCheck && m_abortCheck(); }

    // How much of the file the first small read fetches at once.
    static constexpr std::int64_t ReadAheadSize = 8192;

#ifndef Q_OS_WIN
    // For openings, first reads and closings made elsewhere (a batch of them given to the
    // system at once). adoptOpened() takes over the outcome of an opening for reading, a
    // descriptor or the system's error negated, as openReadIn would have left it;
    // adoptFirstBlock() the file's first bytes, read elsewhere, as the first small read would
    // have left them; releaseDescriptor() hands the descriptor over to be closed elsewhere and
    // leaves the file closed (-1 when it was not open).
    void adoptOpened(int descriptorOrError);
    void adoptFirstBlock(const char* bytes, std::int64_t count);
    int descriptor() const {
        return int(m_handle);
    }
    int releaseDescriptor();
#endif

private:
    std::function<bool()> m_abortCheck;
    std::intptr_t m_handle = -1;
    int m_error = 0;
    // Linux: reads and writes go to the position kept here (pread/pwrite), and small reads are
    // served from one read-ahead block, so that reading a file's scattered fields costs one
    // system call instead of a seek and a read for each.
    std::int64_t m_position = 0;
    // From the opening, or (a file opened for reading and writing) from a first read that
    // reached the end; -1 once a write may have changed it.
    std::int64_t m_size = -1;
    // From the opening, while m_size is known; TimeUnknown when only a read told the size.
    static constexpr std::int64_t TimeUnknown = INT64_MIN;
    std::int64_t m_lastWriteTime = 0;
    // The block lives inside the object, so that opening and reading a small file allocates
    // nothing.
    char m_ahead[ReadAheadSize];
    std::int64_t m_aheadSize = 0;
    std::int64_t m_aheadStart = 0;
};
