#include "tools/sample_writer.h"

#include "format/text_convert.h"
#include "platform/native_file.h"
#include "platform/retry_io.h"

#include <QDir>
#include <QFileInfo>

#ifdef Q_OS_WIN
#include "platform/win_path.h"

#include <QFile>
#include <windows.h>
#else
#include <fcntl.h>
#include <unistd.h>
#endif

void PutU8(QByteArray& bytes, qint64 offset, quint8 value) {
    if (bytes.size() <= offset)
        bytes.resize(offset + 1, '\0');
    bytes[offset] = char(value);
}

void PutU16(QByteArray& bytes, qint64 offset, quint16 value) {
    PutU8(bytes, offset, quint8(value & 0xFF));
    PutU8(bytes, offset + 1, quint8(value >> 8));
}

void PutU32(QByteArray& bytes, qint64 offset, quint32 value) {
    PutU16(bytes, offset, quint16(value & 0xFFFF));
    PutU16(bytes, offset + 2, quint16(value >> 16));
}

static void AppendZeros(QByteArray& bytes, qint64 count) {
    bytes.resize(bytes.size() + count, '\0');
}

static void PutBytes(QByteArray& bytes, qint64 offset, const QByteArray& data) {
    for (qsizetype i = 0; i < data.size(); ++i)
        PutU8(bytes, offset + i, quint8(data[i]));
}

SampleFile SampleFile::newer() {
    SampleFile file;
    file.generation = 10;
    file.versionWord = 0x0301;
    return file;
}

static qint16 OlderKeyCode(const SampleFile& file) {
    if (file.keyCode)
        return *file.keyCode;
    if (!file.minor)
        return qint16(file.keySignature);
    return qint16(file.keySignature < 0 ? file.keySignature - 8 : file.keySignature + 8);
}

// Title, subtitle and comments in code page 1252, each with its NUL, cut to the 200 bytes of
// the information block.
static QByteArray OlderInfoBlock(const SampleFile& file) {
    QByteArray block = WideToCp1252(file.title) + '\0' + WideToCp1252(file.subtitle) + '\0' +
                       WideToCp1252(file.comments) + '\0';
    block.resize(200, '\0');
    return block;
}

static void PutOlderModule(QByteArray& bytes, qint64 at, const SampleModule& module,
                           quint8 runningSum) {
    bytes.resize(qMax<qint64>(bytes.size(), at + 50), '\0');
    PutU8(bytes, at + 0, module.stringCount);
    PutU8(bytes, at + 2, runningSum);
    PutU8(bytes, at + 4, module.stringCountByte4);
    PutU8(bytes, at + 12, module.transposition);
    for (std::size_t k = 0; k < module.tuning.size() && k < 12; ++k)
        PutU8(bytes, at + 20 + qint64(k), module.tuning[k]);
    PutBytes(bytes, at + 32, WideToCp1252(module.name).left(18));
}

static QByteArray BuildOlder(const SampleFile& file, SampleLayout& layout) {
    const quint8 generation = (file.generation == 0 && file.moduleFlag != 0) ? 1 : file.generation;
    const QByteArray notes = WideToCp1252(file.notes).left(65535);
    const quint8 notesFlag = file.notesFlag.value_or(notes.isEmpty() ? 0 : 1);
    const quint16 moduleCount =
        file.moduleCount.value_or(quint16(qMax<std::size_t>(file.modules.size(), 1)));

    QByteArray bytes = OlderInfoBlock(file);
    PutU16(bytes, 200, file.measures);
    PutU16(bytes, 202, file.numerator);
    PutU8(bytes, 204, file.denominator);
    PutU8(bytes, 205, file.generation);
    PutU16(bytes, 206, quint16(OlderKeyCode(file)));
    for (int i = 0; i < 6; ++i)
        PutU16(bytes, 208 + 2 * i, quint8(file.fixedTuning[i] - 12));
    PutU16(bytes, 222, file.tableWordCount);
    PutU16(bytes, 228, quint16(qMin<std::size_t>(file.blockLengths.size(), 65535)));
    PutU16(bytes, 230, file.fixedStringCount);
    PutU8(bytes, 234, file.firstGroupCount);
    PutU8(bytes, 235, file.secondGroupCount);
    PutU16(bytes, 236, file.shortRecordCount);
    PutU8(bytes, 238, notesFlag);
    PutU8(bytes, 240, file.moduleFlag);
    PutU8(bytes, 241, quint8(moduleCount - 1));
    PutU16(bytes, 246, file.versionWord);
    PutU8(bytes, 249, quint8(file.versionExtra));
    PutU16(bytes, 256, file.tablePairCount);

    // Part 1 runs from offset 0 over the fixed block and the tables sized by the two counts.
    qint64 part1 = 258 + 4 * qint64(file.tablePairCount) + 2 * qint64(file.tableWordCount);
    if (file.measures >= 256)
        part1 += 2 * qint64(file.tableWordCount);
    if (generation > 2)
        part1 += 2 * qint64(file.tablePairCount);
    AppendZeros(bytes, part1 - bytes.size());
    layout.blocksStart = bytes.size();

    for (std::size_t i = 0; i < file.blockLengths.size() && i < 65535; ++i) {
        PutU16(bytes, bytes.size(), file.blockLengths[i]);
        AppendZeros(bytes, file.blockLengths[i]);
    }
    const qint64 recordSize = generation < 3 ? 76 : 108;
    if (file.firstGroupCount != 0)
        AppendZeros(bytes, file.firstGroupCount * recordSize + file.measures);
    AppendZeros(bytes, qint64(file.shortRecordCount) * 32);
    if (file.secondGroupCount != 0)
        AppendZeros(bytes, file.secondGroupCount * recordSize + file.measures);
    if (notesFlag != 0) {
        layout.notesStart = bytes.size();
        PutU16(bytes, bytes.size(), quint16(notes.size()));
        bytes += notes;
    }
    if (generation >= 1) {
        layout.modulesStart = bytes.size();
        quint8 runningSum = 0;
        for (const SampleModule& module : file.modules) {
            PutOlderModule(bytes, bytes.size(), module, runningSum);
            runningSum = quint8(runningSum + module.stringCount);
        }
    }
    return bytes;
}

