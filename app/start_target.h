#pragma once
// Where the window program starts when its command line names a file or a folder: a folder
// becomes the working folder; a file's folder becomes the working folder and the file's row is
// selected once the list is filled. This is what a desktop's "open with" passes.

#include <QString>

struct StartTarget {
    QString folder;   // the working folder to start in; empty: the stored one
    QString fileName; // the name of the file to select in it; empty: the first row as usual
    // When the argument names nothing that can be opened: the argument and the system's text,
    // which the program tells on standard error and in a message box.
    QString error;
};

// The start target of one command-line argument, relative to the current directory.
StartTarget StartTargetFor(const QString& argument);

class CatalogueModel;

// The row of `fileName` in the working folder itself (not a folder below it), which the window
// makes the one selected and focused row; -1 when no such row is listed (a name the catalogue
// does not show, say).
int StartFileRow(const CatalogueModel& list, const QString& workingFolder, const QString& fileName);
