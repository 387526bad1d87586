#include "platform/folder_path.h"

#include "platform/native_file.h"

QString& NormaliseFolder(QString& path) {
#ifdef Q_OS_WIN
    // Windows takes slashes too; folders are kept in the one native form, so that they are
    // shown alike and compare equal however they were written.
    path.replace(QLatin1Char('/'), QLatin1Char('\\'));
#endif
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

QString FolderOfPath(const QString& path) {
    return path.left(path.lastIndexOf(FolderSeparator()) + 1);
}

QString NameOfPath(const QString& path) {
    return path.mid(path.lastIndexOf(FolderSeparator()) + 1);
}

QString PathKey(const QString& path) {
#ifdef Q_OS_WIN
    return path.toCaseFolded();
#else
    return path;
#endif
}
