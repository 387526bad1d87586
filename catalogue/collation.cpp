#include "catalogue/collation.h"

Collation::Collation(const QLocale& locale) : m_collator(locale) {
    m_collator.setCaseSensitivity(Qt::CaseInsensitive);
}

void Collation::setLocale(const QLocale& locale) {
    m_collator.setLocale(locale);
    ++m_stamp;
}
