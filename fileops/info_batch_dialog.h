#pragma once
// "Information" for several selected files at once. Each field shows the text all the files
// share, or stays empty with the grey "(different in N files)" and keeps each file's own text;
// typing sets one text for all, the field's Clear empties it in all, and its menu goes back to
// keeping. The text tools work on the selected part of a typed text as in the single dialog;
// on a field that keeps each file's text they are noted and applied to each file's own whole
// text. While the dialog is open a worker checks every file; the dialog says how many will be
// written and lists the ones that will not be, with the reason. The save itself runs after
// the dialog has closed, with a progress dialog and Cancel, and one list of failures at its
// end; Undo takes it back in one step.

#include "fileops/info_batch.h"

#include <QAbstractTableModel>
#include <QDialog>
#include <QTimer>
#include <array>
#include <functional>
#include <memory>
#include <vector>

class CatalogueModel;
class QGridLayout;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTableView;
class QToolButton;
class TextToolTracker;

// The check of the files of a dialog's rows on a worker, looked at every few milliseconds on
// the window thread: `progressed` runs with the files whose verdict came in since the last look.
class InfoCheckWatch : public QObject {
    Q_OBJECT
public:
    InfoCheckWatch(const CatalogueModel& list, const std::vector<int>& rows, QObject* parent);
    ~InfoCheckWatch() override;

    // True once every verdict has come in and been looked at.
    bool finished() const { return m_seen == total(); }
    int total() const { return m_checker->total(); }
    int checked() const { return m_seen; }
    // The verdict of the file of rows[i], once checked; Writable until then.
    InfoFileStatus status(int i) const;
    const QString& path(int i) const { return m_checker->path(i); }
    // The files the check has refused so far, by their index in the rows.
    const std::vector<int>& refused() const { return m_refused; }
    // Stops the worker (the verdicts that came in stay).
    void stop();

    std::function<void(int from, int to)> progressed;

private:
    void look();

    std::unique_ptr<InfoFileChecker> m_checker;
    QTimer m_timer;
    int m_seen = 0;
    std::vector<int> m_refused;
};

// The files that will not be written and why: one row each, in list order.
class RefusedFilesModel : public QAbstractTableModel {
    Q_OBJECT
public:
    RefusedFilesModel(const InfoCheckWatch& check, QObject* parent);
    void refusedGrew(int count); // the check's refused() holds `count` more at its end

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    const InfoCheckWatch& m_check;
    int m_rows = 0;
};

// A table of one row per file that may hold a hundred thousand: nothing to select, one line
// a row, of the same height, so that the view never measures the rows.
QTableView* FileTable(QAbstractItemModel* model, QWidget* parent);

class InfoBatchDialog : public QDialog {
    Q_OBJECT
public:
    // `rows`: the selected rows of `list`, ascending; more than one.
    InfoBatchDialog(QWidget* owner, const CatalogueModel& list, std::vector<int> rows);
    ~InfoBatchDialog() override;

    QLabel* countLabel() const { return m_count; }
    QLineEdit* titleField() const { return m_title; }
    QLineEdit* subtitleField() const { return m_subtitle; }
    QPlainTextEdit* commentsField() const { return m_comments; }
    QToolButton* clearButton(InfoField field) const { return m_fields[size_t(field)].clear; }
    QLabel* toolsLabel(InfoField field) const { return m_fields[size_t(field)].tools; }
    QPushButton* saveButton() const { return m_save; }
    QLabel* summaryLabel() const { return m_summary; }
    QTableView* refusedTable() const { return m_refusedTable; }
    const InfoCheckWatch& check() const { return *m_check; }

    // The edit as the fields stand.
    const InfoEdit& edit() const { return m_edit; }
    // Once accepted: the rows to write (every row the check did not refuse) with the edit.
    std::vector<InfoRowEdit> rowEdits() const;

    // A text tool (CaseUpper, CaseLower, CaseWords, QuoteTool) on the field that last had the
    // keyboard focus, as its button does.
    void applyTool(int tool);

    void accept() override;

private:
    struct Field {
        SharedField shared;
        QWidget* widget = nullptr;
        QLabel* tools = nullptr;
        QToolButton* clear = nullptr;
    };

    void makeField(InfoField field, const QString& caption, QWidget* editor, int row,
                   QGridLayout* layout);
    QString fieldText(int field) const;
    void setFieldText(int field, const QString& text);
    void fieldEdited(int field);
    void keepField(int field);
    void clearField(int field);
    void showField(int field);
    void showSummary();
    int fieldOf(const QWidget* widget) const;

    const CatalogueModel& m_list;
    std::vector<int> m_rows;
    SharedInfo m_shared;
    InfoEdit m_edit;
    std::array<Field, InfoFieldCount> m_fields;
    bool m_settingText = false;
    QLabel* m_count = nullptr;
    QLineEdit* m_title = nullptr;
    QLineEdit* m_subtitle = nullptr;
    QPlainTextEdit* m_comments = nullptr;
    QPushButton* m_save = nullptr;
    QLabel* m_summary = nullptr;
    QTableView* m_refusedTable = nullptr;
    TextToolTracker* m_tracker = nullptr;
    InfoCheckWatch* m_check = nullptr;
    RefusedFilesModel* m_refused = nullptr;
};

// The information dialog for the selected rows of `list` (more than one), then the save of
// what it was given: the progress shows after `progressAfterMs`, failures are listed at the
// end, and `undo` becomes the save.
void RunInfoBatchCommand(QWidget* owner, CatalogueModel& list, UndoRecord& undo,
                         int progressAfterMs);

// Saves the edits into the rows' files with the progress dialog and Cancel, then lists every
// file that was not written; `undo` becomes the save.
void RunInfoSave(QWidget* owner, CatalogueModel& list, const std::vector<InfoRowEdit>& edits,
                 UndoRecord& undo, int progressAfterMs);
