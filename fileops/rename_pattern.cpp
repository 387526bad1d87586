#include "fileops/rename_pattern.h"

#include "base/entry.h"
#include "catalogue/catalogue_model.h"
#include "catalogue/columns.h"
#include "catalogue/scan.h"
#include "info/text_case.h"
#include "platform/folder_path.h"
#include "platform/folder_walk.h"
#include "platform/native_file.h"

#include <QCoreApplication>
#include <QHash>
#include <QSet>
#include <QVarLengthArray>
#include <algorithm>
#include <array>
#include <future>

namespace {

constexpr qsizetype ComponentUnitsMax = 250;
constexpr qsizetype ComponentBytesMax = 255; // Linux only
constexpr int CancelCheckEvery = 1024;
constexpr size_t ParallelFrom = 4096; // files: fewer are drafted on the calling thread alone

constexpr quint16 Bit(PatternField field) {
    return quint16(1u << unsigned(field));
}
// The fields a bad file has no value for: its texts are placeholders.
constexpr quint16 TextFields =
    Bit(PatternField::Title) | Bit(PatternField::Subtitle) | Bit(PatternField::Tuning);

// ---- cleaning and fitting the parts of a name ----

// The characters no new name keeps: those the title suggestion drops, and also \ * | and
// control characters, so that the names work on Linux and on Windows alike.
bool Dropped(char16_t u) {
    switch (u) {
    case u'!':
    case u'"':
    case u'/':
    case u'\\':
    case u'*':
    case u'|':
        return true;
    default:
        return (u >= u':' && u <= u'?') || u < 0x20 || (u >= 0x7F && u <= 0x9F);
    }
}

// The text without the dropped characters; the same text, shared, when it has none.
QString Cleaned(const QString& text) {
    const auto first =
        std::find_if(text.cbegin(), text.cend(), [](QChar c) { return Dropped(c.unicode()); });
    if (first == text.cend())
        return text;
    QString out;
    out.reserve(text.size());
    for (QChar c : text)
        if (!Dropped(c.unicode()))
            out.append(c);
    return out;
}

// A field's value as it goes into a name: cleaned, without leading and trailing spaces.
QString FieldValue(const QString& text) {
    return Cleaned(text).trimmed();
}

// Without leading spaces, and without trailing spaces and dots.
QString Trimmed(const QString& text) {
    qsizetype start = 0;
    qsizetype end = text.size();
    while (start < end && text[start].isSpace())
        ++start;
    while (end > start && (text[end - 1].isSpace() || text[end - 1] == u'.'))
        --end;
    return start == 0 && end == text.size() ? text : text.mid(start, end - start);
}

// The UTF-8 bytes of the unit at `i` as EncodeFileName writes it (a pair counts at its first
// unit, an escaped byte as one).
int EncodedBytes(QStringView text, qsizetype i) {
    const char16_t u = text[i].unicode();
    if (u < 0x80 || (u >= 0xDC80 && u <= 0xDCFF))
        return 1;
    if (u < 0x800)
        return 2;
    if (QChar::isHighSurrogate(u) && i + 1 < text.size() && text[i + 1].isLowSurrogate())
        return 4;
    if (QChar::isLowSurrogate(u) && i > 0 && text[i - 1].isHighSurrogate())
        return 0;
    return 3;
}

qsizetype EncodedSize(QStringView text) {
    qsizetype bytes = 0;
    for (qsizetype i = 0; i < text.size(); ++i)
        bytes += EncodedBytes(text, i);
    return bytes;
}

// Where the text must end to keep at most `units` UTF-16 units and, on Linux, `bytes` bytes
// in UTF-8, never inside a character.
qsizetype FittingLength(QStringView text, qsizetype units, qsizetype bytes) {
    qsizetype keep = std::min(text.size(), std::max<qsizetype>(units, 0));
#ifndef Q_OS_WIN
    if (keep * 3 > bytes) {
        qsizetype used = 0;
        qsizetype i = 0;
        for (; i < keep; ++i) {
            used += EncodedBytes(text, i);
            if (used > bytes)
                break;
        }
        keep = i;
    }
#else
    (void)bytes;
#endif
    if (keep > 0 && keep < text.size() && text[keep].isLowSurrogate() &&
        text[keep - 1].isHighSurrogate())
        --keep;
    return keep;
}

// The length of the device name (CON, PRN, AUX, NUL, COM1 to COM9, LPT1 to LPT9) that the text
// is for Windows: the part before the first dot, without its trailing spaces; 0 for none.
qsizetype DeviceNameLength(QStringView text) {
    QStringView stem = text.left(text.indexOf(u'.') < 0 ? text.size() : text.indexOf(u'.'));
    while (!stem.isEmpty() && stem.back() == u' ')
        stem.chop(1);
    const auto is = [&](const char* name) {
        return stem.left(3).compare(QLatin1String(name), Qt::CaseInsensitive) == 0;
    };
    if (stem.size() == 3)
        return is("CON") || is("PRN") || is("AUX") || is("NUL") ? 3 : 0;
    if (stem.size() == 4 && stem[3] >= u'1' && stem[3] <= u'9')
        return is("COM") || is("LPT") ? 4 : 0;
    return 0;
}

void MarkDeviceName(QString& text) {
    if (const qsizetype length = DeviceNameLength(text))
        text.insert(length, u'_');
}

int CaseTool(RenameCase rule) {
    switch (rule) {
    case RenameCase::Upper:
        return CaseUpper;
    case RenameCase::Lower:
        return CaseLower;
    case RenameCase::Words:
        return CaseWords;
    case RenameCase::AsIs:
        break;
    }
    return 0;
}

// A folder's name or a file name's stem as the names rule makes it, with room left for
// `reservedBytes` more bytes (the extension's).
QString FinishedComponent(const QString& text, RenameCase rule, qsizetype reservedBytes) {
    QString out = Trimmed(text);
    if (rule != RenameCase::AsIs)
        out = ConvertCase(CaseTool(rule), out);
    MarkDeviceName(out);
    const qsizetype keep = FittingLength(out, ComponentUnitsMax, ComponentBytesMax - reservedBytes);
    if (keep < out.size()) {
        out = Trimmed(out.left(keep));
        MarkDeviceName(out);
    }
    return out;
}

// ---- the file's own extension ----

// The length of the name's extension: ".zuf" or ".tab" after the last dot, or the three
// letters that end the name without a dot before them.
qsizetype ExtensionLength(QStringView name) {
    if (!IsCatalogueFile(name))
        return 0;
    return name.size() >= 4 && name[name.size() - 4] == u'.' ? 4 : 3;
}

// ---- reading a pattern ----

struct FieldName {
    const char* name;
    PatternField field;
};
constexpr std::array<FieldName, 10> FieldNames{{
    {"title", PatternField::Title},
    {"author", PatternField::Subtitle},
    {"subtitle", PatternField::Subtitle},
    {"tuning", PatternField::Tuning},
    {"name", PatternField::Name},
    {"folder", PatternField::Folder},
    {"date", PatternField::Date},
    {"year", PatternField::Year},
    {"size", PatternField::Size},
    {"n", PatternField::Number},
}};

QString PatternError(const char* text) {
    return QCoreApplication::translate("RenamePattern", text);
}

bool IsSeparator(QChar c) {
#ifdef Q_OS_WIN
    return c == u'/' || c == u'\\';
#else
    return c == u'/';
#endif
}

class PatternReader {
public:
    explicit PatternReader(QStringView text) : m_text(text) {}

