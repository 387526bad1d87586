#include "fileops/file_batch.h"

#include "app/app_state.h"
#include "base/commands.h"
#include "base/ui_hooks.h"
#include "catalogue/catalogue_model.h"
#include "catalogue/entry_rows.h"
#include "fileops/undo.h"
#include "format/file_summary.h"
#include "platform/native_file.h"
#include "platform/native_fileops.h"

#include <QCoreApplication>

QString FileCommandVerb(CommandId command) {
    if (command < CommandId::MoveFiles || command > CommandId::DeleteFiles)
        return {};
    return CommandTooltip(command);
}

QString ConfirmationQuestion(CommandId command, DeleteMode mode) {
    const QString& verb = scratch().promptText;
    if (command == CommandId::DeleteFiles)
        return verb + (mode == DeleteMode::Permanent
                           ? QCoreApplication::translate("FileBatch", " permanently?")
                           : QStringLiteral("?"));
    return QCoreApplication::translate("FileBatch", "%1 to %2?").arg(verb, scratch().destFolder);
}

QString FileErrorText(int errorCode, const QString& source) {
    const ScratchPool& work = scratch();
    const QString system = SystemErrorText(errorCode);
    if (!work.targetPath.isEmpty())
        return QCoreApplication::translate("FileBatch", "%1\r\nCan't copy: %2\r\nTo: %3")
            .arg(system, source, work.targetPath);
    return system + QStringLiteral("\r\n") + source;
}

QString MoveSourceKeptText(int errorCode, const QString& source) {
    return QCoreApplication::translate("FileBatch",
                                       "%1\r\n%2\r\nThe copy was made: %3\r\nThe original stays.")
        .arg(SystemErrorText(errorCode), source, scratch().targetPath);
}

QString NoTrashText(const QString& path, int errorCode) {
    QString reason;
    if (errorCode)
        reason = QStringLiteral(": ") + SystemErrorText(errorCode);
    return path + QStringLiteral("\nThis file cannot be moved to the trash") + reason +
           QStringLiteral("\nDelete it permanently?");
}

static void ShowErrorText(FileDialogs& dialogs, const QString& text) {
    scratch().textBuffer = text;
    dialogs.showFileError(text);
}

void ShowFileError(FileDialogs& dialogs, int errorCode, const QString& source) {
    ShowErrorText(dialogs, FileErrorText(errorCode, source));
}

bool FolderInside(const QString& folder, const QString& root) {
    if (root.isEmpty())
        return false;
#ifdef Q_OS_WIN
    return folder.startsWith(root, Qt::CaseInsensitive);
#else
    return folder.startsWith(root);
#endif
}

namespace {

// One run of the batch: the cursor walks the selected rows, `current` is the file of the row it
// stands on, lastRemoved remembers the last row taken out of the list.
struct FileBatch {
    CommandId command = CommandId::None;
    FileDialogs& dialogs;
    UndoRecord& undo;
    DeleteMode mode = DeleteMode::Trash;
    FileSummary current;
    UndoRecord done;      // what this run changed, to be taken back
    bool changed = false; // anything on disk, undoable or not
    DialogAnswer answer = DialogAnswer::Cancel;
    int cursor = -1;
    int lastRemoved = -1;

    // The user's answer for the current row; All answers every later row as well.
    DialogAnswer ask() {
        if (command == CommandId::RenameFiles) {
            ui().showFileInPanel(&current); // the panel shows the file in question
            return dialogs.renameFile(current);
        }
        if (answer != DialogAnswer::All) {
            ui().showFileInPanel(&current);
            answer = dialogs.confirm(ConfirmationQuestion(command, mode), current.currentPath);
        }
        return answer;
    }

    // Appends the row of a new copy: the source row's name, time and size, the destination
    // folder, and the texts and tuning read from the source file itself.
    void addCopyRow() {
        FileSummary copy = current;
        RereadSummary(copy, ReadMode::WithoutNotes);
        copy.currentEntry.folder = scratch().destFolder;
        InsertEntryRow(catalogue().rowCount(), copy);
    }

