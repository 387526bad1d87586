#pragma once
// "Rename File": the current name, the new name (proposed from the title), the case tools,
// "Move First &Word", "Check duplicated names", and OK, "&Skip" and Cancel. OK renames the
// file of `current` through RenameFile and closes with DialogAnswer::Yes only when the file now has
// the new name (then newName()); otherwise the dialog stays open with the user's text.
// "&Skip" answers DialogAnswer::No, Cancel and Esc DialogAnswer::Cancel. The check box shows and
// sets bit 0 of `renameFlags`; with it on, the rows of `list` are checked for the new name.

#include <QDialog>
#include <QString>

class CatalogueModel;
class FileDialogs;
struct FileSummary;
class QCheckBox;
class QLabel;
class QLineEdit;
class TextToolTracker;

class RenameFileDialog : public QDialog {
    Q_OBJECT
public:
    RenameFileDialog(QWidget* owner, FileDialogs& dialogs, const FileSummary& current,
                     const CatalogueModel& list, quint16& renameFlags);

    QLineEdit* nameField() const { return m_name; }
    QCheckBox* checkBox() const { return m_check; }
    // The name the file now has, after an OK that renamed it.
    const QString& newName() const { return m_newName; }

    void accept() override;
    void reject() override;

private:
    FileDialogs& m_dialogs;
    const FileSummary& m_current;
    const CatalogueModel& m_list;
    quint16& m_renameFlags;
    QString m_newName;
    QLineEdit* m_name = nullptr;
    QCheckBox* m_check = nullptr;
    TextToolTracker* m_tools = nullptr;
};
