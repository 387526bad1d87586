#include "settings/settings_store.h"

#include "app/app_state.h"
#include "fileops/folder_history.h"
#include "fileops/folder_path.h"
#include "platform/folder_walk.h"
#include "platform/native_file.h"

#include <QDir>
#include <QSettings>
#include <QStringList>
#include <limits>
#include <memory>


const QStringView DefaultEditorPath = u"C:\\Program Files (x86)\\Strumlex\\strumlex.exe";
const QStringView DefaultViewerPath = u"C:\\Program Files (x86)\\Strumlex\\zufview.exe";

// Read limits in bytes, terminator included.
constexpr int PathLimit = 512;
constexpr int ProgramPathLimit = 256;
constexpr int NumberLimit = 16;
constexpr int WindowPosLimit = 64;

constexpr int StoredHistoryMax = 10;
constexpr int MinimumColumnWidth = 10;

Settings& settings() {
    static Settings record;
    return record;
}

void ResetSettings() {
    settings() = Settings{};
}

static QString& settingsFile() {
    static QString path;
    return path;
}

void SetSettingsFile(const QString& iniPath) {
    settingsFile() = iniPath;
}

// The program's key, read exactly as stored: no system-wide or organisation-wide fallbacks.
static std::unique_ptr<QSettings> OpenKey() {
    auto key =
        settingsFile().isEmpty()
            ? std::make_unique<QSettings>(QStringLiteral("Strumlex"), QStringLiteral("ZUFFile"))
            : std::make_unique<QSettings>(settingsFile(), QSettings::IniFormat);
    key->setFallbacksEnabled(false);
    return key;
}

// A text that carries undecodable file-name bytes (lone surrogates) cannot be stored as text
// in an INI file; such a text is stored as its file-system bytes instead and decoded back the
// same way, so that a folder with such a name survives the run.
static bool NeedsByteForm(QStringView text) {
#ifdef Q_OS_WIN
    (void)text;
    return false;
#else
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i].isLowSurrogate() && (i == 0 || !text[i - 1].isHighSurrogate()))
            return true;
        if (text[i].isHighSurrogate() && (i + 1 == text.size() || !text[i + 1].isLowSurrogate()))
            return true;
    }
    return false;
#endif
}

static QString StoredText(const QVariant& value) {
    switch (value.typeId()) {
    case QMetaType::QByteArray:
        return DecodeFileName(value.toByteArray());
    case QMetaType::QStringList: // an INI text with unquoted commas reads back as a list
        return value.toStringList().join(u',');
    default:
        return value.toString();
    }
}

int ReadSetting(QStringView name, QStringView defaultText, QString& buffer, int byteLimit) {
    const std::unique_ptr<QSettings> key = OpenKey();
    const QString valueName = name.toString();
    const QVariant value = key->contains(valueName) ? key->value(valueName) : QVariant();
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

int WriteSetting(QStringView name, QStringView text) {
    const std::unique_ptr<QSettings> key = OpenKey();
    if (NeedsByteForm(text))
        key->setValue(name.toString(), EncodeFileName(text));
    else
        key->setValue(name.toString(), text.toString());
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

static QString ColumnValueName(int column) {
    return QStringLiteral("Column") + QChar(u'1' + column);
}

// Reads the stored history, stopping at the first absent or empty value, and adds it from the
// last read to the first, so that the history holds it in stored order.
static void LoadFolderHistory() {
    QStringList stored;
    for (int i = 0; i < StoredHistoryMax; ++i) {
        QString folder;
        if (ReadSetting(HistoryValueName(i), {}, folder, PathLimit) == 0)
            break;
        stored << folder;
    }
    for (qsizetype i = stored.size() - 1; i >= 0; --i)
        AddToFolderHistory(stored[i]);
}

void LoadStartupSettings() {
    ScratchPool& pool = scratch();
    if (ReadSetting(u"szPathName1", {}, pool.workingFolder, PathLimit) == 0) {
        pool.workingFolder.clear();
        GetDocumentsFolder(pool.workingFolder);
        NormaliseFolder(pool.workingFolder);
    }
    if (!pool.workingFolder.isEmpty())
        SetCurrentFolder(pool.workingFolder);

    QString text;
    ReadSetting(u"szStrumlexPath", DefaultEditorPath, text, ProgramPathLimit);
    pool.editorPath = text;
    ReadSetting(u"szZufViewPath", DefaultViewerPath, text, ProgramPathLimit);
    pool.viewerPath = text;

    ReadSetting(u"dwExStyle", u"1056", text, NumberLimit);
    settings().listExStyle = quint32(SettingDecimal(text));

    LoadFolderHistory();
}

void SaveExitSettings() {
    const ScratchPool& pool = scratch();
    WriteSetting(u"szPathName1", pool.workingFolder);
    const std::vector<QString>& entries = folderHistory().entries;
    for (int i = 0; i < int(entries.size()) && i < StoredHistoryMax; ++i)
        WriteSetting(HistoryValueName(i), entries[i]);
    WriteSetting(u"szZufViewPath", pool.viewerPath.text());
    WriteSetting(u"szStrumlexPath", pool.editorPath.text());
    WriteSetting(u"dwExStyle", QString::number(qint32(settings().listExStyle)));
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

void LoadWindowSettings(WindowPlacement& window) {
    QString text;
    quint16 mask = 127;
    if (ReadSetting(u"wColumns", u"127", text, NumberLimit) != 0)
        mask = quint16(SettingDecimal(text));

    ColumnTable& columns = settings().columnTable;
    for (int i = 0; i < ColumnCount; ++i) {
        ReadSetting(ColumnValueName(i), QString::number(columns[i].width), text, NumberLimit);
        columns[i].width = std::max(SettingDecimal(text), MinimumColumnWidth);
        columns[i].visible = (mask >> i) & 1;
    }

    QRect outer;
    if (ReadSetting(u"WindowPos", {}, text, WindowPosLimit) != 0 && ParseWindowPos(text, outer))
        window.moveWithoutRepaint(outer);
}

void SaveWindowSettings(const WindowPlacement& window) {
    const ColumnTable& columns = settings().columnTable;
    int mask = 1; // the Name column is always shown again in the next run
    for (int i = 0; i < ColumnCount; ++i) {
        WriteSetting(ColumnValueName(i), QString::number(columns[i].width));
        if (i > 0 && columns[i].visible)
            mask |= 1 << i;
    }
    WriteSetting(u"wColumns", QString::number(mask));

    if (window.isMinimized())
        return;
    const QRect outer = window.outerRect();
    WriteSetting(u"WindowPos", QStringLiteral("%1,%2,%3,%4")
                                   .arg(outer.x())
                                   .arg(outer.y())
                                   .arg(qint64(outer.x()) + outer.width())
                                   .arg(qint64(outer.y()) + outer.height()));
}
