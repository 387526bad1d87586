#pragma once
// "Find Duplicates": the files of the list that are the same piece, by the same title and
// author or by the same content, found on worker threads with a progress bar and Cancel. The
// groups are listed with each file's folder, name, size and date; a button selects in the
// list every file of each group but the newest, the oldest or the largest one, and closes the
// dialog, so that Delete or Move acts on them. The dialog itself changes no file.

#include "catalogue/duplicates.h"

#include <QDialog>
#include <QTimer>
#include <map>
#include <memory>

class CatalogueModel;
class QLabel;
class QProgressBar;
class QPushButton;
class QRadioButton;
class QTreeWidget;

class DuplicatesDialog : public QDialog {
    Q_OBJECT
public:
    // At most this many groups are listed; the buttons act on all of them.
    static constexpr int ListedGroupsMax = 2000;

    DuplicatesDialog(QWidget* owner, CatalogueModel& list);
    ~DuplicatesDialog() override;

    QRadioButton* titleButton() const { return m_title; }
    QRadioButton* contentButton() const { return m_content; }
    QPushButton* findButton() const { return m_find; }
    QPushButton* cancelButton() const { return m_cancel; }
    QProgressBar* progressBar() const { return m_progress; }
    QTreeWidget* groupsView() const { return m_groups; }
    QLabel* summaryLabel() const { return m_summary; }
    QPushButton* keepButton(KeepInGroup keep) const { return m_keep.at(keep); }
    // Whether a search runs.
    bool searching() const { return m_search != nullptr && !m_shown; }

private:
    void find();
    void cancelSearch();
    void poll();
    void showGroups();
    void selectAllBut(KeepInGroup keep);
    void setSearching(bool on);

    CatalogueModel& m_list;
    std::unique_ptr<DuplicateSearch> m_search;
    bool m_shown = false; // the groups of m_search are listed
    QTimer m_poll;
    QRadioButton* m_title = nullptr;
    QRadioButton* m_content = nullptr;
    QPushButton* m_find = nullptr;
    QPushButton* m_cancel = nullptr;
    QProgressBar* m_progress = nullptr;
    QTreeWidget* m_groups = nullptr;
    QLabel* m_summary = nullptr;
    std::map<KeepInGroup, QPushButton*> m_keep;
};

// The dialog over the rows the list shows.
void RunDuplicatesDialog(QWidget* owner, CatalogueModel& list);
