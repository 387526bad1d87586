#include "fileops/destination.h"

#include "base/bounded_text.h"
#include "platform/folder_path.h"
#include "platform/folder_walk.h"
#include "platform/native_fileops.h"

#include <QDir>

static bool IsAbsoluteFolder(const QString& text) {
#ifdef Q_OS_WIN
    if (text.size() >= 2 && text[1] == u':')
        return true; // a drive, with or without its root
#endif
    return !QDir::isRelativePath(text);
}

QString InitialDestination(const QString& destFolder, const QString& workingFolder) {
    return destFolder.isEmpty() ? workingFolder : destFolder;
}

QString DestinationOf(const QString& text, const QString& workingFolder) {
    QString folder = text; // kept whole: a cut path would name another folder
    if (!folder.isEmpty() && !IsAbsoluteFolder(folder))
        folder.prepend(workingFolder);
    return NormaliseFolder(folder);
}

QString NewFolderPath(const QString& root, const QString& name, const QString& workingFolder) {
    return NormalisedFolder(DestinationOf(root, workingFolder) +
                            CutToLength(name, DestinationTextMax));
}

int CreateNewFolder(const QString& root, const QString& name, const QString& workingFolder,
                    QString& destFolder) {
    const QString folder = NewFolderPath(root, name, workingFolder);
    FolderItem existing;
    const int error = MakeFolder(folder);
    if (error != 0 && !(DescribeItem(folder, existing) && existing.isFolder))
        return error;
    destFolder = folder;
    return 0;
}
