// The Windows side of platform/native_fileops.h. Paths go through LongPathW, so files nested
// beyond 260 characters are copied, moved, renamed and deleted like any other.

#include "platform/native_fileops.h"

#ifdef Q_OS_WIN
#include "platform/win_path.h"

#include <QFile>
#include <windows.h>

static int Result(BOOL ok) {
    return ok ? 0 : int(GetLastError());
}

int CopyFileNoReplace(const QString& from, const QString& to) {
    // Fails when the target exists; keeps the last-write time; removes its own partial target.
    return Result(CopyFileW(LongPathW(from).c_str(), LongPathW(to).c_str(), TRUE));
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

bool PathExists(const QString& path) {
    return GetFileAttributesW(LongPathW(path).c_str()) != INVALID_FILE_ATTRIBUTES;
}

bool NameTakenError(int error) {
    return error == ERROR_FILE_EXISTS || error == ERROR_ALREADY_EXISTS;
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