    bool read() {
        if (m_text.isEmpty())
            return fail(0,
                        PatternError(QT_TRANSLATE_NOOP("RenamePattern", "The pattern is empty")));
        for (qsizetype i = 0; i < m_text.size();) {
            const QChar c = m_text[i];
            const bool doubled = i + 1 < m_text.size() && m_text[i + 1] == c;
            if ((c == u'%' || c == u'[' || c == u']') && doubled) {
                m_literal += c;
                i += 2;
            } else if (c == u'%') {
                if (!readField(i))
                    return false;
            } else if (c == u'[') {
                if (m_part >= 0)
                    return fail(i, PatternError(QT_TRANSLATE_NOOP(
                                       "RenamePattern", "Optional parts in [ ] cannot be nested")));
                flushText();
                m_part = int(m_pattern.partFields.size());
                m_pattern.partFields.push_back(0);
                m_partStart = i++;
            } else if (c == u']') {
                if (m_part < 0)
                    return fail(i, PatternError(QT_TRANSLATE_NOOP(
                                       "RenamePattern", "This ] closes no optional part")));
                flushText();
                m_part = -1;
                ++i;
            } else if (IsSeparator(c)) {
                flushText();
                PatternPiece separator;
                separator.kind = PatternPiece::Kind::Separator;
                add(std::move(separator));
                m_pattern.hasFolders = true;
                ++i;
            } else {
                m_literal += c;
                ++i;
            }
        }
        if (m_part >= 0)
            return fail(m_partStart, PatternError(QT_TRANSLATE_NOOP(
                                         "RenamePattern", "This [ has no ] to close it")));
        flushText();
        m_pattern.valid = true;
        return true;
    }

