#pragma once
// The destination of move and copy, as the destination and new-folder dialogs leave it in
// scratch().destFolder.

#include <QString>

// The longest new folder name the dialogs take. Folder paths are kept whole: a path cut
// short would name another folder.
constexpr int DestinationTextMax = 255;

// The folder the destination dialog shows when it opens: the last destination, or the working
// folder before the first.
QString InitialDestination();

// Takes the dialog's text as the destination, normalised. A relative
// folder is taken below the working folder, so that files never go to wherever the process
// happens to stand.
void TakeDestination(const QString& text);

// The new-folder dialog's OK: the destination becomes the root (normalised) with the new name
// appended (normalised again), and that folder is created. A creation that fails (the folder
// exists, a parent is missing) is not reported: the copy into it reports it later. Returns
// the system's error code of the creation, 0 on success.
int CreateNewFolder(const QString& root, const QString& name);
