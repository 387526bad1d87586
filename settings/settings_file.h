#pragma once
// The settings file on Linux: an INI file like the one QSettings writes, except that texts are
// the bytes they stand for. File names are bytes, and a folder whose name is not UTF-8 must
// survive a run byte for byte; QSettings' own INI reader would turn such bytes into U+FFFD.
// Bytes are decoded as file names are (undecodable bytes as lone surrogates) and encoded back
// the same way.

#include <QIODevice>
#include <QSettings>

// Reads a settings file from `device` into `map`: keys as QSettings names them ("group/key"),
// values as texts, lists of texts (unquoted commas) or bytes ("@ByteArray(...)").
bool ReadSettingsFile(QIODevice& device, QSettings::SettingsMap& map);
// Writes `map` to `device` as a settings file that ReadSettingsFile reads back as `map`.
bool WriteSettingsFile(QIODevice& device, const QSettings::SettingsMap& map);

// The QSettings format of these two functions.
QSettings::Format SettingsFileFormat();
