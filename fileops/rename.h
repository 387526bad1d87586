#pragma once
// Renaming files: the name suggested from a title and the one rename operation shared by the rename
// dialog and the in-place editing of a row's name. A rename never replaces an existing file and
// never moves a file to another folder.

#include "base/entry.h"
#include "fileops/file_batch.h"

#include <QString>
#include <QStringView>

class CatalogueModel;
struct UndoRecord;

// The longest name the rename dialog takes.
constexpr int RenameNameMax = 255;

// The name suggested for a file with this title: the title without "!", the double quote, "/"
// and ":" to "?", at most 250 of its characters kept, then ".zuf".
QString NameFromTitle(QStringView title);

// The name the rename dialog proposes for the file of `current`: NameFromTitle of its title,
// or its current name unchanged when the title is empty or the file is marked bad (its title
// is then a placeholder such as "Bad ZUF File").
QString RenameSuggestion(const Entry& current);

// True when the name holds a folder separator (or a NUL): such a name would leave the folder.
bool NameLeavesFolder(QStringView name);
// The message that refuses such a name.
QString NameRefusedText(const QString& name);

// The warning about another row of the same name:
// "<name>\nalready exists in\n<folder>\nRename anyway?".
QString DuplicateNameText(const QString& name, const QString& folder);

// Renames the file at `source` to `newName` in `folder`. With the duplicate check on (a list
// in `checkDuplicatesIn`, the rename flags' bit 0) every row of that list in another folder
// with the same name, case ignored, is warned about in list order; any answer but Yes ends
// with false. A name that would leave the folder is refused with a message. A failure of the
// file system is shown with ShowFileError in its long form (the target is the new path). True
// when the file now has the new name.
bool RenameFile(FileDialogs& dialogs, const CatalogueModel* checkDuplicatesIn,
                const QString& source, const QString& newName, const QString& folder);

// The end of an in-place edit of row `row`'s name in `list`: renames its file and, on
// success, the row. An empty text (an edit that was cancelled) changes nothing.
bool EndLabelEdit(CatalogueModel& list, int row, const QString& newName, bool checkDuplicates,
                  FileDialogs& dialogs, UndoRecord& undo);
