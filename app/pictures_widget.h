#pragma once
// The program's own pictures, drawn in code so that they stay crisp at any screen scale: the
// toolbar images (indexes as in the command table), the four state images of the list rows and
// the program icon.

#include "catalogue/entry.h"

#include <QIcon>

class QPainter;
class QRectF;

// Draws toolbar image `index` (0 to 10) into `box`; `enabled` false draws it grayed.
void DrawToolbarImage(QPainter& painter, const QRectF& box, int index, bool enabled);
// Draws the state image of a row: green square, red square, blue square or red cross.
void DrawStateImage(QPainter& painter, const QRectF& box, StateImage image);
// Draws the program icon: a sheet of tablature with six strings and fret numbers.
void DrawProgramIcon(QPainter& painter, const QRectF& box);

QIcon ToolbarIcon(int index);
QIcon StateIcon(StateImage image); // a null icon for StateNone
QIcon ProgramIcon();
