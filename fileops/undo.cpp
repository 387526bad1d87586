#include "fileops/undo.h"

#include "catalogue/catalogue_model.h"
#include "catalogue/entry_rows.h"
#include "format/file_summary.h"
#include "platform/folder_path.h"
#include "platform/folder_walk.h"
#include "platform/native_file.h"
#include "platform/native_fileops.h"

#include <QCoreApplication>
#include <QHash>
#include <algorithm>
#include <cerrno>
#include <future>

FileStamp StampOf(const QString& path) {
    FileStamp stamp;
#ifdef Q_OS_WIN
    // The file opened: a link's own attributes are not its file's.
    NativeFile file;
    std::int64_t size = -1;
    std::int64_t time = 0;
    if (!file.openRead(path) || !file.sizeAndTime(size, time)) {
        stamp.error = file.lastError() ? file.lastError() : ENOENT;
        return stamp;
    }
    stamp.size = size;
    stamp.lastWriteTime = time;
#else
    // One status call, which follows links as an opening does: a batch of many files stamps
    // each at little more than the cost of its rename.
    FolderItem item;
    if (!DescribeItem(path, item)) {
        stamp.error = errno ? errno : ENOENT;
        return stamp;
    }
    stamp.size = qint64(item.size);
    stamp.lastWriteTime = item.lastWriteTime;
#endif
    return stamp;
}

UndoStep DoneStep(UndoAction action, const QString& before, const QString& after) {
    UndoStep step;
    step.action = action;
    step.before = before;
    step.after = after;
    step.stamp = StampOf(after);
    return step;
}

void StampSteps(std::vector<UndoStep>& steps) {
    static constexpr size_t parallelFrom = 256;
    const auto stamp = [&steps](size_t from, size_t to) {
        for (size_t i = from; i < to; ++i)
            steps[i].stamp = StampOf(steps[i].after);
    };
    const size_t half = steps.size() >= parallelFrom ? steps.size() / 2 : steps.size();
    std::future<void> second;
    if (half < steps.size())
        second = std::async(std::launch::async, stamp, half, steps.size());
    stamp(0, half);
    if (second.valid())
        second.get();
}

UndoStep TrashStep(const QString& before, const TrashedFile& trashed) {
    UndoStep step = DoneStep(UndoAction::Trash, before, trashed.path);
    step.trashInfo = trashed.infoPath;
    return step;
}

UndoStep InfoBlockStep(const QString& path, const QByteArray& oldBlock) {
    UndoStep step = DoneStep(UndoAction::InfoBlock, path, path);
    step.block = oldBlock;
    return step;
}

QString UndoLeftText(const QStringList& lines) {
    return QCoreApplication::translate("Undo", "Undo left these files as they are:\n") +
           lines.join(u'\n');
}

Entry FileRow(const QString& path) {
    const FileStamp stamp = StampOf(path);
    FileSummary summary = ReadSummary(path, ReadMode::WithoutNotes);
    summary.currentEntry.name = NameOfPath(path);
    summary.currentEntry.folder = FolderOfPath(path);
    summary.currentEntry.lastWriteTime = stamp.lastWriteTime;
    summary.currentEntry.size = quint32(stamp.size);
    return EntryFromSummary(summary);
}

