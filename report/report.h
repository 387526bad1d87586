#pragma once
// The report: one tab-separated line for each selected row, with the fields the user picks,
// in code page 1252 with CR LF line ends, to the clipboard or to a text file.
//
// Each line is built from pieces in a fixed order (folder, name, date, size, title, author,
// tuning), each present only when its bit is set and each followed by a tab; the line ends in
// CR LF. With the folder, name and full-path bits all set the folder is followed directly by
// the name, so the two form the full path.

#include "base/entry.h"

#include <QByteArray>
#include <QString>
#include <QStringView>
#include <vector>

class CatalogueModel;

// The bits of Settings::reportFlags.
enum ReportFlag : quint16 {
    ReportName = 0x0001,
    ReportFolder = 0x0002,
    ReportDate = 0x0004,
    ReportSize = 0x0008,
    ReportTitle = 0x0010,
    ReportAuthor = 0x0020,
    ReportFullPath = 0x0040,
    ReportTuning = 0x0080,
    ReportToFile = 0x8000, // clear: to the clipboard
};
constexpr quint16 ReportFieldMask = 0x00FF;
constexpr quint16 DefaultReportFlags = 0x00BF;

// The clipboard block: 512 KiB with room for at least one terminating zero byte.
constexpr qsizetype ReportClipboardBlock = 0x80000;
constexpr qsizetype ReportClipboardLimit = ReportClipboardBlock - 1;

enum class ReportEncoding {
    Cp1252, // the report's own bytes (file and clipboard)
    Utf8,   // for text output of the command-line companion
};

// Cleans a text field: every tab, CR and LF becomes a blank, every double quote is removed,
// and the text ends at its first NUL. The trailing tab is not part of it.
QString CleanReportField(QStringView text);

// One row's report line with the field bits of `flags` (other bits are ignored), CR LF
// included. In code page 1252 these are exactly the bytes the report writes for the row.
QByteArray ReportLine(const Entry& entry, quint16 flags,
                      ReportEncoding encoding = ReportEncoding::Cp1252);

// The report of a list of rows in code page 1252. To the clipboard the text must fit
// ReportClipboardLimit bytes: it keeps the first rows whose lines fit whole and leaves the
// rest out (never part of a line). To a file every line is kept.
struct ReportText {
    QByteArray bytes;
    int rowsWritten = 0;
    int rowsLeftOut = 0; // rows whose lines did not fit the clipboard block
};
ReportText CreateReportText(const std::vector<const Entry*>& rows, quint16 flags);

// The selected rows of `list`, top to bottom.
std::vector<const Entry*> SelectedReportRows(const CatalogueModel& list);

// Writes the whole report file at `path`, replacing an existing file. Returns an empty text on
// success, otherwise the system's own text of the failure (the file is then not created, or
// not completely written).
QString WriteReportFile(const QString& path, const QByteArray& bytes);

// The report path proposed on the first report of a run: "zuflist.txt" in the working folder.
QString DefaultReportPath(const QString& workingFolder);

// The texts of the report's message box, which has the program's caption (ProgramCaption).
QString ReportCreatedText(const QString& path);
QString ReportNotCreatedText(const QString& path);
