#pragma once
// The settings file (the program's own on Linux; on every system, a file the store is pointed
// at): an INI file like the one QSettings writes, except that texts are the bytes they stand
// for. File names are bytes, and a folder whose name is not UTF-8 must survive a run byte for
// byte; QSettings' own INI reader would turn such bytes into U+FFFD. Bytes are decoded as file
// names are (undecodable bytes as lone surrogates) and encoded back the same way.
//
// The file is the user's to edit and may be anything, so what one reading keeps is bounded. A
// value is left out when its line, as read or as it would be written back, is longer than
// SettingsLineMax bytes, when it is a list of more than SettingsListMax pieces, when
// SettingsValueMax others are kept already, or when the lines of those kept would come to more
// than SettingsKeptMax bytes with it. A value left out reads as absent (its default is used)
// and is not written back: the file the program writes holds no more than what it kept, and
// the next reading keeps all of it.

#include <QIODevice>
#include <QSettings>

constexpr qsizetype SettingsLineMax = 128 * 1024;
constexpr qsizetype SettingsListMax = 256;
constexpr qsizetype SettingsValueMax = 1024;
constexpr qsizetype SettingsKeptMax = 1024 * 1024;

// Reads a settings file from `device` into `map`: keys as QSettings names them ("group/key"),
// values as texts, lists of texts (unquoted commas) or bytes ("@ByteArray(...)").
bool ReadSettingsFile(QIODevice& device, QSettings::SettingsMap& map);
// Writes `map` to `device` as a settings file that ReadSettingsFile reads back as `map`.
bool WriteSettingsFile(QIODevice& device, const QSettings::SettingsMap& map);

// The same two on a file's text in memory.
QSettings::SettingsMap ReadSettingsText(const QByteArray& text);
QByteArray SettingsFileText(const QSettings::SettingsMap& map);

// The QSettings format of ReadSettingsFile and WriteSettingsFile.
QSettings::Format SettingsFileFormat();
