// The Windows side of platform/native_fileops.h. Paths go through LongPathW, so files nested
// beyond 260 characters are copied, moved, renamed and deleted like any other.

#include "platform/native_fileops.h"

#ifdef Q_OS_WIN
#include "platform/win_path.h"

#include <QFile>
#include <algorithm>
#include <string>
#include <windows.h>

static int Result(BOOL ok) {
    return ok ? 0 : int(GetLastError());
}

// Makes what was written to the file durable; 0 or the error code. A copy of a read-only file
// is read-only too: it is made writable only for the flush.
static int FlushFile(const std::wstring& path) {
    const DWORD attributes = GetFileAttributesW(path.c_str());
    const bool readOnly =
        attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY);
    if (readOnly)
        SetFileAttributesW(path.c_str(), attributes & ~DWORD(FILE_ATTRIBUTE_READONLY));
    HANDLE h = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
    int error = h == INVALID_HANDLE_VALUE ? int(GetLastError()) : Result(FlushFileBuffers(h));
    if (h != INVALID_HANDLE_VALUE)
        CloseHandle(h);
    if (readOnly)
        SetFileAttributesW(path.c_str(), attributes);
    return error;
}

// The name under which a copy to `target` is written until it is complete: the file's own name
// with ".unfinished" (and a number from the second on), so that a user who finds one after a
// crash knows what it is, and the scan never lists it. The file's name is shortened where the
// whole would be longer than a file system takes.
static std::wstring UnfinishedName(const std::wstring& target, int n) {
    const std::wstring end =
        n == 1 ? std::wstring(L".unfinished") : L".unfinished-" + std::to_wstring(n);
    const size_t start = target.find_last_of(L'\\') + 1; // 0 without a separator
    size_t keep = std::min(target.size() - start, size_t(255) - end.size());
    if (keep > 0 && IS_HIGH_SURROGATE(target[start + keep - 1]))
        --keep; // not inside a character
    return target.substr(0, start + keep) + end;
}

// The copy is written under an unfinished name beside the target and gets the real name only
// once all of it is on the disk, by a move that refuses a taken name: a copy cut short by a
// crash or a kill never stands under the real name. CopyFileW keeps the last-write time. A
// name taken already is refused before any byte is copied, with the error a copy onto it gives.
int CopyFileNoReplace(const QString& from, const QString& to) {
    const std::wstring source = LongPathW(from);
    const std::wstring target = LongPathW(to);
    if (GetFileAttributesW(target.c_str()) != INVALID_FILE_ATTRIBUTES)
        return ERROR_FILE_EXISTS;
    std::wstring unfinished;
    int error = ERROR_FILE_EXISTS;
    for (int n = 1; n <= 100 && error == ERROR_FILE_EXISTS; ++n) {
        unfinished = UnfinishedName(target, n);
        error = Result(CopyFileW(source.c_str(), unfinished.c_str(), TRUE));
    }
    if (error == ERROR_FILE_EXISTS)
        return error; // each name was left by an earlier copy that did not end
    if (!error)
        error = FlushFile(unfinished);
    if (!error)
        error = Result(MoveFileExW(unfinished.c_str(), target.c_str(), MOVEFILE_WRITE_THROUGH));
    if (error) { // our own, whatever state the copy left it in
        SetFileAttributesW(unfinished.c_str(), FILE_ATTRIBUTE_NORMAL);
        DeleteFileW(unfinished.c_str());
    }
    return error == ERROR_ALREADY_EXISTS ? ERROR_FILE_EXISTS : error;
}

// Writes all bytes into a file created only when no file of that name exists, and makes them
// durable; 0 or the error code.
static int WriteNewFile(const std::wstring& path, const QByteArray& bytes) {
    HANDLE h = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE)
        return int(GetLastError());
    int error = 0;
    qsizetype done = 0;
    while (done < bytes.size() && error == 0) {
        DWORD put = 0;
        const DWORD want = DWORD(std::min<qsizetype>(bytes.size() - done, 1 << 20));
        if (!WriteFile(h, bytes.constData() + done, want, &put, nullptr))
            error = int(GetLastError());
        else if (put == 0)
            error = ERROR_WRITE_FAULT;
        done += put;
    }
    if (error == 0)
        error = Result(FlushFileBuffers(h));
    if (!CloseHandle(h) && error == 0)
        error = int(GetLastError());
    return error;
}

// The bytes go to an unfinished name beside the target, are flushed, and the finished file
// takes the target's name by a move that refuses a taken name, or replaces it when the caller
// says so.
int WriteFileThroughUnfinished(const QString& path, const QByteArray& bytes, bool replace) {
    const std::wstring target = LongPathW(path);
    if (!replace && GetFileAttributesW(target.c_str()) != INVALID_FILE_ATTRIBUTES)
        return ERROR_FILE_EXISTS;
    std::wstring unfinished;
    int error = ERROR_FILE_EXISTS;
    for (int n = 1; n <= 100 && (error == ERROR_FILE_EXISTS || error == ERROR_ALREADY_EXISTS);
         ++n) {
        unfinished = UnfinishedName(target, n);
        error = WriteNewFile(unfinished, bytes);
        if (error == ERROR_FILE_EXISTS || error == ERROR_ALREADY_EXISTS)
            unfinished.clear(); // left by an earlier write that did not end
    }
    if (!error) {
        const DWORD flags = MOVEFILE_WRITE_THROUGH | (replace ? MOVEFILE_REPLACE_EXISTING : 0);
        error = Result(MoveFileExW(unfinished.c_str(), target.c_str(), flags));
    }
    if (error && !unfinished.empty())
        DeleteFileW(unfinished.c_str());
    return error == ERROR_ALREADY_EXISTS ? ERROR_FILE_EXISTS : error;
}

int DeleteFileNative(const QString& path) {
    return Result(DeleteFileW(LongPathW(path).c_str()));
}

int RenameNoReplace(const QString& from, const QString& to) {
    const std::wstring source = LongPathW(from);
    if (from == to)
        return GetFileAttributesW(source.c_str()) == INVALID_FILE_ATTRIBUTES ? int(GetLastError())
                                                                             : 0;
    return Result(MoveFileW(source.c_str(), LongPathW(to).c_str())); // refuses an existing target
}

int MakeFolder(const QString& path) {
    return Result(CreateDirectoryW(LongPathW(path).c_str(), nullptr));
}

int RemoveEmptyFolder(const QString& path) {
    return Result(RemoveDirectoryW(LongPathW(path).c_str()));
}

bool PathExists(const QString& path) {
    return GetFileAttributesW(LongPathW(path).c_str()) != INVALID_FILE_ATTRIBUTES;
}

bool NameTakenError(int error) {
    return error == ERROR_FILE_EXISTS || error == ERROR_ALREADY_EXISTS;
}

bool OtherDriveError(int error) {
    return error == ERROR_NOT_SAME_DEVICE;
}

TrashResult MoveToTrash(const QString& path) {
    TrashResult result;
    QString inTrash;
    if (QFile::moveToTrash(path, &inTrash)) {
        result.trashed.path = inTrash;
        return result;
    }
    // The shell gives no error code back through Qt: a file still there could not go to the
    // Recycle Bin (none on that drive, or too large for it).
    result.noTrash = PathExists(path);
    result.error = result.noTrash ? 0 : int(ERROR_FILE_NOT_FOUND);
    return result;
}

int RestoreFromTrash(const TrashedFile& trashed, const QString& original) {
    (void)trashed;
    (void)original;
    return ERROR_NOT_SUPPORTED;
}
#endif
