#pragma once
// Conversions between the file texts and the UTF-16 texts the program keeps: code page 1252
// (older file generation, reports) and counted UTF-8 (newer file generation). The code page is
// always 1252, never the system's current one.

#include "base/bounded_text.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

// Decodes the code page 1252 bytes of `input` up to its first NUL (or its end) and returns the
// longest prefix of the text whose UTF-8 form plus a terminating NUL takes fewer than `limit`
// bytes (so at most limit - 2 bytes of UTF-8 text). A limit below 2 gives the empty text.
// The five bytes the code page leaves undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) decode to the
// control characters of the same number.
QString Cp1252ToWideFit(QByteArrayView input, int limit);

// Decodes exactly input.size() bytes of UTF-8 (a NUL inside the range does not stop the
// decoding; invalid sequences become U+FFFD) and puts the text up to its first NUL into
// `output`. When the range is empty or its first byte is NUL, `output` is left as it was and
// the result is 0; otherwise the result is the number of UTF-16 units decoded from the range.
int Utf8ToWide(QString& output, QByteArrayView input);

// The same into a bounded text, which keeps at most its capacity.
template <int Capacity> int Utf8ToWide(BoundedText<Capacity>& output, QByteArrayView input) {
    QString text;
    const int units = Utf8ToWide(text, input);
    if (units != 0)
        output = text;
    return units;
}

// Encodes `input` up to its first NUL (or its end) in code page 1252. Characters the code page
// lacks become '?', one per character (a surrogate pair is one character).
QByteArray WideToCp1252(QStringView input);
