#include "settings/settings_store.h"

#include "fileops/folder_history.h"
#include "platform/folder_path.h"
#include "platform/native_file.h"
#include "settings/settings_file.h"

#include <QDir>
#include <QSettings>
#include <QStringList>
#include <limits>
#include <memory>

const QStringView DefaultEditorPath = u"C:\\Program Files (x86)\\Strumlex\\strumlex.exe";
const QStringView DefaultViewerPath = u"C:\\Program Files (x86)\\Strumlex\\zufview.exe";

// Read limits in bytes, terminator included. Paths are read up to the system's longest path:
// their old limits were those of fixed buffers, and a folder or program deeper than that was
// forgotten.
constexpr int PathLimit = 2 * (LongestPath + 1);
constexpr int NumberLimit = 16;
constexpr int WindowPosLimit = 64;

constexpr int StoredHistoryMax = 10;
constexpr int MinimumColumnWidth = 10;

// The program's own key: the registry on Windows, a file elsewhere.
static std::unique_ptr<QSettings> ProgramKey() {
#ifdef Q_OS_WIN
    return std::make_unique<QSettings>(QStringLiteral("Strumlex"), QStringLiteral("ZUFFile"));
#else
    return std::make_unique<QSettings>(SettingsFileFormat(), QSettings::UserScope,
                                       QStringLiteral("Strumlex"), QStringLiteral("ZUFFile"));
#endif
}

// The key of the run, read exactly as stored: no system-wide or organisation-wide fallbacks.
// A file, on every system, is read and written by settings/settings_file.cpp, whose reading
// is bounded.
std::unique_ptr<QSettings> SettingsStore::openKey() const {
    auto key = m_iniPath.isEmpty() ? ProgramKey()
                                   : std::make_unique<QSettings>(m_iniPath, SettingsFileFormat());
    key->setFallbacksEnabled(false);
    return key;
}

// The key the start-up and closing moments share: opened once, so that the file is read once
// however many values they take, and written once at each closing moment.
QSettings& SettingsStore::sessionKey() {
    if (!m_session)
        m_session = openKey();
    return *m_session;
}

SettingsStore::SettingsStore(QString iniPath) : m_iniPath(std::move(iniPath)) {}

SettingsStore::~SettingsStore() = default;

static QString StoredText(const QVariant& value) {
    switch (value.typeId()) {
    case QMetaType::QByteArray: // the form an earlier version gave undecodable names
        return DecodeFileName(value.toByteArray());
    case QMetaType::QStringList: // an INI text with unquoted commas reads back as a list
        return value.toStringList().join(u',');
    default:
        return value.toString();
    }
}

// ReadSetting and WriteSetting on a key already open: the Load and Save functions open the key
// once, so that the file is read once and written once however many values they take, however
// large the file.
static int ReadFrom(QSettings& key, QStringView name, QStringView defaultText, QString& buffer,
                    int byteLimit) {
    const QString valueName = name.toString();
    const QVariant value = key.contains(valueName) ? key.value(valueName) : QVariant();
    QString text = StoredText(value);
    const qsizetype nul = text.indexOf(QChar(0));
    if (nul >= 0)
        text.truncate(nul);
    if (!value.isValid() || text.size() > byteLimit / 2 - 1) {
        buffer = defaultText.toString();
        return 0;
    }
    buffer = text;
    return int(text.size());
}

static void WriteTo(QSettings& key, QStringView name, QStringView text) {
    key.setValue(name.toString(), text.toString());
}

int SettingsStore::readSetting(QStringView name, QStringView defaultText, QString& buffer,
                               int byteLimit) {
    return ReadFrom(*openKey(), name, defaultText, buffer, byteLimit);
}

int SettingsStore::writeSetting(QStringView name, QStringView text) {
    const std::unique_ptr<QSettings> key = openKey();
    WriteTo(*key, name, text);
    key->sync();
    return key->status() == QSettings::NoError ? 1 : 0;
}

qint32 SettingDecimal(QStringView text) {
    qsizetype i = 0;
    while (i < text.size() && text[i].isSpace())
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == u'+' || text[i] == u'-'))
        negative = text[i++] == u'-';
    qint64 value = 0;
    constexpr qint64 limit = qint64(std::numeric_limits<qint32>::max()) + 1;
    for (; i < text.size() && text[i] >= u'0' && text[i] <= u'9'; ++i)
        value = std::min(value * 10 + (text[i].unicode() - u'0'), limit);
    if (negative)
        return qint32(-value);
    return qint32(std::min(value, limit - 1));
}

static QString HistoryValueName(int index) {
    return QStringLiteral("szPathList") + QChar(u'0' + index);
}

static QString PatternValueName(int index) {
    return QStringLiteral("szRenamePattern%1").arg(index);
}

static QString NamePatternValueName(int index) {
    return QStringLiteral("szNamePattern%1").arg(index);
}

// Recent texts stored as name0, name1, ... up to the first absent or empty one.
static QStringList LoadRecentTexts(QSettings& key, QString (*valueName)(int)) {
    QStringList texts;
    for (int i = 0; i < RecentTextMax; ++i) {
        QString text;
        if (ReadFrom(key, valueName(i), {}, text, PathLimit) == 0)
            break;
        texts << text;
    }
    return texts;
}

