#pragma once
// The folder history: the folders the user worked in, most recent first. It fills the folder
// box on the main window's toolbar and the destination dialog; its first ten entries are
// stored at the end of the run.

#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

struct FolderHistory {
    std::vector<QString> entries; // normalised folders, most recent first, no two the same
    int historyIndex = 0;         // the entry selected in the folder box
    // Runs after every change of the entries: the owner refills the views that show them.
    std::function<void()> changed;

    int historyCount() const { return int(entries.size()); }
};

// The folder box on the main window's toolbar, as the history fills it.
class FolderBox {
public:
    virtual ~FolderBox() = default;
    virtual void resetContent() = 0;
    virtual void addString(const QString& text) = 0;
    virtual void setCurrentSelection(int index) = 0;
};

// Refills `box` with every entry in list order and selects the entry equal to
// `workingFolder`; historyIndex follows it, and keeps its value when no entry is.
void FillFolderBox(FolderHistory& history, const QString& workingFolder, FolderBox& box);

// Normalises `folder` in place and puts it at the front of the history: an entry already
// there moves to the front, a new one enters at the front; then the history's `changed` runs.
// An empty folder is refused: the result is false and nothing changes.
bool AddToFolderHistory(FolderHistory& history, QString& folder);

// How many recent texts (patterns, say) a field offers, and the settings keep.
constexpr int RecentTextMax = 10;
// Puts `text` in front of `recent`, where it stands once, keeping at most RecentTextMax texts.
// An empty text changes nothing.
void AddRecentText(QStringList& recent, const QString& text);

// The user's documents folder as the system gives it (native separators, no trailing
// separator) into `buffer`: true on success; on failure the buffer is left as it was.
bool GetDocumentsFolder(QString& buffer);
