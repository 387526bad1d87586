#include "catalogue/tree_scan.h"

#include "catalogue/scan.h"
#include "platform/folder_path.h"
#include "platform/native_file.h"
#include "platform/read_batch.h"
#include "platform/thread_priority.h"

#include <algorithm>
#include <memory>
#include <set>
#include <utility>

namespace {

// How far the walker may list ahead of the readers: enough to keep them busy across a large
// folder, little enough that a stopped scan drops little work.
constexpr size_t MostJobsWaiting = 4096;
// The files of a folder go to the readers in batches of at most this many: one lock and one
// wake-up per batch rather than per file, and still enough batches for every reader.
constexpr size_t FilesPerBatch = ReadBatch::MostFiles;

// The folders entered during one walk, by device and inode (or volume and file id), so that
// links leading back into the tree, or to a folder seen already, are not followed again.
struct WalkGuard {
    std::set<std::pair<std::uint64_t, std::uint64_t>> entered;

    bool seen(const FolderId& id) const { return entered.count({id.device, id.inode}) != 0; }
    bool enter(const FolderId& id) { return entered.insert({id.device, id.inode}).second; }
};

// One folder being visited: its normalised path, its entries and the next one to examine.
struct Visit {
    QString folder;
    std::vector<FolderItem> items;
    size_t next = 0;
    std::int64_t listedAt = 0;
};

// The folder's entries, unless it cannot be read or was entered before; with every file's
// details when `describeEveryFile` is set.
bool StartVisit(const QString& path, Visit& visit, WalkGuard& guard, bool describeEveryFile) {
    visit.folder = NormalisedFolder(path);
    visit.listedAt = FileClockNow();
    FolderId self;
    return ListFolder(visit.folder, visit.items, self, nullptr, describeEveryFile) &&
           guard.enter(self);
}

} // namespace

int DefaultReaderCount() {
    return std::max(2, int(std::thread::hardware_concurrency()));
}

TreeScan::TreeScan(const QString& root, ReadFoundFile read, int readers, WalkSieve* sieve)
    : m_read(std::move(read)), m_sieve(sieve) {
    readers = std::max(1, readers);
    m_running = readers + 1;
    m_threads.reserve(size_t(readers) + 1);
    m_threads.emplace_back(&TreeScan::walk, this, root);
    for (int i = 0; i < readers; ++i)
        m_threads.emplace_back(&TreeScan::readFiles, this);
}

TreeScan::~TreeScan() {
    stop();
    for (std::thread& thread : m_threads)
        thread.join();
}

void TreeScan::stop() {
    m_stop.store(true);
    std::lock_guard lock(m_mutex);
    m_jobsAdded.notify_all();
    m_roomMade.notify_all();
}

TreeScan::Progress TreeScan::collect(std::vector<ScannedRow>& rows) {
    std::lock_guard lock(m_mutex);
    m_collected += m_rows.size();
    if (rows.empty()) {
        rows.swap(m_rows);
    } else {
        rows.insert(rows.end(), std::make_move_iterator(m_rows.begin()),
                    std::make_move_iterator(m_rows.end()));
        m_rows.clear();
    }
    return {m_folder, m_collected, m_running == 0};
}

bool TreeScan::wait(int milliseconds) {
    std::unique_lock lock(m_mutex);
    const auto ended = [this] { return m_running == 0; };
    if (milliseconds < 0) {
        m_allEnded.wait(lock, ended);
        return true;
    }
    return m_allEnded.wait_for(lock, std::chrono::milliseconds(milliseconds), ended);
}

// Hands the files over to the readers, waiting for room in the queue; false once the scan is
// stopped. `files` is left empty.
bool TreeScan::push(std::vector<FoundFile>& files) {
    if (files.empty())
        return !m_stop.load();
    std::unique_lock lock(m_mutex);
    m_roomMade.wait(lock, [this] { return m_stop.load() || m_filesWaiting < MostJobsWaiting; });
    if (m_stop.load())
        return false;
    m_filesWaiting += files.size();
    m_jobs.push_back(std::move(files));
    files = {};
    m_jobsAdded.notify_one();
    return true;
}

