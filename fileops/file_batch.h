#pragma once
// The batch file commands over the selected rows of the list: move, copy, rename and delete.
// The batch asks the user through FileDialogs, which the window implements and tests fake, and
// keeps the rows in step with what happened on disk.

#include "base/command_id.h"

#include <QString>

struct FileSummary;
struct UndoRecord;

// The answers of the confirmation and rename dialogs, also their exec() results.
enum class DialogAnswer : int {
    Cancel = 2,
    Yes = 6, // the rename dialog: OK, the file now has its new name
    No = 7,  // the rename dialog: Skip
    All = 8,
};

// What the file commands ask of the user.
class FileDialogs {
public:
    virtual ~FileDialogs() = default;
    // The confirmation ("Confirmation": "&All", "&No", "Cancel", "&Yes") with the question and
    // the file's full path.
    virtual DialogAnswer confirm(const QString& question, const QString& path) = 0;
    // The rename dialog for `current`: Yes when the file now carries the new name (left in
    // scratch().editText), No for Skip, Cancel.
    virtual DialogAnswer renameFile(const FileSummary& current) = 0;
    // A failure of the file system, in a message box with the default caption and OK.
    virtual void showFileError(const QString& text) = 0;
    // A warning with Yes and No under the program's caption: true for Yes.
    virtual bool warnYesNo(const QString& text) = 0;
    // A message with OK under the program's caption.
    virtual void showMessage(const QString& text) = 0;
};

// The verb of a file command (102 "Move", 103 "Copy", 104 "Rename", 105 "Delete"); empty for
// any other number.
QString FileCommandVerb(CommandId command);

// Where Delete Files sends the files: to the desktop's trash, or (Shift+Delete) nowhere.
enum class DeleteMode { Trash, Permanent };

// The confirmation's question: "Delete?" for 105 ("Delete permanently?" when the files do not
// go to the trash); "Move to <destFolder>?" and "Copy to <destFolder>?" for 102 and 103, with
// the verb from scratch().promptText.
QString ConfirmationQuestion(CommandId command, DeleteMode mode = DeleteMode::Trash);

// The text of a file error about `source`: with scratch().targetPath set, "<system
// text>\r\nCan't copy: <source>\r\nTo: <targetPath>", otherwise "<system text>\r\n<source>".
QString FileErrorText(int errorCode, const QString& source);
// The text of a move whose copy was made but whose source could not be deleted afterwards:
// "<system text>\r\n<source>\r\nThe copy was made: <targetPath>\r\nThe original stays.",
// so that the user knows there are two files now.
QString MoveSourceKeptText(int errorCode, const QString& source);
// The question for a file that cannot go to the trash: "<path>\nThis file cannot be moved
// to the trash: <system text>\nDelete it permanently?".
QString NoTrashText(const QString& path, int errorCode);
// Shows FileErrorText(errorCode, source) through the dialogs.
void ShowFileError(FileDialogs& dialogs, int errorCode, const QString& source);

// Runs the command (102 move, 103 copy, 104 rename, 105 delete) over the selected rows in list
// order. Move and copy send the files to scratch().destFolder and never overwrite; a move is a
// copy followed by the deletion of the source. Delete moves the files to the trash; a file
// that cannot go there is deleted for good only after the user answers Yes to NoTrashText.
// DeleteMode::Permanent deletes for good at once. Rows follow the disk: a copy appends a row, a
// move keeps its row (showing the new folder) when the destination lies inside the working
// folder and removes it otherwise, a delete removes it. After removals the row standing at the
// last removed index is selected and focused. When the batch changed anything on disk, `undo`
// becomes what can be taken back of it. Returns 1.
int RunFileBatch(CommandId command, FileDialogs& dialogs, UndoRecord& undo,
                 DeleteMode mode = DeleteMode::Trash);

// True when `folder` lies inside the working folder `root` (both normalised): the file system's
// comparison of the first characters of `folder` with the whole of `root`.
bool FolderInside(const QString& folder, const QString& root);
