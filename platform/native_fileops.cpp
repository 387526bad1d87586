#include "platform/native_fileops.h"

#include "platform/native_file.h"
#include "platform/retry_io.h"

#ifndef Q_OS_WIN // the Windows side is in native_fileops_win.cpp
#include <QDateTime>
#include <QDir>
#include <algorithm>
#include <cerrno>
#include <climits>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>
#endif

#ifndef Q_OS_WIN

namespace {

// Copies the bytes from one open file to the other; 0 or the error code.
int CopyBytes(int in, int out) {
    static constexpr ssize_t chunk = 1 << 16;
    QByteArray buffer(chunk, Qt::Uninitialized);
    for (;;) {
        ssize_t got = ::read(in, buffer.data(), size_t(chunk));
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return errno;
        if (got == 0)
            return 0;
        if (int error = WriteAll(out, buffer.constData(), got))
            return error;
    }
}

// Makes the written bytes durable and gives the copy the source's times; 0 or the error code.
// A file system that cannot set times does not fail the copy.
int FinishCopy(int out, const struct stat& source) {
    if (::fsync(out) != 0 && errno != EINVAL && errno != EROFS)
        return errno;
    const struct timespec times[2] = {source.st_atim, source.st_mtim};
    (void)::futimens(out, times);
    return 0;
}

// Gives the file `from` the name `to` (each inside its open folder, or a path from AT_FDCWD)
// without replacing anything: renameat2 refuses a taken name in one step; where the file
// system cannot do that, a new link fails on a taken name and then the old name goes.
int RenameAtNoReplace(int fromDir, const char* from, int toDir, const char* to) {
#ifdef SYS_renameat2
    constexpr unsigned renameNoReplace = 1; // RENAME_NOREPLACE
    if (::syscall(SYS_renameat2, fromDir, from, toDir, to, renameNoReplace) == 0)
        return 0;
    if (errno != EINVAL && errno != ENOSYS && errno != ENOTSUP && errno != EOPNOTSUPP)
        return errno;
#endif
    if (::linkat(fromDir, from, toDir, to, 0) != 0)
        return errno;
    if (::unlinkat(fromDir, from, 0) != 0) {
        const int error = errno;
        ::unlinkat(toDir, to, 0); // the link made above; the old name stays
        return error;
    }
    return 0;
}

// A folder's entries made durable: a name created or renamed in it survives a power cut.
int SyncFolder(int folder) {
    return ::fsync(folder) != 0 && errno != EINVAL && errno != EROFS ? errno : 0;
}

// The name under which a copy to `name` is written until it is complete: the file's own name
// with ".unfinished" (and a number from the second on), so that a user who finds one after a
// crash knows what it is, and the scan never lists it. The file's name is shortened where
// the whole would be longer than a file system takes.
QByteArray UnfinishedName(const QByteArray& name, int n) {
    const QByteArray end =
        n == 1 ? QByteArray(".unfinished") : ".unfinished-" + QByteArray::number(n);
    qsizetype keep = std::min<qsizetype>(name.size(), NAME_MAX - end.size());
    while (keep > 0 && keep < name.size() && (uchar(name[keep]) & 0xC0) == 0x80)
        --keep; // not inside a character
    return name.left(keep) + end;
}

// The source's bytes into a new file under an unfinished name in `folder`, made durable and
// given the source's times; that name, or empty with the error code.
QByteArray WriteUnfinishedCopy(int in, const struct stat& st, int folder, const QByteArray& name,
                               int& error) {
    for (int n = 1; n <= 100; ++n) {
        const QByteArray unfinished = UnfinishedName(name, n);
        const int out =
            OpenAt(folder, unfinished.constData(), O_WRONLY | O_CREAT | O_EXCL, st.st_mode & 0777);
        if (out < 0 && errno == EEXIST)
            continue; // left by an earlier copy that did not end: kept for the user to judge
        if (out < 0) {
            error = errno;
            return {};
        }
        error = CopyBytes(in, out);
        if (!error)
            error = FinishCopy(out, st);
        if (::close(out) != 0 && !error)
            error = errno;
        if (!error)
            return unfinished;
        ::unlinkat(folder, unfinished.constData(), 0);
        return {};
    }
    error = EEXIST;
    return {};
}

} // namespace

