#include "fileops/destination.h"

#include "app/app_state.h"
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

QString InitialDestination() {
    ScratchPool& work = scratch();
    if (work.destFolder.isEmpty())
        work.destFolder = work.workingFolder;
    return work.destFolder;
}

static QString DestinationFolder(const QString& text) {
    QString folder = text; // kept whole: a cut path would name another folder
    if (!folder.isEmpty() && !IsAbsoluteFolder(folder))
        folder.prepend(scratch().workingFolder);
    return NormaliseFolder(folder);
}

void TakeDestination(const QString& text) {
    scratch().destFolder = DestinationFolder(text);
}

QString NewFolderPath(const QString& root, const QString& name) {
    return NormalisedFolder(DestinationFolder(root) + CutToLength(name, DestinationTextMax));
}

int CreateNewFolder(const QString& root, const QString& name) {
    ScratchPool& work = scratch();
    const QString folder = NewFolderPath(root, name);
    work.editText = CutToLength(name, DestinationTextMax);
    FolderItem existing;
    const int error = MakeFolder(folder);
    if (error != 0 && !(DescribeItem(folder, existing) && existing.isFolder))
        return error;
    work.destFolder = folder;
    return 0;
}
