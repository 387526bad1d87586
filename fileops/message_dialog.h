#pragma once
// The message boxes of the file commands and the report.

#include <QDialog>
#include <QMessageBox>
#include <QString>

class QPlainTextEdit;
class QWidget;

// A message with only OK under the program's caption, with the information icon unless told
// otherwise (the report's messages carry none).
void ShowMessageBox(QWidget* owner, const QString& text,
                    QMessageBox::Icon icon = QMessageBox::Information);
// A warning with Yes and No under the program's caption: true for Yes. Enter answers
// `defaultButton`.
bool AskYesNo(QWidget* owner, const QString& text,
              QMessageBox::StandardButton defaultButton = QMessageBox::Yes);
// A failure in a batch that goes on without asking: the text under the program's caption with
// OK (the default: go on with the next file) and "&Stop" (also Esc); false for Stop.
bool AskGoOnAfterError(QWidget* owner, const QString& text);

// The failures of a batch of our own, once at its end: `text` above the list `failures`, one
// line per file (its path and the system's text), which can be scrolled and copied, and OK.
class FailureListDialog : public QDialog {
    Q_OBJECT
public:
    FailureListDialog(QWidget* owner, const QString& text, const QString& failures);
    QPlainTextEdit* listBox() const { return m_list; }

private:
    QPlainTextEdit* m_list = nullptr;
};
