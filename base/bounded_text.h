#pragma once
// A text with a fixed capacity in UTF-16 units (the terminating NUL of the classic buffers
// counted), which truncates instead of overrunning. The capacities are the text limits of the
// program: a title holds 511 characters, the comments 1023, the notes 24575.

#include <QString>
#include <QStringView>

// The longest prefix of `text` with at most `maxLength` UTF-16 units that does not end in the
// middle of a surrogate pair.
QString CutToLength(QStringView text, qsizetype maxLength);

template <int Capacity> class BoundedText {
public:
    static constexpr int capacity = Capacity;
    static constexpr int maxLength = Capacity - 1;

    BoundedText() = default;
    BoundedText(QStringView text) { assign(text); }
    BoundedText& operator=(QStringView text) {
        assign(text);
        return *this;
    }
    BoundedText& operator=(const QString& text) {
        if (!text.isEmpty() && text.size() <= maxLength)
            m_text = text; // it fits: shared, not copied
        else
            assign(text);
        return *this;
    }

    void assign(QStringView text) { m_text = CutToLength(text, maxLength); }
    void clear() { m_text.clear(); }
    const QString& text() const { return m_text; }
    operator const QString&() const { return m_text; }
    bool isEmpty() const { return m_text.isEmpty(); }
    qsizetype length() const { return m_text.size(); }
    bool operator==(QStringView other) const { return QStringView(m_text) == other; }

private:
    QString m_text;
};
