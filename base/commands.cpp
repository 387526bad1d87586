#include "base/commands.h"

#include "base/bounded_text.h"

#include <QCoreApplication>
#include <array>

namespace {

// The texts before translation: the labels in context "Commands", the key texts in
// "CommandKeys" (the Delete key's name is not the verb Delete).
struct CommandText {
    CommandId command;
    const char* label;
    const char* keyText;
    int image;
};

constexpr std::array<CommandText, 18> commandTexts = {{
    {CommandId::BrowseFolders, QT_TRANSLATE_NOOP("Commands", "&Browse Folders..."),
     QT_TRANSLATE_NOOP("CommandKeys", "F3"), 0},
    {CommandId::MoveFiles, QT_TRANSLATE_NOOP("Commands", "&Move Files..."),
     QT_TRANSLATE_NOOP("CommandKeys", "F7"), 3},
    {CommandId::CopyFiles, QT_TRANSLATE_NOOP("Commands", "&Copy Files..."),
     QT_TRANSLATE_NOOP("CommandKeys", "F8"), 2},
    {CommandId::RenameFiles, QT_TRANSLATE_NOOP("Commands", "&Rename Files..."),
     QT_TRANSLATE_NOOP("CommandKeys", "Ctrl+R"), 5},
    {CommandId::RenameByPattern, QT_TRANSLATE_NOOP("Commands", "Re&name by Pattern..."),
     QT_TRANSLATE_NOOP("CommandKeys", "Ctrl+Shift+R"), -1},
    {CommandId::DeleteFiles, QT_TRANSLATE_NOOP("Commands", "&Delete Files"),
     QT_TRANSLATE_NOOP("CommandKeys", "Delete"), 4},
    {CommandId::CreateReport, QT_TRANSLATE_NOOP("Commands", "Create re&port..."), "", 6},
    {CommandId::EditInformation, QT_TRANSLATE_NOOP("Commands", "Edit ZUF Information"),
     QT_TRANSLATE_NOOP("CommandKeys", "F2"), 1},
    {CommandId::InformationFromNames, QT_TRANSLATE_NOOP("Commands", "&Information from Names..."),
     "", -1},
    {CommandId::RunEditor, QT_TRANSLATE_NOOP("Commands", "Run &Strumlex"),
     QT_TRANSLATE_NOOP("CommandKeys", "Enter"), 9},
    {CommandId::Search, QT_TRANSLATE_NOOP("Commands", "&Search Files..."),
     QT_TRANSLATE_NOOP("CommandKeys", "Ctrl+F"), 8},
    {CommandId::FindDuplicates, QT_TRANSLATE_NOOP("Commands", "Find Dup&licates..."), "", -1},
    {CommandId::ExportList, QT_TRANSLATE_NOOP("Commands", "E&xport List..."), "", -1},
    {CommandId::Filter, QT_TRANSLATE_NOOP("Commands", "&Filter on/off"), "", 7},
    {CommandId::About, QT_TRANSLATE_NOOP("Commands", "&About ZUF File Manager..."),
     QT_TRANSLATE_NOOP("CommandKeys", "F1"), -1},
    {CommandId::Undo, QT_TRANSLATE_NOOP("Commands", "&Undo"),
     QT_TRANSLATE_NOOP("CommandKeys", "Ctrl+Z"), -1},
    {CommandId::RunViewer, QT_TRANSLATE_NOOP("Commands", "Run &ZUF View"), "", -1},
    {CommandId::Options, QT_TRANSLATE_NOOP("Commands", "ZUF File &Options..."),
     QT_TRANSLATE_NOOP("CommandKeys", "F2"), 10},
}};

// The string table: tooltips, and the verbs of the file operations.
struct StringText {
    int id;
    const char* text;
};
constexpr std::array<StringText, 16> stringTexts = {{
    {1, QT_TRANSLATE_NOOP("Commands", "Browse Folders")},
    {2, QT_TRANSLATE_NOOP("Commands", "Move")},
    {3, QT_TRANSLATE_NOOP("Commands", "Copy")},
    {4, QT_TRANSLATE_NOOP("Commands", "Rename")},
    {5, QT_TRANSLATE_NOOP("Commands", "Delete")},
    {6, QT_TRANSLATE_NOOP("Commands", "Create report")},
    {7, QT_TRANSLATE_NOOP("Commands", "Edit ZUF Information")},
    {8, QT_TRANSLATE_NOOP("Commands", "Run Strumlex")},
    {9, QT_TRANSLATE_NOOP("Commands", "Search")},
    {10, QT_TRANSLATE_NOOP("Commands", "Filter on/off")},
    {11, QT_TRANSLATE_NOOP("Commands", "Exit ZUF File")},
    {15, QT_TRANSLATE_NOOP("Commands", "Rename by Pattern")},
    {16, QT_TRANSLATE_NOOP("Commands", "Information from Names")},
    {19, QT_TRANSLATE_NOOP("Commands", "Find Duplicates")},
    {20, QT_TRANSLATE_NOOP("Commands", "Export List")},
    {100, QT_TRANSLATE_NOOP("Commands", "ZUF File Options")},
}};

QString Translated(const char* text, const char* context = "Commands") {
    return *text ? QCoreApplication::translate(context, text) : QString();
}

const CommandText* FindCommandText(CommandId command) {
    for (const CommandText& text : commandTexts) {
        if (text.command == command)
            return &text;
    }
    return nullptr;
}

// The keys that run a command wherever the focus is in the main window. F2 belongs to the
// information editor alone: the options show "F2" as their key text, but the key never gives
// them. Ctrl+F stands for a control character, which Shift does not change: the shifted
// combination runs the command too; Alt prevents it. Ctrl+Shift+R is Rename by Pattern's.
struct CommandKey {
    CommandId command;
    QKeyCombination key;
};
const std::array<CommandKey, 10> commandKeys = {{
    {CommandId::About, Qt::Key_F1},
    {CommandId::BrowseFolders, Qt::Key_F3},
    {CommandId::MoveFiles, Qt::Key_F7},
    {CommandId::CopyFiles, Qt::Key_F8},
    {CommandId::EditInformation, Qt::Key_F2},
    {CommandId::RenameFiles, Qt::CTRL | Qt::Key_R},
    {CommandId::RenameByPattern, Qt::CTRL | Qt::SHIFT | Qt::Key_R},
    {CommandId::Search, Qt::CTRL | Qt::Key_F},
    {CommandId::Search, Qt::CTRL | Qt::SHIFT | Qt::Key_F},
    {CommandId::Undo, Qt::CTRL | Qt::Key_Z},
}};

} // namespace

