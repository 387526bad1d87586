#include "fileops/rename_plan_run.h"

#include "catalogue/catalogue_model.h"
#include "fileops/file_batch.h"
#include "fileops/undo.h"
#include "platform/folder_path.h"
#include "platform/native_file.h"
#include "platform/native_fileops.h"

#include <QHash>
#include <QSet>
#include <algorithm>

namespace {

// A folder path as the system functions take it: without the separator at its end.
QString WithoutSeparator(const QString& folder) {
    return folder.endsWith(FolderSeparator()) && folder.size() > 1 ? folder.chopped(1) : folder;
}

class PlanRun {
public:
    PlanRun(const RenameRunOptions& options, const RenameRunProgress& progress)
        : m_options(options), m_progress(progress) {}

    RenameRunResult run(const std::vector<PlannedRename>& plan, UndoRecord& undo) {
        int total = 0;
        for (const PlannedRename& entry : plan)
            total += carriedOut(entry) ? 1 : 0;
        m_undo.steps.reserve(size_t(total));
        m_result.done.reserve(size_t(total));
        int done = 0;
        for (size_t i = 0; i < plan.size(); ++i) {
            if (!carriedOut(plan[i]))
                continue;
            if (m_progress && !m_progress(done, total, plan[i].oldPath)) {
                m_result.stopped = true;
                break;
            }
            carryOut(i, plan[i]);
            ++done;
        }
        removeMadeEmpty();
        if (m_options.removeEmptyFolders)
            removeLeftEmpty();
        StampSteps(m_undo.steps);
        if (!m_undo.steps.empty())
            undo = std::move(m_undo);
        return std::move(m_result);
    }

private:
    static bool carriedOut(const PlannedRename& entry) {
        return entry.outcome == RenameOutcome::Rename || entry.outcome == RenameOutcome::Move;
    }

    void carryOut(size_t index, const PlannedRename& entry) {
        const QString target = entry.newPath();
        int error = madeFolder(entry.newFolder);
        if (!error)
            error = MoveNoReplace(entry.oldPath, target);
        if (error) {
            m_result.failures.push_back({index, entry.oldPath, target, SystemErrorText(error)});
            return;
        }
        const bool moved = entry.outcome == RenameOutcome::Move;
        UndoStep step;
        step.action = moved ? UndoAction::Move : UndoAction::Rename;
        step.before = entry.oldPath;
        step.after = target;
        m_undo.steps.push_back(std::move(step)); // stamped when the batch ends
        m_result.done.push_back({index, entry.oldPath, target});
        if (moved && !m_left.contains(PathKey(FolderOfPath(entry.oldPath)))) {
            m_left.insert(PathKey(FolderOfPath(entry.oldPath)));
            m_leftInOrder << FolderOfPath(entry.oldPath);
        }
    }

    // Makes the folder, and any missing folder it lies in, unless it is known to be there; 0
    // or the system's error code. A folder made meanwhile by someone else is fine.
    int madeFolder(const QString& folder) {
        const QString key = PathKey(folder);
        if (m_present.contains(key))
            return 0;
        const QString path = WithoutSeparator(folder);
        if (!PathExists(path)) {
            const QString parent = FolderOfPath(path);
            if (parent.isEmpty())
                return MakeFolder(path); // fails: a relative folder not there
            if (int error = madeFolder(parent))
                return error;
            const int error = MakeFolder(path);
            if (error && !NameTakenError(error))
                return error;
            if (!error)
                m_undo.madeFolders << path;
        }
        m_present.insert(key);
        return 0;
    }

    // A folder made for files that then failed holds nothing: it goes again, so that the
    // batch leaves no empty folder of its own, undone or not.
    void removeMadeEmpty() {
        QStringList& made = m_undo.madeFolders;
        for (qsizetype i = made.size() - 1; i >= 0; --i)
            if (RemoveEmptyFolder(made[i]) == 0)
                made.removeAt(i);
    }

    // Removes each folder the batch moved files out of when it holds nothing now.
    void removeLeftEmpty() {
        for (const QString& folder : std::as_const(m_leftInOrder)) {
            const QString path = WithoutSeparator(folder);
            if (RemoveEmptyFolder(path) == 0)
                m_undo.removedFolders << path;
        }
    }

    const RenameRunOptions& m_options;
    const RenameRunProgress& m_progress;
    RenameRunResult m_result;
    UndoRecord m_undo;
    QSet<QString> m_present; // folders known to be there
    QSet<QString> m_left;    // folders files were moved out of
    QStringList m_leftInOrder;
};

} // namespace

RenameRunResult RunRenamePlan(const std::vector<PlannedRename>& plan,
                              const RenameRunOptions& options, const RenameRunProgress& progress,
                              UndoRecord& undo) {
    return PlanRun(options, progress).run(plan, undo);
}

QString RenameFailuresText(const std::vector<RenameRunFailure>& failures) {
    QStringList lines;
    for (const RenameRunFailure& failure : failures)
        lines << failure.path + QStringLiteral(": ") + failure.error;
    return lines.join(u'\n');
}

void FollowRenamedRows(CatalogueModel& list, const std::vector<RenameRunDone>& done,
                       const QString& workingFolder) {
    const CatalogueModel::AllRowsShown all(list);
    QHash<QString, int> rows;
    rows.reserve(list.rowCount());
    for (int row = 0; row < list.rowCount(); ++row) {
        const Entry* entry = list.entryAt(row);
        rows.insert(PathKey(entry->folder + entry->name), row);
    }
    std::vector<int> leaving;
    for (const RenameRunDone& file : done) {
        const int row = rows.value(PathKey(file.oldPath), -1);
        Entry* entry = list.editEntry(row);
        if (!entry)
            continue;
        const QString folder = NormalisedFolder(FolderOfPath(file.newPath));
        if (!FolderInside(folder, workingFolder)) {
            leaving.push_back(row);
            continue;
        }
        entry->folder = folder;
        entry->name = NameOfPath(file.newPath);
        list.updateRow(row);
    }
    std::sort(leaving.begin(), leaving.end());
    list.removeEntryRows(leaving);
}
