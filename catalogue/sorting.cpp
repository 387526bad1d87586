#include "catalogue/sorting.h"

#include "catalogue/catalogue_model.h"
#include "catalogue/collation.h"

#include <QHash>
#include <algorithm>
#include <iterator>
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

static int CompareInColumn(const Entry& a, const Entry& b, int column, const Collation& collation) {
    switch (column) {
    case ColumnName:
        return collation.compare(a.name, b.name);
    case ColumnPath:
        return collation.compare(a.folder, b.folder);
    case ColumnDate:
        return CompareValues(a.lastWriteTime, b.lastWriteTime);
    case ColumnSize:
        return CompareValues(a.size, b.size);
    case ColumnTitle:
        return collation.compare(SortTitle(a.title), SortTitle(b.title));
    case ColumnAuthor:
        return collation.compare(a.subtitle, b.subtitle);
    case ColumnTuning:
        return CompareTuning(a.tuning, b.tuning);
    default:
        return 0;
    }
}

int CompareEntries(const Entry& a, const Entry& b, int column, const SortState& sort, bool filterOn,
                   const Collation& collation) {
    if (filterOn) {
        const int d = int(b.isMatched) - int(a.isMatched);
        if (d != 0)
            return d;
    }
    const int r = CompareInColumn(a, b, column, collation);
    if (r != 0) {
        const bool descending = column >= 0 && column < ColumnCount && sort[size_t(column)] < 0;
        return descending ? -r : r;
    }
    return collation.compare(a.name, b.name);
}

