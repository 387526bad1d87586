#pragma once
// The file operations that change the user's files, where Linux and Windows differ. None of
// them ever replaces an existing file. Each returns 0 on success, otherwise the operating
// system's error code (errno on Linux, GetLastError on Windows) for SystemErrorText.

#include <QByteArray>
#include <QString>

// Copies the file `from` to the new file `to`. The target is created exclusively: when a file
// of that name exists (the file's own folder included) the copy fails and both stay as they
// were. The copy keeps the source's last-write time. When the copy fails after the target was
// created (a full disk, a read error), the partial target is removed again; a file that
// existed before is never touched.
int CopyFileNoReplace(const QString& from, const QString& to);

// Deletes the file for good (no recycle bin).
int DeleteFileNative(const QString& path);

// Where a file moved to the trash now lies: the file itself and, in the freedesktop trash, the
// .trashinfo file that names its old place (empty on Windows).
struct TrashedFile {
    QString path;
    QString infoPath;
};

struct TrashResult {
    int error = 0;        // 0: the file is in the trash; else the system's code (0 if it gave none)
    bool noTrash = false; // the failure is the trash's, not the file's: there is none for it
    TrashedFile trashed;
};

// Moves the file to the desktop's trash: on Linux the freedesktop trash of the user
// ($XDG_DATA_HOME/Trash), which takes files of the file system it lies on; on Windows the
// Recycle Bin. The file is never deleted for good here: when it cannot go to the trash it
// stays where it was.
TrashResult MoveToTrash(const QString& path);

// Puts a file from the trash back under `original`, never replacing a file that has that name
// now, and removes its .trashinfo. Windows offers no call that restores from the Recycle Bin:
// there the answer is always ERROR_NOT_SUPPORTED.
int RestoreFromTrash(const TrashedFile& trashed, const QString& original);

// True when the error says that the target name is taken (a copy or rename that refused to
// replace a file).
bool NameTakenError(int error);

// True when the error says that the two paths lie on different drives (file systems), so
// that a file cannot be renamed from one to the other.
bool OtherDriveError(int error);

// Gives the file `from` the name `to`. Never replaces an existing file: when `to` exists the
// rename fails and both files stay as they were. A rename to the identical path succeeds
// without touching the file.
int RenameNoReplace(const QString& from, const QString& to);

// Gives the file `from` the path `to`, never replacing a file: a rename, or between file
// systems a copy (CopyFileNoReplace) and then the deletion of the original. When that deletion
// fails, the copy is deleted again, so that there are never two.
int MoveNoReplace(const QString& from, const QString& to);

// Writes `bytes` as the file `path`: under an unfinished name beside it, made durable, and only
// then renamed to `path`, so that a write cut short never stands under the real name. An
// existing file is replaced only when `replace` is true (the user agreed); otherwise a taken
// name fails the write and the file that holds it stays as it was. On a failure the
// unfinished file is removed again.
int WriteFileThroughUnfinished(const QString& path, const QByteArray& bytes, bool replace);

// Creates one folder; its parent must exist.
int MakeFolder(const QString& path);

// Removes the folder when it is empty; a folder that holds anything stays.
int RemoveEmptyFolder(const QString& path);

// True when something (a file, a folder, a link) exists under this name.
bool PathExists(const QString& path);
