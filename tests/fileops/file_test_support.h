#pragma once
// Shared by the file-command tests: a library of sample files in a temporary folder, rows
// built from it as the scan builds them, dialogs that answer from a script and record what
// they were asked, and snapshots of every byte on disk.

#include "base/ui_hooks.h"
#include "catalogue/catalogue_model.h"
#include "catalogue/entry_rows.h"
#include "fileops/file_batch.h"
#include "fileops/undo.h"
#include "format/file_summary.h"
#include "platform/folder_path.h"
#include "platform/native_file.h"
#include "report/create_report.h"
#include "report/report.h"
#include "settings/settings_store.h"
#include "temporary_trash.h"
#include "tools/sample_writer.h"

#include <QDateTime>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QMap>
#include <QStringList>
#include <cerrno>
#include <functional>
#include <memory>

namespace test_support {

// The system's own codes for the failures the tests provoke.
#ifdef Q_OS_WIN
constexpr int CopyExistsError = 80;    // ERROR_FILE_EXISTS: a copy never replaces
constexpr int RenameExistsError = 183; // ERROR_ALREADY_EXISTS: nor does a rename
constexpr int NoFolderError = 3;       // ERROR_PATH_NOT_FOUND
constexpr int NoFileError = 2;         // ERROR_FILE_NOT_FOUND
#else
constexpr int CopyExistsError = EEXIST;
constexpr int RenameExistsError = EEXIST;
constexpr int NoFolderError = ENOENT;
constexpr int NoFileError = ENOENT;
#endif

// Answers from a script and records every question.
struct ScriptedDialogs : FileDialogs {
    QList<int> confirmAnswers;  // taken in turn; Cancel when the script runs out
    QList<bool> warnAnswers;    // taken in turn; No when the script runs out
    QList<bool> forGoodAnswers; // the same for the questions whether to delete for good
    // The rename dialog: its answer, and the new name it leaves for Yes.
    std::function<int(const FileSummary&, QString&)> onRename = [](const FileSummary&, QString&) {
        return int(DialogAnswer::Cancel);
    };
    std::function<void()> duringConfirm = [] {}; // what the window might do meanwhile
    int stopAt = -1;         // the progress's Cancel, pressed when `done` files are done
    QList<bool> goOnAnswers; // the error boxes that offer Stop; go on when the script runs out
    QList<int> progress;     // the `done` of each step the batch reported
    QStringList questions, paths, fileErrors, warnings, forGoodQuestions, messages;
    QStringList stopOffers; // the errors shown with a Stop
    int renameCalls = 0;
    UndoRecord undo; // what the commands run with these dialogs leave to undo

    DialogAnswer confirm(const QString& question, const QString& path) override {
        questions << question;
        paths << path;
        duringConfirm();
        return DialogAnswer(confirmAnswers.isEmpty() ? int(DialogAnswer::Cancel)
                                                     : confirmAnswers.takeFirst());
    }
    DialogAnswer renameFile(const FileSummary& current, QString& newName) override {
        ++renameCalls;
        return DialogAnswer(onRename(current, newName));
    }
    void showFileError(const QString& text) override { fileErrors << text; }
    bool warnYesNo(const QString& text) override {
        warnings << text;
        return !warnAnswers.isEmpty() && warnAnswers.takeFirst();
    }
    bool askDeleteForGood(const QString& text) override {
        forGoodQuestions << text;
        return !forGoodAnswers.isEmpty() && forGoodAnswers.takeFirst();
    }
    void showMessage(const QString& text) override { messages << text; }
    bool goingOn(int done, int total, const QString& path) override {
        (void)total;
        (void)path;
        progress << done;
        return done != stopAt;
    }
    bool goOnAfterError(const QString& text) override {
        stopOffers << text;
        return goOnAnswers.isEmpty() || goOnAnswers.takeFirst();
    }
};

// The report command's dialogs: OK or Cancel from `ok`, answers from a script, and a record of
// what they showed and what reached the clipboard.
struct ReportScript : ReportDialogs {
    bool ok = true;
    QList<bool> warnAnswers;
    QStringList messages, warnings;
    QString clipboard;
    QByteArray clipboardBytes;
    int clipboardCalls = 0;
    QString confirmedInChooser; // what the dialog's file chooser confirmed
    std::function<void()> duringDialog = [] {};
    bool runReportDialog(quint16& flags, QString& path, QString& replaceConfirmed) override {
        (void)flags;
        (void)path;
        duringDialog();
        replaceConfirmed = confirmedInChooser;
        return ok;
    }
    void setClipboardText(const QString& text, const QByteArray& cp1252) override {
        clipboard = text;
        clipboardBytes = cp1252;
        ++clipboardCalls;
    }
    void showMessage(const QString& text) override { messages << text; }
    bool warnYesNo(const QString& text) override {
        warnings << text;
        return !warnAnswers.isEmpty() && warnAnswers.takeFirst();
    }
};

inline QString TitleOf(int i) {
    return QStringLiteral("Title %1").arg(i);
}
inline QString NameOf(int i) {
    return QStringLiteral("song%1.zuf").arg(i);
}

// Writes song0.zuf .. song<n-1>.zuf into the folder, each with its own title, subtitle and
// tuning, and an old last-write time, so that a copy that loses the time shows.
inline bool WriteLibrary(const QString& folder, int n) {
    for (int i = 0; i < n; ++i) {
        SampleFile file;
        file.title = TitleOf(i);
        file.subtitle = QStringLiteral("Author %1").arg(i);
        file.comments = QStringLiteral("Comments %1").arg(i);
        file.modules = {{QStringLiteral("Guitar"), 6, {quint8(10 + i), 3, 10, 5, 1, 8}, 12, 0}};
        const QString path = folder + NameOf(i);
        if (!WriteSampleFile(path, file))
            return false;
        QFile f(path);
        if (!f.open(QIODevice::ReadWrite) ||
            !f.setFileTime(QDateTime(QDate(2001, 2, 3 + i), QTime(4, 5, 6), Qt::UTC),
                           QFileDevice::FileModificationTime))
            return false;
    }
    return true;
}

// What the file commands work with, as the window holds it: the list, the working folder,
// the destination of move and copy, the rename flags, and the report's flags and path. Each
// test builds its own.
struct Session {
    CatalogueModel list;
    QString workingFolder;
    QString destFolder;
    quint16 renameFlags = 0;
    quint16 reportFlags = DefaultReportFlags;
    QString reportPath;
    UiHooks window; // a window that shows nothing

