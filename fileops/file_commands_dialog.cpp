#include "fileops/file_commands_dialog.h"

#include "app/app_state.h"
#include "catalogue/catalogue_model.h"
#include "catalogue/status.h"
#include "fileops/confirmation_dialog.h"
#include "fileops/destination_dialog.h"
#include "fileops/message_dialog.h"
#include "fileops/rename.h"
#include "fileops/rename_dialog.h"
#include "fileops/undo.h"
#include "info/info_edit.h"
#include "info/info_edit_dialog.h"
#include "platform/win_clipboard.h"
#include "report/create_report.h"
#include "report/report.h"
#include "report/report_dialog.h"

#include <QApplication>
#include <QClipboard>
#include <QGuiApplication>
#include <QWidget>

namespace {

// The file commands' questions, asked with the real dialogs and message boxes over `owner`.
class WindowFileDialogs : public FileDialogs {
public:
    explicit WindowFileDialogs(QWidget* owner) : m_owner(owner) {}

    DialogAnswer confirm(const QString& question, const QString& path) override {
        return DialogAnswer(ConfirmationDialog(m_owner, question, path).exec());
    }
    DialogAnswer renameFile(const FileSummary& current) override {
        return DialogAnswer(RenameFileDialog(m_owner, *this, current).exec());
    }
    void showFileError(const QString& text) override { ShowMessageBox(m_owner, text); }
    bool warnYesNo(const QString& text) override { return AskYesNo(m_owner, text); }
    void showMessage(const QString& text) override { ShowMessageBox(m_owner, text); }

private:
    QWidget* m_owner;
};

class WindowReportDialogs : public ReportDialogs {
public:
    explicit WindowReportDialogs(QWidget* owner) : m_owner(owner) {}

    bool runReportDialog() override { return ReportDialog(m_owner).exec() == QDialog::Accepted; }
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
};

} // namespace

bool RunDestinationDialog(QWidget* owner, const QString& title, FolderHistory& history) {
    return DestinationDialog(owner, title, history).exec() == QDialog::Accepted;
}

void RunFileBatchCommand(QWidget* owner, CommandId command, UndoRecord& undo, DeleteMode mode) {
    if (catalogue().selectedCount() < 1)
        return;
    if (scratch().promptText.isEmpty())
        scratch().promptText = FileCommandVerb(command);
    WindowFileDialogs dialogs(owner);
    RunFileBatch(command, dialogs, undo, mode);
}

void RunInfoEditDialog(QWidget* owner, UndoRecord& undo) {
    const int row = SingleFileRow(catalogue());
    if (catalogue().selectedCount() != 1 || row < 0)
        return;
    WindowFileDialogs dialogs(owner);
    InfoEditDialog(owner, row, LoadInfoFile(row), dialogs, undo).exec();
}

void RunUndoCommand(QWidget* owner, UndoRecord& undo) {
    if (!undo.canUndo())
        return;
    WindowFileDialogs dialogs(owner);
    UndoLastBatch(undo, catalogue(), dialogs);
}

void RunReportDialog(QWidget* owner) {
    WindowReportDialogs dialogs(owner);
    CreateReport(dialogs);
}

bool EndLabelEdit(int row, const QString& newName, UndoRecord& undo) {
    QWidget* owner = QApplication::activeWindow();
    WindowFileDialogs dialogs(owner);
    return EndLabelEdit(row, newName, dialogs, undo);
}
