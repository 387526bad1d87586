#pragma once
// "Information": the name of the file it edits, above the fields, so that the user sees which
// file Save to File writes; the title, subtitle and comments of that file for editing, its notes
// read-only, the case and quote tools, and "Save to File", offered only for an intact file of
// the older generation. A saved block closes the dialog with 1; a refused or failed save is
// reported and leaves the dialog open with the user's texts. Cancel and Esc close with 2.

#include <QDialog>

#include "format/file_summary.h"

class CatalogueModel;
class FileDialogs;
class UiHooks;
struct UndoRecord;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class TextToolTracker;

class InfoEditDialog : public QDialog {
    Q_OBJECT
public:
    // `row` is the row of `list` of the file `current` (as LoadInfoFile read it), which follows
    // a successful save; the window's panel shows the file as saved.
    InfoEditDialog(QWidget* owner, CatalogueModel& list, int row, FileSummary current,
                   FileDialogs& dialogs, UndoRecord& undo, UiHooks& window);

    QLabel* fileNameLabel() const { return m_fileName; }
    QLineEdit* titleField() const { return m_title; }
    QLineEdit* subtitleField() const { return m_subtitle; }
    QPlainTextEdit* commentsField() const { return m_comments; }
    QPlainTextEdit* notesField() const { return m_notes; }
    QPushButton* saveButton() const { return m_save; }

    void accept() override;
    void reject() override; // Cancel and Esc close with Rejected

private:
    CatalogueModel& m_list;
    int m_row = 0;
    FileSummary m_current;
    FileDialogs& m_dialogs;
    UndoRecord& m_undo; // a save makes it the block as it was before
    UiHooks& m_window;
    QLabel* m_fileName = nullptr;
    QLineEdit* m_title = nullptr;
    QLineEdit* m_subtitle = nullptr;
    QPlainTextEdit* m_comments = nullptr;
    QPlainTextEdit* m_notes = nullptr;
    QPushButton* m_save = nullptr;
    TextToolTracker* m_tools = nullptr;
};
