#include "catalogue/sort_search.h"

#include "base/bounded_text.h"
#include "base/ui_hooks.h"
#include "catalogue/catalogue_model.h"
#include "catalogue/status.h"

#include <QCollator>
#include <QLocale>
#include <algorithm>
#include <numeric>
#include <string>
#include <string_view>
#include <thread>

int SortColumnIndex(const SortState& sort) {
    for (int i = 0; i < ColumnCount; ++i) {
        if (sort[size_t(i)] != 0)
            return i;
    }
    return ColumnName;
}

// The case-insensitive collation of the user's locale, made once for the whole run (and again
// only when SetSortLocale changes the locale).
static QCollator& TextCollator() {
    static QCollator collator = [] {
        QCollator c{QLocale()};
        c.setCaseSensitivity(Qt::CaseInsensitive);
        return c;
    }();
    return collator;
}

void SetSortLocale(const QLocale& locale) {
    TextCollator().setLocale(locale);
}

static int CompareText(QStringView a, QStringView b) {
    return TextCollator().compare(a, b);
}

// A title is sorted without one leading double quote.
static QStringView SortTitle(const QString& title) {
    QStringView view(title);
    if (view.startsWith(QLatin1Char('"')))
        view = view.mid(1);
    return view;
}

template <typename T> static int CompareValues(T a, T b) {
    return a < b ? -1 : (b < a ? 1 : 0);
}

static int CompareTuning(const std::array<quint8, 12>& a, const std::array<quint8, 12>& b) {
    for (size_t i = 0; i < a.size(); ++i) {
        if (a[i] != b[i])
            return int(a[i]) - int(b[i]);
    }
    return 0;
}

static int CompareInColumn(const Entry& a, const Entry& b, int column) {
    switch (column) {
    case ColumnName:
        return CompareText(a.name, b.name);
    case ColumnPath:
        return CompareText(a.folder, b.folder);
    case ColumnDate:
        return CompareValues(a.lastWriteTime, b.lastWriteTime);
    case ColumnSize:
        return CompareValues(a.size, b.size);
    case ColumnTitle:
        return CompareText(SortTitle(a.title), SortTitle(b.title));
    case ColumnAuthor:
        return CompareText(a.subtitle, b.subtitle);
    case ColumnTuning:
        return CompareTuning(a.tuning, b.tuning);
    default:
        return 0;
    }
}

int CompareEntries(const Entry& a, const Entry& b, int column, const SortState& sort,
                   bool filterOn) {
    if (filterOn) {
        const int d = int(b.isMatched) - int(a.isMatched);
        if (d != 0)
            return d;
    }
    const int r = CompareInColumn(a, b, column);
    if (r != 0) {
        const bool descending = column >= 0 && column < ColumnCount && sort[size_t(column)] < 0;
        return descending ? -r : r;
    }
    return CompareText(a.name, b.name);
}

namespace {

// The collation keys of one text of every row, made once per sort, so that the sort compares
// keys instead of collating the texts again at every comparison. In the C locale, which has
// no collation keys of its own, the key is the case-folded text, whose code-unit order is the
// collator's.
class TextKeys {
public:
    using Text = QStringView (*)(const Entry&);

