#pragma once
// The destination dialog of move and copy, and the dialog that creates a new folder in it.

#include <QDialog>
#include <functional>

struct FolderHistory;
class QComboBox;
class QLineEdit;
class QLabel;

// Caption from the verb; "To &Folder:" over an editable combo box holding `history`;
// "New Folder...", "Browse...", "Cancel", "OK". OK and Cancel alike take the combo box's text as
// the next destination (scratch().destFolder, normalised); exec() answers Accepted for OK
// with a destination, Rejected otherwise. A folder chosen with "Browse..." goes to the front of
// `history`.
class DestinationDialog : public QDialog {
    Q_OBJECT
public:
    DestinationDialog(QWidget* owner, const QString& title, FolderHistory& history);

    // The folder chooser behind "Browse...": the owner and the folder to open on; answers the
    // chosen folder or an empty text. Tests replace it.
    std::function<QString(QWidget*, const QString&)> chooseFolder;
    // Runs the new-folder dialog behind "New Folder..."; tests replace it.
    std::function<void(QWidget*)> runNewFolder;

    QComboBox* folderBox() const { return m_folder; }

    void accept() override;
    void reject() override;

private:
    void browse();
    void newFolder();

    FolderHistory& m_history;
    QComboBox* m_folder = nullptr;
};

// "Create Directory": "&Root:" over the folder the new one goes into (the destination, or the
// working folder before the first), "&New Folder:" over the name; OK creates it, makes it the
// destination and closes with Accepted; Cancel and Esc close with Rejected.
class NewFolderDialog : public QDialog {
    Q_OBJECT
public:
    explicit NewFolderDialog(QWidget* owner);

    QLineEdit* nameField() const { return m_name; }
    QLabel* rootLabel() const { return m_root; }

    void accept() override;
    void reject() override;

private:
    QLabel* m_root = nullptr;
    QLineEdit* m_name = nullptr;
};
