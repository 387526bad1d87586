#include "fileops/folder_history.h"

#include "platform/folder_path.h"

#include <QDir>
#include <QStandardPaths>
#include <algorithm>

void FillFolderBox(FolderHistory& history, const QString& workingFolder, FolderBox& box) {
    box.resetContent();
    for (int i = 0; i < history.historyCount(); ++i) {
        box.addString(history.entries[i]);
        if (history.entries[i] == workingFolder)
            history.historyIndex = i;
    }
    box.setCurrentSelection(history.historyIndex);
}

bool AddToFolderHistory(FolderHistory& history, QString& folder) {
    NormaliseFolder(folder);
    if (folder.isEmpty())
        return false;
    std::vector<QString>& entries = history.entries;
    auto found = std::find_if(entries.begin(), entries.end(),
                              [&](const QString& entry) { return SameFolder(entry, folder); });
    if (found == entries.end())
        found = entries.insert(entries.end(), QString());
    // Entries before the found one move one place back; the folder takes the front.
    std::rotate(entries.begin(), found, found + 1);
    entries.front() = folder;
    if (history.changed)
        history.changed();
    return true;
}

bool GetDocumentsFolder(QString& buffer) {
    const QString path = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (path.isEmpty())
        return false;
    buffer = QDir::toNativeSeparators(path);
    return true;
}

void AddRecentText(QStringList& recent, const QString& text) {
    if (text.isEmpty())
        return;
    recent.removeAll(text);
    recent.prepend(text);
    while (recent.size() > RecentTextMax)
        recent.removeLast();
}
