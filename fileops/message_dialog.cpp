#include "fileops/message_dialog.h"

#include "base/program_info.h"
#include "fileops/file_batch.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <QPushButton>

// The program's texts break lines with LF; a text from outside (a Windows system message, a
// file name) may still hold CR LF, which the box shows as one line break too.
static QString Lines(QString text) {
    return text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

void ShowMessageBox(QWidget* owner, const QString& text, QMessageBox::Icon icon) {
    QMessageBox box(icon, ProgramCaption.toString(), Lines(text), QMessageBox::Ok, owner);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

bool AskYesNo(QWidget* owner, const QString& text, QMessageBox::StandardButton defaultButton) {
    QMessageBox box(QMessageBox::Warning, ProgramCaption.toString(), Lines(text),
                    QMessageBox::Yes | QMessageBox::No, owner);
    box.setTextFormat(Qt::PlainText);
    box.setDefaultButton(defaultButton);
    return box.exec() == QMessageBox::Yes;
}

bool AskGoOnAfterError(QWidget* owner, const QString& text) {
    QMessageBox box(QMessageBox::Information, ProgramCaption.toString(), Lines(text),
                    QMessageBox::Ok, owner);
    box.setTextFormat(Qt::PlainText);
    QPushButton* stop =
        box.addButton(QCoreApplication::translate("MessageDialog", "&Stop"), QMessageBox::RejectRole);
    box.setDefaultButton(QMessageBox::Ok);
    box.setEscapeButton(stop);
    box.exec();
    return box.clickedButton() != stop;
}
