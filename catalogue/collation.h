#pragma once
// The order a list sorts its texts in: the case-insensitive collation of a locale.

#include <QCollator>
#include <QLocale>
#include <QStringView>

// Each list owns one and hands it to its sorts, so that lists in different locales never
// disturb each other. What was ranked in a collation (a list's kept ranks of names) counts
// only while its stamp stays the same.
class Collation {
public:
    explicit Collation(const QLocale& locale = QLocale());

    // A change of the locale (the user's, or a test's); the stamp changes with it.
    void setLocale(const QLocale& locale);

    const QCollator& collator() const { return m_collator; }
    int compare(QStringView a, QStringView b) const { return m_collator.compare(a, b); }
    int stamp() const { return m_stamp; }

private:
    QCollator m_collator;
    int m_stamp = 0;
};
