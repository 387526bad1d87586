#pragma once
// The settings store: what the program remembers between runs, as text values under the key
// QSettings("Strumlex", "ZUFFile") (the registry on Windows, an INI file elsewhere), and the
// per-run settings record of the dialogs, which the main window owns and hands in.
//
// The store is read at two moments (start-up and the creation of the main window) and written
// at two (the closing of the main window and the end of the run); dialogs change the record in
// memory only. The four moments share one open key: the file is read once, at start-up, and
// written once at each closing moment, however many values they take. On Linux the file keeps
// texts as the bytes they stand for, so a folder name that is not UTF-8 survives the run.

#include "base/bounded_text.h"
#include "catalogue/columns.h"
#include "report/report.h"

#include <QRect>
#include <QString>
#include <QStringView>

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
};

// Tests point the store at an INI file of their own; an empty path restores the program's key.
// Either way the open key of the moments is closed, and the next moment opens the new file.
void SetSettingsFile(const QString& iniPath);

// The default program paths, used when nothing is stored.
extern const QStringView DefaultEditorPath;
extern const QStringView DefaultViewerPath;

// Reads the text value `name` into `buffer`. The byte limit includes room for a terminator: a
// text longer than limit / 2 - 1 characters counts as absent. A missing or over-long value
// copies `defaultText` into the buffer and gives 0; otherwise the result is the length of the
// text read, and a stored empty text gives 0 with an empty buffer (the default is not used).
// The text ends at its first NUL.
int ReadSetting(QStringView name, QStringView defaultText, QString& buffer, int byteLimit);
// Stores `text` under `name`; 1 on success, 0 otherwise.
int WriteSetting(QStringView name, QStringView text);

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

// Start-up: program paths and list style into `record`, the folder history into `history`;
// returns the working folder (made the current directory). Runs before the main window exists.
QString LoadStartupSettings(Settings& record, FolderHistory& history);
// End of the run: the working folder, the first ten entries of `history`, the record's program
// paths and list style.
void SaveExitSettings(const Settings& record, const FolderHistory& history,
                      const QString& workingFolder);
// Creation of the main window: column widths and visibility into `columns`, and the window's
// rectangle.
void LoadWindowSettings(ColumnTable& columns, WindowPlacement& window);
// Closing of the main window: the widths of `columns`, the visibility mask and, unless the
// window is minimized, its rectangle.
void SaveWindowSettings(const ColumnTable& columns, const WindowPlacement& window);
