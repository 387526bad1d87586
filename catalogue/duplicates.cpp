#include "catalogue/duplicates.h"

#include "catalogue/catalogue_model.h"
#include "platform/native_file.h"
#include "platform/thread_priority.h"

#include <QCryptographicHash>
#include <QHash>
#include <algorithm>
#include <unordered_map>

std::vector<DuplicateCandidate> DuplicateCandidates(const CatalogueModel& list,
                                                    const std::vector<int>& rows) {
    std::vector<DuplicateCandidate> files;
    files.reserve(rows.size());
    for (const int row : rows) {
        const Entry* entry = list.entryAt(row);
        if (!entry)
            continue;
        files.push_back({row, entry->folder, entry->name, entry->title, entry->subtitle,
                         entry->lastWriteTime, entry->size, entry->isBad != 0});
    }
    return files;
}

QString PieceKey(QStringView text) {
    QString key;
    key.reserve(text.size());
    for (const QChar c : text) {
        if (c.isSpace() || c.isPunct() || c.category() == QChar::Other_Control)
            continue;
        key += c;
    }
    return key.toCaseFolded();
}

namespace {

// Collects indexes under equal keys; the groups of two or more in the order of their first.
template <typename Key, typename Hasher = std::hash<Key>>
class GroupCollector {
public:
    explicit GroupCollector(size_t expected) { m_groupOf.reserve(expected); }
    void add(Key key, int index) {
        const auto [it, added] = m_groupOf.try_emplace(std::move(key), int(m_groups.size()));
        if (added)
            m_groups.emplace_back();
        m_groups[size_t(it->second)].push_back(index);
    }
    std::vector<DuplicateGroup> groups() {
        std::vector<DuplicateGroup> found;
        for (DuplicateGroup& group : m_groups)
            if (group.size() > 1)
                found.push_back(std::move(group));
        return found;
    }

private:
    std::unordered_map<Key, int, Hasher> m_groupOf;
    std::vector<DuplicateGroup> m_groups;
};

struct QStringHasher {
    size_t operator()(const QString& text) const { return qHash(text); }
};

struct ContentKey {
    quint32 size;
    qint64 length;
    QByteArray hash;
    bool operator==(const ContentKey&) const = default;
};
struct ContentKeyHasher {
    size_t operator()(const ContentKey& key) const { return qHash(key.hash) ^ key.size; }
};

} // namespace

std::vector<DuplicateGroup> GroupByTitleAndAuthor(const std::vector<DuplicateCandidate>& files,
                                                  const std::atomic<bool>* cancel,
                                                  std::atomic<int>* done) {
    GroupCollector<QString, QStringHasher> collector(files.size());
    for (size_t i = 0; i < files.size(); ++i) {
        if ((i & 4095) == 0) {
            if (cancel && cancel->load())
                return {};
            if (done)
                done->store(int(i));
        }
        const DuplicateCandidate& file = files[i];
        if (file.isBad)
            continue;
        QString key = PieceKey(file.title);
        if (key.isEmpty())
            continue;
        key += QChar(0); // no title's key holds it: title and author stay apart
        key += PieceKey(file.subtitle);
        collector.add(std::move(key), int(i));
    }
    if (done)
        done->store(int(files.size()));
    return collector.groups();
}

ContentHash HashFileContent(const QString& path, const std::atomic<bool>* cancel) {
    NativeFile file;
    if (!file.openRead(path))
        return {};
    QCryptographicHash hash(QCryptographicHash::Blake2b_256);
    static constexpr qint64 chunk = 1 << 16;
    QByteArray buffer(chunk, Qt::Uninitialized);
    qint64 length = 0;
    for (;;) {
        if (cancel && cancel->load())
            return {};
        const qint64 got = file.read(buffer.data(), chunk);
        if (got < 0)
            return {};
        if (got == 0)
            break;
        hash.addData(QByteArrayView(buffer.constData(), got));
        length += got;
    }
    return {length, hash.result()};
}

