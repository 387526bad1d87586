#include "catalogue/sort_search.h"

#include "app/app_state.h"
#include "app/ui_hooks.h"
#include "catalogue/catalogue_model.h"
#include "settings/settings_store.h"

#include <QCollator>
#include <QLocale>
#include <algorithm>
#include <cstring>

SortState& sortState() {
    static SortState state{1, 0, 0, 0, 0, 0, 0};
    return state;
}

void ResetSortState() {
    sortState() = SortState{1, 0, 0, 0, 0, 0, 0};
}

int SortColumnIndex() {
    const SortState& state = sortState();
    for (int i = 0; i < ColumnCount; ++i) {
        if (state[size_t(i)] != 0)
            return i;
    }
    return ColumnName;
}

// The case-insensitive collation of the user's locale, made once for the whole run.
static const QCollator& TextCollator() {
    static const QCollator collator = [] {
        QCollator c{QLocale()};
        c.setCaseSensitivity(Qt::CaseInsensitive);
        return c;
    }();
    return collator;
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

int CompareEntries(const Entry& a, const Entry& b, int column) {
    if (appState().filterOn) {
        const int d = int(b.isMatched) - int(a.isMatched);
        if (d != 0)
            return d;
    }
    const int r = CompareInColumn(a, b, column);
    if (r != 0) {
        const bool descending =
            column >= 0 && column < ColumnCount && sortState()[size_t(column)] < 0;
        return descending ? -r : r;
    }
    return CompareText(a.name, b.name);
}

void SortColumn() {
    const int column = SortColumnIndex();
    catalogue().sortRows(
        [column](const Entry& a, const Entry& b) { return CompareEntries(a, b, column); });
}

void ColumnClick(int column) {
    if (column < 0 || column >= ColumnCount)
        return;
    SortState& state = sortState();
    for (int i = 0; i < ColumnCount; ++i) {
        int& value = state[size_t(i)];
        if (i == column)
            value = value != 0 ? -value : 1;
        else
            value = 0;
    }
    SortColumn();
}

// Lower-cases character by character (simple case mapping), keeping the length, so that the
// words and the searched text are compared unit for unit.
static QString LowerKeepingLength(QStringView text) {
    QString out(text.size(), Qt::Uninitialized);
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
        const char32_t lower = QChar::toLower(char32_t(u));
        to[i] = QChar::requiresSurrogates(lower) ? u : char16_t(lower);
    }
    return out;
}

static bool CaseSensitiveSearch() {
    return settings().searchFlags & 1;
}

void TakeSearchWords(const QString& words, int flags) {
    settings().searchFlags = quint16(flags);
    QString taken = CutToLength(words, 31);
    if (!CaseSensitiveSearch())
        taken = LowerKeepingLength(taken);
    scratch().searchText = taken;
}

bool EntryMatchesSearch(const Entry& entry) {
    // The joined text is built whole, however long the comments are.
    QString joined;
    joined.reserve(entry.title.size() + entry.subtitle.size() + entry.comments.size());
    joined += entry.title;
    joined += entry.subtitle;
    joined += entry.comments;
    if (!CaseSensitiveSearch())
        joined = LowerKeepingLength(joined);
    return joined.contains(scratch().searchText.text(), Qt::CaseSensitive);
}

void ApplySearchFilter() {
    AppState& app = appState();
    CatalogueModel& list = catalogue();
    app.foundCount = 0;
    app.currentRow = 0;
    for (int row = list.nextRow(-1, false); row >= 0; row = list.nextRow(row, false)) {
        Entry* entry = list.entryAt(row);
        if (app.filterOn) {
            entry->isMatched = EntryMatchesSearch(*entry) ? 1 : 0;
            list.setStateImage(row, entry->isMatched ? StateMatched : StateUnmatched);
            app.foundCount += entry->isMatched;
        } else {
            entry->isMatched = 0;
            list.setStateImage(row, entry->isBad ? StateBad : StateNormal);
        }
    }
    list.clearSelectionAndFocus();
    SortColumn();
    if (app.filterOn) {
        ui().ensureRowVisible(0);
        if (app.foundCount > 0)
            list.selectAndFocus(0);
    }
    UpdateStatus();
}

void ToggleSearchFilter() {
    AppState& app = appState();
    if (!scratch().searchText.isEmpty())
        app.filterOn = !app.filterOn;
    ApplySearchFilter();
}
