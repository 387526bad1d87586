#pragma once
// "Information from Names": one pattern read against the names of the selected files, with a
// preview of each file's name and the title, author and comments it would get. A name that does
// not match is marked and its file left alone, as is a file the check refuses; the fields the
// pattern does not name keep each file's own text, shown grey. The pattern field offers the
// last patterns used. The save runs as that of the information of several files.

#include "fileops/info_batch_dialog.h"
#include "fileops/info_from_names.h"

#include <QAbstractTableModel>
#include <QDialog>
#include <QStringList>
#include <QTimer>
#include <optional>
#include <vector>

class CatalogueModel;
class QComboBox;
class QLabel;
class QPushButton;
class QTableView;

// One row per selected file: its name, what each field would hold, and why it would not be
// written, if so.
class NamesPreviewModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { Name, Title, Author, Comments, Note, ColumnCount };

    NamesPreviewModel(const CatalogueModel& list, const std::vector<int>& rows,
                      const InfoCheckWatch& check, QObject* parent);

    // The match of each row (in order), or none at all while the pattern cannot be read.
    void setMatches(std::vector<std::optional<NameTexts>> matches);
    const std::vector<std::optional<NameTexts>>& matches() const { return m_matches; }
    const std::vector<QString>& names() const { return m_names; }
    // The check's verdicts of the files from to `to` came in.
    void checked(int from, int to);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    QString noteOf(int row) const;

    const InfoCheckWatch& m_check;
    std::vector<QString> m_names;
    std::vector<InfoTexts> m_own; // each file's texts as its row holds them
    std::vector<std::optional<NameTexts>> m_matches;
};

class NamesInfoDialog : public QDialog {
    Q_OBJECT
public:
    // `rows`: the selected rows of `list`, ascending; `recent` the last patterns, most recent
    // first.
    NamesInfoDialog(QWidget* owner, const CatalogueModel& list, std::vector<int> rows,
                    const QStringList& recent);
    ~NamesInfoDialog() override;

    QComboBox* patternBox() const { return m_pattern; }
    QLabel* errorLabel() const { return m_error; }
    QLabel* summaryLabel() const { return m_summary; }
    QPushButton* saveButton() const { return m_save; }
    QTableView* previewTable() const { return m_table; }
    NamesPreviewModel* preview() const { return m_preview; }
    const InfoCheckWatch& check() const { return *m_check; }
    // True while the preview does not show the pattern as it stands.
    bool matchPending() const { return m_typing.isActive(); }

    QString pattern() const;
    // Once accepted: each matching row that the check did not refuse, with its edit.
    std::vector<InfoRowEdit> rowEdits() const;

    void accept() override;

private:
    void patternChanged();
    void match();
    void showSummary();

    std::vector<int> m_rows;
    NamePattern m_parsed;
    InfoCheckWatch* m_check = nullptr;
    NamesPreviewModel* m_preview = nullptr;
    QComboBox* m_pattern = nullptr;
    QLabel* m_error = nullptr;
    QTableView* m_table = nullptr;
    QLabel* m_summary = nullptr;
    QPushButton* m_save = nullptr;
    QTimer m_typing; // the names are matched again once the typing pauses
};

// Information from Names over the selected rows of `list`: the dialog, then the save of what
// the names give; a pattern used goes to the front of `recentPatterns`, and `undo` becomes the
// save.
void RunNamesInfoCommand(QWidget* owner, CatalogueModel& list, QStringList& recentPatterns,
                         UndoRecord& undo, int progressAfterMs);
