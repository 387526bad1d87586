#pragma once
// The sample-file writer: builds the bytes of a tablature file of either generation from field
// values, for tests, benchmarks and the demo library.
//
//   SampleFile file;                    // an older-layout file (generation 3), one module
//   file.title = u"Blue Moon"_s;
//   file.modules.push_back({u"Bass"_s, 4, {3, 10, 5, 0}});
//   WriteSampleFile(dir + u"/blue.zuf", file);
//
//   SampleFile newer = SampleFile::newer(); // generation 10, counted UTF-8 texts
//
// The writer writes what it is told, also nonsense (a key code of 40, a module count that does
// not match the records): tests patch further bytes with PutU8/PutU16/PutU32 at the offsets
// that SampleLayout reports.

#include <QByteArray>
#include <QString>
#include <QStringView>
#include <array>
#include <optional>
#include <vector>

struct SampleModule {
    QString name;                // older layout: code page 1252, at most 18 bytes kept
                                 // newer layout: UTF-8, at most 31 bytes kept
    quint8 stringCount = 6;      // byte 0 of the module record
    std::vector<quint8> tuning;  // stored tuning bytes, one per string, at most 12 written
    quint8 transposition = 0;    // byte 12: the reader adds it to each tuning byte
    quint8 stringCountByte4 = 0; // older layout, first module: 4..7 overrides stringCount
};

struct SampleFile {
    // Byte 205. Below 10 (or 10 and more with a denominator other than 4) the older layout is
    // written; 10 and more the newer layout.
    quint8 generation = 3;
    QString title;
    QString subtitle;
    QString comments;
    QString notes; // older layout: code page 1252; newer layout: UTF-8 (cut at 65535 bytes)

    quint16 versionWord = 0;  // older: offset 246; newer: ScoreHeader offset 2
    quint16 versionExtra = 0; // older: byte 249 (low byte kept); newer: ScoreHeader offset 4
    quint16 measures = 16;
    quint8 numerator = 4;
    quint8 denominator = 4; // older layout: byte 204 (the newer layout always writes 4 there)

    int keySignature = 0; // sharps (positive) or flats (negative)
    bool minor = false;
    // Older layout: the raw key code at offset 206. When unset it is derived from keySignature
    // and minor (minor keys as keySignature + 8 or - 8). Newer layout: the key byte is the low
    // byte of keySignature and the minor flag is bit 0x20 of the flags byte.
    std::optional<qint16> keyCode;

    std::vector<SampleModule> modules = {{QStringLiteral("Guitar"), 6, {8, 3, 10, 5, 1, 8}, 12, 0}};
    // Newer layout: the module count written in the list chunk (default modules.size()).
    // Older layout: lastModule + 1 (byte 241 gets count - 1; default max(modules.size(), 1)).
    std::optional<quint16> moduleCount;

    // ---- older layout only ----
    // Generation 0: the tuning words at 208..219 as note numbers (the writer stores each minus
    // 12) and the string count at 230.
    std::array<quint8, 6> fixedTuning = {20, 15, 22, 17, 13, 20};
    quint16 fixedStringCount = 6;
    quint8 moduleFlag = 0; // non-zero turns generation 0 into generation 1
    // The variable parts the reader skips: their counts decide the filler the writer emits.
    quint16 tableWordCount = 0;
    quint16 tablePairCount = 0;
    std::vector<quint16> blockLengths; // one length-prefixed block of n zero bytes each
    quint8 firstGroupCount = 0;
    quint8 secondGroupCount = 0;
    quint16 shortRecordCount = 0;
    // Byte 238; when unset it is 1 when notes is not empty. Notes are written when it is not 0.
    std::optional<quint8> notesFlag;

    // A newer-layout file (generation 10) with the same defaults.
    static SampleFile newer();
};

// Where the writer put the parts of a file (file offsets; 0 when the part is absent).
struct SampleLayout {
    // older layout
    qint64 blocksStart = 0; // start of the length-prefixed blocks (end of part 1)
    qint64 notesStart = 0;  // the u16 notes length (when the notes flag is set)
    qint64 modulesStart = 0;
    // newer layout
    qint64 titleOffset = 0;
    qint64 subtitleOffset = 0;
    qint64 commentsOffset = 0;
    qint64 notesOffset = 0;
    qint64 scoreChunk = 0;
    qint64 moduleChunk = 0;
    qint64 end = 0; // the file size
};

// The bytes of the file. `layout`, when given, receives the offsets of its parts.
QByteArray BuildSampleFile(const SampleFile& file, SampleLayout* layout = nullptr);

// Little-endian patches of a built file; bytes beyond its end are added as zeros.
void PutU8(QByteArray& bytes, qint64 offset, quint8 value);
void PutU16(QByteArray& bytes, qint64 offset, quint16 value);
void PutU32(QByteArray& bytes, qint64 offset, quint32 value);

// Creates or replaces the file at `path` with `bytes`, creating missing parent folders. The
// path may carry escaped undecodable bytes (platform/native_file.h). Returns true on success.
bool WriteSampleFile(const QString& path, const QByteArray& bytes);
bool WriteSampleFile(const QString& path, const SampleFile& file);
