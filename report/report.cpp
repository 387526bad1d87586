#include "report/report.h"

#include "catalogue/catalogue_model.h"
#include "catalogue/columns.h"
#include "format/text_convert.h"
#include "platform/native_file.h"
#include "platform/retry_io.h"

#include <QCoreApplication>
#include <cerrno>

#ifdef Q_OS_WIN
#include "platform/win_path.h"

#include <windows.h>
#else
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

// Collects the pieces of one line in the output's encoding.
struct ReportTarget {
    ReportEncoding encoding;
    QByteArray line;
};

// Converts one piece and appends it to the line.
static void ReportWrite(ReportTarget& target, QStringView text) {
    if (target.encoding == ReportEncoding::Cp1252)
        target.line += WideToCp1252(text);
    else
        target.line += text.toUtf8();
}

// A file name or folder, cleaned like the text fields: a name may hold a tab, CR or LF, which
// would shift the columns or split the line. In UTF-8 the file system's own bytes, so that a
// name that is not valid UTF-8 is printed as it is stored.
static void ReportWriteName(ReportTarget& target, QStringView name) {
    const QString text = CleanReportField(name);
    if (target.encoding == ReportEncoding::Cp1252)
        target.line += WideToCp1252(text);
    else
        target.line += EncodeFileName(text);
}

QString CleanReportField(QStringView text) {
    QString out;
    out.reserve(text.size());
    for (const QChar c : text) {
        if (c == QChar(0)) // the text ends at its first NUL
            break;
        if (c == u'"')
            continue;
        out += (c == u'\t' || c == u'\r' || c == u'\n') ? QChar(u' ') : c;
    }
    return out;
}

static void ReportField(ReportTarget& target, QStringView text) {
    ReportWrite(target, QString(CleanReportField(text) + u'\t'));
}

QByteArray ReportLine(const Entry& entry, quint16 flags, ReportEncoding encoding) {
    ReportTarget target{encoding, {}};
    if (flags & ReportFolder) {
        ReportWriteName(target, entry.folder);
        const bool fullPath = (flags & ReportFullPath) && (flags & ReportName);
        if (!fullPath)
            ReportWrite(target, u"\t");
    }
    if (flags & ReportName) {
        ReportWriteName(target, entry.name);
        ReportWrite(target, u"\t");
    }
    if (flags & ReportDate)
        ReportWrite(target, QString(FormatEntryDate(entry.lastWriteTime) + u'\t'));
    if (flags & ReportSize) // the same number as the Size column
        ReportWrite(target, QString(QString::number(entry.size) + u'\t'));
    if (flags & ReportTitle)
        ReportField(target, entry.title);
    if (flags & ReportAuthor)
        ReportField(target, entry.subtitle);
    if (flags & ReportTuning)
        ReportField(target, FormatTuning(entry.tuning));
    ReportWrite(target, u"\r\n"); // CR LF on every system, in the file and on the clipboard
    return target.line;
}

ReportText CreateReportText(const std::vector<const Entry*>& rows, quint16 flags) {
    const bool toFile = flags & ReportToFile;
    ReportText report;
    for (const Entry* entry : rows) {
        const QByteArray line = ReportLine(*entry, flags);
        if (!toFile &&
            (report.rowsLeftOut > 0 || report.bytes.size() + line.size() > ReportClipboardLimit)) {
            ++report.rowsLeftOut;
            continue;
        }
        report.bytes += line;
        ++report.rowsWritten;
    }
    return report;
}

std::vector<const Entry*> SelectedReportRows(const CatalogueModel& list) {
    std::vector<const Entry*> rows;
    for (int row = list.nextRow(-1, true); row >= 0; row = list.nextRow(row, true))
        rows.push_back(list.entryAt(row));
    return rows;
}

#ifdef Q_OS_WIN

// Creates the file only when no file of that name exists, writes all bytes and makes them
// durable; removes it again when that fails. 0 or the error code.
static DWORD WriteNewFile(const std::wstring& path, const QByteArray& bytes) {
    HANDLE h = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE)
        return GetLastError();
    DWORD error = 0;
    qsizetype done = 0;
    while (done < bytes.size() && error == 0) {
        DWORD put = 0;
        const DWORD want = DWORD(qMin<qsizetype>(bytes.size() - done, 1 << 20));
        if (!WriteFile(h, bytes.constData() + done, want, &put, nullptr))
            error = GetLastError();
        else if (put == 0)
            error = ERROR_WRITE_FAULT;
        done += put;
    }
    if (error == 0 && !FlushFileBuffers(h))
        error = GetLastError();
    if (!CloseHandle(h) && error == 0)
        error = GetLastError();
    if (error != 0)
        DeleteFileW(path.c_str());
    return error;
}