    void build(const std::vector<const Entry*>& entries, Text text) {
        const QCollator& collator = TextCollator();
        m_folded = collator.locale().language() == QLocale::C;
        if (m_folded) {
            m_foldedText.reserve(entries.size() * 24); // grows geometrically past that
            m_starts.reserve(entries.size() + 1);
            for (const Entry* entry : entries) {
                m_starts.push_back(m_foldedText.size());
                AppendCaseFolded(text(*entry), m_foldedText);
            }
            m_starts.push_back(m_foldedText.size());
        } else {
#ifdef Q_OS_WIN
            // On Windows Qt's sort keys do not order texts as its own comparison does, while
            // the system's comparison and its sort keys agree; the texts are compared there.
            m_texts.reserve(entries.size());
            for (const Entry* entry : entries)
                m_texts.push_back(text(*entry));
            m_keyCount = entries.size();
#else
            m_collatedKeys.reserve(entries.size());
            for (const Entry* entry : entries)
                m_collatedKeys.push_back(collator.sortKey(text(*entry).toString()));
            m_keyCount = entries.size();
#endif
        }
        m_built = true;
    }
    bool built() const {
        return m_built;
    }
    // Dense ranks of the rows' texts: equal texts get equal ranks, and the ranks order as the
    // texts do. The texts are sorted once, without ties to break, so that the sort of the
    // rows compares numbers only. `byText` receives the rows in the order of their texts.
    std::vector<int> ranks(std::vector<int>& byText) const {
        byText.resize(m_built ? size() : 0);
        std::iota(byText.begin(), byText.end(), 0);
        sortRows(byText.begin(), byText.end());
        return ranksInOrder(byText.begin(), byText.end(), std::vector<int>(byText.size()));
    }
    // The same among the rows in [first, last) alone, which it puts in the order of their
    // texts; `rank` receives their ranks, from 0.
    template <typename It>
    std::vector<int> ranksInOrder(It first, It last, std::vector<int>&& rank) const {
        int current = 0;
        for (It at = first; at != last; ++at) {
            if (at != first && compare(*(at - 1), *at) != 0)
                ++current;
            rank[size_t(*at)] = current;
        }
        return std::move(rank);
    }
    template <typename It> void sortRows(It first, It last) const {
        const auto less = [this](int a, int b) { return compare(a, b) < 0; };
        // A million texts sort in two halves on two threads, then one merge. The Windows
        // comparison goes through the one collator and stays on this thread.
#ifndef Q_OS_WIN
        if (last - first >= 100000) {
            const It middle = first + (last - first) / 2;
            std::thread other([&] { std::sort(first, middle, less); });
            std::sort(middle, last, less);
            other.join();
            std::inplace_merge(first, middle, last, less);
            return;
        }
#endif
        std::sort(first, last, less);
    }
    size_t size() const {
        return m_folded ? m_starts.size() - 1 : m_keyCount;
    }
    int compare(int a, int b) const {
        if (m_folded)
            return foldedKey(a).compare(foldedKey(b));
#ifdef Q_OS_WIN
        return TextCollator().compare(m_texts[size_t(a)], m_texts[size_t(b)]);
#else
        return m_collatedKeys[size_t(a)].compare(m_collatedKeys[size_t(b)]);
#endif
    }

private:
    std::u16string_view foldedKey(int row) const {
        const size_t start = m_starts[size_t(row)];
        return std::u16string_view(m_foldedText).substr(start, m_starts[size_t(row) + 1] - start);
    }

    // Each character folded on its own, as the C locale's case-insensitive comparison does;
    // simple folding keeps the length.
    static void AppendCaseFolded(QStringView text, std::u16string& out) {
        const size_t at = out.size();
        out.resize(at + size_t(text.size()));
        char16_t* to = out.data() + at;
        for (qsizetype i = 0; i < text.size(); ++i) {
            const char16_t u = text[i].unicode();
            if (u < 0x80) {
                to[i] = (u >= u'A' && u <= u'Z') ? char16_t(u + 32) : u;
            } else if (QChar::isHighSurrogate(u) && i + 1 < text.size() &&
                       text[i + 1].isLowSurrogate()) {
                const char32_t folded =
                    QChar::toCaseFolded(QChar::surrogateToUcs4(u, text[i + 1].unicode()));
                const bool pair = QChar::requiresSurrogates(folded);
                to[i] = pair ? QChar::highSurrogate(folded) : u;
                to[i + 1] = pair ? QChar::lowSurrogate(folded) : text[i + 1].unicode();
                ++i;
            } else {
                const char32_t folded = QChar::toCaseFolded(char32_t(u));
                to[i] = QChar::requiresSurrogates(folded) ? u : char16_t(folded);
            }
        }
    }

