#include "catalogue/search.h"

#include "base/bounded_text.h"
#include "base/ui_hooks.h"
#include "catalogue/catalogue_model.h"
#include "catalogue/sorting.h"
#include "catalogue/status.h"

#include <thread>
#include <vector>

// From how many rows a search is split over two threads: below it, starting a thread costs
// more than it saves.
constexpr int ManyRowsForTwoThreads = 20000;

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

// Which rows the search words match, found on two threads in a big list whose every row is
// shown; a row the filter box hides is no match.
static std::vector<char> MatchRows(const CatalogueModel& list) {
    const int count = list.rowCount();
    std::vector<char> matched(size_t(count), 0);
    const auto matchRange = [&](int from, int to) {
        QString joined, lowered;
        for (int row = from; row < to; ++row)
            matched[size_t(row)] = !list.hiddenInPlace(row) &&
                                   MatchesSearch(list, *list.entryAt(row), joined, lowered);
    };
    const int half = count >= ManyRowsForTwoThreads ? count / 2 : 0;
    std::thread other;
    if (half > 0)
        other = std::thread(matchRange, 0, half);
    matchRange(half, count);
    if (other.joinable())
        other.join();
    return matched;
}

void ApplySearchFilter(CatalogueModel& list, UiHooks& window) {
    const bool filterOn = list.filterOn();
    int found = 0;
    {
        // The pass marks the rows the filter box shows; the sort puts the hidden ones in
        // order too.
        const CatalogueModel::AllRowsShown all(list);
        std::vector<StateImage> images(size_t(list.rowCount()));
        const std::vector<char> matched = filterOn ? MatchRows(list) : std::vector<char>();
        for (int row = 0; row < list.rowCount(); ++row) {
            const bool isMatched = filterOn && matched[size_t(row)];
            list.setMatched(row, isMatched);
            if (filterOn) {
                images[size_t(row)] = isMatched ? StateMatched : StateUnmatched;
                found += isMatched;
            } else {
                images[size_t(row)] = list.entryAt(row)->isBad ? StateBad : StateNormal;
            }
        }
        list.setStateImages(images);
        list.setFoundCount(found);
        list.clearSelectionAndFocus();
        SortColumn(list, filterOn);
    }
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