QString LoadString(int id) {
    for (const StringText& entry : stringTexts) {
        if (entry.id == id)
            return Translated(entry.text);
    }
    return {};
}

QString CommandTooltip(CommandId command) {
    return CutToLength(LoadString(int(command) - 100), 127);
}

QString MenuLabel(CommandId command) {
    const CommandText* text = FindCommandText(command);
    return text ? Translated(text->label) : QString();
}

QString MenuKeyText(CommandId command) {
    const CommandText* text = FindCommandText(command);
    return text ? Translated(text->keyText, "CommandKeys") : QString();
}

QString MenuItemText(CommandId command) {
    const QString key = MenuKeyText(command);
    return key.isEmpty() ? MenuLabel(command) : MenuLabel(command) + QLatin1Char('\t') + key;
}

int ToolbarImage(CommandId command) {
    const CommandText* text = FindCommandText(command);
    return text ? text->image : -1;
}

const std::vector<CommandId>& ToolbarEntries() {
    static const std::vector<CommandId> entries = {
        CommandId::None,        CommandId::BrowseFolders, CommandId::None,
        CommandId::CopyFiles,   CommandId::MoveFiles,     CommandId::DeleteFiles,
        CommandId::RenameFiles, CommandId::None,          CommandId::EditInformation,
        CommandId::None,        CommandId::Search,        CommandId::Filter,
        CommandId::None,        CommandId::CreateReport,  CommandId::None,
        CommandId::RunEditor,   CommandId::None,          CommandId::Options};
    return entries;
}

const std::vector<CommandId>& MenuEntries() {
    static const std::vector<CommandId> entries = {
        CommandId::BrowseFolders, CommandId::None,
        CommandId::RenameFiles,   CommandId::RenameByPattern,
        CommandId::MoveFiles,     CommandId::CopyFiles,
        CommandId::DeleteFiles,   CommandId::Undo,
        CommandId::Search,        CommandId::FindDuplicates,
        CommandId::None,          CommandId::EditInformation,
        CommandId::InformationFromNames, CommandId::ExportList,
        CommandId::None,          CommandId::RunEditor,
        CommandId::RunViewer,     CommandId::None,
        CommandId::About,         CommandId::Options};
    return entries;
}

// The drop-down's items with the two commands that have no other place but the toolbar: the
// filter after the search, the report after the information editor.
const std::vector<CommandId>& MenuBarEntries() {
    static const std::vector<CommandId> entries = [] {
        std::vector<CommandId> items;
        for (CommandId command : MenuEntries()) {
            items.push_back(command);
            if (command == CommandId::Search)
                items.push_back(CommandId::Filter);
            else if (command == CommandId::EditInformation)
                items.push_back(CommandId::CreateReport);
        }
        return items;
    }();
    return entries;
}

QList<QKeyCombination> CommandKeys(CommandId command) {
    QList<QKeyCombination> keys;
    for (const CommandKey& entry : commandKeys) {
        if (entry.command == command)
            keys << entry.key;
    }
    return keys;
}

bool ContextMenuEnabled(CommandId command, int selectedCount, bool viewerPathEmpty) {
    if ((command >= CommandId::MoveFiles && command <= CommandId::EditInformation) ||
        command == CommandId::RenameByPattern || command == CommandId::InformationFromNames)
        return selectedCount > 0;
    if (command == CommandId::RunEditor)
        return selectedCount == 1;
    if (command == CommandId::RunViewer)
        return !viewerPathEmpty && selectedCount == 1;
    return true;
}
