#include "fileops/file_commands_dialog.h"

#include <QWidget>

bool RunDestinationDialog(QWidget* owner, const QString& title) {
    (void)owner;
    (void)title;
    return false;
}

void RunFileBatchCommand(QWidget* owner, int command) {
    (void)owner;
    (void)command;
}

void RunInfoEditDialog(QWidget* owner) {
    (void)owner;
}

void RunReportDialog(QWidget* owner) {
    (void)owner;
}

bool EndLabelEdit(int row, const QString& newName) {
    (void)row;
    (void)newName;
    return false;
}
