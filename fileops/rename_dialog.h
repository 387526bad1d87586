#pragma once
// "Rename File": the current name, the new name (proposed from the title), the case tools,
// "Move First &Word", "Check duplicated names", and OK, "&Skip" and Cancel. OK renames the
// file of `current` through RenameFile and closes with DialogAnswer::Yes only when the file now has
// the new name (left in scratch().editText); otherwise the dialog stays open with the user's text.
// "&Skip" answers DialogAnswer::No, Cancel and Esc DialogAnswer::Cancel.

#include <QDialog>

class FileDialogs;
struct FileSummary;
class QCheckBox;
class QLabel;
class QLineEdit;
class TextToolTracker;

class RenameFileDialog : public QDialog {
    Q_OBJECT
public:
    RenameFileDialog(QWidget* owner, FileDialogs& dialogs, const FileSummary& current);

    QLineEdit* nameField() const { return m_name; }
    QCheckBox* checkBox() const { return m_check; }

    void accept() override;
    void reject() override;

private:
    FileDialogs& m_dialogs;
    const FileSummary& m_current;
    QLineEdit* m_name = nullptr;
    QCheckBox* m_check = nullptr;
    TextToolTracker* m_tools = nullptr;
};