static void SaveRecentTexts(QSettings& key, QString (*valueName)(int), const QStringList& texts) {
    for (int i = 0; i < int(texts.size()) && i < RecentTextMax; ++i)
        WriteTo(key, valueName(i), texts[i]);
}

static QString ColumnValueName(int column) {
    return QStringLiteral("Column") + QChar(u'1' + column);
}

// Reads the stored history, stopping at the first absent or empty value, and adds it from the
// last read to the first, so that the history holds it in stored order.
static void LoadFolderHistory(QSettings& key, FolderHistory& history) {
    QStringList stored;
    for (int i = 0; i < StoredHistoryMax; ++i) {
        QString folder;
        if (ReadFrom(key, HistoryValueName(i), {}, folder, PathLimit) == 0)
            break;
        stored << folder;
    }
    for (qsizetype i = stored.size() - 1; i >= 0; --i)
        AddToFolderHistory(history, stored[i]);
}

QString SettingsStore::loadStartupSettings(Settings& record, FolderHistory& history) {
    QSettings* key = &sessionKey();
    QString workingFolder;
    if (ReadFrom(*key, u"szPathName1", {}, workingFolder, PathLimit) == 0) {
        workingFolder.clear();
        GetDocumentsFolder(workingFolder);
        NormaliseFolder(workingFolder);
    }

    QString text;
    ReadFrom(*key, u"szStrumlexPath", DefaultEditorPath, text, PathLimit);
    record.editorPath = text;
    ReadFrom(*key, u"szZufViewPath", DefaultViewerPath, text, PathLimit);
    record.viewerPath = text;

    ReadFrom(*key, u"dwExStyle", QString::number(DefaultListExStyle), text, NumberLimit);
    record.listExStyle = quint32(SettingDecimal(text));

    LoadFolderHistory(*key, history);
    record.renamePatterns = LoadRecentTexts(*key, PatternValueName);
    record.namePatterns = LoadRecentTexts(*key, NamePatternValueName);
    return workingFolder;
}

void SettingsStore::saveExitSettings(const Settings& record, const FolderHistory& history,
                                     const QString& workingFolder) {
    QSettings* key = &sessionKey();
    WriteTo(*key, u"szPathName1", workingFolder);
    const std::vector<QString>& entries = history.entries;
    for (int i = 0; i < int(entries.size()) && i < StoredHistoryMax; ++i)
        WriteTo(*key, HistoryValueName(i), entries[i]);
    WriteTo(*key, u"szZufViewPath", record.viewerPath.text());
    WriteTo(*key, u"szStrumlexPath", record.editorPath.text());
    WriteTo(*key, u"dwExStyle", QString::number(qint32(record.listExStyle)));
    SaveRecentTexts(*key, PatternValueName, record.renamePatterns);
    SaveRecentTexts(*key, NamePatternValueName, record.namePatterns);
    key->sync();          // the one write of this moment
    m_session.reset(); // the run ends: nothing reads or writes the store after this
}

// "left,top,right,bottom": a text with fewer than three commas, or a rectangle without area,
// gives nothing.
static bool ParseWindowPos(const QString& text, QRect& outer) {
    const QStringList parts = text.split(u',');
    if (parts.size() < 4)
        return false;
    const qint64 left = SettingDecimal(parts[0]);
    const qint64 top = SettingDecimal(parts[1]);
    const qint64 width = SettingDecimal(parts[2]) - left;
    const qint64 height = SettingDecimal(parts[3]) - top;
    if (width <= 0 || height <= 0 || width > std::numeric_limits<int>::max() ||
        height > std::numeric_limits<int>::max())
        return false;
    outer = QRect(int(left), int(top), int(width), int(height));
    return true;
}

void SettingsStore::loadWindowSettings(ColumnTable& columns, WindowPlacement& window) {
    QSettings* key = &sessionKey();
    QString text;
    quint16 mask = 127;
    if (ReadFrom(*key, u"wColumns", u"127", text, NumberLimit) != 0)
        mask = quint16(SettingDecimal(text));

    for (int i = 0; i < ColumnCount; ++i) {
        ReadFrom(*key, ColumnValueName(i), QString::number(columns[i].width), text, NumberLimit);
        columns[i].width = std::max(SettingDecimal(text), MinimumColumnWidth);
        columns[i].visible = (mask >> i) & 1;
    }

    QRect outer;
    if (ReadFrom(*key, u"WindowPos", {}, text, WindowPosLimit) != 0 && ParseWindowPos(text, outer))
        window.moveWithoutRepaint(outer);
}

void SettingsStore::saveWindowSettings(const ColumnTable& columns,
                                       const WindowPlacement& window) {
    QSettings* key = &sessionKey();
    int mask = 1; // the Name column is always shown again in the next run
    for (int i = 0; i < ColumnCount; ++i) {
        WriteTo(*key, ColumnValueName(i), QString::number(columns[i].width));
        if (i > 0 && columns[i].visible)
            mask |= 1 << i;
    }
    WriteTo(*key, u"wColumns", QString::number(mask));

    if (!window.isMinimized()) {
        const QRect outer = window.outerRect();
        WriteTo(*key, u"WindowPos",
                QStringLiteral("%1,%2,%3,%4")
                    .arg(outer.x())
                    .arg(outer.y())
                    .arg(qint64(outer.x()) + outer.width())
                    .arg(qint64(outer.y()) + outer.height()));
    }
    key->sync(); // the one write of this moment
}
