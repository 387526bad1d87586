#pragma once
// The text tools' memory of the information and rename dialogs: which edit field last lost the
// keyboard focus (lastField) and its selection at that moment (lastSelection), and the tools
// that work on that field. Until a tracked field has lost the focus once, the tools leave all
// texts alone.

#include "info/text_case.h"

#include <QObject>
#include <QPointer>

class QLineEdit;
class QPlainTextEdit;
class QWidget;

class TextToolTracker : public QObject {
    Q_OBJECT
public:
    explicit TextToolTracker(QObject* parent = nullptr);

    void track(QLineEdit* field);
    void track(QPlainTextEdit* field);

    // The case tool (CaseUpper, CaseLower, CaseWords) on lastField's recorded selection; the
    // same characters stay selected and the field gets the focus.
    void applyCase(int tool);
    // Every double quote removed from lastField.
    void removeQuotes();
    // MoveFirstWord on lastField's text.
    void moveFirstWord();

    QWidget* lastField() const { return m_lastField; }
    FieldSelection lastSelection() const { return m_lastSelection; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QString fieldText() const;
    void setFieldText(const QString& text);

    QPointer<QWidget> m_lastField;
    FieldSelection m_lastSelection;
};
