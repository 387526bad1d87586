#include "app/commands.h"

#include "base/bounded_text.h"

#include <array>

namespace {

struct CommandText {
    int command;
    const char16_t* label;
    const char16_t* keyText;
    int image;
};

constexpr std::array<CommandText, 13> commandTexts = {{
    {CmdBrowseFolders, u"&Browse Folders...", u"F3", 0},
    {CmdMoveFiles, u"&Move Files...", u"F7", 3},
    {CmdCopyFiles, u"&Copy Files...", u"F8", 2},
    {CmdRenameFiles, u"&Rename Files...", u"Ctrl+R", 5},
    {CmdDeleteFiles, u"&Delete Files", u"Delete", 4},
    {CmdCreateReport, u"", u"", 6},
    {CmdEditInformation, u"Edit ZUF Information", u"F2", 1},
    {CmdRunEditor, u"Run &Strumlex", u"Enter", 9},
    {CmdSearch, u"&Search Files...", u"Ctrl+F", 8},
    {CmdFilter, u"", u"", 7},
    {CmdAbout, u"&About ZUF File Manager...", u"F1", -1},
    {CmdRunViewer, u"Run &ZUF View", u"", -1},
    {CmdOptions, u"ZUF File &Options...", u"F2", 10},
}};

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
const std::array<CommandKey, 9> commandKeys = {{
    {CmdAbout, Qt::Key_F1},
    {CmdBrowseFolders, Qt::Key_F3},
    {CmdMoveFiles, Qt::Key_F7},
    {CmdCopyFiles, Qt::Key_F8},
    {CmdEditInformation, Qt::Key_F2},
    {CmdRenameFiles, Qt::CTRL | Qt::Key_R},
    {CmdRenameFiles, Qt::CTRL | Qt::SHIFT | Qt::Key_R},
    {CmdSearch, Qt::CTRL | Qt::Key_F},
    {CmdSearch, Qt::CTRL | Qt::SHIFT | Qt::Key_F},
}};

} // namespace

QString LoadString(int id) {
    switch (id) {
    case 1:
        return QStringLiteral("Browse Folders");
    case 2:
        return QStringLiteral("Move");
    case 3:
        return QStringLiteral("Copy");
    case 4:
        return QStringLiteral("Rename");
    case 5:
        return QStringLiteral("Delete");
    case 6:
        return QStringLiteral("Create report");
    case 7:
        return QStringLiteral("Edit ZUF Information");
    case 8:
        return QStringLiteral("Run Strumlex");
    case 9:
        return QStringLiteral("Search");
    case 10:
        return QStringLiteral("Filter on/off");
    case 11:
        return QStringLiteral("Exit ZUF File");
    case 100:
        return QStringLiteral("ZUF File Options");
    default:
        return {};
    }
}

QString CommandTooltip(int command) {
    return CutToLength(LoadString(command - 100), 127);
}

QString MenuLabel(int command) {
    const CommandText* text = FindCommandText(command);
    return text ? QString::fromUtf16(text->label) : QString();
}

QString MenuKeyText(int command) {
    const CommandText* text = FindCommandText(command);
    return text ? QString::fromUtf16(text->keyText) : QString();
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
