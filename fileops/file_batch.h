#pragma once
// The batch file commands over the selected rows of the list: move, copy, rename and delete.
// The batch asks the user through FileDialogs, which the window implements and tests fake, and
// keeps the rows of the list in step with what happened on disk.

#include "base/command_id.h"

#include <QString>

class CatalogueModel;
class UiHooks;
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
    // The rename dialog for `current`: Yes when the file now carries the new name (then in
    // `newName`), No for Skip, Cancel.
    virtual DialogAnswer renameFile(const FileSummary& current, QString& newName) = 0;
    // A failure of the file system, in a message box with the default caption and OK.
    virtual void showFileError(const QString& text) = 0;
    // A warning with Yes and No under the program's caption: true for Yes.
    virtual bool warnYesNo(const QString& text) = 0;
    // The question whether to delete a file for good, which nothing can take back: a warning
    // like warnYesNo whose default button is No, so that Enter keeps the file.
    virtual bool askDeleteForGood(const QString& text) = 0;
    // A message with OK under the program's caption.
    virtual void showMessage(const QString& text) = 0;
    // A batch that goes on without asking (after All) has done `done` of its `total` files
    // and `path` comes next: the window shows how far it is. False when the user stopped it.
    virtual bool goingOn(int done, int total, const QString& path) {
        (void)done;
        (void)total;
        (void)path;
        return true;
    }
    // A failure of the file system in a batch that goes on without asking, with files still
    // to come: the text with OK, to go on, and a way to stop the batch; false to stop.
    virtual bool goOnAfterError(const QString& text) {
        showFileError(text);
        return true;
    }
};

// The verb of a file command (102 "Move", 103 "Copy", 104 "Rename", 105 "Delete"); empty for
// any other number.
QString FileCommandVerb(CommandId command);

// Where Delete Files sends the files: to the desktop's trash, or (Shift+Delete) nowhere.
enum class DeleteMode { Trash, Permanent };

// What a batch works with besides the list: the verb of its question ("Move", "Copy",
// "Delete", ...), the destination folder of move and copy, the working folder (a move inside
// it keeps its rows) and where deleted files go.
struct BatchRequest {
    QString verb;
    QString destination;
    QString workingFolder;
    DeleteMode mode = DeleteMode::Trash;
};

// The confirmation's question: "<verb>?" for 105 ("<verb> permanently?" when the files do not
// go to the trash); "<verb> to <destination>?" for 102 and 103.
QString ConfirmationQuestion(CommandId command, const BatchRequest& request);

// The text of a file error about `source`: with a `target`, "<system text>\nCan't copy:
// <source>\nTo: <target>", otherwise "<system text>\n<source>".
QString FileErrorText(int errorCode, const QString& source, const QString& target = {});
// The text of a move whose copy was made but whose source could not be deleted afterwards:
// "<system text>\nThe original stays: <source>\nThe copy was made: <target>\nThe list shows
// both.", so that the user knows there are two files now and which row is which.
QString MoveSourceKeptText(int errorCode, const QString& source, const QString& target);
// The question for a file that cannot go to the trash: "<path>\nThis file cannot be moved
// to the trash: <system text>\nDelete it permanently?"; for a file on another drive than the
// trash, the reason is "it is on another drive than the trash (<system text>)".
QString NoTrashText(const QString& path, int errorCode);
// Shows FileErrorText(errorCode, source, target) through the dialogs.
void ShowFileError(FileDialogs& dialogs, int errorCode, const QString& source,
                   const QString& target = {});

// Runs the command (102 move, 103 copy, 104 rename, 105 delete) over the selected rows of
// `list` in list order; the window shows each file asked about in its panel. Move and copy
// send the files to request.destination and never overwrite; a move is a copy followed by the
// deletion of the source. Delete moves the files to the trash; a file that cannot go there is
// deleted for good only after the user answers Yes to NoTrashText, asked for each such file
// (All answers only the confirmation). DeleteMode::Permanent
// deletes for good at once. Rows follow the disk: a copy appends a row, a move keeps its row
// (showing the new folder) when the destination lies inside the working folder and removes it
// otherwise, a delete removes it. A move whose source cannot be deleted after its copy was
// made ends as a copy: the row keeps naming the original and the copy's row is appended. The
// rows go in one step at the end, and the copies' rows join in one step; afterwards the row
// standing where the last removed row would have stood had the rows gone one by one is
// selected and focused. When the batch changed anything on disk, `undo` becomes what can be
// taken back of it. Once answered All, the batch tells the dialogs before each further file,
// and a failure with files still to come lets the user stop; stopped there, the batch ends as
// after Cancel: what was done stays done. Returns 1.
int RunFileBatch(CommandId command, const BatchRequest& request, CatalogueModel& list,
                 FileDialogs& dialogs, UiHooks& window, UndoRecord& undo);

// True when `folder` lies inside the working folder `root` (both normalised): the file system's
// comparison of the first characters of `folder` with the whole of `root`.
bool FolderInside(const QString& folder, const QString& root);
