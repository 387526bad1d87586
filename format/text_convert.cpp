#include "format/text_convert.h"

#include <array>

// Code page 1252 bytes 0x80..0x9F; the rest of the code page is Latin-1. The five undefined
// bytes map to the control characters of the same number.
static constexpr std::array<char16_t, 32> HighControlMap = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

static char16_t Cp1252ToUnit(unsigned char byte) {
    if (byte >= 0x80 && byte <= 0x9F)
        return HighControlMap[byte - 0x80];
    return byte;
}

// The UTF-8 length of one code page 1252 character (all of them lie in the BMP).
static int Utf8Length(char16_t unit) {
    if (unit < 0x80)
        return 1;
    return unit < 0x800 ? 2 : 3;
}

// The common case: no byte of 0x80..0x9F, where code page 1252 differs from Latin-1, and the
// whole text fits. Such a text converts in one go. Bytes 0xA0 and above take two UTF-8 bytes.
static bool FitsAsLatin1(QByteArrayView text, qint64 room) {
    qint64 utf8 = text.size();
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 0x80 && byte <= 0x9F)
            return false;
        utf8 += byte >= 0xA0;
    }
    return utf8 <= room;
}

QString Cp1252ToWideFit(QByteArrayView input, int limit) {
    const qsizetype end = input.indexOf('\0');
    const qsizetype length = end < 0 ? input.size() : end;
    // The UTF-8 text plus its NUL must take fewer than `limit` bytes.
    qint64 room = qint64(limit) - 2;
    if (room <= 0 || length == 0)
        return {};
    const QByteArrayView text = input.first(length);
    if (FitsAsLatin1(text, room))
        return QString::fromLatin1(text);
    QString out(qMin<qint64>(length, room), Qt::Uninitialized);
    QChar* units = out.data();
    qsizetype kept = 0;
    for (const char c : text) {
        const char16_t unit = Cp1252ToUnit(static_cast<unsigned char>(c));
        room -= Utf8Length(unit);
        if (room < 0)
            break;
        units[kept++] = QChar(unit);
    }
    out.truncate(kept);
    return out;
}

int Utf8ToWide(QString& output, QByteArrayView input) {
    if (input.isEmpty() || input[0] == '\0')
        return 0;
    // QString::fromUtf8 decodes the whole counted range, NULs included, and replaces invalid
    // sequences with U+FFFD.
    const QString text = QString::fromUtf8(input);
    if (text.isEmpty())
        return 0;
    const qsizetype nul = text.indexOf(QChar(u'\0'));
    output = nul < 0 ? text : text.left(nul);
    return int(text.size());
}

static char EncodeCp1252(char32_t cp) {
    if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF))
        return char(cp);
    for (std::size_t i = 0; i < HighControlMap.size(); ++i) {
        if (HighControlMap[i] == cp)
            return char(0x80 + i);
    }
    return '?';
}

QByteArray WideToCp1252(QStringView input) {
    QByteArray out;
    out.reserve(input.size());
    const qsizetype n = input.size();
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t unit = input[i].unicode();
        if (unit == 0)
            break;
        if (QChar::isHighSurrogate(unit) && i + 1 < n && input[i + 1].isLowSurrogate()) {
            ++i; // one character outside the code page
            out.append('?');
            continue;
        }
        out.append(EncodeCp1252(unit));
    }
    return out;
}