    bool m_built = false;
    bool m_folded = false;
    size_t m_keyCount = 0;
    std::u16string m_foldedText;  // the folded texts of all rows, one after the other
    std::vector<size_t> m_starts; // where each row's text starts, and the end
#ifdef Q_OS_WIN
    std::vector<QStringView> m_texts; // the rows' own texts, which outlive the sort
#else
    std::vector<QCollatorSortKey> m_collatedKeys;
#endif
};

QStringView NameText(const Entry& e) {
    return e.name;
}
QStringView FolderText(const Entry& e) {
    return e.folder;
}
QStringView TitleText(const Entry& e) {
    return SortTitle(e.title);
}
QStringView SubtitleText(const Entry& e) {
    return e.subtitle;
}

TextKeys::Text ColumnText(int column) {
    switch (column) {
    case ColumnName:
        return NameText;
    case ColumnPath:
        return FolderText;
    case ColumnTitle:
        return TitleText;
    case ColumnAuthor:
        return SubtitleText;
    default:
        return nullptr;
    }
}

} // namespace

// Orders the rows exactly as CompareEntries does. The texts of the sort column (and of the
// names, when rows tie in it) are ranked once, so that the sort of a million rows compares
// numbers and touches neither the rows nor their texts.
std::vector<int> SortedOrder(const CatalogueModel& list, bool filterOn,
                             const std::vector<std::uint64_t>* earlier) {
    const int column = SortColumnIndex(list.sort());
    const size_t count = size_t(list.rowCount());
    std::vector<const Entry*> entries(count);
    for (size_t row = 0; row < count; ++row)
        entries[row] = list.entryAt(int(row));
    const bool descending = list.sort()[size_t(column)] < 0;
    const TextKeys::Text text = ColumnText(column);

    std::vector<int> columnRank;
    std::vector<int> nameRank;
    if (text) {
        TextKeys keys;
        keys.build(entries, text);
        std::vector<int> byText;
        columnRank = keys.ranks(byText);
        if (column == ColumnName) {
            nameRank = columnRank;
        } else {
            // Rows that share a text are ordered by name: each run of them is ranked apart.
            TextKeys names;
            names.build(entries, NameText);
            nameRank.resize(count);
            for (auto run = byText.begin(); run != byText.end();) {
                auto end = run + 1;
                while (end != byText.end() && columnRank[size_t(*end)] == columnRank[size_t(*run)])
                    ++end;
                if (end - run > 1) {
                    names.sortRows(run, end);
                    nameRank = names.ranksInOrder(run, end, std::move(nameRank));
                }
                run = end;
            }
        }
    } else {
        // A column of values: rows equal in it are ordered by name.
        TextKeys names;
        names.build(entries, NameText);
        std::vector<int> byName;
        nameRank = names.ranks(byName);
    }

    struct Keyed {
        bool unmatched; // sorts after the matched rows while the filter is on
        int rank;       // in the column, when it has texts
        int nameRank;
        int row;
    };
    std::vector<Keyed> keyed(count);
    for (size_t row = 0; row < count; ++row) {
        keyed[row] = {filterOn && !entries[row]->isMatched, text ? columnRank[row] : 0,
                      nameRank.empty() ? 0 : nameRank[row], int(row)};
    }
    std::stable_sort(keyed.begin(), keyed.end(), [&](const Keyed& a, const Keyed& b) {
        if (a.unmatched != b.unmatched)
            return b.unmatched;
        const int r =
            text ? a.rank - b.rank
                 : CompareInColumn(*entries[size_t(a.row)], *entries[size_t(b.row)], column);
        if (r != 0)
            return descending ? r > 0 : r < 0;
        if (a.nameRank != b.nameRank)
            return a.nameRank < b.nameRank;
        return earlier && (*earlier)[size_t(a.row)] < (*earlier)[size_t(b.row)];
    });
    std::vector<int> order(count);
    for (size_t i = 0; i < count; ++i)
        order[i] = keyed[i].row;
    return order;
}

void SortColumn(CatalogueModel& list, bool filterOn) {
    list.moveRowsToOrder(SortedOrder(list, filterOn));
}

void ColumnClick(CatalogueModel& list, int column, bool filterOn) {
    if (column < 0 || column >= ColumnCount)
        return;
    SortState state = list.sort();
    for (int i = 0; i < ColumnCount; ++i) {
        int& value = state[size_t(i)];
        if (i == column)
            value = value != 0 ? -value : 1;
        else
            value = 0;
    }
    list.setSort(state);
    SortColumn(list, filterOn);
}

