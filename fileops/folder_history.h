#pragma once
// The folder history: the folders the user worked in, most recent first. It fills the folder
// box on the main window's toolbar and the destination dialog; its first ten entries are
// stored at the end of the run.

#include <QString>
#include <vector>

// A history entry holds at most this many characters; longer folders are not kept.
constexpr int FolderHistoryEntryMax = 255;

struct FolderHistory {
    std::vector<QString> entries; // normalised folders, most recent first, no two the same
    int historyIndex = 0;         // the entry selected in the folder box

    int historyCount() const { return int(entries.size()); }
};

// The one history of the run.
FolderHistory& folderHistory();
void ResetFolderHistory();

// The folder box on the main window's toolbar, as the history fills it.
class FolderBox {
public:
    virtual ~FolderBox() = default;
    virtual void resetContent() = 0;
    virtual void addString(const QString& text) = 0;
    virtual void setCurrentSelection(int index) = 0;
};

// The window installs its folder box once the box exists; nullptr removes it again.
void SetFolderBox(FolderBox* box);

// Normalises `folder` in place and puts it at the front of the history: an entry already
// there moves to the front, a new one enters at the front. Then refills the folder box, if
// there is one, and selects the entry equal to the working folder (historyIndex keeps its
// value when none is). A folder longer than FolderHistoryEntryMax characters or an empty one
// is refused: the result is false and nothing changes.
bool AddToFolderHistory(QString& folder);

// The user's documents folder as the system gives it (native separators, no trailing
// separator) into `buffer`: true on success; on failure the buffer is left as it was.
bool GetDocumentsFolder(QString& buffer);
