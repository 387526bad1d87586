#pragma once
// The command table of the main window: identifiers, menu labels and key texts, toolbar images,
// tooltips, the command keys and the rules that enable the context menu's items. Plain data
// and rules, so that the window only turns them into widgets.

#include "base/command_id.h"

#include <QList>
#include <QString>
#include <Qt>
#include <vector>

// The string table: 1 "Browse Folders" ... 11 "Exit ZUF File", 100 "ZUF File Options". An id
// without a string gives an empty text.
QString LoadString(int id);

// A command's tooltip: the string with id (command - 100), at most 127 characters. For 102 to
// 105 the same string is the verb of the file operation.
QString CommandTooltip(CommandId command);

// The menu's label of a command ("&Browse Folders...") and its key text ("F3"); empty for a
// command that has no menu item or no key text.
QString MenuLabel(CommandId command);
QString MenuKeyText(CommandId command);
// The item's whole text: the label, then a tab and the key text when there is one (the menu
// shows what follows the tab right-aligned).
QString MenuItemText(CommandId command);

// The toolbar image of a command: its index in the image strip, -1 when it has no button.
int ToolbarImage(CommandId command);
constexpr int ToolbarImageCount = 11;

// The toolbar's 18 entries in order; CommandId::None stands for a separator.
const std::vector<CommandId>& ToolbarEntries();
// The context menu's items in order; CommandId::None stands for a separator.
const std::vector<CommandId>& MenuEntries();
// The menu bar's drop-down: the context menu's items, and the filter and the report as well,
// so that every command of the toolbar can be reached from the keyboard.
const std::vector<CommandId>& MenuBarEntries();

// The keys of a command, which run it wherever the focus is in the main window (but not while
// a dialog or a menu runs); empty for a command without keys. Enter, Delete and the double
// click act in the list alone and are not among them.
QList<QKeyCombination> CommandKeys(CommandId command);

// Whether a context menu item is enabled when it opens. The menu bar never grays its items,
// except Undo, which the window enables whenever there is something to undo.
bool ContextMenuEnabled(CommandId command, int selectedCount, bool viewerPathEmpty);
