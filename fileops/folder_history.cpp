#include "fileops/folder_history.h"

#include "app/app_state.h"
#include "fileops/folder_path.h"

#include <QDir>
#include <QStandardPaths>
#include <algorithm>

static FolderBox* installedBox = nullptr;

FolderHistory& folderHistory() {
    static FolderHistory history;
    return history;
}

void ResetFolderHistory() {
    folderHistory() = FolderHistory{};
}

void SetFolderBox(FolderBox* box) {
    installedBox = box;
}

// Refills the folder box with every entry in list order and selects the working folder's
// entry, or the former selection when the working folder is not in the list.
static void FillFolderBox(FolderBox& box) {
    FolderHistory& history = folderHistory();
    box.resetContent();
    for (int i = 0; i < history.historyCount(); ++i) {
        box.addString(history.entries[i]);
        if (history.entries[i] == scratch().workingFolder)
            history.historyIndex = i;
    }
    box.setCurrentSelection(history.historyIndex);
}

bool AddToFolderHistory(QString& folder) {
    NormaliseFolder(folder);
    if (folder.isEmpty() || folder.size() > FolderHistoryEntryMax)
        return false;
    std::vector<QString>& entries = folderHistory().entries;
    auto found = std::find_if(entries.begin(), entries.end(),
                              [&](const QString& entry) { return SameFolder(entry, folder); });
    if (found == entries.end())
        found = entries.insert(entries.end(), QString());
    // Entries before the found one move one place back; the folder takes the front.
    std::rotate(entries.begin(), found, found + 1);
    entries.front() = folder;
    if (installedBox)
        FillFolderBox(*installedBox);
    return true;
}

bool GetDocumentsFolder(QString& buffer) {
    const QString path = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (path.isEmpty())
        return false;
    buffer = QDir::toNativeSeparators(path);
    return true;
}
