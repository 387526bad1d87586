#include "format/score_summary.h"

#include "format/file_reader.h"
#include "format/file_summary.h"
#include "platform/native_file.h"

#include <QCoreApplication>
#include <QElapsedTimer>

// Module records of either layout hold at most 12 tuning bytes (record offsets 20 to 31).
static constexpr int MaxTuningBytes = 12;
static constexpr int MaxModules = 16;

// The number of module records the reader takes: lastModule + 1, at most 16.
static int ModulesToRead(quint16 lastModule) {
    return qMin(int(lastModule) + 1, MaxModules);
}

// True when the first `size` bytes are all zero. The holes of a sparse file are zeros that
// need no reading, so a huge file that uses no disk is judged at once. A long read asks the
// file every 50 ms whether to give up (the scan's Esc); it then answers false.
static bool AllBytesZero(NativeFile& file, qint64 size) {
    static constexpr qint64 Chunk = 65536;
    static constexpr qint64 AbortCheckMs = 50;
    QElapsedTimer sinceCheck;
    sinceCheck.start();
    std::int64_t start = 0;
    std::int64_t end = 0;
    for (qint64 from = 0; from < size && file.dataRange(from, start, end); from = end) {
        end = qMin<qint64>(end, size);
        for (qint64 at = start; at < end; at += Chunk) {
            if (!file.seek(at))
                return false;
            const QByteArray chunk = ReadBytes(file, qMin(Chunk, end - at));
            if (chunk.count('\0') != chunk.size())
                return false;
            if (sinceCheck.elapsed() >= AbortCheckMs) {
                if (file.abortRequested())
                    return false;
                sinceCheck.restart();
            }
        }
    }
    return true;
}

int MarkFileBad(NativeFile& file, FileSummary& summary) {
    summary.currentEntry.isBad = 1;
    const bool empty = AllBytesZero(file, qMax<qint64>(file.size(), 0));
    summary.notes.clear();
    summary.subtitle.clear();
    summary.comments.clear();
    summary.title = empty ? QCoreApplication::translate("FileReader", "Empty ZUF File")
                          : QCoreApplication::translate("FileReader", "Bad ZUF File");
    return 0;
}

// ---- newer layout ----

static int ReadNewerSummary(NativeFile& file, FileSummary& s, qint64 fileSize, bool withNotes) {
    const QByteArrayView header(reinterpret_cast<const char*>(s.header.data()),
                                qsizetype(s.header.size()));
    s.firstGroupCount = s.secondGroupCount = 0;
    s.versionWord = WordAt(header, 2);
    s.versionExtra = WordAt(header, 4);

    const quint32 notesOffset = DwordAt(header, 76);
    if (withNotes && notesOffset != 0 && file.seek(notesOffset))
        s.notesLength = qint16(ReadCountedString(file, s.notes));

    char infoBlock[16];
    ReadBytesAt(file, DwordAt(header, 92), infoBlock, sizeof infoBlock);
    const QByteArrayView info(infoBlock, sizeof infoBlock);
    if (WordAt(info, 0) != 12)
        return MarkFileBad(file, s);
    s.measures = WordAt(info, 2);
    s.minorKey = (ByteAt(info, 8) & 0x20) ? 1 : 0;
    s.keySignature = ByteAt(info, 10);
    s.timeSignature = quint16(ByteAt(info, 13) << 8 | ByteAt(info, 12));

    const qint64 listOffset = DwordAt(header, 96);
    char listBlock[4];
    ReadBytesAt(file, listOffset, listBlock, sizeof listBlock);
    const QByteArrayView list(listBlock, sizeof listBlock);
    if (WordAt(list, 0) != 68)
        return MarkFileBad(file, s);
    s.lastModule = quint16(WordAt(list, 2) - 1);

    // Only records that lie wholly inside the file are read: a list shorter than its count
    // lists the records it has, never bytes from past the end of the file.
    const qint64 recordsStart = listOffset + 4;
    const qint64 present = qMax<qint64>(fileSize - recordsStart, 0) / 68;
    const int count = int(qMin<qint64>(ModulesToRead(s.lastModule), present));
    if (count < ModulesToRead(s.lastModule))
        s.lastModule = quint16(qMax(count, 1) - 1);
    char recordBlock[MaxModules * 68];
    ReadBytes(file, recordBlock, qint64(count) * 68);
    const QByteArrayView records(recordBlock, qsizetype(count) * 68);
    for (int i = 0; i < count; ++i) {
        const QByteArrayView record = SliceOf(records, i * 68, 68);
        if (withNotes) // like the notes, the names are shown by the panel, not held by a row
            Utf8ToWide(s.moduleNames[i], SliceOf(record, 32, 31));
        if (i != 0)
            continue;
        s.stringCount = qMin<quint16>(ByteAt(record, 0), MaxTuningBytes);
        for (int k = 0; k < s.stringCount; ++k)
            s.tuning[k] = quint8(ByteAt(record, 20 + k) + ByteAt(record, 12));
    }
    return 1;
}

// ---- older layout ----

// Key codes fold onto -7..7 major and -15..-8, 8..15 minor; codes beyond fold by 16.
static void SetOlderKey(int code, FileSummary& s) {
    if (code > 15)
        code -= 16;
    if (code < -15)
        code += 16;
    if (code > 7) {
        code -= 8;
        s.minorKey = 1;
    }
    if (code < -7) {
        code += 8;
        s.minorKey = 1;
    }
    s.keySignature = qint16(code);
}

static bool ValidFixedBlock(quint16 measures, int numerator, int denominator, int keyCode) {
    return numerator >= 1 && numerator <= 20 && denominator >= 1 && denominator <= 32 &&
           keyCode >= -32 && keyCode <= 32 && measures != 0;
}

