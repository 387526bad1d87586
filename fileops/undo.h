#pragma once
// Taking back the last batch: what a batch of renames, moves, copies or deletions to the
// trash, or a save of a file's information block, changed on disk, kept so that it can be
// undone once. The main window owns the record and hands it to the commands; a batch that
// changes anything on disk replaces it, a new working folder empties it.

#include "fileops/file_batch.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <vector>

class CatalogueModel;
struct TrashedFile;

enum class UndoAction {
    Rename,    // the file went from `before` to `after` in its folder
    Move,      // the file went from `before` to `after` in another folder
    Copy,      // `after` is a new copy of `before`
    Trash,     // `before` went to the trash, where it lies as `after`
    InfoBlock, // the information block of `after` was rewritten; `block` holds the old bytes
};

// A file's size and last-write time, which tell whether it is still as a batch left it.
struct FileStamp {
    qint64 size = -1; // -1: the file could not be looked at (error says why)
    qint64 lastWriteTime = 0;
    int error = 0;
    bool operator==(const FileStamp&) const = default;
};
FileStamp StampOf(const QString& path);
// The file read as the scan reads it: the record of its row.
struct Entry;
Entry FileRow(const QString& path);

struct UndoStep {
    UndoAction action = UndoAction::Rename;
    QString before;    // the file's path before the batch
    QString after;     // where the batch left it
    FileStamp stamp;   // the file at `after` as the batch left it
    QString trashInfo; // Trash: the .trashinfo that names its old place
    QByteArray block;  // InfoBlock: the block's bytes before the save
};

// A step whose file now lies at `after` as the batch left it (the stamp is taken now).
UndoStep DoneStep(UndoAction action, const QString& before, const QString& after);
UndoStep TrashStep(const QString& before, const TrashedFile& trashed);
// Stamps the files of all the steps at once, a long list on two threads: a batch of renames
// and moves, which change neither a file's size nor its time, records its steps without
// stamps and stamps them when it ends.
void StampSteps(std::vector<UndoStep>& steps);
UndoStep InfoBlockStep(const QString& path, const QByteArray& oldBlock);

// The steps of the last batch that changed anything on disk, in the order they were done. A
// batch whose changes cannot be undone (a deletion for good) leaves it empty, so that Undo
// never reaches past it to an older batch.
struct UndoRecord {
    std::vector<UndoStep> steps;
    // Folders the batch made, in the order made (a folder before those inside it): undo
    // removes each that is empty once the files are back. Folders the batch removed because
    // it had left them empty: undo makes them again before it puts the files back.
    QStringList madeFolders;
    QStringList removedFolders;
    bool canUndo() const { return !steps.empty(); }
};

// The message that names the files undo left alone, one "path: reason" line each.
QString UndoLeftText(const QStringList& lines);

// Takes the record's steps back, the last one first, and empties the record. A file is touched
// only while it still has the name, size and last-write time the batch left it with, and
// nothing is ever overwritten: a name taken meanwhile stays with its new owner. Renamed and
// moved files get their old names and folders back, copies are deleted, files in the trash
// are put back, an information block gets its old bytes; folders the batch removed come
// back first, and folders it made go at the end when they are empty. The rows follow: a renamed or
// moved row takes its old name or folder, a copy's row goes, a file back in the working tree
// without a row gets one at the end, and a row whose block was restored shows the texts read
// afresh. Every file left alone is named in one message. Returns the number of steps taken back.
int UndoLastBatch(UndoRecord& record, CatalogueModel& list, FileDialogs& dialogs);
