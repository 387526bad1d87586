#pragma once
// The file operations that change the user's files, where Linux and Windows differ. None of
// them ever replaces an existing file. Each returns 0 on success, otherwise the operating
// system's error code (errno on Linux, GetLastError on Windows) for SystemErrorText.

#include <QString>

// Copies the file `from` to the new file `to`. The target is created exclusively: when a file
// of that name exists (the file's own folder included) the copy fails and both stay as they
// were. The copy keeps the source's last-write time. When the copy fails after the target was
// created (a full disk, a read error), the partial target is removed again; a file that
// existed before is never touched.
int CopyFileNoReplace(const QString& from, const QString& to);

// Deletes the file for good (no recycle bin).
int DeleteFileNative(const QString& path);

// Gives the file `from` the name `to`. Never replaces an existing file: when `to` exists the
// rename fails and both files stay as they were. A rename to the identical path succeeds
// without touching the file.
int RenameNoReplace(const QString& from, const QString& to);

// Creates one folder; its parent must exist.
int MakeFolder(const QString& path);

// True when something (a file, a folder, a link) exists under this name.
bool PathExists(const QString& path);
