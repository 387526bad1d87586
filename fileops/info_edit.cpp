#include "fileops/info_edit.h"

#include "base/ui_hooks.h"
#include "catalogue/entry_rows.h"
#include "fileops/undo.h"
#include "format/file_summary.h"
#include "platform/native_file.h"

#include <QCoreApplication>

namespace {

// The least size of an older-generation file: the 200-byte information block and the bytes 204
// and 205 that tell the generation.
constexpr qint64 InfoFileMinimum = 206;

// The longest prefix of `text` up to its first NUL that takes at most `maxBytes` bytes in
// code page 1252, where each character (a surrogate pair too) is one byte.
QString CutToBytes(QStringView text, qsizetype maxBytes) {
    const qsizetype nul = text.indexOf(QChar());
    if (nul >= 0)
        text = text.left(nul);
    qsizetype units = 0;
    for (qsizetype bytes = 0; units < text.size() && bytes < maxBytes; ++bytes) {
        const bool pair = text[units].isHighSurrogate() && units + 1 < text.size() &&
                          text[units + 1].isLowSurrogate();
        units += pair ? 2 : 1;
    }
    return text.left(units).toString();
}

// Characters as the block counts them: one byte each, a surrogate pair too.
qsizetype BlockBytes(QStringView text) {
    qsizetype n = 0;
    for (qsizetype i = 0; i < text.size(); ++i)
        if (!text[i].isLowSurrogate() || i == 0 || !text[i - 1].isHighSurrogate())
            ++n;
    return n;
}

} // namespace

QString BlockLines(QStringView text) {
    QString lines = text.toString();
    lines.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    lines.replace(u'\n', QStringLiteral("\r\n"));
    return lines;
}

InfoTexts PackInfoTexts(QStringView title, QStringView subtitle, QStringView comments) {
    InfoTexts packed;
    packed.title = CutToBytes(title, InfoBlockTextBytes);
    const qsizetype a = BlockBytes(packed.title);
    packed.subtitle = CutToBytes(subtitle, InfoBlockTextBytes - a);
    const qsizetype b = BlockBytes(packed.subtitle);
    packed.comments = CutToBytes(comments, InfoBlockTextBytes - a - b);
    return packed;
}

FileSummary LoadInfoFile(const CatalogueModel& list, int row) {
    FileSummary summary;
    LoadEntryAsCurrent(list, row, summary);
    if (summary.currentPath.isEmpty())
        return summary;
    summary.currentEntry.isBad = 0;
    RereadSummary(summary, ReadMode::WithNotes);
    return summary;
}

bool InfoSaveAllowed(const FileSummary& summary) {
    return !summary.currentPath.isEmpty() && summary.generation < 10 && !summary.currentEntry.isBad;
}

QString InfoRefusedText(const QString& path) {
    return QCoreApplication::translate("InfoEdit",
                                       "%1\nThe information has not been saved: the file is not "
                                       "an intact ZUF file of the older generation.")
        .arg(path);
}

// The reasons before translation; a failure's reason is the system's own text.
static const char* InfoFileStateSource(InfoFileState state) {
    switch (state) {
    case InfoFileState::Writable:
        return QT_TRANSLATE_NOOP("InfoEdit", "writable");
    case InfoFileState::Newer:
        return QT_TRANSLATE_NOOP("InfoEdit", "newer generation");
    case InfoFileState::Bad:
        return QT_TRANSLATE_NOOP("InfoEdit", "bad or empty");
    case InfoFileState::ReadOnly:
        return QT_TRANSLATE_NOOP("InfoEdit", "read-only");
    case InfoFileState::Written:
        return QT_TRANSLATE_NOOP("InfoEdit", "written");
    case InfoFileState::Unchanged:
        return QT_TRANSLATE_NOOP("InfoEdit", "unchanged");
    case InfoFileState::Failed:
        break;
    }
    return "";
}

QString InfoFileStatusWord(InfoFileStatus status) {
    if (status.state == InfoFileState::Failed)
        return SystemErrorText(status.error);
    return QString::fromLatin1(InfoFileStateSource(status.state));
}

QString InfoFileStatusText(InfoFileStatus status) {
    if (status.state == InfoFileState::Failed)
        return SystemErrorText(status.error);
    return QCoreApplication::translate("InfoEdit", InfoFileStateSource(status.state));
}

InfoFileStatus JudgeInfoFile(NativeFile& file, FileSummary& summary) {
    // The size alone: a file opened for writing is described once, after the write.
    const std::int64_t size = file.size();
    if (size < 0)
        return {InfoFileState::Failed, file.lastError()};
    if (size < InfoFileMinimum)
        return {InfoFileState::Bad};
    Entry entry = std::move(summary.currentEntry);
    summary = ReadSummary(file, summary.currentPath, ReadMode::WithoutNotes);
    const bool bad = summary.currentEntry.isBad;
    summary.currentEntry = std::move(entry);
    if (bad)
        return {InfoFileState::Bad};
    return {summary.generation >= 10 ? InfoFileState::Newer : InfoFileState::Writable};
}

InfoFileStatus CheckInfoFileState(const QString& path) {
    NativeFile file;
    if (!file.openRead(path))
        return {InfoFileState::Failed, file.lastError()};
    FileSummary summary;
    summary.currentPath = path;
    const InfoFileStatus status = JudgeInfoFile(file, summary);
    if (status.state != InfoFileState::Writable)
        return status;
    const int error = WriteAccessError(path);
    return error ? InfoFileStatus{InfoFileState::ReadOnly, error} : status;
}

// Reads the current file again and answers 0 when it may take the block, else the error code
// of the failed open (or -1 when the file is there but must not be written).
static int CheckInfoFile(FileSummary& summary) {
    NativeFile file;
    if (!file.openRead(summary.currentPath))
        return file.lastError();
    return JudgeInfoFile(file, summary).state == InfoFileState::Writable ? 0 : -1;
}

// The information block as it is on disk now; empty when it cannot be read whole.
static QByteArray ReadInfoBlock(const QString& path) {
    QByteArray block(InfoBlockSize, '\0');
    NativeFile file;
    if (!file.openRead(path) || file.read(block.data(), InfoBlockSize) != InfoBlockSize)
        return {};
    return block;
}

InfoSaveResult SaveInfoTexts(CatalogueModel& list, int row, FileSummary& current,
                             const InfoTexts& texts, FileDialogs& dialogs, UndoRecord& undo,
                             UiHooks& window) {
    const InfoTexts packed = PackInfoTexts(texts.title, texts.subtitle, BlockLines(texts.comments));
    InfoSaveResult result = InfoSaveResult::Saved;
    const int check = CheckInfoFile(current);
    if (check == -1) {
        dialogs.showMessage(InfoRefusedText(current.currentPath));
        result = InfoSaveResult::Refused;
    } else if (check != 0) {
        ShowFileError(dialogs, check, current.currentPath);
        result = InfoSaveResult::Failed;
    } else if (const QByteArray old = ReadInfoBlock(current.currentPath);
               const int error = WriteInfoBlock(current.currentPath, packed.title, packed.subtitle,
                                                packed.comments)) {
        ShowFileError(dialogs, error, current.currentPath);
        result = InfoSaveResult::Failed;
    } else {
        undo = {};
        if (!old.isEmpty())
            undo.steps.push_back(InfoBlockStep(current.currentPath, old));
        ReplaceEntryText(list, row, FieldTitle, packed.title);
        ReplaceEntryText(list, row, FieldSubtitle, packed.subtitle);
        ReplaceEntryText(list, row, FieldComments, packed.comments);
    }
    window.showFileInPanel(&current);
    return result;
}
