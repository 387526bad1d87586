#include "fileops/file_batch.h"

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

QString ConfirmationQuestion(CommandId command, const BatchRequest& request) {
    if (command == CommandId::DeleteFiles)
        return request.mode == DeleteMode::Permanent
                   ? QCoreApplication::translate("FileBatch", "%1 permanently?").arg(request.verb)
                   : request.verb + QStringLiteral("?");
    return QCoreApplication::translate("FileBatch", "%1 to %2?")
        .arg(request.verb, request.destination);
}

QString FileErrorText(int errorCode, const QString& source, const QString& target) {
    const QString system = SystemErrorText(errorCode);
    if (!target.isEmpty())
        return QCoreApplication::translate("FileBatch", "%1\nCan't copy: %2\nTo: %3")
            .arg(system, source, target);
    return system + QStringLiteral("\n") + source;
}

QString MoveSourceKeptText(int errorCode, const QString& source, const QString& target) {
    return QCoreApplication::translate(
               "FileBatch",
               "%1\nThe original stays: %2\nThe copy was made: %3\nThe list shows both.")
        .arg(SystemErrorText(errorCode), source, target);
}

QString NoTrashText(const QString& path, int errorCode) {
    QString reason;
    if (OtherDriveError(errorCode))
        reason = QCoreApplication::translate("FileBatch",
                                             ": it is on another drive than the trash (%1)")
                     .arg(SystemErrorText(errorCode));
    else if (errorCode)
        reason = QStringLiteral(": ") + SystemErrorText(errorCode);
    return QCoreApplication::translate(
               "FileBatch", "%1\nThis file cannot be moved to the trash%2\nDelete it permanently?")
        .arg(path, reason);
}