    RenamePattern m_pattern;
    QString m_error;
    qsizetype m_errorPos = -1;

private:
    bool fail(qsizetype pos, const QString& text) {
        m_error = text;
        m_errorPos = pos;
        return false;
    }

    void add(PatternPiece piece) {
        piece.part = m_part;
        m_pattern.pieces.push_back(std::move(piece));
    }

    void flushText() {
        QString text = Cleaned(m_literal);
        m_literal.clear();
        if (text.isEmpty())
            return;
        PatternPiece piece;
        piece.text = std::move(text);
        add(std::move(piece));
    }

    // The field that starts with the % at `i`; moves `i` behind it.
    bool readField(qsizetype& i) {
        const qsizetype end = m_text.indexOf(u'%', i + 1);
        if (end < 0)
            return fail(i, PatternError(QT_TRANSLATE_NOOP("RenamePattern",
                                                          "This field has no % to end it")));
        const QStringView name = m_text.mid(i + 1, end - i - 1);
        PatternPiece piece;
        piece.kind = PatternPiece::Kind::Field;
        if (!fieldOf(name, piece))
            return fail(i, PatternError(QT_TRANSLATE_NOOP("RenamePattern", "Unknown field %1"))
                               .arg(m_text.mid(i, end - i + 1)));
        flushText();
        const quint16 bit = Bit(piece.field);
        if (m_part >= 0)
            m_pattern.partFields[size_t(m_part)] |= bit;
        else
            m_pattern.requiredFields |= bit;
        add(std::move(piece));
        i = end + 1;
        return true;
    }

    static bool fieldOf(QStringView name, PatternPiece& piece) {
        if (name.size() == 3 && name.startsWith(QLatin1String("n:"), Qt::CaseInsensitive) &&
            name[2] >= u'1' && name[2] <= u'9') {
            piece.field = PatternField::Number;
            piece.width = quint8(name[2].unicode() - u'0');
            return true;
        }
        for (const FieldName& known : FieldNames) {
            if (name.compare(QLatin1String(known.name), Qt::CaseInsensitive) == 0) {
                piece.field = known.field;
                return true;
            }
        }
        return false;
    }

