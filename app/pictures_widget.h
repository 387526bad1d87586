#pragma once
// The program's own pictures: the toolbar images (indexes as in the command table), the four
// state images of the list rows and the program icon. They are SVG files in the program's
// resources (resources/icons.qrc), so that they stay crisp at any screen scale.

#include "base/entry.h"

#include <QIcon>

// Toolbar image `index` (0 to 10); the desktop's own picture where it has one of the same
// meaning. Its grayed look is the style's Disabled mode.
QIcon ToolbarIcon(int index);
QIcon StateIcon(StateImage image); // a null icon for StateNone
// A sheet of tablature with six strings and fret marks, as in the desktop's icon files.
QIcon ProgramIcon();
