#include "fileops/folder_path.h"

#include "platform/native_file.h"

QString& NormaliseFolder(QString& path) {
    if (!path.isEmpty() && path.back() != FolderSeparator())
        path += FolderSeparator();
#ifdef Q_OS_WIN
    path = path.toLower();
#endif
    return path;
}

QString NormalisedFolder(QString path) {
    NormaliseFolder(path);
    return path;
}

bool SameFolder(const QString& a, const QString& b) {
#ifdef Q_OS_WIN
    return a.compare(b, Qt::CaseInsensitive) == 0;
#else
    return a == b;
#endif
}
