#include "format/file_reader.h"

#include "format/file_summary.h"
#include "format/score_summary.h"

#include <QCoreApplication>
#include <algorithm>

void ReadBytes(NativeFile& file, char* to, qint64 count) {
    if (count <= 0)
        return;
    // NativeFile::read reads on until `count` or the end of the file; the rest is zeroed.
    const qint64 got = qMax<qint64>(file.read(to, count), 0);
    std::fill(to + got, to + count, '\0');
}

void ReadBytesAt(NativeFile& file, qint64 offset, char* to, qint64 count) {
    if (file.seek(offset))
        ReadBytes(file, to, count);
    else if (count > 0)
        std::fill(to, to + count, '\0');
}

QByteArray ReadBytes(NativeFile& file, qint64 count) {
    QByteArray bytes(qMax<qint64>(count, 0), Qt::Uninitialized);
    ReadBytes(file, bytes.data(), bytes.size());
    return bytes;
}

QByteArray ReadBytesAt(NativeFile& file, qint64 offset, qint64 count) {
    QByteArray bytes(qMax<qint64>(count, 0), Qt::Uninitialized);
    ReadBytesAt(file, offset, bytes.data(), bytes.size());
    return bytes;
}

quint16 ReadWord(NativeFile& file) {
    char word[2];
    ReadBytes(file, word, 2);
    return WordAt(QByteArrayView(word, 2), 0);
}

quint16 ReadWordAt(NativeFile& file, qint64 offset) {
    char word[2];
    ReadBytesAt(file, offset, word, 2);
    return WordAt(QByteArrayView(word, 2), 0);
}

QByteArrayView SliceOf(QByteArrayView bytes, qint64 offset, qint64 count) {
    if (offset < 0 || offset >= bytes.size())
        return {};
    const qint64 rest = bytes.size() - offset;
    return bytes.sliced(offset, count < 0 ? rest : qMin(count, rest));
}

quint8 ByteAt(QByteArrayView bytes, qint64 offset) {
    if (offset < 0 || offset >= bytes.size())
        return 0;
    return quint8(bytes[offset]);
}

quint16 WordAt(QByteArrayView bytes, qint64 offset) {
    return quint16(ByteAt(bytes, offset) | (ByteAt(bytes, offset + 1) << 8));
}

quint32 DwordAt(QByteArrayView bytes, qint64 offset) {
    return quint32(WordAt(bytes, offset)) | (quint32(WordAt(bytes, offset + 2)) << 16);
}

QByteArrayView ReadCountedBytes(NativeFile& file, char (&small)[512], QByteArray& large) {
    const quint16 count = ReadWord(file);
    if (count <= sizeof small) {
        ReadBytes(file, small, count);
        return QByteArrayView(small, count);
    }
    large = ReadBytes(file, count);
    return large;
}

// The older layout's three texts: code page 1252 strings one behind the other from offset 0.
// The title ends at offset 199 at the latest; the others run to their own NUL within `head`.
static void ReadOlderTexts(char (&block)[1024], FileSummary& summary) {
    block[199] = '\0';
    const QByteArrayView head(block, sizeof block);
    qsizetype start = 0;
    for (BoundedText<512>* target : {&summary.title, &summary.subtitle}) {
        const QByteArrayView rest = SliceOf(head, start);
        *target = Cp1252ToWideFit(rest, 200);
        const qsizetype nul = rest.indexOf('\0');
        start = nul < 0 ? head.size() : start + nul + 1;
    }
    summary.comments = Cp1252ToWideFit(SliceOf(head, start), 200);
}

static void ReadNewerTexts(NativeFile& file, FileSummary& summary) {
    const QByteArrayView header(reinterpret_cast<const char*>(summary.header.data()),
                                qsizetype(summary.header.size()));
    if (file.seek(DwordAt(header, 64)))
        ReadCountedString(file, summary.title);
    if (file.seek(DwordAt(header, 68)))
        ReadCountedString(file, summary.subtitle);
    if (file.seek(DwordAt(header, 72)))
        ReadCountedString(file, summary.comments);
}

FileSummary ReadSummary(const QString& path, ReadMode mode) {
    NativeFile file;
    file.openRead(path);
    return ReadSummary(file, path, mode);
}

FileSummary ReadSummary(NativeFile& file, const QString& path, ReadMode mode) {
    FileSummary summary;
    summary.currentPath = path;
    if (!file.isOpen()) {
        summary.currentEntry.isBad = 1;
        summary.title = QCoreApplication::translate("FileReader", "Can't open file");
        return summary;
    }
    // The first 1024 bytes hold the older layout's texts, the newer layout's header and the
    // generation bytes at 204 and 205.
    char block[1024];
    ReadBytesAt(file, 0, block, sizeof block);
    const QByteArrayView head(block, sizeof block);
    summary.generation = ByteAt(head, 205);
    if (ByteAt(head, 204) == 4 && summary.generation >= 10) {
        std::copy_n(block, summary.header.size(), summary.header.begin());
        ReadNewerTexts(file, summary);
    } else {
        ReadOlderTexts(block, summary);
    }
    ReadScoreSummary(file, summary, mode == ReadMode::WithNotes);
    return summary;
}

void RereadSummary(FileSummary& summary, ReadMode mode) {
    Entry entry = std::move(summary.currentEntry);
    summary = ReadSummary(summary.currentPath, mode);
    entry.isBad = summary.currentEntry.isBad || entry.isBad ? 1 : 0;
    summary.currentEntry = std::move(entry);
}

// The block of three code page 1252 texts with their NULs, bounded as the editing dialog
// bounds them: together at most 197 bytes, so that all three NULs stay inside the block.
static QByteArray BuildInfoBlock(QStringView title, QStringView subtitle, QStringView comments) {
    const QByteArray t = WideToCp1252(title).left(InfoBlockTextBytes);
    const QByteArray s = WideToCp1252(subtitle).left(InfoBlockTextBytes - t.size());
    const QByteArray c = WideToCp1252(comments).left(InfoBlockTextBytes - t.size() - s.size());
    QByteArray block = t + '\0' + s + '\0' + c + '\0';
    block.resize(200, '\0');
    return block;
}

int WriteInfoBlock(const QString& path, QStringView title, QStringView subtitle,
                   QStringView comments) {
    return WriteBlockAtStart(path, BuildInfoBlock(title, subtitle, comments));
}

int WriteBlockAtStart(const QString& path, const QByteArray& block) {
    NativeFile file;
    if (!file.openWrite(path) || !file.seek(0) ||
        file.write(block.constData(), block.size()) != block.size())
        return file.lastError();
    return 0;
}
