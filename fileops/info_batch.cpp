#include "fileops/info_batch.h"

#include "catalogue/catalogue_model.h"
#include "format/file_summary.h"
#include "format/text_convert.h"
#include "info/text_case.h"
#include "platform/native_file.h"

#include <QCoreApplication>
#include <algorithm>
#include <cerrno>

SharedInfo SharedInfoOfRows(const CatalogueModel& list, const std::vector<int>& rows) {
    SharedInfo shared;
    for (const int row : rows) {
        const Entry* entry = list.entryAt(row);
        if (!entry || entry->isBad)
            continue;
        const QString* texts[InfoFieldCount] = {&entry->title, &entry->subtitle, &entry->comments};
        for (int field = 0; field < InfoFieldCount; ++field) {
            SharedField& one = shared.fields[size_t(field)];
            if (shared.fileCount == 0)
                one.text = *texts[field];
            else if (one.same && one.text != *texts[field])
                one = {false, {}};
        }
        ++shared.fileCount;
    }
    return shared;
}

QString DifferentInFilesText(int files) {
    return QCoreApplication::translate("InfoBatch", "(different in %n files)", nullptr, files);
}

bool EditChangesFiles(const InfoEdit& edit) {
    return std::any_of(edit.begin(), edit.end(),
                       [](const FieldEdit& field) { return field.changesFiles(); });
}

QByteArray ApplyToolToBytes(int tool, QByteArrayView text) {
    QByteArray out = text.toByteArray();
    if (tool == QuoteTool) {
        out.replace('"', QByteArrayView());
        return out;
    }
    // Each byte decodes to one character of the basic plane, and the case tools keep the
    // length, so position i of the converted text stands for byte i.
    const QString converted = ConvertCase(tool, Cp1252ToWideFit(text, int(text.size()) * 3 + 2));
    const QByteArray encoded = WideToCp1252(converted);
    for (qsizetype i = 0; i < out.size() && i < encoded.size(); ++i)
        if (encoded[i] != '?' || converted[i] == u'?')
            out[i] = encoded[i];
    return out;
}

static QByteArray EditedField(QByteArrayView own, const FieldEdit& edit, InfoField field) {
    if (edit.kind == FieldEdit::Kind::Set)
        return WideToCp1252(field == InfoField::Comments ? BlockLines(edit.text) : edit.text);
    QByteArray bytes = own.toByteArray();
    for (const int tool : edit.tools)
        bytes = ApplyToolToBytes(tool, bytes);
    return bytes;
}

QByteArray EditedInfoBlock(QByteArrayView head, const InfoEdit& edit) {
    const InfoTextBytes own = SplitOlderTexts(head);
    return InfoBlockOf(EditedField(own.title, edit[0], InfoField::Title),
                       EditedField(own.subtitle, edit[1], InfoField::Subtitle),
                       EditedField(own.comments, edit[2], InfoField::Comments));
}

InfoTexts InfoTextsOfBlock(QByteArrayView block) {
    const InfoTextBytes bytes = SplitOlderTexts(block);
    return {Cp1252ToWideFit(bytes.title, 200), Cp1252ToWideFit(bytes.subtitle, 200),
            Cp1252ToWideFit(bytes.comments, 200)};
}

// True when the block holds the same three texts as the file's first bytes.
static bool SameTexts(QByteArrayView block, QByteArrayView head) {
    const InfoTextBytes a = SplitOlderTexts(block);
    const InfoTextBytes b = SplitOlderTexts(head);
    return a.title == b.title && a.subtitle == b.subtitle && a.comments == b.comments;
}

