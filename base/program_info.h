#pragma once
// The program's name and version as the main window's caption, the message boxes, the about
// box and both programs' --version show it. The version comes from the build (one place:
// the project's version in CMakeLists.txt).

#include <QStringView>

#ifndef ZUF_VERSION
#error "ZUF_VERSION is set by the build"
#endif

inline constexpr QStringView ProgramVersion = u"" ZUF_VERSION;
inline constexpr QStringView ProgramCaption = u"ZUF File Manager U v" ZUF_VERSION;
