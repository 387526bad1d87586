#pragma once
// Windows only: paths in the form the wide file functions take at any length.

#include <QtGlobal>

#ifdef Q_OS_WIN
#include <QString>
#include <QStringView>
#include <string>

// The path made absolute (against the current directory), with backslashes and "." and ".."
// resolved, behind the long-path prefix: "\\?\C:\..." or "\\?\UNC\server\share\...". With the
// prefix the system takes paths of up to 32,767 characters instead of 260.
std::wstring LongPathW(QStringView path);
#endif
