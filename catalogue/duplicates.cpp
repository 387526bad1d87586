#include "catalogue/duplicates.h"

#include "catalogue/catalogue_model.h"
#include "platform/native_file.h"
#include "platform/thread_priority.h"

#include <QCryptographicHash>
#include <QHash>
#include <algorithm>
#include <optional>
#include <unordered_map>

std::vector<DuplicateCandidate> DuplicateCandidates(const CatalogueModel& list,
                                                    const std::vector<int>& rows) {
    std::vector<DuplicateCandidate> files;
    files.reserve(rows.size());
    for (const int row : rows)
        if (const Entry* entry = list.entryAt(row))
            files.push_back({row, entry});
    return files;
}

namespace {

// Calls `take` with each character of the text that counts for a piece's key, case folded.
template <typename Take>
void ForEachKeyCharacter(QStringView text, Take&& take) {
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        char32_t c = text[i].unicode();
        if (c < 0x80) { // the usual case, without the tables
            if ((c >= u'a' && c <= u'z') || (c >= u'0' && c <= u'9'))
                take(c);
            else if (c >= u'A' && c <= u'Z')
                take(c + 32);
            else if (c == u'$' || c == u'+' || c == u'<' || c == u'=' || c == u'>' ||
                     c == u'^' || c == u'`' || c == u'|' || c == u'~')
                take(c); // symbols, which are no punctuation
            continue;
        }
        if (QChar::isHighSurrogate(c) && i + 1 < n && text[i + 1].isLowSurrogate())
            c = QChar::surrogateToUcs4(char16_t(c), text[++i].unicode());
        if (QChar::isSpace(c) || QChar::isPunct(c) || QChar::category(c) == QChar::Other_Control)
            continue;
        take(QChar::toCaseFolded(c));
    }
}

// A 128-bit hash of a piece's key: two multiply-and-rotate chains with other constants.
struct KeyHash {
    quint64 a = 0x9E3779B97F4A7C15ull;
    quint64 b = 0xC2B2AE3D27D4EB4Full;
    void add(char32_t c) {
        a = (a ^ c) * 0x100000001B3ull;
        a ^= a >> 29;
        b = (b + c) * 0xFF51AFD7ED558CCDull;
        b = (b << 31) | (b >> 33);
    }
    bool operator<(const KeyHash& o) const { return a != o.a ? a < o.a : b < o.b; }
    bool operator==(const KeyHash& o) const { return a == o.a && b == o.b; }
};

// The hash of a file's title and author, or none when its title has no key or it is bad.
std::optional<KeyHash> TitleAndAuthorHash(const Entry& entry) {
    if (entry.isBad)
        return std::nullopt;
    KeyHash hash;
    bool any = false;
    ForEachKeyCharacter(entry.title, [&](char32_t c) {
        hash.add(c);
        any = true;
    });
    if (!any)
        return std::nullopt;
    hash.add(0x110000); // no character: title and author stay apart
    ForEachKeyCharacter(entry.subtitle, [&](char32_t c) { hash.add(c); });
    return hash;
}

std::u32string TitleAndAuthorKey(const Entry& entry) {
    return PieceKey(entry.title) + char32_t(0x110000) + PieceKey(entry.subtitle);
}

// Splits files whose hashes agree by their keys themselves (the hash alone never decides).
void SplitByKey(const std::vector<DuplicateCandidate>& files, const std::vector<int>& same,
                std::vector<DuplicateGroup>& groups) {
    std::vector<std::pair<std::u32string, DuplicateGroup>> byKey;
    for (const int i : same) {
        std::u32string key = TitleAndAuthorKey(*files[size_t(i)].entry);
        auto it = std::find_if(byKey.begin(), byKey.end(),
                               [&](const auto& kept) { return kept.first == key; });
        if (it == byKey.end())
            byKey.push_back({std::move(key), {i}});
        else
            it->second.push_back(i);
    }
    for (auto& [key, group] : byKey)
        if (group.size() > 1)
            groups.push_back(std::move(group));
}

// Collects indexes under equal keys; the groups of two or more in the order of their first.
template <typename Key, typename Hasher>
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

std::u32string PieceKey(QStringView text) {
    std::u32string key;
    key.reserve(size_t(text.size()));
    ForEachKeyCharacter(text, [&](char32_t c) { key += c; });
    return key;
}

