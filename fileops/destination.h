#pragma once
// The destination of move and copy, as the destination and new-folder dialogs choose it.

#include <QString>

// The longest new folder name the dialogs take. Folder paths are kept whole: a path cut
// short would name another folder.
constexpr int DestinationTextMax = 255;

// The folder the destination dialog shows when it opens: the last destination `destFolder`, or
// the working folder before the first.
QString InitialDestination(const QString& destFolder, const QString& workingFolder);

// The dialog's text as a destination, normalised. A relative folder is taken below the
// working folder, so that files never go to wherever the process happens to stand.
QString DestinationOf(const QString& text, const QString& workingFolder);

// The folder the new-folder dialog makes: the root taken as a destination (normalised, a
// relative root below the working folder) with the new name appended, normalised again.
QString NewFolderPath(const QString& root, const QString& name, const QString& workingFolder);

// The new-folder dialog's OK: creates NewFolderPath(root, name, workingFolder) and makes it
// `destFolder`; a folder of that name that exists already is taken as it is. When the folder
// cannot be made (no permission, a read-only file system, a file of that name, a missing
// parent) `destFolder` stays as it was, so that no copy is sent to a folder that does not
// exist, and the system's error code is returned; 0 on success.
int CreateNewFolder(const QString& root, const QString& name, const QString& workingFolder,
                    QString& destFolder);