// Every path is taken through AtPath, so that a file in a folder deeper than one system call
// can name is handled like any other.

// The copy is written under an unfinished name beside the target and gets the real name only
// once all of it is on the disk, by a rename that refuses a taken name: a copy cut short by a
// crash or a kill never stands under the real name. A name taken already is refused before
// any byte is copied.
int CopyFileNoReplace(const QString& from, const QString& to) {
    const AtPath source(from);
    if (!source.ok())
        return source.error();
    // Opened without waiting, so that a pipe or device under a file's name cannot hang the copy.
    const int in = OpenAt(source.dir(), source.name(), O_RDONLY | O_NONBLOCK);
    if (in < 0)
        return errno;
    struct stat st {};
    int error = ::fstat(in, &st) != 0 ? errno : 0;
    if (!error && !S_ISREG(st.st_mode))
        error = S_ISDIR(st.st_mode) ? EISDIR : EINVAL;
    if (!error && ::fcntl(in, F_SETFL, ::fcntl(in, F_GETFL) & ~O_NONBLOCK) != 0)
        error = errno;
    const AtPath target(to);
    if (!error && !target.ok())
        error = target.error();
    // The target's folder, opened, and the target's name inside it.
    const QByteArray path(target.name());
    const qsizetype slash = path.lastIndexOf('/');
    const QByteArray name = path.mid(slash + 1);
    const QByteArray folderName = slash < 0 ? QByteArray(".") : slash == 0 ? "/" : path.left(slash);
    int folder = -1;
    if (!error) {
        folder = OpenAt(target.dir(), folderName.constData(), O_RDONLY | O_DIRECTORY);
        if (folder < 0)
            error = errno;
    }
    struct stat there {};
    if (!error &&
        (name.isEmpty() || ::fstatat(folder, name.constData(), &there, AT_SYMLINK_NOFOLLOW) == 0))
        error = name.isEmpty() ? ENOENT : EEXIST;
    QByteArray unfinished;
    if (!error)
        unfinished = WriteUnfinishedCopy(in, st, folder, name, error);
    if (!error) {
        error = RenameAtNoReplace(folder, unfinished.constData(), folder, name.constData());
        if (error)
            ::unlinkat(folder, unfinished.constData(), 0);
    }
    if (!error && (error = SyncFolder(folder)))
        ::unlinkat(folder, name.constData(), 0); // our own copy, whose name may not last
    if (folder >= 0)
        ::close(folder);
    ::close(in);
    return error;
}

// The bytes go to an unfinished name in the target's folder, are synced, and the finished file
// takes the target's name: by a rename that refuses a taken name, or one that replaces it when
// the caller says so. A new file gets the permissions the user's mask leaves; a replaced one
// keeps those of the file it replaces.
int WriteFileThroughUnfinished(const QString& path, const QByteArray& bytes, bool replace) {
    const AtPath target(path);
    if (!target.ok())
        return target.error();
    const QByteArray full(target.name());
    const qsizetype slash = full.lastIndexOf('/');
    const QByteArray name = full.mid(slash + 1);
    const QByteArray folderName = slash < 0 ? QByteArray(".") : slash == 0 ? "/" : full.left(slash);
    const int folder = OpenAt(target.dir(), folderName.constData(), O_RDONLY | O_DIRECTORY);
    if (folder < 0)
        return errno;
    struct stat old {};
    const bool exists = ::fstatat(folder, name.constData(), &old, 0) == 0;
    int error = exists && !replace ? EEXIST : 0;
    QByteArray unfinished;
    for (int n = 1; n <= 100 && !error && unfinished.isEmpty(); ++n) {
        const QByteArray candidate = UnfinishedName(name, n);
        const int out = OpenAt(folder, candidate.constData(), O_WRONLY | O_CREAT | O_EXCL, 0666);
        if (out < 0 && errno == EEXIST)
            continue; // left by an earlier write that did not end: kept for the user to judge
        if (out < 0) {
            error = errno;
            break;
        }
        unfinished = candidate;
        if (exists)
            ::fchmod(out, old.st_mode & 07777);
        error = WriteAll(out, bytes.constData(), bytes.size());
        if (!error && ::fsync(out) != 0)
            error = errno;
        if (::close(out) != 0 && !error)
            error = errno;
    }
    if (!error && unfinished.isEmpty())
        error = EEXIST;
    if (!error)
        error = replace ? (::renameat(folder, unfinished.constData(), folder, name.constData()) == 0
                               ? 0
                               : errno)
                        : RenameAtNoReplace(folder, unfinished.constData(), folder,
                                            name.constData());
    if (error && !unfinished.isEmpty())
        ::unlinkat(folder, unfinished.constData(), 0);
    if (!error)
        error = SyncFolder(folder);
    ::close(folder);
    return error;
}

