#pragma once
// Every test program that deletes files includes this: before main() runs, the desktop's trash
// is moved into a temporary folder ($XDG_DATA_HOME/Trash), so that no test ever puts a file
// into the user's own trash. The folder goes with the program.

#include <QByteArray>
#include <QDir>
#include <QTemporaryDir>

namespace test_support {

struct TemporaryTrashHome {
    QTemporaryDir dir;
    TemporaryTrashHome() { qputenv("XDG_DATA_HOME", QDir(dir.path()).absolutePath().toUtf8()); }
    QString trash() const { return dir.path() + QStringLiteral("/Trash"); }
};

inline TemporaryTrashHome temporaryTrashHome;

} // namespace test_support

// On Windows the trash is the user's own Recycle Bin, which no test may fill: the cases that send
// files to the trash run where a temporary trash stands in for it.
#ifdef Q_OS_WIN
#define SKIP_WHERE_THE_TRASH_IS_THE_USERS()                                                        \
    QSKIP("the trash here is the user's own Recycle Bin, which the tests never fill")
#else
#define SKIP_WHERE_THE_TRASH_IS_THE_USERS() (void)0
#endif
