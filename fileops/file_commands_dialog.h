#pragma once
// The window-level entry points of the file commands: the main window's command dispatch calls
// these; each one shows its dialogs over `owner` and runs the logic behind them.

#include "fileops/file_batch.h"

#include <QString>
#include <QStringList>

class CatalogueModel;
class QWidget;
class UiHooks;
struct DestinationPlace;
struct FolderHistory;
struct UndoRecord;

// The destination dialog for move and copy (the folder chooser captioned `prompt`): leaves the
// normalised choice in place.destFolder and answers true; false on Cancel. A folder chosen
// with "Browse..." goes to the front of `history`.
bool RunDestinationDialog(QWidget* owner, const QString& title, const QString& prompt,
                          FolderHistory& history, DestinationPlace place);

// How long a batch that goes on without asking runs before it shows its progress.
constexpr int ProgressAfterMs = 500;

// Move (102), copy (103), rename (104) or delete (105) over the selected rows of `list`, with
// the window's dialogs; the rename dialog shows and sets bit 0 of `renameFlags`. `undo` becomes
// what can be taken back of the batch. A batch that goes on without asking shows its progress
// once it has run for `progressAfterMs`.
void RunFileBatchCommand(QWidget* owner, CommandId command, const BatchRequest& request,
                         CatalogueModel& list, quint16& renameFlags, UiHooks& window,
                         UndoRecord& undo, int progressAfterMs = ProgressAfterMs);

// Files dropped on the window: the question whether to copy or move them into the working
// folder (request.destination), then that batch over them with the window's dialogs; the
// files that arrive join `list`. Nothing happens on Cancel.
void RunDroppedFilesCommand(QWidget* owner, const QStringList& files, BatchRequest request,
                            CatalogueModel& list, UiHooks& window, UndoRecord& undo);

// The information dialog for `row`, the single selected row of `list`; a save makes `undo` its
// old block and shows the file in the window's panel.
void RunInfoEditDialog(QWidget* owner, CatalogueModel& list, int row, UiHooks& window,
                       UndoRecord& undo);

// Rename by Pattern over the selected rows of `list`: the dialog with its preview (the pattern
// field offers `recentPatterns`, and a pattern used goes to their front; the base folder is
// chosen over `history`), then the plan carried out as one batch whose failures are listed
// once at its end; the rows follow the files. `undo` becomes what can be taken back of it.
void RunPatternRenameCommand(QWidget* owner, CatalogueModel& list, QStringList& recentPatterns,
                             FolderHistory& history, const QString& workingFolder,
                             UndoRecord& undo, int progressAfterMs = ProgressAfterMs);

// Takes back the last batch (Undo) in `list`.
void RunUndoCommand(QWidget* owner, CatalogueModel& list, UndoRecord& undo);

// The report dialog (command 106) and the report of the selected rows of `list`; the dialog
// changes `reportFlags` (Settings::reportFlags) and `reportPath`, which are kept for the next
// report. The first report file is proposed in `workingFolder`.
void RunReportDialog(QWidget* owner, const CatalogueModel& list, quint16& reportFlags,
                     QString& reportPath, const QString& workingFolder);

// In-place renaming from the list: renames the file of `list`'s row to `newName` in its own
// folder, checking the list for the name when bit 0 of `renameFlags` is set. Answers true when
// the file was renamed and the row follows; `undo` then holds the rename.
bool EndLabelEdit(CatalogueModel& list, int row, const QString& newName, quint16 renameFlags,
                  UndoRecord& undo);
