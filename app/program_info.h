#pragma once
// The program's name and version as the main window's caption and the message boxes show it.

#include <QStringView>

inline constexpr QStringView ProgramCaption = u"ZUF File Manager U v1.21";
