#include "fileops/file_commands_dialog.h"

#include "base/program_info.h"
#include "catalogue/catalogue_model.h"
#include "catalogue/status.h"
#include "fileops/batch_progress_dialog.h"
#include "fileops/confirmation_dialog.h"
#include "fileops/destination_dialog.h"
#include "fileops/dropped_files.h"
#include "fileops/info_edit.h"
#include "fileops/info_edit_dialog.h"
#include "fileops/folder_history.h"
#include "fileops/message_dialog.h"
#include "fileops/pattern_rename_dialog.h"
#include "fileops/rename.h"
#include "fileops/rename_dialog.h"
#include "fileops/rename_plan_run.h"
#include "fileops/undo.h"
#include "platform/win_clipboard.h"
#include "report/create_report.h"
#include "report/report.h"
#include "report/report_dialog.h"

#include <QApplication>
#include <QClipboard>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QWidget>

namespace {

// The file commands' questions, asked with the real dialogs and message boxes over `owner`.
class WindowFileDialogs : public FileDialogs {
public:
    // The rename dialog checks `list` for duplicated names as bit 0 of `renameFlags` says; a
    // batch's progress shows after `progressAfterMs`.
    WindowFileDialogs(QWidget* owner, const CatalogueModel& list, quint16& renameFlags,
                      int progressAfterMs = ProgressAfterMs)
        : m_owner(owner), m_list(list), m_renameFlags(renameFlags),
          m_progress(owner, progressAfterMs) {}

    DialogAnswer confirm(const QString& question, const QString& path) override {
        return DialogAnswer(ConfirmationDialog(m_owner, question, path).exec());
    }
    DialogAnswer renameFile(const FileSummary& current, QString& newName) override {
        RenameFileDialog dialog(m_owner, *this, current, m_list, m_renameFlags);
        const auto answer = DialogAnswer(dialog.exec());
        newName = dialog.newName();
        return answer;
    }
    void showFileError(const QString& text) override { ShowMessageBox(m_owner, text); }
    bool warnYesNo(const QString& text) override { return AskYesNo(m_owner, text); }
    bool askDeleteForGood(const QString& text) override {
        return AskYesNo(m_owner, text, QMessageBox::No);
    }
    void showMessage(const QString& text) override { ShowMessageBox(m_owner, text); }
    bool goingOn(int done, int total, const QString& path) override {
        return m_progress.step(done, total, path);
    }
    bool goOnAfterError(const QString& text) override { return AskGoOnAfterError(m_owner, text); }

private:
    QWidget* m_owner;
    const CatalogueModel& m_list;
    quint16& m_renameFlags;
    BatchProgress m_progress;
};

class WindowReportDialogs : public ReportDialogs {
public:
    WindowReportDialogs(QWidget* owner, const QString& workingFolder)
        : m_owner(owner), m_workingFolder(workingFolder) {}

    bool runReportDialog(quint16& flags, QString& path, QString& replaceConfirmed) override {
        ReportDialog dialog(m_owner, flags, path, m_workingFolder);
        const bool ok = dialog.exec() == QDialog::Accepted;
        replaceConfirmed = dialog.replaceConfirmed();
        return ok;
    }
    // Plain text reaches every application. On Windows the 8-bit form is the report's own
    // code page 1252 bytes, not what the system would make of the text in its code page.
    void setClipboardText(const QString& text, const QByteArray& cp1252) override {
#ifdef Q_OS_WIN
        // Only on the system's own clipboard; other platforms (offscreen) keep Qt's.
        if (QGuiApplication::platformName() == QLatin1String("windows") &&
            SetClipboardTexts(text, cp1252))
            return;
#else
        (void)cp1252;
#endif
        QGuiApplication::clipboard()->setText(text);
    }
    void showMessage(const QString& text) override {
        ShowMessageBox(m_owner, text, QMessageBox::NoIcon);
    }
    bool warnYesNo(const QString& text) override {
        return AskYesNo(m_owner, text);
    }

private:
    QWidget* m_owner;
    const QString& m_workingFolder;
};

} // namespace

bool RunDestinationDialog(QWidget* owner, const QString& title, const QString& prompt,
                          FolderHistory& history, DestinationPlace place) {
    return DestinationDialog(owner, title, prompt, history, place).exec() == QDialog::Accepted;
}