// The end of part 1, counted from offset 0: the fixed block and the tables sized by the table
// word count (offset 222) and the table pair count (offset 256).
static qint64 OlderTablesEnd(const FileSummary& s, quint16 tablePairCount) {
    qint64 p = 258 + 4 * qint64(tablePairCount) + 2 * qint64(s.tableWordCount);
    if (s.measures >= 256)
        p += 2 * qint64(s.tableWordCount);
    if (s.generation > 2)
        p += 2 * qint64(tablePairCount);
    return p;
}

// Skips the length-prefixed blocks from `p`; stops as soon as the position passes the end.
static qint64 SkipBlocks(NativeFile& file, qint64 p, qint64 fileSize, quint16 blockCount) {
    for (int i = 0; i < blockCount && p <= fileSize; ++i)
        p += 2 + qint64(ReadWordAt(file, p));
    return p;
}

// The three record groups of part 3 to 5.
static qint64 RecordGroupsSize(const FileSummary& s) {
    const qint64 recordSize = s.generation < 3 ? 76 : 108;
    qint64 size = qint64(s.shortRecordCount) * 32;
    if (s.firstGroupCount != 0)
        size += s.firstGroupCount * recordSize + s.measures;
    if (s.secondGroupCount != 0)
        size += s.secondGroupCount * recordSize + s.measures;
    return size;
}

// Reads the module records at `p`, their names only `withNames`; false when they are
// inconsistent.
static bool ReadOlderModules(NativeFile& file, qint64 p, FileSummary& s, bool withNames) {
    const int count = ModulesToRead(s.lastModule);
    char recordBlock[MaxModules * 50];
    ReadBytesAt(file, p, recordBlock, qint64(count) * 50);
    const QByteArrayView records(recordBlock, qsizetype(count) * 50);
    quint8 runningSum = 0;
    for (int i = 0; i < count; ++i) {
        const QByteArrayView record = SliceOf(records, i * 50, 50);
        if (ByteAt(record, 2) != runningSum)
            return false;
        if (i == 0) {
            s.stringCount = ByteAt(record, 0);
            if (s.stringCount == 0 || s.stringCount > MaxTuningBytes) {
                s.stringCount = 6;
                return false;
            }
            if (ByteAt(record, 4) >= 4 && ByteAt(record, 4) <= 7)
                s.stringCount = ByteAt(record, 4);
            for (int k = 0; k < s.stringCount; ++k)
                s.tuning[k] = quint8(ByteAt(record, 20 + k) + ByteAt(record, 12));
        }
        if (withNames)
            s.moduleNames[i] = Cp1252ToWideFit(SliceOf(record, 32, 18), 32);
        runningSum = quint8(runningSum + ByteAt(record, 0));
    }
    return true;
}

static int ReadOlderSummary(NativeFile& file, FileSummary& s, qint64 fileSize, QByteArrayView fixed,
                            bool withNotes) {
    // `fixed` holds file offsets 200 to 257.
    auto word = [&](int offset) { return WordAt(fixed, offset - 200); };
    auto byte = [&](int offset) { return ByteAt(fixed, offset - 200); };

    s.measures = word(200);
    const int numerator = word(202);
    const int denominator = byte(204);
    const int keyCode = qint16(word(206));
    if (!ValidFixedBlock(s.measures, numerator, denominator, keyCode)) {
        s.measures = 0;
        return MarkFileBad(file, s);
    }
    s.timeSignature = quint16(numerator * 256 + denominator);
    SetOlderKey(keyCode, s);
    if (s.generation == 0) {
        for (int i = 0; i < 6; ++i)
            s.tuning[i] = quint8(byte(208 + 2 * i) + 12);
        s.stringCount = word(230);
    }
    s.tableWordCount = word(222);
    s.blockCount = word(228);
    s.firstGroupCount = byte(234);
    s.secondGroupCount = byte(235);
    s.shortRecordCount = word(236);
    s.notesLength = byte(238);
    s.notes.clear();
    s.lastModule = byte(241);
    if (byte(240) != 0 && s.generation == 0)
        s.generation = 1;
    s.versionWord = word(246);
    s.versionExtra = byte(249);

    qint64 p = OlderTablesEnd(s, word(256));
    if (p > fileSize)
        return MarkFileBad(file, s);
    p = SkipBlocks(file, p, fileSize, s.blockCount);
    if (p > fileSize)
        return MarkFileBad(file, s);
    p += RecordGroupsSize(s);
    if (s.notesLength != 0) {
        const quint16 length = ReadWordAt(file, p);
        p += 2 + length;
        if (withNotes && length != 0 && p <= fileSize)
            s.notes = Cp1252ToWideFit(ReadBytes(file, length), 32768);
    }
    if (p > fileSize)
        return MarkFileBad(file, s);
    if (s.generation == 0)
        return 1;
    return ReadOlderModules(file, p, s, withNotes) ? 1 : MarkFileBad(file, s);
}

int ReadScoreSummary(NativeFile& file, FileSummary& s, bool withNotes) {
    const qint64 fileSize = qMax<qint64>(file.size(), 0);
    char fixedBlock[58];
    ReadBytesAt(file, 200, fixedBlock, sizeof fixedBlock);
    const QByteArrayView fixed(fixedBlock, sizeof fixedBlock);
    s.generation = ByteAt(fixed, 5);
    if (ByteAt(fixed, 4) == 4 && s.generation >= 10)
        return ReadNewerSummary(file, s, fileSize, withNotes);
    return ReadOlderSummary(file, s, fileSize, fixed, withNotes);
}
