#pragma once
// "Rename by Pattern": one pattern for the whole selection, with a preview of every file's
// old and new place and what will happen to it. The plan is worked out on a worker thread
// while the user types, so that the window stays free also with a hundred thousand files;
// the preview is a table model over the plan, with no widget per row.

#include "fileops/rename_pattern.h"

#include <QAbstractTableModel>
#include <QDialog>
#include <QTimer>
#include <atomic>
#include <future>
#include <memory>
#include <vector>

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QTableView;
struct FolderHistory;

// The preview: one row per selected file, its folder and name now, its new folder and name,
// and what will happen. Folders below the working folder are shown from it ("." for the
// working folder itself), others whole; the tooltip shows each whole.
class RenamePreviewModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { OldFolder, OldName, NewFolder, NewName, Outcome, ColumnCount };

    RenamePreviewModel(std::shared_ptr<const std::vector<RenameFacts>> files,
                       const QString& workingFolder, QObject* parent = nullptr);

    // A new plan for the same files; an empty plan shows the new places as not yet known.
    void setPlan(std::vector<PlannedRename> plan);
    const std::vector<PlannedRename>& plan() const { return m_plan; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    QString shownFolder(const QString& folder) const;

    std::shared_ptr<const std::vector<RenameFacts>> m_files;
    QString m_workingFolder; // normalised
    std::vector<PlannedRename> m_plan;
};

// What the user chose: the plan as the preview last showed it, and whether folders the batch
// leaves empty go.
struct PatternRenameChoice {
    QString pattern;
    RenamePlanOptions options;
    std::vector<PlannedRename> plan;
    bool removeEmptyFolders = false;
};

class PatternRenameDialog : public QDialog {
    Q_OBJECT
public:
    // `files` in list order; `recent` the last patterns, most recent first; the base folder
    // starts as the working folder, and "Choose..." opens the destination dialog over
    // `history`.
    PatternRenameDialog(QWidget* owner, std::vector<RenameFacts> files, const QStringList& recent,
                        FolderHistory& history, const QString& workingFolder);
    ~PatternRenameDialog() override;

    // Valid once the dialog was accepted.
    const PatternRenameChoice& choice() const { return m_choice; }

    QComboBox* patternBox() const { return m_pattern; }
    QLabel* errorLabel() const { return m_error; }
    QLabel* summaryLabel() const { return m_summary; }
    QComboBox* caseBox() const { return m_case; }
    QCheckBox* numberBox() const { return m_number; }
    QCheckBox* removeFoldersBox() const { return m_removeFolders; }
    QPushButton* renameButton() const { return m_rename; }
    QPushButton* chooseFolderButton() const { return m_chooseFolder; }
    RenamePreviewModel* preview() const { return m_preview; }
    // True while no plan of the current input has arrived yet.
    bool planPending() const { return m_pendingGeneration != m_shownGeneration; }
    // The base folder of a pattern with folders.
    const QString& baseFolder() const { return m_baseFolder; }
    void setBaseFolder(const QString& folder);

    void accept() override;

private:
    void buildLayout(const QStringList& recent);
    void inputChanged();
    void startPlan();
    void showPlan(quint64 generation, std::vector<PlannedRename> plan);
    void showSummary();
    void chooseBaseFolder();
    RenamePlanOptions currentOptions() const;
    void stopWorkers();

    std::shared_ptr<const std::vector<RenameFacts>> m_files;
    FolderHistory& m_history;
    QString m_workingFolder;
    QString m_baseFolder;
    RenamePattern m_parsed;
    PatternRenameChoice m_choice;

    QComboBox* m_pattern = nullptr;
    QLabel* m_error = nullptr;
    QLabel* m_baseLabel = nullptr;
    QPushButton* m_chooseFolder = nullptr;
    QComboBox* m_case = nullptr;
    QCheckBox* m_number = nullptr;
    QCheckBox* m_removeFolders = nullptr;
    QTableView* m_table = nullptr;
    RenamePreviewModel* m_preview = nullptr;
    QLabel* m_summary = nullptr;
    QPushButton* m_rename = nullptr;

    QTimer m_typing; // a plan starts once the typing pauses
    quint64 m_pendingGeneration = 0; // the input the last plan was started for
    quint64 m_shownGeneration = 0;   // the input of the plan on show
    bool m_acceptWhenReady = false;  // Rename was pressed while the plan was being worked out
    std::shared_ptr<std::atomic_bool> m_cancel; // of the plan being worked out
    std::vector<std::future<void>> m_workers;
};