InfoFileSave SaveInfoFile(const QString& path, const InfoEdit& edit) {
    InfoFileSave save;
    NativeFile file;
    if (!file.openReadWrite(path)) {
        save.status = {InfoFileState::Failed, file.lastError()};
        return save;
    }
    // The first read also tells a small file's size, which the judgement asks for.
    char head[OlderTextsRead];
    const std::int64_t got = file.read(head, sizeof head);
    FileSummary summary;
    summary.currentPath = path;
    save.status = JudgeInfoFile(file, summary);
    if (save.status.state != InfoFileState::Writable)
        return save;
    if (got < InfoBlockSize) { // the file grew to the block's size only after the read
        save.status = {InfoFileState::Failed, got < 0 ? file.lastError() : EIO};
        return save;
    }
    const QByteArrayView own(head, got);
    const QByteArray block = EditedInfoBlock(own, edit);
    save.texts = InfoTextsOfBlock(block);
    if (SameTexts(block, own)) {
        save.status = {InfoFileState::Unchanged};
        return save;
    }
    if (!file.seek(0) || file.write(block.constData(), block.size()) != block.size()) {
        save.status = {InfoFileState::Failed, file.lastError()};
        return save;
    }
    save.status = {InfoFileState::Written};
    save.oldBlock = QByteArray(head, InfoBlockSize);
    std::int64_t size = -1;
    std::int64_t time = 0;
    if (file.sizeAndTime(size, time))
        save.stamp = {size, time, 0};
    return save;
}

// The rows of the files written, given their new texts once the batch is over.
class WrittenRows {
public:
    void reserve(size_t count) { m_rows.reserve(count); }
    void add(int row, InfoTexts texts) { m_rows.push_back({row, std::move(texts)}); }

    void apply(CatalogueModel& list) {
        if (m_rows.empty())
            return;
        int first = m_rows.front().row;
        int last = first;
        for (auto& [row, texts] : m_rows) {
            Entry* entry = list.editEntry(row);
            if (!entry)
                continue;
            entry->title = std::move(texts.title);
            entry->subtitle = std::move(texts.subtitle);
            entry->comments = std::move(texts.comments);
            first = std::min(first, row);
            last = std::max(last, row);
        }
        list.updateRows(first, last);
    }

private:
    struct Row {
        int row;
        InfoTexts texts;
    };
    std::vector<Row> m_rows;
};

static UndoStep WrittenStep(const QString& path, InfoFileSave& save) {
    UndoStep step;
    step.action = UndoAction::InfoBlock;
    step.before = path;
    step.after = path;
    step.stamp = save.stamp;
    step.block = std::move(save.oldBlock);
    return step;
}

InfoBatchResult SaveInfoBatch(CatalogueModel& list, const std::vector<InfoRowEdit>& edits,
                              UndoRecord& undo, const InfoBatchProgress& progress) {
    InfoBatchResult result;
    WrittenRows rows;
    UndoRecord done;
    rows.reserve(edits.size());
    done.steps.reserve(edits.size());
    const int total = int(edits.size());
    for (int i = 0; i < total; ++i) {
        const Entry* entry = list.entryAt(edits[size_t(i)].row);
        if (!entry)
            continue;
        const QString path = entry->folder + entry->name;
        if (progress && !progress(i, total, path)) {
            result.cancelled = true;
            break;
        }
        InfoFileSave save = SaveInfoFile(path, edits[size_t(i)].edit);
        switch (save.status.state) {
        case InfoFileState::Written:
            ++result.written;
            rows.add(edits[size_t(i)].row, std::move(save.texts));
            done.steps.push_back(WrittenStep(path, save));
            break;
        case InfoFileState::Unchanged:
            ++result.unchanged;
            break;
        default:
            result.failures << path + QStringLiteral(": ") + InfoFileStatusText(save.status);
        }
    }
    rows.apply(list);
    if (done.canUndo())
        undo = std::move(done);
    return result;
}

QString InfoBatchFailureText(int files) {
    return QCoreApplication::translate("InfoBatch", "%n file(s) could not be written:", nullptr,
                                       files);
}

InfoFileChecker::InfoFileChecker(std::vector<QString> paths)
    : m_paths(std::move(paths)), m_statuses(m_paths.size()) {
    m_worker = std::thread([this] {
        for (size_t i = 0; i < m_paths.size() && !m_stop.load(std::memory_order_relaxed); ++i) {
            m_statuses[i] = CheckInfoFileState(m_paths[i]);
            m_checked.store(int(i + 1), std::memory_order_release);
        }
    });
}

InfoFileChecker::~InfoFileChecker() {
    stop();
}

void InfoFileChecker::stop() {
    m_stop = true;
    if (m_worker.joinable())
        m_worker.join();
}
