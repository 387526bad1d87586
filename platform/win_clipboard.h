#pragma once
// Windows only: text onto the clipboard in both of the system's text formats.

#include <QtGlobal>

#ifdef Q_OS_WIN
#include <QByteArray>
#include <QString>

// Empties the clipboard and puts the text on it as CF_UNICODETEXT, and `cp1252`, the same text
// in code page 1252, as CF_TEXT with a CF_LOCALE whose code page is 1252, so that programs
// that read 8-bit text get exactly those bytes whatever the system's own code page. False
// when the clipboard cannot be opened or takes nothing.
bool SetClipboardTexts(const QString& text, const QByteArray& cp1252);

// The bytes of one clipboard format (CF_TEXT, CF_UNICODETEXT, ...) up to its terminating NUL;
// empty when it is not there.
QByteArray ClipboardBytes(unsigned format);
#endif
