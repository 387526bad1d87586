#pragma once
// "Export List": which rows (the selected ones or all rows shown), the format (CSV, web page,
// JSON), the byte-order mark of a CSV table for spreadsheet programs, and the file, with its
// "..." chooser. OK takes the choice; Cancel leaves it as it was.

#include "report/export.h"

#include <QDialog>
#include <functional>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QWidget;

class ExportDialog : public QDialog {
    Q_OBJECT
public:
    ExportDialog(QWidget* owner, ExportChoice& choice, int selectedCount, int shownCount);

    // The save-file chooser behind "...": the owner and the path to propose; answers the
    // chosen path (the chooser asked before naming an existing file) or an empty text. Tests
    // replace it.
    std::function<QString(QWidget*, const QString&)> chooseFile;

    QRadioButton* selectedButton() const { return m_selected; }
    QRadioButton* allButton() const { return m_all; }
    QComboBox* formatBox() const { return m_format; }
    QCheckBox* byteOrderMarkBox() const { return m_byteOrderMark; }
    QLineEdit* pathField() const { return m_path; }
    const QString& replaceConfirmed() const { return m_replaceConfirmed; }

    void accept() override;

private:
    void formatChanged();
    void browse();

    ExportChoice& m_choice;
    QString m_replaceConfirmed;
    QRadioButton* m_selected = nullptr;
    QRadioButton* m_all = nullptr;
    QComboBox* m_format = nullptr;
    QCheckBox* m_byteOrderMark = nullptr;
    QLineEdit* m_path = nullptr;
    QPushButton* m_browse = nullptr;
};

// The command: the dialog over `choice` (kept for the next export of the run), then the export
// of the rows of `list`, with its progress and the message that says how it went. The first
// file is proposed in `workingFolder`.
void RunExportCommand(QWidget* owner, const CatalogueModel& list, ExportChoice& choice,
                      const QString& workingFolder);