// The hashes of the files are worked out on two threads, then sorted: files of equal hashes
// stand together, in list order, and each run is checked by the keys themselves.
std::vector<DuplicateGroup> GroupByTitleAndAuthor(const std::vector<DuplicateCandidate>& files,
                                                  const std::atomic<bool>* cancel,
                                                  std::atomic<int>* done) {
    std::vector<std::pair<KeyHash, int>> hashes(files.size());
    const auto work = [&](size_t from, size_t to, bool first) {
        if (!first)
            LowerThisThreadsPriority();
        for (size_t i = from; i < to; ++i) {
            if ((i & 4095) == 0) {
                if (cancel && cancel->load())
                    return;
                if (first && done)
                    done->store(int(i - from) * 2);
            }
            const std::optional<KeyHash> hash = TitleAndAuthorHash(*files[i].entry);
            hashes[i] = {hash.value_or(KeyHash{0, 0}), hash ? int(i) : -1};
        }
    };
    const size_t half = files.size() / 2;
    std::thread second(work, half, files.size(), false);
    work(0, half, true);
    second.join();
    if (cancel && cancel->load())
        return {};
    std::erase_if(hashes, [](const auto& h) { return h.second < 0; });
    std::sort(hashes.begin(), hashes.end(), [](const auto& x, const auto& y) {
        return x.first == y.first ? x.second < y.second : x.first < y.first;
    });
    std::vector<DuplicateGroup> groups;
    for (size_t i = 0; i < hashes.size();) {
        size_t end = i + 1;
        while (end < hashes.size() && hashes[end].first == hashes[i].first)
            ++end;
        if (end - i > 1) {
            std::vector<int> same;
            for (size_t j = i; j < end; ++j)
                same.push_back(hashes[j].second);
            SplitByKey(files, same, groups);
        }
        i = end;
    }
    std::sort(groups.begin(), groups.end(),
              [](const DuplicateGroup& x, const DuplicateGroup& y) { return x.front() < y.front(); });
    if (done)
        done->store(int(files.size()));
    return groups;
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
        ++sizeCount[file.entry->size];
    std::vector<int> toHash;
    for (size_t i = 0; i < files.size(); ++i)
        if (sizeCount[files[i].entry->size] > 1)
            toHash.push_back(int(i));
    return toHash;
}

std::vector<DuplicateGroup> GroupByContent(const std::vector<DuplicateCandidate>& files,
                                           const std::vector<ContentHash>& hashes) {
    GroupCollector<ContentKey, ContentKeyHasher> collector(files.size());
    for (size_t i = 0; i < files.size() && i < hashes.size(); ++i) {
        if (hashes[i].length < 0)
            continue;
        collector.add({files[i].entry->size, hashes[i].length, hashes[i].hash}, int(i));
    }
    return collector.groups();
}

std::vector<int> RowsAllButOne(const std::vector<DuplicateCandidate>& files,
                               const std::vector<DuplicateGroup>& groups, KeepInGroup keep) {
    // True when file a is kept rather than file b.
    const auto better = [&](int a, int b) {
        const Entry& x = *files[size_t(a)].entry;
        const Entry& y = *files[size_t(b)].entry;
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

void SelectOnlyRows(CatalogueModel& list, const std::vector<int>& rows) {
    if (rows.empty())
        return;
    QItemSelection selection;
    for (size_t i = 0; i < rows.size();) {
        size_t end = i + 1;
        while (end < rows.size() && rows[end] == rows[end - 1] + 1)
            ++end;
        selection.select(list.index(rows[i], 0), list.index(rows[end - 1], 0));
        i = end;
    }
    QItemSelectionModel* model = list.selectionModel();
    model->select(selection, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    model->setCurrentIndex(list.index(rows.front(), 0), QItemSelectionModel::NoUpdate);
}

void RunOnReaderPool(const std::function<void()>& work) {
    const unsigned count = std::max(2u, std::thread::hardware_concurrency());
    std::vector<std::thread> pool;
    for (unsigned i = 0; i < count; ++i)
        pool.emplace_back(work);
    for (std::thread& thread : pool)
        thread.join();
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
            const Entry& file = *m_files[size_t(toHash[i])].entry;
            hashes[size_t(toHash[i])] = HashFileContent(file.folder + file.name, &m_cancel);
            ++m_done;
        }
    };
    m_done.store(int(m_files.size() - toHash.size())); // no reading for those
    RunOnReaderPool(work);
    for (const int i : toHash)
        m_unread += hashes[size_t(i)].length < 0 ? 1 : 0;
    m_groups = GroupByContent(m_files, hashes);
}