int DeleteFileNative(const QString& path) {
    const AtPath at(path);
    if (!at.ok())
        return at.error();
    struct stat st {};
    if (::fstatat(at.dir(), at.name(), &st, AT_SYMLINK_NOFOLLOW) == 0 && S_ISDIR(st.st_mode))
        return EISDIR;
    return ::unlinkat(at.dir(), at.name(), 0) == 0 ? 0 : errno;
}

int RenameNoReplace(const QString& from, const QString& to) {
    const AtPath source(from);
    const AtPath target(to);
    if (!source.ok() || !target.ok())
        return source.ok() ? target.error() : source.error();
    if (EncodeFileName(from) == EncodeFileName(to)) {
        struct stat st {};
        return ::fstatat(source.dir(), source.name(), &st, AT_SYMLINK_NOFOLLOW) == 0 ? 0 : errno;
    }
    return RenameAtNoReplace(source.dir(), source.name(), target.dir(), target.name());
}

int MakeFolder(const QString& path) {
    const AtPath at(path);
    if (!at.ok())
        return at.error();
    return ::mkdirat(at.dir(), at.name(), 0777) == 0 ? 0 : errno;
}

int RemoveEmptyFolder(const QString& path) {
    const AtPath at(path);
    if (!at.ok())
        return at.error();
    return ::unlinkat(at.dir(), at.name(), AT_REMOVEDIR) == 0 ? 0 : errno;
}

bool PathExists(const QString& path) {
    const AtPath at(path);
    struct stat st {};
    return at.ok() && ::fstatat(at.dir(), at.name(), &st, AT_SYMLINK_NOFOLLOW) == 0;
}

bool NameTakenError(int error) {
    return error == EEXIST;
}

bool OtherDriveError(int error) {
    return error == EXDEV;
}

namespace {

// The user's freedesktop trash: $XDG_DATA_HOME/Trash, or ~/.local/share/Trash when that is not
// set to an absolute path.
QString HomeTrashFolder() {
    QString data = qEnvironmentVariable("XDG_DATA_HOME");
    if (!data.startsWith(u'/'))
        data = QDir::homePath() + QStringLiteral("/.local/share");
    return data + QStringLiteral("/Trash");
}

// Makes the folder and any missing parents, readable by the user alone, as the trash's
// folders must be; 0 or the error code.
int MakePrivateFolders(const QString& path) {
    const QByteArray bytes = EncodeFileName(path);
    if (::mkdir(bytes.constData(), 0700) != 0 && errno == ENOENT) {
        const qsizetype slash = path.lastIndexOf(u'/');
        if (slash <= 0)
            return ENOENT;
        if (int error = MakePrivateFolders(path.left(slash)))
            return error;
        (void)::mkdir(bytes.constData(), 0700);
    }
    struct stat st {};
    if (::stat(bytes.constData(), &st) != 0)
        return errno;
    return S_ISDIR(st.st_mode) ? 0 : ENOTDIR;
}

// The .trashinfo text: the file's old place as a URL path of its bytes, and the local time.
QByteArray TrashInfoText(const QString& path) {
    const QString absolute = path.startsWith(u'/') ? path : QDir::currentPath() + u'/' + path;
    return "[Trash Info]\nPath=" + EncodeFileName(absolute).toPercentEncoding("/") +
           "\nDeletionDate=" +
           QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-ddThh:mm:ss")).toLatin1() +
           '\n';
}

// The file's name in the trash, short enough for a number and ".trashinfo" to follow it.
QString TrashName(const QString& path) {
    const QByteArray name = EncodeFileName(QStringView(path).mid(path.lastIndexOf(u'/') + 1));
    return DecodeFileName(name.left(240));
}

} // namespace