void ShowFileError(FileDialogs& dialogs, int errorCode, const QString& source,
                   const QString& target) {
    dialogs.showFileError(FileErrorText(errorCode, source, target));
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

// One run of the batch: the cursor walks the rows selected when it began, `current` is the file
// of the row it stands on. The list changes once at the end: the rows to remove go in one step
// and the copies' rows join in one step, so that each row costs the same however long the list.
struct FileBatch {
    CommandId command = CommandId::None;
    const BatchRequest& request;
    CatalogueModel& list;
    FileDialogs& dialogs;
    UiHooks& window;
    UndoRecord& undo;
    FileSummary current{};
    QString target{};     // where the current file is being copied; empty otherwise
    UndoRecord done{};    // what this run changed, to be taken back
    bool changed = false; // anything on disk, undoable or not
    DialogAnswer answer = DialogAnswer::Cancel;
    int cursor = -1;
    bool lastFile = false;       // the current file is the last of the selection
    bool stopped = false;        // the user stopped the batch in an error box
    std::vector<int> removed{};  // rows to remove, ascending
    std::vector<Entry> copies{}; // rows of the new copies, in the order made

    // The user's answer for the current row; All answers every later row as well.
    DialogAnswer ask() {
        if (command == CommandId::RenameFiles) {
            window.showFileInPanel(&current); // the panel shows the file in question
            QString newName;
            const DialogAnswer reply = dialogs.renameFile(current, newName);
            if (reply == DialogAnswer::Yes)
                renamed(newName);
            return reply;
        }
        if (answer != DialogAnswer::All) {
            window.showFileInPanel(&current);
            answer = dialogs.confirm(ConfirmationQuestion(command, request), current.currentPath);
        }
        return answer;
    }

    // The row of a new copy: the source row's name, time and size, the destination folder,
    // and the texts and tuning read from the source file itself.
    void addCopyRow() {
        FileSummary copy = current;
        RereadSummary(copy, ReadMode::WithoutNotes);
        copy.currentEntry.folder = request.destination;
        copies.push_back(EntryFromSummary(copy));
    }

    // Reports a failure of the current file. A batch that goes on without asking offers to
    // stop there, so that the user need not acknowledge each of the files still to come.
    void fail(const QString& text) {
        if (answer == DialogAnswer::All && !lastFile)
            stopped = !dialogs.goOnAfterError(text);
        else
            dialogs.showFileError(text);
    }

    // Copies the current file into the destination folder; false after a reported failure.
    bool copyToDestination() {
        target = request.destination + current.currentEntry.name;
        if (int error = CopyFileNoReplace(current.currentPath, target)) {
            fail(FileErrorText(error, current.currentPath, target));
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
            fail(FileErrorText(trash.error, path));
            return false;
        }
        return dialogs.askDeleteForGood(NoTrashText(path, trash.error)) && deleteSource();
    }

    // A copy of the current file made at `target`: undo deletes it, and it has a row.
    void keepCopy() {
        done.steps.push_back(DoneStep(UndoAction::Copy, current.currentPath, target));
        addCopyRow();
    }

    // Deletes the current file for good; false after a reported failure. A move whose source
    // stays has made a copy, and its text says which file is where.
    bool deleteSource() {
        const QString& path = current.currentPath;
        if (int error = DeleteFileNative(path)) {
            if (command == CommandId::MoveFiles) {
                keepCopy();
                fail(MoveSourceKeptText(error, path, target));
            } else {
                fail(FileErrorText(error, path));
            }
            return false;
        }
        changed = true;
        if (command == CommandId::MoveFiles)
            done.steps.push_back(DoneStep(UndoAction::Move, path, target));
        return true;
    }

    void carryOut() {
        target.clear();
        if (command == CommandId::MoveFiles || command == CommandId::CopyFiles) {
            if (!copyToDestination())
                return;
            if (command == CommandId::CopyFiles) {
                keepCopy();
                return;
            }
        }
        const bool toTrash = command == CommandId::DeleteFiles && request.mode == DeleteMode::Trash;
        if (!(toTrash ? trashSource() : deleteSource()))
            return;
        if (command == CommandId::MoveFiles &&
            FolderInside(request.destination, request.workingFolder)) {
            replaceFolder(cursor, request.destination); // still inside the scanned tree
            return;
        }
        removed.push_back(cursor);
    }

    void run() {
        const std::vector<int> rows = list.selectedRows();
        const int total = int(rows.size());
        for (int done = 0; done < total && !stopped; ++done) {
            cursor = rows[size_t(done)];
            lastFile = done == total - 1;
            const Entry* entry = list.entryAt(cursor);
            current.currentEntry = *entry;
            current.currentPath = entry->folder + entry->name;
            if (answer == DialogAnswer::All && !dialogs.goingOn(done, total, current.currentPath))
                break; // stopped as by Cancel
            const DialogAnswer reply = ask();
            if (reply == DialogAnswer::Cancel)
                break;
            if (command != CommandId::RenameFiles &&
                (reply == DialogAnswer::Yes || reply == DialogAnswer::All))
                carryOut();
        }
        list.appendEntries(std::move(copies));
        if (!removed.empty()) {
            // One by one, the last removal would have left the cursor at the row that then stood
            // at its index: the first row after it that stays.
            const int focus = removed.back() - int(removed.size() - 1);
            list.removeEntryRows(removed);
            list.selectAndFocus(focus);
        }
        if (changed)
            undo = std::move(done);
    }

    void replaceFolder(int row, const QString& folder) {
        list.editEntry(row)->folder = folder;
        list.updateRow(row);
    }

    // The rename dialog has given the current file its new name.
    void renamed(const QString& newName) {
        const QString& folder = current.currentEntry.folder;
        done.steps.push_back(DoneStep(UndoAction::Rename, current.currentPath, folder + newName));
        changed = true;
        list.editEntry(cursor)->name = newName;
        list.updateRow(cursor);
    }
};

} // namespace

int RunFileBatch(CommandId command, const BatchRequest& request, CatalogueModel& list,
                 FileDialogs& dialogs, UiHooks& window, UndoRecord& undo) {
    if (FileCommandVerb(command).isEmpty())
        return 1;
    FileBatch batch{command, request, list, dialogs, window, undo};
    batch.run();
    return 1;
}
