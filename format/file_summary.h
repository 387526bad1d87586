#pragma once
// The summary of one file: the file whose path stands in currentPath, with everything read
// from it. Each reader of a file holds its own.

#include "base/bounded_text.h"
#include "base/entry.h"

#include <QByteArrayView>
#include <QString>
#include <array>

class NativeFile;

struct FileSummary {
    Entry currentEntry;  // the current file's record as the list keeps it; the caller fills it
    QString currentPath; // full path of the current file; the caller fills it

    BoundedText<512> title;
    BoundedText<512> subtitle;
    BoundedText<1024> comments;
    BoundedText<24576> notes;

    // Cleared to zero at the start of every read.
    quint16 generation = 0;
    quint16 versionWord = 0;
    quint16 versionExtra = 0;
    quint16 measures = 0;
    quint16 lastModule = 0;
    quint16 timeSignature = 0; // numerator in the high byte, denominator in the low byte
    qint16 keySignature = 0;
    qint16 minorKey = 0;
    quint16 tableWordCount = 0;
    quint16 blockCount = 0;
    quint16 shortRecordCount = 0;
    qint16 secondGroupCount = 0;
    qint16 firstGroupCount = 0;
    qint16 notesLength = 0;
    quint16 stringCount = 0;
    std::array<quint8, 16> tuning{};
    std::array<BoundedText<32>, 16> moduleNames{};

    std::array<quint8, 136> header{}; // the newer layout's ScoreHeader, as read
};

// How much of a file a read takes.
enum class ReadMode {
    WithoutNotes, // texts, tuning and score summary: what a row holds (the scan)
    WithNotes,    // the same with the notes and the module names (the information panel)
};

// Reads the file at `path`: the summary's currentPath is `path`, its currentEntry is empty
// but for isBad, which is 1 when the file cannot be opened or is found bad.
FileSummary ReadSummary(const QString& path, ReadMode mode);
// The same for a file the caller has opened already (or tried to: a file that is not open
// gets the outcome of a failed opening).
FileSummary ReadSummary(NativeFile& file, const QString& path, ReadMode mode);
// Reads summary.currentPath again into `summary`, keeping its currentEntry; a file that cannot
// be opened or is found bad sets currentEntry.isBad.
void RereadSummary(FileSummary& summary, ReadMode mode);

// The information block's size, and how many of a file's first bytes the older layout's texts
// are read from.
constexpr qsizetype InfoBlockSize = 200;
constexpr qsizetype OlderTextsRead = 1024;

// The information block's room for the three texts together: 200 bytes less their three NULs.
// Each text is bounded by what the ones before it leave, so that every NUL stays inside the
// block and the next read finds the same three texts.
constexpr int InfoBlockTextBytes = 197;

// The older layout's three texts as code page 1252 bytes, without their NULs, split from a
// file's first bytes (at most OlderTextsRead are looked at) as the reader splits them: one
// behind the other from offset 0, each to its NUL; offset 199 counts as a NUL, so that the
// title ends there at the latest. The views point into `head`.
struct InfoTextBytes {
    QByteArrayView title;
    QByteArrayView subtitle;
    QByteArrayView comments;
};
InfoTextBytes SplitOlderTexts(QByteArrayView head);

// The 200-byte information block of three code page 1252 texts with their NULs, bounded as the
// editing dialog bounds them: the title to InfoBlockTextBytes, the subtitle to what the title
// leaves, the comments to what both leave, so that all three NULs stay inside the block. The
// bytes after the third NUL are zero.
QByteArray InfoBlockOf(QByteArrayView title, QByteArrayView subtitle, QByteArrayView comments);

// Writes the 200-byte information block of an older-generation file at `path`. Returns 0 when
// the whole block was written, otherwise the system's error code of the opening or the write
// that failed (for SystemErrorText); the rest of the file is never touched.
int WriteInfoBlock(const QString& path, QStringView title, QStringView subtitle,
                   QStringView comments);
// Writes `block` over the first bytes of the existing file at `path` (an information block as
// it was, put back); 0 or the system's error code, as WriteInfoBlock.
int WriteBlockAtStart(const QString& path, const QByteArray& block);