// Waits for a batch of files; false once the walk has ended and every batch is taken, or the
// scan stopped.
bool TreeScan::pop(std::vector<FoundFile>& files) {
    std::unique_lock lock(m_mutex);
    m_jobsAdded.wait(lock, [this] { return m_stop.load() || m_walkEnded || !m_jobs.empty(); });
    if (m_stop.load() || m_jobs.empty())
        return false;
    files = std::move(m_jobs.front());
    m_jobs.pop_front();
    const bool wasFull = m_filesWaiting >= MostJobsWaiting;
    m_filesWaiting -= files.size();
    if (wasFull && m_filesWaiting < MostJobsWaiting)
        m_roomMade.notify_one();
    return true;
}

// Depth first, each subfolder walked completely when it is met, in the order a single thread
// reading as it goes would meet the files. The folders being visited are kept on the heap, so
// that however deep the tree the walk cannot run out of stack.
void TreeScan::walk(QString root) {
    LowerThisThreadsPriority();
    WalkGuard guard;
    std::uint64_t order = 0;
    std::vector<FoundFile> batch; // files found but not yet handed over
    std::vector<Visit> open(1);
    const bool describe = m_sieve != nullptr;
    if (root.isEmpty() || !StartVisit(root, open.back(), guard, describe))
        open.clear();
    else if (m_sieve)
        m_sieve->folderEntered(open.back().folder, -1);
    while (!open.empty() && !m_stop.load()) {
        Visit& visit = open.back();
        if (visit.next >= visit.items.size()) {
            open.pop_back();
            continue;
        }
        if (batch.size() >= FilesPerBatch && !push(batch))
            break;
        const int position = int(visit.next);
        FolderItem& item = visit.items[visit.next++];
        if (item.isFolder) {
            if (guard.seen(item.id))
                continue;
            if (!push(batch)) // the readers start on this folder's files while the walk goes on
                break;
            const QString subfolder = visit.folder + item.name;
            {
                std::lock_guard lock(m_mutex);
                m_folder = subfolder;
            }
            Visit inner;
            if (StartVisit(subfolder, inner, guard, describe)) {
                if (m_sieve)
                    m_sieve->folderEntered(inner.folder, position);
                open.push_back(std::move(inner));
            }
        } else if (IsCatalogueFile(item.name) && !item.isSpecial) {
            FoundFile found{order++, visit.folder, std::move(item), position, visit.listedAt};
            if (!m_sieve || m_sieve->mustRead(found))
                batch.push_back(std::move(found));
        }
    }
    push(batch);
    std::lock_guard lock(m_mutex);
    m_walkEnded = true;
    m_jobsAdded.notify_all();
    if (--m_running == 0)
        m_allEnded.notify_all();
}

// The files of one folder are opened, read and closed a batch at a time.
void TreeScan::readFiles() {
    LowerThisThreadsPriority();
    NativeFolder folder; // the folder of the last file read, kept open for the next
    ReadBatch batch;
    const auto files = std::make_unique<NativeFile[]>(ReadBatch::MostFiles);
    QString names[ReadBatch::MostFiles];
    std::vector<FoundFile> jobs;
    std::vector<ScannedRow> read;
    while (pop(jobs)) {
        for (size_t start = 0; start < jobs.size() && !m_stop.load();) {
            const QString& inFolder = jobs[start].folder;
            int count = 0;
            while (start + size_t(count) < jobs.size() && count < ReadBatch::MostFiles &&
                   jobs[start + size_t(count)].folder == inFolder) {
                names[count] = jobs[start + size_t(count)].item.name;
                ++count;
            }
            if (folder.path() != inFolder)
                folder.open(inFolder);
            batch.open(folder, names, files.get(), count);
            for (int i = 0; i < count && !m_stop.load(); ++i) {
                const FoundFile& found = jobs[start + size_t(i)];
                std::optional<Entry> entry = m_read(files[size_t(i)], found, m_stop);
                if (entry)
                    read.push_back({found.order, std::move(*entry)});
            }
            batch.close(files.get(), count);
            start += size_t(count);
        }
        std::lock_guard lock(m_mutex);
        m_rows.insert(m_rows.end(), std::make_move_iterator(read.begin()),
                      std::make_move_iterator(read.end()));
        read.clear();
    }
    std::lock_guard lock(m_mutex);
    if (--m_running == 0)
        m_allEnded.notify_all();
}

void PutInWalkOrder(std::vector<ScannedRow>& rows) {
    std::sort(rows.begin(), rows.end(),
              [](const ScannedRow& a, const ScannedRow& b) { return a.order < b.order; });
}
