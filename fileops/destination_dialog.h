#pragma once
// The destination dialog of move and copy, and the dialog that creates a new folder in it.

#include <QDialog>
#include <functional>

struct FolderHistory;
class QComboBox;
class QLineEdit;
class QLabel;

// Where the destination dialogs work: the destination they change (empty before the first)
// and the working folder that relative folders are taken below.
struct DestinationPlace {
    QString& destFolder;
    const QString& workingFolder;
};

// Caption from the verb; "To &Folder:" over an editable combo box holding `history`;
// "New Folder...", "Browse...", "Cancel", "OK". OK and Cancel alike take the combo box's text as
// the next destination (place.destFolder, normalised); exec() answers Accepted for OK with a
// destination, Rejected otherwise. A folder chosen with "Browse..." (the chooser captioned
// `prompt`) goes to the front of `history`.
class DestinationDialog : public QDialog {
    Q_OBJECT
public:
    DestinationDialog(QWidget* owner, const QString& title, const QString& prompt,
                      FolderHistory& history, DestinationPlace place);

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
    DestinationPlace m_place;
    QComboBox* m_folder = nullptr;
};

// "Create Directory": "&Root:" over the folder the new one goes into (the destination, or the
// working folder before the first), "&New Folder:" over the name; OK creates it, makes it the
// destination and closes with Accepted; Cancel and Esc close with Rejected.
class NewFolderDialog : public QDialog {
    Q_OBJECT
public:
    NewFolderDialog(QWidget* owner, DestinationPlace place);

    QLineEdit* nameField() const { return m_name; }
    QLabel* rootLabel() const { return m_root; }

    void accept() override;
    void reject() override;

private:
    DestinationPlace m_place;
    QLabel* m_root = nullptr;
    QLineEdit* m_name = nullptr;
};