namespace {

// From how many texts or rows a sort or a collation is split over two threads: below it,
// starting a thread costs more than it saves.
constexpr size_t ManyForTwoThreads = 20000;

// Sorts by `less`, which must order all elements strictly (no two equal): many elements sort
// in two halves on two threads, then one merge. The Windows build stays on one thread:
// its text comparison goes through the list's one collator.
template <typename It, typename Less> void SortOnTwoThreads(It first, It last, Less less) {
#ifndef Q_OS_WIN
    if (size_t(last - first) >= ManyForTwoThreads) {
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

// The collation keys of a list of texts, made once per sort, so that the sort compares keys
// instead of collating the texts again at every comparison. In the C locale, which has no
// collation keys of its own, the key is the case-folded text, whose code-unit order is the
// collator's.
class TextKeys {
public:
    void build(const std::vector<QStringView>& texts, const QCollator& collator) {
        m_folded = collator.locale().language() == QLocale::C;
        if (m_folded) {
            m_foldedText.reserve(texts.size() * 24); // grows geometrically past that
            m_starts.reserve(texts.size() + 1);
            for (QStringView text : texts) {
                m_starts.push_back(m_foldedText.size());
                AppendCaseFolded(text, m_foldedText);
            }
            m_starts.push_back(m_foldedText.size());
        } else {
#ifdef Q_OS_WIN
            // On Windows Qt's sort keys do not order texts as its own comparison does, while
            // the system's comparison and its sort keys agree; the texts are compared there.
            m_texts = texts;
            m_collator = &collator;
#else
            const auto makeKeys = [&](const QCollator& c, size_t from, size_t to) {
                std::vector<QCollatorSortKey> keys;
                keys.reserve(to - from);
                for (size_t i = from; i < to; ++i)
                    keys.push_back(c.sortKey(texts[i].toString()));
                return keys;
            };
            // Many texts are collated in two halves on two threads, each with a collator of
            // its own.
            const size_t half = texts.size() >= ManyForTwoThreads ? texts.size() / 2 : 0;
            std::vector<QCollatorSortKey> firstHalf;
            std::thread other;
            if (half > 0) {
                other = std::thread([&] {
                    QCollator own(collator.locale());
                    own.setCaseSensitivity(collator.caseSensitivity());
                    firstHalf = makeKeys(own, 0, half);
                });
            }
            std::vector<QCollatorSortKey> secondHalf = makeKeys(collator, half, texts.size());
            if (other.joinable())
                other.join();
            m_collatedKeys = std::move(firstHalf);
            m_collatedKeys.reserve(texts.size());
            std::move(secondHalf.begin(), secondHalf.end(), std::back_inserter(m_collatedKeys));
#endif
        }
        m_size = texts.size();
    }
    // Dense ranks of the texts: equal texts get equal ranks, and the ranks order as the texts
    // do. The texts are sorted once, without ties to break, so that the sort of the rows
    // compares numbers only.
    std::vector<int> ranks() const {
        std::vector<int> byText(m_size);
        std::iota(byText.begin(), byText.end(), 0);
        sortRows(byText.begin(), byText.end());
        std::vector<int> rank(m_size);
        int current = 0;
        for (auto at = byText.begin(); at != byText.end(); ++at) {
            if (at != byText.begin() && compare(*(at - 1), *at) != 0)
                ++current;
            rank[size_t(*at)] = current;
        }
        return rank;
    }

private:
    template <typename It> void sortRows(It first, It last) const {
        // Equal texts are told apart by their places, which keeps the order strict.
        SortOnTwoThreads(first, last, [this](int a, int b) {
            const int r = compare(a, b);
            return r != 0 ? r < 0 : a < b;
        });
    }
    int compare(int a, int b) const {
        if (m_folded)
            return foldedKey(a).compare(foldedKey(b));
#ifdef Q_OS_WIN
        return m_collator->compare(m_texts[size_t(a)], m_texts[size_t(b)]);
#else
        return m_collatedKeys[size_t(a)].compare(m_collatedKeys[size_t(b)]);
#endif
    }
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

    bool m_folded = false;
    size_t m_size = 0;
    std::u16string m_foldedText;  // the folded texts, one after the other
    std::vector<size_t> m_starts; // where each text starts, and the end
#ifdef Q_OS_WIN
    std::vector<QStringView> m_texts;      // the rows' own texts, which outlive the sort
    const QCollator* m_collator = nullptr; // the list's, which outlives the sort too
#else
    std::vector<QCollatorSortKey> m_collatedKeys;
#endif
};

using RowText = QStringView (*)(const Entry&);

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

RowText ColumnText(int column) {
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

// Dense ranks of one text of every row, as TextKeys::ranks gives them. Rows that share the
// very same text (an author of many pieces, the folder of a hundred files) are collated
// once: only the distinct texts are. The names are collated as they stand: few of them repeat
// (a folder's names all differ), and finding the repeats among 80,000 names took longer than
// collating them.
std::vector<int> RankRows(const std::vector<const Entry*>& entries, RowText text,
                          const QCollator& collator) {
    if (text == NameText) {
        std::vector<QStringView> names(entries.size());
        for (size_t row = 0; row < entries.size(); ++row)
            names[row] = NameText(*entries[row]);
        TextKeys keys;
        keys.build(names, collator);
        return keys.ranks();
    }
    QHash<QStringView, int> seen; // text -> 1 + its place among the distinct texts
    std::vector<QStringView> distinct;
    std::vector<int> distinctOf(entries.size());
    for (size_t row = 0; row < entries.size(); ++row) {
        const QStringView view = text(*entries[row]);
        int& place = seen[view];
        if (place == 0) {
            distinct.push_back(view);
            place = int(distinct.size());
        }
        distinctOf[row] = place - 1;
    }
    seen = {};
    TextKeys keys;
    keys.build(distinct, collator);
    const std::vector<int> distinctRank = keys.ranks();
    for (int& rank : distinctOf)
        rank = distinctRank[size_t(rank)];
    return distinctOf;
}

} // namespace

// Orders the rows exactly as CompareEntries does. The texts of the sort column and the names
// are ranked (the names only when the list does not know their ranks yet), so that the sort
// of a million rows compares numbers and touches neither the rows nor their texts.
SortedRows SortedOrder(const CatalogueModel& list, bool filterOn,
                       const std::vector<std::uint64_t>* earlier) {
    const int column = SortColumnIndex(list.sort());
    const size_t count = size_t(list.rowCount());
    std::vector<const Entry*> entries(count);
    for (size_t row = 0; row < count; ++row)
        entries[row] = list.entryAt(int(row));
    const bool descending = list.sort()[size_t(column)] < 0;
    const RowText text = ColumnText(column);

    const Collation& collation = list.collation();
    SortedRows sorted;
    sorted.collationStamp = collation.stamp();
    std::vector<int> nameRank(count);
    if (list.nameRanksStamp() == sorted.collationStamp) {
        for (size_t row = 0; row < count; ++row)
            nameRank[row] = list.nameRank(int(row));
    } else {
        nameRank = RankRows(entries, NameText, collation.collator());
        sorted.nameRanks = nameRank;
    }
    std::vector<int> columnRank;
    if (text && column != ColumnName)
        columnRank = RankRows(entries, text, collation.collator());
    const std::vector<int>& rankInColumn = column == ColumnName ? nameRank : columnRank;

    struct Keyed {
        bool unmatched; // sorts after the matched rows while the filter is on
        int rank;       // in the column, when it has texts
        int nameRank;
        int row;
    };
    std::vector<Keyed> keyed(count);
    for (size_t row = 0; row < count; ++row) {
        keyed[row] = {filterOn && !entries[row]->isMatched, text ? rankInColumn[row] : 0,
                      nameRank[row], int(row)};
    }
    // Rows equal in every key keep their walk order, or else the order they stand in.
    SortOnTwoThreads(keyed.begin(), keyed.end(), [&](const Keyed& a, const Keyed& b) {
        if (a.unmatched != b.unmatched)
            return b.unmatched;
        const int r = text ? a.rank - b.rank
                           : CompareInColumn(*entries[size_t(a.row)], *entries[size_t(b.row)],
                                             column, collation);
        if (r != 0)
            return descending ? r > 0 : r < 0;
        if (a.nameRank != b.nameRank)
            return a.nameRank < b.nameRank;
        if (earlier && (*earlier)[size_t(a.row)] != (*earlier)[size_t(b.row)])
            return (*earlier)[size_t(a.row)] < (*earlier)[size_t(b.row)];
        return a.row < b.row;
    });
    sorted.order.resize(count);
    for (size_t i = 0; i < count; ++i)
        sorted.order[i] = keyed[i].row;
    return sorted;
}

void ApplySortedOrder(CatalogueModel& list, const SortedRows& sorted,
                      const std::function<void()>& between) {
    constexpr int SliceMs = 10;
    while (!list.moveRowsToOrder(sorted, between ? SliceMs : -1))
        between();
}

void SortColumn(CatalogueModel& list, bool filterOn) {
    // Hidden rows are sorted too: they stand in order when the filter box shows them again.
    const CatalogueModel::AllRowsShown all(list);
    ApplySortedOrder(list, SortedOrder(list, filterOn));
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
