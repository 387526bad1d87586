#include "info/text_tools_widget.h"

#include <QEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextCursor>

TextToolTracker::TextToolTracker(QObject* parent) : QObject(parent) {}

void TextToolTracker::track(QLineEdit* field) {
    field->installEventFilter(this);
}

void TextToolTracker::track(QPlainTextEdit* field) {
    field->installEventFilter(this);
}

bool TextToolTracker::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::FocusOut)
        return false;
    if (auto* line = qobject_cast<QLineEdit*>(watched)) {
        m_lastField = line;
        const int start = line->hasSelectedText() ? line->selectionStart() : line->cursorPosition();
        m_lastSelection = {start, line->hasSelectedText() ? line->selectionEnd() : start};
    } else if (auto* text = qobject_cast<QPlainTextEdit*>(watched)) {
        m_lastField = text;
        const QTextCursor cursor = text->textCursor();
        m_lastSelection = {cursor.selectionStart(), cursor.selectionEnd()};
    }
    return false;
}

QString TextToolTracker::fieldText() const {
    if (auto* line = qobject_cast<QLineEdit*>(m_lastField))
        return line->text();
    if (auto* text = qobject_cast<QPlainTextEdit*>(m_lastField))
        return text->toPlainText();
    return {};
}

void TextToolTracker::setFieldText(const QString& text) {
    if (auto* line = qobject_cast<QLineEdit*>(m_lastField))
        line->setText(text);
    else if (auto* edit = qobject_cast<QPlainTextEdit*>(m_lastField))
        edit->setPlainText(text);
}

void TextToolTracker::applyCase(int tool) {
    if (!m_lastField)
        return;
    setFieldText(ApplyCase(tool, fieldText(), m_lastSelection));
    const int start = m_lastSelection.start;
    const int end = m_lastSelection.end;
    if (auto* line = qobject_cast<QLineEdit*>(m_lastField)) {
        line->setSelection(start, end - start);
    } else if (auto* edit = qobject_cast<QPlainTextEdit*>(m_lastField)) {
        QTextCursor cursor = edit->textCursor();
        const int length = edit->toPlainText().size();
        cursor.setPosition(std::min(start, length));
        cursor.setPosition(std::min(end, length), QTextCursor::KeepAnchor);
        edit->setTextCursor(cursor);
    }
    m_lastField->setFocus();
}

void TextToolTracker::removeQuotes() {
    if (!m_lastField)
        return;
    setFieldText(RemoveQuotes(fieldText()));
    m_lastField->setFocus();
}

void TextToolTracker::moveFirstWord() {
    if (!m_lastField)
        return;
    const QString text = fieldText();
    const QString moved = MoveFirstWord(text);
    if (moved != text)
        setFieldText(moved);
    m_lastField->setFocus();
}
