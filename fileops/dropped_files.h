#pragma once
// Files and folders dropped on the window from other programs. A folder dropped alone becomes
// the working folder; dropped files are copied or moved into the working folder by the normal
// batch, with its questions, without overwriting, and as one Undo step.

#include "fileops/file_batch.h"

#include <QStringList>

// What a drop brings: the folder to open (a folder dropped alone), or the catalogue files
// (IsCatalogueFile) among the paths, in the order given; other files and folders are left out.
struct DroppedPaths {
    QString folder;
    QStringList files;
};
DroppedPaths SortDroppedPaths(const QStringList& localPaths);

// Runs move or copy (`command`) over the files into request.destination: rows for the files,
// read as the scan reads them, stand selected in a list of their own, the batch runs over that
// list, and the rows that end in request.workingFolder join `list`, as the rows a copy adds
// do. Returns how many rows joined.
int RunDroppedFiles(CommandId command, const QStringList& files, const BatchRequest& request,
                    CatalogueModel& list, FileDialogs& dialogs, UiHooks& window, UndoRecord& undo);
