#include "catalogue/entry_rows.h"

#include "catalogue/catalogue_model.h"
#include "format/file_summary.h"

#include <algorithm>

// A copy of a text that owns a buffer of exactly its length, so that a row never keeps the
// spare capacity of the work text it was copied from. A null text stays null (no block).
static QString OwnCopy(const QString& text) {
    if (text.isEmpty())
        return {};
    if (text.capacity() == text.size())
        return text; // already exact: share the block instead of copying it
    return QString(text.constData(), text.size());
}

Entry EntryFromSummary(const FileSummary& summary) {
    const Entry& current = summary.currentEntry;
    Entry entry;
    entry.name = OwnCopy(current.name);
    entry.folder = current.folder; // the folder text of one visit serves all its rows
    entry.lastWriteTime = current.lastWriteTime;
    entry.size = current.size;
    entry.title = OwnCopy(summary.title);
    entry.subtitle = OwnCopy(summary.subtitle);
    entry.comments = OwnCopy(summary.comments);
    std::copy_n(summary.tuning.begin(), entry.tuning.size(), entry.tuning.begin());
    entry.isBad = current.isBad ? 1 : 0;
    entry.isMatched = 0;
    return entry;
}

int InsertEntryRow(CatalogueModel& list, int row, const FileSummary& summary) {
    if (row < 0 || row > list.rowCount())
        return 0;
    Entry entry = EntryFromSummary(summary);
    const StateImage image = entry.isBad ? StateBad : StateNormal;
    return list.insertEntry(row, std::move(entry), image) ? 1 : 0;
}

void LoadEntryAsCurrent(const CatalogueModel& list, int row, FileSummary& summary) {
    summary.currentPath.clear();
    const Entry* entry = list.entryAt(row);
    if (!entry)
        return;
    summary.currentEntry = *entry;
    summary.currentPath = entry->folder + entry->name;
}

void ReplaceEntryText(CatalogueModel& list, int row, int field, const QString& text) {
    Entry* entry = list.entryAt(row);
    if (!entry)
        return;
    switch (field) {
    case FieldName:
        entry->name = text;
        break;
    case FieldFolder:
        entry->folder = text;
        break;
    case FieldTitle:
        entry->title = text;
        break;
    case FieldSubtitle:
        entry->subtitle = text;
        break;
    case FieldComments:
        entry->comments = text;
        break;
    default:
        break;
    }
    list.updateRow(row);
}

int FreeEntryRow(CatalogueModel& list, int row) {
    Entry* entry = list.entryAt(row);
    if (!entry)
        return 0;
    // The texts go now; the record goes with its row.
    entry->name = QString();
    entry->folder = QString();
    entry->title = QString();
    entry->subtitle = QString();
    entry->comments = QString();
    return 1;
}
