// The Windows side of platform/native_fileops.h. Paths go through LongPathW, so files nested
// beyond 260 characters are copied, moved, renamed and deleted like any other.

#include "platform/native_fileops.h"

#ifdef Q_OS_WIN
#include "platform/win_path.h"

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
#endif