// A new file is created exclusively. An existing file is replaced only once the new report is
// completely written beside it, so a failed report never costs the old file its content.
QString WriteReportFile(const QString& path, const QByteArray& bytes) {
    const std::wstring target = LongPathW(path);
    const DWORD attributes = GetFileAttributesW(target.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) {
        const DWORD error = WriteNewFile(target, bytes);
        return error == 0 ? QString() : SystemErrorText(int(error));
    }
    if (attributes & FILE_ATTRIBUTE_DIRECTORY)
        return SystemErrorText(ERROR_ACCESS_DENIED); // what opening a folder as a file gives
    std::wstring beside;
    DWORD error = ERROR_FILE_EXISTS;
    for (unsigned n = 0; n < 100 && error == ERROR_FILE_EXISTS; ++n) {
        beside = target + L"." + std::to_wstring(GetCurrentProcessId() + n) + L".tmp";
        error = WriteNewFile(beside, bytes);
    }
    if (error != 0)
        return SystemErrorText(int(error));
    // ReplaceFileW keeps the old file's attributes and security; where the file system cannot
    // do that, a plain move over it still replaces it in one step.
    if (!ReplaceFileW(target.c_str(), beside.c_str(), nullptr, REPLACEFILE_IGNORE_MERGE_ERRORS,
                      nullptr, nullptr) &&
        !MoveFileExW(beside.c_str(), target.c_str(),
                     MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        error = GetLastError();
        DeleteFileW(beside.c_str());
        return SystemErrorText(int(error));
    }
    return {};
}

#else

// Writes all bytes to an open descriptor and closes it; returns 0 or the error number.
static int WriteAllAndClose(int fd, const QByteArray& bytes) {
    int error = WriteAll(fd, bytes.constData(), bytes.size());
    if (error == 0 && ::fsync(fd) != 0 && errno != EINVAL && errno != EROFS)
        error = errno; // devices and pipes cannot be synced; that is no failure
    if (::close(fd) != 0 && error == 0)
        error = errno;
    return error;
}

// A new file is created exclusively and removed again when its writing fails. An existing
// regular file is replaced only once the new report is completely written beside it, so a
// failed report never costs the old file its content. Anything else (a device, a pipe) is
// written as it is.
QString WriteReportFile(const QString& path, const QByteArray& bytes) {
    QByteArray name = EncodeFileName(path);
    if (name.isEmpty())
        return SystemErrorText(ENOENT);
    struct stat st {};
    if (::stat(name.constData(), &st) != 0) {
        const int fd = OpenAt(AT_FDCWD, name.constData(), O_WRONLY | O_CREAT | O_EXCL, 0666);
        if (fd < 0)
            return SystemErrorText(errno);
        const int error = WriteAllAndClose(fd, bytes);
        if (error != 0)
            ::unlink(name.constData());
        return error == 0 ? QString() : SystemErrorText(error);
    }
    if (!S_ISREG(st.st_mode)) {
        const int fd = OpenAt(AT_FDCWD, name.constData(), O_WRONLY | O_TRUNC | O_NONBLOCK);
        if (fd < 0)
            return SystemErrorText(errno);
        const int error = WriteAllAndClose(fd, bytes);
        return error == 0 ? QString() : SystemErrorText(error);
    }
    if (char* real = ::realpath(name.constData(), nullptr)) { // replace the file a link names
        name = real;
        ::free(real);
    }
    QByteArray temporary = name + ".XXXXXX";
    const int fd = ::mkstemp(temporary.data());
    if (fd < 0)
        return SystemErrorText(errno);
    ::fchmod(fd, st.st_mode & 07777);
    int error = WriteAllAndClose(fd, bytes);
    if (error == 0 && ::rename(temporary.constData(), name.constData()) != 0)
        error = errno;
    if (error != 0)
        ::unlink(temporary.constData());
    return error == 0 ? QString() : SystemErrorText(error);
}

#endif

QString DefaultReportPath(const QString& workingFolder) {
    return workingFolder + QStringLiteral("zuflist.txt");
}

QString ReportCreatedText(const QString& path) {
    return QCoreApplication::translate("Report", "%1\nhas been successfully created").arg(path);
}

QString ReportNotCreatedText(const QString& path) {
    return QCoreApplication::translate("Report", "%1\nhas NOT been created").arg(path);
}