// Lower-cases character by character (simple case mapping), keeping the length, so that the
// words and the searched text are compared unit for unit.
static void LowerInto(QStringView text, QString& out) {
    out.resize(text.size()); // keeps the allocation of a buffer used again
    char16_t* to = reinterpret_cast<char16_t*>(out.data());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t u = text[i].unicode();
        if (QChar::isHighSurrogate(u) && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            const char32_t lower = QChar::toLower(QChar::surrogateToUcs4(u, text[i + 1].unicode()));
            if (QChar::requiresSurrogates(lower)) {
                to[i] = QChar::highSurrogate(lower);
                to[i + 1] = QChar::lowSurrogate(lower);
            } else {
                to[i] = u;
                to[i + 1] = text[i + 1].unicode();
            }
            ++i;
            continue;
        }
        if (u < 0x80) {
            to[i] = (u >= u'A' && u <= u'Z') ? char16_t(u + 32) : u;
            continue;
        }
        const char32_t lower = QChar::toLower(char32_t(u));
        to[i] = QChar::requiresSurrogates(lower) ? u : char16_t(lower);
    }
}

static QString LowerKeepingLength(QStringView text) {
    QString out;
    LowerInto(text, out);
    return out;
}

// The search over one entry, with the joined and lowered texts built in buffers that the
// caller keeps from row to row.
static bool MatchesSearch(const CatalogueModel& list, const Entry& entry, QString& joined,
                          QString& lowered) {
    // The joined text is built whole, however long the comments are.
    joined.resize(0);
    joined.reserve(entry.title.size() + entry.subtitle.size() + entry.comments.size());
    joined += entry.title;
    joined += entry.subtitle;
    joined += entry.comments;
    if (list.searchCaseSensitive())
        return joined.contains(list.searchText(), Qt::CaseSensitive);
    LowerInto(joined, lowered);
    return lowered.contains(list.searchText(), Qt::CaseSensitive);
}

void TakeSearchWords(CatalogueModel& list, const QString& words, bool caseSensitive) {
    QString taken = CutToLength(words, 31);
    if (!caseSensitive)
        taken = LowerKeepingLength(taken);
    list.setSearch(taken, caseSensitive);
}

bool EntryMatchesSearch(const CatalogueModel& list, const Entry& entry) {
    QString joined, lowered;
    return MatchesSearch(list, entry, joined, lowered);
}

void ApplySearchFilter(CatalogueModel& list, UiHooks& window) {
    const bool filterOn = list.filterOn();
    int found = 0;
    std::vector<StateImage> images(size_t(list.rowCount()));
    QString joined, lowered;
    for (int row = 0; row < list.rowCount(); ++row) {
        Entry* entry = list.entryAt(row);
        if (filterOn) {
            entry->isMatched = MatchesSearch(list, *entry, joined, lowered) ? 1 : 0;
            images[size_t(row)] = entry->isMatched ? StateMatched : StateUnmatched;
            found += entry->isMatched;
        } else {
            entry->isMatched = 0;
            images[size_t(row)] = entry->isBad ? StateBad : StateNormal;
        }
    }
    list.setStateImages(images);
    list.setFoundCount(found);
    list.clearSelectionAndFocus();
    SortColumn(list, filterOn);
    if (filterOn) {
        window.ensureRowVisible(0);
        if (found > 0)
            list.selectAndFocus(0);
    }
    UpdateStatus(list, window, 0);
}

void ToggleSearchFilter(CatalogueModel& list, UiHooks& window) {
    if (!list.searchText().isEmpty())
        list.setFilterOn(!list.filterOn());
    ApplySearchFilter(list, window);
}

void AcceptSearchWords(CatalogueModel& list, UiHooks& window, const QString& words,
                       bool caseSensitive) {
    TakeSearchWords(list, words, caseSensitive);
    list.setFilterOn(false);
    ToggleSearchFilter(list, window);
}
