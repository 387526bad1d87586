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
