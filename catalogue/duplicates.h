#pragma once
// Files of the list that are the same piece, found in one of two ways: the same title and
// author (compared without regard to case, spaces and punctuation), or the same content (the
// same size, then the same bytes). Groups hold two files or more. The content is compared by
// a strong hash of every byte (BLAKE2b, 256 bits), computed on worker threads; files whose
// hashes and lengths agree are taken to hold the same bytes.
//
// The search reads the rows' records while it runs, and its groups name the rows as they stood
// when it began: the list must stay as it is until the search has ended and its groups are
// used (the dialog that runs it is modal, so nothing else changes the list meanwhile).

#include "base/entry.h"

#include <QString>
#include <QStringView>
#include <atomic>
#include <functional>
#include <memory>
#include <string>
#include <thread>
#include <vector>

class CatalogueModel;

enum class DuplicateWay { TitleAndAuthor, Content };

// One row of the search: its number and its record.
struct DuplicateCandidate {
    int row = 0;
    const Entry* entry = nullptr;
};

// The rows with their records, in the order of `rows`.
std::vector<DuplicateCandidate> DuplicateCandidates(const CatalogueModel& list,
                                                    const std::vector<int>& rows);

// One group: indexes into the candidates, ascending (the list's order).
using DuplicateGroup = std::vector<int>;

// The text a title or an author is compared by: folded case, without white space,
// punctuation and control characters.
std::u32string PieceKey(QStringView text);

// The groups of candidates whose titles and authors have equal keys. A title whose key is
// empty never matches, nor does a bad file (its title is the reader's, not the file's). Groups
// are in the order of their first file. The keys are compared by a 128-bit hash first and then
// character by character within each group. `cancel`, when set, stops the work (no groups).
std::vector<DuplicateGroup> GroupByTitleAndAuthor(const std::vector<DuplicateCandidate>& files,
                                                  const std::atomic<bool>* cancel = nullptr,
                                                  std::atomic<int>* done = nullptr);

// A file's content as read: its length and the hash of its bytes; length -1 when it could not
// be read to the end.
struct ContentHash {
    qint64 length = -1;
    QByteArray hash;
};
ContentHash HashFileContent(const QString& path, const std::atomic<bool>* cancel = nullptr);

// The groups of candidates whose files hold the same bytes, given the hash of each file
// (hashes[i] for files[i]; files of a size no other shares need none). Unread files never
// match.
std::vector<DuplicateGroup> GroupByContent(const std::vector<DuplicateCandidate>& files,
                                           const std::vector<ContentHash>& hashes);
// The candidates whose content must be read: those whose size another shares.
std::vector<int> FilesToHash(const std::vector<DuplicateCandidate>& files);

// Which file of each group stays unselected.
enum class KeepInGroup { Newest, Oldest, Largest };

// The rows of every file of every group but the one to keep (on a tie the first in the list),
// ascending.
std::vector<int> RowsAllButOne(const std::vector<DuplicateCandidate>& files,
                               const std::vector<DuplicateGroup>& groups, KeepInGroup keep);

// Makes `rows` (ascending) the list's whole selection, the first of them focused.
void SelectOnlyRows(CatalogueModel& list, const std::vector<int>& rows);

// Runs `work` on as many threads as the machine has cores (at least two) and waits for all.
void RunOnReaderPool(const std::function<void()>& work);

// A search running on worker threads: the grouping by title and author on one, the hashing of
// the content on as many as the machine has cores (at least two). The window asks for the
// progress now and then; the destructor cancels a search that still runs and waits for it.
class DuplicateSearch {
public:
    DuplicateSearch(DuplicateWay way, std::vector<DuplicateCandidate> files);
    ~DuplicateSearch();
    DuplicateSearch(const DuplicateSearch&) = delete;
    DuplicateSearch& operator=(const DuplicateSearch&) = delete;

    // How many steps there are (files to group or to read) and how many are done.
    int total() const { return m_total; }
    int done() const { return m_done.load(); }
    bool finished() const { return m_finished.load(); }
    void cancel() { m_cancel.store(true); }
    bool cancelled() const { return m_cancel.load(); }
    // Waits for the end; the groups (none after a cancel) and the files they index.
    const std::vector<DuplicateGroup>& groups();
    const std::vector<DuplicateCandidate>& files() const { return m_files; }
    // How many files of those to read could not be read (they are in no group).
    int unreadCount();

private:
    void run(DuplicateWay way);
    void hashContent();

    std::vector<DuplicateCandidate> m_files;
    std::vector<DuplicateGroup> m_groups;
    int m_total = 0;
    int m_unread = 0;
    std::atomic<int> m_done{0};
    std::atomic<bool> m_cancel{false};
    std::atomic<bool> m_finished{false};
    std::thread m_thread;
};
