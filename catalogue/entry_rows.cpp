#include "catalogue/entry_rows.h"

#include "catalogue/catalogue_model.h"
#include "format/file_summary.h"

#include <algorithm>

// One piece of a row's text block, sharing the block: each piece holds a reference, so the
// block lives as long as any of its texts, and changing a piece copies it out first.
static QString PieceOf(const QString& block, qsizetype from, qsizetype length) {
    if (length == 0)
        return {};
    QString::DataPointer piece = block.data_ptr();
    piece.ptr += from;
    piece.size = length;
    return QString(std::move(piece));
}

// The name, title, subtitle and comments of a row share one block of exactly their length,
// each followed by its terminating NUL: one allocation a row instead of four, which is most
// of what a row costs beyond its texts in a list of a million.
static void PackTexts(Entry& entry, const QString& name, const QString& title,
                      const QString& subtitle, const QString& comments) {
    const QString* texts[] = {&name, &title, &subtitle, &comments};
    qsizetype total = 0;
    for (const QString* text : texts)
        total += text->size() + 1;
    QString block(total - 1, Qt::Uninitialized); // the last NUL is the block's own
    QChar* to = block.data();
    qsizetype starts[4] = {};
    for (int i = 0; i < 4; ++i) {
        starts[i] = to - block.constData();
        to = std::copy_n(texts[i]->constData(), texts[i]->size(), to);
        if (i < 3)
            *to++ = QChar(0);
    }
    entry.name = PieceOf(block, starts[0], name.size());
    entry.title = PieceOf(block, starts[1], title.size());
    entry.subtitle = PieceOf(block, starts[2], subtitle.size());
    entry.comments = PieceOf(block, starts[3], comments.size());
}

void PackEntryTexts(Entry& entry) {
    const QString name = entry.name, title = entry.title, subtitle = entry.subtitle,
                  comments = entry.comments;
    PackTexts(entry, name, title, subtitle, comments);
}

Entry EntryFromSummary(const FileSummary& summary) {
    const Entry& current = summary.currentEntry;
    Entry entry;
    PackTexts(entry, current.name, summary.title, summary.subtitle, summary.comments);
    entry.folder = current.folder; // the folder text of one visit serves all its rows
    entry.lastWriteTime = current.lastWriteTime;
    entry.size = current.size;
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
    Entry* entry = list.editEntry(row);
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
    Entry* entry = list.editEntry(row);
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
