#pragma once
// The check of a tree against the catalogue index. The list is filled from the index at once,
// in the order a refresh gives; then the tree is walked on the scan's worker threads, each
// file's size, times and identity taken without opening it, and only the files that are new
// or differ from their records are read. When the walk ends, the rows of changed files are
// replaced, those of files gone removed and those of new files added: the list is then what a
// refresh would have made, the same rows, texts, states and order. The index learns the
// changes on a worker thread.

#include "catalogue/tree_scan.h"
#include "index/catalogue_index.h"

#include <QHash>
#include <QString>

#include <future>
#include <memory>
#include <vector>

class CatalogueModel;
class UiHooks;

struct CheckOptions {
    // Reads every file as the refresh does, and rewrites every record of the tree.
    bool readAll = false;
    // A file whose change time lies this close before its stamp was taken (or after) is read
    // again at the next check: a change within the same tick of the system's file clock
    // leaves the times as they were. In FileClockNow units; negative: two seconds.
    std::int64_t unsureMargin = -1;
};

struct CheckCounts {
    int loaded = 0;  // rows the index gave
    int read = 0;    // files read
    int removed = 0; // rows of files gone
    bool aborted = false;
};

class CatalogueCheck : public WalkSieve {
public:
    // Without an index (null) every file is read, as the refresh does.
    explicit CatalogueCheck(CatalogueIndex* index, CheckOptions options = {});
    // Stops the walk, and waits for its threads and for the index's write.
    ~CatalogueCheck() override;
    CatalogueCheck(const CatalogueCheck&) = delete;
    CatalogueCheck& operator=(const CatalogueCheck&) = delete;

    // Empties the list and fills it from the index's records of `folder`, sorted as a refresh
    // sorts, row 0 selected and focused and the status brought up to date, while the window
    // is looked after. Esc meanwhile stops the check before it starts. Returns the working
    // folder: `folder`, normalised.
    QString fill(CatalogueModel& list, UiHooks& window, const QString& folder);
    // Starts the walk of the working folder on worker threads.
    void start();
    // Whether the walk has ended; shows the folder it entered last in status part 0. Waits
    // at most `milliseconds`.
    bool poll(UiHooks& window, int milliseconds = 0);
    // Asks the walk to end soon: the list keeps its rows, with the changes found so far.
    void stop();
    bool stopped() const;
    // After the walk has ended: the changes into the list, sorted as a refresh sorts with the
    // selection kept, the status brought up to date, and the changes written into the index
    // on a worker thread.
    void finish(CatalogueModel& list, UiHooks& window);
    // Waits until the index has been written.
    void waitWritten();
    const CheckCounts& counts() const { return m_counts; }

private:
    struct Record {
        QString name; // shares the text of its row's name
        FileStamp stamp;
        std::int64_t checkedAt = 0;
        int position = 0;
        int folder = 0;
        bool bad = false;
    };
    struct ReadFile {
        std::uint64_t order = 0;
        FileStamp stamp;
        int position = 0;
        std::int64_t listedAt = 0;
    };

    void load();
    void putInWalkOrder(std::vector<IndexedFile>& files);
    void tellTrouble(UiHooks& window);
    IndexChanges changesFor(const std::vector<ScannedRow>& rows,
                            const std::vector<int>& readRowOfOrder,
                            const std::vector<bool>& gone) const;

    // WalkSieve, on the walker's thread
    void folderEntered(const QString& folder, int position) override;
    bool mustRead(const FoundFile& found) override;

    CatalogueIndex* m_index;
    CheckOptions m_options;
    QString m_root;
    bool m_escBeforeStart = false;
    CheckCounts m_counts;

    // From the index, in walk order.
    std::vector<IndexedFolder> m_folders;
    QHash<QString, int> m_folderByPath;
    std::vector<Record> m_records;
    std::vector<QHash<QString, int>> m_recordsByFolder; // name -> record, for each folder
    QHash<const QChar*, int> m_recordOfRow;             // a row's name text -> its record
    std::vector<Entry> m_entries;                       // on their way into the list

    // What the walk found.
    std::vector<std::pair<QString, int>> m_entered; // folder, place in its parent
    std::vector<int> m_recordOfOrder;               // for each file found: its record or -1
    std::vector<ReadFile> m_reads;                  // the files handed to the readers
    std::vector<std::pair<int, int>> m_places;      // record, new place in its folder

    std::unique_ptr<TreeScan> m_scan;
    std::vector<ScannedRow> m_rows; // read so far
    QString m_shownFolder;
    std::future<void> m_written;
};

// The whole check in one call, the calling thread waiting for it while the window (if any)
// is looked after and Esc stops the walk: fill, walk, finish, and the index written. Index
// trouble is told once through the window's notice. Returns the working folder.
QString CheckCatalogue(CatalogueModel& list, UiHooks& window, const QString& folder,
                       CatalogueIndex* index, const CheckOptions& options = {},
                       CheckCounts* counts = nullptr);
