#include "app/commands.h"

#include "base/bounded_text.h"

#include <QCoreApplication>
#include <array>

namespace {

// The texts before translation (context "Commands").
struct CommandText {
    int command;
    const char* label;
    const char* keyText;
    int image;
};

#define CMD_TEXT(text) QT_TRANSLATE_NOOP("Commands", text)
constexpr std::array<CommandText, 14> commandTexts = {{
    {CmdBrowseFolders, CMD_TEXT("&Browse Folders..."), CMD_TEXT("F3"), 0},
    {CmdMoveFiles, CMD_TEXT("&Move Files..."), CMD_TEXT("F7"), 3},
    {CmdCopyFiles, CMD_TEXT("&Copy Files..."), CMD_TEXT("F8"), 2},
    {CmdRenameFiles, CMD_TEXT("&Rename Files..."), CMD_TEXT("Ctrl+R"), 5},
    {CmdDeleteFiles, CMD_TEXT("&Delete Files"), CMD_TEXT("Delete"), 4},
    {CmdCreateReport, "", "", 6},
    {CmdEditInformation, CMD_TEXT("Edit ZUF Information"), CMD_TEXT("F2"), 1},
    {CmdRunEditor, CMD_TEXT("Run &Strumlex"), CMD_TEXT("Enter"), 9},
    {CmdSearch, CMD_TEXT("&Search Files..."), CMD_TEXT("Ctrl+F"), 8},
    {CmdFilter, "", "", 7},
    {CmdAbout, CMD_TEXT("&About ZUF File Manager..."), CMD_TEXT("F1"), -1},
    {CmdUndo, CMD_TEXT("&Undo"), CMD_TEXT("Ctrl+Z"), -1},
    {CmdRunViewer, CMD_TEXT("Run &ZUF View"), "", -1},
    {CmdOptions, CMD_TEXT("ZUF File &Options..."), CMD_TEXT("F2"), 10},
}};

// The string table: tooltips, and the verbs of the file operations.
struct StringText {
    int id;
    const char* text;
};
constexpr std::array<StringText, 12> stringTexts = {{
    {1, CMD_TEXT("Browse Folders")},
    {2, CMD_TEXT("Move")},
    {3, CMD_TEXT("Copy")},
    {4, CMD_TEXT("Rename")},
    {5, CMD_TEXT("Delete")},
    {6, CMD_TEXT("Create report")},
    {7, CMD_TEXT("Edit ZUF Information")},
    {8, CMD_TEXT("Run Strumlex")},
    {9, CMD_TEXT("Search")},
    {10, CMD_TEXT("Filter on/off")},
    {11, CMD_TEXT("Exit ZUF File")},
    {100, CMD_TEXT("ZUF File Options")},
}};
#undef CMD_TEXT

QString Translated(const char* text) {
    return *text ? QCoreApplication::translate("Commands", text) : QString();
}

const CommandText* FindCommandText(int command) {
    for (const CommandText& text : commandTexts) {
        if (text.command == command)
            return &text;
    }
    return nullptr;
}

// The keys that run a command wherever the focus is in the main window. F2 belongs to the
// information editor alone: the options show "F2" as their key text, but the key never gives
// them. Ctrl+R and Ctrl+F stand for control characters, which Shift does not change: the
// shifted combination runs the command too; Alt prevents it.
struct CommandKey {
    int command;
    QKeyCombination key;
};
const std::array<CommandKey, 10> commandKeys = {{
    {CmdAbout, Qt::Key_F1},
    {CmdBrowseFolders, Qt::Key_F3},
    {CmdMoveFiles, Qt::Key_F7},
    {CmdCopyFiles, Qt::Key_F8},
    {CmdEditInformation, Qt::Key_F2},
    {CmdRenameFiles, Qt::CTRL | Qt::Key_R},
    {CmdRenameFiles, Qt::CTRL | Qt::SHIFT | Qt::Key_R},
    {CmdSearch, Qt::CTRL | Qt::Key_F},
    {CmdSearch, Qt::CTRL | Qt::SHIFT | Qt::Key_F},
    {CmdUndo, Qt::CTRL | Qt::Key_Z},
}};

} // namespace

QString LoadString(int id) {
    for (const StringText& entry : stringTexts) {
        if (entry.id == id)
            return Translated(entry.text);
    }
    return {};
}

QString CommandTooltip(int command) {
    return CutToLength(LoadString(command - 100), 127);
}

QString MenuLabel(int command) {
    const CommandText* text = FindCommandText(command);
    return text ? Translated(text->label) : QString();
}

QString MenuKeyText(int command) {
    const CommandText* text = FindCommandText(command);
    return text ? Translated(text->keyText) : QString();
}

QString MenuItemText(int command) {
    const QString key = MenuKeyText(command);
    return key.isEmpty() ? MenuLabel(command) : MenuLabel(command) + QLatin1Char('\t') + key;
}

int ToolbarImage(int command) {
    const CommandText* text = FindCommandText(command);
    return text ? text->image : -1;
}

const std::vector<int>& ToolbarEntries() {
    static const std::vector<int> entries = {0,
                                             CmdBrowseFolders,
                                             0,
                                             CmdCopyFiles,
                                             CmdMoveFiles,
                                             CmdDeleteFiles,
                                             CmdRenameFiles,
                                             0,
                                             CmdEditInformation,
                                             0,
                                             CmdSearch,
                                             CmdFilter,
                                             0,
                                             CmdCreateReport,
                                             0,
                                             CmdRunEditor,
                                             0,
                                             CmdOptions};
    return entries;
}

const std::vector<int>& MenuEntries() {
    static const std::vector<int> entries = {CmdBrowseFolders,
                                             0,
                                             CmdRenameFiles,
                                             CmdMoveFiles,
                                             CmdCopyFiles,
                                             CmdDeleteFiles,
                                             CmdUndo,
                                             CmdSearch,
                                             0,
                                             CmdEditInformation,
                                             0,
                                             CmdRunEditor,
                                             CmdRunViewer,
                                             0,
                                             CmdAbout,
                                             CmdOptions};
    return entries;
}

QList<QKeyCombination> CommandKeys(int command) {
    QList<QKeyCombination> keys;
    for (const CommandKey& entry : commandKeys) {
        if (entry.command == command)
            keys << entry.key;
    }
    return keys;
}

bool ContextMenuEnabled(int command, int selectedCount, bool viewerPathEmpty) {
    if (command >= CmdMoveFiles && command <= CmdEditInformation)
        return selectedCount > 0;
    if (command == CmdRunEditor)
        return selectedCount == 1;
    if (command == CmdRunViewer)
        return !viewerPathEmpty && selectedCount == 1;
    return true;
}
