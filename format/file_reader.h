#pragma once
// Reading the bytes of a tablature file: zero-filled reads, little-endian numbers, counted
// strings. A read past the end of the file yields zeros, never bytes left from an earlier read.

#include "base/bounded_text.h"
#include "format/text_convert.h"
#include "platform/native_file.h"

#include <QByteArray>
#include <QByteArrayView>

// Exactly `count` bytes from the current position; what the file does not have reads as 0.
QByteArray ReadBytes(NativeFile& file, qint64 count);
// The same from `offset`.
QByteArray ReadBytesAt(NativeFile& file, qint64 offset, qint64 count);
// The same into the caller's buffer of `count` bytes, for the small fixed blocks read from
// every file: no block of their own to allocate.
void ReadBytes(NativeFile& file, char* to, qint64 count);
void ReadBytesAt(NativeFile& file, qint64 offset, char* to, qint64 count);
// The little-endian word at the current position, or at `offset` (0 for missing bytes).
quint16 ReadWord(NativeFile& file);
quint16 ReadWordAt(NativeFile& file, qint64 offset);

// The part of `bytes` from `offset` on, at most `count` bytes (-1: to the end); empty when the
// offset lies outside.
QByteArrayView SliceOf(QByteArrayView bytes, qint64 offset, qint64 count = -1);

// Little-endian numbers inside a byte block; 0 for bytes outside it.
quint8 ByteAt(QByteArrayView bytes, qint64 offset);
quint16 WordAt(QByteArrayView bytes, qint64 offset);
quint32 DwordAt(QByteArrayView bytes, qint64 offset);

// Reads a counted string at the current position: a u16 byte count L and L bytes of UTF-8.
// The string's bytes go to `small` when they fit there, else to `large`; the bytes read.
QByteArrayView ReadCountedBytes(NativeFile& file, char (&small)[512], QByteArray& large);

// Reads a counted string at the current position into `target` (Utf8ToWide: a count of 0, or
// a first byte NUL, leaves the target as it was; a text longer than the target is cut at its
// capacity). Returns the byte count L read from the file.
template <int Capacity> int ReadCountedString(NativeFile& file, BoundedText<Capacity>& target) {
    // Most texts are short: their bytes stay on the stack.
    char small[512];
    QByteArray large;
    const QByteArrayView bytes = ReadCountedBytes(file, small, large);
    Utf8ToWide(target, bytes);
    return int(bytes.size());
}
