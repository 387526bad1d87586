#include "base/bounded_text.h"

QString CutToLength(QStringView text, qsizetype maxLength) {
    if (maxLength <= 0)
        return {};
    if (text.size() <= maxLength)
        return text.toString();
    qsizetype n = maxLength;
    if (text[n - 1].isHighSurrogate() && text[n].isLowSurrogate())
        --n;
    return text.left(n).toString();
}