void RunFileBatchCommand(QWidget* owner, CommandId command, const BatchRequest& request,
                         CatalogueModel& list, quint16& renameFlags, UiHooks& window,
                         UndoRecord& undo, int progressAfterMs) {
    if (list.selectedCount() < 1)
        return;
    BatchRequest withVerb = request;
    if (withVerb.verb.isEmpty())
        withVerb.verb = FileCommandVerb(command);
    WindowFileDialogs dialogs(owner, list, renameFlags, progressAfterMs);
    RunFileBatch(command, withVerb, list, dialogs, window, undo);
}

void RunDroppedFilesCommand(QWidget* owner, const QStringList& files, BatchRequest request,
                            CatalogueModel& list, UiHooks& window, UndoRecord& undo) {
    QMessageBox question(QMessageBox::Question, ProgramCaption.toString(),
                         QCoreApplication::translate("FileCommands",
                                                     "Copy the %n dropped file(s) into %1, or "
                                                     "move them there?",
                                                     nullptr, int(files.size()))
                             .arg(request.destination),
                         QMessageBox::Cancel, owner);
    QAbstractButton* copy = question.addButton(
        QCoreApplication::translate("FileCommands", "&Copy Here"), QMessageBox::AcceptRole);
    QAbstractButton* move = question.addButton(
        QCoreApplication::translate("FileCommands", "&Move Here"), QMessageBox::AcceptRole);
    question.setDefaultButton(qobject_cast<QPushButton*>(copy));
    question.exec();
    if (question.clickedButton() != copy && question.clickedButton() != move)
        return;
    const CommandId command =
        question.clickedButton() == move ? CommandId::MoveFiles : CommandId::CopyFiles;
    request.verb = FileCommandVerb(command);
    quint16 noRenameFlags = 0; // move and copy ask no rename question
    WindowFileDialogs dialogs(owner, list, noRenameFlags, ProgressAfterMs);
    RunDroppedFiles(command, files, request, list, dialogs, window, undo);
}

void RunInfoEditDialog(QWidget* owner, CatalogueModel& list, int row, UiHooks& window,
                       UndoRecord& undo) {
    if (row < 0)
        return;
    quint16 noRenameFlags = 0; // the information dialog asks no rename question
    WindowFileDialogs dialogs(owner, list, noRenameFlags);
    InfoEditDialog(owner, list, row, LoadInfoFile(list, row), dialogs, undo, window).exec();
}

void RunUndoCommand(QWidget* owner, CatalogueModel& list, UndoRecord& undo) {
    if (!undo.canUndo())
        return;
    quint16 noRenameFlags = 0; // Undo asks no rename question
    WindowFileDialogs dialogs(owner, list, noRenameFlags);
    UndoLastBatch(undo, list, dialogs);
}

void RunReportDialog(QWidget* owner, const CatalogueModel& list, quint16& reportFlags,
                     QString& reportPath, const QString& workingFolder) {
    WindowReportDialogs dialogs(owner, workingFolder);
    CreateReport(dialogs, list, reportFlags, reportPath, workingFolder);
}

bool EndLabelEdit(CatalogueModel& list, int row, const QString& newName, quint16 renameFlags,
                  UndoRecord& undo) {
    QWidget* owner = QApplication::activeWindow();
    WindowFileDialogs dialogs(owner, list, renameFlags);
    return EndLabelEdit(list, row, newName, (renameFlags & 1) != 0, dialogs, undo);
}

void RunPatternRenameCommand(QWidget* owner, CatalogueModel& list, QStringList& recentPatterns,
                             FolderHistory& history, const QString& workingFolder,
                             UndoRecord& undo, int progressAfterMs) {
    const std::vector<int> rows = list.selectedRows();
    if (rows.empty())
        return;
    PatternRenameDialog dialog(owner, RenameFactsOfRows(list, rows), recentPatterns, history,
                               workingFolder);
    if (dialog.exec() != QDialog::Accepted)
        return;
    const PatternRenameChoice& choice = dialog.choice();
    AddRecentText(recentPatterns, choice.pattern);
    BatchProgress progress(owner, progressAfterMs);
    const RenameRunResult result = RunRenamePlan(
        choice.plan, {choice.removeEmptyFolders},
        [&progress](int done, int total, const QString& path) {
            return progress.step(done, total, path);
        },
        undo);
    FollowRenamedRows(list, result.done, workingFolder);
    if (!result.failures.empty()) {
        const int count = int(result.failures.size());
        FailureListDialog(owner,
                          QCoreApplication::translate("FileCommands",
                                                      "%n file(s) could not be renamed or moved:",
                                                      nullptr, count),
                          RenameFailuresText(result.failures))
            .exec();
    }
}
