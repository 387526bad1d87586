#pragma once
// The confirmation of move, copy and delete: the question, the file's full path, and the
// buttons "&All", "&No", "Cancel" and "&Yes" (the default). exec() answers the
// DialogAnswer All, No, Cancel (also Esc) or Yes.

#include <QDialog>

class QLabel;

class ConfirmationDialog : public QDialog {
    Q_OBJECT
public:
    ConfirmationDialog(QWidget* owner, const QString& question, const QString& path);

    void reject() override; // Esc and the window's close answer Cancel
};