namespace {

// Takes one step back on disk; an empty text when it worked, else why the file was left alone.
QString UndoOnDisk(const UndoStep& step) {
#ifdef Q_OS_WIN
    if (step.action == UndoAction::Trash)
        return QCoreApplication::translate("Undo",
                                           "not restorable here: restore it from the Recycle Bin");
#endif
    const FileStamp now = StampOf(step.after);
    if (now.error)
        return SystemErrorText(now.error);
    if (now != step.stamp)
        return QCoreApplication::translate("Undo",
                                           "changed after the batch (size or last-write time)");
    int error = 0;
    switch (step.action) {
    case UndoAction::Rename:
    case UndoAction::Move:
        error = MoveNoReplace(step.after, step.before);
        break;
    case UndoAction::Copy:
        error = DeleteFileNative(step.after);
        break;
    case UndoAction::Trash:
        error = RestoreFromTrash({step.after, step.trashInfo}, step.before);
        break;
    case UndoAction::InfoBlock:
        error = WriteBlockAtStart(step.after, step.block);
        break;
    }
    if (NameTakenError(error) && step.action == UndoAction::Trash)
        return QCoreApplication::translate("Undo", "the name is taken by another file now; the "
                                                   "file stays in the trash: %1")
            .arg(step.after);
    if (NameTakenError(error))
        return QCoreApplication::translate("Undo", "%1 is taken by another file now")
            .arg(step.before);
    return error ? SystemErrorText(error) : QString();
}

// The rows as undo changes them: rows are found by their paths, those to remove are removed
// at the end in one step, and files that come back without a row are appended in one step.
class RowFollower {
public:
    explicit RowFollower(CatalogueModel& list) : m_list(list) {
        for (int row = 0; row < list.rowCount(); ++row) {
            const Entry* entry = list.entryAt(row);
            m_rows.insert(PathKey(entry->folder + entry->name), row);
        }
    }

    void follow(const UndoStep& step) {
        const int row = m_rows.value(PathKey(step.after), -1);
        Entry* entry = m_list.editEntry(row);
        switch (step.action) {
        case UndoAction::Rename:
        case UndoAction::Move:
            if (!entry) {
                m_append << step.before;
                return;
            }
            entry->name = NameOfPath(step.before);
            entry->folder = FolderOfPath(step.before);
            m_rows.remove(PathKey(step.after));
            m_rows.insert(PathKey(step.before), row);
            m_list.updateRow(row);
            return;
        case UndoAction::Copy:
            if (entry) {
                m_remove.push_back(row);
                m_rows.remove(PathKey(step.after));
            }
            return;
        case UndoAction::Trash:
            m_append << step.before;
            return;
        case UndoAction::InfoBlock:
            if (entry)
                readTexts(row, step.after);
            return;
        }
    }

    void finish() {
        std::sort(m_remove.begin(), m_remove.end());
        m_list.removeEntryRows(m_remove);
        std::vector<Entry> appended;
        for (const QString& path : m_append)
            appended.push_back(FileRow(path));
        m_list.appendEntries(std::move(appended));
    }

private:
    void readTexts(int row, const QString& path) {
        const FileSummary summary = ReadSummary(path, ReadMode::WithoutNotes);
        Entry* entry = m_list.editEntry(row);
        entry->title = summary.title.text();
        entry->subtitle = summary.subtitle.text();
        entry->comments = summary.comments.text();
        m_list.updateRow(row);
    }

    CatalogueModel& m_list;
    QHash<QString, int> m_rows; // by PathKey of the row's path
    std::vector<int> m_remove;
    QStringList m_append;
};

} // namespace

int UndoLastBatch(UndoRecord& record, CatalogueModel& list, FileDialogs& dialogs) {
    const std::vector<UndoStep> steps = std::move(record.steps);
    const QStringList made = std::move(record.madeFolders);
    const QStringList removed = std::move(record.removedFolders);
    record = {};
    for (const QString& folder : removed)
        (void)MakeFolder(folder);                 // one that is there again already is fine
    const CatalogueModel::AllRowsShown all(list); // a file may come back to a hidden row
    RowFollower rows(list);
    QStringList left;
    int undone = 0;
    for (auto step = steps.rbegin(); step != steps.rend(); ++step) {
        const QString reason = UndoOnDisk(*step);
        if (reason.isEmpty()) {
            rows.follow(*step);
            ++undone;
        } else {
            const QString& path = step->action == UndoAction::Trash ? step->before : step->after;
            left << path + QStringLiteral(": ") + reason;
        }
    }
    rows.finish();
    for (auto folder = made.rbegin(); folder != made.rend(); ++folder)
        (void)RemoveEmptyFolder(*folder); // one that holds anything stays
    if (!left.isEmpty())
        dialogs.showMessage(UndoLeftText(left));
    return undone;
}
