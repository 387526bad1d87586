#pragma once
// The scan of a folder tree on worker threads: one walker lists the folders depth first, ahead
// of the reading, and a pool of readers opens and reads the catalogue files it finds. The owner
// (the window's thread, or zuflist) collects the rows in batches while the scan runs and is
// never made to wait for the disk.
//
// Every row carries its place in the walk, so that however the readers' work interleaves, the
// rows can be put back in the order a single thread walking the same tree would have found
// them (PutInWalkOrder), and a stable sort after that gives the same list.

#include "base/entry.h"
#include "platform/folder_walk.h"

#include <QString>

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <functional>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

class NativeFile;

// One catalogue file that the walk found, on its way to a reader.
struct FoundFile {
    std::uint64_t order = 0; // its place in the walk
    QString folder;          // normalised, ending in the separator; shared by the folder's files
    FolderItem item;
    int position = 0;           // its place in the folder's listing
    std::int64_t listedAt = 0;  // when the folder was listed (FileClockNow), with a sieve
};

// What a walk that checks the files against what was known of them is told: every folder it
// enters and every catalogue file it finds, in walk order, on the walker's thread. It then
// lists every file with its details (no file is opened for them) and hands a reader only the
// files the sieve wants read.
class WalkSieve {
public:
    virtual ~WalkSieve() = default;
    // A folder entered, with its place in its parent's listing (-1 for the root).
    virtual void folderEntered(const QString& folder, int position) = 0;
    // True when the found file must be read.
    virtual bool mustRead(const FoundFile& found) = 0;
};

struct ScannedRow {
    std::uint64_t order = 0;
    Entry entry;
};

// Reads one found file into its row. Runs on a reader thread: it may only use what it is
// given. Returns no row when the file vanished meanwhile or the read was stopped (`stop` is
// set) before its end. `file` has been opened on the found file for reading (when it is not
// open, the opening failed) and has its first block read already.
using ReadFoundFile = std::function<std::optional<Entry>(NativeFile& file, const FoundFile& found,
                                                         const std::atomic<bool>& stop)>;

// The readers the machine gets: one per core, and at least two, so that one waits for the
// disk while the other reads.
int DefaultReaderCount();

class TreeScan {
public:
    // What the owner learns each time it collects.
    struct Progress {
        QString folder;         // the folder the walker entered last (empty before the first)
        std::uint64_t rows = 0; // rows collected so far, this call's included
        bool finished = false;  // every thread has ended: nothing more will come
    };

    // Starts the walk of `root` (a normalised folder) at once. The sieve, when given, outlives
    // the scan.
    TreeScan(const QString& root, ReadFoundFile read, int readers = DefaultReaderCount(),
             WalkSieve* sieve = nullptr);
    // Stops the scan and waits for its threads.
    ~TreeScan();
    TreeScan(const TreeScan&) = delete;
    TreeScan& operator=(const TreeScan&) = delete;

    // Asks the walk and the reads to end soon; rows read to the end stay collectable.
    void stop();
    bool stopped() const { return m_stop.load(); }

    // Moves the rows read since the last call to the end of `rows`, in the order the readers
    // finished them. Never waits for the disk.
    Progress collect(std::vector<ScannedRow>& rows);

    // Waits until every thread has ended or `milliseconds` have passed (negative: no limit);
    // true when they have ended.
    bool wait(int milliseconds);

private:
    void walk(QString root);
    void readFiles();
    bool push(std::vector<FoundFile>& files);
    bool pop(std::vector<FoundFile>& files);

    ReadFoundFile m_read;
    WalkSieve* m_sieve = nullptr;
    std::atomic<bool> m_stop{false};

    std::mutex m_mutex;
    std::condition_variable m_jobsAdded; // or the walk ended, or the scan stopped
    std::condition_variable m_roomMade;  // or the scan stopped
    std::condition_variable m_allEnded;
    std::deque<std::vector<FoundFile>> m_jobs; // files handed over in batches, one lock each
    size_t m_filesWaiting = 0;
    bool m_walkEnded = false;
    int m_running = 0; // threads not yet ended
    std::vector<ScannedRow> m_rows;
    QString m_folder;
    std::uint64_t m_collected = 0;

    std::vector<std::thread> m_threads;
};

// Puts rows collected in any order back in walk order.
void PutInWalkOrder(std::vector<ScannedRow>& rows);
