#pragma once
// Carrying out a rename plan (fileops/rename_pattern.h) as one batch: every file the plan
// renames or moves goes to its new place without replacing anything, missing folders are made,
// failures are collected instead of shown one by one, and the whole batch is one step of Undo.

#include "fileops/rename_pattern.h"

#include <QString>
#include <functional>
#include <vector>

class CatalogueModel;
struct UndoRecord;

struct RenameRunOptions {
    // Folders that the batch left empty (those it moved files out of) are removed.
    bool removeEmptyFolders = false;
};

// Told before each file to rename or move: `done` of the `total` are done and `path` comes
// next. Answers false to stop the batch there.
using RenameRunProgress = std::function<bool(int done, int total, const QString& path)>;

struct RenameRunDone {
    size_t index = 0; // the file's place in the plan
    QString oldPath;
    QString newPath;
};

struct RenameRunFailure {
    size_t index = 0;
    QString path;   // the file, which stays where it was
    QString target; // where it was to go
    QString error;  // the system's text
};

struct RenameRunResult {
    std::vector<RenameRunDone> done;        // in plan order
    std::vector<RenameRunFailure> failures; // in plan order
    bool stopped = false;                   // the progress answered false
};

// Carries out every entry of the plan whose outcome is Rename or Move, in plan order; the
// others are left alone. A file on the same file system is renamed without replacing
// anything; between file systems it is copied under a temporary name and the original
// deleted. A name that was taken after the plan was made fails that file alone, as does a
// folder that cannot be made. When anything changed on disk, `undo` becomes what takes the
// whole batch back: every file to its old name and folder, the folders made removed again.
RenameRunResult RunRenamePlan(const std::vector<PlannedRename>& plan,
                              const RenameRunOptions& options, const RenameRunProgress& progress,
                              UndoRecord& undo);

// The failures as one text: a line "path: system text" for each file.
QString RenameFailuresText(const std::vector<RenameRunFailure>& failures);

// The rows of the done files follow them, all in one pass: a row takes its new name and
// folder, and a row whose file went outside the working folder leaves the list. The other
// rows keep their selection.
void FollowRenamedRows(CatalogueModel& list, const std::vector<RenameRunDone>& done,
                       const QString& workingFolder);
