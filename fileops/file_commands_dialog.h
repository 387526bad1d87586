#pragma once
// The window-level entry points of the file commands: the main window's command dispatch calls
// these; each one shows its dialogs over `owner` and runs the logic behind them.

#include "fileops/file_batch.h"

#include <QString>

class QWidget;
struct FolderHistory;
struct UndoRecord;

// The destination dialog for move and copy: leaves the normalised choice in
// scratch().destFolder and answers true; false on Cancel. A folder chosen with "Browse..."
// goes to the front of `history`.
bool RunDestinationDialog(QWidget* owner, const QString& title, FolderHistory& history);

// Move (102), copy (103), rename (104) or delete (105) over the selected rows; the verb of the
// operation is in scratch().promptText. `undo` becomes what can be taken back of the batch.
void RunFileBatchCommand(QWidget* owner, CommandId command, UndoRecord& undo,
                         DeleteMode mode = DeleteMode::Trash);

// The information dialog for the single selected row; a save makes `undo` its old block.
void RunInfoEditDialog(QWidget* owner, UndoRecord& undo);

// Takes back the last batch (Undo).
void RunUndoCommand(QWidget* owner, UndoRecord& undo);

// The report dialog (command 106).
void RunReportDialog(QWidget* owner);

// In-place renaming from the list: renames the row's file to `newName` in its own folder.
// Answers true when the file was renamed and the row follows; `undo` then holds the rename.
bool EndLabelEdit(int row, const QString& newName, UndoRecord& undo);