// A u16 byte count and the UTF-8 bytes, cut at 65535.
static qint64 AppendCounted(QByteArray& bytes, QStringView text) {
    const qint64 at = bytes.size();
    const QByteArray utf8 = text.toUtf8().left(65535);
    PutU16(bytes, at, quint16(utf8.size()));
    bytes += utf8;
    return at;
}

static void PutNewerModule(QByteArray& bytes, qint64 at, const SampleModule& module) {
    bytes.resize(qMax<qint64>(bytes.size(), at + 68), '\0');
    PutU8(bytes, at + 0, module.stringCount);
    PutU8(bytes, at + 12, module.transposition);
    for (std::size_t k = 0; k < module.tuning.size() && k < 12; ++k)
        PutU8(bytes, at + 20 + qint64(k), module.tuning[k]);
    PutBytes(bytes, at + 32, module.name.toUtf8().left(31));
}

static QByteArray BuildNewer(const SampleFile& file, SampleLayout& layout) {
    QByteArray bytes(208, '\0');
    PutU16(bytes, 2, file.versionWord);
    PutU16(bytes, 4, file.versionExtra);
    PutU16(bytes, 200, file.measures);
    PutU16(bytes, 202, file.numerator);
    PutU8(bytes, 204, 4);
    PutU8(bytes, 205, file.generation);

    layout.titleOffset = AppendCounted(bytes, file.title);
    layout.subtitleOffset = AppendCounted(bytes, file.subtitle);
    layout.commentsOffset = AppendCounted(bytes, file.comments);
    if (!file.notes.isEmpty())
        layout.notesOffset = AppendCounted(bytes, file.notes);

    layout.scoreChunk = bytes.size();
    PutU16(bytes, layout.scoreChunk, 12);
    PutU16(bytes, layout.scoreChunk + 2, file.measures);
    PutU8(bytes, layout.scoreChunk + 8, file.minor ? 0x20 : 0);
    PutU8(bytes, layout.scoreChunk + 10, quint8(file.keySignature));
    PutU8(bytes, layout.scoreChunk + 12, file.denominator);
    PutU8(bytes, layout.scoreChunk + 13, file.numerator);
    AppendZeros(bytes, layout.scoreChunk + 16 - bytes.size());

    layout.moduleChunk = bytes.size();
    PutU16(bytes, layout.moduleChunk, 68);
    PutU16(bytes, layout.moduleChunk + 2,
           file.moduleCount.value_or(quint16(qMin<std::size_t>(file.modules.size(), 65535))));
    for (const SampleModule& module : file.modules)
        PutNewerModule(bytes, bytes.size(), module);

    PutU32(bytes, 64, quint32(layout.titleOffset));
    PutU32(bytes, 68, quint32(layout.subtitleOffset));
    PutU32(bytes, 72, quint32(layout.commentsOffset));
    PutU32(bytes, 76, quint32(layout.notesOffset));
    PutU32(bytes, 92, quint32(layout.scoreChunk));
    PutU32(bytes, 96, quint32(layout.moduleChunk));
    return bytes;
}

QByteArray BuildSampleFile(const SampleFile& file, SampleLayout* layout) {
    SampleLayout local;
    SampleLayout& out = layout ? *layout : local;
    out = SampleLayout{};
    QByteArray bytes = file.generation >= 10 ? BuildNewer(file, out) : BuildOlder(file, out);
    out.end = bytes.size();
    return bytes;
}

#ifdef Q_OS_WIN
// Creates the folder and its missing parents from the top down: one call for each level,
// where creating them from the bottom up tries every level twice and grows with the square of
// a deep nesting's depth.
static void MakeFolderPath(const QString& folder) {
    const std::wstring path = LongPathW(folder);
    const size_t first = path.find(L'\\', path.find(L':') + 2);
    for (size_t at = first; at != std::wstring::npos; at = path.find(L'\\', at + 1))
        CreateDirectoryW(path.substr(0, at).c_str(), nullptr);
    CreateDirectoryW(path.c_str(), nullptr);
}
#endif

bool WriteSampleFile(const QString& path, const QByteArray& bytes) {
    const QString parent = QFileInfo(path).absolutePath();
#ifdef Q_OS_WIN
    MakeFolderPath(parent);
#else
    if (!QFileInfo::exists(parent))
        QDir().mkpath(parent);
#endif
#ifdef Q_OS_WIN
    QFile out(path);
    if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    return out.write(bytes) == bytes.size();
#else
    const int fd =
        OpenAt(AT_FDCWD, EncodeFileName(path).constData(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (fd < 0)
        return false;
    const int error = WriteAll(fd, bytes.constData(), bytes.size());
    return ::close(fd) == 0 && error == 0;
#endif
}

bool WriteSampleFile(const QString& path, const SampleFile& file) {
    return WriteSampleFile(path, BuildSampleFile(file));
}
