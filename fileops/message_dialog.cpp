#include "fileops/message_dialog.h"

#include "base/program_info.h"
#include "fileops/file_batch.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QLabel>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

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

FailureListDialog::FailureListDialog(QWidget* owner, const QString& text,
                                     const QString& failures)
    : QDialog(owner) {
    setWindowTitle(ProgramCaption.toString());
    auto* label = new QLabel(text, this);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    m_list = new QPlainTextEdit(this);
    m_list->setReadOnly(true);
    m_list->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_list->setPlainText(Lines(failures));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label);
    layout->addWidget(m_list, 1);
    layout->addWidget(buttons);
    const int character = fontMetrics().averageCharWidth();
    resize(90 * character, 22 * fontMetrics().height());
}
