#pragma once
// The list exported for other programs: every column and the comments of each row, as a CSV
// table (RFC 4180 quoting, UTF-8, CR LF, a heading line), a web page with one table that sorts
// by a click on a heading (its script inline, nothing fetched), or JSON (an array of objects
// with named fields, dates in ISO 8601 UTC, sizes as numbers). Texts are written as the rows
// hold them: nothing is cleaned away as in the report. Where a format cannot carry a character
// at all (the control characters of a web page), it is written as U+FFFD.

#include "base/entry.h"

#include <QByteArray>
#include <QString>
#include <QStringView>
#include <atomic>
#include <optional>
#include <vector>

class CatalogueModel;

enum class ExportFormat { Csv, Html, Json };

// "csv", "html" or "json"; nothing for another name.
std::optional<ExportFormat> ExportFormatNamed(QStringView name);
// The file name ending of the format: "csv", "html", "json".
QString ExportFormatSuffix(ExportFormat format);

// The export in pieces, for output that goes out as it is made: the head (with the byte-order
// mark when asked for), one piece per row (`index` counts the rows from 0), and the end.
// Joined they are exactly ExportText.
QByteArray ExportHead(ExportFormat format, bool byteOrderMark);
void AppendExportRow(ExportFormat format, const Entry& entry, qsizetype index, QByteArray& out);
QByteArray ExportTail(ExportFormat format);

// `cancel`, when set, stops the work (the text is then incomplete); `done` counts the rows.
QByteArray ExportText(const std::vector<const Entry*>& rows, ExportFormat format,
                      bool byteOrderMark, const std::atomic<bool>* cancel = nullptr,
                      std::atomic<int>* done = nullptr);

// The rows an export takes: the selected ones when `selectedOnly`, else every row the list
// shows, top to bottom.
std::vector<const Entry*> ExportRows(const CatalogueModel& list, bool selectedOnly);

// What the export dialog chose; kept for the next export of the run.
struct ExportChoice {
    QString path;
    ExportFormat format = ExportFormat::Csv;
    bool byteOrderMark = false;
    bool selectedOnly = false;
};

// What the export asks of the window; tests fake it.
class ExportDialogs {
public:
    virtual ~ExportDialogs() = default;
    // The dialog over the choice, which OK changes; true for OK. `replaceConfirmed` as for the
    // report: the path whose replacement the file chooser already confirmed.
    virtual bool runExportDialog(ExportChoice& choice, int selectedCount, int shownCount,
                                 QString& replaceConfirmed) = 0;
    virtual bool warnYesNo(const QString& text) = 0;
    virtual void showMessage(const QString& text) = 0;
    // Called every few milliseconds while the export is made and written on a worker: `done`
    // of `total` rows; false once the user cancelled.
    virtual bool progress(int done, int total) = 0;
};

// The path proposed on the first export of a run: "zuflist.csv" in the working folder.
QString DefaultExportPath(const QString& workingFolder);
// A path given the ending of the format, when it ends in one of the three endings.
QString WithExportSuffix(const QString& path, ExportFormat format);
QString ExportWrittenText(int rows, const QString& path);
QString ExportNotWrittenText(const QString& path, const QString& reason);

// The whole command: the dialog (selected rows offered when more than one is selected), then
// the rows made into the format and written under an unfinished name, synced and renamed into
// place, on a worker; an existing file is replaced only after the user agreed. Says how it
// went; a cancelled export writes nothing.
void ExportList(ExportDialogs& dialogs, const CatalogueModel& list, ExportChoice& choice,
                const QString& workingFolder);
