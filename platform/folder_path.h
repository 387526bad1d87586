#pragma once
// The folder rule: every kept folder ends in the folder separator, and on Windows, whose file
// systems ignore case, is lower-cased and written with backslashes only. On other systems the case
// is kept, since lower-casing would name another folder.

#include <QString>

// Appends the separator to a non-empty folder that lacks it, then applies the case rule.
// Changes the text in place and returns it.
QString& NormaliseFolder(QString& path);
QString NormalisedFolder(QString path);

// Compares two normalised folders the way the file system does: ignoring case on Windows,
// exactly elsewhere.
bool SameFolder(const QString& a, const QString& b);

// The folder part of a path, up to and with its last separator (empty for a bare name), and
// the name after it.
QString FolderOfPath(const QString& path);
QString NameOfPath(const QString& path);

// A path or name as the file system compares it: case-folded on Windows, unchanged elsewhere.
// Two paths of one folder name the same file when their keys are equal.
QString PathKey(const QString& path);
