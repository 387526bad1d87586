#include "fileops/destination.h"

#include "app/app_state.h"
#include "app/bounded_text.h"
#include "fileops/folder_path.h"
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

void TakeDestination(const QString& text) {
    ScratchPool& work = scratch();
    QString folder = text; // kept whole: a cut path would name another folder
    if (!folder.isEmpty() && !IsAbsoluteFolder(folder))
        folder.prepend(work.workingFolder);
    work.destFolder = NormaliseFolder(folder);
}

int CreateNewFolder(const QString& root, const QString& name) {
    ScratchPool& work = scratch();
    TakeDestination(root);
    work.editText = CutToLength(name, DestinationTextMax);
    work.destFolder = NormalisedFolder(work.destFolder + work.editText.text());
    return MakeFolder(work.destFolder);
}