TrashResult MoveToTrash(const QString& path) {
    TrashResult result;
    const AtPath source(path);
    struct stat st {};
    if (!source.ok() || ::fstatat(source.dir(), source.name(), &st, AT_SYMLINK_NOFOLLOW) != 0) {
        result.error = source.ok() ? errno : source.error();
        return result;
    }
    if (S_ISDIR(st.st_mode)) {
        result.error = EISDIR;
        return result;
    }
    // The trash takes the files of its own file system; a file elsewhere has no trash here.
    const QString trash = HomeTrashFolder();
    const QString files = trash + QStringLiteral("/files/");
    const QString info = trash + QStringLiteral("/info/");
    int error = MakePrivateFolders(trash + QStringLiteral("/files"));
    if (!error)
        error = MakePrivateFolders(trash + QStringLiteral("/info"));
    struct stat there {};
    if (!error && ::stat(EncodeFileName(files).constData(), &there) != 0)
        error = errno;
    if (!error && there.st_dev != st.st_dev)
        error = EXDEV;
    const QByteArray infoText = TrashInfoText(path);
    const QString name = TrashName(path);
    // The .trashinfo is made first and exclusively: it reserves the name in the trash.
    for (int n = 1; !error; ++n) {
        const QString candidate = n == 1 ? name : name + u'.' + QString::number(n);
        const QString infoPath = info + candidate + QStringLiteral(".trashinfo");
        const QByteArray infoBytes = EncodeFileName(infoPath);
        const int fd = OpenAt(AT_FDCWD, infoBytes.constData(), O_WRONLY | O_CREAT | O_EXCL, 0600);
        if (fd < 0 && errno == EEXIST && n < 10000)
            continue;
        if (fd < 0) {
            error = errno;
            break;
        }
        error = WriteAll(fd, infoText.constData(), infoText.size());
        if (::close(fd) != 0 && !error)
            error = errno;
        const int moved = error ? error : RenameNoReplace(path, files + candidate);
        if (moved == 0) {
            result.trashed = {files + candidate, infoPath};
            return result;
        }
        ::unlink(infoBytes.constData());
        if (error || moved == EXDEV) {
            error = moved; // the trash cannot take it
            break;
        }
        if (moved != EEXIST || n >= 10000) {
            result.error = moved; // the file itself refused: locked, vanished, no right
            return result;
        }
        // a stray file of that name in the trash: the next number
    }
    result.error = error;
    result.noTrash = true;
    return result;
}

int RestoreFromTrash(const TrashedFile& trashed, const QString& original) {
    if (int error = RenameNoReplace(trashed.path, original))
        return error;
    if (!trashed.infoPath.isEmpty())
        (void)DeleteFileNative(trashed.infoPath);
    return 0;
}

#endif

// The same on every system: made of the operations above.
int MoveNoReplace(const QString& from, const QString& to) {
    int error = RenameNoReplace(from, to);
    if (!OtherDriveError(error))
        return error;
    if ((error = CopyFileNoReplace(from, to)))
        return error;
    if ((error = DeleteFileNative(from)))
        (void)DeleteFileNative(to);
    return error;
}