    void removeRow() {
        FreeEntryRow(cursor);
        catalogue().removeEntryRow(cursor);
        lastRemoved = cursor;
        --cursor; // the row that moved up into this index is looked at next
    }

    // Copies the current file into the destination folder; false after a reported failure.
    bool copyToDestination() {
        ScratchPool& work = scratch();
        work.targetPath = work.destFolder + current.currentEntry.name;
        if (int error = CopyFileNoReplace(current.currentPath, work.targetPath)) {
            ShowFileError(dialogs, error, current.currentPath);
            return false;
        }
        changed = true;
        return true;
    }

    // Moves the current file to the trash; where it cannot go there, deletes it for good only
    // when the user says so. False when the file stays.
    bool trashSource() {
        const QString& path = current.currentPath;
        const TrashResult trash = MoveToTrash(path);
        if (!trash.noTrash && trash.error == 0) {
            done.steps.push_back(TrashStep(path, trash.trashed));
            changed = true;
            return true;
        }
        if (!trash.noTrash) {
            scratch().targetPath.clear();
            ShowFileError(dialogs, trash.error, path);
            return false;
        }
        return dialogs.warnYesNo(NoTrashText(path, trash.error)) && deleteSource();
    }

    // Deletes the current file for good; false after a reported failure. After a move's copy
    // the text says that the copy exists and the original stays.
    bool deleteSource() {
        const QString& path = current.currentPath;
        if (int error = DeleteFileNative(path)) {
            if (command == CommandId::MoveFiles) {
                done.steps.push_back(DoneStep(UndoAction::Copy, path, scratch().targetPath));
                ShowErrorText(dialogs, MoveSourceKeptText(error, path));
            } else {
                scratch().targetPath.clear();
                ShowFileError(dialogs, error, path);
            }
            return false;
        }
        changed = true;
        if (command == CommandId::MoveFiles)
            done.steps.push_back(DoneStep(UndoAction::Move, path, scratch().targetPath));
        return true;
    }

    void carryOut() {
        const ScratchPool& work = scratch();
        if (command == CommandId::MoveFiles || command == CommandId::CopyFiles) {
            if (!copyToDestination())
                return;
            if (command == CommandId::CopyFiles) {
                done.steps.push_back(
                    DoneStep(UndoAction::Copy, current.currentPath, work.targetPath));
                addCopyRow();
                return;
            }
            ReplaceEntryText(cursor, FieldFolder, work.destFolder);
        }
        const bool toTrash = command == CommandId::DeleteFiles && mode == DeleteMode::Trash;
        if (!(toTrash ? trashSource() : deleteSource()))
            return;
        if (command == CommandId::MoveFiles && FolderInside(work.destFolder, work.workingFolder))
            return; // still inside the scanned tree: the row already names the new folder
        removeRow();
    }

    void run() {
        CatalogueModel& list = catalogue();
        while ((cursor = list.nextRow(cursor, true)) >= 0) {
            LoadEntryAsCurrent(cursor, current);
            if (current.currentPath.isEmpty())
                continue;
            const DialogAnswer reply = ask();
            if (reply == DialogAnswer::Cancel)
                break;
            if (command == CommandId::RenameFiles) {
                if (reply == DialogAnswer::Yes)
                    renamed();
                continue;
            }
            if (reply == DialogAnswer::Yes || reply == DialogAnswer::All) {
                carryOut();
            }
        }
        if (lastRemoved >= 0)
            list.selectAndFocus(lastRemoved);
        if (changed)
            undo = std::move(done);
    }

    // The rename dialog has given the current file its new name.
    void renamed() {
        const QString& folder = current.currentEntry.folder;
        const QString newName = scratch().editText;
        done.steps.push_back(DoneStep(UndoAction::Rename, current.currentPath, folder + newName));
        changed = true;
        ReplaceEntryText(cursor, FieldName, newName);
    }
};

} // namespace

int RunFileBatch(CommandId command, FileDialogs& dialogs, UndoRecord& undo, DeleteMode mode) {
    if (FileCommandVerb(command).isEmpty())
        return 1;
    FileBatch batch{command, dialogs, undo, mode, {}, {}, false};
    batch.run();
    return 1;
}
