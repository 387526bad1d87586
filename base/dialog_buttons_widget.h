#pragma once
// The button row of the program's dialogs.

#include <QDialogButtonBox>

// A button box that orders its buttons the way the program always did on every system: OK
// before Cancel, the Windows order. A box asks the style for the desktop's own order, so this
// one is told the Windows layout in a style sheet of its own. Buttons go in with addButton()
// and their own texts; the desktop's standard buttons would bring other texts and icons.
QDialogButtonBox* DialogButtons(QWidget* parent, Qt::Orientation orientation = Qt::Horizontal);
