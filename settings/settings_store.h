#pragma once
// The settings store: what the program remembers between runs, as text values under the key
// QSettings("Strumlex", "ZUFFile") (the registry on Windows, an INI file elsewhere), and the
// per-run settings record of the dialogs, which the main window owns and hands in.
//
// The store is read at two moments (start-up and the creation of the main window) and written
// at two (the closing of the main window and the end of the run); dialogs change the record in
// memory only. The four moments share one open key, which the program's `SettingsStore` owns:
// the file is read once, at start-up, and written once at each closing moment, however many
// values they take. On Linux the file keeps texts as the bytes they stand for, so a folder name
// that is not UTF-8 survives the run.

#include "base/bounded_text.h"
#include "catalogue/columns.h"
#include "report/report.h"

#include <QRect>
#include <QSettings>
#include <QString>
#include <QStringList>
#include <QStringView>
#include <memory>

struct FolderHistory;

// The characters of the system's longest path. A stored folder or program path is read
// whatever its length up to this; a longer one cannot name anything and reads as absent.
constexpr int LongestPath = 32767;

// The list style a first run starts with: full row select (0x0020) and info tips (0x0400).
constexpr quint32 DefaultListExStyle = 0x0420;

struct Settings {
    ColumnTable columnTable = DefaultColumnTable(); // widths and visibility of the list columns
    quint32 listExStyle = DefaultListExStyle;       // list view style bits (app/layout.h)
    quint16 reportFlags = DefaultReportFlags;       // report fields and target (report/report.h)
    quint16 renameFlags = 0;     // bit 0: check duplicated names in the rename dialog
    quint16 searchFlags = 0;     // bit 0: case-sensitive search
    // The paths of the editor and viewer programs, as long as the system's longest path.
    BoundedText<LongestPath + 1> editorPath;
    BoundedText<LongestPath + 1> viewerPath;
    // The patterns of Rename by Pattern last used, the most recent first.
    QStringList renamePatterns;
    // The patterns of Information from Names last used, the most recent first.
    QStringList namePatterns;
};


// The default program paths, used when nothing is stored.
extern const QStringView DefaultEditorPath;
extern const QStringView DefaultViewerPath;

// The decimal value of a stored number: leading white space skipped, an optional sign, then
// the digits up to the first non-digit; no digits give 0. Values beyond 32 bits saturate.
qint32 SettingDecimal(QStringView text);

// The main window as the store sees it: its outer rectangle in screen coordinates.
class WindowPlacement {
public:
    virtual ~WindowPlacement() = default;
    virtual QRect outerRect() const = 0;
    virtual bool isMinimized() const = 0;
    // Moves and sizes the window without repainting it.
    virtual void moveWithoutRepaint(const QRect& outer) = 0;
};

// The store of one run: the program's own key (the registry on Windows, an INI file
// elsewhere), or an INI file of a path of its own, as tests use. Made by the program's entry
// and handed to the start-up and the main window, which are the store's only users.
class SettingsStore {
public:
    explicit SettingsStore(QString iniPath = {});
    ~SettingsStore();
    SettingsStore(const SettingsStore&) = delete;
    SettingsStore& operator=(const SettingsStore&) = delete;

    // Reads the text value `name` into `buffer`. The byte limit includes room for a
    // terminator: a text longer than limit / 2 - 1 characters counts as absent. A missing or
    // over-long value copies `defaultText` into the buffer and gives 0; otherwise the result is
    // the length of the text read, and a stored empty text gives 0 with an empty buffer (the
    // default is not used). The text ends at its first NUL. Reads the stored file as it is now.
    int readSetting(QStringView name, QStringView defaultText, QString& buffer, int byteLimit);
    // Stores `text` under `name` at once; 1 on success, 0 otherwise.
    int writeSetting(QStringView name, QStringView text);

    // Start-up: program paths and list style into `record`, the folder history into
    // `history`; returns the stored working folder. Runs before the main window exists.
    QString loadStartupSettings(Settings& record, FolderHistory& history);
    // End of the run: the working folder, the first ten entries of `history`, the record's
    // program paths and list style.
    void saveExitSettings(const Settings& record, const FolderHistory& history,
                          const QString& workingFolder);
    // Creation of the main window: column widths and visibility into `columns`, and the
    // window's rectangle.
    void loadWindowSettings(ColumnTable& columns, WindowPlacement& window);
    // Closing of the main window: the widths of `columns`, the visibility mask and, unless the
    // window is minimized, its rectangle.
    void saveWindowSettings(const ColumnTable& columns, const WindowPlacement& window);

private:
    std::unique_ptr<QSettings> openKey() const;
    QSettings& sessionKey();

    QString m_iniPath;                   // empty: the program's own key
    std::unique_ptr<QSettings> m_session; // the key the four moments share, opened at first use
};
