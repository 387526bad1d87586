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
