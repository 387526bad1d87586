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

// The end of the text that starts at `start`: its NUL, where offset 199 counts as one (the
// reader forces it, so that the title ends there at the latest), or the end of `head`.
static qsizetype OlderTextEnd(QByteArrayView head, qsizetype start) {
    const qsizetype nul = head.indexOf('\0', start);
    const qsizetype end = nul < 0 ? head.size() : nul;
    return start <= 199 && end > 199 ? 199 : end;
}

InfoTextBytes SplitOlderTexts(QByteArrayView head) {
    head = head.first(qMin<qsizetype>(head.size(), OlderTextsRead));
    InfoTextBytes texts;
    qsizetype start = 0;
    for (QByteArrayView* text : {&texts.title, &texts.subtitle, &texts.comments}) {
        const qsizetype end = OlderTextEnd(head, start); // at most head.size()
        *text = SliceOf(head, start, end - start);       // empty past the end
        start = end + 1;
    }
    return texts;
}

// The older layout's three texts: code page 1252 strings one behind the other from offset 0.
static void ReadOlderTexts(QByteArrayView head, FileSummary& summary) {
    const InfoTextBytes texts = SplitOlderTexts(head);
    summary.title = Cp1252ToWideFit(texts.title, 200);
    summary.subtitle = Cp1252ToWideFit(texts.subtitle, 200);
    summary.comments = Cp1252ToWideFit(texts.comments, 200);
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
    char block[OlderTextsRead];
    ReadBytesAt(file, 0, block, sizeof block);
    const QByteArrayView head(block, sizeof block);
    summary.generation = ByteAt(head, 205);
    if (ByteAt(head, 204) == 4 && summary.generation >= 10) {
        std::copy_n(block, summary.header.size(), summary.header.begin());
        ReadNewerTexts(file, summary);
    } else {
        ReadOlderTexts(head, summary);
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

QByteArray InfoBlockOf(QByteArrayView title, QByteArrayView subtitle, QByteArrayView comments) {
    const QByteArrayView t = title.first(qMin<qsizetype>(title.size(), InfoBlockTextBytes));
    const qsizetype room = InfoBlockTextBytes - t.size();
    const QByteArrayView s = subtitle.first(qMin(subtitle.size(), room));
    const QByteArrayView c = comments.first(qMin(comments.size(), room - s.size()));
    QByteArray block(InfoBlockSize, '\0');
    char* to = block.data();
    to = std::copy(t.begin(), t.end(), to) + 1;
    to = std::copy(s.begin(), s.end(), to) + 1;
    std::copy(c.begin(), c.end(), to);
    return block;
}

int WriteInfoBlock(const QString& path, QStringView title, QStringView subtitle,
                   QStringView comments) {
    return WriteBlockAtStart(
        path, InfoBlockOf(WideToCp1252(title), WideToCp1252(subtitle), WideToCp1252(comments)));
}

int WriteBlockAtStart(const QString& path, const QByteArray& block) {
    NativeFile file;
    if (!file.openWrite(path) || !file.seek(0) ||
        file.write(block.constData(), block.size()) != block.size())
        return file.lastError();
    return 0;
}