    BatchRequest request(const QString& verb, DeleteMode mode = DeleteMode::Trash) const {
        return {verb, destFolder, workingFolder, mode};
    }
    // Runs the command with the session's list and window, `dialogs` answering.
    int run(CommandId command, const QString& verb, ScriptedDialogs& dialogs,
            DeleteMode mode = DeleteMode::Trash) {
        return RunFileBatch(command, request(verb, mode), list, dialogs, window, dialogs.undo);
    }
    // The report command over the session's list, flags and path, `dialogs` answering.
    void report(ReportDialogs& dialogs) {
        CreateReport(dialogs, list, reportFlags, reportPath, workingFolder);
    }
};

// Appends a row for the file as the scan would: the file's own name, folder, time and size,
// then the texts read from it.
inline void AddRow(CatalogueModel& list, const QString& folder, const QString& name) {
    const QFileInfo info(folder + name);
    FileSummary summary = ReadSummary(folder + name, ReadMode::WithoutNotes);
    summary.currentEntry.name = name;
    summary.currentEntry.folder = folder;
    summary.currentEntry.lastWriteTime = info.lastModified().toMSecsSinceEpoch();
    summary.currentEntry.size = quint32(info.size());
    std::vector<Entry> row;
    row.push_back(EntryFromSummary(summary));
    list.appendEntries(std::move(row));
}

// A fresh session with the working folder and rows for the library's n files.
inline std::unique_ptr<Session> LoadSession(const QString& folder, int n) {
    auto session = std::make_unique<Session>();
    session->workingFolder = folder;
    for (int i = 0; i < n; ++i)
        AddRow(session->list, folder, NameOf(i));
    return session;
}

// An emptied folder "music" below `root` holding the library's n files. Returns the folder,
// or an empty text when something failed.
inline QString FreshLibraryFolder(const QString& root, int n) {
    const QString work = NormalisedFolder(root + QStringLiteral("/music"));
    QDir(work).removeRecursively();
    if (!QDir().mkpath(work) || !WriteLibrary(work, n))
        return {};
    return work;
}

inline void SelectRows(CatalogueModel& list, const QList<int>& rows) {
    list.clearSelectionAndFocus();
    for (int row : rows)
        list.selectAndFocus(row);
}

inline QStringList RowNames(const CatalogueModel& list) {
    QStringList names;
    for (int row = 0; row < list.rowCount(); ++row)
        names << list.entryAt(row)->name;
    return names;
}

inline QStringList RowPaths(const CatalogueModel& list) {
    QStringList paths;
    for (int row = 0; row < list.rowCount(); ++row)
        paths << list.entryAt(row)->folder + list.entryAt(row)->name;
    return paths;
}

inline QList<int> SelectedRows(const CatalogueModel& list) {
    QList<int> rows;
    for (int row = list.nextRow(-1, true); row >= 0; row = list.nextRow(row, true))
        rows << row;
    return rows;
}

// The row's file as the batch takes it: its record and full path.
inline FileSummary FileOfRow(const CatalogueModel& list, int row) {
    FileSummary file;
    file.currentEntry = *list.entryAt(row);
    file.currentPath = file.currentEntry.folder + file.currentEntry.name;
    return file;
}

inline int FocusedRow(CatalogueModel& list) {
    const QModelIndex current = list.selectionModel()->currentIndex();
    return current.isValid() ? current.row() : -1;
}

// Every file below the folder with its bytes, by path relative to the folder.
using Snapshot = QMap<QString, QByteArray>;
inline Snapshot TakeSnapshot(const QString& folder) {
    Snapshot files;
    QDirIterator it(folder, QDir::Files | QDir::Hidden | QDir::System,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        QFile f(path);
        files.insert(QDir(folder).relativeFilePath(path),
                     f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<unreadable>"));
    }
    return files;
}

// The 200 bytes of an information block holding the three code page 1252 texts with their NULs,
// as they are given (nothing cut), zeros after them.
inline QByteArray Block(const QByteArray& title, const QByteArray& subtitle,
                        const QByteArray& comments) {
    QByteArray block = title + '\0' + subtitle + '\0' + comments + '\0';
    block.resize(200, '\0');
    return block;
}

inline QByteArray ReadAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

inline QDateTime ModifiedTime(const QString& path) {
    return QFileInfo(path).lastModified().toUTC();
}

} // namespace test_support