std::vector<int> FilesToHash(const std::vector<DuplicateCandidate>& files) {
    std::unordered_map<quint32, int> sizeCount;
    for (const DuplicateCandidate& file : files)
        ++sizeCount[file.size];
    std::vector<int> toHash;
    for (size_t i = 0; i < files.size(); ++i)
        if (sizeCount[files[i].size] > 1)
            toHash.push_back(int(i));
    return toHash;
}

std::vector<DuplicateGroup> GroupByContent(const std::vector<DuplicateCandidate>& files,
                                           const std::vector<ContentHash>& hashes) {
    GroupCollector<ContentKey, ContentKeyHasher> collector(files.size());
    for (size_t i = 0; i < files.size() && i < hashes.size(); ++i) {
        if (hashes[i].length < 0)
            continue;
        collector.add({files[i].size, hashes[i].length, hashes[i].hash}, int(i));
    }
    return collector.groups();
}

std::vector<int> RowsAllButOne(const std::vector<DuplicateCandidate>& files,
                               const std::vector<DuplicateGroup>& groups, KeepInGroup keep) {
    // True when file a is kept rather than file b.
    const auto better = [&](int a, int b) {
        const DuplicateCandidate& x = files[size_t(a)];
        const DuplicateCandidate& y = files[size_t(b)];
        switch (keep) {
        case KeepInGroup::Newest:
            return x.lastWriteTime > y.lastWriteTime;
        case KeepInGroup::Oldest:
            return x.lastWriteTime < y.lastWriteTime;
        case KeepInGroup::Largest:
            return x.size > y.size;
        }
        return false;
    };
    std::vector<int> rows;
    for (const DuplicateGroup& group : groups) {
        int kept = group.front();
        for (const int file : group)
            if (better(file, kept))
                kept = file;
        for (const int file : group)
            if (file != kept)
                rows.push_back(files[size_t(file)].row);
    }
    std::sort(rows.begin(), rows.end());
    return rows;
}

DuplicateSearch::DuplicateSearch(DuplicateWay way, std::vector<DuplicateCandidate> files)
    : m_files(std::move(files)) {
    m_total = int(m_files.size());
    m_thread = std::thread([this, way] { run(way); });
}

DuplicateSearch::~DuplicateSearch() {
    cancel();
    if (m_thread.joinable())
        m_thread.join();
}

const std::vector<DuplicateGroup>& DuplicateSearch::groups() {
    if (m_thread.joinable())
        m_thread.join();
    return m_groups;
}

int DuplicateSearch::unreadCount() {
    groups();
    return m_unread;
}

void DuplicateSearch::run(DuplicateWay way) {
    LowerThisThreadsPriority();
    if (way == DuplicateWay::TitleAndAuthor)
        m_groups = GroupByTitleAndAuthor(m_files, &m_cancel, &m_done);
    else
        hashContent();
    if (m_cancel.load())
        m_groups.clear();
    m_finished.store(true);
}

// The files whose size another shares, read by a pool of threads that take the next file as
// each finishes one.
void DuplicateSearch::hashContent() {
    const std::vector<int> toHash = FilesToHash(m_files);
    std::vector<ContentHash> hashes(m_files.size());
    std::atomic<size_t> next{0};
    const auto work = [&] {
        LowerThisThreadsPriority();
        for (size_t i = next++; i < toHash.size() && !m_cancel.load(); i = next++) {
            const DuplicateCandidate& file = m_files[size_t(toHash[i])];
            hashes[size_t(toHash[i])] = HashFileContent(file.folder + file.name, &m_cancel);
            ++m_done;
        }
    };
    m_done.store(int(m_files.size() - toHash.size())); // no reading for those
    const unsigned count = std::max(2u, std::thread::hardware_concurrency());
    std::vector<std::thread> pool;
    for (unsigned i = 0; i < count; ++i)
        pool.emplace_back(work);
    for (std::thread& thread : pool)
        thread.join();
    for (const int i : toHash)
        m_unread += hashes[size_t(i)].length < 0 ? 1 : 0;
    m_groups = GroupByContent(m_files, hashes);
}