    QStringView m_text;
    QString m_literal;
    int m_part = -1;
    qsizetype m_partStart = 0;
};

// ---- one file's new place ----

// "YYYY-MM-DD" (or "YYYY") of the UTC calendar day of a time in milliseconds since 1970.
QString DateText(qint64 ms, bool yearOnly) {
    // Days to a civil date in the proleptic Gregorian calendar (eras of 400 years).
    qint64 days = ms / 86'400'000 - (ms % 86'400'000 < 0 ? 1 : 0);
    days += 719'468;
    const qint64 era = (days >= 0 ? days : days - 146'096) / 146'097;
    const qint64 dayOfEra = days - era * 146'097;
    const qint64 yearOfEra =
        (dayOfEra - dayOfEra / 1460 + dayOfEra / 36'524 - dayOfEra / 146'096) / 365;
    const qint64 dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const qint64 mp = (5 * dayOfYear + 2) / 153;
    const qint64 day = dayOfYear - (153 * mp + 2) / 5 + 1;
    const qint64 month = mp < 10 ? mp + 3 : mp - 9;
    const qint64 year = yearOfEra + era * 400 + (month <= 2 ? 1 : 0);
    const QString y = QString::number(year).rightJustified(4, u'0');
    if (yearOnly)
        return y;
    const char16_t text[6] = {u'-', char16_t(u'0' + month / 10), char16_t(u'0' + month % 10),
                              u'-', char16_t(u'0' + day / 10),   char16_t(u'0' + day % 10)};
    return y + QString(reinterpret_cast<const QChar*>(text), 6);
}

// The name of the folder a normalised folder path ends with.
QString LastFolderName(const QString& folder) {
    QStringView path(folder);
    if (path.endsWith(FolderSeparator()))
        path.chop(1);
    return path.mid(path.lastIndexOf(FolderSeparator()) + 1).toString();
}

// The values of one file's fields, each worked out when first asked for.
class FileFields {
public:
    explicit FileFields(const RenameFacts& file) : m_file(file) {}

    const QString& value(PatternField field) {
        const size_t i = size_t(field);
        if (!(m_known & (1u << i))) {
            m_values[i] = compute(field);
            m_known |= 1u << i;
        }
        return m_values[i];
    }

    QString number(int width) const {
        const QString n = QString::number(m_file.position);
        return width > 0 ? n.rightJustified(width, u'0') : n;
    }

    // The fields among `fields` that are empty for this file.
    quint16 emptyAmong(quint16 fields) {
        quint16 empty = 0;
        for (unsigned i = 0; i <= unsigned(PatternField::Number); ++i) {
            const quint16 bit = quint16(1u << i);
            if ((fields & bit) && value(PatternField(i)).isEmpty())
                empty |= bit;
        }
        return empty;
    }

private:
    QString compute(PatternField field) const {
        if (m_file.isBad && (Bit(field) & TextFields))
            return {};
        switch (field) {
        case PatternField::Title:
            return FieldValue(m_file.title);
        case PatternField::Subtitle:
            return FieldValue(m_file.subtitle);
        case PatternField::Tuning:
            return FieldValue(m_file.tuning);
        case PatternField::Name:
            return FieldValue(m_file.name.left(m_file.name.size() - ExtensionLength(m_file.name)));
        case PatternField::Folder:
            return FieldValue(LastFolderName(m_file.folder));
        case PatternField::Date:
            return DateText(m_file.lastWriteTime, false);
        case PatternField::Year:
            return DateText(m_file.lastWriteTime, true);
        case PatternField::Size:
            return QString::number(m_file.size);
        case PatternField::Number:
            return number(0);
        }
        return {};
    }

    const RenameFacts& m_file;
    std::array<QString, 9> m_values;
    unsigned m_known = 0;
};

bool PathTooLong(const QString& folder, const QString& name) {
    const qsizetype units = folder.size() + name.size();
#ifdef Q_OS_WIN
    return units > RenamePathMax;
#else
    return units * 3 > RenamePathMax && EncodedSize(folder) + EncodedSize(name) > RenamePathMax;
#endif
}

// What the plan keeps of a file besides its PlannedRename while the names taken are looked at.
struct Draft {
    qsizetype extensionLength = 0;
    int folder = -1;        // the new folder's place in the table of folders (NameClaims)
    bool candidate = false; // may be carried out, as far as its own name tells
};

// Works out each file's new folder and name from the pattern alone.
class Drafter {
public:
    Drafter(const RenamePattern& pattern, const RenamePlanOptions& options)
        : m_pattern(pattern), m_options(options), m_base(options.baseFolder) {}

    void draft(const RenameFacts& file, PlannedRename& plan, Draft& draft) {
        plan.oldPath = file.folder + file.name;
        plan.newFolder = file.folder;
        if (file.isBad && (m_pattern.requiredFields & TextFields)) {
            plan.outcome = RenameOutcome::Bad;
            return;
        }
        FileFields fields(file);
        QVarLengthArray<bool, 16> keptParts(qsizetype(m_pattern.partFields.size()));
        for (qsizetype i = 0; i < keptParts.size(); ++i)
            keptParts[i] = fields.emptyAmong(m_pattern.partFields[size_t(i)]) == 0;
        draft.extensionLength = ExtensionLength(file.name);
        const QStringView extension = QStringView(file.name).right(draft.extensionLength);

        bool empty = false;
        QString folders; // below the base folder
        QString component;
        for (const PatternPiece& piece : m_pattern.pieces) {
            if (piece.part >= 0 && !keptParts[piece.part])
                continue;
            switch (piece.kind) {
            case PatternPiece::Kind::Text:
                component += piece.text;
                break;
            case PatternPiece::Kind::Field:
                component += piece.field == PatternField::Number && piece.width
                                 ? fields.number(piece.width)
                                 : fields.value(piece.field);
                break;
            case PatternPiece::Kind::Separator: {
                const QString name = FinishedComponent(component, m_options.nameCase, 0);
                empty = empty || name.isEmpty();
                folders += name;
                folders += FolderSeparator();
                component.clear();
                break;
            }
            }
        }
        QString stem = FinishedComponent(component, m_options.nameCase, EncodedSize(extension));
        empty = empty || stem.isEmpty();
        stem += extension;
        plan.newName = std::move(stem);
        if (m_pattern.hasFolders && !m_base.isEmpty())
            plan.newFolder = folderBelowBase(folders);
        if (empty)
            plan.outcome = RenameOutcome::Empty;
        else if (PathTooLong(plan.newFolder, plan.newName))
            plan.outcome = RenameOutcome::TooLong;
        else
            draft.candidate = true;
    }

private:
    // The base folder with the folders below it; the files that go to one folder share its
    // text.
    QString folderBelowBase(const QString& folders) {
        auto found = m_folders.constFind(folders);
        if (found != m_folders.constEnd())
            return *found;
        return *m_folders.insert(folders, m_base + folders);
    }

    const RenamePattern& m_pattern;
    const RenamePlanOptions& m_options;
    const QString m_base;
    QHash<QString, QString> m_folders;
};

// ---- names taken ----

// The names of one new folder: those on disk (listed once, when first needed), those that
// files earlier in the list will take, and the highest number given to each name.
struct FolderNames {
    QString folder;
    bool listed = false;
    QSet<QString> disk;
    QHash<QString, int> claimed;
    QHash<QString, int> highest;
};

// The stem with " (k)" after it and the extension, cut so that it fits the names rule.
QString NumberedName(QStringView stem, int k, QStringView extension) {
    const QString suffix = QStringLiteral(" (%1)").arg(k);
    const qsizetype keep =
        FittingLength(stem, ComponentUnitsMax - suffix.size(),
                      ComponentBytesMax - EncodedSize(extension) - suffix.size());
    QString name = Trimmed(stem.left(keep).toString());
    name += suffix;
    name += extension;
    return name;
}

// Decides which of the candidates can go where their names say, in list order.
class NameClaims {
public:
    NameClaims(const RenamePlanOptions& options, std::vector<PlannedRename>& plan,
               std::vector<Draft>& drafts, const std::vector<RenameFacts>& files)
        : m_options(options), m_plan(plan), m_drafts(drafts), m_files(files) {}

    // False when cancelled.
    bool decide(const std::atomic_bool* cancel) {
        for (size_t i = 0; i < m_drafts.size(); ++i) {
            if (i % CancelCheckEvery == 0 && cancel && cancel->load(std::memory_order_relaxed))
                return false;
            if (m_drafts[i].candidate)
                claim(i);
        }
        for (size_t i = 0; i < m_drafts.size(); ++i) {
            if (!m_drafts[i].candidate)
                continue;
            PlannedRename& plan = m_plan[i];
            const RenameFacts& file = m_files[i];
            const bool sameFolder = SameFolder(plan.newFolder, file.folder);
            if (sameFolder && plan.newName == file.name)
                plan.outcome = RenameOutcome::Unchanged;
            else if (!m_options.numberDuplicates &&
                     m_table[size_t(m_drafts[i].folder)].claimed.value(PathKey(plan.newName)) > 1)
                plan.outcome = RenameOutcome::Conflict;
            else
                plan.outcome = sameFolder ? RenameOutcome::Rename : RenameOutcome::Move;
        }
        return true;
    }

private:
    FolderNames& folderOf(const QString& folder, int& index) {
        if (folder.constData() != m_lastFolder.constData()) {
            const QString key = PathKey(folder);
            auto found = m_index.constFind(key);
            if (found == m_index.constEnd()) {
                found = m_index.insert(key, int(m_table.size()));
                m_table.emplace_back();
                m_table.back().folder = folder;
            }
            m_lastFolder = folder;
            m_lastIndex = *found;
        }
        index = m_lastIndex;
        return m_table[size_t(index)];
    }

    // True when a file other than `file` itself holds the name in the folder now.
    static bool onDisk(FolderNames& names, const QString& key, const RenameFacts& file) {
        if (!names.listed) {
            std::vector<FolderItem> items;
            FolderId self;
            if (ListFolder(names.folder, items, self)) { // a folder not there holds no names
                names.disk.reserve(qsizetype(items.size()));
                for (const FolderItem& item : items)
                    names.disk.insert(PathKey(item.name));
            }
            names.listed = true;
        }
        return names.disk.contains(key) &&
               !(key == PathKey(file.name) && SameFolder(names.folder, file.folder));
    }

    static bool taken(FolderNames& names, const QString& key, const RenameFacts& file) {
        return names.claimed.contains(key) || onDisk(names, key, file);
    }

    void claim(size_t i) {
        PlannedRename& plan = m_plan[i];
        Draft& draft = m_drafts[i];
        const RenameFacts& file = m_files[i];
        FolderNames& names = folderOf(plan.newFolder, draft.folder);
        const QString key = PathKey(plan.newName);
        // A file that keeps its name holds it, which no other file may take.
        if ((plan.newName == file.name && SameFolder(plan.newFolder, file.folder)) ||
            !taken(names, key, file)) {
            ++names.claimed[key];
        } else if (!m_options.numberDuplicates) {
            if (onDisk(names, key, file)) {
                plan.outcome = RenameOutcome::Exists;
                draft.candidate = false;
            } else {
                ++names.claimed[key];
            }
        } else {
            number(names, key, i);
        }
    }

    // Gives the file the lowest free number. Every number below the highest one given for the
    // same name is taken for all files but the one whose present name it is, so the search
    // starts above it.
    void number(FolderNames& names, const QString& key, size_t i) {
        PlannedRename& plan = m_plan[i];
        Draft& draft = m_drafts[i];
        const RenameFacts& file = m_files[i];
        const QStringView stem = QStringView(plan.newName).chopped(draft.extensionLength);
        const QStringView extension = QStringView(plan.newName).right(draft.extensionLength);
        const int start = std::max(names.highest.value(key), 1) + 1;
        int k = ownNumber(names, stem, extension, file);
        QString name;
        if (k > 0 && k < start) {
            name = NumberedName(stem, k, extension);
        } else {
            for (k = start;; ++k) {
                name = NumberedName(stem, k, extension);
                if (!taken(names, PathKey(name), file))
                    break;
            }
            names.highest[key] = k;
        }
        plan.newName = name;
        ++names.claimed[PathKey(name)];
        if (PathTooLong(plan.newFolder, plan.newName)) {
            plan.outcome = RenameOutcome::TooLong;
            draft.candidate = false;
        }
    }

    // The number k of the file's present name when it is the stem numbered with k (k > 1) in
    // the folder it goes to; 0 when it is not.
    static int ownNumber(const FolderNames& names, QStringView stem, QStringView extension,
                         const RenameFacts& file) {
        if (!SameFolder(names.folder, file.folder))
            return 0;
        const QStringView name =
            QStringView(file.name).chopped(std::min(extension.size(), file.name.size()));
        if (!name.endsWith(u')'))
            return 0;
        const qsizetype open = name.lastIndexOf(QLatin1String(" ("));
        bool ok = false;
        const int k = open < 0 ? 0 : name.mid(open + 2, name.size() - open - 3).toInt(&ok);
        if (!ok || k < 2 || PathKey(NumberedName(stem, k, extension)) != PathKey(file.name))
            return 0;
        return k;
    }

    const RenamePlanOptions& m_options;
    std::vector<PlannedRename>& m_plan;
    std::vector<Draft>& m_drafts;
    const std::vector<RenameFacts>& m_files;
    std::vector<FolderNames> m_table;
    QHash<QString, int> m_index; // folder key -> its place in the table
    QString m_lastFolder;        // the folder looked up last (files in a row often share it)
    int m_lastIndex = -1;
};

} // namespace

RenamePattern ParseRenamePattern(QStringView text, QString* error, int* errorPos) {
    PatternReader reader(text);
    const bool ok = reader.read();
    if (error)
        *error = ok ? QString() : reader.m_error;
    if (errorPos)
        *errorPos = ok ? -1 : int(reader.m_errorPos);
    return ok ? std::move(reader.m_pattern) : RenamePattern{};
}

QStringList RenamePatternFields() {
    return {QStringLiteral("%title%"), QStringLiteral("%author%"), QStringLiteral("%tuning%"),
            QStringLiteral("%name%"),  QStringLiteral("%folder%"), QStringLiteral("%date%"),
            QStringLiteral("%year%"),  QStringLiteral("%size%"),   QStringLiteral("%n%"),
            QStringLiteral("%n:3%")};
}

RenameFacts RenameFactsOf(const Entry& entry, int position) {
    RenameFacts facts;
    facts.folder = entry.folder;
    facts.name = entry.name;
    facts.title = entry.title;
    facts.subtitle = entry.subtitle;
    facts.tuning = FormatTuning(entry.tuning);
    facts.lastWriteTime = entry.lastWriteTime;
    facts.size = entry.size;
    facts.isBad = entry.isBad != 0;
    facts.position = position;
    return facts;
}

std::vector<RenameFacts> RenameFactsOfRows(const CatalogueModel& list,
                                           const std::vector<int>& rows) {
    std::vector<RenameFacts> facts;
    facts.reserve(rows.size());
    for (int row : rows)
        if (const Entry* entry = list.entryAt(row))
            facts.push_back(RenameFactsOf(*entry, int(facts.size()) + 1));
    return facts;
}

bool RenameCanBeDone(RenameOutcome outcome) {
    return outcome == RenameOutcome::Rename || outcome == RenameOutcome::Move ||
           outcome == RenameOutcome::Unchanged;
}

QString RenameOutcomeText(RenameOutcome outcome) {
    switch (outcome) {
    case RenameOutcome::Rename:
        return QCoreApplication::translate("RenamePattern", "Rename");
    case RenameOutcome::Move:
        return QCoreApplication::translate("RenamePattern", "Move");
    case RenameOutcome::Unchanged:
        return QCoreApplication::translate("RenamePattern", "Unchanged");
    case RenameOutcome::Conflict:
        return QCoreApplication::translate("RenamePattern",
                                           "Another selected file gets the same name");
    case RenameOutcome::Exists:
        return QCoreApplication::translate("RenamePattern", "A file of that name exists");
    case RenameOutcome::Empty:
        return QCoreApplication::translate("RenamePattern", "The name would be empty");
    case RenameOutcome::TooLong:
        return QCoreApplication::translate("RenamePattern", "The path would be too long");
    case RenameOutcome::Bad:
        return QCoreApplication::translate("RenamePattern", "A field is missing: the file is bad");
    }
    return {};
}

QLatin1String RenameOutcomeWord(RenameOutcome outcome) {
    static constexpr std::array<const char*, 8> words{"rename", "move",  "unchanged", "conflict",
                                                      "exists", "empty", "too-long",  "bad"};
    return QLatin1String(words[size_t(outcome)]);
}

std::vector<PlannedRename> PlanRenames(const RenamePattern& pattern,
                                       const RenamePlanOptions& options,
                                       const std::vector<RenameFacts>& files,
                                       const std::atomic_bool* cancel) {
    std::vector<PlannedRename> plan(files.size());
    std::vector<Draft> drafts(files.size());
    // Each file's name depends on that file alone: a long list is drafted in two halves at
    // once, the second on a thread of its own.
    const auto draftRange = [&](size_t from, size_t to) {
        Drafter drafter(pattern, options);
        for (size_t i = from; i < to; ++i) {
            if ((i - from) % CancelCheckEvery == 0 && cancel &&
                cancel->load(std::memory_order_relaxed))
                return false;
            drafter.draft(files[i], plan[i], drafts[i]);
        }
        return true;
    };
    const size_t half = files.size() >= ParallelFrom ? files.size() / 2 : files.size();
    std::future<bool> second;
    if (half < files.size())
        second = std::async(std::launch::async, draftRange, half, files.size());
    const bool first = draftRange(0, half);
    if (!first || (second.valid() && !second.get()))
        return {};
    if (!NameClaims(options, plan, drafts, files).decide(cancel))
        return {};
    return plan;
}

qsizetype NameExtensionLength(QStringView name) {
    return ExtensionLength(name);
}
